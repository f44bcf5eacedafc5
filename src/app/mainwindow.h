#pragma once

#include "clhealth.h"

#include "networkmodule.h"

#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QUrl>

class ArticleImages;
class CLElement;
class CLProcessor;
class ContentScrollView;
class I18NManager;
class IndexItem;
class IndexScrollView;
class MediaBox;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QProgressBar;
class QSettings;
class QSplitter;
class QStackedWidget;
class QToolBar;
class QToolButton;
class StyleManager;
class TitleBar;
class TranslatableHeadline;

/// The program's only top-level window: a frameless main window whose tool
/// bar is its title bar, the site and page index on the left, the original
/// and translated article on the right, a status bar with a progress bar.
///
/// The collaborators are handed in and not owned; any of them may be null,
/// which turns off what needs it. Dialog pointers are set later; opening a
/// dialog that was never set does nothing.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// `settingsPath` names an INI file for the window geometry; empty: the
    /// application's default settings store.
    MainWindow(NetworkModule *network, CLProcessor *processor, I18NManager *languages,
               StyleManager *styles, const QString &settingsPath = QString());
    ~MainWindow() override;

    /// Makes the connections from the network module to this window.
    void connectNetworkModule();

    void setPageDirectories(const QString &messageDir, const QString &helpDir);
    /// The only directory local article files are read from.
    void setApplicationDir(const QString &dir) { m_applicationDir = dir; }
    void setMessageBox(QMessageBox *box) { m_messageBox = box; }
    void setFilterBox(QDialog *box) { m_filterBox = box; }
    void setI18NBox(QDialog *box) { m_i18nBox = box; }
    void setInitialBox(QDialog *box) { m_initialBox = box; }
    void setUpdateSettingBox(QDialog *box) { m_updateSettingBox = box; }
    void setAboutBox(QDialog *box) { m_aboutBox = box; }
    void setProxyBox(QDialog *box) { m_proxyBox = box; }

    /// Shows the message box modally with the text of `code` (2010, 2012);
    /// other codes keep the box's previous text.
    void showMessage(int code, const QString &arg = QString());

    // The parts of the window, for those who wire and test it.
    QToolBar *toolBar() const { return m_toolBar; }
    TitleBar *logoBar() const { return m_logoBar; }
    TitleBar *captionBar() const { return m_captionBar; }
    QLabel *titleLabel() const { return m_titleLabel; }
    QToolButton *maximizeButton() const { return m_maxButton; }
    QToolButton *siteTab() const { return m_siteTab; }
    QToolButton *pageTab() const { return m_pageTab; }
    QToolButton *indexTranslationToggle() const { return m_indexToggle; }
    QToolButton *originalButton() const { return m_originalButton; }
    QToolButton *translateButton() const { return m_translateButton; }
    QToolButton *useButton() const { return m_useButton; }
    QAction *emailAction() const { return m_emailAction; }
    QAction *printAction() const { return m_printAction; }
    QAction *pdfAction() const { return m_pdfAction; }
    QStackedWidget *indexStack() const { return m_indexStack; }
    QStackedWidget *contentStack() const { return m_contentStack; }
    ContentScrollView *originalView() const { return m_originalView; }
    ContentScrollView *translatedView() const { return m_translatedView; }
    ArticleImages *articleImages() const { return m_articleImages; }
    IndexScrollView *siteView() const { return m_siteView; }
    IndexScrollView *pageView() const { return m_pageView; }
    QProgressBar *progressBar() const { return m_progressBar; }
    QLabel *indexIndicator() const { return m_indexIndicator; }
    QLabel *articleIndicator() const { return m_articleIndicator; }
    MediaBox *mediaBox() const { return m_mediaBox; }
    QSplitter *splitter() const { return m_splitter; }
    bool isSiteIndexTranslated() const { return m_siteIndexTranslated; }
    bool isPageIndexTranslated() const { return m_pageIndexTranslated; }
    /// Whether a help or message page is what the original view shows.
    bool isShowingLocalPage() const { return m_localPageShown; }

    /// The article's URL as the sharing texts quote it; empty without an article.
    QString articleUrl() const;
    /// The "mailto:" URL for the shown article, percent-encoded.
    QUrl emailUrl() const;
    /// The PDF file name for what the user typed: ".pdf" added unless present.
    static QString pdfFileName(const QString &name);
    /// The document printing and PDF export render: the headline parts of
    /// the shown view, then `footer` with the article's URL, HTML-escaped.
    QString printHtml(const QString &footer) const;
    QString printFooter() const { return m_printFooter; }
    QString pdfFooter() const { return m_pdfFooter; }
    /// Writes the shown article to `fileName` as PDF; false without an article.
    bool writePdf(const QString &fileName);

