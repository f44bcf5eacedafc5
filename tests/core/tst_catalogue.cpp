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

// A loadable profile: one article page whose URL filter names the id.
QByteArray profileXml(const QString &id, const QString &name = u"Site"_s, int pages = 1,
                      const QString &locale = u"en"_s)
{
    QString xml = u"<site name=\"%1\" id=\"%2\" locale=\"%3\" codeset=\"UTF-8\" version=\"1\" "
                  u"entry=\"http://example.com/\">"_s.arg(name, id, locale);
    for (int i = 0; i < pages; ++i) {
        xml += u"<page name=\"P%1\" id=\"p%1\" type=\"news.article\">"
               u"<filter_url_inc pattern=\"*example.com/%1/*\"/>"
               u"<track name=\"t\"><topic name=\"T\" id=\"(t)t\" type=\"article-text\">"
               u"<step_text_extract/></topic></track></page>"_s.arg(i);
    }
    xml += u"</site>"_s;
    return xml.toUtf8();
}

QByteArray catalogueXml(const QList<QPair<QString, QString>> &entries)
{
    QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sites>\n";
    for (const auto &entry : entries)
        xml += "\t<site id=\"" + entry.first.toUtf8() + "\" version=\"1\" file=\"" +
               entry.second.toUtf8() + "\" />\n";
    xml += "</sites>\n";
    return xml;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
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
    void cleanup();

    void invalidCatalogue_data();
    void invalidCatalogue();
    void categoryOfId_data();
    void categoryOfId();
    void categoriesInOrderOfAppearance();
    void duplicateIds();
    void profileErrors_data();
    void profileErrors();
    void reloadSignalsAndFailures();
    void sitesOfCategory_data();
    void sitesOfCategory();
    void sitesOfCategoryTakesLoadedEntriesOfOneCategory();
    void languageResource();

private:
    QString path(const QString &file) const { return m_dir->filePath(file); }
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CLProcessor> m_processor;
};

void TestCatalogue::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_processor = std::make_unique<CLProcessor>();
    m_processor->profileDir = m_dir->path();
    m_processor->catalogueFile = u"sites.xml"_s;
}

void TestCatalogue::cleanup()
{
    m_processor.reset();
    m_dir.reset();
}

void TestCatalogue::invalidCatalogue_data()
{
    QTest::addColumn<QByteArray>("catalogue"); // null: no file at all

    QTest::newRow("no catalogue file") << QByteArray();
    QTest::newRow("not well-formed") << QByteArray("<sites><site id=\"a\"");
    QTest::newRow("root is not sites")
        << QByteArray("<site><site id=\"(s)GIa\" version=\"1\" file=\"a.xml\"/></site>");
    QTest::newRow("every entry lacks an attribute")
        << QByteArray("<sites><site version=\"1\" file=\"a.xml\"/><site id=\"(s)GIb\" "
                      "file=\"b.xml\"/><site id=\"(s)GIc\" version=\"1\"/>"
                      "<site id=\"(s)GId\" version=\"1\" file=\"\"/></sites>");
    QTest::newRow("entries under another tag")
        << QByteArray("<sites><entry id=\"(s)GIa\" version=\"1\" file=\"a.xml\"/></sites>");
    QTest::newRow("entries nested one level too deep")
        << QByteArray("<sites><group><site id=\"(s)GIa\" version=\"1\" file=\"a.xml\"/></group>"
                      "</sites>");
}

void TestCatalogue::invalidCatalogue()
{
    QFETCH(QByteArray, catalogue);

    QVERIFY(writeFile(path(u"a.xml"_s), profileXml(u"(s)GIa"_s)));
    if (!catalogue.isNull())
        QVERIFY(writeFile(path(u"sites.xml"_s), catalogue));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QVERIFY(m_processor->siteIndex.isEmpty());
    QVERIFY(m_processor->categories.isEmpty());
    QVERIFY(m_processor->allPages.isEmpty());
}

