#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString u16(const char16_t *text)
{
    return QString::fromUtf16(text);
}

QByteArray header(quint32 size)
{
    const char bytes[] = {char(size >> 24), char(size >> 16), char(size >> 8), char(size)};
    return QByteArray(bytes, 4);
}

// Zeros past the cap behind a declared size at the cap: only the real-size cap stops it.
const QByteArray &zlibBomb()
{
    static const QByteArray bomb =
        header(quint32(MaxXmlDataSize)) +
        qCompress(QByteArray(MaxXmlDataSize + 1024 * 1024, '\0'), 1).mid(4);
    return bomb;
}

} // namespace

class TestHtmlText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void entityTable_data();
    void entityTable();
    void htmlToText_data();
    void htmlToText();
    void htmlToTextCorpusPage();
    void toParagraphs();
    void lookups_data();
    void lookups();
    void findImageAndLink_data();
    void findImageAndLink();
    void readTextFile();
    void packXmlInteroperatesWithQt();
    void unpackXml_data();
    void unpackXml();
    void loadXmlDocument_data();
    void loadXmlDocument();

private:
    QString write(const QString &name, const QByteArray &content);
    QTemporaryDir m_dir;
};

QString TestHtmlText::write(const QString &name, const QByteArray &content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
    return path;
}

void TestHtmlText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Before start-up fills the table only numeric references decode.
    QCOMPARE(entityTableSize(), 0);
    QCOMPARE(::htmlToText(QStringLiteral("&copy; &#65;"), true, false), QStringLiteral("copy; A"));
    fillEntityTable();
    fillEntityTable(); // a refill replaces, not appends
}

void TestHtmlText::entityTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("latin1-first") << "nbsp" << 160;
    QTest::newRow("latin1-last") << "yuml" << 255;
    QTest::newRow("upper-case-distinct") << "Auml" << 196;
    QTest::newRow("greek-skips-930") << "Sigma" << 931;
    QTest::newRow("greek-thetasym") << "thetasym" << 977;
    QTest::newRow("technical-lang-not-3008") << "lang" << 9001;
    QTest::newRow("symbol-last") << "diams" << 9830;
    QTest::newRow("special-quot-kept") << "quot" << 34;
    QTest::newRow("special-euro") << "euro" << 8364;
    QTest::newRow("excluded-amp") << "amp" << 0;
    QTest::newRow("excluded-lt") << "lt" << 0;
    QTest::newRow("excluded-gt") << "gt" << 0;
    QTest::newRow("excluded-Yuml") << "Yuml" << 0;
    QTest::newRow("case-sensitive") << "COPY" << 0;
    QTest::newRow("not-html4-apos") << "apos" << 0;
}

void TestHtmlText::entityTable()
{
    QFETCH(QString, name);
    QFETCH(int, codePoint);
    QCOMPARE(entityTableSize(), 248);
    QCOMPARE(entityCodePoint(name), codePoint);
}

