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

namespace {

// Marks every text of one context so a test can tell which source text and
// context a lookup used.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *disambiguation,
                      int n) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "I18NManager") != 0)
            return QString();
        return QStringLiteral("<") + QString::fromUtf8(sourceText) + QStringLiteral(">");
    }
};

// Writes skin files below `root`; an entry "skin/file=text" is a file, an entry
// ending in "/" a directory.
bool writeSkinTree(const QString &root, const QStringList &entries)
{
    for (const QString &entry : entries) {
        if (entry.endsWith(QLatin1Char('/'))) {
            if (!QDir().mkpath(root + QLatin1Char('/') + entry))
                return false;
            continue;
        }
        const qsizetype eq = entry.indexOf(QLatin1Char('='));
        const QString path = root + QLatin1Char('/') + entry.left(eq);
        if (!QDir().mkpath(QFileInfo(path).path()))
            return false;
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(entry.mid(eq + 1).toUtf8());
    }
    return true;
}

const QHash<QString, QString> &tableOf(const StyleManager &styles, const QString &name)
{
    if (name == QLatin1String("index"))
        return styles.indexSheets;
    if (name == QLatin1String("article"))
        return styles.articleSheets;
    return styles.uiSheets;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void languageSettingsRead_data();
    void languageSettingsRead();
    void languageSettingsSaved();
    void nameSourceTexts_data();
    void nameSourceTexts();
    void namesFollowTranslationChange();

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
    QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
    QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
}

void TestSettings::init()
{
    QSettings().clear();
}

void TestSettings::languageSettingsRead_data()
{
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QString>("targetLanguage");
    QTest::addColumn<bool>("autoTranslation");

    const QString ui = QStringLiteral(TS_KEY_UI_LANGUAGE);
    const QString target = QStringLiteral(TS_KEY_TRANSLATE_TARGET_LANGUAGE);
    const QString autoKey = QStringLiteral(TS_KEY_AUTO_TRANSLATION);

    QTest::newRow("zh_TW locale widened to simplified Chinese")
        << "zh_TW" << QVariantMap() << "zh_CN"
        << "zh_CN" << false;
    QTest::newRow("country part of the locale dropped") << "de_AT" << QVariantMap() << "de"
                                                        << "de" << false;
    QTest::newRow("unsupported locale language kept") << "nl_NL" << QVariantMap() << "nl"
                                                      << "nl" << false;
    QTest::newRow("stored values win over the locale")
        << "de_AT" << QVariantMap{{ui, "ja"}, {target, "fr"}, {autoKey, true}} << "ja"
        << "fr" << true;
    QTest::newRow("stored zh widened too")
        << "en_US" << QVariantMap{{ui, "zh"}, {target, "zh"}} << "zh_CN"
        << "zh_CN" << false;
    QTest::newRow("stored zh_TW not narrowed") << "en_US" << QVariantMap{{ui, "zh_TW"}} << "zh_TW"
                                               << "en" << false;
    QTest::newRow("target read under its own key") << "fr_FR" << QVariantMap{{target, "ru"}} << "fr"
                                                   << "ru" << false;
    QTest::newRow("stored empty value is not replaced by the locale")
        << "fr_FR" << QVariantMap{{ui, ""}} << ""
        << "fr" << false;
    QTest::newRow("auto translation off when stored false")
        << "fr_FR" << QVariantMap{{autoKey, false}} << "fr"
        << "fr" << false;
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
    I18NManager manager(nullptr, QStringLiteral("en_US"));
    QCOMPARE(manager.uiLanguages, QStringLiteral(TS_SUPPORTED_LANGUAGES).split(QLatin1Char(',')));
    manager.uiLanguage = QStringLiteral("ja");
    manager.translateTargetLanguage = QStringLiteral("zh_TW");
    manager.autoTranslation = true;
    manager.save();

    const QSettings settings;
    QCOMPARE(settings.value(QStringLiteral(TS_KEY_UI_LANGUAGE)).toString(), QStringLiteral("ja"));
    QCOMPARE(settings.value(QStringLiteral(TS_KEY_TRANSLATE_TARGET_LANGUAGE)).toString(),
             QStringLiteral("zh_TW"));
    QCOMPARE(settings.value(QStringLiteral(TS_KEY_AUTO_TRANSLATION)).toBool(), true);

    const I18NManager reread(nullptr, QStringLiteral("de_DE"));
    QCOMPARE(reread.uiLanguage, QStringLiteral("ja"));
    QCOMPARE(reread.translateTargetLanguage, QStringLiteral("zh_TW"));
    QCOMPARE(reread.autoTranslation, true);
}

