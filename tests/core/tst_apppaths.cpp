#include "apppaths.h"
#include "clupdate.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QSettings>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

using namespace Qt::StringLiterals;

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

// A folder in the temporary folder, a file written in it (empty: none), whether it
// was last written longer ago than a run may take, and whether start-up removes it.
struct TempRow { const char *name, *folder, *file; bool old, removed; };
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

    void upgradeFromInstallation_data()
    {
        // Files as "path=content" below conf; "profile/sites.xml=id:version:file;..." is
        // a catalogue, "profile/translators.tdf=N" an engine file of version N.
        QTest::addColumn<QStringList>("installed");
        QTest::addColumn<QStringList>("user");
        QTest::addColumn<QStringList>("expected");
        const QString cat = u"profile/sites.xml="_s;
        const QStringList base = {cat + u"a:1.1:a.xml"_s, u"profile/a.xml=A 1.1"_s};
        QTest::newRow("later installed profile replaces the copy")
            << base << QStringList{cat + u"a:1.0:a.xml"_s, u"profile/a.xml=A 1.0"_s}
            << QStringList{cat + u"a:1.1:a.xml"_s, u"profile/a.xml=A 1.1"_s};
        QTest::newRow("profile an online update made later stays")
            << base << QStringList{cat + u"a:1.10:a.xml"_s, u"profile/a.xml=A 1.10"_s}
            << QStringList{cat + u"a:1.10:a.xml"_s, u"profile/a.xml=A 1.10"_s};
        QTest::newRow("profile the user added stays, new installed entry added")
            << QStringList{cat + u"a:1.0:a.xml;b:1:b.xml"_s, u"profile/a.xml=A"_s, u"profile/b.xml=B"_s}
            << QStringList{cat + u"a:1.0:a.xml;mine:3:mine.xml"_s, u"profile/mine.xml=M"_s}
            << QStringList{cat + u"a:1.0:a.xml;mine:3:mine.xml;b:1:b.xml"_s,
                           u"profile/mine.xml=M"_s, u"profile/b.xml=B"_s};
        QTest::newRow("later engine file replaces the copy")
            << QStringList{u"profile/translators.tdf=2"_s} << QStringList{u"profile/translators.tdf=1"_s}
            << QStringList{u"profile/translators.tdf=2"_s};
        QTest::newRow("engine file an online update made later stays")
            << QStringList{u"profile/translators.tdf=2"_s} << QStringList{u"profile/translators.tdf=3"_s}
            << QStringList{u"profile/translators.tdf=3"_s};
        QTest::newRow("filters and read marks stay")
            << (base + QStringList{u"filter/filters.xml=installed"_s, u"access.his=none"_s})
            << QStringList{u"filter/filters.xml=mine"_s, u"access.his=read"_s}
            << QStringList{u"filter/filters.xml=mine"_s, u"access.his=read"_s};
    }

    // A read-only installation's users receive its upgrades at the next start,
    // without losing what is theirs.
    void upgradeFromInstallation()
    {
        QFETCH(QStringList, installed);
        QFETCH(QStringList, user);
        QFETCH(QStringList, expected);
        QTemporaryDir install, home, settings;
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
        QSettings().setValue(u"UILanguage"_s, u"de"_s);
        const auto write = [](const QString &conf, const QStringList &files) {
            for (const QString &file : files) {
                const QString path = conf + u"/conf/"_s + file.section(u'=', 0, 0);
                const QString content = file.section(u'=', 1);
                QByteArray bytes = content.toUtf8();
                if (path.endsWith(u"sites.xml"_s)) {
                    QList<CLCatalogueLine> lines;
                    for (const QString &line : content.split(u';'))
                        lines.append({line.section(u':', 0, 0), line.section(u':', 1, 1),
                                      line.section(u':', 2)});
                    bytes = siteCatalogueText(lines);
                } else if (path.endsWith(u".tdf"_s)) {
                    bytes = packXml("<translators version=\"" + bytes + "\"/>");
                }
                QVERIFY(writeFile(path, bytes));
            }
        };
        write(install.path(), installed);
        write(home.path(), user);
        QCOMPARE(AppPaths::prepareDataDir(install.path(), home.path(), false), home.path());
        for (const QString &file : expected) {
            const QString path = home.path() + u"/conf/"_s + file.section(u'=', 0, 0);
            QString found = QString::fromUtf8(testkit::readAll(path));
            if (path.endsWith(u"sites.xml"_s)) {
                QStringList lines;
                const auto document = loadXmlDocument(path);
                QVERIFY(document);
                for (QDomElement e = document->documentElement().firstChildElement(); !e.isNull();
                     e = e.nextSiblingElement())
                    lines << e.attribute(u"id"_s) + u':' + e.attribute(u"version"_s) + u':' +
                                 e.attribute(u"file"_s);
                found = lines.join(u';');
            } else if (path.endsWith(u".tdf"_s)) {
                const auto document = loadXmlDocument(path);
                found = document ? document->documentElement().attribute(u"version"_s) : QString();
            }
            QCOMPARE(found, file.section(u'=', 1));
        }
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
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, temp.filePath("plain/home"));
        QVERIFY(AppPaths::unwritableSettingsFile().startsWith(temp.filePath("plain/home")));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "tst_apppaths.moc"
