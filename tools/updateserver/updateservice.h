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
/// The folder is read again for every request, so a maintainer can drop in
/// new profiles while it runs.
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
    };
    QList<Offer> offers() const;
    QString servedFile(const QString &name) const;
    ServedReply siteFile(const QString &path) const;
};
