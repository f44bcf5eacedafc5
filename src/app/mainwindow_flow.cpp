// The way from the site index to a page index to an article, and the
// translation of indexes and articles.

#include "mainwindow.h"

#include "animationbutton.h"
#include "articleimages.h"
#include "clconstants.h"
#include "clelement.h"
#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "stylemanager.h"
#include "viewfill.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

#include <memory>
#include <utility>

namespace {

/// Deletes an object once no modal box or popup is open: one opened from the
/// object's own handlers runs an event loop that would delete it under them.
void deleteOutsideModalLoops(QObject *object)
{
    QTimer::singleShot(0, object, [object] {
        if (QApplication::activeModalWidget() || QApplication::activePopupWidget())
            QTimer::singleShot(50, object, [object] { deleteOutsideModalLoops(object); });
        else
            object->deleteLater();
    });
}

/// Removes a view from the window; it goes later, as a modal box may still
/// run inside one of its handlers.
void retireView(IndexScrollView *view)
{
    if (!view)
        return;
    view->disconnect();
    view->pageTree = nullptr;
    view->hide();
    deleteOutsideModalLoops(view);
}

} // namespace

QString MainWindow::articleSheet(const QString &language) const
{
    if (!m_styles)
        return QString();
    return StyleManager::sheetFor(m_styles->articleSheets, language,
                                  m_languages ? m_languages->uiLanguage : QString());
}

// A new sheet re-polishes every entry of a view, however equal it is to the old one.
static void restyle(QWidget *view, const QString &sheet)
{
    if (view->styleSheet() != sheet)
        view->setStyleSheet(sheet);
}

QString MainWindow::indexSheet(const QString &language) const
{
    if (!m_styles)
        return QString();
    return StyleManager::sheetFor(m_styles->indexSheets, language,
                                  m_languages ? m_languages->uiLanguage : QString());
}

void MainWindow::switchStack(QStackedWidget *stack, int index, QToolButton *uncheck,
                             QToolButton *check)
{
    check->setChecked(true);
    if (stack->currentIndex() == index)
        return;
    stack->setCurrentIndex(index);
    uncheck->setChecked(false);
}

void MainWindow::showSiteIndex()
{
    // The toggle is set first: the stack switch translates what the toggle says.
    m_indexToggle->setChecked(m_siteIndexTranslated);
    switchStack(m_indexStack, 0, m_pageTab, m_siteTab);
}

void MainWindow::showPageIndex()
{
    m_indexToggle->setChecked(m_pageIndexTranslated);
    switchStack(m_indexStack, 1, m_siteTab, m_pageTab);
}

void MainWindow::showSiteIndexDisablePage()
{
    showSiteIndex();
    m_pageTab->setEnabled(false);
    // Accepting the filter dialog ended every request, the shown article's pictures too.
    requestMissingImages();
}

void MainWindow::showOriginalArticle()
{
    switchStack(m_contentStack, 0, m_translateButton, m_originalButton);
}

void MainWindow::showTranslatedArticle()
{
    switchStack(m_contentStack, 1, m_originalButton, m_translateButton);
}

void MainWindow::refreshTranslationButtons()
{
    if (!m_languages)
        return;
    const QIcon flag(QStringLiteral(":/FLAG_") + m_languages->translateTargetLanguage);
    m_translateButton->setIcon(flag);
    m_indexToggle->setIcon(flag);
}

void MainWindow::stopArticleTranslation()
{
    if (!m_network)
        return;
    m_network->articleTranslationQueue.clear();
    m_network->abortKind(NDT_ArticleTranslation);
}

void MainWindow::stopHeadlineTranslation()
{
    if (!m_network)
        return;
    m_network->indexItemQueue.clear();
    m_network->abortKind(NDT_IndexItemTranslation);
}

void MainWindow::dropTranslation()
{
    CLElement *clone = m_translatedView->element();
    m_translatedView->setElement(nullptr);
    m_translatedView->clearImages();
    m_translatedView->setPageLinks(nullptr, nullptr);
    delete clone;
}

void MainWindow::dropArticle()
{
    stopArticleTranslation();
    dropTranslation();
    CLElement *article = m_originalView->element();
    m_originalView->setElement(nullptr);
    m_originalView->clearImages();
    m_originalView->setPageLinks(nullptr, nullptr);
    rebindArticleKeys(nullptr, nullptr);
    delete article;
}

