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
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

CLI18n *names(const QString &original, const QHash<QString, QString> &displays)
{
    auto *record = new CLI18n;
    record->original = original;
    record->displays = displays;
    return record;
}

void sendMove(QWidget *widget, const QPoint &at)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), widget->mapToGlobal(QPointF(at)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

/// A shown index view, 200 wide, of `count` entries of equal height, wired as the main window does.
struct List
{
    List(int count, int entryHeight, int viewHeight) : height(entryHeight)
    {
        host.resize(200, viewHeight);
        view = new IndexScrollView(&host);
        view->setGeometry(0, 0, 200, viewHeight);
        for (int i = 0; i < count; ++i) {
            auto *item = new IndexItem(view, IndexItem::Unvisited, IndexItem::Normal,
                                       IndexItem::Headline, nullptr, QStringLiteral("en"));
            item->setGeometry(0, i * entryHeight, 200, entryHeight);
            QObject::connect(item, &IndexItem::stateChanged, view,
                             &IndexScrollView::itemStateChanged);
            entries.append(item);
        }
        host.show();
    }
    bool exposed() { return QTest::qWaitForWindowExposed(&host); }
    // Puts the first entry's top at `top` and makes `current` (unless -1) current.
    void place(int top, int current)
    {
        for (int i = 0; i < entries.size(); ++i)
            entries.at(i)->move(0, top + i * height);
        if (current >= 0)
            view->setCurrentItem(entries.at(current));
    }
    int top() const { return entries.isEmpty() ? 0 : entries.first()->y(); }
    int currentIndex() const { return int(entries.indexOf(view->currentItem())); }
    int currentCount() const
    {
        return int(std::count_if(entries.begin(), entries.end(), [](const IndexItem *item) {
            return item->currentState() == IndexItem::Current;
        }));
    }

    QWidget host;
    IndexScrollView *view = nullptr;
    QList<IndexItem *> entries;
    int height;
};

/// A page tree: root (page), a group with localised names, a group without, and headlines.
struct Tree
{
    Tree()
    {
        auto *page = new CLPage;
        page->i18n = names("en", {{"en", "Front page"}, {"fr", "Une"}});
        addPage(&site, page);
        auto *track = new CLTrack;
        addTrack(page, track);
        named = new CLTopic;
        named->i18n = names("en", {{"en", "World"}, {"fr", "Monde"}});
        addTopic(track, named);
        auto *unnamed = new CLTopic;
        addTopic(track, unnamed);
        topics = {{"world", named}, {"other", unnamed}};

        root.reset(new CLElement(IndexPage, "en", page, new CLData(QString("front")), nullptr));
        nodes["root"] = root.get();
        nodes["worldGroup"] =
            new CLElement(IndexGroup1, "en", named, new CLData(QString("world")), root.get());
        nodes["otherGroup"] =
            new CLElement(IndexGroup1, "en", unnamed, new CLData(QString("other")), root.get());
        entry("headline", "http://daily.example/a1", "Storm <b>ahead</b>", "worldGroup");
        entry("localHeadline", "FILE:///doc/help/en/index.html", "Help", "worldGroup");
        entry("untitled", "http://daily.example/bare", QString(), "worldGroup");
        entry("looseHeadline", "http://daily.example/loose", "Loose", "root");
    }
    void entry(const QString &name, const QString &url, const QString &title, const char *parent)
    {
        auto *record = new CLURLData(url, title, URLHtml);
        if (title.isNull())
            record->title = QString();
        nodes[name] = new CLElement(IndexEntry1, "en", nullptr, record, nodes.value(parent));
    }

    CLSite site;
    CLTopic *named = nullptr;
    QHash<QString, CLTopic *> topics;
    std::unique_ptr<CLElement> root;
    QHash<QString, CLElement *> nodes;
};

struct Nav
{
    int count, entryHeight, top, current; // current -1: none
    QString input; // key names, "scroll:dy", "wheel:delta@y" or "arrow", separated by blanks
    int expectedCurrent, expectedTop, scrolled; // scrolled: last percentage reported, -1 none
};

struct Arrow
{
    int top, current;
    bool up;
    QString events;
    int interval, currentAfterEvents, currentAfterTick, topAfterTick; // interval 0: stopped
};

struct Resize
{
    int count, current;
    QSize from, to;
    bool arrowsShown;
    int expectedCurrent;
};

struct Page
{
    QString node;
    int kind;
    QString text, url;
    bool local;    // asks for a local page rather than an article
    QString topic; // "world", "other" or none
};

struct Lang
{
    bool withNames;
    QString ownLanguage, language, text, remembered;
};

struct Site
{
    QString country, locale;
    bool withManager, withSiteNames;
    QString language, text;
};

template <typename Row> void row(const char *name, const Row &fields)
{
    QTest::newRow(name) << fields;
}

} // namespace

