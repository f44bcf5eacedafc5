// Whole update runs against the real update server on loopback: the server
// offers a changed copy of the shipped profiles, the version manager brings
// the installation up to date, the reader reloads, and the catalogue and the
// files on disk are checked.

#include "clconstants.h"
#include "clprocessor.h"
#include "clsigning.h"
#include "networkmodule.h"
#include "updatekit.h"
#include "versionmanager.h"

#include <QProcess>
#include <QTcpSocket>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace updatekit;

#ifndef TESSOLIN_PROFILE_TOOL
#define TESSOLIN_PROFILE_TOOL ""
#endif
#ifndef TESSOLIN_UPDATE_SERVER
#define TESSOLIN_UPDATE_SERVER ""
#endif

namespace {

// Changes to the served folder, one per entry:
//   "add:FROM:TO:ID"  a copy of FROM as TO, for the site ID
//   "version:FILE:V"  FILE with every version="1.0" after the declaration set to V
//   "move:FROM:TO"    FROM renamed to TO
//   "remove:FILE"
bool applyChange(const QString &dir, const QString &change)
{
    const QStringList parts = change.split(u':');
    const QString op = parts.value(0);
    const QString a = dir + u'/' + parts.value(1);
    const QString b = dir + u'/' + parts.value(2);
    if (op == u"add"_s) {
        QByteArray bytes = readAll(a);
        const QByteArray oldId = "id=\"(s)GI." + QFileInfo(a).completeBaseName().toUtf8() + '"';
        if (!bytes.contains(oldId))
            return false;
        bytes.replace(oldId, "id=\"" + parts.value(3).toUtf8() + '"');
        return writeAll(b, bytes);
    }
    if (op == u"version"_s) {
        const QByteArray bytes = readAll(a);
        // The XML declaration keeps its own version.
        const qsizetype body = bytes.indexOf("?>") + 2;
        QByteArray rest = bytes.mid(body);
        rest.replace("version=\"1.0\"", "version=\"" + parts.value(2).toUtf8() + '"');
        return writeAll(a, bytes.left(body) + rest);
    }
    if (op == u"move"_s)
        return QFile::rename(a, b);
    if (op == u"remove"_s)
        return QFile::remove(a);
    return false;
}

// One request as written, the status code and body of the answer.
QPair<int, QByteArray> fetch(quint16 port, const QByteArray &method, const QByteArray &path)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
    if (!socket.waitForConnected(5000))
        return {-1, {}};
    socket.write(method + ' ' + path +
                 " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 0\r\n"
                 "Connection: close\r\n\r\n");
    QByteArray reply;
    qsizetype end = -1;
    qsizetype length = -1;
    // The server may keep the connection open: read until the declared body is in.
    while (end < 0 || reply.size() < end + 4 + length) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(5000))
            break;
        reply += socket.readAll();
        end = reply.indexOf("\r\n\r\n");
        if (end >= 0 && length < 0) {
            const QByteArray head = reply.left(end).toLower();
            const qsizetype at = head.indexOf("content-length:");
            length = at < 0 ? 0 : head.mid(at + 15).split('\r').constFirst().trimmed().toLongLong();
        }
    }
    return {reply.mid(9, 3).toInt(), end < 0 ? QByteArray() : reply.mid(end + 4)};
}

} // namespace

