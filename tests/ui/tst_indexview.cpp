#include "animationbutton.h"
#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "testkit.h"
#include "uiresources.h"
#include "viewfill.h"
#include "viewtheme.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

namespace {

/// A page tree: root (page), a group with localised names, and headlines.
struct Tree
{
    Tree()
    {
        auto *page = new CLPage;
        addPage(&site, page);
        auto *track = new CLTrack;
        addTrack(page, track);
        named = new CLTopic;
        named->i18n = new CLI18n{"en", {{"en", "World"}, {"fr", "Monde"}}};
        addTopic(track, named);
        root.reset(new CLElement(IndexPage, "en", page, new CLData(QString("front")), nullptr));
        nodes["root"] = root.get();
        nodes["group"] =
            new CLElement(IndexGroup1, "en", named, new CLData(QString("world")), root.get());
        entry("headline", "http://x.example/a", "Storm <b>ahead</b>", "group");
        entry("local", "FILE:///help.html", "Help", "group");
        entry("untitled", "http://x.example/c", QString(), "group");
        entry("loose", "http://x.example/b", "Loose", "root");
    }
    void entry(const QString &name, const QString &url, const QString &title, const char *parent)
    {
        auto *record = new CLURLData(url, title, URLHtml);
        record->title = title.isNull() ? QString() : record->title;
        nodes[name] = new CLElement(IndexEntry1, "en", nullptr, record, nodes.value(parent));
    }

    CLSite site;
    CLTopic *named = nullptr;
    std::unique_ptr<CLElement> root;
    QHash<QString, CLElement *> nodes;
};

/// A shown index view with entries stacked full width: `count` entries of equal height from `top`
/// on in 200 x 100, `current` (unless -1) current, wired as the main window does; or headlines of
/// a tree in a view `width` wide, placed as the main window places them, as high as they ask.
struct List
{
    List(int count, int entryHeight, int top, int current) : List(200, 100)
    {
        for (int i = 0; i < count; ++i) {
            add(new IndexItem(view, IndexItem::Unvisited, IndexItem::Normal, IndexItem::Headline,
                              nullptr, QStringLiteral("en")),
                top + i * entryHeight, entryHeight);
            QObject::connect(entries.last(), &IndexItem::stateChanged, view,
                             &IndexScrollView::itemStateChanged);
        }
        if (current >= 0)
            view->setCurrentItem(entries.at(current));
    }
    List(Tree &tree, const QStringList &nodes, int width) : List(width, 600)
    {
        for (const QString &node : nodes) {
            auto *entry = new PageIndexItem(view, tree.nodes[node], tree.named);
            entry->setLanguage("en");
            entry->setContentsMargins(5, 5, 5, 5);
            add(entry, entries.isEmpty() ? 0 : entries.last()->geometry().bottom() + 1,
                entry->sizeHint().height());
        }
    }
    List(int width, int height)
    {
        host.resize(1300, 600);
        view = new IndexScrollView(&host);
        view->setGeometry(0, 0, width, height);
        host.show();
    }
    void add(IndexItem *entry, int y, int height)
    {
        entry->setGeometry(0, y, view->width(), height);
        entry->show();
        entries << entry;
    }
    int currentIndex() const { return int(entries.indexOf(view->currentItem())); }

