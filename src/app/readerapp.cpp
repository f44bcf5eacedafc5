#include "readerapp.h"

#include "aboutbox.h"
#include "apppaths.h"
#include "clconstants.h"
#include "clprocessor.h"
#include "filterconfigbox.h"
#include "htmltext.h"
#include "i18nconfigbox.h"
#include "i18nmanager.h"
#include "localengine.h"
#include "mainwindow.h"
#include "networkmodule.h"
#include "proxyconfigbox.h"
#include "proxymanager.h"
#include "stylemanager.h"
#include "uiresources.h"
#include "updateboxes.h"
#include "versionmanager.h"
#include "viewtheme.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

namespace {

// Locale languages whose program code differs from the locale's own.
struct CodeAlias
{
    const char *locale;
    const char *program;
};
const CodeAlias CodeAliases[] = {
    {"ko", "kr"}, {"pl", "po"}, {"he", "iw"}, {"iw", "iw"}, {"in", "id"},
};

// Qt's own catalogues are named by locale, not by program code.
QString qtLocaleOf(const QString &programCode)
{
    for (const CodeAlias &alias : CodeAliases) {
        if (programCode == QLatin1String(alias.program))
            return QLatin1String(alias.locale);
    }
    return programCode;
}

} // namespace

ReaderApp::ReaderApp(int &argc, char **argv) : QApplication(argc, argv)
{
    initUiResources();
    translator = new QTranslator(this);
    qtTranslator = new QTranslator(this);
    setApplicationName(QStringLiteral(TS_APP_NAME));
    setApplicationVersion(QStringLiteral(TS_APP_VERSION));
    setOrganizationDomain(QStringLiteral(TS_ORGANIZATION_DOMAIN));
    setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));

    useApplicationDir(AppPaths::chooseInstallDir(arguments(), applicationDirPath()));
    // Update runs stage their downloads in a temporary folder; a killed one leaves it behind.
    AppPaths::removeStaleTempDirs(QDir::tempPath(), applicationName(), QDateTime::currentDateTime());
}

void ReaderApp::useApplicationDir(const QString &dir)
{
    m_appDir = dir;
    AppPaths::setInstallDir(m_appDir);
    // A read-only installation keeps what the program writes in the user's
    // data folder, seeded from the installed configuration.
    m_dataDir = AppPaths::prepareDataDir(
        m_appDir, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        AppPaths::installationWritable(m_appDir));
    if (m_dataDir.isEmpty())
        m_dataDir = m_appDir;
    AppPaths::setDataDir(m_dataDir);
    addLibraryPath(m_appDir + QStringLiteral("/plugins"));
}

ReaderApp::~ReaderApp()
{
    delete messageBox;
    delete styleManager;
    delete filterConfigBox;
    delete i18nConfigBox;
    delete mainWindow;
    delete initialConfigBox;
    delete proxyManager;
    delete proxyConfigBox;
    delete updateConfirmationBox;
    delete upgradeConfirmationBox;
    delete appDownloadCompleteBox;
    delete aboutBox;
    delete updateSettingBox;
}

QString ReaderApp::programLanguageFor(const QString &localeName)
{
    const QStringList known =
        QStringLiteral(TS_SUPPORTED_LANGUAGES).split(QLatin1Char(','), Qt::SkipEmptyParts);
    QString name = localeName;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    if (name.startsWith(QLatin1String("zh"))) {
        const bool traditional = name.contains(QLatin1String("TW"))
                                 || name.contains(QLatin1String("HK"))
                                 || name.contains(QLatin1String("MO"))
                                 || name.contains(QLatin1String("Hant"));
        return traditional ? QStringLiteral("zh_TW") : QStringLiteral("zh_CN");
    }
    // A language code proper: two lower-case letters, alone or before a
    // country ("C" and "POSIX" are no languages).
    static const QRegularExpression languagePart(QStringLiteral("^([a-z]{2})(?:_|$)"));
    const QRegularExpressionMatch match = languagePart.match(name);
    if (!match.hasMatch())
        return QStringLiteral("en");
    const QString language = match.captured(1);
    for (const CodeAlias &alias : CodeAliases) {
        if (language == QLatin1String(alias.locale))
            return QLatin1String(alias.program);
    }
    return known.contains(language) ? language : QStringLiteral("en");
}

