#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprofilereader.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

class TestProfileReader : public QObject
{
    Q_OBJECT

private slots:
    void accepts_data();
    void accepts();
    void rejects_data();
    void rejects();
    void reportsPosition();
    void completeProfile();
};

// Snippet builders: each wraps its body into the smallest valid profile.
static QString site(const QString &body, const QString &attrs = QString())
{
    return "<site name='S' id='s' locale='en' codeset='utf-8' version='1' entry='http://e.com/'" +
           attrs + ">" + body + "</site>";
}

static QString page(const QString &body, const QString &attrs = " type='news.article'")
{
    return site("<page id='p' name='P'" + attrs + ">" + body + "</page>");
}

static QString topic(const QString &body, const QString &attrs = " type='article-text'")
{
    return page("<track name='main'><topic id='t' name='T'" + attrs + ">" + body +
                "</topic></track>");
}

static QString pointA(const QString &attrs, const QString &text = "x")
{
    return topic("<step_pair_point><point_a" + attrs + ">" + text + "</point_a></step_pair_point>");
}

static const QString sitePath = "site[id=s]";
static const QString pagePath = sitePath + "/page[id=p]";
static const QString trackPath = pagePath + "/track[name=main]";
static const QString topicPath_ = trackPath + "/topic[id=t]";
static const QString pairPath = topicPath_ + "/step_pair_point";
static const QString pointAPath = pairPath + "/point_a";

static QString describePoint(const CLPoint *p)
{
    if (!p)
        return "-";
    return QString("%1,%2,%3,%4,%5,%6")
        .arg(p->pattern)
        .arg(p->direction)
        .arg(p->from)
        .arg(p->offset)
        .arg(p->occurrence)
        .arg(int(p->includePattern));
}

static QString describeFilter(const CLFilter &f)
{
    return f.include.join(',') + ";" + f.exclude.join(',');
}

static QString describeStep(const CLStep *step)
{
    if (auto s = dynamic_cast<const CLStepPairPointer *>(step))
        return "pair " + describePoint(s->pointA) + " " + describePoint(s->pointB) + " " +
               describeFilter(s->contentFilter);
    if (auto s = dynamic_cast<const CLStepSectionCutter *>(step))
        return QString("cut %1 %2 all=%3 pattern=%4")
            .arg(s->startPattern, s->endPattern)
            .arg(int(s->cutAll))
            .arg(int(s->cutPattern));
    if (auto s = dynamic_cast<const CLStepTextExtractor *>(step))
        return QString("text space=%1").arg(int(s->filterSpace));
    if (auto s = dynamic_cast<const CLStepURLExtractor *>(step))
        return QString("url %1 prefix=%2 tail=%3 url=%4 content=%5")
            .arg(s->urlType)
            .arg(s->prefix, s->cutTail, describeFilter(s->urlFilter),
                 describeFilter(s->contentFilter));
    if (auto s = dynamic_cast<const CLStepAttributeExtractor *>(step))
        return "attr " + s->attributeName;
    if (auto s = dynamic_cast<const CLStepTextToURL *>(step))
        return QString("tourl %1").arg(s->urlKind);
    if (auto s = dynamic_cast<const CLStepTextFormater *>(step))
        return QString("format %1,%2,%3,%4,%5")
            .arg(s->insertLine)
            .arg(s->appendLine)
            .arg(s->paragraphLine)
            .arg(s->paragraphSpaceBegin)
            .arg(s->paragraphSpaceEnd);
    return "?";
}

static void collectKinds(const CLTopic *topic, QStringList &out)
{
    out << QString("%1/%2").arg(topic->groupKind).arg(topic->kind);
    for (const CLTopic *sub : topic->subTopics)
        collectKinds(sub, out);
}

