#include "clcuttingsteps.h"
#include "clfilter.h"
#include "clsitemodel.h"
#include "clstep.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

#include <memory>

namespace {

struct PointRow
{
    QString pattern;
    int direction = 0;
    int from = 0;
    int offset = 0;
    int occurrence = 1;
};

PointRow forward(const QString &pattern, int from = PointFromBegin, int offset = 0,
                 int occurrence = 1)
{
    return {pattern, PointForward, from, offset, occurrence};
}

PointRow backward(const QString &pattern, int from = PointFromEnd, int offset = 0,
                  int occurrence = 1)
{
    return {pattern, PointBackward, from, offset, occurrence};
}

CLPoint *makePoint(const PointRow &row)
{
    auto *point = new CLPoint;
    point->pattern = row.pattern;
    point->direction = row.direction;
    point->from = row.from;
    point->offset = row.offset;
    point->occurrence = row.occurrence;
    return point;
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

CLFilter filterOf(const QStringList &include, const QStringList &exclude, bool caseSensitive)
{
    CLFilter filter(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
    for (const QString &pattern : include)
        filter.addInclude(pattern);
    for (const QString &pattern : exclude)
        filter.addExclude(pattern);
    return filter;
}

QByteArray latin1(const char *text)
{
    return QByteArray(text);
}

} // namespace

Q_DECLARE_METATYPE(PointRow)

class TestCuttingSteps : public QObject
{
    Q_OBJECT

private slots:
    void matchText_data();
    void matchText();
    void matchBytes_data();
    void matchBytes();
    void filterSeesEditedLists_data();
    void filterSeesEditedLists();
    void searchBytesAgreesWithIndexOf();
    void searchBytesOnRealPages();
    void pointValidity_data();
    void pointValidity();
    void findPoint_data();
    void findPoint();
    void pairPointer_data();
    void pairPointer();
    void pairPointerTakesOnlyBytes();
    void skippedPairPointerLeavesWholePage();
    void sectionCutter_data();
    void sectionCutter();
};

void TestCuttingSteps::matchText_data()
{
    QTest::addColumn<QStringList>("include");
    QTest::addColumn<QStringList>("exclude");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");

    const QStringList none;
    QTest::newRow("empty filter passes everything") << none << none << true << "anything" << true;
    QTest::newRow("empty pattern is found in empty text")
        << QStringList{""} << none << true << "" << true;
    QTest::newRow("pattern found anywhere, not anchored")
        << QStringList{"news"} << none << true << "http://x.org/news/1.html" << true;
    QTest::newRow("star matches an empty run")
        << QStringList{"a*b"} << none << true << "ab" << true;
    QTest::newRow("star spans a run") << QStringList{"a*b"} << none << true << "a--/--b" << true;
    QTest::newRow("pieces around a star keep their order")
        << QStringList{"a*b"} << none << true << "ba" << false;
    QTest::newRow("question mark needs one character")
        << QStringList{"a?c"} << none << true << "ac" << false;
    QTest::newRow("question mark takes any character")
        << QStringList{"a?c"} << none << true << "abc" << true;
    QTest::newRow("question mark takes a line break")
        << QStringList{"a?c"} << none << true << "a\nc" << true;
    QTest::newRow("star crosses line breaks")
        << QStringList{"a*c"} << none << true << "a\n\nc" << true;
    QTest::newRow("backtracking past a false start")
        << QStringList{"ab*abc"} << none << true << "abababab-abc" << true;
    QTest::newRow("set takes a listed character")
        << QStringList{"id=[xyz]1"} << none << true << "id=y1" << true;
    QTest::newRow("set refuses an unlisted character")
        << QStringList{"id=[xyz]1"} << none << true << "id=w1" << false;
    QTest::newRow("set range") << QStringList{"/[0-9][0-9]/"} << none << true << "/2024/07/"
                               << true;
    QTest::newRow("reversed range still spans")
        << QStringList{"[z-a]"} << none << true << "m" << true;
    QTest::newRow("caret negates a set") << QStringList{"[^a]"} << none << true << "aaa" << false;
    QTest::newRow("negated set takes another character")
        << QStringList{"[^a]"} << none << true << "aab" << true;
    QTest::newRow("bang does not negate a set")
        << QStringList{"[!a]"} << none << true << "b" << false;
    QTest::newRow("bang is a member of a set")
        << QStringList{"[!a]"} << none << true << "!" << true;
    QTest::newRow("closing bracket first is a member")
        << QStringList{"[]x]"} << none << true << "]" << true;
    QTest::newRow("dash at the end of a set is a member")
        << QStringList{"[a-]"} << none << true << "-" << true;
    QTest::newRow("dash after a range is a member")
        << QStringList{"[a-c-e]"} << none << true << "-" << true;
    QTest::newRow("dash after a range starts no range")
        << QStringList{"[a-c-e]"} << none << true << "d" << false;
    QTest::newRow("backslash in a set is a member")
        << QStringList{"[\\]"} << none << true << "\\" << true;
    QTest::newRow("unclosed set matches nothing")
        << QStringList{"[abc"} << none << true << "[abc" << false;
    QTest::newRow("lone closing bracket matches nothing")
        << QStringList{"a]"} << none << true << "a]" << false;
    QTest::newRow("broken include pattern rejects")
        << QStringList{"]"} << none << true << "anything" << false;
    QTest::newRow("broken exclude pattern excludes nothing")
        << none << QStringList{"]"} << true << "]" << true;
    QTest::newRow("dot is literal") << QStringList{"a.c"} << none << true << "abc" << false;
    QTest::newRow("regexp characters are literal")
        << QStringList{"(a+)|{b}$^"} << none << true << "x(a+)|{b}$^y" << true;
    QTest::newRow("backslash before a letter is doubled")
        << QStringList{"a\\b"} << none << true << "a\\b" << false;
    QTest::newRow("doubled backslash matches backslash before a letter")
        << QStringList{"a\\b"} << none << true << "a\\\\b" << true;
    QTest::newRow("backslash keeps a star literal")
        << QStringList{"a\\*"} << none << true << "a\\*" << true;
    QTest::newRow("backslash-star is not a run")
        << QStringList{"a\\*"} << none << true << "a\\b" << false;
    QTest::newRow("backslash keeps a question mark literal")
        << QStringList{"\\?"} << none << true << "\\x" << false;
    QTest::newRow("backslash keeps a bracket literal")
        << QStringList{"\\[x\\]"} << none << true << "\\[x\\]" << true;
    QTest::newRow("trailing backslash is one backslash")
        << QStringList{"a\\"} << none << true << "a\\" << true;
    QTest::newRow("ignoring case") << QStringList{"NEWS"} << none << false << "latest news" << true;
    QTest::newRow("keeping case") << QStringList{"NEWS"} << none << true << "latest news" << false;
    QTest::newRow("wildcard ignoring case")
        << QStringList{"N?WS*"} << none << false << "news" << true;
    QTest::newRow("set ignoring case") << QStringList{"[A-C]"} << none << false << "b" << true;
    QTest::newRow("negated set ignoring case refuses the other case")
        << QStringList{"[^a]"} << none << false << "A" << false;
    QTest::newRow("set ignoring case tries only the two cases")
        << QStringList{"[\u01C5]"} << none << false << "\u01C5" << false;
    QTest::newRow("plain pattern ignoring case folds final sigma")
        << QStringList{"\u03C3"} << none << false << "\u03C2" << true;
    QTest::newRow("wildcard pattern ignoring case only lowers")
        << QStringList{"\u03C3*"} << none << false << "\u03C2" << false;
    QTest::newRow("no include pattern matches")
        << QStringList{"a", "b"} << none << true << "xyz" << false;
    QTest::newRow("second include pattern matches")
        << QStringList{"a", "y"} << none << true << "xyz" << true;
    QTest::newRow("exclude alone passes the rest")
        << none << QStringList{"ad"} << true << "news" << true;
    QTest::newRow("exclude alone rejects") << none << QStringList{"ad"} << true << "bad" << false;
    QTest::newRow("exclude wins over include")
        << QStringList{"news"} << QStringList{"news"} << true << "news" << false;
    QTest::newRow("news but not sport passes")
        << QStringList{"*news*"} << QStringList{"*sport*"} << false
        << "http://example.com/News/world/1.html" << true;
    QTest::newRow("news and sport is rejected")
        << QStringList{"*news*"} << QStringList{"*sport*"} << false
        << "http://example.com/News/Sport/1.html" << false;
    QTest::newRow("sport without news is rejected")
        << QStringList{"*news*"} << QStringList{"*sport*"} << false
        << "http://example.com/sport/1.html" << false;
}

void TestCuttingSteps::matchText()
{
    QFETCH(QStringList, include);
    QFETCH(QStringList, exclude);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, text);
    QFETCH(bool, expected);
    const CLFilter filter = filterOf(include, exclude, caseSensitive);
    QCOMPARE(::matchText(filter, text), expected);
    // The second call runs on the compiled patterns.
    QCOMPARE(::matchText(filter, text), expected);
}

void TestCuttingSteps::matchBytes_data()
{
    QTest::addColumn<QStringList>("include");
    QTest::addColumn<QStringList>("exclude");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("expected");

    const QStringList none;
    QTest::newRow("empty filter passes empty bytes")
        << none << none << true << QByteArray() << true;
    QTest::newRow("leading stars are dropped")
        << QStringList{"**abc"} << none << true << latin1("xxabcxx") << true;
    QTest::newRow("leading stars still need the piece")
        << QStringList{"**abc"} << none << true << latin1("xxabxx") << false;
    QTest::newRow("double star between pieces")
        << QStringList{"a**b"} << none << true << latin1("xa..long..b") << true;
    QTest::newRow("pieces must keep their order")
        << QStringList{"a**b"} << none << true << latin1("bxa") << false;
    QTest::newRow("pieces may touch")
        << QStringList{"ab*cd"} << none << true << latin1("abcd") << true;
    QTest::newRow("next piece starts behind the previous match")
        << QStringList{"aba*a"} << none << true << latin1("aba") << false;
    QTest::newRow("next piece found behind an overlap")
        << QStringList{"aba*a"} << none << true << latin1("abaa") << true;
    QTest::newRow("earliest match of a piece is used")
        << QStringList{"<b>*</b>*<b>"} << none << true << latin1("<b>1</b><b>2</b>") << true;
    QTest::newRow("only stars match anything")
        << QStringList{"***"} << none << true << QByteArray() << true;
    QTest::newRow("pattern finds nothing in empty bytes")
        << QStringList{"a"} << none << true << QByteArray() << false;
    QTest::newRow("question mark is literal")
        << QStringList{"a?c"} << none << true << latin1("abc") << false;
    QTest::newRow("brackets are literal")
        << QStringList{"[x]"} << none << true << latin1("<[x]>") << true;
    QTest::newRow("bytes keep case whatever the filter says")
        << QStringList{"ABC"} << none << false << latin1("abc") << false;
    QTest::newRow("pattern goes through Latin-1")
        << QStringList{"caf\u00E9"} << none << true << latin1("caf\xE9") << true;
    QTest::newRow("pattern is not UTF-8")
        << QStringList{"caf\u00E9"} << none << true << latin1("caf\xC3\xA9") << false;
    QTest::newRow("pattern beyond Latin-1 becomes question marks")
        << QStringList{"x\u4E2Dy"} << none << true << latin1("x?y") << true;
    QTest::newRow("exclude rejects") << QStringList{"<html"} << QStringList{"*print*view"} << true
                                     << latin1("<html>print preview") << false;
    QTest::newRow("exclude pieces out of order do not reject")
        << QStringList{"<html"} << QStringList{"*print*view"} << true << latin1("<html>view print")
        << true;
    QTest::newRow("long piece found at the very end")
        << QStringList{QString(300, u'q') + "!"} << none << true
        << QByteArray(1000, 'q') + QByteArray("!") << true;
}

void TestCuttingSteps::matchBytes()
{
    QFETCH(QStringList, include);
    QFETCH(QStringList, exclude);
    QFETCH(bool, caseSensitive);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, expected);
    const CLFilter filter = filterOf(include, exclude, caseSensitive);
    QCOMPARE(::matchBytes(filter, bytes), expected);
    QCOMPARE(::matchBytes(filter, bytes), expected);
}

