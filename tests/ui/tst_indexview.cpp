#include "animationbutton.h"
#include "clelement.h"
#include "clobject.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "uiresources.h"

#include <QApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QStandardPaths>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

constexpr int ViewWidth = 200;

CLI18n *names(const QString &original, const QHash<QString, QString> &displays)
{
    auto *record = new CLI18n;
    record->original = original;
    record->displays = displays;
    return record;
}

/// An index view of `count` entries of equal height, shown in a host window,
/// wired as the main window wires it.
class ListFixture
{
public:
    ListFixture(int count, int entryHeight, int viewHeight) : m_entryHeight(entryHeight)
    {
        host.resize(ViewWidth, viewHeight);
        view = new IndexScrollView(&host);
        view->setGeometry(0, 0, ViewWidth, viewHeight);
        for (int i = 0; i < count; ++i) {
            auto *item = new IndexItem(view, IndexItem::Unvisited, IndexItem::Normal,
                                       IndexItem::Headline, nullptr, QStringLiteral("en"));
            item->names()->displays.insert(QStringLiteral("en"), QStringLiteral("entry %1").arg(i));
            item->setLanguage(QStringLiteral("en"));
            item->setGeometry(0, i * entryHeight, ViewWidth, entryHeight);
            QObject::connect(item, &IndexItem::stateChanged, view,
                             &IndexScrollView::itemStateChanged);
            entries.append(item);
        }
        host.show();
    }

    bool exposed() { return QTest::qWaitForWindowExposed(&host); }

    /// Places the list so that its first entry's top is at `top`.
    void scrollTo(int top)
    {
        for (int i = 0; i < entries.size(); ++i)
            entries.at(i)->move(0, top + i * m_entryHeight);
    }

    void makeCurrent(int index)
    {
        if (index >= 0)
            view->setCurrentItem(entries.at(index));
    }

    int top() const { return entries.isEmpty() ? 0 : entries.first()->y(); }
    int currentIndex() const { return int(entries.indexOf(view->currentItem())); }
    int currentCount() const
    {
        int count = 0;
        for (const IndexItem *item : entries)
            count += item->currentState() == IndexItem::Current ? 1 : 0;
        return count;
    }

    QWidget host;
    IndexScrollView *view = nullptr;
    QList<IndexItem *> entries;

private:
    int m_entryHeight;
};

int lastScrolled(const QSignalSpy &spy)
{
    return spy.isEmpty() ? -1 : spy.last().at(0).toInt();
}

void sendWheel(QWidget *widget, const QPoint &position, int delta)
{
    QWheelEvent event(QPointF(position), widget->mapToGlobal(QPointF(position)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &event);
}

void sendMove(QWidget *widget, const QPoint &position)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(position), widget->mapToGlobal(QPointF(position)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
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

/// A site model and one index tree over it: root (page), a group with
/// localised names, a group without, and headlines.
struct TreeFixture
{
    TreeFixture()
    {
        site.id = QStringLiteral("daily");
        auto *pageDefinition = new CLPage;
        pageDefinition->name = QStringLiteral("front");
        pageDefinition->i18n =
            names(QStringLiteral("en"), {{QStringLiteral("en"), QStringLiteral("Front page")},
                                         {QStringLiteral("fr"), QStringLiteral("Une")}});
        addPage(&site, pageDefinition);
        page = pageDefinition;
        auto *track = new CLTrack;
        addTrack(pageDefinition, track);
        named = new CLTopic;
        named->i18n =
            names(QStringLiteral("en"), {{QStringLiteral("en"), QStringLiteral("World")},
                                         {QStringLiteral("fr"), QStringLiteral("Monde")}});
        addTopic(track, named);
        unnamed = new CLTopic;
        addTopic(track, unnamed);

        root.reset(
            new CLElement(IndexPage, QStringLiteral("en"), page, new CLData(page->name), nullptr));
        worldGroup = new CLElement(IndexGroup1, QStringLiteral("en"), named,
                                   new CLData(QStringLiteral("world")), root.get());
        headline = new CLElement(IndexEntry1, QStringLiteral("en"), nullptr,
                                 new CLURLData(QStringLiteral("http://daily.example/a1"),
                                               QStringLiteral("Storm <b>ahead</b>"), URLHtml),
                                 worldGroup);
        localHeadline =
            new CLElement(IndexEntry1, QStringLiteral("en"), nullptr,
                          new CLURLData(QStringLiteral("FILE:///doc/help/en/index.html"),
                                        QStringLiteral("Help"), URLHtml),
                          worldGroup);
        auto *bare = new CLURLData(QStringLiteral("http://daily.example/bare"), QString(), URLHtml);
        bare->title = QString();
        untitled = new CLElement(IndexEntry1, QStringLiteral("en"), nullptr, bare, worldGroup);
        otherGroup = new CLElement(IndexGroup1, QStringLiteral("en"), unnamed,
                                   new CLData(QStringLiteral("other")), root.get());
        looseHeadline = new CLElement(IndexEntry1, QStringLiteral("en"), nullptr,
                                      new CLURLData(QStringLiteral("http://daily.example/loose"),
                                                    QStringLiteral("Loose"), URLHtml),
                                      root.get());
    }

    CLSite site;
    CLPage *page = nullptr;
    CLTopic *named = nullptr;
    CLTopic *unnamed = nullptr;
    std::unique_ptr<CLElement> root;
    CLElement *worldGroup = nullptr;
    CLElement *headline = nullptr;
    CLElement *localHeadline = nullptr;
    CLElement *untitled = nullptr;
    CLElement *otherGroup = nullptr;
    CLElement *looseHeadline = nullptr;
};

void setPageStyles(IndexScrollView *view)
{
    view->setItemStyle(IndexItem::Unvisited, IndexItem::Current, IndexItem::Headline,
                       QStringLiteral("color: white;"));
    view->setItemStyle(IndexItem::Unvisited, IndexItem::Normal, IndexItem::Headline,
                       QStringLiteral("color: blue;"));
    view->setItemStyle(IndexItem::Unvisited, IndexItem::Current, IndexItem::Group,
                       QStringLiteral("background-color: silver;"));
    view->setItemStyle(IndexItem::Unvisited, IndexItem::Normal, IndexItem::Group,
                       QStringLiteral("font-weight: bold;"));
    view->setItemStyle(IndexItem::Visited, IndexItem::Current, IndexItem::Headline,
                       QStringLiteral("color: darkred; background-color: magenta;"));
    view->setItemStyle(IndexItem::Visited, IndexItem::Normal, IndexItem::Headline,
                       QStringLiteral("color: darkred;"));
}

} // namespace

class TestIndexView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void scrollContent_data();
    void scrollContent();
    void moveCurrent_data();
    void moveCurrent();
    void keys_data();
    void keys();
    void keySignals_data();
    void keySignals();
    void endThenHomeReturnsToTop();
    void nothingToActOn_data();
    void nothingToActOn();
    void wheel_data();
    void wheel();
    void arrowScrolling_data();
    void arrowScrolling();
    void holdingDownArrowSteps();
    void mouseOverEntriesAndView();
    void resize_data();
    void resize();

    void styleTable_data();
    void styleTable();
    void entryStyleFollowsState();
    void setCurrentItem();

    void pageEntries_data();
    void pageEntries();
    void activation_data();
    void activation();
    void setLanguage_data();
    void setLanguage();
    void headlineInterface();

    void siteEntries_data();
    void siteEntries();
    void switchLocaleDirection_data();
    void switchLocaleDirection();
    void switchLocaleLeavesHeadlines();
};