// One facet of a loaded site as text, so the table can state what it expects.
static QString probe(const CLSite *s, const QString &what)
{
    const CLPage *p = s->pages.value(0);
    const CLTopic *t = p && !p->tracks.isEmpty() ? p->tracks.first()->topics.value(0) : nullptr;
    if (what == "site")
        return QStringList{s->name,    s->id,    s->locale, s->codeset,
                           s->version, s->entry, s->layout, s->country}
            .join('|');
    if (what == "pages") {
        QStringList ids;
        for (const CLPage *page : s->pages)
            ids << page->id;
        return ids.join(',');
    }
    if (what == "page")
        return QString("%1 %2 %3").arg(p->type).arg(p->offset).arg(describeFilter(p->urlFilter));
    if (what == "track")
        return QString::number(p->tracks.size()) + " " +
               describeFilter(p->tracks.first()->contentFilter);
    if (what == "topic")
        return QString("%1 %2 %3 %4")
            .arg(t->groupKind)
            .arg(t->kind)
            .arg(t->mergeDup)
            .arg(t->defaultText);
    if (what == "kinds") {
        QStringList kinds;
        collectKinds(t, kinds);
        return kinds.join(' ');
    }
    if (what == "steps") {
        QStringList steps;
        for (const CLStep *step : t->steps)
            steps << describeStep(step);
        return steps.join(" | ");
    }
    if (what == "i18n") {
        const auto original = [](const CLObject *o) {
            return o && o->i18n ? o->i18n->original : QString("-");
        };
        return original(s) + "," + original(p) + "," + original(t);
    }
    return "unknown probe " + what;
}

static QDomDocument parsed(const QString &xml)
{
    QDomDocument doc;
    if (!xml.isEmpty() && !doc.setContent(xml))
        qWarning("test snippet is not well-formed XML: %s", qPrintable(xml));
    return doc;
}

