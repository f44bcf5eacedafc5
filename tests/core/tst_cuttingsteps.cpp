#include "clcuttingsteps.h"
#include "clsitemodel.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

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

// Steps only learn their codeset through the site their topic belongs to.
std::unique_ptr<CLSite> latin1SiteWith(CLStep *step)
{
    auto site = std::make_unique<CLSite>();
    site->codeset = QStringLiteral("ISO-8859-1");
    addPage(site.get(), new CLPage);
    addTrack(site->pages[0], new CLTrack);
    addTopic(site->pages[0]->tracks[0], new CLTopic);
    addStep(site->pages[0]->tracks[0]->topics[0], step);
    return site;
}

// The cut done the straightforward way: one section at a time, every pass
// searching the text that is left from its start again.
QString straightforwardCut(QString text, const QString &start, const QString &end, bool cutAll,
                           bool cutPattern)
{
    if (start.isEmpty() && end.isEmpty())
        return text;
    for (qsizetype p = 0;;) {
        p = cutPattern ? 0 : p + end.size();
        const qsizetype i = text.indexOf(start, p);
        if (i < 0)
            break;
        p = i + start.size();
        const qsizetype j = text.indexOf(end, p);
        if (j < 0)
            break;
        if (cutPattern)
            text.remove(i, j + end.size() - i);
        else
            text.remove(p, j - p);
        if (!cutAll)
            break;
    }
    return text;
}

QString cutWith(const QString &text, const QString &start, const QString &end, bool cutAll,
                bool cutPattern)
{
    auto *step = new CLStepSectionCutter;
    const auto site = latin1SiteWith(step);
    std::tie(step->startPattern, step->endPattern, step->cutAll, step->cutPattern) =
        std::tie(start, end, cutAll, cutPattern);
    CLData input(text);
    const std::unique_ptr<CLData> result(step->process(&input));
    return result ? result->text : QString();
}

} // namespace

Q_DECLARE_METATYPE(PointRow)

class TestCuttingSteps : public QObject
{
    Q_OBJECT

private slots:
    void filter_data()
    {
        QTest::addColumn<bool>("bytes"); ///< matchBytes on the Latin-1 form, else matchText
        QTest::addColumn<QStringList>("include");
        QTest::addColumn<QStringList>("exclude");
        QTest::addColumn<bool>("caseSensitive");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        bool bytes = false, sensitive = true;
        auto row = [&](const char *name, const QStringList &include, const QStringList &exclude,
                       const QString &text, bool expected) {
            QTest::addRow("%s: %s", bytes ? "bytes" : "text", name)
                << bytes << include << exclude << sensitive << text << expected;
        };
        // Text filters: Qt 4 wildcards found anywhere in the text.
        row("found anywhere, not anchored", {"n?ws"}, {}, "http://x.org/news/1.html", true);
        row("question mark needs one character", {"a?c"}, {}, "ac", false);
        row("question mark and star cross line breaks", {"a?c*e"}, {}, "a\nc\n\ne", true);
        row("backtracking past a false start", {"ab*abc"}, {}, "abababab-abc", true);
        row("reversed range still spans", {"[z-a]"}, {}, "m", true);
        row("caret negates a set", {"[^a]"}, {}, "aaa", false);
        row("bang does not negate a set", {"[!a]"}, {}, "b", false);
        row("closing bracket first is a member", {"[]x]"}, {}, "]", true);
        row("unclosed set matches nothing", {"[abc"}, {}, "[abc", false);
        row("lone closing bracket matches nothing", {"a]"}, {}, "a]", false);
        row("backslash before a letter is doubled", {"a\\b"}, {}, "a\\b", false);
        row("backslash-star is not a run", {"a\\*"}, {}, "a\\b", false);
        row("keeping case", {"NEWS"}, {}, "latest news", false);
        row("second include pattern matches", {"a", "y"}, {}, "xyz", true);
        sensitive = false;
        row("ignoring case", {"N?WS*"}, {}, "latest news", true);
        row("set ignoring case", {"[A-C]"}, {}, "b", true);
        row("negated set ignoring case refuses the other case", {"[^a]"}, {}, "A", false);
        row("plain pattern ignoring case folds final sigma", {"\u03C3"}, {}, "\u03C2", true);
        row("wildcard pattern ignoring case only lowers", {"\u03C3*"}, {}, "\u03C2", false);
        row("exclude wins over include", {"*news*"}, {"*sport*"}, "x/News/Sport/1", false);
        // Byte filters: pieces between stars found in order, exact bytes.
        bytes = true;
        row("bytes keep case whatever the filter says", {"ABC"}, {}, "abc", false);
        row("next piece starts behind the previous match", {"aba*a"}, {}, "aba", false);
        row("question mark and brackets are literal", {"[x]?"}, {}, "<[x]?>", true);
        row("pattern is not UTF-8", {"caf\u00E9"}, {}, QString::fromLatin1("caf\xC3\xA9"), false);
        row("exclude rejects", {"<html"}, {"*print*view"}, "<html>print preview", false);
    }

