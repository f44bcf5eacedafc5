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
#include <QPixmap>
#include <QTemporaryDir>
#include <QtTest>

namespace {

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

QPixmap filled(const QSize &size)
{
    QPixmap pixmap(size.isValid() ? size : QSize());
    pixmap.fill(Qt::darkCyan);
    return pixmap;
}

int opaquePixels(const QImage &image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            count += qAlpha(image.pixel(x, y)) > 127;
    }
    return count;
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initUiResources(); }

    void titleBarReportsMouse()
    {
        TitleBar bar(QString(), nullptr);
        bar.resize(200, 30);
        QStringList seen;
        // The event dies with the handler call, so it is read inside the slot.
        auto watch = [&](auto signal, const char *name) {
            connect(&bar, signal, this, [&seen, name](QMouseEvent *event) {
                seen << QString("%1 %2,%3")
                            .arg(name)
                            .arg(event->position().x())
                            .arg(event->position().y());
            });
        };
        watch(&TitleBar::mousePressEvent, "press");
        watch(&TitleBar::mouseMoveEvent, "move");
        watch(&TitleBar::mouseDoubleClickEvent, "double");
        for (const auto &[type, at] : {std::pair{QEvent::MouseButtonPress, QPoint(7, 3)},
                                       {QEvent::MouseMove, QPoint(40, 9)},
                                       {QEvent::MouseButtonDblClick, QPoint(12, 11)}}) {
            QMouseEvent event(type, QPointF(at), bar.mapToGlobal(QPointF(at)),
                              type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&bar, &event);
        }
        QCOMPARE(seen, QStringList({"press 7,3", "move 40,9", "double 12,11"}));
    }

    void titleBarImage()
    {
        QTemporaryDir dir;
        QImage image(37, 13, QImage::Format_ARGB32);
        image.fill(Qt::red);
        image.setPixel(0, 0, qRgb(0, 0, 255));
        QVERIFY(image.save(dir.filePath("logo.png")));
        const auto render = [](TitleBar &bar) {
            QImage canvas(100, 40, QImage::Format_ARGB32);
            canvas.fill(Qt::white);
            bar.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
            return canvas;
        };

        // Painted at the origin, unscaled, over a wider bar.
        TitleBar bar(dir.filePath("logo.png"), nullptr);
        bar.resize(100, 40);
        QCOMPARE(bar.sizeHint(), QSize(37, 13));
        const QImage shown = render(bar);
        QCOMPARE(shown.pixelColor(0, 0), QColor(0, 0, 255));
        QCOMPARE(shown.pixelColor(36, 12), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(37, 0), QColor(Qt::white));

        TitleBar missing(dir.filePath("absent.png"), nullptr);
        missing.resize(100, 40);
        QCOMPARE(missing.sizeHint(), QSize(0, 0));
        QCOMPARE(render(missing).pixelColor(0, 0), QColor(Qt::white));
    }

    void arrowAnimations_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QSize>("size");
        QTest::newRow("up arrow") << ":/UPARROW" << QSize(20, 20);
        QTest::newRow("down arrow") << ":/DOWNARROW" << QSize(20, 20);
        QTest::newRow("left arrow") << ":/LEFTARROW" << QSize(25, 25);
        QTest::newRow("right arrow") << ":/RIGHTARROW" << QSize(25, 25);
    }

    void arrowAnimations()
    {
        QFETCH(QString, resource);
        QFETCH(QSize, size);
        QMovie movie(resource);
        QVERIFY2(movie.isValid(), qPrintable(movie.lastErrorString()));
        QVERIFY2(movie.frameCount() > 1, "an animation that never changes does not show hover");
        QVERIFY(movie.jumpToFrame(0));
        QCOMPARE(movie.currentImage().size(), size);
        const int firstOpaque = opaquePixels(movie.currentImage());
        QVERIFY(firstOpaque > 0);
        // Frames that are not disposed pile up into a smear of every position.
        for (int frame = 1; frame < movie.frameCount(); ++frame) {
            QVERIFY(movie.jumpToFrame(frame));
            QVERIFY2(opaquePixels(movie.currentImage()) <= firstOpaque * 3 / 2,
                     qPrintable(QString("frame %1 piles up").arg(frame)));
        }
    }

    void buttonSignals_data()
    {
        QTest::addColumn<QString>("resource");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QStringList>("fired");
        const QString arrow = ":/DOWNARROW", absent = "/nonexistent/absent.gif";
        QTest::newRow("enter reports entered") << arrow << "enter" << QStringList{"entered"};
        QTest::newRow("leave reports left") << arrow << "leave" << QStringList{"left"};
        QTest::newRow("press reports pressed only") << arrow << "press" << QStringList{"pressed"};
        QTest::newRow("release reports released only")
            << arrow << "release" << QStringList{"released"};
        QTest::newRow("fire acts as a press") << arrow << "fire" << QStringList{"pressed"};
        QTest::newRow("missing animation still reports")
            << absent << "enter fire leave" << QStringList{"entered", "pressed", "left"};
    }

    void buttonSignals()
    {
        QFETCH(QString, resource);
        QFETCH(QString, actions);
        QFETCH(QStringList, fired);
        AnimationButton button(resource, 20, 20);
        QStringList seen;
        for (const auto &[signal, name] : {std::pair{&AnimationButton::entered, "entered"},
                                           {&AnimationButton::left, "left"},
                                           {&AnimationButton::pressed, "pressed"},
                                           {&AnimationButton::released, "released"}})
            connect(&button, signal, this, [&seen, name = name] { seen << name; });
        for (const QString &action : actions.split(' ')) {
            if (action == "enter")
                sendEnter(&button);
            else if (action == "leave")
                sendLeave(&button);
            else if (action == "press")
                QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            else if (action == "release")
                QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
            else
                button.fire();
        }
        QCOMPARE(seen, fired);
        QCOMPARE(button.size(), QSize(20, 20));
        if (!button.movie()->isValid())
            QCOMPARE(button.grab().toImage(), blankLabel(QSize(20, 20)));
    }

    void hoverLeavesFirstFrame()
    {
        // Scaled to a size other than the file's.
        AnimationButton button(":/LEFTARROW", 40, 30);
        QCOMPARE(button.maximumSize(), QSize(40, 30));
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        // The still first frame shows before the mouse ever arrives.
        QCOMPARE(button.movie()->currentPixmap().size(), QSize(40, 30));
        const QImage still = button.grab().toImage();
        QVERIFY(still != blankLabel(QSize(40, 30)));

        sendEnter(&button);
        QCOMPARE(button.movie()->state(), QMovie::Running);
        QTRY_VERIFY_WITH_TIMEOUT(button.movie()->currentFrameNumber() > 0, 3000);
        QVERIFY(button.grab().toImage() != still);
        sendLeave(&button);
        QCOMPARE(button.movie()->currentFrameNumber(), 0);
        QCOMPARE(button.grab().toImage(), still);
        // Nothing keeps playing behind the rewound frame.
        QTest::qWait(250);
        QCOMPARE(button.movie()->currentFrameNumber(), 0);
    }

    void mediaBoxGeometry_data()
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

    void mediaBoxGeometry()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, area);
        QFETCH(QRect, expected);
        QWidget window;
        MediaBox box(&window);
        QVERIFY(box.windowFlags().testFlag(Qt::Popup));
        const QPixmap pixmap = filled(picture);
        // A second picture replaces the first one in the same label.
        box.showImage(filled(QSize(300, 200)), QRect(0, 0, 1000, 800));
        box.showImage(pixmap, area);
        QCOMPARE(box.geometry(), expected);
        QCOMPARE(box.pictureLabel()->geometry(), QRect(QPoint(5, 5), pixmap.size()));
        QCOMPARE(box.pictureLabel()->pixmap().size(), pixmap.size());
        QCOMPARE(box.findChildren<QLabel *>().size(), 1);
        QVERIFY(!box.isVisible()); // the caller shows it
    }

    void mediaBoxClosesOnClick()
    {
        QWidget window;
        window.resize(400, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        MediaBox box(&window);
        box.showImage(filled(QSize(50, 40)), window.geometry());
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QTest::mousePress(box.pictureLabel(), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
        QTRY_VERIFY(!box.isVisible());
        QVERIFY(window.isVisible());
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