void TestProfileReader::accepts_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no country gives n/a, no layout empty") << site("") << "site"
                                                           << "S|s|en|utf-8|1|http://e.com/||n/a";
    QTest::newRow("country and layout kept") << site("", " layout='wide' country='de'") << "site"
                                             << "S|s|en|utf-8|1|http://e.com/|wide|de";
    QTest::newRow("page nested in other elements is still a page")
        << site("<group><page id='a' name='A' type='x'/></group>"
                "<page id='b' name='B' type='x'><page id='c' name='C' type='x'/></page>")
        << "pages"
        << "a,b,c";
    QTest::newRow("page offset not a number gives 0")
        << page("", " type='news.index' offset='x'") << "page"
        << "1 0 ;";
    QTest::newRow("page offset negative kept")
        << page("", " type='news.article' offset='-3'") << "page"
        << "2 -3 ;";
    QTest::newRow("page type unknown word is 0")
        << page("<filter_url_inc pattern='*a*'/><filter_url_exc pattern='*b*'/>",
                " type='News.Index'")
        << "page"
        << "0 0 *a*;*b*";
    QTest::newRow("translator entry type is 4") << page("", " type='translator.entry'") << "page"
                                                << "4 0 ;";
    QTest::newRow("track content filters are text")
        << page("<track name='main'><filter_content_inc>&lt;div&gt;</filter_content_inc>"
                "<filter_content_exc><![CDATA[<b>]]></filter_content_exc></track>")
        << "track"
        << "1 <div>;<b>";
    QTest::newRow("merge_dup x gives 0") << topic("", " type='x' merge_dup='x'") << "topic"
                                         << "0 0 0 ";
    QTest::newRow("merge_dup negative kept") << topic("", " type='article-title' merge_dup='-1'")
                                             << "topic" << QString("0 %1 -1 ").arg(ArticleTitle);
    QTest::newRow("default_text last wins")
        << topic("<default_text>one</default_text><default_text>two</default_text>") << "topic"
        << QString("0 %1 0 two").arg(ArticleText);
    QTest::newRow("article-index in article-index gets depth 2 kinds")
        << topic("<topic id='u' name='U' type='article-index'/>", " type='article-index'")
        << "kinds"
        << "4/7 5/8";
    QTest::newRow("article-index four deep gets no kinds")
        << topic("<topic id='u' name='U' type='article-index'><topic id='v' name='V' "
                 "type='article-index'><topic id='w' name='W' type='article-index'/></topic>"
                 "</topic>",
                 " type='article-index'")
        << "kinds"
        << "4/7 5/8 6/9 0/0";
    QTest::newRow("backward from end with -5 loads")
        << pointA(" direction='backward' from='end' offset='-5'") << "steps"
        << "pair x,2,2,-5,1,0 - ;";
    QTest::newRow("point defaults forward begin 0 1 no") << pointA("") << "steps"
                                                         << "pair x,1,1,0,1,0 - ;";
    QTest::newRow("toInt tolerates spaces and plus sign")
        << pointA(" offset=' 3 ' occurrance='+2' include_pattern='yes'") << "steps"
        << "pair x,1,1,3,2,1 - ;";
    QTest::newRow("occurrence spelled right is not read") << pointA(" occurrence='x'") << "steps"
                                                          << "pair x,1,1,0,1,0 - ;";
    QTest::newRow("point b from previous and content filters")
        << topic("<step_pair_point><filter_content_inc>in</filter_content_inc>"
                 "<point_b from='previous'>b</point_b><point_a>a</point_a>"
                 "<filter_content_exc>out</filter_content_exc></step_pair_point>")
        << "steps"
        << "pair a,1,1,0,1,0 b,1,3,0,1,0 in;out";
    QTest::newRow("cut_all no and cut_pattern true both off")
        << topic("<step_section_cutter cut_all='no' cut_pattern='true'><start_pattern>a"
                 "</start_pattern><end_pattern>b</end_pattern></step_section_cutter>")
        << "steps"
        << "cut a b all=0 pattern=0";
    QTest::newRow("cutter defaults on, last pattern wins")
        << topic("<step_section_cutter><start_pattern>a</start_pattern><end_pattern>b"
                 "</end_pattern><start_pattern>c</start_pattern></step_section_cutter>")
        << "steps"
        << "cut c b all=1 pattern=1";
    QTest::newRow("url extract skips empty patterns")
        << topic("<step_url_extract url_type='link' prefix='http://e.com' cuttail='#'>"
                 "<filter_url_inc pattern=''/><filter_url_inc pattern='*n*'/><filter_url_exc/>"
                 "<filter_content_inc></filter_content_inc><filter_content_exc>ad"
                 "</filter_content_exc></step_url_extract>")
        << "steps"
        << "url 0 prefix=http://e.com tail=# url=*n*; content=;ad";
    QTest::newRow("url extract defaults to any") << topic("<step_url_extract/>") << "steps"
                                                 << "url 2 prefix= tail= url=; content=;";
    QTest::newRow("every other step kind in order")
        << topic("<step_text_extract filter_space='yes'/><step_text_format insert_line='1' "
                 "append_line='2' paragraph_line='3' paragraph_space_begin='4' "
                 "paragraph_space_end='-5'/><step_attribute_extract attribute_name='href'/>"
                 "<step_text_to_url type='flash'/><step_text_to_url/>")
        << "steps"
        << "text space=1 | format 1,2,3,4,-5 | attr href | tourl 3 | tourl 1";
    QTest::newRow("unknown children are ignored")
        << topic("<step_unknown/><filter_url_inc/><point_a/><note>x</note>") << "steps"
        << "";
    QTest::newRow("site i18n is the first anywhere below site, page i18n last wins")
        << site("<page id='p' name='P' type='x'><i18n original='a'/><track name='m'><topic "
                "id='t' name='T' type='x'><i18n original='c'/></topic></track>"
                "<i18n original='b'/></page>")
        << "i18n"
        << "a,b,c";
}

