// The text utilities, the scanner that walks a page's links and images as they do, and the
// step that decodes the inside of a JSON string.

#include "clelement.h"
#include "cljsonstep.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmlscanner.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

QByteArray header(quint32 size)
{
    const char bytes[] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    return QByteArray(bytes, 4);
}

struct TextRow
{
    const char *name;
    QString in, out;
    bool filterSpace = false, decode = true;
};
const TextRow textRows[] = {
    {"empty-input-gives-null", "", QString()},
    {"fragment-begins-inside-tag", "class=\"x\">Hello <b>World</b>", "Hello World"},
    {"fragment-without-any-tag-open", "junk>rest", "rest"},
    {"gt-at-position-zero-is-text", ">abc", ">abc"},
    {"unterminated-tag-drops-rest", "a<b class", "a"},
    {"comment-hides-tags", "a<!-- <p>x</p> -->b", "ab"},
    {"unterminated-comment-drops-rest", "a<!-- never closed", "a"},
    {"comment-marker-outside-comment-discards", "<b>old</b> --> new", "new"},
    {"p-adds-line-feeds-any-case", "a<p>b</P>c", "a\nb\nc"},
    {"closing-p-at-end-is-ordinary-tag", "a<p>b</p>", "a\nb"},
    {"br-forms", "a<br>b<BR />c", "a\nb\nc"},
    {"filter-space-drops-source-breaks", "a\nb\tc", "abc", true},
    {"filter-space-keeps-breaks-inside-paragraph", "x<p>a\nb</p>c\nd", "x\na\nb\ncd", true},
    {"filter-space-off-keeps-breaks", "a\nb\tc", "a\nb\tc"},
    {"leading-and-double-spaces", "  a  b", "a b"},
    {"space-after-line-feed-kept", "a<br> b", "a\n b"},
    {"style-mixed-case-dropped", "a<STYLE type=x>p{}</Style>b", "ab"},
    {"script-with-markup-dropped", "a<script>if (x<y) w('<p>')</script>b", "ab"},
    {"unterminated-script-ends-output", "a<script>x</scrip>b", "a"},
    {"numeric-reference", "&#65;", "A"},
    {"numeric-int-overflow-kept", "&#2147483648;", u"\ufffd"_s},
    {"numeric-four-digit-form", "&#0065x", "Ax"},
    {"numeric-four-digit-form-too-short", "&#65", "&#65"},
    {"hex-reference-not-decoded", "&#x41;", "A"},
    {"numeric-above-16-bits-keeps-low-bits", "&#65601;", u"\U00010041"_s},
    {"numeric-negative-not-appended", "&#-65;", "&#-65;"},
    {"table-entity", "&copy; 2024", u"\u00a9 2024"_s},
    {"amp-decodes", "Rail &amp; ferry", "Rail & ferry"},
    {"escaped-markup-decodes-to-text", "&lt;b&gt;x&lt;/b&gt;", "<b>x</b>"},
    {"apos-and-capital-y-diaeresis", "l&apos;&Yuml;", u"l'\u0178"_s},
    {"unknown-name-drops-only-ampersand", "&bogus; &AMP;", "&bogus; &AMP;"},
    {"gt-before-text", "&gt;x", ">x"},
    {"gt-at-end", "&gt;", ">"},
    {"bare-gt-semicolon-in-text", "aGT;b", "a>b"},
    {"bare-gt-semicolon-at-end-stays", "agt;", "agt;"},
    {"ampersand-without-semicolon", "a & b", "a & b"},
    {"ampersand-before-semicolon", "a&;b", "a&;b"},
    {"unknown-then-consecutive-entities", "&x &copy;&euro;", u"&x \u00a9\u20ac"_s},
    {"decode-off-copies-ampersand-still-reads-gt", "&copy;&gt;x", "&copy;&>x", false, false},
    // References a browser reads; an '&' that starts none stays text.
    {"ref &#x27;", "&#x27;", u"'"_s},
    {"ref &#X1F600;", "&#X1F600;", u"\U0001F600"_s},
    {"ref AT&T", "AT&T", "AT&T"},
    {"ref &#99999999;", "&#99999999;", u"\ufffd"_s},
    {"ref &#xD800;", "&#xD800;", u"\ufffd"_s},
    {"ref &#0;", "&#0;", u"\ufffd"_s},
    {"ref &#x110000;", "&#x110000;", u"\ufffd"_s},
    {"ref &#xG1;", "&#xG1;", "&#xG1;"},
    {"ref &#x;", "&#x;", "&#x;"},
    {"ref a&b;c", "a&b;c", "a&b;c"},
    {"ref agt;b", "agt;b", "a>b"},
    // Lines break where a browser breaks them, never at the very start or end.
    {"break br forms", "a<br/>b<BR class=x>c", "a\nb\nc", true},
    {"break heading", "<h2>Deck</h2>First", "Deck\nFirst", true},
    {"break list", "<ul><li>one</li> <li>two</li></ul>after", "one\ntwo\nafter", true},
    {"break div", "a<div class=\"x\">b</div>c", "a\nb\nc", true},
    {"break nested div, none at ends", "<div><div>a</div></div>", "a", true},
    {"break inline none", "a<span>b</span><b>c</b>", "abc", true},
    {"break lookalike tags none", "a<bdi>b</bdi><divx>c", "abc", true},
    {"break drops following spaces", "<h1>T</h1>\n  &amp; more", "T\n& more", true},
};

