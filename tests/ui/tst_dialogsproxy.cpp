#include "dialogfixture.h"
#include "proxyconfigbox.h"
#include "proxymanager.h"

#include <QNetworkProxy>
#include <QtTest>
#include <QtWidgets>

namespace {

void storeProxy(const QVariant &mode, const QString &host, const QVariant &port,
                const QString &user = QString(), const QString &password = QString())
{
    QSettings settings;
    settings.clear();
    if (mode.isValid())
        settings.setValue("ProxyMode", mode);
    settings.setValue("ProxyHost", host);
    settings.setValue("ProxyPort", port);
    settings.setValue("ProxyUser", user);
    settings.setValue("ProxyPassword", password);
}

QString checkedButton(const ProxyConfigBox &box)
{
    if (box.directButton->isChecked())
        return "direct";
    if (box.httpButton->isChecked())
        return "http";
    return box.socksButton->isChecked() ? "socks" : "none";
}

} // namespace

class TestDialogsProxy : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fixture::isolateSettings(); }

    void load_data()
    {
        QTest::addColumn<QVariant>("mode");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QVariant>("port");
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("savedMode");
        QTest::newRow("nothing stored") << QVariant() << "" << QVariant() << "direct" << 0;
        QTest::newRow("HTTP proxy") << QVariant(1) << "proxy.lan" << QVariant(3128) << "http" << 1;
        QTest::newRow("SOCKS proxy") << QVariant(2) << "10.0.0.1" << QVariant(1080) << "socks" << 2;
        // The manager applies every other non-zero mode as SOCKS 5.
        QTest::newRow("mode 7 shows as SOCKS and stays on")
            << QVariant(7) << "10.0.0.1" << QVariant(1080) << "socks" << 2;
        QTest::newRow("HTTP without a host is direct access")
            << QVariant(1) << "" << QVariant(3128) << "direct" << 0;
        QTest::newRow("port that is no number is direct access")
            << QVariant(1) << "proxy.lan" << QVariant("x") << "direct" << 0;
    }

    void load()
    {
        QFETCH(QVariant, mode);
        QFETCH(QString, host);
        QFETCH(QVariant, port);
        QFETCH(QString, button);
        QFETCH(int, savedMode);
        storeProxy(mode, host, port, "ann", " pass word ");
        ProxyManager manager;
        ProxyConfigBox box;
        box.manager = &manager;
        box.show();
        QCOMPARE(checkedButton(box), button);
        QCOMPARE(box.hostEdit->isVisible(), button != "direct");
        QCOMPARE(box.passwordEdit->isVisible(), button != "direct");
        if (button != "direct") {
            QCOMPARE(box.hostEdit->text(), host);
            QCOMPARE(box.portEdit->text(), port.toString());
            QCOMPARE(box.userEdit->text(), "ann");
            QCOMPARE(box.passwordEdit->text(), " pass word ");
        }
        // Accepting what was shown keeps the proxy as it was applied.
        const QNetworkProxy::ProxyType before = QNetworkProxy::applicationProxy().type();
        box.saveButton()->click();
        QCOMPARE(box.result(), QDialog::Accepted);
        QCOMPARE(manager.mode, savedMode);
        manager.save();
        QCOMPARE(QNetworkProxy::applicationProxy().type(), before);
        QCOMPARE(QNetworkProxy::applicationProxy().password(),
                 savedMode ? QString(" pass word ") : QString());
    }

    void accept_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("focus"); // empty: accepted
        QTest::addColumn<QString>("stored");

        QTest::newRow("direct keeps the other fields") << "direct"
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << ""
                                                       << "0|old.host|8080|old|pw";
        QTest::newRow("HTTP proxy") << "http"
                                    << "proxy.lan"
                                    << "3128"
                                    << ""
                                    << ""
                                    << ""
                                    << "1|proxy.lan|3128||";
        QTest::newRow("SOCKS with user and password") << "socks"
                                                      << "10.0.0.1"
                                                      << "1080"
                                                      << "ann"
                                                      << "secret"
                                                      << ""
                                                      << "2|10.0.0.1|1080|ann|secret";
        QTest::newRow("host and user are trimmed, the password is not")
            << "http"
            << "  proxy.lan "
            << "3128"
            << " ann "
            << "  two words  "
            << ""
            << "1|proxy.lan|3128|ann|  two words  ";
        QTest::newRow("no user clears the password") << "http"
                                                     << "proxy.lan"
                                                     << "3128"
                                                     << "  "
                                                     << "secret"
                                                     << ""
                                                     << "1|proxy.lan|3128||";
        QTest::newRow("port 65534 is accepted") << "http"
                                                << "proxy.lan"
                                                << "65534"
                                                << ""
                                                << ""
                                                << ""
                                                << "1|proxy.lan|65534||";
        QTest::newRow("port 1 is accepted") << "socks"
                                            << "proxy.lan"
                                            << "1"
                                            << ""
                                            << ""
                                            << ""
                                            << "2|proxy.lan|1||";
        const QString unchanged = "0|old.host|8080|old|pw";
        QTest::newRow("port 65535 is refused") << "http"
                                               << "proxy.lan"
                                               << "65535"
                                               << ""
                                               << ""
                                               << "port" << unchanged;
        QTest::newRow("port 0 is refused") << "http"
                                           << "proxy.lan"
                                           << "0"
                                           << ""
                                           << ""
                                           << "port" << unchanged;
        QTest::newRow("negative port is refused") << "http"
                                                  << "proxy.lan"
                                                  << "-80"
                                                  << ""
                                                  << ""
                                                  << "port" << unchanged;
        QTest::newRow("port beyond 32 bits is refused") << "http"
                                                        << "proxy.lan"
                                                        << "4294967297"
                                                        << ""
                                                        << ""
                                                        << "port" << unchanged;
        QTest::newRow("port that is no number is refused") << "socks"
                                                           << "proxy.lan"
                                                           << "80a"
                                                           << ""
                                                           << ""
                                                           << "port" << unchanged;
        QTest::newRow("empty port is refused") << "socks"
                                               << "proxy.lan"
                                               << ""
                                               << ""
                                               << ""
                                               << "port" << unchanged;
        QTest::newRow("blank host is refused") << "http"
                                               << "   "
                                               << "3128"
                                               << ""
                                               << ""
                                               << "host" << unchanged;
        QTest::newRow("user without password is refused") << "socks"
                                                          << "proxy.lan"
                                                          << "1080"
                                                          << "ann"
                                                          << ""
                                                          << "password" << unchanged;
    }

    void accept()
    {
        QFETCH(QString, button);
        QFETCH(QString, host);
        QFETCH(QString, port);
        QFETCH(QString, user);
        QFETCH(QString, password);
        QFETCH(QString, focus);
        QFETCH(QString, stored);
        storeProxy(0, "old.host", 8080, "old", "pw");
        ProxyManager manager;
        manager.host = "old.host";
        manager.port = 8080;
        manager.user = "old";
        manager.password = "pw";
        ProxyConfigBox box;
        box.manager = &manager;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QRadioButton *radio = button == "direct" ? box.directButton
                              : button == "http" ? box.httpButton
                                                 : box.socksButton;
        radio->click();
        if (button != "direct") {
            box.hostEdit->setText(host);
            box.portEdit->setText(port);
            box.userEdit->setText(user);
            box.passwordEdit->setText(password);
        }
        box.userEdit->setFocus();
        box.saveButton()->click();
        QCOMPARE(box.isVisible(), !focus.isEmpty());
        if (!focus.isEmpty()) {
            QLineEdit *expected = focus == "host"   ? box.hostEdit
                                  : focus == "port" ? box.portEdit
                                                    : box.passwordEdit;
            QCOMPARE(box.focusWidget(), expected);
        }
        QCOMPARE(QStringList({QString::number(manager.mode), manager.host,
                              QString::number(manager.port), manager.user, manager.password})
                     .join('|'),
                 stored);
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("TESSOLIN_SCREENSHOTS"))
            QSKIP("TESSOLIN_SCREENSHOTS is not set");
        storeProxy(2, "proxy.example.org", 1080, "ann", "secret");
        ProxyManager manager;
        ProxyConfigBox box;
        box.manager = &manager;
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QVERIFY(fixture::screenshot(&box, "proxy-socks"));
        box.directButton->click();
        QVERIFY(fixture::screenshot(&box, "proxy-direct"));
    }
};

QTEST_MAIN(TestDialogsProxy)
#include "tst_dialogsproxy.moc"