void TestProfileReader::accepts()
{
    QFETCH(QString, xml);
    QFETCH(QString, what);
    QFETCH(QString, expected);
    CLProfileError error;
    error.reason = "left over from an earlier call";
    std::unique_ptr<CLSite> s(readProfile(parsed(xml), &error));
    QVERIFY2(s, qPrintable(error.toString()));
    QVERIFY(error.isEmpty());
    QCOMPARE(probe(s.get(), what), expected);
}

void TestProfileReader::rejects_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("path");

    QTest::newRow("empty document") << ""
                                    << "document has no element"
                                    << "";
    QTest::newRow("sites root") << "<sites><site/></sites>"
                                << "document element is sites, not site"
                                << "sites";
    QTest::newRow("site without id")
        << "<site name='S' locale='en' codeset='c' version='1' entry='e'/>"
        << "missing required attribute id"
        << "site[name=S]";
    QTest::newRow("site with empty entry")
        << "<site name='S' id='s' locale='en' codeset='c' version='1' entry=''/>"
        << "required attribute entry is empty" << sitePath;
    QTest::newRow("page without type")
        << page("", "") << "missing required attribute type" << pagePath;
    QTest::newRow("page offset present but empty")
        << page("", " type='x' offset=''") << "attribute offset is empty" << pagePath;
    QTest::newRow("page filter_url_inc with empty pattern")
        << page("<filter_url_inc pattern=''/>") << "filter_url_inc with empty pattern"
        << pagePath + "/filter_url_inc";
    QTest::newRow("page filter_url_exc without pattern")
        << page("<filter_url_exc/>") << "filter_url_exc with empty pattern"
        << pagePath + "/filter_url_exc";
    QTest::newRow("failing second page after a good one")
        << site("<page id='a' name='A' type='x'/><page id='b' name='B' type='x'><track/></page>")
        << "missing required attribute name" << sitePath + "/page[id=b]/track";
    QTest::newRow("track content filter with empty text")
        << page("<track name='main'><filter_content_exc/></track>")
        << "filter_content_exc with empty text" << trackPath + "/filter_content_exc";
    QTest::newRow("topic without type")
        << topic("", "") << "missing required attribute type" << topicPath_;
    QTest::newRow("failing step in a sub-topic after good steps")
        << topic("<step_text_extract/><topic id='u' name='U' type='x'><step_text_extract/>"
                 "<step_url_extract url_type='x'/></topic>")
        << "attribute url_type has unknown value \"x\""
        << topicPath_ + "/topic[id=u]/step_url_extract";
    QTest::newRow("second point_a")
        << topic("<step_pair_point><point_a>a</point_a><point_a>b</point_a></step_pair_point>")
        << "second point_a" << pointAPath;
    QTest::newRow("second point_b")
        << topic("<step_pair_point><point_a>a</point_a><point_b>b</point_b><point_b>c</point_b>"
                 "</step_pair_point>")
        << "second point_b" << pairPath + "/point_b";
    QTest::newRow("pair pointer with only point_b")
        << topic("<step_pair_point><point_b>b</point_b></step_pair_point>")
        << "step_pair_point without point_a" << pairPath;
    QTest::newRow("pair pointer content filter with empty text")
        << topic("<step_pair_point><point_a>a</point_a><filter_content_inc/></step_pair_point>")
        << "filter_content_inc with empty text" << pairPath + "/filter_content_inc";
    QTest::newRow("point without pattern")
        << pointA("", "") << "point_a with empty text" << pointAPath;
    QTest::newRow("backward point from begin")
        << pointA(" direction='backward'")
        << "point_a: a backward point cannot start from the beginning" << pointAPath;
    QTest::newRow("backward point from end with +5")
        << pointA(" direction='backward' from='end' offset='5'")
        << "point_a: offset must be 0 or less from the end" << pointAPath;
    QTest::newRow("forward point from end")
        << pointA(" from='end'") << "point_a: a forward point cannot start from the end"
        << pointAPath;
    QTest::newRow("occurrance zero")
        << pointA(" occurrance='0'") << "point_a: occurrence is below 1" << pointAPath;
    QTest::newRow("begin with negative offset")
        << pointA(" offset='-1'") << "point_a: offset must be 0 or more from the beginning"
        << pointAPath;
    QTest::newRow("occurrance not a number")
        << pointA(" occurrance='two'") << "attribute occurrance is not a number" << pointAPath;
    QTest::newRow("point attribute present but empty")
        << pointA(" from=''") << "attribute from is empty" << pointAPath;
    QTest::newRow("point direction keyword is case-sensitive")
        << pointA(" direction='Forward'") << "attribute direction has unknown value \"Forward\""
        << pointAPath;
    QTest::newRow("include_pattern true")
        << pointA(" include_pattern='true'") << "attribute include_pattern has unknown value"
        << pointAPath;
    QTest::newRow("cutter without end_pattern")
        << topic("<step_section_cutter><start_pattern>a</start_pattern></step_section_cutter>")
        << "step_section_cutter without end_pattern" << topicPath_ + "/step_section_cutter";
    QTest::newRow("cutter with empty start_pattern")
        << topic("<step_section_cutter><start_pattern/><end_pattern>b</end_pattern>"
                 "</step_section_cutter>")
        << "start_pattern with empty text" << topicPath_ + "/step_section_cutter/start_pattern";
    QTest::newRow("filter_space other than yes/no")
        << topic("<step_text_extract filter_space='on'/>")
        << "attribute filter_space has unknown value \"on\"" << topicPath_ + "/step_text_extract";
    QTest::newRow("text format count empty")
        << topic("<step_text_format paragraph_line=''/>") << "attribute paragraph_line is empty"
        << topicPath_ + "/step_text_format";
    QTest::newRow("text format count not a number")
        << topic("<step_text_format append_line='1.5'/>") << "attribute append_line is not a number"
        << topicPath_ + "/step_text_format";
    QTest::newRow("url_type empty")
        << topic("<step_url_extract url_type=''/>") << "attribute url_type is empty"
        << topicPath_ + "/step_url_extract";
    QTest::newRow("attribute extract without attribute_name")
        << topic("<step_attribute_extract/>") << "missing required attribute attribute_name"
        << topicPath_ + "/step_attribute_extract";
    QTest::newRow("text to url unknown type")
        << topic("<step_text_to_url type='video'/>") << "attribute type has unknown value"
        << topicPath_ + "/step_text_to_url";
}

