#include "animationbutton.h"
#include "articleimages.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "testkit.h"
#include "uiresources.h"

#include <QtWidgets>
#include <QtTest>

using testkit::png;

namespace {

using View = ContentScrollView;
const QColor red(255, 0, 0);
const QRegularExpression nameOnly("^(\\w+)$");

QString url(const QString &name)
{
    return name.contains(':') ? name : "http://pics.example/" + name + ".png";
}

QString lines(int count)
{
    return QString("A line of a long article about the weather.\n").repeated(count);
}

QImage picture(View &view, const QString &name)
{
    return view.document()->resource(QTextDocument::ImageResource, QUrl(name)).value<QImage>();
}

// Hands over images given as "name:WxH" or "name:bad" (bytes that do not decode); "@W" resizes;
// "=a,b:A,B" gives a and b the captions A and B.
void deliver(View &view, const QString &arrivals)
{
    for (const QString &arrival : arrivals.split(' ', Qt::SkipEmptyParts)) {
        const QStringList size = arrival.section(':', -1).split('x');
        if (arrival.startsWith('@')) {
            view.resize(arrival.mid(1).toInt(), view.height());
            QTRY_COMPARE(view.width(), arrival.mid(1).toInt());
        } else if (arrival.startsWith('=')) {
            view.updateCaptions(
                arrival.mid(1).section(':', 0, 0).split(',').replaceInStrings(nameOnly, url("\\1")),
                arrival.section(':', 1).split(','));
        } else {
            view.imageDataLoaded(url(arrival.section(':', 0, -2)),
                                 size.size() < 2 ? QByteArray("not an image")
                                                 : png(size.at(0).toInt(), size.at(1).toInt()));
        }
    }
}

// Shows an article with the named images, captioned "old NAME", in a view of the given size.
bool showArticle(View &view, const QSize &size, const QString &text, const QString &images = {},
                 const QString &arrivals = {})
{
    view.resize(size);
    view.show();
    const QStringList names = images.split(' ', Qt::SkipEmptyParts);
    view.setImages(QStringList(names).replaceInStrings(nameOnly, url("\\1")),
                   QStringList(names).replaceInStrings(QRegularExpression("^"), "old "));
    view.showArticle("Title", "Source", "2024-05-01 10:00", text, nullptr, nullptr);
    deliver(view, arrivals);
    return QTest::qWaitForWindowExposed(&view);
}

template <typename... Types, typename... Names> void columns(Names... names)
{
    (QTest::addColumn<Types>(names), ...);
}

template <typename... Cells> void row(const char *name, Cells... cells)
{
    (QTest::newRow(name) << ... << cells);
}

} // namespace