void TestHtmlText::htmlToText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<bool>("filterSpace");
    QTest::addColumn<QString>("expected");
    auto row = [](const char *name, const QString &in, const QString &out, bool filter = false,
                  bool decode = true) { QTest::newRow(name) << in << decode << filter << out; };

    row("empty-input-gives-null", "", QString());
    // Tags and fragments
    row("tags-removed", "<b>bold</b> text", "bold text");
    row("fragment-begins-inside-tag", "class=\"x\">Hello <b>World</b>", "Hello World");
    row("fragment-without-any-tag-open", "junk>rest", "rest");
    row("gt-at-position-zero-is-text", ">abc", ">abc");
    row("unterminated-tag-drops-rest", "a<b class", "a");
    row("p-with-attributes-is-ordinary-tag", "a<p class=\"x\">b", "ab");
    row("br-slash-without-space-is-ordinary-tag", "a<br/>b", "ab");
    // Comments
    row("comment-hides-tags", "a<!-- <p>x</p> -->b", "ab");
    row("unterminated-comment-drops-rest", "a<!-- never closed", "a");
    row("comment-closed-at-end", "a<!-- x -->", "a");
    row("comment-marker-outside-comment-discards", "<b>old</b> --> new", "new");
    row("dashes-without-gt-are-text", "a--b", "a--b");
    // Line structure
    row("p-adds-line-feeds-any-case", "a<p>b</P>c", "a\nb\nc");
    row("closing-p-at-end-is-ordinary-tag", "a<p>b</p>", "a\nb");
    row("opening-p-at-end-is-ordinary-tag", "a<p>", "a");
    row("br-forms", "a<br>b<BR />c", "a\nb\nc");
    row("filter-space-drops-source-breaks", "a\nb\tc", "abc", true);
    row("filter-space-keeps-breaks-inside-paragraph", "x<p>a\nb</p>c\nd", "x\na\nb\ncd", true);
    row("filter-space-off-keeps-breaks", "a\nb\tc", "a\nb\tc");
    row("carriage-return-copied", "a\r\nb", "a\rb", true);
    row("two-spaces-become-one", "a  b", "a b");
    row("leading-space-skipped", "  a", "a");
    row("space-after-line-feed-kept", "a<br> b", "a\n b");
    // Style and script
    row("style-mixed-case-dropped", "a<STYLE type=x>p{}</Style>b", "ab");
    row("script-with-markup-dropped", "a<script>if (x<y) w('<p>')</script>b", "ab");
    row("unterminated-script-ends-output", "a<script>x</scrip>b", "a");
    row("unterminated-style-ends-output", "a<style>x", "a");
    // Entities
    row("numeric-reference", "&#65;", "A");
    row("numeric-leading-zeros", "&#00000000000000000065;x", "Ax");
    row("numeric-int-overflow-kept", "&#2147483648;", "#2147483648;");
    row("numeric-four-digit-form", "&#0065x", "Ax");
    row("numeric-four-digit-form-at-end", "x&#0065", "xA");
    row("numeric-four-digit-form-too-short", "&#65", "#65");
    row("numeric-four-digit-form-not-a-number-skipped", "&#abcdX", "X");
    row("hex-reference-not-decoded", "&#x41;", "#x41;");
    row("numeric-above-16-bits-keeps-low-bits", "&#65601;", "A");
    row("numeric-zero-not-appended", "&#0;", "#0;");
    row("numeric-negative-not-appended", "&#-65;", "#-65;");
    row("copyright", "&copy; 2024", u16(u"\u00a9 2024"));
    row("amp-keeps-name", "a&amp;b", "aamp;b");
    row("lt-keeps-name", "&lt;b", "lt;b");
    row("gt-before-text", "&gt;x", ">x");
    row("gt-at-end", "&gt;", "gt;");
    row("bare-gt-semicolon-in-text", "aGT;b", "a>b");
    row("unknown-entity", "&foo;", "foo;");
    row("ampersand-without-semicolon", "a & b", "a b");
    row("ampersand-before-semicolon", "a&;b", "a;b");
    row("semicolon-far-away", "&a b;x", "a b;x");
    row("unknown-then-consecutive-entities", "&x &copy;&euro;", u16(u"x \u00a9\u20ac"));
    row("decode-off-copies-ampersand", "&copy;", "&copy;", false, false);
    row("decode-off-still-reads-gt", "&gt;x", "&>x", false, false);
    row("entity-inside-paragraph", "<p>caf&eacute;</p>.", u16(u"\ncaf\u00e9\n."), true);
}

void TestHtmlText::htmlToText()
{
    QFETCH(QString, input);
    QFETCH(bool, decode);
    QFETCH(bool, filterSpace);
    QFETCH(QString, expected);
    const QString result = ::htmlToText(input, decode, filterSpace);
    QCOMPARE(result, expected);
    QCOMPARE(result.isNull(), expected.isNull());
}

void TestHtmlText::htmlToTextCorpusPage()
{
    QFile file(QStringLiteral(TESSOLIN_CORPUS "/pages/en-bbc.html"));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QString text = ::htmlToText(QString::fromUtf8(file.readAll()), true, true);
    QVERIFY(text.contains(QStringLiteral("the decision to \"discontinue the investigation "
                                         "regarding Julian Assange\"")));
    QVERIFY(!text.contains(QStringLiteral("<div")));
    QVERIFY(!text.contains(QStringLiteral("&quot;")));
}

