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
#include <QRegularExpression>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// What a scripted topic's chain yields: nothing, one text, or a list of links.
struct Reply
{
    enum Kind { Nothing, Text, Links };
    Kind kind = Nothing;
    QString text;
    int links = 0;
};

// A step that answers with a fixed value, so topic handling is tested
// without depending on what real steps find.
class ScriptedStep : public CLStep
{
public:
    explicit ScriptedStep(const Reply &reply) : CLStep({DataBytes}, DataText), m_reply(reply) {}

    CLData *process(CLData *) const override
    {
        switch (m_reply.kind) {
        case Reply::Text:
            return new CLData(m_reply.text);
        case Reply::Links: {
            QList<CLURLData *> urls;
            for (int i = 1; i <= m_reply.links; ++i)
                urls.append(
                    new CLURLData(u"http://example.com/%1"_s.arg(i), u"link %1"_s.arg(i), URLHtml));
            return new CLData(urls);
        }
        case Reply::Nothing:
            break;
        }
        return nullptr;
    }

private:
    Reply m_reply;
};

Reply text(const QString &t)
{
    return Reply{Reply::Text, t, 0};
}

CLPage *newPage(CLSite *site, const QString &id, int type, const QString &urlPattern)
{
    auto *page = new CLPage;
    page->id = id;
    page->name = id + u" page"_s;
    page->type = type;
    page->urlFilter.addInclude(urlPattern);
    addPage(site, page);
    return page;
}

CLTrack *newTrack(CLPage *page, const QString &contentPattern = QString())
{
    auto *track = new CLTrack;
    if (!contentPattern.isEmpty())
        track->contentFilter.addInclude(contentPattern);
    addTrack(page, track);
    return track;
}

CLTopic *newTopic(const QString &id, int kind, const Reply &reply, int groupKind = 0)
{
    auto *topic = new CLTopic;
    topic->id = id;
    topic->name = id + u" name"_s;
    topic->kind = kind;
    topic->groupKind = groupKind;
    addStep(topic, new ScriptedStep(reply));
    return topic;
}

CLSite *newSite(const QString &id, const QString &locale)
{
    auto *site = new CLSite;
    site->id = id;
    site->name = id;
    site->locale = locale;
    return site;
}

// "kind:text" per node, children in brackets, depth first.
QString describe(const CLElement *element)
{
    if (!element)
        return u"null"_s;
    QString out = QString::number(element->kind) + u':' + element->text();
    if (!element->children.isEmpty()) {
        QStringList parts;
        for (const CLElement *child : element->children)
            parts.append(describe(child));
        out += u'(' + parts.join(u',') + u')';
    }
    return out;
}

QString describeChildren(const CLElement *element)
{
    QStringList parts;
    if (element) {
        for (const CLElement *child : element->children)
            parts.append(describe(child));
    }
    return parts.join(u',');
}

// Registers hand-built sites through a catalogue of the same ids.
void installSites(CLProcessor &processor, const QList<CLSite *> &sites)
{
    QString xml = u"<sites>"_s;
    for (const CLSite *site : sites)
        xml += u"<site id=\"%1\" version=\"1\" file=\"%1.xml\"/>"_s.arg(site->id);
    xml += u"</sites>"_s;
    QDomDocument document;
    document.setContent(xml);
    QVERIFY(processor.parseCatalogue(document));
    for (CLSite *site : sites)
        QVERIFY(processor.registerSite(site));
}

QStringList tokens(const QString &text)
{
    static const QRegularExpression separators(u"[^\\w]+"_s,
                                               QRegularExpression::UseUnicodePropertiesOption);
    QStringList out = text.toLower().split(separators, Qt::SkipEmptyParts);
    return out;
}

// Share of the tokens of `part` that also occur in `whole`.
double coverage(const QStringList &part, const QStringList &whole)
{
    if (part.isEmpty())
        return 0.0;
    const QSet<QString> known(whole.cbegin(), whole.cend());
    int hits = 0;
    for (const QString &token : part)
        hits += known.contains(token) ? 1 : 0;
    return double(hits) / double(part.size());
}

} // namespace

class TestProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void pageAndTrackChoice_data();
    void pageAndTrackChoice();
    void rootOrigins();
    void history_data();
    void history();
    void topicEnabled_data();
    void topicEnabled();
    void disabledTopicsLeaveTree_data();
    void disabledTopicsLeaveTree();
    void topicNodes_data();
    void topicNodes();
    void contentNodesCarrySiteLanguage();
    void profileReadFromXml();
    void corpusArticle();

