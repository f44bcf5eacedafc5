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

// Answers with a fixed text, or a list of links, or nothing when both are empty,
// so topic handling is tested apart from real steps.
class ScriptedStep : public CLStep
{
public:
    ScriptedStep(const QString &text, int links)
        : CLStep({DataBytes}, DataText), m_text(text), m_links(links)
    {
    }

    CLData *process(CLData *) const override
    {
        QList<CLURLData *> urls;
        for (int i = 1; i <= m_links; ++i)
            urls.append(
                new CLURLData(u"http://example.com/%1"_s.arg(i), u"link %1"_s.arg(i), URLHtml));
        return m_links ? new CLData(urls) : m_text.isEmpty() ? nullptr : new CLData(m_text);
    }

private:
    QString m_text;
    int m_links;
};

CLSite *newSite(const QString &id, const QString &locale)
{
    auto *site = new CLSite;
    site->id = site->name = id;
    site->locale = locale;
    return site;
}

CLTrack *newTrack(CLSite *site, const QString &pageId, int type, const QString &urlPattern,
                  const QString &contentPattern = QString())
{
    CLPage *page = nullptr;
    for (CLPage *known : site->pages)
        page = known->id == pageId ? known : page;
    if (!page) {
        page = new CLPage;
        page->id = pageId;
        page->name = pageId + u" page"_s;
        page->type = type;
        page->urlFilter.addInclude(urlPattern);
        addPage(site, page);
    }
    auto *track = new CLTrack;
    if (!contentPattern.isEmpty())
        track->contentFilter.addInclude(contentPattern);
    addTrack(page, track);
    return track;
}

CLTopic *newTopic(const QString &id, int kind, const QString &text, int groupKind = 0,
                  int links = 0)
{
    auto *topic = new CLTopic;
    topic->id = id;
    topic->name = id + u" name"_s;
    topic->kind = kind;
    topic->groupKind = groupKind;
    addStep(topic, new ScriptedStep(text, links));
    return topic;
}

// "kind:text" per node, children in brackets, depth first.
QString describe(const CLElement *element)
{
    if (!element)
        return u"null"_s;
    QStringList parts;
    for (const CLElement *child : element->children)
        parts.append(describe(child));
    const QString children = parts.isEmpty() ? QString() : u'(' + parts.join(u',') + u')';
    return QString::number(element->kind) + u':' + element->text() + children;
}

QString describeChildren(const CLElement *element)
{
    const QString all = describe(element);
    const qsizetype open = all.indexOf(u'(');
    return open < 0 ? QString() : all.mid(open + 1, all.size() - open - 2);
}

// Registers hand-built sites through a catalogue of the same ids.
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

// Share of the words of `part` that also occur in `whole`.
double coverage(const QString &part, const QString &whole)
{
    static const QRegularExpression separators(u"[^\\w]+"_s,
                                               QRegularExpression::UseUnicodePropertiesOption);
    const QStringList words = part.toLower().split(separators, Qt::SkipEmptyParts);
    const QStringList known = whole.toLower().split(separators, Qt::SkipEmptyParts);
    const QSet<QString> set(known.cbegin(), known.cend());
    int hits = 0;
    for (const QString &word : words)
        hits += set.contains(word) ? 1 : 0;
    return words.isEmpty() ? 0.0 : double(hits) / double(words.size());
}

} // namespace

class TestProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }
    void init();
    void cleanup() { m_processor.reset(); }

    void pageAndTrackChoice_data();
    void pageAndTrackChoice();
    void disabledTopics_data();
    void disabledTopics();
    void topicNodes_data();
    void topicNodes();
    void corpusArticle();

private:
    std::unique_ptr<CLProcessor> m_processor;
};

