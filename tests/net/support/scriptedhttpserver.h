#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

/// How the scripted server answers one path.
struct ScriptedAnswer
{
    enum Mode {
        Answer,    ///< status, headers and body
        Stall,     ///< read the request, never answer
        CutBody,   ///< announce the body's full length, send half of it, close
        Garbage,   ///< send bytes that are no HTTP answer, close
        Translate, ///< echo the form field "q" in upper case inside a small page
    };
    ScriptedAnswer(Mode mode = Answer, int status = 200, const QByteArray &body = QByteArray(),
                   const QByteArray &contentType = QByteArrayLiteral("text/html; charset=utf-8"),
                   int delayMs = 0, const QString &failMarker = QString())
        : mode(mode), status(status), body(body), contentType(contentType), delayMs(delayMs),
          failMarker(failMarker)
    {
    }

    Mode mode = Answer;
    int status = 200;
    QByteArray body;
    QByteArray contentType;
    int delayMs = 0;
    /// Translate: answer 500 instead when the text contains this marker.
    QString failMarker;
};

/// One request as the scripted server received it.
struct ScriptedRequest
{
    QByteArray method;
    QByteArray path;                       ///< as sent, query included
    QHash<QByteArray, QByteArray> headers; ///< names in lower case
    QByteArray body;
    /// Decoded form fields of a POST body.
    QHash<QString, QString> formFields() const;
};

/// An HTTP/1.1 server on 127.0.0.1 for network tests: answers each path as
/// scripted (delays, stalls, cut bodies, garbage, a translation echo) and
/// records every request. Each answer closes its connection.
class ScriptedHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit ScriptedHttpServer(QObject *parent = nullptr);
    ~ScriptedHttpServer() override;

    bool start();
    /// "http://127.0.0.1:PORT" + path.
    QString url(const QString &path) const;
    /// Scripts the answer for a path (compared without the query).
    void script(const QByteArray &path, const ScriptedAnswer &answer);

    /// Requests received for a path, in arrival order.
    QList<ScriptedRequest> requestsFor(const QByteArray &path) const;

    QList<ScriptedRequest> requests;
    /// Connections the client closed while their request was still unanswered.
    int abandoned = 0;
    /// Answers fully written.
    int answered = 0;

    /// The page the Translate mode sends for a text.
    static QByteArray translationPage(const QString &text);

signals:
    void requestReceived();
    void connectionAbandoned();

private:
    void accept();
    void readFrom(QTcpSocket *socket);
    void respond(QTcpSocket *socket, const ScriptedRequest &request);
    void writeAnswer(QTcpSocket *socket, const ScriptedRequest &request,
                     const ScriptedAnswer &answer);

    QHash<QByteArray, ScriptedAnswer> m_answers;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QSet<QTcpSocket *> m_waiting; ///< read a request, not yet answered
};
