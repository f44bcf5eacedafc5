#include "coreresources.h"
#include "cltranslator.h"
#include "dialogfixture.h"
#include "i18nconfigbox.h"
#include "uiresources.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct Setup
{
    CLProcessor processor;
    I18NManager i18n{nullptr, QStringLiteral("en_US")};
    I18NConfigBox box;

    explicit Setup(const QStringList &engines = {"(t)one", "(t)two", "(t)three"})
    {
        QVERIFY(processor.loadLanguageResource());
        for (const QString &id : engines) {
            auto *translator = new CLTranslator;
            translator->id = id;
            translator->name = id.mid(3) + " engine";
            if (id == "(t)two")
                translator->i18n = fixture::names({{"en", "Two"}, {"de", "Zwei"}});
            processor.translators.append(translator);
        }
        processor.rebuildPairIndex();
        box.i18n = &i18n;
        box.processor = &processor;
    }
    QStringList engineOrder() const
    {
        QStringList ids;
        for (const CLTranslator *translator : processor.translators)
            ids << translator->id;
        return ids;
    }
    QStringList listed() const
    {
        QStringList ids;
        for (int row = 0; row < box.translatorList->count(); ++row)
            ids << box.translatorList->item(row)->data(Qt::UserRole).toString();
        return ids;
    }
};

void select(QListWidget *list, const QString &code)
{
    for (int row = 0; row < list->count(); ++row) {
        if (list->item(row)->data(Qt::UserRole).toString() == code) {
            list->setCurrentRow(row);
            return;
        }
    }
    QFAIL(qPrintable(code));
}

} // namespace

class TestDialogsLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        fixture::isolateSettings();
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

    void fill_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("engineTwo");
        QTest::newRow("English interface") << "en"
                                           << "Two";
        QTest::newRow("German interface") << "de"
                                          << "Zwei";
        QTest::newRow("engine without a name in the language keeps its original") << "ja"
                                                                                  << "Two";
    }

    void fill()
    {
        QFETCH(QString, language);
        QFETCH(QString, engineTwo);
        Setup setup;
        setup.i18n.uiLanguage = language;
        setup.i18n.autoTranslation = true;
        setup.box.show();
        QCOMPARE(setup.box.uiLanguageList->count(), 21);
        QCOMPARE(setup.box.targetLanguageList->count(), 21);
        // Every language is named in itself, whatever the interface language.
        QCOMPARE(setup.box.uiLanguageList->item(0)->text(), "English");
        QCOMPARE(setup.box.uiLanguageList->item(7)->text(), "Deutsch");
        QCOMPARE(setup.box.uiLanguageList->selectedItems().size(), 1);
        QCOMPARE(setup.box.uiLanguageList->selectedItems().first()->data(Qt::UserRole).toString(),
                 language);
        QCOMPARE(
            setup.box.targetLanguageList->selectedItems().first()->data(Qt::UserRole).toString(),
            "de");
        QVERIFY(setup.box.autoTranslationBox->isChecked());
        QCOMPARE(setup.listed(), QStringList({"(t)one", "(t)two", "(t)three"}));
        QCOMPARE(setup.box.translatorList->item(0)->text(), "one engine");
        QCOMPARE(setup.box.translatorList->item(1)->text(), engineTwo);
    }

    void move_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("up");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<int>("selectedRow");
        QTest::newRow("first engine up stays")
            << 0 << true << QStringList{"(t)one", "(t)two", "(t)three"} << 0;
        QTest::newRow("last engine down stays")
            << 2 << false << QStringList{"(t)one", "(t)two", "(t)three"} << 2;
        QTest::newRow("middle engine up")
            << 1 << true << QStringList{"(t)two", "(t)one", "(t)three"} << 0;
        QTest::newRow("middle engine down")
            << 1 << false << QStringList{"(t)one", "(t)three", "(t)two"} << 2;
        QTest::newRow("nothing selected")
            << -1 << true << QStringList{"(t)one", "(t)two", "(t)three"} << -1;
    }

    void move()
    {
        QFETCH(int, row);
        QFETCH(bool, up);
        QFETCH(QStringList, order);
        QFETCH(int, selectedRow);
        Setup setup;
        setup.box.show();
        if (row >= 0)
            setup.box.translatorList->setCurrentRow(row);
        (up ? setup.box.upButton : setup.box.downButton)->click();
        QCOMPARE(setup.listed(), order);
        const QList<QListWidgetItem *> selected = setup.box.translatorList->selectedItems();
        QCOMPARE(selected.isEmpty() ? -1 : setup.box.translatorList->row(selected.first()),
                 selectedRow);
        // The engines themselves change order only when the dialog is saved.
        QCOMPARE(setup.engineOrder(), QStringList({"(t)one", "(t)two", "(t)three"}));
    }

    void accept_data()
    {
        QTest::addColumn<QString>("interface");
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<bool>("moveLastUp");
        QTest::addColumn<QStringList>("signalsSeen");
        QTest::addColumn<QString>("sequence");
        QTest::newRow("no change still rewrites everything and signals nothing")
            << "en"
            << "de" << false << false << QStringList() << "(t)one (t)two (t)three";
        QTest::newRow("only the target language")
            << "en"
            << "fr" << false << false << QStringList{"target"} << "(t)one (t)two (t)three";
        QTest::newRow("only the interface language")
            << "zh_TW"
            << "de" << false << false << QStringList{"interface"} << "(t)one (t)two (t)three";
        QTest::newRow("both languages, interface first")
            << "ja"
            << "ru" << true << false << QStringList{"interface", "target"}
            << "(t)one (t)two (t)three";
        QTest::newRow("engine order is applied and stored")
            << "en"
            << "de" << true << true << QStringList() << "(t)one (t)three (t)two";
    }

    void accept()
    {
        QFETCH(QString, interface);
        QFETCH(QString, target);
        QFETCH(bool, automatic);
        QFETCH(bool, moveLastUp);
        QFETCH(QStringList, signalsSeen);
        QFETCH(QString, sequence);
        Setup setup;
        QStringList seen;
        connect(&setup.box, &I18NConfigBox::UILanguageChanged, this, [&] {
            QVERIFY(!setup.box.isVisible());
            seen << "interface";
        });
        connect(&setup.box, &I18NConfigBox::translationLanguageChanged, this,
                [&] { seen << "target"; });
        setup.box.show();
        select(setup.box.uiLanguageList, interface);
        select(setup.box.targetLanguageList, target);
        setup.box.autoTranslationBox->setChecked(automatic);
        if (moveLastUp) {
            setup.box.translatorList->setCurrentRow(2);
            setup.box.translatorMoveUp();
        }
        setup.box.saveButton()->click();
        QCOMPARE(setup.box.result(), QDialog::Accepted);
        QCOMPARE(seen, signalsSeen);
        const QSettings settings;
        QCOMPARE(settings.value("UILanguage").toString(), interface);
        QCOMPARE(settings.value("TranslateTargetLanguage").toString(), target);
        QCOMPARE(settings.value("AutoTranslation").toBool(), automatic);
        QCOMPARE(settings.value("TranslatorSequence").toString(), sequence);
        QCOMPARE(setup.engineOrder().join(' '), sequence);
    }

    void cancelChangesNothing()
    {
        Setup setup;
        QSignalSpy interface(&setup.box, &I18NConfigBox::UILanguageChanged);
        setup.box.show();
        select(setup.box.uiLanguageList, "fr");
        setup.box.autoTranslationBox->setChecked(true);
        setup.box.translatorList->setCurrentRow(2);
        setup.box.translatorMoveUp();
        setup.box.cancelButton()->click();
        QCOMPARE(interface.size(), 0);
        QCOMPARE(setup.i18n.uiLanguage, "en");
        QCOMPARE(QSettings().value("AutoTranslation").isValid(), false);
        QCOMPARE(QSettings().value("TranslatorSequence").toString(), "(t)three (t)one");
        QCOMPARE(setup.engineOrder(), QStringList({"(t)one", "(t)two", "(t)three"}));
        // Opening it again shows the values in force, not the cancelled ones.
        setup.box.show();
        QCOMPARE(setup.listed(), setup.engineOrder());
        QVERIFY(!setup.box.autoTranslationBox->isChecked());
    }

    void noEnginesKeepStoredOrder()
    {
        // The engine file failed to load: the stored order must survive.
        Setup setup{QStringList()};
        setup.box.show();
        QCOMPARE(setup.box.translatorList->count(), 0);
        setup.box.saveButton()->click();
        QCOMPARE(setup.box.result(), QDialog::Accepted);
        QCOMPARE(QSettings().value("TranslatorSequence").toString(), "(t)three (t)one");
    }

    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("TESSOLIN_SCREENSHOTS"))
            QSKIP("TESSOLIN_SCREENSHOTS is not set");
        Setup setup;
        setup.box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&setup.box));
        setup.box.translatorList->setCurrentRow(1);
        QVERIFY(fixture::screenshot(&setup.box, "language"));
    }
};

QTEST_MAIN(TestDialogsLanguage)
#include "tst_dialogslanguage.moc"
