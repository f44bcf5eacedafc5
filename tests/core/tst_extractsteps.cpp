#include "clextractsteps.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringEncoder>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A minimal site -> page -> track -> topic tree, so that steps see a codeset and a merge rule.
struct Profile
{
    explicit Profile(const QString &codeset, int mergeDup = 0)
    {
        site.codeset = codeset;
        auto *page = new CLPage;
        addPage(&site, page);
        auto *track = new CLTrack;
        addTrack(page, track);
        topic = new CLTopic;
        topic->mergeDup = mergeDup;
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

std::unique_ptr<CLData> run(const CLStep &step, CLData &input)
{
    return std::unique_ptr<CLData>(step.process(&input));
}

// One line per record: kind, URL, [title] and the index of the enclosing link.
QStringList describe(const CLData *value)
{
    QStringList lines;
    for (const CLURLData *record : value ? value->urls : QList<CLURLData *>()) {
        QString line = record->urlKind == URLHtml    ? u"link "_s
                       : record->urlKind == URLImage ? u"img "_s
                                                     : u"other "_s;
        line += record->url + u" ["_s + record->title + u']';
        if (record->enclosingLink)
            line += u" in %1"_s.arg(value->urls.indexOf(record->enclosingLink));
        lines.append(line);
    }
    return lines;
}

// A text step's result; a null or empty expectation stands for a miss.
void compareText(const CLData *result, const QString &expected)
{
    QCOMPARE(bool(result), !expected.isEmpty());
    if (result) {
        QCOMPARE(result->type, int(DataText));
        QCOMPARE(result->text, expected);
    }
}

} // namespace

class TestExtractSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }
    void textFormater_data();
    void textFormater();
    void urlExtractor_data();
    void urlExtractor();
    void attributeExtractor_data();
    void attributeExtractor();
    void textToURL();
    void textExtractor_data();
    void textExtractor();
    void rejectsOtherInput();
    void decodesSiteCodeset_data();
    void decodesSiteCodeset();
    void decodesCorpusGbkPage();
};

void TestExtractSteps::textFormater_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("counts"); ///< insert, append, paragraph lines; begin, end spaces
    QTest::addColumn<QString>("expected");  ///< null for a miss

    auto row = [](const char *name, const QString &text, const QList<int> &counts,
                  const QString &expected) { QTest::newRow(name) << text << counts << expected; };

    row("zero counts join paragraphs", u"a\n\n  b  "_s, {0, 0, 0, 0, 0}, u"ab"_s);
    row("paragraph line unit is LF CR", u"A\nB"_s, {0, 1, 1, 2, 0}, u"  A\n\r  B\n\r"_s);
    row("insert lines in front, end spaces behind each", u"A\nB"_s, {2, 0, 0, 0, 1},
        u"\n\r\n\rA B "_s);
    row("long mixed run splits once", u"A\n\r\n\t\r\nB"_s, {0, 0, 1, 0, 0}, u"A\n\rB"_s);
    row("single tab or CR stays inside the paragraph", u"A\tB\rC"_s, {0, 0, 1, 0, 0}, u"A B C"_s);
    row("blank paragraph adds no extra line", u"\n \nA\n  \nB"_s, {0, 0, 1, 0, 0}, u"A\n\rB"_s);
    row("inner white space collapsed", u"  A  \t B "_s, {0, 0, 0, 0, 0}, u"A B"_s);
    row("white space only is a miss", u" \n\t\t \r\r"_s, {1, 1, 1, 1, 1}, QString());
}

void TestExtractSteps::textFormater()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, counts);
    QFETCH(QString, expected);
    CLStepTextFormater step;
    step.insertLine = counts[0];
    step.appendLine = counts[1];
    step.paragraphLine = counts[2];
    step.paragraphSpaceBegin = counts[3];
    step.paragraphSpaceEnd = counts[4];
    CLData input(text);
    compareText(run(step, input).get(), expected);
}

