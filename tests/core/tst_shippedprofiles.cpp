// The site profiles shipped in data/conf/profile, run over the corpus pages they were written
// for, and the demo site's profiles over the demo site's own files, wherever it is served.

#include "clconstants.h"
#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "testkit.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>
#include <numeric>
#include <utility>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

// Words split at white space; ideographic scripts have none, so each of
// their characters counts as a word (their wide space is still a space).
QHash<QString, int> tokenCounts(const QString &text)
{
    QHash<QString, int> counts;
    QString word;
    for (const QChar ch : text + u' ') {
        const bool ideograph = ch.unicode() >= 0x2E80 && !ch.isSpace();
        if ((ch.isSpace() || ideograph) && !word.isEmpty())
            ++counts[std::exchange(word, QString()).toLower()];
        if (ideograph)
            ++counts[QString(ch)];
        else if (!ch.isSpace())
            word.append(ch);
    }
    return counts;
}

// The share of the expected words that were found, and of the found words that were expected.
std::pair<double, double> recallAndPrecision(const QString &found, const QString &expected)
{
    const QHash<QString, int> a = tokenCounts(found), b = tokenCounts(expected);
    int common = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        common += qMin(it.value(), b.value(it.key()));
    const auto words = [](const QHash<QString, int> &counts) {
        return qMax(1, std::accumulate(counts.cbegin(), counts.cend(), 0));
    };
    return {double(common) / words(b), double(common) / words(a)};
}

// Every node of KIND below ROOT, in page order.
QList<const CLElement *> nodesOf(const CLElement *root, int kind)
{
    QList<const CLElement *> nodes;
    for (const CLElement *child : root->children) {
        if (child->kind == kind)
            nodes.append(child);
        nodes += nodesOf(child, kind);
    }
    return nodes;
}

const CLURLData *linkOf(const CLElement *node)
{
    return node->value ? node->value->asURL() : nullptr;
}

const QString demoSite = testkit::sourcePath(u"tools/demosite/site"_s);
// The base the demo profiles put in front of the site's absolute paths.
const QString demoBase = u"http://127.0.0.1:8000"_s;

QByteArray readDemoFile(const QString &path)
{
    return testkit::readAll(demoSite + path);
}

// The site path of a full address the demo profiles made, or "" outside the demo site.
QString demoPath(const QString &url)
{
    return url.startsWith(demoBase + u'/') ? url.mid(demoBase.size()) : QString();
}

// Which site's page claims a URL of a page type; rows named "demo:" ask the demo site.
struct ClaimRow
{
    const char *name;
    QString url;
    int type;
    QString site = {}; // none: no page claims the URL
};
const ClaimRow claimRows[] = {
    {"front page without host or slash", "http://cnn.com", PageIndex, "(s)GI.cnn"},
    // A story is no front page, and a live blog no article.
    {"story is no front page", "http://edition.cnn.com/2014/07/24/world/x/index.html", PageIndex},
    {"live blog is no article", "https://www.theguardian.com/world/live/2024/x", PageArticle},
    {"section front page", "https://www.nytimes.com/es/", PageIndex, "(s)GI.nytimes-es"},
    {"story under the section is no front page",
     "https://www.nytimes.com/es/2022/01/25/espanol/x.html", PageIndex},
    {"front page story is no front page", "https://uk.yahoo.com/movies/x-92727456111.html",
     PageIndex},
    {"front page with host and slash", "https://www.wired.com/", PageIndex, "(s)GI.wired"},
    {"story of the front page is no front page",
     "https://www.wired.com/story/kara-swisher-burn-book/", PageIndex},
    {"story of another regional channel",
     "http://sh.people.com.cn/n2/2022/0213/c134768-35131900.html", PageArticle, "(s)GI.people"},
    {"channel page is no story", "http://js.people.com.cn/GB/360300/index.html", PageArticle},
    // The demo's port is chosen at run time: its profiles claim its pages on any loopback port.
    {"demo: index on a high port", "http://127.0.0.1:54321/en/index.html", PageIndex,
     "(s)GI.lantern_en"},
    {"demo: index as localhost", "http://localhost:8080/de/index.html", PageIndex,
     "(s)GI.lantern_de"},
    {"demo: GBK edition's article", "http://127.0.0.1:40000/zh/jianzhi-zhan.html", PageArticle,
     "(s)GI.lantern_zh"},
    {"demo: index is no article", "http://127.0.0.1:40000/ar/index.html", PageArticle},
    {"demo: article is no index", "http://127.0.0.1:40000/en/night-trains.html", PageIndex},
    {"demo: other host", "http://news.example/en/index.html", PageIndex},
};

