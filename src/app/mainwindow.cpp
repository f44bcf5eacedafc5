#include "mainwindow.h"

#include "apppaths.h"
#include "clconstants.h"
#include "clelement.h"
#include "clprocessor.h"
#include "contentscrollview.h"
#include "animationbutton.h"
#include "articleimages.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mediabox.h"
#include "stylemanager.h"
#include "titlebar.h"

#include <QAction>
#include <QCloseEvent>
#include <QDateTime>
#include <QCursor>
#include <QDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QMovie>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWindow>

#include <memory>

namespace {

constexpr int IndicatorSize = 64;
// The link of the layout-changed page that starts a version check ("file:" + this).
constexpr char ProfileUpdateLink[] = "check-profile-updates";

QFrame *makePanel(const QString &name)
{
    auto *panel = new QFrame;
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::NoFrame);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    return panel;
}

} // namespace

MainWindow::MainWindow(NetworkModule *network, CLProcessor *processor, I18NManager *languages,
                       StyleManager *styles, const QString &settingsPath)
    : QMainWindow(nullptr), m_network(network), m_processor(processor), m_languages(languages),
      m_styles(styles), m_settingsPath(settingsPath)
{
    setupWindow();
    setupToolBar();
    setupCentralWidget();
    setupStatusBar();
    m_indexIndicator = makeIndicator(m_indexSide);
    m_articleIndicator = makeIndicator(m_articleSide);
    m_mediaBox = new MediaBox(this);
    m_mediaBox->setObjectName(QStringLiteral("MediaBox"));
    retranslateUI();
}

MainWindow::~MainWindow()
{
    // Replies in flight write into the trees and entries deleted here, and
    // what they would hand over would find nobody to take and delete it.
    if (m_network) {
        disconnect(m_network, nullptr, this, nullptr);
        m_network->abortCommuncation();
    }
    stopArticleTranslation();
    stopHeadlineTranslation();
    dropArticle();
    delete m_pageTree;
    m_pageTree = nullptr;
}

QSettings *MainWindow::openSettings() const
{
    if (m_settingsPath.isEmpty())
        return new QSettings;
    return new QSettings(m_settingsPath, QSettings::IniFormat);
}

void MainWindow::setupWindow()
{
    setWindowTitle(QStringLiteral(TS_APP_NAME));
    setWindowIcon(QIcon(QStringLiteral(":/LOGO")));
    setMinimumSize(768, 480);
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint);

    const std::unique_ptr<QSettings> settings(openSettings());
    const QList<QScreen *> screens = QGuiApplication::screens();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const int number = settings->value(QStringLiteral(TS_KEY_LAST_SCREEN_NUMBER), 0).toInt();
    const QRect stored = settings
                             ->value(QStringLiteral(TS_KEY_LAST_SCREEN_GEOMETRY),
                                     primary ? primary->geometry() : QRect())
                             .toRect();
    // A layout that changed since the last run leaves placement to the platform.
    if (number < 0 || number >= screens.size() || screens.at(number)->geometry() != stored)
        return;
    if (settings->contains(QStringLiteral(TS_KEY_LAST_SIZE)))
        resize(settings->value(QStringLiteral(TS_KEY_LAST_SIZE)).toSize());
    if (settings->contains(QStringLiteral(TS_KEY_LAST_POSITION)))
        move(settings->value(QStringLiteral(TS_KEY_LAST_POSITION)).toPoint());
}

QToolButton *MainWindow::makeWindowButton(const QString &icon)
{
    auto *button = new QToolButton;
    button->setIcon(QIcon(icon));
    button->setFixedSize(18, 18);
    button->setAutoRaise(true);
    return button;
}

