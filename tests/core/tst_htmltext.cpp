#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray header(quint32 size)
{
    const char bytes[] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    return QByteArray(bytes, 4);
}

enum Lookup { AttributeValue, TagAttribute, ElementText };

} // namespace

class TestHtmlText : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QString &name, const QByteArray &content)
    {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(content);
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        // Before start-up fills the table only numeric references decode.
        QCOMPARE(entityTableSize(), 0);
        QCOMPARE(::htmlToText(u"&copy; &#65;"_s, true, false), u"&copy; A"_s);
        fillEntityTable();
        fillEntityTable(); // a refill replaces, not appends
    }

    void entityTable()
    {
        QCOMPARE(entityTableSize(), 253);
        const std::pair<const char *, int> entries[] = {
            {"nbsp", 160}, {"yuml", 255},  {"Sigma", 931}, {"thetasym", 977}, {"lang", 9001},
            {"quot", 34},  {"euro", 8364}, {"amp", 38},    {"Yuml", 376},     {"COPY", 0},
            {"apos", 39},  {"lt", 60},     {"gt", 62},     {"AMP", 0},
        };
        for (const auto &[name, codePoint] : entries)
            QCOMPARE(entityCodePoint(QString::fromLatin1(name)), codePoint);
    }

    void htmlToText_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("decode");
        QTest::addColumn<bool>("filterSpace");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, const QString &in, const QString &out, bool filter = false,
                      bool decode = true) { QTest::newRow(name) << in << decode << filter << out; };

        row("empty-input-gives-null", "", QString());
        row("fragment-begins-inside-tag", "class=\"x\">Hello <b>World</b>", "Hello World");
        row("fragment-without-any-tag-open", "junk>rest", "rest");
        row("gt-at-position-zero-is-text", ">abc", ">abc");
        row("unterminated-tag-drops-rest", "a<b class", "a");
        row("comment-hides-tags", "a<!-- <p>x</p> -->b", "ab");
        row("unterminated-comment-drops-rest", "a<!-- never closed", "a");
        row("comment-marker-outside-comment-discards", "<b>old</b> --> new", "new");
        row("p-adds-line-feeds-any-case", "a<p>b</P>c", "a\nb\nc");
        row("closing-p-at-end-is-ordinary-tag", "a<p>b</p>", "a\nb");
        row("br-forms", "a<br>b<BR />c", "a\nb\nc");
        row("filter-space-drops-source-breaks", "a\nb\tc", "abc", true);
        row("filter-space-keeps-breaks-inside-paragraph", "x<p>a\nb</p>c\nd", "x\na\nb\ncd", true);
        row("filter-space-off-keeps-breaks", "a\nb\tc", "a\nb\tc");
        row("leading-and-double-spaces", "  a  b", "a b");
        row("space-after-line-feed-kept", "a<br> b", "a\n b");
        row("style-mixed-case-dropped", "a<STYLE type=x>p{}</Style>b", "ab");
        row("script-with-markup-dropped", "a<script>if (x<y) w('<p>')</script>b", "ab");
        row("unterminated-script-ends-output", "a<script>x</scrip>b", "a");
        row("numeric-reference", "&#65;", "A");
        row("numeric-int-overflow-kept", "&#2147483648;", u"\ufffd"_s);
        row("numeric-four-digit-form", "&#0065x", "Ax");
        row("numeric-four-digit-form-too-short", "&#65", "&#65");
        row("hex-reference-not-decoded", "&#x41;", "A");
        row("numeric-above-16-bits-keeps-low-bits", "&#65601;", u"\U00010041"_s);
        row("numeric-negative-not-appended", "&#-65;", "&#-65;");
        row("table-entity", "&copy; 2024", u"\u00a9 2024"_s);
        row("amp-decodes", "Rail &amp; ferry", "Rail & ferry");
        row("escaped-markup-decodes-to-text", "&lt;b&gt;x&lt;/b&gt;", "<b>x</b>");
        row("apos-and-capital-y-diaeresis", "l&apos;&Yuml;", u"l'\u0178"_s);
        row("unknown-name-drops-only-ampersand", "&bogus; &AMP;", "&bogus; &AMP;");
        row("gt-before-text", "&gt;x", ">x");
        row("gt-at-end", "&gt;", ">");
        row("bare-gt-semicolon-in-text", "aGT;b", "a>b");
        row("bare-gt-semicolon-at-end-stays", "agt;", "agt;");
        row("ampersand-without-semicolon", "a & b", "a & b");
        row("ampersand-before-semicolon", "a&;b", "a&;b");
        row("unknown-then-consecutive-entities", "&x &copy;&euro;", u"&x \u00a9\u20ac"_s);
        row("decode-off-copies-ampersand-still-reads-gt", "&copy;&gt;x", "&copy;&>x", false, false);
    }

    void htmlToText()
    {
        QFETCH(QString, input);
        QFETCH(bool, decode);
        QFETCH(bool, filterSpace);
        QFETCH(QString, expected);
        const QString result = ::htmlToText(input, decode, filterSpace);
        QCOMPARE(result, expected);
        QCOMPARE(result.isNull(), expected.isNull());
    }

    void htmlToTextCorpusPage()
    {
        QFile file(QStringLiteral(TESSOLIN_CORPUS "/pages/en-bbc.html"));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("news corpus not available");
        const QString text = ::htmlToText(QString::fromUtf8(file.readAll()), true, true);
        QVERIFY(text.contains(u"the decision to \"discontinue the investigation "
                              u"regarding Julian Assange\""_s));
        QVERIFY(!text.contains(u"<div"_s) && !text.contains(u"&quot;"_s));
    }

    void toParagraphs()
    {
        QCOMPARE(::toParagraphs(u"\na\n\nb\r\nc"_s), u"<P>a</P><P>b\r</P><P>c</P>"_s);
    }

    void lookups_data()
    {
        QTest::addColumn<int>("lookup");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("from");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("expectedEnd"); ///< unused by findAttributeValue
        auto row = [](Lookup lookup, const char *name, const QString &text, const QString &attr,
                      const QString &expected, int end = -1, int from = 0, bool sensitive = true) {
            QTest::newRow(name) << int(lookup) << text << attr << from << sensitive << expected
                                << end;
        };

        const Lookup av = AttributeValue;
        row(av, "value-single-quoted", "<img alt='x'>", "alt", "x");
        row(av, "value-unquoted-ends-at-space", "<img alt=x title=y>", "alt", "x");
        row(av, "value-minimal-stops-at-first-quote", "<a title=\"a\" alt=\"b\">", "title", "a");
        row(av, "value-quoted-searched-before-unquoted", "<img alt=x> <img alt=\"y\">", "alt", "y");
        row(av, "value-tab-before-name-not-matched", "<img\talt=\"x\">", "alt", {});
        row(av, "value-case-insensitive", "<img ALT=\"x\">", "alt", "x", -1, 0, false);
        row(av, "value-from-skips-earlier", "<a alt=\"1\"> <b alt=\"2\">", "alt", "2", -1, 10);
        row(av, "value-invalid-pattern-name", "<img alt=\"x\">", "a(", {});

        const Lookup ta = TagAttribute;
        row(ta, "attr-double-quoted", "<img src=\"a.jpg\">", "src", "a.jpg", 15);
        row(ta, "attr-unquoted-ends-at-space", "<img src=a.jpg alt=x>", "src", "a.jpg", 14);
        row(ta, "attr-unquoted-ends-at-gt", "<img src=a.jpg>", "src", "a.jpg", 14);
        row(ta, "attr-tail-of-longer-name-rejected", "<img datasrc=\"a.jpg\">", "src", {});
        row(ta, "attr-no-second-try-after-tail-match", "<img datasrc=\"a\" src=\"b\">", "src", {});
        row(ta, "attr-dash-is-not-part-of-name", "<img data-src=\"a\">", "src", "a", 16);
        row(ta, "attr-white-space-around-equals", "<img src \t= \"a\">", "src", "a", 14);
        row(ta, "attr-tab-after-equals-not-skipped", "<img src=\t\"a\">", "src", "\t\"a\"", 13);
        row(ta, "attr-case-insensitive", "<IMG SRC=\"a\">", "src", "a", 11, 0, false);
        row(ta, "attr-case-sensitive-miss", "<IMG SRC=\"a\">", "src", {});
        row(ta, "attr-empty-value", "<img src=\"\">", "src", {});
        row(ta, "attr-unterminated-quote", "<img src=\"a.jpg", "src", {});

        const Lookup el = ElementText;
        row(el, "element-bare-form-searched-first", "<a href=\"u\">one</a><a>two</a>", "a", "two",
            29);
        row(el, "element-longer-tag-not-taken", "<ab>x</ab><a >y</a>", "a", "y", 19);
        row(el, "element-inner-markup-kept", "<p><b>x</b></p>", "p", "<b>x</b>", 15);
        row(el, "element-case-insensitive", "<TITLE>x</Title>", "title", "x", 16, 0, false);
        row(el, "element-case-sensitive-miss", "<TITLE>x</Title>", "title", {});
        row(el, "element-missing-close", "<b>x", "b", {});
    }

    void lookups()
    {
        QFETCH(int, lookup);
        QFETCH(QString, text);
        QFETCH(QString, name);
        QFETCH(int, from);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, expected);
        const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        int end = -1;
        const QString value = lookup == AttributeValue ? ::findAttributeValue(text, name, from, cs)
                              : lookup == TagAttribute ? ::tagAttribute(text, name, from, cs, &end)
                                                       : ::elementText(text, name, from, cs, &end);
        QCOMPARE(value, expected);
        QCOMPARE(value.isNull(), expected.isNull());
        QTEST(end, "expectedEnd");
    }

    void findImageAndLink_data()
    {
        QTest::addColumn<bool>("image");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("first");  ///< src or href
        QTest::addColumn<QString>("second"); ///< alt or link text
        auto row = [](const char *name, bool image, const QString &text, int from, int expected,
                      const QString &first = u""_s, const QString &second = u""_s) {
            QTest::newRow(name) << image << text << from << expected << first << second;
        };

        row("img-alt-then-src-ends-at-later", true, "<img alt=\"An\" src=\"a.jpg\">", 0, 24,
            "a.jpg", "An");
        row("img-no-alt-gives-src-end", true, "<IMG SRC=\"a\">", 0, 11, "a");
        row("img-lookup-not-bounded-by-tag", true, "<img alt=\"x\"><a src=\"b\">", 0, 22, "b", "x");
        row("img-no-src", true, "<img alt=\"x\">", 0, -1);
        row("img-line-feed-after-img-not-matched", true, "<img\nsrc=\"a\">", 0, -1);
        row("link-inner-html-kept", false, "<A HREF='u'><b>T</b></A>!", 0, 24, "u", "<b>T</b>");
        row("link-from-selects-later-link", false, "<a href=\"1\">A</a><a href=\"2\">B</a>", 10, 34,
            "2", "B");
        row("link-no-href", false, "<a name=\"x\">T</a>", 0, -1);
        row("link-empty-text", false, "<a href=\"u\"></a>", 0, -1, "u");
    }

    void findImageAndLink()
    {
        QFETCH(bool, image);
        QFETCH(QString, text);
        QFETCH(int, from);
        QString a, b;
        QTEST(image ? ::findImage(text, from, a, b) : ::findLink(text, from, a, b), "expected");
        QTEST(a, "first");
        QTEST(b, "second");
    }

    void readTextFileStopsAtZeroByte()
    {
        QCOMPARE(::readTextFile(write(u"a.txt"_s, QByteArray("caf\xc3\xa9\0cd", 8))), u"café"_s);
    }

    void packXmlIsQtsCompressedLayout()
    {
        // Qt's own compressed form is the same layout, which makes it an independent reference.
        const QByteArray xml("<root><item>text</item></root>");
        QCOMPARE(packXml(xml).left(4), header(quint32(xml.size())));
        QCOMPARE(qUncompress(packXml(xml)), xml);
        bool ok = false;
        QCOMPARE(::unpackXml(qCompress(xml), &ok), xml);
        QVERIFY(ok);
    }

    void loadXmlDocument_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("loads");
        auto row = [](const char *name, const char *file, const QByteArray &content, bool loads) {
            QTest::newRow(name) << QString::fromLatin1(file) << content << loads;
        };

        // Whitespace-only text must be dropped and the undeclared prefix read as part of the name.
        const QByteArray xml("<?xml version=\"1.0\"?><root>\n  <p:item> text </p:item>\n</root>\n");
        const QByteArray body = packXml(xml).mid(4);
        row("plain-xml", "plain.xml", xml, true);
        row("upper-case-extension-is-plain", "PLAIN.XML", xml, true);
        row("no-extension-is-compressed", "data", packXml(xml), true);
        row("declared-larger-than-data", "a.tdf", header(quint32(xml.size() + 10)) + body, true);
        row("declared-smaller-than-data", "a.tdf", header(quint32(xml.size() - 1)) + body, false);
        row("plain-text-under-tdf-rejected", "plain.tdf", xml, false);
        row("compressed-under-xml-rejected", "packed.xml", packXml(xml), false);
        row("truncated-stream", "a.tdf", packXml(xml).chopped(5), false);
        row("short-header", "a.tdf", QByteArray("\0\0", 2), false);
        row("corrupt-stream", "corrupt.tdf", header(200) + "garbage", false);
        row("declared-size-bomb", "bomb.tdf", header(0x80000000u) + body, false);
        // Well-formed XML beyond a declared size at the cap: only the real-size cap stops it.
        row("inflation-bomb", "bomb.tdf",
            header(quint32(MaxXmlDataSize)) +
                qCompress("<r>" + QByteArray(MaxXmlDataSize, ' ') + "</r>", 1).mid(4),
            false);
        row("compressed-not-well-formed", "broken.tdf", packXml("<root><item></root>"), false);
    }

    void nestingDepth_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("reason"); // start of the reason; empty when it loads
        QTest::addColumn<int>("line");

        const auto nested = [](int depth, const QByteArray &inside = {}) {
            return QByteArray("<a>").repeated(depth) + inside + QByteArray("</a>").repeated(depth);
        };
        const QString tooDeep = u"elements nested deeper than %1 levels"_s.arg(MaxXmlDepth);
        auto row = [](const char *name, const char *file, const QByteArray &content,
                      const QString &reason, int line) {
            QTest::newRow(name) << QString::fromLatin1(file) << content << reason << line;
        };
        row("nesting at the limit loads", "deep.xml", nested(MaxXmlDepth), {}, -1);
        row("one level deeper is refused where it starts", "deep.xml",
            "<a>\n" + nested(MaxXmlDepth - 1, "\n<b/>"), tooDeep, 3);
        // Without the streaming check the DOM parser spends minutes on this.
        row("bare nesting of 200,000 levels is refused", "bomb.xml", nested(200000), tooDeep, 1);
        row("compressed deep nesting is refused", "bomb.tdf", packXml(nested(100000)), tooDeep, 1);
        row("markup inside CDATA is not nesting", "cdata.xml",
            "<a><![CDATA[" + QByteArray("<b>").repeated(5000) + "]]></a>", {}, -1);
        row("a syntax error before deep nesting is reported as such", "broken.xml",
            "<a x=>" + nested(MaxXmlDepth + 1), u"not well-formed XML"_s, 1);
    }
    void nestingDepth()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(QString, reason);
        QFETCH(int, line);

        XmlLoadError error;
        const std::unique_ptr<QDomDocument> document =
            ::loadXmlDocument(write(fileName, content), &error);
        QCOMPARE(bool(document), reason.isEmpty());
        if (document)
            return;
        QVERIFY2(error.reason.startsWith(reason), qPrintable(error.reason));
        QCOMPARE(error.line, line);
    }

    void loadXmlDocument()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, loads);
        const std::unique_ptr<QDomDocument> document = ::loadXmlDocument(write(fileName, content));
        QCOMPARE(bool(document), loads);
        if (document) {
            const QDomElement root = document->documentElement();
            QCOMPARE(root.childNodes().count(), 1);
            QCOMPARE(root.firstChildElement().tagName(), u"p:item"_s);
            QCOMPARE(root.firstChildElement().text(), u" text "_s);
        }
    }

    // References a browser reads; an '&' that starts none stays text.
    void characterReferences_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const std::pair<const char *, QString> rows[] = {
            {"&#x27;", u"'"_s}, {"&#X1F600;", u"\U0001F600"_s}, {"AT&T", u"AT&T"_s},
            {"&#99999999;", u"\ufffd"_s}, {"&#xD800;", u"\ufffd"_s}, {"&#0;", u"\ufffd"_s},
            {"&#x110000;", u"\ufffd"_s}, {"&#xG1;", u"&#xG1;"_s}, {"&#x;", u"&#x;"_s},
            {"a&b;c", u"a&b;c"_s}, {"&#0065x", u"Ax"_s}, {"agt;b", u"a>b"_s},
        };
        for (const auto &[in, out] : rows)
            QTest::newRow(in) << QString::fromUtf8(in) << out;
    }

    void characterReferences()
    {
        QFETCH(QString, input);
        QTEST(::htmlToText(input, true, false), "expected");
    }

    // Lines break where a browser breaks them, never at the very start or end.
    void lineBreaks_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("expected");
        const std::pair<const char *, const char *> rows[] = {
            {"a<br/>b<BR class=x>c", "a\nb\nc"}, {"<h2>Deck</h2>First", "Deck\nFirst"},
            {"<ul><li>one</li> <li>two</li></ul>after", "one\ntwo\nafter"},
            {"a<div class=\"x\">b</div>c", "a\nb\nc"}, {"<div><div>a</div></div>", "a"},
            {"a<span>b</span><b>c</b>", "abc"}, {"a<bdi>b</bdi><divx>c", "abc"},
            {"<h1>T</h1>\n  &amp; more", "T\n& more"},
        };
        for (const auto &[in, out] : rows)
            QTest::newRow(in) << QString::fromUtf8(in) << QString::fromUtf8(out);
    }

    void lineBreaks()
    {
        QFETCH(QString, input);
        QTEST(::htmlToText(input, true, true), "expected");
    }
};

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
