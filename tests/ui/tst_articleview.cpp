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
#include <QTextBlock>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtTest>

#include <functional>

namespace {

using Item = ContentScrollView::ImageItem;

QByteArray pngBytes(int width, int height, const QColor &color = QColor(40, 90, 160))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QString imageUrl(const QString &name)
{
    return QStringLiteral("http://pics.example/") + name + QStringLiteral(".png");
}

QStringList imageUrls(const QStringList &names)
{
    QStringList urls;
    for (const QString &name : names)
        urls << imageUrl(name);
    return urls;
}

// The table as "a,b|c": cells by image name, rows separated by '|'.
QString tableLayout(const QString &table)
{
    static const QRegularExpression cell(
        QStringLiteral("SRC='http://pics\\.example/(\\w+)\\.png'"));
    QStringList rows;
    const QStringList segments = table.split(QStringLiteral("<TR ALIGN='center'>"));
    for (int i = 1; i < segments.size(); ++i) {
        QStringList names;
        auto it = cell.globalMatch(segments.at(i));
        while (it.hasNext())
            names << it.next().captured(1);
        rows << names.join(QLatin1Char(','));
    }
    return rows.join(QLatin1Char('|'));
}

QString longText(int lines)
{
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("Line %1 of a long article about the weather.").arg(i);
    return text.join(QLatin1Char('\n'));
}

int countPixels(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == color)
                ++count;
        }
    }
    return count;
}

// Viewport position of the first embedded image of the document.
QPoint firstImagePosition(ContentScrollView &view)
{
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.charFormat().isImageFormat()) {
                QTextCursor cursor(view.document());
                cursor.setPosition(fragment.position());
                const QRect rect = view.cursorRect(cursor);
                return QPoint(rect.left() + 5, rect.bottom() - 5);
            }
        }
    }
    return QPoint(-1, -1);
}

} // namespace

class tst_ArticleView : public QObject
{
    Q_OBJECT

private:
    // A shown view of a fixed size holding an article with the named images.
    void showArticleView(ContentScrollView &view, int width, int height, const QString &text,
                         const QStringList &images = {})
    {
        view.resize(width, height);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.setImages(imageUrls(images), {});
        view.showArticle(QStringLiteral("Title"), QStringLiteral("Source"),
                         QStringLiteral("2024-05-01 10:00"), text, nullptr, nullptr);
    }

private slots:
    void initTestCase() { initUiResources(); }

    void thumbnailSize_data();
    void thumbnailSize();
    void undecodableImageLeftOut_data();
    void undecodableImageLeftOut();
    void tableWrapping_data();
    void tableWrapping();
    void tableRewrapsOnResize();
    void arrivalOrder_data();
    void arrivalOrder();
    void sameUrlTwice_data();
    void sameUrlTwice();
    void captions_data();
    void captions();
    void pageArrows_data();
    void pageArrows();
    void keySignals_data();
    void keySignals();
    void scrollPercentages_data();
    void scrollPercentages();
    void scrollArrows_data();
    void scrollArrows();
    void arrowScrolling_data();
    void arrowScrolling();
    void linkClicks_data();
    void linkClicks();
    void clickOnThumbnail();
    void imageUrlShapes_data();
    void imageUrlShapes();
    void noLoadingFromDisk_data();
    void noLoadingFromDisk();
    void readingPositionKept();
    void clearImages();
    void documentParts_data();
    void documentParts();
    void takesFocus_data();
    void takesFocus();
};

void tst_ArticleView::thumbnailSize_data()
{
    QTest::addColumn<QSize>("image");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("wide image halved to the height cap") << QSize(600, 300) << QSize(300, 150);
    QTest::newRow("small image keeps its size") << QSize(100, 80) << QSize(100, 80);
    QTest::newRow("height exactly at the cap unchanged") << QSize(200, 150) << QSize(200, 150);
    QTest::newRow("one pixel over the cap scaled") << QSize(302, 151) << QSize(300, 150);
    QTest::newRow("width rounded to nearest, not truncated") << QSize(101, 400) << QSize(38, 150);
    QTest::newRow("narrow sliver rounds up to a pixel") << QSize(5, 1000) << QSize(1, 150);
    QTest::newRow("one pixel high panorama") << QSize(1000, 1) << QSize(1000, 1);
}

