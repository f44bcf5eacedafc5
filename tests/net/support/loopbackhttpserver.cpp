#include "loopbackhttpserver.h"

#include <QTcpSocket>

bool RecordedRequest::absoluteForm() const
{
    return target.startsWith("http://") || target.startsWith("https://");
}

LoopbackHttpServer::LoopbackHttpServer(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &LoopbackHttpServer::accept);
}

bool LoopbackHttpServer::start(const QHostAddress &address)
{
    return listen(address, 0);
}

QUrl LoopbackHttpServer::urlFor(const QString &host, const QString &path) const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(host);
    url.setPort(serverPort());
    url.setPath(path);
    return url;
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        ++connections;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void LoopbackHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0)
        return;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    buffer.clear();

    RecordedRequest request;
    request.peer = socket->peerAddress();
    const QList<QByteArray> words = lines.value(0).trimmed().split(' ');
    request.method = words.value(0);
    request.target = words.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(),
                                   lines.at(i).mid(colon + 1).trimmed());
    }
    requests.append(request);

    socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\n"
                  "Content-Length: " +
                  QByteArray::number(responseBody.size()) + "\r\n\r\n" + responseBody);
    socket->disconnectFromHost();
    emit requestRecorded();
}