private:
    std::unique_ptr<CLProcessor> m_processor;
};

void TestProcessor::initTestCase()
{
    fillEntityTable();
}

void TestProcessor::init()
{
    m_processor = std::make_unique<CLProcessor>();
    // Site alpha (en): index, article with two layouts, a page of an unknown type
    // and a translator entry page. Site beta (fr): the same article URLs and a
    // front page of its own.
    CLSite *alpha = newSite(u"(s)GIalpha"_s, u"en"_s);
    newTrack(newPage(alpha, u"alpha-index"_s, PageIndex, u"*alpha.example/index*"_s));
    CLPage *article = newPage(alpha, u"alpha-article"_s, PageArticle, u"*example/news/*"_s);
    addTopic(newTrack(article, u"<ARTICLE>"_s), newTopic(u"(t)m"_s, ArticleTitle, text(u"A1"_s)));
    addTopic(newTrack(article, u"<STORY>"_s), newTopic(u"(t)m"_s, ArticleTitle, text(u"A2"_s)));
    newTrack(newPage(alpha, u"alpha-misc"_s, PageAny, u"*alpha.example/misc*"_s));
    newTrack(newPage(alpha, u"alpha-tr"_s, PageTranslatorEntry, u"*translate.example*"_s));

    CLSite *beta = newSite(u"(s)GIbeta"_s, u"fr"_s);
    CLPage *betaArticle = newPage(beta, u"beta-article"_s, PageArticle, u"*example/news/*"_s);
    addTopic(newTrack(betaArticle), newTopic(u"(t)m"_s, ArticleTitle, text(u"B"_s)));
    newTrack(newPage(beta, u"beta-front"_s, PageIndex, u"*beta.example/front*"_s));

    installSites(*m_processor, {alpha, beta});
}

void TestProcessor::cleanup()
{
    m_processor.reset();
}

void TestProcessor::pageAndTrackChoice_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QString>("siteId");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("tree"); // "null" when nothing is built
    QTest::addColumn<QString>("language");

    const QByteArray article = "<html><ARTICLE>body</ARTICLE></html>";
    const QByteArray story = "<html><STORY>body</STORY></html>";
    const QString newsUrl = u"http://www.example/news/1.html"_s;

    QTest::newRow("url accepted by no page")
        << u"http://nowhere.example/"_s << 2 << QString() << article << u"null"_s << QString();
    QTest::newRow("empty url") << QString() << 2 << QString() << article << u"null"_s << QString();
    QTest::newRow("empty bytes") << newsUrl << 2 << u"(s)GIalpha"_s << QByteArray() << u"null"_s
                                 << QString();
    QTest::newRow("every track rejects the bytes")
        << newsUrl << 2 << u"(s)GIalpha"_s << QByteArray("<html>plain</html>") << u"null"_s
        << QString();
    QTest::newRow("matching page of type 0")
        << u"http://alpha.example/misc/x"_s << 0 << QString() << article << u"null"_s << QString();
    QTest::newRow("page type asked for differs")
        << newsUrl << 1 << QString() << article << u"null"_s << QString();
    QTest::newRow("first track whose filter passes")
        << newsUrl << 2 << u"(s)GIalpha"_s << article
        << u"10:http://www.example/news/1.html(11:A1)"_s << u"en"_s;
    QTest::newRow("later track when the first rejects")
        << newsUrl << 2 << u"(s)GIalpha"_s << story << u"10:http://www.example/news/1.html(11:A2)"_s
        << u"en"_s;
    QTest::newRow("site id picks the other site of two matches")
        << newsUrl << 2 << u"(s)GIbeta"_s << story << u"10:http://www.example/news/1.html(11:B)"_s
        << u"fr"_s;
    QTest::newRow("any page type with a site id")
        << newsUrl << 0 << u"(s)GIbeta"_s << story << u"10:http://www.example/news/1.html(11:B)"_s
        << u"fr"_s;
    QTest::newRow("named site without a match falls back to another site")
        << u"http://beta.example/front/today"_s << 1 << u"(s)GIalpha"_s << article
        << u"1:beta-front page"_s << u"fr"_s;
    QTest::newRow("unknown site id falls back")
        << u"http://beta.example/front/today"_s << 1 << u"(s)GIgamma"_s << article
        << u"1:beta-front page"_s << u"fr"_s;
    QTest::newRow("url filter ignores case")
        << u"HTTP://ALPHA.EXAMPLE/INDEX.html"_s << 1 << QString() << article
        << u"1:alpha-index page"_s << u"en"_s;
    QTest::newRow("translator entry root has no value")
        << u"http://translate.example/api"_s << 4 << QString() << article << u"21:"_s << u"en"_s;
    QTest::newRow("index page with no topics still yields its root")
        << u"http://alpha.example/index"_s << 1 << u"(s)GIalpha"_s << article
        << u"1:alpha-index page"_s << u"en"_s;
}