bool ReaderApp::initialize()
{
    // 1. Entities and the message box.
    fillEntityTable();
    messageBox = new QMessageBox(QMessageBox::Information, QStringLiteral(TS_APP_NAME), QString(),
                                 QMessageBox::Ok);
    messageBox->setObjectName(QStringLiteral("GlobalMessageBox"));
    messageBox->setTextFormat(Qt::PlainText);

    // 2. Languages.
    i18nManager = new I18NManager(this, programLanguageFor(QLocale::system().name()));
    connect(this, &ReaderApp::translationResourceUpdated, i18nManager,
            &I18NManager::refreshI18nNames);

    // 3. Interface translation.
    refreshTranslationResource();

    // 4. Application style.
    styleManager = new StyleManager(m_appDir + QStringLiteral("/skin"));
    if (!styleManager->loadSkins()) {
        showErrorMessage(2000);
        return false;
    }
    // The dark theme's skin lays its sheets over the default ones.
    if (ViewTheme::instance()->isDark())
        styleManager->loadSkin(QString::fromLatin1(ViewTheme::instance()->colours().skin));
    setStyleSheet(StyleManager::sheetFor(styleManager->uiSheets, i18nManager->uiLanguage,
                                         QStringLiteral("default")));
    connect(ViewTheme::instance(), &ViewTheme::changed, this, [this] {
        styleManager->loadSkin(QString::fromLatin1(ViewTheme::instance()->colours().skin));
        setStyleSheet(QString());
        setStyleSheet(StyleManager::sheetFor(styleManager->uiSheets, i18nManager->uiLanguage,
                                             QStringLiteral("default")));
    });

    // 5. The extraction driver and its paths.
    processor = new CLProcessor(this);
    const QString confDir = m_dataDir + QStringLiteral("/conf");
    processor->profileDir = confDir + QStringLiteral("/profile");
    processor->translatorDir = processor->profileDir;
    processor->filterDir = confDir + QStringLiteral("/filter");
    processor->catalogueFile = QStringLiteral("sites.xml");
    processor->filterFile = QStringLiteral("filters.xml");
    processor->translatorFile = QStringLiteral("translators.tdf");
    processor->confDir = confDir;
    processor->historyFile = QStringLiteral("access.his");
    loadHistory(processor->history, processor->confDir + QLatin1Char('/') + processor->historyFile);
    i18nManager->processor = processor;

    // 6-14. Dialogs.
    initialConfigBox = new InitialConfigBox(i18nManager, nullptr);
    connect(initialConfigBox, &InitialConfigBox::requestRetranslation, this,
            &ReaderApp::refreshTranslationResource);
    connect(this, &ReaderApp::translationResourceUpdated, initialConfigBox,
            &InitialConfigBox::retranslateUI);

    filterConfigBox = new FilterConfigBox(nullptr);
    filterConfigBox->setObjectName(QStringLiteral("FilterConfigBox"));
    filterConfigBox->i18n = i18nManager;
    filterConfigBox->processor = processor;
    connect(this, &ReaderApp::translationResourceUpdated, filterConfigBox,
            &FilterConfigBox::retranslateUI);

    i18nConfigBox = new I18NConfigBox(nullptr);
    i18nConfigBox->setObjectName(QStringLiteral("I18NConfgiBox"));
    i18nConfigBox->i18n = i18nManager;
    i18nConfigBox->processor = processor;
    connect(i18nConfigBox, &I18NConfigBox::UILanguageChanged, this,
            &ReaderApp::refreshTranslationResource);
    connect(this, &ReaderApp::translationResourceUpdated, i18nConfigBox,
            &I18NConfigBox::retranslateUI);

    updateSettingBox = new UpdateSettingBox(nullptr);
    updateSettingBox->setObjectName(QStringLiteral("UpdateSettingBox"));
    updateSettingBox->retranslateUI();
    connect(this, &ReaderApp::translationResourceUpdated, updateSettingBox,
            &UpdateSettingBox::retranslateUI);

    updateConfirmationBox = new UpdateConfirmationBox(nullptr);
    updateConfirmationBox->setObjectName(QStringLiteral("UpdateConfirmationBox"));
    updateConfirmationBox->retranslateUI();
    connect(this, &ReaderApp::translationResourceUpdated, updateConfirmationBox,
            &UpdateConfirmationBox::retranslateUI);

    upgradeConfirmationBox = new UpgradeConfirmationBox(nullptr);
    upgradeConfirmationBox->setObjectName(QStringLiteral("UpgradeConfirmationBox"));
    upgradeConfirmationBox->retranslateUI();
    connect(this, &ReaderApp::translationResourceUpdated, upgradeConfirmationBox,
            &UpgradeConfirmationBox::retranslateUI);

    appDownloadCompleteBox = new AppDownloadCompleteBox(nullptr);
    appDownloadCompleteBox->retranslateUI();

    aboutBox = new AboutBox(nullptr);
    aboutBox->retranslateUI();

    proxyManager = new ProxyManager(this);
    proxyConfigBox = new ProxyConfigBox(nullptr);
    proxyConfigBox->manager = proxyManager;
    proxyConfigBox->retranslateUI();
    connect(this, &ReaderApp::translationResourceUpdated, proxyConfigBox,
            &ProxyConfigBox::retranslateUI);

    // 15-16. Network and updates.
    networkModule = new NetworkModule(this);
    networkModule->processor = processor;
    networkModule->i18n = i18nManager;
    // The shipped engine is a local service; the reader starts it when nobody did.
    networkModule->localEngine = new LocalEngine(networkModule);

    versionManager = new VersionManager(this);
    versionManager->processor = processor;
    versionManager->network = networkModule;
    versionManager->i18n = i18nManager;
    versionManager->upgradeBox = upgradeConfirmationBox;
    versionManager->updateBox = updateConfirmationBox;
    versionManager->completeBox = appDownloadCompleteBox;

    // 17. The main window.
    mainWindow = new MainWindow(networkModule, processor, i18nManager, styleManager);
    mainWindow->setPageDirectories(m_appDir + QStringLiteral("/doc/message"),
                                   m_appDir + QStringLiteral("/doc/help"));
    mainWindow->setApplicationDir(m_appDir);
    mainWindow->setMessageBox(messageBox);
    mainWindow->refreshTranslationButtons();
    mainWindow->setFilterBox(filterConfigBox);
    mainWindow->setI18NBox(i18nConfigBox);
    mainWindow->setInitialBox(initialConfigBox);
    mainWindow->setAboutBox(aboutBox);
    mainWindow->setUpdateSettingBox(updateSettingBox);
    mainWindow->setProxyBox(proxyConfigBox);

    // 18. Wiring.
    wire();

    // Without a writable settings store every start is a first start; say why, once.
    const QString unsaved = AppPaths::unwritableSettingsFile();
    if (!unsaved.isEmpty()) {
        messageBox->setText(tr("Settings cannot be saved: %1 cannot be written. What you choose "
                               "now is forgotten when the program ends.")
                                .arg(QDir::toNativeSeparators(unsaved)));
        shownTexts.append(messageBox->text());
        qDebug("Start-up message: %s", qUtf8Printable(messageBox->text()));
        if (!quietMessages)
            messageBox->exec();
    }

    // 19. The welcome page.
    mainWindow->showHelpPage(QStringLiteral("welcome.html"));
    return true;
}

