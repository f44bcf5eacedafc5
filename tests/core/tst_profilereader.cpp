// The profile reader and the site model it fills: what a profile file becomes, and what it
// refuses, with the place of the fault.

#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

CLI18n *i18nFrom(const QString &xml)
{
    QDomDocument doc;
    return doc.setContent(xml) ? parseI18n(doc.documentElement()) : nullptr;
}

QString d(const char *locale, const QString &text)
{
    return u"<display locale='%1'>%2</display>"_s.arg(QLatin1String(locale), text);
}
struct I18nRow
{
    const char *name;
    QString xml, expected; // "original|locale=name", null for no record
};
const I18nRow i18nRows[] = {
    {"later display wins", "<i18n original='en'>" + d("en", "1") + d("en", "2") + "</i18n>",
     "en|en=2"},
    {"missing original is empty", "<i18n>" + d("fr", "Un") + "</i18n>", "|fr=Un"},
    {"nested display found", "<i18n original='de'><g>" + d("de", "E") + "</g></i18n>", "de|de=E"},
    {"CDATA in white space", "<i18n>" + d("ja", "\n <![CDATA[<b>N</b>]]>\n") + "</i18n>",
     "|ja=<b>N</b>"},
    {"display without locale under the empty locale", "<i18n><display>P</display></i18n>", "|=P"},
    {"other tag is no record", "<names original='en'>" + d("en", "N") + "</names>", QString()},
};

// Snippet builders: each wraps its body into the smallest valid profile.
QString site(const QString &body)
{
    return "<site name='S' id='s' locale='en' codeset='c' version='1' entry='e'>" + body +
           "</site>";
}
QString page(const QString &body, const QString &attrs = " type='news.article'")
{
    return site("<page id='p' name='P'" + attrs + ">" + body + "</page>");
}
QString topic(const QString &body, const QString &attrs = " type='article-text'")
{
    return page("<track name='main'><topic id='t' name='T'" + attrs + ">" + body +
                "</topic></track>");
}
QString pair(const QString &body)
{
    return topic("<step_pair_point>" + body + "</step_pair_point>");
}
const QString tPath = "site[id=s]/page[id=p]/track[name=main]/topic[id=t]";
QString nestedTopics(int count)
{
    return QString("<topic id='d' name='D' type='x'>").repeated(count) +
           QString("</topic>").repeated(count);
}

