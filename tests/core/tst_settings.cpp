#include "clconstants.h"
#include "i18nmanager.h"
#include "stylemanager.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// Marks every text of the manager's context so a test can tell which source text a lookup used.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return qstrcmp(context, "I18NManager") ? QString()
                                               : u'<' + QString::fromUtf8(sourceText) + u'>';
    }
};

// Writes skin files below `root`: "skin/file=text" is a file, an entry ending in "/" a directory.
bool writeSkinTree(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        const QString path = root + u'/' + entry.section(u'=', 0, 0);
        if (!QDir().mkpath(entry.endsWith(u'/') ? path : QFileInfo(path).path()))
            return false;
        QFile file(path);
        if (!entry.endsWith(u'/') &&
            !(file.open(QIODevice::WriteOnly) && file.write(entry.section(u'=', 1).toUtf8()) >= 0))
            return false;
    }
    return true;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { QSettings().clear(); }
    void languageSettingsRead_data();
    void languageSettingsRead();
    void languageSettingsSaved();
    void nameSourceTexts_data();
    void nameSourceTexts();
    void loadSkins_data();
    void loadSkins();
    void sheetFor_data();
    void sheetFor();
    void laterSkinOverlaysEarlier();

private:
    QTemporaryDir m_settingsDir;
};

void TestSettings::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
    QCoreApplication::setOrganizationName(TS_ORGANIZATION_NAME);
    QCoreApplication::setApplicationName(TS_APP_NAME);
}

void TestSettings::languageSettingsRead_data()
{
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QString>("targetLanguage");
    QTest::addColumn<bool>("autoTranslation");

    const QString ui = TS_KEY_UI_LANGUAGE;
    const QString target = TS_KEY_TRANSLATE_TARGET_LANGUAGE;
    QTest::newRow("zh_TW locale widened to simplified Chinese")
        << u"zh_TW"_s << QVariantMap() << u"zh_CN"_s << u"zh_CN"_s << false;
    QTest::newRow("country part of the locale dropped")
        << u"de_AT"_s << QVariantMap() << u"de"_s << u"de"_s << false;
    QTest::newRow("unsupported locale language kept")
        << u"nl_NL"_s << QVariantMap() << u"nl"_s << u"nl"_s << false;
    QTest::newRow("stored values win over the locale")
        << u"de_AT"_s << QVariantMap{{ui, "ja"}, {target, "fr"}, {TS_KEY_AUTO_TRANSLATION, true}}
        << u"ja"_s << u"fr"_s << true;
    QTest::newRow("stored zh widened too") << u"en_US"_s << QVariantMap{{ui, "zh"}, {target, "zh"}}
                                           << u"zh_CN"_s << u"zh_CN"_s << false;
    QTest::newRow("stored zh_TW not narrowed")
        << u"en_US"_s << QVariantMap{{ui, "zh_TW"}} << u"zh_TW"_s << u"en"_s << false;
    QTest::newRow("stored empty value is not replaced by the locale")
        << u"fr_FR"_s << QVariantMap{{ui, ""}} << QString() << u"fr"_s << false;
}

void TestSettings::languageSettingsRead()
{
    QFETCH(QString, systemLocale);
    QFETCH(QVariantMap, stored);
    {
        QSettings settings;
        for (auto it = stored.cbegin(); it != stored.cend(); ++it)
            settings.setValue(it.key(), it.value());
    }
    const I18NManager manager(nullptr, systemLocale);
    QTEST(manager.uiLanguage, "uiLanguage");
    QTEST(manager.translateTargetLanguage, "targetLanguage");
    QTEST(manager.autoTranslation, "autoTranslation");
}

void TestSettings::languageSettingsSaved()
{
    I18NManager manager(nullptr, u"en_US"_s);
    manager.uiLanguage = u"ja"_s;
    manager.translateTargetLanguage = u"zh_TW"_s;
    manager.autoTranslation = true;
    manager.save();

    const QSettings settings;
    QCOMPARE(settings.value(TS_KEY_UI_LANGUAGE).toString(), u"ja"_s);
    QCOMPARE(settings.value(TS_KEY_TRANSLATE_TARGET_LANGUAGE).toString(), u"zh_TW"_s);
    QCOMPARE(settings.value(TS_KEY_AUTO_TRANSLATION).toBool(), true);
    const I18NManager reread(nullptr, u"de_DE"_s);
    QCOMPARE(reread.uiLanguage + u' ' + reread.translateTargetLanguage, u"ja zh_TW"_s);
    QVERIFY(reread.autoTranslation);
}

