// The main window wired to a network module that talks to the loopback news
// site, driven as a user drives it.

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
#include "apppaths.h"

#include <QDialog>
#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

/// The filter dialog as the user closes it with OK, wired as the application wires it.
class AcceptingDialog : public QDialog
{
public:
    int exec() override
    {
        accept();
        return QDialog::Accepted;
    }
};

struct FlowFixture
{
    bool setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        if (!dir.isValid() || !site.start(dir.path()))
            return false;
        const char *pages[][2] = {{"doc/help/en/help.html", "<p>HELP-EN</p>"},
                                  {"doc/help/en/other.html", "<p>OTHER-HELP</p>"},
                                  {"doc/message/en/parsing_error.html", "<p>PARSING-ERROR</p>"},
                                  {"doc/message/en/connection_error.html", "<p>CONNECTION-ERROR</p>"},
                                  {"doc/local.htm", "<p>LOCAL</p>"}};
        for (const auto &page : pages)
            writeFile(QString::fromLatin1(page[0]), page[1]);
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
        QObject::connect(&filterBox, &QDialog::accepted, module.get(), &NetworkModule::abortCommuncation);
        QObject::connect(&filterBox, &QDialog::accepted, window.get(), &MainWindow::showSiteIndexDisablePage);
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

    static IndexItem *entry(IndexScrollView *view, const QString &text)
    {
        for (IndexItem *item : view ? view->items() : QList<IndexItem *>())
            if (item->text().trimmed() == text)
                return item;
        return nullptr;
    }
    IndexItem *headline(const QString &text) const { return entry(window->pageView(), text); }

    /// Requests the site's index page and waits for the page view.
    bool openIndex()
    {
        IndexScrollView *before = window->pageView();
        window->requestIndexPage(site.url(u"/index"_s));
        return QTest::qWaitFor([&] { return window->pageView() && window->pageView() != before; }, 10000);
    }

    /// Activates a headline and waits until the original view shows `expected`.
    bool openArticle(const QString &text, const QString &expected)
    {
        IndexItem *item = headline(text);
        if (item)
            item->activate();
        return item && QTest::qWaitFor([&] { return shownText().contains(expected); }, 10000);
    }

    QString shownText() const { return window->originalView()->toPlainText(); }
    QString translatedText() const { return window->translatedView()->toPlainText(); }

    int requestsTo(const QByteArray &prefix) const
    {
        int count = 0;
        for (const ScriptedRequest &request : site.server.requests)
            count += request.path.startsWith(prefix) ? 1 : 0;
        return count;
    }

    /// Lets the engine answer late, starts `kind` translations and waits until the site holds
    /// every request; their number.
    int translationsHeld(int kind)
    {
        site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 3000});
        const int before = requestsTo("/translate");
        if (kind == NDT_ArticleTranslation)
            window->translateButton()->click();
        else
            window->indexTranslationToggle()->click();
        const bool held = QTest::qWaitFor([&] {
            const int active = module->activeCount(kind);
            return active > 0 && requestsTo("/translate") - before == active;
        }, 10000);
        return held ? module->activeCount(kind) : 0;
    }

    QTemporaryDir dir;
    NewsSite site;
    AcceptingDialog filterBox;
    std::unique_ptr<I18NManager> languages;
    std::unique_ptr<StyleManager> styles;
    std::unique_ptr<NetworkModule> module;
    std::unique_ptr<MainWindow> window;
};

} // namespace

class TestFlow : public QObject
{
    Q_OBJECT

