#include "animationbutton.h"
#include "coreresources.h"
#include "mediabox.h"
#include "testkit.h"
#include "titlebar.h"
#include "uiresources.h"

#include <QtTest>
#include <QtWidgets>

using namespace Qt::StringLiterals;

namespace {

void hover(QWidget *widget, bool enter)
{
    QEnterEvent entered(QPointF(2, 2), QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)));
    QEvent left(QEvent::Leave);
    QApplication::sendEvent(widget, enter ? static_cast<QEvent *>(&entered) : &left);
}

// The images the window, the dialogs and the views take from the program's data rather than from
// a literal of their own, with the least size they are shown at.
struct Shipped
{
    const char *names;
    int width, height;
    bool animated;
};
const Shipped shippedGroups[] = {
    {"MIN MAX CLOSE PRINT PDF MESSAGE HELP ABOUT UPGRADE USE ORIGINALCONTENT SITEMAP PAGEMAP "
     "SITESELECTION CONTENTSELECTION CONTENTCONFIG LANGUAGECONFIG PREFERENCECONFIG KEYWORD "
     "NETWORKING WAIT OK ERROR WARNING IDEA",
     32, 32, false},
    {"FLAG_", 16, 12, false},     // one for every interface language
    {"LOGO", 64, 64, false},      // also the desktop icon's source
    {"LOGOTEXT", 100, 40, false}, // the title bar is 40 pixels high
    {"NETREADING", 64, 64, true}, // played at 64 x 64 while the network is busy
    {"UPARROW DOWNARROW", 20, 20, true},
    {"LEFTARROW RIGHTARROW", 25, 25, true},
};

} // namespace

class TestChrome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        initCoreResources();
        initUiResources();
    }

    void titleBar()
    {
        QTemporaryDir dir;
        QImage image(37, 13, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(dir.filePath("logo.png")));
        // Painted whole at the origin, unscaled, over a wider bar; a missing image has no size.
        TitleBar bar(dir.filePath("logo.png"));
        bar.resize(100, 40);
        QCOMPARE(bar.sizeHint(), QSize(37, 13));
        QCOMPARE(bar.grab().toImage().pixelColor(0, 0), QColor(Qt::red));
        QCOMPARE(testkit::countPixels(&bar, Qt::red), 37 * 13);
        QCOMPARE(TitleBar(dir.filePath("absent.png")).sizeHint(), QSize(0, 0));
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
        QTRY_VERIFY(button.movie()->currentFrameNumber() > 0);
        QVERIFY(button.grab().toImage() != still);
        hover(&button, false);
        QCOMPARE(button.grab().toImage(), still);
        // Nothing plays on behind the first frame.
        QCOMPARE(button.movie()->state(), QMovie::NotRunning);
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

    void images_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("minimumSize");
        QTest::addColumn<bool>("animated");
        // The resource names in the string literals of the sources below src/. The flag prefix is
        // completed with every language code; other prefixes (":/translation/ui_") and names
        // built at run time belong to resources built elsewhere.
        QMap<QString, std::pair<QSize, bool>> rows;
        const auto add = [&rows](const QString &name, QSize size, bool animated) {
            const QStringList codes =
                name == u"FLAG_"_s ? testkit::interfaceLanguages() : QStringList{QString()};
            for (const QString &code : codes)
                rows[name + code] = {size, animated};
        };
        static const QRegularExpression literal(QStringLiteral("\":/([^\"\\\\]*)\""));
        QDirIterator it(QStringLiteral(TESSOLIN_SOURCE_DIR "/src"), {u"*.cpp"_s, u"*.h"_s},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            for (const auto &match :
                 literal.globalMatch(QString::fromUtf8(testkit::readAll(it.next())))) {
                const QString name = match.captured(1);
                if (!name.isEmpty() && !name.endsWith(u'/') && !name.contains(u'%') &&
                    (!name.endsWith(u'_') || name == u"FLAG_"_s))
                    add(name, QSize(1, 1), false);
            }
        }
        // The walk itself must find the code's names, or the test checks nothing.
        QVERIFY(rows.contains(u"LOGO"_s) || rows.contains(u"UPARROW"_s));
        for (const Shipped &group : shippedGroups) {
            for (const QString &name : QString(group.names).split(u' '))
                add(name, QSize(group.width, group.height), group.animated);
        }
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            QTest::newRow(qPrintable(it.key())) << it.key() << it->first << it->second;
    }

    // Each name a literal in src/ uses, and each image named in the program's data, exists and
    // decodes as an image of at least its least shown size (the data files of the core library
    // are read as documents, not images).
    void images()
    {
        QFETCH(QString, name);
        QFETCH(QSize, minimumSize);
        QFETCH(bool, animated);
        const QString path = u":/"_s + name;
        QVERIFY2(QFile::exists(path), qPrintable(path + u" is not compiled in"_s));
        if (name.startsWith(u"translation"_s))
            return;
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(path + u": "_s + reader.errorString()));
        QVERIFY2(image.width() >= minimumSize.width() && image.height() >= minimumSize.height(),
                 qPrintable(path + u" is too small"_s));
        // An icon that is fully transparent or one flat colour renders as nothing.
        QSet<QRgb> colours;
        for (int y = 0; y < image.height() && colours.size() < 2; y += 2)
            for (int x = 0; x < image.width() && colours.size() < 2; x += 2)
                colours.insert(image.pixel(x, y));
        QVERIFY2(colours.size() >= 2, qPrintable(path + u" shows nothing"_s));
        // Still icons are what QIcon takes for buttons, menus and lists.
        QVERIFY(!QIcon(path).pixmap(16, 16).isNull());
        QMovie movie(path);
        QList<int> opaque; // pixels of each frame
        for (int frame = 0; animated && movie.jumpToFrame(frame); ++frame) {
            const QImage shown = movie.currentImage();
            opaque << 0;
            for (int i = 0; i < shown.width() * shown.height(); ++i)
                opaque.last() += qAlpha(shown.pixel(i % shown.width(), i / shown.width())) > 127;
        }
        QVERIFY2(!animated || opaque.size() > 1, qPrintable(path + u" does not move"_s));
        // Frames that are not disposed pile up into a smear of every position.
        for (int count : opaque)
            QVERIFY2(count > 0 && count <= opaque.first() * 3 / 2, qPrintable(path));
    }
};

QTEST_MAIN(TestChrome)
#include "tst_chrome.moc"
