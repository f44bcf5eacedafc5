#include "htmltext.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

#include <limits>

namespace {

QString u16(const char16_t *text)
{
    return QString::fromUtf16(text);
}

QByteArray header(quint32 size)
{
    QByteArray bytes(4, Qt::Uninitialized);
    bytes[0] = char(size >> 24);
    bytes[1] = char(size >> 16);
    bytes[2] = char(size >> 8);
    bytes[3] = char(size);
    return bytes;
}

// A zlib stream of `size` zero bytes, built without holding them in memory.
QByteArray deflatedZeros(qint64 size)
{
    z_stream stream = {};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return QByteArray();
    const QByteArray zeros(1024 * 1024, '\0');
    QByteArray out;
    char buffer[64 * 1024];
    qint64 left = size;
    int status = Z_OK;
    do {
        const qint64 chunk = std::min<qint64>(left, zeros.size());
        stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
        stream.avail_in = uInt(chunk);
        left -= chunk;
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            status = deflate(&stream, flush);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (stream.avail_out == 0);
    } while (left > 0);
    deflateEnd(&stream);
    return status == Z_STREAM_END ? out : QByteArray();
}

QByteArray compressedBody(const QByteArray &data)
{
    return packXml(data).mid(4);
}

} // namespace

class TestHtmlText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void entityTable_data();
    void entityTable();
    void entityTableRefillKeepsSize();

    void htmlToText_data();
    void htmlToText();
    void htmlToTextEmptyInput();
    void numericReferenceParsesLikeToInt_data();
    void numericReferenceParsesLikeToInt();
    void htmlToTextCorpusPage();

    void toParagraphs_data();
    void toParagraphs();

    void findAttributeValue_data();
    void findAttributeValue();
    void tagAttribute_data();
    void tagAttribute();
    void elementText_data();
    void elementText();
    void findImage_data();
    void findImage();
    void findLink_data();
    void findLink();

    void readTextFile_data();
    void readTextFile();

    void packXmlInteroperatesWithQt();
    void unpackXml_data();
    void unpackXml();
    void unpackXmlStopsInflationBomb_data();
    void unpackXmlStopsInflationBomb();
    void loadXmlDocument_data();
    void loadXmlDocument();
    void loadXmlDocumentDropsWhitespaceText();
    void loadXmlDocumentWithoutNamespaceProcessing();

private:
    QTemporaryDir m_dir;
};

void TestHtmlText::initTestCase()
{
    QVERIFY(m_dir.isValid());
    // Before start-up fills the table only numeric references decode.
    QCOMPARE(entityTableSize(), 0);
    QCOMPARE(entityCodePoint(QStringLiteral("copy")), 0);
    QCOMPARE(::htmlToText(QStringLiteral("&copy; &#65;"), true, false), QStringLiteral("copy; A"));
    fillEntityTable();
}

void TestHtmlText::entityTable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("codePoint");

    QTest::newRow("latin1-first") << "nbsp" << 160;
    QTest::newRow("latin1-copy") << "copy" << 169;
    QTest::newRow("latin1-last") << "yuml" << 255;
    QTest::newRow("latin1-upper-case-distinct") << "Auml" << 196;
    QTest::newRow("latin1-lower-case-distinct") << "auml" << 228;
    QTest::newRow("symbol-first") << "fnof" << 402;
    QTest::newRow("greek-skips-930") << "Sigma" << 931;
    QTest::newRow("greek-final-sigma") << "sigmaf" << 962;
    QTest::newRow("greek-thetasym") << "thetasym" << 977;
    QTest::newRow("greek-piv") << "piv" << 982;
    QTest::newRow("letterlike-image-before-weierp") << "image" << 8465;
    QTest::newRow("math-and") << "and" << 8743;
    QTest::newRow("technical-lang-not-3008") << "lang" << 9001;
    QTest::newRow("symbol-last") << "diams" << 9830;
    QTest::newRow("special-quot-kept") << "quot" << 34;
    QTest::newRow("special-OElig") << "OElig" << 338;
    QTest::newRow("special-euro") << "euro" << 8364;
    QTest::newRow("excluded-amp") << "amp" << 0;
    QTest::newRow("excluded-lt") << "lt" << 0;
    QTest::newRow("excluded-gt") << "gt" << 0;
    QTest::newRow("excluded-Yuml") << "Yuml" << 0;
    QTest::newRow("case-sensitive") << "COPY" << 0;
    QTest::newRow("not-html4-apos") << "apos" << 0;
    QTest::newRow("empty-name") << "" << 0;
}