void TestProcessor::init()
{
    // alpha (en): index, article with three layouts, a type-0 page, a translator entry;
    // beta (fr): the same article URLs and a front page of its own.
    m_processor = std::make_unique<CLProcessor>();
    CLSite *alpha = newSite(u"(s)GIalpha"_s, u"en"_s);
    newTrack(alpha, u"alpha-index"_s, PageIndex, u"*alpha.example/index*"_s);
    addTopic(newTrack(alpha, u"alpha-article"_s, PageArticle, u"*example/news/*"_s, u"<ARTICLE>"_s),
             newTopic(u"(t)m"_s, ArticleTitle, u"A1"_s));
    addTopic(newTrack(alpha, u"alpha-article"_s, PageArticle, QString(), u"<STORY>"_s),
             newTopic(u"(t)m"_s, ArticleTitle, u"A2"_s));
    addTopic(newTrack(alpha, u"alpha-article"_s, PageArticle, QString(), u"<EMPTY>"_s),
             newTopic(u"(t)m"_s, ArticleTitle, QString()));
    newTrack(alpha, u"alpha-misc"_s, PageAny, u"*alpha.example/misc*"_s);
    newTrack(alpha, u"alpha-tr"_s, PageTranslatorEntry, u"*translate.example*"_s);

    CLSite *beta = newSite(u"(s)GIbeta"_s, u"fr"_s);
    addTopic(newTrack(beta, u"beta-article"_s, PageArticle, u"*example/news/*"_s),
             newTopic(u"(t)m"_s, ArticleTitle, u"B"_s));
    newTrack(beta, u"beta-front"_s, PageIndex, u"*beta.example/front*"_s);
    installSites(*m_processor, {alpha, beta});
}

void TestProcessor::pageAndTrackChoice_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QString>("siteId");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("result"); // tree, origin id, language, "read" when in history

    const QByteArray article = "<html><ARTICLE>body</ARTICLE></html>";
    const QByteArray story = "<html><STORY>body</STORY></html>";
    const QString news = u"http://www.example/news/1.html"_s;
    const QString tree = u"10:http://www.example/news/1.html"_s;
    const QString alpha = u"(s)GIalpha"_s;

    QTest::newRow("url accepted by no page")
        << u"http://nowhere.example/"_s << 2 << QString() << article << u"null"_s;
    QTest::newRow("empty bytes") << news << 2 << alpha << QByteArray() << u"null"_s;
    QTest::newRow("every track rejects the bytes")
        << news << 2 << alpha << QByteArray("<html>plain</html>") << u"null"_s;
    QTest::newRow("matching page of type 0")
        << u"http://alpha.example/misc/x"_s << 0 << QString() << article << u"null"_s;
    QTest::newRow("page type asked for differs") << news << 1 << QString() << article << u"null"_s;
    QTest::newRow("first track whose filter passes")
        << news << 2 << alpha << article << tree + u"(11:A1) (s)GIalpha en read"_s;
    QTest::newRow("later track when the first rejects")
        << news << 2 << alpha << story << tree + u"(11:A2) (s)GIalpha en read"_s;
    QTest::newRow("article whose topics find nothing is still read")
        << news << 2 << alpha << QByteArray("<EMPTY>") << tree + u" (s)GIalpha en read"_s;
    QTest::newRow("site id picks the other site of two matches, any type")
        << news << 0 << u"(s)GIbeta"_s << story << tree + u"(11:B) (s)GIbeta fr read"_s;
    QTest::newRow("named site without a match falls back to another site")
        << u"http://beta.example/front/today"_s << 1 << alpha << article
        << u"1:beta-front page beta-front fr"_s;
    QTest::newRow("index page with no topics yields its root, not read")
        << u"http://alpha.example/index"_s << 1 << alpha << article
        << u"1:alpha-index page alpha-index en"_s;
    QTest::newRow("translator entry root has no value")
        << u"http://translate.example/api"_s << 4 << QString() << article << u"21:  en"_s;
}

