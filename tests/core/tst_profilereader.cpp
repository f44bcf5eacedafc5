#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprofilereader.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

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

static const QString topicPath_ = "site[id=s]/page[id=p]/track[name=main]/topic[id=t]";
static const QString pairPath = topicPath_ + "/step_pair_point";
static const QString pointAPath = pairPath + "/point_a";

template <typename... Numbers> static QString numbers(Numbers... n)
{
    return QStringList{QString::number(n)...}.join(',');
}

static QString point(const CLPoint *p)
{
    return !p ? "-"
              : p->pattern + ',' +
                    numbers(p->direction, p->from, p->offset, p->occurrence,
                            int(p->includePattern));
}

static QString filter(const CLFilter &f)
{
    return f.include.join(',') + ";" + f.exclude.join(',');
}

static QString step(const CLStep *step)
{
    if (auto s = dynamic_cast<const CLStepPairPointer *>(step))
        return "pair " + point(s->pointA) + " " + point(s->pointB) + " " + filter(s->contentFilter);
    if (auto s = dynamic_cast<const CLStepSectionCutter *>(step))
        return "cut " + s->startPattern + ' ' + s->endPattern + ' ' +
               numbers(int(s->cutAll), int(s->cutPattern));
    if (auto s = dynamic_cast<const CLStepTextExtractor *>(step))
        return QString("text space=%1").arg(int(s->filterSpace));
    if (auto s = dynamic_cast<const CLStepURLExtractor *>(step))
        return QString("url %1 prefix=%2 tail=%3 url=%4 content=%5")
            .arg(s->urlType)
            .arg(s->prefix, s->cutTail, filter(s->urlFilter), filter(s->contentFilter));
    if (auto s = dynamic_cast<const CLStepAttributeExtractor *>(step))
        return "attr " + s->attributeName;
    if (auto s = dynamic_cast<const CLStepTextToURL *>(step))
        return QString("tourl %1").arg(s->urlKind);
    if (auto s = dynamic_cast<const CLStepTextFormater *>(step))
        return "format " + numbers(s->insertLine, s->appendLine, s->paragraphLine,
                                   s->paragraphSpaceBegin, s->paragraphSpaceEnd);
    return "?";
}

static QString i18n(const CLObject *o)
{
    return o->i18n ? " i18n=" + o->i18n->original : QString();
}

// One line per topic, indented by depth; "BADLINK" marks a wrong back pointer.
static void dumpTopic(const CLTopic *t, const QString &indent, QStringList &out)
{
    QStringList steps;
    for (const CLStep *s : t->steps)
        steps << step(s) + (s->topic == t ? "" : " BADLINK");
    out << indent + "topic " + t->id + ' ' + numbers(t->groupKind, t->kind, t->mergeDup) + " '" +
               t->defaultText + "'" + i18n(t) + ": " + steps.join(" | ");
    for (const CLTopic *sub : t->subTopics) {
        if (sub->parentTopic != t || sub->track)
            out << u"BADLINK"_s;
        dumpTopic(sub, indent + "  ", out);
    }
}