void TestIndexView::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("TessolinTest"));
    QCoreApplication::setApplicationName(QStringLiteral("tst_indexview"));
    qRegisterMetaType<CLTopic *>();
    initUiResources();
}

void TestIndexView::scrollContent_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("dy");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedScrolled");

    // Entries of 20 pixels in a view of 100.
    QTest::newRow("down moves by dy") << 10 << 0 << -30 << -30 << 50;
    QTest::newRow("down stops once the bottom is in view") << 10 << -100 << -10 << -100 << 100;
    QTest::newRow("down goes on while the bottom is one pixel out")
        << 10 << -99 << -10 << -109 << 99;
    QTest::newRow("down in a short list only reports the end") << 3 << 0 << -20 << 0 << 100;
    QTest::newRow("up at the top only reports the start") << 10 << 0 << 20 << 0 << 0;
    QTest::newRow("up stops exactly at the top") << 10 << -15 << 20 << 0 << 57;
    QTest::newRow("up moves by dy") << 10 << -60 << 20 << -40 << 80;
    QTest::newRow("zero reports the position") << 10 << -50 << 0 << -50 << 75;
}

void TestIndexView::scrollContent()
{
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(int, dy);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedScrolled);

    ListFixture list(count, 20, 100);
    QVERIFY(list.exposed());
    list.scrollTo(top);
    QSignalSpy scrolled(list.view, &IndexScrollView::scrolled);

    list.view->scrollContent(dy);
    QCOMPARE(list.top(), expectedTop);
    QCOMPARE(scrolled.count(), 1);
    QCOMPARE(lastScrolled(scrolled), expectedScrolled);
    for (int i = 1; i < count; ++i)
        QCOMPARE(list.entries.at(i)->y(), expectedTop + 20 * i);
    // The arrows keep their corners while the content moves.
    QCOMPARE(list.view->upArrow()->pos(), QPoint(ViewWidth - 20, 0));
    QCOMPARE(list.view->downArrow()->pos(), QPoint(ViewWidth - 20, 80));
}

void TestIndexView::moveCurrent_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedScrolled"); // -1: none

    QTest::newRow("no current entry takes the first") << 10 << 0 << -1 << 3 << 0 << 0 << -1;
    QTest::newRow("down within the view does not scroll") << 10 << 0 << 0 << 1 << 1 << 0 << -1;
    QTest::newRow("several at once") << 10 << 0 << 0 << 3 << 3 << 0 << -1;
    QTest::newRow("down past the bottom scrolls one entry") << 10 << 0 << 4 << 1 << 5 << -20 << 50;
    QTest::newRow("up past the top scrolls one entry back") << 10 << -20 << 1 << -1 << 0 << 0 << 60;
    QTest::newRow("before the first reports the start") << 10 << 0 << 0 << -1 << 0 << 0 << 0;
    QTest::newRow("after the last reports the end") << 10 << -100 << 9 << 1 << 9 << -100 << 100;
    QTest::newRow("down in a short list") << 3 << 0 << 1 << 1 << 2 << 0 << -1;
    QTest::newRow("after the last of a short list reports the end")
        << 3 << 0 << 2 << 1 << 2 << 0 << 100;
}

void TestIndexView::moveCurrent()
{
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(int, current);
    QFETCH(int, delta);
    QFETCH(int, expectedCurrent);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedScrolled);

    ListFixture list(count, 20, 100);
    QVERIFY(list.exposed());
    list.scrollTo(top);
    list.makeCurrent(current);
    QSignalSpy scrolled(list.view, &IndexScrollView::scrolled);

    list.view->moveCurrent(delta);
    QCOMPARE(list.currentIndex(), expectedCurrent);
    QCOMPARE(list.currentCount(), 1);
    QCOMPARE(list.top(), expectedTop);
    QCOMPARE(lastScrolled(scrolled), expectedScrolled);
}

