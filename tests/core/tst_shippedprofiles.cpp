// The site profiles shipped in data/conf/profile, run over the real pages of
// the news corpus they were written for.

#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QFile>
#include <QHash>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

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
    int common = 0, sizeA = 0, sizeB = 0;
    for (auto it = a.cbegin(); it != a.cend(); ++it) {
        sizeA += it.value();
        common += qMin(it.value(), b.value(it.key()));
    }
    for (const int n : b)
        sizeB += n;
    return common == 0 ? 0 : 2.0 * common / (sizeA + sizeB);
}

bool readCorpusPage(const QString &id, QByteArray &bytes, QJsonObject &truth)
{
    QFile html(QStringLiteral(TESSOLIN_CORPUS "/pages/") + id + u".html"_s);
    QFile json(QStringLiteral(TESSOLIN_CORPUS "/truth/") + id + u".json"_s);
    if (!html.open(QIODevice::ReadOnly) || !json.open(QIODevice::ReadOnly))
        return false;
    bytes = html.readAll();
    truth = QJsonDocument::fromJson(json.readAll()).object();
    return true;
}

QList<const CLElement *> nodesOf(const CLElement *root, int kind)
{
    QList<const CLElement *> found;
    for (const CLElement *child : root->children) {
        if (child->kind == kind)
            found.append(child);
        found += nodesOf(child, kind);
    }
    return found;
}

} // namespace

class TestShippedProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void urlClaims_data();
    void urlClaims();
    void article_data();
    void article();
    void indexPage();

private:
    CLProcessor m_processor;
};

void TestShippedProfiles::initTestCase()
{
    fillEntityTable();
    m_processor.profileDir = QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile");
    m_processor.catalogueFile = u"sites.xml"_s;
    QVERIFY(m_processor.loadSiteCatalogue());
    for (const CLSiteIndexItem *entry : m_processor.failedEntries())
        QFAIL(qPrintable(entry->file + u": "_s +
                         m_processor.profileErrors.value(entry->file).toString()));
    // Every shipped profile but the translation engine's is a listed news site.
    const QList<CLSiteIndexItem *> general =
        m_processor.sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), u"en"_s);
    QCOMPARE(general.size(), m_processor.siteIndex.size() - 1);
}

void TestShippedProfiles::urlClaims_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<int>("pageType");
    QTest::addColumn<QString>("siteId");

    QTest::newRow("front page without slash")
        << u"http://cnn.com"_s << int(PageIndex) << u"(s)GI.cnn"_s;
    QTest::newRow("story is no front page")
        << u"http://edition.cnn.com/2014/07/24/world/africa/air-algerie-flight/index.html"_s
        << int(PageIndex) << QString();
    QTest::newRow("money site is no front page")
        << u"http://money.cnn.com"_s << int(PageIndex) << QString();
    QTest::newRow("guardian live blog")
        << u"https://www.theguardian.com/world/live/2024/feb/24/russia-ukraine-war-live"_s
        << int(PageArticle) << QString();
    QTest::newRow("tagesschau video page")
        << u"https://www.tagesschau.de/multimedia/video/video-1188118.html"_s << int(PageArticle)
        << QString();
    QTest::newRow("sina list page")
        << u"http://chanye.finance.sina.com.cn/sm/"_s << int(PageArticle) << QString();
}

void TestShippedProfiles::urlClaims()
{
    QFETCH(QString, url);
    QFETCH(int, pageType);
    QFETCH(QString, siteId);
    const CLPage *page = m_processor.findPage(url, pageType, QString());
    QCOMPARE(page && page->site ? page->site->id : QString(), siteId);
}

