#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Signed version-check answers: an Ed25519 signature (libsodium) over the
// exact bytes of the answer, carried by a last line "TS|K<key id>|S<base64>".

/// Bytes of an Ed25519 public key, a libsodium secret key and a signature.
constexpr int SigningPublicKeySize = 32;
constexpr int SigningSecretKeySize = 64;
constexpr int SignatureSize = 64;

/// The first 16 hex digits of the SHA-256 of a public key.
QString signingKeyId(const QByteArray &publicKey);

/// What the last line of an answer says about its signature.
struct CLAnswerSignature
{
    bool present = false;   ///< a "TS" record was found
    bool last = false;      ///< it is the last line (a trailing "\n" allowed)
    QString keyId;          ///< its key id; empty when there is no record
    QByteArray signature;   ///< decoded; empty when not 64 bytes of base64
    QByteArray signedBytes; ///< the answer before the record line
    QString trustedKeyId;   ///< the key that verified it; empty when none did
    bool verified() const { return !trustedKeyId.isEmpty(); }
};

/// Finds the signature record of `answer` and checks it against `publicKeys`.
CLAnswerSignature verifyAnswerSignature(const QByteArray &answer,
                                        const QList<QByteArray> &publicKeys);
/// `answer` (a "\n" added when it lacks one) with its signature record appended; the
/// answer unchanged when `secretKey` is not a libsodium secret key.
QByteArray signAnswer(const QByteArray &answer, const QByteArray &secretKey);

/// A new key pair; false when the library cannot start.
bool makeSigningKeyPair(QByteArray *publicKey, QByteArray *secretKey);
/// The key of a key file (one line of standard base64) when it has `size`
/// bytes; empty otherwise.
QByteArray readKeyFile(const QString &path, int size);
/// Writes a key file that must not exist yet; `privateFile` makes it 0600.
bool writeKeyFile(const QString &path, const QByteArray &key, bool privateFile);
/// The public keys of a trusted-keys file: one base64 key a line, "#"
/// comments and blank lines skipped, anything else ignored.
QList<QByteArray> readTrustedKeys(const QString &path);