void TestHtmlText::entityTable()
{
    QFETCH(QString, name);
    QFETCH(int, codePoint);
    QCOMPARE(entityTableSize(), 248);
    QCOMPARE(entityCodePoint(name), codePoint);
}

void TestHtmlText::entityTableRefillKeepsSize()
{
    fillEntityTable();
    QCOMPARE(entityTableSize(), 248);
    QCOMPARE(entityCodePoint(QStringLiteral("euro")), 8364);
}

void TestHtmlText::htmlToText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("decode");
    QTest::addColumn<bool>("filterSpace");
    QTest::addColumn<QString>("expected");

    // Tags and fragments
    QTest::newRow("plain-text-unchanged") << "plain" << true << false << "plain";
    QTest::newRow("tags-removed") << "<b>bold</b> text" << true << false << "bold text";
    QTest::newRow("fragment-begins-inside-tag")
        << "class=\"x\">Hello <b>World</b>" << true << false << "Hello World";
    QTest::newRow("fragment-without-any-tag-open") << "junk>rest" << true << false << "rest";
    QTest::newRow("fragment-ending-at-first-gt") << "junk>" << true << false << "";
    QTest::newRow("gt-at-position-zero-is-text") << ">abc" << true << false << ">abc";
    QTest::newRow("unterminated-tag-drops-rest") << "a<b class" << true << false << "a";
    QTest::newRow("p-with-attributes-is-ordinary-tag")
        << "a<p class=\"x\">b" << true << false << "ab";
    QTest::newRow("br-slash-without-space-is-ordinary-tag") << "a<br/>b" << true << false << "ab";

    // Comments
    QTest::newRow("comment-removed") << "a<!-- hidden -->b" << true << false << "ab";
    QTest::newRow("comment-hides-tags") << "a<!-- <p>x</p> -->b" << true << false << "ab";
    QTest::newRow("unterminated-comment-drops-rest")
        << "a<!-- never closed" << true << false << "a";
    QTest::newRow("comment-closed-at-end") << "a<!-- x -->" << true << false << "a";
    QTest::newRow("comment-marker-outside-comment-discards")
        << "<b>old</b> --> new" << true << false << "new";
    QTest::newRow("dashes-without-gt-are-text") << "a--b" << true << false << "a--b";

    // Line structure
    QTest::newRow("p-adds-line-feeds") << "a<p>b</p>c" << true << false << "a\nb\nc";
    QTest::newRow("p-upper-case") << "a<P>b</P>c" << true << false << "a\nb\nc";
    QTest::newRow("closing-p-at-end-is-ordinary-tag") << "a<p>b</p>" << true << false << "a\nb";
    QTest::newRow("opening-p-at-end-is-ordinary-tag") << "a<p>" << true << false << "a";
    QTest::newRow("br-forms") << "a<br>b<BR />c" << true << false << "a\nb\nc";
    QTest::newRow("filter-space-drops-source-breaks") << "a\nb\tc" << true << true << "abc";
    QTest::newRow("filter-space-keeps-breaks-inside-paragraph")
        << "x<p>a\nb</p>c\nd" << true << true << "x\na\nb\ncd";
    QTest::newRow("filter-space-off-keeps-breaks") << "a\nb\tc" << true << false << "a\nb\tc";
    QTest::newRow("carriage-return-copied") << "a\r\nb" << true << true << "a\rb";
    QTest::newRow("two-spaces-become-one") << "a  b" << true << false << "a b";
    QTest::newRow("leading-space-skipped") << "  a" << true << false << "a";
    QTest::newRow("space-after-line-feed-kept") << "a<br> b" << true << false << "a\n b";
    QTest::newRow("only-tags-gives-empty") << "<b></b>" << true << false << "";

    // Style and script
    QTest::newRow("style-block-dropped") << "a<style>p{}</style>b" << true << false << "ab";
    QTest::newRow("style-mixed-case") << "a<STYLE type=x>p{}</Style>b" << true << false << "ab";
    QTest::newRow("script-with-markup-dropped")
        << "a<script>if (x<y) w('<p>')</script>b" << true << false << "ab";
    QTest::newRow("unterminated-script-ends-output")
        << "a<script>x</scrip>b" << true << false << "a";
    QTest::newRow("unterminated-style-ends-output") << "a<style>x" << true << false << "a";

    // Entities
    QTest::newRow("numeric-reference") << "&#65;" << true << false << "A";
    QTest::newRow("numeric-four-digit-form") << "&#0065x" << true << false << "Ax";
    QTest::newRow("numeric-four-digit-form-at-end") << "x&#0065" << true << false << "xA";
    QTest::newRow("numeric-four-digit-form-too-short") << "&#65" << true << false << "#65";
    QTest::newRow("numeric-four-digit-form-not-a-number-skipped")
        << "&#abcdX" << true << false << "X";
    QTest::newRow("hex-reference-not-decoded") << "&#x41;" << true << false << "#x41;";
    QTest::newRow("numeric-above-16-bits-keeps-low-bits") << "&#65601;" << true << false << "A";
    QTest::newRow("numeric-zero-not-appended") << "&#0;" << true << false << "#0;";
    QTest::newRow("numeric-negative-not-appended") << "&#-65;" << true << false << "#-65;";
    QTest::newRow("copyright") << "&copy; 2024" << true << false << u16(u"\u00a9 2024");
    QTest::newRow("amp-keeps-name") << "a&amp;b" << true << false << "aamp;b";
    QTest::newRow("lt-keeps-name") << "&lt;b" << true << false << "lt;b";
    QTest::newRow("gt-before-text") << "&gt;x" << true << false << ">x";
    QTest::newRow("gt-at-end") << "&gt;" << true << false << "gt;";
    QTest::newRow("bare-gt-semicolon-in-text") << "aGT;b" << true << false << "a>b";
    QTest::newRow("entity-case-sensitive") << "&COPY;" << true << false << "COPY;";
    QTest::newRow("unknown-entity") << "&foo;" << true << false << "foo;";
    QTest::newRow("ampersand-without-semicolon") << "a & b" << true << false << "a b";
    QTest::newRow("ampersand-before-semicolon") << "a&;b" << true << false << "a;b";
    QTest::newRow("semicolon-far-away") << "&a b;x" << true << false << "a b;x";
    QTest::newRow("consecutive-entities")
        << "&copy;&reg;&euro;" << true << false << u16(u"\u00a9\u00ae\u20ac");
    QTest::newRow("unknown-then-known-entity") << "&x &copy;" << true << false << u16(u"x \u00a9");
    QTest::newRow("decode-off-copies-ampersand") << "&copy;" << false << false << "&copy;";
    QTest::newRow("decode-off-still-reads-gt") << "&gt;x" << false << false << "&>x";
    QTest::newRow("entity-inside-paragraph")
        << "<p>caf&eacute;</p>." << true << true << u16(u"\ncaf\u00e9\n.");
}

