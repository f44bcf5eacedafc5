#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QSet>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

/// How the server answers one path.
struct ScriptedAnswer
{
    enum Mode {
        Answer,    ///< status, headers and body
        Stall,     ///< read the request, never answer
        Translate, ///< echo the form field "q" in upper case inside <div class="out">
    };
    ScriptedAnswer(Mode mode = Answer, int status = 200, const QByteArray &body = {},
                   int delayMs = 0, const QString &failMarker = {})
        : mode(mode), status(status), body(body), delayMs(delayMs), failMarker(failMarker)
    {
    }

    Mode mode;
    int status;
    QByteArray body; ///< served as UTF-8 HTML
    int delayMs;
    QString failMarker; ///< Translate: answer 500 when the text contains this
};

/// One request as the server received it.
struct ScriptedRequest
{
    QHostAddress peer;
    QByteArray method;
    QByteArray path;                       ///< as on the request line, query included
    QHash<QByteArray, QByteArray> headers; ///< names in lower case
    QByteArray body;
    /// A decoded form field of a POST body.
    QString field(const QString &name) const;
};

/// An HTTP/1.1 server for tests: answers each path as scripted (unscripted
/// paths get 404), records every request and closes each connection.
class ScriptedHttpServer : public QTcpServer
{
public:
    ScriptedHttpServer();
    ~ScriptedHttpServer() override;

    bool start(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost))
    {
        return listen(address, 0);
    }
    /// "http://HOST:PORT" + path.
    QString url(const QString &path, const QString &host = QStringLiteral("127.0.0.1")) const
    {
        return QStringLiteral("http://%1:%2%3").arg(host).arg(serverPort()).arg(path);
    }
    /// Scripts the answer for a path (compared without the query).
    void script(const QByteArray &path, const ScriptedAnswer &answer)
    {
        m_answers.insert(path, answer);
    }
    QList<ScriptedRequest> requests;
    /// Connections the client closed while their request was still unanswered.
    int abandoned = 0;

private:
    void readFrom(QTcpSocket *socket);
    void answer(QTcpSocket *socket, const ScriptedRequest &request, const ScriptedAnswer &answer);

    QHash<QByteArray, ScriptedAnswer> m_answers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QSet<QTcpSocket *> m_waiting; ///< read a request, not yet answered
};
