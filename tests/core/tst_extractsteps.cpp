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
    if (!value)
        return lines;
    for (const CLURLData *record : value->urls) {
        QString line = record->urlKind == URLHtml    ? QStringLiteral("link ")
                       : record->urlKind == URLImage ? QStringLiteral("img ")
                                                     : QStringLiteral("other ");
        line += record->url + QStringLiteral(" [") + record->title + QLatin1Char(']');
        if (record->enclosingLink)
            line += QStringLiteral(" in %1").arg(value->urls.indexOf(record->enclosingLink));
        lines.append(line);
    }
    return lines;
}

} // namespace

class TestExtractSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textFormater_data();
    void textFormater();
    void urlExtractor_data();
    void urlExtractor();
    void urlExtractorOutsideProfile();
    void attributeExtractor_data();
    void attributeExtractor();
    void textToURL_data();
    void textToURL();
    void textExtractor_data();
    void textExtractor();
    void rejectsOtherInput_data();
    void rejectsOtherInput();
    void decodesSiteCodeset_data();
    void decodesSiteCodeset();
    void decodesCorpusGbkPage();
};

void TestExtractSteps::initTestCase()
{
    fillEntityTable();
}

void TestExtractSteps::textFormater_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("insertLine");
    QTest::addColumn<int>("appendLine");
    QTest::addColumn<int>("paragraphLine");
    QTest::addColumn<int>("spaceBegin");
    QTest::addColumn<int>("spaceEnd");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("expected");

    QTest::newRow("zero counts join paragraphs")
        << u"a\n\n  b  "_s << 0 << 0 << 0 << 0 << 0 << true << u"ab"_s;
    QTest::newRow("paragraph line unit is LF CR")
        << u"A\nB"_s << 0 << 1 << 1 << 2 << 0 << true << u"  A\n\r  B\n\r"_s;
    QTest::newRow("insert lines go in front, end spaces behind each part")
        << u"A\nB"_s << 2 << 0 << 0 << 0 << 1 << true << u"\n\r\n\rA B "_s;
    QTest::newRow("tab run splits paragraphs")
        << u"A\t\tB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A\n\rB"_s;
    QTest::newRow("CR LF run splits once")
        << u"A\r\nB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A\n\rB"_s;
    QTest::newRow("long mixed run splits once")
        << u"A\n\r\n\t\r\nB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A\n\rB"_s;
    QTest::newRow("single tab stays inside the paragraph")
        << u"A\tB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A B"_s;
    QTest::newRow("single CR stays inside the paragraph")
        << u"A\rB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A B"_s;
    QTest::newRow("blank paragraph adds no extra line")
        << u"A\n  \nB"_s << 0 << 0 << 1 << 0 << 0 << true << u"A\n\rB"_s;
    QTest::newRow("no line before the first kept part")
        << u"\n \nA"_s << 0 << 0 << 3 << 0 << 0 << true << u"A"_s;
    QTest::newRow("inner white space collapsed")
        << u"  A  \t B "_s << 0 << 0 << 0 << 0 << 0 << true << u"A B"_s;
    QTest::newRow("white space only is a miss")
        << u" \n\t\t \r\r"_s << 1 << 1 << 1 << 1 << 1 << false << QString();
    QTest::newRow("empty text is a miss")
        << QString() << 1 << 1 << 0 << 0 << 0 << false << QString();
}

void TestExtractSteps::textFormater()
{
    QFETCH(QString, text);
    QFETCH(int, insertLine);
    QFETCH(int, appendLine);
    QFETCH(int, paragraphLine);
    QFETCH(int, spaceBegin);
    QFETCH(int, spaceEnd);
    QFETCH(bool, found);
    QFETCH(QString, expected);

    CLStepTextFormater step;
    step.insertLine = insertLine;
    step.appendLine = appendLine;
    step.paragraphLine = paragraphLine;
    step.paragraphSpaceBegin = spaceBegin;
    step.paragraphSpaceEnd = spaceEnd;
    CLData input(text);
    const auto result = run(step, input);
    QCOMPARE(bool(result), found);
    if (result) {
        QCOMPARE(result->type, int(DataText));
        QCOMPARE(result->text, expected);
    }
}