enum Lookup { AttributeValue, TagAttribute, ElementText };
struct LookupRow
{
    const char *name;
    Lookup lookup;
    QString text, attr, expected;
    int end = -1, from = 0; // end: unused by findAttributeValue
    bool sensitive = true;
};
constexpr Lookup av = AttributeValue, ta = TagAttribute, el = ElementText;
const LookupRow lookupRows[] = {
    {"value-single-quoted", av, "<img alt='x'>", "alt", "x"},
    {"value-unquoted-ends-at-space", av, "<img alt=x title=y>", "alt", "x"},
    {"value-minimal-stops-at-first-quote", av, "<a title=\"a\" alt=\"b\">", "title", "a"},
    {"value-quoted-searched-before-unquoted", av, "<img alt=x> <img alt=\"y\">", "alt", "y"},
    {"value-tab-before-name-not-matched", av, "<img\talt=\"x\">", "alt", {}},
    {"value-case-insensitive", av, "<img ALT=\"x\">", "alt", "x", -1, 0, false},
    {"value-from-skips-earlier", av, "<a alt=\"1\"> <b alt=\"2\">", "alt", "2", -1, 10},
    {"value-invalid-pattern-name", av, "<img alt=\"x\">", "a(", {}},
    {"attr-double-quoted", ta, "<img src=\"a.jpg\">", "src", "a.jpg", 15},
    {"attr-unquoted-ends-at-space", ta, "<img src=a.jpg alt=x>", "src", "a.jpg", 14},
    {"attr-unquoted-ends-at-gt", ta, "<img src=a.jpg>", "src", "a.jpg", 14},
    {"attr-tail-of-longer-name-rejected", ta, "<img datasrc=\"a.jpg\">", "src", {}},
    {"attr-no-second-try-after-tail-match", ta, "<img datasrc=\"a\" src=\"b\">", "src", {}},
    {"attr-dash-is-not-part-of-name", ta, "<img data-src=\"a\">", "src", "a", 16},
    {"attr-white-space-around-equals", ta, "<img src \t= \"a\">", "src", "a", 14},
    {"attr-tab-after-equals-not-skipped", ta, "<img src=\t\"a\">", "src", "\t\"a\"", 13},
    {"attr-case-insensitive", ta, "<IMG SRC=\"a\">", "src", "a", 11, 0, false},
    {"attr-case-sensitive-miss", ta, "<IMG SRC=\"a\">", "src", {}},
    {"attr-empty-value", ta, "<img src=\"\">", "src", {}},
    {"attr-unterminated-quote", ta, "<img src=\"a.jpg", "src", {}},
    {"element-bare-form-searched-first", el, "<a href=\"u\">one</a><a>two</a>", "a", "two", 29},
    {"element-longer-tag-not-taken", el, "<ab>x</ab><a >y</a>", "a", "y", 19},
    {"element-inner-markup-kept", el, "<p><b>x</b></p>", "p", "<b>x</b>", 15},
    {"element-case-insensitive", el, "<TITLE>x</Title>", "title", "x", 16, 0, false},
    {"element-case-sensitive-miss", el, "<TITLE>x</Title>", "title", {}},
    {"element-missing-close", el, "<b>x", "b", {}},
};

