// The update dialogs offscreen: the settings they load and store, the numbers
// and server texts they show, and the modal answers the version manager gets.

#include "aboutbox.h"
#include "clconstants.h"
#include "i18nmanager.h"
#include "testkit.h"
#include "uiresources.h"
#include "updateboxes.h"

#include <QtTest>
#include <QtWidgets>

#include <functional>

namespace {

// Runs `action` on the modal dialog from inside its own event loop, which is running by the time
// a zero timer fires; any dialog still open afterwards is closed so that the test cannot hang.
void whenModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, [action] {
        if (QWidget *modal = QApplication::activeModalWidget())
            action(modal);
        else
            QTest::qFail("no modal dialog is open", __FILE__, __LINE__);
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QDialog *>(widget); dialog && dialog->isVisible())
                dialog->reject();
        }
    });
}

struct Setting
{
    const char *name, *interval, *notification; // stored; null: nothing
    int button;                                 // on start, daily, weekly, monthly
    bool automatic;
    int storedInterval, storedNotification;
};
const Setting settingRows[] = {
    {"nothing stored", nullptr, nullptr, 1, false, 1, 1},
    {"0", "0", "1", 0, false, 0, 1},
    {"-1 is stored as 0 when accepted unchanged", "-1", "1", 0, false, 0, 1},
    {"7", "7", "1", 2, false, 7, 1},
    {"30", "30", "0", 3, true, 30, 0},
    {"interval that is no number reads as absent, as the manager reads it", "often", "1", 1, false,
     1, 1},
    {"notification that is no number asks", "1", "never", 1, false, 1, 1},
    {"notification other than 0 asks", "1", "5", 1, false, 1, 1},
};

enum Answer { Cancel, Later, Save };
struct Offer
{
    const char *name, *version;
    qint64 bytes;
    const char *message, *size;
    Answer answer = Cancel;
};
const Offer offerRows[] = {
    {"exactly five mebibytes", "2.0", 5 * 1048576, "Notes", "5Mb"},
    {"one byte short of a mebibyte", "2.0", 1048575, "", "0Mb"},
    {"five gibibytes", "3", 5368709120, "", "5120Mb"},
    {"server texts stay plain text", "<b>9</b>%2", 0, "<img src='http://x.example/t.png'>&amp;",
     "0Mb"},
    {"later stores when it was asked", "2.0", 10, "", "0Mb", Later},
    {"save asks where until a place is chosen", "2.0", 10, "", "0Mb", Save},
};

struct Confirm
{
    const char *name;
    int count;
    qint64 bytes;
    const char *numbers; // the site count and the size in KB, as shown
    bool automatic, ok;
    int stored; // the download notification stored; -1: nothing
};
const Confirm confirmRows[] = {
    {"OK: just under two kilobytes", 2, 2047, "2 1", false, true, -1},
    {"OK with automatic downloads from now on: nothing", 0, 0, "0 0", true, true, 0},
    {"Not Now stores nothing: ten thousand gibibytes", 10000, 10737418240000, "10000 10485760000",
     true, false, -1},
};

} // namespace

class TestUpdateDialogs : public QObject
{
    Q_OBJECT
    testkit::IsolatedSettings m_settings;

private slots:
    void initTestCase() { initUiResources(); }
    void init() { QSettings().clear(); }

