#include "clcuttingsteps.h"
#include "clfilter.h"
#include "clsitemodel.h"
#include "clstep.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

struct PointRow
{
    QString pattern;
    int direction = 0, from = 0, offset = 0, occurrence = 1;

    CLPoint *make() const
    {
        auto *point = new CLPoint;
        point->pattern = pattern;
        point->direction = direction;
        point->from = from;
        point->offset = offset;
        point->occurrence = occurrence;
        return point;
    }
};

PointRow forward(const QString &pattern, int from = PointFromBegin, int offset = 0, int nth = 1)
{
    return {pattern, PointForward, from, offset, nth};
}

PointRow backward(const QString &pattern, int from = PointFromEnd, int offset = 0, int nth = 1)
{
    return {pattern, PointBackward, from, offset, nth};
}

// Steps only learn their codeset through the site their topic belongs to.
struct Profile
{
    explicit Profile(const QString &codeset)
    {
        site.codeset = codeset;
        auto *page = new CLPage;
        addPage(&site, page);
        auto *track = new CLTrack;
        addTrack(page, track);
        topic = new CLTopic;
        addTopic(track, topic);
    }

    template <class Step> Step *add(Step *step)
    {
        addStep(topic, step);
        return step;
    }

    CLSite site;
    CLTopic *topic = nullptr;
};

} // namespace

Q_DECLARE_METATYPE(PointRow)

class TestCuttingSteps : public QObject
{
    Q_OBJECT

private slots:
    void filter_data();
    void filter();
    void filterSeesEditedLists();
    void searchBytesAgreesWithIndexOf();
    void searchBytesOnRealPage();
    void findPoint_data();
    void findPoint();
    void pairPointer_data();
    void pairPointer();
    void sectionCutter_data();
    void sectionCutter();
};