void TestHtmlText::toParagraphs()
{
    QCOMPARE(::toParagraphs(QString()), QString(""));
    QCOMPARE(::toParagraphs(QStringLiteral("a\n\nb")), QStringLiteral("<P>a</P><P>b</P>"));
    QCOMPARE(::toParagraphs(QStringLiteral("\na\n")), QStringLiteral("<P>a</P>"));
    QCOMPARE(::toParagraphs(QStringLiteral("a\r\nb")), QStringLiteral("<P>a\r</P><P>b</P>"));
}

enum Lookup { AttributeValue, TagAttribute, ElementText };

void TestHtmlText::lookups_data()
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
        QTest::newRow(name) << int(lookup) << text << attr << from << sensitive << expected << end;
    };
    const QString null;

    const Lookup av = AttributeValue;
    row(av, "value-double-quoted", "<img alt=\"x y\">", "alt", "x y");
    row(av, "value-single-quoted", "<img alt='x'>", "alt", "x");
    row(av, "value-unquoted-ends-at-gt", "<img alt=x>", "alt", "x");
    row(av, "value-unquoted-ends-at-space", "<img alt=x title=y>", "alt", "x");
    row(av, "value-minimal-stops-at-first-quote", "<a title=\"a\" alt=\"b\">", "title", "a");
    row(av, "value-dot-matches-line-feed", "<a title=\"a\nb\">", "title", "a\nb");
    row(av, "value-quoted-searched-before-unquoted", "<img alt=x> <img alt=\"y\">", "alt", "y");
    row(av, "value-tab-before-name-not-matched", "<img\talt=\"x\">", "alt", null);
    row(av, "value-case-insensitive", "<img ALT=\"x\">", "alt", "x", -1, 0, false);
    row(av, "value-case-sensitive-miss", "<img ALT=\"x\">", "alt", null);
    row(av, "value-from-skips-earlier", "<a alt=\"1\"> <b alt=\"2\">", "alt", "2", -1, 10);
    row(av, "value-name-is-a-pattern", "<img alt=\"x\">", "a.t", "x");
    row(av, "value-invalid-pattern-name", "<img alt=\"x\">", "a(", null);
    row(av, "value-empty-name", "<img alt=\"x\">", "", null);

    const Lookup ta = TagAttribute;
    row(ta, "attr-double-quoted", "<img src=\"a.jpg\">", "src", "a.jpg", 15);
    row(ta, "attr-single-quoted", "<img src='a.jpg'>", "src", "a.jpg", 15);
    row(ta, "attr-unquoted-ends-at-space", "<img src=a.jpg alt=x>", "src", "a.jpg", 14);
    row(ta, "attr-unquoted-ends-at-gt", "<img src=a.jpg>", "src", "a.jpg", 14);
    row(ta, "attr-unquoted-ends-at-space-without-gt", "src=a b", "src", "a", 5);
    row(ta, "attr-tail-of-longer-name-rejected", "<img datasrc=\"a.jpg\">", "src", null);
    row(ta, "attr-no-second-try-after-tail-match", "<img datasrc=\"a\" src=\"b\">", "src", null);
    row(ta, "attr-dash-is-not-part-of-name", "<img data-src=\"a\">", "src", "a", 16);
    row(ta, "attr-white-space-around-equals", "<img src \t= \"a\">", "src", "a", 14);
    row(ta, "attr-tab-after-equals-not-skipped", "<img src=\t\"a\">", "src", "\t\"a\"", 13);
    row(ta, "attr-name-trimmed", "<img src=\"a\">", " src ", "a", 11);
    row(ta, "attr-case-insensitive", "<IMG SRC=\"a\">", "src", "a", 11, 0, false);
    row(ta, "attr-case-sensitive-miss", "<IMG SRC=\"a\">", "src", null);
    row(ta, "attr-from-after-attribute", "<img src=\"a\">", "src", null, -1, 6);
    row(ta, "attr-empty-value", "<img src=\"\">", "src", null);
    row(ta, "attr-unterminated-quote", "<img src=\"a.jpg", "src", null);
    row(ta, "attr-unquoted-without-delimiter", "src=a.jpg", "src", null);
    row(ta, "attr-blank-name", "<img src=\"a\">", "  ", null);

    const Lookup el = ElementText;
    row(el, "element-with-attributes", "<a href=\"u\">link</a>!", "a", "link", 20);
    row(el, "element-bare-form-searched-first", "<a href=\"u\">one</a><a>two</a>", "a", "two", 29);
    row(el, "element-longer-tag-not-taken", "<ab>x</ab><a >y</a>", "a", "y", 19);
    row(el, "element-inner-markup-kept", "<p><b>x</b></p>", "p", "<b>x</b>", 15);
    row(el, "element-tag-trimmed", "<b>x</b>", " b\t", "x", 8);
    row(el, "element-case-insensitive", "<TITLE>x</Title>", "title", "x", 16, 0, false);
    row(el, "element-case-sensitive-miss", "<TITLE>x</Title>", "title", null);
    row(el, "element-missing-close", "<b>x", "b", null);
}

