#include "apppaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestAppPaths : public QObject
{
    Q_OBJECT

private slots:
    void chooseInstallDir_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("environment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("executable folder by default")
            << QStringList{"tessolin"} << QByteArray() << "/opt/tessolin";
        QTest::newRow("option with separate value")
            << QStringList{"tessolin", "--app-dir", "/srv/a/"} << QByteArray() << "/srv/a";
        QTest::newRow("option with equals sign")
            << QStringList{"tessolin", "--app-dir=/srv/b"} << QByteArray() << "/srv/b";
        QTest::newRow("environment when no option")
            << QStringList{"tessolin"} << QByteArray("/srv/env") << "/srv/env";
        QTest::newRow("option wins over environment")
            << QStringList{"tessolin", "--app-dir", "/srv/a"} << QByteArray("/srv/env")
            << "/srv/a";
        QTest::newRow("option without value is ignored")
            << QStringList{"tessolin", "--app-dir"} << QByteArray() << "/opt/tessolin";
    }
    void chooseInstallDir()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, environment);
        QFETCH(QString, expected);
        if (environment.isEmpty())
            qunsetenv(AppPaths::OverrideVariable);
        else
            qputenv(AppPaths::OverrideVariable, environment);
        QCOMPARE(AppPaths::chooseInstallDir(arguments, QStringLiteral("/opt/tessolin")), expected);
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
        QCOMPARE(readFile(user.filePath("conf/profile/sites.xml")), "installed catalogue");
        QVERIFY(QFileInfo(user.filePath("log")).isDir());

        QVERIFY(writeFile(user.filePath("conf/profile/sites.xml"), "updated by the user"));
        QVERIFY(writeFile(install.filePath("conf/profile/new.xml"), "new in this version"));
        QCOMPARE(AppPaths::prepareDataDir(install.path(), user.path(), false), user.path());
        QCOMPARE(readFile(user.filePath("conf/profile/sites.xml")), "updated by the user");
        QCOMPARE(readFile(user.filePath("conf/profile/new.xml")), "new in this version");
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
