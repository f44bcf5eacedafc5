#include "scriptedhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

QString ScriptedRequest::field(const QString &name) const
{
    for (const QByteArray &pair : body.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0 && QByteArray::fromPercentEncoding(pair.left(equals)) == name.toUtf8())
            return QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(equals + 1)));
    }
    return QString();
}

ScriptedHttpServer::ScriptedHttpServer()
{
    connect(this, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                abandoned += m_waiting.remove(socket) ? 1 : 0;
                socket->deleteLater();
            });
        }
    });
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    // Sockets are children; their disconnect signals must not reach a dying server.
    for (QTcpSocket *socket : findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

void ScriptedHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (m_waiting.contains(socket) || headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    ScriptedRequest request;
    request.peer = socket->peerAddress();
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (const QByteArray &line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(),
                                   line.mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_waiting.insert(socket);
    requests.append(request);
    const ScriptedAnswer scripted =
        m_answers.value(request.path.split('?').value(0), {ScriptedAnswer::Answer, 404, "missing"});
    if (scripted.mode == ScriptedAnswer::Stall)
        return;
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(scripted.delayMs, this, [this, guarded, request, scripted] {
        if (guarded && m_waiting.remove(guarded))
            answer(guarded, request, scripted);
    });
}

void ScriptedHttpServer::answer(QTcpSocket *socket, const ScriptedRequest &request,
                                const ScriptedAnswer &answer)
{
    int status = answer.status;
    QByteArray body = answer.body;
    if (answer.mode == ScriptedAnswer::Translate) {
        const QString text = request.field(QStringLiteral("q"));
        const bool fail = !answer.failMarker.isEmpty() && text.contains(answer.failMarker);
        status = fail ? 500 : status;
        body = fail ? QByteArray("engine failure")
                    : "<html><body><div class=\"out\">" + text.toUpper().toHtmlEscaped().toUtf8() +
                          "</div></body></html>";
    }
    socket->write("HTTP/1.1 " + QByteArray::number(status) +
                  " Scripted\r\n"
                  "Content-Type: text/html; charset=utf-8\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
