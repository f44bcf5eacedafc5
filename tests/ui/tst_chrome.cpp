#include "animationbutton.h"
#include "mediabox.h"
#include "titlebar.h"
#include "uiresources.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QMovie>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QPixmap filledPixmap(int width, int height)
{
    if (width <= 0 || height <= 0)
        return QPixmap();
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

void sendEnter(QWidget *widget)
{
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

// What a label of that size shows with nothing in it.
QImage blankLabel(const QSize &size)
{
    QLabel label;
    label.setFixedSize(size);
    return label.grab().toImage();
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 127)
                ++count;
        }
    }
    return count;
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void titleBarEmitsMouseHandlers_data();
    void titleBarEmitsMouseHandlers();
    void titleBarImage_data();
    void titleBarImage();

    void arrowAnimations_data();
    void arrowAnimations();
    void animationButtonConstruction_data();
    void animationButtonConstruction();
    void animationButtonSignals_data();
    void animationButtonSignals();
    void hoverPlaysAndLeavingRewinds();
    void missingAnimationStillReports();

    void mediaBoxGeometry_data();
    void mediaBoxGeometry();
    void mediaBoxReplacesPicture();
    void mediaBoxClosesOnClick();

private:
    QTemporaryDir m_dir;
};

void TestChrome::initTestCase()
{
    initUiResources();
    QVERIFY(m_dir.isValid());
}

void TestChrome::titleBarEmitsMouseHandlers_data()
{
    QTest::addColumn<int>("eventType");
    QTest::addColumn<QPoint>("position");

    QTest::newRow("press reaches connected slots") << int(QEvent::MouseButtonPress) << QPoint(7, 3);
    QTest::newRow("move reaches connected slots") << int(QEvent::MouseMove) << QPoint(40, 9);
    QTest::newRow("double-click reaches connected slots")
        << int(QEvent::MouseButtonDblClick) << QPoint(12, 11);
}

void TestChrome::titleBarEmitsMouseHandlers()
{
    QFETCH(int, eventType);
    QFETCH(QPoint, position);

    TitleBar bar(QString(), nullptr);
    bar.resize(200, 30);
    QList<QPoint> pressed, moved, doubleClicked;
    // The event dies with the handler call, so its position is read inside the slot.
    connect(&bar, &TitleBar::mousePressEvent, this,
            [&](QMouseEvent *event) { pressed.append(event->position().toPoint()); });
    connect(&bar, &TitleBar::mouseMoveEvent, this,
            [&](QMouseEvent *event) { moved.append(event->position().toPoint()); });
    connect(&bar, &TitleBar::mouseDoubleClickEvent, this,
            [&](QMouseEvent *event) { doubleClicked.append(event->position().toPoint()); });

    const Qt::MouseButton button = eventType == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(QEvent::Type(eventType), QPointF(position),
                      bar.mapToGlobal(QPointF(position)), button,
                      eventType == QEvent::MouseMove ? Qt::LeftButton : button, Qt::NoModifier);
    QApplication::sendEvent(&bar, &event);

    const QList<QPoint> expected{position};
    QCOMPARE(pressed, eventType == QEvent::MouseButtonPress ? expected : QList<QPoint>());
    QCOMPARE(moved, eventType == QEvent::MouseMove ? expected : QList<QPoint>());
    QCOMPARE(doubleClicked, eventType == QEvent::MouseButtonDblClick ? expected : QList<QPoint>());
}

void TestChrome::titleBarImage_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("imageSize");
    QTest::addColumn<QSize>("expectedHint");

    QTest::newRow("image sets the hint unscaled") << "logo.png" << QSize(37, 13) << QSize(37, 13);
    QTest::newRow("missing file leaves it blank") << "absent.png" << QSize() << QSize(0, 0);
    QTest::newRow("null path loads nothing") << QString() << QSize() << QSize(0, 0);
}

void TestChrome::titleBarImage()
{
    QFETCH(QString, file);
    QFETCH(QSize, imageSize);
    QFETCH(QSize, expectedHint);

    QString path;
    if (!file.isNull())
        path = m_dir.filePath(file);
    if (imageSize.isValid()) {
        QImage image(imageSize, QImage::Format_ARGB32);
        image.fill(Qt::red);
        image.setPixel(0, 0, qRgb(0, 0, 255));
        QVERIFY(image.save(path));
    }

    TitleBar bar(path, nullptr);
    QCOMPARE(bar.sizeHint(), expectedHint);
    QCOMPARE(bar.image().isNull(), !imageSize.isValid());

    // Painted at the origin, unscaled, over a wider bar.
    bar.resize(100, 40);
    QImage canvas(100, 40, QImage::Format_ARGB32);
    canvas.fill(Qt::white);
    bar.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
    if (imageSize.isValid()) {
        QCOMPARE(canvas.pixelColor(0, 0), QColor(0, 0, 255));
        QCOMPARE(canvas.pixelColor(imageSize.width() - 1, imageSize.height() - 1), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(imageSize.width(), 0), QColor(Qt::white));
    } else {
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::white));
    }
}