void TestSettings::nameSourceTexts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("source");

    // Misspelt source texts are the keys of the existing translations.
    QTest::newRow("France keeps its misspelt key") << u"country"_s << u"fr"_s << u"Frence"_s;
    QTest::newRow("Britain under gb not uk") << u"country"_s << u"gb"_s << u"UK"_s;
    QTest::newRow("ar is Argentina among countries") << u"country"_s << u"ar"_s << u"Argentina"_s;
    QTest::newRow("ar is Arabic among languages") << u"language"_s << u"ar"_s << u"Arabic"_s;
    QTest::newRow("Korean under the program's kr code") << u"language"_s << u"kr"_s << u"Korean"_s;
    QTest::newRow("general category under its misspelt key")
        << u"group"_s << u"(c)General.Inforamtion"_s << u"General News"_s;
    QTest::newRow("custom filter kind keeps its spelling")
        << u"group"_s << u"(f)customed"_s << u"Customed"_s;
}

void TestSettings::nameSourceTexts()
{
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, source);

    I18NManager manager(nullptr, u"en_US"_s);
    const auto title = [&] {
        return (table == u"country"_s    ? manager.countryTitles
                : table == u"language"_s ? manager.languageTitles
                                         : manager.groupTitles)
            .value(key);
    };
    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    manager.refreshI18nNames();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(title(), u'<' + source + u'>');
    // The names follow a change of the installed translation.
    manager.refreshI18nNames();
    QCOMPARE(title(), source);
}

void TestSettings::loadSkins_data()
{
    QTest::addColumn<QStringList>("tree"); // empty: no skin root at all
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("skins");

    QTest::newRow("missing skin root fails") << QStringList() << false << QStringList();
    QTest::newRow("other skins without default fail")
        << QStringList{"dark/ui.css=d", "light/ui.css=l"} << false << QStringList{"dark", "light"};
    QTest::newRow("empty base sheet of default fails")
        << QStringList{"default/ui.css=", "default/ui_en.css=e"} << false << QStringList{"default"};
    QTest::newRow("default name compared exactly")
        << QStringList{"Default/ui.css=b"} << false << QStringList{"Default"};
    QTest::newRow("empty german sheet does not fail")
        << QStringList{"default/ui.css=b", "default/ui_de.css="} << true << QStringList{"default"};
    QTest::newRow("skins sorted ignoring case, hidden dirs and files skipped")
        << QStringList{"b/", "A/", "default/ui.css=b", ".hidden/", "zeta=z", "C/"} << true
        << QStringList{"A", "b", "C", "default"};
}

void TestSettings::loadSkins()
{
    QFETCH(QStringList, tree);
    QTemporaryDir dir;
    const QString root = dir.filePath(u"skin"_s);
    QVERIFY(writeSkinTree(root, tree));

    StyleManager styles(root);
    QTEST(styles.loadSkins(), "loaded");
    QStringList names;
    for (const StyleSkin &skin : std::as_const(styles.skins)) {
        QCOMPARE(skin.title, skin.name);
        names.append(skin.name);
    }
    QTEST(names, "skins");
}

