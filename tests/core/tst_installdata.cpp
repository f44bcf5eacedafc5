// The application directory the build lays out beside the executable: what
// the program reads at start-up must be there and must load, in every
// language.

#include "clfiltersettings.h"
#include "clprocessor.h"
#include "htmltext.h"
#include "stylemanager.h"

#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QStringList kLanguageCodes = {u"ar"_s, u"de"_s,    u"en"_s,   u"es"_s, u"fa"_s, u"fr"_s,
                                    u"hi"_s, u"id"_s,    u"it"_s,   u"iw"_s, u"ja"_s, u"kr"_s,
                                    u"po"_s, u"pt"_s,    u"ro"_s,   u"ru"_s, u"tr"_s, u"uk"_s,
                                    u"vi"_s, u"zh_CN"_s, u"zh_TW"_s};

QString appDir()
{
#ifdef TESSOLIN_APP_DIR
    return QStringLiteral(TESSOLIN_APP_DIR);
#else
    return QString();
#endif
}

} // namespace

class TestInstallData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (appDir().isEmpty())
            QSKIP("built without the application data");
        fillEntityTable();
    }

    // The program reads only the packed engine file; it must hold every
    // engine of the plain one.
    void packedTranslators()
    {
        CLProcessor packed;
        packed.translatorDir = appDir() + u"/conf/profile"_s;
        packed.translatorFile = u"translators.tdf"_s;
        QVERIFY(packed.loadTranslators());

        CLProcessor plain;
        plain.translatorDir = TESSOLIN_SOURCE_DIR "/data/conf/profile";
        plain.translatorFile = u"translators.xml"_s;
        QVERIFY(plain.loadTranslators());
        QVERIFY(!plain.translators.isEmpty());
        QCOMPARE(packed.translators.size(), plain.translators.size());
        QCOMPARE(packed.translatorVersion, plain.translatorVersion);
    }

    void catalogue()
    {
        CLProcessor processor;
        processor.profileDir = appDir() + u"/conf/profile"_s;
        processor.catalogueFile = u"sites.xml"_s;
        QVERIFY(processor.loadSiteCatalogue());
        QVERIFY2(processor.profileErrors.isEmpty(),
                 qPrintable(processor.profileErrors.keys().join(u' ')));
        QVERIFY(!processor.siteIndex.isEmpty());
    }

    // The shipped keyword packages load whole, and a fresh install hides
    // nothing until the user ticks a package.
    void filters_data()
    {
        QTest::addColumn<QString>("headline");
        QTest::newRow("lottery") << u"Lottery jackpot rises again"_s;
        QTest::newRow("sponsored") << u"Sponsored: the best kettles"_s;
        QTest::newRow("football in Chinese") << u"足球联赛今晚开幕"_s;
        QTest::newRow("horoscope in German") << u"Ihr Horoskop für Montag"_s;
    }
    void filters()
    {
        QFETCH(QString, headline);
        CLProcessor processor;
        processor.filterDir = appDir() + u"/conf/filter"_s;
        processor.filterFile = u"filters.xml"_s;
        QVERIFY(processor.loadFilterFiles());
        QVERIFY(processor.filterSettings);
        QVERIFY(processor.filterSettings->keywordSets.size() >= 3);
        for (CLKeywordSet *set : processor.filterSettings->keywordSets) {
            QCOMPARE(set->type, int(CLKeywordSet::Predefined));
            QVERIFY2(set->keywords && !set->keywords->isEmpty(), qPrintable(set->keywordFile));
            // An empty keyword would hide every headline once the set is ticked.
            QVERIFY(!set->keywords->contains(QString()));
            QVERIFY(!set->filterSubject);
        }
        QVERIFY(passesKeywords(processor.filterSettings, headline, QString()));

        // Ticked, some package hides it.
        for (CLKeywordSet *set : processor.filterSettings->keywordSets)
            set->filterSubject = true;
        QVERIFY(!passesKeywords(processor.filterSettings, headline, QString()));
    }

    // The generated sheets: every language has both, set in its script's fonts.
    void skin_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("indexFont");
        QTest::addColumn<QString>("articleFont");
        QTest::addColumn<QString>("lineHeight");
        const QString sans = u"\"Noto Sans\""_s, serif = u"\"DejaVu Serif\""_s;
        for (const QString &code : kLanguageCodes)
            QTest::newRow(qPrintable(code)) << code << QString() << QString() << QString();
        QTest::newRow("Latin: sans index, serif article") << u"fr"_s << sans << serif << u"150%"_s;
        QTest::newRow("Cyrillic like Latin") << u"uk"_s << sans << serif << u"150%"_s;
        QTest::newRow("Arabic") << u"ar"_s << u"Noto Naskh Arabic"_s << u"Noto Naskh Arabic"_s
                                << u"170%"_s;
        QTest::newRow("Persian uses the Arabic script")
            << u"fa"_s << u"Noto Naskh Arabic"_s << u"Noto Naskh Arabic"_s << u"170%"_s;
        QTest::newRow("Hebrew") << u"iw"_s << u"David"_s << u"David"_s << u"150%"_s;
        QTest::newRow("Hindi") << u"hi"_s << u"Noto Sans Devanagari"_s << u"Noto Sans Devanagari"_s
                               << u"170%"_s;
        QTest::newRow("Simplified Chinese")
            << u"zh_CN"_s << u"Noto Sans CJK SC"_s << u"Noto Sans CJK SC"_s << u"165%"_s;
        QTest::newRow("Traditional Chinese")
            << u"zh_TW"_s << u"Noto Sans CJK TC"_s << u"Noto Sans CJK TC"_s << u"165%"_s;
        QTest::newRow("Japanese") << u"ja"_s << u"Noto Sans CJK JP"_s << u"Noto Sans CJK JP"_s
                                  << u"165%"_s;
        QTest::newRow("Korean") << u"kr"_s << u"Noto Sans CJK KR"_s << u"Noto Sans CJK KR"_s
                                << u"165%"_s;
    }
    void skin()
    {
        QFETCH(QString, code);
        QFETCH(QString, indexFont);
        QFETCH(QString, articleFont);
        QFETCH(QString, lineHeight);
        StyleManager styles(appDir() + u"/skin"_s);
        QVERIFY(styles.loadSkins());
        const QString index = styles.indexSheets.value(code);
        const QString article = styles.articleSheets.value(code);
        QVERIFY(index.contains(u"IndexItem {"_s));
        QVERIFY(article.contains(u"#text {"_s));
        // A placeholder left in a sheet would void the whole rule.
        QVERIFY(!index.contains(u'@') && !article.contains(u'@'));
        if (!indexFont.isEmpty()) {
            QVERIFY(index.contains(indexFont));
            QVERIFY(article.contains(articleFont));
            QVERIFY(article.contains(u"line-height: "_s + lineHeight));
        }
    }

    // Local pages: the welcome and message pages in every language, with
    // their style sheet; the help page falls back to English.
    void localPages_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : kLanguageCodes)
            QTest::newRow(qPrintable(code)) << code;
    }
    void localPages()
    {
        QFETCH(QString, code);
        const QString doc = appDir() + u"/doc"_s;
        const QString welcome = readTextFile(doc + u"/help/"_s + code + u"/welcome.html"_s);
        const QString english = readTextFile(doc + u"/help/en/welcome.html"_s);
        QVERIFY(!welcome.isEmpty());
        // A real translation, not a copy of the English page.
        QCOMPARE(welcome == english, code == u"en"_s);
        // The link the article view turns into the help page.
        QVERIFY(welcome.contains(u"href='file:help.html'"_s));
        for (const QString &page :
             {u"connection_error.html"_s, u"parsing_error.html"_s, u"layout_changed.html"_s}) {
            const QString text = readTextFile(doc + u"/message/"_s + code + u'/' + page);
            QVERIFY2(text.contains(u"<h1"_s), qPrintable(page));
            QCOMPARE(text == readTextFile(doc + u"/message/en/"_s + page), code == u"en"_s);
            // The reader fills these in; the link starts the version check.
            if (page == u"layout_changed.html"_s)
                QVERIFY(text.contains(u"{{SITE}}"_s) && text.contains(u"{{VERSION}}"_s) &&
                        text.contains(u"{{STAGE}}"_s) && text.contains(u"href=\"file:check-profile-updates\""_s));
        }
        for (const QString &folder : {u"/help/"_s, u"/message/"_s}) {
            const QString sheet = readTextFile(doc + folder + code + u"/winstyle.css"_s);
            QVERIFY(sheet.contains(u"body {"_s) && !sheet.contains(u'@'));
        }
        const bool rightToLeft = code == u"ar"_s || code == u"fa"_s || code == u"iw"_s;
        QCOMPARE(welcome.contains(u"dir='rtl'"_s), rightToLeft);
        QVERIFY(!readTextFile(doc + u"/help/en/help.html"_s).isEmpty());
    }

    void logFolder() { QVERIFY(QFileInfo(appDir() + u"/log"_s).isDir()); }
};

QTEST_GUILESS_MAIN(TestInstallData)
#include "tst_installdata.moc"