void MainWindow::dropPageView()
{
    stopHeadlineTranslation();
    retireView(m_pageView);
    m_pageView = nullptr;
    delete m_pageTree;
    m_pageTree = nullptr;
    m_progressBar->hide();
}

void MainWindow::requestIndexPage(const QString &url)
{
    m_pageIndexTranslated = false;
    if (m_network)
        m_network->requestIndexPage(url);
    // The index request ended the shown article's picture requests.
    requestMissingImages();
}

void MainWindow::requestMissingImages()
{
    if (!m_network || m_localPageShown || !m_originalView->element())
        return;
    QStringList urls;
    for (const ContentScrollView *view : {m_originalView, m_translatedView}) {
        for (const ContentScrollView::ImageItem *image : view->images()) {
            if (!image->loaded && !urls.contains(image->url))
                urls.append(image->url);
        }
    }
    // Requests still running would bring these anyway.
    if (m_network->activeCount(NDT_Image) > 0) {
        urls.removeIf([this](const QString &url) {
            for (const ContentScrollView::ImageItem *image : m_originalView->images()) {
                if (image->url == url)
                    return !image->loaded;
            }
            return false;
        });
    }
    for (const QString &url : std::as_const(urls))
        m_network->requestImage(url);
}

void MainWindow::reloadSiteIndexView()
{
    if (m_siteView) {
        disconnect(this, nullptr, m_siteView, nullptr);
        retireView(m_siteView);
        m_siteView = nullptr;
    }
    const QString language = m_languages ? m_languages->uiLanguage : QString();
    m_siteView = new IndexScrollView(m_sitePanel);
    m_siteView->languageManager = m_languages;
    m_siteView->resize(m_sitePanel->size());
    if (m_styles)
        m_siteView->setStyleSheet(m_styles->indexSheets.value(language));
    ViewFill::setSiteItemStyles(m_siteView);
    if (m_processor) {
        const QSet<QString> hidden = m_processor->filterSettings
                                         ? m_processor->filterSettings->hiddenSites
                                         : QSet<QString>();
        const QList<SiteIndexItem *> entries = ViewFill::fillSiteIndex(
            m_siteView, m_processor->sitesOfCategory(QStringLiteral(CL_CATEGORY_GENERAL), language),
            hidden, language);
        for (SiteIndexItem *entry : entries)
            connect(entry, &SiteIndexItem::requestSitePage, this, &MainWindow::requestIndexPage);
    }
    m_sitePanel->layout()->addWidget(m_siteView);
    if (m_languages && m_languages->autoTranslation) {
        if (m_indexStack->currentIndex() == 0)
            m_indexToggle->setChecked(true);
        else
            m_siteIndexTranslated = true;
    }
    connect(m_siteView, &IndexScrollView::scrolled, this, &MainWindow::scrolled);
    connect(this, &MainWindow::toRetranslateUI, m_siteView, &IndexScrollView::retranslateUI);
    connect(m_siteView, &IndexScrollView::swtichTranslation, this,
            &MainWindow::switchIndexTranslation);
    m_siteView->setFocus();
    switchIndexLocale();
}