struct ArticleRow
{
    const char *name, *corpusId;
    QString url = {};             // when the corpus does not record one
    bool wholeParagraphs = false; // every paragraph of the truth is in the text as it is
};
const ArticleRow articleRows[] = {
    {"plain paragraphs, deck kept", "en-taipeitimes", {}, true},
    {"classed paragraphs on one line", "en-guardian"},
    {"split heading, teasers inside", "de-tagesschau"},
    {"ideographic indents, inline ads", "ja-asahi"},
    {"no-break spaces, paywall notice", "fr-lemonde"},
    {"GBK bytes, promotion inside a paragraph", "zh-sina",
     "http://chanye.finance.sina.com.cn/sm/2005-03-21/244339.shtml"},
    {"GBK bytes, hidden print headline", "zh-people",
     "http://js.people.com.cn/n2/2022/0213/c360302-35131900.html"},
    {"Cyrillic, photo boxes between paragraphs", "ru-kommersant"},
    {"Hangul, deck lines and captioned figures", "ko-mk"},
    {"Arabic, lines ended by breaks", "ar-lbcgroup"},
    {"Devanagari, body behind an advertisement", "hi-bhaskar"},
    {"Japanese, advertisements between paragraphs", "ja-mainichi"},
    {"Spanish, photo gallery inside the body", "es-elpais"},
    {"Vietnamese, lead outside the article element", "vi-vnexpress"},
    {"Turkish, summary apart from the body, advertisement labels", "tr-haberturk"},
    {"GBK bytes with a user-defined character, frames in the text", "zh-163",
     "http://biz.163.com/41210/1/17867KR700020QBK.html"},
    {"Italian, picture between summary and body", "it-corriere"},
    {"Portuguese, gallery widget inside the body", "pt-folha"},
    {"Japanese page on one line", "ja-nikkei"},
    {"Japanese, readings of names in ruby", "ja-yomiuri"},
    {"GBK bytes, 2005 table layout", "zh-sohu-1",
     "http://business.sohu.com/20050311/n224643115.shtml"},
    {"GBK bytes, the same site's 2004 layout", "zh-sohu-2",
     "http://business.sohu.com/20041021/n222611364.shtml"},
    {"GBK bytes, audio player between paragraphs", "zh-cnr",
     "http://china.cnr.cn/news/20220213/t20220213_525739615.shtml"},
    {"headline from the shared title", "en-bbc"},
    {"Spanish, date only in the title", "es-lanacion"},
    {"Hangul, lines ended by breaks", "ko-entermedia"},
    {"related stories and advertisement labels in the body", "en-skynews"},
};

// A corpus front page, or the front page of a demo edition when the row names its groups.
struct IndexRow
{
    const char *name, *page;                 // the corpus id or the demo edition
    int outerGroups, innerGroups, entries;   // entries: at least so many on a corpus page
    QString groups = {}, firstHeadline = {}; // groups: the outer ones in page order, joined by "|"
};
const IndexRow indexRows[] = {
    {"story bins, relative links", "idx-cnn", 3, 1, 40},
    {"topic bands, links from photo and headline", "idx-nytimes-es", 5, 0, 25},
    {"carousel and stream, empty thumbnail links", "idx-yahoo-uk", 2, 1, 25},
    {"rows of packages, absolute links with tracking fragments", "idx-wired", 5, 0, 40},
    {"one stream, relative links, comment counters left out", "idx-yahoo-news", 1, 0, 20},
    {"demo: English, with a sub-group", "en", 4, 1, 7,
     "Top stories|Science and nature|Culture|About this site",
     "Brackwater opens a floating library for the winter"},
    {"demo: German", "de", 3, 0, 3, "Schlagzeilen|Wissen|Kultur",
     u"Stadtbücherei verleiht jetzt auch Werkzeug"_s},
    {"demo: Arabic", "ar", 3, 0, 3, u"أهم الأخبار|بيئة|ثقافة"_s,
     u"افتتاح حديقة على سطح المكتبة العامة"_s},
    // Decoded with the site's GBK codec: read as UTF-8 the names would be garbage.
    {"demo: Simplified Chinese in GBK", "zh", 3, 0, 3, u"要闻|生态|文化"_s,
     u"老城区开通夜间公交线路"_s},
};

} // namespace