struct AcceptRow
{
    const char *name;
    QString xml, lines; // lines: whole consecutive lines of the dump
};
const AcceptRow acceptRows[] = {
    {"no country gives n/a, no layout empty", site(""), "S|s|en|c|1|e||n/a"},
    {"page nested in other elements is still a page",
     site("<group><page id='a' name='A' type='x'/></group>"
          "<page id='b' name='B' type='x'><page id='c' name='C' type='x'/></page>"),
     "page a 0,0 ;\npage b 0,0 ;\npage c 0,0 ;"},
    {"page type word is case-sensitive", page("", " type='News.Index'"), "page p 0,0 ;"},
    {"translator entry type is 4", page("", " type='translator.entry'"), "page p 4,0 ;"},
    {"article-index four deep gets no kinds",
     topic("<topic id='u' name='U' type='article-index'><topic id='v' name='V' "
           "type='article-index'><topic id='w' name='W' type='article-index'/></topic></topic>",
           " type='article-index'"),
     "topic t 4,7,0 '': \n  topic u 5,8,0 '': \n    topic v 6,9,0 '': \n      topic w 0,0,0 '': "},
    {"numbers tolerate spaces and plus sign, occurrance typo is the name",
     pair("<point_a offset=' 3 ' occurrance='+2' occurrence='5' include_pattern='yes'>x</point_a>"),
     "topic t 0,14,0 '': pair x,1,1,3,2,1 - ;"},
    {"cut_all no and cut_pattern true both off, last pattern wins",
     topic("<step_section_cutter cut_all='no' cut_pattern='true'><start_pattern>a</start_pattern>"
           "<end_pattern>b</end_pattern><start_pattern>c</start_pattern></step_section_cutter>"),
     "topic t 0,14,0 '': cut c b 0,0"},
    {"url extract skips empty patterns, defaults to any",
     topic("<step_url_extract><filter_url_inc pattern=''/><filter_url_inc pattern='*n*'/>"
           "<filter_content_inc></filter_content_inc></step_url_extract>"),
     "topic t 0,14,0 '': url 2 prefix= tail= url=*n*; content=;"},
    // Kind words keep their case; an image list is one at any depth.
    {"translate text, image list below a topic, keyword in other case",
     topic("<topic id='u' name='U' type='article-image-list'/><topic id='v' name='V' "
           "type='Article-Title'/>",
           " type='translate-text'"),
     "topic t 0,22,0 '': \n  topic u 0,15,0 '': \n  topic v 0,0,0 '': "},
    {"unknown children are ignored", topic("<step_unknown/><filter_url_inc/><point_a/>"),
     "topic t 0,14,0 '': "},
    {"realistic complete profile",
     QString::fromUtf8(
         testkit::readAll(testkit::sourcePath(u"tests/data/profilereader/complete.xml"_s))),
     "Daily News|daily|en|ISO-8859-1|3|http://daily.example/|wide|uk i18n=en de=Tagesnachrichten\n"
     "page front 1,2 *daily.example/;*print*\n"
     "track classic <div id=\"main\">;\n"
     "topic top 4,7,1 '': pair <div id=\"top\">,1,1,0,1,0 </div>,1,3,0,2,0 ; | "
     "url 0 prefix=http://daily.example tail=?ref url=*/story/*; content=;\n"
     "  topic world 5,8,0 '': \n"
     "page story 2,0 */story/*;\n"
     "track plain ;\n"
     "topic title 0,11,0 '': pair <h1,2,2,-10,1,1 - ;NOTITLE | cut <!-- --> 0,1 | "
     "text space=1 | format 1,1,2,4,0\n"
     "topic images 0,15,-1 '': url 1 prefix= tail= url=; content=;\n"
     "topic next 0,18,0 '': attr href | tourl 1"},
    {"site i18n is the first anywhere below site, page i18n last wins",
     site("<page id='p' name='P' type='x'><i18n original='a'/><track name='m'><topic "
          "id='t' name='T' type='x'><i18n original='c'/></topic></track>"
          "<i18n original='b'/></page>"),
     "S|s|en|c|1|e||n/a i18n=a\npage p 0,0 ; i18n=b\ntrack m ;\ntopic t 0,0,0 '' i18n=c: "},
    // The deepest allowed nesting still loads.
    {"topics nested to the cap", topic(nestedTopics(MaxTopicDepth - 1)), "S|s|en|c|1|e||n/a"},
};

struct RejectRow
{
    const char *name;
    QString xml, reason, path;
};
const RejectRow rejectRows[] = {
    {"empty document", {}, "document has no element", {}},
    {"sites root", "<sites><site/></sites>", "document element is sites, not site", "sites"},
    {"site without id", "<site name='S' locale='en' codeset='c' version='1' entry='e'/>",
     "missing required attribute id", "site[name=S]"},
    {"site with empty entry", site("").replace("entry='e'", "entry=''"),
     "required attribute entry is empty", "site[id=s]"},
    {"filter_url_exc without pattern", page("<filter_url_exc/>"),
     "filter_url_exc with empty pattern", "site[id=s]/page[id=p]/filter_url_exc"},
    {"failing second page after a good one",
     site("<page id='a' name='A' type='x'/><page id='b' name='B' type='x'><track/></page>"),
     "missing required attribute name", "site[id=s]/page[id=b]/track"},
    {"failing step in a sub-topic after good steps",
     topic("<step_text_extract/><topic id='u' name='U' type='x'><step_text_extract/>"
           "<step_url_extract url_type='x'/></topic>"),
     "attribute url_type has unknown value \"x\"", tPath + "/topic[id=u]/step_url_extract"},
    {"pair pointer with only point_b", pair("<point_b>b</point_b>"),
     "step_pair_point without point_a", tPath + "/step_pair_point"},
    {"backward point from begin", pair("<point_a direction='backward'>x</point_a>"),
     "point_a: a backward point cannot start from the beginning",
     tPath + "/step_pair_point/point_a"},
    {"count not a whole number", topic("<step_text_format append_line='1.5'/>"),
     "attribute append_line is not a number", tPath + "/step_text_format"},
    // Each level is one more reader call; without the cap deep profiles overflow the stack.
    {"topics nested past the cap", topic(nestedTopics(MaxTopicDepth)),
     "topics nested deeper than 32 levels",
     tPath + QString("/topic[id=d]").repeated(MaxTopicDepth)},
};

} // namespace

