// The application directory the build lays out beside the executable: what the program reads
// at start-up must be there and must load, in every language; and the compiled-in names of
// languages and countries.

#include "clfiltersettings.h"
#include "clprocessor.h"
#include "coreresources.h"
#include "htmltext.h"
#include "stylemanager.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QString appDir()
{
#ifdef TESSOLIN_APP_DIR
    return QStringLiteral(TESSOLIN_APP_DIR);
#else
    return QString();
#endif
}

struct NameRow
{
    const char *name, *key;
    QString text;
};
const NameRow nameRows[] = {
    {"kr named as Kanuri instead of Korean", "languages/kr/en", u"Korean"_s},
    {"po named as a dialect instead of Polish", "languages/po/en", u"Polish"_s},
    {"iw named by the withdrawn ISO code", "languages/iw/en", u"Hebrew"_s},
    {"kr display locale not Korean", "languages/en/kr", u"영어"_s},
    {"iw display locale not Hebrew", "countries/jp/iw", u"יפן"_s},
    {"zh_CN display locale in traditional script", "languages/de/zh_CN", u"德语"_s},
    {"zh_TW display locale in simplified script", "countries/tw/zh_TW", u"台灣"_s},
    {"menu capitalisation lost", "languages/de/fr", u"Allemand"_s},
    {"short English country name replaced", "countries/gb/en", u"UK"_s},
    {"Lebanon (a shipped site's country) unnamed", "countries/lb/ar", u"لبنان"_s},
};

} // namespace

class TestInstallData : public QObject
{
    Q_OBJECT

    QHash<QString, QString> m_names;     // "GROUP/CODE/LOCALE" -> name
    QHash<QString, QStringList> m_codes; // "GROUP" -> codes in file order

private slots:
    void initTestCase()
    {
        fillEntityTable();
        initCoreResources();
        QFile file(u":/translation/gui.xml"_s);
        QDomDocument doc;
        QVERIFY2(file.open(QIODevice::ReadOnly) && doc.setContent(&file),
                 "resource not compiled in");
        for (const QString &group : {u"languages"_s, u"countries"_s})
            for (QDomElement e = doc.documentElement().firstChildElement(group).firstChildElement();
                 !e.isNull(); e = e.nextSiblingElement()) {
                m_codes[group].append(e.attribute(u"code"_s));
                for (QDomElement d = e.firstChildElement(u"i18n"_s).firstChildElement();
                     !d.isNull(); d = d.nextSiblingElement())
                    m_names.insert(group + u'/' + e.attribute(u"code"_s) + u'/' +
                                       d.attribute(u"locale"_s),
                                   d.text());
            }
    }
    void init()
    {
        if (appDir().isEmpty() && !QByteArray(QTest::currentTestFunction()).startsWith("name"))
            QSKIP("built without the application data");
    }

    // The catalogue loads with no failed profile; the program reads only the packed engine file,
    // which must hold every engine of the plain one.
    void profileFolder()
    {
        CLProcessor packed, plain;
        packed.profileDir = packed.translatorDir = appDir() + u"/conf/profile"_s;
        packed.catalogueFile = u"sites.xml"_s;
        packed.translatorFile = u"translators.tdf"_s;
        QVERIFY(packed.loadSiteCatalogue() && !packed.siteIndex.isEmpty());
        QVERIFY2(packed.profileErrors.isEmpty(),
                 qPrintable(packed.profileErrors.keys().join(u' ')));
        plain.translatorDir = testkit::shippedProfileDir();
        plain.translatorFile = u"translators.xml"_s;
        QVERIFY(packed.loadTranslators() && plain.loadTranslators());
        QVERIFY(!plain.translators.isEmpty());
        QCOMPARE(packed.translators.size(), plain.translators.size());
        QCOMPARE(packed.translatorVersion, plain.translatorVersion);
    }