void TestHtmlText::htmlToText()
{
    QFETCH(QString, input);
    QFETCH(bool, decode);
    QFETCH(bool, filterSpace);
    QFETCH(QString, expected);

    const QString result = ::htmlToText(input, decode, filterSpace);
    QCOMPARE(result, expected);
    QVERIFY(!result.isNull());
}

void TestHtmlText::htmlToTextEmptyInput()
{
    QVERIFY(::htmlToText(QString(), true, true).isNull());
    QVERIFY(::htmlToText(QStringLiteral(""), true, false).isNull());
}

void TestHtmlText::numericReferenceParsesLikeToInt_data()
{
    QTest::addColumn<QString>("digits");

    QTest::newRow("plain") << "65";
    QTest::newRow("leading-zeros") << "00000000000000000065";
    QTest::newRow("blanks-around") << " 65\t";
    QTest::newRow("plus-sign") << "+65";
    QTest::newRow("sign-then-blank") << "- 5";
    QTest::newRow("blank-inside") << "6 5";
    QTest::newRow("int-max") << "2147483647";
    QTest::newRow("int-overflow") << "2147483648";
    QTest::newRow("int-min") << "-2147483648";
    QTest::newRow("no-break-space-is-not-blank") << u16(u"\u00a065");
    QTest::newRow("fullwidth-digits") << u16(u"\uff16\uff15");
    QTest::newRow("decimal-point") << "65.0";
    QTest::newRow("only-sign") << "+";
}

