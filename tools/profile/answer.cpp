// "answer": reads a version-check answer the way the reader does and prints
// what the reader would take from it, for maintainers of a version service.

#include "clupdate.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QStringList>

#include <cstdio>

namespace {

void writeOut(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

// One JSON string with its quotes.
QByteArray jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

QByteArray jsonStrings(const QStringList &texts)
{
    QByteArray out = "[";
    for (qsizetype i = 0; i < texts.size(); ++i)
        out += (i ? ", " : "") + jsonString(texts.at(i));
    return out + ']';
}

/// The keys come in the documented order, one target per line.
QByteArray answerJson(const CLUpdateAnswer &answer)
{
    QByteArray out = "{\"valid\": ";
    out += answer.valid ? "true" : "false";
    out += ", \"targets\": [";
    for (qsizetype i = 0; i < answer.targets.size(); ++i) {
        const CLUpdateTarget &t = answer.targets.at(i);
        out += i ? ",\n  " : "\n  ";
        out += "{\"id\": " + jsonString(t.id) + ", \"version\": " + jsonString(t.version) +
               ", \"bytes\": " + jsonString(t.bytes) + ", \"checksum\": " + jsonString(t.checksum) +
               ", \"urls\": " + jsonStrings(t.urls) + ", \"message\": " + jsonString(t.message) +
               '}';
    }
    out += answer.targets.isEmpty() ? "]" : "\n]";
    out += ", \"endpoints\": ";
    out += answer.endpoints.isEmpty() ? QByteArray("null") : jsonStrings(answer.endpoints);
    return out + "}\n";
}

} // namespace

int runAnswer(const QStringList &arguments)
{
    if (arguments.size() != 1) {
        writeOut(stderr, "usage: tessolin-profile answer FILE (- for standard input)\n");
        return 2;
    }
    const QString path = arguments.constFirst();
    QFile file(path);
    const bool opened = path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly)
                                                   : file.open(QIODevice::ReadOnly);
    if (!opened) {
        writeOut(stderr, path.toUtf8() + ": cannot be read\n");
        return 2;
    }
    // One byte more than an answer may have, so an oversized one is seen as such.
    QByteArray data;
    while (data.size() <= MaxUpdateAnswerSize) {
        // A pipe hands its bytes over in pieces.
        const QByteArray piece = file.read(MaxUpdateAnswerSize + 1 - data.size());
        if (piece.isEmpty())
            break;
        data += piece;
    }
    const CLUpdateAnswer answer = parseUpdateAnswer(data);
    for (const QString &note : answer.notes)
        writeOut(stderr, note.toUtf8() + '\n');
    writeOut(stdout, answerJson(answer));
    return answer.valid ? 0 : 1;
}