void ReaderApp::wire()
{
    connect(initialConfigBox, &InitialConfigBox::requestVersionCheck, versionManager,
            &VersionManager::onlineVersionCheck);
    connect(updateSettingBox, &UpdateSettingBox::requestVersionCheck, versionManager,
            &VersionManager::onlineVersionCheck);
    connect(mainWindow, &MainWindow::requestProfileUpdateCheck, versionManager,
            &VersionManager::onlineVersionCheck);
    connect(networkModule, &NetworkModule::versionCheckRespond, versionManager,
            &VersionManager::processVersionCheckRespond);
    connect(networkModule, &NetworkModule::notifyDownloadResult, versionManager,
            &VersionManager::processDownloadResult);
    connect(processor, &CLProcessor::filterReloaded, mainWindow,
            &MainWindow::reloadSiteIndexView);
    connect(versionManager, &VersionManager::initRefreshTDF, mainWindow,
            &MainWindow::reloadForRefreshedTDF);
    connect(mainWindow, &MainWindow::refreshTDFCompleted, versionManager,
            &VersionManager::cleanupOutdatedFiles);
    connect(filterConfigBox, &FilterConfigBox::accepted, networkModule,
            &NetworkModule::abortCommuncation);
    connect(filterConfigBox, &FilterConfigBox::accepted, mainWindow,
            &MainWindow::showSiteIndexDisablePage);
    connect(this, &ReaderApp::translationResourceUpdated, mainWindow, &MainWindow::retranslateUI);
    connect(this, &ReaderApp::translationResourceUpdated, aboutBox, &AboutBox::retranslateUI);
    connect(initialConfigBox, &InitialConfigBox::accepted, mainWindow,
            &MainWindow::refreshTranslationButtons);
    connect(i18nConfigBox, &I18NConfigBox::translationLanguageChanged, mainWindow,
            &MainWindow::refreshTranslationButtons);
    connect(versionManager, &VersionManager::requestInitialConfig, mainWindow,
            &MainWindow::showInitialCfgBox);
    connect(versionManager, &VersionManager::notifyVersionCheckStatus, mainWindow,
            [this](CONetworkDataType kind, int code) { mainWindow->updateOnEvent(kind, code); });
    connect(proxyConfigBox, &ProxyConfigBox::accepted, proxyManager, &ProxyManager::save);
    connect(networkModule->localEngine, &LocalEngine::missing, mainWindow, [this](const QString &hint) {
        if (!messageBox)
            return;
        messageBox->setText(hint);
        messageBox->open();
    });
    mainWindow->connectNetworkModule();
}