class TestShippedProfiles : public QObject
{
    Q_OBJECT

    CLProcessor m_shipped, m_demo;

private slots:
    void initTestCase()
    {
        fillEntityTable();
        m_shipped.profileDir = testkit::shippedProfileDir();
        m_demo.profileDir = testkit::sourcePath(u"tools/demosite/profile"_s);
        for (CLProcessor *processor : {&m_shipped, &m_demo}) {
            processor->catalogueFile = u"sites.xml"_s;
            QVERIFY(processor->loadSiteCatalogue());
            QVERIFY2(processor->profileErrors.isEmpty(),
                     qPrintable(processor->profileErrors.keys().join(u' ')));
        }
        QCOMPARE(m_demo.siteIndex.size(), 4);
    }

    // Every site of the site index is named in a language the program knows.
    void siteNames()
    {
        const QStringList languages = QStringLiteral(TS_SUPPORTED_LANGUAGES).split(u',');
        int sites = 0;
        for (const CLSiteIndexItem *entry : std::as_const(m_shipped.siteIndex)) {
            if (entry->category != u"(c)General.Inforamtion"_s)
                continue;
            QVERIFY2(entry->site, qPrintable(entry->file));
            const CLSite *site = entry->site;
            QVERIFY2(languages.contains(site->locale), qPrintable(site->id));
            QVERIFY2(site->i18n && site->i18n->original == site->locale, qPrintable(site->id));
            QVERIFY2(!localName(site->i18n, site->locale).isEmpty(), qPrintable(site->id));
            ++sites;
        }
        QVERIFY(sites >= 15);
    }

    void urlClaims_data() { rows(claimRows); }
    void urlClaims()
    {
        const ClaimRow &r = current(claimRows);
        const CLProcessor &processor = QByteArray(r.name).startsWith("demo:") ? m_demo : m_shipped;
        const CLPage *page = processor.findPage(r.url, r.type, QString());
        QCOMPARE(page ? page->site->id : QString(), r.site);
    }