void MainWindow::loadIndexPage(CLElement *tree)
{
    if (!tree || tree->parent)
        return;
    m_indexToggle->setChecked(m_pageIndexTranslated);
    if (m_pageView)
        disconnect(this, nullptr, m_pageView, nullptr);
    dropPageView();

    m_pageTree = tree;
    m_pageView = new IndexScrollView(m_pagePanel);
    m_pageView->languageManager = m_languages;
    m_pageView->resize(m_pagePanel->size());
    if (m_styles)
        m_pageView->setStyleSheet(m_styles->indexSheets.value(tree->language));
    m_pageView->pageTree = tree;
    m_pageView->setProperty("Translated", QStringLiteral("N/A"));
    ViewFill::setPageItemStyles(m_pageView);
    ViewFill::fillPageIndex(m_pageView, tree, m_processor ? m_processor->filterSettings : nullptr,
                            m_processor ? m_processor->history : QSet<quint32>(),
                            [this](PageIndexItem *entry) {
                                if (entry->url().isEmpty())
                                    return;
                                if (m_network)
                                    connect(entry, &PageIndexItem::requestArticlePage, m_network,
                                            &NetworkModule::requestArticlePage);
                                // Shown as read from now on: the history says the same at the next start.
                                connect(entry, &PageIndexItem::requestArticlePage, this,
                                        [this](const QString &url) {
                                            if (m_processor)
                                                m_processor->recordRead(url);
                                        });
                                connect(entry, &PageIndexItem::requestLocalArticlePage, this,
                                        &MainWindow::showLocalContentFile);
                            });
    m_pageView->switchLocale(tree->language);

    m_pagePanel->layout()->addWidget(m_pageView);
    connect(m_pageView, &IndexScrollView::scrolled, this, &MainWindow::scrolled);
    connect(m_pageView, &IndexScrollView::exitIndexView, this, &MainWindow::showSiteIndex);
    connect(this, &MainWindow::toRetranslateUI, m_pageView, &IndexScrollView::retranslateUI);
    connect(m_pageView, &IndexScrollView::swtichTranslation, this,
            &MainWindow::switchIndexTranslation);
    m_pageView->setFocus();

    // The title: the index page's name and its site's country.
    const QString ui = m_languages ? m_languages->uiLanguage : QString();
    const CLPage *page = nullptr;
    if (m_processor) {
        for (const CLPage *known : std::as_const(m_processor->allPages)) {
            if (static_cast<const CLObject *>(known) == tree->origin)
                page = known;
        }
    }
    QString title;
    if (page) {
        title = page->i18n ? localName(page->i18n, ui) : page->name;
        if (title.isEmpty())
            title = page->name;
        const QString country = page->site ? page->site->country : QString();
        const QString countryName =
            m_languages ? m_languages->countryTitles.value(country) : QString();
        // Without a name for the country the separator would dangle.
        if (!countryName.isEmpty())
            title += QStringLiteral(" . ") + countryName;
    }
    m_titleLabel->setText(title);
    if (m_styles)
        m_titleLabel->setStyleSheet(m_styles->indexSheets.value(ui));

    m_pageTab->setEnabled(true);
    m_indexToggle->setEnabled(true);
    showPageIndex();
    if (m_languages && m_languages->autoTranslation) {
        m_indexToggle->setChecked(true);
        switchIndexLocale();
    }
}

void MainWindow::switchIndexTranslation()
{
    m_indexToggle->click();
}

void MainWindow::switchIndexLocale()
{
    if (!m_languages)
        return;
    const bool translated = m_indexToggle->isChecked();
    const QString target = m_languages->translateTargetLanguage;
    if (m_indexStack->currentIndex() == 0) {
        if (!m_siteView)
            return;
        const QString language = translated ? target : m_languages->uiLanguage;
        m_siteView->switchLocale(language);
        restyle(m_siteView, indexSheet(language));
        m_siteIndexTranslated = translated;
        return;
    }
    if (!m_pageView || !m_pageTree)
        return;
    if (translated && m_pageTree->language == target) {
        if (!m_languages->autoTranslation)
            showMessage(2010);
        m_indexToggle->setChecked(false);
        return;
    }
    const QString language = translated ? target : m_pageTree->language;
    m_pageView->switchLocale(language);
    restyle(m_pageView, indexSheet(language));
    m_pageIndexTranslated = translated;
    stopHeadlineTranslation();

    int headlines = 0;
    int done = 0;
    QList<TranslatableHeadline *> queue;
    for (IndexItem *item : m_pageView->items()) {
        if (item->kind() != IndexItem::Headline)
            continue;
        ++headlines;
        const CLI18n *names = item->names();
        if (language.isEmpty() || !names || names->displays.contains(language)) {
            item->setLanguage(language);
            ++done;
        } else {
            queue.append(item);
        }
    }
    if (queue.isEmpty() || !m_network)
        return;
    const CLTranslator *engine =
        m_processor ? m_processor->findTranslator(m_pageTree->language, language) : nullptr;
    if (m_processor && !engine) {
        // Nothing will be translated: the list goes back to the original and the tab with it.
        m_indexToggle->setChecked(false);
        switchIndexLocale();
        statusBar()->showMessage(tr("No translation engine serves this language pair"), 5000);
        return;
    }
    if (engine && m_network->isEngineUnreachable(engine->entry)) {
        translationEngineUnreachable(NetworkModule::engineAddress(engine->entry));
        return;
    }
    m_network->indexItemQueue = queue;
    m_progressBar->setMaximum(headlines);
    m_progressBar->setValue(done);
    m_progressBar->show();
    m_network->dispatchIndexItemTranslations(language);
}

