#include "scriptedhttpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <zlib.h>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

namespace {

QByteArray header(int status, const QByteArray &extra)
{
    return "HTTP/1.1 " + QByteArray::number(status) +
           " Scripted\r\nContent-Type: text/html; charset=utf-8\r\n" + extra +
           "Connection: close\r\n\r\n";
}

QByteArray lengthHeader(qint64 length)
{
    return "Content-Length: " + QByteArray::number(length) + "\r\n";
}

// `size` zero bytes as one gzip member, compressed piecewise so that the
// plain form never exists in memory.
QByteArray gzipOfZeros(qint64 size)
{
    static QHash<qint64, QByteArray> made;
    if (made.contains(size))
        return made.value(size);
    z_stream stream{};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    const QByteArray zeros(1 << 20, '\0');
    QByteArray out;
    char buffer[1 << 16];
    for (qint64 left = size; left >= 0;) {
        const qint64 piece = qMin<qint64>(left, zeros.size());
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(piece);
        left -= piece;
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            deflate(&stream, flush);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
        if (flush == Z_FINISH)
            break;
    }
    deflateEnd(&stream);
    made.insert(size, out);
    return out;
}

} // namespace

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
    const int delay = scripted.mode == ScriptedAnswer::Drip ? 0 : scripted.delayMs;
    QTimer::singleShot(delay, this, [this, guarded, request, scripted] {
        if (guarded && m_waiting.remove(guarded))
            answer(guarded, request, scripted);
    });
}

void ScriptedHttpServer::answer(QTcpSocket *socket, const ScriptedRequest &request,
                                const ScriptedAnswer &answer)
{
    if (answer.mode > ScriptedAnswer::Translate) {
        answerBroken(socket, answer);
        return;
    }
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
    socket->write(header(status, lengthHeader(body.size())) + body);
    socket->disconnectFromHost();
}

void ScriptedHttpServer::answerBroken(QTcpSocket *socket, const ScriptedAnswer &answer)
{
    const QByteArray &body = answer.body;
    const QByteArray half = body.left(body.size() / 2);
    switch (answer.mode) {
    case ScriptedAnswer::CutBody:
        socket->write(header(200, lengthHeader(body.size())) + half);
        socket->disconnectFromHost();
        break;
    case ScriptedAnswer::Reset:
        socket->write(header(200, lengthHeader(body.size())) + half);
        socket->flush();
        socket->waitForBytesWritten(1000);
#ifdef Q_OS_UNIX
        {
            // Closing with a zero linger time sends a reset instead of a close.
            const struct linger hard = {1, 0};
            ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &hard,
                         sizeof hard);
        }
#endif
        socket->abort();
        break;
    case ScriptedAnswer::NoLength:
        socket->write(header(200, {}) + half);
        socket->disconnectFromHost();
        break;
    case ScriptedAnswer::Garbage:
        socket->write("SPAM/7 \x01\xff nonsense\r\n\r\n" + body);
        socket->disconnectFromHost();
        break;
    case ScriptedAnswer::Redirect:
        socket->write(header(answer.status, "Location: " + body + "\r\n" + lengthHeader(0)));
        socket->disconnectFromHost();
        break;
    case ScriptedAnswer::Drip: {
        socket->write(header(200, lengthHeader(body.size())));
        auto *timer = new QTimer(socket);
        auto *sent = new qsizetype(0);
        connect(timer, &QTimer::destroyed, this, [sent] { delete sent; });
        connect(timer, &QTimer::timeout, socket, [socket, timer, body, sent] {
            if (*sent >= body.size()) {
                timer->stop();
                socket->disconnectFromHost();
                return;
            }
            socket->write(body.mid((*sent)++, 1));
        });
        timer->start(qMax(1, answer.delayMs));
        break;
    }
    case ScriptedAnswer::Huge:
        socket->write(header(200, answer.status ? lengthHeader(answer.size) : QByteArray()));
        connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] {
            stream(socket, socket->property("scriptedRemaining").toLongLong());
        });
        stream(socket, answer.size);
        break;
    case ScriptedAnswer::GzipBomb: {
        const QByteArray packed = gzipOfZeros(answer.size);
        socket->write(header(200, "Content-Encoding: gzip\r\n" + lengthHeader(packed.size())) +
                      packed);
        socket->disconnectFromHost();
        break;
    }
    default:
        break;
    }
}

void ScriptedHttpServer::stream(QTcpSocket *socket, qint64 remaining)
{
    static const QByteArray chunk(1 << 16, 'x');
    while (remaining > 0 && socket->bytesToWrite() < 4 * chunk.size()) {
        const qint64 piece = qMin<qint64>(remaining, chunk.size());
        socket->write(chunk.constData(), piece);
        remaining -= piece;
    }
    socket->setProperty("scriptedRemaining", remaining);
    if (remaining == 0 && socket->bytesToWrite() == 0)
        socket->disconnectFromHost();
}