void TestIndexView::keys_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("entryHeight");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<int>("expectedTop");

    // A view 100 pixels high.
    QTest::newRow("Down moves one entry") << 10 << 20 << 0 << 2 << int(Qt::Key_Down) << 3 << 0;
    QTest::newRow("Up moves one entry back") << 10 << 20 << 0 << 2 << int(Qt::Key_Up) << 1 << 0;
    QTest::newRow("Down in a short list still moves")
        << 3 << 20 << 0 << 0 << int(Qt::Key_Down) << 1 << 0;
    QTest::newRow("Home scrolls the first entry back to the top")
        << 10 << 20 << -60 << 7 << int(Qt::Key_Home) << 0 << 0;
    QTest::newRow("Home at the top only moves the current entry")
        << 10 << 20 << 0 << 3 << int(Qt::Key_Home) << 0 << 0;
    QTest::newRow("End puts the last entry at the bottom")
        << 10 << 20 << 0 << 0 << int(Qt::Key_End) << 9 << -100;
    QTest::newRow("End in a short list does not scroll")
        << 3 << 20 << 0 << 0 << int(Qt::Key_End) << 2 << 0;
    QTest::newRow("Page Down brings the entry at the bottom edge to the top")
        << 10 << 20 << 0 << 0 << int(Qt::Key_PageDown) << 4 << -80;
    QTest::newRow("Page Down onto a cut-off entry")
        << 10 << 30 << 0 << 0 << int(Qt::Key_PageDown) << 3 << -90;
    QTest::newRow("Page Down stops short of the last entry")
        << 5 << 20 << 0 << 1 << int(Qt::Key_PageDown) << 1 << 0;
    QTest::newRow("Page Down with nothing at the bottom edge")
        << 3 << 20 << 0 << 1 << int(Qt::Key_PageDown) << 1 << 0;
    QTest::newRow("Page Up moves the top entry to the bottom")
        << 10 << 20 << -100 << 9 << int(Qt::Key_PageUp) << 1 << -20;
    QTest::newRow("Page Up shows a cut-off top entry's successor whole")
        << 10 << 30 << -150 << 9 << int(Qt::Key_PageUp) << 3 << -90;
    QTest::newRow("Page Up near the top stops at the first entry")
        << 10 << 20 << -40 << 5 << int(Qt::Key_PageUp) << 0 << 0;
    QTest::newRow("Page Up on the first entry does nothing")
        << 10 << 20 << 0 << 3 << int(Qt::Key_PageUp) << 3 << 0;
}

void TestIndexView::keys()
{
    QFETCH(int, count);
    QFETCH(int, entryHeight);
    QFETCH(int, top);
    QFETCH(int, current);
    QFETCH(int, key);
    QFETCH(int, expectedCurrent);
    QFETCH(int, expectedTop);

    ListFixture list(count, entryHeight, 100);
    QVERIFY(list.exposed());
    list.scrollTo(top);
    list.makeCurrent(current);

    QTest::keyClick(list.view, Qt::Key(key));
    QCOMPARE(list.currentIndex(), expectedCurrent);
    QCOMPARE(list.currentCount(), 1);
    QCOMPARE(list.top(), expectedTop);
}

void TestIndexView::keySignals_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("exits");
    QTest::addColumn<int>("translations");
    QTest::addColumn<int>("activations");

    QTest::newRow("Left leaves the index") << int(Qt::Key_Left) << 1 << 0 << 0;
    QTest::newRow("T switches the translation") << int(Qt::Key_T) << 0 << 1 << 0;
    QTest::newRow("Space opens the current entry") << int(Qt::Key_Space) << 0 << 0 << 1;
    QTest::newRow("Right opens the current entry") << int(Qt::Key_Right) << 0 << 0 << 1;
    QTest::newRow("Other keys do nothing") << int(Qt::Key_X) << 0 << 0 << 0;
}

void TestIndexView::keySignals()
{
    QFETCH(int, key);
    QFETCH(int, exits);
    QFETCH(int, translations);
    QFETCH(int, activations);

    TreeFixture tree;
    QWidget host;
    auto *view = new IndexScrollView(&host);
    view->setGeometry(0, 0, ViewWidth, 100);
    auto *entry = new PageIndexItem(view, tree.headline, tree.named);
    entry->setGeometry(0, 0, ViewWidth, 20);
    view->setCurrentItem(entry);
    QSignalSpy exit(view, &IndexScrollView::exitIndexView);
    QSignalSpy translate(view, &IndexScrollView::swtichTranslation);
    QSignalSpy opened(entry, &PageIndexItem::requestArticlePage);

    QTest::keyClick(view, Qt::Key(key));
    QCOMPARE(exit.count(), exits);
    QCOMPARE(translate.count(), translations);
    QCOMPARE(opened.count(), activations);
}

void TestIndexView::endThenHomeReturnsToTop()
{
    ListFixture list(12, 20, 100);
    QVERIFY(list.exposed());
    list.makeCurrent(0);
    QTest::keyClick(list.view, Qt::Key_End);
    QCOMPARE(list.currentIndex(), 11);
    QCOMPARE(list.entries.last()->geometry().bottom(), 99);
    QTest::keyClick(list.view, Qt::Key_Home);
    QCOMPARE(list.currentIndex(), 0);
    QCOMPARE(list.top(), 0);
    QCOMPARE(list.currentCount(), 1);
}

void TestIndexView::nothingToActOn_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("input");

    const QStringList inputs{"Down",   "Up",    "Home",       "End",      "PageDown",
                             "PageUp", "Space", "wheel down", "wheel up", "arrow"};
    for (const QString &input : inputs) {
        QTest::addRow("%s with no entries", qPrintable(input)) << 0 << input;
        if (input.startsWith(QLatin1String("wheel")) || input == QLatin1String("Space"))
            QTest::addRow("%s with no current entry", qPrintable(input)) << 10 << input;
    }
}

