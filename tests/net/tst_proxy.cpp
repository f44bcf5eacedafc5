#include "clconstants.h"
#include "proxymanager.h"
#include "scriptedhttpserver.h"
#include "servicekit.h"
#include "testkit.h"

#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QtTest>

using namespace Qt::StringLiterals;
using servicekit::rows;

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

// settings as stored ("~" marks an absent key); fields as loaded; the proxy applied.
struct Load
{
    const char *name, *settings, *fields, *applied;
};
const Load loadRows[] = {
    {"http proxy with credentials", "1|proxy.example|3128|alice|s3cret",
     "1|proxy.example|3128|alice|s3cret", "http alice:s3cret@proxy.example:3128"},
    {"unknown mode treated as socks", "7|proxy.example|1080|~|~", "7|proxy.example|1080||",
     "socks5 :@proxy.example:1080"},
    {"empty host falls back to direct, fields kept", "1||8080|alice|~", "0||8080|alice|", "direct"},
    {"port zero falls back to direct", "2|proxy.example|0|~|~", "0|proxy.example|0||", "direct"},
    // 65536 would wrap to port 0, 68616 to 3080: another service.
    {"port above 65535 falls back to direct", "1|proxy.example|68616|~|~",
     "0|proxy.example|68616||", "direct"},
    {"highest port is kept", "1|proxy.example|65535|~|~", "1|proxy.example|65535||",
     "http :@proxy.example:65535"},
};

// proxy: the program listening on the proxy port, if any; route: how the origin was reached.
struct Route
{
    const char *name;
    int mode;
    const char *proxy, *credentials, *route;
};
const Route routeRows[] = {
    {"direct mode bypasses a running proxy", 0, "tinyproxy", "", "direct"},
    {"http mode goes through the http proxy", 1, "tinyproxy", "", "proxy"},
    {"socks mode goes through the socks proxy", 2, "microsocks", "", "proxy"},
    {"socks credentials passed on", 2, "microsocks", "bob:pw", "proxy"},
    {"proxy down fails instead of going direct", 1, "", "", "failed"},
};

} // namespace

class TestProxy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
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

    void loadValidation_data() { rows(loadRows); }
    void loadValidation()
    {
        const Load &r = testkit::current(loadRows);
        const QString settings = QString::fromLatin1(r.settings);
        // A leftover proxy would hide a manager that forgets to install its own.
        QNetworkProxy::setApplicationProxy({QNetworkProxy::HttpProxy, u"stale.invalid"_s, 9});
        QSettings stored;
        stored.clear();
        const QStringList values = settings.split(u'|');
        for (qsizetype i = 0; i < Keys.size(); ++i)
            if (values.at(i) != u"~"_s)
                stored.setValue(Keys.at(i), values.at(i));
        const ProxyManager m;
        QCOMPARE(u"%1|%2|%3|%4|%5"_s.arg(m.mode).arg(m.host).arg(m.port).arg(m.user, m.password),
                 QString::fromLatin1(r.fields));
        QCOMPARE(applied(), QString::fromLatin1(r.applied));
        // Loading never rewrites what is stored, even what it could not use.
        QCOMPARE(::stored(), settings);
    }

    void passwordFileOwnerOnly_data()
    {
        // The second finds the settings file there, readable by all.
        testkit::actionRows(
            {"new settings file is private", "existing readable settings file made private"});
    }
    void passwordFileOwnerOnly()
    {
        QFETCH(int, action);
        QString path;
        {
            QSettings settings;
            settings.clear();
            settings.sync();
            path = settings.fileName();
        }
        QFile::remove(path);
        if (action) {
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

    void routes_data() { rows(routeRows); }
    void routes()
    {
        const Route &r = testkit::current(routeRows);
        const QString proxy = QString::fromLatin1(r.proxy),
                      credentials = QString::fromLatin1(r.credentials);
        const QString program = proxy.isEmpty() ? QString() : QStandardPaths::findExecutable(proxy);
        TESSOLIN_NEEDS(proxy.isEmpty() || !program.isEmpty(),
                       "tinyproxy or microsocks is not installed");
        TESSOLIN_NEEDS(!m_hostName.isEmpty() && m_exitsUsable,
                       "no loopback host name, or 127.0.0.3 and 127.0.0.4 unusable as sources");
        ScriptedHttpServer origin;
        QVERIFY(origin.start(m_hostAddress));
        const QString user = credentials.section(u':', 0, 0),
                      password = credentials.section(u':', 1);
        const QHostAddress exit = proxy == u"tinyproxy"_s ? HttpProxyExit : SocksProxyExit;
        const QString config = m_settings.path() + u"/tinyproxy.conf"_s;
        const auto arguments = [&](quint16 port) {
            const QString portText = QString::number(port), from = exit.toString();
            if (proxy == u"tinyproxy"_s) // it reads its port from a file and refuses port 0
                return testkit::writeAll(config, "Port " + portText.toLatin1() +
                                                     "\nListen 127.0.0.1\nAllow 127.0.0.1\nBind " +
                                                     from.toLatin1())
                           ? QStringList{u"-d"_s, u"-c"_s, config}
                           : QStringList();
            const QStringList login{u"-u"_s, user, u"-P"_s, password};
            return QStringList{u"-i"_s, u"127.0.0.1"_s, u"-p"_s, portText, u"-b"_s, from} +
                   (user.isEmpty() ? QStringList() : login);
        };
        servicekit::LocalService service;
        QVERIFY2(proxy.isEmpty() || service.start(program, arguments),
                 service.output().constData());
        QTcpServer closed; // with no proxy running, a port nothing listens on
        QVERIFY(closed.listen(QHostAddress(QHostAddress::LocalHost), 0));
        const quint16 port = proxy.isEmpty() ? closed.serverPort() : service.port;
        closed.close();

        ProxyManager manager;
        manager.mode = r.mode, manager.host = u"127.0.0.1"_s, manager.port = port;
        manager.user = user, manager.password = password;
        manager.save();
        // Every field is stored, also those direct mode does not use.
        QCOMPARE(stored(), u"%1|127.0.0.1|%2|%3|%4"_s.arg(r.mode).arg(port).arg(user, password));

        QNetworkAccessManager network; // fresh: no pooled connection or cached credential
        QNetworkReply *reply =
            network.get(QNetworkRequest(QUrl(origin.url(u"/article"_s, m_hostName))));
        QSignalSpy finished(reply, &QNetworkReply::finished);
        QVERIFY(finished.wait(30000));
        const QHostAddress peer = origin.requests.value(0).peer;
        QCOMPARE(peer.isNull()  ? u"failed"_s
                 : peer == exit ? u"proxy"_s
                                : u"direct"_s,
                 QString::fromLatin1(r.route));
    }

private:
    testkit::IsolatedSettings m_settings;
    QString m_hostName;
    QHostAddress m_hostAddress;
    bool m_exitsUsable = false;
};

QTEST_GUILESS_MAIN(TestProxy)
#include "tst_proxy.moc"
