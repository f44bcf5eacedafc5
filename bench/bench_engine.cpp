// Prints throughput figures of the extraction engine over the real news pages
// of the shared corpus: the tag stripper, the byte search next to memmem over
// the same bytes, and a realistic chain per page.
#include "clcuttingsteps.h"
#include "clextractsteps.h"
#include "clfilter.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

namespace {

struct Page
{
    QString id;
    QByteArray bytes;
    QString text;
    QString charset;
};

double medianSeconds(int repetitions, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e9);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

volatile qsizetype sink = 0;

} // namespace

int main(int argc, char **argv)
{
    const QString corpus =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(TESSOLIN_CORPUS);
    QDir pagesDir(corpus + QStringLiteral("/pages"));
    if (!pagesDir.exists()) {
        std::printf("corpus not found at %s: nothing to measure\n", qPrintable(pagesDir.path()));
        return 0;
    }
    fillEntityTable();

    std::vector<Page> pages;
    qint64 totalBytes = 0;
    qint64 totalChars = 0;
    const QStringList files =
        pagesDir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name);
    for (const QString &name : files) {
        QFile file(pagesDir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        Page page;
        page.id = name.chopped(5);
        page.bytes = file.readAll();
        QFile truth(corpus + QStringLiteral("/truth/") + page.id + QStringLiteral(".json"));
        if (truth.open(QIODevice::ReadOnly))
            page.charset = QJsonDocument::fromJson(truth.readAll())
                               .object()
                               .value(QStringLiteral("charset"))
                               .toString();
        page.text = decodeWith(page.charset, page.bytes);
        totalBytes += page.bytes.size();
        totalChars += page.text.size();
        pages.push_back(std::move(page));
    }
    const double mb = double(totalBytes) / (1024.0 * 1024.0);
    std::printf("corpus: %zu pages, %.2f MB\n", pages.size(), mb);
    const int reps = 15;

    // Tag stripper.
    const double strip = medianSeconds(reps, [&] {
        for (const Page &page : pages)
            sink += htmlToText(page.text, true, true).size();
    });
    std::printf("htmlToText:        %8.1f MB/s  (%.1f M UTF-16 units/s)\n", mb / strip,
                double(totalChars) / strip / 1e6);

    // Byte search: a pattern absent from every page makes each search scan
    // the whole page, the case where the shift table matters; short patterns
    // allow only short shifts.
    const QByteArray absentPatterns[] = {QByteArray("data-tessolin-absent-marker"),
                                         QByteArray("<zq>")};
    for (const QByteArray &absent : absentPatterns) {
        CLFilter filter(Qt::CaseSensitive);
        filter.include << QString::fromLatin1(absent);
        const double bmh = medianSeconds(reps, [&] {
            for (const Page &page : pages)
                sink += matchBytes(filter, page.bytes);
        });
        const double mm = medianSeconds(reps, [&] {
            for (const Page &page : pages)
                sink += memmem(page.bytes.constData(), size_t(page.bytes.size()),
                               absent.constData(), size_t(absent.size())) != nullptr;
        });
        std::printf("matchBytes %2d B:   %8.1f MB/s   memmem %8.1f MB/s   ratio %.2fx\n",
                    int(absent.size()), mb / bmh, mb / mm, bmh / mm);
    }

    // Point search: the last closing body tag, found forward from the start.
    CLPoint point;
    point.pattern = QStringLiteral("</body>");
    point.direction = PointForward;
    point.from = PointFromBegin;
    point.occurrence = 1;
    const QByteArray bodyEnd("</body>");
    const double fp = medianSeconds(reps, [&] {
        for (const Page &page : pages)
            sink += findPoint(page.bytes, point, 0, QStringLiteral("UTF-8"));
    });
    const double mmPoint = medianSeconds(reps, [&] {
        for (const Page &page : pages) {
            const char *data = page.bytes.constData() + 1;
            sink += memmem(data, size_t(page.bytes.size() - 1), bodyEnd.constData(),
                           size_t(bodyEnd.size())) != nullptr;
        }
    });
    std::printf("findPoint:         %8.1f MB/s   memmem %8.1f MB/s   ratio %.2fx\n", mb / fp,
                mb / mmPoint, fp / mmPoint);

    // A realistic article chain: body region, scripts cut, plain text, paragraphs.
    double chainTotal = 0;
    std::vector<double> perPage;
    for (const Page &page : pages) {
        CLSite site;
        site.codeset = page.charset.isEmpty() ? QStringLiteral("UTF-8") : page.charset;
        auto *pg = new CLPage;
        addPage(&site, pg);
        auto *track = new CLTrack;
        addTrack(pg, track);
        auto *topic = new CLTopic;
        addTopic(track, topic);

        auto *pair = new CLStepPairPointer;
        pair->pointA = new CLPoint;
        pair->pointA->pattern = QStringLiteral("<body");
        pair->pointA->direction = PointForward;
        pair->pointA->from = PointFromBegin;
        pair->pointB = new CLPoint;
        pair->pointB->pattern = QStringLiteral("</body>");
        pair->pointB->direction = PointBackward;
        pair->pointB->from = PointFromEnd;
        addStep(topic, pair);
        auto *cutter = new CLStepSectionCutter;
        cutter->startPattern = QStringLiteral("<script");
        cutter->endPattern = QStringLiteral("</script>");
        addStep(topic, cutter);
        auto *text = new CLStepTextExtractor;
        text->filterSpace = true;
        addStep(topic, text);
        auto *format = new CLStepTextFormater;
        format->paragraphLine = 1;
        addStep(topic, format);

        const double t = medianSeconds(reps, [&] {
            std::unique_ptr<CLData> result(runChain(topic, page.bytes));
            sink += result ? result->text.size() : 0;
        });
        perPage.push_back(t);
        chainTotal += t;
    }
    std::sort(perPage.begin(), perPage.end());
    std::printf("runChain (pair pointer > section cutter > text extractor > formatter):\n"
                "                   median %.3f ms/page, mean %.3f ms/page, max %.3f ms/page\n",
                perPage[perPage.size() / 2] * 1e3, chainTotal / double(perPage.size()) * 1e3,
                perPage.back() * 1e3);
    return 0;
}