// The position after the match, [src or href] [alt or link text], "null" for a null first
// output; "(unset)" for an output left alone.
struct FindRow
{
    const char *name;
    bool image;
    QString text;
    int from;
    QString expected;
};
const FindRow findRows[] = {
    {"img-alt-then-src-ends-at-later", 1, "<img alt=\"An\" src=\"a.jpg\">", 0, "24 [a.jpg] [An]"},
    {"img-no-alt-gives-src-end", 1, "<IMG SRC=\"a\">", 0, "11 [a] []"},
    {"img-lookup-not-bounded-by-tag", 1, "<img alt=\"x\"><a src=\"b\">", 0, "22 [b] [x]"},
    {"img-no-src", 1, "<img alt=\"x\">", 0, "-1 [] [(unset)] null"},
    {"img-line-feed-after-img-not-matched", 1, "<img\nsrc=\"a\">", 0, "-1 [(unset)] [(unset)]"},
    {"link-inner-html-kept", 0, "<A HREF='u'><b>T</b></A>!", 0, "24 [u] [<b>T</b>]"},
    {"link-from-selects-later-link", 0, "<a href=\"1\">A</a><a href=\"2\">B</a>", 10, "34 [2] [B]"},
    {"link-no-href", 0, "<a name=\"x\">T</a>", 0, "-1 [] [(unset)] null"},
    {"link-empty-text", 0, "<a href=\"u\"></a>", 0, "-1 [u] []"},
};

// Whitespace-only text must be dropped and the undeclared prefix read as part of the name.
const QByteArray xml("<?xml version=\"1.0\"?><root>\n  <p:item> text </p:item>\n</root>\n");
const QByteArray body = packXml(xml).mid(4);
QByteArray nested(int depth, const QByteArray &inside = {})
{
    return QByteArray("<a>").repeated(depth) + inside + QByteArray("</a>").repeated(depth);
}
const QString tooDeep = u"elements nested deeper than %1 levels"_s.arg(MaxXmlDepth);
struct LoadRow
{
    const char *name, *file;
    QByteArray content;
    QString reason; // start of the reason, "?" for any; empty when it loads
    int line = -1;  // where the failure is reported; -1 unchecked
};
const LoadRow loadRows[] = {
    {"plain-xml", "plain.xml", xml, {}},
    {"upper-case-extension-is-plain", "PLAIN.XML", xml, {}},
    {"no-extension-is-compressed", "data", packXml(xml), {}},
    {"qt-compressed-layout-loads", "data", qCompress(xml), {}},
    {"declared-larger-than-data", "a.tdf", header(quint32(xml.size() + 10)) + body, {}},
    {"declared-smaller-than-data", "a.tdf", header(quint32(xml.size() - 1)) + body, "?"},
    {"plain-text-under-tdf-rejected", "plain.tdf", xml, "?"},
    {"compressed-under-xml-rejected", "packed.xml", packXml(xml), "?"},
    {"truncated-stream", "a.tdf", packXml(xml).chopped(5), "?"},
    {"short-header", "a.tdf", QByteArray("\0\0", 2), "?"},
    {"corrupt-stream", "corrupt.tdf", header(200) + "garbage", "?"},
    {"declared-size-bomb", "bomb.tdf", header(0x80000000u) + body, "?"},
    // Well-formed XML beyond a declared size at the cap: only the real-size cap stops it.
    {"inflation-bomb", "bomb.tdf",
     header(quint32(MaxXmlDataSize)) +
         qCompress("<r>" + QByteArray(MaxXmlDataSize, ' ') + "</r>", 1).mid(4),
     "?"},
    {"compressed-not-well-formed", "broken.tdf", packXml("<root><item></root>"), "?"},
};
const LoadRow depthRows[] = {
    {"nesting at the limit loads", "deep.xml", nested(MaxXmlDepth), {}},
    {"one level deeper is refused where it starts", "deep.xml",
     "<a>\n" + nested(MaxXmlDepth - 1, "\n<b/>"), tooDeep, 3},
    // Without the streaming check the DOM parser spends minutes on this.
    {"bare nesting of 200,000 levels is refused", "bomb.xml", nested(200000), tooDeep, 1},
    {"compressed deep nesting is refused", "bomb.tdf", packXml(nested(100000)), tooDeep, 1},
    {"markup inside CDATA is not nesting", "cdata.xml",
     "<a><![CDATA[" + QByteArray("<b>").repeated(5000) + "]]></a>", ""},
    {"a syntax error before deep nesting is reported as such", "broken.xml",
     "<a x=>" + nested(MaxXmlDepth + 1), "not well-formed XML", 1},
};

