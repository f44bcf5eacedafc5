#include "clsigning.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The profiles of tests/data/profiletool, copied into the fixture folder: good.xml has an article
// page with a title found by a pair pointer, a source that falls back to its default text and the
// page's images, and an index page whose track wants a marker; in trace.xml each topic loses the
// content its own way; bad.xml's fourth line has a point that runs backward from the beginning,
// which no page can satisfy; index.xml reads an index page whose groups name their topic.
const QString data = testkit::sourcePath(u"tests/data/profiletool/"_s);
const QByteArray GoodProfile = testkit::readAll(data + u"good.xml"_s);

const char Page[] = "<html><body><h1>Big news</h1><p>Body</p>"
                    "<img src=\"http://example.com/a.jpg\" alt=\"Photo\"></body></html>";

QString exactly(const QString &text)
{
    return QRegularExpression::escape(text);
}

// From exit code 2 on, texts standard error must hold, split at "|", with nothing on standard
// output; else a pattern for all of standard output, or for standard error after "err:".
struct CommandRow
{
    const char *name;
    QString arguments;
    int exitCode;
    QString expected;
};
const QString extract = "extract --profile=@/good.xml ", news = "--url=http://example.com/news/1 ";
const QString query = "query --translators=@/translators.tdf --from=en ";
const CommandRow commandRows[] = {
    {"no command is a usage error", {}, 2, "usage:"},
    {"extract without url", extract + "@/page.html", 2, "usage:"},
    {"extract names the failing profile element",
     "extract --profile=@/bad.xml " + news + "@/page.html", 2, "bad.xml:4:"},
    {"extract with no page for the URL", extract + "--url=http://elsewhere.org/ @/page.html", 3,
     "no page definition accepts the URL"},
    {"extract with no track for the content",
     extract + "--url=http://example.com/index @/page.html", 3,
     "no track accepts the content|track \"marked\": include \"INDEX-MARKER\" NOT found;"},
    {"trace shows where each topic lost the content",
     "extract --profile=@/trace.xml --url=http://trace.example/a --trace @/page.html", 0,
     u"err:.*topic \\(s\\)GI\\.trace\\.missing \\(ArticleTitle\\)\n  step 1/2 step_pair_point: "
     "null; the chain stops here \\(point A \"<blink>\" \\(forward from begin, occurrence 1\\) was "
     "not found in \\d+ bytes\\)\n.*step 2/2 step_attribute_extract: does not take text.*"_s},
    {"check counts a valid profile", "check @/good.xml", 0,
     exactly("OK @/good.xml: site (s)GI.test, 2 pages, 2 tracks, 3 topics, 5 steps\n")},
    {"check places the failing element, reports every file", "check @/bad.xml @/good.xml", 1,
     exactly("FAIL @/bad.xml:4:") + "\\d+: site\\S*/point_a: .+\nOK .+\n"},
    {"check places the XML error", "check @/broken.xml", 1,
     exactly("FAIL @/broken.xml:3:") + "\\d+: \\S+: .+\n"},
    {"check names the unreadable file", "check @/nothere.xml", 2, "nothere.xml"},
    // Such a profile loads, but its pages would silently read as UTF-8.
    {"check warns about a codeset that cannot be decoded", "check @/codeset.xml", 0,
     "err:" + exactly("@/codeset.xml: warning: codeset \"x-klingon\" cannot be decoded here; pages "
                      "will be read as UTF-8\n")},
    {"check passes a codeset label that names code page 936", "check @/gbk.xml", 0, "err:"},
    // The reader recursed once per topic and crashed at this depth.
    {"check refuses 30,000 nested topics", "check @/deep.xml", 1,
     exactly("FAIL @/deep.xml:7:") +
         "\\d+: \\(document\\): elements nested deeper than 256 levels\n"},
    // Numbers a profile holds are bounded.
    {"check refuses a line count of 2,000,000,000", "check @/lines.xml", 1,
     exactly("FAIL @/lines.xml:6:") +
         "\\d+: \\S+/step_text_format: attribute insert_line is 2000000000, more than 100\n"},
    {"check refuses a paragraph space above the bound", "check @/spaces.xml", 1,
     exactly("FAIL @/spaces.xml:6:") +
         "\\d+: \\S+: attribute paragraph_space_end is 500, more than 100\n"},
    {"text decodes entities", "text @/entities.html", 0, exactly("\na \u00a9 b\n")},
    {"text filters line feeds outside paragraphs", "text --filter-space @/spaces.html", 0,
     exactly("xy\na\nb\n.\n")},
    {"text names the unreadable file", "text @/nothere.html", 2, "nothere.html"},
    {"unpack refuses plain XML", "unpack @/good.xml @/out.xml", 2, "good.xml"},
    {"query keeps = and & of the text inside its field",
     query + "--to=de Gr\u00fc\u00dfe~1+1=2~&~{{SRCLANG}}", 0,
     exactly("eng\nsl=EN&tl=DE&q=Gr%C3%BC%C3%9Fe%201%2B1%3D2%20%26%20%7B%7BSRCLANG%7D%7D\n")},
    {"query of an unserved pair", "query --translators=@/translators.tdf --from=de --to=en x", 3,
     "no engine translates de to en"},
    {"query names the unreadable engine file",
     "query --translators=@/nothere.tdf --from=en --to=de x", 2, "nothere.tdf"},
    {"extract --help lists its options", "extract --help", 0, ".*--trace-full.*"},
    {"no page: the patterns tried and the type's name",
     extract + "--type=article --url=http://elsewhere.org/ @/page.html", 3,
     "page type 2 (news.article)|site (s)GI.test, page art (news.article): include "
     "\"*example.com/news/*\""},
    {"catalogue that lists no site says so",
     "extract --catalogue=@/emptycat " + news + "@/page.html", 2, "lists no site"},
    {"trace-full shows a step's whole output", extract + news + "--trace-full @/long.html", 0,
     u"err:.*step 1/2 step_pair_point: bytes, \\d+ bytes: \"[^\"]*"_s + QString(300, u'x') +
         u"[^.]*step 2/2.*"_s},
    {"a profile the catalogue does not list is named",
     "extract --catalogue=@/cat --url=http://elsewhere.org/ @/page.html", 3,
     "note: unlisted.xml is in"},
    {"--step prints one step's whole output", extract + news + "--step=title:1 @/long.html", 0,
     exactly("<h1>" + QString(300, u'x') + "\n")},
    {"--step names a topic that is not there", extract + news + "--step=nope:1 @/long.html", 3,
     "no topic nope"},
    {"find gives each offset and the HTML around it", "find @/page.html Big", 0,
     exactly("16: <html><body><h1>Big news</h1><p>Body</p>") + "[^\n]+</body></ht\n"},
    {"find decodes with the codeset and hints at another",
     "find @/gbk.html \u4e2d\u6587 --codeset=GBK", 0, exactly("3: <p>\u4e2d\u6587</p>\n")},
    {"find names the encoding a text is in", "find @/gbk.html \u4e2d\u6587", 1,
     "err:.*encoded as GBK.*"},
    {"codeset and declared charset disagree", extract + news + "@/latin.html", 0,
     "err:.*the profile's codeset UTF-8 differs from the charset iso-8859-2.*"},
    {"check reads a folder as catalogue, engine file and profiles", "check @/cat", 0,
     exactly("OK @/cat/sites.xml: site catalogue, 1 entries\nOK @/cat/test.prf: site ") + ".*"},
    {"check skips other data files of a folder with a note", "check @/emptycat", 1,
     exactly("SKIP @/emptycat/filters.xml: not a profile, catalogue or engine file (document "
             "element <filters>)\nFAIL @/emptycat/sites.xml: not a usable site catalogue\n")},
    {"check --health sums the log up per site", "check --health @/health.log", 0,
     exactly("(s)GI.a: 2 misses, profile version 1, 2, last 2026-03-02; most often index: topic t, "
             "step 1/1 step_url_extract found nothing (2 times)\n")},
    {"answer names no target of an unreadable file", "answer @/nothere.txt", 2, ""},
    {"answer refuses a key file that is no key", "answer --key @/good.xml -", 2,
     "not a public key file"},
    // Signing keys are made once and kept private.
    {"keygen writes a pair", "keygen @/k.secret @/k.public", 0, "key id [0-9a-f]{16}\n"},
    {"keygen never overwrites", "keygen @/good.xml @/k2.public", 2, "good.xml"},
    {"keygen needs two files", "keygen @/k3.secret", 2, "usage:"},
};

