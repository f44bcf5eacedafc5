#include "clsigning.h"

#include <QFile>

#include <sodium.h>

namespace {

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

QByteArray strictBase64(const QByteArray &text)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? decoded.decoded : QByteArray();
}

bool isLowerHex(const QString &text)
{
    for (const QChar c : text) {
        if (!(c >= u'0' && c <= u'9') && !(c >= u'a' && c <= u'f'))
            return false;
    }
    return true;
}

} // namespace

QString signingKeyId(const QByteArray &publicKey)
{
    if (!sodiumReady())
        return QString();
    unsigned char hash[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(hash, reinterpret_cast<const unsigned char *>(publicKey.constData()),
                       quint64(publicKey.size()));
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(hash), 8).toHex());
}

CLAnswerSignature verifyAnswerSignature(const QByteArray &answer,
                                        const QList<QByteArray> &publicKeys)
{
    CLAnswerSignature result;
    // The record is the last line; one "\n" may follow it.
    QByteArray body = answer;
    if (body.endsWith('\n'))
        body.chop(1);
    const qsizetype lineStart = body.lastIndexOf('\n') + 1;
    const QByteArray lastLine = body.mid(lineStart);
    const bool recordLast = lastLine.startsWith("TS|");
    QByteArray record = lastLine;
    if (!recordLast) {
        // A record followed by anything else still names its key, but proves nothing.
        const qsizetype at = answer.lastIndexOf("\nTS|");
        if (at < 0)
            return result;
        record = answer.mid(at + 1);
        record = record.left(record.indexOf('\n'));
    }
    result.present = true;
    result.last = recordLast;
    const QList<QByteArray> fields = record.split('|');
    for (const QByteArray &field : fields.mid(1)) {
        if (field.startsWith('K') && result.keyId.isEmpty())
            result.keyId = QString::fromLatin1(field.mid(1)).left(64);
        else if (field.startsWith('S') && result.signature.isEmpty())
            result.signature = strictBase64(field.mid(1));
    }
    if (!recordLast || fields.size() != 3 || result.keyId.size() != 16 ||
        !isLowerHex(result.keyId.toLower()) || result.signature.size() != SignatureSize ||
        !sodiumReady())
        return result;
    result.signedBytes = answer.left(lineStart);
    for (const QByteArray &key : publicKeys) {
        if (key.size() != SigningPublicKeySize ||
            signingKeyId(key).compare(result.keyId, Qt::CaseInsensitive) != 0)
            continue;
        if (crypto_sign_verify_detached(
                reinterpret_cast<const unsigned char *>(result.signature.constData()),
                reinterpret_cast<const unsigned char *>(result.signedBytes.constData()),
                quint64(result.signedBytes.size()),
                reinterpret_cast<const unsigned char *>(key.constData())) == 0) {
            result.trustedKeyId = signingKeyId(key);
            break;
        }
    }
    return result;
}

QByteArray signAnswer(const QByteArray &answer, const QByteArray &secretKey)
{
    if (secretKey.size() != SigningSecretKeySize || !sodiumReady())
        return answer;
    // The record needs a line of its own.
    const QByteArray signedBytes =
        answer.endsWith('\n') || answer.isEmpty() ? answer : answer + '\n';
    unsigned char signature[crypto_sign_BYTES];
    crypto_sign_detached(signature, nullptr,
                         reinterpret_cast<const unsigned char *>(signedBytes.constData()),
                         quint64(signedBytes.size()),
                         reinterpret_cast<const unsigned char *>(secretKey.constData()));
    // The public key is the second half of a libsodium secret key.
    const QByteArray publicKey = secretKey.right(SigningPublicKeySize);
    return signedBytes + "TS|K" + signingKeyId(publicKey).toLatin1() + "|S" +
           QByteArray(reinterpret_cast<const char *>(signature), crypto_sign_BYTES).toBase64() +
           '\n';
}

bool makeSigningKeyPair(QByteArray *publicKey, QByteArray *secretKey)
{
    if (!sodiumReady())
        return false;
    publicKey->resize(crypto_sign_PUBLICKEYBYTES);
    secretKey->resize(crypto_sign_SECRETKEYBYTES);
    return crypto_sign_keypair(reinterpret_cast<unsigned char *>(publicKey->data()),
                               reinterpret_cast<unsigned char *>(secretKey->data())) == 0;
}

QByteArray readKeyFile(const QString &path, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    const QByteArray key = strictBase64(file.read(4096).trimmed());
    return key.size() == size ? key : QByteArray();
}

bool writeKeyFile(const QString &path, const QByteArray &key, bool privateFile)
{
    QFile file(path);
    const QFileDevice::Permissions mode = privateFile
                                              ? QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                              : QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                    QFileDevice::ReadGroup | QFileDevice::ReadOther;
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, mode))
        return false;
    const QByteArray line = key.toBase64() + '\n';
    return file.write(line) == line.size() && file.flush();
}

QList<QByteArray> readTrustedKeys(const QString &path)
{
    QList<QByteArray> keys;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return keys;
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    for (const QByteArray &raw : lines) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QByteArray key = strictBase64(line);
        if (key.size() == SigningPublicKeySize && !keys.contains(key))
            keys.append(key);
    }
    return keys;
}