void TestChrome::arrowAnimations_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");

    QTest::newRow("up arrow") << ":/UPARROW" << QSize(20, 20);
    QTest::newRow("down arrow") << ":/DOWNARROW" << QSize(20, 20);
    QTest::newRow("left arrow") << ":/LEFTARROW" << QSize(25, 25);
    QTest::newRow("right arrow") << ":/RIGHTARROW" << QSize(25, 25);
}

void TestChrome::arrowAnimations()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);

    QMovie movie(resource);
    QVERIFY2(movie.isValid(), qPrintable(movie.lastErrorString()));
    QVERIFY2(movie.frameCount() > 1, "an animation that never changes does not show hover");
    QVERIFY(movie.jumpToFrame(0));
    const QImage first = movie.currentImage();
    QCOMPARE(first.size(), size);
    const int firstOpaque = opaquePixels(first);
    QVERIFY(firstOpaque > 0);
    // Frames that are not disposed pile up into a smear of every position.
    for (int frame = 1; frame < movie.frameCount(); ++frame) {
        QVERIFY(movie.jumpToFrame(frame));
        QVERIFY2(opaquePixels(movie.currentImage()) <= firstOpaque * 3 / 2,
                 qPrintable(QStringLiteral("frame %1 piles up").arg(frame)));
    }
}

void TestChrome::animationButtonConstruction_data()
{
    QTest::addColumn<QString>("resource");
    QTest::addColumn<QSize>("size");

    QTest::newRow("index arrow at 20") << ":/UPARROW" << QSize(20, 20);
    QTest::newRow("page arrow at 25") << ":/RIGHTARROW" << QSize(25, 25);
    QTest::newRow("scaled to a size other than the file's") << ":/LEFTARROW" << QSize(40, 30);
}

void TestChrome::animationButtonConstruction()
{
    QFETCH(QString, resource);
    QFETCH(QSize, size);

    AnimationButton button(resource, size.width(), size.height());
    QCOMPARE(button.size(), size);
    QCOMPARE(button.minimumSize(), size);
    QCOMPARE(button.maximumSize(), size);
    QVERIFY(button.movie());
    QCOMPARE(button.movie()->parent(), &button);
    QCOMPARE(button.movie()->scaledSize(), size);
    QCOMPARE(button.movie()->state(), QMovie::NotRunning);
    QCOMPARE(button.movie()->currentFrameNumber(), 0);
    QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
    // The still first frame shows before the mouse ever arrives.
    QCOMPARE(button.movie()->currentPixmap().size(), size);
    QVERIFY(button.grab().toImage() != blankLabel(size));
}

void TestChrome::animationButtonSignals_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QList<int>>("counts"); // entered, left, pressed, released
    QTest::addColumn<int>("movieState");

    QTest::newRow("enter reports entered and plays")
        << "enter" << QList<int>{1, 0, 0, 0} << int(QMovie::Running);
    QTest::newRow("leave reports left and stops")
        << "leave" << QList<int>{0, 1, 0, 0} << int(QMovie::NotRunning);
    QTest::newRow("press reports pressed only")
        << "press" << QList<int>{0, 0, 1, 0} << int(QMovie::NotRunning);
    QTest::newRow("release reports released only")
        << "release" << QList<int>{0, 0, 0, 1} << int(QMovie::NotRunning);
    QTest::newRow("fire acts as a press")
        << "fire" << QList<int>{0, 0, 1, 0} << int(QMovie::NotRunning);
}

void TestChrome::animationButtonSignals()
{
    QFETCH(QString, action);
    QFETCH(QList<int>, counts);
    QFETCH(int, movieState);

    AnimationButton button(QStringLiteral(":/DOWNARROW"), 20, 20);
    QSignalSpy entered(&button, &AnimationButton::entered);
    QSignalSpy left(&button, &AnimationButton::left);
    QSignalSpy pressed(&button, &AnimationButton::pressed);
    QSignalSpy released(&button, &AnimationButton::released);

    if (action == QLatin1String("enter"))
        sendEnter(&button);
    else if (action == QLatin1String("leave"))
        sendLeave(&button);
    else if (action == QLatin1String("press"))
        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    else if (action == QLatin1String("release"))
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    else
        button.fire();

    QCOMPARE(QList<int>({int(entered.count()), int(left.count()), int(pressed.count()),
                         int(released.count())}),
             counts);
    QCOMPARE(int(button.movie()->state()), movieState);
}

