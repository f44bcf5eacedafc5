// tessolin-tour OUTPUT_DIR LANGUAGE APP_DIR SITE_URL
// Starts the whole program on a demo application folder (laid out by
// scripts/demo-setup) in one interface language and saves a picture of each
// view and dialog as OUTPUT_DIR/<language>-<nn>-<what>.png. The demo site
// must be served at SITE_URL; tools/tour/tour.sh does all of that.

#include "aboutbox.h"
#include "clprocessor.h"
#include "cltranslator.h"
#include "contentscrollview.h"
#include "filterconfigbox.h"
#include "i18nconfigbox.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "proxyconfigbox.h"
#include "readerapp.h"
#include "updateboxes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QMessageBox>
#include <QStatusBar>
#include <QUrl>
#include <QSettings>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

QDir output;
QString prefix;
int shotNumber = 0;

void settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool waitFor(const std::function<bool()> &done, int milliseconds = 15000)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void shoot(QWidget *widget, const QString &what)
{
    settle(500);
    const QString path = output.filePath(QStringLiteral("%1-%2-%3.png")
                                             .arg(prefix)
                                             .arg(++shotNumber, 2, 10, QLatin1Char('0'))
                                             .arg(what));
    if (widget && widget->grab().save(path, "PNG"))
        std::printf("%s\n", qPrintable(path));
    else
        std::fprintf(stderr, "tour: no picture for %s\n", qPrintable(what));
}

// Shows a dialog without its own event loop, takes its picture and closes it.
void shootDialog(QDialog *dialog, const QString &what)
{
    if (!dialog) {
        std::fprintf(stderr, "tour: no dialog for %s\n", qPrintable(what));
        return;
    }
    dialog->show();
    shoot(dialog, what);
    dialog->hide();
}

// The same for a dialog that runs its own event loop when asked.
void shootModal(const std::function<void()> &open, const QString &what)
{
    QTimer::singleShot(300, [what] {
        QWidget *dialog = QApplication::activeModalWidget();
        shoot(dialog, what);
        if (auto *box = qobject_cast<QDialog *>(dialog))
            box->reject();
    });
    open();
}

IndexItem *entryWith(IndexScrollView *view, const QString &text)
{
    for (IndexItem *item : view ? view->items() : QList<IndexItem *>()) {
        if (item->text().contains(text))
            return item;
    }
    return nullptr;
}