signals:
    void refreshTDFCompleted();
    void toRetranslateUI();
    /// The user asked, from a page the site's profile no longer reads, for a version check.
    void requestProfileUpdateCheck();

public slots:
    // Window behaviour.
    void switchMaxNormal();
    void resetMousePosition(QMouseEvent *event);
    void moveWindow(QMouseEvent *event);
    void popupFilterCfgBox();
    void popupI18NCfgBox();
    void popupUpdateSettingBox();
    void popupProxySettingBox();
    void popupAboutBox();
    void showInitialCfgBox();
    void showHelpMenu();
    void showPreferencesMenu();
    void showUtilizationMenu();
    void popupImage(const QString &url, const QVariant &image);
    void scrolled(int percentage);
    void hideProgressBar();
    void updateOnEvent(CONetworkDataType kind, int eventType, const QString &arg1 = QString(),
                       const QString &arg2 = QString());
    void adjustNetworkIndicator(QLabel *indicator);
    void adjustNetworkIndicators();
    void showNetworkIndicatorForIndex(bool visible);
    void showNetworkIndicatorForArticle(bool visible);
    bool showHelpPage(const QString &file);
    void showHelpPage();
    bool showMessagePage(const QString &file);
    void showMessagePage();
    bool showLocalPage(const QString &dir, const QString &file,
                       const QHash<QString, QString> &fields = {});
    /// The page that says the site's layout may have changed, the stage that found
    /// nothing in the status bar, and a line in the profile health log.
    void showProfileMiss(CONetworkDataType kind, const CLProfileMiss &miss);
    void retranslateUI();

    // Navigation and translation.
    void refreshTranslationButtons();
    void requestIndexPage(const QString &url);
    void loadIndexPage(CLElement *tree);
    void reloadSiteIndexView();
    void showSiteIndex();
    void showPageIndex();
    void showSiteIndexDisablePage();
    /// Requests again the shown article's pictures that no view holds yet
    /// (their requests were ended by another request).
    void requestMissingImages();
    void switchIndexLocale();
    void switchIndexTranslation();
    void loadIndexItemTranslation(CLElement *translated, TranslatableHeadline *item);
    void loadArticlePage(CLElement *tree);
    void translateArticle();
    void loadArticleTranslationPage(CLElement *tree);
    /// Some parts of the shown translation kept their original text.
    void reportUntranslatedParts();
    /// Nobody answers at a translation engine's address: both panels go back
    /// to what they showed, and the user is told once.
    void translationEngineUnreachable(const QString &address);
    void showOriginalArticle();
    void showTranslatedArticle();
    void switchContentTranslation();
    void articleImageDataLoaded(const QString &url, QByteArray *data);
    void requestPrevPage();
    void requestNextPage();
    void focusOnIndexPanel();
    void showLocalContentFile(const QString &url);
    void reloadForRefreshedTDF();

    // Sharing.
    void printArticle();
    void savePDF();
    void forwardToEmailClient();

