#include "versionmanager.h"

#include "apppaths.h"
#include "clsigning.h"
#include "clconstants.h"
#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "downloadtarget.h"
#include "updateprompts.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QHostInfo>
#include <QLocale>
#include <QOperatingSystemVersion>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimeZone>
#include <QUrl>

UpdatePrompt::~UpdatePrompt() = default;
UpgradePrompt::~UpgradePrompt() = default;
DownloadCompletePrompt::~DownloadCompletePrompt() = default;

namespace {

const QString RaSuffix = QStringLiteral(".ra");

QString withoutRa(const QString &path)
{
    return path.endsWith(RaSuffix) ? path.chopped(RaSuffix.size()) : path;
}

int storedInt(const QSettings &settings, const char *key, int fallback)
{
    bool ok = false;
    const int value = settings.value(QLatin1String(key), fallback).toInt(&ok);
    return ok ? value : fallback;
}

} // namespace

// The network module reports a URL as given or as QUrl prints it (which
// decodes "%20" to a space, among others): the same URL in another spelling.
bool sameUrl(const QString &reported, const QString &pending)
{
    if (reported == pending)
        return true;
    const QUrl url(pending);
    return url.isValid() && QUrl(reported) == url;
}

VersionManager::VersionManager(QObject *parent) : QObject(parent)
{
    QSettings settings;
    QString urls = settings.value(QStringLiteral(TS_KEY_VERSION_CHECK_URLS)).toString();
    if (urls.isEmpty()) {
        urls = QStringLiteral(TS_VERSION_CHECK_URLS);
        settings.setValue(QStringLiteral(TS_KEY_VERSION_CHECK_URLS), urls);
    }
    checkUrls = urls.split(QLatin1Char(';'));
    checkUrls.append(QStringLiteral(TS_VERSION_CHECK_URL2));
    // The installation's list, never the user's copy: a user folder is easier to write.
    trustedKeys = readTrustedKeys(AppPaths::installDir() + QStringLiteral("/conf/trusted_keys"));
}

VersionManager::~VersionManager()
{
    qDeleteAll(targets);
}

QString VersionManager::operatingSystemCode()
{
    QString code = QStringLiteral("W");
#ifdef Q_OS_WIN
    const QOperatingSystemVersion version = QOperatingSystemVersion::current();
    const int major = version.majorVersion();
    const int minor = version.minorVersion();
    if (major == 5 && minor == 0)
        code = QStringLiteral("W2K");
    else if (major == 5 && minor == 1)
        code = QStringLiteral("WXP");
    else if (major == 5 && minor == 2)
        code = QStringLiteral("W2K3");
    else if (major == 6 && minor == 0)
        code = QStringLiteral("WVISTA");
    else if (major == 6 && minor == 1)
        code = QStringLiteral("W7");
#endif
    return QStringLiteral("32") + code;
}

QString VersionManager::buildCheckParameters() const
{
    const QSettings settings;
    const QString signature =
        settings.value(QStringLiteral(TS_KEY_INSTALLATION_SIGNATURE), QStringLiteral("NA"))
            .toString();
    return QStringLiteral("A=%1&V=%2&O=%3&L=%4&S=%5")
        .arg(QStringLiteral(TS_PRODUCT_WORD), QStringLiteral(TS_APP_VERSION), operatingSystemCode(),
             QLocale::system().name(), signature);
}

bool VersionManager::isVersionCheckDue()
{
    QSettings settings;
    if (settings.value(QStringLiteral(TS_KEY_INSTALLATION_SIGNATURE)).toString().isEmpty()) {
        QString signature =
            QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyMMddhhmmsszzz%1"));
        signature = signature.arg(qHash(QHostInfo::localHostName()));
        settings.setValue(QStringLiteral(TS_KEY_INSTALLATION_SIGNATURE), signature);
    }
    const QString internalVersion =
        settings.value(QStringLiteral(TS_KEY_APP_INTERNAL_VERSION)).toString();
    const int interval =
        storedCheckInterval(settings.value(QStringLiteral(TS_KEY_VERSION_CHECK_INTERVAL)));
    const QDateTime lastCheck = parseUpdateTimestamp(
        settings.value(QStringLiteral(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP)).toString());
    const QDateTime lastRemind = parseUpdateTimestamp(
        settings.value(QStringLiteral(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP)).toString());
    const QDateTime now = QDateTime::currentDateTime();

    upgradeReminderDue = isUpgradeReminderDue(lastRemind, now);
    if (internalVersion != QLatin1String(TS_APP_INTERNAL_VERSION)) {
        emit requestInitialConfig();
        return false;
    }
    return isCheckDue(interval, lastCheck, now);
}

