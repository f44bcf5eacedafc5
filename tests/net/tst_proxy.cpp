#include "clconstants.h"
#include "localservice.h"
#include "proxymanager.h"
#include "scriptedhttpserver.h"

#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Proxies send from these addresses, so the origin server can tell which way a request came.
const QHostAddress HttpProxyExit(u"127.0.0.3"_s);
const QHostAddress SocksProxyExit(u"127.0.0.4"_s);

const QStringList Keys{u"ProxyMode"_s, u"ProxyHost"_s, u"ProxyPort"_s, u"ProxyUser"_s,
                       u"ProxyPassword"_s};

// Settings are written "mode|host|port|user|password"; "~" marks an absent key.
QString stored()
{
    const QSettings settings;
    QStringList values;
    for (const QString &key : Keys)
        values.append(settings.value(key, u"~"_s).toString());
    return values.join(u'|');
}

// The application proxy as "type user:password@host:port", or "direct".
QString applied()
{
    const QNetworkProxy proxy = QNetworkProxy::applicationProxy();
    if (proxy.type() == QNetworkProxy::NoProxy)
        return u"direct"_s;
    return u"%1 %2:%3@%4:%5"_s
        .arg(proxy.type() == QNetworkProxy::HttpProxy ? u"http"_s : u"socks5"_s, proxy.user(),
             proxy.password(), proxy.hostName())
        .arg(proxy.port());
}

} // namespace

