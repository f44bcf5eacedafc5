// The version manager against a scripted loopback server: broken and hostile
// answers and downloads, the endpoint chain, the start-up decision and the
// dialogs it consults.

#include "clconstants.h"
#include "clprocessor.h"
#include "clsigning.h"
#include "downloadtarget.h"
#include "networkmodule.h"
#include "scriptedhttpserver.h"
#include "updatekit.h"
#include "versionmanager.h"

#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace updatekit;

namespace {

QByteArray withVersion(QByteArray bytes, const QByteArray &version)
{
    const qsizetype body = bytes.indexOf("?>") + 2;
    QByteArray rest = bytes.mid(body);
    rest.replace("version=\"1.0\"", "version=\"" + version + '"');
    return bytes.left(body) + rest;
}

QByteArray shipped(const QString &name)
{
    return readAll(shippedProfileDir() + u'/' + name);
}

// The files the scripted server hands out, by name.
QByteArray fixture(const QString &name)
{
    const QByteArray cnn = shipped(u"cnn.xml"_s);
    if (name == u"cnn2"_s)
        return withVersion(cnn, "2.0");
    if (name == u"cnn2cut"_s)
        return withVersion(cnn, "2.0").chopped(50);
    if (name == u"extra"_s)
        return QByteArray(cnn).replace("id=\"(s)GI.cnn\"", "id=\"(s)GI.extra\"");
    if (name == u"hostile"_s)
        return QByteArray(cnn).replace("id=\"(s)GI.cnn\"", "id=\"(s)GI.q&quot;&lt;&amp;\"");
    if (name == u"guardian"_s)
        return shipped(u"guardian.xml"_s);
    if (name == u"engine2"_s)
        return withVersion(shipped(u"translators.xml"_s), "2.0");
    if (name == u"installer"_s)
        return QByteArray("MZ installer bytes ").repeated(100);
    if (name == u"empty-answer"_s)
        return "TR|R0\n";
    if (name == u"big-installer"_s) // past the 64 MiB a download once could hold in memory
        return QByteArray(65 * 1024 * 1024, 'I');
    if (name == u"cnn01"_s)
        return withVersion(cnn, "0.1");
    if (name == u"tiny"_s) // well under 1 MiB, far too many elements
        return QByteArray(cnn).replace("</site>", QByteArray("<x/>").repeated(150000) + "</site>");
    return "junk that is no XML";
}

// "@" is the server, "%I" the installation, "{size:NAME}" and "{sha:NAME}"
// describe a fixture.
QString expand(QString text, const QString &base, const QString &installed)
{
    static const QRegularExpression field(u"\\{(size|sha):([a-z0-9-]+)\\}"_s);
    QRegularExpressionMatch match;
    while ((match = field.match(text)).hasMatch()) {
        const QByteArray bytes = fixture(match.captured(2));
        text.replace(match.capturedStart(), match.capturedLength(),
                     match.captured(1) == u"size"_s ? QString::number(bytes.size())
                                                    : sha256Hex(bytes));
    }
    return text.replace(u'@', base).replace(u"%I"_s, installed);
}

struct Rig
{
    QTemporaryDir installed;
    ScriptedHttpServer server;
    CLProcessor processor;
    NetworkModule network;
    std::unique_ptr<VersionManager> manager;
    ScriptedPrompts prompts;
    int refreshes = 0;
    QByteArray publicKey;
    QByteArray secretKey;

    bool setUp()
    {
        if (!makeSigningKeyPair(&publicKey, &secretKey))
            return false;
        if (!installed.isValid() || !copyShipped(installed.path()) ||
            !loadInstallation(processor, installed.path()) || !server.start())
            return false;
        network.replyTimeout = 1000;
        QSettings().setValue(TS_KEY_VERSION_CHECK_URLS,
                             QStringList{base() + u"/vc"_s, base() + u"/vc2"_s}.join(u';'));
        manager = std::make_unique<VersionManager>();
        manager->processor = &processor;
        manager->network = &network;
        manager->updateBox = &prompts;
        manager->upgradeBox = &prompts;
        manager->completeBox = &prompts;
        manager->trustedKeys = {publicKey};
        QObject::connect(&network, &NetworkModule::versionCheckRespond, manager.get(),
                         &VersionManager::processVersionCheckRespond);
        QObject::connect(&network, &NetworkModule::notifyDownloadResult, manager.get(),
                         &VersionManager::processDownloadResult);
        QObject::connect(manager.get(), &VersionManager::initRefreshTDF, manager.get(), [this] {
            ++refreshes;
            reload();
        });
        return true;
    }
    QString base() const { return server.url(QString()); }
    void reload()
    {
        loadInstallation(processor, installed.path());
        manager->cleanupOutdatedFiles();
    }
    bool idle()
    {
        return network.activeCount(NDT_VersionCheck) + network.activeCount(NDT_FileDownload) +
                   network.activeCount(NDT_SoftwareDownload) ==
               0;
    }
    QStringList requestedPaths() const
    {
        QStringList paths;
        for (const ScriptedRequest &request : server.requests)
            paths.append(QString::fromLatin1(request.path));
        return paths;
    }
};

} // namespace

class TestVersionManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
        QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
    }

    void init() { QSettings().clear(); }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("answer");  // "stall" and "404" script the first endpoint so
        QTest::addColumn<QStringList>("served"); // "PATH FIXTURE" or "PATH stall"
        QTest::addColumn<int>("notification");
        QTest::addColumn<bool>("agree");
        QTest::addColumn<QString>("chosenPath"); // installer path the upgrade dialog returns
        QTest::addColumn<QStringList>("expect");

        const QByteArray extra = "TF|I(s)GI.extra|V1|B{size:extra}|C{sha:extra}|U@/extra.xml.ra\n";
        const QByteArray cnn2 = "TF|I(s)GI.cnn|V2.0|B{size:cnn2}|C{sha:cnn2}|U@/cnn.xml.ra\n";
        const QStringList untouched{u"catalogue=shipped"_s, u"file:cnn.xml=shipped"_s};
        const QStringList oldCnnKept{u"file:cnn.xml=shipped"_s, u"entry:(s)GI.cnn|1.0|cnn.xml"_s,
                                     u"requested:/cnn.xml.ra"_s};

        QTest::newRow("R1 in place of R0 is invalid")
            << "TR|R1\n" + extra << QStringList{u"/extra.xml.ra extra"_s} << 0 << true << QString()
            << untouched + QStringList{u"requested:/vc2"_s, u"notrequested:/extra.xml.ra"_s,
                                       u"nostamp"_s, u"status:2011"_s};
        QTest::newRow("CRLF line ends make the first line invalid")
            << "TR|R0\r\n" + extra << QStringList{u"/extra.xml.ra extra"_s} << 0 << true
            << QString()
            << untouched + QStringList{u"requested:/vc2"_s, u"notrequested:/extra.xml.ra"_s,
                                       u"nostamp"_s, u"status:2011"_s};
        QTest::newRow("a NUL ends the answer")
            << "S!TR|R0\nTF|I(s)GI.cnn|V1.0|B1|C1|U@/cnn.xml.ra\n" + extra +
                   QByteArray("\0TF|I(s)GI.guardian|V9|B1|C1|U@/guardian.xml.ra\n", 47)
            << QStringList{u"/extra.xml.ra extra"_s} << 0 << true << QString()
            << QStringList{u"entry:(s)GI.extra|1|extra.xml"_s, u"entry:(s)GI.cnn|1.0|cnn.xml"_s,
                           u"noentry:(s)GI.guardian"_s, u"notrequested:/guardian.xml.ra"_s,
                           u"file:extra.xml=extra"_s};
        QTest::newRow("404 tries the next endpoint")
            << QByteArray("404") << QStringList() << 0 << true << QString()
            << untouched + QStringList{u"requested:/vc2"_s, u"nostamp"_s, u"status:2011"_s};
        QTest::newRow("a stalled answer tries the next endpoint")
            << QByteArray("stall") << QStringList{u"/vc2 empty-answer"_s} << 0 << true << QString()
            << untouched + QStringList{u"requested:/vc2"_s, u"stamp"_s};
        QTest::newRow("answer over 1 MiB is invalid")
            << "TR|R0\n" + QByteArray(1100 * 1024, 'x') << QStringList() << 0 << true << QString()
            << untouched + QStringList{u"requested:/vc2"_s, u"nostamp"_s, u"status:2011"_s};
        QTest::newRow("hostile id is written escaped")
            << QByteArray("TR|R0\nTF|I(s)GI.cnn|V1.0|B0|C0|U@/cnn.xml.ra\n"
                          "TF|I(s)GI.q\"<&|V1|B{size:hostile}|C{sha:hostile}|U@/q.xml.ra\n")
            << QStringList{u"/q.xml.ra hostile"_s} << 0 << true << QString()
            << QStringList{u"entry:(s)GI.q\"<&|1|q.xml"_s, u"entry:(s)GI.cnn|1.0|cnn.xml"_s,
                           u"loaded:(s)GI.q\"<&"_s};
        QTest::newRow("hostile version is written escaped")
            << QByteArray("TR|R0\nTF|I(s)GI.extra|V1\" "
                          "file=\"../x|B{size:extra}|C{sha:extra}|U@/extra.xml.ra\n")
            << QStringList{u"/extra.xml.ra extra"_s} << 0 << true << QString()
            << QStringList{u"entry:(s)GI.extra|1\" file=\"../x|extra.xml"_s,
                           u"loaded:(s)GI.extra"_s};
        QTest::newRow("server-chosen names are refused before any request")
            << QByteArray(
                   "TR|R0\nTF|I(s)GI.extra|V1|B{size:extra}|C{sha:extra}|U@/..%2Fevil.xml.ra|"
                   "U@/sites.xml.ra|U@/translators.xml.ra|U@/access.his.ra|U@/profile_error.log.ra|"
                   "U@/cnn.xml.ra|U@/.hidden.ra|U@/dir/|U@/a%20b.xml.ra|U@/SITES.XML.ra|U@/.ra\n")
            << QStringList{u"/sites.xml.ra extra"_s, u"/cnn.xml.ra extra"_s} << 0 << true
            << QString()
            << untouched + QStringList{u"file:sites.xml=shipped"_s, u"noentry:(s)GI.extra"_s,
                                       u"notrequested:/sites.xml.ra"_s,
                                       u"notrequested:/cnn.xml.ra"_s, u"requests:1"_s};
        // The file of a site that needs nothing is the one it has, whatever the URL says.
        QTest::newRow("unchanged site keeps its file")
            << "TR|R0\nTF|I(s)GI.cnn|V1.0|B1|C1|U@/other.xml.ra\n" + extra
            << QStringList{u"/extra.xml.ra extra"_s} << 0 << true << QString()
            << QStringList{u"entry:(s)GI.cnn|1.0|cnn.xml"_s, u"entry:(s)GI.extra|1|extra.xml"_s,
                           u"loaded:(s)GI.cnn"_s, u"notrequested:/other.xml.ra"_s};
        QTest::newRow("truncated download keeps the old profile")
            << "TR|R0\n" + cnn2 << QStringList{u"/cnn.xml.ra cnn2cut"_s} << 0 << true << QString()
            << oldCnnKept;
        QTest::newRow("checksum mismatch keeps the old profile")
            << QByteArray("TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:cnn2}|C{sha:extra}|U@/cnn.xml.ra\n")
            << QStringList{u"/cnn.xml.ra cnn2"_s} << 0 << true << QString() << oldCnnKept;
        QTest::newRow("profile of another site is refused")
            << QByteArray(
                   "TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:guardian}|C{sha:guardian}|U@/cnn.xml.ra\n")
            << QStringList{u"/cnn.xml.ra guardian"_s} << 0 << true << QString() << oldCnnKept;
        QTest::newRow("junk profile is refused")
            << QByteArray("TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:junk}|C{sha:junk}|U@/cnn.xml.ra\n")
            << QStringList{u"/cnn.xml.ra junk"_s} << 0 << true << QString() << oldCnnKept;
        QTest::newRow("second URL after a failure names the file")
            << QByteArray("S!TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:cnn2}|C{sha:cnn2}|U@/cnn-a.xml.ra|"
                          "U@/cnn-b.xml.ra\n")
            << QStringList{u"/cnn-b.xml.ra cnn2"_s} << 0 << true << QString()
            << QStringList{u"entry:(s)GI.cnn|2.0|cnn-b.xml"_s, u"file:cnn-b.xml=cnn2"_s,
                           u"nofile:cnn.xml"_s, u"nofile:cnn-a.xml"_s,
                           u"requested:/cnn-a.xml.ra"_s};
        QTest::newRow("size 0 is never downloaded")
            << QByteArray("S!TR|R0\nTF|I(s)GI.cnn|V2.0|B|C{sha:cnn2}|U@/cnn.xml.ra\n")
            << QStringList{u"/cnn.xml.ra cnn2"_s} << 0 << true << QString()
            << untouched + QStringList{u"notrequested:/cnn.xml.ra"_s};
        QTest::newRow("size that is not a number is never downloaded")
            << QByteArray("TR|R0\nTF|I(s)GI.extra|V1|B12a|C{sha:extra}|U@/extra.xml.ra\n"
                          "TF|I(s)GI.cnn|V1.0|B0|C0|U@/cnn.xml.ra\n")
            << QStringList{u"/extra.xml.ra extra"_s} << 1 << true << QString()
            << untouched + QStringList{u"notrequested:/extra.xml.ra"_s, u"noconfirm"_s};
        QTest::newRow("unknown prefix is never downloaded")
            << QByteArray("TR|R0\nTF|I(x)thing|V1|B{size:extra}|C{sha:extra}|U@/thing.ra\n")
            << QStringList{u"/thing.ra extra"_s} << 0 << true << QString()
            << untouched + QStringList{u"notrequested:/thing.ra"_s};
        QTest::newRow("file: and data: URLs are never fetched, nor used as endpoints")
            << QByteArray("TR|R0\nTF|I(s)GI.extra|V1|B1|C1|Ufile:///etc/passwd|"
                          "Udata:text/plain,hi\nTV|Ufile:///x|Udata:,y|U\n")
            << QStringList() << 0 << true << QString()
            << untouched + QStringList{u"requests:1"_s, u"endpoints:@/vc;@/vc2"_s};
        QTest::newRow("TV replaces the endpoints with its web addresses")
            << QByteArray("S!TR|R0\nTV|Uhttp://a.example/vc|Uftp://b.example/|U|"
                          "Uhttps://c.example/x\n")
            << QStringList() << 0 << true << QString()
            << QStringList{u"endpoints:http://a.example/vc;https://c.example/x"_s};
        QTest::newRow("engine-only answer keeps the catalogue")
            << QByteArray("TR|R0\nTF|I(r)translators|V2.0|B{size:engine2}|C{sha:engine2}|"
                          "U@/translators.xml.ra\n")
            << QStringList{u"/translators.xml.ra engine2"_s} << 0 << true << QString()
            << untouched + QStringList{u"file:translators.xml=engine2"_s, u"engines:2.0"_s};
        QTest::newRow("engine file under another name is refused")
            << QByteArray("TR|R0\nTF|I(r)x|V2.0|B{size:engine2}|C{sha:engine2}|U@/other.xml.ra\n")
            << QStringList{u"/other.xml.ra engine2"_s} << 0 << true << QString()
            << untouched + QStringList{u"nofile:other.xml"_s, u"notrequested:/other.xml.ra"_s};
        QTest::newRow("junk engine file is refused")
            << QByteArray("TR|R0\nTF|I(r)x|V2.0|B{size:junk}|C{sha:junk}|U@/translators.xml.ra\n")
            << QStringList{u"/translators.xml.ra junk"_s} << 0 << true << QString()
            << untouched + QStringList{u"file:translators.xml=shipped"_s, u"engines:1.0"_s};
        QTest::newRow("declined update keeps the profile")
            << "TR|R0\n" + cnn2 << QStringList{u"/cnn.xml.ra cnn2"_s} << 1 << false << QString()
            << untouched + QStringList{u"confirm:1:{size:cnn2}"_s, u"notrequested:/cnn.xml.ra"_s};
        QTest::newRow("failed download keeps the profile")
            << "TR|R0\n" + cnn2 << QStringList() << 0 << true << QString() << oldCnnKept;
        QTest::newRow("download without asking only when notification is 0")
            << "TR|R0\n" + cnn2 << QStringList{u"/cnn.xml.ra cnn2"_s} << 2 << true << QString()
            << QStringList{u"confirm:1:{size:cnn2}"_s, u"file:cnn.xml=cnn2"_s};

        QByteArray many = "TR|R0\n";
        for (int i = 0; i < 10000; ++i)
            many += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B1073741824|C0|U@/n" +
                    QByteArray::number(i) + ".xml.ra\n";
        QTest::newRow("10,000 targets are refused whole")
            << many << QStringList() << 1 << false << QString()
            << untouched + QStringList{u"noconfirm"_s, u"requests:1"_s};

        QTest::newRow("only the first installer is offered")
            << QByteArray("S!TR|R0\nTF|I(a)one|V2.0|B2147483648|C{sha:installer}|U@/one.exe.ra|"
                          "MNew%20things\nTF|I(a)two|V3.0|B10|C{sha:installer}|U@/two.exe.ra\n")
            << QStringList() << 0 << true << QString()
            << QStringList{u"offers:2.0|2147483648|one.exe|New things"_s, u"requests:1"_s};
        QTest::newRow("installer goes to the chosen path without .ra")
            << QByteArray("S!TR|R0\nTF|I(a)setup|V2.0|B{size:installer}|C{sha:installer}|"
                          "U@/setup.exe.ra\n")
            << QStringList{u"/setup.exe.ra installer"_s} << 0 << true << u"%I/setup.exe.ra"_s
            << QStringList{u"file:setup.exe=installer"_s, u"completed:%I/setup.exe"_s,
                           u"catalogue=shipped"_s};
        QTest::newRow("installer of the running version is not offered")
            << QByteArray("S!TR|R0\nTF|I(a)setup|V1.0|B10|C{sha:installer}|U@/setup.exe.ra\n")
            << QStringList() << 0 << true << u"%I/setup.exe"_s
            << QStringList{u"offers:"_s, u"requests:1"_s};

        // What a hostile service or network could do, and what signing allows.
        const QStringList kept{u"catalogue=shipped"_s, u"entry:(s)GI.guardian|1.0|guardian.xml"_s,
                               u"file:guardian.xml=shipped"_s, u"endpoints:@/vc;@/vc2"_s};
        const QByteArray tv = "TV|Uhttp://a.example/vc\n";
        const QByteArray setup =
            "TF|I(a)setup|V2.0|B{size:installer}|C{sha:installer}|U@/setup.exe.ra\n";
        struct Row
        {
            const char *name;
            QByteArray answer;
            const char *served;
            QStringList expect;
            const char *chosen = "";
        };
        QByteArray zeros = "TR|R0\n";
        for (int i = 0; i < 10000; ++i)
            zeros += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B0|C0|U@/n" +
                     QByteArray::number(i) + ".xml.ra\n";
        const Row rows[] = {
            {"unsigned answer listing one site keeps every entry",
             "TR|R0\n" + extra,
             "/extra.xml.ra extra",
             {u"entry:(s)GI.extra|1|extra.xml"_s, u"entry:(s)GI.guardian|1.0|guardian.xml"_s}},
            {"signed answer whose downloads all fail keeps sites.xml",
             "S!TR|R0\n" + cnn2,
             "/cnn.xml.ra junk",
             {u"catalogue=shipped"_s, u"file:guardian.xml=shipped"_s}},
            {"10,000 targets with B0 and C0 fetch nothing", zeros, "",
             untouched + QStringList{u"requests:1"_s}},
            {"unsigned TV, installer and missing entry change nothing", "TR|R0\n" + tv + setup,
             "/setup.exe.ra installer", kept + QStringList{u"offers:"_s, u"requests:1"_s}},
            {"tampered signed answer is unsigned", "T!TR|R0\n" + tv + setup,
             "/setup.exe.ra installer", kept + QStringList{u"offers:"_s, u"requests:1"_s}},
            {"signed TV replaces the endpoints",
             "S!TR|R0\n" + tv,
             "",
             {u"endpoints:http://a.example/vc"_s}},
            {"signed site 1.0 to 0.1 rolls back",
             "S!TR|R0\nTF|I(s)GI.cnn|V0.1|B{size:cnn01}|C{sha:cnn01}|U@/cnn.xml.ra\n",
             "/cnn.xml.ra cnn01",
             {u"file:cnn.xml=cnn01"_s, u"entry:(s)GI.cnn|0.1|cnn.xml"_s}},
            {"installer over 64 MiB is written as it arrives",
             "S!TR|R0\n" + QByteArray(setup).replace(":installer}", ":big-installer}"),
             "/setup.exe.ra big-installer",
             {u"file:setup.exe=big-installer"_s, u"completed:%I/setup.exe"_s},
             "%I/setup.exe.ra"},
            {"installer 0.5 under 1.0 is not offered",
             "S!TR|R0\n" + QByteArray(setup).replace("V2.0", "V0.5"),
             "",
             {u"offers:"_s, u"requests:1"_s}},
            {"profile over 1 MiB is never fetched",
             "TR|R0\nTF|I(s)GI.cnn|V2.0|B1048577|C{sha:cnn2}|U@/cnn.xml.ra\n", "/cnn.xml.ra cnn2",
             untouched + QStringList{u"notrequested:/cnn.xml.ra"_s}},
            {"profile of tiny elements is refused",
             "TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:tiny}|C{sha:tiny}|U@/cnn.xml.ra\n",
             "/cnn.xml.ra tiny", oldCnnKept + QStringList{u"catalogue=shipped"_s}},
            {"confirmation counts only what will be fetched",
             "TR|R0\n" + cnn2 +
                 "TF|I(r)x|V9|B5|C{sha:engine2}|U@/other.xml.ra\nTF|I(s)GI.y|V1|B7|C{sha:extra}|U@/"
                 "sites.xml.ra\n",
             "/cnn.xml.ra cnn2",
             {u"confirm:1:{size:cnn2}"_s}},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name)
                << row.answer
                << (*row.served ? QStringList{QString::fromLatin1(row.served)} : QStringList()) << 2
                << true << QString::fromLatin1(row.chosen) << row.expect;
    }

    void answers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QStringList, served);
        QFETCH(int, notification);
        QFETCH(bool, agree);
        QFETCH(QString, chosenPath);
        QFETCH(QStringList, expect);

        Rig rig;
        QVERIFY(rig.setUp());
        const QString base = rig.base();
        const QString installed = rig.installed.path();
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, notification);
        rig.prompts.agree = agree;
        rig.prompts.upgradeResult = chosenPath.isEmpty() ? 0 : 1;
        rig.prompts.chosenPath = expand(chosenPath, base, installed);

        if (answer == "stall")
            rig.server.script("/vc", ScriptedAnswer(ScriptedAnswer::Stall));
        else if (answer == "404")
            rig.server.script("/vc", ScriptedAnswer(ScriptedAnswer::Answer, 404, "gone"));
        else {
            // "S!" signs the answer with the trusted key, "T!" signs it and changes a byte.
            const QByteArray how = answer.left(2);
            QByteArray text =
                expand(QString::fromLatin1(answer.mid(how == "S!" || how == "T!" ? 2 : 0)), base,
                       installed)
                    .toLatin1();
            if (how == "S!" || how == "T!")
                text = signAnswer(text, rig.secretKey);
            if (how == "T!")
                text.replace("http://a.", "http://b.");
            rig.server.script("/vc", ScriptedAnswer(ScriptedAnswer::Answer, 200, text));
        }
        for (const QString &entry : std::as_const(served)) {
            const QString path = entry.section(u' ', 0, 0);
            const QString name = entry.section(u' ', 1);
            rig.server.script(path.toLatin1(),
                              name == u"stall"_s
                                  ? ScriptedAnswer(ScriptedAnswer::Stall)
                                  : ScriptedAnswer(ScriptedAnswer::Answer, 200, fixture(name)));
        }
        QSignalSpy status(rig.manager.get(), &VersionManager::notifyVersionCheckStatus);

        rig.manager->onlineVersionCheck();
        QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 30000);
        // Any later reload (the user's, another update's) must not lose files either.
        rig.reload();

        const QStringList paths = rig.requestedPaths();
        const QStringList entries = loadedEntries(rig.processor);
        for (const QString &raw : std::as_const(expect)) {
            const QString e = expand(raw, base, installed);
            const QString arg = e.section(u':', 1);
            if (e == u"catalogue=shipped"_s) {
                QCOMPARE(readAll(rig.installed.filePath(u"sites.xml"_s)), shipped(u"sites.xml"_s));
            } else if (e.startsWith(u"file:"_s)) {
                const QString file = arg.section(u'=', 0, 0);
                const QString content = arg.section(u'=', 1);
                const QString path =
                    QFileInfo(file).isAbsolute() ? file : rig.installed.filePath(file);
                QVERIFY2(QFile::exists(path), qPrintable(e));
                QCOMPARE(readAll(path), content == u"shipped"_s ? shipped(file) : fixture(content));
            } else if (e.startsWith(u"nofile:"_s)) {
                QVERIFY2(!QFile::exists(rig.installed.filePath(arg)), qPrintable(e));
            } else if (e.startsWith(u"entry:"_s)) {
                QVERIFY2(entries.contains(arg) || entries.contains(arg + u"|not loaded"_s),
                         qPrintable(e + u" in "_s + entries.join(u", ")));
            } else if (e.startsWith(u"noentry:"_s)) {
                for (const QString &entry : entries)
                    QVERIFY2(!entry.startsWith(arg + u'|'), qPrintable(entry));
            } else if (e.startsWith(u"loaded:"_s)) {
                bool loaded = false;
                for (const QString &entry : entries)
                    loaded = loaded ||
                             (entry.startsWith(arg + u'|') && !entry.endsWith(u"not loaded"_s));
                QVERIFY2(loaded, qPrintable(e + u" in "_s + entries.join(u", ")));
            } else if (e.startsWith(u"requested:"_s)) {
                QVERIFY2(paths.contains(arg), qPrintable(e + u" in "_s + paths.join(u", ")));
            } else if (e.startsWith(u"notrequested:"_s)) {
                QVERIFY2(!paths.contains(arg), qPrintable(e));
            } else if (e.startsWith(u"requests:"_s)) {
                QCOMPARE(paths.size(), arg.toInt());
            } else if (e == u"stamp"_s || e == u"nostamp"_s) {
                QCOMPARE(QSettings().contains(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP),
                         e == u"stamp"_s);
            } else if (e.startsWith(u"status:"_s)) {
                QCOMPARE(status.size(), 1);
                QCOMPARE(status.constFirst().at(1).toInt(), arg.toInt());
            } else if (e.startsWith(u"confirm:"_s)) {
                QCOMPARE(rig.prompts.confirmations.size(), 1);
                QCOMPARE(rig.prompts.confirmations.constFirst().first,
                         arg.section(u':', 0, 0).toInt());
                QCOMPARE(rig.prompts.confirmations.constFirst().second,
                         arg.section(u':', 1).toLongLong());
            } else if (e == u"noconfirm"_s) {
                QVERIFY(rig.prompts.confirmations.isEmpty());
            } else if (e.startsWith(u"offers:"_s)) {
                QCOMPARE(rig.prompts.upgradeOffers.join(u';'), arg);
            } else if (e.startsWith(u"completed:"_s)) {
                QCOMPARE(rig.prompts.completions, QStringList{arg});
            } else if (e.startsWith(u"endpoints:"_s)) {
                QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_URLS).toString(), arg);
            } else if (e.startsWith(u"engines:"_s)) {
                QCOMPARE(rig.processor.translatorVersion, arg);
            } else {
                QFAIL(qPrintable(u"unknown expectation "_s + e));
            }
        }
        if (!expect.contains(u"status:2011"_s))
            QCOMPARE(status.size(), 0);
    }

    void newAnswerAbortsDownloads()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 0);
        rig.server.script("/cnn.xml.ra", ScriptedAnswer(ScriptedAnswer::Stall));
        const QString url = rig.base() + u"/cnn.xml.ra"_s;
        rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\nTF|I(s)GI.cnn|V2.0|B10|C" +
                                                               QByteArray(64, 'a') + "|U" +
                                                               url.toLatin1() + '\n'));
        QCOMPARE(rig.network.activeCount(NDT_FileDownload), 1);
        QCOMPARE(rig.manager->targets.size(), 1);

        rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\n"));
        QCOMPARE(rig.network.activeCount(NDT_FileDownload), 0);
        QVERIFY(rig.manager->targets.isEmpty());
        // A late result of the aborted download belongs to no target.
        rig.manager->processDownloadResult(url, NDT_FileDownload, true);
        rig.manager->processDownloadResult(u"http://other.example/x.ra"_s, NDT_FileDownload, false);
        QCOMPARE(rig.manager->currentTarget, -1);
        QCOMPARE(rig.refreshes, 0);
        QCOMPARE(readAll(rig.installed.filePath(u"cnn.xml"_s)), shipped(u"cnn.xml"_s));
    }

    void answerWhileAsking()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 1);
        const QString url = rig.base() + u"/cnn.xml.ra"_s;
        rig.server.script("/cnn.xml.ra",
                          ScriptedAnswer(ScriptedAnswer::Answer, 200, fixture(u"cnn2"_s)));
        rig.prompts.whileConfirming = [&] {
            rig.manager->processVersionCheckRespond(new QByteArray("TR|R0\n"));
        };
        rig.manager->processVersionCheckRespond(new QByteArray(
            expand(u"TR|R0\nTF|I(s)GI.cnn|V2.0|B{size:cnn2}|C{sha:cnn2}|U"_s + url + u'\n',
                   rig.base(), QString())
                .toLatin1()));
        // The answer that came while the dialog was open changed nothing under it.
        QTRY_COMPARE_WITH_TIMEOUT(rig.refreshes, 1, 20000);
        QCOMPARE(readAll(rig.installed.filePath(u"cnn.xml"_s)), fixture(u"cnn2"_s));
    }

    void endpointChain_data()
    {
        QTest::addColumn<QStringList>("endpoints"); // "@" is the server
        QTest::addColumn<QStringList>("requested");

        QTest::newRow("empty and non-web endpoints are skipped")
            << QStringList{QString(), u"file:///etc/update"_s, u"@/vc2"_s, u"@/vc3"_s}
            << QStringList{u"/vc2"_s, u"/vc3"_s, u"/vc2"_s, u"/vc3"_s};
        QTest::newRow("a check from outside starts at the first endpoint again")
            << QStringList{u"@/vc"_s, u"@/vc2"_s}
            << QStringList{u"/vc"_s, u"/vc2"_s, u"/vc"_s, u"/vc2"_s};
    }

    void endpointChain()
    {
        QFETCH(QStringList, endpoints);
        QFETCH(QStringList, requested);
        Rig rig;
        QVERIFY(rig.setUp());
        for (QString &endpoint : endpoints)
            endpoint.replace(u'@', rig.base());
        rig.manager->checkUrls = endpoints;
        QSignalSpy status(rig.manager.get(), &VersionManager::notifyVersionCheckStatus);
        for (int run = 1; run <= 2; ++run) {
            rig.manager->onlineVersionCheck();
            QTRY_COMPARE_WITH_TIMEOUT(status.size(), run, 20000);
        }
        QCOMPARE(rig.requestedPaths(), requested);
        QCOMPARE(status.constFirst().at(0).value<CONetworkDataType>(), NDT_VersionCheck);
    }

    void checkRequestForm()
    {
        Rig rig;
        QVERIFY(rig.setUp());
        QSettings().setValue(TS_KEY_INSTALLATION_SIGNATURE, u"sig123"_s);
        rig.server.script("/vc", ScriptedAnswer(ScriptedAnswer::Answer, 200, "TR|R0\n"));
        rig.manager->onlineVersionCheck();
        QTRY_VERIFY_WITH_TIMEOUT(rig.idle(), 20000);
        QCOMPARE(rig.server.requests.size(), 1);
        const ScriptedRequest &request = rig.server.requests.constFirst();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.body,
                 u"A=tessolin&V=1.0&O=32W&L=%1&S=sig123"_s.arg(QLocale::system().name()).toUtf8());
        QCOMPARE(request.headers.value("content-type"),
                 QByteArray("application/x-www-form-urlencoded"));
    }

    void startupDecision_data()
    {
        QTest::addColumn<QVariant>("internalVersion"); // invalid: absent
        QTest::addColumn<QVariant>("interval");
        QTest::addColumn<int>("checkedHoursAgo"); // -1: never checked
        QTest::addColumn<int>("remindedHoursAgo");
        QTest::addColumn<bool>("due");
        QTest::addColumn<bool>("firstRun");
        QTest::addColumn<bool>("reminderDue");

        const QVariant configured(u"010000"_s);
        QTest::newRow("0 checks at every start")
            << configured << QVariant(0) << 1 << -1 << true << false << true;
        QTest::newRow("1 after two days")
            << configured << QVariant(1) << 48 << -1 << true << false << true;
        QTest::newRow("1 not after half a day")
            << configured << QVariant(1) << 12 << -1 << false << false << true;
        QTest::newRow("7 after eight days")
            << configured << QVariant(7) << 8 * 24 << -1 << true << false << true;
        QTest::newRow("7 not after six days")
            << configured << QVariant(7) << 6 * 24 << -1 << false << false << true;
        QTest::newRow("30 after 31 days")
            << configured << QVariant(30) << 31 * 24 << -1 << true << false << true;
        QTest::newRow("30 not after 29 days")
            << configured << QVariant(30) << 29 * 24 << -1 << false << false << true;
        QTest::newRow("-1 never checks")
            << configured << QVariant(-1) << -1 << -1 << false << false << true;
        QTest::newRow("no interval never checks")
            << configured << QVariant() << -1 << -1 << false << false << true;
        QTest::newRow("interval that is no number never checks")
            << configured << QVariant(u"weekly"_s) << -1 << -1 << false << false << true;
        QTest::newRow("7 with no check stored is due")
            << configured << QVariant(7) << -1 << -1 << true << false << true;
        QTest::newRow("missing AppInternalVersion asks for the first-run dialog")
            << QVariant() << QVariant(0) << 48 << -1 << false << true << true;
        QTest::newRow("older AppInternalVersion asks for the first-run dialog")
            << QVariant(u"009000"_s) << QVariant(0) << 48 << -1 << false << true << true;
        QTest::newRow("reminded six days ago: no upgrade offer yet")
            << configured << QVariant(7) << 1 << 6 * 24 << false << false << false;
        QTest::newRow("reminded eight days ago: upgrade offer again")
            << configured << QVariant(7) << 1 << 8 * 24 << false << false << true;
    }

    void startupDecision()
    {
        QFETCH(QVariant, internalVersion);
        QFETCH(QVariant, interval);
        QFETCH(int, checkedHoursAgo);
        QFETCH(int, remindedHoursAgo);
        QFETCH(bool, due);
        QFETCH(bool, firstRun);
        QFETCH(bool, reminderDue);

        QSettings settings;
        if (internalVersion.isValid())
            settings.setValue(TS_KEY_APP_INTERNAL_VERSION, internalVersion);
        if (interval.isValid())
            settings.setValue(TS_KEY_VERSION_CHECK_INTERVAL, interval);
        const QDateTime now = QDateTime::currentDateTime();
        if (checkedHoursAgo >= 0)
            settings.setValue(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP,
                              updateTimestampText(now.addSecs(-3600 * qint64(checkedHoursAgo))));
        if (remindedHoursAgo >= 0)
            settings.setValue(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP,
                              updateTimestampText(now.addSecs(-3600 * qint64(remindedHoursAgo))));

        VersionManager manager;
        QSignalSpy initial(&manager, &VersionManager::requestInitialConfig);
        QCOMPARE(manager.isVersionCheckDue(), due);
        QCOMPARE(initial.size(), int(firstRun));
        QCOMPARE(manager.upgradeReminderDue, reminderDue);
        QVERIFY(QRegularExpression(u"^\\d{15}\\d+$"_s)
                    .match(QSettings().value(TS_KEY_INSTALLATION_SIGNATURE).toString())
                    .hasMatch());
        // The default endpoints are written back, the second endpoint comes last.
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_URLS).toString(),
                 QStringLiteral(TS_VERSION_CHECK_URLS));
        QCOMPARE(manager.checkUrls.constLast(), QStringLiteral(TS_VERSION_CHECK_URL2));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_GUILESS_MAIN(TestVersionManager)
#include "tst_versionmanager.moc"
