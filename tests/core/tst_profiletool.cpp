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
    Run run(const QString &arguments, const QByteArray &input = QByteArray()) const;

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

// Arguments split at spaces; "~" is a space inside one and "@" the fixture directory.
TestProfileTool::Run TestProfileTool::run(const QString &arguments, const QByteArray &input) const
{
    Run result;
#ifdef TESSOLIN_PROFILE_TOOL
    QStringList list = arguments.split(u' ', Qt::SkipEmptyParts);
    for (QString &argument : list)
        argument.replace(u'~', u' ').replace(u'@', m_dir.path());
    QProcess process;
    process.start(QStringLiteral(TESSOLIN_PROFILE_TOOL), list);
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

void TestProfileTool::commands_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // pattern for all of standard output
    QTest::addColumn<QString>("errors"); // texts standard error must hold, split at "|"

    const auto row = [](const char *name, const QString &arguments, int exitCode,
                        const QString &output, const QString &errors) {
        QTest::newRow(name) << arguments << exitCode << output << errors;
    };
    const QString extract = u"extract --profile=@/good.xml "_s;
    const QString article = u"--url=http://example.com/news/1 "_s;
    const QString trace = u"extract --profile=@/trace.xml --url=http://trace.example/a --trace "_s;
    const QString check = u"OK @/%1: site (s)GI.test, 3 pages, 3 tracks, 3 topics, 5 steps\n"_s;
    const QString query = u"query --translators=@/translators.xml --from=en "_s;

    row("no command is a usage error", QString(), 2, QString(), u"usage:"_s);
    row("extract without url", extract + u"@/page.html"_s, 2, QString(), u"usage:"_s);
    row("extract names the unreadable page", extract + article + u"@/nothere.html"_s, 2, QString(),
        u"nothere.html"_s);
    row("extract names the failing profile element",
        u"extract --profile=@/bad.xml "_s + article + u"@/page.html"_s, 2, QString(),
        u"bad.xml:4:"_s);
    row("extract with no page for the URL", extract + u"--url=http://elsewhere.org/ @/page.html"_s,
        3, QString(), u"no page definition accepts the URL"_s);
    row("extract with no track for the content",
        extract + u"--url=http://example.com/index @/page.html"_s, 3, QString(),
        u"no track accepts the content"_s);
    row("extract of a page type without tree",
        extract + u"--url=http://example.com/other @/page.html"_s, 3, QString(),
        u"the page type makes no tree"_s);
    row("extract of an empty page", extract + article + u"@/empty.html"_s, 3, QString(),
        u"empty"_s);
    row("trace shows where each topic lost the content",
        trace + u"--filters=@/filters @/page.html"_s, 0, u".*"_s,
        u"topic (s)GI.trace.missing (ArticleTitle)\n"
        "  step 1/2 step_pair_point: null; the chain stops here\n"
        "|step 2/2 step_attribute_extract: does not take text"
        "|step 1/2 step_text_extract: text, 14 characters: \"Big news\\nBody\\n\""
        "|topic (s)GI.trace.off (ArticleDatetime): disabled"_s);
    row("extract names the unreadable filter file", trace + u"--filters=@/cat @/page.html"_s, 2,
        QString(), u"filters.xml"_s);

    row("check counts a valid profile", u"check @/good.xml"_s, 0, exactly(check.arg("good.xml")),
        QString());
    row("check reads a compressed profile", u"check @/cat/test.prf"_s, 0,
        exactly(check.arg("cat/test.prf")), QString());
    row("check places the failing element", u"check @/bad.xml"_s, 1,
        exactly(u"FAIL @/bad.xml:4:"_s) + u"\\d+: site\\S*/point_a: .+\n"_s, QString());
    row("check places the XML error", u"check @/broken.xml"_s, 1,
        exactly(u"FAIL @/broken.xml:3:"_s) + u"\\d+: \\S+: .+\n"_s, QString());
    row("check reports every file and fails on one", u"check @/bad.xml @/good.xml"_s, 1,
        exactly(u"FAIL @/bad.xml:"_s) + u".+\nOK .+\n"_s, QString());
    row("check names the unreadable file", u"check @/nothere.xml"_s, 2, QString(),
        u"nothere.xml"_s);
    row("check without files", u"check"_s, 2, QString(), u"usage:"_s);

    row("text decodes entities", u"text @/entities.html"_s, 0, exactly(u"\na \u00a9 b\n"_s),
        QString());
    row("text keeps source line feeds", u"text @/spaces.html"_s, 0, exactly(u"x\ny\na\nb\n.\n"_s),
        QString());
    row("text filters line feeds outside paragraphs", u"text --filter-space @/spaces.html"_s, 0,
        exactly(u"xy\na\nb\n.\n"_s), QString());
    row("text names the unreadable file", u"text @/nothere.html"_s, 2, QString(),
        u"nothere.html"_s);

    row("pack names the unreadable input", u"pack @/nothere.xml @/out"_s, 2, QString(),
        u"nothere.xml"_s);
    row("unpack refuses plain XML", u"unpack @/good.xml @/out.xml"_s, 2, QString(), u"good.xml"_s);
    row("pack without output", u"pack @/good.xml"_s, 2, QString(), u"usage:"_s);

    row("query keeps = and & of the text inside its field",
        query + u"--to=de Gr\u00fc\u00dfe~1+1=2~&~{{SRCLANG}}"_s, 0,
        exactly(u"eng\nsl=EN&tl=DE&q=Gr%C3%BC%C3%9Fe%201%2B1%3D2%20%26%20%7B%7BSRCLANG%7D%7D\n"_s),
        QString());
    row("query reads a compressed engine file",
        u"query --translators=@/translators.tdf --from=en --to=de x"_s, 0,
        exactly(u"eng\nsl=EN&tl=DE&q=x\n"_s), QString());
    row("query of an unserved pair", u"query --translators=@/translators.xml --from=de --to=en x"_s,
        3, QString(), u"no engine translates de to en"_s);
    row("query names the unreadable engine file",
        u"query --translators=@/nothere.tdf --from=en --to=de x"_s, 2, QString(), u"nothere.tdf"_s);
}