QByteArray corpusPicture(const QString &name)
{
    QFile file(testkit::sourcePath("fuzz/corpus/fuzz_image/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A GIF whose screen is `width` x `height` around a picture of 8x6.
QByteArray lyingGif(int width, int height)
{
    auto le16 = [](int v) { return QByteArray(1, char(v & 0xff)) + char(v >> 8); };
    return "GIF89a" + le16(width) + le16(height) +
           QByteArray::fromHex("f00000ffff0000000021f90400000000002c000000000800060000"
                               "0206848fa9cb7d05003b");
}
class tst_ArticleView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initUiResources(); }

    void imageTable_data()
    {
        columns<int, QString, QString, QString>("width", "images", "arrivals", "layout");
        const char *three = "a:600x300 b:600x300 c:600x300";
        row("600 x 300 is shown 300 x 150", 1000, "a", "a:600x300", "a=300x150");
        row("100 x 80 keeps its size", 1000, "a", "a:100x80", "a=100x80");
        row("width rounded to nearest, not truncated", 1000, "a", "a:101x400", "a=38x150");
        row("list order, not arrival order", 1200, "a b c", "c:100x80 b:100x80 a:100x80", "a,b,c");
        row("image of another article ignored", 1200, "a b", "z:100x80 a:100x80", "a");
        row("undecodable image left out", 1200, "a b", "a:bad b:100x80", "b");
        row("same URL twice fills only the first", 1200, "a a", "a:600x300 a:600x300", "a=300x150");
        row("row filled exactly to the room wraps", 939, "a b c", three, "a,b|c");
        row("one pixel more room keeps the row", 940, "a b c", three, "a,b,c");
        row("narrow view: one image per row", 400, "a b c", three, "a|b|c");
        row("narrower than a thumbnail: no empty row", 200, "a b", "a:600x300 b:600x300", "a|b");
        row("wrapped row counts from zero", 600, "a b c", "a:600x300 b:600x300 c:100x80", "a|b,c");
        row("resizing rewraps", 1000, "a b", "a:600x300 b:600x300 @400", "a|b");
        // Capped only in height, a wide image ran past the view's right edge.
        row("wide image capped to the view's width", 400, "a", "a:2000x300", "a=361x54");
        row("narrowing the view shrinks a capped thumbnail", 1000, "a", "a:2000x300 @400",
            "a=361x54");
        row("widening the view lets it grow back", 400, "a", "a:2000x300 @1200", "a=1000x150");
        row("caption of a shown image replaced", 1200, "a b", "a:100x80 b:100x80 =a:A", "aA,b");
        row("every item with the URL gets it", 1200, "a a", "a:100x80 =a:A", "aA");
        row("captions beyond the URLs ignored", 1200, "a b", "a:100x80 b:100x80 =b:B,X", "a,bB");
        row("URLs beyond the captions ignored", 1200, "a b", "a:100x80 b:100x80 =a,b:A", "aA,b");
    }
    void imageTable()
    {
        QFETCH(int, width);
        QFETCH(QString, images);
        QFETCH(QString, arrivals);
        QFETCH(QString, layout); // "a=WxH,bB|c": rows split by '|', new captions, sizes if asked
        View view;
        QVERIFY(showArticle(view, QSize(width, 400), "Body", images, arrivals));
        static const QRegularExpression cell(
            "<TD ALIGN='center'><A HREF='([^']*/(\\w)\\.png)'><IMG "
            "SRC='\\1' WIDTH=(\\d+) HEIGHT=(\\d+)></A><BR>(?:old \\2|([^<]*))</TD>");
        QString table = view.part(View::ImageTablePart);
        table.replace(cell, layout.contains('=') ? ",\\2\\5=\\3x\\4" : ",\\2\\5");
        QCOMPARE(table.replace("<TR ALIGN='center'>,", "").replace("</TR>", "|"),
                 "<DIV ID='images' ALIGN='center'><TABLE>" + layout + "|</TABLE><HR/></DIV>");
        // The document follows the parts, and every item of an address gets its caption.
        QVERIFY(view.toPlainText().contains(
            QTextDocumentFragment::fromHtml(view.part(View::ImageTablePart)).toPlainText()));
        for (const View::ImageItem *item : view.images())
            QVERIFY(item->url != view.images().at(0)->url ||
                    item->caption == view.images().at(0)->caption);
    }

    void pagesArrowsAndKeys()
    {
        View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        const QString empty(""), page = "http://news.example/a?page=2";
        // In this order, so that arrows a page shows must not survive to the next one. Each page
        // takes the focus, so that its keys work at once.
        for (const auto &[label, previous, next, local] :
             {std::tuple{"paged article", &page, &page, false},
              {"single page", nullptr, nullptr, false},
              {"last page", &page, nullptr, false},
              {"empty URL is no page", &empty, &page, false},
              {"paged again", &page, &page, false},
              {"local page", nullptr, nullptr, true}}) {
            view.clearFocus();
            if (local)
                view.showPage("<P>help</P>", previous, next);
            else
                view.showArticle("T", "S", "D", "x", previous, next);
            QVERIFY2(view.previousPageArrow()->isHidden() == (!previous || previous->isEmpty()) &&
                         view.nextPageArrow()->isHidden() == (!next || next->isEmpty()) &&
                         view.hasFocus(),
                     label);
        }
        QCOMPARE(view.html(), "<P>help</P>"); // a local page is the text alone
        QList<int> seen;
        const QList<void (View::*)()> signals_{
            &View::switchTranslation, &View::toEmail,       &View::toPrint,     &View::toSave,
            &View::keyPressSpace,     &View::keyPressRight, &View::keyPressLeft};
        for (int i = 0; i < signals_.size(); ++i)
            connect(&view, signals_.at(i), this, [&seen, i] { seen << i; });
        for (Qt::Key key : {Qt::Key_T, Qt::Key_E, Qt::Key_P, Qt::Key_S, Qt::Key_Space,
                            Qt::Key_Right, Qt::Key_Left, Qt::Key_X})
            QTest::keyClick(&view, key);
        QCOMPARE(seen, QList<int>({0, 1, 2, 3, 4, 5, 6}));
    }

    void scrolling_data()
    {
        // Steps: "dy" for scrollContent, "key", "wheel", "ARROW:SIGNAL" of an arrow, "tick" of
        // its timer (by hand: no event loop runs between steps) or "wait" for it to glide alone.
        // Moved: the bar's value at the end (capped), -1 any down; reported: the last share
        // reported, -1 the share the bar shows, -2 none.
        columns<QString, int, int, int>("steps", "count", "moved", "reported");
        row("scrolling 100 down reports its share", "-100", 200, 100, -1);
        row("scrolling past the end reports 100", "-100000", 200, 100000, 100);
        row("scrolling above the top reports 0", "50", 200, 0, 0);
        row("Down key reports", "key", 200, -1, -1);
        row("wheel towards the user reports", "wheel", 200, -1, -1);
        row("short document reports nothing", "-100 key wheel", 2, 0, -2);
        row("resting on an arrow glides on its own", "down:entered wait down:left", 300, -1, -1);
        row("pressing an arrow scrolls 30 a tick", "down:entered down:pressed tick", 300, 30, -1);
        row("releasing it glides 1 a tick", "down:pressed down:released tick", 300, 1, -1);
        row("leaving it stops", "down:entered down:left tick", 300, 0, 0);
        row("resting on the up arrow glides back", "-100 up:entered tick", 300, 99, -1);
    }
    void scrolling()
    {
        QFETCH(QString, steps);
        QFETCH(int, count);
        QFETCH(int, moved);
        QFETCH(int, reported);
        View view;
        const QScrollBar *bar = view.verticalScrollBar();
        QVERIFY(showArticle(view, QSize(600, 300), lines(150)));
        view.scrollContent(-300); // whose position and arrows must not linger
        view.showArticle("T", "S", "D", lines(count), nullptr, nullptr);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(view.downArrow()->isVisible(), count > 2);
        QCOMPARE(bar->maximum(),
                 qMax(0, qRound(view.document()->size().height() - view.viewport()->height())));
        QSignalSpy scrolled(&view, &View::scrolled);
        for (const QString &step : steps.split(' ')) {
            const qsizetype before = scrolled.count();
            QWheelEvent wheel(QPointF(9, 9), view.viewport()->mapToGlobal(QPointF(9, 9)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            if (step == "key")
                QTest::keyClick(&view, Qt::Key_Down);
            else if (step == "wheel")
                QCoreApplication::sendEvent(view.viewport(), &wheel);
            else if (step == "tick")
                view.scrollTimerEvent();
            else if (step == "wait")
                QTRY_VERIFY(bar->value() > 0);
            else if (step.contains(':'))
                QMetaObject::invokeMethod(step.startsWith("up") ? view.upArrow() : view.downArrow(),
                                          qPrintable(step.section(':', 1)));
            else
                view.scrollContent(step.toInt());
            QVERIFY2(step == "wait" || scrolled.count() - before <= 1, qPrintable(step));
        }
        QCOMPARE(bar->value(), moved == -1 ? qMax(1, bar->value()) : qMin(moved, bar->maximum()));
        QCOMPARE(scrolled.isEmpty() ? -2 : scrolled.last().at(0).toInt(),
                 reported == -1 ? bar->value() * 100 / bar->maximum() : reported);
    }

    // Shown with %1 as a temporary working directory holding a red red.png and red.css; an image
    // given by its address arrives red, 40 x 30; links are followed, "click" clicks it.
    void linksAndImages_data()
    {
        columns<QString, QString, QString, QString>("markup", "images", "link", "expected");
        const QString none, text = "Text";
        row("arrived image pops up whole", text, "a b", url("a"), "popup 600");
        row("image not yet arrived does nothing", text, "a b", url("b"), none);
        row("undecodable image does not pop up", text, "c", url("c"), none);
        row("web link neither pops up nor navigates", text, "a", "http://news.example/b", none);
        row("local file asks for a local page", text, "a", "file:///doc/a.html", "/doc/a.html");
        row("no absolute path image", "<IMG SRC='%1/red.png'>", none, none, none);
        row("no file URL image", "<IMG SRC='file://%1/red.png'>", none, none, none);
        row("no relative image", "<IMG SRC='red.png' ALT='%1'>", none, none, none);
        row("no style sheet link",
            "<LINK REL='stylesheet' TYPE='text/css' HREF='file://%1/red.css'><P CLASS='x'>x</P>",
            none, none, none);
        row("ampersand entities in a URL", text, "http://pics.example/i?id=7&copy=1&amp;w=2",
            "click", "popup 40");
        row("single quote would end the attribute", text, url("it's"), "click", "popup 40");
        row("non-ASCII path", text, url("caf\u00e9"), "click", "popup 40");
    }
    void linksAndImages()
    {
        QFETCH(QString, markup);
        QFETCH(QString, images);
        QFETCH(QString, link);
        QFETCH(QString, expected);
        QTemporaryDir dir;
        QVERIFY(testkit::writeAll(dir.filePath("red.png"), png(40, 30, red)));
        QVERIFY(testkit::writeAll(dir.filePath("red.css"),
                                  "P { background-color: #ff0000; color: #ff0000; }"));
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        View view;
        const bool shown = showArticle(view, QSize(800, 400), markup.replace("%1", dir.path()),
                                       images, "a:600x300 c:bad");
        if (images.contains(':'))
            view.imageDataLoaded(images, png(40, 30, red));
        const qsizetype redPixels = testkit::countPixels(&view, red);
        QDir::setCurrent(previous);
        QVERIFY(shown);
        QCOMPARE(redPixels, images.contains(':') ? 40 * 30 : 0); // drawn from the bytes handed over
        const QString html = view.toHtml();
        QStringList seen;
        connect(&view, &View::popupImage, this, [&](const QString &address, const QVariant &image) {
            QCOMPARE(address, link == "click" ? images : link);
            seen << "popup " + QString::number(image.value<QPixmap>().width());
        });
        connect(&view, &View::requestLocalPage, this, [&](const QString &path) { seen << path; });
        if (link == "click") { // a real click on the first thumbnail
            QTextCursor cursor = view.document()->find(QString(QChar::ObjectReplacementCharacter));
            cursor.setPosition(cursor.selectionStart());
            const QRect rect = view.cursorRect(cursor);
            QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                              QPoint(rect.left() + 5, rect.bottom() - 5));
        } else if (!link.isEmpty()) {
            view.setSource(QUrl(link));
        }
        QCOMPARE(seen.join(' '), expected);
        QCOMPARE(view.toHtml(), html);
    }

    void paragraphDirection_data()
    {
        // The article text, the interface direction, and the direction of each paragraph.
        columns<QString, bool, QString>("text", "rightToLeft", "directions");
        row("English text in an English interface", "One.\nTwo.", false, "ltr ltr");
        row("Arabic text in an English interface", "افتتحت المكتبة.\nوقد زرع.", false, "rtl rtl");
        row("Arabic text in an Arabic interface", "افتتحت المكتبة.", true, "rtl");
        row("English text in an Arabic interface", "The ferry Wren.", true, "ltr");
        row("Hebrew and English paragraphs", "שלום עולם.\nHello.", false, "rtl ltr");
        row("a paragraph starting with a number", "2026: عام جديد.", false, "rtl");
        row("markup and a blank line between paragraphs", "one <p>\n\ntwo &amp;", false, "ltr ltr");
    }
    void paragraphDirection()
    {
        QFETCH(QString, text);
        QFETCH(bool, rightToLeft);
        QFETCH(QString, directions);
        View view;
        view.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        view.resize(600, 300);
        view.showArticle("T", "S", "D", text, nullptr, nullptr);
        QStringList seen;
        for (const QString &paragraph : text.split('\n', Qt::SkipEmptyParts)) {
            const QTextBlock block =
                view.document()->findBlock(view.toPlainText().indexOf(paragraph));
            QCOMPARE(block.text(), paragraph);
            seen << (block.textDirection() == Qt::RightToLeft ? "rtl" : "ltr");
        }
        QCOMPARE(seen.join(' '), directions);
    }

    void readingPositionAndClearing()
    {
        View view;
        QVERIFY(showArticle(view, QSize(800, 300), lines(300), "a"));
        view.scrollContent(-500);
        deliver(view, "a:600x300 @700");
        QCOMPARE(view.verticalScrollBar()->value(), 500); // kept through an image and a resize
        const QPointer<View::ImageItem> item = view.images().at(0);
        view.clearImages();
        QVERIFY(item.isNull());
        QVERIFY(picture(view, url("a")).width() <= 1); // the blank stand-in, not the picture
        deliver(view, "a:60x40"); // a late image brings back neither the article nor its text
        QVERIFY(view.toPlainText().isEmpty() && view.html().isEmpty());
    }

    void picturesKeptAtShownSize_data()
    {
        // Pictures "WxH" handed to both views in turn (a budget in KB), and what the views keep,
        // sorted: the decoded size, or "link" past the budget.
        columns<QString, int, QString>("pictures", "budgetKb", "kept");
        row("5000x5000 kept at thumbnail size", "5000x5000", 262144, "150x150");
        row("small picture kept whole", "40x30", 262144, "40x30");
        row("wide picture kept as wide as any room", "6000x100", 262144, "1600x26");
        row("past the budget, pictures that do not fit are links", "400x300 400x300 40x30", 200,
            "200x150 40x30 link");
        // "file:" a picture of the fuzz corpus: 668 bytes of progressive JPEG claiming
        // 29283x29561, which its decoder would hold whole (1.7 GB) for any thumbnail.
        row("a picture claiming a billion pixels is not decoded",
            "file:jpeg-progressive-claiming-865-megapixels 40x30", 262144, "40x30 none");
        row("a GIF screen larger than its picture is scaled all the same", "gif:1500x3000", 262144,
            "75x150");
    }
    void picturesKeptAtShownSize()
    {
        QFETCH(QString, pictures);
        QFETCH(int, budgetKb);
        View original, translated;
        const QStringList sizes = pictures.split(' ');
        QStringList names;
        for (int i = 0; i < sizes.size(); ++i)
            names << url(QString::number(i));
        for (View *view : {&original, &translated}) {
            view->resize(800, 400);
            view->setImages(names, names);
        }
        ArticleImages images(&original, &translated);
        images.budget = qint64(budgetKb) << 10;
        for (int i = 0; i < sizes.size(); ++i) {
            const QString kind = sizes.at(i).section(':', 0, -2);
            const QString size = sizes.at(i).section(':', -1);
            const int w = size.section('x', 0, 0).toInt(), h = size.section('x', 1).toInt();
            images.arrived(names.at(i), kind == "file"  ? corpusPicture(size)
                                        : kind == "gif" ? lyingGif(w, h)
                                                        : png(w, h));
        }
        QTRY_COMPARE(images.pending(), 0);
        QTRY_VERIFY(original.html().contains(names.last()));
        QStringList kept;
        for (const QString &name : names) {
            const QImage shown = picture(original, name);
            // One decoded picture serves both views.
            QCOMPARE(picture(translated, name).cacheKey(), shown.cacheKey());
            kept << (shown.width() > 1 ? QString("%1x%2").arg(shown.width()).arg(shown.height())
                     : original.toPlainText().contains(name) ? "link"
                                                             : "none");
        }
        kept.sort(); // decoded side by side, so delivered in any order
        QTEST(kept.join(' '), "kept");
        QVERIFY(images.used() <= images.budget);
    }

    // Whatever a page puts into titles, captions, text and picture addresses (markup in the first
    // round, random strings after), the document shows exactly those texts and links to exactly
    // those addresses, and no picture but those handed over.
    void markupFromAnyString()
    {
        using namespace Qt::StringLiterals;
        const QString textChars = u"<>'\"\\&;#=/%ab\u00e9\u05d0"_s;
        const QString urlChars = textChars + u" \t\n\x01\x7f\u0085"_s;
        QRandomGenerator random(16);
        const auto any = [&random](const QString &chars, int length) {
            QString text;
            for (int i = 0; i < length; ++i)
                text += chars.at(random.bounded(int(chars.size())));
            return text;
        };
        for (int round = 0; round < 40; ++round) {
            View view;
            view.resize(900, 600);
            // Title, source, date, text, then captions and addresses in pairs.
            QStringList parts = {any(textChars, 8), any(textChars, 5), any(textChars, 5),
                                 any(textChars, 20)};
            for (int i = 0; i < 1 + round % 3; ++i)
                parts << any(textChars, 6) << u"http://x/"_s + any(urlChars, 12);
            if (round == 0)
                parts = QStringList{u"News <img src='/tmp/red.png'>"_s,
                                    u"<b>AP</b> & co"_s,
                                    u"<i>today</i>"_s,
                                    u"one <img src=\"/tmp/red.png\"><a href='file:///etc'>x</a>"_s,
                                    u"<img src='/tmp/red.png'><b>cap</b>"_s,
                                    u"http://x/a><b>INJECTED</b><a href=file:///etc/passwd>"
                                    u"click</a><i x=\\"_s};
            QStringList captions, urls, expected;
            for (int i = 4; i < parts.size(); i += 2) {
                captions << parts.at(i);
                urls << parts.at(i + 1);
                expected << htmlAttributeUrl(parts.at(i + 1));
            }
            view.setImages(urls, captions);
            view.showArticle(parts[0], parts[1], parts[2], parts[3], nullptr, nullptr);
            for (const QString &address : urls)
                view.imageDataLoaded(address, png(4, 4));
            QTextDocument document;
            document.setHtml(view.html());
            QStringList anchors, images;
            for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    if (!format.anchorHref().isEmpty() &&
                        anchors.value(anchors.size() - 1) != format.anchorHref())
                        anchors << format.anchorHref();
                    if (format.isImageFormat())
                        images << format.toImageFormat().name();
                }
            }
            QCOMPARE(anchors, expected);
            QCOMPARE(images, expected);
            static const QRegularExpression layout(u"[\\s\u00a0\ufffc]"_s);
            QString given = parts.mid(0, 3).join(QString()) + captions.join(QString()) + parts[3];
            QCOMPARE(document.toPlainText().remove(layout), given.remove(layout));
        }
    }
};

QTEST_MAIN(tst_ArticleView)
#include "tst_articleview.moc"