// The version-check answer grammar, through `tessolin-profile answer`, which reads answers
// exactly as the reader does; JSON is what it prints.
const QByteArray site =
    "TF|IS|V2|B1024|Cc1|Uhttp://one.example/a.xml.ra|Uhttp://two.example/a.xml.ra";
const QByteArray siteJson = "{\"id\": \"(s)GI.a\", \"version\": \"2\", \"bytes\": \"1024\", "
                            "\"checksum\": \"c1\", \"urls\": [\"http://one.example/a.xml.ra\", "
                            "\"http://two.example/a.xml.ra\"], \"message\": \"\"}";
const QByteArray invalid = R"({"valid": false, "targets": [], "endpoints": null})"
                           "\n";
QByteArray withTargets(const QByteArray &targets, const QByteArray &endpoints = "null")
{
    return "{\"valid\": true, \"targets\": [" + (targets.isEmpty() ? "" : "\n  " + targets + '\n') +
           "], \"endpoints\": " + endpoints + "}\n";
}
// The answer of the site target line with one field replaced, and the JSON likewise.
QByteArray line(const QByteArray &replace, const QByteArray &with)
{
    return "TR|R0\n" + QByteArray(site).replace(replace, with) + '\n';
}
QByteArray json(const QByteArray &replace, const QByteArray &with)
{
    return withTargets(QByteArray(siteJson).replace(replace, with));
}
const QByteArray a = "I(s)GI.a", noMessage = R"("message": "")";
struct AnswerRow
{
    const char *name;
    QByteArray answer;
    int exitCode;
    QByteArray json;
};
const AnswerRow answerRows[] = {
    {"first line alone", "TR|R0", 0, withTargets({})},
    {"R1 is invalid", "TR|R1\n", 1, invalid},
    {"CRLF first line is invalid", "TR|R0\r\n", 1, invalid},
    {"leading blank line is invalid", "\nTR|R0\n", 1, invalid},
    {"empty answer is invalid", "", 1, invalid},
    {"site target, two URLs in field order", line("IS", a), 0, json("", "")},
    {"no checksum: no target", line("|Cc1", ""), 0, withTargets({})},
    {"no id: no target", line("|IS", ""), 0, withTargets({})},
    {"no version: no target", line("|V2", ""), 0, withTargets({})},
    {"no URL: no target", "TR|R0\nTF|I(s)GI.a|V2|B1|Cc1\n", 0, withTargets({})},
    {"bare B is 0", line("B1024", "B").replace("IS", a), 0, json("\"1024\"", "\"0\"")},
    {"absent B stays empty", line("|B1024", "").replace("IS", a), 0, json("\"1024\"", "\"\"")},
    {"message is percent-decoded", line("IS", a + "|MHello%20World"), 0,
     json(noMessage, R"("message": "Hello World")")},
    {"message bytes are one character each", line("IS", a + "|Mcaf%E9%0Aline"), 0,
     json(noMessage, R"("message": "café\nline")")},
    {"message in UTF-8", line("IS", a + "|MGr%C3%B6%C3%9Fe%20%E6%96%B0"), 0,
     json(noMessage, R"("message": "Größe 新")")},
    {"message of cut UTF-8 is one character a byte", line("IS", a + "|Ma%E6%96"), 0,
     json(noMessage, "\"message\": \"a\u00e6\u0096\"")},
    {"later field wins, U appends", line("IS", "I(s)GI.x|V1|" + a), 0, json("", "")},
    {"unknown letters and empty fields are ignored", line("IS", "|Xjunk||" + a + "|"), 0,
     json("", "")},
    {"line of one field and unknown records are ignored",
     "TR|R0\nTF\nZZ|I(s)GI.b|V1|Cc|Uhttp://b.example/\n\n" + line("IS", a).mid(6), 0, json("", "")},
    {"a NUL ends the answer",
     line("IS", a) + QByteArray("\0TF|I(s)GI.b|V1|Cc|Uhttp://b.example/\n", 38), 0, json("", "")},
    {"id bytes are one character each", line("IS", "I(s)GI.\xe9"), 0, json("(s)GI.a", "(s)GI.é")},
    {"TV names the endpoints", "TR|R0\nTV|Uhttp://a.example/vc|Xno|Uhttps://b.example/v\n", 0,
     withTargets({}, "[\"http://a.example/vc\", \"https://b.example/v\"]")},
    {"TV without a web address names none",
     "TR|R0\nTV|U|Uftp://a.example/|Ufile:///vc|Ujavascript:x\n", 0, withTargets({})},
    {"the last TV with an endpoint wins",
     "TR|R0\nTV|Uhttp://a.example/\nTV|Uhttp://b.example/\nTV|Ux\n", 0,
     withTargets({}, "[\"http://b.example/\"]")},
    {"file: and data: URLs are dropped",
     line("Uhttp://one", "Ufile:///etc/passwd|Udata:,x|Uhttp://one").replace("IS", a), 0,
     json("", "")},
    {"target with only unsafe URLs is dropped",
     "TR|R0\nTF|I(s)GI.a|V1|B1|Cc|Ufile:///x|Uhttp://|Uhttp://a b/\n", 0, withTargets({})},
    {"control character in an id drops the target", line("IS", "I(s)GI.\ta"), 0, withTargets({})},
    {"repeated id keeps the first", line("IS", a) + line("IS", a).mid(6).replace("V2", "V3"), 0,
     json("", "")},
    {"JSON special characters are escaped", line("IS", a + "|M%22%5C%01"), 0,
     json(noMessage, "\"message\": \"\\\"\\\\\\u0001\"")},
    {"message is cut at 4096 characters", line("IS", a + "|M" + QByteArray(5000, 'm')), 0,
     json(noMessage, "\"message\": \"" + QByteArray(4096, 'm') + '"')},
    {"answer over 1 MiB is invalid", "TR|R0\n" + QByteArray(1024 * 1024, 'x'), 1, invalid},
};

