#include "htmltext.h"

#include <QDomDocument>
#include <QtTest>

using namespace Qt::StringLiterals;

// Defined below the class: moc misreads the escapes inside its raw string.
extern const char ExpectedIndexTree[];

namespace {

// An article page with a title found by a pair pointer, a source that falls back to its default
// text and the page's images; an index page whose track wants a marker.
const char GoodProfile[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<site name="Test" id="(s)GI.test" locale="en" codeset="UTF-8" version="1" entry="http://e.com/">
 <page name="Article" id="art" type="news.article"><filter_url_inc pattern="*example.com/news/*"/>
  <track name="main"><topic name="Title" id="title" type="article-title"><step_pair_point>
    <point_a>&lt;h1&gt;</point_a><point_b from="previous">&lt;/h1&gt;</point_b></step_pair_point>
    <step_text_extract/></topic>
   <topic name="Source" id="source" type="article-source"><default_text>Wire</default_text>
    <step_pair_point><point_a>&lt;cite&gt;</point_a></step_pair_point><step_text_extract/></topic>
   <topic name="Images" id="images" type="article-image-list">
    <step_url_extract url_type="non_link"/></topic></track></page>
 <page name="Index" id="idx" type="news.index"><filter_url_inc pattern="*example.com/index*"/>
  <track name="marked"><filter_content_inc>INDEX-MARKER</filter_content_inc></track></page>
</site>
)";

// Each topic loses the content in its own way.
const char TraceProfile[] = R"(<site name="Trace" id="(s)GI.trace" locale="en" codeset="UTF-8"
 version="1" entry="http://trace.example/"><page name="Article" id="art" type="news.article">
 <filter_url_inc pattern="*trace.example/*"/><track name="main">
  <topic name="Missing" id="missing" type="article-title">
   <step_pair_point><point_a>&lt;blink&gt;</point_a></step_pair_point><step_text_extract/></topic>
  <topic name="Mismatch" id="mismatch" type="article-text">
   <step_text_extract/><step_attribute_extract attribute_name="src"/></topic>
 </track></page></site>)";

// The fourth line's point runs backward from the beginning, which no page can satisfy.
const char BadProfile[] =
    R"(<site name="Bad" id="(s)GI.bad" locale="en" codeset="UTF-8" version="1" entry="http://bad.example/">
 <page name="Article" id="art" type="news.article"><track name="main">
  <topic name="Title" id="title" type="article-title"><step_pair_point>
   <point_a direction="backward" from="begin">x</point_a>
  </step_pair_point></topic>
 </track></page>
</site>
)";

const char Page[] = "<html><body><h1>Big news</h1><p>Body</p>"
                    "<img src=\"http://example.com/a.jpg\" alt=\"Photo\"></body></html>";

const char Translators[] =
    "<translators version='3'><translator id='eng' name='Engine' entry='http://tr.example/' "
    "method='post'><query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query><languages>"
    "<language id='en' name='EN'/><language id='de' name='DE'/></languages><paths "
    "combination='listed'><path from='en' to='de'/></paths></translator></translators>";

// What extracting Page with GoodProfile prints, to the byte: scripts read this layout.
const char ExpectedTree[] = R"({
  "kind": 10,
  "kindName": "ArticlePage",
  "language": "en",
  "origin": "(s)GI.test",
  "value": {
    "type": "Text",
    "text": "http://EXAMPLE.com/news/1"
  },
  "children": [
    {
      "kind": 11,
      "kindName": "ArticleTitle",
      "language": "en",
      "origin": null,
      "value": {
        "type": "Text",
        "text": "Big news"
      },
      "children": []
    },
    {
      "kind": 12,
      "kindName": "ArticleSource",
      "language": "en",
      "origin": null,
      "value": {
        "type": "Text",
        "text": "Wire"
      },
      "children": []
    },
    {
      "kind": 15,
      "kindName": "ArticleImage",
      "language": "en",
      "origin": null,
      "value": {
        "type": "URL",
        "url": "http://example.com/a.jpg",
        "title": "Photo",
        "urlKind": 2
      },
      "children": []
    }
  ]
}
)";