void TestProcessor::pageAndTrackChoice()
{
    QFETCH(QString, url);
    QFETCH(int, pageType);
    QFETCH(QString, siteId);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, tree);
    QFETCH(QString, language);

    const std::unique_ptr<CLElement> root(m_processor->process(url, bytes, pageType, siteId));
    QCOMPARE(describe(root.get()), tree);
    if (root) {
        QCOMPARE(root->language, language);
        QVERIFY(!root->parent);
    }
}

void TestProcessor::rootOrigins()
{
    const QByteArray bytes = "<ARTICLE>x</ARTICLE>";
    const std::unique_ptr<CLElement> article(
        m_processor->process(u"http://www.example/news/2"_s, bytes, PageArticle, u"(s)GIalpha"_s));
    QVERIFY(article);
    QCOMPARE(article->origin, static_cast<const CLObject *>(m_processor->siteIndex.at(0)->site));
    QCOMPARE(article->value->type, int(DataText));

    const std::unique_ptr<CLElement> index(
        m_processor->process(u"http://alpha.example/index"_s, bytes, PageIndex, QString()));
    QVERIFY(index);
    const CLPage *page = m_processor->findPage(u"http://alpha.example/index"_s, PageIndex, {});
    QCOMPARE(index->origin, static_cast<const CLObject *>(page));

    const std::unique_ptr<CLElement> entry(
        m_processor->process(u"http://translate.example/"_s, bytes, PageTranslatorEntry, {}));
    QVERIFY(entry);
    QVERIFY(!entry->origin);
    QVERIFY(!entry->value);
}

void TestProcessor::history_data()
{
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("expectedSize");

    const QString a = u"http://www.example/news/a"_s;
    const QString b = u"http://www.example/news/b"_s;
    QTest::newRow("article whose topics find nothing is still recorded")
        << QStringList{a} << 2 << QByteArray("<STORY>") << 1;
    QTest::newRow("same article twice is recorded once")
        << QStringList{a, a} << 2 << QByteArray("<ARTICLE>") << 1;
    QTest::newRow("two articles") << QStringList{a, b} << 2 << QByteArray("<ARTICLE>") << 2;
    QTest::newRow("index pages are not recorded")
        << QStringList{u"http://alpha.example/index"_s} << 1 << QByteArray("x") << 0;
    QTest::newRow("no track means no record") << QStringList{a} << 2 << QByteArray("plain") << 0;
    QTest::newRow("unmatched url means no record")
        << QStringList{u"http://nowhere.example/"_s} << 2 << QByteArray("<ARTICLE>") << 0;
}

void TestProcessor::history()
{
    QFETCH(QStringList, urls);
    QFETCH(int, pageType);
    QFETCH(QByteArray, bytes);
    QFETCH(int, expectedSize);

    for (const QString &url : std::as_const(urls))
        delete m_processor->process(url, bytes, pageType, u"(s)GIalpha"_s);
    QCOMPARE(m_processor->history.size(), expectedSize);
    if (expectedSize > 0) {
        for (const QString &url : std::as_const(urls))
            QVERIFY(m_processor->history.contains(historyHash(url)));
    }
}