void TestHtmlText::numericReferenceParsesLikeToInt()
{
    QFETCH(QString, digits);
    bool ok = false;
    const int value = digits.toInt(&ok);
    const QString expected = ok && value > 0
                                 ? QString(QChar(char16_t(value & 0xFFFF))) + QStringLiteral("x")
                                 : QStringLiteral("#") + digits + QStringLiteral(";x");
    QCOMPARE(::htmlToText(QStringLiteral("&#") + digits + QStringLiteral(";x"), true, false),
             expected);
}

void TestHtmlText::htmlToTextCorpusPage()
{
    QFile file(QStringLiteral(TESSOLIN_CORPUS "/pages/en-bbc.html"));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QString text = ::htmlToText(QString::fromUtf8(file.readAll()), true, true);
    QVERIFY(text.contains(QStringLiteral("Prosecutors in Sweden have dropped an investigation "
                                         "into a rape allegation")));
    QVERIFY(text.contains(QStringLiteral("the decision to \"discontinue the investigation "
                                         "regarding Julian Assange\"")));
    QVERIFY(!text.contains(QStringLiteral("<div")));
    QVERIFY(!text.contains(QStringLiteral("&quot;")));
}

void TestHtmlText::toParagraphs_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("single-line") << "a"
                                 << "<P>a</P>";
    QTest::newRow("empty-line-between") << "a\n\nb"
                                        << "<P>a</P><P>b</P>";
    QTest::newRow("single-line-feed-between") << "a\nb"
                                              << "<P>a</P><P>b</P>";
    QTest::newRow("outer-line-feeds-dropped") << "\na\n"
                                              << "<P>a</P>";
    QTest::newRow("only-line-feeds") << "\n\n"
                                     << "";
    QTest::newRow("carriage-return-is-content") << "a\r\nb"
                                                << "<P>a\r</P><P>b</P>";
}

void TestHtmlText::toParagraphs()
{
    QFETCH(QString, input);
    QFETCH(QString, expected);
    QCOMPARE(::toParagraphs(input), expected);
}

void TestHtmlText::findAttributeValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("expected");

    const QString null;
    QTest::newRow("double-quoted") << "<img alt=\"x y\">"
                                   << "alt" << 0 << true << "x y";
    QTest::newRow("single-quoted") << "<img alt='x'>"
                                   << "alt" << 0 << true << "x";
    QTest::newRow("unquoted-ends-at-gt") << "<img alt=x>"
                                         << "alt" << 0 << true << "x";
    QTest::newRow("unquoted-ends-at-space") << "<img alt=x title=y>"
                                            << "alt" << 0 << true << "x";
    QTest::newRow("minimal-stops-at-first-quote") << "<a title=\"a\" alt=\"b\">"
                                                  << "title" << 0 << true << "a";
    QTest::newRow("dot-matches-line-feed") << "<a title=\"a\nb\">"
                                           << "title" << 0 << true << "a\nb";
    QTest::newRow("quoted-form-searched-before-unquoted") << "<img alt=x> <img alt=\"y\">"
                                                          << "alt" << 0 << true << "y";
    QTest::newRow("single-quoted-before-unquoted") << "<img alt=x> <img alt='y'>"
                                                   << "alt" << 0 << true << "y";
    QTest::newRow("tab-before-name-not-matched") << "<img\talt=\"x\">"
                                                 << "alt" << 0 << true << null;
    QTest::newRow("case-insensitive") << "<img ALT=\"x\">"
                                      << "alt" << 0 << false << "x";
    QTest::newRow("case-sensitive-miss") << "<img ALT=\"x\">"
                                         << "alt" << 0 << true << null;
    QTest::newRow("from-skips-earlier") << "<a alt=\"1\"> <b alt=\"2\">"
                                        << "alt" << 10 << true << "2";
    QTest::newRow("invalid-pattern-name") << "<img alt=\"x\">"
                                          << "a(" << 0 << true << null;
    QTest::newRow("name-is-a-pattern") << "<img alt=\"x\">"
                                       << "a.t" << 0 << true << "x";
    QTest::newRow("unquoted-without-delimiter") << " alt=x"
                                                << "alt" << 0 << true << null;
    QTest::newRow("absent") << "<img src=\"x\">"
                            << "alt" << 0 << true << null;
    QTest::newRow("empty-name") << "<img alt=\"x\">"
                                << "" << 0 << true << null;
    QTest::newRow("empty-text") << ""
                                << "alt" << 0 << true << null;
}

