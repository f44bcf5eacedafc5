#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A loadable profile: one article page per count, whose URL filters differ.
QByteArray profileXml(const QString &id, const QString &name = u"Site"_s, int pages = 1)
{
    QString xml = u"<site name='%1' id='%2' locale='en' codeset='UTF-8' version='1' "
                  u"entry='http://example.com/'>"_s.arg(name, id);
    for (int i = 0; i < pages; ++i)
        xml += u"<page name='P%1' id='p%1' type='news.article'><filter_url_inc "
               u"pattern='*example.com/%1/*'/><track name='t'><topic name='T' id='(t)t' "
               u"type='article-text'><step_text_extract/></topic></track></page>"_s.arg(i);
    return (xml + u"</site>"_s).toUtf8();
}

// Entries given as "ID FILE".
QByteArray catalogueXml(const QStringList &entries)
{
    QString xml = u"<?xml version='1.0' encoding='UTF-8'?>\n<sites>\n"_s;
    for (const QString &entry : entries)
        xml += u"\t<site id='%1' version='1' file='%2' />\n"_s.arg(entry.section(u' ', 0, 0),
                                                                   entry.section(u' ', 1));
    return (xml + u"</sites>\n"_s).toUtf8();
}

QStringList idsOf(const QList<CLSiteIndexItem *> &entries)
{
    QStringList ids;
    for (const CLSiteIndexItem *entry : entries)
        ids.append(entry->id);
    return ids;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_processor.reset(); }
    void invalidCatalogue_data();
    void invalidCatalogue();
    void categories();
    void duplicateIds();
    void profileErrors_data();
    void profileErrors();
    void reloadSignalsAndFailures();
    void sitesOfCategory_data();
    void sitesOfCategory();
    void languageResource();

private:
    bool write(const QString &file, const QByteArray &bytes) const
    {
        QFile out(m_dir->filePath(file));
        return out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
               out.write(bytes) == bytes.size();
    }
    bool parse(const QStringList &entries)
    {
        QDomDocument document;
        return document.setContent(catalogueXml(entries)) && m_processor->parseCatalogue(document);
    }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLProcessor> m_processor;
};

void TestCatalogue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_processor = std::make_unique<CLProcessor>();
    m_processor->profileDir = m_dir->path();
    m_processor->catalogueFile = u"sites.xml"_s;
}

void TestCatalogue::invalidCatalogue_data()
{
    QTest::addColumn<QByteArray>("catalogue"); // null: no file at all

    QTest::newRow("no catalogue file") << QByteArray();
    QTest::newRow("not well-formed") << QByteArray("<sites><site id=\"a\"");
    QTest::newRow("root is not sites")
        << QByteArray("<site><site id='(s)GIa' version='1' file='a.xml'/></site>");
    QTest::newRow("every entry lacks an attribute")
        << QByteArray("<sites><site version='1' file='a.xml'/><site id='(s)GIb' file='b.xml'/>"
                      "<site id='(s)GIc' version='1'/><site id='(s)GId' version='1' file=''/>"
                      "</sites>");
    QTest::newRow("entries under another tag")
        << QByteArray("<sites><entry id='(s)GIa' version='1' file='a.xml'/></sites>");
    QTest::newRow("entries nested one level too deep")
        << QByteArray("<sites><group><site id='(s)GIa' version='1' file='a.xml'/></group></sites>");
}

void TestCatalogue::invalidCatalogue()
{
    QFETCH(QByteArray, catalogue);
    QVERIFY(write(u"a.xml"_s, profileXml(u"(s)GIa"_s)));
    QVERIFY(catalogue.isNull() || write(u"sites.xml"_s, catalogue));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QVERIFY(m_processor->siteIndex.isEmpty());
    QVERIFY(m_processor->categories.isEmpty());
    QVERIFY(m_processor->allPages.isEmpty());
}

void TestCatalogue::categories()
{
    // The prefixes are case-sensitive and count only at the start.
    const QStringList ids{u"x(s)GI"_s, u"(s)TRa"_s, u"(s)GI"_s,
                          u"(S)GIb"_s, u"(s)gic"_s, u"(s)TRd"_s};
    QStringList entries;
    for (const QString &id : ids)
        entries.append(id + u' ' + QString::number(entries.size()) + u".xml"_s);
    QVERIFY(parse(entries));
    const QString general = CL_CATEGORY_GENERAL, translation = CL_CATEGORY_TRANSLATION,
                  others = CL_CATEGORY_OTHERS;
    QCOMPARE(m_processor->categories, (QStringList{others, translation, general}));
    QStringList got;
    for (const CLSiteIndexItem *entry : std::as_const(m_processor->siteIndex)) {
        got.append(entry->category);
        QCOMPARE(categoryOfSiteId(entry->id), entry->category);
    }
    QCOMPARE(got, (QStringList{others, translation, general, others, others, translation}));
    QCOMPARE(m_processor->profileFiles(),
             (QStringList{u"0.xml"_s, u"1.xml"_s, u"2.xml"_s, u"3.xml"_s, u"4.xml"_s, u"5.xml"_s}));
}

