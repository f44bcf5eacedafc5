#include "apppaths.h"
#include "clupdate.h"
#include "htmltext.h"
#include "testkit.h"

#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && testkit::writeAll(path, bytes);
}

// The path of "name=content" below ROOT/conf/profile.
QString pathOf(const QTemporaryDir &root, const QString &file)
{
    return QDir::cleanPath(root.filePath(u"conf/profile/"_s + file.section(u'=', 0, 0)));
}

// The bytes of "name=content": "sites.xml=id:version:file;..." is a catalogue,
// "translators.tdf=N" an engine file of version N, anything else the content itself.
QByteArray bytesOf(const QString &file)
{
    const QString content = file.section(u'=', 1);
    if (file.startsWith(u"sites.xml="_s)) {
        QList<CLCatalogueLine> lines;
        for (const QString &line : content.split(u';'))
            lines.append(
                {line.section(u':', 0, 0), line.section(u':', 1, 1), line.section(u':', 2)});
        return siteCatalogueText(lines);
    }
    if (file.startsWith(u"translators.tdf="_s))
        return packXml("<translators version=\"" + content.toUtf8() + "\"/>");
    return content.toUtf8();
}

// Arguments, TESSOLIN_APP_DIR (empty: unset) and the folder chosen.
struct DirRow
{
    const char *name;
    QStringList arguments;
    QByteArray environment;
    QString expected;
};
const DirRow dirRows[] = {
    {"executable folder by default", {"tessolin"}, "", "/opt/tessolin"},
    {"option with separate value", {"tessolin", "--app-dir", "/srv/a/"}, "", "/srv/a"},
    {"option with equals sign", {"tessolin", "--app-dir=/srv/b"}, "", "/srv/b"},
    {"environment when no option", {"tessolin"}, "/srv/env", "/srv/env"},
    {"option wins over environment", {"tessolin", "--app-dir", "/srv/a"}, "/srv/env", "/srv/a"},
    {"option without value is ignored", {"tessolin", "--app-dir"}, "", "/opt/tessolin"},
};

// Files as "path=content" (see bytesOf) below conf/profile, separated by "|".
struct UpgradeRow
{
    const char *name;
    QString installed, user, expected;
};
const UpgradeRow upgradeRows[] = {
    {"later installed profile replaces the copy", "sites.xml=a:1.1:a.xml|a.xml=A 1.1",
     "sites.xml=a:1.0:a.xml|a.xml=A 1.0", "sites.xml=a:1.1:a.xml|a.xml=A 1.1"},
    {"profile an online update made later stays", "sites.xml=a:1.1:a.xml|a.xml=A 1.1",
     "sites.xml=a:1.10:a.xml|a.xml=A 1.10", "sites.xml=a:1.10:a.xml|a.xml=A 1.10"},
    {"profile the user added stays, new installed entry added",
     "sites.xml=a:1.0:a.xml;b:1:b.xml|a.xml=A|b.xml=B",
     "sites.xml=a:1.0:a.xml;mine:3:mine.xml|mine.xml=M",
     "sites.xml=a:1.0:a.xml;mine:3:mine.xml;b:1:b.xml|mine.xml=M|b.xml=B"},
    {"later engine file replaces the copy", "translators.tdf=2", "translators.tdf=1",
     "translators.tdf=2"},
    {"engine file an online update made later stays", "translators.tdf=2", "translators.tdf=3",
     "translators.tdf=3"},
    {"filters and read marks stay",
     "sites.xml=a:1.1:a.xml|a.xml=A 1.1|../filter/filters.xml=installed|../access.his=none",
     "../filter/filters.xml=mine|../access.his=read",
     "../filter/filters.xml=mine|../access.his=read"},
};

