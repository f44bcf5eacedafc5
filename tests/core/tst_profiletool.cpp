#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One article page with three topics: a title found by a pair pointer, a
// source that falls back to its default text, and the page's images.
const char GoodProfile[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<site name="Test" id="(s)GI.test" locale="en" codeset="UTF-8" version="1" entry="http://example.com/">
 <page name="Article" id="art" type="news.article">
  <filter_url_inc pattern="*example.com/news/*"/>
  <track name="main">
   <topic name="Title" id="title" type="article-title">
    <step_pair_point><point_a>&lt;h1&gt;</point_a><point_b from="previous">&lt;/h1&gt;</point_b></step_pair_point>
    <step_text_extract/>
   </topic>
   <topic name="Source" id="source" type="article-source">
    <default_text>Wire</default_text>
    <step_pair_point><point_a>&lt;cite&gt;</point_a><point_b from="previous">&lt;/cite&gt;</point_b></step_pair_point>
    <step_text_extract/>
   </topic>
   <topic name="Images" id="images" type="article-image-list">
    <step_url_extract url_type="non_link"/>
   </topic>
  </track>
 </page>
 <page name="Index" id="idx" type="news.index">
  <filter_url_inc pattern="*example.com/index*"/>
  <track name="marked"><filter_content_inc>INDEX-MARKER</filter_content_inc></track>
 </page>
 <page name="Other" id="other" type="news.other">
  <filter_url_inc pattern="*example.com/other*"/>
  <track name="any"/>
 </page>
</site>
)";

// Each topic loses the content in a different way.
const char TraceProfile[] =
    R"(<site name="Trace" id="(s)GI.trace" locale="en" codeset="UTF-8" version="1" entry="http://trace.example/">
 <page name="Article" id="art" type="news.article">
  <filter_url_inc pattern="*trace.example/*"/>
  <track name="main">
   <topic name="Missing" id="missing" type="article-title">
    <step_pair_point><point_a>&lt;blink&gt;</point_a></step_pair_point>
    <step_text_extract/>
   </topic>
   <topic name="Mismatch" id="mismatch" type="article-text">
    <step_text_extract/>
    <step_attribute_extract attribute_name="src"/>
   </topic>
   <topic name="Off" id="off" type="article-datetime">
    <step_text_extract/>
   </topic>
  </track>
 </page>
</site>
)";

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
    "<translators version='3'>\n"
    " <translator id='eng' name='Engine' entry='http://tr.example/' method='post'>\n"
    "  <query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>\n"
    "  <languages><language id='en' name='EN'/><language id='de' name='DE'/></languages>\n"
    "  <paths combination='listed'><path from='en' to='de'/></paths>\n"
    " </translator>\n"
    "</translators>\n";

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString exactly(const QString &text)
{
    return QRegularExpression::escape(text);
}

} // namespace

class TestProfileTool : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void commands_data();
    void commands();
    void extractTree_data();
    void extractTree();
    void packRoundTrip_data();
    void packRoundTrip();

private:
    struct Run
    {
        int exitCode = -1;
        QByteArray out;
        QByteArray err;
    };
    Run run(const QStringList &arguments, const QByteArray &input = QByteArray()) const;
    QStringList expand(const QStringList &arguments) const;

    QTemporaryDir m_dir;
};

void TestProfileTool::initTestCase()
{
#ifndef TESSOLIN_PROFILE_TOOL
    QSKIP("the profile tool is not part of this build");
#endif
    QVERIFY(m_dir.isValid());
    const QString d = m_dir.path();
    QVERIFY(QDir(d).mkdir(u"cat"_s));
    QVERIFY(QDir(d).mkdir(u"filters"_s));
    QVERIFY(writeFile(d + u"/good.xml"_s, GoodProfile));
    QVERIFY(writeFile(d + u"/trace.xml"_s, TraceProfile));
    QVERIFY(writeFile(d + u"/bad.xml"_s, BadProfile));
    QVERIFY(writeFile(d + u"/broken.xml"_s, "<site>\n<page>\n</site>\n"));
    QVERIFY(writeFile(d + u"/page.html"_s, Page));
    QVERIFY(writeFile(d + u"/empty.html"_s, QByteArray()));
    QVERIFY(writeFile(d + u"/entities.html"_s, "<p>a &copy; b</p>"));
    QVERIFY(writeFile(d + u"/spaces.html"_s, "x\ny<p>a\nb</p>."));
    QVERIFY(writeFile(d + u"/translators.xml"_s, Translators));
    QVERIFY(writeFile(d + u"/translators.tdf"_s, packXml(Translators)));
    QVERIFY(writeFile(d + u"/cat/sites.xml"_s,
                      R"(<sites><site id="(s)GI.test" version="1" file="test.prf"/></sites>)"));
    QVERIFY(writeFile(d + u"/cat/test.prf"_s, packXml(GoodProfile)));
    QVERIFY(writeFile(d + u"/filters/filters.xml"_s,
                      R"(<filters><topics><topic full_id="(s)GI.trace.off"/></topics></filters>)"));
}

