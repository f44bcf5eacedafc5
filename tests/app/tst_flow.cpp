#include "flowfixture.h"

#include "clfiltersettings.h"
#include "clprocessor.h"
#include "cltranslator.h"
#include "localservice.h"

#include <QProgressBar>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

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
        QTest::newRow("loaded site listed, failed profile left out")
            << QStringList() << QStringList{u"(s)GIloop"_s};
        QTest::newRow("hidden site left out") << QStringList{u"(s)GIloop"_s} << QStringList();
    }

    void siteIndex()
    {
        QFETCH(QStringList, hidden);
        for (const QString &id : hidden)
            f->site->processor.filterSettings->hiddenSites.insert(id);
        f->window->reloadSiteIndexView();
        QStringList listed;
        for (IndexItem *item : f->window->siteView()->items())
            listed.append(qobject_cast<SiteIndexItem *>(item)->site()->id);
        QTEST(listed, "listed");
    }

    void pageIndex_data()
    {
        QTest::addColumn<QStringList>("read");    // article paths read in an earlier run
        QTest::addColumn<QStringList>("visited"); // headlines drawn as visited
        QTest::newRow("nothing read") << QStringList() << QStringList();
        QTest::newRow("read before starts visited")
            << QStringList{u"/article/two"_s} << QStringList{u"Cup final tonight"_s};
    }

    void pageIndex()
    {
        QFETCH(QStringList, read);
        for (const QString &path : read)
            f->site->processor.history.insert(historyHash(f->site->url(path)));
        QVERIFY(f->openIndex());
        QStringList headlines, groups, visited;
        for (IndexItem *item : f->window->pageView()->items()) {
            (item->kind() == IndexItem::Group ? groups : headlines).append(item->text().trimmed());
            if (item->visitState() == IndexItem::Visited)
                visited.append(item->text().trimmed());
        }
        QCOMPARE(groups, (QStringList{u"Front page"_s, u"World"_s, u"Sport"_s}));
        // The keyword set hides the lottery headline.
        QCOMPARE(headlines,
                 (QStringList{u"Harbour opens"_s, u"A long report"_s, u"Empty page"_s,
                              u"Removed story"_s, u"Slow story"_s, u"Cup final tonight"_s}));
        QTEST(visited, "visited");
        auto *harbour = qobject_cast<PageIndexItem *>(
            FlowFixture::entry(f->window->pageView(), u"Harbour opens"_s));
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
        for (const ScriptedRequest &request : f->site->server.requests) {
            if (request.path.startsWith("/img/"))
                order.append(QString::fromLatin1(request.path));
        }
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
        QVERIFY(f->window->translateButton()->isChecked());
        QVERIFY(!f->window->originalButton()->isChecked());
        // T in the translated view goes back to the original, and again to the ready translation.
        QTest::keyClick(f->window->translatedView(), Qt::Key_T);
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        const int posts = f->requestsTo("/translate");
        QTest::keyClick(f->window->originalView(), Qt::Key_T);
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
        QCOMPARE(f->requestsTo("/translate"), posts);
    }

    // A part the engine fails keeps its original text; the article still
    // shows translated, and the status bar says that parts were left out.
    void partlyTranslatedArticle()
    {
        f->site->server.script(
            "/translate", {ScriptedAnswer::Translate, 200, {}, 0, u"pier"_s});
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        QTest::keyClick(f->window->originalView(), Qt::Key_T);
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QVERIFY(f->translatedText().contains(u"The pier"_s));
        QTRY_COMPARE(f->window->statusBar()->currentMessage(),
                     u"Some parts were not translated"_s);
        f->site->server.script("/translate", {ScriptedAnswer::Translate});
    }

    void staleTranslation_data()
    {
        QTest::addColumn<int>("action");
        QTest::newRow("another article") << 0;
        QTest::newRow("help page") << 1;
        QTest::newRow("catalogue reload") << 2;
        QTest::newRow("local file") << 3;
        QTest::newRow("window closed") << 4;
    }

    // A translation ordered for one article never writes into a tree that is gone.
    void staleTranslation()
    {
        QFETCH(int, action);
        f->site->server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 300});
        f->writeFile(u"doc/local.htm"_s, "<p>LOCAL</p>");
        QVERIFY(f->openIndex());
        QVERIFY(f->openArticle(u"Harbour opens"_s, u"The pier"_s));
        f->window->translateButton()->click();
        QTRY_VERIFY(f->module->activeCount(NDT_ArticleTranslation) > 0);
        switch (action) {
        case 0:
            QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
            break;
        case 1:
            QVERIFY(f->window->showHelpPage(u"help.html"_s));
            break;
        case 2:
            f->window->reloadForRefreshedTDF();
            break;
        case 3:
            f->window->showLocalContentFile(u"file://"_s + f->dir->filePath(u"doc/local.htm"_s));
            break;
        case 4:
            f->window.reset();
            break;
        }
        QCOMPARE(f->module->activeCount(NDT_ArticleTranslation), 0);
        QVERIFY(f->module->articleTranslationQueue.isEmpty());
        if (f->window)
            QCOMPARE(f->window->translatedView()->element(), nullptr);
        QTest::qWait(600); // answers that were due by now find nothing to write into
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
        const QList<std::pair<Qt::Key, QString>> steps = {{Qt::Key_Right, u"Page two."_s},
                                                          {Qt::Key_Right, u"Page three."_s},
                                                          {Qt::Key_Left, u"Page two."_s}};
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
        QVERIFY(!f->window->useButton()->isEnabled());
        QVERIFY(!f->window->translateButton()->isEnabled());
    }

    void stalledArticle()
    {
        QVERIFY(f->openIndex());
        FlowFixture::entry(f->window->pageView(), u"Slow story"_s)->activate();
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
        QTRY_VERIFY(FlowFixture::entry(f->window->pageView(), u"CUP FINAL TONIGHT"_s));
        QTRY_VERIFY(FlowFixture::entry(f->window->pageView(), u"HARBOUR OPENS"_s));
        QTRY_VERIFY(progress->isHidden());
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"World-de"_s));
        f->window->indexTranslationToggle()->click();
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"Harbour opens"_s));
        // Every headline holds its translation now: nothing is sent, no progress shows.
        const int posts = f->requestsTo("/translate");
        f->window->indexTranslationToggle()->click();
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"HARBOUR OPENS"_s));
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
        QCOMPARE(f->window->statusBar()->currentMessage(),
                 u"No translation engine serves this language pair"_s);
        QVERIFY(f->window->progressBar()->isHidden());
        QVERIFY(f->module->indexItemQueue.isEmpty());
        QCOMPARE(f->requestsTo("/translate"), posts);
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"Harbour opens"_s));
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
        f->site->server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 300});
        QVERIFY(f->openIndex());
        f->window->indexTranslationToggle()->click();
        QTRY_VERIFY(f->module->activeCount(NDT_IndexItemTranslation) > 0);
        if (action == 0)
            QVERIFY(f->openIndex());
        else
            f->window->reloadForRefreshedTDF();
        QCOMPARE(f->module->activeCount(NDT_IndexItemTranslation), 0);
        QVERIFY(f->module->indexItemQueue.isEmpty());
        QTest::qWait(600);
        if (action == 0)
            QVERIFY(FlowFixture::entry(f->window->pageView(), u"Harbour opens"_s));
    }

    // Each panel keeps its own translation state; switching never starts the other's.
    void panelsKeepTheirState()
    {
        QVERIFY(f->openIndex());
        f->window->indexTranslationToggle()->click();
        QTRY_VERIFY(f->window->progressBar()->isHidden());
        const int posts = f->requestsTo("/translate");
        f->window->siteTab()->click();
        QVERIFY(!f->window->indexTranslationToggle()->isChecked());
        QVERIFY(!f->window->isSiteIndexTranslated());
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
        QVERIFY(!f->window->pageTab()->isEnabled());
        QVERIFY(!f->window->useButton()->isEnabled());
        QVERIFY(!f->window->translateButton()->isEnabled());
        QVERIFY(!f->window->originalButton()->isEnabled());
        QCOMPARE(f->window->indexStack()->currentIndex(), 0);
        QCOMPARE(f->window->siteView()->items().size(), 1);
        // The new site model serves the next round.
        f->window->siteView()->items().at(0)->activate();
        QTRY_VERIFY(f->window->pageView());
        QVERIFY(f->openArticle(u"Cup final tonight"_s, u"Kick-off"_s));
    }

    // A replaced view may still be inside one of its handlers (a modal box opened
    // from a key press): it goes at the next turn of the event loop, not at once.
    void replacedViewsGoLater()
    {
        QVERIFY(f->openIndex());
        const QPointer<IndexScrollView> page = f->window->pageView();
        const QPointer<IndexScrollView> sites = f->window->siteView();
        auto *tree = new CLElement(IndexPage, u"en"_s, nullptr, new CLData(u"Other"_s), nullptr);
        new CLElement(IndexEntry1, u"en"_s, nullptr,
                      new CLURLData(f->site->url(u"/article/two"_s), u"Cup"_s, URLHtml), tree);
        f->window->loadIndexPage(tree);
        f->window->reloadSiteIndexView();
        QVERIFY(page && sites);
        QVERIFY(page->isHidden() && sites->isHidden());
        QTRY_VERIFY(!page && !sites);
        QVERIFY(FlowFixture::entry(f->window->pageView(), u"Cup"_s));
    }

    // One article through a real translation service, English to Spanish.
    void apertium()
    {
        const QString modes = u"/usr/share/apertium/modes"_s;
        const QString program = QStandardPaths::findExecutable(u"apertium-apy"_s);
        if (program.isEmpty() || !QFile::exists(modes + u"/eng-spa.mode"_s))
            QSKIP("apertium-apy with the English-Spanish pair is not installed");
        const quint16 port = LocalService::freePort();
        LocalService service;
        if (!service.start(program, {u"-p"_s, QString::number(port), modes}, port))
            QSKIP("apertium-apy did not come up within 20 s");
        const QString profileDir = QStringLiteral(TESSOLIN_SOURCE_DIR) + u"/data/conf/profile"_s;
        CLProcessor processor;
        processor.profileDir = profileDir;
        processor.catalogueFile = u"sites.xml"_s;
        processor.translatorDir = profileDir;
        processor.translatorFile = u"translators.xml"_s;
        processor.loadSiteCatalogue();
        QVERIFY(processor.loadTranslators() && !processor.translators.isEmpty());
        QUrl entry(processor.translators.at(0)->entry);
        entry.setPort(port);
        processor.translators.at(0)->entry = entry.toString();
        processor.rebuildPairIndex();

        f->languages->translateTargetLanguage = u"es"_s;
        NetworkModule module;
        module.processor = &processor;
        module.i18n = f->languages.get();
        MainWindow window(&module, &processor, f->languages.get(), nullptr,
                          f->dir->filePath(u"apertium.ini"_s));
        window.connectNetworkModule();
        CLSite origin;
        auto *article = new CLElement(ArticlePage, u"en"_s, &origin,
                                      new CLData(u"http://news.example/1"_s), nullptr);
        new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(u"The house is big"_s), article);
        new CLElement(ArticleSource, u"en"_s, nullptr, new CLData(u"Daily"_s), article);
        new CLElement(ArticleDatetime, u"en"_s, nullptr, new CLData(u"2024-05-13"_s), article);
        new CLElement(ArticleText, u"en"_s, nullptr,
                      new CLData(u"The children are playing in the garden with the dog."_s),
                      article);
        window.loadArticlePage(article);
        window.translateButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(window.contentStack()->currentIndex() == 1, 60000);
        const QString text = window.translatedView()->toPlainText().toLower();
        QVERIFY2(text.contains(u"casa"_s) && text.contains(u"jard"_s), qPrintable(text));
    }

    void autoTranslation()
    {
        f->languages->autoTranslation = true;
        QVERIFY(f->openIndex());
        QTRY_VERIFY(FlowFixture::entry(f->window->pageView(), u"HARBOUR OPENS"_s));
        FlowFixture::entry(f->window->pageView(), u"HARBOUR OPENS"_s)->activate();
        QTRY_VERIFY(f->translatedText().contains(u"HARBOUR OPENS"_s));
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
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
        const QByteArray png = QUrl(f->site->url(f->site->pngPath)).path(QUrl::FullyEncoded).toLatin1();
        f->site->server.script(png, {ScriptedAnswer::Answer, 200, NewsSite::picture("PNG", 120, 80), 400});
        f->site->server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 400});
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
        f->site->server.script("/translate", {ScriptedAnswer::Translate});
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
        const QString file = f->site->processor.confDir + u"/access.his"_s;
        const quint32 hash = historyHash(f->site->url(path));
        QTRY_VERIFY_WITH_TIMEOUT(
            [&] { QSet<quint32> read; loadHistory(read, file); return read.contains(hash); }(),
            CLProcessor::HistoryDelayMs + 3000);
    }

    // Answers keep the language they were asked in, whatever the target is when they arrive.
    void headlineAnswerLanguage()
    {
        f->site->server.script("/translate", {ScriptedAnswer::Translate, 200, {}, 300});
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
        f->site->processor.translators.at(0)->entry = address + u"/translate"_s;
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