void tst_ArticleView::thumbnailSize()
{
    QFETCH(QSize, image);
    QFETCH(QSize, shown);

    ContentScrollView view;
    showArticleView(view, 2000, 400, QStringLiteral("Text"), {QStringLiteral("a")});
    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(image.width(), image.height()));

    const Item *item = view.images().value(0);
    QVERIFY(item);
    QVERIFY(item->loaded);
    QCOMPARE(QSize(item->width, item->height), image);
    QCOMPARE(QSize(item->displayWidth, item->displayHeight), shown);
    QVERIFY(
        view.part(ContentScrollView::ImageTablePart)
            .contains(QStringLiteral("WIDTH=%1 HEIGHT=%2").arg(shown.width()).arg(shown.height())));
    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), QStringLiteral("a"));
}

void tst_ArticleView::undecodableImageLeftOut_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("garbage bytes") << QByteArray("not an image at all");
    QTest::newRow("empty reply") << QByteArray();
    QTest::newRow("truncated png") << pngBytes(60, 40).left(24);
}

void tst_ArticleView::undecodableImageLeftOut()
{
    QFETCH(QByteArray, bytes);

    ContentScrollView view;
    showArticleView(view, 800, 400, QStringLiteral("Text"),
                    {QStringLiteral("a"), QStringLiteral("b")});
    QSignalSpy popups(&view, &ContentScrollView::popupImage);

    view.imageDataLoaded(imageUrl(QStringLiteral("a")), bytes);
    view.imageDataLoaded(imageUrl(QStringLiteral("b")), pngBytes(100, 80));

    const Item *broken = view.images().at(0);
    QVERIFY(broken->loaded);
    QCOMPARE(broken->displayHeight, 0);
    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), QStringLiteral("b"));

    view.setSource(QUrl(imageUrl(QStringLiteral("a"))));
    QCOMPARE(popups.count(), 0);
}

void tst_ArticleView::tableWrapping_data()
{
    QTest::addColumn<int>("viewWidth");
    QTest::addColumn<QList<QSize>>("images");
    QTest::addColumn<QString>("layout");

    const QList<QSize> three = {QSize(600, 300), QSize(600, 300), QSize(600, 300)};
    QTest::newRow("wide view keeps one row") << 1000 << three << QStringLiteral("a,b,c");
    QTest::newRow("row filled exactly to the room wraps")
        << 939 << three << QStringLiteral("a,b|c");
    QTest::newRow("one pixel more room keeps the row") << 940 << three << QStringLiteral("a,b,c");
    QTest::newRow("narrow view one image per row") << 400 << three << QStringLiteral("a|b|c");
    QTest::newRow("view narrower than a thumbnail opens no empty row")
        << 200 << three << QStringLiteral("a|b|c");
    QTest::newRow("mixed widths wrap only the cell that overflows")
        << 500 << QList<QSize>{QSize(600, 300), QSize(100, 80), QSize(600, 300)}
        << QStringLiteral("a,b|c");
    QTest::newRow("wrapped row counts its width from zero")
        << 600 << QList<QSize>{QSize(600, 300), QSize(600, 300), QSize(100, 80), QSize(100, 80)}
        << QStringLiteral("a|b,c,d");
}

void tst_ArticleView::tableWrapping()
{
    QFETCH(int, viewWidth);
    QFETCH(QList<QSize>, images);
    QFETCH(QString, layout);

    const QStringList names = QStringList{QStringLiteral("a"), QStringLiteral("b"),
                                          QStringLiteral("c"), QStringLiteral("d")}
                                  .mid(0, images.size());
    ContentScrollView view;
    showArticleView(view, viewWidth, 400, QStringLiteral("Text"), names);
    for (int i = 0; i < images.size(); ++i)
        view.imageDataLoaded(imageUrl(names.at(i)),
                             pngBytes(images.at(i).width(), images.at(i).height()));

    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), layout);
    QCOMPARE(view.toHtml().contains(QStringLiteral("pics.example")), true);
}

