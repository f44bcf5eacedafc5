// Telling a profile that no longer matches its site from other failures, and the log it keeps.

#include "clelement.h"
#include "clhealth.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

// Defined below the class: moc misreads its raw string.
extern const char Profile[];

class TestProfileHealth : public QObject
{
    Q_OBJECT

    CLProcessor m_processor;

private slots:
    void initTestCase()
    {
        fillEntityTable();
        QDomDocument document;
        QVERIFY(document.setContent(u"<sites><site id='(s)GI.health' version='7' file='h'/></sites>"_s));
        QVERIFY(m_processor.parseCatalogue(document));
        QVERIFY(document.setContent(QByteArray(Profile)));
        QVERIFY(m_processor.registerSite(readProfile(document)));
    }

    void diagnose_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<QByteArray>("page");
        QTest::addColumn<bool>("hasContent");
        QTest::addColumn<QString>("stage");
        static const struct { const char *name, *url, *page; bool content; const char *stage; } rows[] = {
            {"whole article", "http://h.example/news/1", "STORY<h1>T</h1><article>B</article>", true, ""},
            {"title without text still reads", "http://h.example/news/1", "STORY<h1>T</h1>", true, "topic body, step 1/2 step_pair_point found nothing"},
            {"article of nothing", "http://h.example/news/1", "STORY<p>moved</p>", false, "topic title, step 1/2 step_pair_point found nothing"},
            {"text step finds only tags", "http://h.example/news/1", "STORY<h1><b></b></h1>", false, "topic title, step 2/2 step_text_extract found nothing"},
            {"no track", "http://h.example/news/1", "<h1>T</h1>", false, "no track of page story accepts the content"},
            {"no page", "http://elsewhere.example/", "x", false, "no page definition accepts the URL"},
            {"empty page", "http://h.example/news/1", "", false, "the page arrived empty"},
            {"index of empty groups", "http://h.example/", "<ul></ul>", false, "topic top, step 1/2 step_pair_point found nothing"},
            {"index with headlines", "http://h.example/", "<p><ul><a href='/a'>A</a></ul>", true, ""},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.url) << QByteArray(row.page)
                                    << row.content << QString::fromLatin1(row.stage);
    }
    void diagnose()
    {
        QFETCH(QString, url);
        QFETCH(QByteArray, page);
        QFETCH(bool, hasContent);
        QFETCH(QString, stage);
        const int type = url.endsWith(u'/') ? PageIndex : PageArticle;
        const std::unique_ptr<CLElement> tree(m_processor.process(url, page, type, {}));
        QCOMPARE(treeHasContent(tree.get()), hasContent);
        if (stage.isEmpty())
            return;
        const CLProfileMiss miss = diagnoseMiss(m_processor, url, page, type, {}, tree.get());
        QCOMPARE(miss.stage, stage);
        QCOMPARE(miss.version, stage.startsWith(u"no page"_s) ? QString() : u"7"_s);
    }

    // The log keeps whole lines within its bound, the newest last, and reads back per site.
    void boundedLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"log/profile_health.log"_s);
        CLProfileMiss miss{u"(s)GI.a"_s, u"A"_s, u"3"_s, u"article"_s, u"topic t,\tstep 1/2\nx"_s};
        for (int i = 0; i < 40; ++i)
            QVERIFY(appendHealthLog(path, healthLogLine(miss, u"2026-01-%1"_s.arg(i, 2, 10, QChar(u'0'))), 1000));
        miss.siteId = u"(s)GI.b"_s;
        QVERIFY(appendHealthLog(path, healthLogLine(miss, u"2026-02-01"_s), 1000));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray log = file.readAll();
        QVERIFY(log.size() <= 1000 && log.size() > 900);
        QVERIFY(log.startsWith("2026-01-") && log.endsWith("2026-02-01\t(s)GI.b\t3\tarticle\ttopic t, step 1/2 x\n"));
        QCOMPARE(log.count('\n'), log.count('\t') / 4);
        const QStringList summary = summarizeHealthLog(log);
        QCOMPARE(summary.size(), 2);
        QVERIFY2(summary.at(0).startsWith(u"(s)GI.a: %1 misses, profile version 3, last 2026-01-39; "
                                          "most often article: topic t, step 1/2 x"_s.arg(log.count('\n') - 1)),
                 qPrintable(summary.at(0)));
        QVERIFY(!appendHealthLog(path, QString(2000, u'x'), 1000)); // never a line over the bound
    }
};

extern const char Profile[];
const char Profile[] = R"(<site name="Health" id="(s)GI.health" locale="en" codeset="UTF-8"
 version="7" entry="http://h.example/"><page name="Story" id="story" type="news.article">
 <filter_url_inc pattern="*h.example/news/*"/><track name="main">
  <filter_content_inc>STORY</filter_content_inc>
  <topic name="Title" id="title" type="article-title"><step_pair_point><point_a>&lt;h1&gt;</point_a>
   <point_b from="previous">&lt;/h1&gt;</point_b></step_pair_point><step_text_extract/></topic>
  <topic name="Body" id="body" type="article-text"><step_pair_point><point_a>&lt;article&gt;</point_a>
   <point_b from="previous">&lt;/article&gt;</point_b></step_pair_point><step_text_extract/></topic>
 </track></page>
 <page name="Front" id="front" type="news.index"><filter_url_inc pattern="*h.example/"/>
  <track name="main"><topic name="Top" id="top" type="article-index">
   <step_pair_point><point_a>&lt;ul&gt;</point_a><point_b from="previous">&lt;/ul&gt;</point_b>
   </step_pair_point><step_url_extract url_type="link"/></topic></track></page></site>)";

QTEST_GUILESS_MAIN(TestProfileHealth)
#include "tst_profilehealth.moc"