void TestHtmlText::findAttributeValue()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, expected);

    const QString value = ::findAttributeValue(
        text, name, from, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    QCOMPARE(value, expected);
    QCOMPARE(value.isNull(), expected.isNull());
}

void TestHtmlText::tagAttribute_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("from");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedEnd");

    const QString null;
    QTest::newRow("double-quoted") << "<img src=\"a.jpg\">"
                                   << "src" << 0 << true << "a.jpg" << 15;
    QTest::newRow("single-quoted") << "<img src='a.jpg'>"
                                   << "src" << 0 << true << "a.jpg" << 15;
    QTest::newRow("unquoted-ends-at-space") << "<img src=a.jpg alt=x>"
                                            << "src" << 0 << true << "a.jpg" << 14;
    QTest::newRow("unquoted-ends-at-gt") << "<img src=a.jpg>"
                                         << "src" << 0 << true << "a.jpg" << 14;
    QTest::newRow("unquoted-ends-at-space-without-gt") << "src=a b"
                                                       << "src" << 0 << true << "a" << 5;
    QTest::newRow("tail-of-longer-name-rejected") << "<img datasrc=\"a.jpg\">"
                                                  << "src" << 0 << true << null << -1;
    QTest::newRow("no-second-try-after-tail-match") << "<img datasrc=\"a\" src=\"b\">"
                                                    << "src" << 0 << true << null << -1;
    QTest::newRow("dash-is-not-part-of-name") << "<img data-src=\"a\">"
                                              << "src" << 0 << true << "a" << 16;
    QTest::newRow("white-space-around-equals") << "<img src \t= \"a\">"
                                               << "src" << 0 << true << "a" << 14;
    QTest::newRow("unicode-white-space-before-equals")
        << u16(u"<img src\u00a0=\"a\">") << "src" << 0 << true << "a" << 12;
    QTest::newRow("tab-after-equals-not-skipped") << "<img src=\t\"a\">"
                                                  << "src" << 0 << true << "\t\"a\"" << 13;
    QTest::newRow("match-at-text-start") << "src=\"a\""
                                         << "src" << 0 << true << "a" << 6;
    QTest::newRow("name-trimmed") << "<img src=\"a\">"
                                  << " src " << 0 << true << "a" << 11;
    QTest::newRow("case-insensitive") << "<IMG SRC=\"a\">"
                                      << "src" << 0 << false << "a" << 11;
    QTest::newRow("case-sensitive-miss") << "<IMG SRC=\"a\">"
                                         << "src" << 0 << true << null << -1;
    QTest::newRow("from-after-attribute") << "<img src=\"a\">"
                                          << "src" << 6 << true << null << -1;
    QTest::newRow("empty-value") << "<img src=\"\">"
                                 << "src" << 0 << true << null << -1;
    QTest::newRow("unquoted-empty-value") << "<img src=>"
                                          << "src" << 0 << true << null << -1;
    QTest::newRow("unterminated-quote") << "<img src=\"a.jpg"
                                        << "src" << 0 << true << null << -1;
    QTest::newRow("unquoted-without-delimiter") << "src=a.jpg"
                                                << "src" << 0 << true << null << -1;
    QTest::newRow("equals-at-end") << "src="
                                   << "src" << 0 << true << null << -1;
    QTest::newRow("empty-name") << "<img src=\"a\">"
                                << "  " << 0 << true << null << -1;
    QTest::newRow("empty-text") << ""
                                << "src" << 0 << true << null << -1;
}

