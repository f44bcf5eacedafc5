#pragma once

#include "clelement.h"
#include "clhealth.h"
#include "clsitemodel.h"
#include "localengine.h"
#include "networkstatus.h"
#include "translatableheadline.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMultiMap>
#include <QMutex>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

class CLProcessor;
class CLTranslator;
class I18NManager;
class QNetworkAccessManager;

/// The kind of a request, carried by its reply as "NetworkDataType".
enum CONetworkDataType {
    NDT_None = 0,
    NDT_IndexPage = 1,
    NDT_ArticlePage = 2,
    NDT_Image = 3,
    NDT_IndexItemTranslation = 4,
    NDT_ArticleTranslation = 5,
    NDT_VersionCheck = 6,
    NDT_SoftwareDownload = 7,
    NDT_FileDownload = 8,
};

/// The program's single gateway to HTTP: issues page, image, translation,
/// version-check and download requests, watches them with timers, and hands
/// their results on by kind.
class NetworkModule : public QObject
{
    Q_OBJECT

public:
    explicit NetworkModule(QObject *parent = nullptr);
    ~NetworkModule() override;

    /// Sends the queued headlines, keeping at most `maxPendingTranslations` in flight.
    void dispatchIndexItemTranslations(const QString &targetLanguage);
    /// Ends every registered reply of a kind without handling it.
    void abortKind(int kind);
    /// The number of registered replies of a kind.
    int activeCount(int kind);

    /// The status event of a reply error; 0 for none.
    static int statusForError(int error);
    /// A download path that stays inside its directory: no "..", no
    /// backslash, and a file name left after the ".ra" suffix is removed.
    static bool isSafeDownloadPath(const QString &localPath);
    /// The path a download is written to: `localPath` without a trailing ".ra".
    static QString downloadTarget(const QString &localPath);
    /// The name a translator goes by in `language`.
    static QString translatorDisplayName(const CLTranslator *translator, const QString &language);
    /// Whether a URL may be requested at all: only http and https, with a host.
    static bool isFetchableUrl(const QString &url);
    /// The most bytes a reply of a kind may bring; a download never more than
    /// the size it announced beforehand (`expected`, decimal; "0" or empty: any).
    static qint64 bodyLimit(int kind, const QString &expected = QString());

    /// Body caps: a reply that brings more is aborted and reported as failed.
    static constexpr qint64 MaxPageBytes = 16 * 1024 * 1024;
    static constexpr qint64 MaxImageBytes = 16 * 1024 * 1024;
    static constexpr qint64 MaxTranslationBytes = 1024 * 1024;
    static constexpr qint64 MaxVersionCheckBytes = 1024 * 1024;
    static constexpr qint64 MaxDownloadBytes = 64 * 1024 * 1024;
    /// An installer is written to its file as it arrives, up to its announced size.
    static constexpr qint64 MaxSoftwareBytes = qint64(2) * 1024 * 1024 * 1024;
    /// Redirects one request may follow.
    static constexpr int MaxRedirects = 10;

    /// Whether the translation engine at `entry` could not be connected to in
    /// this run; nothing more is sent to it then.
    bool isEngineUnreachable(const QString &entry) const
    {
        return m_unreachableEngines.contains(engineAddress(entry));
    }
    /// An engine's address as a user reads it: scheme, host and port.
    static QString engineAddress(const QString &entry);
    /// Errors that say nobody answers at the address at all.
    static bool isUnreachableError(int error);

    /// Elements of the current article translation that kept their original
    /// text because their translation failed or no engine reads them.
    int untranslatedParts() const { return m_untranslated; }

    CLProcessor *processor = nullptr; ///< not owned
    I18NManager *i18n = nullptr;      ///< not owned
    /// Starts the local engine when its requests find nobody; null: never.
    LocalEngine *localEngine = nullptr; ///< not owned
    qint32 maxPendingTranslations = 30;
    QList<CLElement *> articleTranslationQueue;   ///< not owned, oldest first
    QList<TranslatableHeadline *> indexItemQueue; ///< not owned, oldest first
    QMultiMap<int, QNetworkReply *> activeReplies;
    QMutex mutex;                             ///< guards activeReplies
    QNetworkAccessManager *manager = nullptr; ///< child
    /// Translation requests also go out through these (children), so that
    /// the requests allowed in flight really run at once: one manager opens
    /// only a few connections to a host and queues the rest.
    QList<QNetworkAccessManager *> translationManagers;
    int nextManager = 0;