    void article_data() { rows(articleRows); }
    void article()
    {
        const ArticleRow &r = current(articleRows);
        const QString id = QLatin1String(r.corpusId);
        const QByteArray bytes = testkit::readCorpusPage(id);
        const QJsonObject truth = QJsonDocument::fromJson(testkit::readCorpusTruth(id)).object();
        if (bytes.isEmpty() || truth.isEmpty())
            QSKIP("news corpus not available");
        const std::unique_ptr<CLElement> root(m_shipped.process(
            r.url.isEmpty() ? truth[u"url"_s].toString() : r.url, bytes, PageArticle, {}));
        QVERIFY(root && root->kind == ArticlePage);
        // The site of "zh-sohu-1" is "sohu": a number behind the name counts pages of one site.
        static const QRegularExpression pageNumber(u"-\\d+$"_s);
        QCOMPARE(static_cast<const CLSite *>(root->origin)->id,
                 u"(s)GI."_s + id.mid(3).remove(pageNumber));
        for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
            QCOMPARE(nodesOf(root.get(), kind).size(), 1);

        const QString title = nodesOf(root.get(), ArticleTitle).first()->text().simplified(),
                      truthTitle = truth[u"title"_s].toString().simplified();
        if (truth[u"title_source"_s].toString().contains(u"<title>"_s)) {
            // A title taken from the page's <title> carries the site name behind the headline.
            QVERIFY2(truthTitle.startsWith(title) && 2 * title.size() > truthTitle.size(),
                     qPrintable(title));
        } else {
            QCOMPARE(title, truthTitle);
        }
        const QString text = nodesOf(root.get(), ArticleText).first()->text(),
                      expected = truth[u"text"_s].toString();
        const auto [recall, precision] = recallAndPrecision(text, expected);
        QVERIFY2(recall >= 0.95, qPrintable(u"recall %1"_s.arg(recall)));
        QVERIFY2(precision >= 0.9, qPrintable(u"precision %1"_s.arg(precision)));
        // Paragraphs come out one per line, not run together (a short story has fewer breaks).
        const qsizetype paragraphs = expected.split(u'\n', Qt::SkipEmptyParts).size();
        QVERIFY(text.count(u"\n\r"_s) >= qMin<qsizetype>(3, paragraphs - 1));
        if (r.wholeParagraphs) {
            for (const QString &paragraph : expected.split(u"\n\n"_s))
                QVERIFY2(text.simplified().contains(paragraph.simplified()), qPrintable(paragraph));
            QVERIFY2(text.simplified().size() < expected.size() * 1.1, qPrintable(text));
        }
        // A picture address cut from a tag holds nothing of the tag around it
        // and no escaped ampersand the server would take literally.
        static const QRegularExpression pictureUrl(u"^https?://[^\\s\"'<>]+$"_s);
        for (const CLElement *image : nodesOf(root.get(), ArticleImage)) {
            const CLURLData *link = linkOf(image);
            QVERIFY2(link && link->urlKind == URLImage && pictureUrl.match(link->url).hasMatch() &&
                         !link->url.contains(u"&amp;"_s),
                     link ? qPrintable(link->url) : "no link");
        }
    }

    void indexPage_data() { rows(indexRows); }
    void indexPage()
    {
        const IndexRow &r = current(indexRows);
        const bool demo = !r.groups.isEmpty();
        const QString page = QLatin1String(r.page), path = u'/' + page + u"/index.html"_s;
        const QByteArray bytes = demo ? readDemoFile(path) : testkit::readCorpusPage(page);
        const QString url =
            demo ? u"http://127.0.0.1:49152"_s + path
                 : QJsonDocument::fromJson(testkit::readCorpusTruth(page))[u"url"_s].toString();
        if (bytes.isEmpty() || url.isEmpty()) {
            QVERIFY2(!demo, qPrintable(path));
            QSKIP("news corpus not available");
        }
        CLProcessor &processor = demo ? m_demo : m_shipped;
        const std::unique_ptr<CLElement> root(processor.process(url, bytes, PageAny, {}));
        QVERIFY(root && root->kind == IndexPage);
        QStringList groups;
        for (const CLElement *group : nodesOf(root.get(), IndexGroup1))
            groups.append(group->text());
        QCOMPARE(groups.size(), r.outerGroups);
        QCOMPARE(demo ? groups.join(u'|') : QString(), r.groups);
        QCOMPARE(nodesOf(root.get(), IndexGroup2).size(), r.innerGroups);
        const auto entries = nodesOf(root.get(), IndexEntry1) + nodesOf(root.get(), IndexEntry2);
        QVERIFY2(demo ? entries.size() == r.entries : entries.size() >= r.entries,
                 qPrintable(QString::number(entries.size())));
        if (demo)
            QCOMPARE(nodesOf(root.get(), IndexEntry1).first()->text(), r.firstHeadline);
        for (const CLElement *entry : entries) {
            const CLURLData *link = linkOf(entry);
            QVERIFY2(
                link && link->urlKind == URLHtml &&
                    (link->url.startsWith(u"http://"_s) || link->url.startsWith(u"https://"_s)) &&
                    !link->title.trimmed().isEmpty(),
                link ? qPrintable(link->url) : "no link");
            // Every demo headline leads to an article of the same edition that is there.
            QVERIFY2(!demo || (demoPath(link->url).startsWith(u'/' + page + u'/') &&
                               !readDemoFile(demoPath(link->url)).isEmpty()),
                     qPrintable(link->url));
        }
        // A group that lost its headlines means the page changed under the
        // profile; one headline twice in a group is noise for the reader.
        for (const CLElement *group :
             nodesOf(root.get(), IndexGroup1) + nodesOf(root.get(), IndexGroup2)) {
            QSet<QString> urls;
            for (const CLElement *child : group->children) {
                if (const CLURLData *link = linkOf(child)) {
                    QVERIFY2(!urls.contains(link->url), qPrintable(link->url));
                    urls.insert(link->url);
                }
            }
            QVERIFY2(!urls.isEmpty(), qPrintable(group->text()));
        }
        // The front page is no article.
        QVERIFY(!std::unique_ptr<CLElement>(processor.process(url, bytes, PageArticle, {})));
    }

