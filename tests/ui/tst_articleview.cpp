#include "animationbutton.h"
#include "contentscrollview.h"
#include "uiresources.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QWheelEvent>
#include <QtTest>

namespace {

using View = ContentScrollView;

QByteArray png(int width, int height, const QColor &color = QColor(40, 90, 160))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString url(const QString &name)
{
    return "http://pics.example/" + name + ".png";
}

QString longText(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QString("Line %1 of a long article about the weather.").arg(i);
    return text.join('\n');
}

// Shows an article with the named images, captioned "old NAME", in a view of the given size.
bool showArticle(View &view, const QSize &size, const QString &text, const QString &images = {})
{
    view.resize(size);
    view.show();
    if (!QTest::qWaitForWindowExposed(&view))
        return false;
    QStringList urls, captions;
    for (const QString &name : images.split(' ', Qt::SkipEmptyParts)) {
        urls << url(name);
        captions << "old " + name;
    }
    view.setImages(urls, captions);
    view.showArticle("Title", "Source", "2024-05-01 10:00", text, nullptr, nullptr);
    return true;
}

// The image table as "a,b|c": cells by image name, rows split by '|', with "=WxH" when asked.
QString tableLayout(const View &view, bool sizes = false)
{
    static const QRegularExpression cell(
        "SRC='http://pics\\.example/(\\w+)\\.png' WIDTH=(\\d+) HEIGHT=(\\d+)");
    QStringList rows;
    const QStringList segments = view.part(View::ImageTablePart).split("<TR ALIGN='center'>");
    for (const QString &segment : segments.mid(1)) {
        QStringList cells;
        for (auto it = cell.globalMatch(segment); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            cells << m.captured(1) + (sizes ? "=" + m.captured(2) + "x" + m.captured(3) : "");
        }
        rows << cells.join(',');
    }
    return rows.join('|');
}

int countPixels(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color;
    }
    return count;
}

// Viewport position inside the first embedded image of the document.
QPoint firstImagePosition(View &view)
{
    QTextCursor cursor = view.document()->find(QString(QChar::ObjectReplacementCharacter));
    cursor.setPosition(cursor.selectionStart());
    const QRect rect = view.cursorRect(cursor);
    return QPoint(rect.left() + 5, rect.bottom() - 5);
}

struct Table
{
    int width;
    QString images;
    QString arrivals; // name:WxH, or name:bad for bytes that do not decode
    QString layout;
};

template <typename Row> void row(const char *name, const Row &fields)
{
    QTest::newRow(name) << fields;
}

} // namespace

Q_DECLARE_METATYPE(Table)