void TestCuttingSteps::filter_data()
{
    QTest::addColumn<bool>("bytes"); ///< matchBytes on the Latin-1 form, else matchText
    QTest::addColumn<QStringList>("include");
    QTest::addColumn<QStringList>("exclude");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    bool bytes = false;
    auto row = [&bytes](const char *name, const QStringList &include, const QStringList &exclude,
                        const QString &text, bool expected, bool caseSensitive = true) {
        QTest::addRow("%s: %s", bytes ? "bytes" : "text", name)
            << bytes << include << exclude << caseSensitive << text << expected;
    };

    // Text filters: Qt 4 wildcards found anywhere in the text.
    row("empty filter passes everything", {}, {}, "anything", true);
    row("pattern found anywhere, not anchored", {"news"}, {}, "http://x.org/news/1.html", true);
    row("star matches an empty run", {"a*b"}, {}, "ab", true);
    row("question mark needs one character", {"a?c"}, {}, "ac", false);
    row("question mark and star cross line breaks", {"a?c*e"}, {}, "a\nc\n\ne", true);
    row("backtracking past a false start", {"ab*abc"}, {}, "abababab-abc", true);
    row("set range", {"/[0-9][0-9]/"}, {}, "/2024/07/", true);
    row("reversed range still spans", {"[z-a]"}, {}, "m", true);
    row("caret negates a set", {"[^a]"}, {}, "aaa", false);
    row("bang does not negate a set", {"[!a]"}, {}, "b", false);
    row("closing bracket first is a member", {"[]x]"}, {}, "]", true);
    row("backslash in a set is a member", {"[\\]"}, {}, "\\", true);
    row("unclosed set matches nothing", {"[abc"}, {}, "[abc", false);
    row("lone closing bracket matches nothing", {"a]"}, {}, "a]", false);
    row("broken exclude pattern excludes nothing", {}, {"]"}, "]", true);
    row("regexp characters are literal", {"a.c(a+)|{b}$^"}, {}, "xa.c(a+)|{b}$^y", true);
    row("dot is literal", {"a.c"}, {}, "abc", false);
    row("backslash before a letter is doubled", {"a\\b"}, {}, "a\\b", false);
    row("backslash keeps a star literal", {"a\\*"}, {}, "a\\*", true);
    row("backslash-star is not a run", {"a\\*"}, {}, "a\\b", false);
    row("backslash keeps a question mark literal", {"\\?"}, {}, "\\x", false);
    row("trailing backslash is one backslash", {"a\\"}, {}, "a\\", true);
    row("ignoring case", {"N?WS*"}, {}, "latest news", true, false);
    row("keeping case", {"NEWS"}, {}, "latest news", false);
    row("set ignoring case", {"[A-C]"}, {}, "b", true, false);
    row("negated set ignoring case refuses the other case", {"[^a]"}, {}, "A", false, false);
    row("plain pattern ignoring case folds final sigma", {"\u03C3"}, {}, "\u03C2", true, false);
    row("wildcard pattern ignoring case only lowers", {"\u03C3*"}, {}, "\u03C2", false, false);
    row("no include pattern matches", {"a", "b"}, {}, "xyz", false);
    row("second include pattern matches", {"a", "y"}, {}, "xyz", true);
    row("exclude alone rejects", {}, {"ad"}, "bad", false);
    row("exclude wins over include", {"*news*"}, {"*sport*"}, "x/News/Sport/1", false, false);
    row("include without exclude passes", {"*news*"}, {"*sport*"}, "x/News/world/1", true, false);

    // Byte filters: pieces between stars found in order, exact bytes.
    bytes = true;
    row("leading stars are dropped", {"**abc"}, {}, "xxabcxx", true);
    row("next piece starts behind the previous match", {"aba*a"}, {}, "aba", false);
    row("next piece found behind an overlap", {"aba*a"}, {}, "abaa", true);
    row("only stars match anything", {"***"}, {}, "", true);
    row("pattern finds nothing in empty bytes", {"a"}, {}, "", false);
    row("question mark and brackets are literal", {"[x]?"}, {}, "<[x]?>", true);
    row("bytes keep case whatever the filter says", {"ABC"}, {}, "abc", false, false);
    row("pattern goes through Latin-1", {"caf\u00E9"}, {}, "caf\u00E9", true);
    row("pattern is not UTF-8", {"caf\u00E9"}, {}, QString::fromLatin1("caf\xC3\xA9"), false);
    row("pattern beyond Latin-1 becomes question marks", {"x\u4E2Dy"}, {}, "x?y", true);
    row("exclude rejects", {"<html"}, {"*print*view"}, "<html>print preview", false);
    row("exclude pieces out of order do not reject", {"<html"}, {"*print*view"}, "<html>view print",
        true);
    row("long piece found at the very end", {QString(300, u'q') + "!"}, {},
        QString(1000, u'q') + "!", true);
}

