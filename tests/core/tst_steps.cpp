#include "clcuttingsteps.h"
#include "clextractsteps.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "sectioncut.h"
#include "testkit.h"

#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

namespace {

struct PointRow
{
    QString pattern;
    int direction = 0, from = 0, offset = 0, occurrence = 1;
    CLPoint *make() const
    {
        auto *point = new CLPoint;
        std::tie(point->pattern, point->direction, point->from, point->offset, point->occurrence) =
            std::tie(pattern, direction, from, offset, occurrence);
        return point;
    }
};

constexpr int fwd = PointForward, back = PointBackward;
constexpr int begin = PointFromBegin, end = PointFromEnd, previous = PointFromPrevious;

// Steps learn their codeset and duplicate rule through the topic they belong to.
std::unique_ptr<CLSite> siteWith(const QString &codeset, CLStep *step, int mergeDup = 0)
{
    auto site = std::make_unique<CLSite>();
    site->codeset = codeset;
    addPage(site.get(), new CLPage);
    addTrack(site->pages[0], new CLTrack);
    auto *topic = new CLTopic;
    topic->mergeDup = mergeDup;
    addTopic(site->pages[0]->tracks[0], topic);
    addStep(topic, step);
    return site;
}

// Cuts DATA (null result: null string) with a section cutter of a Latin-1 site.
QString cutWith(CLData &data, const QString &start, const QString &end, bool cutAll,
                bool cutPattern)
{
    auto *step = new CLStepSectionCutter;
    const auto site = siteWith(u"ISO-8859-1"_s, step);
    std::tie(step->startPattern, step->endPattern, step->cutAll, step->cutPattern) =
        std::tie(start, end, cutAll, cutPattern);
    const std::unique_ptr<CLData> result(step->process(&data));
    return result ? result->text : QString();
}

// Where the one-pass cut differs from cutting one section at a time; empty when it does not.
QString cutDifference(const QString &text, const QString &start, const QString &end, bool cutAll,
                      bool cutPattern)
{
    CLData data(text);
    const QString found = cutWith(data, start, end, cutAll, cutPattern);
    const QString expected = straightforwardCut(text, start, end, cutAll, cutPattern);
    return found == expected ? QString()
                             : u"'%1' cut from '%2' to '%3' (all %4, patterns %5): '%6', not '%7'"_s
                                   .arg(text, start, end)
                                   .arg(cutAll)
                                   .arg(cutPattern)
                                   .arg(found, expected);
}

struct FilterRow
{
    const char *name;
    bool bytes, sensitive; // matchBytes on the Latin-1 form, else matchText
    QStringList include, exclude;
    QString text;
    bool expected;
};
const FilterRow filterRows[] = {
    // Text filters: Qt 4 wildcards found anywhere in the text.
    {"text: found anywhere, not anchored", 0, 1, {"n?ws"}, {}, "http://x.org/news/1.html", true},
    {"text: question mark needs one character", 0, 1, {"a?c"}, {}, "ac", false},
    {"text: question mark and star cross line breaks", 0, 1, {"a?c*e"}, {}, "a\nc\n\ne", true},
    {"text: backtracking past a false start", 0, 1, {"ab*abc"}, {}, "abababab-abc", true},
    {"text: reversed range still spans", 0, 1, {"[z-a]"}, {}, "m", true},
    {"text: caret negates a set", 0, 1, {"[^a]"}, {}, "aaa", false},
    {"text: bang does not negate a set", 0, 1, {"[!a]"}, {}, "b", false},
    {"text: closing bracket first is a member", 0, 1, {"[]x]"}, {}, "]", true},
    {"text: unclosed set matches nothing", 0, 1, {"[abc"}, {}, "[abc", false},
    {"text: lone closing bracket matches nothing", 0, 1, {"a]"}, {}, "a]", false},
    {"text: backslash before a letter is doubled", 0, 1, {"a\\b"}, {}, "a\\b", false},
    {"text: backslash-star is not a run", 0, 1, {"a\\*"}, {}, "a\\b", false},
    {"text: keeping case", 0, 1, {"NEWS"}, {}, "latest news", false},
    {"text: second include pattern matches", 0, 1, {"a", "y"}, {}, "xyz", true},
    {"text: ignoring case", 0, 0, {"N?WS*"}, {}, "latest news", true},
    {"text: set ignoring case", 0, 0, {"[A-C]"}, {}, "b", true},
    {"text: negated set ignoring case refuses the other case", 0, 0, {"[^a]"}, {}, "A", false},
    {"text: plain pattern ignoring case folds final sigma", 0, 0, {"\u03C3"}, {}, "\u03C2", true},
    {"text: wildcard pattern ignoring case only lowers", 0, 0, {"\u03C3*"}, {}, "\u03C2", false},
    {"text: exclude wins over include", 0, 0, {"*news*"}, {"*sport*"}, "x/News/Sport/1", false},
    // Byte filters: pieces between stars found in order, exact bytes.
    {"bytes: bytes keep case whatever the filter says", 1, 0, {"ABC"}, {}, "abc", false},
    {"bytes: next piece starts behind the previous match", 1, 0, {"aba*a"}, {}, "aba", false},
    {"bytes: question mark and brackets are literal", 1, 0, {"[x]?"}, {}, "<[x]?>", true},
    {"bytes: pattern is not UTF-8", 1, 0, {"caf\u00E9"}, {}, "caf\u00C3\u00A9", false},
    {"bytes: exclude rejects", 1, 0, {"<html"}, {"*print*view"}, "<html>print preview", false},
};

const QByteArray five("xAyAz");
constexpr int invalid = -2; // a miss, and the point's invalid reason is the row's name
struct FindPointRow
{
    const char *name;
    QByteArray bytes;
    PointRow point;
    int expected, base = 0;
};
const FindPointRow findPointRows[] = {
    {"second occurrence", five, {"A", fwd, begin, 0, 2}, 3, 0},
    {"match at position 0 is never found", "Axx", {"A", fwd, begin}, -1, 0},
    {"forward from previous before the bytes", five, {"A", fwd, previous, -4}, -1, 3},
    {"backward from the end finds the last", five, {"A", back, end}, 3, 0},
    {"backward occurrence 2 finds the one before", five, {"A", back, end, 0, 2}, 1, 0},
    {"backward match at position 0 is refused", "Axx", {"A", back, end}, -1, 0},
    {"backward offset before the last match", five, {"A", back, end, -3}, 1, 0},
    {"backward from previous includes a match there", five, {"A", back, previous}, 3, 3},
    {"pattern encoded with the codeset", "-caf\xE9-", {"caf\u00E9", fwd, begin}, 1, 0},
    {"direction is not set", five, {"A", 3, begin}, invalid},
    {"pattern is empty", five, {"", fwd, begin}, invalid},
    {"offset must be 0 or more from the beginning", five, {"A", fwd, begin, -1}, invalid},
    {"offset must be 0 or less from the end", five, {"A", back, end, 1}, invalid},
    {"a forward point cannot start from the end", five, {"A", fwd, end}, invalid},
    {"a backward point cannot start from the beginning", five, {"A", back, begin}, invalid},
};

const PointRow openB{"<b>", fwd, begin}, closeB{"</b>", fwd, previous};
const PointRow cafe{"caf\u00E9", fwd, begin}, creme{"cr\u00E8me", fwd, previous};
const QByteArray cafeCreme = "<p>caf\xE9 cr\xE8me</p>";
struct PairRow
{
    const char *name;
    PointRow a, b;       // no point B when its pattern is empty
    QByteArray expected; // null for a null result
    QString include = {};
    QByteArray bytes = "xx<b>text</b>yy";
};
const PairRow pairRows[] = {
    {"cut begins with A and ends before B", openB, closeB, "<b>text"},
    {"filter that skips the page returns the input", openB, closeB, "xx<b>text</b>yy", "<i>"},
    {"point B not found", openB, {"</i>", fwd, previous}, QByteArray()},
    {"A and B at the same position", openB, {"<b>", back, previous}, QByteArray()},
    {"B before A swaps the ends", {"</b>", fwd, begin}, {"<b>", back, previous}, "<b>text"},
    {"forward A alone stops before the last byte", openB, {}, "<b>text</b>y"},
    {"backward A alone starts at the first byte", {"</b>", back, end}, {}, "xx<b>text"},
    {"patterns encoded with the site codeset", cafe, creme, "caf\xE9 ", {}, cafeCreme},
};

// Every row cuts as cutting one section at a time does, with and without cutAll and cutPattern;
// a cut joins the text before and after it, and a start pattern may form across the join.
const QString referenceOnly = "(reference only)";
struct CutRow
{
    const char *name;
    QString text, start, end; // text: Latin-1 when a result is given, cut as bytes and as text
    bool cutAll = true, cutPattern = true;
    QString expected = referenceOnly; // null for a null result
};
const CutRow cutRows[] = {
    {"every comment removed with its markers", "a<!--1-->b<!--2-->c", "<!--", "-->", 1, 1, "abc"},
    {"only the first comment without cutAll", "a<!--1-->b<!--2-->c", "<!--", "-->", 0, 1,
     "ab<!--2-->c"},
    {"patterns kept", "abcd<!--1-->b<!--2-->c", "<!--", "-->", 1, 0, "abcd<!---->b<!---->c"},
    {"first search skips end length", "a<!--1-->b<!--2-->c", "<!--", "-->", 1, 0,
     "a<!--1-->b<!---->c"},
    {"start without an end is left", "a<!--b", "<!--", "-->", 1, 1, "a<!--b"},
    {"patterns keep case", "<b>x</b>", "<B>", "</B>", 1, 1, "<b>x</b>"},
    {"empty end pattern cuts starts", "a<br>b<br>c", "<br>", "", 1, 1, "abc"},
    {"two empty patterns cut nothing", "abc", "", "", 1, 0, "abc"},
    {"everything cut is null", "<!--all-->", "<!--", "-->", 1, 1, QString()},
    {"site codeset decodes bytes", "caf\u00E9<!--x-->!", "<!--", "-->", 1, 1, "caf\u00E9!"},
    {"start pattern formed across a cut", "x<<!--a-->!--b-->y", "<!--", "-->"},
    {"start formed across two cuts", "<<[]![]-[]-c-->d", "<!--", "[]"},
    {"start formed with the end of an earlier join", "ab[x]c[y]d[z]", "abcd", "]"},
    {"end pattern inside the start pattern", "a<!-->b-->c", "<!-->", "-->"},
    {"same start and end pattern", "a||b||c||d", "||", "||"},
    {"overlapping start patterns", "aaaaXaaaXa", "aa", "X"},
    {"end pattern right after the start", "a<><>b<>", "<", ">"},
    {"empty start pattern", "a.b.c.d", "", "."},
    {"empty end pattern", "a<br>b<br>c", "<br>", ""},
    {"start at the very end", "abc<", "<", ">"},
    {"first search skips the end length", "<ab>x<ab>y", "<a", "b>"},
    {"pattern longer than the text", "ab", "abc", "c"},
    {"surrogate pairs around the cut", "\xF0\x9F\x98\x80<x>\xF0\x9F\x98\x81</x>\xF0\x9F\x98\x82",
     "<x>", "</x>"},
    {"nested sections", "a<f>b<f>c</f>d</f>e", "<f>", "</f>"},
};

// Pages of many small sections, as a hostile or just long page has them.
// Cut one section at a time, each of these takes minutes.
// Rows: one block of the page and what is left of it.
const CutRow manyRows[] = {
    {"figures cut with their patterns", "<p>x</p><figure><img src=a></figure>", "<figure",
     "</figure>", 1, 1, "<p>x</p>"},
    {"paragraph attributes cut between kept patterns", "<p class=\"a\">x</p>", "<p", ">", 1, 0,
     "<p>x</p>"},
    {"comments cut, start formed across every cut", "<<!--c-->!--d-->", "<!--", "-->", 1, 1, ""},
};

// A text step's result; null for a miss.
QString textResult(const CLStep &step, CLData &&input)
{
    const std::unique_ptr<CLData> result(step.process(&input));
    if (!result)
        return QString();
    return result->type == DataText && !result->text.isEmpty() ? result->text : u"(bad)"_s;
}

// One line per record: kind, URL, [title] and the index of the enclosing link.
QStringList describe(const QList<CLURLData *> &records)
{
    QStringList lines;
    for (const CLURLData *record : records) {
        const char *const kinds[] = {"?", "link", "img", "flash", "binary"};
        lines.append(u"%1 %2 [%3]"_s.arg(kinds[record->urlKind], record->url, record->title));
        if (record->enclosingLink)
            lines.last() += u" in %1"_s.arg(records.indexOf(record->enclosingLink));
    }
    return lines;
}

// The records of a URL step's result; empty for a miss.
QStringList describe(const CLStep &step, CLData &&input)
{
    const std::unique_ptr<CLData> result(step.process(&input));
    const QStringList lines =
        result ? describe(result->asURL() ? QList{result->asURL()} : result->urls) : QStringList();
    return result && lines.isEmpty() ? QStringList{u"(bad)"_s} : lines;
}

// The duplicate rule done the straightforward way: every link visited
// compares itself with every later entry.
void straightforwardMerge(QList<CLURLData *> &list, int mergeDup)
{
    QList<bool> dropped(list.size(), false);
    for (qsizetype i = 0; i < list.size(); ++i) {
        CLURLData *link = list[i];
        if (dropped[i] || link->urlKind != URLHtml)
            continue;
        if (link->title.trimmed().isEmpty()) {
            dropped[i] = true;
            continue;
        }
        int occurrence = 1;
        for (qsizetype j = i + 1; mergeDup >= 0 && j < list.size(); ++j) {
            if (dropped[j] || list[j]->title.isEmpty() || list[j]->url != link->url)
                continue;
            if (mergeDup == 0)
                link->title += u' ' + list[j]->title;
            if (mergeDup >= 2 && ++occurrence == mergeDup)
                dropped[i] = true;
            else
                dropped[j] = true;
        }
    }
    QList<CLURLData *> kept;
    for (qsizetype i = 0; i < list.size(); ++i)
        (dropped[i] ? void(delete list[i]) : kept.append(list[i]));
    list = kept;
}

struct FormatRow
{
    const char *name;
    QString text;
    int insert, append, paragraph, spaceBegin, spaceEnd;
    QString expected; // null for a miss
};
const FormatRow formatRows[] = {
    {"zero counts join paragraphs", "a\n\n  b  ", 0, 0, 0, 0, 0, "ab"},
    {"paragraph line unit is LF CR", "A\nB", 0, 1, 1, 2, 0, "  A\n\r  B\n\r"},
    {"insert lines first, end spaces", "A\nB", 2, 0, 0, 0, 1, "\n\r\n\rA B "},
    {"long mixed run splits once", "A\n\r\n\t\r\nB", 0, 0, 1, 0, 0, "A\n\rB"},
    {"single tab or CR stays inside", "A\tB\rC\n \nD", 0, 0, 1, 0, 0, "A B C\n\rD"},
    {"white space only is a miss", " \n\t\t \r\r", 1, 1, 1, 1, 1, QString()},
};

constexpr int link = CLStepURLExtractor::Link, nonLink = CLStepURLExtractor::NonLink,
              any = CLStepURLExtractor::Any;
const QString two = "<a href='u'>Foo</a> <a href='u'>Bar</a>";
const QString blank = "<a href='a'>A</a><a href='b'>B</a><a href='a'>   </a>";
const QString nested = "<a href='a'><img src='in' alt='In'>A</a><img src='in' alt='In'>"
                       "<img src='out' alt='Out'><a href='b'>B</a>";
struct UrlRow
{
    const char *name;
    QString html;
    int urlType, mergeDup;
    QString expected, settings = {}; // records joined by "; "; prefix|cut tail|URL|content include
};
const UrlRow urlRows[] = {
    {"merge 0 joins titles of the same URL", "<a href='v'>V</a>" + two, link, 0,
     "link v [V]; link u [Foo Bar]"},
    {"merge 1 keeps the first", two, link, 1, "link u [Foo]"},
    {"merge 2 keeps the second", two, link, 2, "link u [Bar]"},
    {"merge 2 of 3 keeps 2nd", two + "<a href='u'>Baz</a>", link, 2, "link u [Bar]"},
    {"negative merge keeps duplicates, drops space-only text", blank + two, link, -1,
     "link a [A]; link b [B]; link u [Foo]; link u [Bar]"},
    {"space-only text dropped, not counted", blank, link, 2, "link a [A]; link b [B]"},
    {"nothing left after dropping is a miss", "<a href='a'> </a>", link, 0, ""},
    {"url type link skips region images", "<a href='a'>A</a><img src='p'>", link, 0, "link a [A]"},
    {"image in a link listed once right after it", nested, any, 0,
     "link a [A]; img in [In] in 0; link b [B]; img out [Out]"},
    {"non-link lists in-link images as region images", nested, nonLink, 0,
     "img in [In]; img in [In]; img out [Out]"},
    {"image of a dropped link loses its enclosing link",
     "<a href='u'><img src='i'>Foo</a><a href='u'>Bar</a>", link, 2, "img i []; link u [Bar]"},
    {"titled image with a link's URL merged into the link",
     "<a href='p'>Foo</a><img src='p' alt='Pic'>", any, 0, "link p [Foo Pic]"},
    {"empty src ends image collection", "<img src='a'><img src=''><img src='c'>", nonLink, 0,
     "img a []"},
    {"prefix and tail cut spare HTTP:// and in-link images",
     "<a href='HTTP://x?'>X</a><a href='a?'><img src='i?'>A</a><img src='o?'>", any, 0,
     "link HTTP://x [X]; link http://s/a [A]; img i? [] in 1; img http://s/o []", "http://s/|?"},
    {"url filter applies to links and images",
     "<a href='/news/1'>N</a><a href='/x/2'>S</a><img src='/NEWS/p'><img src='/x/q'>", any, 0,
     "link /news/1 [N]; img /NEWS/p []", "||*news*"},
    {"content filter spares images",
     "<a href='a'>Keep this</a><a href='b'>Drop</a><img src='p' alt='Drop'>", any, 0,
     "link a [Keep this]; img p [Drop]", "|||*keep*"},
};

// Pages of many links or images. Looked up one at a time from where the
// last one ended, or with every link compared with every other, each of
// these takes minutes.
struct LargeRow
{
    const char *name;
    QString block; // %1 is the block's number
    int count, urlType, mergeDup;
    QString first; // the first two records
};
const LargeRow largeRows[] = {
    {"links without a bare anchor", "<li><a class=\"s\" href=\"/n/%1.html\">Story %1</a></li>\n",
     40000, link, 0, "link /n/0.html [Story 0]; link /n/1.html [Story 1]"},
    {"links with distinct URLs merged", "<a href=/%1>S</a>", 200000, link, 1,
     "link /0 [S]; link /1 [S]"},
    {"images without alt", "<img src=\"/i/%1.jpg\" width=1>", 40000, nonLink, 0,
     "img /i/0.jpg []; img /i/1.jpg []"},
    {"anchors far ahead of the only href", "<a name=%1>t</a>", 40000, link, -1,
     "link /far [t]; link /far [t]"},
};

// Code page 936 puts the euro sign at 0x80, where GB18030 has no character. The second bytes
// of 許 and ソ are 0x5C, which a byte-wise decoder takes for a backslash.
const QByteArray euroAndNews("\x80\xd0\xc2\xce\xc5");
struct LabelRow
{
    const char *name;
    QString codeset;
    QByteArray bytes; // null: the text as Qt's encoder writes it
    QString text;
    bool roundTrip = true; // the text encodes back to the same bytes
};
const LabelRow labelRows[] = {
    {"gbk has the euro at 0x80", "gbk", euroAndNews, u"\u20ac新闻"_s, true},
    {"x-gbk is code page 936", "x-gbk", euroAndNews, u"\u20ac新闻"_s, true},
    {"cp936 is code page 936", " CP936 ", euroAndNews, u"\u20ac新闻"_s, true},
    {"gb2312 pages are code page 936", "GB2312", euroAndNews, u"\u20ac新闻"_s, true},
    {"gb18030 keeps its four-byte sequences", "gb18030", "\x81\x30\x81\x30\xa2\xe3",
     u"\u0080\u20ac"_s, true},
    {"gb18030 has no character at 0x80", "gb18030", "\x80", u"\ufffd"_s, false},
    {"GBK", "GBK", {}, u"新闻阅读器测试，一夜之间"_s},
    {"Big5", "Big5", {}, u"繁體中文新聞許功蓋"_s},
    {"Shift_JIS", "Shift_JIS", {}, u"日本語のニュース・ソース表示"_s},
    {"EUC-KR", "EUC-KR", {}, u"한국어 뉴스 기사"_s},
    {"windows-1251", "windows-1251", {}, u"Новости дня, Ёж"_s},
};

// Text steps read with the site's codeset (unknown: UTF-8) and resolve character references.
struct ExtractRow
{
    const char *name, *codeset, *attribute; // no attribute: the text extractor
    QByteArray html;
    QString expected; // null for a miss
    bool filterSpace = false;
};
const ExtractRow extractRows[] = {
    {"attribute name in any case", "GBK", "src", "<i SRC='a'>", "a"},
    {"attribute read as a C string", "GBK", "src", QByteArray("\0 <i src='a'>", 13), {}},
    {"empty attribute is a miss", "GBK", "alt", "<i alt=''>", {}},
    {"UTF-8 Hangul, references", "UTF-8", "content",
     "<meta content=\"\xed\x95\x9c &#034;\xea\xb5\xad&#039; &amp; &#x4E2D;\">", u"한 \"국' & 中"_s},
    {"GBK ideographs", "GBK", "content", "<meta content='\xd6\xd0\xce\xc4 &lt;b&gt;'>",
     u"中文 <b>"_s},
    {"windows-1250 Polish", "windows-1250", "content",
     "<meta content='\xa3\xf3"
     "d\x9f &oacute;'>",
     u"Łódź ó"_s},
    {"unknown and bare references stay, invalid numbers give U+FFFD", "UTF-8", "content",
     "<meta content='a &zz; & b &#0; &#xD800;'>", u"a &zz; & b \uFFFD \uFFFD"_s},
    {"ASCII unchanged", "ISO-8859-2", "content", "<meta content='plain text'>", u"plain text"_s},
    {"text of an unknown codeset read as UTF-8", "no-such-codec", nullptr, "<b>\xc3\xbc</b> &copy;",
     u"ü ©"_s},
    {"text of tags only is a miss", "no-such-codec", nullptr, "<b></b>", {}},
    {"text with space filtered", "no-such-codec", nullptr, "a\nb", "ab", true},
};

} // namespace

class TestSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void filter_data() { rows(filterRows); }
    void filter()
    {
        const FilterRow &r = current(filterRows);
        CLFilter filter(r.sensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
        std::tie(filter.include, filter.exclude) = std::tie(r.include, r.exclude);
        for (int pass = 0; pass < 2; ++pass) // the second pass uses the compiled patterns
            QCOMPARE(r.bytes ? matchBytes(filter, r.text.toLatin1()) : matchText(filter, r.text),
                     r.expected);
    }

    void filterSeesEditedLists()
    {
        // Compiled patterns are cached; lists and case edited in place must be seen.
        CLFilter filter(Qt::CaseSensitive);
        filter.addInclude(QStringLiteral("World*"));
        QVERIFY(::matchText(filter, QStringLiteral("World")) && ::matchBytes(filter, "World"));
        filter.include = QStringList{QStringLiteral("world")};
        QVERIFY(!::matchText(filter, QStringLiteral("World")) && !::matchBytes(filter, "World"));
        filter.caseSensitivity = 0;
        QVERIFY(::matchText(filter, QStringLiteral("World")));
    }

    void searchBytesAgreesWithIndexOf()
    {
        // Few distinct bytes make near misses; long needles pass the 256 bytes that set shifts.
        QRandomGenerator random(20240611);
        for (int round = 0; round < 20000; ++round) {
            const int spread = round % 3 == 0 ? 256 : 1 + int(random.bounded(4));
            const int scale = round % 40 == 0 ? 80 : 1;
            QByteArray haystack(random.bounded(80 * scale), Qt::Uninitialized);
            QByteArray needle(random.bounded(6 * scale), Qt::Uninitialized);
            for (QByteArray *bytes : {&haystack, &needle})
                for (char &byte : *bytes)
                    byte = char(random.bounded(spread));
            if (!haystack.isEmpty() && random.bounded(2) == 0)
                needle = haystack.mid(random.bounded(haystack.size()), random.bounded(9 * scale));
            const qsizetype from = qsizetype(random.bounded(int(haystack.size()) + 5)) - 2;
            if (searchBytes(haystack, needle, from) != haystack.indexOf(needle, from))
                QFAIL(qPrintable(QStringLiteral("differs from indexOf in round %1").arg(round)));
        }
        const QByteArray page = testkit::readCorpusPage(QStringLiteral("ja-asahi"));
        if (page.isEmpty())
            QSKIP("news corpus not available");
        for (const QByteArray needle : {"<", "</div>", "<meta property=", "\xE3\x80\x82"})
            for (qsizetype at = -1, next = 0; next >= 0; at = next) {
                next = searchBytes(page, needle, at + 1);
                QCOMPARE(next, page.indexOf(needle, at + 1));
            }
    }

    void findPoint_data() { rows(findPointRows); }
    void findPoint()
    {
        const FindPointRow &r = current(findPointRows);
        const std::unique_ptr<CLPoint> record(r.point.make());
        QCOMPARE(::findPoint(r.bytes, *record, r.base, u"ISO-8859-1"_s), qMax(r.expected, -1));
        QCOMPARE(record->invalidReason(), r.expected == invalid ? QString(r.name) : QString());
    }

    void pairPointer_data() { rows(pairRows); }
    void pairPointer()
    {
        const PairRow &r = current(pairRows);
        auto *step = new CLStepPairPointer;
        const auto site = siteWith(u"ISO-8859-1"_s, step);
        step->pointA = r.a.make();
        step->pointB = r.b.pattern.isEmpty() ? nullptr : r.b.make();
        if (!r.include.isEmpty())
            step->contentFilter.addInclude(r.include);
        CLData input(r.bytes), text(QString::fromLatin1(r.bytes));
        QCOMPARE(step->process(&text), nullptr);
        CLData *output = step->process(&input); // a skipped step hands its input on
        const std::unique_ptr<CLData> result(output == &input ? new CLData(r.bytes) : output);
        QCOMPARE(bool(result), !r.expected.isNull());
        QCOMPARE(result ? result->bytes : QByteArray(), r.expected);
    }

    void sectionCutter_data() { rows(cutRows); }
    void sectionCutter()
    {
        const CutRow &r = current(cutRows);
        for (const int flags : {0, 1, 2, 3}) {
            const QString difference = cutDifference(r.text, r.start, r.end, flags & 1, flags & 2);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
        if (r.expected == referenceOnly)
            return;
        CLData bytes(r.text.toLatin1()), text(r.text);
        for (CLData *value : {&bytes, &text}) {
            const QString result = cutWith(*value, r.start, r.end, r.cutAll, r.cutPattern);
            QCOMPARE(result, r.expected);
            QCOMPARE(result.isNull(), r.expected.isNull());
        }
    }

    void sectionCutterAsOneCutAtATimeOnRandomText()
    {
        // Three letters make patterns recur, overlap and form again across cuts.
        QRandomGenerator random(20261206);
        const auto randomText = [&random](int maxLength) {
            QString text(random.bounded(maxLength + 1), u'a');
            for (QChar &ch : text)
                ch = QChar(u'a' + random.bounded(3));
            return text;
        };
        for (int round = 0; round < 20000; ++round) {
            const QString text = randomText(40), start = randomText(3), end = randomText(3);
            const QString difference = cutDifference(text, start, end, round & 1, round & 2);
            QVERIFY2(difference.isEmpty(), qPrintable(difference));
        }
    }

    void sectionCutterManySections_data() { rows(manyRows); }
    void sectionCutterManySections()
    {
        const CutRow &r = current(manyRows);
        const int count = 4 * 1024 * 1024 / int(r.text.size());
        // The marks around keep the first section clear of the first search's skip.
        CLData page(u'!' + r.text.repeated(count) + u'!');
        const QString result = cutWith(page, r.start, r.end, true, r.cutPattern);
        QCOMPARE(result.size(), r.expected.size() * count + 2);
        QCOMPARE(result, u'!' + r.expected.repeated(count) + u'!');
    }

    void textFormater_data() { rows(formatRows); }
    void textFormater()
    {
        const FormatRow &r = current(formatRows);
        CLStepTextFormater step;
        std::tie(step.insertLine, step.appendLine, step.paragraphLine, step.paragraphSpaceBegin,
                 step.paragraphSpaceEnd) =
            std::tie(r.insert, r.append, r.paragraph, r.spaceBegin, r.spaceEnd);
        QCOMPARE(textResult(step, CLData(r.text)), r.expected);
    }

    void urlExtractor_data() { rows(urlRows); }
    void urlExtractor()
    {
        const UrlRow &r = current(urlRows);
        auto *step = new CLStepURLExtractor;
        const auto site = siteWith(u"UTF-8"_s, step, r.mergeDup);
        step->urlType = r.urlType;
        const QStringList settings = r.settings.split(u'|');
        std::tie(step->prefix, step->cutTail) =
            std::make_tuple(settings.value(0), settings.value(1));
        if (!settings.value(2).isEmpty())
            step->urlFilter.addInclude(settings[2]);
        if (!settings.value(3).isEmpty())
            step->contentFilter.addInclude(settings[3]);
        QCOMPARE(describe(*step, CLData(r.html.toUtf8())).join(u"; "_s), r.expected);
    }

    void mergeDuplicatesAsComparingEveryPair()
    {
        // Few URLs and titles make every mix of duplicates, blanks and images.
        const QString titles[] = {QString(), u" "_s, u"A"_s, u"B"_s};
        for (const int mergeDup : {-1, 0, 1, 2, 3}) {
            QRandomGenerator random(20261206 + mergeDup);
            for (int round = 0; round < 3000; ++round) {
                QList<CLURLData *> list, expected;
                for (int n = int(random.bounded(12)); n > 0; --n) {
                    const QString url = QString::number(random.bounded(3));
                    const QString &title = titles[random.bounded(4)];
                    const int kind = random.bounded(4) == 0 ? URLImage : URLHtml;
                    list.append(new CLURLData(url, title, kind));
                    expected.append(new CLURLData(url, title, kind));
                }
                const QString before = describe(list).join(u", "_s);
                mergeDuplicates(list, mergeDup);
                straightforwardMerge(expected, mergeDup);
                const QString found = describe(list).join(u", "_s);
                const QString wanted = describe(expected).join(u", "_s);
                qDeleteAll(list);
                qDeleteAll(expected);
                if (found != wanted)
                    QFAIL(qPrintable(u"merge %1, %2: %3, expected %4"_s.arg(mergeDup).arg(
                        before, found, wanted)));
            }
        }
    }

    void urlExtractorLargePage_data() { rows(largeRows); }
    void urlExtractorLargePage()
    {
        const LargeRow &r = current(largeRows);
        QString html;
        for (int i = 0; i < r.count; ++i)
            html += r.block.arg(i);
        html += u"<b href=/far>"_s;
        auto *step = new CLStepURLExtractor;
        const auto site = siteWith(u"UTF-8"_s, step, r.mergeDup);
        step->urlType = r.urlType;
        const QStringList records = describe(*step, CLData(html.toUtf8()));
        QCOMPARE(records.mid(0, 2).join(u"; "_s), r.first);
        QCOMPARE(records.size(), r.count);
    }

    void extractors_data() { rows(extractRows); }
    void extractors()
    {
        const ExtractRow &r = current(extractRows);
        auto *attribute = new CLStepAttributeExtractor;
        auto *text = new CLStepTextExtractor;
        const auto site = siteWith(QLatin1String(r.codeset), attribute);
        addStep(site->pages[0]->tracks[0]->topics[0], text);
        attribute->attributeName = QLatin1String(r.attribute);
        text->filterSpace = r.filterSpace;
        const CLStep *step = r.attribute ? static_cast<CLStep *>(attribute) : text;
        QCOMPARE(textResult(*step, CLData(r.html)), r.expected);
        // Text input: the text extractor reads it as it is, the attribute extractor not at all.
        QCOMPARE(textResult(*step, CLData(QString::fromUtf8(r.html))),
                 r.attribute ? QString() : r.expected);
    }

    void textToURLAndOtherInput()
    {
        CLStepTextToURL toURL;
        toURL.urlKind = URLImage;
        QCOMPARE(describe(toURL, CLData(u"http://a/ü中.png"_s)),
                 QStringList{u"img http://a/ü%E4%B8%AD.png []"_s});
        QVERIFY(describe(toURL, CLData(QString())).isEmpty());
        const QString html = u"<a href='a'><img src='b'>A</a>"_s;
        QVERIFY(textResult(CLStepTextExtractor(), CLData(QList{new CLURLData(html, html, URLHtml)}))
                    .isNull());
        QVERIFY(textResult(CLStepTextFormater(), CLData(html.toUtf8())).isNull());
        QVERIFY(describe(toURL, CLData(html.toUtf8())).isEmpty());
        QVERIFY(describe(CLStepURLExtractor(), CLData(html)).isEmpty());
    }

    // Labels and the text and URL steps of a site read pages in the same codeset.
    void codesetLabels_data() { rows(labelRows); }
    void codesetLabels()
    {
        const LabelRow &r = current(labelRows);
        QStringEncoder encoder(qPrintable(r.codeset));
        const QByteArray bytes = r.bytes.isNull() ? encoder.encode(r.text) : r.bytes;
        QVERIFY(!r.bytes.isNull() || (encoder.isValid() && !encoder.hasError()));
        QCOMPARE(decodeWith(r.codeset, bytes), r.text);
        if (r.roundTrip)
            QCOMPARE(encodeWith(r.codeset, r.text), bytes);
        QVERIFY(isKnownCodeset(r.codeset));
        auto *text = new CLStepTextExtractor;
        const auto site = siteWith(r.codeset, text);
        auto *urls = new CLStepURLExtractor;
        addStep(site->pages[0]->tracks[0]->topics[0], urls);
        const QByteArray html = "<html><a href=\"x.html\"><b>" + bytes + "</b></a></html>";
        QCOMPARE(textResult(*text, CLData(html)), r.text);
        QCOMPARE(describe(*urls, CLData(html)), QStringList{u"link x.html ["_s + r.text + u']'});
    }
};

QTEST_GUILESS_MAIN(TestSteps)
#include "tst_steps.moc"