void MainWindow::loadIndexItemTranslation(CLElement *translated, TranslatableHeadline *item)
{
    const std::unique_ptr<CLElement> result(translated);
    auto *entry = dynamic_cast<IndexItem *>(item);
    // Only entries of the page index on screen take answers.
    if (!entry || !m_pageView || entry->parentWidget() != m_pageView)
        return;
    const CLElement *first = result ? result->children.value(0) : nullptr;
    if (!first || !first->value || first->value->type != DataText || !entry->names())
        return;
    entry->names()->displays.insert(result->language, first->value->text);
    entry->setLanguage(result->language);
    m_progressBar->setValue(m_progressBar->value() + 1);
    if (m_progressBar->value() >= m_progressBar->maximum())
        m_progressBar->hide();
}

bool MainWindow::showOriginalTree(CLElement *tree)
{
    if (!tree || tree->parent) {
        qDebug("content carrier invalid");
        showMessagePage(QStringLiteral("parsing_error.html"));
        return false;
    }
    const ViewFill::ArticleContent content = ViewFill::collectArticle(tree);
    if (!content.complete()) {
        const CLProfileMiss miss = describeIncompleteArticle(tree);
        delete tree;
        showProfileMiss(NDT_ArticlePage, miss);
        return false;
    }
    stopArticleTranslation();
    dropTranslation();
    CLElement *previous = m_originalView->element();
    m_originalView->setElement(tree);
    m_localPageShown = false;
    showOriginalArticle();
    ViewFill::showArticle(m_originalView, content, articleSheet(tree->language));
    if (previous != tree)
        delete previous; // after the view let go of its page links into it
    m_articleImages->reset();
    if (m_network) {
        for (const QString &url : content.imageUrls)
            m_network->requestImage(url);
    }
    m_translatedView->clearImages();
    m_translatedView->setImages(content.imageUrls, content.captions);
    m_translatedView->setImagesLeftOut(content.imagesLeftOut);
    rebindArticleKeys(content.previousPage, content.nextPage);
    return true;
}

void MainWindow::showTranslationTree(CLElement *clone)
{
    const bool incomplete = std::exchange(m_incompleteClone, nullptr) == clone;
    // A clone the window no longer holds was deleted with its article; never touch it.
    if (!clone || clone != m_translatedView->element())
        return;
    if (!m_originalView->element() || clone->source != m_originalView->element()) {
        stopArticleTranslation();
        dropTranslation();
        return;
    }
    const ViewFill::ArticleContent content = ViewFill::collectArticle(clone);
    if (!content.complete()) {
        showMessagePage(QStringLiteral("parsing_error.html"));
        return;
    }
    showTranslatedArticle();
    m_translatedView->document()->setDefaultStyleSheet(articleSheet(clone->language));
    m_translatedView->showArticle(content.title, content.source, content.datetime, content.text,
                                  m_originalView->previousPage(), m_originalView->nextPage());
    m_translatedView->updateCaptions(content.imageUrls, content.captions);
    // Only for the translation shown, after the status text its arrival brought.
    if (incomplete)
        QMetaObject::invokeMethod(this, &MainWindow::reportUntranslatedParts, Qt::QueuedConnection);
}

void MainWindow::rebindArticleKeys(const QString *previousPage, const QString *nextPage)
{
    for (ContentScrollView *view : {m_originalView, m_translatedView}) {
        disconnect(view, &ContentScrollView::keyPressLeft, nullptr, nullptr);
        disconnect(view, &ContentScrollView::keyPressRight, nullptr, nullptr);
        if (previousPage && !previousPage->isEmpty())
            connect(view, &ContentScrollView::keyPressLeft, m_originalView->previousPageArrow(),
                    &AnimationButton::fire);
        else
            connect(view, &ContentScrollView::keyPressLeft, this, &MainWindow::focusOnIndexPanel);
        if (nextPage && !nextPage->isEmpty())
            connect(view, &ContentScrollView::keyPressRight, m_originalView->nextPageArrow(),
                    &AnimationButton::fire);
    }
}