void tst_ArticleView::tableRewrapsOnResize()
{
    const QStringList names = {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
    ContentScrollView view;
    showArticleView(view, 1000, 400, QStringLiteral("Text"), names);
    for (const QString &name : names)
        view.imageDataLoaded(imageUrl(name), pngBytes(600, 300));
    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), QStringLiteral("a,b,c"));

    view.resize(400, 400);
    QTRY_COMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)),
                 QStringLiteral("a|b|c"));
    QCOMPARE(view.html(),
             view.part(ContentScrollView::HeaderPart) + view.part(ContentScrollView::HeadlinePart) +
                 view.part(ContentScrollView::SourcePart) + view.part(ContentScrollView::DatePart) +
                 view.part(ContentScrollView::ImageTablePart) +
                 view.part(ContentScrollView::TextPart) + view.part(ContentScrollView::FooterPart));

    view.resize(1000, 400);
    QTRY_COMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)),
                 QStringLiteral("a,b,c"));
}

void tst_ArticleView::arrivalOrder_data()
{
    QTest::addColumn<QStringList>("arrivals");
    QTest::addColumn<QString>("layout");

    QTest::newRow("nothing arrived shows the text and no row") << QStringList() << QString();
    QTest::newRow("reverse arrival keeps list order")
        << QStringList{QStringLiteral("c"), QStringLiteral("b"), QStringLiteral("a")}
        << QStringLiteral("a,b,c");
    QTest::newRow("only arrived images take a cell")
        << QStringList{QStringLiteral("b")} << QStringLiteral("b");
    QTest::newRow("image of another article ignored")
        << QStringList{QStringLiteral("z"), QStringLiteral("a")} << QStringLiteral("a");
}

void tst_ArticleView::arrivalOrder()
{
    QFETCH(QStringList, arrivals);
    QFETCH(QString, layout);

    ContentScrollView view;
    showArticleView(view, 1200, 400, QStringLiteral("Body text"),
                    {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QVERIFY(view.toPlainText().contains(QStringLiteral("Body text")));
    QVERIFY(view.part(ContentScrollView::ImageTablePart).contains(QStringLiteral("<TABLE>")));

    for (const QString &name : arrivals)
        view.imageDataLoaded(imageUrl(name), pngBytes(100, 80));

    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), layout);
    QVERIFY(view.toPlainText().contains(QStringLiteral("Body text")));
}

void tst_ArticleView::sameUrlTwice_data()
{
    QTest::addColumn<int>("deliveries");

    QTest::newRow("delivered once") << 1;
    QTest::newRow("delivered for each request") << 2;
}

void tst_ArticleView::sameUrlTwice()
{
    QFETCH(int, deliveries);

    ContentScrollView view;
    showArticleView(view, 1200, 400, QStringLiteral("Text"),
                    {QStringLiteral("a"), QStringLiteral("a")});
    for (int i = 0; i < deliveries; ++i)
        view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(600, 300));

    const Item *first = view.images().at(0);
    const Item *second = view.images().at(1);
    QVERIFY(first->loaded);
    QCOMPARE(QSize(first->displayWidth, first->displayHeight), QSize(300, 150));
    QVERIFY(!second->loaded);
    QCOMPARE(second->width, 0);
    QCOMPARE(tableLayout(view.part(ContentScrollView::ImageTablePart)), QStringLiteral("a"));
}

void tst_ArticleView::captions_data()
{
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QStringList>("urls");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<QStringList>("expected");

    const QString a = QStringLiteral("a");
    const QString b = QStringLiteral("b");
    QTest::newRow("caption of a shown image replaced")
        << QStringList{a, b} << QStringList{a} << QStringList{QStringLiteral("Harbour")}
        << QStringList{QStringLiteral("Harbour"), QStringLiteral("old b")};
    QTest::newRow("every item with the URL gets it")
        << QStringList{a, a} << QStringList{a} << QStringList{QStringLiteral("Twice")}
        << QStringList{QStringLiteral("Twice"), QStringLiteral("Twice")};
    QTest::newRow("unknown URL changes nothing")
        << QStringList{a, b} << QStringList{QStringLiteral("z")} << QStringList{QStringLiteral("x")}
        << QStringList{QStringLiteral("old a"), QStringLiteral("old b")};
    QTest::newRow("captions beyond the URLs ignored")
        << QStringList{a, b} << QStringList{b}
        << QStringList{QStringLiteral("Bridge"), QStringLiteral("stray")}
        << QStringList{QStringLiteral("old a"), QStringLiteral("Bridge")};
    QTest::newRow("URLs beyond the captions ignored")
        << QStringList{a, b} << QStringList{a, b} << QStringList{QStringLiteral("Only a")}
        << QStringList{QStringLiteral("Only a"), QStringLiteral("old b")};
}