void TestShippedProfiles::article_data()
{
    QTest::addColumn<QString>("corpusId");
    QTest::addColumn<QString>("url"); // when the corpus does not record one
    QTest::addColumn<QString>("siteId");

    QTest::newRow("plain paragraphs, deck kept")
        << u"en-taipeitimes"_s << QString() << u"(s)GI.taipeitimes"_s;
    QTest::newRow("classed paragraphs on one line")
        << u"en-guardian"_s << QString() << u"(s)GI.guardian"_s;
    QTest::newRow("split heading, teasers between paragraphs")
        << u"de-tagesschau"_s << QString() << u"(s)GI.tagesschau"_s;
    QTest::newRow("ideographic indents, inline ads")
        << u"ja-asahi"_s << QString() << u"(s)GI.asahi"_s;
    QTest::newRow("no-break spaces, paywall notice")
        << u"fr-lemonde"_s << QString() << u"(s)GI.lemonde"_s;
    QTest::newRow("GBK bytes, promotion inside a paragraph")
        << u"zh-sina"_s << u"http://chanye.finance.sina.com.cn/sm/2005-03-21/244339.shtml"_s
        << u"(s)GI.sina"_s;
}

void TestShippedProfiles::article()
{
    QFETCH(QString, corpusId);
    QFETCH(QString, url);
    QFETCH(QString, siteId);
    QByteArray bytes;
    QJsonObject truth;
    if (!readCorpusPage(corpusId, bytes, truth))
        QSKIP("news corpus not available");
    if (url.isEmpty())
        url = truth.value(u"url"_s).toString();
    const std::unique_ptr<CLElement> root(m_processor.process(url, bytes, PageArticle, {}));
    QVERIFY(root && root->kind == ArticlePage);
    QCOMPARE(static_cast<const CLSite *>(root->origin)->id, siteId);
    for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
        QCOMPARE(nodesOf(root.get(), kind).size(), 1);

    // Titles taken from the page's <title> carry the site name behind the headline.
    const QString title = nodesOf(root.get(), ArticleTitle).constFirst()->text().simplified();
    const QString truthTitle = truth.value(u"title"_s).toString().simplified();
    QVERIFY2(title == truthTitle ||
                 (truthTitle.startsWith(title) && 2 * title.size() > truthTitle.size()),
             qPrintable(title));
    const QString date = nodesOf(root.get(), ArticleDatetime).constFirst()->text();
    QVERIFY2(date.contains(truth.value(u"date"_s).toString().left(4)), qPrintable(date));
    QVERIFY(!nodesOf(root.get(), ArticleSource).constFirst()->text().trimmed().isEmpty());

    const QString text = nodesOf(root.get(), ArticleText).constFirst()->text();
    const double f1 = tokenF1(text, truth.value(u"text"_s).toString());
    QVERIFY2(f1 >= 0.9, qPrintable(u"token F1 %1"_s.arg(f1)));
    // Paragraphs come out one per line, not run together.
    QVERIFY(text.count(u"\n\r"_s) >= 3);

    const QList<const CLElement *> images = nodesOf(root.get(), ArticleImage);
    QCOMPARE(images.isEmpty(), !truth.contains(u"images"_s));
    for (const CLElement *image : images) {
        const CLURLData *link = image->value ? image->value->asURL() : nullptr;
        QVERIFY2(link && link->url.startsWith(u"https://"_s), link ? qPrintable(link->url) : "");
    }
}

void TestShippedProfiles::indexPage()
{
    QByteArray bytes;
    QJsonObject truth;
    if (!readCorpusPage(u"idx-cnn"_s, bytes, truth))
        QSKIP("news corpus not available");
    const std::unique_ptr<CLElement> root(
        m_processor.process(truth.value(u"url"_s).toString(), bytes, PageAny, {}));
    QVERIFY(root && root->kind == IndexPage);
    QCOMPARE(nodesOf(root.get(), IndexGroup1).size(), 3);
    QCOMPARE(nodesOf(root.get(), IndexGroup2).size(), 1);

    const QList<const CLElement *> entries =
        nodesOf(root.get(), IndexEntry1) + nodesOf(root.get(), IndexEntry2);
    QVERIFY2(entries.size() >= 40, qPrintable(QString::number(entries.size())));
    for (const CLElement *entry : entries) {
        const CLURLData *link = entry->value ? entry->value->asURL() : nullptr;
        QVERIFY(link && link->urlKind == URLHtml);
        QVERIFY2(link->url.startsWith(u"http://"_s), qPrintable(link->url));
        QVERIFY2(!link->title.trimmed().isEmpty(), qPrintable(link->url));
    }
}

QTEST_GUILESS_MAIN(TestShippedProfiles)
#include "tst_shippedprofiles.moc"