void TestCatalogue::duplicateIds()
{
    QVERIFY(write(u"sites.xml"_s, catalogueXml({u"(s)GIdup first.xml"_s, u"(s)GIdup second.xml"_s,
                                                u"(s)GIother other.xml"_s})));
    QVERIFY(write(u"first.xml"_s, profileXml(u"(s)GIdup"_s, u"First"_s, 2)));
    QVERIFY(write(u"second.xml"_s, profileXml(u"(s)GIdup"_s, u"Second"_s, 1)));
    QVERIFY(write(u"other.xml"_s, profileXml(u"(s)GIother"_s, u"Other"_s, 1)));

    // The later profile of an id replaces the earlier one in the first entry of that id.
    QVERIFY(m_processor->loadSiteCatalogue());
    const QList<CLSiteIndexItem *> &index = m_processor->siteIndex;
    QCOMPARE(index.size(), 3);
    QCOMPARE(index.at(0)->site->name, u"Second"_s);
    QCOMPARE(m_processor->failedEntries(), QList<CLSiteIndexItem *>{index.at(1)});
    QVERIFY(!m_processor->profileErrors.value(u"second.xml"_s).reason.isEmpty());
    // The replaced profile's pages are gone from the search set.
    QCOMPARE(m_processor->allPages.size(), 2);
    for (const CLPage *page : std::as_const(m_processor->allPages))
        QVERIFY(page->site == index.at(0)->site || page->site == index.at(2)->site);
}

void TestCatalogue::profileErrors_data()
{
    QTest::addColumn<QByteArray>("profile"); // null: the file is missing
    QTest::addColumn<QString>("reason");     // expected part of the reason

    const QString unreadable = u"file could not be read or is not well-formed XML"_s;
    QTest::newRow("missing file") << QByteArray() << unreadable;
    QTest::newRow("not well-formed") << QByteArray("<site name=") << unreadable;
    QTest::newRow("other document element")
        << QByteArray("<sites/>") << u"document element is sites, not site"_s;
    QTest::newRow("id in no catalogue entry")
        << profileXml(u"(s)GIelse"_s) << u"no catalogue entry has the id (s)GIelse"_s;
    QTest::newRow("invalid profile")
        << QByteArray("<site name=\"x\" id=\"(s)GIbad\"/>") << QString();
}

void TestCatalogue::profileErrors()
{
    QFETCH(QByteArray, profile);
    QFETCH(QString, reason);

    QVERIFY(write(u"sites.xml"_s, catalogueXml({u"(s)GIgood good.xml"_s, u"(s)GIbad bad.xml"_s})));
    QVERIFY(write(u"good.xml"_s, profileXml(u"(s)GIgood"_s)));
    QVERIFY(profile.isNull() || write(u"bad.xml"_s, profile));

    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(idsOf(m_processor->failedEntries()), QStringList{u"(s)GIbad"_s});
    QCOMPARE(m_processor->profileErrors.keys(), QStringList{u"bad.xml"_s});
    const QString recorded = m_processor->profileErrors.value(u"bad.xml"_s).reason;
    QVERIFY(!recorded.isEmpty());
    QVERIFY2(recorded.contains(reason), qPrintable(recorded));
    // Only loaded entries are offered, and a discarded profile leaves no pages behind.
    QCOMPARE(idsOf(m_processor->sitesOfCategory(CL_CATEGORY_GENERAL, u"en"_s)),
             QStringList{u"(s)GIgood"_s});
    QCOMPARE(m_processor->allPages.size(), 1);
}