    /// How long a reply may take, in ms.
    int replyTimeout = 90000;
    /// The further time an installer download gets once `replyTimeout` ran out, in ms.
    int installerGraceTimeout = 1200000;
    /// Index and article pages of at least this many bytes are processed on
    /// the thread pool, so that the window does not freeze on them.
    qsizetype offThreadBytes = 256 * 1024;

signals:
    void notifyNetworkStatus(CONetworkDataType kind, int code, const QString &arg1 = QString(),
                             const QString &arg2 = QString());
    void imageDataLoaded(const QString &url, QByteArray *data);
    void indexPageLoaded(CLElement *tree);
    void articlePageLoaded(CLElement *tree);
    void indexItemTranslated(CLElement *result, TranslatableHeadline *item);
    void indexItemTranslationCompleted();
    void articleTranslated(CLElement *cloneRoot);
    /// Sent right before `articleTranslated` when `untranslatedParts` of the
    /// clone kept their original text.
    void articleTranslationIncomplete(CLElement *cloneRoot, int untranslatedParts);
    void activeOperationForIndex(bool active);
    void activeOperationForArticle(bool active);
    void versionCheckRespond(QByteArray *data);
    /// Sent after the parsing-error status when an index or article page gave
    /// no headlines or no text: the site's profile may no longer match it.
    void profileMissed(CONetworkDataType kind, const CLProfileMiss &miss);
    void notifyDownloadResult(const QString &url, CONetworkDataType kind, bool ok);
    /// A translation engine could not be connected to; sent once per engine.
    /// Its unanswered elements stay pending: their translation is given up.
    void translationEngineUnreachable(const QString &address);

public slots:
    void networkReplyFinished(QNetworkReply *reply);
    void downloadProgressUpdate(qint64 received, qint64 total);
    void requestIndexPage(const QString &url);
    void requestArticlePage(const QString &url, CLTopic *topic = nullptr);
    void requestImage(const QString &url);
    void requestArticleTranslation(CLElement *cloneRoot);
    void requestVersionCheck(const QString &url, const QString &parameters);
    void abortCommuncation();
    void handleReplyError(QNetworkReply::NetworkError error, CONetworkDataType kind = NDT_None);
    void handleReplyTimeout();
    void downloadFile(const QString &url, const QString &localPath,
                      const QString &bytes = QStringLiteral("0"),
                      const QString &checksum = QString(), CONetworkDataType kind = NDT_None);

private:
    /// Processes a page on the thread pool; the tree is handed on here, unless
    /// a newer request withdrew the reply or the catalogue changed meanwhile.
    void processAside(QNetworkReply *reply, const QByteArray &bytes);
    enum class Busy { IndexOn, IndexOff, ArticleOn, ArticleOff, HeadlinesDone };

    QNetworkReply *getRequest(const QString &url, QObject *origin);
    QNetworkRequest makeRequest(const QString &url, QObject *origin) const;
    QNetworkReply *postRequest(const QString &url, const QByteArray &body, QObject *origin,
                               QNetworkAccessManager *via = nullptr);
    QNetworkAccessManager *nextTranslationManager();
    void attachReply(QNetworkReply *reply);
    void registerReply(QNetworkReply *reply);
    bool unregisterReply(QNetworkReply *reply);
    void releaseReply(QNetworkReply *reply);
    /// Ends a reply that brought nothing usable: reports `status` (0: none),
    /// tells the kind's consumer and lets queued translations go on.
    void failReply(QNetworkReply *reply, int status);
    /// Ends a translation reply whose engine could not be connected to.
    void giveUpEngine(QNetworkReply *reply);
    /// Moves arrived bytes out of the reply, aborting it past its cap.
    void readBody(QNetworkReply *reply);
    /// Reports a request refused before it went out (scheme or no reply).
    void reportRefused(const QString &url, CONetworkDataType kind);
    void withdrawReply(QNetworkReply *reply);
    void emitBusy(const QList<Busy> &signalsToEmit);
    void collectTranslatable(CLElement *element);
    void dispatchArticleTranslations();
    void applyTranslationResult(CLElement *result, CLElement *target);
    /// Gives an element with nothing to translate its original value.
    void keepOriginal(CLElement *target);
    /// An element whose translation failed keeps its original value.
    void markUntranslated(CLElement *target);
    void reportTranslationProgress(CLElement *cloneRoot);
    void handleDownload(QNetworkReply *reply, const QString &url, CONetworkDataType kind,
                        const QByteArray &bytes);
    /// Whether a request to `translator` goes out now, waits for the local
    /// engine to start, or is skipped because that engine is not installed.
    LocalEngine::Admission admitTranslation(const CLTranslator *translator);

    struct PendingHeadline
    {
        QPointer<QObject> object;
        TranslatableHeadline *item = nullptr;
    };
    /// Headline requests in flight; the pointer guards against items deleted meanwhile.
    QHash<QNetworkReply *, PendingHeadline> m_headlines;
    QString m_headlineTarget;
    /// Bytes read so far, per reply in flight.
    QHash<QNetworkReply *, QByteArray> m_bodies;
    /// When bytes last arrived from each server ("host:port"), on the monotonic clock in ms.
    QHash<QString, qint64> m_lastBytesFrom;
    int m_untranslated = 0;
    bool m_waitingForEngine = false;
    QSet<QString> m_unreachableEngines;
    QSet<QString> m_revivedEngines; ///< local engines started again after they stopped answering
};
