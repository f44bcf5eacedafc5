// Telling a profile that no longer matches its site from other failures, and the log it keeps.

#include "clelement.h"
#include "clhealth.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

const QString story = "http://h.example/news/1", front = "http://h.example/";
const QString pairMiss = "step_pair_point found nothing";
struct DiagnoseRow
{
    const char *name;
    QString url;
    QByteArray page;
    bool hasContent;
    QString stage; // empty: nothing to diagnose
};
const DiagnoseRow diagnoseRows[] = {
    {"whole article", story, "STORY<h1>T</h1><article>B</article>", true, {}},
    {"title without text still reads", story, "STORY<h1>T</h1>", true,
     "topic body, step 1/2 " + pairMiss},
    {"article of nothing", story, "STORY<p>moved</p>", false, "topic title, step 1/2 " + pairMiss},
    {"text step finds only tags", story, "STORY<h1><b></b></h1>", false,
     "topic title, step 2/2 step_text_extract found nothing"},
    {"no track", story, "<h1>T</h1>", false, "no track of page story accepts the content"},
    {"no page", "http://elsewhere.example/", "x", false, "no page definition accepts the URL"},
    {"empty page", story, "", false, "the page arrived empty"},
    {"index of empty groups", front, "<ul></ul>", false, "topic top, step 1/2 " + pairMiss},
    {"index with headlines", front, "<p><ul><a href='/a'>A</a></ul>", true, {}},
};

} // namespace

class TestProfileHealth : public QObject
{
    Q_OBJECT

    CLProcessor m_processor;

private slots:
    void initTestCase()
    {
        fillEntityTable();
        QDomDocument document;
        QVERIFY(document.setContent(
            u"<sites><site id='(s)GI.health' version='7' file='h'/></sites>"_s));
        QVERIFY(m_processor.parseCatalogue(document));
        QVERIFY(document.setContent(
            testkit::readAll(testkit::sourcePath(u"tests/data/health-profile.xml"_s))));
        QVERIFY(m_processor.registerSite(readProfile(document)));
    }

    void diagnose_data() { rows(diagnoseRows); }
    void diagnose()
    {
        const DiagnoseRow &r = current(diagnoseRows);
        const int type = r.url.endsWith(u'/') ? PageIndex : PageArticle;
        const std::unique_ptr<CLElement> tree(m_processor.process(r.url, r.page, type, {}));
        QCOMPARE(treeHasContent(tree.get()), r.hasContent);
        if (r.stage.isEmpty())
            return;
        const CLProfileMiss miss = diagnoseMiss(m_processor, r.url, r.page, type, {}, tree.get());
        QCOMPARE(miss.stage, r.stage);
        QCOMPARE(miss.version, r.stage.startsWith(u"no page"_s) ? QString() : u"7"_s);
    }

    // The log keeps whole lines within its bound, the newest last, and reads back per site.
    void boundedLog()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"log/profile_health.log"_s);
        CLProfileMiss miss{u"(s)GI.a"_s, u"A"_s, u"3"_s, u"article"_s, u"topic t,\tstep 1/2\nx"_s};
        for (int i = 0; i < 40; ++i)
            QVERIFY(appendHealthLog(
                path, healthLogLine(miss, u"2026-01-%1"_s.arg(i, 2, 10, QChar(u'0'))), 1000));
        miss.siteId = u"(s)GI.b"_s;
        QVERIFY(appendHealthLog(path, healthLogLine(miss, u"2026-02-01"_s), 1000));
        const QByteArray log = testkit::readAll(path);
        QVERIFY(log.size() <= 1000 && log.size() > 900);
        QVERIFY(log.startsWith("2026-01-") &&
                log.endsWith("2026-02-01\t(s)GI.b\t3\tarticle\ttopic t, step 1/2 x\n"));
        QCOMPARE(log.count('\n'), log.count('\t') / 4);
        const QStringList summary = summarizeHealthLog(log);
        QCOMPARE(summary.size(), 2);
        QVERIFY2(summary.at(0).startsWith(
                     u"(s)GI.a: %1 misses, profile version 3, last 2026-01-39; "
                     "most often article: topic t, step 1/2 x"_s.arg(log.count('\n') - 1)),
                 qPrintable(summary.at(0)));
        QVERIFY(!appendHealthLog(path, QString(2000, u'x'), 1000)); // never a line over the bound
    }
};

QTEST_GUILESS_MAIN(TestProfileHealth)
#include "tst_profilehealth.moc"
