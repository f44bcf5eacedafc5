// The element tree the processor builds, the history of read pages, and how the processor picks
// the page, track and topics for a page it is given.

#include "clelement.h"
#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "clstep.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

// A step that counts its calls and answers as told whatever the page: `links` links, else its
// text, where "" is nothing, "=" its input and "^" its input's bytes in upper case.
struct ScriptedStep : CLStep
{
    ScriptedStep(const QString &t, int n = 0, int in = DataBytes)
        : CLStep({in, DataText}, DataText), text(t), links(n)
    {
    }
    CLData *process(CLData *input) const override
    {
        ++calls;
        QList<CLURLData *> urls;
        for (int i = 1; i <= links; ++i)
            urls.append(
                new CLURLData(u"http://example.com/%1"_s.arg(i), u"link %1"_s.arg(i), URLHtml));
        if (links || text.isEmpty() || text == u"=")
            return links ? new CLData(urls) : text.isEmpty() ? nullptr : input;
        return new CLData(text == u"^" ? QString::fromLatin1(input->bytes).toUpper() : text);
    }
    QString text;
    int links;
    static inline int calls = 0;
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

// Stored history hashes were taken from these strings: they must not change.
struct UrlRow
{
    const char *name;
    QString url, expected;
};
const UrlRow urlRows[] = {
    {"ASCII stays byte-identical", "http://x/a b?q=%7E&r=1#f", "http://x/a b?q=%7E&r=1#f"},
    {"Latin-1 stays byte-identical", u"http://x/caf\u00e9"_s, u"http://x/caf\u00e9"_s},
    // Beyond Latin-1 the link used to turn into question marks, another address.
    {"Chinese percent-encoded as UTF-8", u"http://x/\u4e2d\u6587.html"_s,
     "http://x/%E4%B8%AD%E6%96%87.html"},
    {"Cyrillic between Latin-1 characters", u"http://x/\u00e9\u0434\u00e9?a=\u0434"_s,
     u"http://x/\u00e9%D0%B4\u00e9?a=%D0%B4"_s},
    {"character beyond the BMP", u"http://x/\U0001F600"_s, "http://x/%F0%9F%98%80"},
    {"lone surrogate becomes the replacement character", u"http://x/"_s + QChar(0xD800),
     "http://x/%EF%BF%BD"},
    // A stray "%" makes QUrl escape every "%" of its component; added escapes stay escapes.
    {"stray percent escaped with the rest of its component",
     u"http://x/%41\u4e2d?q=100%/\u4e2d%41"_s, "http://x/%41%E4%B8%AD?q=100%25/%E4%B8%AD%2541"},
    // User name and password are components of their own ("%da" is an escape, "%er" is not).
    {"stray percent of the password leaves the user name's escapes",
     u"http://u%da:p%er@x/\u4e2d"_s, "http://u%da:p%25er@x/%E4%B8%AD"},
};

struct ChainRow
{
    const char *name;
    QByteArray answers, bytes; // answers: one step each, n nothing, s its input, u upper case
    QString result;            // type and payload, empty for null
    int stepsRun;
};
const ChainRow chainRows[] = {
    {"no steps", "", "abc", "", 0},
    {"empty bytes", "u", "", "", 0},
    {"first step refuses bytes", "t", "abc", "", 0},
    {"pass-through keeps bytes", "s", "abc", "bytes abc", 1},
    {"chain of two", "su", "abc", "text ABC", 2},
    {"null ends the chain", "nu", "abc", "", 1},
};

// The tree, its origin id and language, then "read" when in the history once.
struct ChoiceRow
{
    const char *name;
    QString url;
    int pageType;
    QString siteId;
    QByteArray bytes;
    QString result;
};
const QString news = "http://x/news/1";
const ChoiceRow choiceRows[] = {
    {"url accepted by no page", "http://nowhere.example/", 2, {}, "<A>", "null"},
    {"empty bytes", news, 2, "a", {}, "null"},
    {"every track rejects the bytes", news, 2, "a", "plain", "null"},
    {"matching page of type 0", "http://a.example/misc", 0, {}, "<A>", "null"},
    {"first track whose filter passes", news, 2, "a", "<A>", "10:URL(11:A1) a en read"},
    {"later track when the first rejects", news, 2, "a", "<B>", "10:URL(11:A2) a en read"},
    {"site id picks the other of two matches, any type", news, 0, "b", "<B>",
     "10:URL(11:B) b fr read"},
    {"named site without a match falls back to another", "http://b.example/front", 1, "a", "<A>",
     "1:front front fr"},
    {"index page yields its root, not read", "http://a.example/index", 1, "a", "<A>",
     "1:index index en"},
};

struct DisabledRow
{
    const char *name;
    QString disabled, tree; // disabled: entries separated by spaces
};
const DisabledRow disabledRows[] = {
    {"exact path among several entries", "x s.(t)gh", "4:(t)g(7:G,14:B,14:C),14:E"},
    {"site entry covers only its (t) topics", "s", "14:E"},
    {"group entry drops its sub-topics but is no plain prefix", "s.(t)g", "14:H,14:E"},
    {"sub-topic entry drops its untagged child, keeps the parent", "s.(t)g.(t)b",
     "4:(t)g(7:G),14:H,14:E"},
};

struct NodeRow
{
    const char *name;
    int kind, groupKind;
    QString defaultText;
    int reply; // -1 nothing, 0 the text "found", else that many links
    QString nodes;
};
const NodeRow nodeRows[] = {
    {"index group made although nothing found", IndexEntry1, IndexGroup1, {}, -1, "4:t"},
    {"url list of three gives three siblings in order", IndexEntry2, 0, "", 3,
     "8:link 1,8:link 2,8:link 3"},
    {"url list entries go below the group", IndexEntry1, IndexGroup1, "", 2,
     "4:t(7:link 1,7:link 2)"},
    {"source falls back to default text", ArticleSource, 0, "S", -1, "12:S"},
    {"datetime falls back to default text", ArticleDatetime, 0, "D", -1, "13:D"},
    {"text falls back to default text", ArticleText, 0, "T", -1, "14:T"},
    {"title ignores default text", ArticleTitle, 0, "Untitled", -1, {}},
    {"found text wins over default text", ArticleSource, 0, "S", 0, "12:found"},
};

} // namespace