void TestCuttingSteps::filter()
{
    QFETCH(bool, bytes);
    QFETCH(QStringList, include);
    QFETCH(QStringList, exclude);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    CLFilter filter(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    for (const QString &pattern : include)
        filter.addInclude(pattern);
    for (const QString &pattern : exclude)
        filter.addExclude(pattern);
    // The second call runs on the compiled patterns.
    for (int pass = 0; pass < 2; ++pass)
        QCOMPARE(bytes ? ::matchBytes(filter, text.toLatin1()) : ::matchText(filter, text),
                 expected);
}

void TestCuttingSteps::filterSeesEditedLists()
{
    // Compiled patterns are cached; every way of changing a filter must be seen.
    const QString text = QStringLiteral("World News");
    const QByteArray bytes = text.toLatin1();
    auto matches = [&](const CLFilter &filter) {
        const bool inText = ::matchText(filter, text);
        return inText == ::matchBytes(filter, bytes) ? int(inText) : -1;
    };
    CLFilter filter(Qt::CaseSensitive);
    filter.addInclude(QStringLiteral("World*"));
    QCOMPARE(matches(filter), 1);
    filter.include = QStringList{QStringLiteral("Mars")};
    QCOMPARE(matches(filter), 0);
    CLFilter copy(filter);
    copy.addInclude(QStringLiteral("World"));
    QCOMPARE(matches(copy), 1);
    QCOMPARE(matches(filter), 0);
    filter = copy;
    QCOMPARE(matches(filter), 1);
    filter.addExclude(QStringLiteral("News"));
    QCOMPARE(matches(filter), 0);
    QCOMPARE(matches(copy), 1);
    filter.exclude.clear();
    filter.include = QStringList{QStringLiteral("world")};
    QVERIFY(!::matchText(filter, text));
    filter.caseSensitivity = 0;
    QVERIFY(::matchText(filter, text));
}

void TestCuttingSteps::searchBytesAgreesWithIndexOf()
{
    QRandomGenerator random(20240611);
    for (int round = 0; round < 20000; ++round) {
        // Few distinct bytes make many near misses; long needles pass the
        // part of the needle the shift table is built from.
        const int spread = round % 3 == 0 ? 256 : 1 + int(random.bounded(4));
        const bool large = round % 40 == 0;
        QByteArray haystack(qsizetype(random.bounded(large ? 3000 : 80)), Qt::Uninitialized);
        for (char &byte : haystack)
            byte = char(random.bounded(spread));
        QByteArray needle;
        if (!haystack.isEmpty() && random.bounded(2) == 0) {
            needle = haystack.mid(random.bounded(haystack.size()), random.bounded(large ? 700 : 9));
        } else {
            needle.resize(random.bounded(large ? 400 : 6));
            for (char &byte : needle)
                byte = char(random.bounded(spread));
        }
        const qsizetype from = qsizetype(random.bounded(int(haystack.size()) + 5)) - 2;
        const qsizetype expected = haystack.indexOf(needle, from);
        if (searchBytes(haystack, needle, from) != expected)
            QFAIL(qPrintable(QStringLiteral("differs from indexOf in round %1").arg(round)));
    }
}

void TestCuttingSteps::searchBytesOnRealPage()
{
    QFile file(QStringLiteral(TESSOLIN_CORPUS "/pages/ja-asahi.html"));
    if (!file.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QByteArray page = file.readAll();
    for (const QByteArray needle : {"<", "</div>", "<meta property=", "\xE3\x80\x82"}) {
        qsizetype expected = -1, found = -1;
        do {
            expected = page.indexOf(needle, expected + 1);
            found = searchBytes(page, needle, found + 1);
            QCOMPARE(found, expected);
        } while (expected >= 0);
    }
}

void TestCuttingSteps::findPoint_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PointRow>("point");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("invalidReason");
    auto row = [](const char *name, const QByteArray &bytes, const PointRow &point, int expected,
                  int base = 0, const QString &codeset = QString(), const char *reason = "") {
        QTest::newRow(name) << bytes << point << base << codeset << expected << QString(reason);
    };
    const QByteArray five("xAyAz");
    const int begin = PointFromBegin;
    const int end = PointFromEnd;
    const int previous = PointFromPrevious;

    row("first occurrence", five, forward("A"), 1);
    row("second occurrence", five, forward("A", begin, 0, 2), 3);
    row("occurrence beyond the matches", five, forward("A", begin, 0, 3), -1);
    row("match at position 0 is never found", "Axx", forward("A"), -1);
    row("match after position 0 still found", "AxA", forward("A"), 2);
    row("offset moves the start", five, forward("A", begin, 1), 3);
    row("forward from previous searches behind it", five, forward("A", previous), 3, 1);
    row("forward from previous with a negative offset", five, forward("A", previous, -3), 1, 3);
    row("forward from previous before the bytes", five, forward("A", previous, -4), -1, 3);
    row("backward from the end finds the last", five, backward("A"), 3);
    row("backward occurrence 2 finds the one before", five, backward("A", end, 0, 2), 1);
    row("backward occurrence 2 of a longer pattern", "--ab--ab--ab", backward("ab", end, 0, 2), 6);
    row("backward match at position 0 is refused", "Axx", backward("A"), -1);
    row("backward offset before the last match", five, backward("A", end, -3), 1);
    row("backward from previous includes a match there", five, backward("A", previous), 3, 3);
    // Invalid points
    row("no direction", five, PointRow{"A", 3, begin}, -1, 0, {}, "direction is not set");
    row("empty pattern", five, forward(""), -1, 0, {}, "pattern is empty");
    row("no start", five, PointRow{"A", PointForward, 0}, -1, 0, {}, "start is not set");
    row("occurrence zero, empty bytes", {}, forward("A", begin, 0, 0), -1, 0, {},
        "occurrence is below 1");
    row("negative offset from the beginning", five, forward("A", begin, -1), -1, 0, {},
        "offset must be 0 or more from the beginning");
    row("positive offset from the end", five, backward("A", end, 1), -1, 0, {},
        "offset must be 0 or less from the end");
    row("forward from the end", five, forward("A", end), -1, 0, {},
        "a forward point cannot start from the end");
    row("backward from the beginning", five, backward("A", begin), -1, 0, {},
        "a backward point cannot start from the beginning");
    row("pattern encoded with the site codeset", "-caf\xE9-", forward("caf\u00E9"), 1, 0,
        "ISO-8859-1");
    row("pattern encoded as UTF-8 by default", "-caf\xE9-", forward("caf\u00E9"), -1);
    row("unknown codeset encodes as UTF-8", "-caf\xC3\xA9-", forward("caf\u00E9"), 1, 0,
        "no-such-codeset");
}

void TestCuttingSteps::findPoint()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PointRow, point);
    QFETCH(int, base);
    QFETCH(QString, codeset);
    QFETCH(int, expected);
    QFETCH(QString, invalidReason);
    const std::unique_ptr<CLPoint> record(point.make());
    QCOMPARE(::findPoint(bytes, *record, base, codeset), expected);
    QCOMPARE(record->invalidReason(), invalidReason);
    QCOMPARE(record->isValid(), invalidReason.isEmpty());
}

