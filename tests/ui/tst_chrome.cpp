#include "animationbutton.h"
#include "mediabox.h"
#include "titlebar.h"
#include "uiresources.h"

#include <QtTest>
#include <QtWidgets>

namespace {

void hover(QWidget *widget, bool enter)
{
    QEnterEvent entered(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(widget, enter ? static_cast<QEvent *>(&entered) : &left);
}

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initUiResources(); }

    void titleBar()
    {
        QTemporaryDir dir;
        QImage image(37, 13, QImage::Format_ARGB32);
        image.fill(Qt::red);
        image.setPixel(0, 0, qRgb(0, 0, 255));
        QVERIFY(image.save(dir.filePath("logo.png")));
        // Painted at the origin, unscaled, over a wider bar; a missing image has no size.
        TitleBar bar(dir.filePath("logo.png"));
        bar.resize(100, 40);
        QImage canvas(100, 40, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        bar.render(&canvas, QPoint(), QRegion(), QWidget::DrawChildren);
        QCOMPARE(bar.sizeHint(), QSize(37, 13));
        QCOMPARE(canvas.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(canvas.pixelColor(36, 12), QColor(Qt::red));
        QCOMPARE(canvas.pixelColor(37, 0), QColor(Qt::white));
        QCOMPARE(TitleBar(dir.filePath("absent.png")).sizeHint(), QSize(0, 0));

        // The mouse events reach whoever connects; the event dies with the handler call.
        QStringList seen;
        const auto record = [&seen](const char *name) {
            return [&seen, name](QMouseEvent *event) {
                seen << name + QString::number(event->position().x());
            };
        };
        connect(&bar, &TitleBar::mousePressEvent, this, record("press"));
        connect(&bar, &TitleBar::mouseMoveEvent, this, record("move"));
        connect(&bar, &TitleBar::mouseDoubleClickEvent, this, record("double"));
        QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(7, 3));
        QTest::mouseMove(&bar, QPoint(40, 9));
        QTest::mouseDClick(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(12, 11));
        QCOMPARE(seen.join(' '), "press7 move40 double12");
    }

    void arrowAnimations()
    {
        for (const auto &[arrow, side] :
             {std::pair{"UP", 20}, {"DOWN", 20}, {"LEFT", 25}, {"RIGHT", 25}}) {
            QMovie movie(QString(":/%1ARROW").arg(arrow));
            QVERIFY2(movie.frameCount() > 1, arrow); // one that never changes shows no hover
            QList<int> opaque;
            for (int frame = 0; movie.jumpToFrame(frame); ++frame) {
                const QImage image = movie.currentImage();
                QCOMPARE(image.size(), QSize(side, side));
                opaque << 0;
                for (int i = 0; i < side * side; ++i)
                    opaque.last() += qAlpha(image.pixel(i % side, i / side)) > 127;
            }
            // Frames that are not disposed pile up into a smear of every position.
            QVERIFY2(opaque.first() > 0 &&
                         *std::max_element(opaque.begin(), opaque.end()) <= opaque.first() * 3 / 2,
                     arrow);
        }
    }

    void animationButton()
    {
        AnimationButton button(":/LEFTARROW", 40, 30); // scaled to a size other than the file's
        AnimationButton missing("/nonexistent/absent.gif", 40, 30);
        QStringList seen;
        for (AnimationButton *each : {&button, &missing}) {
            connect(each, &AnimationButton::entered, this, [&seen] { seen << "entered"; });
            connect(each, &AnimationButton::left, this, [&seen] { seen << "left"; });
            connect(each, &AnimationButton::pressed, this, [&seen] { seen << "pressed"; });
            connect(each, &AnimationButton::released, this, [&seen] { seen << "released"; });
        }
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(button.movie()->currentPixmap().size(), QSize(40, 30));
        const QImage still = button.grab().toImage(); // shown before the mouse ever arrives
        QVERIFY(still != missing.grab().toImage());
        hover(&button, true);
        QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        button.fire(); // acts as a press
        QTRY_VERIFY_WITH_TIMEOUT(button.movie()->currentFrameNumber() > 0, 3000);
        QVERIFY(button.grab().toImage() != still);
        hover(&button, false);
        QCOMPARE(button.grab().toImage(), still);
        QTest::qWait(250); // nothing keeps playing behind the rewound frame
        QCOMPARE(button.movie()->currentFrameNumber(), 0);

        // A missing animation still reports, and shows what an empty label does.
        hover(&missing, true);
        missing.fire();
        hover(&missing, false);
        QCOMPARE(seen.join(' '), "entered pressed released pressed left entered pressed left");
        QLabel blank;
        blank.setFixedSize(40, 30);
        QCOMPARE(missing.grab().toImage(), blank.grab().toImage());
    }

    void mediaBox_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QRect>("expected"); // over the area (100, 100, 800 x 600)
        const auto row = [](const char *name, QSize picture, QRect box) {
            QTest::newRow(name) << picture << box;
        };
        row("small picture centred", {200, 100}, {395, 345, 210, 110});
        row("odd difference rounds towards the area's origin", {201, 101}, {394, 344, 211, 111});
        row("larger than the area extends beyond it unscaled", {1000, 900}, {-5, -55, 1010, 910});
        row("null picture gives a 10 x 10 box at the centre", {}, {495, 395, 10, 10});
    }
    void mediaBox()
    {
        QFETCH(QSize, picture);
        QFETCH(QRect, expected);
        QWidget window;
        MediaBox box(&window);
        QPixmap pixmap(picture);
        pixmap.fill(Qt::darkCyan);
        box.showImage(pixmap, QRect(100, 100, 800, 600));
        QCOMPARE(box.geometry(), expected);
        QCOMPARE(box.pictureLabel()->geometry(), QRect(QPoint(5, 5), pixmap.size()));
        box.show(); // a popup that any click closes
        QVERIFY(QTest::qWaitForWindowExposed(&box) && box.windowFlags().testFlag(Qt::Popup));
        QTest::mousePress(box.pictureLabel(), Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
        QTRY_VERIFY(!box.isVisible());
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
