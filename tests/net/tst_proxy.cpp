#include "clconstants.h"
#include "localservice.h"
#include "proxymanager.h"
#include "scriptedhttpserver.h"

#include <QCoreApplication>
#include <QFile>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Proxied connections leave the proxies from these addresses, so the origin
// server can tell which way a request came.
const QHostAddress HttpProxyExit(u"127.0.0.3"_s);
const QHostAddress SocksProxyExit(u"127.0.0.4"_s);

const QStringList Keys{u"ProxyMode"_s, u"ProxyHost"_s, u"ProxyPort"_s, u"ProxyUser"_s,
                       u"ProxyPassword"_s};

// Settings and fields are written "mode|host|port|user|password"; "~" marks an absent key.
void store(const QString &fields)
{
    QSettings settings;
    settings.clear();
    const QStringList values = fields.split(u'|');
    for (qsizetype i = 0; i < Keys.size(); ++i) {
        if (values.value(i) != u"~"_s)
            settings.setValue(Keys.at(i), values.value(i));
    }
}

QString stored()
{
    const QSettings settings;
    QStringList values;
    for (const QString &key : Keys)
        values.append(settings.value(key, u"~"_s).toString());
    return values.join(u'|');
}

QString fieldsOf(const ProxyManager &m)
{
    return u"%1|%2|%3|%4|%5"_s.arg(m.mode).arg(m.host).arg(m.port).arg(m.user, m.password);
}

// The application proxy as "type user:password@host:port", or "direct".
QString applied()
{
    const QNetworkProxy proxy = QNetworkProxy::applicationProxy();
    if (proxy.type() == QNetworkProxy::NoProxy)
        return u"direct"_s;
    const QString type = proxy.type() == QNetworkProxy::HttpProxy     ? u"http"_s
                         : proxy.type() == QNetworkProxy::Socks5Proxy ? u"socks5"_s
                                                                      : u"other"_s;
    return u"%1 %2:%3@%4:%5"_s.arg(type, proxy.user(), proxy.password(), proxy.hostName())
        .arg(proxy.port());
}

} // namespace

class TestProxy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadValidation_data();
    void loadValidation();
    void saveRoundTrip_data();
    void saveRoundTrip();
    void routes_data();
    void routes();

private:
    QTemporaryDir m_settingsDir;
    QString m_hostName;
    QHostAddress m_hostAddress;
    bool m_exitAddressesUsable = false;
};

void TestProxy::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
    QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
    // Qt connects to "localhost" and loopback addresses directly whatever the application
    // proxy says, so the origin is addressed by this machine's name.
    const QString name = QHostInfo::localHostName();
    for (const QHostAddress &address : QHostInfo::fromName(name).addresses()) {
        if (address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol &&
            !name.startsWith(u"localhost"_s)) {
            m_hostName = name;
            m_hostAddress = address;
        }
    }
    QTcpServer probe;
    m_exitAddressesUsable = probe.listen(HttpProxyExit, 0);
    probe.close();
    m_exitAddressesUsable = m_exitAddressesUsable && probe.listen(SocksProxyExit, 0);
}

void TestProxy::init()
{
    QSettings().clear();
    // A leftover proxy would hide a manager that forgets to install its own.
    QNetworkProxy::setApplicationProxy(
        QNetworkProxy(QNetworkProxy::HttpProxy, u"stale.invalid"_s, 9));
}

void TestProxy::cleanup()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void TestProxy::loadValidation_data()
{
    QTest::addColumn<QString>("settings");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("applied");

    QTest::newRow("no settings install an explicit direct connection")
        << u"~|~|~|~|~"_s << u"0||0||"_s << u"direct"_s;
    QTest::newRow("http proxy with credentials")
        << u"1|proxy.example|3128|alice|s3cret"_s << u"1|proxy.example|3128|alice|s3cret"_s
        << u"http alice:s3cret@proxy.example:3128"_s;
    QTest::newRow("socks proxy") << u"2|10.0.0.5|1080|~|~"_s << u"2|10.0.0.5|1080||"_s
                                 << u"socks5 :@10.0.0.5:1080"_s;
    QTest::newRow("unknown mode treated as socks")
        << u"7|proxy.example|1080|~|~"_s << u"7|proxy.example|1080||"_s
        << u"socks5 :@proxy.example:1080"_s;
    QTest::newRow("empty host falls back to direct, fields kept")
        << u"1||8080|alice|~"_s << u"0||8080|alice|"_s << u"direct"_s;
    QTest::newRow("port zero falls back to direct")
        << u"2|proxy.example|0|~|~"_s << u"0|proxy.example|0||"_s << u"direct"_s;
    QTest::newRow("port that is no number falls back to direct")
        << u"1|proxy.example|80.5|~|~"_s << u"0|proxy.example|0||"_s << u"direct"_s;
    QTest::newRow("mode that is no number reads nothing else")
        << u"http|proxy.example|8080|alice|~"_s << u"0||0||"_s << u"direct"_s;
    QTest::newRow("direct mode reads no other key")
        << u"0|proxy.example|8080|alice|~"_s << u"0||0||"_s << u"direct"_s;
}

void TestProxy::loadValidation()
{
    QFETCH(QString, settings);
    store(settings);
    const ProxyManager manager;
    QTEST(fieldsOf(manager), "fields");
    QTEST(applied(), "applied");
    // Loading never rewrites what is stored.
    QCOMPARE(stored(), settings);
}

