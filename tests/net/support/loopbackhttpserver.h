#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

/// One request as the loopback server received it.
struct RecordedRequest
{
    QHostAddress peer;
    QByteArray method;
    QByteArray target;                     ///< as written on the request line
    QHash<QByteArray, QByteArray> headers; ///< names in lower case

    /// True for "http://host/path" targets, the form a client sends to an HTTP proxy.
    bool absoluteForm() const;
};

/// A small HTTP/1.1 server for tests: records every request and answers each
/// with `responseBody`, closing the connection afterwards.
class LoopbackHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    explicit LoopbackHttpServer(QObject *parent = nullptr);

    bool start(const QHostAddress &address = QHostAddress(QHostAddress::LocalHost));
    /// The server's URL with `host` in place of its address.
    QUrl urlFor(const QString &host, const QString &path = QStringLiteral("/")) const;

    QList<RecordedRequest> requests;
    int connections = 0;
    QByteArray responseBody = QByteArrayLiteral("loopback answer");

signals:
    void requestRecorded();

private:
    void accept();
    void readFrom(QTcpSocket *socket);

    QHash<QTcpSocket *, QByteArray> m_buffers;
};