void TestCatalogue::categoryOfId_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("category");

    QTest::newRow("general prefix") << u"(s)GIbbc"_s << QStringLiteral(CL_CATEGORY_GENERAL);
    QTest::newRow("translation prefix")
        << u"(s)TRgoogle"_s << QStringLiteral(CL_CATEGORY_TRANSLATION);
    QTest::newRow("capital S") << u"(S)GIbbc"_s << QStringLiteral(CL_CATEGORY_OTHERS);
    QTest::newRow("lower-case gi") << u"(s)gibbc"_s << QStringLiteral(CL_CATEGORY_OTHERS);
    QTest::newRow("no prefix") << u"bbc"_s << QStringLiteral(CL_CATEGORY_OTHERS);
    QTest::newRow("prefix not at the start") << u"x(s)GI"_s << QStringLiteral(CL_CATEGORY_OTHERS);
    QTest::newRow("prefix alone") << u"(s)GI"_s << QStringLiteral(CL_CATEGORY_GENERAL);
}

void TestCatalogue::categoryOfId()
{
    QFETCH(QString, id);
    QFETCH(QString, category);

    QCOMPARE(categoryOfSiteId(id), category);
    // The catalogue derives the same category for its entry.
    QDomDocument document;
    QVERIFY(document.setContent(catalogueXml({{id, u"f.xml"_s}})));
    QVERIFY(m_processor->parseCatalogue(document));
    QCOMPARE(m_processor->siteIndex.first()->category, category);
}

void TestCatalogue::categoriesInOrderOfAppearance()
{
    QDomDocument document;
    QVERIFY(document.setContent(catalogueXml({{u"x"_s, u"1.xml"_s},
                                              {u"(s)TRa"_s, u"2.xml"_s},
                                              {u"(s)GIa"_s, u"3.xml"_s},
                                              {u"(s)TRb"_s, u"4.xml"_s},
                                              {u"y"_s, u"5.xml"_s}})));
    QVERIFY(m_processor->parseCatalogue(document));
    QCOMPARE(m_processor->categories, QStringList({QStringLiteral(CL_CATEGORY_OTHERS),
                                                   QStringLiteral(CL_CATEGORY_TRANSLATION),
                                                   QStringLiteral(CL_CATEGORY_GENERAL)}));
    QCOMPARE(m_processor->profileFiles(),
             QStringList({u"1.xml"_s, u"2.xml"_s, u"3.xml"_s, u"4.xml"_s, u"5.xml"_s}));
    QCOMPARE(m_processor->siteIndex.at(2)->version, u"1"_s);
    QVERIFY(m_processor->siteIndex.at(2)->name.isEmpty());
    QVERIFY(m_processor->siteIndex.at(2)->locale.isEmpty());
}

void TestCatalogue::duplicateIds()
{
    QVERIFY(writeFile(path(u"sites.xml"_s), catalogueXml({{u"(s)GIdup"_s, u"first.xml"_s},
                                                          {u"(s)GIdup"_s, u"second.xml"_s},
                                                          {u"(s)GIother"_s, u"other.xml"_s}})));
    QVERIFY(writeFile(path(u"first.xml"_s), profileXml(u"(s)GIdup"_s, u"First"_s, 2)));
    QVERIFY(writeFile(path(u"second.xml"_s), profileXml(u"(s)GIdup"_s, u"Second"_s, 1)));
    QVERIFY(writeFile(path(u"other.xml"_s), profileXml(u"(s)GIother"_s, u"Other"_s, 1)));

    QVERIFY(m_processor->loadSiteCatalogue());
    const QList<CLSiteIndexItem *> &index = m_processor->siteIndex;
    QCOMPARE(index.size(), 3);
    QVERIFY(index.at(0)->site);
    QCOMPARE(index.at(0)->site->name, u"Second"_s);
    QVERIFY(!index.at(1)->site);
    QCOMPARE(m_processor->failedEntries(), QList<CLSiteIndexItem *>{index.at(1)});
    QVERIFY(m_processor->profileErrors.contains(u"second.xml"_s));
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

    QTest::newRow("missing file") << QByteArray()
                                  << u"file could not be read or is not well-formed XML"_s;
    QTest::newRow("not well-formed")
        << QByteArray("<site name=") << u"file could not be read or is not well-formed XML"_s;
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

    QVERIFY(writeFile(path(u"sites.xml"_s), catalogueXml({{u"(s)GIgood"_s, u"good.xml"_s},
                                                          {u"(s)GIbad"_s, u"bad.xml"_s}})));
    QVERIFY(writeFile(path(u"good.xml"_s), profileXml(u"(s)GIgood"_s)));
    if (!profile.isNull())
        QVERIFY(writeFile(path(u"bad.xml"_s), profile));

    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(m_processor->siteIndex.size(), 2);
    QCOMPARE(idsOf(m_processor->failedEntries()), QStringList{u"(s)GIbad"_s});
    QCOMPARE(m_processor->profileErrors.keys(), QStringList{u"bad.xml"_s});
    const QString recorded = m_processor->profileErrors.value(u"bad.xml"_s).reason;
    QVERIFY(!recorded.isEmpty());
    if (!reason.isEmpty())
        QVERIFY2(recorded.contains(reason), qPrintable(recorded));
    QCOMPARE(idsOf(m_processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), u"en"_s)),
             QStringList{u"(s)GIgood"_s});
    // A discarded profile leaves no pages behind.
    QCOMPARE(m_processor->allPages.size(), 1);
}

