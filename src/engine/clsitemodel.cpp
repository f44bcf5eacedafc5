#include "clsitemodel.h"

#include "clelement.h"
#include "clstep.h"

CLSite::~CLSite()
{
    qDeleteAll(pages);
}

CLPage::CLPage() : urlFilter(Qt::CaseInsensitive) {}

CLPage::~CLPage()
{
    qDeleteAll(tracks);
}

CLTrack::CLTrack() : contentFilter(Qt::CaseSensitive) {}

CLTrack::~CLTrack()
{
    qDeleteAll(topics);
}

CLTopic::~CLTopic()
{
    qDeleteAll(steps);
    qDeleteAll(subTopics);
}

void addPage(CLSite *site, CLPage *page)
{
    if (!site || !page)
        return;
    if (!site->pages.contains(page))
        site->pages.append(page);
    page->site = site;
}

void addTrack(CLPage *page, CLTrack *track)
{
    if (!page || !track)
        return;
    page->tracks.append(track);
    track->page = page;
}

void addTopic(CLTrack *track, CLTopic *topic)
{
    if (!track || !topic)
        return;
    track->topics.append(topic);
    topic->track = track;
    topic->parentTopic = nullptr;
}

void addSubTopic(CLTopic *topic, CLTopic *sub)
{
    if (!topic || !sub)
        return;
    topic->subTopics.append(sub);
    sub->parentTopic = topic;
    sub->track = nullptr;
}

void addStep(CLTopic *topic, CLStep *step)
{
    if (!topic || !step)
        return;
    topic->steps.append(step);
    step->topic = topic;
}

const CLTopic *rootTopicOf(const CLTopic *topic)
{
    while (topic && !topic->track)
        topic = topic->parentTopic;
    return topic;
}

CLPage *pageOf(const CLTopic *topic)
{
    const CLTopic *root = rootTopicOf(topic);
    return root ? root->track->page : nullptr;
}

CLSite *siteOf(const CLTopic *topic)
{
    const CLPage *page = pageOf(topic);
    return page ? page->site : nullptr;
}

QString topicPath(const CLTopic *topic)
{
    if (!topic)
        return QString();
    QStringList ids;
    for (const CLTopic *t = topic; t; t = t->parentTopic)
        ids.prepend(t->id);
    if (const CLSite *site = siteOf(topic))
        ids.prepend(site->id);
    return ids.join(QLatin1Char('.'));
}

static void collectSubTopics(const CLTopic *topic, QList<CLTopic *> &out)
{
    for (CLTopic *sub : topic->subTopics) {
        out.append(sub);
        collectSubTopics(sub, out);
    }
}

QList<CLTopic *> subTopicsOf(const CLTopic *topic)
{
    QList<CLTopic *> out;
    if (topic)
        collectSubTopics(topic, out);
    return out;
}

QList<CLTopic *> topicsOf(const CLSite *site, int pageType)
{
    QList<CLTopic *> out;
    if (!site)
        return out;
    for (const CLPage *page : site->pages) {
        if (pageType != 0 && page->type != pageType)
            continue;
        for (const CLTrack *track : page->tracks) {
            for (CLTopic *topic : track->topics) {
                out.append(topic);
                collectSubTopics(topic, out);
            }
        }
    }
    return out;
}

void topicKindsFor(const QString &type, int depth, int *groupKind, int *kind)
{
    int group = KindNone;
    int content = KindNone;
    if (type == QLatin1String("article-index")) {
        if (depth >= 1 && depth <= 3) {
            group = IndexGroup1 + depth - 1;
            content = IndexEntry1 + depth - 1;
        }
    } else {
        static const struct
        {
            const char *word;
            int kind;
        } contentKinds[] = {
            {"article-title", ArticleTitle},
            {"article-source", ArticleSource},
            {"article-datetime", ArticleDatetime},
            {"article-text", ArticleText},
            {"article-image-list", ArticleImage},
            {"article-flash", ArticleFlash},
            {"article-previous-page", ArticlePreviousPage},
            {"article-next-page", ArticleNextPage},
            {"translate-text", TranslateText},
        };
        for (const auto &entry : contentKinds) {
            if (type == QLatin1String(entry.word)) {
                content = entry.kind;
                break;
            }
        }
    }
    if (groupKind)
        *groupKind = group;
    if (kind)
        *kind = content;
}