void tst_ArticleView::captions()
{
    QFETCH(QStringList, items);
    QFETCH(QStringList, urls);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, expected);

    ContentScrollView view;
    view.resize(1200, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QStringList oldCaptions;
    for (const QString &name : items)
        oldCaptions << QStringLiteral("old ") + name;
    view.setImages(imageUrls(items), oldCaptions);
    view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"),
                     QStringLiteral("Text"), nullptr, nullptr);
    for (const QString &name : items)
        view.imageDataLoaded(imageUrl(name), pngBytes(100, 80));

    view.updateCaptions(imageUrls(urls), captions);

    for (int i = 0; i < items.size(); ++i)
        QCOMPARE(view.images().at(i)->caption, expected.at(i));
    // The first cell shows the first item's caption, in the table and on screen.
    const QString table = view.part(ContentScrollView::ImageTablePart);
    QVERIFY(table.contains(QStringLiteral("<BR>") + expected.at(0) + QStringLiteral("</TD>")));
    QVERIFY(view.toPlainText().contains(expected.at(0)));
}

void tst_ArticleView::pageArrows_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("next");
    QTest::addColumn<bool>("localPage");

    const QString none;
    const QString prev = QStringLiteral("http://news.example/a?page=1");
    const QString next = QStringLiteral("http://news.example/a?page=3");
    QTest::newRow("single page shows neither arrow") << none << none << false;
    QTest::newRow("first page shows only next") << none << next << false;
    QTest::newRow("last page shows only previous") << prev << none << false;
    QTest::newRow("middle page shows both") << prev << next << false;
    QTest::newRow("empty URL counts as no page") << QStringLiteral("") << next << false;
    QTest::newRow("local page after a paged article shows neither") << none << none << true;
}

void tst_ArticleView::pageArrows()
{
    QFETCH(QString, previous);
    QFETCH(QString, next);
    QFETCH(bool, localPage);

    ContentScrollView view;
    view.resize(600, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    // Arrows left over from a paged article must not survive the next one.
    const QString before = QStringLiteral("http://news.example/old");
    view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"),
                     QStringLiteral("x"), &before, &before);
    QVERIFY(!view.previousPageArrow()->isHidden());
    QVERIFY(!view.nextPageArrow()->isHidden());

    const QString *previousPtr = previous.isNull() ? nullptr : &previous;
    const QString *nextPtr = next.isNull() ? nullptr : &next;
    if (localPage)
        view.showPage(QStringLiteral("<P>help</P>"), previousPtr, nextPtr);
    else
        view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"),
                         QStringLiteral("x"), previousPtr, nextPtr);

    QCOMPARE(view.previousPageArrow()->isHidden(), previous.isEmpty());
    QCOMPARE(view.nextPageArrow()->isHidden(), next.isEmpty());
    QCOMPARE(view.previousPageArrow()->geometry(), QRect(0, (300 - 25) / 2, 25, 25));
    QCOMPARE(view.nextPageArrow()->geometry(), QRect(600 - 25, (300 - 25) / 2, 25, 25));
    QCOMPARE(view.previousPage(), previousPtr);
    QCOMPARE(view.nextPage(), nextPtr);
}

void tst_ArticleView::keySignals_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("signal");

    QTest::newRow("T switches translation")
        << int(Qt::Key_T) << QStringLiteral("switchTranslation");
    QTest::newRow("E mails") << int(Qt::Key_E) << QStringLiteral("toEmail");
    QTest::newRow("P prints") << int(Qt::Key_P) << QStringLiteral("toPrint");
    QTest::newRow("S saves") << int(Qt::Key_S) << QStringLiteral("toSave");
    QTest::newRow("Space") << int(Qt::Key_Space) << QStringLiteral("keyPressSpace");
    QTest::newRow("Right") << int(Qt::Key_Right) << QStringLiteral("keyPressRight");
    QTest::newRow("Left") << int(Qt::Key_Left) << QStringLiteral("keyPressLeft");
    QTest::newRow("unbound key fires nothing") << int(Qt::Key_X) << QString();
}

