#pragma once

// A small catalogue built in code for the dialog tests: two general news
// sites with index topics, one engine entry of another category and one
// entry whose profile did not load.

#include "clprocessor.h"
#include "clsitemodel.h"
#include "i18nmanager.h"

namespace fixture {

inline CLI18n *names(std::initializer_list<std::pair<const char *, const char *>> displays)
{
    auto *record = new CLI18n;
    record->original = QStringLiteral("en");
    for (const auto &[locale, name] : displays)
        record->displays.insert(QString::fromUtf8(locale), QString::fromUtf8(name));
    return record;
}

inline CLTopic *topic(const char *id, const char *name)
{
    auto *t = new CLTopic;
    t->id = QString::fromUtf8(id);
    t->name = QString::fromUtf8(name);
    return t;
}

inline CLSite *site(const char *id, const char *name, const char *locale, const char *country)
{
    auto *s = new CLSite;
    s->id = QString::fromUtf8(id);
    s->name = QString::fromUtf8(name);
    s->locale = QString::fromUtf8(locale);
    s->country = QString::fromUtf8(country);
    return s;
}

inline void addIndexTopics(CLSite *s, const QList<CLTopic *> &topics, int pageType = PageIndex)
{
    auto *page = new CLPage;
    page->type = pageType;
    auto *track = new CLTrack;
    addPage(s, page);
    addTrack(page, track);
    for (CLTopic *t : topics)
        addTopic(track, t);
}

inline void addEntry(CLProcessor &processor, const QString &category, CLSite *s,
                     const char *id = nullptr)
{
    auto *entry = new CLSiteIndexItem;
    entry->id = s ? s->id : QString::fromUtf8(id);
    entry->category = category;
    entry->site = s;
    processor.siteIndex.append(entry);
}

/// alpha (two index topics, one with a sub-topic, one article topic), beta
/// (one index topic), an engine and a failed profile.
inline void fillCatalogue(CLProcessor &processor)
{
    CLSite *alpha = site("news.alpha", "Alpha News", "en", "us");
    alpha->i18n = names({{"en", "Alpha News"}, {"de", "Alpha Nachrichten"}});
    CLTopic *head = topic("head", "Headlines");
    addSubTopic(head, topic("more", "More"));
    addIndexTopics(alpha, {head, topic("world", "World")});
    addIndexTopics(alpha, {topic("body", "Body")}, PageArticle);
    CLSite *beta = site("news.beta", "Beta", "fr", "fr");
    addIndexTopics(beta, {topic("une", "A la une")});
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), alpha);
    addEntry(processor, QStringLiteral(CL_CATEGORY_TRANSLATION),
             site("tr.gamma", "Gamma", "en", "us"));
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), nullptr, "news.failed");
    addEntry(processor, QStringLiteral(CL_CATEGORY_GENERAL), beta);
}

} // namespace fixture