void TestCuttingSteps::pairPointer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PointRow>("pointA");
    QTest::addColumn<PointRow>("pointB"); ///< none when its pattern is empty
    QTest::addColumn<QString>("include");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QByteArray>("expected"); ///< null for a null result
    auto row = [](const char *name, const QByteArray &bytes, const PointRow &a, const PointRow &b,
                  const QByteArray &expected, const QString &include = QString(),
                  const QString &codeset = QString()) {
        QTest::newRow(name) << bytes << a << b << include << codeset << expected;
    };
    const QByteArray page("xx<b>text</b>yy");
    const PointRow closeB = forward("</b>", PointFromPrevious);
    const QByteArray null;

    row("cut begins with A and ends before B", page, forward("<b>"), closeB, "<b>text");
    row("filter that skips the page returns the input", page, forward("<b>"), closeB, page, "<i>");
    row("point A not found", page, forward("<i>"), closeB, null);
    row("point B not found", page, forward("<b>"), forward("</i>", PointFromPrevious), null);
    row("A and B at the same position", page, forward("<b>"), backward("<b>", PointFromPrevious),
        null);
    row("B before A swaps the ends", page, forward("</b>"), backward("<b>", PointFromPrevious),
        "<b>text");
    row("forward A alone stops before the last byte", page, forward("<b>"), {}, "<b>text</b>y");
    row("backward A alone starts at the first byte", page, backward("</b>"), {}, "xx<b>text");
    row("forward A on the last byte alone is null", page, forward("y", PointFromBegin, 0, 2), {},
        null);
    const QByteArray latin1("<p>caf\xE9 cr\xE8me</p>");
    const PointRow creme = forward("cr\u00E8me", PointFromPrevious);
    row("patterns encoded with the site codeset", latin1, forward("caf\u00E9"), creme, "caf\xE9 ",
        QString(), "ISO-8859-1");
    row("patterns not found without the site codeset", latin1, forward("caf\u00E9"), creme, null);
}