// Every key of `expected` has its value in `actual`; newer keys may be added.
bool holds(const QJsonValue &actual, const QJsonValue &expected)
{
    if (expected.isObject()) {
        const QJsonObject want = expected.toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (!actual.toObject().contains(it.key()) || !holds(actual[it.key()], it.value()))
                return false;
        }
        return actual.isObject();
    }
    if (expected.isArray()) {
        const QJsonArray want = expected.toArray();
        if (!actual.isArray() || actual.toArray().size() != want.size())
            return false;
        for (qsizetype i = 0; i < want.size(); ++i) {
            if (!holds(actual.toArray().at(i), want.at(i)))
                return false;
        }
        return true;
    }
    return actual == expected;
}

// answer: signed with key A unless it holds a TS record or ends in "#" (sent unsigned, without
// the "#"); keys: the key files given ("A", "B"); tamper: "FROM>TO" or "+LINE" after signing;
// expect: "signed;keyId;endpointsUsable;usable[:refusal]..." with keyId "A" for key A's, "-" none.
const QByteArray sha = QByteArray(64, 'a');
const QByteArray signedAll = "TR|R0\nTF|I(s)GI.a|V2|B10|C" + sha + "|Uhttp://a.example/a.xml\n" +
                             "TF|I(a)setup|V9|B10|C" + sha + "|Uhttp://a.example/s.exe\n" +
                             "TV|Uhttp://b.example/vc\n";