void TestProfileReader::rejects()
{
    QFETCH(QString, xml);
    QFETCH(QString, reason);
    QFETCH(QString, path);
    const QDomDocument doc = parsed(xml);
    QVERIFY(xml.isEmpty() || !doc.documentElement().isNull());

    CLProfileError error;
    std::unique_ptr<CLSite> s(readProfile(doc, &error));
    QVERIFY(!s);
    QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
    QCOMPARE(error.path, path);
    // The error record is optional; without it the outcome must not change.
    QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc)));
}

void TestProfileReader::reportsPosition()
{
    const QString xml = "<site name='S' id='s' locale='en' codeset='c' version='1' entry='e'>\n"
                        "  <page id='p' name='P' type='news.index'>\n"
                        "    <track name='main'>\n"
                        "      <topic id='t' name='T' type='x'>\n"
                        "        <step_text_format insert_line='a'/>\n";
    QDomDocument doc;
    QVERIFY(doc.setContent(xml + "</topic></track></page></site>"));
    CLProfileError error;
    QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc, &error)));
    QCOMPARE(error.line, 5);
    QVERIFY(error.column > 0);
    QCOMPARE(error.toString(),
             QString("5:%1: site[id=s]/page[id=p]/track[name=main]/topic[id=t]/step_text_format: "
                     "attribute insert_line is not a number")
                 .arg(error.column));

    const CLProfileError rootError{"sites", -1, -1, "document element is sites, not site"};
    QCOMPARE(rootError.toString(), QString("sites: document element is sites, not site"));
}

