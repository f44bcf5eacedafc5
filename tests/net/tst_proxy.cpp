#include "clconstants.h"
#include "loopbackhttpserver.h"
#include "proxymanager.h"
#include "proxyprocess.h"

#include <QCoreApplication>
#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Proxied connections leave the proxies from these addresses, so the origin
// server can tell which way a request came.
const QHostAddress HttpProxyExit(QStringLiteral("127.0.0.3"));
const QHostAddress SocksProxyExit(QStringLiteral("127.0.0.4"));

// Qt connects to "localhost" and to loopback addresses directly whatever the
// application proxy says, so requests that must follow the proxy address the
// server by this machine's own name, which resolves to a loopback address.
QString loopbackHostName(QHostAddress *address)
{
    const QString name = QHostInfo::localHostName();
    if (name.isEmpty() || name.startsWith(QLatin1String("localhost")))
        return QString();
    const QList<QHostAddress> addresses = QHostInfo::fromName(name).addresses();
    for (const QHostAddress &candidate : addresses) {
        if (candidate.isLoopback() && candidate.protocol() == QAbstractSocket::IPv4Protocol) {
            *address = candidate;
            return name;
        }
    }
    return QString();
}

struct Fetched
{
    QNetworkReply::NetworkError error = QNetworkReply::NoError;
    QByteArray body;
    bool finished = false;
};

// A fresh access manager per request so that no pooled connection or cached
// proxy credential carries over between cases.
Fetched fetch(const QUrl &url)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(20000);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    QSignalSpy finished(reply.get(), &QNetworkReply::finished);
    Fetched result;
    result.finished = finished.wait(30000);
    result.error = reply->error();
    if (reply->isOpen())
        result.body = reply->readAll();
    return result;
}

QPair<QString, QString> credentialsOf(const QString &text)
{
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return {};
    return {text.left(colon), text.mid(colon + 1)};
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
    void httpModeSpeaksProxyForm();
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
    m_hostName = loopbackHostName(&m_hostAddress);

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
        QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("stale.invalid"), 9));
}

void TestProxy::cleanup()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
}