void TestProcessor::pageAndTrackChoice()
{
    QFETCH(QString, url);
    QFETCH(int, pageType);
    QFETCH(QString, siteId);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, result);

    const std::unique_ptr<CLElement> root(m_processor->process(url, bytes, pageType, siteId));
    QString got = describe(root.get());
    if (root)
        got += u' ' + (root->origin ? root->origin->id : QString()) + u' ' + root->language;
    // A second visit must not add a second record.
    delete m_processor->process(url, bytes, pageType, siteId);
    if (m_processor->history == QSet<quint32>{historyHash(url)})
        got += u" read"_s;
    QCOMPARE(got, result);
    QVERIFY(!root || !root->parent);
}

void TestProcessor::disabledTopics_data()
{
    QTest::addColumn<QStringList>("disabled");
    QTest::addColumn<QString>("tree");

    const QString all = u"4:(t)g name(7:G,14:B,14:C),14:H,14:E"_s;
    QTest::newRow("nothing disabled") << QStringList() << all;
    QTest::newRow("exact path among several entries")
        << QStringList{u"x"_s, u"s.(t)gh"_s} << u"4:(t)g name(7:G,14:B,14:C),14:E"_s;
    QTest::newRow("site entry covers only its (t) topics") << QStringList{u"s"_s} << u"14:E"_s;
    QTest::newRow("group entry drops its sub-topics but is no plain prefix")
        << QStringList{u"s.(t)g"_s} << u"14:H,14:E"_s;
    QTest::newRow("sub-topic entry drops its untagged child, keeps the parent")
        << QStringList{u"s.(t)g.(t)b"_s} << u"4:(t)g name(7:G),14:H,14:E"_s;
    QTest::newRow("entries are case-sensitive") << QStringList{u"S.(T)GH"_s} << all;
}

void TestProcessor::disabledTopics()
{
    QFETCH(QStringList, disabled);
    QFETCH(QString, tree);

    CLSite *site = newSite(u"s"_s, u"en"_s);
    CLTrack *track = newTrack(site, u"p"_s, PageArticle, u"*topics.example*"_s);
    CLTopic *group = newTopic(u"(t)g"_s, IndexEntry1, u"G"_s, IndexGroup1);
    CLTopic *b = newTopic(u"(t)b"_s, ArticleText, u"B"_s);
    addSubTopic(b, newTopic(u"c"_s, ArticleText, u"C"_s));
    addSubTopic(group, b);
    addTopic(track, group);
    addTopic(track, newTopic(u"(t)gh"_s, ArticleText, u"H"_s));
    addTopic(track, newTopic(u"e"_s, ArticleText, u"E"_s));

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
    QTest::addColumn<int>("reply"); // -1 nothing, 0 the text "found", else that many links
    QTest::addColumn<QString>("nodes");

    QTest::newRow("index group made although nothing found")
        << int(IndexEntry1) << int(IndexGroup1) << QString() << -1 << u"4:t name"_s;
    QTest::newRow("url list of three gives three siblings in order")
        << int(IndexEntry2) << 0 << QString() << 3 << u"8:link 1,8:link 2,8:link 3"_s;
    QTest::newRow("url list entries go below the group")
        << int(IndexEntry1) << int(IndexGroup1) << QString() << 2
        << u"4:t name(7:link 1,7:link 2)"_s;
    QTest::newRow("source falls back to default text")
        << int(ArticleSource) << 0 << u"Staff"_s << -1 << u"12:Staff"_s;
    QTest::newRow("datetime falls back to default text")
        << int(ArticleDatetime) << 0 << u"today"_s << -1 << u"13:today"_s;
    QTest::newRow("text falls back to default text")
        << int(ArticleText) << 0 << u"(empty)"_s << -1 << u"14:(empty)"_s;
    QTest::newRow("title ignores default text")
        << int(ArticleTitle) << 0 << u"Untitled"_s << -1 << QString();
    QTest::newRow("found text wins over default text")
        << int(ArticleSource) << 0 << u"Staff"_s << 0 << u"12:found"_s;
}