void MainWindow::setupToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("MainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setAllowedAreas(Qt::NoToolBarArea);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setIconSize(QSize(30, 30));
    addToolBar(Qt::TopToolBarArea, m_toolBar);

    m_logoBar = new TitleBar(QStringLiteral(":/LOGOTEXT"));
    m_logoBar->setFixedHeight(40);
    m_toolBar->addWidget(m_logoBar);

    m_contentConfigAction = m_toolBar->addAction(QIcon(QStringLiteral(":/CONTENTCONFIG")),
                                                 QString(), this, &MainWindow::popupFilterCfgBox);
    m_languageConfigAction = m_toolBar->addAction(QIcon(QStringLiteral(":/LANGUAGECONFIG")),
                                                  QString(), this, &MainWindow::popupI18NCfgBox);
    m_preferencesAction = m_toolBar->addAction(QIcon(QStringLiteral(":/PREFERENCECONFIG")),
                                               QString(), this, &MainWindow::showPreferencesMenu);
    m_preferencesMenu = new QMenu(this);
    m_preferencesMenu->setObjectName(QStringLiteral("PreferencesMenu"));
    m_updateAction = m_preferencesMenu->addAction(QIcon(QStringLiteral(":/UPGRADE")), QString(),
                                                  this, &MainWindow::popupUpdateSettingBox);
    m_proxyAction = m_preferencesMenu->addAction(QIcon(QStringLiteral(":/NETWORKING")), QString(),
                                                 this, &MainWindow::popupProxySettingBox);
    m_ideaAction = m_toolBar->addAction(QIcon(QStringLiteral(":/IDEA")), QString(), this,
                                        &MainWindow::showHelpMenu);
    m_helpMenu = new QMenu(this);
    m_helpMenu->setObjectName(QStringLiteral("HelpMenu"));
    m_helpAction = m_helpMenu->addAction(QIcon(QStringLiteral(":/HELP")), QString(), this,
                                         qOverload<>(&MainWindow::showHelpPage));
    m_aboutAction = m_helpMenu->addAction(QIcon(QStringLiteral(":/ABOUT")), QString(), this,
                                          &MainWindow::popupAboutBox);

    m_captionBar = new TitleBar(QString());
    m_captionBar->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    auto *captionLayout = new QHBoxLayout(m_captionBar);
    m_titleLabel = new QLabel;
    m_titleLabel->setObjectName(QStringLiteral("WindowTitleLabel"));
    m_titleLabel->setTextFormat(Qt::PlainText);
    m_titleLabel->setAlignment(Qt::AlignCenter);
    m_titleLabel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Presses on the label belong to the bar, so the window can be dragged by its title.
    m_titleLabel->setAttribute(Qt::WA_TransparentForMouseEvents);
    captionLayout->addWidget(m_titleLabel);
    m_toolBar->addWidget(m_captionBar);

    m_minButton = makeWindowButton(QStringLiteral(":/MIN"));
    m_maxButton = makeWindowButton(QStringLiteral(":/MAX"));
    m_closeButton = makeWindowButton(QStringLiteral(":/CLOSE"));
    connect(m_minButton, &QToolButton::clicked, this, &QWidget::showMinimized);
    connect(m_maxButton, &QToolButton::clicked, this, &MainWindow::switchMaxNormal);
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::close);
    for (QToolButton *button : {m_minButton, m_maxButton, m_closeButton})
        m_toolBar->addWidget(button);

    for (TitleBar *bar : {m_logoBar, m_captionBar}) {
        connect(bar, &TitleBar::mousePressEvent, this, &MainWindow::resetMousePosition);
        connect(bar, &TitleBar::mouseMoveEvent, this, &MainWindow::moveWindow);
        connect(bar, &TitleBar::mouseDoubleClickEvent, this, &MainWindow::switchMaxNormal);
    }
}