void TestChrome::hoverPlaysAndLeavingRewinds()
{
    AnimationButton button(QStringLiteral(":/UPARROW"), 20, 20);
    const QImage still = button.grab().toImage();

    sendEnter(&button);
    QTRY_VERIFY_WITH_TIMEOUT(button.movie()->currentFrameNumber() > 0, 3000);
    QVERIFY(button.grab().toImage() != still);

    sendLeave(&button);
    QCOMPARE(button.movie()->state(), QMovie::NotRunning);
    QCOMPARE(button.movie()->currentFrameNumber(), 0);
    QCOMPARE(button.grab().toImage(), still);
    // Nothing keeps playing behind the rewound frame.
    QTest::qWait(250);
    QCOMPARE(button.movie()->currentFrameNumber(), 0);
}

void TestChrome::missingAnimationStillReports()
{
    AnimationButton button(m_dir.filePath(QStringLiteral("absent.gif")), 20, 20);
    QSignalSpy entered(&button, &AnimationButton::entered);
    QSignalSpy left(&button, &AnimationButton::left);
    QSignalSpy pressed(&button, &AnimationButton::pressed);

    QCOMPARE(button.size(), QSize(20, 20));
    sendEnter(&button);
    button.fire();
    sendLeave(&button);
    QCOMPARE(entered.count(), 1);
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(left.count(), 1);
    QVERIFY(button.movie()->currentPixmap().isNull());
    QCOMPARE(button.grab().toImage(), blankLabel(QSize(20, 20)));
}

void TestChrome::mediaBoxGeometry_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("small picture centred")
        << QSize(200, 100) << QRect(100, 50, 800, 600) << QRect(395, 295, 210, 110);
    QTest::newRow("odd difference rounds towards the area's origin")
        << QSize(201, 101) << QRect(0, 0, 800, 600) << QRect(294, 244, 211, 111);
    QTest::newRow("larger than the area extends beyond it unscaled")
        << QSize(1000, 900) << QRect(100, 100, 800, 600) << QRect(-5, -55, 1010, 910);
    QTest::newRow("null picture gives a 10 x 10 box at the centre")
        << QSize() << QRect(100, 100, 800, 600) << QRect(495, 395, 10, 10);
}

void TestChrome::mediaBoxGeometry()
{
    QFETCH(QSize, picture);
    QFETCH(QRect, area);
    QFETCH(QRect, expected);

    QWidget window;
    MediaBox box(&window);
    QVERIFY(box.windowFlags().testFlag(Qt::Popup));
    QCOMPARE(box.contentsMargins(), QMargins(5, 5, 5, 5));

    const QPixmap pixmap = filledPixmap(picture.width(), picture.height());
    box.showImage(pixmap, area);
    QCOMPARE(box.geometry(), expected);

    const QSize shown = pixmap.isNull() ? QSize(0, 0) : picture;
    QCOMPARE(box.pictureLabel()->geometry(), QRect(QPoint(5, 5), shown));
    QCOMPARE(box.pictureLabel()->pixmap().size(), pixmap.size());
    QVERIFY(!box.pictureLabel()->isHidden());
    QVERIFY(!box.isVisible()); // the caller shows it
}

void TestChrome::mediaBoxReplacesPicture()
{
    QWidget window;
    MediaBox box(&window);
    box.showImage(filledPixmap(300, 200), QRect(0, 0, 1000, 800));
    box.showImage(filledPixmap(40, 20), QRect(0, 0, 1000, 800));
    QCOMPARE(box.geometry(), QRect(475, 385, 50, 30));
    QCOMPARE(box.pictureLabel()->geometry(), QRect(5, 5, 40, 20));
    QCOMPARE(box.pictureLabel()->pixmap().size(), QSize(40, 20));
    QCOMPARE(box.findChildren<QLabel *>().size(), 1);
}

void TestChrome::mediaBoxClosesOnClick()
{
    QWidget window;
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    MediaBox box(&window);
    box.showImage(filledPixmap(50, 40), window.geometry());
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QVERIFY(box.isVisible());

    QTest::mousePress(box.pictureLabel(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_VERIFY(!box.isVisible());
    QVERIFY(window.isVisible());
}

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
