#pragma once

#include <QDateTime>
#include <QString>

/// Where the program finds its installation data and where it keeps what it
/// writes. The installation directory holds "skin", "doc" and the installed
/// "conf"; the data directory holds the "conf" and "log" the program reads and
/// writes. Both are the executable's folder unless they were set: a read-only
/// installation keeps its data in the user's data folder instead.
namespace AppPaths {

/// The environment variable that overrides the application directory.
inline constexpr char OverrideVariable[] = "TESSOLIN_APP_DIR";

QString installDir();
QString dataDir();
void setInstallDir(const QString &dir);
void setDataDir(const QString &dir);

/// The application directory for `arguments` ("--app-dir DIR" or
/// "--app-dir=DIR"), else the environment override, else the executable's folder.
QString chooseInstallDir(const QStringList &arguments, const QString &executableDir);

/// Whether a file can really be created in `dir` (permission bits alone say
/// nothing about read-only mounts).
bool canWriteIn(const QString &dir);

/// Whether the program can keep its data inside the installation: its "conf"
/// and, when present, its "log" can be written.
bool installationWritable(const QString &installDir);

/// The data directory for an installation: the installation itself when it
/// is writable, else `userDir` with the files of the installed "conf" that it
/// lacks copied in and a "log" folder. An empty result means that the user's
/// folder could not be prepared.
QString prepareDataDir(const QString &installDir, const QString &userDir, bool installWritable);

/// Copies the files below `source` that `target` lacks; never overwrites.
bool seedMissingFiles(const QString &source, const QString &target);

/// Removes the folders `prefix`-XXXXXX in `tempDir` that nothing was written
/// to for `StaleTempSeconds` before `now`: what killed update runs left behind.
/// Returns how many went.
int removeStaleTempDirs(const QString &tempDir, const QString &prefix, const QDateTime &now);
/// Longer than any update run goes without writing (an installer download with its grace time).
inline constexpr qint64 StaleTempSeconds = 3600;

/// The file of the user's settings store when nothing can be saved there
/// (a read-only home), found by storing and removing a probe; empty when it works.
QString unwritableSettingsFile();

/// Whether version `a` is later than `b`, compared part by part between the
/// dots, numerically where both parts are numbers ("1.10" is after "1.9").
bool isLaterVersion(const QString &a, const QString &b);

/// Brings the user's copy of "conf" up to date where the installed item is
/// later: a site's profile and its catalogue entry (by version), catalogue
/// entries the user lacks, and the engine file. Keeps whatever is the user's:
/// filters, read marks, profiles the user added and profiles an online update
/// made later than the installed ones.
bool refreshFromInstallation(const QString &installedConf, const QString &userConf);

} // namespace AppPaths