static const char completeXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<site name="Daily News" id="daily" locale="en" codeset="ISO-8859-1" version="3" entry="http://daily.example/" country="uk">
  <i18n original="en"><display locale="en">Daily News</display><display locale="de">Tagesnachrichten</display></i18n>
  <pages>
    <page name="Front" id="front" type="news.index" offset="2">
      <filter_url_inc pattern="*daily.example/"/>
      <filter_url_inc pattern="*daily.example/index*"/>
      <filter_url_exc pattern="*print*"/>
      <track name="classic">
        <filter_content_inc><![CDATA[<div id="main">]]></filter_content_inc>
        <topic name="Top" id="top" type="article-index" merge_dup="1">
          <step_pair_point>
            <point_a>&lt;div id="top"&gt;</point_a>
            <point_b from="previous" occurrance="2">&lt;/div&gt;</point_b>
          </step_pair_point>
          <step_url_extract url_type="link" prefix="http://daily.example" cuttail="?ref">
            <filter_url_inc pattern="*/story/*"/>
          </step_url_extract>
          <topic name="World" id="world" type="article-index">
            <default_text>No world news</default_text>
            <topic name="Europe" id="europe" type="article-index"/>
          </topic>
          <topic name="Sport" id="sport" type="article-index"/>
        </topic>
      </track>
    </page>
    <page name="Story" id="story" type="news.article">
      <filter_url_inc pattern="*/story/*"/>
      <i18n original="en"><display locale="en">Story</display></i18n>
      <track name="plain">
        <topic name="Title" id="title" type="article-title">
          <step_pair_point>
            <filter_content_exc>NOTITLE</filter_content_exc>
            <point_a direction="backward" from="end" offset="-10" include_pattern="yes">&lt;h1</point_a>
          </step_pair_point>
          <step_section_cutter cut_all="no"><start_pattern>&lt;!--</start_pattern><end_pattern>--&gt;</end_pattern></step_section_cutter>
          <step_text_extract filter_space="yes"/>
          <step_text_format insert_line="1" append_line="1" paragraph_line="2" paragraph_space_begin="4"/>
        </topic>
        <topic name="Source" id="source" type="article-source">
          <step_attribute_extract attribute_name="data-source"/>
        </topic>
        <topic name="Images" id="images" type="article-image-list" merge_dup="-1">
          <step_url_extract url_type="non_link" prefix="http://img.daily.example">
            <filter_url_exc pattern="*spacer*"/>
            <filter_content_inc>photo</filter_content_inc>
          </step_url_extract>
        </topic>
        <topic name="Next" id="next" type="article-next-page">
          <step_attribute_extract attribute_name="href"/>
          <step_text_to_url type="html"/>
        </topic>
      </track>
    </page>
  </pages>
</site>
)";