// The whole loaded site as text, so expectations are stated as lines.
static QString dump(const CLSite *s)
{
    QStringList out{QStringList{s->name, s->id, s->locale, s->codeset, s->version, s->entry,
                                s->layout, s->country}
                        .join('|') +
                    i18n(s)};
    for (const CLPage *p : s->pages) {
        out << "page " + p->id + ' ' + numbers(p->type, p->offset) + ' ' + filter(p->urlFilter) +
                   i18n(p) + (p->site == s ? "" : " BADLINK");
        for (const CLTrack *track : p->tracks) {
            out << "track " + track->name + ' ' + filter(track->contentFilter) +
                       (track->page == p ? "" : " BADLINK");
            for (const CLTopic *t : track->topics) {
                if (t->track != track || t->parentTopic)
                    out << u"BADLINK"_s;
                dumpTopic(t, QString(), out);
            }
        }
    }
    return out.join('\n');
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
    QTest::addColumn<QString>("lines"); // whole consecutive lines of the dump

    QTest::newRow("no country gives n/a, no layout empty")
        << site("") << u"S|s|en|utf-8|1|http://e.com/||n/a"_s;
    QTest::newRow("page nested in other elements is still a page")
        << site("<group><page id='a' name='A' type='x'/></group>"
                "<page id='b' name='B' type='x'><page id='c' name='C' type='x'/></page>")
        << u"page a 0,0 ;\npage b 0,0 ;\npage c 0,0 ;"_s;
    QTest::newRow("page offset not a number gives 0")
        << page("", " type='news.index' offset='x'") << u"page p 1,0 ;"_s;
    QTest::newRow("page type word is case-sensitive")
        << page("<filter_url_inc pattern='*a*'/><filter_url_exc pattern='*b*'/>",
                " type='News.Index'")
        << u"page p 0,0 *a*;*b*"_s;
    QTest::newRow("translator entry type is 4")
        << page("", " type='translator.entry'") << u"page p 4,0 ;"_s;
    QTest::newRow("track content filters are text")
        << page("<track name='main'><filter_content_inc>&lt;div&gt;</filter_content_inc>"
                "<filter_content_exc><![CDATA[<b>]]></filter_content_exc></track>")
        << u"track main <div>;<b>"_s;
    QTest::newRow("merge_dup not a number gives 0")
        << topic("", " type='x' merge_dup='x'") << u"topic t 0,0,0 '': "_s;
    QTest::newRow("default_text last wins")
        << topic("<default_text>one</default_text><default_text>two</default_text>")
        << u"topic t 0,14,0 'two': "_s;
    QTest::newRow("article-index four deep gets no kinds")
        << topic("<topic id='u' name='U' type='article-index'><topic id='v' name='V' "
                 "type='article-index'><topic id='w' name='W' type='article-index'/></topic>"
                 "</topic>",
                 " type='article-index'")
        << u"topic t 4,7,0 '': \n  topic u 5,8,0 '': \n    topic v 6,9,0 '': \n"_s
           "      topic w 0,0,0 '': ";
    QTest::newRow("numbers tolerate spaces and plus sign, occurrance typo is the name")
        << pointA(" offset=' 3 ' occurrance='+2' occurrence='5' include_pattern='yes'")
        << u"topic t 0,14,0 '': pair x,1,1,3,2,1 - ;"_s;
    QTest::newRow("cut_all no and cut_pattern true both off")
        << topic("<step_section_cutter cut_all='no' cut_pattern='true'><start_pattern>a"
                 "</start_pattern><end_pattern>b</end_pattern></step_section_cutter>")
        << u"topic t 0,14,0 '': cut a b 0,0"_s;
    QTest::newRow("cutter defaults on, last pattern wins")
        << topic("<step_section_cutter><start_pattern>a</start_pattern><end_pattern>b"
                 "</end_pattern><start_pattern>c</start_pattern></step_section_cutter>")
        << u"topic t 0,14,0 '': cut c b 1,1"_s;
    QTest::newRow("url extract skips empty patterns, defaults to any")
        << topic("<step_url_extract prefix='http://e.com' cuttail='#'>"
                 "<filter_url_inc pattern=''/><filter_url_inc pattern='*n*'/><filter_url_exc/>"
                 "<filter_content_inc></filter_content_inc><filter_content_exc>ad"
                 "</filter_content_exc></step_url_extract>")
        << u"topic t 0,14,0 '': url 2 prefix=http://e.com tail=# url=*n*; content=;ad"_s;
    QTest::newRow("unknown children are ignored")
        << topic("<step_unknown/><filter_url_inc/><point_a/><note>x</note>")
        << u"topic t 0,14,0 '': "_s;
    QTest::newRow("site i18n is the first anywhere below site, page i18n last wins")
        << site("<page id='p' name='P' type='x'><i18n original='a'/><track name='m'><topic "
                "id='t' name='T' type='x'><i18n original='c'/></topic></track>"
                "<i18n original='b'/></page>")
        << u"S|s|en|utf-8|1|http://e.com/||n/a i18n=a\npage p 0,0 ; i18n=b\ntrack m ;\n"_s
           "topic t 0,0,0 '' i18n=c: ";
}

void TestProfileReader::accepts()
{
    QFETCH(QString, xml);
    QFETCH(QString, lines);
    CLProfileError error;
    error.reason = "left over from an earlier call";
    std::unique_ptr<CLSite> s(readProfile(parsed(xml), &error));
    QVERIFY2(s, qPrintable(error.toString()));
    QVERIFY(error.isEmpty());
    const QString all = dump(s.get());
    QVERIFY2(("\n" + all + "\n").contains("\n" + lines + "\n"), qPrintable(all));
}

