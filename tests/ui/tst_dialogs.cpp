// The dialog frame every dialog shares, and the proxy and language dialogs.

#include "configbox.h"
#include "coreresources.h"
#include "clprocessor.h"
#include "cltranslator.h"
#include "i18nconfigbox.h"
#include "i18nmanager.h"
#include "proxyconfigbox.h"
#include "proxymanager.h"
#include "testkit.h"
#include "titlebar.h"
#include "uiresources.h"

#include <QNetworkProxy>
#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <QtWidgets>

namespace {

/// A dialog with one control that counts how often it was asked to reload.
class CountingBox : public ConfigBox
{
public:
    CountingBox(bool twoButtons) : ConfigBox(nullptr, QString(), twoButtons)
    {
        content = new QLabel(QStringLiteral("content"), contentFrame());
        content->setMinimumSize(200, 120);
        contentLayout()->addWidget(content);
        resize(400, 260);
    }
    QLabel *content = nullptr;
    int refreshes = 0;

protected:
    void refreshContent() override { ++refreshes; }
};

QRect geometryIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

// The dialog frame with one button or two, dragged by one of its two title bars.
struct Frame
{
    const char *name;
    bool twoButtons;
    int bar;
    QPoint press, to, moved;
};
const Frame frameRows[] = {
    {"one button: centred OK; icon bar dragged", false, 0, {3, 5}, {23, 12}, {20, 7}},
    {"two buttons at the right; empty strip dragged up and left",
     true,
     1,
     {40, 20},
     {10, 2},
     {-30, -18}},
    {"two buttons; a one-pixel move moves one pixel", true, 1, {8, 8}, {9, 8}, {1, 0}},
};

// Proxy fields joined by '|': the mode (0 direct, 1 HTTP, 2 SOCKS) or the dialog's button
// ("direct", "http", "socks"), then host, port, user, password.
void storeProxy(const QString &fields) // empty: nothing stored
{
    QSettings settings;
    settings.clear();
    const QStringList keys{"ProxyMode", "ProxyHost", "ProxyPort", "ProxyUser", "ProxyPassword"};
    for (int i = 0; i < keys.size() && !fields.isEmpty(); ++i)
        settings.setValue(keys[i], fields.section('|', i, i));
}

const char *const Old = "1|old.host|8080|old|pw";
struct Proxy
{
    const char *name;
    const char *typed;        // the button clicked and the fields typed; null: saved as shown
    const char *focus;        // where a refusal puts the focus; empty: accepted
    const char *result;       // the manager's fields afterwards
    const char *stored = Old; // in the settings
};
const Proxy proxyRows[] = {
    {"stored: nothing", nullptr, "", "0||0||", ""},
    {"stored: HTTP proxy", nullptr, "", "1|proxy.lan|3128|ann| pass word ",
     "1|proxy.lan|3128|ann| pass word "},
    {"stored: SOCKS proxy", nullptr, "", "2|10.0.0.1|1080|ann| pass word ",
     "2|10.0.0.1|1080|ann| pass word "},
    // The manager applies every other non-zero mode as SOCKS 5.
    {"stored: mode 7 shows as SOCKS and stays on", nullptr, "", "2|10.0.0.1|1080|ann| pass word ",
     "7|10.0.0.1|1080|ann| pass word "},
    {"stored: port that is no number is direct access", nullptr, "",
     "0|proxy.lan|0|ann| pass word ", "1|proxy.lan|x|ann| pass word "},
    {"direct keeps the other fields", "direct||||", "", "0|old.host|8080|old|pw"},
    {"HTTP proxy", "http|proxy.lan|3128||", "", "1|proxy.lan|3128||"},
    {"SOCKS with user and password", "socks|10.0.0.1|1080|ann|secret", "",
     "2|10.0.0.1|1080|ann|secret"},
    {"host and user are trimmed, the password is not", "http|  proxy.lan |3128| ann |  two words  ",
     "", "1|proxy.lan|3128|ann|  two words  "},
    {"no user clears the password", "http|proxy.lan|3128|  |secret", "", "1|proxy.lan|3128||"},
    {"port 65534 is accepted", "http|proxy.lan|65534||", "", "1|proxy.lan|65534||"},
    {"port 1 is accepted", "socks|proxy.lan|1||", "", "2|proxy.lan|1||"},
    {"port 65535 is refused", "http|proxy.lan|65535||", "port", Old},
    {"port 0 is refused", "http|proxy.lan|0||", "port", Old},
    {"negative port is refused", "http|proxy.lan|-80||", "port", Old},
    {"port beyond 32 bits is refused", "http|proxy.lan|4294967297||", "port", Old},
    {"port that is no number is refused", "socks|proxy.lan|80a||", "port", Old},
    {"empty port is refused", "socks|proxy.lan|||", "port", Old},
    {"blank host is refused", "http|   |3128||", "host", Old},
    {"user without password is refused", "socks|proxy.lan|1080|ann|", "password", Old},
};

const char *const Engines = "(t)one (t)two (t)three";

/// The codes of list items, blank-separated.
QString ids(const QList<QListWidgetItem *> &items)
{
    QStringList codes;
    for (const QListWidgetItem *item : items)
        codes << item->data(Qt::UserRole).toString();
    return codes.join(' ');
}

/// The language dialog over three engines, the second named in English and German.
struct Language
{
    CLProcessor processor;
    I18NManager i18n{nullptr, QStringLiteral("en_US")};
    I18NConfigBox box;