// Checking -----------------------------------------------------------------

void VersionManager::onlineVersionCheck()
{
    // A check started from outside begins a new chain of endpoints, so that a
    // program running for weeks can still check.
    hostIndex = 0;
    tryNextEndpoint();
}

void VersionManager::tryNextEndpoint()
{
    while (network && hostIndex >= 0 && hostIndex < checkUrls.size()) {
        const QString endpoint = checkUrls.at(hostIndex++);
        if (!isUpdateUrl(endpoint))
            continue;
        qDebug().noquote() << QStringLiteral("Version check host: %1").arg(endpoint);
        network->requestVersionCheck(endpoint, buildCheckParameters());
        return;
    }
    qDebug() << "Can't access version check service";
    emit notifyVersionCheckStatus(NDT_VersionCheck, NS_UpdateServicesUnreachable);
}

void VersionManager::processVersionCheckRespond(QByteArray *data)
{
    const std::unique_ptr<QByteArray> owned(data);
    if (m_deciding) {
        // The targets are in use by the open dialogs of the previous answer.
        qDebug() << "Version check answer ignored while asking about the last one";
        return;
    }
    if (!owned || !parseAnswer(*owned)) {
        tryNextEndpoint();
        return;
    }
    decideAndStart();
}

bool VersionManager::parseAnswer(const QByteArray &data)
{
    qDebug() << "Version check response message:";
    for (const QString &line : QString::fromLatin1(data.left(4096)).split(QLatin1Char('\n')))
        qDebug().noquote() << escapedForLog(line);
    const CLUpdateAnswer answer = usableAnswer(parseUpdateAnswer(data, trustedKeys));
    for (const QString &note : answer.notes)
        qDebug().noquote() << escapedForLog(note);
    if (!answer.valid)
        return false;
    m_trusted = answer.trusted;
    m_refused = answer.refused;
    if (!m_trusted)
        qDebug().noquote() << QStringLiteral("Answer not signed by a trusted key (%1): only "
                                             "adds and updates; removes nothing")
                                  .arg(answer.hasSignature ? escapedForLog(answer.keyId)
                                                           : QStringLiteral("no signature"));

    // Whatever the previous answer started is void now.
    resetRun();
    QSettings settings;
    settings.setValue(QStringLiteral(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP),
                      updateTimestampText(QDateTime::currentDateTime()));
    if (!answer.endpoints.isEmpty()) {
        checkUrls = answer.endpoints;
        settings.setValue(QStringLiteral(TS_KEY_VERSION_CHECK_URLS),
                          answer.endpoints.join(QLatin1Char(';')));
    }
    for (const CLUpdateTarget &target : answer.targets)
        targets.append(new DownloadTarget(target));
    return true;
}

void VersionManager::resetRun()
{
    if (network) {
        network->abortKind(NDT_SoftwareDownload);
        network->abortKind(NDT_FileDownload);
    }
    m_pendingUrl.clear();
    m_pendingName.clear();
    m_pendingTemp.clear();
    m_staging.reset();
    qDeleteAll(targets);
    targets.clear();
    outdatedFiles.clear();
    currentTarget = -1;
    urlAttempt = 0;
}

// Deciding -----------------------------------------------------------------

