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
        QVERIFY(QDir(m_dir.path()).mkdir(u"cat"_s));
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
            "step_pair_point: null; the chain stops here\n.*step 2/2 step_attribute_extract: does "
            "not take text.*"_s);
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

    void boundsAndKeys_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("expected"); // a part of standard output, or of standard error
        struct Row
        {
            const char *name, *arguments;
            int exitCode;
            const char *expected;
        };
        static const Row rows[] = {
            {"check refuses a line count of 2,000,000,000", "check @/lines.xml", 1, "lines.xml:6:"},
            {"check gives the path and the reason of a bound", "check @/lines.xml", 1,
             "step_text_format: attribute insert_line is 2000000000, more than 100"},
            {"check refuses a paragraph space above the bound", "check @/spaces.xml", 1,
             "paragraph_space_end is 500, more than 100"},
            {"keygen writes a pair", "keygen @/k.secret @/k.public", 0, "key id "},
            {"keygen never overwrites", "keygen @/good.xml @/k2.public", 2, "good.xml"},
            {"keygen needs two files", "keygen @/k3.secret", 2, "usage:"},
            {"answer refuses a key file that is no key", "answer --key @/good.xml -", 2,
             "not a public key file"},
        };
        for (const Row &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.arguments) << row.exitCode
                                    << QString::fromUtf8(row.expected);
    }

    // Numbers a profile holds are bounded; signing keys are made once and kept private.
    void boundsAndKeys()
    {
        QFETCH(QString, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, expected);
        const QByteArray good = GoodProfile;
        const QByteArray step = "<step_text_extract/></topic>";
        QVERIFY(write(u"lines.xml"_s,
                      QByteArray(good).replace(
                          step, "<step_text_extract/>"
                                "<step_text_format insert_line=\"2000000000\"/></topic>")));
        QVERIFY(write(u"spaces.xml"_s,
                      QByteArray(good).replace(
                          step, "<step_text_extract/>"
                                "<step_text_format paragraph_space_end=\"500\"/></topic>")));
        const auto [code, out, err] = run(arguments);
        QVERIFY2(code == exitCode, qPrintable(u"exit %1, stderr: %2"_s.arg(code).arg(err)));
        QVERIFY2(QString::fromUtf8(out + err).contains(expected.replace(u'@', m_dir.path())),
                 (out + err).constData());
        if (arguments.startsWith(u"keygen @/k."_s)) {
            QCOMPARE(QFile::permissions(m_dir.filePath(u"k.secret"_s)) & 0x0077,
                     QFileDevice::Permissions());
            QCOMPARE(std::get<0>(run(arguments)), 2); // the pair exists now
        }
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