class TestProcessor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void cloneMirrorsShape()
    {
        CLTopic group;
        CLElement root(IndexPage, u"en"_s, nullptr, new CLData(u"Index"_s), nullptr);
        auto *g = new CLElement(IndexGroup1, u"en"_s, &group, new CLData(u"World"_s), &root);
        for (const char *url : {"http://a/1", "http://a/2"})
            new CLElement(IndexEntry1, u"en"_s, nullptr, new CLURLData(url, url, URLHtml), g);
        CLElement clone(&root, u"fr"_s, nullptr);
        std::function<void(const CLElement *, const CLElement *)> check = [&](auto *c, auto *s) {
            QVERIFY(c->source == s && c->kind == s->kind && c->origin == s->origin);
            QVERIFY(!c->value && c->language == u"fr"_s);
            QCOMPARE(c->children.size(), s->children.size());
            for (int i = 0; i < c->children.size(); ++i) {
                QCOMPARE(c->children.at(i)->parent, c);
                check(c->children.at(i), s->children.at(i));
            }
        };
        check(&clone, &root);
    }

    void countTranslation()
    {
        CLElement article(ArticlePage, u"en"_s, nullptr, new CLData(u"http://x/a"_s), nullptr);
        for (const char *text : {"T", "Body"})
            new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(QString(text)), &article);
        new CLElement(ArticleImage, u"en"_s, nullptr, nullptr, &article);
        CLElement clone(&article, u"es"_s, nullptr);
        // A node added by hand (no source) is not part of the translation.
        new CLElement(ArticleText, u"es"_s, nullptr, nullptr, &clone);

        // Root and the image without a source value count as done; valued sources wait.
        for (int filled = 0; filled <= 2; ++filled) {
            if (filled > 0)
                clone.children.at(filled - 1)->value = new CLData(u"x"_s);
            int done = 0, pending = 0;
            QCOMPARE(::countTranslation(&clone, done, pending), filled == 2);
            QCOMPARE(QList<int>({done, pending}), QList<int>({2 + filled, 2 - filled}));
        }
    }

    void historyHashAndFile()
    {
        // Hashes already stored in readers' history files must stay valid: the high nibble
        // folds back in, and text counts in UTF-16 units.
        QCOMPARE(::historyHash(u""_s), 0u);
        QCOMPARE(::historyHash(u"abcdefgh"_s), 0x89ab038u);
        QCOMPARE(::historyHash(u"http://example.com/news/1"_s), 0xc26d421u);
        QCOMPARE(::historyHash(u"ü"_s), 0xfcu);

        QTemporaryDir dir;
        const QString path = dir.filePath(u"access.his"_s);
        QCOMPARE(saveHistory({}, path), 0);
        QVERIFY(QFile::exists(path) && testkit::readAll(path).isEmpty());
        QCOMPARE(saveHistory({1, 256}, path), 2);
        QVERIFY(QList<QByteArray>({QByteArray::fromHex("0000000100000100"),
                                   QByteArray::fromHex("0000010000000001")})
                    .contains(testkit::readAll(path)));
        QSet<quint32> set;
        QCOMPARE(loadHistory(set, path), 2);
        QCOMPARE(set, (QSet<quint32>{1, 256}));
        // Duplicates in the file count, the set holds each once; a torn record is no member.
        QVERIFY(saveBytes(QByteArray::fromHex("0000000700000007000000090102"), path));
        QCOMPARE(loadHistory(set, path), 3);
        QCOMPARE(set, (QSet<quint32>{1, 256, 7, 9}));
        QCOMPARE(loadHistory(set, dir.filePath(u"missing.his"_s)), 0);
        QCOMPARE(saveHistory(set, dir.filePath(u"no/such/dir/access.his"_s)), 0);
    }

    void savesReplaceAtomically()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"site.xml"_s);
        QVERIFY(saveBytes("old contents", path) && saveBytes("new", path));
        QCOMPARE(testkit::readAll(path), QByteArray("new"));
        QVERIFY(!saveBytes("x", dir.path())); // a directory can't be replaced
        QDomDocument doc;
        QVERIFY(doc.setContent(QByteArray("<filters><set name='a'/></filters>")));
        const QByteArray saved = "<filters>\n <set name=\"a\"/>\n</filters>\n";
        QVERIFY(saveDocument(doc, path));
        QCOMPARE(testkit::readAll(path), saved);
        QVERIFY(!saveDocument(QDomDocument(), path)); // keeps the file
        QCOMPARE(testkit::readAll(path), saved);
    }

    void urlRecord_data() { rows(urlRows); }
    void urlRecord()
    {
        const UrlRow &r = current(urlRows);
        const CLURLData record(r.url, u"<b>Big</b>  news"_s, URLHtml);
        QCOMPARE(record.url, r.expected);
        QCOMPARE(record.title, u"Big news"_s);
        QVERIFY(CLURLData(r.url, QString(), URLImage).title.isNull());
    }

    void runChain_data() { rows(chainRows); }
    void runChain()
    {
        const ChainRow &r = current(chainRows);
        CLTopic topic;
        for (char answer : r.answers) // 't' takes text only
            addStep(&topic, new ScriptedStep(answer == 's'   ? u"="_s
                                             : answer == 'n' ? u""_s
                                                             : u"^"_s,
                                             0, answer == 't' ? DataText : DataBytes));
        ScriptedStep::calls = 0;
        const std::unique_ptr<CLData> result(::runChain(&topic, r.bytes));
        QCOMPARE(!result                    ? QString()
                 : result->type == DataText ? u"text "_s + result->text
                                            : u"bytes "_s + QString::fromLatin1(result->bytes),
                 r.result);
        QCOMPARE(ScriptedStep::calls, r.stepsRun);
    }

    void pageAndTrackChoice_data() { rows(choiceRows); }
    void pageAndTrackChoice()
    {
        const ChoiceRow &r = current(choiceRows);
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

        const std::unique_ptr<CLElement> root(
            processor.process(r.url, r.bytes, r.pageType, r.siteId));
        QString got = root ? describe({root.get()}).replace(r.url, u"URL"_s) + u' ' +
                                 root->origin->id + u' ' + root->language
                           : u"null"_s;
        delete processor.process(r.url, r.bytes, r.pageType, r.siteId);
        if (processor.history == QSet<quint32>{historyHash(r.url)})
            got += u" read"_s;
        QCOMPARE(got, r.result);
    }

    void disabledTopics_data() { rows(disabledRows); }
    void disabledTopics()
    {
        CLSite site;
        site.id = u"s"_s;
        CLTopic *group = newTopic(u"(t)g"_s, IndexEntry1, u"G"_s, IndexGroup1);
        CLTopic *b = newTopic(u"(t)b"_s, ArticleText, u"B"_s);
        addSubTopic(b, newTopic(u"c"_s, ArticleText, u"C"_s));
        addSubTopic(group, b);
        CLTrack *track = newTrack(newPage(&site, u"p"_s, PageArticle, u"*"_s), {}, group);
        addTopic(track, newTopic(u"(t)gh"_s, ArticleText, u"H"_s));
        addTopic(track, newTopic(u"e"_s, ArticleText, u"E"_s));
        const DisabledRow &r = current(disabledRows);
        QCOMPARE(nodesOf(track->topics, r.disabled.split(u' ')), r.tree);
    }

    void topicNodes_data() { rows(nodeRows); }
    void topicNodes()
    {
        const NodeRow &r = current(nodeRows);
        const std::unique_ptr<CLTopic> topic(newTopic(
            u"t"_s, r.kind, r.reply < 0 ? QString() : u"found"_s, r.groupKind, qMax(r.reply, 0)));
        topic->defaultText = r.defaultText;
        QCOMPARE(nodesOf({topic.get()}), r.nodes);
    }
};

QTEST_GUILESS_MAIN(TestProcessor)
#include "tst_processor.moc"