void VersionManager::decideAndStart()
{
    m_deciding = true;
    m_names = CLUpdateNameRules::fromProcessor(processor);
    QList<CLUpdateTarget *> plain;
    for (DownloadTarget *target : std::as_const(targets))
        plain.append(target);
    const CLUpdatePlan plan = planUpdates(plain, processor, appVersion);
    for (const DownloadTarget *target : std::as_const(targets)) {
        if (!target->skipReason.isEmpty())
            qDebug().noquote() << QStringLiteral("Skipping %1: %2")
                                      .arg(escapedForLog(target->id), target->skipReason);
    }
    // Only a trusted answer may make files obsolete.
    outdatedFiles = m_trusted ? plan.outdatedFiles : QStringList();
    if (plan.updateBytes > MaxUpdateRunBytes) {
        qDebug().noquote() << QStringLiteral("Answer refused whole: %1 bytes to download, more "
                                             "than %2")
                                  .arg(plan.updateBytes)
                                  .arg(MaxUpdateRunBytes);
        for (DownloadTarget *target : std::as_const(targets))
            target->needed = false;
        outdatedFiles.clear();
        m_deciding = false;
        return;
    }

    const QSettings settings;
    upgradeReminderDue = isUpgradeReminderDue(
        parseUpdateTimestamp(
            settings.value(QStringLiteral(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP)).toString()),
        QDateTime::currentDateTime());

    bool installerLeft = false;
    // Only a trusted answer may offer software to run.
    if (plan.installer >= 0 && m_trusted) {
        DownloadTarget *installer = targets.at(plan.installer);
        qDebug() << "NEW VERSION DETECTED.";
        qint64 size = 0;
        parseUpdateSize(installer->bytes, &size);
        int result = 0;
        if (upgradeReminderDue && upgradeBox)
            result = upgradeBox->ask(installer->version, size,
                                     urlFileName(installer->urls.constFirst()), installer->message);
        const QString path = result == 1 ? withoutRa(upgradeBox->upgradePath()) : QString();
        if (path.isEmpty()) {
            installer->needed = false;
            installer->abandoned = true;
        } else {
            installer->savePath = path;
            installerLeft = true;
        }
    }

    bool updatesLeft = !plan.updateList.isEmpty();
    if (updatesLeft && storedInt(settings, TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 1) != 0) {
        const bool agreed =
            updateBox && updateBox->confirmUpdate(int(plan.updateList.size()), plan.updateBytes);
        if (!agreed) {
            for (const int index : plan.updateList) {
                targets.at(index)->needed = false;
                targets.at(index)->abandoned = true;
            }
            updatesLeft = false;
        }
    }
    m_deciding = false;
    if (installerLeft || updatesLeft) {
        currentTarget = -1;
        downloadNext(false);
    }
}

// Downloading --------------------------------------------------------------

QString VersionManager::profileDir() const
{
    return processor ? processor->profileDir : QString();
}

QString VersionManager::stagingPath(const QString &name) const
{
    if (!m_staging || !m_staging->isValid())
        return QString();
    return m_staging->filePath(name + QStringLiteral(".part"));
}

void VersionManager::downloadNext(bool retry)
{
    if (retry && currentTarget >= 0 && currentTarget < targets.size()) {
        ++urlAttempt;
        if (startDownload())
            return;
        qDebug() << "Download failed after retries";
        targets.at(currentTarget)->abandoned = true;
    }
    while (++currentTarget < targets.size()) {
        if (!targets.at(currentTarget)->needed)
            continue;
        urlAttempt = 0;
        if (startDownload())
            return;
        qDebug() << "Download failed after retries";
        targets.at(currentTarget)->abandoned = true;
    }
    qDebug() << "Update download all completed.";
    m_pendingUrl.clear();
    rewriteSiteIndex();
}

bool VersionManager::startDownload()
{
    if (!network || profileDir().isEmpty())
        return false;
    if (!m_staging)
        m_staging = std::make_unique<QTemporaryDir>();
    DownloadTarget *target = targets.at(currentTarget);
    const bool installer = targetClassOf(target->id) == CLTargetClass::Installer;
    for (; urlAttempt < target->urls.size(); ++urlAttempt) {
        const QString url = target->urls.at(urlAttempt);
        const QString name =
            installer ? QStringLiteral("installer") : updateFileName(url, *target, m_names);
        const QString temp = name.isEmpty() ? QString() : stagingPath(name);
        if (temp.isEmpty()) {
            qDebug().noquote() << QStringLiteral("No usable file name in %1").arg(url);
            continue;
        }
        m_pendingUrl = url;
        m_pendingName = name;
        m_pendingTemp = temp;
        network->downloadFile(url, temp, target->bytes, target->checksum,
                              installer ? NDT_SoftwareDownload : NDT_FileDownload);
        return true;
    }
    return false;
}

void VersionManager::processDownloadResult(const QString &url, CONetworkDataType kind, bool ok)
{
    if (m_pendingUrl.isEmpty() || currentTarget < 0 || currentTarget >= targets.size() ||
        !sameUrl(url, m_pendingUrl)) {
        qDebug().noquote() << QStringLiteral("Ignoring download result for %1").arg(url);
        return;
    }
    DownloadTarget *target = targets.at(currentTarget);
    const bool installer = targetClassOf(target->id) == CLTargetClass::Installer;
    if (kind != (installer ? NDT_SoftwareDownload : NDT_FileDownload)) {
        qDebug().noquote() << QStringLiteral("Ignoring download result for %1").arg(url);
        return;
    }
    m_pendingUrl.clear();
    const bool done = ok && finishDownload(target);
    QFile::remove(m_pendingTemp);
    if (done && installer && completeBox)
        completeBox->showDownloadComplete(target->savePath);
    downloadNext(!done);
}

