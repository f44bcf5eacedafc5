#include "clprocessor.h"

#include "clelement.h"
#include "clfiltersettings.h"
#include "clpageindex.h"
#include "clsitemodel.h"
#include "clstep.h"
#include "cltranslator.h"

#include <QTimer>

CLProcessor::CLProcessor(QObject *parent) : QObject(parent), m_historyTimer(new QTimer(this))
{
    m_historyTimer->setSingleShot(true);
    m_historyTimer->setInterval(HistoryDelayMs);
    connect(m_historyTimer, &QTimer::timeout, this, &CLProcessor::flushHistory);
}

CLProcessor::~CLProcessor()
{
    if (m_historyTimer->isActive())
        flushHistory();
    // Entries own their sites, and with them every page in allPages.
    qDeleteAll(siteIndex);
    siteIndex.clear();
    allPages.clear();
    translatorByPair.clear();
    qDeleteAll(translators);
    translators.clear();
    delete filterSettings;
    filterSettings = nullptr;
    qDeleteAll(languageNames);
    languageNames.clear();
    qDeleteAll(countryNames);
    countryNames.clear();
}

CLElement *CLProcessor::process(const QString &url, const QByteArray &bytes, int pageType,
                                const QString &siteId)
{
    CLElement *root = extract(url, bytes, pageType, siteId);
    // Recorded even when nothing could be taken from the article: its layout may have changed.
    if (root && root->kind == ArticlePage)
        recordRead(url);
    return root;
}

CLElement *CLProcessor::extract(const QString &url, const QByteArray &bytes, int pageType,
                                const QString &siteId)
{
    const QMutexLocker lock(&m_processingLock);
    if (url.isEmpty() || bytes.isEmpty())
        return nullptr;
    const CLPage *page = findPage(url, pageType, siteId);
    if (!page)
        return nullptr;
    const CLTrack *track = findTrack(page, bytes);
    if (!track)
        return nullptr;

    const CLSite *site = page->site;
    const QString language = site ? site->locale : QString();
    CLElement *root = nullptr;
    switch (page->type) {
    case PageArticle:
        root = new CLElement(ArticlePage, language, site, new CLData(url), nullptr);
        break;
    case PageIndex:
        root = new CLElement(IndexPage, language, page, new CLData(page->name), nullptr);
        break;
    case PageTranslatorEntry:
        root = new CLElement(TranslatorEntry, language, nullptr, nullptr, nullptr);
        break;
    default:
        return nullptr;
    }
    processTopics(track->topics, bytes, root);
    return root;
}

void CLProcessor::recordRead(const QString &url)
{
    const quint32 hash = historyHash(url);
    if (history.contains(hash))
        return;
    history.insert(hash);
    // Batched: a burst of pages is one write.
    if (!confDir.isEmpty() && !historyFile.isEmpty() && !m_historyTimer->isActive())
        m_historyTimer->start();
}

bool CLProcessor::flushHistory()
{
    m_historyTimer->stop();
    if (confDir.isEmpty() || historyFile.isEmpty() || history.isEmpty())
        return true;
    return saveHistory(history, confDir + QLatin1Char('/') + historyFile) > 0;
}

CLPage *CLProcessor::findPage(const QString &url, int pageType, const QString &siteId) const
{
    return pickPage(pageIndex()->candidates(url), url, pageType, siteId);
}

CLPage *CLProcessor::findPageByScan(const QString &url, int pageType, const QString &siteId) const
{
    return pickPage(pagesInOrder(), url, pageType, siteId);
}

CLPage *CLProcessor::pickPage(const QList<CLPage *> &pages, const QString &url, int pageType,
                              const QString &siteId) const
{
    CLPage *lastCandidate = nullptr;
    for (CLPage *page : pages) {
        if (pageType != PageAny && pageType != page->type)
            continue;
        if (!matchText(page->urlFilter, url))
            continue;
        if (siteId.isEmpty())
            return page;
        if (page->site && page->site->id == siteId)
            return page;
        // A page of another site still serves when the named site has none.
        lastCandidate = page;
    }
    return lastCandidate;
}

QList<CLPage *> CLProcessor::pagesInOrder() const
{
    QList<CLPage *> pages;
    pages.reserve(allPages.size());
    QSet<CLPage *> listed;
    for (const CLSiteIndexItem *entry : siteIndex) {
        if (!entry->site)
            continue;
        for (CLPage *page : entry->site->pages) {
            if (allPages.contains(page) && !listed.contains(page)) {
                pages.append(page);
                listed.insert(page);
            }
        }
    }
    // Pages put into the set by hand, outside any entry, come last.
    for (CLPage *page : allPages) {
        if (!listed.contains(page))
            pages.append(page);
    }
    return pages;
}

std::shared_ptr<const CLPageIndex> CLProcessor::pageIndex() const
{
    QMutexLocker lock(&m_pageIndexLock);
    if (!m_pageIndex || m_pageIndex->pageCount() != allPages.size())
        m_pageIndex = std::make_shared<const CLPageIndex>(pagesInOrder());
    return m_pageIndex;
}

void CLProcessor::dropPageIndex()
{
    QMutexLocker lock(&m_pageIndexLock);
    m_pageIndex.reset();
}

CLTrack *CLProcessor::findTrack(const CLPage *page, const QByteArray &bytes) const
{
    if (!page)
        return nullptr;
    for (CLTrack *track : page->tracks) {
        if (matchBytes(track->contentFilter, bytes))
            return track;
    }
    return nullptr;
}

void CLProcessor::processTopics(const QList<CLTopic *> &topics, const QByteArray &bytes,
                                CLElement *parent)
{
    for (const CLTopic *topic : topics) {
        if (!isTopicEnabled(topic))
            continue;
        const CLSite *site = siteOf(topic);
        const QString language = site ? site->locale : QString();

        CLElement *target = parent;
        if (topic->groupKind != KindNone)
            target =
                new CLElement(topic->groupKind, language, topic, new CLData(topic->name), parent);

        CLData *result = runChain(topic, bytes);
        if (!result) {
            const bool takesDefault = topic->kind == ArticleSource ||
                                      topic->kind == ArticleDatetime || topic->kind == ArticleText;
            if (takesDefault && !topic->defaultText.isEmpty())
                new CLElement(topic->kind, language, nullptr, new CLData(topic->defaultText),
                              target);
        } else if (result->type == DataURLList) {
            for (CLURLData *record : std::as_const(result->urls))
                new CLElement(topic->kind, language, nullptr, record, target);
            // The nodes own the records now; the list value must not delete them.
            result->urls.clear();
            delete result;
        } else {
            new CLElement(topic->kind, language, nullptr, result, target);
        }

        processTopics(topic->subTopics, bytes, target);
    }
}

bool CLProcessor::isTopicEnabled(const CLTopic *topic) const
{
    if (!topic || !filterSettings || filterSettings->disabledTopics.isEmpty())
        return true;
    const QString path = topicPath(topic);
    for (const QString &entry : filterSettings->disabledTopics) {
        if (path == entry)
            return false;
        if (path.startsWith(entry + QStringLiteral(".(t)")))
            return false;
    }
    return true;
}