    void filter()
    {
        QFETCH(bool, bytes);
        QFETCH(bool, caseSensitive);
        QFETCH(QString, text);
        CLFilter filter(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
        QFETCH(QStringList, include);
        QFETCH(QStringList, exclude);
        std::tie(filter.include, filter.exclude) = std::tie(include, exclude);
        for (int pass = 0; pass < 2; ++pass) // the second pass uses the compiled patterns
            QTEST(bytes ? matchBytes(filter, text.toLatin1()) : matchText(filter, text),
                  "expected");
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
        QFile file(QStringLiteral(TESSOLIN_CORPUS "/pages/ja-asahi.html"));
        if (!file.open(QIODevice::ReadOnly))
            QSKIP("news corpus not available");
        const QByteArray page = file.readAll();
        for (const QByteArray needle : {"<", "</div>", "<meta property=", "\xE3\x80\x82"})
            for (qsizetype at = -1, next = 0; next >= 0; at = next) {
                next = searchBytes(page, needle, at + 1);
                QCOMPARE(next, page.indexOf(needle, at + 1));
            }
    }

    void findPoint_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PointRow>("point");
        QTest::addColumn<int>("base");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("invalidReason");
        const QByteArray five("xAyAz");
        auto row = [](const char *name, const QByteArray &bytes, const PointRow &point,
                      int expected, int base = 0, const char *reason = "") {
            QTest::newRow(name) << bytes << point << base << expected << QString(reason);
        };
        auto invalid = [&](const char *reason, const PointRow &point) {
            row(reason, five, point, -1, 0, reason);
        };
        row("second occurrence", five, {"A", fwd, begin, 0, 2}, 3);
        row("match at position 0 is never found", "Axx", {"A", fwd, begin}, -1);
        row("forward from previous before the bytes", five, {"A", fwd, previous, -4}, -1, 3);
        row("backward from the end finds the last", five, {"A", back, end}, 3);
        row("backward occurrence 2 finds the one before", five, {"A", back, end, 0, 2}, 1);
        row("backward match at position 0 is refused", "Axx", {"A", back, end}, -1);
        row("backward offset before the last match", five, {"A", back, end, -3}, 1);
        row("backward from previous includes a match there", five, {"A", back, previous}, 3, 3);
        row("pattern encoded with the codeset", "-caf\xE9-", {"caf\u00E9", fwd, begin}, 1);
        invalid("direction is not set", {"A", 3, begin});
        invalid("pattern is empty", {"", fwd, begin});
        invalid("offset must be 0 or more from the beginning", {"A", fwd, begin, -1});
        invalid("offset must be 0 or less from the end", {"A", back, end, 1});
        invalid("a forward point cannot start from the end", {"A", fwd, end});
        invalid("a backward point cannot start from the beginning", {"A", back, begin});
    }