QToolButton *MainWindow::makeTab(const QString &icon, bool checkable)
{
    auto *button = new QToolButton;
    button->setObjectName(QStringLiteral("MainWindowCommonTab"));
    button->setIcon(QIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setMinimumHeight(25);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setCheckable(checkable);
    return button;
}

void MainWindow::setupCentralWidget()
{
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("CentralPanel"));

    m_indexSide = new QWidget;
    auto *indexGrid = new QGridLayout(m_indexSide);
    indexGrid->setSpacing(1);
    indexGrid->setContentsMargins(6, 6, 1, 2);
    m_siteTab = makeTab(QStringLiteral(":/SITEMAP"));
    m_siteTab->setChecked(true);
    m_pageTab = makeTab(QStringLiteral(":/PAGEMAP"));
    m_pageTab->setEnabled(false);
    m_indexToggle = makeTab(QStringLiteral(":/WARNING"));
    indexGrid->addWidget(m_siteTab, 0, 0);
    indexGrid->addWidget(m_pageTab, 0, 1);
    indexGrid->addWidget(m_indexToggle, 0, 2);
    m_indexStack = new QStackedWidget;
    m_sitePanel = makePanel(QStringLiteral("SiteIndexPanel"));
    m_pagePanel = makePanel(QStringLiteral("PageIndexPanel"));
    m_indexStack->addWidget(m_sitePanel);
    m_indexStack->addWidget(m_pagePanel);
    indexGrid->addWidget(m_indexStack, 1, 0, 1, 3);

    m_articleSide = new QWidget;
    auto *articleGrid = new QGridLayout(m_articleSide);
    articleGrid->setSpacing(0);
    articleGrid->setContentsMargins(1, 6, 6, 2);
    m_originalButton = makeTab(QStringLiteral(":/ORIGINALCONTENT"));
    m_originalButton->setEnabled(false);
    m_translateButton = makeTab(QStringLiteral(":/WARNING"));
    m_translateButton->setEnabled(false);
    m_useButton = makeTab(QStringLiteral(":/USE"), false);
    m_useButton->setEnabled(false);
    articleGrid->addWidget(m_originalButton, 0, 0);
    articleGrid->addWidget(m_translateButton, 0, 1);
    articleGrid->addWidget(m_useButton, 0, 2);
    m_useMenu = new QMenu(this);
    m_emailAction = m_useMenu->addAction(QIcon(QStringLiteral(":/MESSAGE")), QString(), this,
                                         &MainWindow::forwardToEmailClient);
    m_printAction = m_useMenu->addAction(QIcon(QStringLiteral(":/PRINT")), QString(), this,
                                         &MainWindow::printArticle);
    m_pdfAction =
        m_useMenu->addAction(QIcon(QStringLiteral(":/PDF")), QString(), this, &MainWindow::savePDF);

    m_contentStack = new QStackedWidget;
    QFrame *contentPanel = makePanel(QStringLiteral("ContentPanel"));
    QFrame *translationPanel = makePanel(QStringLiteral("ArticleTranslationPanel"));
    m_originalView = new ContentScrollView;
    m_originalView->setObjectName(QStringLiteral("ContentView"));
    m_translatedView = new ContentScrollView;
    m_articleImages = new ArticleImages(m_originalView, m_translatedView, this);
    m_translatedView->setObjectName(QStringLiteral("ArticleTranslationView"));
    contentPanel->layout()->addWidget(m_originalView);
    translationPanel->layout()->addWidget(m_translatedView);
    m_contentStack->addWidget(contentPanel);
    m_contentStack->addWidget(translationPanel);
    articleGrid->addWidget(m_contentStack, 1, 0, 1, 3);

    m_splitter->addWidget(m_indexSide);
    m_splitter->addWidget(m_articleSide);
    m_splitter->setStretchFactor(1, 1);
    setCentralWidget(m_splitter);

    connect(m_siteTab, &QToolButton::clicked, this, &MainWindow::showSiteIndex);
    connect(m_pageTab, &QToolButton::clicked, this, &MainWindow::showPageIndex);
    connect(m_indexToggle, &QToolButton::clicked, this, &MainWindow::switchIndexLocale);
    connect(m_originalButton, &QToolButton::clicked, this, &MainWindow::showOriginalArticle);
    connect(m_translateButton, &QToolButton::clicked, this, &MainWindow::translateArticle);
    connect(m_useButton, &QToolButton::clicked, this, &MainWindow::showUtilizationMenu);
    connect(m_indexStack, &QStackedWidget::currentChanged, this, &MainWindow::switchIndexLocale);
    connect(m_splitter, &QSplitter::splitterMoved, this, &MainWindow::adjustNetworkIndicators);
    for (ContentScrollView *view : {m_originalView, m_translatedView}) {
        connect(view, &ContentScrollView::scrolled, this, &MainWindow::scrolled);
        connect(view, &ContentScrollView::popupImage, this, &MainWindow::popupImage);
        connect(view, &ContentScrollView::switchTranslation, this,
                &MainWindow::switchContentTranslation);
        connect(view, &ContentScrollView::toEmail, m_emailAction, &QAction::trigger);
        connect(view, &ContentScrollView::toPrint, m_printAction, &QAction::trigger);
        connect(view, &ContentScrollView::toSave, m_pdfAction, &QAction::trigger);
        // Both views page through the original article.
        connect(view->previousPageArrow(), &AnimationButton::pressed, this,
                &MainWindow::requestPrevPage);
        connect(view->nextPageArrow(), &AnimationButton::pressed, this,
                &MainWindow::requestNextPage);
        connect(this, &MainWindow::toRetranslateUI, view, &ContentScrollView::retranslateUI);
    }
    connect(m_originalView, &ContentScrollView::requestLocalPage, this,
            &MainWindow::followLocalLink);
}

