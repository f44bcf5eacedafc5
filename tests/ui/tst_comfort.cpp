#include "contentscrollview.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "testkit.h"
#include "textscale.h"
#include "viewtheme.h"

#include <QtTest>
#include <QtWidgets>

namespace {

struct SheetRow
{
    const char *name, *sheet;
    int percent;
    const char *expected;
};

const SheetRow sheetRows[] = {
    {"points grow", "#text { font-size: 11pt; color: red; }", 150,
     "#text { font-size: 16.5pt; color: red; }"},
    {"pixels stay whole", "p{font-size:13px}", 120, "p{font-size:16px}"},
    {"every size, picture rules untouched", "a{font-size: 10pt} img{width: 120px; margin: 4px}", 80,
     "a{font-size: 8pt} img{width: 120px; margin: 4px}"},
    {"100 % leaves the sheet alone", "x{font-size: 9.5pt}", 100, "x{font-size: 9.5pt}"},
    {"named sizes are left alone", "x{font-size: large}", 200, "x{font-size: large}"},
};

struct KeyRow
{
    const char *name;
    int start, key;
    Qt::KeyboardModifiers modifiers;
    int expected;
    bool handled;
};

const KeyRow keyRows[] = {
    {"ctrl plus grows a step", 100, Qt::Key_Plus, Qt::ControlModifier, 110, true},
    {"ctrl equal grows like plus", 100, Qt::Key_Equal, Qt::ControlModifier, 110, true},
    {"ctrl minus shrinks a step", 100, Qt::Key_Minus, Qt::ControlModifier, 90, true},
    {"no smaller than 80", 80, Qt::Key_Minus, Qt::ControlModifier, 80, true},
    {"no larger than 200", 200, Qt::Key_Plus, Qt::ControlModifier | Qt::KeypadModifier, 200, true},
    {"ctrl 0 resets", 170, Qt::Key_0, Qt::ControlModifier, 100, true},
    {"plus alone is no size key", 100, Qt::Key_Plus, Qt::NoModifier, 100, false},
};

// WCAG 2 contrast of two colours: (L1 + 0.05) / (L2 + 0.05) of their relative luminances.
double contrast(const QColor &a, const QColor &b)
{
    const auto luminance = [](const QColor &colour) {
        const auto channel = [](double c) {
            return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
               0.0722 * channel(colour.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct ContrastRow
{
    const char *name;
    QColor ThemeColours::*foreground, ThemeColours::*background;
};

const ContrastRow contrastRows[] = {
    {"unread headline on the list", &ThemeColours::unread, &ThemeColours::indexBackground},
    {"read headline on the list", &ThemeColours::read, &ThemeColours::indexBackground},
    {"site entry and heading on the list", &ThemeColours::plain, &ThemeColours::indexBackground},
    {"current entry stands out of the list", &ThemeColours::currentBackground,
     &ThemeColours::indexBackground},
    {"current unread entry", &ThemeColours::currentText, &ThemeColours::currentBackground},
    {"current read headline", &ThemeColours::currentRead, &ThemeColours::currentBackground},
    {"current heading", &ThemeColours::plain, &ThemeColours::groupBackground},
    {"muted current unread", &ThemeColours::unread, &ThemeColours::mutedBackground},
    {"muted current read", &ThemeColours::read, &ThemeColours::mutedBackground},
};

} // namespace

/// Text size and theme contrast.
class TestComfort : public QObject
{
    Q_OBJECT
    testkit::IsolatedSettings m_settings;

private slots:
    void scalesSheets_data() { testkit::rows(sheetRows); }
    void scalesSheets()
    {
        const SheetRow &row = testkit::current(sheetRows);
        QCOMPARE(TextScale::scaleSheet(QString::fromLatin1(row.sheet), row.percent),
                 QString::fromLatin1(row.expected));
    }

    void sizeKeys_data() { testkit::rows(keyRows); }
    void sizeKeys()
    {
        const KeyRow &row = testkit::current(keyRows);
        TextScale *scale = TextScale::instance();
        scale->setPercent(row.start);
        QKeyEvent event(QEvent::KeyPress, row.key, row.modifiers);
        QCOMPARE(scale->handleKey(&event), row.handled);
        QCOMPARE(scale->percent(), row.expected);
        // Remembered for the next start.
        QCOMPARE(QSettings().value("view/textScale").toInt(), row.expected);
    }

    /// Ctrl with the wheel or a key in either view rescales both views' sheets at once.
    void viewsFollowTheSize()
    {
        TextScale::instance()->setPercent(100);
        QWidget host;
        auto *index = new IndexScrollView(&host);
        index->setGeometry(0, 0, 200, 200);
        auto *article = new ContentScrollView(&host);
        article->setGeometry(200, 0, 300, 200);
        index->setStyleSheet("IndexItem { font-size: 10pt; }");
        article->document()->setDefaultStyleSheet("#text { font-size: 12pt; }");
        article->showPage("<p>Text</p>", nullptr, nullptr);
        host.show();
        QWheelEvent wheel(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(index, &wheel);
        QCOMPARE(TextScale::instance()->percent(), 110);
        QCOMPARE(index->styleSheet(), "IndexItem { font-size: 11pt; }");
        QCOMPARE(article->document()->defaultStyleSheet(), "#text { font-size: 13.2pt; }");
        QTest::keyClick(article, Qt::Key_0, Qt::ControlModifier);
        QCOMPARE(index->styleSheet(), "IndexItem { font-size: 10pt; }");
        QCOMPARE(article->document()->defaultStyleSheet(), "#text { font-size: 12pt; }");
        // A new sheet from the owner is taken at the size in force.
        TextScale::instance()->setPercent(200);
        index->setStyleSheet("IndexItem { font-size: 9pt; }");
        QCOMPARE(index->styleSheet(), "IndexItem { font-size: 18pt; }");
        TextScale::instance()->setPercent(100);
    }

    void themeContrast_data() { testkit::rows(contrastRows); }
    /// Every state of an entry reads at 4.5:1 at least, in both themes, against the backgrounds
    /// the skins paint.
    void themeContrast()
    {
        const ContrastRow &r = testkit::current(contrastRows);
        for (const bool dark : {false, true}) {
            const ThemeColours &c = ViewTheme::coloursOf(dark);
            const double ratio = contrast(c.*r.foreground, c.*r.background);
            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1: %2").arg(c.skin).arg(ratio, 0, 'f', 2)));
            // The skin's index panels are painted in the colour the ratios assume.
            const QString sheet = QString::fromUtf8(testkit::readAll(
                testkit::sourcePath("data/skin/%1/ui.css").arg(QString::fromLatin1(c.skin))));
            const QRegularExpression panel(
                "#PageIndexPanel \\{\\s*background-color: (#[0-9a-f]{6})");
            QCOMPARE(panel.match(sheet).captured(1), c.indexBackground.name());
        }
    }
};

QTEST_MAIN(TestComfort)
#include "tst_comfort.moc"
