// Prints how fast process() runs each profile of the shipped catalogue over
// the corpus pages it claims, and how long a catalogue of 1,000 profiles
// takes to load, each beside two yardsticks over the same bytes: memmem for
// a pattern that is absent (one pass at memory speed) and a bare tag scan
// (every "<...>" and every run of text between them found, nothing kept).
// Times are CPU times of the measuring thread.
//
//   bench_profiles [corpus dir] [profile dir] [--dump file]
//
// --dump writes every extracted tree, so two builds can be compared byte for
// byte.
#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

volatile qsizetype sink = 0;

// CPU time of this thread in seconds: the machine may be shared, and wall
// time then measures the neighbours as much as the code.
double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

// Median CPU time of `work` in seconds, repeated until about 0.2 s were
// spent (at least 5, at most 200 times).
double medianSeconds(const std::function<void()> &work)
{
    std::vector<double> times;
    const double started = cpuSeconds();
    while (times.size() < 5 || (times.size() < 200 && cpuSeconds() - started < 0.2)) {
        const double start = cpuSeconds();
        work();
        times.push_back(cpuSeconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const QByteArray AbsentPattern("data-tessolin-absent-marker");

qsizetype memmemAbsent(const QByteArray &bytes)
{
    return memmem(bytes.constData(), size_t(bytes.size()), AbsentPattern.constData(),
                  size_t(AbsentPattern.size())) != nullptr;
}

// The least a parser of the page must do: find each tag and each run of text.
qsizetype bareTagScan(const QByteArray &bytes)
{
    const char *p = bytes.constData();
    const char *const end = p + bytes.size();
    qsizetype tags = 0, texts = 0;
    while (p < end) {
        const char *open = static_cast<const char *>(std::memchr(p, '<', size_t(end - p)));
        if (!open)
            break;
        texts += open > p;
        const char *close = static_cast<const char *>(std::memchr(open, '>', size_t(end - open)));
        if (!close)
            break;
        ++tags;
        p = close + 1;
    }
    return tags + texts;
}

// A URL the page accepts, made from the first include pattern of its URL filter.
QString urlFromPattern(const CLPage *page)
{
    if (page->urlFilter.include.isEmpty())
        return QString();
    QString url = page->urlFilter.include.first();
    url.replace(QLatin1Char('*'), QLatin1Char('x'));
    url.replace(QLatin1Char('?'), QLatin1Char('0'));
    return url.startsWith(QLatin1String("http")) ? url : QStringLiteral("http://") + url;
}

void writeTree(QTextStream &out, const CLElement *element, int depth)
{
    out << QString(depth, QLatin1Char(' ')) << element->kind;
    if (const CLData *value = element->value) {
        if (const CLURLData *url = value->asURL())
            out << " url " << url->url << " kind " << url->urlKind << " [" << url->title << "]";
        else
            out << " [" << value->text << "]";
    }
    out << "\n";
    for (const CLElement *child : element->children)
        writeTree(out, child, depth + 1);
}

int countNodes(const CLElement *element)
{
    int count = 1;
    for (const CLElement *child : element->children)
        count += countNodes(child);
    return count;
}

struct CorpusPage
{
    QString id;
    QString type;
    QString url;
    QByteArray bytes;
};

std::vector<CorpusPage> readCorpus(const QString &corpus)
{
    std::vector<CorpusPage> pages;
    QFile manifest(corpus + QStringLiteral("/manifest.json"));
    if (!manifest.open(QIODevice::ReadOnly))
        return pages;
    const QJsonArray entries = QJsonDocument::fromJson(manifest.readAll()).array();
    for (const QJsonValue &entry : entries) {
        CorpusPage page;
        page.id = entry[QLatin1String("id")].toString();
        page.type = entry[QLatin1String("page_type")].toString();
        page.url = entry[QLatin1String("url")].toString();
        QFile file(corpus + QStringLiteral("/pages/") + page.id + QStringLiteral(".html"));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        page.bytes = file.readAll();
        pages.push_back(std::move(page));
    }
    return pages;
}

// The page definition of `processor` that claims a corpus page, and the URL
// to give it: the recorded URL, else (pages saved without one) a URL made
// for the site the page's name tells ("zh-sina" for "(s)GI.sina").
const CLPage *claimingPage(const CLProcessor &processor, const CorpusPage &corpusPage, QString &url)
{
    url = corpusPage.url;
    if (!url.isEmpty()) {
        if (const CLPage *page = processor.findPage(url, PageAny, QString()))
            return page;
    }
    QString token = corpusPage.id.section(QLatin1Char('-'), 1);
    const qsizetype dash = token.lastIndexOf(QLatin1Char('-'));
    if (dash > 0 && token.mid(dash + 1).toInt() > 0)
        token.truncate(dash);
    const int wanted = corpusPage.type == QLatin1String("index") ? PageIndex : PageArticle;
    for (const CLSiteIndexItem *entry : processor.siteIndex) {
        if (!entry->site || !entry->id.endsWith(QLatin1Char('.') + token))
            continue;
        for (const CLPage *page : entry->site->pages) {
            if (page->type != wanted)
                continue;
            url = urlFromPattern(page);
            const CLPage *found = processor.findPage(url, wanted, entry->id);
            if (found && found->site == entry->site)
                return found;
        }
    }
    return nullptr;
}

void benchmarkPages(CLProcessor &processor, const std::vector<CorpusPage> &corpus,
                    QTextStream *dump)
{
    std::printf("process() per shipped profile over its corpus pages (median of repeated runs):\n"
                "%-22s %-22s %7s %5s %9s %8s %10s %10s %7s\n",
                "profile", "page", "KB", "nodes", "process", "MB/s", "memmem", "tag scan",
                "x scan");
    std::vector<double> article, index;
    for (const CLSiteIndexItem *entry : processor.siteIndex) {
        if (!entry->site)
            continue;
        for (const CorpusPage &corpusPage : corpus) {
            QString url;
            const CLPage *page = claimingPage(processor, corpusPage, url);
            if (!page || page->site != entry->site)
                continue;
            const QString siteId = page->type == PageArticle ? entry->id : QString();
            std::unique_ptr<CLElement> tree(
                processor.process(url, corpusPage.bytes, page->type, siteId));
            const int nodes = tree ? countNodes(tree.get()) : 0;
            if (dump) {
                *dump << "== " << entry->id << " " << corpusPage.id << "\n";
                if (tree)
                    writeTree(*dump, tree.get(), 0);
            }
            const double t = medianSeconds([&] {
                std::unique_ptr<CLElement> result(
                    processor.process(url, corpusPage.bytes, page->type, siteId));
                sink += result ? 1 : 0;
            });
            const double mm = medianSeconds([&] { sink += memmemAbsent(corpusPage.bytes); });
            const double scan = medianSeconds([&] { sink += bareTagScan(corpusPage.bytes); });
            const double mb = double(corpusPage.bytes.size()) / (1024.0 * 1024.0);
            std::printf("%-22s %-22s %7.1f %5d %7.0f us %8.1f %7.0f us %7.0f us %7.1f\n",
                        qPrintable(entry->id), qPrintable(corpusPage.id),
                        double(corpusPage.bytes.size()) / 1024.0, nodes, t * 1e6, mb / t, mm * 1e6,
                        scan * 1e6, t / scan);
            (page->type == PageIndex ? index : article).push_back(t);
        }
    }
    std::printf("median article page: %.0f us over %zu pages (target <= 500 us)\n",
                median(article) * 1e6, article.size());
    if (!index.empty())
        std::printf("median index page:   %.0f us over %zu pages\n", median(index) * 1e6,
                    index.size());
}

void benchmarkCatalogue(const CLProcessor &shipped, int count)
{
    // The shipped profiles, each copied under new ids until there are `count`.
    std::vector<QDomDocument> templates;
    for (const QString &file : shipped.profileFiles()) {
        QFile source(shipped.profileDir + QLatin1Char('/') + file);
        QDomDocument document;
        if (source.open(QIODevice::ReadOnly) && document.setContent(source.readAll()) &&
            document.documentElement().tagName() == QLatin1String("site"))
            templates.push_back(document);
    }
    QTemporaryDir dir;
    if (templates.empty() || !dir.isValid()) {
        std::printf("no profiles to copy: catalogue not measured\n");
        return;
    }
    QByteArray catalogue("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sites>\n");
    QByteArrayList contents;
    for (int i = 0; i < count; ++i) {
        QDomDocument &document = templates[size_t(i) % templates.size()];
        const QString id = QStringLiteral("(s)GI.bench%1").arg(i);
        document.documentElement().setAttribute(QStringLiteral("id"), id);
        const QString file = QStringLiteral("p%1.xml").arg(i);
        QFile out(dir.filePath(file));
        const QByteArray bytes = document.toByteArray(1);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            return;
        contents.append(bytes);
        catalogue += "\t<site id=\"" + id.toUtf8() + "\" version=\"1.0\" file=\"" + file.toUtf8() +
                     "\" />\n";
    }
    catalogue += "</sites>\n";
    QFile out(dir.filePath(QStringLiteral("sites.xml")));
    if (!out.open(QIODevice::WriteOnly) || out.write(catalogue) != catalogue.size())
        return;
    out.close();
    contents.append(catalogue);
    qint64 totalBytes = 0;
    for (const QByteArray &bytes : std::as_const(contents))
        totalBytes += bytes.size();

    int loaded = 0;
    std::vector<double> times;
    for (int run = 0; run < 5; ++run) {
        CLProcessor processor;
        processor.profileDir = dir.path();
        processor.catalogueFile = QStringLiteral("sites.xml");
        const double start = cpuSeconds();
        processor.loadSiteCatalogue();
        times.push_back(cpuSeconds() - start);
        loaded = int(processor.siteIndex.size() - processor.failedEntries().size());
    }
    const double load = median(times);
    const double mm = medianSeconds([&] {
        for (const QByteArray &bytes : std::as_const(contents))
            sink += memmemAbsent(bytes);
    });
    // Reading every file and running a stream parser through it.
    const double parse = medianSeconds([&] {
        const QStringList files = QDir(dir.path()).entryList({QStringLiteral("*.xml")});
        for (const QString &name : files) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QXmlStreamReader reader(file.readAll());
            while (!reader.atEnd())
                reader.readNext();
            sink += reader.hasError();
        }
    });
    std::printf("\ncatalogue of %d profiles (%.1f MB): %d loaded in %.1f ms (target <= 300 ms)\n"
                "  yardsticks over the same bytes: memmem %.2f ms, read + stream parse %.1f ms "
                "(load is %.1fx the parse)\n",
                count, double(totalBytes) / (1024.0 * 1024.0), loaded, load * 1e3, mm * 1e3,
                parse * 1e3, load / parse);
}

// URL to page definition with `count` profiles (the shipped ones under new
// ids): the index beside the scan over every page, for a URL no page accepts
// and for URLs made from the pages' own patterns.
void benchmarkLookup(const CLProcessor &shipped, int count)
{
    std::vector<QDomDocument> templates;
    for (const QString &file : shipped.profileFiles()) {
        const auto document = loadXmlDocument(shipped.profileDir + QLatin1Char('/') + file);
        if (document && document->documentElement().tagName() == QLatin1String("site"))
            templates.push_back(*document);
    }
    if (templates.empty())
        return;
    QString catalogueXml = QStringLiteral("<sites>");
    for (int i = 0; i < count; ++i)
        catalogueXml +=
            QStringLiteral("<site id=\"(s)GI.bench%1\" version=\"1\" file=\"f\"/>").arg(i);
    QDomDocument catalogue;
    catalogue.setContent(catalogueXml + QStringLiteral("</sites>"));
    CLProcessor processor;
    processor.parseCatalogue(catalogue);
    for (int i = 0; i < count; ++i) {
        QDomDocument &document = templates[size_t(i) % templates.size()];
        document.documentElement().setAttribute(QStringLiteral("id"),
                                                QStringLiteral("(s)GI.bench%1").arg(i));
        processor.registerSite(readProfile(document));
    }
    QStringList accepted;
    for (const CLPage *page : processor.pagesInOrder()) {
        const QString url = urlFromPattern(page);
        if (!url.isEmpty() && accepted.size() < 200)
            accepted.append(url);
    }
    const QString none =
        QStringLiteral("https://www.example.org/2026/12/07/no-site-knows-this-page.html");
    processor.findPage(none, PageAny, QString()); // builds the index
    const auto perUrl = [&](bool indexed, const QStringList &urls) {
        return medianSeconds([&] {
                   for (const QString &url : urls)
                       sink +=
                           qsizetype(indexed ? processor.findPage(url, PageAny, QString())
                                             : processor.findPageByScan(url, PageAny, QString()));
               }) /
               double(urls.size()) * 1e6;
    };
    std::printf(
        "lookup with %5d profiles (%lld pages): no page accepts: index %6.2f us, scan %8.1f us;"
        " pages' own URLs: index %6.2f us, scan %8.1f us (target <= %d us)\n",
        count, qlonglong(processor.allPages.size()), perUrl(true, {none}), perUrl(false, {none}),
        perUrl(true, accepted), perUrl(false, accepted), count > 1000 ? 40 : 20);
}

} // namespace

int main(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QString dumpPath;
    const qsizetype dumpAt = arguments.indexOf(QStringLiteral("--dump"));
    if (dumpAt >= 0) {
        dumpPath = arguments.value(dumpAt + 1);
        arguments.remove(dumpAt, qMin<qsizetype>(2, arguments.size() - dumpAt));
    }
    const QString corpus = arguments.value(0, QStringLiteral(TESSOLIN_CORPUS));
    const QString profiles =
        arguments.value(1, QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile"));
    fillEntityTable();

    CLProcessor processor;
    processor.profileDir = profiles;
    processor.catalogueFile = QStringLiteral("sites.xml");
    if (!processor.loadSiteCatalogue()) {
        std::printf("no catalogue in %s: nothing to measure\n", qPrintable(profiles));
        return 0;
    }
    std::printf("profiles: %d of %d loaded from %s\n",
                int(processor.siteIndex.size() - processor.failedEntries().size()),
                int(processor.siteIndex.size()), qPrintable(profiles));

    const std::vector<CorpusPage> corpusPages = readCorpus(corpus);
    if (corpusPages.empty()) {
        std::printf("corpus not found at %s: pages not measured\n", qPrintable(corpus));
    } else {
        QFile dumpFile(dumpPath);
        std::unique_ptr<QTextStream> dump;
        if (!dumpPath.isEmpty() && dumpFile.open(QIODevice::WriteOnly | QIODevice::Truncate))
            dump = std::make_unique<QTextStream>(&dumpFile);
        benchmarkPages(processor, corpusPages, dump.get());
    }
    benchmarkCatalogue(processor, 1000);
    std::printf("\n");
    benchmarkLookup(processor, 1000);
    benchmarkLookup(processor, 10000);
    return 0;
}
