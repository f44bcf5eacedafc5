#pragma once

#include "clobject.h"
#include "clprofilereader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <atomic>
#include <memory>

class CLElement;
class CLFilterSettings;
class CLPage;
class CLPageIndex;
class CLSite;
class CLTopic;
class CLTrack;
class CLTranslator;
class QDomDocument;
class QTimer;

/// Category names of catalogue entries.
#define CL_CATEGORY_GENERAL "(c)General.Inforamtion"
#define CL_CATEGORY_TRANSLATION "(c)Translation.Engine"
#define CL_CATEGORY_OTHERS "(c)Others"

/// One entry of the site catalogue.
class CLSiteIndexItem : public CLObject
{
public:
    CLSiteIndexItem() = default;
    virtual ~CLSiteIndexItem();

    QString category;
    QString version;
    QString file;
    CLSite *site = nullptr; ///< owned; null until a profile with this id was loaded
};

/// The category of a catalogue entry, from its id.
QString categoryOfSiteId(const QString &id);

/// The extraction driver and data store: catalogue, profiles, translation
/// engines, filters, language names and the read-article history.
class CLProcessor : public QObject
{
    Q_OBJECT

public:
    explicit CLProcessor(QObject *parent = nullptr);
    ~CLProcessor() override;

    // Catalogue and profiles.
    bool loadSiteCatalogue();
    bool parseCatalogue(const QDomDocument &document);
    bool registerSite(CLSite *site);
    QList<CLSiteIndexItem *> failedEntries() const;
    QStringList profileFiles() const;
    void clearCatalogue();
    QList<CLSiteIndexItem *> sitesOfCategory(const QString &category,
                                             const QString &language) const;
    /// Why each profile of the last load failed, by file name.
    QHash<QString, CLProfileError> profileErrors;

    // Page processing.
    CLElement *process(const QString &url, const QByteArray &bytes, int pageType,
                       const QString &siteId);
    /// process() without recording the article in the history: safe on any
    /// thread, as changes to the catalogue and filters wait for it.
    CLElement *extract(const QString &url, const QByteArray &bytes, int pageType,
                       const QString &siteId);
    /// Changes whenever the catalogue's sites do; a tree made before a change
    /// points into deleted sites.
    quint64 catalogueGeneration() const { return m_catalogueGeneration; }
    /// The page definition for a URL: pages are tried in catalogue order
    /// (entries in file order, a site's pages in profile order), the few
    /// the URL index leaves.
    CLPage *findPage(const QString &url, int pageType, const QString &siteId) const;
    /// The same answer by trying every page in catalogue order.
    CLPage *findPageByScan(const QString &url, int pageType, const QString &siteId) const;
    /// Every page of allPages in catalogue order.
    QList<CLPage *> pagesInOrder() const;
    CLTrack *findTrack(const CLPage *page, const QByteArray &bytes) const;
    void processTopics(const QList<CLTopic *> &topics, const QByteArray &bytes, CLElement *parent);
    bool isTopicEnabled(const CLTopic *topic) const;

    // Read-article history.
    /// Marks an article read; the history file follows within `HistoryDelayMs`,
    /// so that a crash or a kill loses at most the last moments.
    void recordRead(const QString &url);
    /// Writes waiting marks now; false when the file could not be written.
    bool flushHistory();
    static constexpr int HistoryDelayMs = 2000;

    // Translation engines.
    bool loadTranslators();
    bool parseTranslators(const QDomDocument &document);
    void rebuildPairIndex();
    CLTranslator *findTranslator(const QString &source, const QString &target) const;
    QString applyTranslatorSequence(const QString &sequence);

    // Filters.
    bool loadFilterFiles();
    bool parseFilters(const QDomDocument &document);

    // Language and country names.
    bool loadLanguageResource();

    QStringList categories;
    QList<CLSiteIndexItem *> siteIndex; ///< owned, file order
    QSet<CLPage *> allPages;
    CLFilterSettings *filterSettings = nullptr; ///< owned
    QList<CLTranslator *> translators;          ///< owned, priority order
    QHash<QString, CLTranslator *> translatorByPair;
    QString profileDir;
    QString catalogueFile;
    QString filterDir;
    QString filterFile;
    QString translatorDir;
    QString translatorFile;
    QString translatorVersion;
    QString confDir;
    QString historyFile;
    QSet<quint32> history;
    QHash<QString, CLI18n *> languageNames; ///< owned
    QHash<QString, CLI18n *> countryNames;  ///< owned

private:
    std::shared_ptr<const CLPageIndex> pageIndex() const;
    void dropPageIndex();
    CLPage *pickPage(const QList<CLPage *> &pages, const QString &url, int pageType,
                     const QString &siteId) const;
    // Built on the first lookup after the catalogue changed; lookups may come
    // from page-processing threads.
    mutable QMutex m_pageIndexLock;
    // Held while a page is processed and while the catalogue or filters change.
    QMutex m_processingLock;
    std::atomic<quint64> m_catalogueGeneration{0};
    mutable std::shared_ptr<const CLPageIndex> m_pageIndex;
    /// The first catalogue entry of each id, as parseCatalogue read them.
    QHash<QString, CLSiteIndexItem *> m_firstEntryOf;

signals:
    void filterReloaded();
    void profilesRefreshed();

private:
    QTimer *m_historyTimer = nullptr;
};