void TestIndexView::nothingToActOn()
{
    QFETCH(int, count);
    QFETCH(QString, input);

    ListFixture list(count, 20, 100);
    QVERIFY(list.exposed());
    list.scrollTo(-40);
    QSignalSpy scrolled(list.view, &IndexScrollView::scrolled);

    static const QHash<QString, Qt::Key> keys{
        {"Down", Qt::Key_Down},         {"Up", Qt::Key_Up},
        {"Home", Qt::Key_Home},         {"End", Qt::Key_End},
        {"PageDown", Qt::Key_PageDown}, {"PageUp", Qt::Key_PageUp},
        {"Space", Qt::Key_Space}};
    if (keys.contains(input))
        QTest::keyClick(list.view, keys.value(input));
    else if (input == QLatin1String("wheel down"))
        sendWheel(list.view, QPoint(10, 50), -120);
    else if (input == QLatin1String("wheel up"))
        sendWheel(list.view, QPoint(10, 50), 120);
    else
        list.view->scrollDnTimerFast();

    QCOMPARE(list.view->currentItem(), nullptr);
    QCOMPARE(list.top(), count ? -40 : 0);
    QCOMPARE(scrolled.count(), 0);
}

void TestIndexView::wheel_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("mouseY");
    QTest::addColumn<int>("expectedCurrent");
    QTest::addColumn<int>("expectedTop");
    QTest::addColumn<int>("expectedScrolled");

    QTest::newRow("towards the user moves the content up one entry")
        << 10 << 0 << 2 << -120 << 50 << 3 << -20 << 50;
    QTest::newRow("away from the user moves the content down one entry")
        << 10 << -60 << 5 << 120 << 50 << 4 << -40 << 80;
    QTest::newRow("away at the top only reports the start")
        << 10 << 0 << 2 << 120 << 50 << 2 << 0 << 0;
    QTest::newRow("towards the user on the last entry does nothing")
        << 10 << -100 << 9 << -120 << 50 << 9 << -100 << -1;
    QTest::newRow("short list reports the end and follows the mouse")
        << 3 << 0 << 0 << -120 << 45 << 2 << 0 << 100;
    QTest::newRow("mouse over no entry keeps the current one")
        << 3 << 0 << 1 << -120 << 90 << 1 << 0 << 100;
}

void TestIndexView::wheel()
{
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(int, current);
    QFETCH(int, delta);
    QFETCH(int, mouseY);
    QFETCH(int, expectedCurrent);
    QFETCH(int, expectedTop);
    QFETCH(int, expectedScrolled);

    ListFixture list(count, 20, 100);
    QVERIFY(list.exposed());
    list.scrollTo(top);
    list.makeCurrent(current);
    QSignalSpy scrolled(list.view, &IndexScrollView::scrolled);

    sendWheel(list.view, QPoint(10, mouseY), delta);
    QCOMPARE(list.currentIndex(), expectedCurrent);
    QCOMPARE(list.currentCount(), 1);
    QCOMPARE(list.top(), expectedTop);
    QCOMPARE(lastScrolled(scrolled), expectedScrolled);
}

void TestIndexView::arrowScrolling_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("arrow");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("interval"); // 0: stopped
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("fast");
    QTest::addColumn<int>("currentAfterEvents");
    QTest::addColumn<int>("currentAfterTick");
    QTest::addColumn<int>("topAfterTick");

    // Twenty entries of 20 pixels in a view of 100.
    QTest::newRow("resting on the down arrow moves once, then glides")
        << 20 << -100 << 7 << "down" << QStringList{"enter"} << 70 << 1 << false << 8 << 8 << -102;
    QTest::newRow("resting on the up arrow moves once, then glides")
        << 20 << -100 << 7 << "up" << QStringList{"enter"} << 70 << -1 << false << 6 << 6 << -98;
    QTest::newRow("pressing the down arrow steps every tick")
        << 20 << -100 << 7 << "down" << QStringList{"enter", "press"} << 100 << 1 << true << 9 << 10
        << -120;
    QTest::newRow("pressing the up arrow steps every tick")
        << 20 << -100 << 7 << "up" << QStringList{"enter", "press"} << 100 << -1 << true << 5 << 4
        << -80;
    QTest::newRow("releasing returns to gliding")
        << 20 << -100 << 7 << "down" << QStringList{"enter", "press", "release"} << 70 << 1 << false
        << 10 << 10 << -122;
    QTest::newRow("leaving stops") << 20 << -100 << 7 << "down" << QStringList{"enter", "leave"}
                                   << 0 << 0 << false << 8 << 8 << -100;
    QTest::newRow("gliding down stops at the last entry")
        << 20 << -300 << 18 << "down" << QStringList{"enter"} << 70 << 1 << false << 19 << 19
        << -300;
    QTest::newRow("gliding up stops at the top")
        << 20 << -1 << 2 << "up" << QStringList{"enter"} << 70 << -1 << false << 1 << 1 << 0;
}

