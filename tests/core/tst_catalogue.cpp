#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "clupdate.h"
#include "testkit.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

// A loadable profile with one article page.
QByteArray profileXml(const QString &id, const QString &name = u"S"_s)
{
    return u"<site name='%1' id='%2' locale='en' codeset='UTF-8' version='1' entry='http://e/'>"
           u"<page name='P' id='p' type='news.article'><filter_url_inc pattern='*e/%2/*'/><track "
           u"name='t'><topic name='T' id='(t)t' type='article-text'><step_text_extract/></topic>"
           u"</track></page></site>"_s.arg(name, id)
               .toUtf8();
}

QString idsOf(const QList<CLSiteIndexItem *> &entries)
{
    QStringList ids;
    for (const CLSiteIndexItem *entry : entries)
        ids.append(entry->id);
    return ids.join(u' ');
}

struct InvalidRow
{
    const char *name;
    QByteArray catalogue; // null: no file at all
};
const InvalidRow invalidRows[] = {
    {"no catalogue file", QByteArray()},
    {"root is not sites", "<site><site id='(s)GIa' version='1' file='a.xml'/></site>"},
    {"every entry lacks an attribute",
     "<sites><site version='1' file='a.xml'/><site id='(s)GIb' file='b.xml'/>"
     "<site id='(s)GIc' version='1'/><site id='(s)GId' version='1' file=''/></sites>"},
};

QByteArray withNestedTopics(int depth)
{
    return profileXml(u"(s)GIbad"_s)
        .replace("<step_text_extract/>",
                 "\n" + QByteArray("<topic name='D' id='d' type='x'>").repeated(depth) +
                     QByteArray("</topic>").repeated(depth));
}
struct ErrorRow
{
    const char *name;
    QByteArray profile; // null: the file is missing
    QString reason;     // expected part of the reason
    int line;           // where the failure was met; -1 unchecked
};
const ErrorRow errorRows[] = {
    {"missing file", QByteArray(), "cannot be read", -1},
    {"not well-formed", "<site>\n<page></site>", "not well-formed XML", 2},
    // The profile reader recursed once per topic and overflowed the stack at this depth.
    {"20,000 nested topics (under the 1 MiB cap)", withNestedTopics(20000),
     "elements nested deeper than 256", 2},
    {"topics nested past the cap", withNestedTopics(40), "topics nested deeper than 32 levels", 2},
    {"other root", "<sites/>", "document element is sites", -1},
    {"id in no catalogue entry", profileXml(u"(s)GIelse"_s),
     "no catalogue entry has the id (s)GIelse", -1},
    {"invalid profile", "<site name=\"x\" id=\"(s)GIbad\"/>", "missing required attribute", -1},
};

