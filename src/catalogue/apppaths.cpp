#include "apppaths.h"

#include "clelement.h"
#include "clupdate.h"
#include "htmltext.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>

#include <algorithm>
#include <memory>

namespace {

QString g_installDir;
QString g_dataDir;

QString executableDir()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

} // namespace

namespace AppPaths {

QString installDir()
{
    return g_installDir.isEmpty() ? executableDir() : g_installDir;
}

QString dataDir()
{
    return g_dataDir.isEmpty() ? installDir() : g_dataDir;
}

void setInstallDir(const QString &dir)
{
    g_installDir = dir;
}

void setDataDir(const QString &dir)
{
    g_dataDir = dir;
}

QString chooseInstallDir(const QStringList &arguments, const QString &executableDir)
{
    const QString option = QStringLiteral("--app-dir");
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == option && i + 1 < arguments.size())
            return QDir::cleanPath(QDir(arguments.at(i + 1)).absolutePath());
        if (argument.startsWith(option + QLatin1Char('=')))
            return QDir::cleanPath(QDir(argument.mid(option.size() + 1)).absolutePath());
    }
    const QString fromEnvironment = qEnvironmentVariable(OverrideVariable);
    if (!fromEnvironment.isEmpty())
        return QDir::cleanPath(QDir(fromEnvironment).absolutePath());
    return executableDir;
}