    void settings_data() { testkit::rows(settingRows); }
    void settings()
    {
        const Setting &r = testkit::current(settingRows);
        UpdateSettingBox box;
        if (r.interval)
            QSettings().setValue(TS_KEY_VERSION_CHECK_INTERVAL, r.interval);
        if (r.notification)
            QSettings().setValue(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION, r.notification);
        // Shown after the values were stored: those are the ones shown.
        box.show();
        const QList<QAbstractButton *> buttons{box.onStartButton(), box.dailyButton(),
                                               box.weeklyButton(), box.monthlyButton()};
        for (int i = 0; i < buttons.size(); ++i)
            QCOMPARE(buttons.at(i)->isChecked(), i == r.button);
        QCOMPARE(box.automaticButton()->isChecked(), r.automatic);
        QCOMPARE(box.askButton()->isChecked(), !r.automatic);
        box.saveButton()->click();
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_INTERVAL).toInt(), r.storedInterval);
        QCOMPARE(QSettings().value(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION).toInt(),
                 r.storedNotification);
    }

    void confirmUpdate_data() { testkit::rows(confirmRows); }
    void confirmUpdate()
    {
        const Confirm &r = testkit::current(confirmRows);
        UpdateConfirmationBox box;
        UpdatePrompt *prompt = &box;
        box.setInfo(7, 99999); // replaced by what the prompt is asked
        QStringList numbers;
        whenModal([&](QWidget *modal) {
            QCOMPARE(modal, &box);
            const QString text = box.textLabel()->text();
            for (const auto &number : QRegularExpression("\\d+").globalMatch(text))
                numbers << number.captured(0);
            box.automaticBox()->setChecked(r.automatic);
            (r.ok ? box.saveButton() : box.cancelButton())->click();
        });
        QCOMPARE(prompt->confirmUpdate(r.count, r.bytes), r.ok);
        QCOMPARE(numbers.join(' '), r.numbers);
        QCOMPARE(QSettings().value(TS_KEY_VERSION_DOWNLOAD_NOTIFICATION),
                 r.stored < 0 ? QVariant() : QVariant(r.stored));
    }

    void upgradeOffer_data() { testkit::rows(offerRows); }
    void upgradeOffer()
    {
        const Offer &r = testkit::current(offerRows);
        UpgradeConfirmationBox box;
        UpgradePrompt *prompt = &box;
        QStringList answers{QString(), "/tmp/chosen/setup.exe"}, asked;
        box.fileChooser = [&](QWidget *, const QString &start) {
            asked << start + (box.isVisible() ? " open" : " closed");
            return answers.takeFirst();
        };
        QString offer, notes;
        whenModal([&](QWidget *) {
            offer = box.offerLabel()->text();
            notes = box.messageLabel()->text();
            const QList<QAbstractButton *> buttons{box.cancelButton(), box.remindButton(),
                                                   box.saveButton()};
            buttons[r.answer]->click();
            if (r.answer == Save)
                box.saveButton()->click(); // the first place was not chosen
        });
        const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
        QCOMPARE(prompt->ask(r.version, r.bytes, "setup.exe", r.message), int(r.answer == Save));
        const QDateTime reminded = QDateTime::fromString(
            QSettings().value(TS_KEY_LAST_APP_UPGRADE_REMIND_TIMESTAMP).toString(),
            "yyyy-MM-dd hh:mm:ss");
        QCOMPARE(reminded.isValid() && reminded >= before, r.answer == Later);
        QCOMPARE(asked.join(' '), r.answer == Save ? "setup.exe open setup.exe open" : "");
        QCOMPARE(box.upgradePath(), r.answer == Save ? "/tmp/chosen/setup.exe" : "setup.exe");
        QVERIFY2(offer.contains(QString("(%1)").arg(r.version)), qPrintable(offer));
        QVERIFY2(offer.contains(QString(" ") + r.size), qPrintable(offer));
        QCOMPARE(notes, r.message);
        QCOMPARE(box.offerLabel()->textFormat(), Qt::PlainText);
        QCOMPARE(box.messageLabel()->textFormat(), Qt::PlainText);
    }

    void downloadComplete()
    {
        AppDownloadCompleteBox box;
        DownloadCompletePrompt *prompt = &box;
        prompt->showDownloadComplete("/home/u/<b>setup</b>.exe"); // returns at once, left open
        QVERIFY(box.isVisible());
        QCOMPARE(box.textLabel()->textFormat(), Qt::PlainText);
        QVERIFY(box.textLabel()->text().contains(" /home/u/<b>setup</b>.exe,"));
        box.okButton()->click();
        QVERIFY(!box.isVisible());
    }

    void initialConfig_data()
    {
        QTest::addColumn<QStringList>("targets");
        QTest::addColumn<int>("targetIndex");
        QTest::addColumn<QString>("storedTarget");
        QTest::newRow("target chosen") << QStringList{"en", "de"} << 0 << "en";
        QTest::newRow("no target languages: the target stays") << QStringList() << -1 << "de";
    }
    void initialConfig()
    {
        QFETCH(QStringList, targets);
        QFETCH(int, targetIndex);
        I18NManager i18n(nullptr, "en_US");
        i18n.uiLanguages = {"en", "de", "ja"};
        i18n.targetLanguages = targets;
        i18n.languageTitles = {{"en", "English"}, {"de", "German"}};
        i18n.uiLanguage = "en";
        i18n.translateTargetLanguage = "de";
        InitialConfigBox box(&i18n);
        QSignalSpy retranslation(&box, &InitialConfigBox::requestRetranslation);
        QSignalSpy check(&box, &InitialConfigBox::requestVersionCheck);
        box.retranslateUI(); // refilling the boxes asks for nothing
        QCOMPARE(box.uiLanguageBox()->count(), 3);
        QCOMPARE(box.uiLanguageBox()->currentText(), "English");
        QCOMPARE(box.uiLanguageBox()->itemText(2), "ja");
        box.uiLanguageBox()->setCurrentIndex(0); // the current language again
        QCOMPARE(retranslation.size(), 0);
        box.uiLanguageBox()->setCurrentIndex(2);
        QCOMPARE(retranslation.size(), 1);
        QCOMPARE(i18n.uiLanguage, "ja");
        box.targetLanguageBox()->setCurrentIndex(targetIndex);
        box.weeklyButton()->setChecked(true);
        box.accept();
        QTEST(i18n.translateTargetLanguage, "storedTarget");
        QCOMPARE(QSettings().value(TS_KEY_APP_INTERNAL_VERSION).toString(), "010000");
        QCOMPARE(QSettings().value(TS_KEY_VERSION_CHECK_INTERVAL).toInt(), 7);
        QCOMPARE(check.size(), 1);
    }

    void aboutBox_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown"); // after "Last update check: "
        QTest::newRow("never checked") << QVariant() << "Never";
        QTest::newRow("checked") << QVariant("2026-12-01 10:00:00") << "2026-12-01 10:00:00";
        QTest::newRow("unreadable time") << QVariant("<b>soon</b>") << "Never";
    }
    void aboutBox()
    {
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        AboutBox box;
        if (stored.isValid())
            QSettings().setValue(TS_KEY_LAST_VERSION_CHECK_TIMESTAMP, stored);
        box.show();
        QCOMPARE(box.lastCheckLabel()->text(), "Last update check: " + shown);
    }
};

QTEST_MAIN(TestUpdateDialogs)
#include "tst_updatedialogs.moc"
