// The demo site's profiles, run over the demo site's own files: the reader
// must find every edition's groups and headlines, and every article's parts,
// pictures and page links, wherever the site is served.

#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString kSite = QStringLiteral(TESSOLIN_SOURCE_DIR "/tools/demosite/site");
// The base the profiles put in front of the site's absolute paths.
const QString kBase = u"http://127.0.0.1:8000"_s;

QByteArray readSiteFile(const QString &path)
{
    QFile file(kSite + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The site path of a full address the profiles made, or "" when the address
// does not lead into the demo site.
QString sitePath(const QString &url)
{
    return url.startsWith(kBase + u'/') ? url.mid(kBase.size()) : QString();
}

QList<const CLElement *> nodesOfKind(const CLElement *root, int kind)
{
    QList<const CLElement *> nodes;
    for (const CLElement *child : root->children) {
        if (child->kind == kind)
            nodes.append(child);
        nodes += nodesOfKind(child, kind);
    }
    return nodes;
}

} // namespace

class TestDemoSite : public QObject
{
    Q_OBJECT

    CLProcessor m_processor;

private slots:
    void initTestCase()
    {
        fillEntityTable();
        m_processor.profileDir = TESSOLIN_SOURCE_DIR "/tools/demosite/profile";
        m_processor.catalogueFile = u"sites.xml"_s;
        QVERIFY(m_processor.loadSiteCatalogue());
        QVERIFY2(m_processor.profileErrors.isEmpty(),
                 qPrintable(m_processor.profileErrors.keys().join(u' ')));
        QCOMPARE(m_processor.siteIndex.size(), 4);
    }

    // The served port is chosen at run time: the profiles claim the demo's
    // pages on any loopback port, and nothing else.
    void urlClaims_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<int>("pageType");
        QTest::addColumn<QString>("siteId");

        QTest::newRow("index on a high port")
            << u"http://127.0.0.1:54321/en/index.html"_s << int(PageIndex) << u"(s)GI.lantern_en"_s;
        QTest::newRow("index as localhost")
            << u"http://localhost:8080/de/index.html"_s << int(PageIndex) << u"(s)GI.lantern_de"_s;
        QTest::newRow("GBK edition's article") << u"http://127.0.0.1:40000/zh/jianzhi-zhan.html"_s
                                               << int(PageArticle) << u"(s)GI.lantern_zh"_s;
        QTest::newRow("index is no article")
            << u"http://127.0.0.1:40000/ar/index.html"_s << int(PageArticle) << QString();
        QTest::newRow("article is no index")
            << u"http://127.0.0.1:40000/en/night-trains.html"_s << int(PageIndex) << QString();
        QTest::newRow("other host")
            << u"http://news.example/en/index.html"_s << int(PageIndex) << QString();
    }
    void urlClaims()
    {
        QFETCH(QString, url);
        QFETCH(int, pageType);
        QFETCH(QString, siteId);
        const CLPage *page = m_processor.findPage(url, pageType, QString());
        QCOMPARE(page ? page->site->id : QString(), siteId);
    }

    void index_data()
    {
        QTest::addColumn<QString>("edition");
        QTest::addColumn<QStringList>("groups"); // top-level groups in page order
        QTest::addColumn<int>("subGroups");
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("firstHeadline");

        QTest::newRow("English, with a sub-group")
            << u"en"_s
            << QStringList{u"Top stories"_s, u"Science and nature"_s, u"Culture"_s,
                           u"About this site"_s}
            << 1 << 7 << u"Brackwater opens a floating library for the winter"_s;
        QTest::newRow("German") << u"de"_s
                                << QStringList{u"Schlagzeilen"_s, u"Wissen"_s, u"Kultur"_s} << 0
                                << 3 << u"Stadtbücherei verleiht jetzt auch Werkzeug"_s;
        QTest::newRow("Arabic") << u"ar"_s << QStringList{u"أهم الأخبار"_s, u"بيئة"_s, u"ثقافة"_s}
                                << 0 << 3 << u"افتتاح حديقة على سطح المكتبة العامة"_s;
        // Decoded with the site's GBK codec: read as UTF-8 the names would be garbage.
        QTest::newRow("Simplified Chinese in GBK")
            << u"zh"_s << QStringList{u"要闻"_s, u"生态"_s, u"文化"_s} << 0 << 3
            << u"老城区开通夜间公交线路"_s;
    }
    void index()
    {
        QFETCH(QString, edition);
        QFETCH(QStringList, groups);
        QFETCH(int, subGroups);
        QFETCH(int, entries);
        QFETCH(QString, firstHeadline);

        const QString path = u"/%1/index.html"_s.arg(edition);
        const QByteArray bytes = readSiteFile(path);
        QVERIFY(!bytes.isEmpty());
        const std::unique_ptr<CLElement> root(
            m_processor.process(u"http://127.0.0.1:49152"_s + path, bytes, PageAny, {}));
        QVERIFY(root && root->kind == IndexPage);

        QStringList found;
        for (const CLElement *group : nodesOfKind(root.get(), IndexGroup1))
            found.append(group->text());
        QCOMPARE(found, groups);
        QCOMPARE(nodesOfKind(root.get(), IndexGroup2).size(), subGroups);

        const QList<const CLElement *> links =
            nodesOfKind(root.get(), IndexEntry1) + nodesOfKind(root.get(), IndexEntry2);
        QCOMPARE(links.size(), entries);
        QCOMPARE(nodesOfKind(root.get(), IndexEntry1).first()->text(), firstHeadline);
        // Every headline leads to an article of the same edition that is there.
        for (const CLElement *entry : links) {
            const CLURLData *link = entry->value ? entry->value->asURL() : nullptr;
            QVERIFY(link && link->urlKind == URLHtml);
            const QString target = sitePath(link->url);
            QVERIFY2(target.startsWith(u'/' + edition + u'/'), qPrintable(link->url));
            QVERIFY2(!readSiteFile(target).isEmpty(), qPrintable(target + u" is missing"_s));
            QVERIFY(!link->title.trimmed().isEmpty());
        }
    }

    void article_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("title"); // "" for any non-empty title
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("next");

        // Every article of every edition must come out whole.
        for (const QString &edition : {u"en"_s, u"de"_s, u"ar"_s, u"zh"_s}) {
            const QStringList files =
                QDir(kSite + u'/' + edition).entryList({u"*.html"_s}, QDir::Files, QDir::Name);
            for (const QString &file : files) {
                if (file == u"index.html"_s)
                    continue;
                const QString path = u'/' + edition + u'/' + file;
                QString previous, next;
                if (file.startsWith(u"harbour-library-"_s)) {
                    const int n = file.mid(16, 1).toInt();
                    if (n > 1)
                        previous = u"/en/harbour-library-%1.html"_s.arg(n - 1);
                    if (n < 3)
                        next = u"/en/harbour-library-%1.html"_s.arg(n + 1);
                }
                QTest::newRow(qPrintable(path)) << path << QString() << previous << next;
            }
        }
        QTest::newRow("GBK article's title decoded")
            << u"/zh/yejian-gongjiao.html"_s << u"老城区开通夜间公交线路"_s << QString()
            << QString();
        QTest::newRow("right-to-left article's title")
            << u"/ar/alf-nakhla.html"_s << u"متطوعون يزرعون ألف شجرة نخيل"_s << QString()
            << QString();
        QTest::newRow("umlauts and typographic quotes")
            << u"/de/werkzeug-bibliothek.html"_s << u"Stadtbücherei verleiht jetzt auch Werkzeug"_s
            << QString() << QString();
    }
    void article()
    {
        QFETCH(QString, path);
        QFETCH(QString, title);
        QFETCH(QString, previous);
        QFETCH(QString, next);

        const QByteArray bytes = readSiteFile(path);
        QVERIFY(!bytes.isEmpty());
        const std::unique_ptr<CLElement> root(
            m_processor.process(u"http://127.0.0.1:49152"_s + path, bytes, PageArticle, {}));
        QVERIFY(root && root->kind == ArticlePage);
        // The main window shows a parsing error when any of these is missing.
        for (const int kind : {ArticleTitle, ArticleSource, ArticleDatetime, ArticleText})
            QCOMPARE(nodesOfKind(root.get(), kind).size(), 1);
        const QString foundTitle = nodesOfKind(root.get(), ArticleTitle).first()->text();
        if (title.isEmpty())
            QVERIFY(!foundTitle.trimmed().isEmpty());
        else
            QCOMPARE(foundTitle, title);
        // Paragraphs stay apart, and no markup leaks into the text.
        const QString text = nodesOfKind(root.get(), ArticleText).first()->text();
        QVERIFY2(text.count(u"\n\r"_s) >= 2, qPrintable(text));
        QVERIFY2(!text.contains(u'<') && !text.contains(u"&amp;"_s), qPrintable(text));

        // Each picture is there, as a PNG, with its caption.
        const QList<const CLElement *> images = nodesOfKind(root.get(), ArticleImage);
        QVERIFY(!images.isEmpty());
        for (const CLElement *image : images) {
            const CLURLData *url = image->value->asURL();
            QVERIFY(url && url->urlKind == URLImage);
            QVERIFY2(readSiteFile(sitePath(url->url)).startsWith("\x89PNG"), qPrintable(url->url));
            QVERIFY(!url->title.trimmed().isEmpty());
        }

        const auto pageLink = [&root](int kind) {
            const QList<const CLElement *> nodes = nodesOfKind(root.get(), kind);
            return nodes.isEmpty() ? QString() : sitePath(nodes.first()->value->asURL()->url);
        };
        QCOMPARE(pageLink(ArticlePreviousPage), previous);
        QCOMPARE(pageLink(ArticleNextPage), next);
    }
};

QTEST_GUILESS_MAIN(TestDemoSite)
#include "tst_demosite.moc"
