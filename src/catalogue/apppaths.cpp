#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryFile>

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
    // The user's copy is completed, never replaced: updates and edits made
    // there must survive a start with a newer installation.
    if (!seedMissingFiles(installedConf, userDir + QStringLiteral("/conf")))
        return QString();
    if (!QDir().mkpath(userDir + QStringLiteral("/log")))
        return QString();
    return userDir;
}

} // namespace AppPaths
