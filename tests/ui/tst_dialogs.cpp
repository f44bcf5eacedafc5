#include "configbox.h"
#include "titlebar.h"

#include <QtTest>
#include <QtTest/qtestspontaneevent.h>
#include <QtWidgets>

namespace {

/// A dialog with one control that counts how often it was asked to reload.
class CountingBox : public ConfigBox
{
public:
    CountingBox(bool twoButtons) : ConfigBox(nullptr, QString(), twoButtons)
    {
        content = new QLabel(QStringLiteral("content"), contentFrame());
        content->setMinimumSize(200, 120);
        contentLayout()->addWidget(content);
        resize(400, 260);
    }
    QLabel *content = nullptr;
    int refreshes = 0;

protected:
    void refreshContent() override { ++refreshes; }
};

QRect geometryIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private slots:
    void buttonRow_data()
    {
        QTest::addColumn<bool>("twoButtons");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("one button: centred OK") << false << QStringList{"OK"};
        QTest::newRow("two buttons: Save and Cancel at the right")
            << true << QStringList{"Save", "Cancel"};
    }

    void buttonRow()
    {
        QFETCH(bool, twoButtons);
        QFETCH(QStringList, texts);
        CountingBox box(twoButtons);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));

        QList<QToolButton *> buttons;
        for (QToolButton *button : {box.saveButton(), box.cancelButton(), box.okButton()}) {
            if (button)
                buttons << button;
        }
        QStringList shown;
        for (QToolButton *button : std::as_const(buttons)) {
            shown << button->text();
            QCOMPARE(button->objectName(), "DialogCommonButton");
            QCOMPARE(button->height(), 30);
            // The row sits below the content, never on top of it.
            const QRect content = geometryIn(box.content, &box);
            QVERIFY2(geometryIn(button, &box).top() >= content.bottom(),
                     qPrintable(button->text()));
        }
        QCOMPARE(shown, texts);
        QCOMPARE(box.windowTitle(), "Tessolin Config");

        const QWidget *frame = box.contentFrame();
        const QRect first = geometryIn(buttons.first(), frame);
        const QRect last = geometryIn(buttons.last(), frame);
        const int leftGap = first.left();
        const int rightGap = frame->width() - 1 - last.right();
        if (twoButtons) {
            QVERIFY(first.right() < last.left());
            QVERIFY2(rightGap < 20 && leftGap > frame->width() / 2,
                     qPrintable(QString("%1 %2").arg(leftGap).arg(rightGap)));
        } else {
            QVERIFY2(qAbs(leftGap - rightGap) <= 2,
                     qPrintable(QString("%1 %2").arg(leftGap).arg(rightGap)));
        }

        // The buttons close the dialog with their result.
        QSignalSpy accepted(&box, &QDialog::accepted);
        QSignalSpy rejected(&box, &QDialog::rejected);
        buttons.first()->click();
        QCOMPARE(accepted.size(), 1);
        if (twoButtons) {
            box.show();
            box.cancelButton()->click();
            QCOMPARE(rejected.size(), 1);
        }
    }

    void drag_data()
    {
        QTest::addColumn<int>("bar");
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("moved");
        QTest::newRow("icon bar dragged") << 0 << QPoint(3, 5) << QPoint(23, 12) << QPoint(20, 7);
        QTest::newRow("empty strip dragged up and left")
            << 1 << QPoint(40, 20) << QPoint(10, 2) << QPoint(-30, -18);
        QTest::newRow("press without moving stays")
            << 1 << QPoint(8, 8) << QPoint(8, 8) << QPoint(0, 0);
    }

    void drag()
    {
        QFETCH(int, bar);
        QFETCH(QPoint, press);
        QFETCH(QPoint, to);
        QFETCH(QPoint, moved);
        CountingBox box(true);
        box.move(100, 100);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        const QList<TitleBar *> bars = box.titleStrip()->findChildren<TitleBar *>();
        QCOMPARE(bars.size(), 2);
        const QPoint start = box.pos();
        const QSize size = box.size();
        QTest::mousePress(bars.at(bar), Qt::LeftButton, Qt::NoModifier, press);
        QMouseEvent move(QEvent::MouseMove, QPointF(to), bars.at(bar)->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(bars.at(bar), &move);
        QCOMPARE(box.pos() - start, moved);
        QCOMPARE(box.size(), size);
    }

    void refreshOnEveryShow_data()
    {
        QTest::addColumn<bool>("restoredByWindowSystem");
        QTest::addColumn<int>("refreshes");
        QTest::newRow("shown again by the program reloads") << false << 3;
        // Un-minimising must not throw away what the user has typed so far.
        QTest::newRow("restored by the window system keeps the edits") << true << 2;
    }

    void refreshOnEveryShow()
    {
        QFETCH(bool, restoredByWindowSystem);
        QFETCH(int, refreshes);
        CountingBox box(false);
        QCOMPARE(box.refreshes, 0);
        box.show();
        QCOMPARE(box.refreshes, 1);
        box.okButton()->click();
        QVERIFY(!box.isVisible());
        box.show();
        QCOMPARE(box.refreshes, 2);
        if (restoredByWindowSystem) {
            QShowEvent restored;
            QSpontaneKeyEvent::setSpontaneous(&restored);
            // As the window system delivers it: sendEvent() would clear the flag.
            static_cast<QObject *>(&box)->event(&restored);
        } else {
            box.hide();
            box.show();
        }
        QCOMPARE(box.refreshes, refreshes);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