    // Every article of every demo edition must come out whole, with its pictures and page links.
    void demoArticle_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title"); // "" for any non-empty title
        for (const QString &edition : {u"en"_s, u"de"_s, u"ar"_s, u"zh"_s})
            for (const QString &file :
                 QDir(demoSite + u'/' + edition).entryList({u"*.html"_s}, QDir::Files, QDir::Name))
                if (file != u"index.html"_s)
                    QTest::newRow(qPrintable(u'/' + edition + u'/' + file))
                        << u'/' + edition + u'/' + file << QString();
        QTest::newRow("GBK article's title decoded")
            << u"/zh/yejian-gongjiao.html"_s << u"老城区开通夜间公交线路"_s;
        QTest::newRow("right-to-left article's title")
            << u"/ar/alf-nakhla.html"_s << u"متطوعون يزرعون ألف شجرة نخيل"_s;
        QTest::newRow("umlauts and typographic quotes")
            << u"/de/werkzeug-bibliothek.html"_s << u"Stadtbücherei verleiht jetzt auch Werkzeug"_s;
    }
    void demoArticle()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        const QByteArray bytes = readDemoFile(path);
        QVERIFY(!bytes.isEmpty());
        const std::unique_ptr<CLElement> root(
            m_demo.process(u"http://127.0.0.1:49152"_s + path, bytes, PageArticle, {}));
        QVERIFY(root && root->kind == ArticlePage);
        // The main window shows a parsing error when any of these is missing.
        for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
            QCOMPARE(nodesOf(root.get(), kind).size(), 1);
        const QString foundTitle = nodesOf(root.get(), ArticleTitle).first()->text();
        QVERIFY(title.isEmpty() ? !foundTitle.trimmed().isEmpty() : foundTitle == title);
        // Paragraphs stay apart, and no markup leaks into the text.
        const QString text = nodesOf(root.get(), ArticleText).first()->text();
        QVERIFY2(text.count(u"\n\r"_s) >= 2, qPrintable(text));
        QVERIFY2(!text.contains(u'<') && !text.contains(u"&amp;"_s), qPrintable(text));
        // Each picture is there, as a PNG, with its caption.
        const QList<const CLElement *> images = nodesOf(root.get(), ArticleImage);
        QVERIFY(!images.isEmpty());
        for (const CLElement *image : images) {
            const CLURLData *url = linkOf(image);
            QVERIFY(url && url->urlKind == URLImage && !url->title.trimmed().isEmpty());
            QVERIFY2(readDemoFile(demoPath(url->url)).startsWith("\x89PNG"), qPrintable(url->url));
        }
        // The three-page story links its pages both ways.
        QString previous, next;
        if (path.startsWith(u"/en/harbour-library-"_s)) {
            const int n = path.mid(20, 1).toInt();
            previous = n > 1 ? u"/en/harbour-library-%1.html"_s.arg(n - 1) : QString();
            next = n < 3 ? u"/en/harbour-library-%1.html"_s.arg(n + 1) : QString();
        }
        const auto pageLink = [&root](int kind) {
            const QList<const CLElement *> nodes = nodesOf(root.get(), kind);
            return nodes.isEmpty() ? QString() : demoPath(linkOf(nodes.first())->url);
        };
        QCOMPARE(pageLink(ArticlePreviousPage), previous);
        QCOMPARE(pageLink(ArticleNextPage), next);
    }
};

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