void TestProxy::saveRoundTrip_data()
{
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("applied");
    QTest::addColumn<QString>("reloaded");

    QTest::newRow("direct mode still writes every field")
        << u"0|proxy.example|8080|alice|s3cret"_s << u"direct"_s << u"0||0||"_s;
    QTest::newRow("http proxy stored and applied") << u"1|proxy.example|3128|alice|pa ss:w0rd"_s
                                                   << u"http alice:pa ss:w0rd@proxy.example:3128"_s
                                                   << u"1|proxy.example|3128|alice|pa ss:w0rd"_s;
    QTest::newRow("unusable fields stored as they stand")
        << u"1||0||"_s << u"http :@:0"_s << u"0||0||"_s;
}

void TestProxy::saveRoundTrip()
{
    QFETCH(QString, fields);
    const QStringList f = fields.split(u'|');
    ProxyManager manager;
    manager.mode = f.at(0).toInt();
    manager.host = f.at(1);
    manager.port = f.at(2).toInt();
    manager.user = f.at(3);
    manager.password = f.at(4);
    manager.save();
    QCOMPARE(stored(), fields);
    QTEST(applied(), "applied");
    QTEST(fieldsOf(ProxyManager()), "reloaded");
}

void TestProxy::routes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("proxy"); // the program listening on the proxy port, if any
    QTest::addColumn<QString>("demanded");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("route");

    const QString http = u"tinyproxy"_s, socks = u"microsocks"_s, none;
    QTest::newRow("direct mode bypasses a running proxy")
        << 0 << http << none << none << u"direct"_s;
    QTest::newRow("http mode goes through the http proxy")
        << 1 << http << none << none << u"proxy"_s;
    QTest::newRow("socks mode goes through the socks proxy")
        << 2 << socks << none << none << u"proxy"_s;
    QTest::newRow("proxy down fails instead of going direct")
        << 1 << none << none << none << u"failed"_s;
    QTest::newRow("http proxy credentials passed on")
        << 1 << http << u"alice:s3cret"_s << u"alice:s3cret"_s << u"proxy"_s;
    QTest::newRow("wrong http proxy password refused")
        << 1 << http << u"alice:s3cret"_s << u"alice:wrong"_s << u"failed"_s;
    QTest::newRow("socks credentials passed on")
        << 2 << socks << u"bob:pw"_s << u"bob:pw"_s << u"proxy"_s;
    QTest::newRow("wrong socks password refused")
        << 2 << socks << u"bob:pw"_s << u"bob:nope"_s << u"failed"_s;
}

void TestProxy::routes()
{
    QFETCH(int, mode);
    QFETCH(QString, proxy);
    QFETCH(QString, demanded);
    QFETCH(QString, given);
    QFETCH(QString, route);
    const QString program = proxy.isEmpty() ? QString() : QStandardPaths::findExecutable(proxy);
    if (!proxy.isEmpty() && program.isEmpty())
        QSKIP("tinyproxy or microsocks is not installed (scripts/install-deps)");
    if (m_hostName.isEmpty())
        QSKIP("this machine's name does not resolve to a loopback address");
    if (!m_exitAddressesUsable)
        QSKIP("127.0.0.3 and 127.0.0.4 are not usable as source addresses here");

    QTemporaryDir workDir;
    ScriptedHttpServer origin;
    QVERIFY(workDir.isValid() && origin.start(m_hostAddress));
    origin.script("/article", {ScriptedAnswer::Answer, 200, "origin answer"});
    const quint16 port = LocalService::freePort();
    const QString user = demanded.section(u':', 0, 0), password = demanded.section(u':', 1);
    const bool tinyproxy = proxy == u"tinyproxy"_s;
    const QHostAddress exit = tinyproxy ? HttpProxyExit : SocksProxyExit;
    QStringList arguments{u"-i"_s, u"127.0.0.1"_s, u"-p"_s, QString::number(port),
                          u"-b"_s, exit.toString()};
    if (tinyproxy) {
        // tinyproxy reads a file and refuses port 0, hence the port probed above.
        QFile config(workDir.filePath(u"tinyproxy.conf"_s));
        const QString auth =
            user.isEmpty() ? QString() : u"BasicAuth %1 %2\n"_s.arg(user, password);
        QVERIFY(config.open(QIODevice::WriteOnly));
        config.write(u"Port %1\nListen 127.0.0.1\nAllow 127.0.0.1\nBind %2\n%3"_s
                         .arg(QString::number(port), exit.toString(), auth)
                         .toUtf8());
        config.close();
        arguments = QStringList{u"-d"_s, u"-c"_s, config.fileName()};
    } else if (!user.isEmpty()) {
        arguments += QStringList{u"-u"_s, user, u"-P"_s, password};
    }
    LocalService service;
    if (!proxy.isEmpty())
        QVERIFY2(service.start(program, arguments, port), service.output().constData());

    ProxyManager manager;
    manager.mode = mode;
    manager.host = u"127.0.0.1"_s;
    manager.port = port;
    manager.user = given.section(u':', 0, 0);
    manager.password = given.section(u':', 1);
    manager.save();

    QNetworkAccessManager network; // fresh: no pooled connection or cached credential
    QNetworkRequest get(QUrl(origin.url(u"/article"_s, m_hostName)));
    get.setTransferTimeout(20000);
    std::unique_ptr<QNetworkReply> reply(network.get(get));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    QVERIFY(finished.wait(30000));
    const bool fetched = reply->error() == QNetworkReply::NoError;
    const ScriptedRequest request = origin.requests.value(0);
    QCOMPARE(origin.requests.size(), int(fetched));
    QTEST(!fetched ? u"failed"_s : request.peer == exit ? u"proxy"_s : u"direct"_s, "route");
    if (fetched) {
        QCOMPARE(reply->readAll(), QByteArray("origin answer"));
        QCOMPARE(request.path, QByteArray("/article"));
        QCOMPARE(request.headers.value("via").contains("tinyproxy"),
                 tinyproxy && route == u"proxy"_s);
    }
}

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
