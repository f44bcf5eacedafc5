// The main window wired to a network module that talks to the loopback news
// site, driven as a user drives it.

#include "apppaths.h"
#include "clfiltersettings.h"
#include "cltranslator.h"
#include "contentscrollview.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "networkmodule.h"
#include "newssite.h"
#include "stylemanager.h"
#include "testkit.h"

#include <QDialog>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::actionRows;
using testkit::current;
using testkit::rows;

namespace {

struct FlowFixture
{
    bool setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!dir.isValid() || !site.start(dir.path()))
            return false;
        writeFile(u"doc/help/en/help.html"_s, "<p>HELP-EN</p>");
        writeFile(u"doc/message/en/parsing_error.html"_s, "<p>PARSING-ERROR</p>");
        writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION-ERROR</p>");
        writeFile(u"doc/local.htm"_s, "<p>LOCAL</p>");
        languages = std::make_unique<I18NManager>(nullptr, u"en"_s);
        languages->uiLanguage = u"en"_s;
        languages->translateTargetLanguage = u"de"_s;
        languages->autoTranslation = false;
        languages->processor = &site.processor;
        styles = std::make_unique<StyleManager>(dir.filePath(u"skin"_s));
        module = std::make_unique<NetworkModule>();
        module->processor = &site.processor;
        module->i18n = languages.get();
        module->replyTimeout = 20000;
        window = std::make_unique<MainWindow>(module.get(), &site.processor, languages.get(),
                                              styles.get(), dir.filePath(u"settings.ini"_s));
        window->setPageDirectories(dir.filePath(u"doc/message"_s), dir.filePath(u"doc/help"_s));
        window->setApplicationDir(dir.filePath(u"doc"_s));
        window->setFilterBox(&filterBox);
        QObject::connect(&filterBox, &QDialog::accepted, module.get(),
                         &NetworkModule::abortCommuncation);
        QObject::connect(&filterBox, &QDialog::accepted, window.get(),
                         &MainWindow::showSiteIndexDisablePage);
        window->connectNetworkModule();
        window->refreshTranslationButtons();
        window->resize(1000, 700);
        window->show();
        return true;
    }

    ~FlowFixture()
    {
        // The window ends the requests that write into its trees; the module goes after it.
        window.reset();
        module.reset();
    }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(dir.filePath(relative)).path());
        testkit::writeAll(dir.filePath(relative), bytes);
    }

    IndexItem *headline(const QString &text) const
    {
        for (IndexItem *item :
             window->pageView() ? window->pageView()->items() : QList<IndexItem *>())
            if (item->text().trimmed() == text)
                return item;
        return nullptr;
    }

    /// Requests the site's index page and waits for the page view.
    bool openIndex()
    {
        IndexScrollView *before = window->pageView();
        window->requestIndexPage(site.url(u"/index"_s));
        return QTest::qWaitFor([&] { return window->pageView() && window->pageView() != before; },
                               10000);
    }

    /// Activates a headline and waits until the original view shows `expected`.
    bool openArticle(const QString &text, const QString &expected)
    {
        IndexItem *item = headline(text);
        if (item)
            item->activate();
        return item && QTest::qWaitFor([&] { return shownText().contains(expected); }, 10000);
    }

    bool openHarbour() { return openIndex() && openArticle(u"Harbour opens"_s, u"The pier"_s); }
    QString shownText() const { return window->originalView()->toPlainText(); }
    QString translatedText() const { return window->translatedView()->toPlainText(); }

    QStringList requested(const QByteArray &prefix) const
    {
        QStringList paths;
        for (const ScriptedRequest &request : site.server.requests)
            if (request.path.startsWith(prefix))
                paths.append(QString::fromLatin1(request.path));
        return paths;
    }
    int requestsTo(const QByteArray &prefix) const { return int(requested(prefix).size()); }

    /// Lets the engine answer late, starts the first `kind` translations and waits until the
    /// site holds every request; their number.
    int translationsHeld(int kind)
    {
        site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 3000});
        const bool article = kind == NDT_ArticleTranslation;
        (article ? window->translateButton() : window->indexTranslationToggle())->click();
        const auto held = [&] {
            const int active = module->activeCount(kind);
            return active > 0 && requestsTo("/translate") == active;
        };
        return QTest::qWaitFor(held, 10000) ? module->activeCount(kind) : 0;
    }

    QTemporaryDir dir;
    NewsSite site;
    QDialog filterBox; // wired as the application wires the filter dialog
    std::unique_ptr<I18NManager> languages;
    std::unique_ptr<StyleManager> styles;
    std::unique_ptr<NetworkModule> module;
    std::unique_ptr<MainWindow> window;
};