    std::unique_ptr<FlowFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<FlowFixture>();
        QVERIFY(f->setUp());
    }

    void cleanup() { f.reset(); }

    void siteIndex_data()
    {
        QTest::addColumn<QStringList>("hidden");
        QTest::addColumn<QStringList>("listed"); // site ids in order
        // The catalogue also names a site whose profile is missing: it never shows.
        QTest::newRow("loaded site listed, failed profile left out") << QStringList() << QStringList{u"(s)GIloop"_s};
        QTest::newRow("hidden site left out") << QStringList{u"(s)GIloop"_s} << QStringList();
    }
    void siteIndex()
    {
        QFETCH(QStringList, hidden);
        for (const QString &id : hidden)
            f->site.processor.filterSettings->hiddenSites.insert(id);
        f->window->reloadSiteIndexView();
        QStringList listed;
        for (IndexItem *item : f->window->siteView()->items())
            listed.append(qobject_cast<SiteIndexItem *>(item)->site()->id);
        QTEST(listed, "listed");
    }

    void pageIndex_data()
    {
        QTest::addColumn<QString>("read"); // an article path read in an earlier run, drawn visited
        QTest::addColumn<QString>("visited");
        QTest::newRow("nothing read") << QString() << QString();
        QTest::newRow("read before starts visited") << u"/article/two"_s << u"Cup final tonight"_s;
    }
    void pageIndex()
    {
        QFETCH(QString, read);
        if (!read.isEmpty())
            f->site.processor.history.insert(historyHash(f->site.url(read)));
        QVERIFY(f->openIndex());
        QStringList headlines, groups, visited;
        for (IndexItem *item : f->window->pageView()->items()) {
            (item->kind() == IndexItem::Group ? groups : headlines).append(item->text().trimmed());
            if (item->visitState() == IndexItem::Visited)
                visited.append(item->text().trimmed());
        }
        QCOMPARE(groups, (QStringList{u"Front page"_s, u"World"_s, u"Sport"_s}));
        // The keyword set hides the lottery headline.
        QCOMPARE(headlines, (QStringList{u"Harbour opens"_s, u"A long report"_s, u"Empty page"_s,
                                         u"Removed story"_s, u"Slow story"_s, u"Cup final tonight"_s}));
        QTEST(visited.join(u','), "visited");
        auto *harbour = qobject_cast<PageIndexItem *>(f->headline(u"Harbour opens"_s));
        QVERIFY(harbour && harbour->topic());
        QCOMPARE(harbour->topic()->id, u"(t)World"_s);
        QVERIFY(f->window->pageTab()->isEnabled() && f->window->pageTab()->isChecked());
        QCOMPARE(f->window->indexStack()->currentIndex(), 1);
        QCOMPARE(f->window->titleLabel()->text(), u"Front page"_s);
        f->languages->countryTitles.insert(u"us"_s, u"United States"_s);
        QVERIFY(f->openIndex());
        QCOMPARE(f->window->titleLabel()->text(), u"Front page . United States"_s);
    }

    void articleImages()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier opened on Monday"_s));
        QVERIFY(f->window->useButton()->isEnabled() && f->window->translateButton()->isEnabled());
        const auto images = f->window->originalView()->images();
        QCOMPARE(images.size(), 2);
        QTRY_VERIFY(images.at(0)->loaded && images.at(1)->loaded);
        // Both decoded: the PNG at its size, the GIF at its one pixel.
        QCOMPARE(QSize(images.at(0)->width, images.at(0)->height), QSize(120, 80));
        QCOMPARE(QSize(images.at(1)->width, images.at(1)->height), QSize(1, 1));
        QStringList order;
        for (const ScriptedRequest &request : f->site.server.requests)
            if (request.path.startsWith("/img/"))
                order.append(QString::fromLatin1(request.path));
        // In article order, the space and the non-ASCII letter percent-encoded.
        QCOMPARE(order, (QStringList{u"/img/sea%20view.png"_s, u"/img/caf%C3%A9.gif"_s}));
        QCOMPARE(f->window->translatedView()->images().size(), 2);
    }

    void articleTranslation()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        QTest::keyClick(f->window->originalView(), Qt::Key_T);
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
        QVERIFY(f->window->translateButton()->isChecked() && !f->window->originalButton()->isChecked());
        // T in the translated view goes back to the original, and again to the ready translation.
        QTest::keyClick(f->window->translatedView(), Qt::Key_T);
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        const int posts = f->requestsTo("/translate");
        QTest::keyClick(f->window->originalView(), Qt::Key_T);
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
        QCOMPARE(f->requestsTo("/translate"), posts);
    }

    // A part the engine fails keeps its original text; the article still shows translated,
    // and the status bar says that parts were left out.
    void partlyTranslatedArticle()
    {
        f->site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 0, u"pier"_s});
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        QTest::keyClick(f->window->originalView(), Qt::Key_T);
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QVERIFY(f->translatedText().contains(u"The pier"_s));
        QTRY_COMPARE(f->window->statusBar()->currentMessage(), u"Some parts were not translated"_s);
    }

    void staleTranslation_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("another article") << 0;
        QTest::newRow("help page") << 1;
        QTest::newRow("catalogue reload") << 2;
        QTest::newRow("local file") << 3;
        QTest::newRow("window closed") << 4;
        QTest::newRow("site click, the article stays") << 5;
        QTest::newRow("filter dialog OK, the article stays") << 6;
    }

    // A translation ordered for one article never writes into a tree that is gone; one
    // interrupted under an article that stays is finished, or started again by Translate.
    void staleTranslation()
    {
        QFETCH(int, action);
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        const int held = f->translationsHeld(NDT_ArticleTranslation);
        QVERIFY(held > 0);
        switch (action) {
        case 0: QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s)); break;
        case 1: QVERIFY(f->window->showHelpPage(u"help.html"_s)); break;
        case 2: f->window->reloadForRefreshedTDF(); break;
        case 3: f->window->showLocalContentFile(u"file://"_s + f->dir.filePath(u"doc/local.htm"_s)); break;
        case 4: f->window.reset(); break;
        case 5: f->window->siteView()->items().at(0)->activate(); break;
        case 6: f->window->popupFilterCfgBox(); break;
        }
        if (action >= 5) {
            QTRY_COMPARE_WITH_TIMEOUT(f->site.server.pending(), 0, 30000); // answered or withdrawn
            if (!f->translatedText().contains(u"HARBOUR OPENS"_s)) {
                f->window->showOriginalArticle();
                f->window->translateButton()->click();
            }
            QTRY_VERIFY_WITH_TIMEOUT(f->translatedText().contains(u"HARBOUR OPENS"_s), 10000);
            return;
        }
        QCOMPARE(f->module->activeCount(NDT_ArticleTranslation), 0);
        QVERIFY(f->module->articleTranslationQueue.isEmpty());
        if (f->window)
            QCOMPARE(f->window->translatedView()->element(), nullptr);
        // Every request was withdrawn unanswered: no answer comes to write into the old tree.
        QTRY_COMPARE(f->site.server.abandoned, held);
    }

    void pages()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"A long report"_s, u"Page one."_s));
        // One page earlier again: the keys are bound once, whatever was shown before.
        QVERIFY(f->openArticle(u"A long report"_s, u"Page one."_s));
        QTRY_COMPARE(f->requestsTo("/article/p1"), 2);
        QTRY_COMPARE(f->module->activeCount(NDT_ArticlePage), 0);
        QVERIFY(f->window->originalView()->nextPage());
        QCOMPARE(f->window->originalView()->previousPage(), nullptr);
        const std::pair<Qt::Key, QString> steps[] = {
            {Qt::Key_Right, u"Page two."_s}, {Qt::Key_Right, u"Page three."_s}, {Qt::Key_Left, u"Page two."_s}};
        for (const auto &[key, text] : steps) {
            const int before = f->requestsTo("/article/p");
            QTest::keyClick(f->window->originalView(), key);
            QTRY_VERIFY(f->shownText().contains(text));
            QCOMPARE(f->requestsTo("/article/p"), before + 1);
        }
        // The translated view pages the same article.
        f->window->showTranslatedArticle();
        QTest::keyClick(f->window->translatedView(), Qt::Key_Left);
        QTRY_VERIFY(f->shownText().contains(u"Page one."_s));
        f->window->showOriginalArticle();
        // Left on the first page hands the keyboard back to the index.
        const int before = f->requestsTo("/article/p");
        f->window->activateWindow();
        f->window->originalView()->setFocus();
        QTest::keyClick(f->window->originalView(), Qt::Key_Left);
        QCOMPARE(f->requestsTo("/article/p"), before);
        QTRY_VERIFY(f->window->pageView()->hasFocus());
    }

    void failures_data()
    {
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("page");
        QTest::newRow("page no profile reads") << u"Empty page"_s << u"PARSING-ERROR"_s;
        QTest::newRow("404") << u"Removed story"_s << u"CONNECTION-ERROR"_s;
    }
    void failures()
    {
        QFETCH(QString, headline);
        QFETCH(QString, page);
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
        QVERIFY(f->openArticle(headline, page));
        QVERIFY(!f->window->statusBar()->currentMessage().isEmpty());
        // The message page shows no article to share or translate.
        QVERIFY(!f->window->useButton()->isEnabled() && !f->window->translateButton()->isEnabled());
    }

    void stalledArticle()
    {
        QVERIFY(f->openIndex());
        f->headline(u"Slow story"_s)->activate();
        QTRY_COMPARE(f->requestsTo("/article/stall"), 1);
        QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
        QCOMPARE(f->module->activeCount(NDT_ArticlePage), 0);
    }

    void headlineTranslation()
    {
        QVERIFY(f->openIndex());
        QProgressBar *progress = f->window->progressBar();
        f->window->indexTranslationToggle()->click();
        QVERIFY(f->window->isPageIndexTranslated());
        QTRY_VERIFY(f->headline(u"CUP FINAL TONIGHT"_s) && f->headline(u"HARBOUR OPENS"_s));
        QTRY_VERIFY(progress->isHidden());
        QVERIFY(f->headline(u"World-de"_s));
        f->window->indexTranslationToggle()->click();
        QVERIFY(f->headline(u"Harbour opens"_s));
        // Every headline holds its translation now: nothing is sent, no progress shows.
        const int posts = f->requestsTo("/translate");
        f->window->indexTranslationToggle()->click();
        QVERIFY(f->headline(u"HARBOUR OPENS"_s));
        QVERIFY(progress->isHidden());
        QCOMPARE(f->requestsTo("/translate"), posts);
    }

    // Nobody translates the pair: nothing is sent, no progress shows, the status bar says why.
    void headlinesWithoutEngine()
    {
        f->languages->translateTargetLanguage = u"fr"_s;
        QVERIFY(f->openIndex());
        const int posts = f->requestsTo("/translate");
        f->window->indexTranslationToggle()->click();
        QCOMPARE(f->window->statusBar()->currentMessage(), u"No translation engine serves this language pair"_s);
        QVERIFY(f->window->progressBar()->isHidden());
        QVERIFY(f->module->indexItemQueue.isEmpty());
        QCOMPARE(f->requestsTo("/translate"), posts);
        QVERIFY(f->headline(u"Harbour opens"_s));
    }

    void staleHeadlines_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("new index page") << 0;
        QTest::newRow("catalogue reload") << 1;
    }

    // Headline answers for a page view that is gone are never handed to its entries.
    void staleHeadlines()
    {
        QFETCH(int, action);
        QVERIFY(f->openIndex());
        const int held = f->translationsHeld(NDT_IndexItemTranslation);
        QVERIFY(held > 0);
        if (action == 0)
            QVERIFY(f->openIndex());
        else
            f->window->reloadForRefreshedTDF();
        QCOMPARE(f->module->activeCount(NDT_IndexItemTranslation), 0);
        QVERIFY(f->module->indexItemQueue.isEmpty());
        // Every request was withdrawn unanswered, and the new page keeps its own headlines.
        QTRY_COMPARE(f->site.server.abandoned, held);
        QVERIFY(action != 0 || f->headline(u"Harbour opens"_s));
    }

    // Each panel keeps its own translation state; switching never starts the other's.
    void panelsKeepTheirState()
    {
        QVERIFY(f->openIndex());
        f->window->indexTranslationToggle()->click();
        QTRY_VERIFY(f->window->progressBar()->isHidden());
        const int posts = f->requestsTo("/translate");
        f->window->siteTab()->click();
        QVERIFY(!f->window->indexTranslationToggle()->isChecked() && !f->window->isSiteIndexTranslated());
        f->window->indexTranslationToggle()->click();
        QVERIFY(f->window->isSiteIndexTranslated());
        f->window->pageTab()->click();
        QVERIFY(f->window->indexTranslationToggle()->isChecked());
        f->window->siteTab()->click();
        QVERIFY(f->window->indexTranslationToggle()->isChecked());
        QCOMPARE(f->requestsTo("/translate"), posts);
        QVERIFY(f->window->isPageIndexTranslated());
    }

    void catalogueReload()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        QSignalSpy done(f->window.get(), &MainWindow::refreshTDFCompleted);
        f->window->reloadForRefreshedTDF();
        QCOMPARE(done.size(), 1);
        QCOMPARE(f->window->pageView(), nullptr);
        QCOMPARE(f->window->originalView()->element(), nullptr);
        for (QWidget *button : {f->window->pageTab(), f->window->useButton(), f->window->translateButton(),
                                f->window->originalButton()})
            QVERIFY(!button->isEnabled());
        QCOMPARE(f->window->indexStack()->currentIndex(), 0);
        QCOMPARE(f->window->siteView()->items().size(), 1);
        // The new site model serves the next round.
        f->window->siteView()->items().at(0)->activate();
        QTRY_VERIFY(f->window->pageView());
        QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
    }

    // A view replaced while a modal box runs inside one of its handlers (here: a key press
    // activating an entry) lives until that handler has returned.
    void replacedViewsGoLater()
    {
        QVERIFY(f->openIndex());
        const QPointer<IndexScrollView> page = f->window->pageView(), sites = f->window->siteView();
        IndexItem *harbour = f->headline(u"Harbour opens"_s);
        page->setCurrentItem(harbour);
        bool aliveInBox = false;
        connect(qobject_cast<PageIndexItem *>(harbour), &PageIndexItem::requestArticlePage, this, [&] {
            QDialog box;
            QTimer::singleShot(0, &box, [&] {
                auto *tree = new CLElement(IndexPage, u"en"_s, nullptr, new CLData(u"Other"_s), nullptr);
                new CLElement(IndexEntry1, u"en"_s, nullptr,
                              new CLURLData(f->site.url(u"/article/two"_s), u"Cup"_s, URLHtml), tree);
                f->window->loadIndexPage(tree);
                f->window->reloadSiteIndexView();
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

    void autoTranslation()
    {
        f->languages->autoTranslation = true;
        QVERIFY(f->openIndex());
        QTRY_VERIFY(f->headline(u"HARBOUR OPENS"_s));
        f->headline(u"HARBOUR OPENS"_s)->activate();
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
    }

    // A page the site's profile no longer reads names the site, its profile version and the
    // step that found nothing, offers the version check and leaves a line in the health log.
    void layoutChangedPage()
    {
        f->writeFile(u"doc/message/en/layout_changed.html"_s,
                     testkit::readAll(testkit::sourcePath(u"data/doc/message/en/layout_changed.html"_s)));
        QVERIFY(QDir(f->dir.path()).mkpath(u"data/log"_s));
        AppPaths::setDataDir(f->dir.filePath(u"data"_s));
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Empty page"_s, u"The site's layout may have changed"_s));
        AppPaths::setDataDir({});
        const QString text = f->shownText();
        QVERIFY2(text.contains(u"Loop News"_s) && text.contains(u"version 1"_s), qPrintable(text));
        const QString stage = u"topic (t)Title, step 1/2 step_pair_point found nothing"_s;
        QVERIFY2(text.contains(stage), qPrintable(text));
        QVERIFY(f->window->statusBar()->currentMessage().contains(stage));
        const QList<QByteArray> log =
            testkit::readAll(f->dir.filePath(u"data/log/profile_health.log"_s)).split('\t');
        QCOMPARE(log.mid(1), (QList<QByteArray>{"(s)GIloop", "1", "article", stage.toUtf8() + '\n'}));

        QSignalSpy check(f->window.get(), &MainWindow::requestProfileUpdateCheck);
        emit f->window->originalView()->requestLocalPage(u"check-profile-updates"_s);
        QCOMPARE(check.size(), 1);
    }

    void interruptedWork_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("site click") << 0;
        QTest::newRow("filter dialog OK") << 1;
        QTest::newRow("next article times out") << 2;
    }

    // Requests ended by another request come back: the next Translate
    // translates anew, and the pictures of the article still shown arrive.
    void interruptedWork()
    {
        QFETCH(int, action);
        const QByteArray png = QUrl(f->site.url(f->site.pngPath)).path(QUrl::FullyEncoded).toLatin1();
        f->site.server.script(png, {ScriptedAnswer::Answer, 200, testkit::png(120, 80), 400});
        f->site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 400});
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        f->window->translateButton()->click();
        QTRY_VERIFY(f->module->activeCount(NDT_ArticleTranslation) > 0);
        if (action == 0) {
            QVERIFY(f->openIndex());
        } else if (action == 1) {
            f->module->abortCommuncation();
            f->window->showSiteIndexDisablePage();
        } else {
            f->module->replyTimeout = 100;
            FlowFixture::entry(f->window->pageView(), u"Slow story"_s)->activate();
            f->module->replyTimeout = 20000;
            QTRY_COMPARE(f->module->activeCount(NDT_ArticlePage), 0);
        }
        QCOMPARE(f->module->activeCount(NDT_ArticleTranslation), 0);
        QTRY_VERIFY(f->window->originalView()->images().at(0)->loaded);
        QTRY_VERIFY(f->window->translatedView()->images().at(0)->loaded);
        f->site.server.script("/translate", {ScriptedAnswer::Translate});
        f->window->translateButton()->click();
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
    }

    // Translating into another language keeps the thumbnails.
    void retranslationKeepsPictures()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        f->window->translateButton()->click();
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QTRY_VERIFY(f->window->translatedView()->images().at(1)->loaded);
        f->languages->translateTargetLanguage = u"es"_s;
        f->window->originalButton()->click();
        f->window->translateButton()->click();
        QTRY_VERIFY(f->window->translatedView()->element() &&
                    f->window->translatedView()->element()->language == u"es"_s);
        const auto images = f->window->translatedView()->images();
        QCOMPARE(images.size(), 2);
        QTRY_VERIFY(images.at(0)->loaded && images.at(1)->loaded);
    }

    void readMarksWritten_data()
    {
        QTest::addColumn<QString>("headline");
        QTest::addColumn<QString>("path");
        QTest::newRow("article") << u"Cup final tonight"_s << u"/article/two"_s;
        QTest::newRow("page no profile reads") << u"Empty page"_s << u"/article/bare"_s;
        QTest::newRow("404, shown as read too") << u"Removed story"_s << u"/article/gone"_s;
    }

    // What shows as read is on disk within seconds, without the window closing.
    void readMarksWritten()
    {
        QFETCH(QString, headline);
        QFETCH(QString, path);
        QVERIFY(f->openIndex());
        FlowFixture::entry(f->window->pageView(), headline)->activate();
        const QString file = f->site.processor.confDir + u"/access.his"_s;
        const quint32 hash = historyHash(f->site.url(path));
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] { QSet<quint32> read; loadHistory(read, file); return read.contains(hash); }(),
            CLProcessor::HistoryDelayMs + 3000);
    }

    // Answers keep the language they were asked in, whatever the target is when they arrive.
    void headlineAnswerLanguage()
    {
        f->site.server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 300});
        QVERIFY(f->openIndex());
        f->window->indexTranslationToggle()->click();
        QTRY_VERIFY(f->module->activeCount(NDT_IndexItemTranslation) > 0);
        f->languages->translateTargetLanguage = u"es"_s;
        QTRY_VERIFY(f->window->progressBar()->isHidden());
        const CLI18n *names = FlowFixture::entry(f->window->pageView(), u"HARBOUR OPENS"_s)->names();
        QCOMPARE(names->displays.value(u"de"_s), u"HARBOUR OPENS"_s);
        QVERIFY(!names->displays.contains(u"es"_s));
    }

    // A translation the window does not keep brings no notice about its parts.
    void strayIncompleteTranslation()
    {
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        const std::unique_ptr<CLElement> stray(
            new CLElement(f->window->originalView()->element(), u"de"_s, nullptr));
        emit f->module->articleTranslationIncomplete(stray.get(), 1);
        emit f->module->articleTranslated(stray.get());
        QCoreApplication::processEvents(); // the notice would be queued
        QVERIFY(f->window->statusBar()->currentMessage() != u"Some parts were not translated"_s);
    }

    void engineUnreachable_data()
    {
        QTest::addColumn<bool>("article");
        QTest::newRow("article") << true;
        QTest::newRow("headlines") << false;
    }

    // Nobody listens at the engine's address: said once, naming it; the panel
    // and the tab stay as they were; later tries send nothing.
    void engineUnreachable()
    {
        QFETCH(bool, article);
        // A privileged port nobody listens on: a free port could be taken by another program meanwhile.
        const QString address = u"http://127.0.0.1:1"_s;
        f->site.processor.translators.at(0)->entry = address + u"/translate"_s;
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        QStringList said;
        connect(f->window->statusBar(), &QStatusBar::messageChanged, this,
                [&said](const QString &text) { said << text; });
        for (int attempt = 0; attempt < 2; ++attempt) {
            said.clear();
            (article ? f->window->translateButton() : f->window->indexTranslationToggle())->click();
            QTRY_VERIFY2(said.filter(u"could not be reached"_s).size() == 1, qPrintable(said.join(u" | "_s)));
            QVERIFY(said.filter(u"could not be reached"_s).constFirst().contains(address));
            QCOMPARE(f->module->activeCount(NDT_ArticleTranslation), 0);
            QCOMPARE(f->module->activeCount(NDT_IndexItemTranslation), 0);
        }
        QVERIFY(said.filter(u"Connection Failure"_s).isEmpty());
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        QVERIFY(!f->window->translateButton()->isChecked());
        QVERIFY(!f->window->indexTranslationToggle()->isChecked());
        QVERIFY(f->window->progressBar()->isHidden());
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"Harbour opens"_s));
    }

    // A site opened from the keyboard hands the keys to its page index at once.
    void keyboardOpensSite()
    {
        f->window->reloadSiteIndexView();
        f->window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f->window.get()));
        f->window->siteView()->setFocus();
        QTRY_VERIFY(f->window->siteView()->hasFocus());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_VERIFY(f->window->pageView());
        QTRY_VERIFY(f->window->pageView()->hasFocus());
        for (int round = 0; round < 2; ++round) {
            IndexItem *first = f->window->pageView()->currentItem();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QVERIFY(f->window->pageView()->currentItem() != first);
            // Back to the sites and in again, the second time the same way.
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
            QTRY_VERIFY2(f->window->siteView()->hasFocus(),
                         QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");
            const IndexScrollView *before = f->window->pageView();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QTRY_VERIFY(f->window->pageView() != before);
            QTRY_VERIFY(f->window->pageView()->hasFocus());
        }
    }
};

QTEST_MAIN(TestFlow)
#include "tst_flow.moc"
