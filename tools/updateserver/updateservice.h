#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

/// What the server sends back for one request.
struct ServedReply
{
    int status = 200;
    QByteArray mimeType = "text/plain";
    QByteArray body;
};

/// The version service over a folder of profiles: the answer to a version
/// check, the files it names and, optionally, a static site under "/".
/// Its offers are kept until the folder changes (names, modification times
/// and sizes), so a maintainer can drop in new profiles while it runs.
class UpdateService
{
public:
    QString profileDir;    ///< profiles and engine definitions offered
    QString siteDir;       ///< static site served under "/"; empty for none
    QString baseUrl;       ///< "http://host:port" written into download URLs
    QStringList endpoints; ///< a "TV" record when not empty
    QString installerPath; ///< an "(a)" target when set
    QString installerVersion;
    QString installerNotes;
    QByteArray signingKey; ///< libsodium secret key; every answer is signed when set

    /// The largest request body read (a version check form is a few dozen bytes).
    static constexpr qint64 MaxRequestBody = 64 * 1024;

    ServedReply respond(const QByteArray &method, const QString &path) const;
    /// The version-check answer for the folder as it is now.
    QByteArray answer() const;

    /// The paths the reader posts its version check to.
    static bool isCheckPath(const QString &path);

private:
    struct Offer
    {
        QString id;
        QString version;
        QString file; ///< file name in profileDir, or the installer's path
        QString message;
        qint64 size = 0;
        QString sha256;
    };
    QList<Offer> offers() const;
    QList<Offer> readOffers() const;
    /// Names, times and sizes of what the offers are made from.
    QByteArray folderState() const;
    mutable QByteArray m_cachedState;
    mutable QList<Offer> m_cachedOffers;
    QString servedFile(const QString &name) const;
    ServedReply siteFile(const QString &path) const;
};