// What replaces the view a held translation was ordered for; the last three keep the article.
enum Action { Other, Help, Reload, Local, Closed, NewIndex, SiteClick, FilterOk, TimedOut };
struct Stale
{
    const char *name;
    bool article;
    Action action;
};
const Stale staleRows[] = {
    {"another article", true, Other},
    {"help page", true, Help},
    {"catalogue reload", true, Reload},
    {"local file", true, Local},
    {"window closed", true, Closed},
    {"site click, the article stays", true, SiteClick},
    {"filter dialog OK, the article stays", true, FilterOk},
    {"next article times out, the article stays", true, TimedOut},
    {"headlines, new index page", false, NewIndex},
    {"headlines, catalogue reload", false, Reload},
};

// Shown: what the original view shows; pages that fail are read all the same.
struct Opened
{
    const char *name, *headline, *path, *shown;
};
const Opened openedRows[] = {
    {"article", "Cup final tonight", "/article/two", "Kick-off"},
    {"page no profile reads", "Empty page", "/article/bare", "PARSING-ERROR"},
    {"404, shown as read too", "Removed story", "/article/gone", "CONNECTION-ERROR"},
};

} // namespace

class TestFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<FlowFixture> f;
    MainWindow *w = nullptr;

private slots:
    void init()
    {
        f = std::make_unique<FlowFixture>();
        QVERIFY(f->setUp());
        w = f->window.get();
    }

    void cleanup() { f.reset(); }

    // The catalogue also names a site whose profile is missing: it never shows.
    void siteIndex_data()
    {
        actionRows({"loaded site listed, failed profile left out", "hidden site left out"});
    }
    void siteIndex()
    {
        QFETCH(int, action);
        if (action)
            f->site.processor.filterSettings->hiddenSites.insert(u"(s)GIloop"_s);
        w->reloadSiteIndexView();
        QStringList listed;
        for (IndexItem *item : w->siteView()->items())
            listed.append(qobject_cast<SiteIndexItem *>(item)->site()->id);
        QCOMPARE(listed, action ? QStringList() : QStringList{u"(s)GIloop"_s});
    }

    // An article read in an earlier run starts visited.
    void pageIndex_data() { actionRows({"nothing read", "read before starts visited"}); }
    void pageIndex()
    {
        QFETCH(int, action);
        if (action)
            f->site.processor.history.insert(historyHash(f->site.url(u"/article/two"_s)));
        QVERIFY(f->openIndex());
        QStringList headlines, groups, visited;
        for (IndexItem *item : w->pageView()->items()) {
            (item->kind() == IndexItem::Group ? groups : headlines).append(item->text().trimmed());
            if (item->visitState() == IndexItem::Visited)
                visited.append(item->text().trimmed());
        }
        QCOMPARE(groups, (QStringList{u"Front page"_s, u"World"_s, u"Sport"_s}));
        // The keyword set hides the lottery headline.
        QCOMPARE(headlines,
                 (QStringList{u"Harbour opens"_s, u"A long report"_s, u"Empty page"_s,
                              u"Removed story"_s, u"Slow story"_s, u"Cup final tonight"_s}));
        QCOMPARE(visited, action ? QStringList{u"Cup final tonight"_s} : QStringList());
        auto *harbour = qobject_cast<PageIndexItem *>(f->headline(u"Harbour opens"_s));
        QVERIFY(harbour && harbour->topic());
        QCOMPARE(harbour->topic()->id, u"(t)World"_s);
        QVERIFY(w->pageTab()->isEnabled() && w->pageTab()->isChecked());
        QCOMPARE(w->indexStack()->currentIndex(), 1);
        QCOMPARE(w->titleLabel()->text(), u"Front page"_s);
        f->languages->countryTitles.insert(u"us"_s, u"United States"_s);
        QVERIFY(f->openIndex());
        QCOMPARE(w->titleLabel()->text(), u"Front page . United States"_s);
    }

    void articleImages()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier opened on Monday"_s));
        QVERIFY(w->useButton()->isEnabled() && w->translateButton()->isEnabled());
        const auto images = w->originalView()->images();
        QCOMPARE(images.size(), 2);
        QTRY_VERIFY(images.at(0)->loaded && images.at(1)->loaded);
        // Both decoded: the PNG at its size, the GIF at its one pixel.
        QCOMPARE(QSize(images.at(0)->width, images.at(0)->height), QSize(120, 80));
        QCOMPARE(QSize(images.at(1)->width, images.at(1)->height), QSize(1, 1));
        // In article order, the space and the non-ASCII letter percent-encoded.
        QCOMPARE(f->requested("/img/"),
                 (QStringList{u"/img/sea%20view.png"_s, u"/img/caf%C3%A9.gif"_s}));
        QCOMPARE(w->translatedView()->images().size(), 2);
        // Translating into another language keeps the thumbnails.
        w->translateButton()->click();
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QTRY_VERIFY(w->translatedView()->images().at(1)->loaded);
        f->languages->translateTargetLanguage = u"es"_s;
        w->originalButton()->click();
        w->translateButton()->click();
        QTRY_VERIFY(w->translatedView()->element() &&
                    w->translatedView()->element()->language == u"es"_s);
        const auto translated = w->translatedView()->images();
        QCOMPARE(translated.size(), 2);
        QTRY_VERIFY(translated.at(0)->loaded && translated.at(1)->loaded);
    }

    // T goes to the translation and back, asking once; a part the engine fails keeps its
    // original text, the article still shows translated and the status bar says so.
    // Automatic translation translates the headlines, then the article opened.
    void articleTranslation_data() { actionRows({"whole article", "a part refused", "automatic"}); }
    void articleTranslation()
    {
        QFETCH(int, action);
        if (action == 1)
            f->site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 0, u"pier"_s});
        f->languages->autoTranslation = action == 2;
        QVERIFY(f->openIndex());
        const QString harbour = action == 2 ? u"HARBOUR OPENS"_s : u"Harbour opens"_s;
        QTRY_VERIFY(f->headline(harbour));
        QVERIFY(f->openArticle(harbour, u"The pier"_s));
        if (action != 2)
            QTest::keyClick(w->originalView(), Qt::Key_T);
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QTRY_VERIFY(f->translatedText().contains(action == 1 ? u"The pier"_s : u"THE PIER"_s));
        QCOMPARE(w->contentStack()->currentIndex(), 1);
        QVERIFY(w->translateButton()->isChecked() && !w->originalButton()->isChecked());
        if (action == 1) {
            QTRY_COMPARE(w->statusBar()->currentMessage(), u"Some parts were not translated"_s);
            return;
        }
        QTest::keyClick(w->translatedView(), Qt::Key_T);
        QCOMPARE(w->contentStack()->currentIndex(), 0);
        const int posts = f->requestsTo("/translate");
        QTest::keyClick(w->originalView(), Qt::Key_T);
        QCOMPARE(w->contentStack()->currentIndex(), 1);
        QCOMPARE(f->requestsTo("/translate"), posts);
    }

    // A translation ordered for one article or page view never writes into a tree that is
    // gone. Requests ended under an article that stays come back: the pictures arrive, and the
    // next Translate translates anew.
    void staleTranslation_data() { rows(staleRows); }
    void staleTranslation()
    {
        const Stale &r = current(staleRows);
        const int kind = r.article ? NDT_ArticleTranslation : NDT_IndexItemTranslation;
        const QString png = f->site.url(f->site.pngPath);
        if (r.action >= SiteClick)
            f->site.server.script(QUrl(png).path(QUrl::FullyEncoded).toLatin1(),
                                  {ScriptedAnswer::Answer, 200, testkit::png(120, 80), 400});
        QVERIFY(r.article ? f->openHarbour() : f->openIndex());
        const int held = f->translationsHeld(kind);
        QVERIFY(held > 0);
        if (r.action == Other)
            QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
        else if (r.action == Help)
            QVERIFY(w->showHelpPage(u"help.html"_s));
        else if (r.action == Reload)
            w->reloadForRefreshedTDF();
        else if (r.action == Local)
            w->showLocalContentFile(u"file://"_s + f->dir.filePath(u"doc/local.htm"_s));
        else if (r.action == Closed)
            f->window.reset();
        else if (r.action == NewIndex)
            QVERIFY(f->openIndex());
        else if (r.action == SiteClick)
            w->siteView()->items().at(0)->activate();
        else if (r.action == FilterOk) {
            QTimer::singleShot(0, &f->filterBox, &QDialog::accept);
            w->popupFilterCfgBox();
        }
        if (r.action == TimedOut) {
            f->module->replyTimeout = 100;
            f->headline(u"Slow story"_s)->activate();
            f->module->replyTimeout = 20000;
            QTRY_COMPARE(f->module->activeCount(NDT_ArticlePage), 0);
        }
        QCOMPARE(f->module->activeCount(kind), 0);
        QVERIFY(f->module->articleTranslationQueue.isEmpty() &&
                f->module->indexItemQueue.isEmpty());
        if (r.action >= SiteClick) {
            QTRY_VERIFY(w->originalView()->images().at(0)->loaded);
            QTRY_VERIFY(w->translatedView()->images().at(0)->loaded);
            f->site.server.script("/translate", {ScriptedAnswer::Translate});
            w->translateButton()->click();
            QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
            QCOMPARE(w->contentStack()->currentIndex(), 1);
            return;
        }
        if (f->window && r.article)
            QCOMPARE(w->translatedView()->element(), nullptr);
        // Every request was withdrawn unanswered: no answer comes to write into the old tree.
        QTRY_COMPARE(f->site.server.abandoned, held);
        // The new page keeps its own headlines.
        QVERIFY(r.action != NewIndex || f->headline(u"Harbour opens"_s));
    }

    // A stalled article gives way to the next; pages turn with the keys, each asked once.
    void pages()
    {
        QVERIFY(f->openIndex());
        f->headline(u"Slow story"_s)->activate();
        QTRY_COMPARE(f->requestsTo("/article/stall"), 1);
        QVERIFY(f->openArticle(u"A long report"_s, u"Page one."_s));
        // One page earlier again: the keys are bound once, whatever was shown before.
        QVERIFY(f->openArticle(u"A long report"_s, u"Page one."_s));
        QTRY_COMPARE(f->requestsTo("/article/p1"), 2);
        QTRY_COMPARE(f->module->activeCount(NDT_ArticlePage), 0);
        QVERIFY(w->originalView()->nextPage());
        QCOMPARE(w->originalView()->previousPage(), nullptr);
        const std::pair<Qt::Key, QString> steps[] = {{Qt::Key_Right, u"Page two."_s},
                                                     {Qt::Key_Right, u"Page three."_s},
                                                     {Qt::Key_Left, u"Page two."_s}};
        for (const auto &[key, text] : steps) {
            const int before = f->requestsTo("/article/p");
            QTest::keyClick(w->originalView(), key);
            QTRY_VERIFY(f->shownText().contains(text));
            QCOMPARE(f->requestsTo("/article/p"), before + 1);
        }
        // The translated view pages the same article.
        w->showTranslatedArticle();
        QTest::keyClick(w->translatedView(), Qt::Key_Left);
        QTRY_VERIFY(f->shownText().contains(u"Page one."_s));
        w->showOriginalArticle();
        // Left on the first page hands the keyboard back to the index.
        const int before = f->requestsTo("/article/p");
        w->activateWindow();
        w->originalView()->setFocus();
        QTest::keyClick(w->originalView(), Qt::Key_Left);
        QCOMPARE(f->requestsTo("/article/p"), before);
        QTRY_VERIFY(w->pageView()->hasFocus());
    }

    // What shows as read is on disk within seconds, without the window closing; a message page
    // shows no article to share or translate.
    void readMarksWritten_data() { rows(openedRows); }
    void readMarksWritten()
    {
        const Opened &r = current(openedRows);
        QVERIFY(f->openHarbour());
        QVERIFY(f->openArticle(r.headline, r.shown));
        const bool failed = QString(r.shown).endsWith(u"ERROR"_s);
        QVERIFY(!failed || !w->statusBar()->currentMessage().isEmpty());
        QCOMPARE(w->useButton()->isEnabled(), !failed);
        QCOMPARE(w->translateButton()->isEnabled(), !failed);
        const QString file = f->site.processor.confDir + u"/access.his"_s;
        const quint32 hash = historyHash(f->site.url(r.path));
        QSet<quint32> read;
        QTRY_VERIFY_WITH_TIMEOUT(loadHistory(read, file) > 0 && read.contains(hash),
                                 CLProcessor::HistoryDelayMs + 3000);
    }

    // Once every headline holds its translation nothing is sent; each panel keeps its own
    // translation state, and switching never starts the other's.
    void headlineTranslation()
    {
        QVERIFY(f->openIndex());
        QProgressBar *progress = w->progressBar();
        w->indexTranslationToggle()->click();
        QVERIFY(w->isPageIndexTranslated());
        QTRY_VERIFY(f->headline(u"CUP FINAL TONIGHT"_s) && f->headline(u"HARBOUR OPENS"_s));
        QTRY_VERIFY(progress->isHidden());
        QVERIFY(f->headline(u"World-de"_s));
        w->indexTranslationToggle()->click();
        QVERIFY(f->headline(u"Harbour opens"_s));
        const int posts = f->requestsTo("/translate");
        w->indexTranslationToggle()->click();
        QVERIFY(f->headline(u"HARBOUR OPENS"_s));
        QVERIFY(progress->isHidden());
        w->siteTab()->click();
        QVERIFY(!w->indexTranslationToggle()->isChecked() && !w->isSiteIndexTranslated());
        w->indexTranslationToggle()->click();
        QVERIFY(w->isSiteIndexTranslated());
        w->pageTab()->click();
        QVERIFY(w->indexTranslationToggle()->isChecked());
        w->siteTab()->click();
        QVERIFY(w->indexTranslationToggle()->isChecked());
        QCOMPARE(f->requestsTo("/translate"), posts);
        QVERIFY(w->isPageIndexTranslated());
    }

    void catalogueReload()
    {
        QVERIFY(f->openHarbour());
        QSignalSpy done(w, &MainWindow::refreshTDFCompleted);
        w->reloadForRefreshedTDF();
        QCOMPARE(done.size(), 1);
        QCOMPARE(w->pageView(), nullptr);
        QCOMPARE(w->originalView()->element(), nullptr);
        for (QWidget *button :
             {w->pageTab(), w->useButton(), w->translateButton(), w->originalButton()})
            QVERIFY(!button->isEnabled());
        QCOMPARE(w->indexStack()->currentIndex(), 0);
        QCOMPARE(w->siteView()->items().size(), 1);
        // The new site model serves the next round.
        w->siteView()->items().at(0)->activate();
        QTRY_VERIFY(w->pageView());
        QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
    }

    // A view replaced while a modal box runs inside one of its handlers (here: a key press
    // activating an entry) lives until that handler has returned.
    void replacedViewsGoLater()
    {
        QVERIFY(f->openIndex());
        const QPointer<IndexScrollView> page = w->pageView(), sites = w->siteView();
        IndexItem *harbour = f->headline(u"Harbour opens"_s);
        page->setCurrentItem(harbour);
        bool aliveInBox = false;
        auto *item = qobject_cast<PageIndexItem *>(harbour);
        connect(item, &PageIndexItem::requestArticlePage, this, [&] {
            QDialog box;
            QTimer::singleShot(0, &box, [&] {
                auto *tree =
                    new CLElement(IndexPage, u"en"_s, nullptr, new CLData(u"Other"_s), nullptr);
                new CLElement(IndexEntry1, u"en"_s, nullptr,
                              new CLURLData(f->site.url(u"/article/two"_s), u"Cup"_s, URLHtml),
                              tree);
                w->loadIndexPage(tree);
                w->reloadSiteIndexView();
                // The box's own event loop turns a few times before it is closed.
                QTimer::singleShot(50, &box, [&] {
                    aliveInBox = page && sites && page->isHidden() && sites->isHidden();
                    box.accept();
                });
            });
            box.exec();
        });
        QTest::keyClick(page, Qt::Key_Space);
        QVERIFY(aliveInBox);
        QTRY_VERIFY(!page && !sites);
        QVERIFY(f->headline(u"Cup"_s));
    }

    // A page the site's profile no longer reads names the site, its profile version and the
    // step that found nothing, offers the version check and leaves a line in the health log.
    void layoutChangedPage()
    {
        const QString page = u"data/doc/message/en/layout_changed.html"_s;
        f->writeFile(page.mid(5), testkit::readAll(testkit::sourcePath(page)));
        QVERIFY(QDir(f->dir.path()).mkpath(u"data/log"_s));
        AppPaths::setDataDir(f->dir.filePath(u"data"_s));
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Empty page"_s, u"The site's layout may have changed"_s));
        AppPaths::setDataDir({});
        const QString text = f->shownText();
        const QString stage = u"topic (t)Title, step 1/2 step_pair_point found nothing"_s;
        QVERIFY2(text.contains(u"Loop News"_s) && text.contains(u"version 1"_s) &&
                     text.contains(stage),
                 qPrintable(text));
        QVERIFY(w->statusBar()->currentMessage().contains(stage));
        const QList<QByteArray> log =
            testkit::readAll(f->dir.filePath(u"data/log/profile_health.log"_s)).split('\t');
        QCOMPARE(log.mid(1),
                 (QList<QByteArray>{"(s)GIloop", "1", "article", stage.toUtf8() + '\n'}));
        QSignalSpy check(w, &MainWindow::requestProfileUpdateCheck);
        emit w->originalView()->requestLocalPage(u"check-profile-updates"_s);
        QCOMPARE(check.size(), 1);
    }

    // Answers keep the language they were asked in, whatever the target is when they arrive.
    void headlineAnswerLanguage()
    {
        f->site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 300});
        QVERIFY(f->openIndex());
        w->indexTranslationToggle()->click();
        QTRY_VERIFY(f->module->activeCount(NDT_IndexItemTranslation) > 0);
        f->languages->translateTargetLanguage = u"es"_s;
        QTRY_VERIFY(w->progressBar()->isHidden());
        const CLI18n *names = f->headline(u"HARBOUR OPENS"_s)->names();
        QCOMPARE(names->displays.value(u"de"_s), u"HARBOUR OPENS"_s);
        QVERIFY(!names->displays.contains(u"es"_s));
    }

    // A translation the window does not keep brings no notice about its parts.
    void strayIncompleteTranslation()
    {
        QVERIFY(f->openHarbour());
        const std::unique_ptr<CLElement> stray(
            new CLElement(w->originalView()->element(), u"de"_s, nullptr));
        emit f->module->articleTranslationIncomplete(stray.get(), 1);
        emit f->module->articleTranslated(stray.get());
        QCoreApplication::processEvents(); // the notice would be queued
        QVERIFY(w->statusBar()->currentMessage() != u"Some parts were not translated"_s);
    }

    // Nobody translates the pair: nothing is sent, no progress shows, the status bar says why.
    void headlinesWithoutEngine()
    {
        f->languages->translateTargetLanguage = u"fr"_s;
        QVERIFY(f->openIndex());
        w->indexTranslationToggle()->click();
        QCOMPARE(w->statusBar()->currentMessage(),
                 u"No translation engine serves this language pair"_s);
        QVERIFY(w->progressBar()->isHidden() && f->module->indexItemQueue.isEmpty());
        QCOMPARE(f->requestsTo("/translate"), 0);
        QVERIFY(f->headline(u"Harbour opens"_s));
        // The tab is off again: a second click asks anew instead of silently switching off.
        QVERIFY(!w->indexTranslationToggle()->isChecked());
    }

    // Nobody listens at the engine's address: said once, naming it; the panel
    // and the tab stay as they were; later tries send nothing.
    void engineUnreachable_data() { actionRows({"article", "headlines"}); }
    void engineUnreachable()
    {
        QFETCH(int, action);
        // A privileged port nobody listens on: a free port could be taken meanwhile.
        f->site.processor.translators.at(0)->entry = u"http://127.0.0.1:1/translate"_s;
        QVERIFY(f->openHarbour());
        QStringList said;
        connect(w->statusBar(), &QStatusBar::messageChanged, this,
                [&said](const QString &text) { said << text; });
        for (int attempt = 0; attempt < 2; ++attempt) {
            said.clear();
            // The same text still on show would be set again without a signal.
            w->statusBar()->clearMessage();
            (action ? w->indexTranslationToggle() : w->translateButton())->click();
            const QString reached = u"engine at http://127.0.0.1:1 could not be reached"_s;
            QTRY_VERIFY2(said.filter(reached).size() == 1, qPrintable(said.join(u" | "_s)));
            QCOMPARE(f->module->activeCount(NDT_ArticleTranslation), 0);
            QCOMPARE(f->module->activeCount(NDT_IndexItemTranslation), 0);
        }
        QVERIFY(said.filter(u"Connection Failure"_s).isEmpty());
        QCOMPARE(w->contentStack()->currentIndex(), 0);
        QVERIFY(!w->translateButton()->isChecked() && !w->indexTranslationToggle()->isChecked());
        QVERIFY(w->progressBar()->isHidden());
        QVERIFY(f->headline(u"Harbour opens"_s));
    }

    // A site opened from the keyboard hands the keys to its page index at once.
    void keyboardOpensSite()
    {
        w->reloadSiteIndexView();
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w));
        w->siteView()->setFocus();
        // In from the sites, one entry down and back to the sites, three times.
        for (int round = 0; round < 3; ++round) {
            QTRY_VERIFY(w->siteView()->hasFocus());
            const IndexScrollView *before = w->pageView();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTRY_VERIFY(w->pageView() && w->pageView() != before);
            QTRY_VERIFY(w->pageView()->hasFocus());
            IndexItem *first = w->pageView()->currentItem();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QVERIFY(w->pageView()->currentItem() != first);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        }
    }
};

QTEST_MAIN(TestFlow)
#include "tst_flow.moc"
