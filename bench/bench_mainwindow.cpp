// Times the main window's side of the way to an article: from a processed
// index tree handed to loadIndexPage to a filled page view, and from a
// processed article tree handed to loadArticlePage to a shown article, with
// the shipped profiles on the corpus pages. The processing of the same page
// is timed beside them as the baseline. Medians of 20 runs.
#include "clelement.h"
#include "clprocessor.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "stylemanager.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int Runs = 20;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return (values[Runs / 2 - 1] + values[Runs / 2]) / 2;
}

bool readPage(const QString &id, QByteArray &bytes, QString &url)
{
    const QString corpus = QStringLiteral(TESSOLIN_CORPUS);
    QFile page(corpus + QStringLiteral("/pages/") + id + QStringLiteral(".html"));
    QFile truth(corpus + QStringLiteral("/truth/") + id + QStringLiteral(".json"));
    if (!page.open(QIODevice::ReadOnly) || !truth.open(QIODevice::ReadOnly))
        return false;
    bytes = page.readAll();
    url = QJsonDocument::fromJson(truth.readAll()).object().value(QStringLiteral("url")).toString();
    return true;
}

/// Runs `step` on a fresh tree each time; returns the medians of processing and of `step`, in ms.
bool measure(CLProcessor &processor, const QString &id, int pageType,
             const std::function<void(CLElement *)> &step, double &process, double &show,
             int &nodes)
{
    QByteArray bytes;
    QString url;
    if (!readPage(id, bytes, url))
        return false;
    std::vector<double> processing, showing;
    QElapsedTimer timer;
    for (int i = 0; i < Runs; ++i) {
        timer.start();
        CLElement *tree = processor.process(url, bytes, pageType, QString());
        processing.push_back(timer.nsecsElapsed() / 1e6);
        if (!tree)
            return false;
        nodes = 0;
        const std::function<void(const CLElement *)> count = [&](const CLElement *e) {
            ++nodes;
            for (const CLElement *child : e->children)
                count(child);
        };
        count(tree);
        timer.start();
        step(tree);
        QApplication::processEvents();
        showing.push_back(timer.nsecsElapsed() / 1e6);
    }
    process = median(processing);
    show = median(showing);
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    fillEntityTable();
    const QString data = QStringLiteral(TESSOLIN_SOURCE_DIR) + QStringLiteral("/data");
    CLProcessor processor;
    processor.profileDir = data + QStringLiteral("/conf/profile");
    processor.catalogueFile = QStringLiteral("sites.xml");
    processor.loadSiteCatalogue();
    I18NManager languages(nullptr, QStringLiteral("en"));
    languages.uiLanguage = QStringLiteral("en");
    languages.translateTargetLanguage = QStringLiteral("de");
    languages.autoTranslation = false;
    languages.processor = &processor;
    StyleManager styles(data + QStringLiteral("/skin"));
    styles.loadSkins();
    MainWindow window(nullptr, &processor, &languages, &styles);
    window.resize(1200, 800);
    window.show();
    QApplication::processEvents();

    double process = 0, show = 0;
    int nodes = 0;
    if (measure(
            processor, QStringLiteral("idx-cnn"), PageIndex,
            [&window](CLElement *tree) { window.loadIndexPage(tree); }, process, show, nodes)) {
        std::printf("index page idx-cnn: %d nodes, %d entries; processing %.2f ms, "
                    "loadIndexPage to filled view %.2f ms (target <= 50), ratio %.2f\n",
                    nodes, int(window.pageView()->items().size()), process, show, show / process);
    } else {
        std::printf("index page idx-cnn: skipped (corpus page or profile missing)\n");
    }
    if (measure(
            processor, QStringLiteral("en-guardian"), PageArticle,
            [&window](CLElement *tree) { window.loadArticlePage(tree); }, process, show, nodes)) {
        std::printf("article en-guardian: %d nodes, %d characters shown; processing %.2f ms, "
                    "loadArticlePage to shown article %.2f ms (target <= 20), ratio %.2f\n",
                    nodes, int(window.originalView()->toPlainText().size()), process, show,
                    show / process);
    } else {
        std::printf("article en-guardian: skipped (corpus page or profile missing)\n");
    }
    return 0;
}