void TestCatalogue::reloadSignalsAndFailures()
{
    QSignalSpy refreshed(m_processor.get(), &CLProcessor::profilesRefreshed);
    QVERIFY(writeFile(path(u"sites.xml"_s),
                      catalogueXml({{u"(s)GIa"_s, u"a.xml"_s}, {u"(s)GIb"_s, u"b.xml"_s}})));
    QVERIFY(writeFile(path(u"a.xml"_s), profileXml(u"(s)GIa"_s)));

    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 0);
    QCOMPARE(m_processor->profileErrors.size(), 1);

    // A reload with every profile present clears the old errors and signals.
    QVERIFY(writeFile(path(u"b.xml"_s), profileXml(u"(s)GIb"_s)));
    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
    QVERIFY(m_processor->profileErrors.isEmpty());
    QVERIFY(m_processor->failedEntries().isEmpty());
    QCOMPARE(m_processor->allPages.size(), 2);

    // A catalogue that cannot be read keeps the loaded one.
    QVERIFY(writeFile(path(u"sites.xml"_s), "<sites><site"));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
    QCOMPARE(m_processor->siteIndex.size(), 2);
    QVERIFY(m_processor->siteIndex.at(1)->site);
    QCOMPARE(m_processor->allPages.size(), 2);

    // A readable catalogue without entries leaves nothing.
    QVERIFY(writeFile(path(u"sites.xml"_s), "<sites/>"));
    QVERIFY(!m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);
    QVERIFY(m_processor->siteIndex.isEmpty());
    QVERIFY(m_processor->allPages.isEmpty());

    // Loading again after emptying is a first load once more.
    QVERIFY(writeFile(path(u"sites.xml"_s), catalogueXml({{u"(s)GIa"_s, u"a.xml"_s}})));
    QVERIFY(m_processor->loadSiteCatalogue());
    QCOMPARE(refreshed.count(), 1);

    // Without directory or file name nothing is read.
    m_processor->catalogueFile.clear();
    QVERIFY(!m_processor->loadSiteCatalogue());
    QCOMPARE(m_processor->siteIndex.size(), 1);
}

void TestCatalogue::sitesOfCategory_data()
{
    QTest::addColumn<QStringList>("locales"); // one entry per locale, in catalogue order
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("expected"); // locales in the returned order

    QTest::newRow("fr first, then code order")
        << QStringList{u"de"_s, u"ru"_s, u"en"_s, u"es"_s, u"fr"_s, u"zh_TW"_s, u"zh_CN"_s}
        << u"fr"_s
        << QStringList{u"fr"_s, u"en"_s, u"zh_CN"_s, u"zh_TW"_s, u"es"_s, u"ru"_s, u"de"_s};
    QTest::newRow("zh_TW before zh_CN before en")
        << QStringList{u"en"_s, u"zh_CN"_s, u"fa"_s, u"zh_TW"_s} << u"zh_TW"_s
        << QStringList{u"zh_TW"_s, u"zh_CN"_s, u"en"_s, u"fa"_s};
    QTest::newRow("zh_CN before zh_TW before en")
        << QStringList{u"en"_s, u"zh_TW"_s, u"zh_CN"_s} << u"zh_CN"_s
        << QStringList{u"zh_CN"_s, u"zh_TW"_s, u"en"_s};
    QTest::newRow("empty and unknown locales come first")
        << QStringList{u"fr"_s, QString(), u"xx"_s, u"en"_s} << u"fr"_s
        << QStringList{QString(), u"xx"_s, u"fr"_s, u"en"_s};
    QTest::newRow("empty language keeps the code list")
        << QStringList{u"fr"_s, u"zh_CN"_s, u"en"_s} << QString()
        << QStringList{u"en"_s, u"zh_CN"_s, u"fr"_s};
    QTest::newRow("unsupported language goes first")
        << QStringList{u"en"_s, u"nl"_s} << u"nl"_s << QStringList{u"nl"_s, u"en"_s};
    // Positions 2, 1, 1, 0: a stable sort would keep the two en entries in order.
    QTest::newRow("exchange sort swaps equal positions")
        << QStringList{u"zh_CN"_s, u"en#1"_s, u"en#2"_s, u"fr"_s} << u"fr"_s
        << QStringList{u"fr"_s, u"en#2"_s, u"en#1"_s, u"zh_CN"_s};
    // "e" is replaced inside "en", which so becomes unknown.
    QTest::newRow("language inside a code hides that code")
        << QStringList{u"en"_s, u"fr"_s, u"xx"_s} << u"e"_s
        << QStringList{u"en"_s, u"xx"_s, u"fr"_s};
}