void MainWindow::loadArticlePage(CLElement *tree)
{
    if (!showOriginalTree(tree))
        return;
    m_originalButton->setEnabled(true);
    m_originalButton->setChecked(true);
    m_translateButton->setEnabled(true);
    m_useButton->setEnabled(true);
    if (m_languages && m_languages->autoTranslation) {
        m_translateButton->setChecked(true);
        translateArticle();
    } else {
        m_translateButton->setChecked(false);
    }
}

void MainWindow::translateArticle()
{
    CLElement *article = m_originalView->element();
    // The button reflects the panel shown, whatever the click did to it.
    const auto settle = [this] {
        m_translateButton->setChecked(m_contentStack->currentIndex() == 1);
    };
    if (!article || !m_languages || m_localPageShown) {
        settle();
        return;
    }
    const QString target = m_languages->translateTargetLanguage;
    if (article->language == target) {
        if (!m_languages->autoTranslation)
            showMessage(2010);
        m_translateButton->setChecked(false);
        showOriginalArticle();
        return;
    }
    CLElement *clone = m_translatedView->element();
    int done = 0;
    int pending = 0;
    // A clone whose requests were ended (a site click, the filter dialog, a
    // failed article request) would never fill: only a live or finished one is shown.
    const bool running = m_network && (m_network->activeCount(NDT_ArticleTranslation) > 0 ||
                                       !m_network->articleTranslationQueue.isEmpty());
    if (clone && clone->source == article && clone->language == target &&
        (running || !m_network || countTranslation(clone, done, pending))) {
        showTranslatedArticle();
        return;
    }
    if (clone) {
        stopArticleTranslation();
        dropTranslation();
        const ViewFill::ArticleContent content = ViewFill::collectArticle(article);
        m_translatedView->setImages(content.imageUrls, content.captions);
    }
    const CLTranslator *engine =
        m_processor ? m_processor->findTranslator(article->language, target) : nullptr;
    if (m_processor && !engine) {
        statusBar()->showMessage(tr("No translation engine serves this language pair"), 5000);
        settle();
        return;
    }
    if (engine && m_network && m_network->isEngineUnreachable(engine->entry)) {
        translationEngineUnreachable(NetworkModule::engineAddress(engine->entry));
        return;
    }
    // The translated view may hold pictures it never received (a re-translation).
    requestMissingImages();
    clone = new CLElement(article, target, nullptr);
    m_translatedView->setElement(clone);
    settle();
    if (m_network)
        m_network->requestArticleTranslation(clone);
}

void MainWindow::translationEngineUnreachable(const QString &address)
{
    // Nothing waits for answers that will not come; both panels stay as they were.
    stopArticleTranslation();
    if (m_translatedView->element()) {
        dropTranslation();
        // Fetched again only when a translation is made after all (translateArticle).
        if (const CLElement *article = m_originalView->element()) {
            const ViewFill::ArticleContent content = ViewFill::collectArticle(article);
            m_translatedView->setImages(content.imageUrls, content.captions);
        }
    }
    if (m_contentStack->currentIndex() == 1)
        showOriginalArticle();
    m_translateButton->setChecked(false);
    stopHeadlineTranslation();
    m_progressBar->hide();
    if (m_indexStack->currentIndex() == 1 && m_indexToggle->isChecked()) {
        m_indexToggle->setChecked(false);
        switchIndexLocale();
    } else if (m_indexStack->currentIndex() == 0) {
        m_pageIndexTranslated = false;
    }
    const QString text = tr("The translation engine at %1 could not be reached. No more "
                            "translations are requested until the program starts again.")
                             .arg(address);
    statusBar()->showMessage(text, 15000);
    if (m_messageBox && !m_reportedEngines.contains(address)) {
        m_reportedEngines.insert(address);
        m_messageBox->setText(text);
        m_messageBox->open();
    }
}

void MainWindow::loadArticleTranslationPage(CLElement *tree)
{
    showTranslationTree(tree);
}

