#pragma once

#include "clconstants.h"
#include "clupdate.h"
#include "networkmodule.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class CLProcessor;
class DownloadTarget;
class DownloadCompletePrompt;
class I18NManager;
class QTemporaryDir;
class UpdatePrompt;
class UpgradePrompt;

/// Whether a URL the network module reports is the one a download was asked for.
bool sameUrl(const QString &reported, const QString &pending);

/// Keeps profiles, engine definitions and the application up to date: asks
/// the version service, confirms with the user, downloads one file at a
/// time with URL fallback, rewrites the catalogue and removes what the
/// update made obsolete.
class VersionManager : public QObject
{
    Q_OBJECT

public:
    explicit VersionManager(QObject *parent = nullptr);
    ~VersionManager() override;

    /// Whether a check is due at start-up; asks for the first-run dialog instead
    /// while the program has not been configured.
    bool isVersionCheckDue();
    /// The form posted to the version service.
    QString buildCheckParameters() const;
    /// The operating-system code of the form: "32" and the Windows code.
    static QString operatingSystemCode();

    qint32 hostIndex = 0;
    qint32 currentTarget = -1;
    qint32 urlAttempt = 0;
    QStringList checkUrls;
    bool upgradeReminderDue = false;
    QList<DownloadTarget *> targets; ///< owned, answer order
    QStringList outdatedFiles;
    CLProcessor *processor = nullptr;              ///< not owned
    NetworkModule *network = nullptr;              ///< not owned
    I18NManager *i18n = nullptr;                   ///< not owned
    UpgradePrompt *upgradeBox = nullptr;           ///< not owned
    UpdatePrompt *updateBox = nullptr;             ///< not owned
    DownloadCompletePrompt *completeBox = nullptr; ///< not owned

    /// Public keys whose signed answers may change endpoints, offer an
    /// installer and remove entries; read from the installed "conf/trusted_keys".
    QList<QByteArray> trustedKeys;

    /// Application version compared with installer targets.
    QString appVersion = QStringLiteral(TS_APP_VERSION);

signals:
    void requestInitialConfig();
    void notifyVersionCheckStatus(CONetworkDataType kind, int code);
    void initRefreshTDF();

public slots:
    /// Starts a check from the first endpoint.
    void onlineVersionCheck();
    void processVersionCheckRespond(QByteArray *data);
    void processDownloadResult(const QString &url, CONetworkDataType kind, bool ok);
    void cleanupOutdatedFiles();

private:
    void tryNextEndpoint();
    bool parseAnswer(const QByteArray &data);
    void decideAndStart();
    void downloadNext(bool retry);
    /// Issues the download of the current target's URL at `urlAttempt`; false
    /// when that URL cannot be used.
    bool startDownload();
    bool finishDownload(DownloadTarget *target);
    void rewriteSiteIndex();
    void resetRun();
    QString profileDir() const;
    QString stagingPath(const QString &name) const;

    std::unique_ptr<QTemporaryDir> m_staging;
    QString m_pendingUrl;  ///< the URL whose result is awaited; empty when none
    QString m_pendingName; ///< the name it writes in the profile directory
    QString m_pendingTemp; ///< where the network module writes it first
    CLUpdateNameRules m_names;
    bool m_deciding = false;         ///< the dialogs of an answer are open
    bool m_trusted = false;          ///< the current answer is signed by a trusted key
    QList<CLUpdateTarget> m_refused; ///< listed in the answer but not used
};
