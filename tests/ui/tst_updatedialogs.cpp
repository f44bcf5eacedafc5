// The update dialogs offscreen: the settings they load and store, the texts
// they form from numbers and server messages, the modal answers the version
// manager gets from them, and screenshots of each.

#include "aboutbox.h"
#include "clconstants.h"
#include "i18nmanager.h"
#include "uiresources.h"
#include "updateboxes.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

// Runs `action` on the modal dialog as soon as one is open.
void whenModal(std::function<void(QWidget *)> action)
{
    auto *timer = new QTimer;
    timer->setInterval(5);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, action] {
        if (QWidget *modal = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            action(modal);
        }
    });
    timer->start();
}

QString checkedFrequency(const CommonUpdateBox &box)
{
    if (box.onStartButton()->isChecked())
        return u"On Software Start"_s;
    if (box.dailyButton()->isChecked())
        return u"Daily"_s;
    if (box.weeklyButton()->isChecked())
        return u"Weekly"_s;
    if (box.monthlyButton()->isChecked())
        return u"Monthly"_s;
    return QString();
}

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initUiResources();
        QVERIFY(m_settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
        QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
    }

    void init() { QSettings().clear(); }

    void settings_data()
    {
        QTest::addColumn<QVariant>("interval");
        QTest::addColumn<QVariant>("notification");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("storedInterval");
        QTest::addColumn<int>("storedNotification");

        QTest::newRow("nothing stored")
            << QVariant() << QVariant() << u"Daily"_s << false << 1 << 1;
        QTest::newRow("0") << QVariant(0) << QVariant(1) << u"On Software Start"_s << false << 0
                           << 1;
        QTest::newRow("-1 is stored as 0 when accepted unchanged")
            << QVariant(-1) << QVariant(1) << u"On Software Start"_s << false << 0 << 1;
        QTest::newRow("7") << QVariant(7) << QVariant(1) << u"Weekly"_s << false << 7 << 1;
        QTest::newRow("30") << QVariant(30) << QVariant(0) << u"Monthly"_s << true << 30 << 0;
        QTest::newRow("interval that is no number reads as absent, as the manager reads it")
            << QVariant(u"often"_s) << QVariant(1) << u"Daily"_s << false << 1 << 1;
        QTest::newRow("notification that is no number asks")
            << QVariant(1) << QVariant(u"never"_s) << u"Daily"_s << false << 1 << 1;
        QTest::newRow("notification other than 0 asks")
            << QVariant(1) << QVariant(5) << u"Daily"_s << false << 1 << 1;
    }

    void settings()
    {
        QFETCH(QVariant, interval);
        QFETCH(QVariant, notification);
        QFETCH(QString, frequency);
        QFETCH(bool, automatic);
        QFETCH(int, storedInterval);
        QFETCH(int, storedNotification);

        UpdateSettingBox box;
        if (interval.isValid())
            QSettings().setValue(TS_KEY_VERSION_CHECK_INTERVAL, interval);
        if (notification.isValid())
            QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, notification);
        // Shown a second time: the values stored since then are the ones shown.
        box.show();
        QCOMPARE(checkedFrequency(box), frequency);
        QCOMPARE(box.automaticButton()->isChecked(), automatic);
        QCOMPARE(box.askButton()->isChecked(), !automatic);
        box.saveButton()->click();
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_INTERVAL).toInt(), storedInterval);
        QCOMPARE(QSettings().value(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION).toInt(),
                 storedNotification);
    }

    void updateInfo_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("numbers");

        QTest::newRow("just under two kilobytes") << 2 << qint64(2047) << u"2 web sites, 1 KB"_s;
        QTest::newRow("nothing") << 0 << qint64(0) << u"0 web sites, 0 KB"_s;
        QTest::newRow("ten thousand gibibytes")
            << 10000 << qint64(10737418240000) << u"10000 web sites, 10485760000 KB"_s;
    }

    void updateInfo()
    {
        QFETCH(int, count);
        QFETCH(qint64, bytes);
        QFETCH(QString, numbers);
        UpdateConfirmationBox box;
        box.setInfo(7, 99999);
        box.setInfo(count, bytes);
        const QString text = box.textLabel()->text();
        QCOMPARE(text, u"There are updates available for %1 web sites, download size is %2 KB.  "
                       "Do you like to update now?"_s.arg(numbers.section(u' ', 0, 0),
                                                          numbers.section(u' ', 3, 3)));
    }

    void confirmUpdate_data()
    {
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QVariant>("stored");

        QTest::newRow("OK") << false << true << QVariant();
        QTest::newRow("OK with automatic downloads from now on") << true << true << QVariant(0);
        QTest::newRow("Not Now stores nothing") << true << false << QVariant();
    }

    void confirmUpdate()
    {
        QFETCH(bool, automatic);
        QFETCH(bool, ok);
        QFETCH(QVariant, stored);
        UpdateConfirmationBox box;
        UpdatePrompt *prompt = &box;
        whenModal([&](QWidget *modal) {
            QCOMPARE(modal, &box);
            box.automaticBox()->setChecked(automatic);
            (ok ? box.saveButton() : box.cancelButton())->click();
        });
        QCOMPARE(prompt->confirmUpdate(3, 4096), ok);
        QCOMPARE(QSettings().value(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION), stored);
    }

    void upgradeOffer_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown"); // version and size as the offer shows them

        QTest::newRow("exactly five mebibytes")
            << u"2.0"_s << qint64(5 * 1048576) << u"Notes"_s << u"(2.0) ... 5Mb"_s;
        QTest::newRow("one byte short of a mebibyte")
            << u"2.0"_s << qint64(1048575) << QString() << u"(2.0) ... 0Mb"_s;
        QTest::newRow("five gibibytes")
            << u"3"_s << qint64(5368709120) << QString() << u"(3) ... 5120Mb"_s;
        QTest::newRow("server texts stay plain text")
            << u"<b>9</b>%2"_s << qint64(0) << u"<img src='http://x.example/t.png'>&amp;"_s
            << u"(<b>9</b>%2) ... 0Mb"_s;
    }

    void upgradeOffer()
    {
        QFETCH(QString, version);
        QFETCH(qint64, bytes);
        QFETCH(QString, message);
        QFETCH(QString, shown);
        UpgradeConfirmationBox box;
        UpgradePrompt *prompt = &box;
        QString offer;
        QString notes;
        whenModal([&](QWidget *) {
            offer = box.offerLabel()->text();
            notes = box.messageLabel()->text();
            box.cancelButton()->click();
        });
        QCOMPARE(prompt->ask(version, bytes, u"setup.exe"_s, message), 0);
        QVERIFY2(offer.startsWith(u"A new version "_s + shown.section(u" ... "_s, 0, 0) +
                                  u" of software is available, the file size is "_s +
                                  shown.section(u" ... "_s, 1) + u".  "_s),
                 qPrintable(offer));
        QVERIFY(offer.endsWith(u"download from the website http://" TS_ORGANIZATION_DOMAIN "."_s));
        QCOMPARE(notes, message);
        QCOMPARE(box.offerLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(box.messageLabel()->textFormat(), Qt::PlainText);
    }

    void upgradeChooser()
    {
        UpgradeConfirmationBox box;
        QStringList starts;
        QStringList answers{QString(), u"/tmp/chosen/setup.exe"_s};
        box.fileChooser = [&](QWidget *, const QString &start) {
            starts.append(start);
            return answers.takeFirst();
        };
        bool stayedOpen = false;
        whenModal([&](QWidget *) {
            box.saveButton()->click(); // the chooser is cancelled
            stayedOpen = box.isVisible();
            box.saveButton()->click();
        });
        QCOMPARE(box.ask(u"2.0"_s, 10, u"setup.exe"_s, QString()), 1);
        QVERIFY(stayedOpen);
        QCOMPARE(starts, QStringList({u"setup.exe"_s, u"setup.exe"_s}));
        QCOMPARE(box.upgradePath(), u"/tmp/chosen/setup.exe"_s);
    }

    void deferReminder()
    {
        UpgradeConfirmationBox box;
        whenModal([&](QWidget *) { box.remindButton()->click(); });
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(box.ask(u"2.0"_s, 10, u"setup.exe"_s, QString()), 0);
        const QDateTime stored = QDateTime::fromString(
            QSettings().value(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP).toString(),
            u"yyyy-MM-dd hh:mm:ss"_s);
        QVERIFY(stored.isValid());
        QVERIFY(stored >= before);
    }

    void downloadComplete()
    {
        AppDownloadCompleteBox box;
        DownloadCompletePrompt *prompt = &box;
        // Returns at once, leaving the dialog open.
        prompt->showDownloadComplete(u"/home/u/<b>setup</b>.exe"_s);
        QVERIFY(box.isVisible());
        QCOMPARE(box.textLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(box.textLabel()->text(),
                 u"Software upgrade download has completed.  The installer file is at "
                 "/home/u/<b>setup</b>.exe, please manually uninstall the current version and "
                 "install the new one."_s);
        QVERIFY(box.okButton() && !box.saveButton());
        box.okButton()->click();
        QVERIFY(!box.isVisible());
    }

    void initialConfig_data()
    {
        QTest::addColumn<QStringList>("targets");
        QTest::addColumn<int>("targetIndex");
        QTest::addColumn<QString>("storedTarget");

        QTest::newRow("target chosen") << QStringList{u"en"_s, u"de"_s} << 0 << u"en"_s;
        QTest::newRow("no target languages: the target stays") << QStringList() << -1 << u"de"_s;
    }

    void initialConfig()
    {
        QFETCH(QStringList, targets);
        QFETCH(int, targetIndex);
        QFETCH(QString, storedTarget);

        I18NManager i18n(nullptr, u"en_US"_s);
        i18n.uiLanguages = {u"en"_s, u"de"_s, u"ja"_s};
        i18n.targetLanguages = targets;
        i18n.languageTitles = {{u"en"_s, u"English"_s}, {u"de"_s, u"German"_s}};
        i18n.uiLanguage = u"en"_s;
        i18n.translateTargetLanguage = u"de"_s;
        InitialConfigBox box(&i18n);
        QSignalSpy retranslation(&box, &InitialConfigBox::requestRetranslation);
        QSignalSpy check(&box, &InitialConfigBox::requestVersionCheck);
        box.retranslateUI(); // refilling the boxes asks for nothing
        QCOMPARE(box.uiLanguageBox()->count(), 3);
        QCOMPARE(box.uiLanguageBox()->currentText(), u"English"_s);
        QCOMPARE(box.uiLanguageBox()->itemText(2), u"ja"_s);
        box.uiLanguageBox()->setCurrentIndex(0); // the current language again
        QCOMPARE(retranslation.size(), 0);
        box.uiLanguageBox()->setCurrentIndex(2);
        QCOMPARE(retranslation.size(), 1);
        QCOMPARE(i18n.uiLanguage, u"ja"_s);

        box.targetLanguageBox()->setCurrentIndex(targetIndex);
        box.weeklyButton()->setChecked(true);
        box.accept();
        QCOMPARE(i18n.translateTargetLanguage, storedTarget);
        QCOMPARE(QSettings().value(TS_KEY_APP_INTERNAL_VERSION).toString(), u"010000"_s);
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_INTERVAL).toInt(), 7);
        QCOMPARE(check.size(), 1);
    }

    void aboutBox_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");

        QTest::newRow("never checked") << QVariant() << u"Last update check: Never"_s;
        QTest::newRow("checked") << QVariant(u"2026-12-01 10:00:00"_s)
                                 << u"Last update check: 2026-12-01 10:00:00"_s;
        QTest::newRow("unreadable time")
            << QVariant(u"<b>soon</b>"_s) << u"Last update check: Never"_s;
    }

    void aboutBox()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        AboutBox box;
        if (stored.isValid())
            QSettings().setValue(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP, stored);
        box.show();
        QCOMPARE(box.lastCheckLabel()->text(), shown);
        QCOMPARE(box.versionLabel()->text(), u"Tessolin 1.0"_s);
        QVERIFY(box.okButton() && !box.saveButton());
    }

    void frames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("buttons");

        QTest::newRow("settings") << u"settings"_s << u"Update Settings"_s << QSize(600, 200)
                                  << u"Save|Cancel"_s;
        QTest::newRow("first run")
            << u"first run"_s << u"Initial Configurations"_s << QSize(600, 300) << u"Save|Cancel"_s;
        QTest::newRow("update") << u"update"_s << u"Update Download Confirmation"_s
                                << QSize(450, 150) << u"OK|Not Now"_s;
        QTest::newRow("upgrade") << u"upgrade"_s << u"Upgrade Download Confirmation"_s
                                 << QSize(450, 200) << u"Download|Not Now"_s;
        QTest::newRow("complete") << u"complete"_s << u"Download Completed"_s << QSize(450, 200)
                                  << u"OK"_s;
        QTest::newRow("about") << u"about"_s << u"About Tessolin"_s << QSize(450, 220) << u"OK"_s;
    }

    // Captions, sizes and button forms; with TESSOLIN_SHOT_DIR set, a screenshot of each.
    void frames()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QSize, size);
        QFETCH(QString, buttons);

        QSettings().setValue(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP, u"2026-12-06 21:30:00"_s);
        I18NManager i18n(nullptr, u"en_US"_s);
        i18n.uiLanguages = {u"en"_s, u"de"_s};
        i18n.targetLanguages = {u"en"_s, u"de"_s};
        i18n.languageTitles = {{u"en"_s, u"English"_s}, {u"de"_s, u"German"_s}};
        i18n.uiLanguage = u"en"_s;
        i18n.translateTargetLanguage = u"de"_s;
        std::unique_ptr<ConfigBox> box;
        if (name == u"settings"_s) {
            box = std::make_unique<UpdateSettingBox>();
        } else if (name == u"first run"_s) {
            box = std::make_unique<InitialConfigBox>(&i18n);
        } else if (name == u"update"_s) {
            auto update = std::make_unique<UpdateConfirmationBox>();
            update->setInfo(3, 52000);
            box = std::move(update);
        } else if (name == u"upgrade"_s) {
            auto upgrade = std::make_unique<UpgradeConfirmationBox>();
            whenModal([&](QWidget *) { upgrade->cancelButton()->click(); });
            upgrade->ask(u"1.1"_s, 12 * 1048576, u"setup.exe"_s,
                         u"Faster updates.\nNew sites: <b>Le Monde</b>."_s);
            box = std::move(upgrade);
        } else if (name == u"complete"_s) {
            auto complete = std::make_unique<AppDownloadCompleteBox>();
            complete->showDownloadComplete(u"/home/reader/Downloads/tessolin-1.1-setup.exe"_s);
            box = std::move(complete);
        } else {
            box = std::make_unique<AboutBox>();
        }
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QCOMPARE(box->caption()->text(), caption);
        QCOMPARE(box->size(), size);
        QStringList texts;
        for (QToolButton *button : {box->saveButton(), box->cancelButton(), box->okButton()}) {
            if (button)
                texts.append(button->text());
        }
        QCOMPARE(texts.join(u'|'), buttons);
        // The button row lies below everything else in the frame.
        QToolButton *first = box->okButton() ? box->okButton() : box->saveButton();
        const QLabel *label = box->contentFrame()->findChild<QLabel *>();
        if (label)
            QVERIFY(first->geometry().top() >= label->geometry().bottom());

        const QByteArray dir = qgetenv("TESSOLIN_SHOT_DIR");
        if (!dir.isEmpty())
            QVERIFY(box->grab().save(QString::fromLocal8Bit(dir) + u"/update-"_s +
                                     QString(name).replace(u' ', u'-') + u".png"_s));
    }

private:
    QTemporaryDir m_settingsDir;
};

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