    explicit Language(bool withEngines = true)
    {
        QVERIFY(processor.loadLanguageResource());
        for (const QString &id : withEngines ? QString(Engines).split(' ') : QStringList()) {
            auto *translator = new CLTranslator;
            translator->id = id;
            translator->name = id.mid(3) + " engine";
            if (id == "(t)two")
                translator->i18n = new CLI18n{"en", {{"en", "Two"}, {"de", "Zwei"}}};
            processor.translators.append(translator);
        }
        processor.rebuildPairIndex();
        box.i18n = &i18n;
        box.processor = &processor;
    }
    QString engineOrder() const
    {
        QStringList ids;
        for (const CLTranslator *translator : processor.translators)
            ids << translator->id;
        return ids.join(' ');
    }
    QString listed() const { return ids(box.translatorList->findItems("*", Qt::MatchWildcard)); }
};
void select(QListWidget *list, const QString &code)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() == code)
            return list->setCurrentRow(row);
    }
    QFAIL(qPrintable(code));
}

// The dialog shown in `language`, then an engine moved.
struct Move
{
    const char *name, *language, *engineTwo; // how the second engine is named
    int row;                                 // selected before the click; -1: none
    bool up;
    const char *order, *selected;
};
const Move moveRows[] = {
    {"English interface; first engine up stays", "en", "Two", 0, true, Engines, "(t)one"},
    {"German interface; last engine down stays", "de", "Zwei", 2, false, Engines, "(t)three"},
    {"engine without a name in the language keeps its original; middle engine up", "ja", "Two", 1,
     true, "(t)two (t)one (t)three", "(t)two"},
    {"middle engine down", "en", "Two", 1, false, "(t)one (t)three (t)two", "(t)two"},
    {"nothing selected", "en", "Two", -1, true, Engines, ""},
};

enum Close { Save, Cancel, SaveWithoutEngines };
struct LanguageAccept
{
    const char *name, *interface, *target;
    bool automatic, moveLastUp;
    const char *signalsSeen, *sequence; // the engines' order afterwards
    Close close = Save;
};
const LanguageAccept languageAcceptRows[] = {
    {"no change still rewrites everything and signals nothing", "en", "de", false, false, "",
     Engines},
    {"only the target language", "en", "fr", false, false, "target", Engines},
    {"only the interface language", "zh_TW", "de", false, false, "interface", Engines},
    {"both languages, interface first", "ja", "ru", true, false, "interface target", Engines},
    {"engine order is applied and stored", "en", "de", true, true, "", "(t)one (t)three (t)two"},
    {"cancel changes nothing", "fr", "ru", true, true, "", Engines, Cancel},
    // The engine file failed to load: the stored order must survive.
    {"no engines keep the stored order", "en", "de", false, false, "", "", SaveWithoutEngines},
};

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
    testkit::IsolatedSettings m_settings;