void TestCuttingSteps::filterSeesEditedLists_data()
{
    QTest::addColumn<int>("edit");
    QTest::addColumn<bool>("expected");

    QTest::newRow("include list edited directly") << 0 << false;
    QTest::newRow("exclude added") << 1 << false;
    QTest::newRow("case rule changed directly") << 2 << true;
    QTest::newRow("assigned from another filter") << 3 << false;
    QTest::newRow("copy edited, original untouched") << 4 << false;
}

void TestCuttingSteps::filterSeesEditedLists()
{
    QFETCH(int, edit);
    QFETCH(bool, expected);

    const QString text = QStringLiteral("World News");
    const QByteArray bytes = text.toLatin1();
    CLFilter filter(Qt::CaseSensitive);
    filter.addInclude(QStringLiteral("World*"));
    filter.addInclude(QStringLiteral("news"));
    QVERIFY(::matchText(filter, text));
    QVERIFY(::matchBytes(filter, bytes));

    bool checkBytes = true;
    switch (edit) {
    case 0:
        filter.include = QStringList{QStringLiteral("Mars")};
        break;
    case 1:
        filter.addExclude(QStringLiteral("News"));
        break;
    case 2:
        filter.include = QStringList{QStringLiteral("world")};
        QVERIFY(!::matchText(filter, text));
        filter.caseSensitivity = 0;
        checkBytes = false;
        break;
    case 3: {
        CLFilter other;
        other.addInclude(QStringLiteral("Mars"));
        QVERIFY(!::matchText(other, text));
        filter = other;
        other.addInclude(QStringLiteral("World"));
        QVERIFY(::matchText(other, text));
        break;
    }
    case 4: {
        filter.include = QStringList{QStringLiteral("Mars")};
        CLFilter copy(filter);
        copy.addInclude(QStringLiteral("World"));
        QVERIFY(::matchText(copy, text));
        QVERIFY(::matchBytes(copy, bytes));
        break;
    }
    }
    QCOMPARE(::matchText(filter, text), expected);
    if (checkBytes)
        QCOMPARE(::matchBytes(filter, bytes), expected);
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
            const qsizetype at = random.bounded(haystack.size());
            needle = haystack.mid(at, random.bounded(large ? 700 : 9));
        } else {
            needle.resize(random.bounded(large ? 400 : 6));
            for (char &byte : needle)
                byte = char(random.bounded(spread));
        }
        const qsizetype from = qsizetype(random.bounded(int(haystack.size()) + 5)) - 2;
        const qsizetype expected = haystack.indexOf(needle, from);
        const qsizetype found = searchBytes(haystack, needle, from);
        if (found != expected) {
            QFAIL(qPrintable(QStringLiteral("round %1: %2-byte needle from %3 in %4 bytes: %5, "
                                            "expected %6")
                                 .arg(round)
                                 .arg(needle.size())
                                 .arg(from)
                                 .arg(haystack.size())
                                 .arg(found)
                                 .arg(expected)));
        }
    }
}