bool openArticle(MainWindow *window, const QString &site, const QString &headline,
                 const QString &articleText)
{
    IndexItem *siteItem = entryWith(window->siteView(), site);
    if (!siteItem) {
        std::fprintf(stderr, "tour: no site %s\n", qPrintable(site));
        return false;
    }
    siteItem->activate();
    if (!waitFor([&] { return entryWith(window->pageView(), headline) != nullptr; })) {
        std::fprintf(stderr, "tour: no headline %s\n", qPrintable(headline));
        return false;
    }
    entryWith(window->pageView(), headline)->activate();
    return waitFor([&] { return window->originalView()->toPlainText().contains(articleText); });
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: tessolin-tour OUTPUT_DIR LANGUAGE APP_DIR SITE_URL\n");
        return 2;
    }
    const QString language = QString::fromLocal8Bit(argv[2]);
    const QString appDir = QString::fromLocal8Bit(argv[3]);
    const QString siteUrl = QString::fromLocal8Bit(argv[4]);
    ReaderApp app(argc, argv);
    output.setPath(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());
    // The look to shoot: TESSOLIN_TOUR_THEME=dark, TESSOLIN_TOUR_TEXT=150 (percent).
    const QString theme = qEnvironmentVariable("TESSOLIN_TOUR_THEME", QStringLiteral("light"));
    const int textScale = qEnvironmentVariableIntValue("TESSOLIN_TOUR_TEXT");
    prefix = language;
    if (theme == QLatin1String("dark"))
        prefix += QStringLiteral("-dark");
    if (textScale > 0 && textScale != 100)
        prefix += QStringLiteral("-text%1").arg(textScale);

    QSettings settings;
    settings.setValue(QStringLiteral("view/theme"),
                      theme == QLatin1String("dark") ? QStringLiteral("dark") : QStringLiteral("default"));
    settings.setValue(QStringLiteral("view/textScale"), textScale > 0 ? textScale : 100);
    settings.setValue(QStringLiteral("UILanguage"), language);
    settings.setValue(QStringLiteral("TranslateTargetLanguage"), QStringLiteral("es"));
    settings.setValue(QStringLiteral("AppInternalVersion"), QStringLiteral("010000"));
    settings.setValue(QStringLiteral("VersionCheckURLs"),
                      siteUrl + QStringLiteral("/tsup/vercheck.php"));
    settings.sync();

    app.quietMessages = true;
    app.useApplicationDir(appDir);
    if (!app.initialize()) {
        std::fprintf(stderr, "tour: the program did not start\n");
        return 1;
    }
    app.refreshProcessor(true, true);
    app.showMainWindow();
    MainWindow *window = app.mainWindow;
    settle(1500);
    shoot(window, QStringLiteral("welcome"));

    window->showSiteIndex();
    shoot(window, QStringLiteral("site-index"));

    struct Edition
    {
        const char *site;
        const char *headline;
        const char *text;
    };
    // The site index shows the demo's names in the interface language.
    const bool chinese = language == QLatin1String("zh_CN");
    const bool arabic = language == QLatin1String("ar");
    const Edition english = {chinese  ? "灯笼公报"
                             : arabic ? "جريدة الفانوس"
                                      : "Lantern Gazette",
                             "floating library", "ferry Wren"};
    const Edition own = language == QLatin1String("de")
                            ? Edition{"Laternenbote", "Werkzeug", "Werkzeug"}
                        : arabic  ? Edition{"صحيفة الفانوس", "حديقة", "حديقة"}
                        : chinese ? Edition{"灯笼日报", "夜间公交", "公交"}
                                  : english;
    const bool opened = openArticle(window, QString::fromUtf8(own.site),
                                    QString::fromUtf8(own.headline), QString::fromUtf8(own.text));
    window->showPageIndex();
    shoot(window, QStringLiteral("page-index"));
    settle(1500); // pictures
    shoot(window, QStringLiteral("article"));
    window->showSiteIndex();
    shoot(window, QStringLiteral("site-index-article"));
    window->showPageIndex();

    if (!opened || language != QLatin1String("en"))
        openArticle(window, QString::fromUtf8(english.site), QString::fromUtf8(english.headline),
                    QString::fromUtf8(english.text));
    if (window->translateButton()->isEnabled()) {
        window->translateButton()->click();
        if (waitFor([&] { return window->contentStack()->currentIndex() == 1; }, 30000)) {
            settle(1500);
            shoot(window, QStringLiteral("translation"));
        } else {
            std::fprintf(stderr, "tour: the translation did not arrive\n");
        }
    }

    // No translation engine running (the shipped engine is a local one): the
    // window says so once, naming the address, and keeps the original shown.
    for (CLTranslator *engine : app.processor->translators) {
        QUrl entry(engine->entry);
        entry.setHost(QStringLiteral("127.0.0.1"));
        entry.setPort(1); // nobody listens on it
        engine->entry = entry.toString();
    }
    window->showHelpPage(QStringLiteral("welcome.html")); // the article comes anew, untranslated
    if (openArticle(window, QString::fromUtf8(english.site), QString::fromUtf8(english.headline),
                    QString::fromUtf8(english.text))) {
        window->translateButton()->click();
        if (waitFor([&] { return window->statusBar()->currentMessage().contains(
                              QStringLiteral("127.0.0.1:1")); })) {
            shoot(window, QStringLiteral("no-engine"));
            if (app.messageBox && app.messageBox->isVisible()) {
                shoot(app.messageBox, QStringLiteral("no-engine-message"));
                app.messageBox->hide();
            }
        } else {
            std::fprintf(stderr, "tour: nothing said that the engine is unreachable\n");
        }
    }

    shootDialog(app.filterConfigBox, QStringLiteral("filter"));
    if (FilterConfigBox *filter = app.filterConfigBox) {
        filter->show();
        for (int tab = 1; tab < filter->tabs->count(); ++tab) {
            filter->tabs->setCurrentIndex(tab);
            shoot(filter, QStringLiteral("filter-tab%1").arg(tab));
        }
        filter->hide();
    }
    shootDialog(app.i18nConfigBox, QStringLiteral("language"));
    shootDialog(app.updateSettingBox, QStringLiteral("update-settings"));
    shootDialog(app.proxyConfigBox, QStringLiteral("proxy"));
    if (ProxyConfigBox *proxy = app.proxyConfigBox) {
        proxy->show();
        proxy->socksButton->click(); // the fields a proxy shows; closed without saving
        shoot(proxy, QStringLiteral("proxy-socks"));
        proxy->hide();
    }
    shootDialog(app.aboutBox, QStringLiteral("about"));
    shootDialog(app.initialConfigBox, QStringLiteral("first-run"));
    app.updateConfirmationBox->setInfo(7, 1843200);
    shootDialog(app.updateConfirmationBox, QStringLiteral("update-confirmation"));
    shootModal(
        [&] {
            app.upgradeConfirmationBox->ask(
                QStringLiteral("2.1.0"), 24 * 1048576,
                QDir::homePath() + QStringLiteral("/tessolin-2.1.0.deb"),
                QStringLiteral("Faster translations and two new sites."));
        },
        QStringLiteral("upgrade-confirmation"));
    app.appDownloadCompleteBox->showDownloadComplete(QDir::homePath() +
                                                     QStringLiteral("/tessolin-2.1.0.deb"));
    shoot(app.appDownloadCompleteBox, QStringLiteral("download-complete"));
    app.appDownloadCompleteBox->hide();

    window->close();
    return 0;
}
