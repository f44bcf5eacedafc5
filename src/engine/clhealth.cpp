#include "clhealth.h"

#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "cljsonstep.h"
#include "clprocessor.h"
#include "clsitemodel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <map>
#include <memory>

namespace {

// Whether any node below `node` is more than an index group (which the
// processor makes before its chain runs, found or not).
bool hasNonGroup(const CLElement *node)
{
    for (const CLElement *child : node->children) {
        if (child->kind < IndexGroup1 || child->kind > IndexGroup3 || hasNonGroup(child))
            return true;
    }
    return false;
}

bool hasText(const CLElement *node, int kind)
{
    for (const CLElement *child : node->children) {
        if (child->kind == kind && !child->text().trimmed().isEmpty())
            return true;
    }
    return false;
}

QString stepName(const CLStep *step)
{
    if (dynamic_cast<const CLStepPairPointer *>(step))
        return QStringLiteral("step_pair_point");
    if (dynamic_cast<const CLStepSectionCutter *>(step))
        return QStringLiteral("step_section_cutter");
    if (dynamic_cast<const CLStepTextExtractor *>(step))
        return QStringLiteral("step_text_extract");
    if (dynamic_cast<const CLStepURLExtractor *>(step))
        return QStringLiteral("step_url_extract");
    if (dynamic_cast<const CLStepAttributeExtractor *>(step))
        return QStringLiteral("step_attribute_extract");
    if (dynamic_cast<const CLStepTextToURL *>(step))
        return QStringLiteral("step_text_to_url");
    if (dynamic_cast<const CLStepTextFormater *>(step))
        return QStringLiteral("step_text_format");
    if (dynamic_cast<const CLStepJsonString *>(step))
        return QStringLiteral("step_json_string");
    return QStringLiteral("step");
}

// The first step of the topic's chain that yields nothing, as the chain
// runner would meet it; empty when the chain yields a value.
QString lostAt(const CLTopic *topic, const QByteArray &bytes)
{
    const qsizetype count = topic->steps.size();
    if (count == 0)
        return QStringLiteral("has no steps");
    std::unique_ptr<CLData> current(new CLData(QByteArray(bytes.constData(), bytes.size())));
    for (qsizetype i = 0; i < count; ++i) {
        const CLStep *step = topic->steps.at(i);
        const QString where =
            QStringLiteral("step %1/%2 %3").arg(i + 1).arg(count).arg(stepName(step));
        if (!step->accepts(current->type))
            return where + QStringLiteral(" does not take what the step before gave");
        CLData *next = step->process(current.get());
        if (!next)
            return where + QStringLiteral(" found nothing");
        if (next != current.get())
            current.reset(next);
    }
    return QString();
}

// Topics that make what a reader needs of the page, in processing order.
void wantedTopics(const QList<CLTopic *> &topics, bool index, QList<const CLTopic *> &out)
{
    for (const CLTopic *topic : topics) {
        const bool wanted = index ? topic->kind >= IndexEntry1 && topic->kind <= IndexEntry3
                                  : topic->kind == ArticleTitle || topic->kind == ArticleText;
        if (wanted)
            out.append(topic);
        wantedTopics(topic->subTopics, index, out);
    }
}

QString cleanField(QString text)
{
    for (QChar &ch : text) {
        if (ch == u'\t' || ch == u'\n' || ch == u'\r')
            ch = u' ';
    }
    return text.trimmed();
}

} // namespace

bool treeHasContent(const CLElement *tree)
{
    if (!tree)
        return false;
    if (tree->kind == IndexPage)
        return hasNonGroup(tree);
    if (tree->kind == ArticlePage)
        return hasText(tree, ArticleTitle) || hasText(tree, ArticleText);
    return true;
}

