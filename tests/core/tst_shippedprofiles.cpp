// The site profiles shipped in data/conf/profile, run over the corpus pages they were written for.

#include "clconstants.h"
#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QtTest>

#include <memory>
#include <utility>

using namespace Qt::StringLiterals;

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

struct Overlap
{
    double recall = 0;    // share of the expected words that were found
    double precision = 0; // share of the found words that were expected
};

Overlap tokenOverlap(const QString &found, const QString &expected)
{
    const QHash<QString, int> a = tokenCounts(found), b = tokenCounts(expected);
    int common = 0, foundSize = 0, expectedSize = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        common += qMin(it.value(), b.value(it.key()));
        foundSize += it.value();
    }
    for (const int n : b)
        expectedSize += n;
    return {expectedSize ? double(common) / expectedSize : 0,
            foundSize ? double(common) / foundSize : 0};
}

// The text utilities still drop the "&" of "&amp;", "&lt;" and "&apos;" and
// keep the rest of the name; read such leftovers as the character meant, so
// the rows hold before and after those names decode.
QString readLeftoverEntities(const QString &text)
{
    static const QRegularExpression leftover(u"\\b(amp|lt|apos);"_s);
    static const QHash<QString, QString> meant{
        {u"amp"_s, u"&"_s}, {u"lt"_s, u"<"_s}, {u"apos"_s, u"'"_s}};
    QString read;
    qsizetype from = 0;
    for (auto it = leftover.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        read += QStringView(text).mid(from, match.capturedStart() - from);
        read += meant.value(match.captured(1));
        from = match.capturedEnd();
    }
    read += QStringView(text).mid(from);
    return read;
}

// The truth recorded for a corpus page, empty when the corpus is missing.
QJsonObject readCorpusPage(const QString &id, QByteArray &bytes)
{
    QFile html(TESSOLIN_CORPUS "/pages/" + id + u".html"_s);
    QFile json(TESSOLIN_CORPUS "/truth/" + id + u".json"_s);
    if (!html.open(QIODevice::ReadOnly) || !json.open(QIODevice::ReadOnly))
        return {};
    bytes = html.readAll();
    return QJsonDocument::fromJson(json.readAll()).object();
}

// Every node below `root` by kind.
QMultiHash<int, const CLElement *> nodesBelow(const CLElement *root)
{
    QMultiHash<int, const CLElement *> nodes;
    for (const CLElement *child : root->children)
        nodes.unite(nodesBelow(child)).insert(child->kind, child);
    return nodes;
}

} // namespace

class TestShippedProfiles : public QObject
{
    Q_OBJECT

    CLProcessor m_processor;

private slots:
    void initTestCase()
    {
        fillEntityTable();
        m_processor.profileDir = TESSOLIN_SOURCE_DIR "/data/conf/profile";
        m_processor.catalogueFile = u"sites.xml"_s;
        QVERIFY(m_processor.loadSiteCatalogue());
        QVERIFY2(m_processor.profileErrors.isEmpty(),
                 qPrintable(m_processor.profileErrors.keys().join(u' ')));
    }