void TestIndexView::arrowScrolling()
{
    QFETCH(int, count);
    QFETCH(int, top);
    QFETCH(int, current);
    QFETCH(QString, arrow);
    QFETCH(QStringList, events);
    QFETCH(int, interval);
    QFETCH(int, step);
    QFETCH(bool, fast);
    QFETCH(int, currentAfterEvents);
    QFETCH(int, currentAfterTick);
    QFETCH(int, topAfterTick);

    ListFixture list(count, 20, 100);
    QVERIFY(list.exposed());
    list.scrollTo(top);
    list.makeCurrent(current);
    AnimationButton *button =
        arrow == QLatin1String("up") ? list.view->upArrow() : list.view->downArrow();

    for (const QString &event : events) {
        if (event == QLatin1String("enter"))
            sendEnter(button);
        else if (event == QLatin1String("leave"))
            sendLeave(button);
        else if (event == QLatin1String("press"))
            QTest::mousePress(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        else
            QTest::mouseRelease(button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    }
    QCOMPARE(list.currentIndex(), currentAfterEvents);
    QTimer *timer = list.view->scrollTimer();
    QCOMPARE(timer->isActive(), interval > 0);
    if (interval > 0)
        QCOMPARE(timer->interval(), interval);
    QCOMPARE(list.view->scrollStep(), step);
    if (interval > 0)
        QCOMPARE(list.view->isFastScrolling(), fast);

    // One tick, driven by hand so the result does not depend on the machine's speed.
    const int topBefore = list.top();
    if (interval > 0)
        list.view->scrollTimerEvent();
    else
        QCOMPARE(list.top(), topBefore);
    timer->stop();
    QCOMPARE(list.currentIndex(), currentAfterTick);
    QCOMPARE(list.top(), topAfterTick);
    QCOMPARE(list.currentCount(), 1);
}

void TestIndexView::holdingDownArrowSteps()
{
    ListFixture list(20, 20, 100);
    QVERIFY(list.exposed());
    list.makeCurrent(3);
    AnimationButton *down = list.view->downArrow();

    sendEnter(down);
    QTest::mousePress(down, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(list.currentIndex(), 5);
    // Every 100 ms the current entry steps on and is scrolled into view.
    QTRY_VERIFY_WITH_TIMEOUT(list.currentIndex() >= 8, 5000);
    QTest::mouseRelease(down, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    sendLeave(down);
    QVERIFY(!list.view->scrollTimer()->isActive());
    const IndexItem *current = list.view->currentItem();
    QVERIFY(current->y() >= 0);
    QVERIFY(current->geometry().bottom() <= 99);
}

void TestIndexView::mouseOverEntriesAndView()
{
    ListFixture list(3, 20, 100);
    QVERIFY(list.exposed());
    list.makeCurrent(0);

    // The entry under the mouse becomes current.
    sendMove(list.entries.at(2), QPoint(5, 5));
    QCOMPARE(list.currentIndex(), 2);
    QCOMPARE(list.currentCount(), 1);

    // Over the view's own area the current entry is dropped, unless the arrows are scrolling.
    list.view->scrollDnTimerSlow();
    sendMove(list.view, QPoint(5, 90));
    QVERIFY(list.view->currentItem());
    list.view->scrollTimerStop();

    QApplication::setActiveWindow(&list.host);
    sendMove(list.view, QPoint(5, 90));
    QCOMPARE(list.view->currentItem(), nullptr);
    QCOMPARE(list.currentCount(), 0);
    if (QTest::qWaitForWindowActive(&list.host))
        QTRY_VERIFY(list.view->hasFocus());
}

void TestIndexView::resize_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("current");
    QTest::addColumn<QSize>("from");
    QTest::addColumn<QSize>("to");
    QTest::addColumn<bool>("arrowsShown");
    QTest::addColumn<int>("expectedCurrent");

    // Entries of 20 pixels.
    QTest::newRow("growing past the list hides the arrows")
        << 4 << 0 << QSize(200, 60) << QSize(200, 100) << false << 0;
    QTest::newRow("a list exactly as high as the view keeps the arrows")
        << 5 << 0 << QSize(200, 60) << QSize(200, 100) << true << 0;
    QTest::newRow("shrinking below the list shows the arrows")
        << 4 << 0 << QSize(200, 100) << QSize(200, 60) << true << 0;
    QTest::newRow("a wider view stretches the entries")
        << 4 << 1 << QSize(200, 100) << QSize(320, 100) << false << 1;
    QTest::newRow("current entry cut off moves to the entry at the new bottom")
        << 10 << 4 << QSize(200, 100) << QSize(200, 80) << true << 3;
    QTest::newRow("entry at the new bottom cut off gives way to the one above")
        << 10 << 4 << QSize(200, 100) << QSize(200, 70) << true << 2;
    QTest::newRow("current entry still whole stays current")
        << 10 << 2 << QSize(200, 100) << QSize(200, 70) << true << 2;
}

void TestIndexView::resize()
{
    QFETCH(int, count);
    QFETCH(int, current);
    QFETCH(QSize, from);
    QFETCH(QSize, to);
    QFETCH(bool, arrowsShown);
    QFETCH(int, expectedCurrent);

    ListFixture list(count, 20, from.height());
    list.host.resize(400, 400);
    list.view->resize(from);
    QVERIFY(list.exposed());
    list.makeCurrent(current);

    list.view->resize(to);
    QCOMPARE(list.view->upArrow()->isVisible(), arrowsShown);
    QCOMPARE(list.view->downArrow()->isVisible(), arrowsShown);
    QCOMPARE(list.view->upArrow()->pos(), QPoint(to.width() - 20, 0));
    QCOMPARE(list.view->downArrow()->pos(), QPoint(to.width() - 20, to.height() - 20));
    if (arrowsShown) {
        // Raised above the entries.
        QCOMPARE(list.view->childAt(to.width() - 10, 10), list.view->upArrow());
        QCOMPARE(list.view->childAt(to.width() - 10, to.height() - 10), list.view->downArrow());
    }
    for (int i = 0; i < count; ++i)
        QCOMPARE(list.entries.at(i)->geometry(), QRect(0, 20 * i, to.width(), 20));
    QCOMPARE(list.currentIndex(), expectedCurrent);
    QCOMPARE(list.currentCount(), 1);
}

void TestIndexView::styleTable_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");

    QTest::newRow("exact key") << int(IndexItem::Unvisited) << int(IndexItem::Current)
                               << int(IndexItem::Headline) << "A";
    QTest::newRow("visit state tells keys apart")
        << int(IndexItem::Visited) << int(IndexItem::Current) << int(IndexItem::Headline) << "B";
    QTest::newRow("current state tells keys apart")
        << int(IndexItem::Unvisited) << int(IndexItem::Normal) << int(IndexItem::Headline) << "C";
    QTest::newRow("kind tells keys apart")
        << int(IndexItem::Unvisited) << int(IndexItem::Current) << int(IndexItem::Group) << "D";
    QTest::newRow("a replaced rule gives the new text")
        << int(IndexItem::Visited) << int(IndexItem::Normal) << int(IndexItem::Group) << "F";
    QTest::newRow("no rule gives an empty style")
        << int(IndexItem::Visited) << int(IndexItem::Current) << int(IndexItem::Group) << "";
}

void TestIndexView::styleTable()
{
    QFETCH(int, state);
    QFETCH(int, current);
    QFETCH(int, kind);
    QFETCH(QString, expected);

    IndexScrollView view;
    view.setItemStyle(IndexItem::Unvisited, IndexItem::Current, IndexItem::Headline, "A");
    view.setItemStyle(IndexItem::Visited, IndexItem::Current, IndexItem::Headline, "B");
    view.setItemStyle(IndexItem::Unvisited, IndexItem::Normal, IndexItem::Headline, "C");
    view.setItemStyle(IndexItem::Unvisited, IndexItem::Current, IndexItem::Group, "D");
    view.setItemStyle(IndexItem::Visited, IndexItem::Normal, IndexItem::Group, "E");
    view.setItemStyle(IndexItem::Visited, IndexItem::Normal, IndexItem::Group, "F");
    QCOMPARE(view.itemStyle(state, current, kind), expected);
}

void TestIndexView::entryStyleFollowsState()
{
    TreeFixture tree;
    IndexScrollView view;
    setPageStyles(&view);
    auto *heading = new PageIndexItem(&view, tree.worldGroup, tree.named);
    auto *entry = new PageIndexItem(&view, tree.headline, tree.named);
    for (IndexItem *item : {static_cast<IndexItem *>(heading), static_cast<IndexItem *>(entry)})
        connect(item, &IndexItem::stateChanged, &view, &IndexScrollView::itemStateChanged);

    view.setCurrentItem(entry);
    QCOMPARE(entry->styleSheet(), QStringLiteral("color: white;"));
    view.setCurrentItem(heading);
    QCOMPARE(entry->styleSheet(), QStringLiteral("color: blue;"));
    QCOMPARE(heading->styleSheet(), QStringLiteral("background-color: silver;"));

    entry->activate();
    QCOMPARE(entry->visitState(), int(IndexItem::Visited));
    QCOMPARE(entry->styleSheet(), QStringLiteral("color: darkred;"));
    view.setCurrentItem(entry);
    QCOMPARE(entry->styleSheet(), QStringLiteral("color: darkred; background-color: magenta;"));
    QCOMPARE(heading->styleSheet(), QStringLiteral("font-weight: bold;"));

    // No rule exists for a visited heading, so it loses its look.
    heading->activate();
    QCOMPARE(heading->visitState(), int(IndexItem::Visited));
    QCOMPARE(heading->styleSheet(), QString());

    // A history hit set before the entry is shown restyles it too.
    auto *read = new PageIndexItem(&view, tree.looseHeadline, nullptr);
    connect(read, &IndexItem::stateChanged, &view, &IndexScrollView::itemStateChanged);
    read->setStyleSheet(view.itemStyle(read->visitState(), read->currentState(), read->kind()));
    read->setVisited(true);
    QCOMPARE(read->styleSheet(), QStringLiteral("color: darkred;"));
}

void TestIndexView::setCurrentItem()
{
    ListFixture list(4, 20, 100);
    QVERIFY(list.exposed());
    QSignalSpy first(list.entries.at(0), &IndexItem::stateChanged);
    QSignalSpy second(list.entries.at(1), &IndexItem::stateChanged);

    list.view->setCurrentItem(nullptr);
    QCOMPARE(list.view->currentItem(), nullptr);
    list.view->setCurrentItem(list.entries.at(0));
    list.view->setCurrentItem(list.entries.at(1));
    QCOMPARE(list.currentIndex(), 1);
    QCOMPARE(list.entries.at(0)->currentState(), int(IndexItem::Normal));
    QCOMPARE(first.count(), 2);
    QCOMPARE(second.count(), 1);
    list.view->setCurrentItem(nullptr);
    QCOMPARE(list.currentIndex(), 1);
    // Setting it current twice reports nothing new.
    QVERIFY(!list.entries.at(1)->setCurrent(true));
    QCOMPARE(second.count(), 1);

    // Deleting the current entry leaves no dangling current entry.
    delete list.entries.takeAt(1);
    QCOMPARE(list.view->currentItem(), nullptr);
    QTest::keyClick(list.view, Qt::Key_Down);
    QCOMPARE(list.currentIndex(), 0);
}

void TestIndexView::pageEntries_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("url");

    QTest::newRow("root heads the page with the page definition's name")
        << "root" << int(IndexItem::Group) << "Front page"
        << "";
    QTest::newRow("group shows its topic's name")
        << "worldGroup" << int(IndexItem::Group) << "World"
        << "";
    QTest::newRow("group whose topic has no names shows an empty heading")
        << "otherGroup" << int(IndexItem::Group) << ""
        << "";
    QTest::newRow("headline shows its title indented")
        << "headline" << int(IndexItem::Headline) << "  Storm ahead"
        << "http://daily.example/a1";
    QTest::newRow("URL record without a title shows nothing")
        << "untitled" << int(IndexItem::Headline) << ""
        << "";
}

void TestIndexView::pageEntries()
{
    QFETCH(QString, node);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QString, url);

    TreeFixture tree;
    const QHash<QString, CLElement *> nodes{{"root", tree.root.get()},
                                            {"worldGroup", tree.worldGroup},
                                            {"otherGroup", tree.otherGroup},
                                            {"headline", tree.headline},
                                            {"untitled", tree.untitled}};
    IndexScrollView view;
    PageIndexItem entry(&view, nodes.value(node), PageIndexItem::topicOfNode(nodes.value(node)));
    entry.setLanguage(QString());
    QCOMPARE(entry.kind(), kind);
    QCOMPARE(entry.visitState(), int(IndexItem::Unvisited));
    QCOMPARE(entry.currentState(), int(IndexItem::Normal));
    QCOMPARE(entry.text(), text);
    QCOMPARE(entry.url(), url);
    QVERIFY(entry.hasMouseTracking());
}