void MainWindow::setupStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setContentsMargins(10, 2, 10, 2);
    bar->setSizeGripEnabled(false);
    m_progressBar = new QProgressBar;
    m_progressBar->setFixedHeight(14);
    m_progressBar->setMaximumWidth(80);
    m_progressBar->setTextVisible(false);
    bar->addPermanentWidget(m_progressBar);
    m_progressBar->hide();
}

QLabel *MainWindow::makeIndicator(QWidget *parent)
{
    auto *label = new QLabel(parent);
    auto *movie = new QMovie(QStringLiteral(":/NETREADING"), QByteArray(), label);
    movie->setScaledSize(QSize(IndicatorSize, IndicatorSize));
    label->setMovie(movie);
    label->resize(IndicatorSize, IndicatorSize);
    label->hide();
    label->lower();
    return label;
}

void MainWindow::connectNetworkModule()
{
    if (!m_network)
        return;
    NetworkModule *n = m_network;
    connect(n, &NetworkModule::indexItemTranslationCompleted, this, &MainWindow::hideProgressBar);
    connect(n, &NetworkModule::notifyNetworkStatus, this, &MainWindow::updateOnEvent);
    connect(n, &NetworkModule::imageDataLoaded, this, &MainWindow::articleImageDataLoaded);
    connect(n, &NetworkModule::indexPageLoaded, this, &MainWindow::loadIndexPage);
    connect(n, &NetworkModule::articlePageLoaded, this, &MainWindow::loadArticlePage);
    connect(n, &NetworkModule::profileMissed, this, &MainWindow::showProfileMiss);
    connect(n, &NetworkModule::indexItemTranslated, this, &MainWindow::loadIndexItemTranslation);
    connect(n, &NetworkModule::articleTranslated, this, &MainWindow::loadArticleTranslationPage);
    // Told just before the translation arrives; the notice follows the
    // translation's own status text.
    connect(n, &NetworkModule::articleTranslationIncomplete, this,
            [this](CLElement *clone) { m_incompleteClone = clone; });
    connect(n, &NetworkModule::translationEngineUnreachable, this,
            &MainWindow::translationEngineUnreachable);
    connect(n, &NetworkModule::activeOperationForIndex, this,
            &MainWindow::showNetworkIndicatorForIndex);
    connect(n, &NetworkModule::activeOperationForArticle, this,
            &MainWindow::showNetworkIndicatorForArticle);
}

void MainWindow::setPageDirectories(const QString &messageDir, const QString &helpDir)
{
    m_messageDir = messageDir;
    m_helpDir = helpDir;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The normal geometry is what a restart restores, also after closing maximised.
    const bool maximized = isMaximized();
    const QRect normal = normalGeometry();
    if (maximized)
        showNormal();
    const std::unique_ptr<QSettings> settings(openSettings());
    settings->setValue(QStringLiteral(TS_KEY_LAST_SIZE), maximized ? normal.size() : size());
    settings->setValue(QStringLiteral(TS_KEY_LAST_POSITION), maximized ? normal.topLeft() : pos());
    QScreen *current = screen();
    const int number = current ? QGuiApplication::screens().indexOf(current) : -1;
    settings->setValue(QStringLiteral(TS_KEY_LAST_SCREEN_NUMBER), number);
    settings->setValue(QStringLiteral(TS_KEY_LAST_SCREEN_GEOMETRY),
                       current ? current->geometry() : QRect());
    settings->sync();
    if (m_processor)
        m_processor->flushHistory();
    QWidget::closeEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    adjustNetworkIndicators();
}

