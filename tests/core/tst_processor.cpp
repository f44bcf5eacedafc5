#include "clelement.h"
#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "clstep.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Answers with a fixed text, `links` links, or nothing, whatever the page.
struct ScriptedStep : CLStep
{
    ScriptedStep(const QString &t, int n) : CLStep({DataBytes}, DataText), text(t), links(n) {}
    CLData *process(CLData *) const override
    {
        QList<CLURLData *> urls;
        for (int i = 1; i <= links; ++i)
            urls.append(
                new CLURLData(u"http://example.com/%1"_s.arg(i), u"link %1"_s.arg(i), URLHtml));
        return links ? new CLData(urls) : text.isEmpty() ? nullptr : new CLData(text);
    }
    QString text;
    int links;
};

CLPage *newPage(CLSite *site, const QString &id, int type, const QString &urlPattern)
{
    auto *page = new CLPage;
    page->id = page->name = id;
    page->type = type;
    page->urlFilter.addInclude(urlPattern);
    addPage(site, page);
    return page;
}

CLTopic *newTopic(const QString &id, int kind, const QString &text, int groupKind = 0,
                  int links = 0)
{
    auto *topic = new CLTopic;
    topic->id = topic->name = id;
    topic->kind = kind;
    topic->groupKind = groupKind;
    addStep(topic, new ScriptedStep(text, links));
    return topic;
}

CLTrack *newTrack(CLPage *page, const QString &content = {}, CLTopic *topic = nullptr)
{
    auto *track = new CLTrack;
    if (!content.isEmpty())
        track->contentFilter.addInclude(content);
    addTrack(page, track);
    if (topic)
        addTopic(track, topic);
    return track;
}

// "kind:text" per node, children in brackets.
QString describe(const QList<CLElement *> &nodes)
{
    QStringList parts;
    for (const CLElement *node : nodes) {
        const QString children = describe(node->children);
        parts.append(QString::number(node->kind) + u':' + node->text() +
                     (children.isEmpty() ? QString() : u'(' + children + u')'));
    }
    return parts.join(u',');
}

// The nodes the topics make below an article root.
QString nodesOf(const QList<CLTopic *> &topics, const QStringList &disabled = {})
{
    CLProcessor processor;
    processor.filterSettings = new CLFilterSettings;
    processor.filterSettings->disabledTopics = QSet<QString>(disabled.cbegin(), disabled.cend());
    CLElement root(ArticlePage, {}, nullptr, nullptr, nullptr);
    processor.processTopics(topics, "page bytes", &root);
    return describe(root.children);
}

void installSites(CLProcessor &processor, const QList<CLSite *> &sites)
{
    QString xml = u"<sites>"_s;
    for (const CLSite *site : sites)
        xml += u"<site id=\"%1\" version=\"1\" file=\"%1.xml\"/>"_s.arg(site->id);
    QDomDocument document;
    document.setContent(xml + u"</sites>"_s);
    QVERIFY(processor.parseCatalogue(document));
    for (CLSite *site : sites)
        QVERIFY(processor.registerSite(site));
}

} // namespace

class TestProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void pageAndTrackChoice_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("pageType");
        QTest::addColumn<QString>("siteId");
        QTest::addColumn<QByteArray>("bytes");
        // The tree, its origin id and language, then "read" when in the history once.
        QTest::addColumn<QString>("result");

        const QString news = u"http://x/news/1"_s;
        const auto row = [](const char *name, const QString &url, int type, const QString &site,
                            const QByteArray &bytes, const QString &result) {
            QTest::newRow(name) << url << type << site << bytes << result;
        };
        row("url accepted by no page", "http://nowhere.example/", 2, {}, "<A>", "null");
        row("empty bytes", news, 2, "a", {}, "null");
        row("every track rejects the bytes", news, 2, "a", "plain", "null");
        row("matching page of type 0", "http://a.example/misc", 0, {}, "<A>", "null");
        row("first track whose filter passes", news, 2, "a", "<A>", "10:URL(11:A1) a en read");
        row("later track when the first rejects", news, 2, "a", "<B>", "10:URL(11:A2) a en read");
        row("site id picks the other of two matches, any type", news, 0, "b", "<B>",
            "10:URL(11:B) b fr read");
        row("named site without a match falls back to another", "http://b.example/front", 1, "a",
            "<A>", "1:front front fr");
        row("index page yields its root, not read", "http://a.example/index", 1, "a", "<A>",
            "1:index index en");
    }
    void pageAndTrackChoice()
    {
        QFETCH(QString, url);
        QFETCH(int, pageType);
        QFETCH(QString, siteId);
        QFETCH(QByteArray, bytes);

        // alpha (en): an index, an article with two layouts, a type-0 page; beta (fr): the same
        // article URLs and a front page of its own.
        auto *alpha = new CLSite, *beta = new CLSite;
        alpha->id = alpha->name = u"a"_s;
        beta->id = beta->name = u"b"_s;
        alpha->locale = u"en"_s;
        beta->locale = u"fr"_s;
        newTrack(newPage(alpha, u"index"_s, PageIndex, u"*a.example/index*"_s));
        CLPage *article = newPage(alpha, u"article"_s, PageArticle, u"*/news/*"_s);
        newTrack(article, u"<A>"_s, newTopic(u"(t)m"_s, ArticleTitle, u"A1"_s));
        newTrack(article, u"<B>"_s, newTopic(u"(t)m"_s, ArticleTitle, u"A2"_s));
        newTrack(newPage(alpha, u"misc"_s, PageAny, u"*a.example/misc*"_s));
        newTrack(newPage(beta, u"article"_s, PageArticle, u"*/news/*"_s), {},
                 newTopic(u"(t)m"_s, ArticleTitle, u"B"_s));
        newTrack(newPage(beta, u"front"_s, PageIndex, u"*b.example/front*"_s));
        CLProcessor processor;
        installSites(processor, {alpha, beta});

        const std::unique_ptr<CLElement> root(processor.process(url, bytes, pageType, siteId));
        QString got = root ? describe({root.get()}).replace(url, u"URL"_s) + u' ' +
                                 root->origin->id + u' ' + root->language
                           : u"null"_s;
        delete processor.process(url, bytes, pageType, siteId);
        if (processor.history == QSet<quint32>{historyHash(url)})
            got += u" read"_s;
        QTEST(got, "result");
    }

    void disabledTopics_data()
    {
        QTest::addColumn<QStringList>("disabled");
        QTest::addColumn<QString>("tree");

        const auto row = [](const char *name, const QStringList &disabled, const QString &tree) {
            QTest::newRow(name) << disabled << tree;
        };
        row("exact path among several entries", {"x", "s.(t)gh"}, "4:(t)g(7:G,14:B,14:C),14:E");
        row("site entry covers only its (t) topics", {"s"}, "14:E");
        row("group entry drops its sub-topics but is no plain prefix", {"s.(t)g"}, "14:H,14:E");
        row("sub-topic entry drops its untagged child, keeps the parent", {"s.(t)g.(t)b"},
            "4:(t)g(7:G),14:H,14:E");
    }
    void disabledTopics()
    {
        QFETCH(QStringList, disabled);

        CLSite site;
        site.id = u"s"_s;
        CLTopic *group = newTopic(u"(t)g"_s, IndexEntry1, u"G"_s, IndexGroup1);
        CLTopic *b = newTopic(u"(t)b"_s, ArticleText, u"B"_s);
        addSubTopic(b, newTopic(u"c"_s, ArticleText, u"C"_s));
        addSubTopic(group, b);
        CLTrack *track = newTrack(newPage(&site, u"p"_s, PageArticle, u"*"_s), {}, group);
        addTopic(track, newTopic(u"(t)gh"_s, ArticleText, u"H"_s));
        addTopic(track, newTopic(u"e"_s, ArticleText, u"E"_s));
        QTEST(nodesOf(track->topics, disabled), "tree");
    }

    void topicNodes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("groupKind");
        QTest::addColumn<QString>("defaultText");
        QTest::addColumn<int>("reply"); // -1 nothing, 0 the text "found", else that many links
        QTest::addColumn<QString>("nodes");

        const auto row = [](const char *name, int kind, int group, const QString &defaultText,
                            int reply, const QString &nodes) {
            QTest::newRow(name) << kind << group << defaultText << reply << nodes;
        };
        row("index group made although nothing found", IndexEntry1, IndexGroup1, {}, -1, "4:t");
        row("url list of three gives three siblings in order", IndexEntry2, 0, {}, 3,
            "8:link 1,8:link 2,8:link 3");
        row("url list entries go below the group", IndexEntry1, IndexGroup1, {}, 2,
            "4:t(7:link 1,7:link 2)");
        row("source falls back to default text", ArticleSource, 0, "S", -1, "12:S");
        row("datetime falls back to default text", ArticleDatetime, 0, "D", -1, "13:D");
        row("text falls back to default text", ArticleText, 0, "T", -1, "14:T");
        row("title ignores default text", ArticleTitle, 0, "Untitled", -1, {});
        row("found text wins over default text", ArticleSource, 0, "S", 0, "12:found");
    }
    void topicNodes()
    {
        QFETCH(int, kind);
        QFETCH(int, groupKind);
        QFETCH(QString, defaultText);
        QFETCH(int, reply);

        const std::unique_ptr<CLTopic> topic(
            newTopic(u"t"_s, kind, reply < 0 ? QString() : u"found"_s, groupKind, qMax(reply, 0)));
        topic->defaultText = defaultText;
        QTEST(nodesOf({topic.get()}), "nodes");
    }

    void corpusArticle()
    {
        QFile page(TESSOLIN_CORPUS "/pages/en-taipeitimes.html");
        QFile truthFile(TESSOLIN_CORPUS "/truth/en-taipeitimes.json");
        if (!page.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
            QSKIP("news corpus not available");
        const QJsonObject truth = QJsonDocument::fromJson(truthFile.readAll()).object();

        const auto profile =
            loadXmlDocument(TESSOLIN_SOURCE_DIR "/data/conf/profile/taipeitimes.xml");
        CLSite *site = profile ? readProfile(*profile) : nullptr;
        QVERIFY(site);
        CLProcessor processor;
        installSites(processor, {site});

        const std::unique_ptr<CLElement> root(
            processor.process(truth[u"url"_s].toString(), page.readAll(), PageArticle, site->id));
        QVERIFY(root);
        QHash<int, QString> texts;
        for (const CLElement *node : root->children)
            texts.insert(node->kind, node->text());
        QCOMPARE(texts.value(ArticleTitle).trimmed(), truth[u"title"_s].toString());
        // Every paragraph whole, and little besides.
        const QString text = texts.value(ArticleText).simplified(),
                      expected = truth[u"text"_s].toString();
        for (const QString &paragraph : expected.split(u"\n\n"_s))
            QVERIFY2(text.contains(paragraph.simplified()), qPrintable(paragraph));
        QVERIFY2(text.size() < expected.size() * 1.1, qPrintable(text));
    }
};

QTEST_GUILESS_MAIN(TestProcessor)
#include "tst_processor.moc"