void TestProfileReader::completeProfile()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QByteArray(completeXml)));
    CLProfileError error;
    std::unique_ptr<CLSite> s(readProfile(doc, &error));
    QVERIFY2(s, qPrintable(error.toString()));

    QCOMPARE(probe(s.get(), "site"),
             QString("Daily News|daily|en|ISO-8859-1|3|http://daily.example/||uk"));
    QVERIFY(s->i18n);
    QCOMPARE(s->i18n->displays.value("de"), QString("Tagesnachrichten"));
    QCOMPARE(s->pages.size(), 2);
    const CLPage *front = s->pages.at(0)->id == "front" ? s->pages.at(0) : s->pages.at(1);
    const CLPage *story = s->pages.at(0) == front ? s->pages.at(1) : s->pages.at(0);
    QCOMPARE(story->id, QString("story"));
    for (const CLPage *p : s->pages)
        QCOMPARE(p->site, s.get());

    // Index page: filters, nested article-index topics and their chain.
    QCOMPARE(front->type, int(PageIndex));
    QCOMPARE(front->offset, 2);
    QVERIFY(!front->i18n);
    QCOMPARE(describeFilter(front->urlFilter),
             QString("*daily.example/,*daily.example/index*;*print*"));
    QCOMPARE(front->urlFilter.caseSensitivity, 0);
    QCOMPARE(front->tracks.size(), 1);
    const CLTrack *classic = front->tracks.first();
    QCOMPARE(classic->name, QString("classic"));
    QCOMPARE(classic->page, front);
    QCOMPARE(describeFilter(classic->contentFilter), QString("<div id=\"main\">;"));
    QCOMPARE(classic->topics.size(), 1);
    const CLTopic *top = classic->topics.first();
    QCOMPARE(top->track, classic);
    QVERIFY(!top->parentTopic);
    QCOMPARE(top->mergeDup, 1);
    QCOMPARE(top->steps.size(), 2);
    for (const CLStep *step : top->steps)
        QCOMPARE(step->topic, top);
    QCOMPARE(describeStep(top->steps.at(0)),
             QString("pair <div id=\"top\">,1,1,0,1,0 </div>,1,3,0,2,0 ;"));
    QCOMPARE(describeStep(top->steps.at(1)),
             QString("url 0 prefix=http://daily.example tail=?ref url=*/story/*; content=;"));
    QCOMPARE(top->subTopics.size(), 2);
    const CLTopic *world = top->subTopics.at(0);
    QCOMPARE(world->id, QString("world"));
    QCOMPARE(top->subTopics.at(1)->id, QString("sport"));
    QCOMPARE(world->parentTopic, top);
    QVERIFY(!world->track);
    QCOMPARE(world->defaultText, QString("No world news"));
    QStringList kinds;
    collectKinds(top, kinds);
    QCOMPARE(kinds.join(' '), QString("4/7 5/8 6/9 5/8"));
    const CLTopic *europe = world->subTopics.first();
    QCOMPARE(topicPath(europe), QString("daily.top.world.europe"));
    QCOMPARE(siteOf(europe), s.get());

    // Article page: one topic per content kind, every remaining step kind.
    QVERIFY(story->i18n);
    QCOMPARE(story->i18n->displays.value("en"), QString("Story"));
    QCOMPARE(story->type, int(PageArticle));
    QCOMPARE(story->offset, 0);
    const CLTrack *plain = story->tracks.first();
    QStringList topics;
    for (const CLTopic *t : plain->topics) {
        QStringList steps;
        for (const CLStep *step : t->steps) {
            QCOMPARE(step->topic, t);
            steps << describeStep(step);
        }
        topics << QString("%1 %2/%3 %4: %5")
                      .arg(t->id)
                      .arg(t->groupKind)
                      .arg(t->kind)
                      .arg(t->mergeDup)
                      .arg(steps.join(" | "));
    }
    const QStringList expected{
        QString("title 0/%1 0: pair <h1,2,2,-10,1,1 - ;NOTITLE | cut <!-- --> all=0 pattern=1"
                " | text space=1 | format 1,1,2,4,0")
            .arg(ArticleTitle),
        QString("source 0/%1 0: attr data-source").arg(ArticleSource),
        QString("images 0/%1 -1: url 1 prefix=http://img.daily.example tail= url=;*spacer* "
                "content=photo;")
            .arg(ArticleImage),
        QString("next 0/%1 0: attr href | tourl 1").arg(ArticleNextPage),
    };
    QCOMPARE(topics, expected);
    const auto *pair =
        dynamic_cast<const CLStepPairPointer *>(plain->topics.first()->steps.first());
    QVERIFY(pair);
    QCOMPARE(pair->contentFilter.caseSensitivity, 1);
}

QTEST_GUILESS_MAIN(TestProfileReader)
#include "tst_profilereader.moc"