void TestProxy::loadValidation_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("proxyType");

    const QString modeKey = QStringLiteral(TS_KEY_PROXY_MODE);
    const QString hostKey = QStringLiteral(TS_KEY_PROXY_HOST);
    const QString portKey = QStringLiteral(TS_KEY_PROXY_PORT);
    const QString userKey = QStringLiteral(TS_KEY_PROXY_USER);
    const QString passwordKey = QStringLiteral(TS_KEY_PROXY_PASSWORD);
    const int none = QNetworkProxy::NoProxy;
    const int http = QNetworkProxy::HttpProxy;
    const int socks = QNetworkProxy::Socks5Proxy;

    QTest::newRow("no settings install an explicit direct connection")
        << QVariantMap() << 0 << "" << 0 << ""
        << "" << none;
    QTest::newRow("http proxy with credentials") << QVariantMap{{modeKey, 1},
                                                                {hostKey, "proxy.example"},
                                                                {portKey, 3128},
                                                                {userKey, "alice"},
                                                                {passwordKey, "s3cret"}}
                                                 << 1 << "proxy.example" << 3128 << "alice"
                                                 << "s3cret" << http;
    QTest::newRow("socks proxy on 1080")
        << QVariantMap{{modeKey, 2}, {hostKey, "10.0.0.5"}, {portKey, 1080}} << 2 << "10.0.0.5"
        << 1080 << ""
        << "" << socks;
    QTest::newRow("unknown mode treated as socks")
        << QVariantMap{{modeKey, 7}, {hostKey, "proxy.example"}, {portKey, 1080}} << 7
        << "proxy.example" << 1080 << ""
        << "" << socks;
    QTest::newRow("negative mode treated as socks")
        << QVariantMap{{modeKey, -1}, {hostKey, "proxy.example"}, {portKey, 1080}} << -1
        << "proxy.example" << 1080 << ""
        << "" << socks;
    QTest::newRow("numbers stored as text accepted")
        << QVariantMap{{modeKey, "1"}, {hostKey, "proxy.example"}, {portKey, "8080"}} << 1
        << "proxy.example" << 8080 << ""
        << "" << http;
    QTest::newRow("empty host falls back to direct, fields kept")
        << QVariantMap{{modeKey, 1}, {hostKey, ""}, {portKey, 8080}, {userKey, "alice"}} << 0 << ""
        << 8080 << "alice"
        << "" << none;
    QTest::newRow("absent host falls back to direct")
        << QVariantMap{{modeKey, 1}, {portKey, 8080}} << 0 << "" << 8080 << ""
        << "" << none;
    QTest::newRow("port zero falls back to direct")
        << QVariantMap{{modeKey, 2}, {hostKey, "proxy.example"}, {portKey, 0}} << 0
        << "proxy.example" << 0 << ""
        << "" << none;
    QTest::newRow("negative port falls back to direct")
        << QVariantMap{{modeKey, 1}, {hostKey, "proxy.example"}, {portKey, -5}} << 0
        << "proxy.example" << -5 << ""
        << "" << none;
    QTest::newRow("port text that is no number falls back to direct")
        << QVariantMap{{modeKey, 1}, {hostKey, "proxy.example"}, {portKey, "eighty"}} << 0
        << "proxy.example" << 0 << ""
        << "" << none;
    QTest::newRow("fractional port is no integer")
        << QVariantMap{{modeKey, 1}, {hostKey, "proxy.example"}, {portKey, "80.5"}} << 0
        << "proxy.example" << 0 << ""
        << "" << none;
    QTest::newRow("mode text that is no number reads nothing else")
        << QVariantMap{{modeKey, "http"},
                       {hostKey, "proxy.example"},
                       {portKey, 8080},
                       {userKey, "alice"}}
        << 0 << "" << 0 << ""
        << "" << none;
    QTest::newRow("direct mode reads no other key") << QVariantMap{{modeKey, 0},
                                                                   {hostKey, "proxy.example"},
                                                                   {portKey, 8080},
                                                                   {userKey, "alice"},
                                                                   {passwordKey, "s3cret"}}
                                                    << 0 << "" << 0 << ""
                                                    << "" << none;
    QTest::newRow("proxy keys without a mode read nothing")
        << QVariantMap{{hostKey, "proxy.example"}, {portKey, 8080}} << 0 << "" << 0 << ""
        << "" << none;
}

void TestProxy::loadValidation()
{
    QFETCH(QVariantMap, stored);
    QFETCH(int, proxyType);
    {
        QSettings settings;
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }

    const ProxyManager manager;
    QTEST(manager.mode, "mode");
    QTEST(manager.host, "host");
    QTEST(manager.port, "port");
    QTEST(manager.user, "user");
    QTEST(manager.password, "password");

    const QNetworkProxy applied = QNetworkProxy::applicationProxy();
    QCOMPARE(int(applied.type()), proxyType);
    if (proxyType != QNetworkProxy::NoProxy) {
        QCOMPARE(applied.hostName(), manager.host);
        QCOMPARE(int(applied.port()), manager.port);
        QCOMPARE(applied.user(), manager.user);
        QCOMPARE(applied.password(), manager.password);
    }
    // Loading never rewrites what is stored.
    const QSettings settings;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        QCOMPARE(settings.value(it.key()).toString(), it.value().toString());
}

void TestProxy::saveRoundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("appliedType");
    QTest::addColumn<int>("reloadedMode");

    QTest::newRow("direct mode still writes every field")
        << 0 << "proxy.example" << 8080 << "alice"
        << "s3cret" << int(QNetworkProxy::NoProxy) << 0;
    QTest::newRow("http proxy stored and applied")
        << 1 << "proxy.example" << 3128 << "alice"
        << "pa ss:w0rd" << int(QNetworkProxy::HttpProxy) << 1;
    QTest::newRow("socks proxy stored and applied") << 2 << "10.1.2.3" << 1080 << ""
                                                    << "" << int(QNetworkProxy::Socks5Proxy) << 2;
    QTest::newRow("unusable fields stored as they stand")
        << 1 << "" << 0 << ""
        << "" << int(QNetworkProxy::HttpProxy) << 0;
}