void TestProcessor::topicEnabled_data()
{
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QString>("topicIds"); // dotted ids below the site "s"
    QTest::addColumn<bool>("enabled");

    QTest::newRow("no filter settings") << QStringList() << u"(t)a"_s << true;
    QTest::newRow("exact path") << QStringList{u"s.(t)a"_s} << u"(t)a"_s << false;
    QTest::newRow("site entry covers its (t) topics") << QStringList{u"s"_s} << u"(t)a"_s << false;
    QTest::newRow("site entry covers only (t) ids") << QStringList{u"s"_s} << u"plain"_s << true;
    QTest::newRow("parent entry covers (t) sub-topic")
        << QStringList{u"s.(t)a"_s} << u"(t)a.(t)b"_s << false;
    QTest::newRow("parent entry is not a plain prefix")
        << QStringList{u"s.(t)a"_s} << u"(t)ab"_s << true;
    QTest::newRow("sub-topic entry leaves the parent")
        << QStringList{u"s.(t)a.(t)b"_s} << u"(t)a"_s << true;
    QTest::newRow("entries are case-sensitive") << QStringList{u"S.(t)A"_s} << u"(t)a"_s << true;
    QTest::newRow("one of several entries")
        << QStringList{u"x"_s, u"s.(t)c"_s, u"s.(t)a"_s} << u"(t)a"_s << false;
    QTest::newRow("other site") << QStringList{u"t"_s} << u"(t)a"_s << true;
}

void TestProcessor::topicEnabled()
{
    QFETCH(QStringList, disabled);
    QFETCH(QString, topicIds);
    QFETCH(bool, enabled);

    if (!disabled.isEmpty()) {
        m_processor->filterSettings = new CLFilterSettings;
        for (const QString &entry : std::as_const(disabled))
            m_processor->filterSettings->disabledTopics.insert(entry);
    }
    CLSite site;
    site.id = u"s"_s;
    CLPage *page = newPage(&site, u"p"_s, PageArticle, u"*"_s);
    CLTrack *track = newTrack(page);
    CLTopic *topic = nullptr;
    for (const QString &id : topicIds.split(u'.')) {
        CLTopic *next = newTopic(id, ArticleText, Reply());
        if (topic)
            addSubTopic(topic, next);
        else
            addTopic(track, next);
        topic = next;
    }
    QCOMPARE(m_processor->isTopicEnabled(topic), enabled);
}

void TestProcessor::disabledTopicsLeaveTree_data()
{
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QString>("tree");

    const QString all = u"4:(t)g name(7:G,14:B,14:C),14:D"_s;
    QTest::newRow("nothing disabled") << QStringList() << all;
    QTest::newRow("disabled group drops group node and sub-topics")
        << QStringList{u"s.(t)g"_s} << u"14:D"_s;
    QTest::newRow("sub-topic without (t) skipped with its parent")
        << QStringList{u"s.(t)g.(t)b"_s} << u"4:(t)g name(7:G),14:D"_s;
    QTest::newRow("whole site") << QStringList{u"s"_s} << QString();
    QTest::newRow("entry of another site") << QStringList{u"s2"_s} << all;
}

void TestProcessor::disabledTopicsLeaveTree()
{
    QFETCH(QStringList, disabled);
    QFETCH(QString, tree);

    CLSite *site = newSite(u"s"_s, u"en"_s);
    CLTrack *track = newTrack(newPage(site, u"p"_s, PageArticle, u"*topics.example*"_s));
    CLTopic *group = newTopic(u"(t)g"_s, IndexEntry1, text(u"G"_s), IndexGroup1);
    CLTopic *b = newTopic(u"(t)b"_s, ArticleText, text(u"B"_s));
    // No "(t)" here: only its parent's entry can switch it off.
    CLTopic *c = newTopic(u"c"_s, ArticleText, text(u"C"_s));
    addSubTopic(b, c);
    addSubTopic(group, b);
    addTopic(track, group);
    addTopic(track, newTopic(u"(t)d"_s, ArticleText, text(u"D"_s)));

    CLProcessor processor;
    installSites(processor, {site});
    processor.filterSettings = new CLFilterSettings;
    for (const QString &entry : std::as_const(disabled))
        processor.filterSettings->disabledTopics.insert(entry);

    const std::unique_ptr<CLElement> root(
        processor.process(u"http://topics.example/"_s, "x", PageArticle, u"s"_s));
    QVERIFY(root);
    QCOMPARE(describeChildren(root.get()), tree);
}