void TestHtmlText::tagAttribute()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(int, from);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, expected);
    QFETCH(int, expectedEnd);

    int end = -1;
    const QString value = ::tagAttribute(
        text, name, from, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive, &end);
    QCOMPARE(value, expected);
    QCOMPARE(value.isNull(), expected.isNull());
    QCOMPARE(end, expectedEnd);
    // The end position is optional.
    QCOMPARE(
        ::tagAttribute(text, name, from, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive),
        expected);
}

void TestHtmlText::elementText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("expectedEnd");

    const QString null;
    QTest::newRow("bare-element") << "x<title>Hello</title>y"
                                  << "title" << true << "Hello" << 21;
    QTest::newRow("element-with-attributes") << "<a href=\"u\">link</a>!"
                                             << "a" << true << "link" << 20;
    QTest::newRow("bare-form-searched-first") << "<a href=\"u\">one</a><a>two</a>"
                                              << "a" << true << "two" << 29;
    QTest::newRow("longer-tag-not-taken") << "<ab>x</ab><a >y</a>"
                                          << "a" << true << "y" << 19;
    QTest::newRow("inner-markup-kept") << "<p><b>x</b></p>"
                                       << "p" << true << "<b>x</b>" << 15;
    QTest::newRow("tag-trimmed") << "<b>x</b>"
                                 << " b\t" << true << "x" << 8;
    QTest::newRow("case-insensitive") << "<TITLE>x</Title>"
                                      << "title" << false << "x" << 16;
    QTest::newRow("case-sensitive-miss") << "<TITLE>x</Title>"
                                         << "title" << true << null << -1;
    QTest::newRow("empty-content") << "<b></b>"
                                   << "b" << true << "" << 7;
    QTest::newRow("missing-close") << "<b>x"
                                   << "b" << true << null << -1;
    QTest::newRow("missing-open") << "x</b>"
                                  << "b" << true << null << -1;
    QTest::newRow("open-tag-without-gt") << "<a href"
                                         << "a" << true << null << -1;
    QTest::newRow("empty-tag") << "<>x</>"
                               << "" << true << null << -1;
}

void TestHtmlText::elementText()
{
    QFETCH(QString, text);
    QFETCH(QString, tag);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, expected);
    QFETCH(int, expectedEnd);

    int end = -1;
    const QString inner =
        ::elementText(text, tag, 0, caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive, &end);
    QCOMPARE(inner, expected);
    QCOMPARE(inner.isNull(), expected.isNull());
    QCOMPARE(end, expectedEnd);
}

void TestHtmlText::findImage_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("src");
    QTest::addColumn<QString>("alt");

    QTest::newRow("src-then-alt") << "<img src=\"a.jpg\" alt=\"An\">" << 0 << 24 << "a.jpg"
                                  << "An";
    QTest::newRow("alt-then-src") << "<img alt=\"An\" src=\"a.jpg\">" << 0 << 24 << "a.jpg"
                                  << "An";
    QTest::newRow("no-alt-gives-src-end") << "<img src=\"a.jpg\">" << 0 << 15 << "a.jpg"
                                          << "";
    QTest::newRow("upper-case-tag") << "<IMG SRC=\"a\">" << 0 << 11 << "a"
                                    << "";
    QTest::newRow("from-selects-later-image") << "<img src=\"a\"><img src=\"b\">" << 5 << 24 << "b"
                                              << "";
    QTest::newRow("lookup-not-bounded-by-tag") << "<img alt=\"x\"><a src=\"b\">" << 0 << 22 << "b"
                                               << "x";
    QTest::newRow("no-src") << "<img alt=\"x\">" << 0 << -1 << ""
                            << "";
    QTest::newRow("no-image") << "<a href=\"x\">" << 0 << -1 << ""
                              << "";
    QTest::newRow("line-feed-after-img-not-matched") << "<img\nsrc=\"a\">" << 0 << -1 << ""
                                                     << "";
}

void TestHtmlText::findImage()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, expected);
    QFETCH(QString, src);
    QFETCH(QString, alt);

    QString foundSrc;
    QString foundAlt;
    QCOMPARE(::findImage(text, from, foundSrc, foundAlt), expected);
    QCOMPARE(foundSrc, src);
    QCOMPARE(foundAlt, alt);
}