TestProfileTool::Run TestProfileTool::run(const QStringList &arguments,
                                          const QByteArray &input) const
{
    Run result;
#ifdef TESSOLIN_PROFILE_TOOL
    QProcess process;
    process.start(QStringLiteral(TESSOLIN_PROFILE_TOOL), expand(arguments));
    if (!process.waitForStarted())
        return result;
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.exitCode = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
#else
    Q_UNUSED(arguments);
    Q_UNUSED(input);
#endif
    return result;
}

// "@" stands for the fixture directory.
QStringList TestProfileTool::expand(const QStringList &arguments) const
{
    QStringList expanded;
    for (const QString &argument : arguments)
        expanded.append(QString(argument).replace(u'@', m_dir.path()));
    return expanded;
}

void TestProfileTool::commands_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // pattern for all of standard output
    QTest::addColumn<QString>("errors"); // text standard error must hold

    const QString profile = u"--profile=@/good.xml"_s;
    const QString article = u"--url=http://example.com/news/1"_s;
    const QString trace = u"--profile=@/trace.xml"_s;
    const QString traceUrl = u"--url=http://trace.example/a"_s;

    QTest::newRow("no command is a usage error") << QStringList() << 2 << QString() << "usage:";
    QTest::newRow("unknown command is a usage error")
        << QStringList{u"frobnicate"_s} << 2 << QString() << "usage:";
    QTest::newRow("extract without url")
        << QStringList{u"extract"_s, profile, u"@/page.html"_s} << 2 << QString() << "usage:";
    QTest::newRow("extract with profiles and a catalogue")
        << QStringList{u"extract"_s, profile, u"--catalogue=@/cat"_s, article, u"@/page.html"_s}
        << 2 << QString() << "usage:";
    QTest::newRow("extract with an unknown type word")
        << QStringList{u"extract"_s, profile, article, u"--type=news"_s, u"@/page.html"_s} << 2
        << QString() << "usage:";
    QTest::newRow("extract names the unreadable page")
        << QStringList{u"extract"_s, profile, article, u"@/nothere.html"_s} << 2 << QString()
        << "nothere.html";
    QTest::newRow("extract names the unreadable profile")
        << QStringList{u"extract"_s, u"--profile=@/nothere.xml"_s, article, u"@/page.html"_s} << 2
        << QString() << "nothere.xml";
    QTest::newRow("extract names the failing profile element")
        << QStringList{u"extract"_s, u"--profile=@/bad.xml"_s, article, u"@/page.html"_s} << 2
        << QString() << "bad.xml:4:";
    QTest::newRow("extract with no page for the URL")
        << QStringList{u"extract"_s, profile, u"--url=http://elsewhere.org/"_s, u"@/page.html"_s}
        << 3 << QString() << "no page definition accepts the URL";
    QTest::newRow("extract with the wrong page type asked for")
        << QStringList{u"extract"_s, profile, article, u"--type=index"_s, u"@/page.html"_s} << 3
        << QString() << "no page definition accepts the URL";
    QTest::newRow("extract with no track for the content")
        << QStringList{u"extract"_s, profile, u"--url=http://example.com/index"_s, u"@/page.html"_s}
        << 3 << QString() << "no track accepts the content";
    QTest::newRow("extract of a page type without tree")
        << QStringList{u"extract"_s, profile, u"--url=http://example.com/other"_s, u"@/page.html"_s}
        << 3 << QString() << "the page type makes no tree";
    QTest::newRow("extract of an empty page")
        << QStringList{u"extract"_s, profile, article, u"@/empty.html"_s} << 3 << QString()
        << "empty";
    QTest::newRow("trace shows the step that found nothing")
        << QStringList{u"extract"_s, trace, traceUrl, u"--trace"_s, u"@/page.html"_s} << 0
        << u".*"_s
        << "topic (s)GI.trace.missing (ArticleTitle)\n"
           "  step 1/2 step_pair_point: null; the chain stops here\n";
    QTest::newRow("trace shows the step that refused the type")
        << QStringList{u"extract"_s, trace, traceUrl, u"--trace"_s, u"@/page.html"_s} << 0
        << u".*"_s << "step 2/2 step_attribute_extract: does not take text";
    QTest::newRow("trace shows what a step yielded")
        << QStringList{u"extract"_s, trace, traceUrl, u"--trace"_s, u"@/page.html"_s} << 0
        << u".*"_s << "step 1/2 step_text_extract: text, 14 characters: \"Big news\\nBody\\n\"";
    QTest::newRow("trace shows a topic the filters disable")
        << QStringList{u"extract"_s, trace,           traceUrl, u"--filters=@/filters"_s,
                       u"--trace"_s, u"@/page.html"_s}
        << 0 << u".*"_s << "topic (s)GI.trace.off (ArticleDatetime): disabled";
    QTest::newRow("extract names the unreadable filter file")
        << QStringList{u"extract"_s, trace, traceUrl, u"--filters=@/cat"_s, u"@/page.html"_s} << 2
        << QString() << "filters.xml";

    QTest::newRow("check counts a valid profile")
        << QStringList{u"check"_s, u"@/good.xml"_s} << 0
        << exactly(u"OK @/good.xml: site (s)GI.test, 3 pages, 3 tracks, 3 topics, 5 steps\n"_s)
        << QString();
    QTest::newRow("check reads a compressed profile")
        << QStringList{u"check"_s, u"@/cat/test.prf"_s} << 0
        << exactly(u"OK @/cat/test.prf: site (s)GI.test, 3 pages, 3 tracks, 3 topics, 5 steps\n"_s)
        << QString();
    QTest::newRow("check places the failing element")
        << QStringList{u"check"_s, u"@/bad.xml"_s} << 1
        << exactly(u"FAIL @/bad.xml:4:"_s) + u"\\d+: site\\S*/point_a: .+\n"_s << QString();
    QTest::newRow("check places the XML error")
        << QStringList{u"check"_s, u"@/broken.xml"_s} << 1
        << exactly(u"FAIL @/broken.xml:3:"_s) + u"\\d+: \\S+: .+\n"_s << QString();
    QTest::newRow("check reports every file and fails on one")
        << QStringList{u"check"_s, u"@/bad.xml"_s, u"@/good.xml"_s} << 1
        << exactly(u"FAIL @/bad.xml:"_s) + u".+\nOK .+\n"_s << QString();
    QTest::newRow("check names the unreadable file")
        << QStringList{u"check"_s, u"@/nothere.xml"_s} << 2 << QString() << "nothere.xml";
    QTest::newRow("check without files") << QStringList{u"check"_s} << 2 << QString() << "usage:";

    QTest::newRow("text decodes entities") << QStringList{u"text"_s, u"@/entities.html"_s} << 0
                                           << exactly(u"\na \u00a9 b\n"_s) << QString();
    QTest::newRow("text keeps entities when asked")
        << QStringList{u"text"_s, u"--keep-entities"_s, u"@/entities.html"_s} << 0
        << exactly(u"\na &copy; b\n"_s) << QString();
    QTest::newRow("text keeps source line feeds") << QStringList{u"text"_s, u"@/spaces.html"_s} << 0
                                                  << exactly(u"x\ny\na\nb\n.\n"_s) << QString();
    QTest::newRow("text filters line feeds outside paragraphs")
        << QStringList{u"text"_s, u"--filter-space"_s, u"@/spaces.html"_s} << 0
        << exactly(u"xy\na\nb\n.\n"_s) << QString();
    QTest::newRow("text names the unreadable file")
        << QStringList{u"text"_s, u"@/nothere.html"_s} << 2 << QString() << "nothere.html";

    QTest::newRow("pack names the unreadable input")
        << QStringList{u"pack"_s, u"@/nothere.xml"_s, u"@/out"_s} << 2 << QString()
        << "nothere.xml";
    QTest::newRow("unpack refuses plain XML")
        << QStringList{u"unpack"_s, u"@/good.xml"_s, u"@/out.xml"_s} << 2 << QString()
        << "good.xml";
    QTest::newRow("pack without output")
        << QStringList{u"pack"_s, u"@/good.xml"_s} << 2 << QString() << "usage:";

    const QString engines = u"--translators=@/translators.xml"_s;
    QTest::newRow("query keeps = and & of the text inside its field")
        << QStringList{u"query"_s, engines, u"--from=en"_s, u"--to=de"_s,
                       u"Gr\u00fc\u00dfe 1+1=2 & {{SRCLANG}}"_s}
        << 0
        << exactly(
               u"eng\nsl=EN&tl=DE&q=Gr%C3%BC%C3%9Fe%201%2B1%3D2%20%26%20%7B%7BSRCLANG%7D%7D\n"_s)
        << QString();
    QTest::newRow("query reads a compressed engine file")
        << QStringList{u"query"_s, u"--translators=@/translators.tdf"_s, u"--from=en"_s,
                       u"--to=de"_s, u"x"_s}
        << 0 << exactly(u"eng\nsl=EN&tl=DE&q=x\n"_s) << QString();
    QTest::newRow("query of an unserved pair")
        << QStringList{u"query"_s, engines, u"--from=de"_s, u"--to=en"_s, u"x"_s} << 3 << QString()
        << "no engine translates de to en";
    QTest::newRow("query without a target")
        << QStringList{u"query"_s, engines, u"--from=en"_s, u"x"_s} << 2 << QString() << "usage:";
    QTest::newRow("query names the unreadable engine file")
        << QStringList{u"query"_s, u"--translators=@/nothere.tdf"_s, u"--from=en"_s, u"--to=de"_s,
                       u"x"_s}
        << 2 << QString() << "nothere.tdf";
}