void TestProcessor::topicNodes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("groupKind");
    QTest::addColumn<QString>("defaultText");
    QTest::addColumn<int>("replyKind");
    QTest::addColumn<int>("links");
    QTest::addColumn<QString>("nodes");

    const int none = Reply::Nothing;
    const int found = Reply::Text;
    const int links = Reply::Links;
    QTest::newRow("index group made although nothing found")
        << int(IndexEntry1) << int(IndexGroup1) << QString() << none << 0 << u"4:t name"_s;
    QTest::newRow("url list of three gives three siblings in order")
        << int(IndexEntry2) << 0 << QString() << links << 3 << u"8:link 1,8:link 2,8:link 3"_s;
    QTest::newRow("url list entries go below the group")
        << int(IndexEntry1) << int(IndexGroup1) << QString() << links << 2
        << u"4:t name(7:link 1,7:link 2)"_s;
    QTest::newRow("source falls back to default text")
        << int(ArticleSource) << 0 << u"Staff"_s << none << 0 << u"12:Staff"_s;
    QTest::newRow("datetime falls back to default text")
        << int(ArticleDatetime) << 0 << u"today"_s << none << 0 << u"13:today"_s;
    QTest::newRow("text falls back to default text")
        << int(ArticleText) << 0 << u"(empty)"_s << none << 0 << u"14:(empty)"_s;
    QTest::newRow("title ignores default text")
        << int(ArticleTitle) << 0 << u"Untitled"_s << none << 0 << QString();
    QTest::newRow("image list ignores default text")
        << int(ArticleImage) << 0 << u"none"_s << none << 0 << QString();
    QTest::newRow("found text wins over default text")
        << int(ArticleSource) << 0 << u"Staff"_s << found << 0 << u"12:found"_s;
    QTest::newRow("empty default text gives nothing")
        << int(ArticleSource) << 0 << QString() << none << 0 << QString();
    QTest::newRow("kind 0 still yields a node")
        << 0 << 0 << QString() << found << 0 << u"0:found"_s;
}

void TestProcessor::topicNodes()
{
    QFETCH(int, kind);
    QFETCH(int, groupKind);
    QFETCH(QString, defaultText);
    QFETCH(int, replyKind);
    QFETCH(int, links);
    QFETCH(QString, nodes);

    CLSite site;
    site.id = u"s"_s;
    site.locale = u"de"_s;
    CLTrack *track = newTrack(newPage(&site, u"p"_s, PageArticle, u"*"_s));
    CLTopic *topic =
        newTopic(u"t"_s, kind, Reply{Reply::Kind(replyKind), u"found"_s, links}, groupKind);
    topic->defaultText = defaultText;
    addTopic(track, topic);

    CLElement root(ArticlePage, u"de"_s, nullptr, nullptr, nullptr);
    m_processor->processTopics(track->topics, "page bytes", &root);
    QCOMPARE(describeChildren(&root), nodes);
}

void TestProcessor::contentNodesCarrySiteLanguage()
{
    CLSite site;
    site.id = u"s"_s;
    site.locale = u"ja"_s;
    CLTrack *track = newTrack(newPage(&site, u"p"_s, PageIndex, u"*"_s));
    CLTopic *group =
        newTopic(u"g"_s, IndexEntry1, Reply{Reply::Links, QString(), 2}, int(IndexGroup1));
    addTopic(track, group);

    CLElement root(IndexPage, u"ja"_s, nullptr, nullptr, nullptr);
    m_processor->processTopics(track->topics, "bytes", &root);
    QCOMPARE(root.children.size(), 1);
    const CLElement *groupNode = root.children.first();
    QCOMPARE(groupNode->origin, static_cast<const CLObject *>(group));
    QCOMPARE(groupNode->language, u"ja"_s);
    QCOMPARE(groupNode->parent, &root);
    QCOMPARE(groupNode->children.size(), 2);
    for (const CLElement *entry : groupNode->children) {
        QVERIFY(!entry->origin);
        QCOMPARE(entry->language, u"ja"_s);
        QCOMPARE(entry->parent, groupNode);
        // Each node holds one record of the list, which it now owns.
        QVERIFY(entry->value && entry->value->asURL());
    }
    QCOMPARE(groupNode->children.at(1)->value->asURL()->url, u"http://example.com/2"_s);
}