void tst_ArticleView::keySignals()
{
    QFETCH(int, key);
    QFETCH(QString, signal);

    ContentScrollView view;
    showArticleView(view, 600, 300, longText(80));

    struct Watch
    {
        QString name;
        std::unique_ptr<QSignalSpy> spy;
    };
    std::vector<Watch> watches;
    auto watch = [&](const QString &name, auto signal) {
        watches.push_back({name, std::make_unique<QSignalSpy>(&view, signal)});
    };
    watch(QStringLiteral("switchTranslation"), &ContentScrollView::switchTranslation);
    watch(QStringLiteral("toEmail"), &ContentScrollView::toEmail);
    watch(QStringLiteral("toPrint"), &ContentScrollView::toPrint);
    watch(QStringLiteral("toSave"), &ContentScrollView::toSave);
    watch(QStringLiteral("keyPressSpace"), &ContentScrollView::keyPressSpace);
    watch(QStringLiteral("keyPressRight"), &ContentScrollView::keyPressRight);
    watch(QStringLiteral("keyPressLeft"), &ContentScrollView::keyPressLeft);
    watch(QStringLiteral("requestLocalPage"), &ContentScrollView::requestLocalPage);

    QTest::keyClick(&view, Qt::Key(key));

    // Compared as text so that a failure names the signal.
    for (const Watch &w : watches)
        QCOMPARE(QStringLiteral("%1=%2").arg(w.name).arg(w.spy->count()),
                 QStringLiteral("%1=%2").arg(w.name).arg(w.name == signal ? 1 : 0));
}

void tst_ArticleView::scrollPercentages_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("expected"); // -1: value-derived, -2: nothing emitted

    QTest::newRow("scrolling 100 down reports its share")
        << QStringLiteral("content:-100") << 200 << -1;
    QTest::newRow("scrolling past the end reports 100")
        << QStringLiteral("content:-100000") << 200 << 100;
    QTest::newRow("scrolling above the top reports 0") << QStringLiteral("content:50") << 200 << 0;
    QTest::newRow("Down key reports") << QStringLiteral("key:down") << 200 << -1;
    QTest::newRow("Page Down key reports") << QStringLiteral("key:pagedown") << 200 << -1;
    QTest::newRow("wheel towards the user reports") << QStringLiteral("wheel:-120") << 200 << -1;
    QTest::newRow("short document: scrolling reports nothing")
        << QStringLiteral("content:-100") << 2 << -2;
    QTest::newRow("short document: keys report nothing") << QStringLiteral("key:down") << 2 << -2;
    QTest::newRow("short document: wheel reports nothing")
        << QStringLiteral("wheel:-120") << 2 << -2;
}

void tst_ArticleView::scrollPercentages()
{
    QFETCH(QString, action);
    QFETCH(int, lines);
    QFETCH(int, expected);

    ContentScrollView view;
    showArticleView(view, 600, 300, longText(lines));
    QSignalSpy scrolled(&view, &ContentScrollView::scrolled);
    QScrollBar *bar = view.verticalScrollBar();

    const QString kind = action.section(QLatin1Char(':'), 0, 0);
    const QString arg = action.section(QLatin1Char(':'), 1);
    if (kind == QLatin1String("content")) {
        view.scrollContent(arg.toInt());
    } else if (kind == QLatin1String("key")) {
        QTest::keyClick(&view, arg == QLatin1String("down") ? Qt::Key_Down : Qt::Key_PageDown);
    } else {
        const QPoint at(100, 100);
        QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, arg.toInt()),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &wheel);
    }

    if (expected == -2) {
        QCOMPARE(bar->maximum(), 0);
        QCOMPARE(scrolled.count(), 0);
        return;
    }
    QVERIFY(bar->maximum() > 0);
    QCOMPARE(scrolled.count(), 1);
    const int reported = scrolled.at(0).at(0).toInt();
    if (expected == -1) {
        QVERIFY(bar->value() > 0);
        QCOMPARE(reported, bar->value() * 100 / bar->maximum());
        if (kind == QLatin1String("content"))
            QCOMPARE(bar->value(), -arg.toInt());
    } else {
        QCOMPARE(reported, expected);
    }
}