void ReaderApp::showErrorMessage(int code, const QString &argument)
{
    static const char *const Texts[] = {
        QT_TR_NOOP("UI style load failed"),
        QT_TR_NOOP("Core module load failed"),
        QT_TR_NOOP("Dialog load failed"),
        QT_TR_NOOP("Version manager load failed"),
        QT_TR_NOOP("Main window load failed"),
        QT_TR_NOOP("site index loading failed"),
        QT_TR_NOOP("translator loading failed"),
        QT_TR_NOOP("filters loading failed"),
        QT_TR_NOOP("language resource load failed"),
        QT_TR_NOOP("%1 profiles were failed for loading"),
    };
    if (!messageBox)
        return;
    if (code >= 2000 && code <= 2009) {
        QString text = tr(Texts[code - 2000]);
        if (code == 2009)
            text = text.arg(argument);
        messageBox->setText(text);
    }
    shownCodes.append(code);
    shownTexts.append(messageBox->text());
    qDebug("Start-up message %d: %s", code, qUtf8Printable(messageBox->text()));
    if (quietMessages)
        return;
    messageBox->exec();
}

void ReaderApp::refreshTranslationResource()
{
    const QString language = i18nManager ? i18nManager->uiLanguage : QStringLiteral("en");
    if (translator->load(QStringLiteral("ui_") + language, QStringLiteral(":/translation"))) {
        installTranslator(translator);
        // Qt's own dialogs (print, file) follow when Debian ships their catalogue.
        removeTranslator(qtTranslator);
        if (qtTranslator->load(QStringLiteral("qtbase_") + qtLocaleOf(language),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            installTranslator(qtTranslator);
        if (styleManager) {
            setStyleSheet(QString());
            setStyleSheet(StyleManager::sheetFor(styleManager->uiSheets, language,
                                                 QStringLiteral("default")));
        }
    } else {
        showErrorMessage(2008);
    }
    emit translationResourceUpdated();
}

void ReaderApp::refreshProcessor(bool loadCatalogue, bool loadFilters)
{
    if (!processor)
        return;
    if (loadCatalogue) {
        if (!processor->loadSiteCatalogue())
            showErrorMessage(2005);
        const QList<CLSiteIndexItem *> failed = processor->failedEntries();
        if (!failed.isEmpty()) {
            QString report = QStringLiteral("Profiles failed to be loaded:\n");
            for (const CLSiteIndexItem *entry : failed)
                report += entry->file + QLatin1Char('\n');
            report += QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                      + QLatin1Char('\n');
            QSaveFile file(processor->profileDir + QStringLiteral("/profile_error.log"));
            if (file.open(QIODevice::WriteOnly)) {
                file.write(report.toUtf8());
                file.commit();
            }
            showErrorMessage(2009, QString::number(failed.size()));
        }
        if (!processor->loadTranslators())
            showErrorMessage(2006);
        if (!processor->loadLanguageResource())
            showErrorMessage(2008);
    }
    if (loadFilters && !processor->loadFilterFiles())
        showErrorMessage(2007);

    QSettings settings;
    const QString stored = settings.value(QStringLiteral(TS_KEY_TRANSLATOR_SEQUENCE)).toString();
    if (!stored.isEmpty()) {
        const QString normal = processor->applyTranslatorSequence(stored);
        if (!normal.isEmpty() && normal != stored)
            settings.setValue(QStringLiteral(TS_KEY_TRANSLATOR_SEQUENCE), normal);
    }
}

void ReaderApp::showMainWindow()
{
    if (!mainWindow)
        return;
    // On a first start there is no stored geometry: give the reader a
    // comfortable size in the middle of the screen instead of the minimum.
    if (!QSettings().contains(QStringLiteral(TS_KEY_LAST_SIZE))) {
        if (const QScreen *screen = primaryScreen()) {
            const QRect area = screen->availableGeometry();
            const QSize size(qMin(1200, area.width() * 9 / 10), qMin(800, area.height() * 9 / 10));
            mainWindow->resize(size.expandedTo(mainWindow->minimumSize()));
            mainWindow->move(area.center() - mainWindow->rect().center());
        }
    }
    mainWindow->show();
}

void ReaderApp::refreshProcessor(bool loadCatalogue)
{
    refreshProcessor(loadCatalogue, true);
}

void ReaderApp::refreshProcessor()
{
    refreshProcessor(true, true);
}