void TestExtractSteps::urlExtractor_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<int>("urlType");
    QTest::addColumn<int>("mergeDup");
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("cutTail");
    QTest::addColumn<QString>("urlInclude");
    QTest::addColumn<QString>("contentInclude");
    QTest::addColumn<QStringList>("expected");

    const int link = CLStepURLExtractor::Link;
    const int nonLink = CLStepURLExtractor::NonLink;
    const int any = CLStepURLExtractor::Any;
    const QString none;
    const QString fooBar = u"<a href=\"u\">Foo</a> <a href=\"u\">Bar</a>"_s;
    const QString three = fooBar + u" <a href=\"u\">Baz</a>"_s;

    QTest::newRow("merge 0 joins titles") << fooBar << link << 0 << none << none << none << none
                                          << QStringList{u"link u [Foo Bar]"_s};
    QTest::newRow("merge 1 keeps the first")
        << fooBar << link << 1 << none << none << none << none << QStringList{u"link u [Foo]"_s};
    QTest::newRow("merge 2 keeps the second")
        << fooBar << link << 2 << none << none << none << none << QStringList{u"link u [Bar]"_s};
    QTest::newRow("merge 2 of three keeps the second, not none")
        << three << link << 2 << none << none << none << none << QStringList{u"link u [Bar]"_s};
    QTest::newRow("merge 3 of two keeps the first")
        << fooBar << link << 3 << none << none << none << none << QStringList{u"link u [Foo]"_s};
    QTest::newRow("merge 3 of four keeps the third")
        << three + u"<a href=\"u\">Qux</a>"_s << link << 3 << none << none << none << none
        << QStringList{u"link u [Baz]"_s};
    QTest::newRow("merge 0 joins only the same URL")
        << u"<a href=\"u\">Foo</a><a href=\"v\">Other</a><a href=\"u\">Bar</a>"_s << link << 0
        << none << none << none << none << QStringList{u"link u [Foo Bar]"_s, u"link v [Other]"_s};
    QTest::newRow("negative merge keeps duplicates")
        << three << link << -1 << none << none << none << none
        << QStringList{u"link u [Foo]"_s, u"link u [Bar]"_s, u"link u [Baz]"_s};

    const QString blank = u"<a href=\"a\">   </a><a href=\"b\">B</a><a href=\"a\">A</a>"_s;
    for (int merge : {-1, 0, 1, 2}) {
        QTest::addRow("space-only link text dropped, merge %d", merge)
            << blank << link << merge << none << none << none << none
            << QStringList{u"link b [B]"_s, u"link a [A]"_s};
    }
    QTest::newRow("nothing left after dropping is a miss")
        << u"<a href=\"a\"> </a>"_s << link << 0 << none << none << none << none << QStringList();

    const QString mixed = u"<a href=\"a.html\">A</a><img src=\"p.png\" alt=\"P\">"_s;
    QTest::newRow("url type link skips region images")
        << mixed << link << 0 << none << none << none << none << QStringList{u"link a.html [A]"_s};
    QTest::newRow("url type non-link skips links")
        << mixed << nonLink << 0 << none << none << none << none << QStringList{u"img p.png [P]"_s};
    QTest::newRow("url type any lists both")
        << mixed << any << 0 << none << none << none << none
        << QStringList{u"link a.html [A]"_s, u"img p.png [P]"_s};

    const QString nested = u"<a href=\"a.html\"><img src=\"in.png\" alt=\"In\">A</a>"
                           u"<img src=\"in.png\" alt=\"In\"><img src=\"out.png\" alt=\"Out\">"
                           u"<a href=\"b.html\">B</a>"_s;
    QTest::newRow("image in a link listed once right after it")
        << nested << any << 0 << none << none << none << none
        << QStringList{u"link a.html [A]"_s, u"img in.png [In] in 0"_s, u"link b.html [B]"_s,
                       u"img out.png [Out]"_s};
    QTest::newRow("image in a link listed with url type link")
        << nested << link << 0 << none << none << none << none
        << QStringList{u"link a.html [A]"_s, u"img in.png [In] in 0"_s, u"link b.html [B]"_s};
    QTest::newRow("non-link lists the in-link image as a region image")
        << nested << nonLink << 0 << none << none << none << none
        << QStringList{u"img in.png [In]"_s, u"img in.png [In]"_s, u"img out.png [Out]"_s};
    QTest::newRow("image of a dropped link loses its enclosing link")
        << u"<a href=\"u\"><img src=\"i.png\">Foo</a><a href=\"u\">Bar</a>"_s << link << 2 << none
        << none << none << none << QStringList{u"img i.png []"_s, u"link u [Bar]"_s};
    QTest::newRow("titled image with a link's URL merged into the link")
        << u"<a href=\"p.png\">Foo</a><img src=\"p.png\" alt=\"Pic\">"_s << any << 0 << none << none
        << none << none << QStringList{u"link p.png [Foo Pic]"_s};
    QTest::newRow("untitled image with a link's URL kept")
        << u"<a href=\"p.png\">Foo</a><img src=\"p.png\">"_s << any << 1 << none << none << none
        << none << QStringList{u"link p.png [Foo]"_s, u"img p.png []"_s};
    QTest::newRow("empty src ends image collection")
        << u"<img src=\"a.png\" alt=\"A\"><img src=\"\" alt=\"E\"><img src=\"c.png\" alt=\"C\">"_s
        << nonLink << 0 << none << none << none << none << QStringList{u"img a.png [A]"_s};

    QTest::newRow("prefix leaves HTTP:// in capitals unchanged")
        << u"<a href=\"HTTP://x.org/a\">A</a><a href=\"rel/b\">B</a>"_s << link << 0
        << u"http://site/"_s << none << none << none
        << QStringList{u"link HTTP://x.org/a [A]"_s, u"link http://site/rel/b [B]"_s};
    QTest::newRow("prefix and tail cut spare in-link images only")
        << u"<a href=\"a?x\"><img src=\"in.png?x\">A</a><img src=\"in.png?x\">"
           u"<img src=\"out.png?x\">"_s
        << any << 0 << u"http://s/"_s << u"?"_s << none << none
        << QStringList{u"link http://s/a [A]"_s, u"img in.png?x [] in 0"_s,
                       u"img http://s/out.png []"_s};
    QTest::newRow("tail cut at the first occurrence")
        << u"<a href=\"a.html#x#y\">A</a>"_s << link << 0 << none << u"#"_s << none << none
        << QStringList{u"link a.html [A]"_s};
    QTest::newRow("tail cut is case-sensitive")
        << u"<a href=\"a.html?ref=1\">A</a>"_s << link << 0 << none << u"?REF"_s << none << none
        << QStringList{u"link a.html?ref=1 [A]"_s};

    QTest::newRow("url filter applies to links and images")
        << u"<a href=\"/news/1\">N</a><a href=\"/sport/2\">S</a>"
           u"<img src=\"/NEWS/p.png\"><img src=\"/ads/q.png\">"_s
        << any << 0 << none << none << u"*news*"_s << none
        << QStringList{u"link /news/1 [N]"_s, u"img /NEWS/p.png []"_s};
    QTest::newRow("content filter spares images")
        << u"<a href=\"a\">Keep this</a><a href=\"b\">Drop</a><img src=\"p.png\" alt=\"Drop\">"_s
        << any << 0 << none << none << none << u"*keep*"_s
        << QStringList{u"link a [Keep this]"_s, u"img p.png [Drop]"_s};
    QTest::newRow("region without links or images is a miss")
        << u"<p>plain text</p>"_s << any << 0 << none << none << none << none << QStringList();
    QTest::newRow("empty region is a miss")
        << QString() << any << 0 << none << none << none << none << QStringList();
}