bool seedMissingFiles(const QString &source, const QString &target)
{
    if (!QDir().mkpath(target))
        return false;
    bool ok = true;
    QDirIterator it(source, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QDir sourceDir(source);
    while (it.hasNext()) {
        const QString file = it.next();
        // Links could lead the copy outside the installation.
        if (QFileInfo(file).isSymLink())
            continue;
        const QString relative = sourceDir.relativeFilePath(file);
        const QString destination = target + QLatin1Char('/') + relative;
        if (QFileInfo::exists(destination))
            continue;
        ok = QDir().mkpath(QFileInfo(destination).absolutePath()) && ok;
        ok = QFile::copy(file, destination) && ok;
        QFile::setPermissions(destination, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                               | QFile::ReadOther);
    }
    return ok;
}

int removeStaleTempDirs(const QString &tempDir, const QString &prefix, const QDateTime &now)
{
    int removed = 0;
    const QFileInfoList candidates =
        QDir(tempDir).entryInfoList({prefix + QStringLiteral("-??????")},
                                    QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QFileInfo &folder : candidates) {
        if (folder.isSymLink())
            continue;
        QDateTime newest = folder.lastModified();
        QDirIterator it(folder.absoluteFilePath(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            newest = qMax(newest, it.fileInfo().lastModified());
        }
        if (newest.secsTo(now) > StaleTempSeconds &&
            QDir(folder.absoluteFilePath()).removeRecursively())
            ++removed;
    }
    return removed;
}

QString unwritableSettingsFile()
{
    QSettings settings;
    const QString probe = QStringLiteral("WriteProbe");
    settings.setValue(probe, true);
    settings.sync();
    const bool failed = settings.status() != QSettings::NoError;
    settings.remove(probe);
    settings.sync();
    return failed ? settings.fileName() : QString();
}

bool isLaterVersion(const QString &a, const QString &b)
{
    const QStringList left = a.split(QLatin1Char('.'));
    const QStringList right = b.split(QLatin1Char('.'));
    for (qsizetype i = 0; i < qMax(left.size(), right.size()); ++i) {
        const QString x = left.value(i, QStringLiteral("0"));
        const QString y = right.value(i, QStringLiteral("0"));
        bool xNumber = false;
        bool yNumber = false;
        const qulonglong xValue = x.toULongLong(&xNumber);
        const qulonglong yValue = y.toULongLong(&yNumber);
        if (xNumber && yNumber) {
            if (xValue != yValue)
                return xValue > yValue;
        } else if (x != y) {
            return x > y;
        }
    }
    return false;
}

namespace {

QList<CLCatalogueLine> catalogueLines(const QString &path)
{
    QList<CLCatalogueLine> lines;
    const std::unique_ptr<QDomDocument> document = loadXmlDocument(path);
    if (!document)
        return lines;
    for (QDomElement site = document->documentElement().firstChildElement(QStringLiteral("site"));
         !site.isNull(); site = site.nextSiblingElement(QStringLiteral("site"))) {
        lines.append({site.attribute(QStringLiteral("id")), site.attribute(QStringLiteral("version")),
                      site.attribute(QStringLiteral("file"))});
    }
    return lines;
}

QString rootVersion(const QString &path)
{
    const std::unique_ptr<QDomDocument> document = loadXmlDocument(path);
    return document ? document->documentElement().attribute(QStringLiteral("version")) : QString();
}

// Replaces `target` with `source` in one step, so that a failed copy leaves the old file.
bool replaceFile(const QString &source, const QString &target)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return saveBytes(file.readAll(), target);
}

} // namespace

bool refreshFromInstallation(const QString &installedConf, const QString &userConf)
{
    const QString installedProfiles = installedConf + QStringLiteral("/profile/");
    const QString userProfiles = userConf + QStringLiteral("/profile/");
    const QString catalogue = QStringLiteral("sites.xml");
    bool ok = true;

    const QList<CLCatalogueLine> installed = catalogueLines(installedProfiles + catalogue);
    QList<CLCatalogueLine> user = catalogueLines(userProfiles + catalogue);
    bool changed = false;
    for (const CLCatalogueLine &entry : installed) {
        if (!isPlainFileName(entry.file) || !QFileInfo::exists(installedProfiles + entry.file))
            continue;
        auto mine = std::find_if(user.begin(), user.end(),
                                 [&entry](const CLCatalogueLine &line) { return line.id == entry.id; });
        if (mine == user.end()) {
            if (!QFileInfo::exists(userProfiles + entry.file))
                ok = QFile::copy(installedProfiles + entry.file, userProfiles + entry.file) && ok;
            user.append(entry);
            changed = true;
        } else if (isLaterVersion(entry.version, mine->version)) {
            if (replaceFile(installedProfiles + entry.file, userProfiles + entry.file)) {
                *mine = entry;
                changed = true;
            } else {
                ok = false;
            }
        }
    }
    if (changed)
        ok = saveBytes(siteCatalogueText(user), userProfiles + catalogue) && ok;

    const QString engines = QStringLiteral("translators.tdf");
    if (QFileInfo::exists(installedProfiles + engines) &&
        isLaterVersion(rootVersion(installedProfiles + engines), rootVersion(userProfiles + engines)))
        ok = replaceFile(installedProfiles + engines, userProfiles + engines) && ok;
    return ok;
}

bool canWriteIn(const QString &dir)
{
    if (!QFileInfo(dir).isDir())
        return false;
    QTemporaryFile probe(dir + QStringLiteral("/.write-probe-XXXXXX"));
    return probe.open();
}

bool installationWritable(const QString &installDir)
{
    const QString log = installDir + QStringLiteral("/log");
    return canWriteIn(installDir + QStringLiteral("/conf"))
           && (!QFileInfo::exists(log) || canWriteIn(log));
}

QString prepareDataDir(const QString &installDir, const QString &userDir, bool installWritable)
{
    const QString installedConf = installDir + QStringLiteral("/conf");
    if (installWritable)
        return installDir;
    if (userDir.isEmpty())
        return QString();
    // The user's copy is completed and only replaced where the installation
    // is later: updates and edits made there survive a newer installation.
    if (!seedMissingFiles(installedConf, userDir + QStringLiteral("/conf")))
        return QString();
    // A newer installation (a new package) brings its later profiles and engines.
    if (!refreshFromInstallation(installedConf, userDir + QStringLiteral("/conf")))
        qDebug("The user's configuration could not be fully brought up to date");
    if (!QDir().mkpath(userDir + QStringLiteral("/log")))
        return QString();
    return userDir;
}

} // namespace AppPaths
