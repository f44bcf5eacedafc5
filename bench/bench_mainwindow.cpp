// Times the main window's side of the way to an article: from a processed
// index tree handed to loadIndexPage to a filled page view, and from a
// processed article tree handed to loadArticlePage to a shown article, with
// the shipped profiles on the corpus pages. The processing of the same page
// is timed beside them as the baseline. Medians of 20 runs.
//
// Then the longest time the GUI thread stays away from its event loop (the
// largest gap between runs of a zero-interval timer) while an article of
// 2,000 images gets its images one by one, and while a 15 MB article page is
// processed and shown.
#include "clelement.h"
#include "clprocessor.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "articleimages.h"
#include "mainwindow.h"
#include "stylemanager.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>
#include <QElapsedTimer>
#include <QFutureWatcher>
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

// Runs the event loop until `done`, with a zero-interval timer watching it;
// returns the longest gap between two of its runs, in ms.
double longestGap(const std::function<bool()> &done, double *totalMs = nullptr)
{
    QElapsedTimer clock, total;
    clock.start();
    total.start();
    double longest = 0;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        longest = std::max(longest, clock.nsecsElapsed() / 1e6);
        clock.start();
    });
    probe.start(0);
    while (!done() && total.elapsed() < 600000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    longest = std::max(longest, clock.nsecsElapsed() / 1e6);
    if (totalMs)
        *totalMs = total.nsecsElapsed() / 1e6;
    return longest;
}

QByteArray pngOf(int width, int height, int shade)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(shade % 256, 90, 160));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An article of `count` images; each arrives on its own turn of the event loop.
void benchmarkImages(MainWindow &window, int count, bool formerWay = false)
{
    auto *root = new CLElement(ArticlePage, QStringLiteral("en"), nullptr,
                               new CLData(QStringLiteral("http://pics.example/a")), nullptr);
    for (const char *kind : {"Title", "Source", "Date", "Text of the article."})
        new CLElement(QByteArray(kind) == "Title"    ? ArticleTitle
                      : QByteArray(kind) == "Source" ? ArticleSource
                      : QByteArray(kind) == "Date"   ? ArticleDatetime
                                                     : ArticleText,
                      QStringLiteral("en"), nullptr, new CLData(QString::fromLatin1(kind)), root);
    QStringList urls;
    for (int i = 0; i < count; ++i) {
        urls << QStringLiteral("http://pics.example/%1.png").arg(i);
        auto *record = new CLURLData(urls.last(), QStringLiteral("picture %1").arg(i), URLImage);
        new CLElement(ArticleImage, QStringLiteral("en"), nullptr, record, root);
    }
    window.loadArticlePage(root);
    QApplication::processEvents();
    std::vector<QByteArray> pictures;
    for (int i = 0; i < 16; ++i)
        pictures.push_back(pngOf(400 + i, 300, i * 16));
    int next = 0;
    QTimer feeder;
    QObject::connect(&feeder, &QTimer::timeout, [&] {
        if (next < count) {
            const QByteArray &bytes = pictures[size_t(next) % 16];
            if (formerWay) {
                window.originalView()->imageDataLoaded(urls.at(next), bytes);
                window.translatedView()->imageDataLoaded(urls.at(next), bytes);
            } else {
                window.articleImageDataLoaded(urls.at(next), new QByteArray(bytes));
            }
            ++next;
        }
    });
    feeder.start(0);
    ArticleImages *images = window.articleImages();
    const int shown = int(window.originalView()->images().size());
    const auto loaded = [&] {
        int n = 0;
        for (const ContentScrollView::ImageItem *item : window.originalView()->images())
            n += item->loaded;
        return n;
    };
    double total = 0;
    const double gap = longestGap(
        [&] { return next >= count && images->pending() == 0 && loaded() == shown; }, &total);
    std::printf("article of %d images (%d shown, the rest left out)%s: all arrived and shown in "
                "%.0f ms; longest GUI-thread gap %.1f ms (target <= 50)\n",
                count, shown,
                formerWay ? ", decoded and rebuilt per image on the GUI thread (baseline)" : "",
                total, gap);
}

// A page of about 15 MB: a corpus article with its text repeated.
void benchmarkLargePage(CLProcessor &processor, MainWindow &window)
{
    QByteArray bytes;
    QString url;
    if (!readPage(QStringLiteral("en-guardian"), bytes, url)) {
        std::printf("15 MB article page: skipped (corpus page missing)\n");
        return;
    }
    const qsizetype textAt = bytes.indexOf("<p");
    const qsizetype textEnd = bytes.lastIndexOf("</p>");
    if (textAt < 0 || textEnd <= textAt) {
        std::printf("15 MB article page: skipped (no paragraphs)\n");
        return;
    }
    const QByteArray paragraphs = bytes.mid(textAt, textEnd + 4 - textAt);
    QByteArray large = bytes.left(textEnd + 4);
    while (large.size() < (15 << 20))
        large += paragraphs;
    large += bytes.mid(textEnd + 4);
    // As the network module does past its size limit: processed on the
    // thread pool, shown on the GUI thread.
    for (const bool aside : {false, true}) {
        bool done = false;
        double processMs = 0, showMs = 0;
        QElapsedTimer timer;
        QFutureWatcher<CLElement *> watcher;
        const auto show = [&](CLElement *tree) {
            processMs = timer.nsecsElapsed() / 1e6;
            timer.start();
            if (tree)
                window.loadArticlePage(tree);
            showMs = timer.nsecsElapsed() / 1e6;
            done = true;
        };
        QObject::connect(&watcher, &QFutureWatcherBase::finished, [&] { show(watcher.result()); });
        QTimer::singleShot(0, [&] {
            timer.start();
            if (aside)
                watcher.setFuture(QtConcurrent::run(
                    [&] { return processor.extract(url, large, PageArticle, QString()); }));
            else
                show(processor.process(url, large, PageArticle, QString()));
        });
        const double gap = longestGap([&] { return done; });
        std::printf("article page of %.1f MB%s: processing %.0f ms, showing %.0f ms, %d "
                    "characters shown; longest GUI-thread gap %.0f ms (target <= 50)\n",
                    double(large.size()) / (1 << 20),
                    aside ? ", processed on the thread pool" : ", all on the GUI thread", processMs,
                    showMs, int(window.originalView()->toPlainText().size()), gap);
    }
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
    benchmarkImages(window, 200, true);
    benchmarkImages(window, 200);
    benchmarkImages(window, 2000);
    benchmarkLargePage(processor, window);
    return 0;
}