class TestProfileReader : public QObject
{
    Q_OBJECT

    static QDomDocument parsed(const QString &xml)
    {
        QDomDocument d;
        d.setContent(xml);
        return d;
    }

    template <typename... Numbers> static QString numbers(Numbers... n)
    {
        return QStringList{QString::number(n)...}.join(',');
    }
    static QString filter(const CLFilter &f)
    {
        return f.include.join(',') + ';' + f.exclude.join(',');
    }
    static QString i18n(const CLObject *o)
    {
        if (!o->i18n)
            return {};
        QString text = " i18n=" + o->i18n->original;
        for (auto it = o->i18n->displays.cbegin(); it != o->i18n->displays.cend(); ++it)
            text += ' ' + it.key() + '=' + it.value();
        return text;
    }
    static QString point(const CLPoint *p)
    {
        return !p ? "-"
                  : p->pattern + ',' +
                        numbers(p->direction, p->from, p->offset, p->occurrence,
                                int(p->includePattern));
    }
    static QString step(const CLStep *step)
    {
        if (auto s = dynamic_cast<const CLStepPairPointer *>(step))
            return "pair " + point(s->pointA) + ' ' + point(s->pointB) + ' ' +
                   filter(s->contentFilter);
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
    // The loaded site as lines, topics indented by depth; "BADLINK" marks a wrong back pointer.
    static QStringList dump(const CLSite *s)
    {
        QStringList out{QStringList{s->name, s->id, s->locale, s->codeset, s->version, s->entry,
                                    s->layout, s->country}
                            .join('|') +
                        i18n(s)};
        std::function<void(const CLTopic *, const QString &)> dumpTopic =
            [&](const CLTopic *t, const QString &indent) {
                QStringList steps;
                for (const CLStep *s : t->steps)
                    steps << step(s) + (s->topic == t ? "" : " BADLINK");
                out << indent + "topic " + t->id + ' ' +
                           numbers(t->groupKind, t->kind, t->mergeDup) + " '" + t->defaultText +
                           "'" + i18n(t) + ": " + steps.join(" | ");
                for (const CLTopic *sub : t->subTopics)
                    dumpTopic(sub,
                              indent + (sub->parentTopic == t && !sub->track ? "  " : "BADLINK "));
            };
        for (const CLPage *p : s->pages) {
            out << "page " + p->id + ' ' + numbers(p->type, p->offset) + ' ' +
                       filter(p->urlFilter) + i18n(p) + (p->site == s ? "" : " BADLINK");
            for (const CLTrack *track : p->tracks) {
                out << "track " + track->name + ' ' + filter(track->contentFilter) +
                           (track->page == p ? "" : " BADLINK");
                for (const CLTopic *t : track->topics)
                    dumpTopic(t, t->track == track && !t->parentTopic ? "" : "BADLINK ");
            }
        }
        return out;
    }

private slots:
    void accepts_data() { rows(acceptRows); }
    void accepts()
    {
        const AcceptRow &r = current(acceptRows);
        CLProfileError error;
        error.reason = "left over from an earlier call";
        std::unique_ptr<CLSite> s(readProfile(parsed(r.xml), &error));
        QVERIFY2(s && error.isEmpty(), qPrintable(error.toString()));
        const QString all = dump(s.get()).join('\n');
        QVERIFY2(("\n" + all + "\n").contains("\n" + r.lines + "\n"), qPrintable(all));
    }

    void rejects_data() { rows(rejectRows); }
    void rejects()
    {
        const RejectRow &r = current(rejectRows);
        const QDomDocument doc = parsed(r.xml);
        CLProfileError error;
        QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc, &error)));
        QVERIFY2(error.reason.contains(r.reason), qPrintable(error.reason));
        QCOMPARE(error.path, r.path);
        // The error record is optional; without it the outcome must not change.
        QVERIFY(!std::unique_ptr<CLSite>(readProfile(doc)));
    }

    void reportsPosition()
    {
        CLProfileError error;
        QVERIFY(!std::unique_ptr<CLSite>(
            readProfile(parsed(page("\n<track name='main'>\n<topic id='t' name='T' type='x'>\n  "
                                    "<step_text_format insert_line='a'/></topic></track>")),
                        &error)));
        QCOMPARE(error.toString(),
                 "4:37: " + tPath + "/step_text_format: attribute insert_line is not a number");
        // Without a position the prefix is left out.
        QCOMPARE((CLProfileError{"sites", -1, -1, "wrong root"}).toString(), "sites: wrong root");
    }

    void parseI18n_data() { rows(i18nRows); }
    void parseI18n()
    {
        const I18nRow &r = current(i18nRows);
        const std::unique_ptr<CLI18n> record(i18nFrom(r.xml));
        QCOMPARE(!record ? QString()
                         : record->original + u'|' + record->displays.keys().join(u',') + u'=' +
                               record->displays.values().join(u','),
                 r.expected);
    }

    void localNameFallsBack()
    {
        QHash<QString, CLI18n *> table{
            {u"th"_s, i18nFrom(u"<i18n original='zh_CN'><display locale='zh_CN'>泰国</display>"
                               u"<display locale='fr'>Thaïlande</display></i18n>"_s)},
            {u"bare"_s, i18nFrom(u"<i18n><display locale='en'>Bare</display></i18n>"_s)}};
        QCOMPARE(::localName(table, u"th"_s, u"fr"_s), u"Thaïlande"_s);
        QCOMPARE(::localName(table, u"th"_s, u"xx"_s), u"泰国"_s); // the original's name
        QCOMPARE(::localName(table, u"th"_s, QString()), u"泰国"_s);
        QVERIFY(!::localName(table, u"xx"_s, u"en"_s).isNull()); // unknown code: ""
        QCOMPARE(::localName(table, u"xx"_s, u"en"_s), u""_s);
        QCOMPARE(::localName(table, u"bare"_s, u"de"_s), u""_s); // no original to fall back on
        qDeleteAll(table);
    }

    void siteTree()
    {
        // a > b > c and d on the index page, e on the article page.
        const std::unique_ptr<CLSite> s(readProfile(parsed(
            site("<page id='i' name='I' type='news.index'><track name='m'><topic id='a' name='A' "
                 "type='x'><topic id='b' name='B' type='x'><topic id='c' name='C' type='x'/>"
                 "</topic></topic><topic id='d' name='D' type='x'/></track></page><page id='p' "
                 "name='P' type='news.article'><track name='m'><topic id='e' name='E' type='x'/>"
                 "</track></page>"))));
        QVERIFY(s);
        const auto ids = [](const QList<CLTopic *> &topics) {
            QStringList list;
            for (const CLTopic *topic : topics)
                list << topic->id;
            return list.join(u' ');
        };
        QCOMPARE(ids(topicsOf(s.get(), PageIndex)), u"a b c d"_s);
        QCOMPARE(ids(topicsOf(s.get(), PageArticle)), u"e"_s);
        QCOMPARE(ids(topicsOf(s.get(), PageAny)), u"a b c d e"_s);
        const QList<CLTopic *> below = subTopicsOf(topicsOf(s.get(), PageIndex).first());
        QCOMPARE(ids(below), u"b c"_s);
        QCOMPARE(topicPath(below.last()), u"s.a.b.c"_s);
        CLTopic orphan;
        orphan.id = u"x"_s;
        QCOMPARE(topicPath(&orphan), u"x"_s);
        addPage(s.get(), s->pages[0]); // a page is held once
        addPage(s.get(), nullptr);
        QCOMPARE(s->pages.size(), 2);
    }
};

QTEST_GUILESS_MAIN(TestProfileReader)
#include "tst_profilereader.moc"