void TestProfileReader::rejects_data()
{
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QString>("path");

    const QString pagePath = "site[id=s]/page[id=p]";
    QTest::newRow("empty document") << u""_s << u"document has no element"_s << u""_s;
    QTest::newRow("sites root") << u"<sites><site/></sites>"_s
                                << u"document element is sites, not site"_s << u"sites"_s;
    QTest::newRow("site without id")
        << u"<site name='S' locale='en' codeset='c' version='1' entry='e'/>"_s
        << u"missing required attribute id"_s << u"site[name=S]"_s;
    QTest::newRow("site with empty entry")
        << u"<site name='S' id='s' locale='en' codeset='c' version='1' entry=''/>"_s
        << u"required attribute entry is empty"_s << u"site[id=s]"_s;
    QTest::newRow("page without type")
        << page("", "") << u"missing required attribute type"_s << pagePath;
    QTest::newRow("page offset present but empty")
        << page("", " type='x' offset=''") << u"attribute offset is empty"_s << pagePath;
    QTest::newRow("page filter_url_exc without pattern")
        << page("<filter_url_exc/>") << u"filter_url_exc with empty pattern"_s
        << pagePath + "/filter_url_exc";
    QTest::newRow("failing second page after a good one")
        << site("<page id='a' name='A' type='x'/><page id='b' name='B' type='x'><track/></page>")
        << u"missing required attribute name"_s << u"site[id=s]/page[id=b]/track"_s;
    QTest::newRow("failing step in a sub-topic after good steps")
        << topic("<step_text_extract/><topic id='u' name='U' type='x'><step_text_extract/>"
                 "<step_url_extract url_type='x'/></topic>")
        << u"attribute url_type has unknown value \"x\""_s
        << topicPath_ + "/topic[id=u]/step_url_extract";
    QTest::newRow("second point_b")
        << topic("<step_pair_point><point_a>a</point_a><point_b>b</point_b><point_b>c</point_b>"
                 "</step_pair_point>")
        << u"second point_b"_s << pairPath + "/point_b";
    QTest::newRow("pair pointer with only point_b")
        << topic("<step_pair_point><point_b>b</point_b></step_pair_point>")
        << u"step_pair_point without point_a"_s << pairPath;
    QTest::newRow("point without pattern")
        << pointA("", "") << u"point_a with empty text"_s << pointAPath;
    QTest::newRow("backward point from begin")
        << pointA(" direction='backward'")
        << u"point_a: a backward point cannot start from the beginning"_s << pointAPath;
    QTest::newRow("point direction keyword is case-sensitive")
        << pointA(" direction='Forward'") << u"attribute direction has unknown value \"Forward\""_s
        << pointAPath;
    QTest::newRow("cutter without end_pattern")
        << topic("<step_section_cutter><start_pattern>a</start_pattern></step_section_cutter>")
        << u"step_section_cutter without end_pattern"_s << topicPath_ + "/step_section_cutter";
    QTest::newRow("count not a whole number")
        << topic("<step_text_format append_line='1.5'/>")
        << u"attribute append_line is not a number"_s << topicPath_ + "/step_text_format";
    QTest::newRow("attribute extract without attribute_name")
        << topic("<step_attribute_extract/>") << u"missing required attribute attribute_name"_s
        << topicPath_ + "/step_attribute_extract";
}

void TestProfileReader::rejects()
{
    QFETCH(QString, xml);
    QFETCH(QString, reason);
    QFETCH(QString, path);
    const QDomDocument doc = parsed(xml);
    QVERIFY(xml.isEmpty() || !doc.documentElement().isNull());

    CLProfileError error;
    QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc, &error)));
    QVERIFY2(error.reason.contains(reason), qPrintable(error.reason));
    QCOMPARE(error.path, path);
    // The error record is optional; without it the outcome must not change.
    QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc)));
}

void TestProfileReader::reportsPosition()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QString("<site name='S' id='s' locale='en' codeset='c' version='1' "
                                   "entry='e'>\n  <page id='p' name='P' type='news.index'>\n"
                                   "    <track name='main'>\n      <topic id='t' name='T' "
                                   "type='x'>\n        <step_text_format insert_line='a'/>\n"
                                   "</topic></track></page></site>")));
    CLProfileError error;
    QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc, &error)));
    QCOMPARE(error.line, 5);
    QVERIFY(error.column > 0);
    QCOMPARE(error.toString(),
             QString("5:%1: site[id=s]/page[id=p]/track[name=main]/topic[id=t]/step_text_format: "
                     "attribute insert_line is not a number")
                 .arg(error.column));
    // Without a position the prefix is left out.
    const CLProfileError rootError{"sites", -1, -1, "document element is sites, not site"};
    QCOMPARE(rootError.toString(), QString("sites: document element is sites, not site"));
}

