#include "clextractsteps.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

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

// A text step's result; null for a miss.
QString textResult(const CLStep &step, CLData &&input)
{
    const std::unique_ptr<CLData> result(step.process(&input));
    if (!result)
        return QString();
    return result->type == DataText && !result->text.isEmpty() ? result->text : u"(bad)"_s;
}

// One line per record: kind, URL, [title] and the index of the enclosing link; empty for a miss.
QStringList describe(const CLStep &step, CLData &&input)
{
    const std::unique_ptr<CLData> result(step.process(&input));
    const QList<CLURLData *> records = !result           ? QList<CLURLData *>()
                                       : result->asURL() ? QList{result->asURL()}
                                                         : result->urls;
    QStringList lines;
    for (const CLURLData *record : records) {
        const char *const kinds[] = {"?", "link", "img", "flash", "binary"};
        lines.append(u"%1 %2 [%3]"_s.arg(kinds[record->urlKind], record->url, record->title));
        if (record->enclosingLink)
            lines.last() += u" in %1"_s.arg(records.indexOf(record->enclosingLink));
    }
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

QString describeList(const QList<CLURLData *> &list)
{
    QStringList lines;
    for (const CLURLData *record : list)
        lines.append(u"%1 %2 [%3]"_s.arg(record->urlKind).arg(record->url, record->title));
    return lines.join(u", "_s);
}

} // namespace