void TestSettings::sheetFor_data()
{
    QTest::addColumn<QStringList>("tree"); // besides default/ui.css=BASE
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("sheet");

    const QStringList arabic{"default/ui_ar.css=AR"};
    QTest::newRow("language sheet preferred")
        << arabic << u"ui"_s << u"ar"_s << u"default"_s << u"AR"_s;
    QTest::newRow("missing language falls back to base")
        << arabic << u"ui"_s << u"fr"_s << u"default"_s << u"BASE"_s;
    QTest::newRow("nothing under either key gives empty")
        << arabic << u"index"_s << u"fr"_s << u"fr"_s << QString();
    QTest::newRow("empty language sheet falls back")
        << QStringList{"default/ui_de.css="} << u"ui"_s << u"de"_s << u"default"_s << u"BASE"_s;
    QTest::newRow("article falls back to interface language")
        << QStringList{"default/article_en.css=EN"} << u"article"_s << u"ja"_s << u"en"_s
        << u"EN"_s;
    QTest::newRow("own index sheet preferred over fallback")
        << QStringList{"default/index_fr.css=FR", "default/index_en.css=EN"} << u"index"_s
        << u"fr"_s << u"en"_s << u"FR"_s;
    QTest::newRow("code outside the language list not loaded")
        << QStringList{"default/ui_nl.css=NL"} << u"ui"_s << u"nl"_s << u"default"_s << u"BASE"_s;
    QTest::newRow("Chinese sheet stored under full code")
        << QStringList{"default/ui_zh_CN.css=ZH"} << u"ui"_s << u"zh_CN"_s << u"default"_s
        << u"ZH"_s;
    QTest::newRow("short Chinese code finds no sheet")
        << QStringList{"default/ui_zh_CN.css=ZH"} << u"ui"_s << u"zh"_s << u"default"_s
        << u"BASE"_s;
    QTest::newRow("last language of the list loaded")
        << QStringList{"default/article_zh_TW.css=TW"} << u"article"_s << u"zh_TW"_s << u"en"_s
        << u"TW"_s;
    QTest::newRow("sheet read as UTF-8") << QStringList{u"default/index_ru.css=Привет"_s}
                                         << u"index"_s << u"ru"_s << u"en"_s << u"Привет"_s;
    QTest::newRow("index sheet not taken as interface sheet")
        << QStringList{"default/index_fr.css=IFR"} << u"ui"_s << u"fr"_s << u"default"_s
        << u"BASE"_s;
    QTest::newRow("only the default skin loaded at start")
        << QStringList{"alpha/ui_fr.css=ALPHA"} << u"ui"_s << u"fr"_s << u"default"_s << u"BASE"_s;
}

void TestSettings::sheetFor()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, fallback);

    QTemporaryDir dir;
    const QString root = dir.filePath(u"skin"_s);
    QVERIFY(writeSkinTree(root, tree << u"default/ui.css=BASE"_s));
    StyleManager styles(root);
    QVERIFY(styles.loadSkins());
    const QHash<QString, QString> &sheets = table == u"index"_s     ? styles.indexSheets
                                            : table == u"article"_s ? styles.articleSheets
                                                                    : styles.uiSheets;
    QTEST(StyleManager::sheetFor(sheets, key, fallback), "sheet");
}

void TestSettings::laterSkinOverlaysEarlier()
{
    QTemporaryDir dir;
    const QString root = dir.filePath(u"skin"_s);
    QVERIFY(writeSkinTree(root, {"default/ui.css=BASE", "default/ui_ar.css=AR",
                                 "default/index_fr.css=IFR", "dark/ui.css=DARK",
                                 "dark/ui_fr.css=DFR", "plain/index_en.css=PEN"}));
    StyleManager styles(root);
    QVERIFY(styles.loadSkins());
    QCOMPARE(styles.baseSheet, u"BASE"_s);

    QVERIFY(styles.loadSkin(u"dark"_s));
    QCOMPARE(styles.baseSheet, u"DARK"_s);
    QCOMPARE(styles.uiSheets.value(u"default"_s), u"DARK"_s);
    QCOMPARE(styles.uiSheets.value(u"fr"_s), u"DFR"_s);
    QCOMPARE(styles.uiSheets.value(u"ar"_s), u"AR"_s);
    QCOMPARE(styles.indexSheets.value(u"fr"_s), u"IFR"_s);

    // A skin without a base sheet keeps the one loaded before.
    QVERIFY(styles.loadSkin(u"plain"_s));
    QCOMPARE(styles.baseSheet, u"DARK"_s);
    QCOMPARE(styles.indexSheets.value(u"en"_s), u"PEN"_s);

    QVERIFY(QFile::remove(root + u"/default/ui.css"_s));
    QVERIFY(!styles.loadSkin(u"default"_s));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