QByteArray siteTargets(int count, const QByteArray &size)
{
    QByteArray many = "TR|R0\n";
    for (int i = 0; i < count; ++i)
        many += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B" + size + "|C" + sha +
                "|Uhttp://a/n.xml\n";
    return many;
}
struct SignatureRow
{
    const char *name;
    QByteArray answer;
    const char *keys;
    QByteArray tamper;
    const char *expect;
};
const SignatureRow signatureRows[] = {
    {"valid signature", signedAll, "A", "", "1;A;1;1;1"},
    {"either of two keys", signedAll, "BA", "", "1;A;1;1;1"},
    {"tampered byte", signedAll, "A", "V2>V3", "0;A;0;1;0:unsigned answer"},
    {"wrong key", signedAll, "B", "", "0;A;0;1;0:unsigned answer"},
    {"no key given", signedAll, "", "", "0;A;0;1;0:unsigned answer"},
    {"record not last", signedAll, "A", "+TF|I(s)GI.b|V1|B1|C" + sha + "|Uhttp://x/b\n",
     "0;A;0;1;0:unsigned answer;1"},
    {"unknown key id", signedAll + "TS|K0123456789abcdef|S" + QByteArray(64, 'x').toBase64() + "\n",
     "A", "", "0;0123456789abcdef;0;1;0:unsigned answer"},
    {"unsigned answer", signedAll + "#", "A", "", "0;-;0;1;0:unsigned answer"},
    {"size 0", "TR|R0\nTF|I(s)GI.a|V2|B0|C" + sha + "|Uhttp://a/a.xml\n", "A", "",
     "1;A;0;0:size 0"},
    {"bare B", "TR|R0\nTF|I(s)GI.a|V2|B|C" + sha + "|Uhttp://a/a.xml\n", "A", "", "1;A;0;0:size 0"},
    {"checksum not hex", "TR|R0\nTF|I(s)GI.a|V2|B5|C0|Uhttp://a/a.xml\n", "A", "",
     "1;A;0;0:checksum not hex"},
    {"MD5 and SHA-1 are compared",
     "TR|R0\nTF|I(s)GI.a|V2|B5|C" + QByteArray(32, 'b') + "|Uhttp://a/a.xml\nTF|I(r)e|V2|B5|C" +
         QByteArray(40, 'c') + "|Uhttp://a/e.xml\n",
     "A", "", "1;A;0;1;1"},
    {"installer without SHA-256",
     "TR|R0\nTF|I(a)s|V2|B5|C" + QByteArray(40, 'c') + "|Uhttp://a/s.exe\n", "A", "",
     "1;A;0;0:installer without SHA-256"},
    {"profile over 1 MiB", "TR|R0\nTF|I(s)GI.a|V2|B1048577|C" + sha + "|Uhttp://a/a.xml\n", "A", "",
     "1;A;0;0:larger than 1048576 bytes"},
    // A refusal of the whole answer is written at every target, which is still listed.
    {"2,001 targets are refused whole", siteTargets(2001, "5"), "A", "",
     "1;A;0;0:2001 targets, more than 2000"},
    {"300 MB of profiles are refused whole", siteTargets(300, "1000000"), "A", "",
     "1;A;0;0:300000000 bytes of files, more than 268435456"},
};