class TestExtractSteps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void textFormater_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("counts"); ///< insert, append, paragraph lines; spaces
        QTest::addColumn<QString>("expected");  ///< null for a miss
        auto row = [](const char *name, const QString &text, const QList<int> &counts,
                      const QString &expected) {
            QTest::newRow(name) << text << counts << expected;
        };
        row("zero counts join paragraphs", u"a\n\n  b  "_s, {0, 0, 0, 0, 0}, u"ab"_s);
        row("paragraph line unit is LF CR", u"A\nB"_s, {0, 1, 1, 2, 0}, u"  A\n\r  B\n\r"_s);
        row("insert lines first, end spaces", u"A\nB"_s, {2, 0, 0, 0, 1}, u"\n\r\n\rA B "_s);
        row("long mixed run splits once", u"A\n\r\n\t\r\nB"_s, {0, 0, 1, 0, 0}, u"A\n\rB"_s);
        row("single tab or CR stays inside", u"A\tB\rC\n \nD"_s, {0, 0, 1, 0, 0}, u"A B C\n\rD"_s);
        row("white space only is a miss", u" \n\t\t \r\r"_s, {1, 1, 1, 1, 1}, QString());
    }

    void textFormater()
    {
        QFETCH(QString, text);
        QFETCH(QList<int>, counts);
        CLStepTextFormater step;
        std::tie(step.insertLine, step.appendLine, step.paragraphLine, step.paragraphSpaceBegin,
                 step.paragraphSpaceEnd) =
            std::tie(counts[0], counts[1], counts[2], counts[3], counts[4]);
        QTEST(textResult(step, CLData(text)), "expected");
    }

    void urlExtractor_data()
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
        const int link = CLStepURLExtractor::Link, nonLink = CLStepURLExtractor::NonLink,
                  any = CLStepURLExtractor::Any;
        const QString two = u"<a href='u'>Foo</a> <a href='u'>Bar</a>"_s;
        const QString blank = u"<a href='a'>A</a><a href='b'>B</a><a href='a'>   </a>"_s;
        const QString nested = u"<a href='a'><img src='in' alt='In'>A</a><img src='in' alt='In'>"
                               u"<img src='out' alt='Out'><a href='b'>B</a>"_s;

        row("merge 0 joins titles of the same URL", u"<a href='v'>V</a>"_s + two, link, 0,
            {"link v [V]", "link u [Foo Bar]"});
        row("merge 1 keeps the first", two, link, 1, {"link u [Foo]"});
        row("merge 2 keeps the second", two, link, 2, {"link u [Bar]"});
        row("merge 2 of 3 keeps 2nd", two + u"<a href='u'>Baz</a>"_s, link, 2, {"link u [Bar]"});
        row("negative merge keeps duplicates, drops space-only text", blank + two, link, -1,
            {"link a [A]", "link b [B]", "link u [Foo]", "link u [Bar]"});
        row("space-only text dropped, not counted", blank, link, 2, {"link a [A]", "link b [B]"});
        row("nothing left after dropping is a miss", u"<a href='a'> </a>"_s, link, 0, {});
        row("url type link skips region images", u"<a href='a'>A</a><img src='p'>"_s, link, 0,
            {"link a [A]"});
        row("image in a link listed once right after it", nested, any, 0,
            {"link a [A]", "img in [In] in 0", "link b [B]", "img out [Out]"});
        row("non-link lists in-link images as region images", nested, nonLink, 0,
            {"img in [In]", "img in [In]", "img out [Out]"});
        row("image of a dropped link loses its enclosing link",
            u"<a href='u'><img src='i'>Foo</a><a href='u'>Bar</a>"_s, link, 2,
            {"img i []", "link u [Bar]"});
        row("titled image with a link's URL merged into the link",
            u"<a href='p'>Foo</a><img src='p' alt='Pic'>"_s, any, 0, {"link p [Foo Pic]"});
        row("empty src ends image collection", u"<img src='a'><img src=''><img src='c'>"_s, nonLink,
            0, {"img a []"});
        row("prefix and tail cut spare HTTP:// and in-link images",
            u"<a href='HTTP://x?'>X</a><a href='a?'><img src='i?'>A</a><img src='o?'>"_s, any, 0,
            {"link HTTP://x [X]", "link http://s/a [A]", "img i? [] in 1", "img http://s/o []"},
            {"http://s/", "?"});
        row("url filter applies to links and images",
            u"<a href='/news/1'>N</a><a href='/x/2'>S</a><img src='/NEWS/p'><img src='/x/q'>"_s,
            any, 0, {"link /news/1 [N]", "img /NEWS/p []"}, {"", "", "*news*"});
        row("content filter spares images",
            u"<a href='a'>Keep this</a><a href='b'>Drop</a><img src='p' alt='Drop'>"_s, any, 0,
            {"link a [Keep this]", "img p [Drop]"}, {"", "", "", "*keep*"});
    }

    void mergeDuplicatesAsComparingEveryPair_data()
    {
        QTest::addColumn<int>("mergeDup");
        for (const int mergeDup : {-1, 0, 1, 2, 3})
            QTest::addRow("merge_dup %d", mergeDup) << mergeDup;
    }

    void mergeDuplicatesAsComparingEveryPair()
    {
        QFETCH(int, mergeDup);
        // Few URLs and titles make every mix of duplicates, blanks and images.
        const QString titles[] = {QString(), u" "_s, u"A"_s, u"B"_s};
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
            const QString before = describeList(list);
            mergeDuplicates(list, mergeDup);
            straightforwardMerge(expected, mergeDup);
            const QString found = describeList(list), wanted = describeList(expected);
            qDeleteAll(list);
            qDeleteAll(expected);
            if (found != wanted)
                QFAIL(qPrintable(u"%1: %2, expected %3"_s.arg(before, found, wanted)));
        }
    }

    // Pages of many links or images. Looked up one at a time from where the
    // last one ended, or with every link compared with every other, each of
    // these takes minutes.
    void urlExtractorLargePage_data()
    {
        QTest::addColumn<QString>("block"); ///< %1 is the block's number
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("urlType");
        QTest::addColumn<int>("mergeDup");
        QTest::addColumn<QStringList>("expected"); ///< the first two records; then how many
        const int link = CLStepURLExtractor::Link, nonLink = CLStepURLExtractor::NonLink;
        QTest::newRow("links without a bare anchor")
            << u"<li><a class=\"s\" href=\"/n/%1.html\">Story %1</a></li>\n"_s << 40000 << link << 0
            << QStringList{"link /n/0.html [Story 0]", "link /n/1.html [Story 1]", "40000"};
        QTest::newRow("links with distinct URLs merged")
            << u"<a href=/%1>S</a>"_s << 200000 << link << 1
            << QStringList{"link /0 [S]", "link /1 [S]", "200000"};
        QTest::newRow("images without alt")
            << u"<img src=\"/i/%1.jpg\" width=1>"_s << 40000 << nonLink << 0
            << QStringList{"img /i/0.jpg []", "img /i/1.jpg []", "40000"};
        QTest::newRow("anchors far ahead of the only href")
            << u"<a name=%1>t</a>"_s << 40000 << link << -1
            << QStringList{"link /far [t]", "link /far [t]", "40000"};
    }

    void urlExtractorLargePage()
    {
        QFETCH(QString, block);
        QFETCH(int, count);
        QFETCH(int, urlType);
        QFETCH(int, mergeDup);
        QFETCH(QStringList, expected);
        QString html;
        for (int i = 0; i < count; ++i)
            html += block.arg(i);
        html += u"<b href=/far>"_s;
        auto *step = new CLStepURLExtractor;
        const auto site = siteWith(u"UTF-8"_s, step, mergeDup);
        step->urlType = urlType;
        const QStringList records = describe(*step, CLData(html.toUtf8()));
        QCOMPARE(records.mid(0, 2), expected.mid(0, 2));
        QCOMPARE(records.size(), expected[2].toInt());
    }

    void urlExtractor()
    {
        QFETCH(QString, html);
        QFETCH(int, urlType);
        QFETCH(int, mergeDup);
        QFETCH(QStringList, settings);
        auto *step = new CLStepURLExtractor;
        const auto site = siteWith(u"UTF-8"_s, step, mergeDup);
        step->urlType = urlType;
        std::tie(step->prefix, step->cutTail) =
            std::make_tuple(settings.value(0), settings.value(1));
        if (!settings.value(2).isEmpty())
            step->urlFilter.addInclude(settings[2]);
        if (!settings.value(3).isEmpty())
            step->contentFilter.addInclude(settings[3]);
        QTEST(describe(*step, CLData(html.toUtf8())), "expected");
    }

    void attributeExtractor()
    {
        auto *step = new CLStepAttributeExtractor;
        const auto site = siteWith(u"GBK"_s, step);
        step->attributeName = u"src"_s;
        QCOMPARE(textResult(*step, CLData(QByteArray("<i SRC='a'>"))), u"a"_s);        // any case
        QVERIFY(textResult(*step, CLData(QByteArray("\0 <i src='a'>", 13))).isNull()); // C string
        step->attributeName = u"alt"_s;
        QVERIFY(textResult(*step, CLData(QByteArray("<i alt=''>"))).isNull());
    }

    void textExtractor()
    {
        auto *step = new CLStepTextExtractor;
        const auto site = siteWith(u"no-such-codec"_s, step); // decodes as UTF-8
        QCOMPARE(textResult(*step, CLData(u"<b>ü</b> &copy;"_s)), u"ü ©"_s);
        QCOMPARE(textResult(*step, CLData(u"<b>ü</b> &copy;"_s.toUtf8())), u"ü ©"_s);
        QVERIFY(textResult(*step, CLData(QByteArray("<b></b>"))).isNull());
        step->filterSpace = true;
        QCOMPARE(textResult(*step, CLData(QByteArray("a\nb"))), u"ab"_s);
    }

    void textToURLAndOtherInput()
    {
        CLStepTextToURL toURL;
        toURL.urlKind = URLImage;
        QCOMPARE(describe(toURL, CLData(u"http://a/ü中.png"_s)),
                 QStringList{u"img http://a/ü%E4%B8%AD.png []"_s});
        QVERIFY(describe(toURL, CLData(QString())).isEmpty());
        const QString html = u"<a href='a'><img src='b'>A</a>"_s;
        CLStepAttributeExtractor attribute;
        attribute.attributeName = u"src"_s;
        QVERIFY(textResult(attribute, CLData(html)).isNull());
        QVERIFY(textResult(CLStepTextExtractor(), CLData(QList{new CLURLData(html, html, URLHtml)}))
                    .isNull());
        QVERIFY(textResult(CLStepTextFormater(), CLData(html.toUtf8())).isNull());
        QVERIFY(describe(toURL, CLData(html.toUtf8())).isEmpty());
        QVERIFY(describe(CLStepURLExtractor(), CLData(html)).isEmpty());
    }

    void decodesSiteCodeset_data()
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

    void decodesSiteCodeset()
    {
        QFETCH(QString, codeset);
        QFETCH(QString, original);
        QStringEncoder encoder(codeset.toLatin1().constData());
        const QByteArray encoded = encoder.encode(original);
        QVERIFY(encoder.isValid() && !encoder.hasError());
        auto *text = new CLStepTextExtractor;
        const auto site = siteWith(codeset, text);
        auto *urls = new CLStepURLExtractor;
        addStep(site->pages[0]->tracks[0]->topics[0], urls);
        const QByteArray html = "<html><a href=\"x.html\"><b>" + encoded + "</b></a></html>";
        QCOMPARE(textResult(*text, CLData(html)), original);
        QCOMPARE(describe(*urls, CLData(html)), QStringList{u"link x.html ["_s + original + u']'});
    }

    void codesetLabels_data()
    {
        QTest::addColumn<QString>("codeset");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("roundTrip"); // the text encodes back to the same bytes

        const QByteArray euroAndNews("\x80\xd0\xc2\xce\xc5");
        const QString euroNews = u"\u20ac新闻"_s;
        // Code page 936 puts the euro sign at 0x80, where GB18030 has no character.
        QTest::newRow("gbk has the euro at 0x80") << u"gbk"_s << euroAndNews << euroNews << true;
        QTest::newRow("x-gbk is code page 936") << u"x-gbk"_s << euroAndNews << euroNews << true;
        QTest::newRow("cp936 is code page 936") << u" CP936 "_s << euroAndNews << euroNews << true;
        QTest::newRow("gb2312 pages are code page 936")
            << u"GB2312"_s << euroAndNews << euroNews << true;
        QTest::newRow("gb18030 keeps its four-byte sequences")
            << u"gb18030"_s << QByteArray("\x81\x30\x81\x30\xa2\xe3") << u"\u0080\u20ac"_s << true;
        QTest::newRow("gb18030 has no character at 0x80")
            << u"gb18030"_s << QByteArray("\x80") << u"\ufffd"_s << false;
    }
    void codesetLabels()
    {
        QFETCH(QString, codeset);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, roundTrip);

        QCOMPARE(decodeWith(codeset, bytes), text);
        if (roundTrip)
            QCOMPARE(encodeWith(codeset, text), bytes);
        QVERIFY(isKnownCodeset(codeset));
    }

    void decodesCorpusGbkPage()
    {
        QFile page(QStringLiteral(TESSOLIN_CORPUS "/pages/zh-sina.html"));
        QFile truth(QStringLiteral(TESSOLIN_CORPUS "/truth/zh-sina.json"));
        if (!page.open(QIODevice::ReadOnly) || !truth.open(QIODevice::ReadOnly))
            QSKIP("news corpus not available");
        // The opening words of the article, long enough to span two sentences.
        const QString phrase =
            QJsonDocument::fromJson(truth.readAll())["text"].toString().trimmed().left(24);
        auto *step = new CLStepTextExtractor;
        const auto site = siteWith(u"GBK"_s, step);
        step->filterSpace = true;
        const QString text = textResult(*step, CLData(page.readAll()));
        QVERIFY2(phrase.size() == 24 && text.contains(phrase), qPrintable(phrase));
        QVERIFY(!text.contains(QChar::ReplacementCharacter));
    }

    // Values decode with the site's codeset and their character references
    // resolve, as the text steps read the same page.
    void attributeDecoding_data()
    {
        QTest::addColumn<QString>("codeset");
        QTest::addColumn<QByteArray>("html");
        QTest::addColumn<QString>("expected");
        static const struct { const char *name, *codeset, *html; const char16_t *expected; } rows[] = {
            {"UTF-8 Hangul, references", "UTF-8", "<meta content=\"\xed\x95\x9c &#034;\xea\xb5\xad&#039; &amp; &#x4E2D;\">", u"한 \"국' & 中"},
            {"GBK ideographs", "GBK", "<meta content='\xd6\xd0\xce\xc4 &lt;b&gt;'>", u"中文 <b>"},
            {"windows-1250 Polish", "windows-1250", "<meta content='\xa3\xf3" "d\x9f &oacute;'>", u"Łódź ó"},
            {"unknown and bare references stay", "UTF-8", "<meta content='a &zz; & b &#0; &#xD800;'>", u"a &zz; & b &#0; &#xD800;"},
            {"ASCII unchanged", "ISO-8859-2", "<meta content='plain text'>", u"plain text"},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << QString::fromLatin1(row.codeset) << QByteArray(row.html)
                                    << QString::fromUtf16(row.expected);
    }
    void attributeDecoding()
    {
        QFETCH(QString, codeset);
        QFETCH(QByteArray, html);
        auto *step = new CLStepAttributeExtractor;
        const auto site = siteWith(codeset, step);
        step->attributeName = u"content"_s;
        QTEST(textResult(*step, CLData(html)), "expected");
    }
};

QTEST_APPLESS_MAIN(TestExtractSteps)
#include "tst_extractsteps.moc"