    // Every site of the site index is named in a language the program knows.
    void siteNames()
    {
        const QStringList languages = QStringLiteral(TS_SUPPORTED_LANGUAGES).split(u',');
        int sites = 0;
        for (const CLSiteIndexItem *entry : std::as_const(m_processor.siteIndex)) {
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

    void urlClaims_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("site"); // empty: no page claims the URL

        QTest::newRow("front page without host or slash")
            << u"http://cnn.com"_s << int(PageIndex) << u"(s)GI.cnn"_s;
        // A story is no front page, and a live blog no article.
        QTest::newRow("story is no front page")
            << u"http://edition.cnn.com/2014/07/24/world/x/index.html"_s << int(PageIndex) << "";
        QTest::newRow("live blog is no article")
            << u"https://www.theguardian.com/world/live/2024/x"_s << int(PageArticle) << "";
        QTest::newRow("section front page")
            << u"https://www.nytimes.com/es/"_s << int(PageIndex) << u"(s)GI.nytimes-es"_s;
        QTest::newRow("story under the section is no front page")
            << u"https://www.nytimes.com/es/2022/01/25/espanol/x.html"_s << int(PageIndex) << "";
        QTest::newRow("front page story is no front page")
            << u"https://uk.yahoo.com/movies/x-92727456111.html"_s << int(PageIndex) << "";
        QTest::newRow("front page with host and slash")
            << u"https://www.wired.com/"_s << int(PageIndex) << u"(s)GI.wired"_s;
        QTest::newRow("story of the front page is no front page")
            << u"https://www.wired.com/story/kara-swisher-burn-book/"_s << int(PageIndex) << "";
        QTest::newRow("story of another regional channel")
            << u"http://sh.people.com.cn/n2/2022/0213/c134768-35131900.html"_s << int(PageArticle)
            << u"(s)GI.people"_s;
        QTest::newRow("channel page is no story")
            << u"http://js.people.com.cn/GB/360300/index.html"_s << int(PageArticle) << "";
    }
    void urlClaims()
    {
        QFETCH(QString, url);
        QFETCH(int, type);
        QFETCH(QString, site);
        const CLPage *page = m_processor.findPage(url, type, QString());
        QCOMPARE(page ? page->site->id : QString(), site);
    }

    void article_data()
    {
        QTest::addColumn<QString>("corpusId");
        QTest::addColumn<QString>("url"); // when the corpus does not record one

        QTest::newRow("plain paragraphs, deck kept") << u"en-taipeitimes"_s << QString();
        QTest::newRow("classed paragraphs on one line") << u"en-guardian"_s << QString();
        QTest::newRow("split heading, teasers inside") << u"de-tagesschau"_s << QString();
        QTest::newRow("ideographic indents, inline ads") << u"ja-asahi"_s << QString();
        QTest::newRow("no-break spaces, paywall notice") << u"fr-lemonde"_s << QString();
        QTest::newRow("GBK bytes, promotion inside a paragraph")
            << u"zh-sina"_s << u"http://chanye.finance.sina.com.cn/sm/2005-03-21/244339.shtml"_s;
        QTest::newRow("GBK bytes, hidden print headline")
            << u"zh-people"_s << u"http://js.people.com.cn/n2/2022/0213/c360302-35131900.html"_s;
        QTest::newRow("Cyrillic, photo boxes between paragraphs")
            << u"ru-kommersant"_s << QString();
        QTest::newRow("Hangul, deck lines and captioned figures") << u"ko-mk"_s << QString();
        QTest::newRow("Arabic, lines ended by breaks") << u"ar-lbcgroup"_s << QString();
        QTest::newRow("Devanagari, body behind an advertisement") << u"hi-bhaskar"_s << QString();
        QTest::newRow("Japanese, advertisements between paragraphs")
            << u"ja-mainichi"_s << QString();
        QTest::newRow("Spanish, photo gallery inside the body") << u"es-elpais"_s << QString();
        QTest::newRow("Vietnamese, lead outside the article element")
            << u"vi-vnexpress"_s << QString();
        QTest::newRow("Turkish, summary apart from the body, advertisement labels")
            << u"tr-haberturk"_s << QString();
        QTest::newRow("GBK bytes with a user-defined character, frames in the text")
            << u"zh-163"_s << u"http://biz.163.com/41210/1/17867KR700020QBK.html"_s;
        QTest::newRow("Italian, picture between summary and body") << u"it-corriere"_s << QString();
        QTest::newRow("Portuguese, gallery widget inside the body") << u"pt-folha"_s << QString();
        QTest::newRow("Japanese page on one line") << u"ja-nikkei"_s << QString();
        QTest::newRow("Japanese, readings of names in ruby") << u"ja-yomiuri"_s << QString();
        QTest::newRow("GBK bytes, 2005 table layout")
            << u"zh-sohu-1"_s << u"http://business.sohu.com/20050311/n224643115.shtml"_s;
        QTest::newRow("GBK bytes, the same site's 2004 layout")
            << u"zh-sohu-2"_s << u"http://business.sohu.com/20041021/n222611364.shtml"_s;
        QTest::newRow("GBK bytes, audio player between paragraphs")
            << u"zh-cnr"_s << u"http://china.cnr.cn/news/20220213/t20220213_525739615.shtml"_s;
        QTest::newRow("headline from the shared title") << u"en-bbc"_s << QString();
        QTest::newRow("Spanish, date only in the title") << u"es-lanacion"_s << QString();
        QTest::newRow("Hangul, lines ended by breaks") << u"ko-entermedia"_s << QString();
        QTest::newRow("related stories and advertisement labels in the body")
            << u"en-skynews"_s << QString();
    }
    void article()
    {
        QFETCH(QString, corpusId);
        QFETCH(QString, url);
        QByteArray bytes;
        const QJsonObject truth = readCorpusPage(corpusId, bytes);
        if (truth.isEmpty())
            QSKIP("news corpus not available");
        const std::unique_ptr<CLElement> root(m_processor.process(
            url.isEmpty() ? truth[u"url"_s].toString() : url, bytes, PageArticle, {}));
        QVERIFY(root && root->kind == ArticlePage);
        // The site of "zh-sohu-1" is "sohu": a number behind the name counts pages of one site.
        static const QRegularExpression pageNumber(u"-\\d+$"_s);
        QCOMPARE(static_cast<const CLSite *>(root->origin)->id,
                 u"(s)GI."_s + corpusId.mid(3).remove(pageNumber));
        const auto nodes = nodesBelow(root.get());
        for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
            QCOMPARE(nodes.count(kind), 1);

        const QString title = nodes.value(ArticleTitle)->text().simplified(),
                      truthTitle = truth[u"title"_s].toString().simplified();
        if (truth[u"title_source"_s].toString().contains(u"<title>"_s)) {
            // A title taken from the page's <title> carries the site name
            // behind the headline.
            QVERIFY2(truthTitle.startsWith(title) && 2 * title.size() > truthTitle.size(),
                     qPrintable(title));
        } else {
            QCOMPARE(title, truthTitle);
        }
        const QString text = nodes.value(ArticleText)->text();
        const Overlap overlap =
            tokenOverlap(readLeftoverEntities(text), truth[u"text"_s].toString());
        QVERIFY2(overlap.recall >= 0.95, qPrintable(u"recall %1"_s.arg(overlap.recall)));
        QVERIFY2(overlap.precision >= 0.9, qPrintable(u"precision %1"_s.arg(overlap.precision)));
        // Paragraphs come out one per line, not run together (a short story has fewer breaks).
        const qsizetype paragraphs = truth[u"text"_s].toString().split(u'\n', Qt::SkipEmptyParts).size();
        QVERIFY(text.count(u"\n\r"_s) >= qMin<qsizetype>(3, paragraphs - 1));
        // A picture address cut from a tag holds nothing of the tag around it
        // and no escaped ampersand the server would take literally.
        static const QRegularExpression pictureUrl(u"^https?://[^\\s\"'<>]+$"_s);
        for (const CLElement *image : nodes.values(ArticleImage)) {
            const CLURLData *link = image->value ? image->value->asURL() : nullptr;
            QVERIFY2(link && link->urlKind == URLImage && pictureUrl.match(link->url).hasMatch() &&
                         !link->url.contains(u"&amp;"_s),
                     link ? qPrintable(link->url) : "no link");
        }
    }

    void indexPage_data()
    {
        QTest::addColumn<QString>("corpusId");
        QTest::addColumn<int>("outerGroups");
        QTest::addColumn<int>("innerGroups");
        QTest::addColumn<int>("minEntries");

        QTest::newRow("story bins, relative links") << u"idx-cnn"_s << 3 << 1 << 40;
        QTest::newRow("topic bands, links from photo and headline")
            << u"idx-nytimes-es"_s << 5 << 0 << 25;
        QTest::newRow("carousel and stream, empty thumbnail links")
            << u"idx-yahoo-uk"_s << 2 << 1 << 25;
        QTest::newRow("rows of packages, absolute links with tracking fragments")
            << u"idx-wired"_s << 5 << 0 << 40;
        QTest::newRow("one stream, relative links, comment counters left out")
            << u"idx-yahoo-news"_s << 1 << 0 << 20;
    }
    void indexPage()
    {
        QFETCH(QString, corpusId);
        QFETCH(int, outerGroups);
        QFETCH(int, innerGroups);
        QFETCH(int, minEntries);
        QByteArray bytes;
        const QJsonObject truth = readCorpusPage(corpusId, bytes);
        if (truth.isEmpty())
            QSKIP("news corpus not available");
        const QString url = truth[u"url"_s].toString();
        const std::unique_ptr<CLElement> root(m_processor.process(url, bytes, PageAny, {}));
        QVERIFY(root && root->kind == IndexPage);
        const auto nodes = nodesBelow(root.get());
        QCOMPARE(nodes.count(IndexGroup1), outerGroups);
        QCOMPARE(nodes.count(IndexGroup2), innerGroups);
        const QList<const CLElement *> entries =
            nodes.values(IndexEntry1) + nodes.values(IndexEntry2);
        QVERIFY2(entries.size() >= minEntries, qPrintable(QString::number(entries.size())));
        for (const CLElement *entry : entries) {
            const CLURLData *link = entry->value ? entry->value->asURL() : nullptr;
            QVERIFY2(
                link && link->urlKind == URLHtml &&
                    (link->url.startsWith(u"http://"_s) || link->url.startsWith(u"https://"_s)) &&
                    !link->title.trimmed().isEmpty(),
                link ? qPrintable(link->url) : "no link");
        }
        // A group that lost its headlines means the page changed under the
        // profile; one headline twice in a group is noise for the reader.
        for (const CLElement *group : nodes.values(IndexGroup1) + nodes.values(IndexGroup2)) {
            QSet<QString> urls;
            for (const CLElement *child : group->children) {
                if (const CLURLData *link = child->value ? child->value->asURL() : nullptr) {
                    QVERIFY2(!urls.contains(link->url), qPrintable(link->url));
                    urls.insert(link->url);
                }
            }
            QVERIFY2(!urls.isEmpty(), qPrintable(group->text()));
        }
        // The front page is no article.
        QVERIFY(!std::unique_ptr<CLElement>(m_processor.process(url, bytes, PageArticle, {})));
    }
};

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