void TestSettings::nameSourceTexts_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("source");

    // Misspelt source texts are the keys of the existing translations.
    QTest::newRow("France keeps its misspelt key") << "country"
                                                   << "fr"
                                                   << "Frence";
    QTest::newRow("Israel keeps its misspelt key") << "country"
                                                   << "il"
                                                   << "Isreal";
    QTest::newRow("Mexico keeps its misspelt key") << "country"
                                                   << "mx"
                                                   << "Mixco";
    QTest::newRow("Russia keeps its misspelt key") << "country"
                                                   << "ru"
                                                   << "Ruassia";
    QTest::newRow("Thailand keeps its misspelt key") << "country"
                                                     << "th"
                                                     << "Tailand";
    QTest::newRow("United States is USA") << "country"
                                          << "us"
                                          << "USA";
    QTest::newRow("Britain under gb not uk") << "country"
                                             << "gb"
                                             << "UK";
    QTest::newRow("ar is Argentina among countries") << "country"
                                                     << "ar"
                                                     << "Argentina";
    QTest::newRow("ar is Arabic among languages") << "language"
                                                  << "ar"
                                                  << "Arabic";
    QTest::newRow("Korean under the program's kr code") << "language"
                                                        << "kr"
                                                        << "Korean";
    QTest::newRow("Hebrew under the old iw code") << "language"
                                                  << "iw"
                                                  << "Hebrew";
    QTest::newRow("Polish under po") << "language"
                                     << "po"
                                     << "Polish";
    QTest::newRow("simplified Chinese under zh_CN") << "language"
                                                    << "zh_CN"
                                                    << "Simplified Chinese";
    QTest::newRow("general category under its misspelt key") << "group"
                                                             << "(c)General.Inforamtion"
                                                             << "General News";
    QTest::newRow("predefined filter kind") << "group"
                                            << "(f)predefined"
                                            << "Predefined";
    QTest::newRow("custom filter kind keeps its spelling") << "group"
                                                           << "(f)customed"
                                                           << "Customed";
}

void TestSettings::nameSourceTexts()
{
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, source);

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    I18NManager manager(nullptr, QStringLiteral("en_US"));
    manager.refreshI18nNames();
    QCoreApplication::removeTranslator(&translator);

    const QHash<QString, QString> &titles =
        table == QLatin1String("country")    ? manager.countryTitles
        : table == QLatin1String("language") ? manager.languageTitles
                                             : manager.groupTitles;
    QCOMPARE(titles.value(key), QStringLiteral("<") + source + QStringLiteral(">"));
}

void TestSettings::namesFollowTranslationChange()
{
    I18NManager manager(nullptr, QStringLiteral("en_US"));
    QVERIFY(manager.languageTitles.isEmpty());

    MarkingTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    manager.refreshI18nNames();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(manager.languageTitles.size(), 21);
    QCOMPARE(manager.countryTitles.size(), 39);
    QCOMPARE(manager.groupTitles.size(), 3);

    manager.refreshI18nNames();
    QCOMPARE(manager.languageTitles.size(), 21);
    QCOMPARE(manager.countryTitles.size(), 39);
    QCOMPARE(manager.languageTitles.value(QStringLiteral("de")), QStringLiteral("German"));
    QCOMPARE(manager.countryTitles.value(QStringLiteral("fr")), QStringLiteral("Frence"));
    QCOMPARE(manager.groupTitles.value(QStringLiteral("(f)customed")), QStringLiteral("Customed"));
}

void TestSettings::loadSkins_data()
{
    QTest::addColumn<bool>("createRoot");
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("skins");

    QTest::newRow("missing skin root fails") << false << QStringList() << false << QStringList();
    QTest::newRow("other skins without default fail")
        << true << QStringList{"dark/ui.css=d", "light/ui.css=l"} << false
        << QStringList{"dark", "light"};
    QTest::newRow("empty base sheet of default fails")
        << true << QStringList{"default/ui.css=", "default/ui_en.css=e"} << false
        << QStringList{"default"};
    QTest::newRow("default without base sheet fails")
        << true << QStringList{"default/ui_en.css=e"} << false << QStringList{"default"};
    QTest::newRow("default name compared exactly")
        << true << QStringList{"Default/ui.css=b"} << false << QStringList{"Default"};
    QTest::newRow("plain file named default is no skin")
        << true << QStringList{"default=b", "other/ui.css=o"} << false << QStringList{"other"};
    QTest::newRow("empty german sheet does not fail")
        << true << QStringList{"default/ui.css=b", "default/ui_de.css="} << true
        << QStringList{"default"};
    QTest::newRow("skins sorted ignoring case, hidden dirs and files skipped")
        << true << QStringList{"b/", "A/", "default/ui.css=b", ".hidden/", "zeta=z", "C/"} << true
        << QStringList{"A", "b", "C", "default"};
}

void TestSettings::loadSkins()
{
    QFETCH(bool, createRoot);
    QFETCH(QStringList, tree);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath(QStringLiteral("skin"));
    if (createRoot)
        QVERIFY(QDir().mkpath(root));
    QVERIFY(writeSkinTree(root, tree));

    StyleManager styles(root);
    QTEST(styles.loadSkins(), "loaded");
    QStringList names;
    for (const StyleSkin &skin : styles.skins) {
        QCOMPARE(skin.title, skin.name);
        names.append(skin.name);
    }
    QTEST(names, "skins");
}

