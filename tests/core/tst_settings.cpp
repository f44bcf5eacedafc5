#include "clconstants.h"
#include "i18nmanager.h"
#include "stylemanager.h"

#include <QtTest>

using namespace Qt::StringLiterals;

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
        QFile file(root + u'/' + entry.section(u'=', 0, 0));
        if (!QDir().mkpath(QFileInfo(file).path()) ||
            !(entry.endsWith(u'/') || (file.open(QIODevice::WriteOnly) &&
                                       file.write(entry.section(u'=', 1).toUtf8()) >= 0)))
            return false;
    }
    return true;
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir m_settingsDir;

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settingsDir.path());
        QCoreApplication::setOrganizationName(TS_ORGANIZATION_NAME);
        QCoreApplication::setApplicationName(TS_APP_NAME);
    }
    void init() { QSettings().clear(); }

    void languageSettingsRead_data()
    {
        QTest::addColumn<QString>("systemLocale");
        QTest::addColumn<QStringList>("stored"); // interface, target, automatic translation
        QTest::addColumn<QString>("languages");  // the same three as read

        const auto row = [](const char *name, const QString &locale, const QStringList &stored,
                            const QString &read) {
            QTest::newRow(name) << locale << stored << read;
        };
        row("zh_TW locale widened to simplified Chinese", "zh_TW", {}, "zh_CN zh_CN 0");
        row("country part of the locale dropped", "de_AT", {}, "de de 0");
        row("unsupported locale language kept", "nl_NL", {}, "nl nl 0");
        row("stored values win over the locale", "de_AT", {"ja", "fr", "true"}, "ja fr 1");
        row("stored zh widened too", "en_US", {"zh", "zh"}, "zh_CN zh_CN 0");
        row("stored zh_TW not narrowed", "en_US", {"zh_TW"}, "zh_TW en 0");
        row("stored empty value is not replaced by the locale", "fr_FR", {""}, " fr 0");
    }
    void languageSettingsRead()
    {
        QFETCH(QString, systemLocale);
        QFETCH(QStringList, stored);
        const char *keys[] = {TS_KEY_UI_LANGUAGE, TS_KEY_TRANSLATE_TARGET_LANGUAGE,
                              TS_KEY_AUTO_TRANSLATION};
        for (int i = 0; i < stored.size(); ++i)
            QSettings().setValue(keys[i], stored.at(i));
        const I18NManager m(nullptr, systemLocale);
        QTEST(u"%1 %2 %3"_s.arg(m.uiLanguage, m.translateTargetLanguage).arg(m.autoTranslation),
              "languages");
    }

    void languageSettingsSaved()
    {
        I18NManager manager(nullptr, u"en_US"_s);
        manager.uiLanguage = u"ja"_s;
        manager.translateTargetLanguage = u"zh_TW"_s;
        manager.autoTranslation = true;
        manager.save();
        QCOMPARE(QSettings().value(TS_KEY_UI_LANGUAGE), u"ja"_s);
        QCOMPARE(QSettings().value(TS_KEY_TRANSLATE_TARGET_LANGUAGE), u"zh_TW"_s);
        QCOMPARE(QSettings().value(TS_KEY_AUTO_TRANSLATION), true);
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

    void loadSkins_data()
    {
        QTest::addColumn<QString>("tree"); // empty: no skin root at all
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("skins");

        QTest::newRow("missing skin root fails") << u""_s << false << u""_s;
        QTest::newRow("other skins without default fail")
            << u"dark/ui.css=d"_s << false << u"dark"_s;
        QTest::newRow("empty base sheet of default fails")
            << u"default/ui.css="_s << false << u"default"_s;
        QTest::newRow("sorted ignoring case, hidden dirs and files skipped")
            << u"b/ A/ default/ui.css=b .hidden/ zeta=z C/"_s << true << u"A b C default"_s;
    }
    void loadSkins()
    {
        QFETCH(QString, tree);
        QTemporaryDir dir;
        QVERIFY(writeSkinTree(dir.filePath(u"skin"_s), tree));
        StyleManager styles(dir.filePath(u"skin"_s));
        QTEST(styles.loadSkins(), "loaded");
        QStringList names;
        for (const StyleSkin &skin : std::as_const(styles.skins))
            names.append(skin.name);
        QTEST(names.join(u' '), "skins");
    }

    void sheetFor_data()
    {
        // Besides default/ui.css=BASE; in the default skin unless one is named; names the table.
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("fallback");
        QTest::addColumn<QString>("sheet");

        const auto row = [](const char *name, const QString &file, const QString &key,
                            const QString &fallback, const QString &sheet) {
            QTest::newRow(name) << file << key << fallback << sheet;
        };
        row("language sheet preferred", "ui_ar.css=AR", "ar", "default", "AR");
        row("missing language falls back to base", "ui_ar.css=AR", "fr", "default", "BASE");
        row("nothing under either key gives empty", "index_ar.css=AR", "fr", "fr", "");
        row("empty language sheet falls back", "ui_de.css=", "de", "default", "BASE");
        row("article falls back to interface language", "article_en.css=EN", "ja", "en", "EN");
        row("code outside the language list not loaded", "ui_nl.css=NL", "nl", "default", "BASE");
        row("Chinese sheet stored under full code", "ui_zh_CN.css=ZH", "zh_CN", "default", "ZH");
        row("sheet read as UTF-8", "index_ru.css=Привет", "ru", "en", "Привет");
        row("only the default skin loaded at start", "alpha/ui_fr.css=A", "fr", "default", "BASE");
    }
    void sheetFor()
    {
        QFETCH(QString, file);
        QFETCH(QString, key);
        QFETCH(QString, fallback);

        QTemporaryDir dir;
        if (!file.contains(u'/'))
            file.prepend(u"default/"_s);
        QVERIFY(writeSkinTree(dir.filePath(u"skin"_s), file + u" default/ui.css=BASE"_s));
        StyleManager styles(dir.filePath(u"skin"_s));
        QVERIFY(styles.loadSkins());
        const QString table = file.section(u'/', 1).section(u'_', 0, 0);
        QTEST(StyleManager::sheetFor(table == u"index"_s     ? styles.indexSheets
                                     : table == u"article"_s ? styles.articleSheets
                                                             : styles.uiSheets,
                                     key, fallback),
              "sheet");
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