private slots:
    void initTestCase()
    {
        initCoreResources();
        initUiResources();
    }

    void init()
    {
        QSettings settings;
        settings.clear();
        settings.setValue("UILanguage", "en");
        settings.setValue("TranslateTargetLanguage", "de");
        settings.setValue("TranslatorSequence", "(t)three (t)one");
    }

    void frame_data() { testkit::rows(frameRows); }
    void frame()
    {
        const Frame &r = testkit::current(frameRows);
        CountingBox box(r.twoButtons);
        QCOMPARE(box.refreshes, 0);
        box.move(100, 100);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QList<TitleBar *> bars = box.titleStrip()->findChildren<TitleBar *>();
        QCOMPARE(bars.size(), 2);
        const QPoint start = box.pos();
        const QSize size = box.size();
        QTest::mousePress(bars.at(r.bar), Qt::LeftButton, Qt::NoModifier, r.press);
        QCOMPARE(box.pos(), start); // a press alone moves nothing
        QMouseEvent move(QEvent::MouseMove, QPointF(r.to),
                         bars.at(r.bar)->mapToGlobal(QPointF(r.to)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(bars.at(r.bar), &move);
        QCOMPARE(box.pos() - start, r.moved);
        QCOMPARE(box.size(), size);
        QList<QToolButton *> buttons{box.saveButton(), box.cancelButton(), box.okButton()};
        buttons.removeAll(nullptr);
        QCOMPARE(buttons.size(), r.twoButtons ? 2 : 1);
        // The row sits below the content, never on top of it.
        for (const QToolButton *button : std::as_const(buttons))
            QVERIFY(geometryIn(button, &box).top() >= geometryIn(box.content, &box).bottom());
        const QWidget *frame = box.contentFrame();
        const QRect first = geometryIn(buttons.first(), frame);
        const QRect last = geometryIn(buttons.last(), frame);
        const int leftGap = first.left(), rightGap = frame->width() - 1 - last.right();
        const QByteArray gaps = QByteArray::number(leftGap) + ' ' + QByteArray::number(rightGap);
        QVERIFY2(r.twoButtons
                     ? first.right() < last.left() && rightGap < 20 && leftGap > frame->width() / 2
                     : qAbs(leftGap - rightGap) <= 2,
                 gaps);
        // The buttons close the dialog with their result; every show reloads the content.
        buttons.first()->click();
        QCOMPARE(box.result(), QDialog::Accepted);
        box.show();
        buttons.last()->click();
        QCOMPARE(box.result(), r.twoButtons ? QDialog::Rejected : QDialog::Accepted);
        QVERIFY(!box.isVisible());
        box.show();
        QCOMPARE(box.refreshes, 3);
        // Un-minimising must not throw away what the user has typed so far: a show event as the
        // window system delivers it (sendEvent() would clear the flag).
        QShowEvent restored;
        QSpontaneKeyEvent::setSpontaneous(&restored);
        static_cast<QObject *>(&box)->event(&restored);
        QCOMPARE(box.refreshes, 3);
    }

    void proxy_data() { testkit::rows(proxyRows); }
    void proxy()
    {
        const Proxy &r = testkit::current(proxyRows);
        storeProxy(r.stored);
        ProxyManager manager;
        ProxyConfigBox box;
        box.manager = &manager;
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        const QList<QRadioButton *> buttons{box.directButton, box.httpButton, box.socksButton};
        const QStringList names{"direct", "http", "socks"};
        const QList<QLineEdit *> edits{box.hostEdit, box.portEdit, box.userEdit, box.passwordEdit};
        if (!r.typed) { // shown as loaded: the fields of direct access are hidden
            const int mode = QString(r.result).left(1).toInt();
            QString shown;
            for (int i = 0; i < buttons.size(); ++i)
                shown += buttons[i]->isChecked() ? names[i] : QString();
            for (const QLineEdit *edit : edits)
                shown += edit->isVisible() ? '|' + edit->text() : QString();
            QCOMPARE(shown, names[mode] + (mode ? QString(r.result).mid(1) : QString()));
        }
        const QNetworkProxy::ProxyType before = QNetworkProxy::applicationProxy().type();
        const QStringList typed = QString(r.typed).split('|');
        if (r.typed)
            buttons[names.indexOf(typed[0])]->click();
        for (int i = 0; r.typed && i < edits.size(); ++i)
            edits[i]->setText(typed[i + 1]);
        box.userEdit->setFocus();
        box.saveButton()->click();
        const QStringList focus{"", "host", "port", "user", "password"};
        QCOMPARE(box.isVisible() ? focus.value(edits.indexOf(box.focusWidget()) + 1) : "", r.focus);
        QCOMPARE(QStringList({QString::number(manager.mode), manager.host,
                              QString::number(manager.port), manager.user, manager.password})
                     .join('|'),
                 r.result);
        // Accepting what was shown keeps the proxy as it was applied.
        manager.save();
        if (!r.typed)
            QCOMPARE(QNetworkProxy::applicationProxy().type(), before);
    }

    void languageMove_data() { testkit::rows(moveRows); }
    void languageMove()
    {
        const Move &r = testkit::current(moveRows);
        Language setup;
        setup.i18n.uiLanguage = r.language;
        setup.i18n.autoTranslation = true;
        setup.box.show();
        const QListWidget *interfaces = setup.box.uiLanguageList;
        // Every language is named in itself, whatever the interface language.
        QCOMPARE(interfaces->item(0)->text(), "English");
        QCOMPARE(interfaces->item(7)->text(), "Deutsch");
        QCOMPARE(ids(interfaces->selectedItems()), r.language);
        QCOMPARE(ids(setup.box.targetLanguageList->selectedItems()), "de");
        QVERIFY(setup.box.autoTranslationBox->isChecked());
        QCOMPARE(setup.listed(), Engines);
        QCOMPARE(setup.box.translatorList->item(0)->text(), "one engine");
        QCOMPARE(setup.box.translatorList->item(1)->text(), r.engineTwo);
        if (r.row >= 0)
            setup.box.translatorList->setCurrentRow(r.row);
        (r.up ? setup.box.upButton : setup.box.downButton)->click();
        QCOMPARE(setup.listed(), r.order);
        QCOMPARE(ids(setup.box.translatorList->selectedItems()), r.selected);
        // The engines themselves change order only when the dialog is saved.
        QCOMPARE(setup.engineOrder(), Engines);
    }

    void languageAccept_data() { testkit::rows(languageAcceptRows); }
    void languageAccept()
    {
        const LanguageAccept &r = testkit::current(languageAcceptRows);
        Language setup(r.close != SaveWithoutEngines);
        QStringList seen;
        connect(&setup.box, &I18NConfigBox::UILanguageChanged, this, [&] {
            QVERIFY(!setup.box.isVisible());
            seen << "interface";
        });
        connect(&setup.box, &I18NConfigBox::translationLanguageChanged, this,
                [&] { seen << "target"; });
        setup.box.show();
        select(setup.box.uiLanguageList, r.interface);
        select(setup.box.targetLanguageList, r.target);
        setup.box.autoTranslationBox->setChecked(r.automatic);
        if (r.moveLastUp) {
            setup.box.translatorList->setCurrentRow(2);
            setup.box.translatorMoveUp();
        }
        const bool saved = r.close != Cancel;
        (saved ? setup.box.saveButton() : setup.box.cancelButton())->click();
        QCOMPARE(setup.box.result(), saved ? QDialog::Accepted : QDialog::Rejected);
        QCOMPARE(seen.join(' '), r.signalsSeen);
        const QSettings settings;
        QCOMPARE(settings.value("UILanguage").toString(), saved ? r.interface : "en");
        QCOMPARE(setup.i18n.uiLanguage, saved ? r.interface : "en");
        QCOMPARE(settings.value("TranslateTargetLanguage").toString(), saved ? r.target : "de");
        QCOMPARE(settings.contains("AutoTranslation"), saved);
        QCOMPARE(settings.value("AutoTranslation").toBool(), saved && r.automatic);
        QCOMPARE(settings.value("TranslatorSequence").toString(),
                 r.close == Save ? r.sequence : "(t)three (t)one");
        QCOMPARE(setup.engineOrder(), r.sequence);
        // Opening it again shows the values in force, not cancelled ones.
        setup.box.show();
        QCOMPARE(setup.listed(), r.sequence);
        QCOMPARE(setup.box.autoTranslationBox->isChecked(), saved && r.automatic);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
