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

// Hands over images given as "name:WxH" or "name:bad" (bytes that do not decode); "@W" resizes.
void deliver(View &view, const QString &arrivals)
{
    for (const QString &arrival : arrivals.split(' ', Qt::SkipEmptyParts)) {
        const QStringList size = arrival.section(':', -1).split('x');
        if (arrival.startsWith('@')) {
            view.resize(arrival.mid(1).toInt(), view.height());
            QTRY_COMPARE(view.width(), arrival.mid(1).toInt());
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
    }
    void imageTable()
    {
        QFETCH(int, width);
        QFETCH(QString, images);
        QFETCH(QString, arrivals);
        QFETCH(QString, layout); // "a=WxH,b|c": rows split by '|', sizes when asked
        View view;
        QVERIFY(showArticle(view, QSize(width, 400), "Body", images, arrivals));
        static const QRegularExpression cell(
            "<TD ALIGN='center'><A HREF='([^']*/(\\w)\\.png)'><IMG "
            "SRC='\\1' WIDTH=(\\d+) HEIGHT=(\\d+)></A><BR>old \\2</TD>");
        QString table = view.part(View::ImageTablePart);
        table.replace(cell, layout.contains('=') ? ",\\2=\\3x\\4" : ",\\2");
        QCOMPARE(table.replace("<TR ALIGN='center'>,", "").replace("</TR>", "|"),
                 "<DIV ID='images' ALIGN='center'><TABLE>" + layout + "|</TABLE><HR/></DIV>");
        QVERIFY(view.toHtml().contains("pics.example")); // the document follows the parts
    }

    void captions_data()
    {
        columns<QString, QString, QString, QString>("images", "urls", "captions", "expected");
        row("caption of a shown image replaced", "a b", "a", "A", "A|old b");
        row("every item with the URL gets it", "a a", "a", "A", "A|A");
        row("captions beyond the URLs ignored", "a b", "b", "B X", "old a|B");
        row("URLs beyond the captions ignored", "a b", "a b", "A", "A|old b");
    }
    void captions()
    {
        QFETCH(QString, images);
        QFETCH(QString, urls);
        QFETCH(QString, captions);
        QFETCH(QString, expected);
        View view;
        QVERIFY(showArticle(view, QSize(1200, 400), "Text", images, "a:100x80 b:100x80"));
        view.updateCaptions(urls.split(' ').replaceInStrings(nameOnly, url("\\1")),
                            captions.split(' '));
        QStringList shown;
        for (const View::ImageItem *item : view.images())
            shown << item->caption;
        QCOMPARE(shown.join('|'), expected);
        // The first cell shows the first item's caption, in the table and on screen.
        QVERIFY(view.part(View::ImageTablePart).contains("<BR>" + shown.at(0) + "</TD>"));
        QVERIFY(view.toPlainText().contains(shown.at(0)));
    }

    void pageArrows()
    {
        View view;
        QVERIFY(showArticle(view, QSize(600, 300), "x"));
        const QString empty(""), page = "http://news.example/a?page=2";
        // In this order, so that arrows a page shows must not survive to the next one.
        for (const auto &[label, previous, next, local] :
             {std::tuple{"paged article", &page, &page, false},
              {"single page", nullptr, nullptr, false},
              {"last page", &page, nullptr, false},
              {"empty URL is no page", &empty, &page, false},
              {"paged again", &page, &page, false},
              {"local page", nullptr, nullptr, true}}) {
            if (local)
                view.showPage("<P>help</P>", previous, next);
            else
                view.showArticle("T", "S", "D", "x", previous, next);
            QVERIFY2(view.previousPageArrow()->isHidden() == (!previous || previous->isEmpty()) &&
                         view.nextPageArrow()->isHidden() == (!next || next->isEmpty()),
                     label);
        }
    }

    void scrolling_data()
    {
        // Steps: "dy" for scrollContent, "key" or "wheel"; -1: the share the bar shows, -2: none.
        columns<QString, int, int>("steps", "count", "expected");
        row("scrolling 100 down reports its share", "-100", 200, -1);
        row("scrolling past the end reports 100", "-100000", 200, 100);
        row("scrolling above the top reports 0", "50", 200, 0);
        row("Down key reports", "key", 200, -1);
        row("wheel towards the user reports", "wheel", 200, -1);
        row("short document reports nothing", "-100 key wheel", 2, -2);
    }
    void scrolling()
    {
        QFETCH(QString, steps);
        QFETCH(int, count);
        QFETCH(int, expected);
        View view;
        const QScrollBar *bar = view.verticalScrollBar();
        QVERIFY(showArticle(view, QSize(600, 300), lines(150)));
        view.scrollContent(-300); // whose position and arrows must not linger
        view.showArticle("T", "S", "D", lines(count), nullptr, nullptr);
        QCOMPARE(bar->value(), 0);
        QCOMPARE(view.downArrow()->isVisible(), expected != -2);
        QCOMPARE(bar->maximum(),
                 qMax(0, qRound(view.document()->size().height() - view.viewport()->height())));
        QSignalSpy scrolled(&view, &View::scrolled);
        for (const QString &step : steps.split(' ')) {
            QWheelEvent wheel(QPointF(9, 9), view.viewport()->mapToGlobal(QPointF(9, 9)), QPoint(),
                              QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                              false);
            if (step == "key")
                QTest::keyClick(&view, Qt::Key_Down);
            else if (step == "wheel")
                QCoreApplication::sendEvent(view.viewport(), &wheel);
            else
                view.scrollContent(step.toInt());
        }
        if (steps.toInt())
            QCOMPARE(bar->value(), qBound(0, -steps.toInt(), bar->maximum()));
        QVERIFY(expected != -1 || bar->value() > 0);
        QVERIFY(scrolled.count() <= 1);
        QCOMPARE(scrolled.value(0).value(0, -2).toInt(),
                 expected == -1 ? bar->value() * 100 / bar->maximum() : expected);
    }

    void arrowScrolling()
    {
        View view;
        QVERIFY(showArticle(view, QSize(600, 300), lines(300)));
        const QScrollBar *bar = view.verticalScrollBar();
        emit view.downArrow()->entered(); // glides on a timer of its own
        QTRY_VERIFY(bar->value() > 0);
        // From here on ticks by hand: no event loop runs between the steps.
        int at = bar->value();
        for (const auto &[signal, moved] : {std::pair{&AnimationButton::pressed, 30},
                                            {&AnimationButton::released, 1},
                                            {&AnimationButton::left, 0}}) {
            emit(view.downArrow()->*signal)();
            view.scrollTimerEvent();
            QCOMPARE(bar->value() - at, moved);
            at = bar->value();
        }
        emit view.upArrow()->entered();
        view.scrollTimerEvent();
        QCOMPARE(bar->value(), at - 1);
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

    void pageValuesAreText_data()
    {
        // Which value carries the markup, the value ("%1": a red image on disk), and the lines
        // the document must show.
        columns<QString, QString, QString>("field", "value", "shown");
        row("image markup in the title", "title", "News <img src='%1'>", "News <img src='%1'>");
        row("bold markup in the source", "source", "<b>AP</b> & co", "<b>AP</b> & co");
        row("markup in the date", "date", "<i>today</i>", "<i>today</i>");
        row("image markup in the text", "text", "one <img src=\"%1\">", "one <img src=\"%1\">");
        row("link to a local file in the text", "text", "<a href='file://%1'>x</a>",
            "<a href='file://%1'>x</a>");
        row("text keeps its paragraphs", "text", "one <p>\n\ntwo &amp;", "one <p>|two &amp;");
        row("markup in a caption", "caption", "<img src='%1'><b>cap</b>",
            "<img src='%1'><b>cap</b>");
    }
    void pageValuesAreText()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, shown);
        QTemporaryDir dir;
        const QString image = dir.filePath("red.png");
        QVERIFY(testkit::writeAll(image, png(60, 40, red)));
        value.replace("%1", image);

        View view;
        view.resize(800, 500);
        view.show();
        view.setImages({url("a")}, {field == "caption" ? value : "A"});
        view.imageDataLoaded(url("a"), png(30, 20));
        view.showArticle(field == "title" ? value : "T", field == "source" ? value : "S",
                         field == "date" ? value : "D", field == "text" ? value : "X", nullptr,
                         nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QString plain = view.toPlainText();
        for (const QString &line : shown.replace("%1", image).split('|'))
            QVERIFY2(plain.contains(line), qPrintable(plain));
        if (shown.contains('|')) // each paragraph its own block
            QVERIFY(view.document()->findBlock(plain.indexOf("two")).text().startsWith("two"));
        // Nothing from the disk: no red pixel, no image but the thumbnail handed over.
        QCOMPARE(testkit::countPixels(&view, red), 0);
        QCOMPARE(plain.count(QChar::ObjectReplacementCharacter), 1);
        QVERIFY(!view.toHtml().contains("font-weight:700"));
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
        for (const QString &paragraph : text.split('\n')) {
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
        const QVariant resource =
            view.document()->resource(QTextDocument::ImageResource, QUrl(url("a")));
        QVERIFY(resource.value<QImage>().width() <= 1); // the blank stand-in, not the picture
        deliver(view, "a:60x40"); // a late image brings back neither the article nor its text
        QVERIFY(view.toPlainText().isEmpty() && view.html().isEmpty());
    }

    void documentFocusAndKeys()
    {
        View view;
        view.show();
        QVERIFY(QTest::qWaitForWindowActive(&view));
        view.clearFocus();
        view.showPage("<HTML><BODY>Help</BODY></HTML>", nullptr, nullptr);
        QCOMPARE(view.html(), "<HTML><BODY>Help</BODY></HTML>"); // a local page is the text alone
        QVERIFY(view.hasFocus());
        view.clearFocus();
        view.showArticle("A & <I>B</I>", "AP", "Now", "One <B>b</B>\nTwo", nullptr, nullptr);
        QVERIFY(view.html().contains(">A &amp; &lt;I&gt;B&lt;/I&gt;<"));
        QVERIFY(view.html().contains(">One &lt;B&gt;b&lt;/B&gt;</P><P>Two<"));
        QVERIFY(view.hasFocus()); // so that its keys work at once
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
        for (int i = 0; i < sizes.size(); ++i)
            images.arrived(names.at(i), png(sizes.at(i).section('x', 0, 0).toInt(),
                                            sizes.at(i).section('x', 1).toInt()));
        QTRY_COMPARE(images.pending(), 0);
        QTRY_VERIFY(original.html().contains(names.last()));
        QStringList kept;
        for (const QString &name : names) {
            const auto picture = [&](View &view) {
                return view.document()
                    ->resource(QTextDocument::ImageResource, QUrl(name))
                    .value<QImage>();
            };
            const QImage shown = picture(original);
            // One decoded picture serves both views.
            QCOMPARE(picture(translated).cacheKey(), shown.cacheKey());
            kept << (shown.width() > 1 ? QString("%1x%2").arg(shown.width()).arg(shown.height())
                     : original.toPlainText().contains(name) ? "link"
                                                             : "none");
        }
        kept.sort(); // decoded side by side, so delivered in any order
        QTEST(kept.join(' '), "kept");
        QVERIFY(images.used() <= images.budget);
    }

    // Whatever a page puts into titles, captions, text and picture addresses,
    // the document shows exactly those texts and links to exactly those addresses.
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
        const QString issueUrl =
            u"http://x/a><b>INJECTED</b><a href=file:///etc/passwd>click</a><i x=\\"_s;
        for (int round = 0; round < 40; ++round) {
            View view;
            view.resize(900, 600);
            QStringList urls, captions;
            for (int i = 0; i < 1 + round % 3; ++i) {
                urls << (round == 0 && i == 0 ? issueUrl : u"http://x/"_s + any(urlChars, 12));
                captions << any(textChars, 6);
            }
            const QStringList parts = {any(textChars, 8), any(textChars, 5), any(textChars, 5),
                                       any(textChars, 20)};
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
                    if (!format.anchorHref().isEmpty() && (anchors.isEmpty() || anchors.last() != format.anchorHref()))
                        anchors << format.anchorHref();
                    if (format.isImageFormat())
                        images << format.toImageFormat().name();
                }
            }
            QStringList expected;
            for (const QString &address : urls)
                expected << htmlAttributeUrl(address);
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