void TestCatalogue::sitesOfCategory()
{
    QFETCH(QStringList, locales);
    QFETCH(QString, language);
    QFETCH(QStringList, expected);

    // Locales are labelled "code#n" to tell equal ones apart; the id carries the label.
    QList<QPair<QString, QString>> entries;
    for (const QString &label : std::as_const(locales))
        entries.append({u"(s)GI"_s + label, label + u".xml"_s});
    QDomDocument document;
    QVERIFY(document.setContent(catalogueXml(entries)));
    QVERIFY(m_processor->parseCatalogue(document));
    for (const QString &label : std::as_const(locales)) {
        auto *site = new CLSite;
        site->id = u"(s)GI"_s + label;
        site->locale = label.section(u'#', 0, 0);
        QVERIFY(m_processor->registerSite(site));
    }

    QStringList order;
    const QList<CLSiteIndexItem *> sites =
        m_processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), language);
    for (const CLSiteIndexItem *entry : sites)
        order.append(entry->id.mid(5));
    QCOMPARE(order, expected);
}

void TestCatalogue::sitesOfCategoryTakesLoadedEntriesOfOneCategory()
{
    QDomDocument document;
    QVERIFY(document.setContent(catalogueXml({{u"(s)GIloaded"_s, u"1.xml"_s},
                                              {u"(s)GIfailed"_s, u"2.xml"_s},
                                              {u"(s)TRengine"_s, u"3.xml"_s},
                                              {u"(S)GIcase"_s, u"4.xml"_s}})));
    QVERIFY(m_processor->parseCatalogue(document));
    for (const QString &id : {u"(s)GIloaded"_s, u"(s)TRengine"_s, u"(S)GIcase"_s}) {
        auto *site = new CLSite;
        site->id = id;
        site->locale = u"en"_s;
        QVERIFY(m_processor->registerSite(site));
    }
    auto *stray = new CLSite;
    stray->id = u"(s)GIunknown"_s;
    QVERIFY(!m_processor->registerSite(stray));
    delete stray;
    QVERIFY(!m_processor->registerSite(nullptr));

    QCOMPARE(idsOf(m_processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), u"en"_s)),
             QStringList{u"(s)GIloaded"_s});
    QCOMPARE(idsOf(m_processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_OTHERS), u"en"_s)),
             QStringList{u"(S)GIcase"_s});
    QVERIFY(m_processor->sitesOfCategory(u"(c)general.inforamtion"_s, u"en"_s).isEmpty());
    QCOMPARE(idsOf(m_processor->failedEntries()), QStringList{u"(s)GIfailed"_s});
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
    QCOMPARE(localName(countries, u"ae"_s, u"xx"_s),
             countries.value(u"ae"_s)->displays.value(u"zh_CN"_s));
    QCOMPARE(localName(languages, u"fr"_s, u"en"_s), u"French"_s);
    QCOMPARE(localName(languages, u"zh_TW"_s, u"xx"_s), u"Traditional Chinese"_s);
    QCOMPARE(localName(languages, u"xx"_s, u"en"_s), u""_s);
    QVERIFY(!localName(languages, u"xx"_s, u"en"_s).isNull());
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