class TestProxy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
        QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
        // Qt connects to "localhost" and loopback addresses directly whatever the application
        // proxy says, so the origin is addressed by this machine's name.
        const QString name = QHostInfo::localHostName();
        for (const QHostAddress &address : QHostInfo::fromName(name).addresses()) {
            if (address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol &&
                !name.startsWith(u"localhost"_s))
                m_hostName = name, m_hostAddress = address;
        }
        QTcpServer http, socks;
        m_exitsUsable = http.listen(HttpProxyExit, 0) && socks.listen(SocksProxyExit, 0);
    }

    void loadValidation_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<QString>("fields"); // the manager's, as settings are written
        QTest::addColumn<QString>("applied");
        QTest::newRow("http proxy with credentials")
            << u"1|proxy.example|3128|alice|s3cret"_s << u"1|proxy.example|3128|alice|s3cret"_s
            << u"http alice:s3cret@proxy.example:3128"_s;
        QTest::newRow("unknown mode treated as socks")
            << u"7|proxy.example|1080|~|~"_s << u"7|proxy.example|1080||"_s
            << u"socks5 :@proxy.example:1080"_s;
        QTest::newRow("empty host falls back to direct, fields kept")
            << u"1||8080|alice|~"_s << u"0||8080|alice|"_s << u"direct"_s;
        QTest::newRow("port zero falls back to direct")
            << u"2|proxy.example|0|~|~"_s << u"0|proxy.example|0||"_s << u"direct"_s;
        // 65536 would wrap to port 0, 68616 to 3080: another service.
        QTest::newRow("port above 65535 falls back to direct")
            << u"1|proxy.example|68616|~|~"_s << u"0|proxy.example|68616||"_s << u"direct"_s;
        QTest::newRow("highest port is kept")
            << u"1|proxy.example|65535|~|~"_s << u"1|proxy.example|65535||"_s
            << u"http :@proxy.example:65535"_s;
    }

    void loadValidation()
    {
        QFETCH(QString, settings);
        // A leftover proxy would hide a manager that forgets to install its own.
        QNetworkProxy::setApplicationProxy({QNetworkProxy::HttpProxy, u"stale.invalid"_s, 9});
        QSettings stored;
        stored.clear();
        const QStringList values = settings.split(u'|');
        for (qsizetype i = 0; i < Keys.size(); ++i) {
            if (values.at(i) != u"~"_s)
                stored.setValue(Keys.at(i), values.at(i));
        }
        const ProxyManager m;
        QTEST(u"%1|%2|%3|%4|%5"_s.arg(m.mode).arg(m.host).arg(m.port).arg(m.user, m.password),
              "fields");
        QTEST(applied(), "applied");
        // Loading never rewrites what is stored, even what it could not use.
        QCOMPARE(::stored(), settings);
    }

    void passwordFileOwnerOnly_data()
    {
        QTest::addColumn<bool>("existing"); // the settings file exists before, readable by all
        QTest::newRow("new settings file is private") << false;
        QTest::newRow("existing readable settings file made private") << true;
    }

    void passwordFileOwnerOnly()
    {
        QFETCH(bool, existing);
        QString path;
        {
            QSettings settings;
            settings.clear();
            settings.sync();
            path = settings.fileName();
        }
        QFile::remove(path);
        if (existing) {
            QSettings other;
            other.setValue(u"LastSize"_s, QSize(800, 600));
            other.sync();
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner |
                                                    QFile::ReadGroup | QFile::ReadOther));
        }
        ProxyManager manager;
        manager.mode = 1, manager.host = u"proxy.example"_s, manager.port = 3128;
        manager.user = u"alice"_s, manager.password = u"s3cret"_s;
        manager.save();
        const QFile::Permissions owner = QFile::ReadOwner | QFile::WriteOwner;
        const QFile::Permissions everyone = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(path) & (owner | everyone), owner);
        // Later writes of other settings keep the file private.
        {
            QSettings other;
            other.setValue(u"LastPosition"_s, QPoint(3, 4));
        }
        QCOMPARE(QFile::permissions(path) & (owner | everyone), owner);
        QCOMPARE(QSettings().value(u"ProxyPassword"_s).toString(), u"s3cret"_s);
    }

    void routes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("proxy"); // the program listening on the proxy port, if any
        QTest::addColumn<QString>("credentials");
        QTest::addColumn<QString>("route");
        const QString http = u"tinyproxy"_s, socks = u"microsocks"_s, none;
        QTest::newRow("direct mode bypasses a running proxy") << 0 << http << none << u"direct"_s;
        QTest::newRow("http mode goes through the http proxy") << 1 << http << none << u"proxy"_s;
        QTest::newRow("socks mode goes through the socks proxy")
            << 2 << socks << none << u"proxy"_s;
        QTest::newRow("socks credentials passed on") << 2 << socks << u"bob:pw"_s << u"proxy"_s;
        QTest::newRow("proxy down fails instead of going direct")
            << 1 << none << none << u"failed"_s;
    }

    void routes()
    {
        QFETCH(int, mode);
        QFETCH(QString, proxy);
        QFETCH(QString, credentials);
        const QString program = proxy.isEmpty() ? QString() : QStandardPaths::findExecutable(proxy);
        if (!proxy.isEmpty() && program.isEmpty())
            QSKIP("tinyproxy or microsocks is not installed (scripts/install-deps)");
        if (m_hostName.isEmpty() || !m_exitsUsable)
            QSKIP("no loopback host name, or 127.0.0.3 and 127.0.0.4 unusable as sources");

        ScriptedHttpServer origin;
        QVERIFY(origin.start(m_hostAddress));
        const quint16 port = LocalService::freePort();
        const QString user = credentials.section(u':', 0, 0),
                      password = credentials.section(u':', 1);
        const QHostAddress exit = proxy == u"tinyproxy"_s ? HttpProxyExit : SocksProxyExit;
        QStringList arguments{u"-i"_s, u"127.0.0.1"_s, u"-p"_s, QString::number(port),
                              u"-b"_s, exit.toString()};
        if (!user.isEmpty())
            arguments += QStringList{u"-u"_s, user, u"-P"_s, password};
        if (proxy == u"tinyproxy"_s) {
            // tinyproxy reads a file and refuses port 0, hence the port probed above.
            QFile config(m_settingsDir.filePath(u"tinyproxy.conf"_s));
            QVERIFY(config.open(QIODevice::WriteOnly));
            config.write("Port " + QByteArray::number(port) +
                         "\nListen 127.0.0.1\nAllow 127.0.0.1\nBind " + exit.toString().toLatin1());
            arguments = QStringList{u"-d"_s, u"-c"_s, config.fileName()};
        }
        LocalService service;
        if (!proxy.isEmpty())
            QVERIFY2(service.start(program, arguments, port), service.output().constData());

        ProxyManager manager;
        manager.mode = mode, manager.host = u"127.0.0.1"_s, manager.port = port;
        manager.user = user, manager.password = password;
        manager.save();
        // Every field is stored, also those direct mode does not use.
        QCOMPARE(stored(), u"%1|127.0.0.1|%2|%3|%4"_s.arg(mode).arg(port).arg(user, password));

        QNetworkAccessManager network; // fresh: no pooled connection or cached credential
        QNetworkReply *reply =
            network.get(QNetworkRequest(QUrl(origin.url(u"/article"_s, m_hostName))));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(30000));
        const QHostAddress peer = origin.requests.value(0).peer;
        QTEST(peer.isNull() ? u"failed"_s : peer == exit ? u"proxy"_s : u"direct"_s, "route");
    }

private:
    QTemporaryDir m_settingsDir;
    QString m_hostName;
    QHostAddress m_hostAddress;
    bool m_exitsUsable = false;
};

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