Q_DECLARE_METATYPE(Nav)
Q_DECLARE_METATYPE(Arrow)
Q_DECLARE_METATYPE(Resize)
Q_DECLARE_METATYPE(Page)
Q_DECLARE_METATYPE(Lang)
Q_DECLARE_METATYPE(Site)

class TestIndexView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // the language manager reads settings
        QCoreApplication::setOrganizationName("TessolinTest");
        QCoreApplication::setApplicationName("tst_indexview");
        qRegisterMetaType<CLTopic *>();
        initUiResources();
    }

    void navigation_data()
    {
        QTest::addColumn<Nav>("row");
        // A view 100 pixels high.
        row("scrolling down moves by dy", Nav{10, 20, 0, -1, "scroll:-30", -1, -30, 50});
        row("scrolling down stops once the bottom is in view",
            Nav{10, 20, -100, -1, "scroll:-10", -1, -100, 100});
        row("scrolling down goes on while the bottom is one pixel out",
            Nav{10, 20, -99, -1, "scroll:-10", -1, -109, 99});
        row("scrolling up at the top only reports the start",
            Nav{10, 20, 0, -1, "scroll:20", -1, 0, 0});
        row("scrolling up stops exactly at the top", Nav{10, 20, -15, -1, "scroll:20", -1, 0, 57});

        row("Down with no current entry takes the first", Nav{10, 20, 0, -1, "Down", 0, 0, -1});
        row("Down past the bottom scrolls one entry", Nav{10, 20, 0, 4, "Down", 5, -20, 50});
        row("Up past the top scrolls one entry back", Nav{10, 20, -20, 1, "Up", 0, 0, 60});
        row("Up on the first reports the start", Nav{10, 20, 0, 0, "Up", 0, 0, 0});
        row("Down on the last reports the end", Nav{10, 20, -100, 9, "Down", 9, -100, 100});
        row("Down in a short list still moves", Nav{3, 20, 0, 1, "Down", 2, 0, -1});
        row("Down on the last of a short list reports the end",
            Nav{3, 20, 0, 2, "Down", 2, 0, 100});

        row("Home scrolls the first entry back to the top", Nav{10, 20, -60, 7, "Home", 0, 0, 80});
        row("End puts the last entry at the bottom", Nav{10, 20, 0, 0, "End", 9, -100, 50});
        row("End in a short list does not scroll", Nav{3, 20, 0, 0, "End", 2, 0, -1});
        row("End then Home returns the first entry to the top",
            Nav{12, 20, 0, 0, "End Home", 0, 0, 100});

        row("Page Down brings the entry at the bottom edge to the top",
            Nav{10, 20, 0, 0, "PageDown", 4, -80, 50});
        row("Page Down onto a cut-off entry", Nav{10, 30, 0, 0, "PageDown", 3, -90, 33});
        row("Page Down stops short of the last entry", Nav{5, 20, 0, 1, "PageDown", 1, 0, -1});
        row("Page Down with nothing at the bottom edge", Nav{3, 20, 0, 1, "PageDown", 1, 0, -1});
        row("Page Up moves the top entry to the bottom",
            Nav{10, 20, -100, 9, "PageUp", 1, -20, 100});
        row("Page Up shows a cut-off top entry's successor whole",
            Nav{10, 30, -150, 9, "PageUp", 3, -90, 60});
        row("Page Up near the top stops at the first entry",
            Nav{10, 20, -40, 5, "PageUp", 0, 0, 70});
        row("Page Up on the first entry does nothing", Nav{10, 20, 0, 3, "PageUp", 3, 0, -1});

        row("wheel towards the user moves the content up one entry",
            Nav{10, 20, 0, 2, "wheel:-120@50", 3, -20, 50});
        row("wheel away from the user moves the content down one entry",
            Nav{10, 20, -60, 5, "wheel:120@50", 4, -40, 80});
        row("wheel towards the user on the last entry does nothing",
            Nav{10, 20, -100, 9, "wheel:-120@50", 9, -100, -1});
        row("wheel on a short list reports the end and follows the mouse",
            Nav{3, 20, 0, 0, "wheel:-120@45", 2, 0, 100});
        row("wheel over no entry keeps the current one",
            Nav{3, 20, 0, 1, "wheel:-120@90", 1, 0, 100});

        row("End with no entries", Nav{0, 20, 0, -1, "End", -1, 0, -1});
        row("arrow with no entries", Nav{0, 20, 0, -1, "arrow", -1, 0, -1});
        row("wheel with no current entry", Nav{10, 20, -40, -1, "wheel:-120@50", -1, -40, -1});
        row("Space with no current entry", Nav{10, 20, -40, -1, "Space", -1, -40, -1});
    }

    void navigation()
    {
        QFETCH(Nav, row);
        List list(row.count, row.entryHeight, 100);
        QVERIFY(list.exposed());
        list.place(row.top, row.current);
        QSignalSpy scrolled(list.view, &IndexScrollView::scrolled);

        static const QHash<QString, Qt::Key> keys{
            {"Down", Qt::Key_Down},    {"Up", Qt::Key_Up},       {"Home", Qt::Key_Home},
            {"End", Qt::Key_End},      {"Space", Qt::Key_Space}, {"PageDown", Qt::Key_PageDown},
            {"PageUp", Qt::Key_PageUp}};
        for (const QString &step : row.input.split(' ')) {
            const QStringList arg = step.split(QRegularExpression("[:@]"));
            if (keys.contains(step)) {
                QTest::keyClick(list.view, keys.value(step));
            } else if (arg.first() == "scroll") {
                list.view->scrollContent(arg.at(1).toInt());
            } else if (arg.first() == "wheel") {
                const QPointF at(10, arg.at(2).toInt());
                QWheelEvent event(at, list.view->mapToGlobal(at), QPoint(),
                                  QPoint(0, arg.at(1).toInt()), Qt::NoButton, Qt::NoModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(list.view, &event);
            } else {
                list.view->scrollDnTimerFast();
            }
        }
        QCOMPARE(list.currentIndex(), row.expectedCurrent);
        QCOMPARE(list.currentCount(), row.expectedCurrent < 0 ? 0 : 1);
        for (int i = 0; i < row.count; ++i)
            QCOMPARE(list.entries.at(i)->y(), row.expectedTop + row.entryHeight * i);
        QCOMPARE(scrolled.isEmpty() ? -1 : scrolled.last().at(0).toInt(), row.scrolled);
    }

    void keySignals_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QList<int>>("counts"); // exits, translations, activations
        QTest::newRow("Left leaves the index") << int(Qt::Key_Left) << QList<int>{1, 0, 0};
        QTest::newRow("T switches the translation") << int(Qt::Key_T) << QList<int>{0, 1, 0};
        QTest::newRow("Space opens the current entry") << int(Qt::Key_Space) << QList<int>{0, 0, 1};
        QTest::newRow("Right opens the current entry") << int(Qt::Key_Right) << QList<int>{0, 0, 1};
        QTest::newRow("other keys do nothing") << int(Qt::Key_X) << QList<int>{0, 0, 0};
    }

    void keySignals()
    {
        QFETCH(int, key);
        QFETCH(QList<int>, counts);
        Tree tree;
        IndexScrollView view;
        auto *entry = new PageIndexItem(&view, tree.nodes["headline"], tree.named);
        view.setCurrentItem(entry);
        QSignalSpy exits(&view, &IndexScrollView::exitIndexView);
        QSignalSpy translations(&view, &IndexScrollView::swtichTranslation);
        QSignalSpy opened(entry, &PageIndexItem::requestArticlePage);
        QTest::keyClick(&view, Qt::Key(key));
        QCOMPARE(QList<int>({int(exits.count()), int(translations.count()), int(opened.count())}),
                 counts);
    }

    void arrowScrolling_data()
    {
        QTest::addColumn<Arrow>("row");
        // Twenty entries of 20 pixels in a view of 100.
        row("resting on the down arrow moves once, then glides",
            Arrow{-100, 7, false, "entered", 70, 8, 8, -102});
        row("pressing the down arrow steps every tick",
            Arrow{-100, 7, false, "entered pressed", 100, 9, 10, -120});
        row("pressing the up arrow steps every tick",
            Arrow{-100, 7, true, "entered pressed", 100, 5, 4, -80});
        row("releasing returns to gliding",
            Arrow{-100, 7, false, "entered pressed released", 70, 10, 10, -122});
        row("leaving stops", Arrow{-100, 7, false, "entered left", 0, 8, 8, -100});
        row("gliding down stops at the last entry",
            Arrow{-300, 18, false, "entered", 70, 19, 19, -300});
        row("gliding up stops at the top", Arrow{-1, 2, true, "entered", 70, 1, 1, 0});
    }

    void arrowScrolling()
    {
        QFETCH(Arrow, row);
        List list(20, 20, 100);
        QVERIFY(list.exposed());
        list.place(row.top, row.current);
        AnimationButton *arrow = row.up ? list.view->upArrow() : list.view->downArrow();
        // The button's own events are covered with the chrome; here only its signals matter.
        for (const QString &event : row.events.split(' '))
            QMetaObject::invokeMethod(arrow, qPrintable(event));
        QCOMPARE(list.currentIndex(), row.currentAfterEvents);
        QTimer *timer = list.view->scrollTimer();
        QCOMPARE(timer->isActive() ? timer->interval() : 0, row.interval);
        QCOMPARE(list.view->scrollStep(), row.interval ? (row.up ? -1 : 1) : 0);

        // One tick driven by hand, so the result does not depend on the machine's speed.
        timer->stop();
        if (row.interval > 0)
            list.view->scrollTimerEvent();
        QCOMPARE(list.currentIndex(), row.currentAfterTick);
        QCOMPARE(list.top(), row.topAfterTick);
        QCOMPARE(list.currentCount(), 1);
    }

    void holdingDownArrowSteps()
    {
        List list(20, 20, 100);
        QVERIFY(list.exposed());
        list.place(0, 3);
        AnimationButton *down = list.view->downArrow();
        emit down->entered();
        emit down->pressed();
        QCOMPARE(list.currentIndex(), 5);
        QTRY_VERIFY_WITH_TIMEOUT(list.currentIndex() >= 8, 5000);
        emit down->released();
        emit down->left();
        QVERIFY(!list.view->scrollTimer()->isActive());
        const QRect current = list.view->currentItem()->geometry();
        QVERIFY(current.top() >= 0 && current.bottom() <= 99);
    }

    void mouseOverEntriesAndView()
    {
        List list(3, 20, 100);
        QVERIFY(list.exposed());
        list.place(0, 0);
        sendMove(list.entries.at(2), QPoint(5, 5));
        QCOMPARE(list.currentIndex(), 2);
        QCOMPARE(list.currentCount(), 1);

        // Over the view's own area the current entry is dropped, unless the arrows scroll.
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

    void resize_data()
    {
        QTest::addColumn<Resize>("row");
        const QSize w200h100(200, 100), w200h60(200, 60);
        row("growing past the list hides the arrows", Resize{4, 0, w200h60, w200h100, false, 0});
        row("a list exactly as high as the view keeps the arrows",
            Resize{5, 0, w200h60, w200h100, true, 0});
        row("a wider view stretches the entries",
            Resize{4, 1, w200h100, QSize(320, 100), false, 1});
        row("current entry cut off moves to the entry at the new bottom",
            Resize{10, 4, w200h100, QSize(200, 80), true, 3});
        row("entry at the new bottom cut off gives way to the one above",
            Resize{10, 4, w200h100, QSize(200, 70), true, 2});
        row("current entry still whole stays current",
            Resize{10, 2, w200h100, QSize(200, 70), true, 2});
    }

    void resize()
    {
        QFETCH(Resize, row);
        List list(row.count, 20, row.from.height());
        list.host.resize(400, 400);
        list.view->resize(row.from);
        QVERIFY(list.exposed());
        list.place(0, row.current);

        IndexScrollView *view = list.view;
        view->resize(row.to);
        const int w = row.to.width(), h = row.to.height();
        QCOMPARE(view->upArrow()->isVisible(), row.arrowsShown);
        QCOMPARE(view->downArrow()->isVisible(), row.arrowsShown);
        QCOMPARE(view->upArrow()->pos(), QPoint(w - 20, 0));
        QCOMPARE(view->downArrow()->pos(), QPoint(w - 20, h - 20));
        if (row.arrowsShown) { // raised above the entries
            QCOMPARE(view->childAt(w - 10, 10), view->upArrow());
            QCOMPARE(view->childAt(w - 10, h - 10), view->downArrow());
        }
        for (int i = 0; i < row.count; ++i)
            QCOMPARE(list.entries.at(i)->geometry(), QRect(0, 20 * i, w, 20));
        QCOMPARE(list.currentIndex(), row.expectedCurrent);
        QCOMPARE(list.currentCount(), 1);
    }

    void stylesFollowState()
    {
        Tree tree;
        IndexScrollView view;
        const int U = IndexItem::Unvisited, V = IndexItem::Visited, C = IndexItem::Current,
                  N = IndexItem::Normal, H = IndexItem::Headline, G = IndexItem::Group;
        view.setItemStyle(U, C, H, "color: white;");
        view.setItemStyle(U, N, H, "replaced");
        view.setItemStyle(U, N, H, "color: blue;");
        view.setItemStyle(U, C, G, "background-color: silver;");
        view.setItemStyle(U, N, G, "font-weight: bold;");
        view.setItemStyle(V, C, H, "color: darkred; background-color: magenta;");
        view.setItemStyle(V, N, H, "color: darkred;");
        auto *heading = new PageIndexItem(&view, tree.nodes["worldGroup"], tree.named);
        auto *entry = new PageIndexItem(&view, tree.nodes["headline"], tree.named);
        auto *read = new PageIndexItem(&view, tree.nodes["looseHeadline"], nullptr);
        for (IndexItem *item : view.items())
            connect(item, &IndexItem::stateChanged, &view, &IndexScrollView::itemStateChanged);

        view.setCurrentItem(entry);
        QCOMPARE(entry->styleSheet(), "color: white;");
        view.setCurrentItem(heading);
        QCOMPARE(entry->styleSheet(), "color: blue;");
        QCOMPARE(heading->styleSheet(), "background-color: silver;");
        entry->activate();
        QCOMPARE(entry->visitState(), int(IndexItem::Visited));
        QCOMPARE(entry->styleSheet(), "color: darkred;");
        view.setCurrentItem(entry);
        QCOMPARE(entry->styleSheet(), "color: darkred; background-color: magenta;");
        QCOMPARE(heading->styleSheet(), "font-weight: bold;");
        // No rule exists for a visited heading, so it loses its look.
        heading->activate();
        QCOMPARE(heading->visitState(), int(IndexItem::Visited));
        QCOMPARE(heading->styleSheet(), QString());
        // A history hit set before the entry is shown restyles it too.
        read->setVisited(true);
        QCOMPARE(read->styleSheet(), "color: darkred;");
    }

    void setCurrentItem()
    {
        List list(4, 20, 100);
        QVERIFY(list.exposed());
        QSignalSpy second(list.entries.at(1), &IndexItem::stateChanged);
        list.place(0, 1);
        list.view->setCurrentItem(nullptr);
        QCOMPARE(list.currentIndex(), 1);
        QVERIFY(!list.entries.at(1)->setCurrent(true));
        QCOMPARE(second.count(), 1);
        // Deleting the current entry leaves no dangling current entry.
        delete list.entries.takeAt(1);
        QCOMPARE(list.view->currentItem(), nullptr);
        QTest::keyClick(list.view, Qt::Key_Down);
        QCOMPARE(list.currentIndex(), 0);
    }

    void pageEntries_data()
    {
        QTest::addColumn<Page>("row");
        const int G = IndexItem::Group, H = IndexItem::Headline;
        row("root heads the page with the page definition's name",
            Page{"root", G, "Front page", "", false, ""});
        row("group shows its topic's name and asks with an empty URL",
            Page{"worldGroup", G, "World", "", false, "world"});
        row("group whose topic has no names shows an empty heading",
            Page{"otherGroup", G, "", "", false, "other"});
        row("headline shows its title indented and asks for its article with its topic",
            Page{"headline", H, "  Storm ahead", "http://daily.example/a1", false, "world"});
        row("file URL in capitals opens the local page",
            Page{"localHeadline", H, "  Help", "FILE:///doc/help/en/index.html", true, "world"});
        row("headline outside any group passes no topic",
            Page{"looseHeadline", H, "  Loose", "http://daily.example/loose", false, ""});
        row("URL record without a title shows nothing",
            Page{"untitled", H, "", "", false, "world"});
    }

    void pageEntries()
    {
        QFETCH(Page, row);
        Tree tree;
        IndexScrollView view;
        // The main window hands each node the topic of its nearest node with an origin.
        CLElement *element = tree.nodes.value(row.node);
        CLTopic *topic =
            PageIndexItem::topicOfNode(row.kind == IndexItem::Group ? element : element->parent);
        QCOMPARE(topic, tree.topics.value(row.topic));
        PageIndexItem entry(&view, element, topic);
        entry.setLanguage(QString());
        QCOMPARE(entry.kind(), row.kind);
        QCOMPARE(entry.text(), row.text);
        QCOMPARE(entry.url(), row.url);

        QSignalSpy article(&entry, &PageIndexItem::requestArticlePage);
        QSignalSpy local(&entry, &PageIndexItem::requestLocalArticlePage);
        QSignalSpy state(&entry, &IndexItem::stateChanged);
        QTest::mousePress(&entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(local.count(), row.local ? 1 : 0);
        QCOMPARE(article.count(), row.local ? 0 : 1);
        if (row.local) {
            QCOMPARE(local.at(0).at(0).toString(), row.url);
        } else {
            QCOMPARE(article.at(0).at(0).toString(), row.url);
            QCOMPARE(article.at(0).at(1).value<CLTopic *>(), topic);
        }
        QCOMPARE(entry.visitState(), int(IndexItem::Visited));
        // Opened again it asks again, but it never becomes visited twice.
        entry.activate();
        QCOMPARE(article.count() + local.count(), 2);
        QCOMPARE(state.count(), 1);
    }

    void setLanguage_data()
    {
        QTest::addColumn<Lang>("row");
        row("text in the asked language", Lang{true, "", "fr", "Monde", "fr"});
        row("missing language falls back to the original", Lang{true, "", "ja", "World", "ja"});
        row("own record starts without texts", Lang{false, "de", "de", "", "de"});
        row("no names and no language ignores it", Lang{false, "", "fr", "unchanged", ""});
    }

    void setLanguage()
    {
        QFETCH(Lang, row);
        Tree tree;
        IndexItem entry(nullptr, IndexItem::Unvisited, IndexItem::Normal, IndexItem::Group,
                        row.withNames ? tree.named : nullptr, row.ownLanguage);
        entry.setText("unchanged");
        entry.setLanguage(row.language);
        QCOMPARE(entry.text(), row.text);
        QCOMPARE(entry.language(), row.remembered);
    }

    void siteEntries_data()
    {
        QTest::addColumn<Site>("row");
        row("processor names in the shown language",
            Site{"de", "de", true, true, "fr", "Quotidien  (Allemagne . allemand)"});
        row("processor names fall back to their original",
            Site{"de", "de", true, true, "ja", "Daily  (Germany . German)"});
        row("country known only to the language manager",
            Site{"xx", "de", true, true, "en", "Daily  (Exland . German)"});
        row("language known only to the language manager",
            Site{"de", "xl", true, true, "en", "Daily  (Germany . Exish)"});
        row("names only in the language manager",
            Site{"xx", "xl", true, true, "fr", "Quotidien  (Exland . Exish)"});
        row("no language manager leaves the names empty",
            Site{"de", "de", false, true, "fr", "Quotidien  ( . )"});
        row("site without localised names",
            Site{"de", "de", true, false, "fr", "  (Allemagne . allemand)"});
    }

    void siteEntries()
    {
        QFETCH(Site, row);
        CLProcessor processor;
        processor.countryNames.insert("de", names("en", {{"en", "Germany"}, {"fr", "Allemagne"}}));
        processor.languageNames.insert("de", names("en", {{"en", "German"}, {"fr", "allemand"}}));
        I18NManager manager(nullptr, "en_US");
        manager.processor = &processor;
        manager.countryTitles.insert("xx", "Exland");
        manager.countryTitles.insert("de", "Deutschland"); // the processor's name wins
        manager.languageTitles.insert("xl", "Exish");

        CLSite site;
        site.entry = "http://daily.example/";
        site.country = row.country;
        site.locale = row.locale;
        if (row.withSiteNames)
            site.i18n = names("en", {{"en", "Daily"}, {"fr", "Quotidien"}});
        IndexScrollView view;
        if (row.withManager)
            view.languageManager = &manager;
        auto *entry = new SiteIndexItem(&view, &site, row.language);
        QCOMPARE(entry->text(), row.withSiteNames ? row.text.section("  (", 0, 0) : QString());

        // Switching twice shows that the suffix does not pile up.
        view.switchLocale("en");
        view.switchLocale(row.language);
        QCOMPARE(entry->text(), row.text);
        QCOMPARE(entry->language(), row.language);
        QSignalSpy requested(entry, &SiteIndexItem::requestSitePage);
        QTest::mousePress(entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(requested.count(), 1);
        QCOMPARE(requested.at(0).at(0).toString(), site.entry);
    }

    void switchLocale_data()
    {
        QTest::addColumn<QStringList>("languages");
        QTest::addColumn<int>("direction");
        QTest::addColumn<QString>("heading");
        const int rtl = Qt::RightToLeft, ltr = Qt::LeftToRight;
        QTest::newRow("Arabic reads right to left") << QStringList{"ar"} << rtl << "World";
        QTest::newRow("Hebrew reads right to left") << QStringList{"iw"} << rtl << "World";
        QTest::newRow("Persian reads right to left") << QStringList{"fa"} << rtl << "World";
        QTest::newRow("Hebrew's newer code is not in the list")
            << QStringList{"he"} << ltr << "World";
        QTest::newRow("back to French flips it again") << QStringList{"ar", "fr"} << ltr << "Monde";
    }

    void switchLocale()
    {
        QFETCH(QStringList, languages);
        QFETCH(int, direction);
        QFETCH(QString, heading);
        Tree tree;
        IndexScrollView view;
        new SiteIndexItem(&view, &tree.site, "en");
        auto *group = new PageIndexItem(&view, tree.nodes["worldGroup"], tree.named);
        auto *entry = new PageIndexItem(&view, tree.nodes["headline"], tree.named);
        entry->setLanguage(QString());
        entry->names()->displays.insert("fr", "  Tempête");
        for (const QString &language : languages)
            view.switchLocale(language);
        for (const IndexItem *item : view.items())
            QCOMPARE(int(item->layoutDirection()), direction);
        QCOMPARE(group->text(), heading);
        QCOMPARE(group->language(), languages.last());
        // Headlines wait for their translations; the main window switches them.
        QCOMPARE(entry->text(), "  Storm ahead");
        QCOMPARE(entry->language(), QString());
        const TranslatableHeadline *headline = entry;
        QCOMPARE(headline->headlineNames()->displays.value("fr"), "  Tempête");
        entry->setLanguage("fr");
        QCOMPARE(entry->text(), "  Tempête");
        // The profile's topic names are not touched by headline texts.
        QCOMPARE(tree.named->i18n->displays.value("fr"), "Monde");
    }
};

QTEST_MAIN(TestIndexView)
#include "tst_indexview.moc"