void TestExtractSteps::urlExtractor_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("urlType");
    QTest::addColumn<int>("mergeDup");
    QTest::addColumn<QStringList>("settings"); ///< prefix, cut tail, URL and content include
    QTest::addColumn<QStringList>("expected");
    auto row = [](const char *name, const QString &html, int urlType, int mergeDup,
                  const QStringList &expected, const QStringList &settings = {}) {
        QTest::newRow(name) << html << urlType << mergeDup << settings << expected;
    };
    const int link = CLStepURLExtractor::Link;
    const int nonLink = CLStepURLExtractor::NonLink;
    const int any = CLStepURLExtractor::Any;
    const QString fooBar = u"<a href=\"u\">Foo</a> <a href=\"u\">Bar</a>"_s;
    const QString three = fooBar + u" <a href=\"u\">Baz</a>"_s;

    row("merge 0 joins titles", fooBar, link, 0, {"link u [Foo Bar]"});
    row("merge 1 keeps the first", fooBar, link, 1, {"link u [Foo]"});
    row("merge 2 keeps the second", fooBar, link, 2, {"link u [Bar]"});
    row("merge 2 of three keeps the second, not none", three, link, 2, {"link u [Bar]"});
    row("merge 3 of two keeps the first", fooBar, link, 3, {"link u [Foo]"});
    row("merge 3 of four keeps the third", three + u"<a href=\"u\">Qux</a>"_s, link, 3,
        {"link u [Baz]"});
    row("merge 0 joins only the same URL",
        u"<a href=\"u\">Foo</a><a href=\"v\">Other</a><a href=\"u\">Bar</a>"_s, link, 0,
        {"link u [Foo Bar]", "link v [Other]"});
    row("negative merge keeps duplicates", three, link, -1,
        {"link u [Foo]", "link u [Bar]", "link u [Baz]"});
    const QString blank = u"<a href=\"a\">   </a><a href=\"b\">B</a><a href=\"a\">A</a>"_s;
    row("space-only link text dropped, merge -1", blank, link, -1, {"link b [B]", "link a [A]"});
    row("space-only link text dropped, merge 2", blank, link, 2, {"link b [B]", "link a [A]"});
    row("nothing left after dropping is a miss", u"<a href=\"a\"> </a>"_s, link, 0, {});

    const QString mixed = u"<a href=\"a.html\">A</a><img src=\"p.png\" alt=\"P\">"_s;
    row("url type link skips region images", mixed, link, 0, {"link a.html [A]"});
    row("url type non-link skips links", mixed, nonLink, 0, {"img p.png [P]"});
    row("url type any lists both", mixed, any, 0, {"link a.html [A]", "img p.png [P]"});
    const QString nested = u"<a href=\"a.html\"><img src=\"in.png\" alt=\"In\">A</a>"
                           u"<img src=\"in.png\" alt=\"In\"><img src=\"out.png\" alt=\"Out\">"
                           u"<a href=\"b.html\">B</a>"_s;
    row("image in a link listed once right after it", nested, any, 0,
        {"link a.html [A]", "img in.png [In] in 0", "link b.html [B]", "img out.png [Out]"});
    row("image in a link listed with url type link", nested, link, 0,
        {"link a.html [A]", "img in.png [In] in 0", "link b.html [B]"});
    row("non-link lists the in-link image as a region image", nested, nonLink, 0,
        {"img in.png [In]", "img in.png [In]", "img out.png [Out]"});
    row("image of a dropped link loses its enclosing link",
        u"<a href=\"u\"><img src=\"i.png\">Foo</a><a href=\"u\">Bar</a>"_s, link, 2,
        {"img i.png []", "link u [Bar]"});
    row("titled image with a link's URL merged into the link",
        u"<a href=\"p.png\">Foo</a><img src=\"p.png\" alt=\"Pic\">"_s, any, 0,
        {"link p.png [Foo Pic]"});
    row("untitled image with a link's URL kept", u"<a href=\"p.png\">Foo</a><img src=\"p.png\">"_s,
        any, 1, {"link p.png [Foo]", "img p.png []"});
    row("empty src ends image collection",
        u"<img src=\"a.png\" alt=\"A\"><img src=\"\" alt=\"E\"><img src=\"c.png\" alt=\"C\">"_s,
        nonLink, 0, {"img a.png [A]"});

    row("prefix leaves HTTP:// in capitals unchanged",
        u"<a href=\"HTTP://x.org/a\">A</a><a href=\"rel/b\">B</a>"_s, link, 0,
        {"link HTTP://x.org/a [A]", "link http://site/rel/b [B]"}, {"http://site/"});
    row("prefix and tail cut spare in-link images only",
        u"<a href=\"a?x\"><img src=\"in.png?x\">A</a><img src=\"out.png?x\">"_s, any, 0,
        {"link http://s/a [A]", "img in.png?x [] in 0", "img http://s/out.png []"},
        {"http://s/", "?"});
    row("tail cut at the first occurrence", u"<a href=\"a.html#x#y\">A</a>"_s, link, 0,
        {"link a.html [A]"}, {"", "#"});
    row("url filter applies to links and images",
        u"<a href=\"/news/1\">N</a><a href=\"/sport/2\">S</a>"
        u"<img src=\"/NEWS/p.png\"><img src=\"/ads/q.png\">"_s,
        any, 0, {"link /news/1 [N]", "img /NEWS/p.png []"}, {"", "", "*news*"});
    row("content filter spares images",
        u"<a href=\"a\">Keep this</a><a href=\"b\">Drop</a><img src=\"p.png\" alt=\"Drop\">"_s, any,
        0, {"link a [Keep this]", "img p.png [Drop]"}, {"", "", "", "*keep*"});
    row("region without links or images is a miss", u"<p>plain text</p>"_s, any, 0, {});
}