// A folder in the temporary folder, a file written in it (empty: none), whether it
// was last written longer ago than a run may take, and whether start-up removes it.
struct TempRow
{
    const char *name, *folder, *file;
    bool old, removed;
};
const TempRow tempRows[] = {
    {"empty, left by a killed run", "Tessolin-a1B2c3", "", true, true},
    {"with a download, left long ago", "Tessolin-a1B2c3", "x.xml", true, true},
    {"a run going on", "Tessolin-a1B2c3", "x.xml", false, false},
    {"another name", "Tessolin-1", "", true, false},
    {"another program's", "Other-a1B2c3", "", true, false},
};

} // namespace

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void chooseInstallDir_data() { testkit::rows(dirRows); }
    void chooseInstallDir()
    {
        const DirRow &r = testkit::current(dirRows);
        if (r.environment.isEmpty())
            qunsetenv(AppPaths::OverrideVariable);
        else
            qputenv(AppPaths::OverrideVariable, r.environment);
        QCOMPARE(AppPaths::chooseInstallDir(r.arguments, QStringLiteral("/opt/tessolin")),
                 r.expected);
        qunsetenv(AppPaths::OverrideVariable);
    }

    void installationWritable()
    {
        QTemporaryDir install;
        QVERIFY(writeFile(install.filePath("conf/profile/sites.xml"), "<sites/>"));
        QVERIFY(AppPaths::installationWritable(install.path()));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), QStringLiteral("/nonexistent"), true),
                 install.path());
        if (::geteuid() == 0)
            QSKIP("permission bits do not stop the superuser");
        const QString conf = install.filePath("conf");
        QFile::setPermissions(conf, QFile::ReadOwner | QFile::ExeOwner);
        const bool writable = AppPaths::installationWritable(install.path());
        QFile::setPermissions(conf, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!writable);
    }

    // A read-only installation must not lose what the user saves: the data
    // folder is seeded once, and the user's own changes survive a later start.
    void readOnlyInstallationSeedsUserFolder()
    {
        QTemporaryDir install, user;
        QVERIFY(writeFile(install.filePath("conf/profile/sites.xml"), "installed catalogue"));
        QVERIFY(writeFile(install.filePath("conf/filter/filters.xml"), "installed filters"));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), user.path(), false), user.path());
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/sites.xml")), "installed catalogue");
        QVERIFY(QFileInfo(user.filePath("log")).isDir());

        QVERIFY(writeFile(user.filePath("conf/profile/sites.xml"), "updated by the user"));
        QVERIFY(writeFile(install.filePath("conf/profile/new.xml"), "new in this version"));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), user.path(), false), user.path());
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/sites.xml")), "updated by the user");
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/new.xml")), "new in this version");
    }

    void upgradeFromInstallation_data() { testkit::rows(upgradeRows); }
    // A read-only installation's users receive its upgrades at the next start,
    // without losing what is theirs.
    void upgradeFromInstallation()
    {
        const UpgradeRow &r = testkit::current(upgradeRows);
        QTemporaryDir install, home, settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings().setValue(u"UILanguage"_s, u"de"_s);
        for (const QString &file : r.installed.split(u'|'))
            QVERIFY(writeFile(pathOf(install, file), bytesOf(file)));
        for (const QString &file : r.user.split(u'|'))
            QVERIFY(writeFile(pathOf(home, file), bytesOf(file)));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), home.path(), false), home.path());
        for (const QString &file : r.expected.split(u'|'))
            QCOMPARE(testkit::readAll(pathOf(home, file)), bytesOf(file));
        QCOMPARE(QSettings().value(u"UILanguage"_s).toString(), u"de"_s);
    }

    void staleTempFolders_data() { testkit::rows(tempRows); }
    // What killed update runs left in the temporary folder goes at the next start.
    void staleTempFolders()
    {
        const TempRow &r = testkit::current(tempRows);
        const QString name = QString::fromLatin1(r.folder);
        QTemporaryDir temp;
        QVERIFY(QDir(temp.path()).mkpath(name));
        if (*r.file)
            QVERIFY(writeFile(temp.filePath(name + '/' + QLatin1String(r.file)), "partial"));
        const int age = r.old ? int(AppPaths::StaleTempSeconds) + 60 : 60;
        const QDateTime now = QDateTime::currentDateTime().addSecs(age);
        QCOMPARE(AppPaths::removeStaleTempDirs(temp.path(), "Tessolin", now), r.removed ? 1 : 0);
        QCOMPARE(QFileInfo::exists(temp.filePath(name)), !r.removed);
    }

    // A home where nothing can be written is found, and named.
    void unwritableSettings()
    {
        QTemporaryDir temp;
        QCoreApplication::setOrganizationName("Probe");
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.path());
        QCOMPARE(AppPaths::unwritableSettingsFile(), QString());
        QVERIFY(QSettings().allKeys().isEmpty());
        // A folder below a plain file cannot be made, not even by the superuser.
        QVERIFY(writeFile(temp.filePath("plain"), "x"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           temp.filePath("plain/home"));
        QVERIFY(AppPaths::unwritableSettingsFile().startsWith(temp.filePath("plain/home")));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
