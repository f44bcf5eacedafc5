// The scanner that walks a page's links and images must give what the
// one-lookup-at-a-time text utilities give, from every position, in any order.

#include "htmlscanner.h"
#include "htmltext.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// One lookup's result and its two outputs; "(unset)" for an output left alone.
QString lookup(bool link, const QString &text, HtmlScanner *scanner, int from)
{
    QString first = u"(unset)"_s, second = u"(unset)"_s;
    int result;
    if (link)
        result =
            scanner ? scanner->findLink(from, first, second) : findLink(text, from, first, second);
    else
        result = scanner ? scanner->findImage(from, first, second)
                         : findImage(text, from, first, second);
    return u"%1 [%2] [%3] %4"_s.arg(result)
        .arg(first, second)
        .arg(first.isNull() ? u"null"_s : u""_s);
}

// Where the scanner and the text utilities first differ, or an empty string.
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

} // namespace

class TestHtmlScanner : public QObject
{
    Q_OBJECT

private slots:
    void sameAsOneLookupAtATime_data()
    {
        QTest::addColumn<QString>("text");
        auto row = [](const char *name, const QString &text) { QTest::newRow(name) << text; };
        row("bare and attributed anchors mixed",
            u"<a>x</a><a href='1'>one</a> <A>y</A><A HREF=\"2\">two</A>"_s);
        row("no bare anchor at all", u"<a href=1>a</a><a class=x href=2>b</a><a href=3>c</a>"_s);
        row("href far behind its anchors", u"<a name=1>t</a><a name=2>u</a><b href=/x>X</b>"_s);
        row("href inside another tag before the anchor", u"<link href=s.css><a>x</a>"_s);
        row("name ending in href stops the walk", u"<i datahref=1><a href=2>x</a>"_s);
        row("space before the equals sign", u"<a href  =  \"1\">x</a><a href\t=2>y</a>"_s);
        row("unquoted values end at space or bracket",
            u"<a href=1>x</a><a href=2 >y</a><a href=3"_s);
        row("unclosed quote", u"<a href=\"1>x</a><a href=\"2\">y</a>"_s);
        row("apostrophe and quote values", u"<a href='1\"'>x</a><a href=\"2'\">y</a>"_s);
        row("empty values", u"<a href=''>x</a><a href=\"\">y</a><a href=>z</a><a href=3>w</a>"_s);
        row("anchor without closing tag", u"<a href=1>x<a href=2>y"_s);
        row("empty inner text", u"<a href=1></a><a href=2>y</a>"_s);
        row("closing tag before the anchor", u"</a><a href=1>x</a>"_s);
        row("images with and without alt",
            u"<img src=a alt=A><img src='b'><IMG alt=\"C\" src=c><img alt=D><img src=e>"_s);
        row("alt taken from a later tag", u"<img src=a><p alt=far>x<img src=b alt=B>"_s);
        row("image without src ends", u"<img alt=a><img src=b>"_s);
        row("src of a later tag", u"<img alt=a> <i src=b>"_s);
        row("case folding of long s and Kelvin sign",
            u"<img \u017Frc=a><a \u212Aey=1 href=2>x</a><img src=b>"_s);
        row("surrogate pairs",
            u"\U0001F600<a href=\U0001F601>\U0001F602</a><img src=\U0001F603>"_s);
        row("lone surrogate in the page",
            u"<a href=1>x</a>"_s + QChar(0xD800) + u"<a href=2>y</a><img src=a>"_s);
        row("links inside image tags",
            u"<img src=a href=1><a>x</a><img src=b alt=<a href=2>y</a>"_s);
        row("brackets in values", u"<a href=\"a>b\">x</a><a href=c>d>e</a>"_s);
        row("empty text", QString());
    }

    void sameAsOneLookupAtATime()
    {
        QFETCH(QString, text);
        const QString difference = firstDifference(text);
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    void sameAsOneLookupAtATimeOnRandomSoup()
    {
        // Pieces of the markup the lookups look for, thrown together.
        QStringList pieces = {
            u"<a>"_s,        u"<a "_s,  u"<A "_s,   u"</a>"_s,  u"</A>"_s,      u"href="_s,
            u"HREF ="_s,     u"src="_s, u"alt ="_s, u"<img "_s, u"<IMG "_s,     u"\""_s,
            u"'"_s,          u" "_s,    u">"_s,     u"x"_s,     u"datahref="_s, u"\u017Frc="_s,
            u"\U0001F600"_s, u"="_s,    u"<"_s};
        pieces.append(QString(QChar(0xD800))); // a lone surrogate
        QRandomGenerator random(20261207);
        for (int round = 0; round < 2000; ++round) {
            QString text;
            const int count = int(random.bounded(24));
            for (int i = 0; i < count; ++i)
                text += pieces[random.bounded(int(pieces.size()))];
            const QString difference = firstDifference(text);
            if (!difference.isEmpty())
                QFAIL(qPrintable(u"'%1': %2"_s.arg(text, difference)));
        }
    }
};

QTEST_APPLESS_MAIN(TestHtmlScanner)
#include "tst_htmlscanner.moc"