    QWidget host;
    IndexScrollView *view = nullptr;
    QList<IndexItem *> entries;
};

struct Nav
{
    const char *name;
    int count, entryHeight, top, current; // current -1: none
    // Blank-separated steps: a key name, "scroll:dy", "wheel:delta@y", "mouse@y", "WxH",
    // "down:SIGNAL" or "up:SIGNAL" of an arrow, "tick" of its timer; "=ms" checks the timer's
    // interval (0: stopped), "arrows:0|1" whether the arrows show in the corners.
    const char *steps;
    int expectedCurrent, expectedTop, scrolled; // scrolled: last percentage reported, -1 none
};
const Nav navRows[] = {
    {"scroll down moves by dy", 10, 20, 0, -1, "scroll:-30", -1, -30, 50},
    {"scroll down stops with the bottom in view", 10, 20, -100, -1, "scroll:-10", -1, -100, 100},
    {"scroll down goes on with the bottom 1px out", 10, 20, -99, -1, "scroll:-10", -1, -109, 99},
    {"scroll up stops exactly at the top", 10, 20, -15, -1, "scroll:20", -1, 0, 57},
    {"Down with no current entry takes the first", 10, 20, 0, -1, "Down", 0, 0, -1},
    {"Down past the bottom scrolls one entry", 10, 20, 0, 4, "Down", 5, -20, 50},
    {"Up past the top scrolls one entry back", 10, 20, -20, 1, "Up", 0, 0, 60},
    {"Up on the first reports the start", 10, 20, 0, 0, "Up", 0, 0, 0},
    {"Down in a short list moves, then reports the end", 3, 20, 0, 0, "Down Down Down", 2, 0, 100},
    {"Home scrolls the first entry to the top", 10, 20, -60, 7, "Home", 0, 0, 80},
    {"End puts the last entry at the bottom", 10, 20, 0, 0, "End", 9, -100, 50},
    {"End in a short list does not scroll", 3, 20, 0, 0, "End", 2, 0, -1},
    {"PgDown brings the bottom-edge entry to the top", 10, 20, 0, 0, "PgDown", 4, -80, 50},
    {"PgDown stops short of the last entry", 5, 20, 0, 1, "PgDown", 1, 0, -1},
    {"PgDown with nothing at the bottom edge", 3, 20, 0, 1, "PgDown", 1, 0, -1},
    {"PgUp moves the top entry to the bottom", 10, 20, -100, 9, "PgUp", 1, -20, 100},
    {"PgUp shows a cut-off top's successor whole", 10, 30, -150, 9, "PgUp", 3, -90, 60},
    {"PgUp near the top stops at the first", 10, 20, -40, 5, "PgUp", 0, 0, 70},
    {"PgUp on the first entry does nothing", 10, 20, 0, 3, "PgUp", 3, 0, -1},
    {"wheel towards the user: up one, current follows", 10, 20, 0, 2, "wheel:-120@50", 3, -20, 50},
    {"wheel away from the user: down one entry", 10, 20, -60, 5, "wheel:120@50", 4, -40, 80},
    {"wheel towards the user on the last: nothing", 10, 20, -100, 9, "wheel:-120@50", 9, -100, -1},
    {"no entries", 0, 20, 0, -1, "End pressed", -1, 0, -1},
    {"no current entry", 10, 20, -40, -1, "wheel:-120@50 Space", -1, -40, -1},
    {"mouse over an entry makes it current", 3, 20, 0, 0, "mouse@45", 2, 0, -1},
    {"mouse over the view drops the current entry", 3, 20, 0, 0, "mouse@90", -1, 0, -1},
    {"mouse over the view keeps it while arrows glide", 3, 20, 0, 0, "entered mouse@90", 1, 0, -1},
    {"resting on an arrow: one step, then glide", 20, 20, -100, 7, "entered =70 tick", 8, -102, 50},
    {"pressing steps every tick", 20, 20, -100, 7, "entered pressed =100 tick", 10, -120, 50},
    {"releasing glides again", 20, 20, -100, 7, "entered pressed released =70 tick", 10, -122, 55},
    {"leaving stops", 20, 20, -100, 7, "entered left =0 tick", 8, -100, 50},
    {"gliding down stops at the last entry", 20, 20, -300, 18, "entered tick", 19, -300, -1},
    {"gliding up stops at the top", 20, 20, -1, 2, "up:entered tick", 1, 0, 25},
    {"growing past the list hides the arrows", 4, 20, 0, 0, "200x60 320x100 arrows:0", 0, 0, -1},
    {"a list as high as the view shows arrows", 5, 20, 0, 0, "200x60 200x100 arrows:1", 0, 0, -1},
    {"cut-off current moves to the new bottom entry", 10, 20, 0, 4, "200x80 arrows:1", 3, 0, -1},
    {"a cut-off entry at the new bottom gives way", 10, 20, 0, 4, "200x70", 2, 0, -1},
    {"a current entry still whole stays current", 10, 20, 0, 2, "200x70", 2, 0, -1},
    {"deleting the current entry leaves none dangling", 3, 20, 0, 2, "delete Down", 0, 0, -1},
    {"End leaves no entry cut at the top", 10, 30, 0, 0, "End", 9, -210, 100},
    {"End, then Up, by whole entries", 10, 30, 0, 0, "End Up Up Up Up Up Up Up", 2, -60, 63},
    {"Down to the end by whole entries", 10, 30, 0, 0,
     "Down Down Down Down Down Down Down Down Down", 9, -210, 100},
};

struct Page
{
    const char *name, *node;
    int kind;
    const char *text, *url;
    bool local, withTopic;
    const char *title = nullptr; // of a new headline in the group; "%1" is a red image on disk
};
const int G = IndexItem::Group, H = IndexItem::Headline;
const Page pageRows[] = {
    {"group shows its topic's name, asks with no URL", "group", G, "World", "", false, true},
    {"indented headline", "headline", H, "Storm ahead", "http://x.example/a", false, true},
    {"FILE URL opens a local page", "local", H, "Help", "FILE:///help.html", true, true},
    {"outside groups: no topic", "loose", H, "Loose", "http://x.example/b", false, false},
    {"URL record without a title shows nothing", "untitled", H, "", "", false, true},
    {"image markup from numeric references", "hostile", H, "News <img src=%1>",
     "http://x.example/h", false, true, "News &#60;img src=%1&#62;"},
    {"image markup from named entities", "hostile", H, "<img src=\"%1\"> <b>bold</b>",
     "http://x.example/h", false, true, "&lt;img src=\"%1\"&gt; &lt;b&gt;bold&lt;/b&gt;"},
    {"link to a local file", "hostile", H, "<a href=file://%1>x</a>", "http://x.example/h", false,
     true, "&#60;a href=file://%1&#62;x&#60;/a&#62;"},
};

struct Site
{
    const char *name, *country, *locale;
    bool withManager, withSiteNames;
    const char *language, *text;
    bool rightToLeft;
};
const Site siteRows[] = {
    {"processor names", "de", "de", true, true, "fr", "Jour  (Allemagne . allemand)", false},
    {"names only in the manager", "xx", "xl", true, true, "fr", "Jour  (Exland . Exish)", false},
    {"no manager: empty names", "de", "de", false, true, "fr", "Jour  ( . )", false},
    {"site without names", "de", "de", true, false, "fr", "  (Allemagne . allemand)", false},
    {"Arabic: right to left", "de", "de", true, true, "ar", "Daily  (Germany . German)", true},
    {"Hebrew: right to left", "de", "de", true, true, "iw", "Daily  (Germany . German)", true},
    {"Persian: right to left", "de", "de", true, true, "fa", "Daily  (Germany . German)", true},
};

struct Wrap
{
    const char *name, *steps; // "WIDTH" resizes the view, "LANG" switches language
    bool wrapped;             // the long headline takes more than one line
};
const Wrap wrapRows[] = {
    {"a long headline wraps in a narrow panel", "", true},
    {"widening the panel unwraps it, entries below follow", "1200", false},
    {"narrowing again wraps it again", "1200 200", true},
    {"a longer translation takes more lines", "fr", true},
    {"switching back takes fewer again", "fr en", true},
};

} // namespace

