#include "scriptedhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return QByteArrayLiteral("OK");
    case 403:
        return QByteArrayLiteral("Forbidden");
    case 404:
        return QByteArrayLiteral("Not Found");
    case 500:
        return QByteArrayLiteral("Internal Server Error");
    case 503:
        return QByteArrayLiteral("Service Unavailable");
    default:
        return QByteArrayLiteral("Status");
    }
}

QByteArray pathWithoutQuery(const QByteArray &target)
{
    const qsizetype mark = target.indexOf('?');
    return mark < 0 ? target : target.left(mark);
}

} // namespace

QHash<QString, QString> ScriptedRequest::formFields() const
{
    QHash<QString, QString> fields;
    const QList<QByteArray> pairs = body.split('&');
    for (const QByteArray &pair : pairs) {
        const qsizetype equals = pair.indexOf('=');
        if (equals < 0)
            continue;
        fields.insert(QString::fromUtf8(QByteArray::fromPercentEncoding(pair.left(equals))),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(pair.mid(equals + 1))));
    }
    return fields;
}

ScriptedHttpServer::ScriptedHttpServer(QObject *parent) : QTcpServer(parent)
{
    connect(this, &QTcpServer::newConnection, this, &ScriptedHttpServer::accept);
}

ScriptedHttpServer::~ScriptedHttpServer()
{
    // Sockets are children; their disconnect signals must not reach a dying server.
    const QList<QTcpSocket *> sockets = findChildren<QTcpSocket *>();
    for (QTcpSocket *socket : sockets)
        socket->disconnect(this);
}

bool ScriptedHttpServer::start()
{
    return listen(QHostAddress(QHostAddress::LocalHost), 0);
}

QString ScriptedHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void ScriptedHttpServer::script(const QByteArray &path, const ScriptedAnswer &answer)
{
    m_answers.insert(path, answer);
}

QList<ScriptedRequest> ScriptedHttpServer::requestsFor(const QByteArray &path) const
{
    QList<ScriptedRequest> found;
    for (const ScriptedRequest &request : requests) {
        if (pathWithoutQuery(request.path) == path)
            found.append(request);
    }
    return found;
}

QByteArray ScriptedHttpServer::translationPage(const QString &text)
{
    return QByteArrayLiteral("<html><body><div class=\"out\">") +
           text.toUpper().toHtmlEscaped().toUtf8() + QByteArrayLiteral("</div></body></html>");
}

void ScriptedHttpServer::accept()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            if (m_waiting.remove(socket)) {
                ++abandoned;
                emit connectionAbandoned();
            }
            socket->deleteLater();
        });
    }
}

void ScriptedHttpServer::readFrom(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    if (m_waiting.contains(socket))
        return;
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    ScriptedRequest request;
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.insert(line.left(colon).trimmed().toLower(),
                                   line.mid(colon + 1).trimmed());
    }
    const qsizetype length =
        request.headers.value(QByteArrayLiteral("content-length")).toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_waiting.insert(socket);
    requests.append(request);
    emit requestReceived();
    respond(socket, request);
}

void ScriptedHttpServer::respond(QTcpSocket *socket, const ScriptedRequest &request)
{
    const ScriptedAnswer answer =
        m_answers.value(pathWithoutQuery(request.path),
                        ScriptedAnswer{ScriptedAnswer::Answer, 404, QByteArrayLiteral("missing")});
    if (answer.mode == ScriptedAnswer::Stall)
        return;
    if (answer.delayMs <= 0) {
        writeAnswer(socket, request, answer);
        return;
    }
    QPointer<QTcpSocket> guarded(socket);
    QTimer::singleShot(answer.delayMs, this, [this, guarded, request, answer] {
        if (guarded && m_waiting.contains(guarded))
            writeAnswer(guarded, request, answer);
    });
}

void ScriptedHttpServer::writeAnswer(QTcpSocket *socket, const ScriptedRequest &request,
                                     const ScriptedAnswer &answer)
{
    m_waiting.remove(socket);
    if (answer.mode == ScriptedAnswer::Garbage) {
        socket->write(QByteArrayLiteral("\x01\x02 this is not HTTP at all\r\n\r\n\xff\xfe"));
        socket->disconnectFromHost();
        return;
    }
    int status = answer.status;
    QByteArray body = answer.body;
    if (answer.mode == ScriptedAnswer::Translate) {
        const QString text = request.formFields().value(QStringLiteral("q"));
        if (!answer.failMarker.isEmpty() && text.contains(answer.failMarker)) {
            status = 500;
            body = QByteArrayLiteral("engine failure");
        } else {
            body = translationPage(text);
        }
    }
    QByteArray head = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasonPhrase(status) +
                      "\r\nContent-Type: " + answer.contentType +
                      "\r\nContent-Length: " + QByteArray::number(body.size()) +
                      "\r\nConnection: close\r\n\r\n";
    if (answer.mode == ScriptedAnswer::CutBody) {
        // A graceful close after half the body: the client sees a short read.
        socket->write(head + body.left(body.size() / 2));
        socket->disconnectFromHost();
        return;
    }
    socket->write(head + body);
    ++answered;
    socket->disconnectFromHost();
}