void TestExtractSteps::urlExtractor()
{
    QFETCH(QString, html);
    QFETCH(int, urlType);
    QFETCH(int, mergeDup);
    QFETCH(QString, prefix);
    QFETCH(QString, cutTail);
    QFETCH(QString, urlInclude);
    QFETCH(QString, contentInclude);
    QFETCH(QStringList, expected);

    Profile profile(u"UTF-8"_s, mergeDup);
    auto *step = profile.add(new CLStepURLExtractor);
    step->urlType = urlType;
    step->prefix = prefix;
    step->cutTail = cutTail;
    if (!urlInclude.isEmpty())
        step->urlFilter.addInclude(urlInclude);
    if (!contentInclude.isEmpty())
        step->contentFilter.addInclude(contentInclude);

    CLData input(html.toUtf8());
    const auto result = run(*step, input);
    QCOMPARE(bool(result), !expected.isEmpty());
    if (result)
        QCOMPARE(result->type, int(DataURLList));
    QCOMPARE(describe(result.get()), expected);
}

void TestExtractSteps::urlExtractorOutsideProfile()
{
    // Without a topic the merge rule is 0 and the bytes decode as UTF-8.
    CLStepURLExtractor step;
    CLData input(u"<a href=\"u\">Grüße</a><a href=\"u\">Bar</a>"_s.toUtf8());
    const auto result = run(step, input);
    QCOMPARE(describe(result.get()), QStringList{u"link u [Grüße Bar]"_s});
}