void TestHtmlText::lookups()
{
    QFETCH(int, lookup);
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, expected);
    QFETCH(int, expectedEnd);
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int end = -1;
    const QString value = lookup == AttributeValue ? ::findAttributeValue(text, name, from, cs)
                          : lookup == TagAttribute ? ::tagAttribute(text, name, from, cs, &end)
                                                   : ::elementText(text, name, from, cs, &end);
    QCOMPARE(value, expected);
    QCOMPARE(value.isNull(), expected.isNull());
    QCOMPARE(end, expectedEnd);
    if (lookup == TagAttribute) // the end position is optional
        QCOMPARE(::tagAttribute(text, name, from, cs), expected);
}

void TestHtmlText::findImageAndLink_data()
{
    QTest::addColumn<bool>("image");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("first");  ///< src or href
    QTest::addColumn<QString>("second"); ///< alt or link text
    auto row = [](const char *name, bool image, const QString &text, int from, int expected,
                  const QString &first = QString(""), const QString &second = QString("")) {
        QTest::newRow(name) << image << text << from << expected << first << second;
    };

    row("img-src-then-alt", true, "<img src=\"a.jpg\" alt=\"An\">", 0, 24, "a.jpg", "An");
    row("img-alt-then-src", true, "<img alt=\"An\" src=\"a.jpg\">", 0, 24, "a.jpg", "An");
    row("img-no-alt-gives-src-end", true, "<IMG SRC=\"a\">", 0, 11, "a");
    row("img-from-selects-later-image", true, "<img src=\"a\"><img src=\"b\">", 5, 24, "b");
    row("img-lookup-not-bounded-by-tag", true, "<img alt=\"x\"><a src=\"b\">", 0, 22, "b", "x");
    row("img-no-src", true, "<img alt=\"x\">", 0, -1);
    row("img-line-feed-after-img-not-matched", true, "<img\nsrc=\"a\">", 0, -1);
    row("link-inner-html-kept", false, "<A HREF='u'><b>T</b></A>!", 0, 24, "u", "<b>T</b>");
    row("link-from-selects-later-link", false, "<a href=\"1\">A</a><a href=\"2\">B</a>", 10, 34,
        "2", "B");
    row("link-no-href", false, "<a name=\"x\">T</a>", 0, -1);
    row("link-empty-text", false, "<a href=\"u\"></a>", 0, -1, "u");
    row("link-no-closing-tag", false, "<a href=\"u\">T", 0, -1, "u");
}

void TestHtmlText::findImageAndLink()
{
    QFETCH(bool, image);
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, expected);
    QFETCH(QString, first);
    QFETCH(QString, second);
    QString a, b;
    QCOMPARE(image ? ::findImage(text, from, a, b) : ::findLink(text, from, a, b), expected);
    QCOMPARE(a, first);
    QCOMPARE(b, second);
}

void TestHtmlText::readTextFile()
{
    QCOMPARE(::readTextFile(write("a.txt", "caf\xc3\xa9\n")), u16(u"caf\u00e9\n"));
    QCOMPARE(::readTextFile(write("b.txt", QByteArray("ab\0cd", 5))), QStringLiteral("ab"));
    QVERIFY(::readTextFile(m_dir.filePath(QStringLiteral("missing.txt"))).isEmpty());
    QVERIFY(::readTextFile(QString()).isEmpty());
}