void TestHtmlText::findLink_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("linkText");

    QTest::newRow("simple-link") << "<a href=\"u\">Text</a>" << 0 << 20 << "u"
                                 << "Text";
    QTest::newRow("inner-html-kept") << "<a href=\"u\"><b>T</b></a>!" << 0 << 24 << "u"
                                     << "<b>T</b>";
    QTest::newRow("upper-case") << "<A HREF='u'>T</A>" << 0 << 17 << "u"
                                << "T";
    QTest::newRow("from-selects-later-link")
        << "<a href=\"1\">A</a><a href=\"2\">B</a>" << 10 << 34 << "2"
        << "B";
    QTest::newRow("no-href") << "<a name=\"x\">T</a>" << 0 << -1 << ""
                             << "";
    QTest::newRow("empty-link-text") << "<a href=\"u\"></a>" << 0 << -1 << "u"
                                     << "";
    QTest::newRow("no-closing-tag") << "<a href=\"u\">T" << 0 << -1 << "u"
                                    << "";
}

void TestHtmlText::findLink()
{
    QFETCH(QString, text);
    QFETCH(int, from);
    QFETCH(int, expected);
    QFETCH(QString, href);
    QFETCH(QString, linkText);

    QString foundHref;
    QString foundText;
    QCOMPARE(::findLink(text, from, foundHref, foundText), expected);
    QCOMPARE(foundHref, href);
    QCOMPARE(foundText, linkText);
}

void TestHtmlText::readTextFile_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utf8-decoded") << "a.txt" << QByteArray("caf\xc3\xa9\n") << u16(u"caf\u00e9\n");
    QTest::newRow("stops-at-nul") << "b.txt" << QByteArray("ab\0cd", 5) << "ab";
    QTest::newRow("empty-file") << "c.txt" << QByteArray() << "";
    QTest::newRow("missing-file") << "" << QByteArray() << "";
}

void TestHtmlText::readTextFile()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);

    QString path = m_dir.filePath(QStringLiteral("missing.txt"));
    if (!fileName.isEmpty()) {
        path = m_dir.filePath(fileName);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QCOMPARE(::readTextFile(path), expected);
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
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray xml("<r>" + QByteArray(1000, 'x') + "</r>");
    const QByteArray body = compressedBody(xml);
    QTest::newRow("round-trip") << packXml(xml) << true << xml;
    QTest::newRow("empty-data") << packXml(QByteArray()) << true << QByteArray();
    QTest::newRow("declared-larger-than-data")
        << header(quint32(xml.size() + 10)) + body << true << xml;
    QTest::newRow("declared-smaller-than-data")
        << header(quint32(xml.size() - 1)) + body << false << QByteArray();
    QTest::newRow("declared-size-bomb") << header(0x80000000u) + body << false << QByteArray();
    QTest::newRow("declared-just-above-cap")
        << header(quint32(MaxXmlDataSize + 1)) + body << false << QByteArray();
    QTest::newRow("truncated-stream") << packXml(xml).chopped(5) << false << QByteArray();
    QTest::newRow("header-only") << header(10) << false << QByteArray();
    QTest::newRow("short-header") << QByteArray("\0\0", 2) << false << QByteArray();
    QTest::newRow("corrupt-stream")
        << header(100) + QByteArray("not a zlib stream at all") << false << QByteArray();
    QByteArray flipped = packXml(xml);
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);
    QTest::newRow("corrupt-body") << flipped << false << QByteArray();
}

void TestHtmlText::unpackXml()
{
    QFETCH(QByteArray, packed);
    QFETCH(bool, ok);
    QFETCH(QByteArray, expected);

    bool result = !ok;
    QCOMPARE(::unpackXml(packed, &result), expected);
    QCOMPARE(result, ok);
}

void TestHtmlText::unpackXmlStopsInflationBomb_data()
{
    QTest::addColumn<quint32>("declared");

    QTest::newRow("small-declared-size") << quint32(4096);
    QTest::newRow("declared-at-cap") << quint32(MaxXmlDataSize);
}

