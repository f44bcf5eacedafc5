#pragma once

#include "clobject.h"
#include "clprofilereader.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QStringList>

class CLElement;
class CLFilterSettings;
class CLPage;
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
    CLPage *findPage(const QString &url, int pageType, const QString &siteId) const;
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

signals:
    void filterReloaded();
    void profilesRefreshed();

private:
    QTimer *m_historyTimer = nullptr;
};