void TestCatalogue::reloadSignalsAndFailures()
{
    QSignalSpy refreshed(m_processor.get(), &CLProcessor::profilesRefreshed);
    QVERIFY(write(u"sites.xml"_s, catalogueXml({u"(s)GIa a.xml"_s, u"(s)GIb b.xml"_s})));
    QVERIFY(write(u"a.xml"_s, profileXml(u"(s)GIa"_s)));
    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 0);
    QCOMPARE(m_processor->profileErrors.size(), 1);

    // A reload with every profile present clears the old errors and signals.
    QVERIFY(write(u"b.xml"_s, profileXml(u"(s)GIb"_s)));
    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
    QVERIFY(m_processor->profileErrors.isEmpty());
    QCOMPARE(m_processor->allPages.size(), 2);

    // A catalogue that cannot be read keeps the loaded one.
    QVERIFY(write(u"sites.xml"_s, "<sites><site"));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(m_processor->siteIndex.size(), 2);
    QVERIFY(m_processor->siteIndex.at(1)->site);
    QCOMPARE(m_processor->allPages.size(), 2);

    // A readable catalogue without entries leaves nothing; the next load is a first load.
    QVERIFY(write(u"sites.xml"_s, "<sites/>"));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QVERIFY(m_processor->siteIndex.isEmpty());
    QVERIFY(m_processor->allPages.isEmpty());
    QVERIFY(write(u"sites.xml"_s, catalogueXml({u"(s)GIa a.xml"_s})));
    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
}

void TestCatalogue::sitesOfCategory_data()
{
    QTest::addColumn<QString>("locales"); // one entry per locale, in catalogue order
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("expected"); // locales in the returned order

    QTest::newRow("fr first, then code order")
        << u"de ru en es fr zh_TW zh_CN"_s << u"fr"_s << u"fr en zh_CN zh_TW es ru de"_s;
    QTest::newRow("zh_TW before zh_CN before en")
        << u"en zh_CN fa zh_TW"_s << u"zh_TW"_s << u"zh_TW zh_CN en fa"_s;
    QTest::newRow("zh_CN before zh_TW before en")
        << u"en zh_TW zh_CN"_s << u"zh_CN"_s << u"zh_CN zh_TW en"_s;
    QTest::newRow("empty and unknown locales come first")
        << u"fr - xx en"_s << u"fr"_s << u"- xx fr en"_s;
    QTest::newRow("unsupported language goes first") << u"en nl"_s << u"nl"_s << u"nl en"_s;
    // Positions 2, 1, 1, 0: a stable sort would keep the two en entries in order.
    QTest::newRow("exchange sort swaps equal positions")
        << u"zh_CN en#1 en#2 fr"_s << u"fr"_s << u"fr en#2 en#1 zh_CN"_s;
    // "e" is replaced inside "en", which so becomes unknown.
    QTest::newRow("language inside a code hides that code")
        << u"en fr xx"_s << u"e"_s << u"en xx fr"_s;
}

void TestCatalogue::sitesOfCategory()
{
    QFETCH(QString, locales);
    QFETCH(QString, language);
    QFETCH(QString, expected);

    // Labels "code#n" tell equal locales apart and "-" is the empty locale; the id carries them.
    const QStringList labels = locales.split(u' ');
    QStringList entries;
    for (const QString &label : labels)
        entries.append(u"(s)GI"_s + label + u' ' + label + u".xml"_s);
    QVERIFY(parse(entries));
    for (const QString &label : labels) {
        auto *site = new CLSite;
        site->id = u"(s)GI"_s + label;
        site->locale = label == u"-"_s ? QString() : label.section(u'#', 0, 0);
        QVERIFY(m_processor->registerSite(site));
    }
    QStringList order;
    for (const CLSiteIndexItem *entry : m_processor->sitesOfCategory(CL_CATEGORY_GENERAL, language))
        order.append(entry->id.mid(5));
    QCOMPARE(order.join(u' '), expected);
}

void TestCatalogue::languageResource()
{
    for (int load = 0; load < 2; ++load) {
        // A second load replaces the tables instead of adding to them.
        QVERIFY(m_processor->loadLanguageResource());
        QCOMPARE(m_processor->languageNames.size(), 21);
        QCOMPARE(m_processor->countryNames.size(), 39);
    }
    const auto &countries = m_processor->countryNames;
    const auto &languages = m_processor->languageNames;
    QCOMPARE(localName(countries, u"th"_s, u"fr"_s), u"Tha\u00eflande"_s);
    QCOMPARE(localName(countries, u"th"_s, u"xx"_s), u"\u6cf0\u56fd"_s);
    QCOMPARE(localName(languages, u"fr"_s, u"en"_s), u"French"_s);
    QCOMPARE(localName(languages, u"zh_TW"_s, u"xx"_s), u"Traditional Chinese"_s);
    QVERIFY(!localName(languages, u"xx"_s, u"en"_s).isNull());
    QVERIFY(localName(languages, u"xx"_s, u"en"_s).isEmpty());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