class TestIndexView : public QObject
{
    Q_OBJECT
    testkit::IsolatedSettings m_settings; // the language manager reads settings

private slots:
    void initTestCase()
    {
        fillEntityTable(); // as start-up does: headlines decode named entities
        qRegisterMetaType<CLTopic *>();
        initUiResources();
    }

    void navigation_data() { testkit::rows(navRows); }
    void navigation()
    {
        const Nav &r = testkit::current(navRows);
        List list(r.count, r.entryHeight, r.top, r.current);
        IndexScrollView *view = list.view;
        QVERIFY(QTest::qWaitForWindowExposed(&list.host));
        QSignalSpy scrolled(view, &IndexScrollView::scrolled);
        for (const QString &step : QString(r.steps).split(' ')) {
            const QStringList arg = step.split(QRegularExpression("[:@x]"));
            const int n = arg.value(1).toInt();
            if (arg.first() == "scroll") {
                view->scrollContent(n);
            } else if (arg.first() == "wheel") {
                const QPointF at(10, arg.at(2).toInt());
                QWheelEvent event(at, view->mapToGlobal(at), QPoint(), QPoint(0, n), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(view, &event);
            } else if (arg.first() == "mouse") {
                QWidget *under = view->childAt(10, n) ? view->childAt(10, n) : view;
                const QPointF at = under->mapFrom(view, QPointF(10, n));
                QMouseEvent event(QEvent::MouseMove, at, under->mapToGlobal(at), Qt::NoButton,
                                  Qt::NoButton, Qt::NoModifier);
                QApplication::sendEvent(under, &event);
            } else if (step.front().isDigit()) {
                view->resize(arg.at(0).toInt(), n);
            } else if (QStringList{"up", "entered", "pressed", "released", "left"}.contains(
                           arg.first())) {
                QMetaObject::invokeMethod(arg.first() == "up" ? view->upArrow() : view->downArrow(),
                                          qPrintable(arg.last()));
            } else if (step == "delete") {
                delete list.entries.takeAt(list.currentIndex());
            } else if (step == "tick") { // by hand, so the result does not hang on the machine
                QMetaObject::invokeMethod(view->scrollTimer(), "timeout");
            } else if (step.startsWith('=')) {
                const QTimer *t = view->scrollTimer();
                QCOMPARE(t->isActive() ? t->interval() : 0, step.mid(1).toInt());
            } else if (arg.first() == "arrows") {
                const int w = view->width(), h = view->height();
                QCOMPARE(view->childAt(w - 10, 10) == view->upArrow(), n == 1);
                QCOMPARE(view->childAt(w - 10, h - 10) == view->downArrow(), n == 1);
                QCOMPARE(list.entries.last()->width(), w);
            } else {
                QTest::keyClick(view, Qt::Key(QKeySequence(step)[0].key()));
                // Keys scroll by whole entries: none is left cut at the top, under the up arrow.
                for (const IndexItem *entry : list.entries)
                    QVERIFY2(entry->y() >= 0 || entry->geometry().bottom() < 0, qPrintable(step));
                const IndexItem *current = view->currentItem();
                QVERIFY(!current ||
                        (current->y() >= 0 && current->geometry().bottom() < view->height()));
            }
        }
        QCOMPARE(list.currentIndex(), r.expectedCurrent);
        for (int i = 0; i < list.entries.size(); ++i) {
            QCOMPARE(list.entries.at(i)->y(), r.expectedTop + r.entryHeight * i);
            QCOMPARE(list.entries.at(i)->currentState() == IndexItem::Current,
                     i == r.expectedCurrent); // one current entry at most
        }
        QCOMPARE(scrolled.isEmpty() ? -1 : scrolled.last().at(0).toInt(), r.scrolled);
    }

    /// Entries take the look of their state from the program's styles: current or not, read or
    /// not, heading or headline; the current entry of a view without the keys is muted; the
    /// theme choice is remembered and reaches the lists already on screen.
    void entryLooks()
    {
        Tree tree;
        QWidget host;
        auto *view = new IndexScrollView(&host);
        auto *other = new QLineEdit(&host);
        other->move(0, 120);
        ViewFill::setPageItemStyles(view);
        auto *heading = new PageIndexItem(view, tree.nodes["group"], tree.named);
        auto *entry = new PageIndexItem(view, tree.nodes["headline"], tree.named);
        auto *loose = new PageIndexItem(view, tree.nodes["loose"], nullptr);
        for (IndexItem *item : view->items())
            connect(item, &IndexItem::stateChanged, view, &IndexScrollView::itemStateChanged);
        // What the three sheets name: B bold, and the theme's colours u unread, r read, t and R
        // the current entry's text unread and read, c current, m muted, g current heading.
        const auto looks = [&](bool dark) {
            const ThemeColours &c = ViewTheme::coloursOf(dark);
            const QList<QColor> colours({c.unread, c.read, c.currentText, c.currentRead,
                                         c.currentBackground, c.mutedBackground,
                                         c.groupBackground});
            QStringList seen;
            for (const IndexItem *item : {heading, entry, loose}) {
                QString look = item->styleSheet().contains("bold") ? "B" : "";
                for (int i = 0; i < 7; ++i) {
                    if (item->styleSheet().contains(colours[i].name()))
                        look += "urtRcmg"[i];
                }
                seen << (look.isEmpty() ? "-" : look);
            }
            return seen.join(' ');
        };
        host.show();
        host.activateWindow();
        QApplication::setActiveWindow(&host);
        QVERIFY(QTest::qWaitForWindowActive(&host));
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        view->setCurrentItem(entry);
        QCOMPARE(looks(false), "- tc -");
        view->setCurrentItem(heading);
        QCOMPARE(looks(false), "Bg u -");
        entry->activate();
        QCOMPARE(looks(false), "Bg r -");
        view->setCurrentItem(entry);
        QCOMPARE(looks(false), "B Rc -");
        heading->activate(); // no rule for a visited heading, so it loses its look
        QCOMPARE(looks(false), "- Rc -");
        loose->setVisited(true); // a history hit set before the entry is shown restyles it too
        QCOMPARE(looks(false), "- Rc r");
        other->setFocus();
        QTRY_COMPARE(looks(false), "- rm r");
        ViewTheme::instance()->setDark(true);
        QCOMPARE(QSettings().value("view/theme").toString(), "dark");
        QCOMPARE(looks(true), "- rm r");
        view->setFocus();
        QTRY_COMPARE(looks(true), "- Rc r");
        ViewTheme::instance()->setDark(false);
        QCOMPARE(looks(false), "- Rc r");
    }

    void pageEntries_data() { testkit::rows(pageRows); }
    void pageEntries()
    {
        const Page &r = testkit::current(pageRows);
        QTemporaryDir dir;
        const QString image = dir.filePath("red.png");
        QVERIFY(testkit::writeAll(image, testkit::png(200, 200, Qt::red)));
        Tree tree;
        if (r.title)
            tree.entry(r.node, r.url, QString(r.title).replace("%1", image), "group");
        IndexScrollView view;
        view.resize(400, 300);
        // The main window hands each node the topic of its nearest node with an origin.
        CLElement *element = tree.nodes.value(r.node);
        CLTopic *topic = PageIndexItem::topicOfNode(r.kind == G ? element : element->parent);
        QCOMPARE(topic, r.withTopic ? tree.named : nullptr);
        PageIndexItem entry(&view, element, topic);
        entry.setLanguage(QString());
        entry.setGeometry(0, 0, 400, entry.sizeHint().height());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(entry.kind(), r.kind);
        QCOMPARE(entry.text(), QString(r.text).replace("%1", image));
        // As rich text the label would have read the image to learn its size and drawn it, and
        // kept a document to load links or images later.
        QVERIFY(entry.height() < 100);
        QCOMPARE(testkit::countPixels(&view, Qt::red), 0);
        QCOMPARE(entry.findChild<QTextDocument *>(), nullptr);
        view.setCurrentItem(&entry);
        QSignalSpy article(&entry, &PageIndexItem::requestArticlePage);
        QSignalSpy local(&entry, &PageIndexItem::requestLocalArticlePage);
        QSignalSpy state(&entry, &IndexItem::stateChanged);
        QStringList seen;
        connect(&view, &IndexScrollView::exitIndexView, this, [&] { seen << "exit"; });
        connect(&view, &IndexScrollView::swtichTranslation, this, [&] { seen << "translate"; });
        QTest::mousePress(&entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        // Opened again by its keys it asks again, but is not marked visited twice.
        for (Qt::Key key :
             {Qt::Key_Left, Qt::Key_T, Qt::Key_Space, Qt::Key_Right, Qt::Key_X, Qt::Key_Return})
            QTest::keyClick(&view, key);
        QTest::keyClick(&view, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(seen.join(' '), "exit translate");
        QCOMPARE((r.local ? local : article).count(), 5);
        QCOMPARE((r.local ? local : article).at(0).at(0).toString(), r.url);
        if (!r.local)
            QCOMPARE(article.at(0).at(1).value<CLTopic *>(), topic);
        QCOMPARE(article.count() + local.count() + state.count(), 6);
    }

    void longHeadlinesWrap_data() { testkit::rows(wrapRows); }

    void longHeadlinesWrap()
    {
        const Wrap &r = testkit::current(wrapRows);
        const QString words = "Storm over the northern coast closes ports and airports";
        Tree tree;
        tree.entry("long", "http://x.example/l", words, "group");
        tree.entry("short", "http://x.example/s", "Short", "group");
        List panel(tree, {"short", "long", "short"}, 200);
        const QList<IndexItem *> &entries = panel.entries;
        IndexScrollView *view = panel.view;
        for (IndexItem *entry : entries)
            entry->names()->displays.insert(
                "fr", entry == entries.at(1) ? "  " + QString(words + " ").repeated(2) : "  Court");
        QVERIFY(QTest::qWaitForWindowExposed(&panel.host));
        for (const QString &step : QString(r.steps).split(' ', Qt::SkipEmptyParts)) {
            if (step.front().isDigit()) {
                view->resize(step.toInt(), view->height());
            } else {
                for (IndexItem *entry : entries)
                    entry->setLanguage(step);
                QApplication::processEvents();
            }
        }
        QCOMPARE(entries.at(0)->height(), entries.at(2)->height());
        QCOMPARE(entries.at(1)->height() > entries.at(0)->height(), r.wrapped);
        // The whole text fits, and the entries still stack without gaps or overlaps.
        QCOMPARE(entries.at(1)->height(), entries.at(1)->heightForWidth(view->width()));
        for (int i = 1; i < entries.size(); ++i)
            QCOMPARE(entries.at(i)->y(), entries.at(i - 1)->geometry().bottom() + 1);
        for (IndexItem *entry : entries)
            QCOMPARE(entry->width(), view->width());
        // A wrapped headline is indented as a whole: every line starts at the same place.
        const QImage image = entries.at(1)->grab().toImage();
        QList<int> starts; // leftmost ink of each band of ink rows
        for (int y = 0, left = -1; y < image.height(); ++y) {
            const bool inLine = left >= 0;
            left = -1;
            for (int x = 0; x < image.width() && left < 0; ++x)
                left = qGray(image.pixel(x, y)) < 128 ? x : -1;
            if (left >= 0 && !inLine)
                starts << left;
            else if (left >= 0)
                starts.last() = qMin(starts.last(), left);
        }
        QCOMPARE(starts.size() > 1, r.wrapped);
        QVERIFY(starts.first() > entries.at(1)->contentsMargins().left() + 2);
        // (A translation that arrives with leading blanks starts further in.)
        if (!QString(r.steps).endsWith("fr"))
            for (int start : starts)
                QVERIFY2(qAbs(start - starts.first()) <= 1, qPrintable(QString::number(start)));
    }

    void switchLocale_data() { testkit::rows(siteRows); }
    void switchLocale()
    {
        const Site &r = testkit::current(siteRows);
        CLProcessor processor;
        processor.countryNames["de"] = new CLI18n{"en", {{"en", "Germany"}, {"fr", "Allemagne"}}};
        processor.languageNames["de"] = new CLI18n{"en", {{"en", "German"}, {"fr", "allemand"}}};
        I18NManager manager(nullptr, "en_US");
        manager.processor = &processor;
        manager.countryTitles = {{"xx", "Exland"}, {"de", "Deutschland"}}; // the processor's wins
        manager.languageTitles.insert("xl", "Exish");
        CLSiteIndexItem shown, hidden, failed; // the failed one has no site
        shown.site = new CLSite;
        hidden.site = new CLSite;
        hidden.site->id = "(s)GIb";
        CLSite &site = *shown.site;
        site.entry = "http://daily.example/";
        site.country = r.country;
        site.locale = r.locale;
        if (r.withSiteNames)
            site.i18n = new CLI18n{"en", {{"en", "Daily"}, {"fr", "Jour"}}};
        Tree tree;
        IndexScrollView view;
        if (r.withManager)
            view.languageManager = &manager;
        // Hidden sites and entries without one are left out; the first placed is current.
        const QList<SiteIndexItem *> placed = ViewFill::fillSiteIndex(
            &view, {&shown, &hidden, &failed, nullptr}, {"(s)GIb"}, r.language);
        QCOMPARE(placed.size(), 1);
        QCOMPARE(view.currentItem(), placed.at(0));
        SiteIndexItem *entry = placed.at(0);
        auto *group = new PageIndexItem(&view, tree.nodes["group"], tree.named);
        auto *headline = new PageIndexItem(&view, tree.nodes["headline"], tree.named);
        headline->setLanguage(QString());
        headline->names()->displays.insert(r.language, "  Tempête");
        // Switching twice shows that neither the suffix nor the direction sticks.
        view.switchLocale(r.rightToLeft ? "fr" : "ar");
        view.switchLocale(r.language);
        QCOMPARE(entry->text(), r.text);
        QCOMPARE(group->text(), QString(r.language) == "fr" ? "Monde" : "World");
        for (const IndexItem *item : view.items())
            QCOMPARE(item->layoutDirection(), r.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        // Headlines wait for their translations; the main window switches them.
        QCOMPARE(headline->text(), "Storm ahead");
        headline->setLanguage(r.language);
        QCOMPARE(headline->text(), "  Tempête");
        QCOMPARE(tree.named->i18n->displays.value("fr"), "Monde"); // the profile's stays
        QSignalSpy requested(entry, &SiteIndexItem::requestSitePage);
        QTest::mousePress(entry, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(requested.value(0).value(0).toString(), site.entry);
    }
};

QTEST_MAIN(TestIndexView)
#include "tst_indexview.moc"