void tst_ArticleView::scrollArrows_data()
{
    QTest::addColumn<int>("firstLines");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("shown");

    QTest::newRow("long document shows both arrows") << 2 << 200 << true;
    QTest::newRow("short document hides them") << 2 << 2 << false;
    QTest::newRow("short article after a long one hides them") << 200 << 2 << false;
}

void tst_ArticleView::scrollArrows()
{
    QFETCH(int, firstLines);
    QFETCH(int, lines);
    QFETCH(bool, shown);

    ContentScrollView view;
    showArticleView(view, 600, 300, longText(firstLines));
    view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"), longText(lines),
                     nullptr, nullptr);

    QCOMPARE(!view.upArrow()->isHidden(), shown);
    QCOMPARE(!view.downArrow()->isHidden(), shown);
    QCOMPARE(view.verticalScrollBar()->value(), 0);
    if (shown) {
        QCOMPARE(view.upArrow()->geometry(), QRect(580, 0, 20, 20));
        QCOMPARE(view.downArrow()->geometry(), QRect(580, 280, 20, 20));
        QCOMPARE(view.verticalScrollBar()->maximum(),
                 qRound(view.document()->size().height() - view.viewport()->height()));
    }
}

void tst_ArticleView::arrowScrolling_data()
{
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("granularity");

    QTest::newRow("resting on the down arrow glides") << true << false << 1 << 1;
    QTest::newRow("holding the down arrow scrolls 30 a tick") << true << true << 30 << 30;
    QTest::newRow("holding the up arrow scrolls back 30 a tick") << false << true << 30 << 30;
}

void tst_ArticleView::arrowScrolling()
{
    QFETCH(bool, down);
    QFETCH(bool, press);
    QFETCH(int, minimum);
    QFETCH(int, granularity);

    ContentScrollView view;
    showArticleView(view, 600, 300, longText(300));
    QScrollBar *bar = view.verticalScrollBar();
    const int start = down ? 0 : 1000;
    bar->setValue(start);
    AnimationButton *arrow = down ? view.downArrow() : view.upArrow();
    QVERIFY(!arrow->isHidden());

    const QPointF inside(5, 5);
    QEnterEvent enter(inside, inside, arrow->mapToGlobal(inside));
    QCoreApplication::sendEvent(arrow, &enter);
    if (press)
        QTest::mousePress(arrow, Qt::LeftButton);

    const int direction = down ? 1 : -1;
    QTRY_VERIFY((bar->value() - start) * direction >= minimum);
    if (press)
        QTest::mouseRelease(arrow, Qt::LeftButton);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(arrow, &leave);

    const int stopped = bar->value();
    QCOMPARE((stopped - start) % granularity, 0);
    QTest::qWait(250);
    QCOMPARE(bar->value(), stopped);
}

void tst_ArticleView::linkClicks_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("popupUrl");
    QTest::addColumn<QString>("localPath");

    QTest::newRow("arrived image pops up")
        << imageUrl(QStringLiteral("a")) << imageUrl(QStringLiteral("a")) << QString();
    QTest::newRow("image not yet arrived does nothing")
        << imageUrl(QStringLiteral("b")) << QString() << QString();
    QTest::newRow("web link neither pops up nor navigates")
        << QStringLiteral("http://news.example/other.html") << QString() << QString();
    QTest::newRow("link without a path does nothing")
        << QStringLiteral("http://news.example") << QString() << QString();
    QTest::newRow("local file asks for a local page")
        << QStringLiteral("file:///opt/tessolin/doc/help/en/about.html") << QString()
        << QStringLiteral("/opt/tessolin/doc/help/en/about.html");
}

void tst_ArticleView::linkClicks()
{
    QFETCH(QString, link);
    QFETCH(QString, popupUrl);
    QFETCH(QString, localPath);

    ContentScrollView view;
    showArticleView(view, 800, 400, QStringLiteral("Text"),
                    {QStringLiteral("a"), QStringLiteral("b")});
    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(600, 300));
    const QString shown = view.toHtml();
    QSignalSpy popups(&view, &ContentScrollView::popupImage);
    QSignalSpy localPages(&view, &ContentScrollView::requestLocalPage);

    view.setSource(QUrl(link));

    QCOMPARE(popups.count(), popupUrl.isEmpty() ? 0 : 1);
    if (!popupUrl.isEmpty()) {
        QCOMPARE(popups.at(0).at(0).toString(), popupUrl);
        QCOMPARE(popups.at(0).at(1).value<QPixmap>().size(), QSize(600, 300));
    }
    QCOMPARE(localPages.count(), localPath.isEmpty() ? 0 : 1);
    if (!localPath.isEmpty())
        QCOMPARE(localPages.at(0).at(0).toString(), localPath);
    QCOMPARE(view.toHtml(), shown);
    QVERIFY(view.source().isEmpty());
}