// GoodProfile with TEXT after the title's text step.
QByteArray inTitle(const QByteArray &text)
{
    return QByteArray(GoodProfile)
        .replace("<step_text_extract/></topic>", "<step_text_extract/>" + text + "</topic>");
}

// Output compared with tests/data/profiletool/FILE to the byte: scripts read it.
struct TreeRow
{
    const char *name, *file;
    QString arguments;
    QByteArray input = {};
};
const QString upper = "extract --url=http://EXAMPLE.com/news/1 ";
const TreeRow treeRows[] = {
    {"profile file", "article-tree.json", upper + "--profile=@/good.xml @/page.html"},
    {"catalogue with a compressed profile", "article-tree.json",
     upper + "--catalogue=@/cat --type=article @/page.html"},
    {"page from standard input", "article-tree.json",
     upper + "--profile=@/good.xml --site=(s)GI.test -", Page},
    // Groups name the topic that produced them, and text escapes stay valid JSON.
    {"index page", "index-tree.json",
     "extract --profile=@/index.xml --url=http://idx.example/ @/index.html"},
};

// Each mistake an author made that the reader takes silently: `check` refuses it and names what
// is allowed (the last row only warns).
struct MistakeRow
{
    const char *name, *from, *to, *expected;
};
const MistakeRow mistakeRows[] = {
    {"misspelt step", "<step_text_extract/>", "<step_text_extrct/>",
     "unknown element <step_text_extrct> inside <topic>; allowed there: \"i18n\", \"topic\""},
    {"misspelt attribute", "<step_text_extract/>", "<step_text_format paragraph_lines='1'/>",
     "unknown attribute paragraph_lines; <step_text_format> takes \"insert_line\""},
    {"switch other than yes/no", "<step_text_extract/></topic>",
     "<step_section_cutter cut_all='false'><start_pattern>a</start_pattern><end_pattern>b"
     "</end_pattern></step_section_cutter></topic>",
     "attribute cut_all has unknown value \"false\"; allowed: \"yes\", \"no\""},
    {"unknown topic type", "type=\"article-title\"", "type=\"article-headline\"",
     "attribute type has unknown value \"article-headline\"; allowed: \"article-index\""},
    {"page type without its prefix", "type=\"news.article\"", "type=\"article\"",
     "attribute type has unknown value \"article\"; allowed: \"news.index\", \"news.article\""},
    {"number that is none", "type=\"news.index\"", "type=\"news.index\" offset=\"x\"",
     "attribute offset=\"x\" is not a whole number"},
    {"point B that searches from the top", "<point_b from=\"previous\">", "<point_b>",
     "warning: point_b has no from: its search starts at the page's top"},
};