void TestIndexView::activation_data()
{
    QTest::addColumn<QString>("node");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("articleUrl"); // null: not requested
    QTest::addColumn<QString>("expectedTopic");
    QTest::addColumn<QString>("localUrl");

    QTest::newRow("headline asks for its article with its topic") << "headline"
                                                                  << "named"
                                                                  << "http://daily.example/a1"
                                                                  << "named" << QString();
    QTest::newRow("file URL in capitals opens the local page")
        << "localHeadline"
        << "named" << QString() << QString() << "FILE:///doc/help/en/index.html";
    QTest::newRow("group heading asks with an empty URL") << "worldGroup"
                                                          << "named"
                                                          << ""
                                                          << "named" << QString();
    QTest::newRow("headline outside any group passes no topic") << "looseHeadline"
                                                                << ""
                                                                << "http://daily.example/loose"
                                                                << "" << QString();
}

void TestIndexView::activation()
{
    QFETCH(QString, node);
    QFETCH(QString, topic);
    QFETCH(QString, articleUrl);
    QFETCH(QString, expectedTopic);
    QFETCH(QString, localUrl);

    TreeFixture tree;
    const QHash<QString, CLElement *> nodes{{"headline", tree.headline},
                                            {"localHeadline", tree.localHeadline},
                                            {"worldGroup", tree.worldGroup},
                                            {"looseHeadline", tree.looseHeadline}};
    const QHash<QString, CLTopic *> topics{{"named", tree.named}, {"", nullptr}};
    // The main window hands each node the topic of its nearest node with an origin.
    QCOMPARE(PageIndexItem::topicOfNode(tree.worldGroup), tree.named);
    QCOMPARE(PageIndexItem::topicOfNode(tree.root.get()), nullptr);
    QCOMPARE(PageIndexItem::topicOfNode(tree.headline), nullptr);

    IndexScrollView view;
    PageIndexItem entry(&view, nodes.value(node), topics.value(topic));
    QSignalSpy article(&entry, &PageIndexItem::requestArticlePage);
    QSignalSpy local(&entry, &PageIndexItem::requestLocalArticlePage);
    QSignalSpy state(&entry, &IndexItem::stateChanged);

    QTest::mousePress(&entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    if (articleUrl.isNull()) {
        QCOMPARE(article.count(), 0);
    } else {
        QCOMPARE(article.count(), 1);
        QCOMPARE(article.at(0).at(0).toString(), articleUrl);
        QCOMPARE(article.at(0).at(1).value<CLTopic *>(), topics.value(expectedTopic));
    }
    if (localUrl.isNull()) {
        QCOMPARE(local.count(), 0);
    } else {
        QCOMPARE(local.count(), 1);
        QCOMPARE(local.at(0).at(0).toString(), localUrl);
    }
    QCOMPARE(entry.visitState(), int(IndexItem::Visited));
    QCOMPARE(state.count(), 1);

    // Opened again it asks again, but it never becomes visited twice.
    entry.activate();
    QCOMPARE(article.count() + local.count(), 2);
    QCOMPARE(state.count(), 1);
}

void TestIndexView::setLanguage_data()
{
    QTest::addColumn<bool>("withNames");
    QTest::addColumn<QString>("ownLanguage");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("remembered");

    QTest::newRow("text in the asked language") << true << ""
                                                << "fr"
                                                << "Monde"
                                                << "fr";
    QTest::newRow("missing language falls back to the original") << true << ""
                                                                 << "ja"
                                                                 << "World"
                                                                 << "ja";
    QTest::newRow("empty language shows the original") << true << ""
                                                       << ""
                                                       << "World"
                                                       << "";
    QTest::newRow("own record starts without texts") << false << "de"
                                                     << "de"
                                                     << ""
                                                     << "de";
    QTest::newRow("no names and no language ignores it") << false << ""
                                                         << "fr"
                                                         << "unchanged"
                                                         << "";
}

void TestIndexView::setLanguage()
{
    QFETCH(bool, withNames);
    QFETCH(QString, ownLanguage);
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(QString, remembered);

    TreeFixture tree;
    IndexItem entry(nullptr, IndexItem::Unvisited, IndexItem::Normal, IndexItem::Group,
                    withNames ? tree.named : nullptr, ownLanguage);
    QCOMPARE(entry.names() != nullptr, withNames || !ownLanguage.isEmpty());
    if (entry.names() && !withNames)
        QCOMPARE(entry.names()->original, ownLanguage);
    entry.setText(QStringLiteral("unchanged"));
    entry.setLanguage(language);
    QCOMPARE(entry.text(), text);
    QCOMPARE(entry.language(), remembered);
}

void TestIndexView::headlineInterface()
{
    TreeFixture tree;
    IndexScrollView view;
    PageIndexItem entry(&view, tree.headline, tree.named);
    TranslatableHeadline *headline = &entry;
    QCOMPARE(headline->headlineObject(), &entry);
    const CLI18n *texts = headline->headlineNames();
    QVERIFY(texts);
    QCOMPARE(texts->original, QStringLiteral("en"));
    QCOMPARE(texts->displays.value(QStringLiteral("en")), QStringLiteral("  Storm ahead"));

    // A translated text stored under the target language is what the entry then shows.
    entry.names()->displays.insert(QStringLiteral("de"), QStringLiteral("  Sturm voraus"));
    entry.setLanguage(QStringLiteral("de"));
    QCOMPARE(entry.text(), QStringLiteral("  Sturm voraus"));
    // The profile's topic names are not touched by headline texts.
    QVERIFY(!tree.named->i18n->displays.contains(QStringLiteral("de")));
}

void TestIndexView::siteEntries_data()
{
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<bool>("withManager");
    QTest::addColumn<bool>("withSiteNames");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");

    QTest::newRow("processor names in the shown language") << "de"
                                                           << "de" << true << true << "fr"
                                                           << "Quotidien  (Allemagne . allemand)";
    QTest::newRow("processor names fall back to their original") << "de"
                                                                 << "de" << true << true << "ja"
                                                                 << "Daily  (Germany . German)";
    QTest::newRow("country known only to the language manager") << "xx"
                                                                << "de" << true << true << "en"
                                                                << "Daily  (Exland . German)";
    QTest::newRow("language known only to the language manager") << "de"
                                                                 << "xl" << true << true << "en"
                                                                 << "Daily  (Germany . Exish)";
    QTest::newRow("names only in the language manager") << "xx"
                                                        << "xl" << true << true << "fr"
                                                        << "Quotidien  (Exland . Exish)";
    QTest::newRow("no language manager leaves the names empty") << "de"
                                                                << "de" << false << true << "fr"
                                                                << "Quotidien  ( . )";
    QTest::newRow("site without localised names") << "de"
                                                  << "de" << true << false << "fr"
                                                  << "  (Allemagne . allemand)";
}

void TestIndexView::siteEntries()
{
    QFETCH(QString, country);
    QFETCH(QString, locale);
    QFETCH(bool, withManager);
    QFETCH(bool, withSiteNames);
    QFETCH(QString, language);
    QFETCH(QString, text);

    CLProcessor processor;
    processor.countryNames.insert("de", names("en", {{"en", "Germany"}, {"fr", "Allemagne"}}));
    processor.languageNames.insert("de", names("en", {{"en", "German"}, {"fr", "allemand"}}));
    I18NManager manager(nullptr, QStringLiteral("en_US"));
    manager.processor = &processor;
    manager.countryTitles.insert("xx", "Exland");
    manager.countryTitles.insert("de", "Deutschland");
    manager.languageTitles.insert("xl", "Exish");

    CLSite site;
    site.id = "daily";
    site.entry = "http://daily.example/";
    site.country = country;
    site.locale = locale;
    if (withSiteNames)
        site.i18n = names("en", {{"en", "Daily"}, {"fr", "Quotidien"}});

    IndexScrollView view;
    if (withManager)
        view.languageManager = &manager;
    auto *entry = new SiteIndexItem(&view, &site, language);
    QCOMPARE(entry->url(), site.entry);
    QCOMPARE(entry->kind(), int(IndexItem::Headline));
    QCOMPARE(entry->text(), withSiteNames ? text.left(text.indexOf("  (")) : QString());

    view.switchLocale(QStringLiteral("en"));
    view.switchLocale(language);
    QCOMPARE(entry->text(), text);
    QCOMPARE(entry->language(), language);

    QSignalSpy requested(entry, &SiteIndexItem::requestSitePage);
    QTest::mousePress(entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.at(0).at(0).toString(), site.entry);
}

void TestIndexView::switchLocaleDirection_data()
{
    QTest::addColumn<QStringList>("languages");
    QTest::addColumn<int>("direction");

    QTest::newRow("Arabic reads right to left") << QStringList{"ar"} << int(Qt::RightToLeft);
    QTest::newRow("Hebrew reads right to left") << QStringList{"iw"} << int(Qt::RightToLeft);
    QTest::newRow("Persian reads right to left") << QStringList{"fa"} << int(Qt::RightToLeft);
    QTest::newRow("English reads left to right") << QStringList{"en"} << int(Qt::LeftToRight);
    QTest::newRow("Hebrew's newer code is not in the list")
        << QStringList{"he"} << int(Qt::LeftToRight);
    QTest::newRow("back to English flips it again")
        << QStringList{"ar", "en"} << int(Qt::LeftToRight);
    QTest::newRow("original language after Arabic")
        << QStringList{"fa", ""} << int(Qt::LeftToRight);
}

void TestIndexView::switchLocaleDirection()
{
    QFETCH(QStringList, languages);
    QFETCH(int, direction);

    TreeFixture tree;
    CLSite site;
    IndexScrollView view;
    const QList<IndexItem *> entries{new SiteIndexItem(&view, &site, QStringLiteral("en")),
                                     new PageIndexItem(&view, tree.worldGroup, tree.named),
                                     new PageIndexItem(&view, tree.headline, tree.named)};
    for (const QString &language : languages)
        view.switchLocale(language);
    for (const IndexItem *entry : entries)
        QCOMPARE(int(entry->layoutDirection()), direction);
}

void TestIndexView::switchLocaleLeavesHeadlines()
{
    TreeFixture tree;
    IndexScrollView view;
    auto *heading = new PageIndexItem(&view, tree.worldGroup, tree.named);
    auto *entry = new PageIndexItem(&view, tree.headline, tree.named);
    heading->setLanguage(QString());
    entry->setLanguage(QString());
    entry->names()->displays.insert(QStringLiteral("fr"), QStringLiteral("  Tempête"));

    view.switchLocale(QStringLiteral("fr"));
    QCOMPARE(heading->text(), QStringLiteral("Monde"));
    QCOMPARE(heading->language(), QStringLiteral("fr"));
    // Headlines wait for their translations; the main window switches them.
    QCOMPARE(entry->text(), QStringLiteral("  Storm ahead"));
    QCOMPARE(entry->language(), QString());
}

QTEST_MAIN(TestIndexView)
#include "tst_indexview.moc"