void MainWindow::switchMaxNormal()
{
    if (!isMaximized()) {
        m_maxButton->setToolTip(tr("Restore Down"));
        showMaximized();
    } else {
        m_maxButton->setToolTip(tr("Maximize"));
        showNormal();
    }
}

void MainWindow::resetMousePosition(QMouseEvent *event)
{
    if (!event)
        return;
    const QPoint position = event->position().toPoint();
    m_pressX = position.x();
    m_pressY = position.y();
}

void MainWindow::moveWindow(QMouseEvent *event)
{
    if (!event)
        return;
    const QPoint offset = event->position().toPoint() - QPoint(m_pressX, m_pressY);
    if (offset.isNull())
        return;
    // Where the platform moves windows itself (Wayland ignores move()), let it.
    if (QWindow *handle = windowHandle(); handle && handle->startSystemMove())
        return;
    setGeometry(geometry().translated(offset));
}

void MainWindow::openCentred(QDialog *dialog)
{
    if (!dialog)
        return;
    dialog->move(x() + (width() - dialog->width()) / 2, y() + (height() - dialog->height()) / 2);
    dialog->exec();
}

void MainWindow::popupFilterCfgBox()
{
    openCentred(m_filterBox);
}
void MainWindow::popupI18NCfgBox()
{
    openCentred(m_i18nBox);
}
void MainWindow::popupUpdateSettingBox()
{
    openCentred(m_updateSettingBox);
}
void MainWindow::popupProxySettingBox()
{
    openCentred(m_proxyBox);
}
void MainWindow::popupAboutBox()
{
    openCentred(m_aboutBox);
}

void MainWindow::showInitialCfgBox()
{
    if (!m_initialBox)
        return;
    QMetaObject::invokeMethod(m_initialBox, "retranslateUI", Qt::DirectConnection);
    openCentred(m_initialBox);
}

void MainWindow::showHelpMenu()
{
    m_helpMenu->exec(QCursor::pos());
}

void MainWindow::showPreferencesMenu()
{
    m_preferencesMenu->exec(QCursor::pos());
}

void MainWindow::showUtilizationMenu()
{
    m_useMenu->popup(QPoint(x() + m_articleSide->x() + m_useButton->x() + 7,
                            y() + m_toolBar->height() + m_contentStack->y() + 7));
}

void MainWindow::popupImage(const QString &url, const QVariant &image)
{
    Q_UNUSED(url)
    const QPixmap picture = image.canConvert<QPixmap>() ? image.value<QPixmap>() : QPixmap();
    m_mediaBox->showImage(picture, geometry());
    m_mediaBox->show();
}

void MainWindow::scrolled(int percentage)
{
    showStatus(QStringLiteral("%1%").arg(percentage), 1000);
}

void MainWindow::hideProgressBar()
{
    m_progressBar->hide();
}

void MainWindow::showStatus(const QString &text, int timeout)
{
    statusBar()->showMessage(text, timeout);
}

void MainWindow::updateOnEvent(CONetworkDataType kind, int eventType, const QString &arg1,
                               const QString &arg2)
{
    Q_UNUSED(arg2)
    QString text;
    QString page;
    switch (eventType) {
    case NS_UpdateServicesUnreachable:
        text = tr("Can't access the update services");
        break;
    case NS_ImageLoaded:
        text = tr("Image loaded");
        break;
    case NS_PageParsingError:
        text = tr("Page parsing error");
        page = QStringLiteral("parsing_error.html");
        break;
    case NS_IndexPageLoaded:
        text = tr("Index page loaded");
        break;
    case NS_ArticlePageLoaded:
        text = tr("Article page loaded");
        break;
    case NS_ReadFailed:
        text = tr("Failed to read from network");
        page = QStringLiteral("connection_error.html");
        break;
    case NS_DiscardedData:
        text = tr("Discard useless network data");
        break;
    case NS_ConnectionFailure:
        text = tr("Connection Failure");
        page = QStringLiteral("connection_error.html");
        break;
    case NS_TransferTimeout:
        text = tr("Data Transfer Timeout");
        break;
    case NS_OperationCanceled:
        text = tr("Netowrk Operation Canceled");
        break;
    case NS_ProxyError:
        text = tr("Proxy Error");
        break;
    case NS_RemoteContentError:
        text = tr("Can't Access Remote Content");
        page = QStringLiteral("connection_error.html");
        break;
    case NS_OperationFailed:
        text = tr("Network Operation Failed");
        page = QStringLiteral("connection_error.html");
        break;
    case NS_Connecting:
        text = tr("Connecting network... %1").arg(arg1);
        break;
    case NS_ConnectFailed:
        text = tr("Failed to connect network");
        page = QStringLiteral("connection_error.html");
        break;
    case NS_BytesReceived:
        text = tr("Received %1 bytes").arg(arg1);
        break;
    default:
        return;
    }
    showStatus(text);
    if (!page.isEmpty() && (kind == NDT_IndexPage || kind == NDT_ArticlePage))
        showMessagePage(page);
    // A new article that did not come leaves the shown one, whose pictures its request ended.
    else if (kind == NDT_ArticlePage && (eventType == NS_TransferTimeout ||
                                          eventType == NS_OperationCanceled ||
                                          eventType == NS_ProxyError))
        requestMissingImages();
}