void MainWindow::reportUntranslatedParts()
{
    statusBar()->showMessage(tr("Some parts were not translated"), 5000);
}

void MainWindow::switchContentTranslation()
{
    if (m_translateButton->isChecked())
        m_originalButton->click();
    else if (m_translateButton->isEnabled())
        m_translateButton->click();
}

void MainWindow::articleImageDataLoaded(const QString &url, QByteArray *data)
{
    const std::unique_ptr<QByteArray> bytes(data);
    if (!bytes)
        return;
    // The reply may spell the address otherwise than the page did ("%20" for a
    // space, a letter for its percent-encoding); the views know the page's spelling.
    QString shown = url;
    const QUrl arrived(url);
    for (const ContentScrollView::ImageItem *image : m_originalView->images()) {
        if (image->url == url || QUrl(image->url) == arrived) {
            shown = image->url;
            break;
        }
    }
    m_articleImages->arrived(shown, *bytes);
}

void MainWindow::requestPrevPage()
{
    const QString *page = m_originalView->previousPage();
    if (page && !page->isEmpty() && m_network)
        m_network->requestArticlePage(QString(*page), nullptr);
}

void MainWindow::requestNextPage()
{
    const QString *page = m_originalView->nextPage();
    if (page && !page->isEmpty() && m_network)
        m_network->requestArticlePage(QString(*page), nullptr);
}

void MainWindow::focusOnIndexPanel()
{
    IndexScrollView *view = m_siteTab->isChecked() ? m_siteView : m_pageView;
    if (view)
        view->setFocus();
}

void MainWindow::showLocalContentFile(const QString &url)
{
    const QString trimmed = url.trimmed();
    const QString extension = trimmed.right(4);
    if (!trimmed.startsWith(QLatin1String("file://")) ||
        (extension != QLatin1String(".xml") && extension != QLatin1String(".htm")))
        return;
    const QString path = trimmed.mid(7);
    const QString root =
        QFileInfo(m_applicationDir.isEmpty() ? QCoreApplication::applicationDirPath()
                                             : m_applicationDir)
            .canonicalFilePath();
    // Only files of the installation are read, whatever a profile put into the URL.
    const auto inside = [&root](const QString &file) {
        const QString canonical = QFileInfo(file).canonicalFilePath();
        return !root.isEmpty() && !canonical.isEmpty() &&
               canonical.startsWith(root + QLatin1Char('/'));
    };
    const QString language = m_languages ? m_languages->uiLanguage : QString();
    const QString localised = path.left(path.size() - 4) + QLatin1Char('_') + language + extension;
    QString text = inside(localised) ? readTextFile(localised) : QString();
    if (text.isEmpty() && inside(path))
        text = readTextFile(path);
    if (text.isEmpty())
        return;
    dropArticle();
    m_localPageShown = false;
    showOriginalArticle();
    m_translateButton->setEnabled(false);
    m_useButton->setEnabled(false);
    if (extension == QLatin1String(".htm"))
        m_originalView->showPage(text, nullptr, nullptr);
}

void MainWindow::reloadForRefreshedTDF()
{
    showSiteIndex();
    m_pageTab->setEnabled(false);
    // The trees and the page view point into the site model that is replaced now.
    if (m_network) {
        m_network->abortKind(NDT_ArticlePage);
        m_network->abortKind(NDT_Image);
    }
    dropArticle();
    m_originalButton->setEnabled(false);
    m_translateButton->setEnabled(false);
    m_useButton->setEnabled(false);
    if (m_pageView)
        disconnect(this, nullptr, m_pageView, nullptr);
    dropPageView();
    if (m_siteView) {
        disconnect(this, nullptr, m_siteView, nullptr);
        retireView(m_siteView);
        m_siteView = nullptr;
    }
    m_titleLabel->clear();
    if (m_processor) {
        m_processor->loadSiteCatalogue();
        m_processor->loadTranslators();
        const std::unique_ptr<QSettings> settings(openSettings());
        const QString sequence =
            settings->value(QStringLiteral(TS_KEY_TRANSLATOR_SEQUENCE)).toString();
        if (!sequence.isEmpty())
            m_processor->applyTranslatorSequence(sequence);
    }
    reloadSiteIndexView();
    emit refreshTDFCompleted();
}
