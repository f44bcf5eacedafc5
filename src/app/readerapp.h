#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>

class AboutBox;
class AppDownloadCompleteBox;
class CLProcessor;
class FilterConfigBox;
class I18NConfigBox;
class I18NManager;
class InitialConfigBox;
class MainWindow;
class NetworkModule;
class ProxyConfigBox;
class ProxyManager;
class QMessageBox;
class QTranslator;
class StyleManager;
class UpdateConfirmationBox;
class UpdateSettingBox;
class UpgradeConfirmationBox;
class VersionManager;

/// The application object: fixes the directory layout, creates every manager,
/// dialog and the main window in a fixed order, wires them, reports start-up
/// failures in one message box, and loads the interface translation and the
/// catalogue, profiles, engines, language resource and filters on request.
class ReaderApp : public QApplication
{
    Q_OBJECT

public:
    ReaderApp(int &argc, char **argv);
    ~ReaderApp() override;

    /// The start-up sequence; true when every manager, dialog and the main
    /// window exist.
    bool initialize();

    /// Takes `dir` as the application directory (installation data) and
    /// decides where the program's own data lives; the constructor calls it
    /// with the folder chosen by "--app-dir", TESSOLIN_APP_DIR or the executable.
    void useApplicationDir(const QString &dir);

    /// The program's language code for a system locale name ("de_DE" → "de",
    /// "ko_KR" → "kr", "zh_TW" → "zh_TW"); "en" for one the program does not know.
    static QString programLanguageFor(const QString &localeName);

    /// Shows the main window; on a first start (no stored size) centred at a
    /// comfortable size for the screen.
    void showMainWindow();

    QString applicationDir() const { return m_appDir; }
    QString dataDir() const { return m_dataDir; }

    StyleManager *styleManager = nullptr;
    MainWindow *mainWindow = nullptr;
    CLProcessor *processor = nullptr;
    I18NManager *i18nManager = nullptr;
    QMessageBox *messageBox = nullptr;
    I18NConfigBox *i18nConfigBox = nullptr;
    FilterConfigBox *filterConfigBox = nullptr;
    UpdateSettingBox *updateSettingBox = nullptr;
    NetworkModule *networkModule = nullptr;
    VersionManager *versionManager = nullptr;
    InitialConfigBox *initialConfigBox = nullptr;
    AboutBox *aboutBox = nullptr;
    ProxyManager *proxyManager = nullptr;
    ProxyConfigBox *proxyConfigBox = nullptr;
    UpdateConfirmationBox *updateConfirmationBox = nullptr;
    UpgradeConfirmationBox *upgradeConfirmationBox = nullptr;
    AppDownloadCompleteBox *appDownloadCompleteBox = nullptr;
    QTranslator *translator = nullptr;
    QTranslator *qtTranslator = nullptr; ///< Qt's own texts (print and file dialogs)

    /// When set, start-up messages are logged instead of shown modally (tests
    /// and unattended runs); the last code shown is kept either way.
    bool quietMessages = false;
    QList<int> shownCodes;
    QStringList shownTexts;

signals:
    void translationResourceUpdated();

public slots:
    void refreshProcessor(bool loadCatalogue, bool loadFilters);
    void refreshProcessor(bool loadCatalogue);
    void refreshProcessor();
    void refreshTranslationResource();
    void showErrorMessage(int code, const QString &argument = QString());

private:
    void wire();

    QString m_appDir;
    QString m_dataDir;
};