// One lookup's result and its two outputs, as the image and link rows give them.
QString lookup(bool link, const QString &text, HtmlScanner *scanner, int from)
{
    QString first = u"(unset)"_s, second = u"(unset)"_s;
    const int result = link ? (scanner ? scanner->findLink(from, first, second)
                                       : findLink(text, from, first, second))
                            : (scanner ? scanner->findImage(from, first, second)
                                       : findImage(text, from, first, second));
    return u"%1 [%2] [%3]%4"_s.arg(result).arg(first, second, first.isNull() ? u" null"_s : u""_s);
}

// Where the scanner and the one-lookup-at-a-time utilities first differ, or an empty string.
QString firstDifference(const QString &text)
{
    for (const bool link : {true, false}) {
        const char *what = link ? "link" : "image";
        // As the URL extractor walks: from each result to the next.
        HtmlScanner walker(text);
        for (int from = 0;;) {
            const QString expected = lookup(link, text, nullptr, from);
            const QString found = lookup(link, text, &walker, from);
            if (found != expected)
                return u"%1 walk from %2: %3, expected %4"_s.arg(what).arg(from).arg(found,
                                                                                     expected);
            const int next = expected.section(u' ', 0, 0).toInt();
            if (next < 1 || next <= from)
                break;
            from = next;
        }
        // From every position forward, then backward, on one scanner each.
        for (const bool forward : {true, false}) {
            HtmlScanner scanner(text);
            for (int k = -1; k <= text.size() + 1; ++k) {
                const int from = forward ? k : int(text.size()) - k;
                const QString expected = lookup(link, text, nullptr, from);
                const QString found = lookup(link, text, &scanner, from);
                if (found != expected)
                    return u"%1 %2 from %3: %4, expected %5"_s.arg(what)
                        .arg(forward ? "forward" : "backward")
                        .arg(from)
                        .arg(found, expected);
            }
        }
    }
    return QString();
}

struct ScanRow
{
    const char *name;
    QString text;
};
const ScanRow scanRows[] = {
    {"bare and attributed anchors mixed",
     "<a>x</a><a href='1'>one</a> <A>y</A><A HREF=\"2\">two</A>"},
    {"no bare anchor at all", "<a href=1>a</a><a class=x href=2>b</a><a href=3>c</a>"},
    {"href far behind its anchors", "<a name=1>t</a><a name=2>u</a><b href=/x>X</b>"},
    {"href inside another tag before the anchor", "<link href=s.css><a>x</a>"},
    {"name ending in href stops the walk", "<i datahref=1><a href=2>x</a>"},
    {"space before the equals sign", "<a href  =  \"1\">x</a><a href\t=2>y</a>"},
    {"unquoted values end at space or bracket", "<a href=1>x</a><a href=2 >y</a><a href=3"},
    {"unclosed quote", "<a href=\"1>x</a><a href=\"2\">y</a>"},
    {"apostrophe and quote values", "<a href='1\"'>x</a><a href=\"2'\">y</a>"},
    {"empty values", "<a href=''>x</a><a href=\"\">y</a><a href=>z</a><a href=3>w</a>"},
    {"anchor without closing tag", "<a href=1>x<a href=2>y"},
    {"empty inner text", "<a href=1></a><a href=2>y</a>"},
    {"closing tag before the anchor", "</a><a href=1>x</a>"},
    {"images with and without alt",
     "<img src=a alt=A><img src='b'><IMG alt=\"C\" src=c><img alt=D><img src=e>"},
    {"alt taken from a later tag", "<img src=a><p alt=far>x<img src=b alt=B>"},
    {"image without src ends", "<img alt=a><img src=b>"},
    {"src of a later tag", "<img alt=a> <i src=b>"},
    {"case folding of long s and Kelvin sign",
     u"<img \u017Frc=a><a \u212Aey=1 href=2>x</a><img src=b>"_s},
    {"surrogate pairs", u"\U0001F600<a href=\U0001F601>\U0001F602</a><img src=\U0001F603>"_s},
    {"lone surrogate in the page",
     u"<a href=1>x</a>"_s + QChar(0xD800) + u"<a href=2>y</a><img src=a>"_s},
    {"links inside image tags", "<img src=a href=1><a>x</a><img src=b alt=<a href=2>y</a>"},
    {"brackets in values", "<a href=\"a>b\">x</a><a href=c>d>e</a>"},
    {"empty text", QString()},
};