void TestHtmlText::unpackXmlStopsInflationBomb()
{
    QFETCH(quint32, declared);
    static const QByteArray bomb = deflatedZeros(100 * 1024 * 1024);
    QVERIFY(!bomb.isEmpty());
    QVERIFY(bomb.size() < 1024 * 1024);

    bool ok = true;
    QVERIFY(::unpackXml(header(declared) + bomb, &ok).isEmpty());
    QVERIFY(!ok);

    const QString path = m_dir.filePath(QStringLiteral("bomb.tdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(header(declared) + bomb);
    file.close();
    QVERIFY(!::loadXmlDocument(path));
}

void TestHtmlText::loadXmlDocument_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loads");

    const QByteArray xml("<?xml version=\"1.0\"?><root><item>text</item></root>");
    QTest::newRow("plain-xml") << "plain.xml" << xml << true;
    QTest::newRow("upper-case-extension-is-plain") << "PLAIN.XML" << xml << true;
    QTest::newRow("mixed-case-extension-is-plain") << "plain.Xml" << xml << true;
    QTest::newRow("tdf-is-compressed") << "engines.tdf" << packXml(xml) << true;
    QTest::newRow("no-extension-is-compressed") << "data" << packXml(xml) << true;
    QTest::newRow("plain-text-under-tdf-rejected") << "plain.tdf" << xml << false;
    QTest::newRow("compressed-under-xml-rejected") << "packed.xml" << packXml(xml) << false;
    QTest::newRow("corrupt-stream")
        << "corrupt.tdf" << header(200) + QByteArray("garbage garbage garbage") << false;
    QTest::newRow("truncated-file") << "truncated.tdf" << packXml(xml).chopped(6) << false;
    QTest::newRow("declared-size-bomb")
        << "bomb.tdf" << header(0x80000000u) + compressedBody(xml) << false;
    QTest::newRow("empty-plain-file") << "empty.xml" << QByteArray() << false;
    QTest::newRow("empty-compressed-file") << "empty.tdf" << QByteArray() << false;
    QTest::newRow("not-well-formed") << "broken.xml" << QByteArray("<root><item></root>") << false;
    QTest::newRow("compressed-not-well-formed")
        << "broken.tdf" << packXml("<root><item></root>") << false;
}

void TestHtmlText::loadXmlDocument()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loads);

    const QString path = m_dir.filePath(fileName);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    const std::unique_ptr<QDomDocument> document = ::loadXmlDocument(path);
    QCOMPARE(bool(document), loads);
    if (document) {
        QCOMPARE(document->documentElement().tagName(), QStringLiteral("root"));
        QCOMPARE(document->documentElement().firstChildElement().text(), QStringLiteral("text"));
    }
    QVERIFY(!::loadXmlDocument(QString()));
    QVERIFY(!::loadXmlDocument(m_dir.filePath(QStringLiteral("missing.xml"))));
    QVERIFY(!::loadXmlDocument(m_dir.filePath(QStringLiteral("missing.tdf"))));
}

void TestHtmlText::loadXmlDocumentDropsWhitespaceText()
{
    const QString path = m_dir.filePath(QStringLiteral("spaced.xml"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<root>\n  <a> x </a>\n  <b>  </b>\n</root>\n");
    file.close();

    const std::unique_ptr<QDomDocument> document = ::loadXmlDocument(path);
    QVERIFY(document);
    const QDomElement root = document->documentElement();
    QCOMPARE(root.childNodes().count(), 2);
    QCOMPARE(root.firstChildElement(QStringLiteral("b")).childNodes().count(), 0);
    QCOMPARE(root.firstChildElement(QStringLiteral("a")).text(), QStringLiteral(" x "));
}

void TestHtmlText::loadXmlDocumentWithoutNamespaceProcessing()
{
    // Without namespace processing an undeclared prefix is only part of the name.
    const QString path = m_dir.filePath(QStringLiteral("prefixed.tdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(packXml("<root><p:item>x</p:item></root>"));
    file.close();

    const std::unique_ptr<QDomDocument> document = ::loadXmlDocument(path);
    QVERIFY(document);
    const QDomElement item = document->documentElement().firstChildElement();
    QCOMPARE(item.tagName(), QStringLiteral("p:item"));
    QVERIFY(item.namespaceURI().isEmpty());
}

QTEST_GUILESS_MAIN(TestHtmlText)
#include "tst_htmltext.moc"