static const char completeXml[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<site name="Daily News" id="daily" locale="en" codeset="ISO-8859-1" version="3"
      entry="http://daily.example/" country="uk" layout="wide">
  <i18n original="en"><display locale="de">Tagesnachrichten</display></i18n>
  <pages>
    <page name="Front" id="front" type="news.index" offset="2">
      <filter_url_inc pattern="*daily.example/"/><filter_url_inc pattern="*daily.example/index*"/>
      <filter_url_exc pattern="*print*"/>
      <track name="classic">
        <filter_content_inc><![CDATA[<div id="main">]]></filter_content_inc>
        <topic name="Top" id="top" type="article-index" merge_dup="1">
          <step_pair_point><point_a>&lt;div id="top"&gt;</point_a>
            <point_b from="previous" occurrance="2">&lt;/div&gt;</point_b></step_pair_point>
          <step_url_extract url_type="link" prefix="http://daily.example" cuttail="?ref">
            <filter_url_inc pattern="*/story/*"/></step_url_extract>
          <topic name="World" id="world" type="article-index">
            <default_text>No world news</default_text>
            <topic name="Europe" id="europe" type="article-index"/>
          </topic>
        </topic>
      </track>
    </page>
    <page name="Story" id="story" type="news.article">
      <filter_url_inc pattern="*/story/*"/>
      <i18n original="en"><display locale="en">Story</display></i18n>
      <track name="plain">
        <topic name="Title" id="title" type="article-title">
          <step_pair_point><filter_content_exc>NOTITLE</filter_content_exc>
            <point_a direction="backward" from="end" offset="-10" include_pattern="yes">&lt;h1</point_a>
          </step_pair_point>
          <step_section_cutter cut_all="no"><start_pattern>&lt;!--</start_pattern>
            <end_pattern>--&gt;</end_pattern></step_section_cutter>
          <step_text_extract filter_space="yes"/>
          <step_text_format insert_line="1" append_line="1" paragraph_line="2" paragraph_space_begin="4"/>
        </topic>
        <topic name="Source" id="source" type="article-source">
          <step_attribute_extract attribute_name="data-source"/></topic>
        <topic name="Images" id="images" type="article-image-list" merge_dup="-1">
          <step_url_extract url_type="non_link" prefix="http://img.daily.example">
            <filter_url_exc pattern="*spacer*"/><filter_content_inc>photo</filter_content_inc>
          </step_url_extract>
        </topic>
        <topic name="Next" id="next" type="article-next-page">
          <step_attribute_extract attribute_name="href"/><step_text_to_url type="html"/></topic>
      </track>
    </page>
  </pages>
</site>)";

void TestProfileReader::completeProfile()
{
    QDomDocument doc;
    QVERIFY(doc.setContent(QByteArray(completeXml)));
    CLProfileError error;
    std::unique_ptr<CLSite> s(readProfile(doc, &error));
    QVERIFY2(s, qPrintable(error.toString()));
    QCOMPARE(s->i18n->displays.value("de"), QString("Tagesnachrichten"));
    const QStringList expected{
        "Daily News|daily|en|ISO-8859-1|3|http://daily.example/|wide|uk i18n=en",
        "page front 1,2 *daily.example/,*daily.example/index*;*print*",
        "track classic <div id=\"main\">;",
        "topic top 4,7,1 '': pair <div id=\"top\">,1,1,0,1,0 </div>,1,3,0,2,0 ; | url 0 "
        "prefix=http://daily.example tail=?ref url=*/story/*; content=;",
        "  topic world 5,8,0 'No world news': ",
        "    topic europe 6,9,0 '': ",
        "page story 2,0 */story/*; i18n=en",
        "track plain ;",
        "topic title 0,11,0 '': pair <h1,2,2,-10,1,1 - ;NOTITLE | cut <!-- --> 0,1 "
        "| text space=1 | format 1,1,2,4,0",
        "topic source 0,12,0 '': attr data-source",
        "topic images 0,15,-1 '': url 1 prefix=http://img.daily.example tail= "
        "url=;*spacer* content=photo;",
        "topic next 0,18,0 '': attr href | tourl 1",
    };
    QCOMPARE(dump(s.get()).split('\n'), expected);
}

QTEST_GUILESS_MAIN(TestProfileReader)
#include "tst_profilereader.moc"