void MainWindow::adjustNetworkIndicator(QLabel *indicator)
{
    if (!indicator || !indicator->isVisible() || !indicator->parentWidget())
        return;
    const QWidget *parent = indicator->parentWidget();
    indicator->setGeometry((parent->width() - IndicatorSize) / 2,
                           (parent->height() - IndicatorSize) / 2, IndicatorSize, IndicatorSize);
}

void MainWindow::adjustNetworkIndicators()
{
    adjustNetworkIndicator(m_indexIndicator);
    adjustNetworkIndicator(m_articleIndicator);
}

void MainWindow::showIndicator(QLabel *indicator, bool visible)
{
    QMovie *movie = indicator->movie();
    if (visible) {
        if (movie)
            movie->start();
        indicator->raise();
        indicator->show();
        adjustNetworkIndicator(indicator);
    } else {
        if (movie)
            movie->stop();
        indicator->lower();
        indicator->hide();
    }
}

void MainWindow::showNetworkIndicatorForIndex(bool visible)
{
    showIndicator(m_indexIndicator, visible);
}

void MainWindow::showNetworkIndicatorForArticle(bool visible)
{
    showIndicator(m_articleIndicator, visible);
}

bool MainWindow::showHelpPage(const QString &file)
{
    return showLocalPage(m_helpDir, file);
}

void MainWindow::showHelpPage()
{
    showHelpPage(QStringLiteral("help.html"));
}

bool MainWindow::showMessagePage(const QString &file)
{
    return showLocalPage(m_messageDir, file);
}

void MainWindow::showMessagePage()
{
    showMessagePage(QStringLiteral("connection_error.html"));
}

bool MainWindow::showLocalPage(const QString &dir, const QString &file,
                               const QHash<QString, QString> &fields)
{
    if (dir.isEmpty())
        return false;
    const QString language = m_languages ? m_languages->uiLanguage : QStringLiteral("en");
    const QString base = dir + QLatin1Char('/') + language + QLatin1Char('/');
    QString page = readTextFile(base + file);
    const QString sheet = readTextFile(base + QStringLiteral("winstyle.css"));
    if (page.isEmpty())
        page = readTextFile(dir + QStringLiteral("/en/") + file);
    if (page.isEmpty())
        return false;
    // Fields come from profiles and pages: shown as text, never as markup.
    for (auto it = fields.cbegin(); it != fields.cend(); ++it)
        page.replace(QStringLiteral("{{%1}}").arg(it.key()), it.value().toHtmlEscaped());
    // A translation in flight would switch to an article that is no longer on screen.
    stopArticleTranslation();
    dropTranslation();
    m_originalView->clearImages();
    if (!sheet.isEmpty())
        m_originalView->document()->setDefaultStyleSheet(sheet);
    showOriginalArticle();
    m_translateButton->setEnabled(false);
    m_useButton->setEnabled(false);
    m_localPageShown = true;
    m_originalView->showPage(page, nullptr, nullptr);
    rebindArticleKeys(nullptr, nullptr);
    return true;
}

