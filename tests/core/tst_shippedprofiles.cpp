// The site profiles shipped in data/conf/profile, run over the corpus pages they were written for.

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
// their characters counts as a word.
QHash<QString, int> tokenCounts(const QString &text)
{
    QHash<QString, int> counts;
    QString word;
    for (const QChar ch : text + u' ') {
        const bool ideograph = ch.unicode() >= 0x2E80;
        if ((ch.isSpace() || ideograph) && !word.isEmpty())
            ++counts[std::exchange(word, QString()).toLower()];
        if (ideograph)
            ++counts[QString(ch)];
        else if (!ch.isSpace())
            word.append(ch);
    }
    return counts;
}

double tokenF1(const QString &found, const QString &expected)
{
    const QHash<QString, int> a = tokenCounts(found), b = tokenCounts(expected);
    int common = 0, sizes = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        common += qMin(it.value(), b.value(it.key()));
    for (const int n : a.values() + b.values())
        sizes += n;
    return sizes ? 2.0 * common / sizes : 0;
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

    void urlClaims()
    {
        const auto siteOf = [this](const QString &url, int type) {
            const CLPage *page = m_processor.findPage(url, type, QString());
            return page ? page->site->id : QString();
        };
        QCOMPARE(siteOf(u"http://cnn.com"_s, PageIndex), u"(s)GI.cnn"_s);
        // A story is no front page, and a live blog no article.
        QCOMPARE(siteOf(u"http://edition.cnn.com/2014/07/24/world/x/index.html"_s, PageIndex), "");
        QCOMPARE(siteOf(u"https://www.theguardian.com/world/live/2024/x"_s, PageArticle), "");
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
        QCOMPARE(static_cast<const CLSite *>(root->origin)->id, u"(s)GI."_s + corpusId.mid(3));
        const auto nodes = nodesBelow(root.get());
        for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
            QCOMPARE(nodes.count(kind), 1);

        // Titles taken from the page's <title> carry the site name behind the headline.
        const QString title = nodes.value(ArticleTitle)->text().simplified(),
                      truthTitle = truth[u"title"_s].toString().simplified();
        QVERIFY2(truthTitle.startsWith(title) && 2 * title.size() > truthTitle.size(),
                 qPrintable(title));
        const QString text = nodes.value(ArticleText)->text();
        const double f1 = tokenF1(text, truth[u"text"_s].toString());
        QVERIFY2(f1 >= 0.9, qPrintable(u"token F1 %1"_s.arg(f1)));
        // Paragraphs come out one per line, not run together.
        QVERIFY(text.count(u"\n\r"_s) >= 3);
    }

    void indexPage()
    {
        QByteArray bytes;
        const QJsonObject truth = readCorpusPage(u"idx-cnn"_s, bytes);
        if (truth.isEmpty())
            QSKIP("news corpus not available");
        const std::unique_ptr<CLElement> root(
            m_processor.process(truth[u"url"_s].toString(), bytes, PageAny, {}));
        QVERIFY(root && root->kind == IndexPage);
        const auto nodes = nodesBelow(root.get());
        QCOMPARE(nodes.count(IndexGroup1), 3);
        QCOMPARE(nodes.count(IndexGroup2), 1);
        const QList<const CLElement *> entries =
            nodes.values(IndexEntry1) + nodes.values(IndexEntry2);
        QVERIFY2(entries.size() >= 40, qPrintable(QString::number(entries.size())));
        for (const CLElement *entry : entries) {
            const CLURLData *link = entry->value ? entry->value->asURL() : nullptr;
            QVERIFY2(link && link->urlKind == URLHtml && link->url.startsWith(u"http://"_s) &&
                         !link->title.trimmed().isEmpty(),
                     link ? qPrintable(link->url) : "no link");
        }
    }
};

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