// Hostile or broken escapes never make text that was not sent.
struct JsonRow
{
    const char *name;
    QString escaped, text;
};
const JsonRow jsonRows[] = {
    {"plain text unchanged", u"Dijo hola."_s, u"Dijo hola."_s},
    {"quote, backslash, slash", uR"(Dijo \"hola\" a C:\\ y <\/b>)"_s,
     uR"(Dijo "hola" a C:\ y </b>)"_s},
    {"line breaks and tabs", uR"(uno\ndos\r\ntres\tcuatro)"_s, u"uno\ndos\r\ntres\tcuatro"_s},
    {"unicode escapes, either case", uR"(caf\u00e9 \u00C9t\u00e9 \u65b0)"_s, u"café Été 新"_s},
    {"surrogate pair", uR"(\ud83d\ude00!)"_s, u"\U0001F600!"_s},
    {"lone high surrogate", uR"(a\ud83dz)"_s, u"a\uFFFDz"_s},
    {"lone low surrogate", uR"(a\ude00z)"_s, u"a\uFFFDz"_s},
    {"NUL escape", uR"(a\u0000z)"_s, u"a\uFFFDz"_s},
    {"short unicode escape kept", uR"(a\u12)"_s, uR"(a\u12)"_s},
    {"non-hex unicode escape kept", uR"(\uzzzz)"_s, uR"(\uzzzz)"_s},
    {"unknown escape kept", uR"(50\% \x41)"_s, uR"(50\% \x41)"_s},
    {"trailing backslash kept", uR"(end\)"_s, uR"(end\)"_s},
    {"escaped backslash before n", uR"(\\n)"_s, uR"(\n)"_s},
};

} // namespace

class TestHtmlText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        testkit::writeAll(m_dir.filePath(name), content);
        return m_dir.filePath(name);
    }

    // Refused with the row's reason where it says, or loaded, the tree of `xml` read as written.
    void load(const LoadRow &r, bool holdsXml)
    {
        XmlLoadError error;
        const auto document = ::loadXmlDocument(write(QLatin1String(r.file), r.content), &error);
        QCOMPARE(bool(document), r.reason.isEmpty());
        if (!document) {
            QVERIFY2(r.reason == u"?"_s || error.reason.startsWith(r.reason),
                     qPrintable(error.reason));
            if (r.line >= 0)
                QCOMPARE(error.line, r.line);
        } else if (holdsXml) {
            const QDomElement root = document->documentElement();
            QCOMPARE(root.childNodes().count(), 1);
            QCOMPARE(root.firstChildElement().tagName(), u"p:item"_s);
            QCOMPARE(root.firstChildElement().text(), u" text "_s);
        }
    }