void TestCuttingSteps::searchBytesOnRealPages()
{
    const QDir pages(QStringLiteral(TESSOLIN_CORPUS "/pages"));
    const QStringList names = pages.entryList({QStringLiteral("*.html")}, QDir::Files);
    if (names.isEmpty())
        QSKIP("the news page corpus is not available");
    const QList<QByteArray> needles = {"<",       "</",           "<a ",
                                       "</div>",  "class=\"",     "<meta property=",
                                       "</html>", "\xE3\x80\x82", "href=\"http"};
    for (const QString &name : names) {
        QFile file(pages.filePath(name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray page = file.readAll();
        for (const QByteArray &needle : needles) {
            qsizetype expected = -1;
            qsizetype found = -1;
            do {
                expected = page.indexOf(needle, expected + 1);
                found = searchBytes(page, needle, found + 1);
                QCOMPARE(found, expected);
            } while (expected >= 0);
        }
    }
}

void TestCuttingSteps::pointValidity_data()
{
    QTest::addColumn<PointRow>("point");
    QTest::addColumn<QString>("reason");

    QTest::newRow("forward from the beginning") << forward("<b>") << "";
    QTest::newRow("forward from previous, negative offset")
        << forward("<b>", PointFromPrevious, -5) << "";
    QTest::newRow("backward from the end, negative offset")
        << backward("<b>", PointFromEnd, -3, 2) << "";
    QTest::newRow("backward from previous, positive offset")
        << backward("<b>", PointFromPrevious, 4) << "";
    QTest::newRow("empty pattern") << forward("") << "pattern is empty";
    QTest::newRow("no direction") << PointRow{"<b>", 0, PointFromBegin, 0, 1}
                                  << "direction is not set";
    QTest::newRow("unknown direction")
        << PointRow{"<b>", 3, PointFromBegin, 0, 1} << "direction is not set";
    QTest::newRow("no start") << PointRow{"<b>", PointForward, 0, 0, 1} << "start is not set";
    QTest::newRow("occurrence zero")
        << forward("<b>", PointFromBegin, 0, 0) << "occurrence is below 1";
    QTest::newRow("negative offset from the beginning")
        << forward("<b>", PointFromBegin, -1) << "offset must be 0 or more from the beginning";
    QTest::newRow("positive offset from the end")
        << backward("<b>", PointFromEnd, 1) << "offset must be 0 or less from the end";
    QTest::newRow("forward from the end")
        << forward("<b>", PointFromEnd) << "a forward point cannot start from the end";
    QTest::newRow("backward from the beginning")
        << backward("<b>", PointFromBegin) << "a backward point cannot start from the beginning";
}

void TestCuttingSteps::pointValidity()
{
    QFETCH(PointRow, point);
    QFETCH(QString, reason);
    const std::unique_ptr<CLPoint> record(makePoint(point));
    QCOMPARE(record->invalidReason(), reason);
    QCOMPARE(record->isValid(), reason.isEmpty());
}

void TestCuttingSteps::findPoint_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PointRow>("point");
    QTest::addColumn<int>("base");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<int>("expected");

    const QByteArray five("xAyAz");
    const QString utf8;
    QTest::newRow("first occurrence") << five << forward("A") << 0 << utf8 << 1;
    QTest::newRow("second occurrence")
        << five << forward("A", PointFromBegin, 0, 2) << 0 << utf8 << 3;
    QTest::newRow("occurrence beyond the matches")
        << five << forward("A", PointFromBegin, 0, 3) << 0 << utf8 << -1;
    QTest::newRow("match at position 0 is never found")
        << latin1("Axx") << forward("A") << 0 << utf8 << -1;
    QTest::newRow("match after position 0 still found")
        << latin1("AxA") << forward("A") << 0 << utf8 << 2;
    QTest::newRow("empty bytes") << QByteArray() << forward("A") << 0 << utf8 << -1;
    QTest::newRow("pattern longer than the bytes") << five << forward("xAyAzz") << 0 << utf8 << -1;
    QTest::newRow("pattern not there") << five << forward("Q") << 0 << utf8 << -1;
    QTest::newRow("offset moves the start")
        << five << forward("A", PointFromBegin, 1) << 0 << utf8 << 3;
    QTest::newRow("offset to the last byte")
        << five << forward("z", PointFromBegin, 4) << 0 << utf8 << -1;
    QTest::newRow("offset past the bytes")
        << five << forward("A", PointFromBegin, 5) << 0 << utf8 << -1;
    QTest::newRow("forward from the end finds nothing")
        << five << forward("A", PointFromEnd) << 0 << utf8 << -1;
    QTest::newRow("forward from previous searches behind it")
        << five << forward("A", PointFromPrevious) << 1 << utf8 << 3;
    QTest::newRow("forward from previous with a negative offset")
        << five << forward("A", PointFromPrevious, -3) << 3 << utf8 << 1;
    QTest::newRow("forward from previous before the bytes")
        << five << forward("A", PointFromPrevious, -4) << 3 << utf8 << -1;
    QTest::newRow("forward from previous at the last byte")
        << five << forward("z", PointFromPrevious) << 4 << utf8 << -1;
    QTest::newRow("backward from the end finds the last")
        << five << backward("A") << 0 << utf8 << 3;
    QTest::newRow("backward occurrence 2 finds the one before")
        << five << backward("A", PointFromEnd, 0, 2) << 0 << utf8 << 1;
    QTest::newRow("backward occurrence beyond the matches")
        << five << backward("A", PointFromEnd, 0, 3) << 0 << utf8 << -1;
    QTest::newRow("backward occurrence 2 of a longer pattern")
        << latin1("--ab--ab--ab") << backward("ab", PointFromEnd, 0, 2) << 0 << utf8 << 6;
    QTest::newRow("backward match at position 0 is refused")
        << latin1("Axx") << backward("A") << 0 << utf8 << -1;
    QTest::newRow("backward from the beginning finds nothing")
        << five << backward("A", PointFromBegin) << 0 << utf8 << -1;
    QTest::newRow("backward offset from the end")
        << five << backward("A", PointFromEnd, -2) << 0 << utf8 << 3;
    QTest::newRow("backward offset before the last match")
        << five << backward("A", PointFromEnd, -3) << 0 << utf8 << 1;
    QTest::newRow("backward offset past the end")
        << five << backward("A", PointFromEnd, 1) << 0 << utf8 << -1;
    QTest::newRow("backward from previous includes a match there")
        << five << backward("A", PointFromPrevious) << 3 << utf8 << 3;
    QTest::newRow("backward from previous with a negative offset")
        << five << backward("A", PointFromPrevious, -1) << 3 << utf8 << 1;
    QTest::newRow("backward from previous at 0")
        << five << backward("x", PointFromPrevious) << 0 << utf8 << -1;
    QTest::newRow("no direction") << five << PointRow{"A", 0, PointFromBegin, 0, 1} << 0 << utf8
                                  << -1;
    QTest::newRow("empty pattern finds nothing") << five << forward("") << 0 << utf8 << -1;
    QTest::newRow("pattern encoded with the site codeset")
        << latin1("-caf\xE9-") << forward("caf\u00E9") << 0 << "ISO-8859-1" << 1;
    QTest::newRow("pattern encoded as UTF-8 by default")
        << latin1("-caf\xE9-") << forward("caf\u00E9") << 0 << utf8 << -1;
    QTest::newRow("unknown codeset encodes as UTF-8")
        << latin1("-caf\xC3\xA9-") << forward("caf\u00E9") << 0 << "no-such-codeset" << 1;
}

void TestCuttingSteps::findPoint()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PointRow, point);
    QFETCH(int, base);
    QFETCH(QString, codeset);
    QFETCH(int, expected);
    const std::unique_ptr<CLPoint> record(makePoint(point));
    QCOMPARE(::findPoint(bytes, *record, base, codeset), expected);
}

