#include "clobject.h"
#include "clsitemodel.h"
#include "clelement.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

class TestSiteModel : public QObject
{
    Q_OBJECT

private slots:
    void parseI18n_data();
    void parseI18n();
    void localName_data();
    void localName();
    void topicPathAndWalks();
    void topicKinds_data();
    void topicKinds();
    void addingTwiceKeepsOnePage();
};

static std::unique_ptr<CLI18n> i18nFrom(const QString &xml)
{
    QDomDocument doc;
    if (!doc.setContent(xml))
        return nullptr;
    return std::unique_ptr<CLI18n>(parseI18n(doc.documentElement()));
}

void TestSiteModel::parseI18n_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<bool>("isRecord");
    QTest::addColumn<QString>("original");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("name");

    QTest::newRow("later display replaces earlier")
        << "<i18n original='en'><display locale='en'>One</display>"
           "<display locale='en'>Two</display></i18n>"
        << true << "en"
        << "en"
        << "Two";
    QTest::newRow("missing original is empty")
        << "<i18n><display locale='fr'>Un</display></i18n>" << true << ""
        << "fr"
        << "Un";
    QTest::newRow("display nested anywhere below")
        << "<i18n original='de'><group><display locale='de'>Eins</display></group></i18n>" << true
        << "de"
        << "de"
        << "Eins";
    QTest::newRow("CDATA with surrounding white space")
        << "<i18n><display locale='ja'>\n  <![CDATA[<b>Name</b>]]>\n</display></i18n>" << true << ""
        << "ja"
        << "<b>Name</b>";
    QTest::newRow("display without locale stored under empty locale")
        << "<i18n><display>Plain</display></i18n>" << true << ""
        << ""
        << "Plain";
    QTest::newRow("other tag is no record") << "<names original='en'/>" << false << ""
                                            << ""
                                            << "";
}

void TestSiteModel::parseI18n()
{
    QFETCH(QString, xml);
    QFETCH(bool, isRecord);
    const auto record = i18nFrom(xml);
    QCOMPARE(bool(record), isRecord);
    if (!record)
        return;
    QFETCH(QString, original);
    QFETCH(QString, locale);
    QFETCH(QString, name);
    QCOMPARE(record->original, original);
    QVERIFY(record->displays.contains(locale));
    QCOMPARE(record->displays.value(locale), name);
}

void TestSiteModel::localName_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");

    QTest::newRow("name for the locale") << "th"
                                         << "fr"
                                         << "Thaïlande";
    QTest::newRow("missing locale falls back to original") << "th"
                                                           << "xx"
                                                           << "泰国";
    QTest::newRow("empty locale falls back to original") << "th"
                                                         << ""
                                                         << "泰国";
    QTest::newRow("unknown code gives empty") << "xx"
                                              << "en"
                                              << "";
    QTest::newRow("no original and missing locale gives empty") << "bare"
                                                                << "de"
                                                                << "";
}

void TestSiteModel::localName()
{
    QFETCH(QString, code);
    QFETCH(QString, locale);
    QFETCH(QString, expected);

    QHash<QString, CLI18n *> table;
    table.insert(
        QStringLiteral("th"),
        i18nFrom(QStringLiteral("<i18n original='zh_CN'><display locale='zh_CN'>泰国</display>"
                                "<display locale='fr'>Thaïlande</display></i18n>"))
            .release());
    table.insert(
        QStringLiteral("bare"),
        i18nFrom(QStringLiteral("<i18n><display locale='en'>Bare</display></i18n>")).release());

    const QString name = ::localName(table, code, locale);
    QCOMPARE(name, expected);
    QVERIFY(!name.isNull());
    qDeleteAll(table);
}

void TestSiteModel::topicPathAndWalks()
{
    CLSite site;
    site.id = QStringLiteral("s");
    auto *index = new CLPage;
    index->id = QStringLiteral("pageid");
    index->type = PageIndex;
    auto *article = new CLPage;
    article->type = PageArticle;
    addPage(&site, index);
    addPage(&site, article);
    auto *track = new CLTrack;
    addTrack(index, track);
    auto *a = new CLTopic;
    a->id = QStringLiteral("a");
    auto *b = new CLTopic;
    b->id = QStringLiteral("b");
    auto *c = new CLTopic;
    c->id = QStringLiteral("c");
    auto *d = new CLTopic;
    d->id = QStringLiteral("d");
    addTopic(track, a);
    addSubTopic(a, b);
    addSubTopic(b, c);
    addTopic(track, d);
    auto *articleTrack = new CLTrack;
    addTrack(article, articleTrack);
    auto *title = new CLTopic;
    title->id = QStringLiteral("title");
    addTopic(articleTrack, title);

    QCOMPARE(topicPath(b), QStringLiteral("s.a.b"));
    QCOMPARE(topicPath(c), QStringLiteral("s.a.b.c"));
    QCOMPARE(pageOf(c), index);
    QCOMPARE(siteOf(c), &site);
    QCOMPARE(subTopicsOf(a), (QList<CLTopic *>{b, c}));
    QVERIFY(subTopicsOf(d).isEmpty());
    QCOMPARE(topicsOf(&site, PageIndex), (QList<CLTopic *>{a, b, c, d}));
    QCOMPARE(topicsOf(&site, PageArticle), (QList<CLTopic *>{title}));
    QCOMPARE(topicsOf(&site, PageAny).size(), 5);

    CLTopic orphan;
    orphan.id = QStringLiteral("x");
    QCOMPARE(siteOf(&orphan), nullptr);
    QCOMPARE(topicPath(&orphan), QStringLiteral("x"));
}

void TestSiteModel::topicKinds_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("depth");
    QTest::addColumn<int>("groupKind");
    QTest::addColumn<int>("kind");

    QTest::newRow("index at depth 1")
        << "article-index" << 1 << int(IndexGroup1) << int(IndexEntry1);
    QTest::newRow("index at depth 2")
        << "article-index" << 2 << int(IndexGroup2) << int(IndexEntry2);
    QTest::newRow("index at depth 3")
        << "article-index" << 3 << int(IndexGroup3) << int(IndexEntry3);
    QTest::newRow("index four deep has no kinds") << "article-index" << 4 << 0 << 0;
    QTest::newRow("title") << "article-title" << 1 << 0 << int(ArticleTitle);
    QTest::newRow("image list") << "article-image-list" << 2 << 0 << int(ArticleImage);
    QTest::newRow("next page") << "article-next-page" << 1 << 0 << int(ArticleNextPage);
    QTest::newRow("translate text") << "translate-text" << 1 << 0 << int(TranslateText);
    QTest::newRow("unknown word") << "article-summary" << 1 << 0 << 0;
    QTest::newRow("keywords are case-sensitive") << "Article-Title" << 1 << 0 << 0;
}

void TestSiteModel::topicKinds()
{
    QFETCH(QString, type);
    QFETCH(int, depth);
    int groupKind = -1;
    int kind = -1;
    topicKindsFor(type, depth, &groupKind, &kind);
    QTEST(groupKind, "groupKind");
    QTEST(kind, "kind");
}

void TestSiteModel::addingTwiceKeepsOnePage()
{
    CLSite site;
    auto *page = new CLPage;
    addPage(&site, page);
    addPage(&site, page);
    addPage(&site, nullptr);
    QCOMPARE(site.pages.size(), 1);
    QCOMPARE(page->site, &site);
    QCOMPARE(site.country, QStringLiteral("n/a"));
}

QTEST_GUILESS_MAIN(TestSiteModel)
#include "tst_sitemodel.moc"