void TestExtractSteps::attributeExtractor_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");

    QTest::newRow("double quoted value")
        << QByteArray("<img src=\"a.png\" alt=\"x\">") << u"src"_s << u"a.png"_s;
    QTest::newRow("single quoted value") << QByteArray("<img alt='x y'>") << u"alt"_s << u"x y"_s;
    QTest::newRow("unquoted value ends at >") << QByteArray("<img alt=x>") << u"alt"_s << u"x"_s;
    QTest::newRow("name matched case-insensitively")
        << QByteArray("<img SRC=\"a.png\">") << u"src"_s << u"a.png"_s;
    QTest::newRow("zero byte hides what follows")
        << QByteArray("<p>\0 <img src=\"a.png\">", 22) << u"src"_s << QString();
    QTest::newRow("bytes before a zero byte are read")
        << QByteArray("<img src=\"a.png\">\0<img src=\"b.png\">", 35) << u"src"_s << u"a.png"_s;
    QTest::newRow("bytes read as Latin-1, not with the site codeset")
        << QByteArray("<img alt=\"caf\xe9 \xc4\xe3\">") << u"alt"_s << u"café Äã"_s;
    QTest::newRow("absent attribute is a miss")
        << QByteArray("<img src=\"a.png\">") << u"alt"_s << QString();
    QTest::newRow("empty value is a miss") << QByteArray("<img alt=\"\">") << u"alt"_s << QString();
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
    const auto result = run(*step, input);
    QCOMPARE(bool(result), !expected.isEmpty());
    if (result) {
        QCOMPARE(result->type, int(DataText));
        QCOMPARE(result->text, expected);
    }
}

void TestExtractSteps::textToURL_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("urlKind");
    QTest::addColumn<QString>("expected");

    QTest::newRow("html kind") << u"http://a/b.html"_s << int(URLHtml) << u"http://a/b.html"_s;
    QTest::newRow("image kind kept") << u"http://a/p.png"_s << int(URLImage) << u"http://a/p.png"_s;
    QTest::newRow("beyond Latin-1 becomes ?")
        << u"http://a/ü中"_s << int(URLBinary) << u"http://a/ü?"_s;
    QTest::newRow("empty text is a miss") << QString() << int(URLHtml) << QString();
}

void TestExtractSteps::textToURL()
{
    QFETCH(QString, text);
    QFETCH(int, urlKind);
    QFETCH(QString, expected);

    CLStepTextToURL step;
    step.urlKind = urlKind;
    CLData input(text);
    const auto result = run(step, input);
    QCOMPARE(bool(result), !expected.isEmpty());
    if (!result)
        return;
    const CLURLData *record = result->asURL();
    QVERIFY(record);
    QCOMPARE(record->url, expected);
    QVERIFY(record->title.isEmpty());
    QCOMPARE(record->urlKind, urlKind);
    QVERIFY(!record->enclosingLink);
}