void TestCuttingSteps::pairPointer_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<PointRow>("pointA");
    QTest::addColumn<bool>("hasB");
    QTest::addColumn<PointRow>("pointB");
    QTest::addColumn<QStringList>("include");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QByteArray>("expected"); ///< null for a null result
    QTest::addColumn<bool>("sameValue");

    const QByteArray page("xx<b>text</b>yy");
    const QStringList all;
    const QString utf8;
    QTest::newRow("cut begins with A and ends before B")
        << page << forward("<b>") << true << forward("</b>", PointFromPrevious) << all << utf8
        << QByteArray("<b>text") << false;
    QTest::newRow("filter that selects the page cuts it")
        << page << forward("<b>") << true << forward("</b>", PointFromPrevious)
        << QStringList{"xx*</b>"} << utf8 << QByteArray("<b>text") << false;
    QTest::newRow("filter that skips the page returns the input")
        << page << forward("<b>") << true << forward("</b>", PointFromPrevious)
        << QStringList{"<i>"} << utf8 << page << true;
    QTest::newRow("point A not found")
        << page << forward("<i>") << true << forward("</b>", PointFromPrevious) << all << utf8
        << QByteArray() << false;
    QTest::newRow("point B not found")
        << page << forward("<b>") << true << forward("</i>", PointFromPrevious) << all << utf8
        << QByteArray() << false;
    QTest::newRow("A and B at the same position")
        << page << forward("<b>") << true << backward("<b>", PointFromPrevious) << all << utf8
        << QByteArray() << false;
    QTest::newRow("B before A swaps the ends")
        << page << forward("</b>") << true << backward("<b>", PointFromPrevious) << all << utf8
        << QByteArray("<b>text") << false;
    QTest::newRow("B backward from the end")
        << page << forward("<b>") << true << backward("</b>", PointFromEnd) << all << utf8
        << QByteArray("<b>text") << false;
    QTest::newRow("forward A alone stops before the last byte")
        << page << forward("<b>") << false << PointRow() << all << utf8
        << QByteArray("<b>text</b>y") << false;
    QTest::newRow("backward A alone starts at the first byte")
        << page << backward("</b>") << false << PointRow() << all << utf8 << QByteArray("xx<b>text")
        << false;
    QTest::newRow("forward A on the last byte alone is null")
        << page << forward("y", PointFromBegin, 0, 2) << false << PointRow() << all << utf8
        << QByteArray() << false;
    QTest::newRow("patterns encoded with the site codeset")
        << QByteArray("<p>caf\xE9 cr\xE8me</p>") << forward("caf\u00E9") << true
        << forward("cr\u00E8me", PointFromPrevious) << all << "ISO-8859-1" << QByteArray("caf\xE9 ")
        << false;
    QTest::newRow("patterns not found without the site codeset")
        << QByteArray("<p>caf\xE9 cr\xE8me</p>") << forward("caf\u00E9") << true
        << forward("cr\u00E8me", PointFromPrevious) << all << utf8 << QByteArray() << false;
}