void TestHtmlText::packXmlInteroperatesWithQt()
{
    // Qt's own compressed form is the same layout, which makes it an independent reference.
    const QByteArray xml("<root><item>text</item></root>");
    const QByteArray packed = packXml(xml);
    QCOMPARE(packed.left(4), header(quint32(xml.size())));
    QCOMPARE(qUncompress(packed), xml);
    bool ok = false;
    QCOMPARE(::unpackXml(qCompress(xml), &ok), xml);
    QVERIFY(ok);
}

void TestHtmlText::unpackXml_data()
{
    QTest::addColumn<QByteArray>("packed");
    QTest::addColumn<QByteArray>("expected"); ///< null when unpacking must fail

    const QByteArray xml("<r>" + QByteArray(1000, 'x') + "</r>");
    const QByteArray body = packXml(xml).mid(4);
    QTest::newRow("round-trip") << packXml(xml) << xml;
    QTest::newRow("empty-data") << packXml(QByteArray()) << QByteArray("");
    QTest::newRow("declared-larger-than-data") << header(quint32(xml.size() + 10)) + body << xml;
    QTest::newRow("declared-smaller-than-data")
        << header(quint32(xml.size() - 1)) + body << QByteArray();
    QTest::newRow("declared-just-above-cap")
        << header(quint32(MaxXmlDataSize + 1)) + body << QByteArray();
    QTest::newRow("truncated-stream") << packXml(xml).chopped(5) << QByteArray();
    QTest::newRow("short-header") << QByteArray("\0\0", 2) << QByteArray();
    QTest::newRow("corrupt-stream")
        << header(100) + QByteArray("not a zlib stream at all") << QByteArray();
    QVERIFY(zlibBomb().size() > 4 && zlibBomb().size() < 1024 * 1024);
    QTest::newRow("inflation-bomb") << zlibBomb() << QByteArray();
}

void TestHtmlText::unpackXml()
{
    QFETCH(QByteArray, packed);
    QFETCH(QByteArray, expected);
    bool ok = expected.isNull();
    QCOMPARE(::unpackXml(packed, &ok), expected);
    QCOMPARE(ok, !expected.isNull());
}

void TestHtmlText::loadXmlDocument_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    // Whitespace-only text must be dropped and the undeclared prefix read as part of the name.
    const QByteArray xml("<?xml version=\"1.0\"?><root>\n  <p:item> text </p:item>\n</root>\n");
    QTest::newRow("plain-xml") << "plain.xml" << xml << true;
    QTest::newRow("upper-case-extension-is-plain") << "PLAIN.XML" << xml << true;
    QTest::newRow("tdf-is-compressed") << "engines.tdf" << packXml(xml) << true;
    QTest::newRow("no-extension-is-compressed") << "data" << packXml(xml) << true;
    QTest::newRow("plain-text-under-tdf-rejected") << "plain.tdf" << xml << false;
    QTest::newRow("compressed-under-xml-rejected") << "packed.xml" << packXml(xml) << false;
    QTest::newRow("corrupt-stream")
        << "corrupt.tdf" << header(200) + QByteArray("garbage") << false;
    QTest::newRow("declared-size-bomb")
        << "bomb.tdf" << header(0x80000000u) + packXml(xml).mid(4) << false;
    QTest::newRow("inflation-bomb") << "bomb.tdf" << zlibBomb() << false;
    QTest::newRow("compressed-not-well-formed")
        << "broken.tdf" << packXml("<root><item></root>") << false;
}

void TestHtmlText::loadXmlDocument()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);
    const std::unique_ptr<QDomDocument> document = ::loadXmlDocument(write(fileName, content));
    QCOMPARE(bool(document), loads);
    if (document) {
        const QDomElement root = document->documentElement();
        QCOMPARE(root.childNodes().count(), 1);
        QCOMPARE(root.firstChildElement().tagName(), QStringLiteral("p:item"));
        QCOMPARE(root.firstChildElement().text(), QStringLiteral(" text "));
    }
    QVERIFY(!::loadXmlDocument(QString()));
    QVERIFY(!::loadXmlDocument(m_dir.filePath(QStringLiteral("missing.tdf"))));
}

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