    void findPoint()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PointRow, point);
        QFETCH(int, base);
        const std::unique_ptr<CLPoint> record(point.make());
        QTEST(::findPoint(bytes, *record, base, QStringLiteral("ISO-8859-1")), "expected");
        QTEST(record->invalidReason(), "invalidReason");
    }

    void pairPointer_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<PointRow>("pointA");
        QTest::addColumn<PointRow>("pointB"); ///< none when its pattern is empty
        QTest::addColumn<QString>("include");
        QTest::addColumn<QByteArray>("expected"); ///< null for a null result
        const QByteArray page("xx<b>text</b>yy"), null;
        auto row = [&page](const char *name, const PointRow &a, const PointRow &b,
                           const QByteArray &expected, const QString &include = QString()) {
            QTest::newRow(name) << page << a << b << include << expected;
        };
        const PointRow openB{"<b>", fwd, begin}, closeB{"</b>", fwd, previous};
        row("cut begins with A and ends before B", openB, closeB, "<b>text");
        row("filter that skips the page returns the input", openB, closeB, page, "<i>");
        row("point B not found", openB, {"</i>", fwd, previous}, null);
        row("A and B at the same position", openB, {"<b>", back, previous}, null);
        row("B before A swaps the ends", {"</b>", fwd, begin}, {"<b>", back, previous}, "<b>text");
        row("forward A alone stops before the last byte", openB, {}, "<b>text</b>y");
        row("backward A alone starts at the first byte", {"</b>", back, end}, {}, "xx<b>text");
        QTest::newRow("patterns encoded with the site codeset")
            << QByteArray("<p>caf\xE9 cr\xE8me</p>") << PointRow{"caf\u00E9", fwd, begin}
            << PointRow{"cr\u00E8me", fwd, previous} << QString() << QByteArray("caf\xE9 ");
    }

    void pairPointer()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(PointRow, pointA);
        QFETCH(PointRow, pointB);
        QFETCH(QString, include);
        QFETCH(QByteArray, expected);
        auto *step = new CLStepPairPointer;
        const auto site = latin1SiteWith(step);
        step->pointA = pointA.make();
        step->pointB = pointB.pattern.isEmpty() ? nullptr : pointB.make();
        if (!include.isEmpty())
            step->contentFilter.addInclude(include);
        CLData input(bytes), text(QString::fromLatin1(bytes));
        QCOMPARE(step->process(&text), nullptr);
        CLData *output = step->process(&input); // a skipped step hands its input on
        const std::unique_ptr<CLData> result(output == &input ? new CLData(bytes) : output);
        QCOMPARE(bool(result), !expected.isNull());
        QCOMPARE(result ? result->bytes : QByteArray(), expected);
    }

    void sectionCutter_data()
    {
        QTest::addColumn<QByteArray>("input");     ///< Latin-1, cut both as bytes and as text
        QTest::addColumn<QStringList>("patterns"); ///< start and end
        QTest::addColumn<bool>("cutAll");
        QTest::addColumn<bool>("cutPattern");
        QTest::addColumn<QString>("expected"); ///< null for a null result
        auto row = [](const char *name, const QByteArray &input, bool cutAll, bool cutPattern,
                      const QString &expected, const QStringList &patterns = {"<!--", "-->"}) {
            QTest::newRow(name) << input << patterns << cutAll << cutPattern << expected;
        };
        const QByteArray comments("a<!--1-->b<!--2-->c");
        row("every comment removed with its markers", comments, true, true, "abc");
        row("only the first comment without cutAll", comments, false, true, "ab<!--2-->c");
        row("patterns kept", "abcd<!--1-->b<!--2-->c", true, false, "abcd<!---->b<!---->c");
        row("first search skips end length", comments, true, false, "a<!--1-->b<!---->c");
        row("start without an end is left", "a<!--b", true, true, "a<!--b");
        row("patterns keep case", "<b>x</b>", true, true, "<b>x</b>", {"<B>", "</B>"});
        row("empty end pattern cuts starts", "a<br>b<br>c", true, true, "abc", {"<br>", ""});
        row("two empty patterns cut nothing", "abc", true, false, "abc", {"", ""});
        row("everything cut is null", "<!--all-->", true, true, QString());
        row("site codeset decodes bytes", "caf\xE9<!--x-->!", true, true, "caf\u00E9!");
    }

    void sectionCutter()
    {
        QFETCH(QByteArray, input);
        QFETCH(QStringList, patterns);
        QFETCH(bool, cutAll);
        QFETCH(bool, cutPattern);
        QFETCH(QString, expected);
        auto *step = new CLStepSectionCutter;
        const auto site = latin1SiteWith(step);
        std::tie(step->startPattern, step->endPattern, step->cutAll, step->cutPattern) =
            std::tie(patterns[0], patterns[1], cutAll, cutPattern);
        CLData bytes(input), text(QString::fromLatin1(input));
        for (CLData *value : {&bytes, &text}) {
            const std::unique_ptr<CLData> result(step->process(value));
            QCOMPARE(bool(result), !expected.isNull());
            QCOMPARE(result ? result->text : QString(), expected);
        }
    }

    void sectionCutterAsOneCutAtATime_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        auto row = [](const char *name, const char *text, const char *start, const char *end) {
            QTest::newRow(name) << QString::fromUtf8(text) << QString::fromUtf8(start)
                                << QString::fromUtf8(end);
        };
        // A cut joins the text before and after it, and a start pattern may form across the join.
        row("start pattern formed across a cut", "x<<!--a-->!--b-->y", "<!--", "-->");
        row("start formed across two cuts", "<<[]![]-[]-c-->d", "<!--", "[]");
        row("start formed with the end of an earlier join", "ab[x]c[y]d[z]", "abcd", "]");
        row("end pattern inside the start pattern", "a<!-->b-->c", "<!-->", "-->");
        row("same start and end pattern", "a||b||c||d", "||", "||");
        row("overlapping start patterns", "aaaaXaaaXa", "aa", "X");
        row("end pattern right after the start", "a<><>b<>", "<", ">");
        row("empty start pattern", "a.b.c.d", "", ".");
        row("empty end pattern", "a<br>b<br>c", "<br>", "");
        row("start at the very end", "abc<", "<", ">");
        row("first search skips the end length", "<ab>x<ab>y", "<a", "b>");
        row("pattern longer than the text", "ab", "abc", "c");
        row("surrogate pairs around the cut",
            "\xF0\x9F\x98\x80<x>\xF0\x9F\x98\x81</x>\xF0\x9F\x98\x82", "<x>", "</x>");
        row("nested sections", "a<f>b<f>c</f>d</f>e", "<f>", "</f>");
    }

    void sectionCutterAsOneCutAtATime()
    {
        QFETCH(QString, text);
        QFETCH(QString, start);
        QFETCH(QString, end);
        for (const bool cutAll : {true, false})
            for (const bool cutPattern : {true, false})
                QCOMPARE(cutWith(text, start, end, cutAll, cutPattern),
                         straightforwardCut(text, start, end, cutAll, cutPattern));
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
            const bool cutAll = round & 1, cutPattern = round & 2;
            const QString expected = straightforwardCut(text, start, end, cutAll, cutPattern);
            const QString found = cutWith(text, start, end, cutAll, cutPattern);
            if (found != expected)
                QFAIL(qPrintable(QStringLiteral("'%1' cut from '%2' to '%3' (all %4, patterns %5): "
                                                "'%6', expected '%7'")
                                     .arg(text, start, end)
                                     .arg(cutAll)
                                     .arg(cutPattern)
                                     .arg(found, expected)));
        }
    }

    // Pages of many small sections, as a hostile or just long page has them.
    // Cut one section at a time, each of these takes minutes.
    void sectionCutterManySections_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<bool>("cutPattern");
        QTest::addColumn<QString>("expectedBlock");
        auto row = [](const char *name, const char *block, const char *start, const char *end,
                      bool cutPattern, const char *expectedBlock) {
            QTest::newRow(name) << QString::fromLatin1(block) << QString::fromLatin1(start)
                                << QString::fromLatin1(end) << cutPattern
                                << QString::fromLatin1(expectedBlock);
        };
        row("figures cut with their patterns", "<p>x</p><figure><img src=a></figure>", "<figure",
            "</figure>", true, "<p>x</p>");
        row("paragraph attributes cut between kept patterns", "<p class=\"a\">x</p>", "<p", ">",
            false, "<p>x</p>");
        row("comments cut, start formed across every cut", "<<!--c-->!--d-->", "<!--", "-->", true,
            "");
    }

    void sectionCutterManySections()
    {
        QFETCH(QString, block);
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(bool, cutPattern);
        QFETCH(QString, expectedBlock);
        const int count = 4 * 1024 * 1024 / int(block.size());
        // The marks around keep the first section clear of the first search's skip.
        const QString result =
            cutWith(u'!' + block.repeated(count) + u'!', start, end, true, cutPattern);
        QCOMPARE(result.size(), expectedBlock.size() * count + 2);
        QCOMPARE(result, u'!' + expectedBlock.repeated(count) + u'!');
    }
};

QTEST_GUILESS_MAIN(TestCuttingSteps)
#include "tst_cuttingsteps.moc"