void TestCuttingSteps::pairPointer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PointRow, pointA);
    QFETCH(PointRow, pointB);
    QFETCH(QString, include);
    QFETCH(QString, codeset);
    QFETCH(QByteArray, expected);

    Profile profile(codeset);
    auto *step = profile.add(new CLStepPairPointer);
    step->pointA = pointA.make();
    if (!pointB.pattern.isEmpty())
        step->pointB = pointB.make();
    if (!include.isEmpty())
        step->contentFilter.addInclude(include);
    QVERIFY(!step->accepts(DataText));

    CLData input(bytes);
    CLData *output = step->process(&input);
    if (output == &input) { // a skipped step hands its input on
        QCOMPARE(expected, bytes);
        return;
    }
    const std::unique_ptr<CLData> result(output);
    QCOMPARE(bool(result), !expected.isNull());
    if (result) {
        QCOMPARE(result->type, int(DataBytes));
        QCOMPARE(result->bytes, expected);
    }
    CLData text(QString::fromLatin1(bytes));
    QCOMPARE(step->process(&text), nullptr);
}

void TestCuttingSteps::sectionCutter_data()
{
    QTest::addColumn<QByteArray>("input"); ///< UTF-8 text unless `asBytes`
    QTest::addColumn<bool>("asBytes");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("end");
    QTest::addColumn<bool>("cutAll");
    QTest::addColumn<bool>("cutPattern");
    QTest::addColumn<QString>("expected"); ///< null for a null result
    // A codeset, even an empty one, makes the input bytes.
    auto row = [](const char *name, const QByteArray &input, bool cutAll, bool cutPattern,
                  const QString &expected, const QString &start = QStringLiteral("<!--"),
                  const QString &end = QStringLiteral("-->"), const char *codeset = nullptr) {
        QTest::newRow(name) << input << bool(codeset) << QString::fromLatin1(codeset) << start
                            << end << cutAll << cutPattern << expected;
    };
    const QByteArray comments("a<!--1-->b<!--2-->c");

    row("every comment removed with its markers", comments, true, true, "abc");
    row("only the first comment without cutAll", comments, false, true, "ab<!--2-->c");
    row("patterns kept without cutPattern", "abcd<!--1-->b<!--2-->c", true, false,
        "abcd<!---->b<!---->c");
    row("kept patterns: a start before the end pattern's length is missed", comments, true, false,
        "a<!--1-->b<!---->c");
    row("kept patterns: adjacent markers are passed over", "a<!---->b<!--2-->c", true, false,
        "a<!---->b<!---->c");
    row("start without an end is left", "a<!--b", true, true, "a<!--b");
    row("end before any start is left", "a-->b<!--c-->d", true, true, "a-->bd");
    row("nested start ends at the first end", "a<!--b<!--c-->d-->e", true, true, "ad-->e");
    row("patterns keep case", "<b>x</b>", true, true, "<b>x</b>", "<B>", "</B>");
    row("empty end pattern cuts the start patterns", "a<br>b<br>c", true, true, "abc", "<br>", "");
    row("two empty patterns cut nothing", "abc", true, false, "abc", "", "");
    row("everything cut is null", "<!--all-->", true, true, QString());
    row("empty text is null", "", true, true, QString());
    row("bytes decoded with the site codeset", "caf\xE9<!--x-->!", true, true, "caf\u00E9!", "<!--",
        "-->", "ISO-8859-1");
    row("bytes decoded as UTF-8 by default", "caf\xC3\xA9<!--x-->!", true, true, "caf\u00E9!",
        "<!--", "-->", "");
}

void TestCuttingSteps::sectionCutter()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, asBytes);
    QFETCH(QString, codeset);
    QFETCH(QString, start);
    QFETCH(QString, end);
    QFETCH(bool, cutAll);
    QFETCH(bool, cutPattern);
    QFETCH(QString, expected);

    Profile profile(codeset);
    auto *step = profile.add(new CLStepSectionCutter);
    step->startPattern = start;
    step->endPattern = end;
    step->cutAll = cutAll;
    step->cutPattern = cutPattern;
    CLData value = asBytes ? CLData(input) : CLData(QString::fromUtf8(input));
    const std::unique_ptr<CLData> result(step->process(&value));
    QCOMPARE(bool(result), !expected.isNull());
    if (result) {
        QVERIFY(result.get() != &value);
        QCOMPARE(result->type, int(DataText));
        QCOMPARE(result->text, expected);
    }
}

QTEST_GUILESS_MAIN(TestCuttingSteps)
#include "tst_cuttingsteps.moc"