void tst_ArticleView::clickOnThumbnail()
{
    ContentScrollView view;
    showArticleView(view, 800, 400, QStringLiteral("Text"), {QStringLiteral("a")});
    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(600, 300));
    QSignalSpy popups(&view, &ContentScrollView::popupImage);

    const QPoint at = firstImagePosition(view);
    QVERIFY(at.x() >= 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, at);

    QCOMPARE(popups.count(), 1);
    QCOMPARE(popups.at(0).at(0).toString(), imageUrl(QStringLiteral("a")));
    QCOMPARE(popups.at(0).at(1).value<QPixmap>().size(), QSize(600, 300));
}

void tst_ArticleView::imageUrlShapes_data()
{
    QTest::addColumn<QString>("url");

    QTest::newRow("plain") << QStringLiteral("http://pics.example/plain.png");
    QTest::newRow("query with ampersand entities")
        << QStringLiteral("http://pics.example/img?id=7&copy=1&amp;w=2");
    QTest::newRow("escaped space") << QStringLiteral("http://pics.example/a%20b.png");
    QTest::newRow("single quote would end the attribute")
        << QStringLiteral("http://pics.example/it's.png");
    QTest::newRow("non-ASCII path") << QStringLiteral("http://pics.example/caf\u00e9.png");
}

void tst_ArticleView::imageUrlShapes()
{
    QFETCH(QString, url);

    const QColor red(255, 0, 0);
    ContentScrollView view;
    view.resize(800, 400);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.setImages({url}, {QStringLiteral("Caption")});
    view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"),
                     QStringLiteral("Text"), nullptr, nullptr);
    view.imageDataLoaded(url, pngBytes(40, 30, red));

    // The thumbnail is drawn from the bytes handed over, not a broken-image icon.
    QCOMPARE(countPixels(view.grab().toImage(), red), 40 * 30);

    QSignalSpy popups(&view, &ContentScrollView::popupImage);
    const QPoint at = firstImagePosition(view);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(popups.count(), 1);
    QCOMPARE(popups.at(0).at(0).toString(), url);
}

void tst_ArticleView::noLoadingFromDisk_data()
{
    QTest::addColumn<QString>("markup");

    QTest::newRow("absolute path image") << QStringLiteral("<IMG SRC='%1/red.png'>");
    QTest::newRow("file URL image") << QStringLiteral("<IMG SRC='file://%1/red.png'>");
    QTest::newRow("relative image beside the working directory")
        << QStringLiteral("<IMG SRC='red.png' ALT='%1'>");
    QTest::newRow("style sheet link")
        << QStringLiteral("<LINK REL='stylesheet' TYPE='text/css' HREF='file://%1/red.css'>"
                          "<P CLASS='x'>styled</P>");
    QTest::newRow("image named like a handed one but on disk")
        << QStringLiteral("<IMG SRC='%1/red.png' WIDTH=40 HEIGHT=30>");
}

void tst_ArticleView::noLoadingFromDisk()
{
    QFETCH(QString, markup);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QColor red(255, 0, 0);
    QFile png(dir.filePath(QStringLiteral("red.png")));
    QVERIFY(png.open(QIODevice::WriteOnly));
    png.write(pngBytes(40, 30, red));
    png.close();
    QFile css(dir.filePath(QStringLiteral("red.css")));
    QVERIFY(css.open(QIODevice::WriteOnly));
    css.write("P { background-color: #ff0000; color: #ff0000; }");
    css.close();
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());

    ContentScrollView view;
    showArticleView(view, 600, 300, markup.arg(dir.path()));
    const QImage shot = view.grab().toImage();
    QDir::setCurrent(previous);

    QCOMPARE(countPixels(shot, red), 0);
}

