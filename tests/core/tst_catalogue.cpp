#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

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

// Entries given as "ID FILE".
QByteArray catalogueXml(const QStringList &entries)
{
    QString xml = u"<?xml version='1.0' encoding='UTF-8'?>\n<sites>\n"_s;
    for (const QString &entry : entries)
        xml += u"\t<site id='%1' version='1' file='%2' />\n"_s.arg(entry.section(u' ', 0, 0),
                                                                   entry.section(u' ', 1));
    return (xml + u"</sites>\n"_s).toUtf8();
}

QString idsOf(const QList<CLSiteIndexItem *> &entries)
{
    QStringList ids;
    for (const CLSiteIndexItem *entry : entries)
        ids.append(entry->id);
    return ids.join(u' ');
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLProcessor> m_processor;

    bool write(const QString &file, const QByteArray &bytes) const
    {
        QFile out(m_dir->filePath(file));
        return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
    }
    // Loads a catalogue of "ID FILE" entries, each file a profile named after it but `missing`
    // ("*" for all).
    bool load(const QStringList &entries, const QString &missing = {})
    {
        for (const QString &entry : entries) {
            const QString file = entry.section(u' ', 1);
            if (file != missing && missing != u"*"_s &&
                !write(file, profileXml(entry.section(u' ', 0, 0), file)))
                return false;
        }
        return write(u"sites.xml"_s, catalogueXml(entries)) && m_processor->loadSiteCatalogue();
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_processor = std::make_unique<CLProcessor>();
        m_processor->profileDir = m_dir->path();
        m_processor->catalogueFile = u"sites.xml"_s;
    }

    void invalidCatalogue_data()
    {
        QTest::addColumn<QByteArray>("catalogue"); // null: no file at all

        QTest::newRow("no catalogue file") << QByteArray();
        QTest::newRow("root is not sites")
            << QByteArray("<site><site id='(s)GIa' version='1' file='a.xml'/></site>");
        QTest::newRow("every entry lacks an attribute")
            << QByteArray("<sites><site version='1' file='a.xml'/><site id='(s)GIb' file='b.xml'/>"
                          "<site id='(s)GIc' version='1'/><site id='(s)GId' version='1' file=''/>"
                          "</sites>");
    }
    void invalidCatalogue()
    {
        QFETCH(QByteArray, catalogue);
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

    void profileErrors_data()
    {
        QTest::addColumn<QByteArray>("profile"); // null: the file is missing
        QTest::addColumn<QString>("reason");     // expected part of the reason

        QTest::addColumn<int>("line"); // where the failure was met; -1 unchecked

        QTest::newRow("missing file") << QByteArray() << u"cannot be read"_s << -1;
        QTest::newRow("not well-formed")
            << QByteArray("<site>\n<page></site>") << u"not well-formed XML"_s << 2;
        // The profile reader recursed once per topic and overflowed the stack at this depth.
        const QByteArray deep =
            profileXml(u"(s)GIbad"_s)
                .replace("<step_text_extract/>",
                         "\n" + QByteArray("<topic name='D' id='d' type='x'>").repeated(20000) +
                             QByteArray("</topic>").repeated(20000));
        QTest::newRow("20,000 nested topics (under the 1 MiB cap)")
            << deep << u"elements nested deeper than 256"_s << 2;
        const QByteArray nested =
            profileXml(u"(s)GIbad"_s)
                .replace("<step_text_extract/>",
                         "\n" + QByteArray("<topic name='D' id='d' type='x'>").repeated(40) +
                             QByteArray("</topic>").repeated(40));
        QTest::newRow("topics nested past the cap")
            << nested << u"topics nested deeper than 32 levels"_s << 2;
        QTest::newRow("other root")
            << QByteArray("<sites/>") << u"document element is sites"_s << -1;
        QTest::newRow("id in no catalogue entry")
            << profileXml(u"(s)GIelse"_s) << u"no catalogue entry has the id (s)GIelse"_s << -1;
        QTest::newRow("invalid profile") << QByteArray("<site name=\"x\" id=\"(s)GIbad\"/>")
                                         << u"missing required attribute"_s << -1;
    }
    void profileErrors()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QString, reason);

        QVERIFY(profile.isNull() || write(u"bad.xml"_s, profile));
        QVERIFY(load({u"(s)GIgood good.xml"_s, u"(s)GIbad bad.xml"_s}, u"bad.xml"_s));
        QCOMPARE(idsOf(m_processor->failedEntries()), u"(s)GIbad"_s);
        QCOMPARE(m_processor->profileErrors.keys(), QStringList{u"bad.xml"_s});
        const CLProfileError recorded = m_processor->profileErrors.value(u"bad.xml"_s);
        QVERIFY2(recorded.reason.contains(reason), qPrintable(recorded.reason));
        QFETCH(int, line);
        if (line >= 0)
            QCOMPARE(recorded.line, line);
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

    void sitesOfCategory_data()
    {
        QTest::addColumn<QString>("locales"); // one entry per locale, in catalogue order
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("expected"); // locales in the returned order

        QTest::newRow("fr first, then code order")
            << u"de ru en es fr zh_TW zh_CN"_s << u"fr"_s << u"fr en zh_CN zh_TW es ru de"_s;
        QTest::newRow("empty and unknown locales come first")
            << u"fr - xx en"_s << u"fr"_s << u"- xx fr en"_s;
        // Positions 2, 1, 1, 0: a stable sort would keep the two en entries in order.
        QTest::newRow("exchange sort swaps equal positions")
            << u"zh_CN en#1 en#2 fr"_s << u"fr"_s << u"fr en#2 en#1 zh_CN"_s;
    }
    void sitesOfCategory()
    {
        QFETCH(QString, locales);
        QFETCH(QString, language);

        // Labels "code#n" tell equal locales apart, "-" is the empty locale; ids carry them.
        const QStringList labels = locales.split(u' ');
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
        QTEST(idsOf(m_processor->sitesOfCategory(CL_CATEGORY_GENERAL, language)).remove(u"(s)GI"_s),
              "expected");
    }

    void languageResource()
    {
        // A second load replaces the tables instead of adding to them.
        QVERIFY(m_processor->loadLanguageResource() && m_processor->loadLanguageResource());
        QCOMPARE(m_processor->languageNames.size(), 21);
        QCOMPARE(m_processor->countryNames.size(), 40);
        QCOMPARE(localName(m_processor->countryNames, u"th"_s, u"fr"_s), u"Tha\u00eflande"_s);
        QCOMPARE(localName(m_processor->countryNames, u"th"_s, u"xx"_s), u"\u6cf0\u56fd"_s);
        QCOMPARE(localName(m_processor->languageNames, u"zh_TW"_s, u"xx"_s),
                 u"Traditional Chinese"_s);
        const QString unknown = localName(m_processor->languageNames, u"xx"_s, u"en"_s);
        QVERIFY(!unknown.isNull() && unknown.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
