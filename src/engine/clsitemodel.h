#pragma once

#include "clfilter.h"
#include "clobject.h"

#include <QList>
#include <QString>

class CLPage;
class CLStep;
class CLTopic;
class CLTrack;

/// Page types of a profile page definition.
enum CLPageType {
    PageAny = 0,
    PageIndex = 1,           // news.index
    PageArticle = 2,         // news.article
    PageTranslatorEntry = 4, // translator.entry
};

/// One site profile.
class CLSite : public CLObject
{
public:
    CLSite() = default;
    virtual ~CLSite();

    QList<CLPage *> pages; ///< owned; a page is held once
    QString codeset;
    QString version;
    QString layout;
    QString entry;
    QString country = QStringLiteral("n/a");
};

/// One kind of page of a site, recognised by its URL.
class CLPage : public CLObject
{
public:
    CLPage();
    virtual ~CLPage();

    CLSite *site = nullptr;  ///< not owned
    QList<CLTrack *> tracks; ///< owned, profile order
    CLFilter urlFilter;      ///< case-insensitive
    int type = PageAny;
    int offset = 0;
};

/// One layout of a page, recognised by the page's bytes.
class CLTrack : public CLObject
{
public:
    CLTrack();
    virtual ~CLTrack();

    CLPage *page = nullptr;  ///< not owned
    QList<CLTopic *> topics; ///< owned, profile order
    CLFilter contentFilter;  ///< case-sensitive, tested on raw bytes
};

/// One thing to extract: a chain of steps and nested topics.
class CLTopic : public CLObject
{
public:
    CLTopic() = default;
    virtual ~CLTopic();

    CLTrack *track = nullptr;       ///< for a top-level topic
    CLTopic *parentTopic = nullptr; ///< for a sub-topic
    QList<CLStep *> steps;          ///< owned, profile order
    QList<CLTopic *> subTopics;     ///< owned, profile order
    int groupKind = 0;              ///< CLElementKind of the group node, 0 for none
    int kind = 0;                   ///< CLElementKind of the content nodes, 0 for none
    QString defaultText;
    int mergeDup = 0;
};

void addPage(CLSite *site, CLPage *page);
void addTrack(CLPage *page, CLTrack *track);
void addTopic(CLTrack *track, CLTopic *topic);
void addSubTopic(CLTopic *topic, CLTopic *sub);
void addStep(CLTopic *topic, CLStep *step);

/// The topic that carries the track a topic belongs to (itself or the nearest
/// enclosing topic with a track); null when there is none.
const CLTopic *rootTopicOf(const CLTopic *topic);
CLPage *pageOf(const CLTopic *topic);
CLSite *siteOf(const CLTopic *topic);

/// "site.outer.inner.topic": the ids the topic filter uses.
QString topicPath(const CLTopic *topic);
/// Every topic below `topic`, depth first in profile order.
QList<CLTopic *> subTopicsOf(const CLTopic *topic);
/// Every topic of a site's pages of `pageType` (0: every page).
QList<CLTopic *> topicsOf(const CLSite *site, int pageType);

/// Group and content kinds of a profile topic type word at a nesting depth
/// (1 for a topic directly under a track).
void topicKindsFor(const QString &type, int depth, int *groupKind, int *kind);