void MainWindow::followLocalLink(const QString &path)
{
    // Only pages the program put on screen may lead on, and only to their siblings.
    if (m_localPageShown && path == QLatin1String(ProfileUpdateLink)) {
        showStatus(tr("Checking for profile updates..."));
        emit requestProfileUpdateCheck();
        return;
    }
    if (!m_localPageShown || path.isEmpty() || path.contains(QLatin1Char('/')) ||
        path.contains(QLatin1Char('\\')) || path.contains(QLatin1String("..")))
        return;
    showHelpPage(path);
}

void MainWindow::showMessage(int code, const QString &arg)
{
    Q_UNUSED(arg)
    if (!m_messageBox)
        return;
    switch (code) {
    case 2010:
        m_messageBox->setText(tr("The language of the original article is the same to the "
                                 "translation target language."));
        break;
    case 2012:
        m_messageBox->setText(tr("Can't launch system default email program."));
        break;
    default:
        break;
    }
    m_messageBox->exec();
}

void MainWindow::retranslateUI()
{
    m_contentConfigAction->setToolTip(tr("Content Configuration"));
    m_languageConfigAction->setToolTip(tr("Language Configuration"));
    m_preferencesAction->setToolTip(tr("Preferences Configuration"));
    m_updateAction->setText(tr("Update Check Settings"));
    m_proxyAction->setText(tr("Proxy Settings"));
    m_ideaAction->setToolTip(tr("Help"));
    m_helpAction->setText(tr("Help"));
    m_aboutAction->setText(tr("About"));
    m_minButton->setToolTip(tr("Minimize"));
    m_maxButton->setToolTip(tr("Maximize"));
    m_closeButton->setToolTip(tr("Close"));
    m_siteTab->setText(tr("Site Index"));
    m_pageTab->setText(tr("Page Index"));
    m_indexToggle->setText(tr("Translation"));
    m_originalButton->setText(tr("Original Article"));
    m_translateButton->setText(tr("Translation"));
    m_useButton->setText(tr("Utilize"));
    m_useMenu->setTitle(tr("Use"));
    m_emailAction->setText(tr("Share with Email"));
    m_printAction->setText(tr("Print"));
    m_pdfAction->setText(tr("Save as PDF"));

    if (m_languages && m_styles)
        reloadSiteIndexView();

    m_translatedHeader = tr("TRANSLATED ARTICEL:\n");
    m_originalHeader = tr("ORIGINAL ARTICLE:\n");
    m_emailEnd = tr("END OF ARTICLE.\nThe aricle was published at %1.\nThis message was exported "
                    "by Tessolin software, visit tessolin.net for free download.\n");
    m_printFooter = tr("<hr/>The article was published at %1. <br>This paper was printed by "
                       "<b>Tessolin</b> software, visit tessolin.net for free download.<br>");
    m_pdfFooter = tr("<hr/>The article was published at <a href='%1'>%1</a>. <br>This PDF file "
                     "was exported by <b>Tessolin</b> software, visit <a "
                     "href='http://tessolin.net'>tessolin.net</a> for free download.<br>");
    emit toRetranslateUI();
}

void MainWindow::showProfileMiss(CONetworkDataType kind, const CLProfileMiss &miss)
{
    if (kind != NDT_IndexPage && kind != NDT_ArticlePage)
        return;
    // Kept beside the program's log, where a maintainer's user finds it.
    const QString logDir = AppPaths::dataDir() + QStringLiteral("/log");
    if (!AppPaths::dataDir().isEmpty() && QFileInfo(logDir).isDir())
        appendHealthLog(logDir + QStringLiteral("/profile_health.log"),
                        healthLogLine(miss, QDateTime::currentDateTimeUtc().toString(Qt::ISODate)));
    showStatus(tr("Nothing usable found in this page: %1").arg(miss.stage));
    const QString site = miss.siteName.isEmpty() ? miss.siteId : miss.siteName;
    if (!showLocalPage(m_messageDir, QStringLiteral("layout_changed.html"),
                       {{QStringLiteral("SITE"), site.isEmpty() ? QStringLiteral("?") : site},
                        {QStringLiteral("VERSION"),
                         miss.version.isEmpty() ? QStringLiteral("?") : miss.version},
                        {QStringLiteral("STAGE"), miss.stage}}))
        showMessagePage(QStringLiteral("parsing_error.html"));
}