// The self-test contract scripts rely on: one line per case, then the counts. The case is HEAD
// with REST, whose keys replace the head's (the JSON reader keeps the last one).
const QByteArray caseHead =
    R"({"url": "http://example.com/news/1", "page": "../page.html", "type": "article", )";
struct CaseRow
{
    const char *name, *rest;
    int exitCode;
    const char *line; // before the counts, which its first word gives
};
const CaseRow caseRows[] = {
    {"pass",
     R"("expect": {"kindName": "ArticlePage", "children": [{"value": {"text": "Big news"}}, {}, {"value": {"title": "Photo"}}]}})",
     0, "PASS pass\n"},
    {"text", R"("expect": {"children": [{"value": {"text": "Small news"}}, {}, {}]}})", 1,
     "FAIL text: $.children[0].value.text: expected \"Small news\", got \"Big news\"\n"},
    {"count", R"("expect": {"children": [{}]}})", 1,
     "FAIL count: $.children: expected 1 elements, got 3 elements\n"},
    {"missing", R"("expect": {"value": {"no key": null}}})", 1,
     "FAIL missing: $.value[\"no key\"]: expected null, got nothing\n"},
    {"kinds", R"("expect": {"children": [{"value": []}, {}, {}]}})", 1,
     "FAIL kinds: $.children[0].value: expected [], got {\"text\":\"Big "
     "news\",\"type\":\"Text\"}\n"},
    {"corpus", R"("expect": {}, "page": "corpus:absent"})", 0,
     "SKIP corpus: corpus page absent is not in @/nocorpus\n"},
    {"index", R"("expect": {}, "type": "index"})", 1,
     "FAIL index: $: expected a tree, got nothing (no page definition accepts the URL "
     "http://example.com/news/1 for page type 1 (news.index); URL patterns tried: site (s)GI.test, "
     "page idx (news.index): include \"*example.com/index*\")\n"},
    {"no expect", R"("page2": 1})", 2, ""},
    {"bad type", R"("expect": {}, "type": "story"})", 2, ""},
};

struct PackRow
{
    const char *name;
    QByteArray xml;
};
const PackRow packRows[] = {
    {"profile with declaration", GoodProfile},
    {"non-ASCII text, CRLF line ends and a byte order mark",
     "\xef\xbb\xbf<a>\r\n<b>Gr\xc3\xbc\xc3\x9f"
     "e</b>\r\n</a>\r\n"},
};

} // namespace

#ifndef TESSOLIN_PROFILE_TOOL
#define TESSOLIN_PROFILE_TOOL ""
#endif