// An index page: groups name the topic that produced them, and text escapes stay valid JSON.
const char IndexProfile[] = R"(<site name="Idx" id="(s)GI.idx" locale="de" codeset="UTF-8"
 version="1" entry="http://idx.example/"><page name="Front" id="front" type="news.index">
 <filter_url_inc pattern="*idx.example/*"/><track name="main">
  <topic name="Top" id="(t)top" type="article-index"><step_url_extract url_type="link"/></topic>
 </track></page></site>)";
const char IndexPage[] = "<a href=\"/a\">Quote \"x\" back\\slash\rreturn\x01</a>";
QString exactly(const QString &text)
{
    return QRegularExpression::escape(text);
}

} // namespace

#ifndef TESSOLIN_PROFILE_TOOL
#define TESSOLIN_PROFILE_TOOL ""
#endif

class TestProfileTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    bool write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(m_dir.filePath(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }
    // Arguments split at spaces; "~" is a space inside one and "@" the fixture directory.
    // Gives the exit code, -1 for a crash, and the two outputs.
    std::tuple<int, QByteArray, QByteArray> run(const QString &arguments,
                                                const QByteArray &input = {}) const
    {
        QStringList list = arguments.split(u' ', Qt::SkipEmptyParts);
        for (QString &argument : list)
            argument.replace(u'~', u' ').replace(u'@', m_dir.path());
        QProcess process;
        process.start(TESSOLIN_PROFILE_TOOL, list);
        process.write(input);
        process.closeWriteChannel();
        const bool exited =
            process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit;
        return {exited ? process.exitCode() : -1, process.readAllStandardOutput(),
                process.readAllStandardError()};
    }

private slots:
    void initTestCase()
    {
        if (!*TESSOLIN_PROFILE_TOOL)
            QSKIP("the profile tool is not part of this build");
        QVERIFY(QDir(m_dir.path()).mkdir(u"cat"_s) && QDir(m_dir.path()).mkdir(u"emptycat"_s) &&
                QDir(m_dir.path()).mkdir(u"cases"_s));
        const std::pair<const char *, QByteArray> files[] = {
            {"good.xml", GoodProfile},
            {"trace.xml", TraceProfile},
            {"bad.xml", BadProfile},
            {"broken.xml", "<site>\n<page>\n</site>\n"},
            {"codeset.xml",
             QByteArray(GoodProfile).replace("UTF-8\" version", "x-klingon\" version")},
            {"gbk.xml", QByteArray(GoodProfile).replace("UTF-8\" version", "cp936\" version")},
            {"deep.xml",
             QByteArray(GoodProfile)
                 .replace("<step_text_extract/></topic>",
                          "\n" + QByteArray("<topic name='D' id='d' type='x'>").repeated(30000) +
                              QByteArray("</topic>").repeated(30000) + "</topic>")},
            {"page.html", Page},
            {"entities.html", "<p>a &copy; b</p>"},
            {"spaces.html", "x\ny<p>a\nb</p>."},
            {"translators.tdf", packXml(Translators)},
            {"cat/test.prf", packXml(GoodProfile)},
            {"long.html", "<p><h1>" + QByteArray(300, 'x') + "</h1>"},
            {"gbk.html", "<p>\xd6\xd0\xce\xc4</p>"},
            {"latin.html", "<meta charset=\"iso-8859-2\"><h1>Big news</h1>"},
            {"emptycat/sites.xml", "<sites/>"},
            {"emptycat/filters.xml", "<filters/>"},
            {"cat/unlisted.xml", GoodProfile},
            {"health.log", "2026-03-01\t(s)GI.a\t1\tindex\ttopic t, step 1/1 step_url_extract found "
                           "nothing\n2026-03-02\t(s)GI.a\t2\tindex\ttopic t, step 1/1 "
                           "step_url_extract found nothing\n"},
            {"cat/sites.xml",
             R"(<sites><site id="(s)GI.test" version="1" file="test.prf"/></sites>)"}};
        for (const auto &[name, bytes] : files)
            QVERIFY(write(name, bytes));
    }

    void commands_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        // From exit code 2 on, texts standard error must hold, split at "|", with nothing on
        // standard output; else a pattern for all of standard output, or for standard error
        // after "err:".
        QTest::addColumn<QString>("expected");

        const auto row = [](const char *name, const QString &arguments, int exitCode,
                            const QString &expected) {
            QTest::newRow(name) << arguments << exitCode << expected;
        };
        const QString extract = u"extract --profile=@/good.xml "_s;
        const QString query = u"query --translators=@/translators.tdf --from=en "_s;
        row("no command is a usage error", {}, 2, "usage:");
        row("extract without url", extract + "@/page.html", 2, "usage:");
        row("extract names the failing profile element",
            "extract --profile=@/bad.xml --url=http://example.com/news/1 @/page.html", 2,
            "bad.xml:4:");
        row("extract with no page for the URL", extract + "--url=http://elsewhere.org/ @/page.html",
            3, "no page definition accepts the URL");
        row("extract with no track for the content",
            extract + "--url=http://example.com/index @/page.html", 3,
            "no track accepts the content");
        row("trace shows where each topic lost the content",
            "extract --profile=@/trace.xml --url=http://trace.example/a --trace @/page.html", 0,
            u"err:.*topic \\(s\\)GI\\.trace\\.missing \\(ArticleTitle\\)\n  step 1/2 "
            "step_pair_point: null; the chain stops here \\(point A \"<blink>\" \\(forward from "
            "begin, occurrence 1\\) was not found in \\d+ bytes\\)\n.*step 2/2 "
            "step_attribute_extract: does not take text.*"_s);
        row("check counts a valid profile", "check @/good.xml", 0,
            exactly("OK @/good.xml: site (s)GI.test, 2 pages, 2 tracks, 3 topics, 5 steps\n"));
        row("check places the failing element, reports every file", "check @/bad.xml @/good.xml", 1,
            exactly("FAIL @/bad.xml:4:") + "\\d+: site\\S*/point_a: .+\nOK .+\n");
        row("check places the XML error", "check @/broken.xml", 1,
            exactly("FAIL @/broken.xml:3:") + "\\d+: \\S+: .+\n");
        row("check names the unreadable file", "check @/nothere.xml", 2, "nothere.xml");
        // Such a profile loads, but its pages would silently read as UTF-8.
        row("check warns about a codeset that cannot be decoded", "check @/codeset.xml", 0,
            u"err:"_s + exactly("@/codeset.xml: warning: codeset \"x-klingon\" cannot be decoded "
                                "here; pages will be read as UTF-8\n"));
        row("check passes a codeset label that names code page 936", "check @/gbk.xml", 0,
            u"err:"_s);
        // The reader recursed once per topic and crashed at this depth.
        row("check refuses 30,000 nested topics", "check @/deep.xml", 1,
            exactly("FAIL @/deep.xml:7:") + "\\d+: \\(document\\): elements nested deeper than "
                                            "256 levels\n");
        row("text decodes entities", "text @/entities.html", 0, exactly("\na \u00a9 b\n"));
        row("text filters line feeds outside paragraphs", "text --filter-space @/spaces.html", 0,
            exactly("xy\na\nb\n.\n"));
        row("text names the unreadable file", "text @/nothere.html", 2, "nothere.html");
        row("unpack refuses plain XML", "unpack @/good.xml @/out.xml", 2, "good.xml");
        row("query keeps = and & of the text inside its field",
            query + "--to=de Gr\u00fc\u00dfe~1+1=2~&~{{SRCLANG}}", 0,
            exactly(
                "eng\nsl=EN&tl=DE&q=Gr%C3%BC%C3%9Fe%201%2B1%3D2%20%26%20%7B%7BSRCLANG%7D%7D\n"));
        row("query of an unserved pair",
            "query --translators=@/translators.tdf --from=de --to=en x", 3,
            "no engine translates de to en");
        row("extract --help lists its options", "extract --help", 0, ".*--trace-full.*");
        row("no page: the patterns tried and the type's name",
            extract + "--type=article --url=http://elsewhere.org/ @/page.html", 3,
            "page type 2 (news.article)|site (s)GI.test, page art (news.article): include "
            "\"*example.com/news/*\"");
        row("no track: each content pattern, found or not",
            extract + "--url=http://example.com/index @/page.html", 3,
            "track \"marked\": include \"INDEX-MARKER\" NOT found;");
        row("catalogue that lists no site says so",
            "extract --catalogue=@/emptycat --url=http://example.com/news/1 @/page.html", 2,
            "lists no site");
        row("trace-full shows a step's whole output",
            "extract --profile=@/good.xml --url=http://example.com/news/1 --trace-full @/long.html",
            0, u"err:.*step 1/2 step_pair_point: bytes, \\d+ bytes: \"[^\"]*"_s +
                   QString(300, u'x') + u"[^.]*step 2/2.*"_s);
        row("a profile the catalogue does not list is named",
            "extract --catalogue=@/cat --url=http://elsewhere.org/ @/page.html", 3,
            "note: unlisted.xml is in");
        row("--step prints one step's whole output",
            "extract --profile=@/good.xml --url=http://example.com/news/1 --step=title:1 @/long.html",
            0, exactly("<h1>" + QString(300, u'x') + "\n"));
        row("--step names a topic that is not there",
            "extract --profile=@/good.xml --url=http://example.com/news/1 --step=nope:1 @/long.html",
            3, "no topic nope");
        row("find gives each offset and the HTML around it", "find @/page.html Big", 0,
            exactly("16: <html><body><h1>Big news</h1><p>Body</p>") + "[^\n]+</body></ht\n");
        row("find decodes with the codeset and hints at another",
            "find @/gbk.html \u4e2d\u6587 --codeset=GBK", 0, exactly("3: <p>\u4e2d\u6587</p>\n"));
        row("find names the encoding a text is in", "find @/gbk.html \u4e2d\u6587", 1,
            "err:.*encoded as GBK.*");
        row("codeset and declared charset disagree",
            extract + "--url=http://example.com/news/1 @/latin.html", 0,
            "err:.*the profile's codeset UTF-8 differs from the charset iso-8859-2.*");
        row("check reads a folder as catalogue, engine file and profiles", "check @/cat", 0,
            exactly("OK @/cat/sites.xml: site catalogue, 1 entries\nOK @/cat/test.prf: site ") +
                ".*");
        row("check skips other data files of a folder with a note", "check @/emptycat", 1,
            exactly("SKIP @/emptycat/filters.xml: not a profile, catalogue or engine file "
                    "(document element <filters>)\nFAIL @/emptycat/sites.xml: not a usable site "
                    "catalogue\n"));
        row("check --health sums the log up per site", "check --health @/health.log", 0,
            exactly("(s)GI.a: 2 misses, profile version 1, 2, last 2026-03-02; most often index: "
                    "topic t, step 1/1 step_url_extract found nothing (2 times)\n"));
        row("query names the unreadable engine file",
            "query --translators=@/nothere.tdf --from=en --to=de x", 2, "nothere.tdf");
    }
    void commands()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);

        const auto [code, out, err] = run(arguments);
        QVERIFY2(code == exitCode, qPrintable(u"exit %1, stderr: %2"_s.arg(code).arg(err)));
        if (exitCode >= 2) {
            QVERIFY(out.isEmpty());
            for (const QString &part : expected.split(u'|'))
                QVERIFY2(QString::fromUtf8(err).contains(part), err.constData());
            return;
        }
        const bool onError = expected.startsWith(u"err:"_s);
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(
                expected.mid(onError ? 4 : 0).replace(u'@', m_dir.path())),
            QRegularExpression::DotMatchesEverythingOption);
        const QByteArray &checked = onError ? err : out;
        QVERIFY2(pattern.match(QString::fromUtf8(checked)).hasMatch(), checked.constData());
    }

    void extractTree_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<QByteArray>("input");

        const QString article = u"extract --url=http://EXAMPLE.com/news/1 "_s;
        QTest::newRow("profile file")
            << article + u"--profile=@/good.xml @/page.html"_s << QByteArray();
        QTest::newRow("catalogue with a compressed profile")
            << article + u"--catalogue=@/cat --type=article @/page.html"_s << QByteArray();
        QTest::newRow("page from standard input")
            << article + u"--profile=@/good.xml --site=(s)GI.test -"_s << QByteArray(Page);
    }
    void extractTree()
    {
        QFETCH(QString, arguments);
        QFETCH(QByteArray, input);

        const auto [code, out, err] = run(arguments, input);
        QVERIFY2(code == 0, err.constData());
        QCOMPARE(out, QByteArray(ExpectedTree));
    }

    void extractIndexTree()
    {
        QVERIFY(write(u"index.xml"_s, IndexProfile) && write(u"index.html"_s, IndexPage));
        const auto [code, out, err] =
            run(u"extract --profile=@/index.xml --url=http://idx.example/ @/index.html"_s);
        QVERIFY2(code == 0, err.constData());
        QCOMPARE(out, QByteArray(ExpectedIndexTree));
        QJsonParseError error;
        QJsonDocument::fromJson(out, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);
    }

    void packRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("xml");

        QTest::newRow("profile with declaration") << QByteArray(GoodProfile);
        QTest::newRow("non-ASCII text, CRLF line ends and a byte order mark")
            << QByteArray("\xef\xbb\xbf<a>\r\n<b>Gr\xc3\xbc\xc3\x9f"
                          "e</b>\r\n</a>\r\n");
    }
    void packRoundTrip()
    {
        QFETCH(QByteArray, xml);

        QVERIFY(write(u"plain.xml"_s, xml));
        QCOMPARE(std::get<0>(run(u"pack @/plain.xml @/stored.tdf"_s)), 0);
        QVERIFY(loadXmlDocument(m_dir.filePath(u"stored.tdf"_s)));
        QCOMPARE(std::get<0>(run(u"unpack @/stored.tdf @/again.xml"_s)), 0);
        QFile again(m_dir.filePath(u"again.xml"_s));
        QVERIFY(again.open(QIODevice::ReadOnly));
        QCOMPARE(again.readAll(), xml);
    }

    // Each mistake an author made that the reader takes silently; `check` refuses it and
    // names what is allowed (the last row only warns).
    void checkRefuses_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QString>("expected");
        static const struct { const char *name, *from, *to, *expected; } rows[] = {
            {"misspelt step", "<step_text_extract/>", "<step_text_extrct/>", "unknown element <step_text_extrct> inside <topic>; allowed there: \"i18n\", \"topic\", \"default_text\", \"step_pair_point\""},
            {"misspelt attribute", "<step_text_extract/></topic>", "<step_text_extract/><step_text_format paragraph_lines='1'/></topic>", "unknown attribute paragraph_lines; <step_text_format> takes \"insert_line\", \"append_line\", \"paragraph_line\""},
            {"switch other than yes/no", "<step_text_extract/></topic>", "<step_section_cutter cut_all='false'><start_pattern>a</start_pattern><end_pattern>b</end_pattern></step_section_cutter></topic>", "attribute cut_all has unknown value \"false\"; allowed: \"yes\", \"no\""},
            {"unknown topic type", "type=\"article-title\"", "type=\"article-headline\"", "attribute type has unknown value \"article-headline\"; allowed: \"article-index\", \"article-title\""},
            {"page type without its prefix", "type=\"news.article\"", "type=\"article\"", "attribute type has unknown value \"article\"; allowed: \"news.index\", \"news.article\", \"translator.entry\""},
            {"number that is none", "type=\"news.index\"", "type=\"news.index\" offset=\"x\"", "attribute offset=\"x\" is not a whole number"},
            {"point B that searches from the top", "<point_b from=\"previous\">", "<point_b>", "warning: point_b has no from: its search starts at the page's top"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QByteArray(GoodProfile).replace(row.from, row.to)
                                    << QString::fromUtf8(row.expected);
    }
    void checkRefuses()
    {
        QFETCH(QByteArray, profile);
        QFETCH(QString, expected);
        QVERIFY(write(u"mistake.xml"_s, profile));
        const auto [code, out, err] = run(u"check @/mistake.xml"_s);
        const bool warning = expected.startsWith(u"warning"_s);
        QCOMPARE(code, warning ? 0 : 1);
        QVERIFY2(QString::fromUtf8(warning ? err : out).contains(expected), (out + err).constData());
    }

    // The self-test contract scripts rely on: one line per case, then the counts.
    void caseTest_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected");
        const QByteArray head = R"({"url": "http://example.com/news/1", "page": "../page.html", "type": "article", )";
        static const struct { const char *name, *rest; int exitCode; const char *expected; } rows[] = {
            {"pass", R"("expect": {"kindName": "ArticlePage", "children": [{"value": {"text": "Big news"}}, {}, {"value": {"title": "Photo"}}]}})", 0, "PASS pass\n1 passed, 0 failed, 0 skipped\n"},
            {"text", R"("expect": {"children": [{"value": {"text": "Small news"}}, {}, {}]}})", 1, "FAIL text: $.children[0].value.text: expected \"Small news\", got \"Big news\"\n0 passed, 1 failed, 0 skipped\n"},
            {"count", R"("expect": {"children": [{}]}})", 1, "FAIL count: $.children: expected 1 elements, got 3 elements\n0 passed, 1 failed, 0 skipped\n"},
            {"missing", R"("expect": {"value": {"no key": null}}})", 1, "FAIL missing: $.value[\"no key\"]: expected null, got nothing\n0 passed, 1 failed, 0 skipped\n"},
            {"kinds", R"("expect": {"children": [{"value": []}, {}, {}]}})", 1, "FAIL kinds: $.children[0].value: expected [], got {\"text\":\"Big news\",\"type\":\"Text\"}\n0 passed, 1 failed, 0 skipped\n"},
            {"corpus", R"("expect": {}, "page": "corpus:absent"})", 0, "SKIP corpus: corpus page absent is not in @/nocorpus\n0 passed, 0 failed, 1 skipped\n"},
            {"index", R"("expect": {}, "type": "index"})", 1, "FAIL index: $: expected a tree, got nothing (no page definition accepts the URL http://example.com/news/1 for page type 1 (news.index); URL patterns tried: site (s)GI.test, page idx (news.index): include \"*example.com/index*\")\n0 passed, 1 failed, 0 skipped\n"},
            {"no expect", R"("page2": 1})", 2, "0 passed, 0 failed, 0 skipped\n"},
            {"bad type", R"("expect": {}, "type": "story"})", 2, "0 passed, 0 failed, 0 skipped\n"},
        };
        for (const auto &row : rows) {
            QByteArray json = head + row.rest;
            // A later key replaces the head's: the JSON reader keeps the last one.
            QTest::newRow(row.name) << json << row.exitCode << QString::fromUtf8(row.expected);
        }
    }
    void caseTest()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        QString name = QString::fromUtf8(QTest::currentDataTag());
        QVERIFY(write(u"cases/"_s + name + u".json"_s, json));
        const auto [code, out, err] =
            run(u"test --catalogue=@/cat --corpus=@/nocorpus @/cases/"_s + name.replace(u' ', u'~') + u".json"_s);
        QVERIFY2(code == exitCode, err.constData());
        QCOMPARE(QString::fromUtf8(out), expected.replace(u'@', m_dir.path()));
    }
};

const char ExpectedIndexTree[] = R"({
  "kind": 1,
  "kindName": "IndexPage",
  "language": "de",
  "origin": "front",
  "value": {
    "type": "Text",
    "text": "Front"
  },
  "children": [
    {
      "kind": 4,
      "kindName": "IndexGroup1",
      "language": "de",
      "origin": "(t)top",
      "value": {
        "type": "Text",
        "text": "Top"
      },
      "children": [
        {
          "kind": 7,
          "kindName": "IndexEntry1",
          "language": "de",
          "origin": null,
          "value": {
            "type": "URL",
            "url": "/a",
            "title": "Quote \"x\" back\\slash\rreturn\u0001",
            "urlKind": 1
          },
          "children": []
        }
      ]
    }
  ]
}
)";

QTEST_GUILESS_MAIN(TestProfileTool)
#include "tst_profiletool.moc"