void tst_ArticleView::readingPositionKept()
{
    ContentScrollView view;
    showArticleView(view, 800, 300, longText(300), {QStringLiteral("a")});
    view.scrollContent(-500);
    QCOMPARE(view.verticalScrollBar()->value(), 500);

    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(600, 300));
    QCOMPARE(view.verticalScrollBar()->value(), 500);
    view.resize(700, 300);
    QTRY_COMPARE(view.width(), 700);
    QCOMPARE(view.verticalScrollBar()->value(), 500);

    // A new article starts at its top.
    view.showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"), longText(300),
                     nullptr, nullptr);
    QCOMPARE(view.verticalScrollBar()->value(), 0);
}

void tst_ArticleView::clearImages()
{
    ContentScrollView view;
    showArticleView(view, 800, 300, QStringLiteral("Old article"), {QStringLiteral("a")});
    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(60, 40));
    const QPointer<Item> item = view.images().at(0);
    const QUrl resource = QUrl(imageUrl(QStringLiteral("a")));
    QCOMPARE(view.document()->resource(QTextDocument::ImageResource, resource).userType(),
             QMetaType::QPixmap);

    view.clearImages();

    QVERIFY(item.isNull());
    QVERIFY(view.images().isEmpty());
    QVERIFY(view.toPlainText().isEmpty());
    QVERIFY(view.html().isEmpty());
    QVERIFY(view.document()->resource(QTextDocument::ImageResource, resource).userType() !=
            QMetaType::QPixmap);

    // A late image of the old article brings back neither it nor its text.
    view.imageDataLoaded(imageUrl(QStringLiteral("a")), pngBytes(60, 40));
    QVERIFY(view.toPlainText().isEmpty());
}

void tst_ArticleView::documentParts_data()
{
    QTest::addColumn<bool>("localPage");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("article parts in order, markup kept")
        << false << QStringLiteral("First <B>bold</B>\nSecond")
        << QStringLiteral("<HTML><BODY><DIV ID='headline' ALIGN='center'><P ID='title'>A &amp; "
                          "<I>B</I></P><SPAN ID='source'>Wire</SPAN>&nbsp;<SPAN "
                          "ID='datetime'>Today</SPAN><HR/></DIV><DIV ID='text'><P>First "
                          "<B>bold</B></P><P>Second</P></DIV></BODY></HTML>");
    QTest::newRow("local page is the text part alone")
        << true << QStringLiteral("<HTML><BODY>Help</BODY></HTML>")
        << QStringLiteral("<HTML><BODY>Help</BODY></HTML>");
}

void tst_ArticleView::documentParts()
{
    QFETCH(bool, localPage);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    ContentScrollView view;
    view.resize(600, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    view.showArticle(QStringLiteral("Stale"), QStringLiteral("Stale"), QStringLiteral("Stale"),
                     QStringLiteral("Stale"), nullptr, nullptr);
    if (localPage)
        view.showPage(text, nullptr, nullptr);
    else
        view.showArticle(QStringLiteral("A &amp; <I>B</I>"), QStringLiteral("Wire"),
                         QStringLiteral("Today"), text, nullptr, nullptr);

    QCOMPARE(view.html(), expected);
    QVERIFY(!view.toPlainText().contains(QStringLiteral("Stale")));
    QVERIFY(!view.toPlainText().contains(QStringLiteral("<B>")));
}

void tst_ArticleView::takesFocus_data()
{
    QTest::addColumn<bool>("localPage");

    QTest::newRow("article") << false;
    QTest::newRow("local page") << true;
}

void tst_ArticleView::takesFocus()
{
    QFETCH(bool, localPage);

    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *other = new QLineEdit(&window);
    auto *view = new ContentScrollView(&window);
    layout->addWidget(other);
    layout->addWidget(view);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QVERIFY(other->hasFocus());

    if (localPage)
        view->showPage(QStringLiteral("<P>Help</P>"), nullptr, nullptr);
    else
        view->showArticle(QStringLiteral("T"), QStringLiteral("S"), QStringLiteral("D"),
                          QStringLiteral("x"), nullptr, nullptr);

    QVERIFY(view->hasFocus());
}

QTEST_MAIN(tst_ArticleView)
#include "tst_articleview.moc"