void TestProxy::saveRoundTrip()
{
    QFETCH(int, mode);
    QFETCH(QString, host);
    QFETCH(int, port);
    QFETCH(QString, user);
    QFETCH(QString, password);

    ProxyManager manager;
    manager.mode = mode;
    manager.host = host;
    manager.port = port;
    manager.user = user;
    manager.password = password;
    manager.save();

    {
        const QSettings settings;
        QCOMPARE(settings.value(QStringLiteral(TS_KEY_PROXY_MODE)).toInt(), mode);
        QCOMPARE(settings.value(QStringLiteral(TS_KEY_PROXY_HOST)).toString(), host);
        QCOMPARE(settings.value(QStringLiteral(TS_KEY_PROXY_PORT)).toInt(), port);
        QCOMPARE(settings.value(QStringLiteral(TS_KEY_PROXY_USER)).toString(), user);
        QCOMPARE(settings.value(QStringLiteral(TS_KEY_PROXY_PASSWORD)).toString(), password);
    }
    QTEST(int(QNetworkProxy::applicationProxy().type()), "appliedType");

    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
    const ProxyManager reloaded;
    QTEST(reloaded.mode, "reloadedMode");
    if (reloaded.mode != 0) {
        QCOMPARE(reloaded.host, host);
        QCOMPARE(reloaded.port, port);
        QCOMPARE(reloaded.user, user);
        QCOMPARE(reloaded.password, password);
        QCOMPARE(QNetworkProxy::applicationProxy().hostName(), host);
    }
}

void TestProxy::httpModeSpeaksProxyForm()
{
    if (m_hostName.isEmpty())
        QSKIP("this machine's name does not resolve to a loopback address");
    LoopbackHttpServer origin;
    QVERIFY(origin.start(m_hostAddress));
    // A plain server stands in for the proxy: it sees what the client sends to one.
    LoopbackHttpServer proxy;
    QVERIFY(proxy.start());

    ProxyManager manager;
    manager.mode = 1;
    manager.host = QStringLiteral("127.0.0.1");
    manager.port = proxy.serverPort();
    manager.save();

    const QUrl url = origin.urlFor(m_hostName, QStringLiteral("/news/page.html"));
    const Fetched fetched = fetch(url);
    QVERIFY(fetched.finished);
    QCOMPARE(fetched.error, QNetworkReply::NoError);
    QCOMPARE(origin.connections, 0);
    QCOMPARE(proxy.requests.size(), 1);
    QVERIFY(proxy.requests.first().absoluteForm());
    QCOMPARE(QUrl(QString::fromLatin1(proxy.requests.first().target)), url);
}