bool VersionManager::finishDownload(DownloadTarget *target)
{
    if (targetClassOf(target->id) == CLTargetClass::Installer) {
        const QString problem = checkDownloadedInstaller(m_pendingTemp, *target);
        if (!problem.isEmpty()) {
            qDebug().noquote() << QStringLiteral("Download of %1 rejected: %2")
                                      .arg(escapedForLog(target->id), problem);
            return false;
        }
        // The staging folder may lie on another file system than the chosen path.
        QFile::remove(target->savePath);
        if (!QFile::rename(m_pendingTemp, target->savePath) &&
            !QFile::copy(m_pendingTemp, target->savePath)) {
            qDebug().noquote() << QStringLiteral("Cannot write %1").arg(target->savePath);
            return false;
        }
        return true;
    }
    QFile file(m_pendingTemp);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxUpdateDownloadSize) {
        qDebug().noquote() << QStringLiteral("Download of %1 unreadable").arg(target->id);
        return false;
    }
    const QByteArray bytes = file.read(MaxUpdateDownloadSize + 1);
    file.close();
    const QString problem = checkDownloadedFile(bytes, *target, m_pendingName);
    if (!problem.isEmpty()) {
        qDebug().noquote() << QStringLiteral("Download of %1 rejected: %2")
                                  .arg(escapedForLog(target->id), escapedForLog(problem));
        return false;
    }
    const QString destination = profileDir() + QLatin1Char('/') + m_pendingName;
    if (!saveBytes(bytes, destination)) {
        qDebug().noquote() << QStringLiteral("Cannot write %1").arg(destination);
        return false;
    }
    target->writtenFile = m_pendingName;
    m_names.used.insert(normalisedFileName(m_pendingName));
    return true;
}

// Catalogue ----------------------------------------------------------------

void VersionManager::rewriteSiteIndex()
{
    QList<const CLUpdateTarget *> plain;
    bool anyWritten = false;
    for (const DownloadTarget *target : std::as_const(targets)) {
        plain.append(target);
        anyWritten = anyWritten || (targetClassOf(target->id) == CLTargetClass::Site &&
                                    !target->writtenFile.isEmpty());
    }
    // A listed site whose target was refused keeps its entry as it is.
    QList<CLUpdateTarget> refused = m_refused;
    for (CLUpdateTarget &target : refused) {
        for (const CLSiteIndexItem *entry :
             processor ? processor->siteIndex : QList<CLSiteIndexItem *>()) {
            if (entry->id == target.id) {
                target.localFile = entry->file;
                target.localVersion = entry->version;
                break;
            }
        }
        plain.append(&target);
    }
    QList<CLCatalogueLine> lines;
    if (anyWritten && m_trusted) {
        lines = catalogueLinesAfterUpdate(plain, profileDir());
    } else if (anyWritten && processor) {
        // An unsigned answer may add and update entries, never drop one.
        QList<CLCatalogueLine> current;
        for (const CLSiteIndexItem *entry : std::as_const(processor->siteIndex))
            current.append(CLCatalogueLine{entry->id, entry->version, entry->file});
        lines = catalogueLinesAdded(current, plain);
    }
    if (lines.isEmpty()) {
        // Nothing installed, or nothing left: the catalogue stays byte for byte.
        qDebug() << "Site index kept";
    } else {
        const QByteArray text = siteCatalogueText(lines);
        qDebug() << "Updated site index:";
        qDebug().noquote() << QString::fromUtf8(text);
        const QString catalogue = processor && !processor->catalogueFile.isEmpty()
                                      ? processor->catalogueFile
                                      : QStringLiteral("sites.xml");
        if (!saveBytes(text, profileDir() + QLatin1Char('/') + catalogue))
            qDebug() << "Cannot write the site index";
    }
    emit initRefreshTDF();
}

void VersionManager::cleanupOutdatedFiles()
{
    const QStringList names = outdatedFiles;
    outdatedFiles.clear();
    // A catalogue that failed to reload lists nothing; its files must stay.
    if (!processor || processor->siteIndex.isEmpty() || names.isEmpty())
        return;
    const CLUpdateNameRules rules = CLUpdateNameRules::fromProcessor(processor);
    QSet<QString> kept = rules.reserved;
    if (!rules.engineFile.isEmpty())
        kept.insert(rules.engineFile.toLower());
    for (const QString &file : processor->profileFiles())
        kept.insert(file.toLower());
    for (const QString &name : names) {
        if (!isPlainFileName(name) || kept.contains(name.toLower()))
            continue;
        const QString path = profileDir() + QLatin1Char('/') + name;
        if (QFile::remove(path))
            qDebug().noquote() << QStringLiteral("Removed %1").arg(path);
    }
}