void TestExtractSteps::urlExtractor()
{
    QFETCH(QString, html);
    QFETCH(int, urlType);
    QFETCH(int, mergeDup);
    QFETCH(QStringList, settings);
    QFETCH(QStringList, expected);
    settings.resize(4);

    Profile profile(u"UTF-8"_s, mergeDup);
    auto *step = profile.add(new CLStepURLExtractor);
    step->urlType = urlType;
    step->prefix = settings[0];
    step->cutTail = settings[1];
    if (!settings[2].isEmpty())
        step->urlFilter.addInclude(settings[2]);
    if (!settings[3].isEmpty())
        step->contentFilter.addInclude(settings[3]);

    CLData input(html.toUtf8());
    const auto result = run(*step, input);
    QCOMPARE(bool(result), !expected.isEmpty());
    if (result)
        QCOMPARE(result->type, int(DataURLList));
    QCOMPARE(describe(result.get()), expected);
}

void TestExtractSteps::attributeExtractor_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const QByteArray &bytes, const QString &attribute,
                  const QString &expected) {
        QTest::newRow(name) << bytes << attribute << expected;
    };

    row("name matched case-insensitively", "<img SRC=\"a.png\" alt=\"x\">", "src", "a.png");
    row("unquoted value ends at >", "<img alt=x>", "alt", "x");
    row("zero byte hides what follows", QByteArray("<p>\0 <img src=\"a.png\">", 22), "src", "");
    row("bytes read as Latin-1, not with the site codeset", "<img alt=\"caf\xe9 \xc4\xe3\">", "alt",
        u"café Äã"_s);
    row("absent attribute is a miss", "<img src=\"a.png\">", "alt", "");
    row("empty value is a miss", "<img alt=\"\">", "alt", "");
}

void TestExtractSteps::attributeExtractor()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    Profile profile(u"GBK"_s);
    auto *step = profile.add(new CLStepAttributeExtractor);
    step->attributeName = name;
    CLData input(bytes);
    compareText(run(*step, input).get(), expected);
}

void TestExtractSteps::textToURL()
{
    CLStepTextToURL step;
    step.urlKind = URLImage;
    CLData input(u"http://a/ü中.png"_s);
    const auto result = run(step, input);
    const CLURLData *record = result ? result->asURL() : nullptr;
    QVERIFY(record);
    QCOMPARE(record->url, u"http://a/ü?.png"_s); // beyond Latin-1 becomes "?"
    QVERIFY(record->title.isEmpty());
    QCOMPARE(record->urlKind, int(URLImage));
    QVERIFY(!record->enclosingLink);
    CLData empty{QString()};
    QVERIFY(!run(step, empty));
}

void TestExtractSteps::textExtractor_data()
{
    QTest::addColumn<bool>("asBytes");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("filterSpace");
    QTest::addColumn<QString>("expected");

    auto row = [](const char *name, const QString &html, const QString &expected,
                  bool filterSpace = false, bool asBytes = true,
                  const QString &codeset = u"UTF-8"_s) {
        QTest::newRow(name) << asBytes << codeset << html << filterSpace << expected;
    };

    row("tags stripped, entities decoded", u"<b>a</b> &copy; &#65;"_s, u"a © A"_s);
    row("text input used as it is", u"<i>x</i>"_s, u"x"_s, false, false);
    row("filter space drops source line feeds", u"a\nb"_s, u"ab"_s, true);
    row("line feeds kept without filter space", u"a\nb"_s, u"a\nb"_s);
    row("unknown codeset decodes as UTF-8", u"Grüße"_s, u"Grüße"_s, false, true,
        u"no-such-codec"_s);
    row("tags only is a miss", u"<b></b>"_s, QString());
}