CLProfileMiss diagnoseMiss(const CLProcessor &processor, const QString &url,
                           const QByteArray &bytes, int pageType, const QString &siteId,
                           const CLElement *tree)
{
    CLProfileMiss miss;
    miss.pageKind = pageType == PageIndex ? QStringLiteral("index") : QStringLiteral("article");
    const CLPage *page = processor.findPage(url, pageType, siteId);
    if (page && page->site) {
        miss.siteId = page->site->id;
        miss.siteName = page->site->name;
        miss.version = page->site->version;
    }
    if (bytes.isEmpty()) {
        miss.stage = QStringLiteral("the page arrived empty");
        return miss;
    }
    if (!page) {
        miss.stage = QStringLiteral("no page definition accepts the URL");
        return miss;
    }
    const CLTrack *track = processor.findTrack(page, bytes);
    if (!track) {
        miss.stage = QStringLiteral("no track of page %1 accepts the content").arg(page->id);
        return miss;
    }
    QList<const CLTopic *> topics;
    wantedTopics(track->topics, page->type == PageIndex, topics);
    for (const CLTopic *topic : std::as_const(topics)) {
        if (!processor.isTopicEnabled(topic))
            continue;
        const QString lost = lostAt(topic, bytes);
        if (!lost.isEmpty()) {
            miss.stage = QStringLiteral("topic %1, %2").arg(topic->id, lost);
            return miss;
        }
    }
    miss.stage = topics.isEmpty() || !tree
                     ? QStringLiteral("track %1 has no topic for what the page needs")
                           .arg(track->name)
                     : QStringLiteral("the topics of track %1 found only empty text")
                           .arg(track->name);
    return miss;
}

CLProfileMiss describeIncompleteArticle(const CLElement *tree)
{
    CLProfileMiss miss;
    miss.pageKind = QStringLiteral("article");
    // An article root names its site as its origin.
    if (const auto *site = tree && tree->kind == ArticlePage
                               ? static_cast<const CLSite *>(tree->origin)
                               : nullptr) {
        miss.siteId = site->id;
        miss.siteName = site->name;
        miss.version = site->version;
    }
    QStringList missing;
    const struct
    {
        int kind;
        const char *name;
    } parts[] = {{ArticleTitle, "title"},
                 {ArticleSource, "source"},
                 {ArticleDatetime, "date"},
                 {ArticleText, "text"}};
    for (const auto &part : parts) {
        if (!tree || !hasText(tree, part.kind))
            missing.append(QLatin1String(part.name));
    }
    miss.stage = QStringLiteral("the article's topics found no %1")
                     .arg(missing.join(QStringLiteral(", ")));
    return miss;
}

QString healthLogLine(const CLProfileMiss &miss, const QString &dateTime)
{
    return QStringList{cleanField(dateTime),
                       cleanField(miss.siteId.isEmpty() ? QStringLiteral("-") : miss.siteId),
                       cleanField(miss.version.isEmpty() ? QStringLiteral("-") : miss.version),
                       cleanField(miss.pageKind), cleanField(miss.stage)}
        .join(u'\t');
}

bool appendHealthLog(const QString &path, const QString &line, qint64 maxBytes)
{
    QByteArray record = line.toUtf8();
    record.replace('\n', ' ');
    record += '\n';
    if (record.size() > maxBytes)
        return false;
    QFile existing(path);
    QByteArray log;
    if (existing.open(QIODevice::ReadOnly))
        log = existing.read(4 * maxBytes);
    existing.close();
    if (log.size() + record.size() <= maxBytes) {
        if (!QDir().mkpath(QFileInfo(path).path()))
            return false;
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Append) &&
               file.write(record) == record.size();
    }
    // Whole lines go from the front until the new one fits.
    qsizetype cut = log.size() + record.size() - maxBytes;
    const qsizetype lineEnd = log.indexOf('\n', cut - 1);
    cut = lineEnd < 0 ? log.size() : lineEnd + 1;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(log.mid(cut));
    file.write(record);
    return file.commit();
}

QStringList summarizeHealthLog(const QByteArray &log)
{
    struct Site
    {
        int misses = 0;
        QStringList versions;
        QString last;
        std::map<QString, int> stages;
    };
    std::map<QString, Site> sites;
    for (const QByteArray &raw : log.split('\n')) {
        const QStringList fields = QString::fromUtf8(raw).split(u'\t');
        if (fields.size() < 5)
            continue;
        Site &site = sites[fields.at(1)];
        ++site.misses;
        if (!site.versions.contains(fields.at(2)))
            site.versions.append(fields.at(2));
        site.last = qMax(site.last, fields.at(0));
        ++site.stages[fields.at(3) + QStringLiteral(": ") + fields.mid(4).join(u' ')];
    }
    QStringList lines;
    for (const auto &[id, site] : sites) {
        auto top = site.stages.cbegin();
        for (auto it = site.stages.cbegin(); it != site.stages.cend(); ++it) {
            if (it->second > top->second)
                top = it;
        }
        lines.append(QStringLiteral("%1: %2 misses, profile version %3, last %4; most often %5 "
                                    "(%6 times)")
                         .arg(id)
                         .arg(site.misses)
                         .arg(site.versions.join(QStringLiteral(", ")), site.last, top->first)
                         .arg(top->second));
    }
    return lines;
}