class TestProfileTool : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QByteArray m_publicA, m_secretA; // the key the signature rows sign with, in A.pub

    bool write(const QString &name, const QByteArray &bytes) const
    {
        return testkit::writeAll(m_dir.filePath(name), bytes);
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
        for (const QString &name : QDir(data).entryList({u"*.xml"_s}))
            QVERIFY(QFile::copy(data + name, m_dir.filePath(name)));
        const std::pair<const char *, QByteArray> files[] = {
            {"broken.xml", "<site>\n<page>\n</site>\n"},
            {"codeset.xml",
             QByteArray(GoodProfile).replace("UTF-8\" version", "x-klingon\" version")},
            {"gbk.xml", QByteArray(GoodProfile).replace("UTF-8\" version", "cp936\" version")},
            {"deep.xml",
             inTitle("\n" + QByteArray("<topic name='D' id='d' type='x'>").repeated(30000) +
                     QByteArray("</topic>").repeated(30000))},
            {"page.html", Page},
            {"entities.html", "<p>a &copy; b</p>"},
            {"spaces.html", "x\ny<p>a\nb</p>."},
            {"translators.tdf", packXml(testkit::readAll(data + u"translators.xml"_s))},
            {"cat/test.prf", packXml(GoodProfile)},
            {"long.html", "<p><h1>" + QByteArray(300, 'x') + "</h1>"},
            {"gbk.html", "<p>\xd6\xd0\xce\xc4</p>"},
            {"latin.html", "<meta charset=\"iso-8859-2\"><h1>Big news</h1>"},
            {"emptycat/sites.xml", "<sites/>"},
            {"emptycat/filters.xml", "<filters/>"},
            {"cat/unlisted.xml", GoodProfile},
            {"health.log",
             "2026-03-01\t(s)GI.a\t1\tindex\ttopic t, step 1/1 step_url_extract found "
             "nothing\n2026-03-02\t(s)GI.a\t2\tindex\ttopic t, step 1/1 "
             "step_url_extract found nothing\n"},
            {"cat/sites.xml",
             R"(<sites><site id="(s)GI.test" version="1" file="test.prf"/></sites>)"},
            {"lines.xml", inTitle("<step_text_format insert_line=\"2000000000\"/>")},
            {"spaces.xml", inTitle("<step_text_format paragraph_space_end=\"500\"/>")},
            {"index.html", "<a href=\"/a\">Quote \"x\" back\\slash\rreturn\x01</a>"}};
        for (const auto &[name, bytes] : files)
            QVERIFY(write(name, bytes));
        QByteArray publicB, secretB;
        QVERIFY(makeSigningKeyPair(&m_publicA, &m_secretA) &&
                makeSigningKeyPair(&publicB, &secretB));
        QVERIFY(writeKeyFile(m_dir.filePath(u"A.pub"_s), m_publicA, false));
        QVERIFY(writeKeyFile(m_dir.filePath(u"B.pub"_s), publicB, false));
    }

    void commands_data() { testkit::rows(commandRows); }
    void commands()
    {
        const CommandRow &r = testkit::current(commandRows);
        const auto [code, out, err] = run(r.arguments);
        QVERIFY2(code == r.exitCode, qPrintable(u"exit %1, stderr: %2"_s.arg(code).arg(err)));
        if (r.exitCode >= 2) {
            QVERIFY(out.isEmpty());
            for (const QString &part : r.expected.split(u'|'))
                QVERIFY2(QString::fromUtf8(err).contains(part), err.constData());
            return;
        }
        const bool onError = r.expected.startsWith(u"err:"_s);
        const QRegularExpression pattern(
            QRegularExpression::anchoredPattern(
                r.expected.mid(onError ? 4 : 0).replace(u'@', m_dir.path())),
            QRegularExpression::DotMatchesEverythingOption);
        const QByteArray &checked = onError ? err : out;
        QVERIFY2(pattern.match(QString::fromUtf8(checked)).hasMatch(), checked.constData());
        if (r.arguments.startsWith(u"keygen @/k."_s)) {
            QCOMPARE(QFile::permissions(m_dir.filePath(u"k.secret"_s)) & 0x0077,
                     QFileDevice::Permissions());
            QCOMPARE(std::get<0>(run(r.arguments)), 2); // the pair exists now
        }
    }

    void extractTree_data() { testkit::rows(treeRows); }
    void extractTree()
    {
        const TreeRow &r = testkit::current(treeRows);
        const auto [code, out, err] = run(r.arguments, r.input);
        QVERIFY2(code == 0, err.constData());
        QVERIFY(!QJsonDocument::fromJson(out).isNull());
        QCOMPARE(out, testkit::readAll(data + r.file));
    }

    void packRoundTrip_data() { testkit::rows(packRows); }
    void packRoundTrip()
    {
        const QByteArray &xml = testkit::current(packRows).xml;
        QVERIFY(write(u"plain.xml"_s, xml));
        QCOMPARE(std::get<0>(run(u"pack @/plain.xml @/stored.tdf"_s)), 0);
        QVERIFY(loadXmlDocument(m_dir.filePath(u"stored.tdf"_s)));
        QCOMPARE(std::get<0>(run(u"unpack @/stored.tdf @/again.xml"_s)), 0);
        QCOMPARE(testkit::readAll(m_dir.filePath(u"again.xml"_s)), xml);
    }

    void answers_data() { testkit::rows(answerRows); }
    void answers()
    {
        const AnswerRow &r = testkit::current(answerRows);
        QVERIFY(write(u"answer.txt"_s, r.answer));
        // From a file and from standard input alike.
        for (const auto &[arguments, input] : {std::pair(u"answer @/answer.txt"_s, QByteArray()),
                                               std::pair(u"answer -"_s, r.answer)}) {
            const auto [code, out, err] = run(arguments, input);
            QVERIFY2(holds(QJsonDocument::fromJson(out).object(),
                           QJsonDocument::fromJson(r.json).object()),
                     out.constData());
            QCOMPARE(code, r.exitCode);
        }
    }

    // A signature verifies only with a given key, over the exact bytes, as the last line.
    void signatures_data() { testkit::rows(signatureRows); }
    void signatures()
    {
        const SignatureRow &r = testkit::current(signatureRows);
        QByteArray answer = r.answer;
        if (answer.endsWith('#'))
            answer.chop(1);
        else if (!answer.contains("\nTS|"))
            answer = signAnswer(answer, m_secretA);
        if (r.tamper.startsWith('+'))
            answer += r.tamper.mid(1);
        else if (!r.tamper.isEmpty())
            answer.replace(r.tamper.left(r.tamper.indexOf('>')),
                           r.tamper.mid(r.tamper.indexOf('>') + 1));
        QString arguments = u"answer"_s;
        for (const char *key = r.keys; *key; ++key)
            arguments += u" --key @/"_s + QChar::fromLatin1(*key) + u".pub"_s;
        const auto [code, out, err] = run(arguments + u" -"_s, answer);
        QCOMPARE(code, 0);
        const QJsonObject json = QJsonDocument::fromJson(out).object();
        const auto flag = [](const QJsonValue &on) { return on.toBool() ? u"1"_s : u"0"_s; };
        QStringList got{flag(json[u"signed"_s]),
                        json[u"keyId"_s].isNull()
                            ? u"-"_s
                            : json[u"keyId"_s].toString().replace(signingKeyId(m_publicA), u"A"_s),
                        flag(json[u"endpointsUsable"_s])};
        for (const QJsonValue target : json[u"targets"_s].toArray()) {
            const QString refusal = target[u"refusal"_s].toString();
            got << flag(target[u"usable"_s]) + (refusal.isEmpty() ? QString() : u':' + refusal);
        }
        if (got.size() > 300) { // a refusal of the whole answer: one target stands for all
            QCOMPARE(got.count(got.last()), got.size() - 3);
            got = got.first(4);
        }
        QCOMPARE(got.join(u';'), QString::fromLatin1(r.expect));
    }

    // Server text reaches the terminal with every control character escaped.
    void terminalSafe()
    {
        const auto [code, out, err] = run(
            u"answer -"_s, "TR|R0\nTF|I(s)GI.a|V1|B5|C" + QByteArray(64, 'a') +
                               "|Uhttp://a/a.xml|M%1B[2J%7F%C2%9B%9B\nTF|I(s)GI.b\x1b]0;x\x07|V1|"
                               "B5|C0|Uhttp://a/b\x1b.xml\n");
        const QByteArray all = out + err;
        QVERIFY2(all.contains("\\u001b[2J\\u007f\xc3\x82\\u009b\\u009b"), all.constData());
        for (const char *bad : {"\x1b", "\x7f", "\xc2\x9b", "\x07"})
            QVERIFY2(!all.contains(bad), all.toPercentEncoding().constData());
    }

    void checkRefuses_data() { testkit::rows(mistakeRows); }
    void checkRefuses()
    {
        const MistakeRow &r = testkit::current(mistakeRows);
        QVERIFY(write(u"mistake.xml"_s, QByteArray(GoodProfile).replace(r.from, r.to)));
        const auto [code, out, err] = run(u"check @/mistake.xml"_s);
        const bool warning = QByteArray(r.expected).startsWith("warning");
        QCOMPARE(code, warning ? 0 : 1);
        QVERIFY2((warning ? err : out).contains(r.expected), (out + err).constData());
    }

    void caseTest_data() { testkit::rows(caseRows); }
    void caseTest()
    {
        const CaseRow &r = testkit::current(caseRows);
        const QString name = QString::fromLatin1(r.name);
        QVERIFY(write(u"cases/"_s + name + u".json"_s, caseHead + r.rest));
        const auto [code, out, err] = run(u"test --catalogue=@/cat --corpus=@/nocorpus @/cases/"_s +
                                          QString(name).replace(u' ', u'~') + u".json"_s);
        QVERIFY2(code == r.exitCode, err.constData());
        const QString line = QString::fromUtf8(r.line).replace(u'@', m_dir.path());
        const auto count = [&line](const char *word) { return int(line.startsWith(word)); };
        QCOMPARE(QString::fromUtf8(out),
                 line + u"%1 passed, %2 failed, %3 skipped\n"_s.arg(count("PASS"))
                            .arg(count("FAIL"))
                            .arg(count("SKIP")));
    }
};

QTEST_GUILESS_MAIN(TestProfileTool)
#include "tst_profiletool.moc"
