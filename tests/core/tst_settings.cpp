#include "clconstants.h"
#include "i18nmanager.h"
#include "stylemanager.h"
#include "testkit.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

// Marks every text of the manager's context so a test can tell which source text a lookup used.
struct MarkingTranslator : QTranslator
{
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *text, const char *, int) const override
    {
        return qstrcmp(context, "I18NManager") ? QString() : u'<' + QString::fromUtf8(text) + u'>';
    }
};

// Writes skin files below `root`: "skin/file=text" is a file, an entry ending in "/" a directory.
bool writeSkinTree(const QString &root, const QString &entries)
{
    for (const QString &entry : entries.split(u' ', Qt::SkipEmptyParts)) {
        const QString path = root + u'/' + entry.section(u'=', 0, 0);
        if (!QDir().mkpath(QFileInfo(path).path()) ||
            !(entry.endsWith(u'/') || testkit::writeAll(path, entry.section(u'=', 1).toUtf8())))
            return false;
    }
    return true;
}

// Interface, target and automatic translation as stored, and the same three as read.
struct LanguageRow
{
    const char *name;
    QString systemLocale;
    QStringList stored;
    QString languages;
};
const LanguageRow languageRows[] = {
    {"zh_TW locale widened to simplified Chinese", "zh_TW", {}, "zh_CN zh_CN 0"},
    {"country part of the locale dropped", "de_AT", {}, "de de 0"},
    {"unsupported locale language kept", "nl_NL", {}, "nl nl 0"},
    {"stored values win over the locale", "de_AT", {"ja", "fr", "true"}, "ja fr 1"},
    {"stored zh widened too", "en_US", {"zh", "zh"}, "zh_CN zh_CN 0"},
    {"stored zh_TW not narrowed", "en_US", {"zh_TW"}, "zh_TW en 0"},
    {"stored empty value is not replaced by the locale", "fr_FR", {""}, " fr 0"},
};

// The skin tree (empty: no skin root at all), whether it loads, and the skins found.
struct SkinRow
{
    const char *name;
    QString tree;
    bool loaded;
    QString skins;
};
const SkinRow skinRows[] = {
    {"missing skin root fails", "", false, ""},
    {"other skins without default fail", "dark/ui.css=d", false, "dark"},
    {"empty base sheet of default fails", "default/ui.css=", false, "default"},
    {"sorted ignoring case, hidden dirs and files skipped",
     "b/ A/ default/ui.css=b .hidden/ zeta=z C/", true, "A b C default"},
};

// Besides default/ui.css=BASE; in the default skin unless one is named; names the table.
struct SheetRow
{
    const char *name;
    QString file, key, fallback, sheet;
};
const SheetRow sheetRows[] = {
    {"language sheet preferred", "ui_ar.css=AR", "ar", "default", "AR"},
    {"missing language falls back to base", "ui_ar.css=AR", "fr", "default", "BASE"},
    {"nothing under either key gives empty", "index_ar.css=AR", "fr", "fr", ""},
    {"empty language sheet falls back", "ui_de.css=", "de", "default", "BASE"},
    {"article falls back to interface language", "article_en.css=EN", "ja", "en", "EN"},
    {"code outside the language list not loaded", "ui_nl.css=NL", "nl", "default", "BASE"},
    {"Chinese sheet stored under full code", "ui_zh_CN.css=ZH", "zh_CN", "default", "ZH"},
    {"sheet read as UTF-8", u"index_ru.css=Привет"_s, "ru", "en", u"Привет"_s},
    {"only the default skin loaded at start", "alpha/ui_fr.css=A", "fr", "default", "BASE"},
};

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    testkit::IsolatedSettings m_settings;