void TestSettings::sheetFor_data()
{
    QTest::addColumn<QStringList>("tree");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("fallback");
    QTest::addColumn<QString>("sheet");

    const QStringList arabic{"default/ui.css=BASE", "default/ui_ar.css=AR"};
    QTest::newRow("language sheet preferred") << arabic << "ui"
                                              << "ar"
                                              << "default"
                                              << "AR";
    QTest::newRow("missing language falls back to base") << arabic << "ui"
                                                         << "fr"
                                                         << "default"
                                                         << "BASE";
    QTest::newRow("nothing under either key gives empty") << arabic << "index"
                                                          << "fr"
                                                          << "fr"
                                                          << "";
    QTest::newRow("empty language sheet falls back")
        << QStringList{"default/ui.css=BASE", "default/ui_de.css="} << "ui"
        << "de"
        << "default"
        << "BASE";
    QTest::newRow("article falls back to interface language")
        << QStringList{"default/ui.css=BASE", "default/article_en.css=EN"} << "article"
        << "ja"
        << "en"
        << "EN";
    QTest::newRow("own index sheet preferred over fallback")
        << QStringList{"default/ui.css=BASE", "default/index_fr.css=FR", "default/index_en.css=EN"}
        << "index"
        << "fr"
        << "en"
        << "FR";
    QTest::newRow("code outside the language list not loaded")
        << QStringList{"default/ui.css=BASE", "default/ui_nl.css=NL"} << "ui"
        << "nl"
        << "default"
        << "BASE";
    QTest::newRow("Chinese sheet stored under full code")
        << QStringList{"default/ui.css=BASE", "default/ui_zh_CN.css=ZH"} << "ui"
        << "zh_CN"
        << "default"
        << "ZH";
    QTest::newRow("short Chinese code finds no sheet")
        << QStringList{"default/ui.css=BASE", "default/ui_zh_CN.css=ZH"} << "ui"
        << "zh"
        << "default"
        << "BASE";
    QTest::newRow("last language of the list loaded")
        << QStringList{"default/ui.css=BASE", "default/article_zh_TW.css=TW"} << "article"
        << "zh_TW"
        << "en"
        << "TW";
    QTest::newRow("sheet read as UTF-8")
        << QStringList{"default/ui.css=BASE", QStringLiteral("default/index_ru.css=Привет")}
        << "index"
        << "ru"
        << "en" << QStringLiteral("Привет");
    QTest::newRow("index sheet not taken as interface sheet")
        << QStringList{"default/ui.css=BASE", "default/index_fr.css=IFR"} << "ui"
        << "fr"
        << "default"
        << "BASE";
    QTest::newRow("interface sheet not taken as article sheet")
        << QStringList{"default/ui.css=BASE", "default/ui_fr.css=UFR"} << "article"
        << "fr"
        << "en"
        << "";
    QTest::newRow("only the default skin loaded at start")
        << QStringList{"default/ui.css=BASE", "alpha/ui_fr.css=ALPHA"} << "ui"
        << "fr"
        << "default"
        << "BASE";
}

void TestSettings::sheetFor()
{
    QFETCH(QStringList, tree);
    QFETCH(QString, table);
    QFETCH(QString, key);
    QFETCH(QString, fallback);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath(QStringLiteral("skin"));
    QVERIFY(writeSkinTree(root, tree));

    StyleManager styles(root);
    QVERIFY(styles.loadSkins());
    QTEST(StyleManager::sheetFor(tableOf(styles, table), key, fallback), "sheet");
}

void TestSettings::laterSkinOverlaysEarlier()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.filePath(QStringLiteral("skin"));
    QVERIFY(writeSkinTree(root, {"default/ui.css=BASE", "default/ui_ar.css=AR",
                                 "default/index_fr.css=IFR", "dark/ui.css=DARK",
                                 "dark/ui_fr.css=DFR", "plain/index_en.css=PEN", "spare/"}));
    StyleManager styles(root);
    QVERIFY(styles.baseSheet.isEmpty());
    QVERIFY(styles.loadSkins());
    QCOMPARE(styles.baseSheet, QStringLiteral("BASE"));

    QVERIFY(styles.loadSkin(QStringLiteral("dark")));
    QCOMPARE(styles.baseSheet, QStringLiteral("DARK"));
    QCOMPARE(styles.uiSheets.value(QStringLiteral("default")), QStringLiteral("DARK"));
    QCOMPARE(styles.uiSheets.value(QStringLiteral("fr")), QStringLiteral("DFR"));
    QCOMPARE(styles.uiSheets.value(QStringLiteral("ar")), QStringLiteral("AR"));
    QCOMPARE(styles.indexSheets.value(QStringLiteral("fr")), QStringLiteral("IFR"));

    // A skin without a base sheet keeps the one loaded before.
    QVERIFY(styles.loadSkin(QStringLiteral("plain")));
    QCOMPARE(styles.baseSheet, QStringLiteral("DARK"));
    QCOMPARE(styles.indexSheets.value(QStringLiteral("en")), QStringLiteral("PEN"));
    QVERIFY(styles.loadSkin(QStringLiteral("missing")));
    QCOMPARE(styles.uiSheets.size(), 3);

    QVERIFY(QFile::remove(root + QStringLiteral("/default/ui.css")));
    QVERIFY(!styles.loadSkin(QStringLiteral("default")));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