    // The shipped keyword packages load whole, and a fresh install hides
    // nothing until the user ticks a package.
    void filters()
    {
        const QStringList headlines = {u"Lottery jackpot rises again"_s,
                                       u"Sponsored: the best kettles"_s, u"足球联赛今晚开幕"_s,
                                       u"Ihr Horoskop für Montag"_s};
        CLProcessor processor;
        processor.filterDir = appDir() + u"/conf/filter"_s;
        processor.filterFile = u"filters.xml"_s;
        QVERIFY(processor.loadFilterFiles() && processor.filterSettings);
        QVERIFY(processor.filterSettings->keywordSets.size() >= 3);
        for (CLKeywordSet *set : processor.filterSettings->keywordSets) {
            QCOMPARE(set->type, int(CLKeywordSet::Predefined));
            QVERIFY2(set->keywords && !set->keywords->isEmpty(), qPrintable(set->keywordFile));
            // An empty keyword would hide every headline once the set is ticked.
            QVERIFY(!set->keywords->contains(QString()));
            QVERIFY(!set->filterSubject);
        }
        const auto hidden = [&] {
            QStringList found;
            for (const QString &headline : headlines)
                if (!passesKeywords(processor.filterSettings, headline, QString()))
                    found.append(headline);
            return found;
        };
        QCOMPARE(hidden(), QStringList());
        // Ticked, some package hides each.
        for (CLKeywordSet *set : processor.filterSettings->keywordSets)
            set->filterSubject = true;
        QCOMPARE(hidden(), headlines);
    }

    // The generated sheets: every language has both, with no placeholder left, which would void
    // the whole rule.
    void skin()
    {
        StyleManager styles(appDir() + u"/skin"_s);
        QVERIFY(styles.loadSkins());
        for (const QString &code : testkit::interfaceLanguages()) {
            const QString index = styles.indexSheets.value(code);
            const QString article = styles.articleSheets.value(code);
            QVERIFY2(index.contains(u"IndexItem {"_s) && article.contains(u"#text {"_s),
                     qPrintable(code));
            QVERIFY2(!index.contains(u'@') && !article.contains(u'@'), qPrintable(code));
        }
    }

    // Local pages: the welcome and message pages in every language, with
    // their style sheet; the help page falls back to English.
    void localPages_data()
    {
        QTest::addColumn<QString>("code");
        for (const QString &code : testkit::interfaceLanguages())
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
                        text.contains(u"{{STAGE}}"_s) &&
                        text.contains(u"href=\"file:check-profile-updates\""_s));
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

    void namesInEveryLocale()
    {
        // The languages are the interface languages, each named once.
        QStringList languages = m_codes.value(u"languages"_s),
                    expected = testkit::interfaceLanguages();
        languages.sort();
        expected.sort();
        QCOMPARE(languages, expected);
        QStringList countries = m_codes.value(u"countries"_s);
        QCOMPARE(countries.removeDuplicates(), 0);
        // A repeated locale would silently replace names, so the count catches it too.
        QCOMPARE(m_names.size(), (languages.size() + countries.size()) * expected.size());
        for (const QString &group : {u"languages"_s, u"countries"_s})
            for (const QString &code : m_codes.value(group))
                for (const QString &locale : expected) {
                    const QString key = group + u'/' + code + u'/' + locale;
                    const QString name = m_names.value(key);
                    // A name equal to its code means the generator fell back to the raw code.
                    QVERIFY2(!name.trimmed().isEmpty() &&
                                 name.compare(code, Qt::CaseInsensitive) != 0,
                             qPrintable(key));
                }
    }

    // A site whose country has no name shows an empty place in the site index.
    void namesOfShippedSitesCountries()
    {
        const QDir profiles(testkit::shippedProfileDir());
        const QRegularExpression country(u"<site [^>]*\\bcountry=\"([^\"]*)\""_s);
        int sites = 0;
        for (const QString &name : profiles.entryList({u"*.xml"_s}, QDir::Files)) {
            const QRegularExpressionMatch match =
                country.match(QString::fromUtf8(testkit::readAll(profiles.filePath(name))));
            if (!match.hasMatch())
                continue;
            ++sites;
            const QString key = u"countries/"_s + match.captured(1) + u"/en"_s;
            QVERIFY2(m_names.contains(key), qPrintable(name + u": "_s + key));
        }
        QVERIFY(sites > 10);
    }

    void nameAnchors_data() { testkit::rows(nameRows); }
    void nameAnchors()
    {
        const NameRow &r = testkit::current(nameRows);
        QCOMPARE(m_names.value(QLatin1String(r.key)), r.text);
    }
};

QTEST_GUILESS_MAIN(TestInstallData)
#include "tst_installdata.moc"