private slots:
    void initTestCase()
    {
        // Before start-up fills the table only numeric references decode.
        QCOMPARE(::htmlToText(u"&copy; &#65;"_s, true, false), u"&copy; A"_s);
        fillEntityTable();
        fillEntityTable(); // a refill replaces, not appends
    }

    void htmlToText_data() { rows(textRows); }
    void htmlToText()
    {
        const TextRow &r = current(textRows);
        const QString result = ::htmlToText(r.in, r.decode, r.filterSpace);
        QCOMPARE(result, r.out);
        QCOMPARE(result.isNull(), r.out.isNull());
    }

    void toParagraphsAndCorpusPage()
    {
        QCOMPARE(::toParagraphs(u"\na\n\nb\r\nc"_s), u"<P>a</P><P>b\r</P><P>c</P>"_s);
        // A page of line feeds: the paragraphs stop at the limit, no line is lost.
        const QString lines = u"x\n"_s.repeated(MaxParagraphs) + u"last\nend"_s;
        const QString html = ::toParagraphs(lines);
        QCOMPARE(html.count(u"<P>"_s), MaxParagraphs);
        QVERIFY(html.endsWith(u"<P>x last end</P>"_s));
        const QByteArray page = testkit::readCorpusPage(u"en-bbc"_s);
        if (page.isEmpty())
            QSKIP("news corpus not available");
        const QString text = ::htmlToText(QString::fromUtf8(page), true, true);
        QVERIFY(text.contains(u"the decision to \"discontinue the investigation "
                              u"regarding Julian Assange\""_s));
        QVERIFY(!text.contains(u"<div"_s) && !text.contains(u"&quot;"_s));
    }

    void lookups_data() { rows(lookupRows); }
    void lookups()
    {
        const LookupRow &r = current(lookupRows);
        const Qt::CaseSensitivity cs = r.sensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        int end = -1;
        const QString value =
            r.lookup == AttributeValue ? ::findAttributeValue(r.text, r.attr, r.from, cs)
            : r.lookup == TagAttribute ? ::tagAttribute(r.text, r.attr, r.from, cs, &end)
                                       : ::elementText(r.text, r.attr, r.from, cs, &end);
        QCOMPARE(value, r.expected);
        QCOMPARE(value.isNull(), r.expected.isNull());
        QCOMPARE(end, r.end);
    }

    void findImageAndLink_data() { rows(findRows); }
    void findImageAndLink()
    {
        const FindRow &r = current(findRows);
        QCOMPARE(lookup(!r.image, r.text, nullptr, r.from), r.expected);
    }

    void readTextFileStopsAtZeroByte()
    {
        QCOMPARE(::readTextFile(write(u"a.txt"_s, QByteArray("caf\xc3\xa9\0cd", 8))), u"café"_s);
    }

    // Qt's own compressed form is the same layout, which makes it an independent reference.
    void packXmlIsQtsCompressedLayout()
    {
        QCOMPARE(packXml(xml).left(4), header(quint32(xml.size())));
        QCOMPARE(qUncompress(packXml(xml)), xml);
    }

    void loadXmlDocument_data() { rows(loadRows); }
    void loadXmlDocument() { load(current(loadRows), true); }

    void nestingDepth_data() { rows(depthRows); }
    void nestingDepth() { load(current(depthRows), false); }

    void scannerSameAsOneLookupAtATime_data() { rows(scanRows); }
    void scannerSameAsOneLookupAtATime()
    {
        const QString difference = firstDifference(current(scanRows).text);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void scannerSameAsOneLookupAtATimeOnRandomSoup()
    {
        // Pieces of the markup the lookups look for, thrown together.
        QStringList pieces =
            u"<a>|<a |<A |</a>|</A>|href=|HREF =|src=|alt =|<img |<IMG |\"|'| |>|x|"
            "datahref=|\u017Frc=|\U0001F600|=|<"_s.split(u'|');
        pieces.append(QString(QChar(0xD800))); // a lone surrogate
        QRandomGenerator random(20261207);
        for (int round = 0; round < 2000; ++round) {
            QString text;
            for (int n = int(random.bounded(24)); n > 0; --n)
                text += pieces[random.bounded(int(pieces.size()))];
            const QString difference = firstDifference(text);
            QVERIFY2(difference.isEmpty(), qPrintable(u"'%1': %2"_s.arg(text, difference)));
        }
    }

    void jsonDecode_data() { rows(jsonRows); }
    void jsonDecode()
    {
        const JsonRow &r = current(jsonRows);
        QCOMPARE(CLStepJsonString::decode(r.escaped), r.text);
        // Bytes are read with the site's codeset (none here: UTF-8).
        const CLStepJsonString step;
        CLData bytes(r.escaped.toUtf8());
        const std::unique_ptr<CLData> out(step.process(&bytes));
        QVERIFY(out && out->type == DataText);
        QCOMPARE(out->text, r.text);
    }

    // Profiles name the step "step_json_string".
    void jsonStepReadFromProfile()
    {
        QDomDocument document;
        QVERIFY(document.setContent(uR"(<site name="s" id="(s)json" locale="en" codeset="UTF-8"
          version="1" entry="http://127.0.0.1/"><page name="p" id="p" type="translator.entry">
          <track name="t"><topic name="x" id="x" type="translate-text">
          <step_json_string/><step_text_extract filter_space="no"/></topic></track></page></site>)"_s));
        CLProfileError error;
        const std::unique_ptr<CLSite> site(readProfile(document, &error));
        QVERIFY2(site, qPrintable(error.toString()));
        const CLTopic *topic = site->pages.at(0)->tracks.at(0)->topics.at(0);
        QCOMPARE(topic->steps.size(), 2);
        const std::unique_ptr<CLData> out(runChain(topic, R"(Dijo \"hola\" al due\u00f1o)"));
        QVERIFY(out);
        QCOMPARE(out->text, u"Dijo \"hola\" al dueño"_s);
    }
};

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