private slots:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(TS_ORGANIZATION_NAME);
        QCoreApplication::setApplicationName(TS_APP_NAME);
    }
    void init() { QSettings().clear(); }

    void languageSettingsRead_data() { rows(languageRows); }
    // What is read, then saved, reads back the same under another locale.
    void languageSettingsRead()
    {
        const LanguageRow &r = current(languageRows);
        const char *keys[] = {TS_KEY_UI_LANGUAGE, TS_KEY_TRANSLATE_TARGET_LANGUAGE,
                              TS_KEY_AUTO_TRANSLATION};
        for (int i = 0; i < r.stored.size(); ++i)
            QSettings().setValue(keys[i], r.stored.at(i));
        const auto read = [](const I18NManager &m) {
            return u"%1 %2 %3"_s.arg(m.uiLanguage, m.translateTargetLanguage)
                .arg(m.autoTranslation);
        };
        I18NManager manager(nullptr, r.systemLocale);
        QCOMPARE(read(manager), r.languages);
        QSettings().clear();
        manager.save();
        QCOMPARE(read(I18NManager(nullptr, u"en_US"_s)), r.languages);
    }

    void nameSourceTexts()
    {
        I18NManager m(nullptr, u"en_US"_s);
        const auto names = [&m] {
            return m.countryTitles.value(u"fr"_s) + m.countryTitles.value(u"gb"_s) +
                   m.languageTitles.value(u"ar"_s) +
                   m.groupTitles.value(u"(c)General.Inforamtion"_s);
        };
        MarkingTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        m.refreshI18nNames();
        QCoreApplication::removeTranslator(&translator);
        // Misspelt source texts are the keys of the existing translations; names follow a change.
        QCOMPARE(names(), u"<Frence><UK><Arabic><General News>"_s);
        m.refreshI18nNames();
        QCOMPARE(names(), u"FrenceUKArabicGeneral News"_s);
    }

    void loadSkins_data() { rows(skinRows); }
    void loadSkins()
    {
        const SkinRow &r = current(skinRows);
        QTemporaryDir dir;
        QVERIFY(writeSkinTree(dir.filePath(u"skin"_s), r.tree));
        StyleManager styles(dir.filePath(u"skin"_s));
        QCOMPARE(styles.loadSkins(), r.loaded);
        QStringList names;
        for (const StyleSkin &skin : std::as_const(styles.skins))
            names.append(skin.name);
        QCOMPARE(names.join(u' '), r.skins);
    }

    void sheetFor_data() { rows(sheetRows); }
    void sheetFor()
    {
        const SheetRow &r = current(sheetRows);
        QTemporaryDir dir;
        const QString file = r.file.contains(u'/') ? r.file : u"default/"_s + r.file;
        QVERIFY(writeSkinTree(dir.filePath(u"skin"_s), file + u" default/ui.css=BASE"_s));
        StyleManager styles(dir.filePath(u"skin"_s));
        QVERIFY(styles.loadSkins());
        const QString table = file.section(u'/', 1).section(u'_', 0, 0);
        QCOMPARE(StyleManager::sheetFor(table == u"index"_s     ? styles.indexSheets
                                        : table == u"article"_s ? styles.articleSheets
                                                                : styles.uiSheets,
                                        r.key, r.fallback),
                 r.sheet);
    }

    void laterSkinOverlaysEarlier()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(u"skin"_s);
        QVERIFY(writeSkinTree(root, u"default/ui.css=BASE default/ui_ar.css=AR dark/ui.css=DARK "
                                    "dark/ui_fr.css=DFR plain/"_s));
        StyleManager styles(root);
        QVERIFY(styles.loadSkins() && styles.loadSkin(u"dark"_s));
        QCOMPARE(styles.baseSheet + styles.uiSheets.value(u"fr"_s) + styles.uiSheets.value(u"ar"_s),
                 u"DARKDFRAR"_s);
        // A skin without a base sheet keeps the one loaded before.
        QVERIFY(styles.loadSkin(u"plain"_s));
        QCOMPARE(styles.baseSheet, u"DARK"_s);
        QVERIFY(QFile::remove(root + u"/default/ui.css"_s));
        QVERIFY(!styles.loadSkin(u"default"_s));
    }
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