private slots:
    /// A link inside a help page; only a bare file name of the help directory is followed.
    void followLocalLink(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setupWindow();
    void setupToolBar();
    void setupCentralWidget();
    void setupStatusBar();
    QToolButton *makeTab(const QString &icon, bool checkable = true);
    QToolButton *makeWindowButton(const QString &icon);
    QLabel *makeIndicator(QWidget *parent);
    void showIndicator(QLabel *indicator, bool visible);
    void openCentred(QDialog *dialog);
    void showStatus(const QString &text, int timeout = 5000);
    QSettings *openSettings() const;

    static void switchStack(QStackedWidget *stack, int index, QToolButton *uncheck,
                            QToolButton *check);
    /// Ends every article translation in flight, before a tree it writes into goes.
    void stopArticleTranslation();
    /// Ends every headline translation in flight, before the entries go.
    void stopHeadlineTranslation();
    /// Deletes the translation clone and empties the translated view.
    void dropTranslation();
    /// Deletes the original article (and its translation) and empties the views.
    void dropArticle();
    void dropPageView();
    void rebindArticleKeys(const QString *previousPage, const QString *nextPage);
    /// Shows an extracted article in the original view; false when it can't.
    bool showOriginalTree(CLElement *tree);
    void showTranslationTree(CLElement *clone);
    QString articleSheet(const QString &language) const;
    QString indexSheet(const QString &language) const;
    bool canShare() const;
    ContentScrollView *shownView() const;
    void renderForPrint(ContentScrollView *view, const QString &footer) const;

    NetworkModule *m_network;
    CLProcessor *m_processor;
    I18NManager *m_languages;
    StyleManager *m_styles;
    QString m_settingsPath;
    QString m_messageDir;
    QString m_helpDir;
    QString m_applicationDir;
    QPointer<QMessageBox> m_messageBox;
    QPointer<QDialog> m_filterBox;
    QPointer<QDialog> m_i18nBox;
    QPointer<QDialog> m_initialBox;
    QPointer<QDialog> m_updateSettingBox;
    QPointer<QDialog> m_aboutBox;
    QPointer<QDialog> m_proxyBox;

    QToolBar *m_toolBar = nullptr;
    TitleBar *m_logoBar = nullptr;
    TitleBar *m_captionBar = nullptr;
    QLabel *m_titleLabel = nullptr;
    QAction *m_contentConfigAction = nullptr;
    QAction *m_languageConfigAction = nullptr;
    QAction *m_preferencesAction = nullptr;
    QAction *m_updateAction = nullptr;
    QAction *m_proxyAction = nullptr;
    QAction *m_ideaAction = nullptr;
    QAction *m_helpAction = nullptr;
    QAction *m_aboutAction = nullptr;
    QMenu *m_preferencesMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QToolButton *m_minButton = nullptr;
    QToolButton *m_maxButton = nullptr;
    QToolButton *m_closeButton = nullptr;

    QSplitter *m_splitter = nullptr;
    QWidget *m_indexSide = nullptr;
    QWidget *m_articleSide = nullptr;
    QToolButton *m_siteTab = nullptr;
    QToolButton *m_pageTab = nullptr;
    QToolButton *m_indexToggle = nullptr;
    QToolButton *m_originalButton = nullptr;
    QToolButton *m_translateButton = nullptr;
    QToolButton *m_useButton = nullptr;
    QMenu *m_useMenu = nullptr;
    QAction *m_emailAction = nullptr;
    QAction *m_printAction = nullptr;
    QAction *m_pdfAction = nullptr;
    QStackedWidget *m_indexStack = nullptr;
    QFrame *m_sitePanel = nullptr;
    QFrame *m_pagePanel = nullptr;
    QStackedWidget *m_contentStack = nullptr;
    ContentScrollView *m_originalView = nullptr;
    ContentScrollView *m_translatedView = nullptr;
    ArticleImages *m_articleImages = nullptr;
    IndexScrollView *m_siteView = nullptr;
    IndexScrollView *m_pageView = nullptr;
    /// The clone the network module just called incomplete; compared, never used.
    const CLElement *m_incompleteClone = nullptr;
    /// Engine addresses the message box has named already.
    QSet<QString> m_reportedEngines;
    /// The tree the page view shows; owned.
    CLElement *m_pageTree = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QLabel *m_indexIndicator = nullptr;
    QLabel *m_articleIndicator = nullptr;
    MediaBox *m_mediaBox = nullptr;

    int m_pressX = 0;
    int m_pressY = 0;
    bool m_siteIndexTranslated = false;
    bool m_pageIndexTranslated = false;
    bool m_localPageShown = false;
    QString m_translatedHeader;
    QString m_originalHeader;
    QString m_emailEnd;
    QString m_printFooter;
    QString m_pdfFooter;
};