class TestUpdateRun : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
        QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));

        QVERIFY(m_served.isValid());
        // Its request log goes to the test's own output, so no pipe fills up.
        m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        // The server signs with a key the reader trusts, so its answers may also remove entries.
        QVERIFY(makeSigningKeyPair(&m_publicKey, &m_secretKey));
        QVERIFY(writeKeyFile(m_keys.filePath(u"secret"_s), m_secretKey, true));
        QVERIFY(writeKeyFile(m_keys.filePath(u"public"_s), m_publicKey, false));
        m_server.start(QStringLiteral(TESSOLIN_UPDATE_SERVER),
                       {u"0"_s, m_served.path(), u"--signing-key"_s, m_keys.filePath(u"secret"_s)});
        QVERIFY2(m_server.waitForStarted(), qPrintable(m_server.errorString()));
        QVERIFY(m_server.waitForReadyRead(20000));
        const int port = m_server.readLine().trimmed().toInt();
        QVERIFY(port > 0);
        m_endpoint = u"http://127.0.0.1:%1/tsup/vercheck.php"_s.arg(port);
    }

    void cleanupTestCase()
    {
        m_server.terminate();
        m_server.waitForFinished(5000);
    }

    void run_data()
    {
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<bool>("downloads");
        QTest::addColumn<QStringList>("listed");    // "id|version|file", loaded with that version
        QTest::addColumn<QStringList>("unlisted");  // ids the catalogue no longer names
        QTest::addColumn<QStringList>("present");   // files on disk after the cleanup
        QTest::addColumn<QStringList>("absent");    // files removed by the cleanup
        QTest::addColumn<QString>("engineVersion"); // of the reloaded engine file

        QTest::newRow("nothing new leaves everything untouched")
            << QStringList() << false << QStringList{u"(s)GI.cnn|1.0|cnn.xml"_s} << QStringList()
            << QStringList{u"cnn.xml"_s} << QStringList() << u"1.0"_s;
        QTest::newRow("new site") << QStringList{u"add:cnn.xml:extra.xml:(s)GI.extra"_s} << true
                                  << QStringList{u"(s)GI.extra|1.0|extra.xml"_s,
                                                 u"(s)GI.cnn|1.0|cnn.xml"_s}
                                  << QStringList() << QStringList{u"extra.xml"_s, u"cnn.xml"_s}
                                  << QStringList() << u"1.0"_s;
        QTest::newRow("changed site under a new file name")
            << QStringList{u"version:guardian.xml:2.0"_s, u"move:guardian.xml:guardian2.xml"_s}
            << true << QStringList{u"(s)GI.guardian|2.0|guardian2.xml"_s} << QStringList()
            << QStringList{u"guardian2.xml"_s} << QStringList{u"guardian.xml"_s} << u"1.0"_s;
        // The cleanup must spare a file the new catalogue still names.
        QTest::newRow("same-name update keeps its new file")
            << QStringList{u"version:cnn.xml:1.1"_s} << true
            << QStringList{u"(s)GI.cnn|1.1|cnn.xml"_s} << QStringList() << QStringList{u"cnn.xml"_s}
            << QStringList() << u"1.0"_s;
        QTest::newRow("site the answer drops")
            << QStringList{u"remove:sina.xml"_s, u"version:lemonde.xml:1.5"_s} << true
            << QStringList{u"(s)GI.lemonde|1.5|lemonde.xml"_s} << QStringList{u"(s)GI.sina"_s}
            << QStringList{u"sina.xml"_s} << QStringList() << u"1.0"_s;
        QTest::newRow("engine update")
            << QStringList{u"version:translators.xml:2.0"_s} << true
            << QStringList{u"(s)GI.cnn|1.0|cnn.xml"_s} << QStringList()
            << QStringList{u"translators.xml"_s} << QStringList() << u"2.0"_s;
        QTest::newRow("all at once")
            << QStringList{u"add:cnn.xml:extra.xml:(s)GI.extra"_s,
                           u"version:guardian.xml:2.0"_s,
                           u"move:guardian.xml:guardian2.xml"_s,
                           u"version:cnn.xml:1.1"_s,
                           u"remove:sina.xml"_s,
                           u"version:translators.xml:2.0"_s}
            << true
            << QStringList{u"(s)GI.cnn|1.1|cnn.xml"_s, u"(s)GI.guardian|2.0|guardian2.xml"_s,
                           u"(s)GI.extra|1.0|extra.xml"_s, u"(s)GI.asahi|1.0|asahi.xml"_s}
            << QStringList{u"(s)GI.sina"_s}
            << QStringList{u"cnn.xml"_s, u"extra.xml"_s, u"guardian2.xml"_s}
            << QStringList{u"guardian.xml"_s} << u"2.0"_s;
    }

    void run()
    {
        QFETCH(QStringList, changes);
        QFETCH(bool, downloads);
        QFETCH(QStringList, listed);
        QFETCH(QStringList, unlisted);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        QFETCH(QString, engineVersion);

        QSettings().clear();
        QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, 0);
        QVERIFY(copyShipped(m_served.path()));
        for (const QString &change : std::as_const(changes))
            QVERIFY2(applyChange(m_served.path(), change), qPrintable(change));
        QTemporaryDir installed;
        QVERIFY(copyShipped(installed.path()));
        const QByteArray shippedCatalogue = readAll(installed.filePath(u"sites.xml"_s));

        CLProcessor processor;
        QVERIFY(loadInstallation(processor, installed.path()));
        NetworkModule network;
        VersionManager manager;
        manager.processor = &processor;
        manager.network = &network;
        manager.checkUrls = {m_endpoint};
        manager.trustedKeys = {m_publicKey};
        connect(&network, &NetworkModule::versionCheckRespond, &manager,
                &VersionManager::processVersionCheckRespond);
        connect(&network, &NetworkModule::notifyDownloadResult, &manager,
                &VersionManager::processDownloadResult);
        // The main window's part: reload, then let the manager clean up.
        connect(&manager, &VersionManager::initRefreshTDF, this, [&] {
            loadInstallation(processor, installed.path());
            manager.cleanupOutdatedFiles();
        });
        QSignalSpy answered(&network, &NetworkModule::versionCheckRespond);
        QSignalSpy refreshed(&manager, &VersionManager::initRefreshTDF);
        QSignalSpy failed(&manager, &VersionManager::notifyVersionCheckStatus);

        manager.onlineVersionCheck();
        QVERIFY(answered.wait(20000));
        if (downloads)
            QTRY_COMPARE_WITH_TIMEOUT(refreshed.size(), 1, 20000);
        QCOMPARE(failed.size(), 0);
        QCOMPARE(refreshed.size(), int(downloads));
        QCOMPARE(network.activeCount(NDT_FileDownload), 0);

        const QStringList entries = loadedEntries(processor);
        for (const QString &entry : std::as_const(listed))
            QVERIFY2(entries.contains(entry), qPrintable(entries.join(u", ")));
        for (const QString &id : std::as_const(unlisted)) {
            for (const QString &entry : entries)
                QVERIFY2(!entry.startsWith(id + u'|'), qPrintable(entry));
        }
        QVERIFY(processor.failedEntries().isEmpty());
        for (const QString &file : std::as_const(present))
            QVERIFY2(QFile::exists(installed.filePath(file)), qPrintable(file));
        for (const QString &file : std::as_const(absent))
            QVERIFY2(!QFile::exists(installed.filePath(file)), qPrintable(file));
        QCOMPARE(processor.translatorVersion, engineVersion);
        QVERIFY(manager.outdatedFiles.isEmpty());
        // Every installed file that the server has is now the server's copy.
        for (const QString &file : std::as_const(present)) {
            if (QFile::exists(m_served.filePath(file)))
                QCOMPARE(readAll(installed.filePath(file)), readAll(m_served.filePath(file)));
        }
        // Values without special characters are written exactly as the shipped catalogue.
        if (changes.size() == 1 && changes.constFirst().contains(u"translators"_s))
            QCOMPARE(readAll(installed.filePath(u"sites.xml"_s)), shippedCatalogue);
        QVERIFY(!QSettings().value(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP).toString().isEmpty());
    }

    void serverPaths_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body"); // a prefix; "@NAME" is a shipped profile

        QTest::newRow("check") << QByteArray("POST") << QByteArray("/vc/vc.php") << 200
                               << QByteArray("TR|R0\nTF|I(s)GI.cnn|V1.0|B");
        QTest::newRow("check by GET")
            << QByteArray("GET") << QByteArray("/tsup/vercheck.php") << 405 << QByteArray();
        QTest::newRow("profile") << QByteArray("GET") << QByteArray("/files/cnn.xml.ra") << 200
                                 << QByteArray("@cnn.xml");
        QTest::newRow("catalogue is not offered")
            << QByteArray("GET") << QByteArray("/files/sites.xml.ra") << 404 << QByteArray();
        QTest::newRow("encoded parent in a file name")
            << QByteArray("GET") << QByteArray("/files/..%2Fsecret.txt") << 404 << QByteArray();
        QTest::newRow("site home")
            << QByteArray("GET") << QByteArray("/") << 200 << QByteArray("<html>home");
        QTest::newRow("site page")
            << QByteArray("GET") << QByteArray("/news/a.html") << 200 << QByteArray("<html>a");
        QTest::newRow("site folder")
            << QByteArray("GET") << QByteArray("/news/") << 200 << QByteArray("<html>news");
        QTest::newRow("missing page")
            << QByteArray("GET") << QByteArray("/b.html") << 404 << QByteArray();
        QTest::newRow("parent of the site")
            << QByteArray("GET") << QByteArray("/../secret.txt") << 404 << QByteArray();
        QTest::newRow("encoded parent of the site")
            << QByteArray("GET") << QByteArray("/%2e%2e/secret.txt") << 404 << QByteArray();
        QTest::newRow("hidden file")
            << QByteArray("GET") << QByteArray("/.hidden") << 404 << QByteArray();
        QTest::newRow("link out of the site")
            << QByteArray("GET") << QByteArray("/out/secret.txt") << 404 << QByteArray();
    }

    // The server can also serve a static site: nothing outside its folders is reachable.
    void serverPaths()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(int, status);
        QFETCH(QByteArray, body);

        QTemporaryDir root;
        QVERIFY(QDir(root.path()).mkpath(u"site/news"_s) &&
                QDir(root.path()).mkpath(u"profiles"_s));
        QVERIFY(copyShipped(root.filePath(u"profiles"_s)));
        QVERIFY(writeAll(root.filePath(u"secret.txt"_s), "secret"));
        QVERIFY(writeAll(root.filePath(u"site/.hidden"_s), "hidden"));
        QVERIFY(writeAll(root.filePath(u"site/index.html"_s), "<html>home"));
        QVERIFY(writeAll(root.filePath(u"site/news/index.html"_s), "<html>news"));
        QVERIFY(writeAll(root.filePath(u"site/news/a.html"_s), "<html>a"));
        QVERIFY(QFile::link(root.path(), root.filePath(u"site/out"_s)));

        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QStringLiteral(TESSOLIN_UPDATE_SERVER),
                     {u"0"_s, root.filePath(u"profiles"_s), u"--site"_s, root.filePath(u"site"_s)});
        QVERIFY(server.waitForReadyRead(20000));
        const quint16 port = quint16(server.readLine().trimmed().toUInt());
        const auto [code, content] = fetch(port, method, path);
        server.terminate();
        server.waitForFinished(5000);
        QCOMPARE(code, status);
        if (body.startsWith('@'))
            QCOMPARE(content,
                     readAll(shippedProfileDir() + u'/' + QString::fromLatin1(body.mid(1))));
        else
            QVERIFY2(content.startsWith(body), content.constData());
        QVERIFY(!content.contains("secret"));
    }

    void signedServer_data()
    {
        QTest::addColumn<QByteArray>("method");
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("status");
        QTest::newRow("check") << QByteArray("POST") << QByteArray("/vc/vc.php")
                               << QByteArray("A=1") << 200;
        QTest::newRow("body over 64 KiB")
            << QByteArray("POST") << QByteArray("/vc/vc.php") << QByteArray(65 * 1024, 'x') << 413;
        QTest::newRow("other path")
            << QByteArray("POST") << QByteArray("/upload.php") << QByteArray() << 404;
        QTest::newRow("other GET path")
            << QByteArray("GET") << QByteArray("/index.html") << QByteArray() << 404;
    }

    // The real server's signed answer: the checker verifies it, one changed byte
    // voids it, and UTF-8 release notes arrive as written.
    void signedServer()
    {
        QFETCH(QByteArray, method);
        QFETCH(QByteArray, path);
        QFETCH(QByteArray, body);
        QFETCH(int, status);
        QVERIFY(copyShipped(m_served.path()));
        QTemporaryDir root;
        const QString installer = root.filePath(u"setup.exe"_s);
        QVERIFY(writeAll(installer, "MZ"));
        QProcess server;
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start(QStringLiteral(TESSOLIN_UPDATE_SERVER),
                     {u"0"_s, m_served.path(), u"--signing-key"_s, m_keys.filePath(u"secret"_s),
                      u"--installer"_s, installer, u"--installer-version"_s, u"9.1"_s,
                      u"--installer-notes"_s, u"Größe 新"_s});
        QVERIFY(server.waitForReadyRead(20000));
        const quint16 port = quint16(server.readLine().trimmed().toUInt());
        QTcpSocket socket;
        socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        QVERIFY(socket.waitForConnected(5000));
        socket.write(method + ' ' + path + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: " +
                     QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        QByteArray reply;
        while (socket.waitForReadyRead(5000))
            reply += socket.readAll();
        server.terminate();
        server.waitForFinished(5000);
        QCOMPARE(reply.mid(9, 3).toInt(), status);
        if (status != 200)
            return;
        const QByteArray answer = reply.mid(reply.indexOf("\r\n\r\n") + 4);
        QVERIFY(verifyAnswerSignature(answer, {m_publicKey}).verified());
        const CLUpdateAnswer parsed = parseUpdateAnswer(answer, {m_publicKey});
        QVERIFY(parsed.trusted);
        QCOMPARE(parsed.targets.constLast().message, u"Größe 新"_s);
        for (const int at : {0, int(answer.size()) / 2, int(answer.lastIndexOf("TS|")) - 2}) {
            QByteArray changed = answer;
            changed[at] = changed.at(at) == 'x' ? 'y' : 'x';
            for (const QByteArray &bytes : {answer, changed}) {
                QProcess tool;
                tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL),
                           {u"answer"_s, u"--key"_s, m_keys.filePath(u"public"_s), u"-"_s});
                tool.write(bytes);
                tool.closeWriteChannel();
                QVERIFY(tool.waitForFinished(20000));
                const QByteArray json = tool.readAllStandardOutput();
                QCOMPARE(json.contains("\"signed\": true"), bytes == answer);
                if (bytes == answer)
                    QVERIFY2(json.contains("\"message\": \"Größe 新\""), json.constData());
            }
        }
    }

private:
    QByteArray m_publicKey;
    QByteArray m_secretKey;
    QTemporaryDir m_keys;
    QTemporaryDir m_settingsDir;
    QTemporaryDir m_served;
    QProcess m_server;
    QString m_endpoint;
};

QTEST_GUILESS_MAIN(TestUpdateRun)
#include "tst_updaterun.moc"