void TestExtractSteps::textExtractor()
{
    QFETCH(bool, asBytes);
    QFETCH(QString, codeset);
    QFETCH(QString, html);
    QFETCH(bool, filterSpace);
    QFETCH(QString, expected);
    Profile profile(codeset);
    auto *step = profile.add(new CLStepTextExtractor);
    step->filterSpace = filterSpace;
    CLData input = asBytes ? CLData(html.toUtf8()) : CLData(html);
    compareText(run(*step, input).get(), expected);
}

void TestExtractSteps::rejectsOtherInput()
{
    CLStepTextExtractor text;
    CLStepURLExtractor urls;
    CLStepAttributeExtractor attribute;
    attribute.attributeName = u"src"_s;
    CLStepTextToURL toURL;
    CLStepTextFormater formater;
    const QString html = u"<a href=\"a\"><img src=\"b\">A</a>"_s;
    CLData asText(html);
    CLData asBytes(html.toUtf8());
    CLData asList(QList<CLURLData *>{new CLURLData(html, html, URLHtml)});
    const std::pair<const CLStep *, CLData *> cases[] = {{&text, &asList},
                                                         {&urls, &asText},
                                                         {&attribute, &asText},
                                                         {&toURL, &asBytes},
                                                         {&formater, &asBytes}};
    for (const auto &[step, input] : cases) {
        QVERIFY(!step->accepts(input->type));
        QVERIFY(!run(*step, *input));
    }
}

void TestExtractSteps::decodesSiteCodeset_data()
{
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QString>("original");

    QTest::newRow("GBK") << u"GBK"_s << u"新闻阅读器测试，一夜之间"_s;
    // The second bytes of 許 and ソ are 0x5C, which a byte-wise decoder takes for a backslash.
    QTest::newRow("Big5") << u"Big5"_s << u"繁體中文新聞許功蓋"_s;
    QTest::newRow("Shift_JIS") << u"Shift_JIS"_s << u"日本語のニュース・ソース表示"_s;
    QTest::newRow("EUC-KR") << u"EUC-KR"_s << u"한국어 뉴스 기사"_s;
    QTest::newRow("windows-1251") << u"windows-1251"_s << u"Новости дня, Ёж"_s;
}

void TestExtractSteps::decodesSiteCodeset()
{
    QFETCH(QString, codeset);
    QFETCH(QString, original);
    QStringEncoder encoder(codeset.toLatin1().constData());
    QVERIFY2(encoder.isValid(), qPrintable(codeset));
    const QByteArray encoded = encoder.encode(original);
    QVERIFY(!encoder.hasError() && encoded != original.toUtf8());

    Profile profile(codeset);
    auto *text = profile.add(new CLStepTextExtractor);
    auto *urls = profile.add(new CLStepURLExtractor);
    urls->urlType = CLStepURLExtractor::Link;
    CLData input("<html><body><a href=\"x.html\"><b>" + encoded + "</b></a></body></html>");
    const auto extracted = run(*text, input);
    QVERIFY(extracted);
    QCOMPARE(extracted->text, original);
    const auto links = run(*urls, input);
    QCOMPARE(describe(links.get()), QStringList{u"link x.html ["_s + original + u']'});
}

void TestExtractSteps::decodesCorpusGbkPage()
{
    QFile pageFile(QStringLiteral(TESSOLIN_CORPUS "/pages/zh-sina.html"));
    QFile truthFile(QStringLiteral(TESSOLIN_CORPUS "/truth/zh-sina.json"));
    if (!pageFile.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QString truth =
        QJsonDocument::fromJson(truthFile.readAll()).object().value(u"text"_s).toString();
    // The opening words of the article, long enough to span two sentences.
    const QString phrase = truth.trimmed().left(24);
    QCOMPARE(phrase.size(), 24);

    Profile profile(u"GBK"_s);
    auto *step = profile.add(new CLStepTextExtractor);
    step->filterSpace = true;
    CLData input(pageFile.readAll());
    const auto result = run(*step, input);
    QVERIFY(result);
    QVERIFY2(result->text.contains(phrase), qPrintable(phrase));
    QVERIFY(!result->text.contains(QChar::ReplacementCharacter));
}

QTEST_APPLESS_MAIN(TestExtractSteps)
#include "tst_extractsteps.moc"