void TestProxy::routes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("proxyKind");
    QTest::addColumn<bool>("running");
    QTest::addColumn<QString>("demanded");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("route");

    QTest::newRow("direct mode bypasses a running http proxy") << 0 << "http" << true << ""
                                                               << ""
                                                               << "direct";
    QTest::newRow("direct mode bypasses a running socks proxy") << 0 << "socks" << true << ""
                                                                << ""
                                                                << "direct";
    QTest::newRow("direct mode needs no proxy") << 0 << "http" << false << ""
                                                << ""
                                                << "direct";
    QTest::newRow("http mode goes through the http proxy") << 1 << "http" << true << ""
                                                           << ""
                                                           << "proxy";
    QTest::newRow("socks mode goes through the socks proxy") << 2 << "socks" << true << ""
                                                             << ""
                                                             << "proxy";
    QTest::newRow("other modes go through the socks proxy") << 7 << "socks" << true << ""
                                                            << ""
                                                            << "proxy";
    QTest::newRow("http mode with the proxy down fails instead of going direct")
        << 1 << "http" << false << ""
        << ""
        << "failed";
    QTest::newRow("socks mode with the proxy down fails instead of going direct")
        << 2 << "socks" << false << ""
        << ""
        << "failed";
    QTest::newRow("http mode is not spoken to a socks proxy") << 1 << "socks" << true << ""
                                                              << ""
                                                              << "failed";
    QTest::newRow("socks mode is not spoken to an http proxy") << 2 << "http" << true << ""
                                                               << ""
                                                               << "failed";
    QTest::newRow("http proxy credentials passed on") << 1 << "http" << true << "alice:s3cret"
                                                      << "alice:s3cret"
                                                      << "proxy";
    QTest::newRow("wrong http proxy password refused") << 1 << "http" << true << "alice:s3cret"
                                                       << "alice:wrong"
                                                       << "failed";
    QTest::newRow("socks credentials passed on") << 2 << "socks" << true << "bob:pw"
                                                 << "bob:pw"
                                                 << "proxy";
    QTest::newRow("wrong socks password refused") << 2 << "socks" << true << "bob:pw"
                                                  << "bob:nope"
                                                  << "failed";
}

void TestProxy::routes()
{
    QFETCH(int, mode);
    QFETCH(QString, proxyKind);
    QFETCH(bool, running);
    QFETCH(QString, demanded);
    QFETCH(QString, given);
    QFETCH(QString, route);

    const ProxyProcess::Kind kind =
        proxyKind == QLatin1String("http") ? ProxyProcess::Http : ProxyProcess::Socks5;
    if (ProxyProcess::program(kind).isEmpty())
        QSKIP("tinyproxy or microsocks is not installed (scripts/install-deps)");
    if (m_hostName.isEmpty())
        QSKIP("this machine's name does not resolve to a loopback address");
    if (!m_exitAddressesUsable)
        QSKIP("127.0.0.3 and 127.0.0.4 are not usable as source addresses here");

    QTemporaryDir workDir;
    QVERIFY(workDir.isValid());
    LoopbackHttpServer origin;
    QVERIFY(origin.start(m_hostAddress));

    const QHostAddress exit = kind == ProxyProcess::Http ? HttpProxyExit : SocksProxyExit;
    ProxyProcess proxy;
    quint16 proxyPort = 0;
    if (running) {
        const auto [user, password] = credentialsOf(demanded);
        QVERIFY2(proxy.start(kind, workDir.path(), exit, user, password),
                 proxy.output().constData());
        proxyPort = proxy.port();
    } else {
        proxyPort = ProxyProcess::freePort();
    }

    ProxyManager manager;
    manager.mode = mode;
    manager.host = QStringLiteral("127.0.0.1");
    manager.port = proxyPort;
    std::tie(manager.user, manager.password) = credentialsOf(given);
    manager.save();

    const Fetched fetched = fetch(origin.urlFor(m_hostName, QStringLiteral("/article")));
    QVERIFY(fetched.finished);
    if (route == QLatin1String("failed")) {
        QVERIFY(fetched.error != QNetworkReply::NoError);
        QVERIFY(origin.requests.isEmpty());
        return;
    }
    QVERIFY2(fetched.error == QNetworkReply::NoError, proxy.output().constData());
    QCOMPARE(fetched.body, origin.responseBody);
    QCOMPARE(origin.requests.size(), 1);
    const RecordedRequest &request = origin.requests.first();
    QVERIFY(!request.absoluteForm());
    if (route == QLatin1String("direct")) {
        QVERIFY(request.peer != exit);
        QVERIFY(!request.headers.contains("via"));
        return;
    }
    QCOMPARE(request.peer, exit);
    if (kind == ProxyProcess::Http)
        QVERIFY(request.headers.value("via").contains("tinyproxy"));
}

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