void TestCuttingSteps::pairPointer()
{
    QFETCH(QByteArray, bytes);
    QFETCH(PointRow, pointA);
    QFETCH(bool, hasB);
    QFETCH(PointRow, pointB);
    QFETCH(QStringList, include);
    QFETCH(QString, codeset);
    QFETCH(QByteArray, expected);
    QFETCH(bool, sameValue);

    Profile profile(codeset);
    auto *step = profile.add(new CLStepPairPointer);
    step->pointA = makePoint(pointA);
    if (hasB)
        step->pointB = makePoint(pointB);
    for (const QString &pattern : include)
        step->contentFilter.addInclude(pattern);

    CLData input(bytes);
    CLData *output = step->process(&input);
    if (sameValue) {
        QCOMPARE(output, &input);
        return;
    }
    QVERIFY(output != &input);
    const std::unique_ptr<CLData> result(output);
    if (expected.isNull()) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QCOMPARE(result->type, int(DataBytes));
    QCOMPARE(result->bytes, expected);
}

void TestCuttingSteps::pairPointerTakesOnlyBytes()
{
    CLStepPairPointer step;
    QVERIFY(step.accepts(DataBytes));
    QVERIFY(!step.accepts(DataText));
    QCOMPARE(step.outputType, int(DataBytes));
    step.pointA = makePoint(forward("b"));
    CLData text(QStringLiteral("abc"));
    QCOMPARE(step.process(&text), nullptr);
}