void TestExtractSteps::textExtractor_data()
{
    QTest::addColumn<bool>("asBytes");
    QTest::addColumn<QString>("codeset");
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("filterSpace");
    QTest::addColumn<QString>("expected");

    QTest::newRow("tags stripped from bytes")
        << true << u"UTF-8"_s << u"<b>Hello</b> <i>world</i>"_s << false << u"Hello world"_s;
    QTest::newRow("entities decoded")
        << true << u"UTF-8"_s << u"a &copy; &#65;"_s << false << u"a © A"_s;
    QTest::newRow("text input used as it is")
        << false << u"UTF-8"_s << u"<i>x</i>"_s << false << u"x"_s;
    QTest::newRow("filter space drops source line feeds")
        << true << u"UTF-8"_s << u"a\nb"_s << true << u"ab"_s;
    QTest::newRow("line feeds kept without filter space")
        << true << u"UTF-8"_s << u"a\nb"_s << false << u"a\nb"_s;
    QTest::newRow("unknown codeset decodes as UTF-8")
        << true << u"no-such-codec"_s << u"Grüße"_s << false << u"Grüße"_s;
    QTest::newRow("tags only is a miss")
        << true << u"UTF-8"_s << u"<b></b>"_s << false << QString();
    QTest::newRow("empty input is a miss") << true << u"UTF-8"_s << QString() << false << QString();
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
    std::unique_ptr<CLData> input(asBytes ? new CLData(html.toUtf8()) : new CLData(html));
    const auto result = run(*step, *input);
    QCOMPARE(bool(result), !expected.isEmpty());
    if (result) {
        QCOMPARE(result->type, int(DataText));
        QCOMPARE(result->text, expected);
    }
}

void TestExtractSteps::rejectsOtherInput_data()
{
    QTest::addColumn<int>("stepKind");
    QTest::addColumn<int>("inputType");

    QTest::newRow("text extractor given a URL list") << 0 << int(DataURLList);
    QTest::newRow("URL extractor given text") << 1 << int(DataText);
    QTest::newRow("attribute extractor given text") << 2 << int(DataText);
    QTest::newRow("text to URL given bytes") << 3 << int(DataBytes);
    QTest::newRow("formater given bytes") << 4 << int(DataBytes);
}

void TestExtractSteps::rejectsOtherInput()
{
    QFETCH(int, stepKind);
    QFETCH(int, inputType);

    std::unique_ptr<CLStep> step;
    switch (stepKind) {
    case 0:
        step.reset(new CLStepTextExtractor);
        break;
    case 1:
        step.reset(new CLStepURLExtractor);
        break;
    case 2: {
        auto *attribute = new CLStepAttributeExtractor;
        attribute->attributeName = u"src"_s;
        step.reset(attribute);
        break;
    }
    case 3:
        step.reset(new CLStepTextToURL);
        break;
    default:
        step.reset(new CLStepTextFormater);
        break;
    }
    const QString html = u"<a href=\"a\"><img src=\"b\">A</a>"_s;
    std::unique_ptr<CLData> input;
    if (inputType == DataText)
        input.reset(new CLData(html));
    else if (inputType == DataBytes)
        input.reset(new CLData(html.toUtf8()));
    else
        input.reset(new CLData(QList<CLURLData *>{new CLURLData(html, html, URLHtml)}));
    QVERIFY(!step->accepts(inputType));
    QVERIFY(!run(*step, *input));
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
    QVERIFY(!encoder.hasError());
    QVERIFY(encoded != original.toUtf8());
    const QByteArray page =
        "<html><body><a href=\"x.html\"><b>" + encoded + "</b></a></body></html>";

    Profile profile(codeset);
    auto *text = profile.add(new CLStepTextExtractor);
    auto *urls = profile.add(new CLStepURLExtractor);
    urls->urlType = CLStepURLExtractor::Link;

    CLData input(page);
    const auto extracted = run(*text, input);
    QVERIFY(extracted);
    QCOMPARE(extracted->text, original);
    const auto links = run(*urls, input);
    QCOMPARE(describe(links.get()), QStringList{u"link x.html ["_s + original + u']'});
}

void TestExtractSteps::decodesCorpusGbkPage()
{
    const QString base = QStringLiteral(TESSOLIN_CORPUS);
    QFile pageFile(base + u"/pages/zh-sina.html"_s);
    QFile truthFile(base + u"/truth/zh-sina.json"_s);
    if (!pageFile.open(QIODevice::ReadOnly) || !truthFile.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QString truth =
        QJsonDocument::fromJson(truthFile.readAll()).object().value(u"text"_s).toString();
    // The opening words of the article, long enough to span two sentences.
    const QString phrase = truth.trimmed().left(24);
    QVERIFY(phrase.size() == 24);

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