class tst_ArticleView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initUiResources(); }

    void imageTable_data()
    {
        QTest::addColumn<Table>("row");
        const QString three = "a:600x300 b:600x300 c:600x300";
        row("600 x 300 is shown 300 x 150", Table{1000, "a", "a:600x300", "a=300x150"});
        row("100 x 80 keeps its size", Table{1000, "a", "a:100x80", "a=100x80"});
        row("height exactly at the cap is kept", Table{1000, "a", "a:200x150", "a=200x150"});
        row("width rounded to nearest, not truncated", Table{1000, "a", "a:101x400", "a=38x150"});
        row("nothing arrived holds no row", Table{1200, "a b c", "", ""});
        row("cells keep list order, not arrival order",
            Table{1200, "a b c", "c:100x80 b:100x80 a:100x80", "a,b,c"});
        row("image of another article ignored", Table{1200, "a b c", "z:100x80 a:100x80", "a"});
        row("undecodable image left out", Table{1200, "a b", "a:bad b:100x80", "b=100x80"});
        row("row filled exactly to the room wraps", Table{939, "a b c", three, "a,b|c"});
        row("one pixel more room keeps the row", Table{940, "a b c", three, "a,b,c"});
        row("narrow view one image per row", Table{400, "a b c", three, "a|b|c"});
        row("view narrower than a thumbnail opens no empty row",
            Table{200, "a b c", three, "a|b|c"});
        row("mixed widths wrap only the cell that overflows",
            Table{500, "a b c", "a:600x300 b:100x80 c:600x300", "a,b|c"});
        row("wrapped row counts its width from zero",
            Table{600, "a b c d", "a:600x300 b:600x300 c:100x80 d:100x80", "a|b,c,d"});
    }

    void imageTable()
    {
        QFETCH(Table, row);
        View view;
        QVERIFY(showArticle(view, QSize(row.width, 400), "Body text", row.images));
        for (const QString &arrival : row.arrivals.split(' ', Qt::SkipEmptyParts)) {
            const QStringList size = arrival.section(':', 1).split('x');
            view.imageDataLoaded(url(arrival.section(':', 0, 0)),
                                 size.first() == "bad"
                                     ? QByteArray("not an image")
                                     : png(size.at(0).toInt(), size.at(1).toInt()));
        }
        QVERIFY(view.part(View::ImageTablePart).startsWith("<DIV ID='images' ALIGN='center'>"));
        QCOMPARE(tableLayout(view, row.layout.contains('=')), row.layout);
        QVERIFY(view.toPlainText().contains("Body text"));
        QCOMPARE(view.toHtml().contains("pics.example"), !row.layout.isEmpty());
    }

    void sameUrlFillsOnlyTheFirstItem()
    {
        View view;
        QVERIFY(showArticle(view, QSize(1200, 400), "Text", "a a"));
        for (int delivery = 0; delivery < 2; ++delivery) {
            view.imageDataLoaded(url("a"), png(600, 300));
            QVERIFY(view.images().at(0)->loaded);
            QCOMPARE(view.images().at(0)->width, 600); // the original size is kept
            QVERIFY(!view.images().at(1)->loaded);
            QCOMPARE(tableLayout(view, true), "a=300x150");
        }
    }

    void tableRewrapsOnResize()
    {
        View view;
        QVERIFY(showArticle(view, QSize(1000, 400), "Text", "a b c"));
        for (const char *name : {"a", "b", "c"})
            view.imageDataLoaded(url(name), png(600, 300));
        QCOMPARE(tableLayout(view), "a,b,c");
        view.resize(400, 400);
        QTRY_COMPARE(tableLayout(view), "a|b|c");
        view.resize(1000, 400);
        QTRY_COMPARE(tableLayout(view), "a,b,c");
    }

    void captions_data()
    {
        QTest::addColumn<QString>("images");
        QTest::addColumn<QStringList>("urls");
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("caption of a shown image replaced")
            << "a b" << QStringList{"a"} << QStringList{"Harbour"}
            << QStringList{"Harbour", "old b"};
        QTest::newRow("every item with the URL gets it")
            << "a a" << QStringList{"a"} << QStringList{"Twice"} << QStringList{"Twice", "Twice"};
        QTest::newRow("unknown URL changes nothing")
            << "a b" << QStringList{"z"} << QStringList{"x"} << QStringList{"old a", "old b"};
        QTest::newRow("captions beyond the URLs ignored")
            << "a b" << QStringList{"b"} << QStringList{"Bridge", "stray"}
            << QStringList{"old a", "Bridge"};
        QTest::newRow("URLs beyond the captions ignored")
            << "a b" << QStringList{"a", "b"} << QStringList{"Only a"}
            << QStringList{"Only a", "old b"};
    }

    void captions()
    {
        QFETCH(QString, images);
        QFETCH(QStringList, urls);
        QFETCH(QStringList, captions);
        QFETCH(QStringList, expected);
        View view;
        QVERIFY(showArticle(view, QSize(1200, 400), "Text", images));
        for (const QString &name : images.split(' '))
            view.imageDataLoaded(url(name), png(100, 80));
        for (QString &name : urls)
            name = url(name);
        view.updateCaptions(urls, captions);

        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(view.images().at(i)->caption, expected.at(i));
        // The first cell shows the first item's caption, in the table and on screen.
        QVERIFY(view.part(View::ImageTablePart).contains("<BR>" + expected.at(0) + "</TD>"));
        QVERIFY(view.toPlainText().contains(expected.at(0)));
    }

    void pageArrows_data()
    {
        QTest::addColumn<QString>("previous"); // null: none
        QTest::addColumn<QString>("next");
        QTest::addColumn<bool>("localPage");
        const QString none, prev = "http://news.example/a?page=1",
                            next = "http://news.example/a?page=3";
        QTest::newRow("single page shows neither arrow") << none << none << false;
        QTest::newRow("first page shows only next") << none << next << false;
        QTest::newRow("last page shows only previous") << prev << none << false;
        QTest::newRow("empty URL counts as no page") << QString("") << next << false;
        QTest::newRow("local page after a paged article shows neither") << none << none << true;
    }

    void pageArrows()
    {
        QFETCH(QString, previous);
        QFETCH(QString, next);
        QFETCH(bool, localPage);
        View view;
        QVERIFY(showArticle(view, QSize(600, 300), "x"));
        // Arrows left over from a paged article must not survive the next one.
        const QString before = "http://news.example/old";
        view.showArticle("T", "S", "D", "x", &before, &before);
        QVERIFY(!view.previousPageArrow()->isHidden() && !view.nextPageArrow()->isHidden());

        const QString *previousPage = previous.isNull() ? nullptr : &previous;
        const QString *nextPage = next.isNull() ? nullptr : &next;
        if (localPage)
            view.showPage("<P>help</P>", previousPage, nextPage);
        else
            view.showArticle("T", "S", "D", "x", previousPage, nextPage);
        QCOMPARE(view.previousPageArrow()->isHidden(), previous.isEmpty());
        QCOMPARE(view.nextPageArrow()->isHidden(), next.isEmpty());
        QCOMPARE(view.previousPageArrow()->geometry(), QRect(0, (300 - 25) / 2, 25, 25));
        QCOMPARE(view.nextPageArrow()->geometry(), QRect(600 - 25, (300 - 25) / 2, 25, 25));
        QCOMPARE(view.previousPage(), previousPage);
        QCOMPARE(view.nextPage(), nextPage);
    }

    void keySignals_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QStringList>("fired");
        QTest::newRow("T switches translation") << int(Qt::Key_T) << QStringList{"translate"};
        QTest::newRow("E mails") << int(Qt::Key_E) << QStringList{"email"};
        QTest::newRow("P prints") << int(Qt::Key_P) << QStringList{"print"};
        QTest::newRow("S saves") << int(Qt::Key_S) << QStringList{"save"};
        QTest::newRow("Space") << int(Qt::Key_Space) << QStringList{"space"};
        QTest::newRow("Right") << int(Qt::Key_Right) << QStringList{"right"};
        QTest::newRow("Left") << int(Qt::Key_Left) << QStringList{"left"};
        QTest::newRow("unbound key fires nothing") << int(Qt::Key_X) << QStringList();
    }

    void keySignals()
    {
        QFETCH(int, key);
        QFETCH(QStringList, fired);
        View view;
        QVERIFY(showArticle(view, QSize(600, 300), longText(80)));
        QStringList seen;
        auto watch = [&](auto signal, const char *name) {
            connect(&view, signal, this, [&seen, name] { seen << name; });
        };
        watch(&View::switchTranslation, "translate");
        watch(&View::toEmail, "email");
        watch(&View::toPrint, "print");
        watch(&View::toSave, "save");
        watch(&View::keyPressSpace, "space");
        watch(&View::keyPressRight, "right");
        watch(&View::keyPressLeft, "left");
        watch(&View::requestLocalPage, "local page");
        QTest::keyClick(&view, Qt::Key(key));
        QCOMPARE(seen, fired);
    }

    void scrolling_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("expected"); // -1: derived from the scroll bar, -2: nothing emitted
        QTest::newRow("scrolling 100 down reports its share") << "content:-100" << 200 << -1;
        QTest::newRow("scrolling past the end reports 100") << "content:-100000" << 200 << 100;
        QTest::newRow("scrolling above the top reports 0") << "content:50" << 200 << 0;
        QTest::newRow("Down key reports") << "key:down" << 200 << -1;
        QTest::newRow("wheel towards the user reports") << "wheel:-120" << 200 << -1;
        QTest::newRow("short document: scrolling reports nothing") << "content:-100" << 2 << -2;
        QTest::newRow("short document: keys report nothing") << "key:pagedown" << 2 << -2;
        QTest::newRow("short document: wheel reports nothing") << "wheel:-120" << 2 << -2;
    }

    void scrolling()
    {
        QFETCH(QString, action);
        QFETCH(int, lines);
        QFETCH(int, expected);
        View view;
        const QScrollBar *bar = view.verticalScrollBar();
        // Shown after a scrolled long article, whose position and arrows must not linger.
        QVERIFY(showArticle(view, QSize(600, 300), longText(150)));
        view.scrollContent(-300);
        view.showArticle("T", "S", "D", longText(lines), nullptr, nullptr);
        QCOMPARE(bar->value(), 0);
        const bool scrollable = expected != -2;
        QCOMPARE(view.upArrow()->isHidden(), !scrollable);
        QCOMPARE(view.downArrow()->isHidden(), !scrollable);
        if (scrollable) {
            QCOMPARE(view.upArrow()->geometry(), QRect(580, 0, 20, 20));
            QCOMPARE(view.downArrow()->geometry(), QRect(580, 280, 20, 20));
            QCOMPARE(bar->maximum(),
                     qRound(view.document()->size().height() - view.viewport()->height()));
        }

        QSignalSpy scrolled(&view, &View::scrolled);
        const QString kind = action.section(':', 0, 0), arg = action.section(':', 1);
        if (kind == "content") {
            view.scrollContent(arg.toInt());
        } else if (kind == "key") {
            QTest::keyClick(&view, arg == "down" ? Qt::Key_Down : Qt::Key_PageDown);
        } else {
            const QPointF at(100, 100);
            QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(),
                              QPoint(0, arg.toInt()), Qt::NoButton, Qt::NoModifier,
                              Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(view.viewport(), &wheel);
        }
        QCOMPARE(scrolled.count(), scrollable ? 1 : 0);
        if (!scrollable)
            return;
        const int reported = scrolled.at(0).at(0).toInt();
        if (expected >= 0) {
            QCOMPARE(reported, expected);
            return;
        }
        QVERIFY(bar->value() > 0);
        QCOMPARE(reported, bar->value() * 100 / bar->maximum());
        if (kind == "content")
            QCOMPARE(bar->value(), -arg.toInt());
    }

    void arrowScrolling_data()
    {
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("press");
        QTest::addColumn<int>("step"); // pixels per tick
        QTest::newRow("resting on the down arrow glides") << true << false << 1;
        QTest::newRow("holding the up arrow scrolls back 30 a tick") << false << true << 30;
    }

    void arrowScrolling()
    {
        QFETCH(bool, down);
        QFETCH(bool, press);
        QFETCH(int, step);
        View view;
        QVERIFY(showArticle(view, QSize(600, 300), longText(300)));
        QScrollBar *bar = view.verticalScrollBar();
        const int start = down ? 0 : 1000, direction = down ? 1 : -1;
        bar->setValue(start);
        AnimationButton *arrow = down ? view.downArrow() : view.upArrow();
        QVERIFY(!arrow->isHidden());

        emit arrow->entered();
        if (press)
            emit arrow->pressed();
        QTRY_VERIFY((bar->value() - start) * direction >= step);
        if (press)
            emit arrow->released();
        emit arrow->left();
        const int stopped = bar->value();
        QCOMPARE((stopped - start) % step, 0);
        QTest::qWait(250);
        QCOMPARE(bar->value(), stopped);
    }

    void linkClicks_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<bool>("popup");
        QTest::addColumn<QString>("localPath");
        QTest::newRow("arrived image pops up") << url("a") << true << QString();
        QTest::newRow("image not yet arrived does nothing") << url("b") << false << QString();
        QTest::newRow("undecodable image does not pop up") << url("c") << false << QString();
        QTest::newRow("web link neither pops up nor navigates")
            << QString("http://news.example/other.html") << false << QString();
        QTest::newRow("link without a path does nothing")
            << QString("http://news.example") << false << QString();
        QTest::newRow("local file asks for a local page")
            << QString("file:///opt/tessolin/doc/help/en/about.html") << false
            << QString("/opt/tessolin/doc/help/en/about.html");
    }

    void linkClicks()
    {
        QFETCH(QString, link);
        QFETCH(bool, popup);
        QFETCH(QString, localPath);
        View view;
        QVERIFY(showArticle(view, QSize(800, 400), "Text", "a b c"));
        view.imageDataLoaded(url("a"), png(600, 300));
        view.imageDataLoaded(url("c"), "not an image");
        const QString shown = view.toHtml();
        QSignalSpy popups(&view, &View::popupImage);
        QSignalSpy localPages(&view, &View::requestLocalPage);

        view.setSource(QUrl(link));
        QCOMPARE(popups.count(), popup ? 1 : 0);
        if (popup) {
            QCOMPARE(popups.at(0).at(0).toString(), link);
            QCOMPARE(popups.at(0).at(1).value<QPixmap>().size(), QSize(600, 300));
        }
        QCOMPARE(localPages.count(), localPath.isEmpty() ? 0 : 1);
        if (!localPath.isEmpty())
            QCOMPARE(localPages.at(0).at(0).toString(), localPath);
        QCOMPARE(view.toHtml(), shown);
        QVERIFY(view.source().isEmpty());
    }

    void imageUrlShapes_data()
    {
        QTest::addColumn<QString>("address");
        QTest::newRow("plain") << QString("http://pics.example/plain.png");
        QTest::newRow("query with ampersand entities")
            << QString("http://pics.example/img?id=7&copy=1&amp;w=2");
        QTest::newRow("single quote would end the attribute")
            << QString("http://pics.example/it's.png");
        QTest::newRow("non-ASCII path") << QString("http://pics.example/caf\u00e9.png");
    }

    void imageUrlShapes()
    {
        QFETCH(QString, address);
        const QColor red(255, 0, 0);
        View view;
        QVERIFY(showArticle(view, QSize(800, 400), "Text"));
        view.setImages({address}, {"Caption"});
        view.showArticle("T", "S", "D", "Text", nullptr, nullptr);
        view.imageDataLoaded(address, png(40, 30, red));

        // The thumbnail is drawn from the bytes handed over, not a broken-image icon.
        QCOMPARE(countPixels(view.grab().toImage(), red), 40 * 30);
        // A real click on it pops the picture up.
        QSignalSpy popups(&view, &View::popupImage);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                          firstImagePosition(view));
        QCOMPARE(popups.count(), 1);
        QCOMPARE(popups.at(0).at(0).toString(), address);
        QCOMPARE(popups.at(0).at(1).value<QPixmap>().size(), QSize(40, 30));
    }

    void noLoadingFromDisk_data()
    {
        QTest::addColumn<QString>("markup");
        QTest::newRow("absolute path image")
            << QString("<IMG SRC='%1/red.png' WIDTH=40 HEIGHT=30>");
        QTest::newRow("file URL image") << QString("<IMG SRC='file://%1/red.png'>");
        QTest::newRow("relative image beside the working directory")
            << QString("<IMG SRC='red.png' ALT='%1'>");
        QTest::newRow("style sheet link")
            << QString("<LINK REL='stylesheet' TYPE='text/css' HREF='file://%1/red.css'>"
                       "<P CLASS='x'>styled</P>");
    }

    void noLoadingFromDisk()
    {
        QFETCH(QString, markup);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QColor red(255, 0, 0);
        QFile png40(dir.filePath("red.png")), css(dir.filePath("red.css"));
        QVERIFY(png40.open(QIODevice::WriteOnly) && css.open(QIODevice::WriteOnly));
        png40.write(png(40, 30, red));
        css.write("P { background-color: #ff0000; color: #ff0000; }");
        png40.close();
        css.close();
        const QString previous = QDir::currentPath();
        QDir::setCurrent(dir.path());
        View view;
        const bool shown = showArticle(view, QSize(600, 300), markup.arg(dir.path()));
        const QImage shot = view.grab().toImage();
        QDir::setCurrent(previous);
        QVERIFY(shown);
        QCOMPARE(countPixels(shot, red), 0);
    }

    void readingPositionKept()
    {
        View view;
        QVERIFY(showArticle(view, QSize(800, 300), longText(300), "a"));
        view.scrollContent(-500);
        QCOMPARE(view.verticalScrollBar()->value(), 500);
        view.imageDataLoaded(url("a"), png(600, 300));
        QCOMPARE(view.verticalScrollBar()->value(), 500);
        view.resize(700, 300);
        QTRY_COMPARE(view.width(), 700);
        QCOMPARE(view.verticalScrollBar()->value(), 500);
        // A new article starts at its top.
        view.showArticle("T", "S", "D", longText(300), nullptr, nullptr);
        QCOMPARE(view.verticalScrollBar()->value(), 0);
    }

    void clearImages()
    {
        View view;
        QVERIFY(showArticle(view, QSize(800, 300), "Old article", "a"));
        view.imageDataLoaded(url("a"), png(60, 40));
        const QPointer<View::ImageItem> item = view.images().at(0);
        const auto resource = [&] {
            return view.document()->resource(QTextDocument::ImageResource, QUrl(url("a")));
        };
        QCOMPARE(resource().userType(), QMetaType::QPixmap);

        view.clearImages();
        QVERIFY(item.isNull());
        QVERIFY(view.images().isEmpty());
        QVERIFY(view.toPlainText().isEmpty());
        QVERIFY(view.html().isEmpty());
        QVERIFY(resource().userType() != QMetaType::QPixmap);
        // A late image of the old article brings back neither it nor its text.
        view.imageDataLoaded(url("a"), png(60, 40));
        QVERIFY(view.toPlainText().isEmpty());
    }

    void documentPartsAndFocus()
    {
        QWidget window;
        auto *other = new QLineEdit(&window);
        auto *view = new View(&window);
        view->setGeometry(0, 40, 600, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        view->showArticle("Stale", "Stale", "Stale", "Stale", nullptr, nullptr);
        other->setFocus();
        view->showArticle("A &amp; <I>B</I>", "Wire", "Today", "First <B>bold</B>\nSecond", nullptr,
                          nullptr);
        QCOMPARE(view->html(),
                 "<HTML><BODY><DIV ID='headline' ALIGN='center'><P ID='title'>A &amp; "
                 "<I>B</I></P><SPAN ID='source'>Wire</SPAN>&nbsp;<SPAN "
                 "ID='datetime'>Today</SPAN><HR/></DIV><DIV ID='text'><P>First "
                 "<B>bold</B></P><P>Second</P></DIV></BODY></HTML>");
        QVERIFY(!view->toPlainText().contains("Stale"));
        QVERIFY(!view->toPlainText().contains("<B>"));
        QVERIFY(view->hasFocus()); // so that its keys work at once
        // A local page is the text part alone.
        other->setFocus();
        view->showPage("<HTML><BODY>Help</BODY></HTML>", nullptr, nullptr);
        QCOMPARE(view->html(), "<HTML><BODY>Help</BODY></HTML>");
        QCOMPARE(view->toPlainText(), "Help");
        QVERIFY(view->hasFocus());
    }
};

QTEST_MAIN(tst_ArticleView)
#include "tst_articleview.moc"
