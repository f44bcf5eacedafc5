// tessolin-windowshot OUTPUT_DIR
// Runs the main window against the loopback news site and saves a picture
// of each step (site index, page index, article, its translation, a help
// page and a saved news page in the language's own script) for the
// interface languages en, de, ar and zh_CN. Run it under xvfb-run to see the
// window as a desktop shows it.

#include "clelement.h"
#include "clprocessor.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "newssite.h"
#include "stylemanager.h"
#include "uiresources.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

bool waitFor(const std::function<bool()> &done)
{
    const QDeadlineTimer deadline(10000);
    while (!done() && !deadline.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void shoot(MainWindow &window, const QDir &output, const QString &name)
{
    // Let images and layouts settle.
    const QDeadlineTimer settle(400);
    while (!settle.hasExpired())
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    const QString path = output.filePath(name + QStringLiteral(".png"));
    if (window.grab().save(path, "PNG"))
        std::printf("%s\n", qPrintable(path));
}

IndexItem *entry(IndexScrollView *view, const QString &text)
{
    for (IndexItem *item : view ? view->items() : QList<IndexItem *>()) {
        if (item->text().trimmed() == text)
            return item;
    }
    return nullptr;
}

CLElement *corpusArticle(CLProcessor &processor, const QString &id, const QString &url)
{
    const QString corpus = QStringLiteral(TESSOLIN_CORPUS);
    QFile page(corpus + QStringLiteral("/pages/") + id + QStringLiteral(".html"));
    QFile truth(corpus + QStringLiteral("/truth/") + id + QStringLiteral(".json"));
    if (!page.open(QIODevice::ReadOnly) || !truth.open(QIODevice::ReadOnly))
        return nullptr;
    const QString pageUrl = url.isEmpty() ? QJsonDocument::fromJson(truth.readAll())
                                                .object()
                                                .value(QStringLiteral("url"))
                                                .toString()
                                          : url;
    return processor.process(pageUrl, page.readAll(), PageArticle, QString());
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessolin-windowshot OUTPUT_DIR\n");
        return 2;
    }
    QDir output(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(output.path());
    initUiResources();
    fillEntityTable();
    QTemporaryDir dir;
    NewsSite site;
    if (!dir.isValid() || !site.start(dir.path())) {
        std::fprintf(stderr, "the loopback site did not start\n");
        return 1;
    }
    site.processor.loadLanguageResource();
    const QString data = QStringLiteral(TESSOLIN_SOURCE_DIR) + QStringLiteral("/data");
    CLProcessor shipped;
    shipped.profileDir = data + QStringLiteral("/conf/profile");
    shipped.catalogueFile = QStringLiteral("sites.xml");
    shipped.loadSiteCatalogue();
    StyleManager styles(data + QStringLiteral("/skin"));
    styles.loadSkins();

    const struct
    {
        const char *language;
        const char *help;
        const char *page;
        const char *url;
    } runs[] = {
        {"en", "Help: pick a site on the left, then a headline.", "en-guardian", ""},
        {"de", "Hilfe: Wählen Sie links eine Seite und dann eine Schlagzeile.", "de-tagesschau",
         ""},
        {"ar", "مساعدة: اختر موقعا على اليسار ثم عنوانا.", "ar-lbcgroup", ""},
        {"zh_CN", "帮助：先在左侧选择一个网站，然后选择一个标题。", "zh-sina",
         "http://chanye.finance.sina.com.cn/sm/2005-03-21/244339.shtml"},
    };
    for (const auto &run : runs) {
        const QString language = QString::fromLatin1(run.language);
        const QString helpDir = dir.filePath(QStringLiteral("doc/help/") + language);
        QDir().mkpath(helpDir);
        QFile help(helpDir + QStringLiteral("/help.html"));
        if (help.open(QIODevice::WriteOnly))
            help.write(
                QStringLiteral("<h2>%1</h2><p>%1</p>").arg(QString::fromUtf8(run.help)).toUtf8());
        help.close();

        I18NManager languages(nullptr, language);
        languages.uiLanguage = language;
        languages.translateTargetLanguage = QStringLiteral("de");
        languages.autoTranslation = false;
        languages.processor = &site.processor;
        languages.refreshI18nNames();
        app.setStyleSheet(
            StyleManager::sheetFor(styles.uiSheets, language, QStringLiteral("default")));
        app.setLayoutDirection(language == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);

        NetworkModule network;
        network.processor = &site.processor;
        network.i18n = &languages;
        MainWindow window(&network, &site.processor, &languages, &styles,
                          dir.filePath(QStringLiteral("settings.ini")));
        window.setPageDirectories(dir.filePath(QStringLiteral("doc/message")),
                                  dir.filePath(QStringLiteral("doc/help")));
        window.connectNetworkModule();
        window.refreshTranslationButtons();
        window.resize(1100, 700);
        window.show();
        const QString prefix = language + QLatin1Char('-');
        shoot(window, output, prefix + QStringLiteral("1-site-index"));

        window.requestIndexPage(site.url(QStringLiteral("/index")));
        waitFor([&] { return window.pageView() != nullptr; });
        shoot(window, output, prefix + QStringLiteral("2-page-index"));

        if (IndexItem *item = entry(window.pageView(), QStringLiteral("Harbour opens")))
            item->activate();
        waitFor(
            [&] { return window.originalView()->toPlainText().contains(QStringLiteral("pier")); });
        shoot(window, output, prefix + QStringLiteral("3-article"));

        window.translateButton()->click();
        waitFor([&] {
            return window.translatedView()->toPlainText().contains(QStringLiteral("PIER"));
        });
        shoot(window, output, prefix + QStringLiteral("4-translation"));

        window.showHelpPage(QStringLiteral("help.html"));
        shoot(window, output, prefix + QStringLiteral("5-help"));

        if (CLElement *tree = corpusArticle(shipped, QString::fromLatin1(run.page),
                                            QString::fromLatin1(run.url))) {
            window.loadArticlePage(tree);
            shoot(window, output, prefix + QStringLiteral("6-news-page"));
        }
    }
    return 0;
}
