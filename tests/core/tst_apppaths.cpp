#include "apppaths.h"
#include "testkit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && testkit::writeAll(path, bytes);
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

    void writableInstallationIsUsedAsItIs()
    {
        QTemporaryDir install;
        QVERIFY(writeFile(install.filePath("conf/profile/sites.xml"), "<sites/>"));
        QVERIFY(AppPaths::installationWritable(install.path()));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), QStringLiteral("/nonexistent"), true),
                 install.path());
    }

    // A read-only installation must not lose what the user saves: the data
    // folder is seeded once, and the user's own changes survive a later start.
    void readOnlyInstallationSeedsUserFolder()
    {
        QTemporaryDir install;
        QTemporaryDir user;
        QVERIFY(writeFile(install.filePath("conf/profile/sites.xml"), "installed catalogue"));
        QVERIFY(writeFile(install.filePath("conf/filter/filters.xml"), "installed filters"));
        const QString data = AppPaths::prepareDataDir(install.path(), user.path(), false);
        QCOMPARE(data, user.path());
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/sites.xml")), "installed catalogue");
        QVERIFY(QFileInfo(user.filePath("log")).isDir());

        QVERIFY(writeFile(user.filePath("conf/profile/sites.xml"), "updated by the user"));
        QVERIFY(writeFile(install.filePath("conf/profile/new.xml"), "new in this version"));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), user.path(), false), user.path());
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/sites.xml")), "updated by the user");
        QCOMPARE(testkit::readAll(user.filePath("conf/profile/new.xml")), "new in this version");
    }

    void unwritableFolderIsDetected()
    {
        if (::geteuid() == 0)
            QSKIP("permission bits do not stop the superuser");
        QTemporaryDir install;
        QVERIFY(QDir().mkpath(install.filePath("conf")));
        QFile::setPermissions(install.filePath("conf"), QFile::ReadOwner | QFile::ExeOwner);
        QVERIFY(!AppPaths::installationWritable(install.path()));
        QFile::setPermissions(install.filePath("conf"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