// One entry per locale, in catalogue order, and the locales in the returned order. Labels
// "code#n" tell equal locales apart, "-" is the empty locale; ids carry them.
struct OrderRow
{
    const char *name;
    QString locales, language, expected;
};
const OrderRow orderRows[] = {
    {"fr first, then code order", "de ru en es fr zh_TW zh_CN", "fr", "fr en zh_CN zh_TW es ru de"},
    {"empty and unknown locales come first", "fr - xx en", "fr", "- xx fr en"},
    // Positions 2, 1, 1, 0: a stable sort would keep the two en entries in order.
    {"exchange sort swaps equal positions", "zh_CN en#1 en#2 fr", "fr", "fr en#2 en#1 zh_CN"},
};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLProcessor> m_processor;

    bool write(const QString &file, const QByteArray &bytes) const
    {
        return testkit::writeAll(m_dir->filePath(file), bytes);
    }
    // Loads a catalogue of "ID FILE" entries, each file a profile named after it but `missing`
    // ("*" for all).
    bool load(const QStringList &entries, const QString &missing = {})
    {
        QList<CLCatalogueLine> lines;
        for (const QString &entry : entries) {
            const QString id = entry.section(u' ', 0, 0), file = entry.section(u' ', 1);
            lines.append({id, u"1"_s, file});
            if (file != missing && missing != u"*"_s && !write(file, profileXml(id, file)))
                return false;
        }
        return write(u"sites.xml"_s, siteCatalogueText(lines)) && m_processor->loadSiteCatalogue();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_processor = std::make_unique<CLProcessor>();
        m_processor->profileDir = m_dir->path();
        m_processor->catalogueFile = u"sites.xml"_s;
    }

    void invalidCatalogue_data() { rows(invalidRows); }
    void invalidCatalogue()
    {
        const QByteArray &catalogue = current(invalidRows).catalogue;
        QVERIFY(write(u"a.xml"_s, profileXml(u"(s)GIa"_s)));
        QVERIFY(catalogue.isNull() || write(u"sites.xml"_s, catalogue));
        QVERIFY(!m_processor->loadSiteCatalogue());
        QVERIFY(m_processor->siteIndex.isEmpty() && m_processor->allPages.isEmpty());
    }

    void categories()
    {
        // The prefixes are case-sensitive and count only at the start.
        QVERIFY(load({u"x(s)GI 0.xml"_s, u"(s)TRa 1.xml"_s, u"(s)GI 2.xml"_s, u"(S)GIb 3.xml"_s,
                      u"(s)gic 4.xml"_s, u"(s)TRd 5.xml"_s},
                     u"*"_s));
        const QString general = CL_CATEGORY_GENERAL, translation = CL_CATEGORY_TRANSLATION,
                      others = CL_CATEGORY_OTHERS;
        QCOMPARE(m_processor->categories, (QStringList{others, translation, general}));
        QStringList got;
        for (const CLSiteIndexItem *entry : std::as_const(m_processor->siteIndex))
            got.append(entry->category);
        QCOMPARE(got, (QStringList{others, translation, general, others, others, translation}));
        QCOMPARE(m_processor->profileFiles().join(u' '), u"0.xml 1.xml 2.xml 3.xml 4.xml 5.xml"_s);
    }

    void duplicateIds()
    {
        // The later profile of an id replaces the earlier one in the first entry of that id.
        QVERIFY(load({u"(s)GIdup first.xml"_s, u"(s)GIdup second.xml"_s, u"(s)GIother o.xml"_s}));
        const QList<CLSiteIndexItem *> &index = m_processor->siteIndex;
        QCOMPARE(index.at(0)->site->name, u"second.xml"_s);
        QCOMPARE(m_processor->failedEntries(), QList<CLSiteIndexItem *>{index.at(1)});
        // The replaced profile's pages are gone from the search set.
        QCOMPARE(m_processor->allPages.size(), 2);
        for (const CLPage *page : std::as_const(m_processor->allPages))
            QVERIFY(page->site == index.at(0)->site || page->site == index.at(2)->site);
    }

    void profileErrors_data() { rows(errorRows); }
    void profileErrors()
    {
        const ErrorRow &r = current(errorRows);
        QVERIFY(r.profile.isNull() || write(u"bad.xml"_s, r.profile));
        QVERIFY(load({u"(s)GIgood good.xml"_s, u"(s)GIbad bad.xml"_s}, u"bad.xml"_s));
        QCOMPARE(idsOf(m_processor->failedEntries()), u"(s)GIbad"_s);
        QCOMPARE(m_processor->profileErrors.keys(), QStringList{u"bad.xml"_s});
        const CLProfileError recorded = m_processor->profileErrors.value(u"bad.xml"_s);
        QVERIFY2(recorded.reason.contains(r.reason), qPrintable(recorded.reason));
        if (r.line >= 0)
            QCOMPARE(recorded.line, r.line);
        // Only loaded entries are offered, and a discarded profile leaves no pages behind.
        QCOMPARE(idsOf(m_processor->sitesOfCategory(CL_CATEGORY_GENERAL, u"en"_s)), u"(s)GIgood"_s);
        QCOMPARE(m_processor->allPages.size(), 1);
    }

    void reloadSignalsAndFailures()
    {
        QSignalSpy refreshed(m_processor.get(), &CLProcessor::profilesRefreshed);
        QVERIFY(load({u"(s)GIa a.xml"_s, u"(s)GIb b.xml"_s}, u"b.xml"_s));
        QCOMPARE(refreshed.count(), 0);

        // A reload with every profile present clears the old errors and signals.
        QVERIFY(write(u"b.xml"_s, profileXml(u"(s)GIb"_s)));
        QVERIFY(m_processor->loadSiteCatalogue());
        QCOMPARE(refreshed.count(), 1);
        QVERIFY(m_processor->profileErrors.isEmpty());

        // A catalogue that cannot be read keeps the loaded one.
        QVERIFY(write(u"sites.xml"_s, "<sites><site"));
        QVERIFY(!m_processor->loadSiteCatalogue());
        QCOMPARE(refreshed.count(), 1);
        QVERIFY(m_processor->siteIndex.size() == 2 && m_processor->siteIndex.at(1)->site);
        QCOMPARE(m_processor->allPages.size(), 2);
    }

    void sitesOfCategory_data() { rows(orderRows); }
    void sitesOfCategory()
    {
        const OrderRow &r = current(orderRows);
        const QStringList labels = r.locales.split(u' ');
        QStringList entries;
        for (const QString &label : labels)
            entries.append(u"(s)GI"_s + label + u' ' + label + u".xml"_s);
        QVERIFY(load(entries, u"*"_s));
        for (const QString &label : labels) {
            auto *site = new CLSite;
            site->id = u"(s)GI"_s + label;
            site->locale = label == u"-"_s ? QString() : label.section(u'#', 0, 0);
            QVERIFY(m_processor->registerSite(site));
        }
        QCOMPARE(
            idsOf(m_processor->sitesOfCategory(CL_CATEGORY_GENERAL, r.language)).remove(u"(s)GI"_s),
            r.expected);
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