void TestProfileTool::commands()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    const Run result = run(arguments);
    const QString err = QString::fromUtf8(result.err);
    QVERIFY2(result.exitCode == exitCode,
             qPrintable(u"exit %1, stderr: %2"_s.arg(result.exitCode).arg(err)));
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(output.replace(u'@', m_dir.path())),
        QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(QString::fromUtf8(result.out)).hasMatch(), result.out.constData());
    QVERIFY2(err.contains(errors), qPrintable(err));
}

void TestProfileTool::extractTree_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("fromStdin");

    const QString article = u"--url=http://EXAMPLE.com/news/1"_s;
    QTest::newRow("profile file") << QStringList{u"extract"_s, u"--profile=@/good.xml"_s, article,
                                                 u"@/page.html"_s}
                                  << false;
    QTest::newRow("catalogue with a compressed profile")
        << QStringList{u"extract"_s, u"--catalogue=@/cat"_s, article, u"--type=article"_s,
                       u"@/page.html"_s}
        << false;
    QTest::newRow("page from standard input")
        << QStringList{u"extract"_s, u"--profile=@/good.xml"_s, article, u"--site=(s)GI.test"_s,
                       u"-"_s}
        << true;
}

void TestProfileTool::extractTree()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, fromStdin);

    const Run result = run(arguments, fromStdin ? QByteArray(Page) : QByteArray());
    QVERIFY2(result.exitCode == 0, result.err.constData());
    QJsonParseError error;
    const QJsonDocument tree = QJsonDocument::fromJson(result.out, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, result.out.constData());

    const QByteArray expected =
        R"({"children":[)"
        R"({"children":[],"kind":11,"kindName":"ArticleTitle","language":"en",)"
        R"("value":{"text":"Big news","type":"text"}},)"
        R"({"children":[],"kind":12,"kindName":"ArticleSource","language":"en",)"
        R"("value":{"text":"Wire","type":"text"}},)"
        R"({"children":[],"kind":15,"kindName":"ArticleImage","language":"en",)"
        R"("value":{"title":"Photo","type":"url","url":"http://example.com/a.jpg","urlKind":2}}],)"
        R"("kind":10,"kindName":"ArticlePage","language":"en",)"
        R"("value":{"text":"http://EXAMPLE.com/news/1","type":"text"}})";
    QCOMPARE(tree.toJson(QJsonDocument::Compact), expected);
}

void TestProfileTool::packRoundTrip_data()
{
    QTest::addColumn<QByteArray>("xml");

    QTest::newRow("profile with declaration") << QByteArray(GoodProfile);
    QTest::newRow("non-ASCII text and CRLF line ends") << QByteArray("<a>\r\n<b>Gr\xc3\xbc\xc3\x9f"
                                                                     "e</b>\r\n</a>\r\n");
    QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf<sites/>");
}

void TestProfileTool::packRoundTrip()
{
    QFETCH(QByteArray, xml);

    const QString d = m_dir.path();
    QVERIFY(writeFile(d + u"/plain.xml"_s, xml));
    QCOMPARE(run({u"pack"_s, u"@/plain.xml"_s, u"@/stored.tdf"_s}).exitCode, 0);
    QVERIFY(loadXmlDocument(d + u"/stored.tdf"_s));
    QCOMPARE(run({u"unpack"_s, u"@/stored.tdf"_s, u"@/again.xml"_s}).exitCode, 0);
    QCOMPARE(readFile(d + u"/again.xml"_s), xml);
}

QTEST_GUILESS_MAIN(TestProfileTool)
#include "tst_profiletool.moc"
