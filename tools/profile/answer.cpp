// "answer": reads a version-check answer the way the reader does and prints
// what the reader would take from it, for maintainers of a version service.

#include "clsigning.h"
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

// One JSON string with its quotes. DEL and the C1 controls are escaped too: a
// terminal may act on them.
QByteArray jsonString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    QByteArray out = array.mid(1, array.size() - 2);
    out.replace("\x7f", "\\u007f");
    for (char c = char(0x80); c != char(0xa0); ++c)
        out.replace(QByteArray("\xc2") + c, "\\u00" + QByteArray::number(uchar(c), 16));
    return out;
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
    out += ", \"signed\": ";
    out += answer.trusted ? "true" : "false";
    out += ", \"keyId\": ";
    out += answer.hasSignature ? jsonString(answer.keyId) : QByteArray("null");
    // A reader refuses an answer over its limits whole.
    const QString whole = answerRefusal(answer);
    out += ", \"targets\": [";
    for (qsizetype i = 0; i < answer.targets.size(); ++i) {
        const CLUpdateTarget &t = answer.targets.at(i);
        const QString refusal = whole.isEmpty() ? targetRefusal(t, answer.trusted) : whole;
        out += i ? ",\n  " : "\n  ";
        out += "{\"id\": " + jsonString(t.id) + ", \"version\": " + jsonString(t.version) +
               ", \"bytes\": " + jsonString(t.bytes) + ", \"checksum\": " + jsonString(t.checksum) +
               ", \"urls\": " + jsonStrings(t.urls) + ", \"message\": " + jsonString(t.message) +
               ", \"usable\": " + (refusal.isEmpty() ? "true" : "false") +
               ", \"refusal\": " + (refusal.isEmpty() ? QByteArray("null") : jsonString(refusal)) +
               '}';
    }
    out += answer.targets.isEmpty() ? "]" : "\n]";
    out += ", \"endpoints\": ";
    out += answer.endpoints.isEmpty() ? QByteArray("null") : jsonStrings(answer.endpoints);
    out += ", \"endpointsUsable\": ";
    out += !answer.endpoints.isEmpty() && answer.trusted && whole.isEmpty() ? "true" : "false";
    return out + "}\n";
}

// "--key FILE" options, anywhere; false with a message when one is unusable.
bool takeKeys(QStringList &arguments, QList<QByteArray> &keys)
{
    QStringList rest;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        QString path;
        if (argument == QLatin1String("--key") && i + 1 < arguments.size())
            path = arguments.at(++i);
        else if (argument.startsWith(QLatin1String("--key=")))
            path = argument.mid(6);
        else {
            rest.append(argument);
            continue;
        }
        const QByteArray key = readKeyFile(path, SigningPublicKeySize);
        if (key.isEmpty()) {
            writeOut(stderr, path.toUtf8() + ": not a public key file\n");
            return false;
        }
        keys.append(key);
    }
    arguments = rest;
    return true;
}

} // namespace

int runAnswer(const QStringList &given)
{
    QStringList arguments = given;
    QList<QByteArray> keys;
    if (!takeKeys(arguments, keys))
        return 2;
    if (arguments.size() != 1) {
        writeOut(stderr, "usage: tessolin-profile answer [--key PUBLIC_FILE]... FILE "
                         "(- for standard input)\n");
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
    const CLUpdateAnswer answer = parseUpdateAnswer(data, keys);
    for (const QString &note : answer.notes)
        writeOut(stderr, escapedForLog(note).toUtf8() + '\n');
    writeOut(stdout, answerJson(answer));
    return answer.valid ? 0 : 1;
}

// "keygen": a new signing key pair for a version service.
int runKeygen(const QStringList &arguments)
{
    if (arguments.size() != 2) {
        writeOut(stderr, "usage: tessolin-profile keygen SECRET_FILE PUBLIC_FILE\n");
        return 2;
    }
    const QString &secretPath = arguments.at(0);
    const QString &publicPath = arguments.at(1);
    for (const QString &path : arguments) {
        if (QFile::exists(path)) {
            writeOut(stderr, path.toUtf8() + ": exists; not overwritten\n");
            return 2;
        }
    }
    QByteArray publicKey;
    QByteArray secretKey;
    if (!makeSigningKeyPair(&publicKey, &secretKey)) {
        writeOut(stderr, "cannot make a key pair\n");
        return 2;
    }
    if (!writeKeyFile(secretPath, secretKey, true)) {
        writeOut(stderr, secretPath.toUtf8() + ": cannot be written\n");
        return 2;
    }
    if (!writeKeyFile(publicPath, publicKey, false)) {
        QFile::remove(secretPath);
        writeOut(stderr, publicPath.toUtf8() + ": cannot be written\n");
        return 2;
    }
    writeOut(stdout, "key id " + signingKeyId(publicKey).toLatin1() + '\n');
    return 0;
}