void TestCuttingSteps::skippedPairPointerLeavesWholePage()
{
    Profile profile{QString()};
    auto *pair = profile.add(new CLStepPairPointer);
    pair->pointA = makePoint(forward("<body>"));
    pair->pointB = makePoint(forward("</body>", PointFromPrevious));
    pair->contentFilter.addInclude(QStringLiteral("<frameset"));
    auto *cutter = profile.add(new CLStepSectionCutter);
    cutter->startPattern = QStringLiteral("<!--");
    cutter->endPattern = QStringLiteral("-->");

    const std::unique_ptr<CLData> result(
        runChain(profile.topic, QByteArray("<head>h</head><!--c--><body>b</body>")));
    QVERIFY(result);
    QCOMPARE(result->text, QStringLiteral("<head>h</head><body>b</body>"));
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

    const QByteArray comments("a<!--1-->b<!--2-->c");
    const QString open = QStringLiteral("<!--");
    const QString close = QStringLiteral("-->");
    const QString utf8;
    QTest::newRow("every comment removed with its markers")
        << comments << false << utf8 << open << close << true << true << "abc";
    QTest::newRow("only the first comment without cutAll")
        << comments << false << utf8 << open << close << false << true << "ab<!--2-->c";
    const QByteArray later("abcd<!--1-->b<!--2-->c");
    QTest::newRow("patterns kept without cutPattern")
        << later << false << utf8 << open << close << true << false << "abcd<!---->b<!---->c";
    QTest::newRow("patterns kept, first cut only")
        << later << false << utf8 << open << close << false << false << "abcd<!---->b<!--2-->c";
    QTest::newRow("kept patterns: a start before the end pattern's length is missed")
        << comments << false << utf8 << open << close << true << false << "a<!--1-->b<!---->c";
    QTest::newRow("kept patterns: first search starts at the end pattern's length")
        << QByteArray("<!--x-->y<!--z-->") << false << utf8 << open << close << true << false
        << "<!--x-->y<!---->";
    QTest::newRow("kept patterns: adjacent markers are passed over")
        << QByteArray("a<!---->b<!--2-->c") << false << utf8 << open << close << true << false
        << "a<!---->b<!---->c";
    QTest::newRow("start without an end is left")
        << QByteArray("a<!--b") << false << utf8 << open << close << true << true << "a<!--b";
    QTest::newRow("end before any start is left") << QByteArray("a-->b<!--c-->d") << false << utf8
                                                  << open << close << true << true << "a-->bd";
    QTest::newRow("nested start ends at the first end")
        << QByteArray("a<!--b<!--c-->d-->e") << false << utf8 << open << close << true << true
        << "ad-->e";
    QTest::newRow("patterns keep case") << QByteArray("<b>x</b>") << false << utf8 << "<B>"
                                        << "</B>" << true << true << "<b>x</b>";
    QTest::newRow("empty end pattern cuts the start patterns")
        << QByteArray("a<br>b<br>c") << false << utf8 << "<br>"
        << "" << true << true << "abc";
    QTest::newRow("two empty patterns cut nothing") << QByteArray("abc") << false << utf8 << ""
                                                    << "" << true << true << "abc";
    QTest::newRow("two empty patterns kept cut nothing") << QByteArray("abc") << false << utf8 << ""
                                                         << "" << true << false << "abc";
    QTest::newRow("everything cut is null")
        << QByteArray("<!--all-->") << false << utf8 << open << close << true << true << QString();
    QTest::newRow("empty text is null")
        << QByteArray() << false << utf8 << open << close << true << true << QString();
    QTest::newRow("bytes decoded with the site codeset")
        << QByteArray("caf\xE9<!--x-->!") << true << "ISO-8859-1" << open << close << true << true
        << "caf\u00E9!";
    QTest::newRow("bytes decoded as UTF-8 by default")
        << QByteArray("caf\xC3\xA9<!--x-->!") << true << utf8 << open << close << true << true
        << "caf\u00E9!";
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
    if (expected.isNull()) {
        QVERIFY(!result);
        return;
    }
    QVERIFY(result);
    QVERIFY(result.get() != &value);
    QCOMPARE(result->type, int(DataText));
    QCOMPARE(result->text, expected);
}

QTEST_GUILESS_MAIN(TestCuttingSteps)
#include "tst_cuttingsteps.moc"