void TestProcessor::profileReadFromXml()
{
    const QString xml = uR"(<site name="Xml" id="(s)GIxml" locale="es" codeset="UTF-8"
            version="1" entry="http://xml.example/">
        <page name="Art" id="art" type="news.article">
          <filter_url_inc pattern="*xml.example/a/*"/>
          <track name="main">
            <topic name="Title" id="(t)title" type="article-title">
              <step_pair_point>
                <point_a>&lt;h1&gt;</point_a>
                <point_b from="previous">&lt;/h1&gt;</point_b>
              </step_pair_point>
              <step_text_extract/>
            </topic>
            <topic name="Source" id="(t)source" type="article-source">
              <step_pair_point><point_a>&lt;cite&gt;</point_a></step_pair_point>
              <default_text>Redaccion</default_text>
            </topic>
          </track>
        </page>
      </site>)"_s;
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    CLProfileError error;
    CLSite *site = readProfile(document, &error);
    QVERIFY2(site, qPrintable(error.toString()));
    CLProcessor processor;
    installSites(processor, {site});

    const std::unique_ptr<CLElement> root(processor.process(
        u"http://xml.example/a/1"_s, "<html> <h1>Hola y adi&oacute;s</h1></html>", 0, QString()));
    QVERIFY(root);
    QCOMPARE(root->kind, int(ArticlePage));
    QCOMPARE(root->language, u"es"_s);
    QCOMPARE(describeChildren(root.get()), u"11:Hola y adi\u00f3s,12:Redaccion"_s);
}

void TestProcessor::corpusArticle()
{
    const QString pagePath = QStringLiteral(TESSOLIN_CORPUS) + u"/pages/en-taipeitimes.html"_s;
    const QString truthPath = QStringLiteral(TESSOLIN_CORPUS) + u"/truth/en-taipeitimes.json"_s;
    QFile pageFile(pagePath);
    QFile truthFile(truthPath);
    if (!pageFile.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QByteArray bytes = pageFile.readAll();
    const QJsonObject truth = QJsonDocument::fromJson(truthFile.readAll()).object();

    const QString xml = uR"(<site name="Taipei Times" id="(s)GItaipeitimes" locale="en"
            codeset="UTF-8" version="1" entry="https://www.taipeitimes.com/">
        <page name="Article" id="article" type="news.article">
          <filter_url_inc pattern="*taipeitimes.com/News/*/archives/*"/>
          <track name="archives">
            <filter_content_inc>&lt;div class="archives"&gt;</filter_content_inc>
            <topic name="Title" id="(t)title" type="article-title">
              <step_pair_point>
                <point_a>&lt;div class="archives"&gt;</point_a>
                <point_b from="previous">&lt;/h1&gt;</point_b>
              </step_pair_point>
              <step_text_extract filter_space="yes"/>
            </topic>
            <topic name="Text" id="(t)text" type="article-text">
              <step_pair_point>
                <point_a>&lt;/h1&gt;</point_a>
                <point_b from="previous">&lt;div class="fbsbox"&gt;</point_b>
              </step_pair_point>
              <step_section_cutter>
                <start_pattern>&lt;script</start_pattern>
                <end_pattern>&lt;/script&gt;</end_pattern>
              </step_section_cutter>
              <step_text_extract/>
              <step_text_format paragraph_line="1"/>
            </topic>
          </track>
        </page>
      </site>)"_s;
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    CLProfileError error;
    CLSite *site = readProfile(document, &error);
    QVERIFY2(site, qPrintable(error.toString()));
    CLProcessor processor;
    installSites(processor, {site});

    const QString url = truth.value(u"url"_s).toString();
    const std::unique_ptr<CLElement> root(
        processor.process(url, bytes, PageArticle, u"(s)GItaipeitimes"_s));
    QVERIFY(root);
    QCOMPARE(root->children.size(), 2);
    const CLElement *title = root->children.at(0);
    const CLElement *body = root->children.at(1);
    QCOMPARE(title->kind, int(ArticleTitle));
    QCOMPARE(title->text().trimmed(), truth.value(u"title"_s).toString());
    QCOMPARE(body->kind, int(ArticleText));

    const QStringList expected = tokens(truth.value(u"text"_s).toString());
    const QStringList extracted = tokens(body->text());
    const double recall = coverage(expected, extracted);
    const double precision = coverage(extracted, expected);
    QVERIFY2(recall > 0.95, qPrintable(u"recall %1"_s.arg(recall)));
    QVERIFY2(precision > 0.8, qPrintable(u"precision %1"_s.arg(precision)));
    QVERIFY(processor.history.contains(historyHash(url)));
}

QTEST_GUILESS_MAIN(TestProcessor)
#include "tst_processor.moc"