void TestProcessor::topicNodes()
{
    QFETCH(int, kind);
    QFETCH(int, groupKind);
    QFETCH(QString, defaultText);
    QFETCH(int, reply);
    QFETCH(QString, nodes);

    CLSite site;
    site.locale = u"ja"_s;
    CLTopic *topic =
        newTopic(u"t"_s, kind, reply < 0 ? QString() : u"found"_s, groupKind, qMax(reply, 0));
    topic->defaultText = defaultText;
    CLTrack *track = newTrack(&site, u"p"_s, PageArticle, u"*"_s);
    addTopic(track, topic);

    CLElement root(ArticlePage, u"ja"_s, nullptr, nullptr, nullptr);
    m_processor->processTopics(track->topics, "page bytes", &root);
    QCOMPARE(describeChildren(&root), nodes);
    for (const CLElement *node : root.children)
        QCOMPARE(node->language, u"ja"_s);
}

void TestProcessor::corpusArticle()
{
    QFile page(QStringLiteral(TESSOLIN_CORPUS) + u"/pages/en-taipeitimes.html"_s);
    QFile truthFile(QStringLiteral(TESSOLIN_CORPUS) + u"/truth/en-taipeitimes.json"_s);
    if (!page.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QJsonObject truth = QJsonDocument::fromJson(truthFile.readAll()).object();

    const QString xml = uR"(<site name="Taipei Times" id="(s)GItaipeitimes" locale="en"
        codeset="UTF-8" version="1" entry="https://www.taipeitimes.com/">
      <page name="Article" id="article" type="news.article">
        <filter_url_inc pattern="*taipeitimes.com/News/*/archives/*"/>
        <track name="archives">
          <filter_content_inc>&lt;div class="archives"&gt;</filter_content_inc>
          <topic name="Title" id="(t)title" type="article-title">
            <step_pair_point><point_a>&lt;div class="archives"&gt;</point_a>
              <point_b from="previous">&lt;/h1&gt;</point_b></step_pair_point>
            <step_text_extract filter_space="yes"/>
          </topic>
          <topic name="Text" id="(t)text" type="article-text">
            <step_pair_point><point_a>&lt;/h1&gt;</point_a>
              <point_b from="previous">&lt;div class="fbsbox"&gt;</point_b></step_pair_point>
            <step_section_cutter><start_pattern>&lt;script</start_pattern>
              <end_pattern>&lt;/script&gt;</end_pattern></step_section_cutter>
            <step_text_extract/>
            <step_text_format paragraph_line="1"/>
          </topic>
        </track>
      </page></site>)"_s;
    QDomDocument document;
    QVERIFY(document.setContent(xml));
    CLProfileError error;
    CLSite *site = readProfile(document, &error);
    QVERIFY2(site, qPrintable(error.toString()));
    CLProcessor processor;
    installSites(processor, {site});

    const QString url = truth.value(u"url"_s).toString();
    const std::unique_ptr<CLElement> root(
        processor.process(url, page.readAll(), PageArticle, u"(s)GItaipeitimes"_s));
    QVERIFY(root);
    QCOMPARE(root->children.size(), 2);
    const CLElement *body = root->children.at(1);
    QCOMPARE(root->children.at(0)->kind, int(ArticleTitle));
    QCOMPARE(root->children.at(0)->text().trimmed(), truth.value(u"title"_s).toString());
    QCOMPARE(body->kind, int(ArticleText));
    const QString expected = truth.value(u"text"_s).toString();
    const double recall = coverage(expected, body->text());
    const double precision = coverage(body->text(), expected);
    QVERIFY2(recall > 0.95, qPrintable(u"recall %1"_s.arg(recall)));
    QVERIFY2(precision > 0.8, qPrintable(u"precision %1"_s.arg(precision)));
    QVERIFY(processor.history.contains(historyHash(url)));
}

QTEST_GUILESS_MAIN(TestProcessor)
#include "tst_processor.moc"