void TestProfileTool::commands()
{
    QFETCH(QString, arguments);
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
    for (const QString &part : errors.split(u'|'))
        QVERIFY2(err.contains(part), qPrintable(err));
}

void TestProfileTool::extractTree_data()
{
    QTest::addColumn<QString>("arguments");
    QTest::addColumn<QByteArray>("input");

    const QString article = u"extract --url=http://EXAMPLE.com/news/1 "_s;
    QTest::newRow("profile file") << article + u"--profile=@/good.xml @/page.html"_s
                                  << QByteArray();
    QTest::newRow("catalogue with a compressed profile")
        << article + u"--catalogue=@/cat --type=article @/page.html"_s << QByteArray();
    QTest::newRow("page from standard input")
        << article + u"--profile=@/good.xml --site=(s)GI.test -"_s << QByteArray(Page);
}

void TestProfileTool::extractTree()
{
    QFETCH(QString, arguments);
    QFETCH(QByteArray, input);

    const Run result = run(arguments, input);
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
    QCOMPARE(run(u"pack @/plain.xml @/stored.tdf"_s).exitCode, 0);
    QVERIFY(loadXmlDocument(d + u"/stored.tdf"_s));
    QCOMPARE(run(u"unpack @/stored.tdf @/again.xml"_s).exitCode, 0);
    QFile again(d + u"/again.xml"_s);
    QVERIFY(again.open(QIODevice::ReadOnly));
    QCOMPARE(again.readAll(), xml);
}

QTEST_GUILESS_MAIN(TestProfileTool)
#include "tst_profiletool.moc"
