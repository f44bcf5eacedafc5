#include "networkmodule.h"

#include "clconstants.h"
#include "clhealth.h"
#include "clprocessor.h"
#include "cltranslator.h"
#include "i18nmanager.h"

#include <QDeadlineTimer>
#include <QDebug>
#include <QFile>
#include <QFutureWatcher>
#include <QMetaObject>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkRequest>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

namespace {

const char KindProperty[] = TS_PROP_NETWORK_DATA_TYPE;
const char SiteProperty[] = TS_PROP_ORIGIN_SITE_ID;
const char PathProperty[] = TS_PROP_LOCAL_FILE_PATH;
const char ChecksumProperty[] = TS_PROP_FILE_CHECKSUM_STRING;
const char BytesProperty[] = TS_PROP_FILE_BYTES_STRING;
// The URL exactly as the caller gave it: consumers match it by string.
const char UrlProperty[] = "NetworkRequestURL";
// Marks a reply the module gave up on, so its late finish is not handled.
const char WithdrawnProperty[] = "NetworkWithdrawn";
// Marks a reply timer that already granted an installer its extra time.
const char GraceProperty[] = "NetworkGraceGiven";
// The language a translation was asked for; the target may change before the answer.
const char TargetProperty[] = "NetworkTranslationTarget";
const char TimerName[] = "NetworkReplyTimer";
// When the reply was made, and when bytes last came in for it (monotonic ms).
const char StartedProperty[] = "NetworkStarted";
const char LastBytesProperty[] = "NetworkLastBytes";
// However steadily bytes trickle in, a transfer ends after this many timeouts.
constexpr int LongestTransferTimeouts = 10;

qint64 monotonicMs()
{
    return QDeadlineTimer::current().deadline();
}

QString serverOf(const QNetworkReply *reply)
{
    const QUrl url = reply->request().url();
    return url.host() + QLatin1Char(':') + QString::number(url.port(0));
}

const QString RaSuffix = QStringLiteral(".ra");

CONetworkDataType kindOf(const QObject *reply)
{
    return static_cast<CONetworkDataType>(reply->property(KindProperty).toInt());
}

bool isArticleKind(int kind)
{
    return kind == NDT_ArticlePage || kind == NDT_Image || kind == NDT_ArticleTranslation;
}

int pageTypeOf(int kind)
{
    switch (kind) {
    case NDT_IndexPage:
        return PageIndex;
    case NDT_ArticlePage:
        return PageArticle;
    case NDT_IndexItemTranslation:
    case NDT_ArticleTranslation:
        return PageTranslatorEntry;
    default:
        return PageAny;
    }
}

// The caller's own string: QUrl would print spaces, escapes and non-ASCII
// characters back differently, and images and history are matched by string.
QString replyUrl(const QNetworkReply *reply)
{
    const QVariant given = reply->property(UrlProperty);
    return given.isValid() ? given.toString() : reply->request().url().toString();
}

bool isDownloadKind(int kind)
{
    return kind == NDT_SoftwareDownload || kind == NDT_FileDownload;
}

QTimer *timerOf(const QNetworkReply *reply)
{
    return reply->findChild<QTimer *>(QLatin1String(TimerName), Qt::FindDirectChildrenOnly);
}

CLElement *rootOf(CLElement *element)
{
    while (element && element->parent)
        element = element->parent;
    return element;
}

} // namespace

TranslatableHeadline::~TranslatableHeadline() = default;

NetworkModule::NetworkModule(QObject *parent)
    : QObject(parent), manager(new QNetworkAccessManager(this))
{
    connect(manager, &QNetworkAccessManager::finished, this, &NetworkModule::networkReplyFinished);
    // Qt opens six connections per host and manager; five managers carry
    // thirty translations at once.
    translationManagers.append(manager);
    for (int i = 1; i < 5; ++i) {
        auto *extra = new QNetworkAccessManager(this);
        connect(extra, &QNetworkAccessManager::finished, this,
                &NetworkModule::networkReplyFinished);
        translationManagers.append(extra);
    }
    qDebug().noquote() << QStringLiteral("Proxy setting %1").arg(int(manager->proxy().type()));
}

NetworkModule::~NetworkModule()
{
    // Pages still being processed read the processor, which may go next.
    for (QFutureWatcherBase *base : findChildren<QFutureWatcherBase *>()) {
        if (auto *watcher = dynamic_cast<QFutureWatcher<CLElement *> *>(base)) {
            watcher->disconnect();
            watcher->waitForFinished();
            delete watcher->result();
        }
    }
    // Replies die with the manager; none may reach a module being destroyed.
    for (QNetworkAccessManager *m : std::as_const(translationManagers)) {
        disconnect(m, nullptr, this, nullptr);
        delete m;
    }
}

QNetworkAccessManager *NetworkModule::nextTranslationManager()
{
    nextManager = (nextManager + 1) % int(translationManagers.size());
    return translationManagers.at(nextManager);
}

int NetworkModule::statusForError(int error)
{
    switch (error) {
    case QNetworkReply::NoError:
        return 0;
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::HostNotFoundError:
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::BackgroundRequestNotAllowedError:
        return NS_ConnectionFailure;
    case QNetworkReply::TimeoutError:
        return NS_TransferTimeout;
    case QNetworkReply::OperationCanceledError:
        return NS_OperationCanceled;
    default:
        break;
    }
    // Codes without an entry of their own fall into the status of their group,
    // so that no failure goes unreported.
    if (error >= 100 && error < 200)
        return NS_ProxyError;
    if (error >= 200 && error < 300)
        return NS_RemoteContentError;
    if (error >= 400 && error < 500)
        return NS_RemoteContentError;
    return NS_OperationFailed;
}

bool NetworkModule::isFetchableUrl(const QString &url)
{
    const QUrl parsed(url);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && !parsed.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

qint64 NetworkModule::bodyLimit(int kind, const QString &expected)
{
    switch (kind) {
    case NDT_IndexPage:
    case NDT_ArticlePage:
        return MaxPageBytes;
    case NDT_Image:
        return MaxImageBytes;
    case NDT_IndexItemTranslation:
    case NDT_ArticleTranslation:
        return MaxTranslationBytes;
    case NDT_VersionCheck:
        return MaxVersionCheckBytes;
    case NDT_SoftwareDownload: {
        bool ok = false;
        const qint64 announced = expected.toLongLong(&ok);
        return ok && announced > 0 ? qMin(announced, MaxSoftwareBytes) : MaxDownloadBytes;
    }
    case NDT_FileDownload: {
        bool ok = false;
        const qint64 announced = expected.toLongLong(&ok);
        return ok && announced > 0 ? qMin(announced, MaxDownloadBytes) : MaxDownloadBytes;
    }
    default:
        return MaxPageBytes;
    }
}

bool NetworkModule::isSafeDownloadPath(const QString &localPath)
{
    if (localPath.isEmpty() || localPath.contains(QLatin1Char('\\')) ||
        localPath.contains(QChar(0)))
        return false;
    const QStringList parts = downloadTarget(localPath).split(QLatin1Char('/'));
    if (parts.contains(QStringLiteral("..")))
        return false;
    const QString name = parts.constLast();
    return !name.isEmpty() && name != QLatin1String(".");
}

QString NetworkModule::downloadTarget(const QString &localPath)
{
    if (localPath.endsWith(RaSuffix))
        return localPath.chopped(RaSuffix.size());
    return localPath;
}

QString NetworkModule::translatorDisplayName(const CLTranslator *translator,
                                             const QString &language)
{
    if (!translator)
        return QString();
    if (!translator->i18n)
        return translator->name;
    return localName(translator->i18n, language);
}

int NetworkModule::activeCount(int kind)
{
    const QMutexLocker locker(&mutex);
    return int(activeReplies.count(kind));
}

// Issuing requests ---------------------------------------------------------

QNetworkRequest NetworkModule::makeRequest(const QString &url, QObject *origin) const
{
    QNetworkRequest request{QUrl(url)};
    if (origin)
        request.setOriginatingObject(origin);
    // Redirects stay on http and https (the transport refuses any other
    // scheme) and end after a few hops.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(MaxRedirects);
    return request;
}

QNetworkReply *NetworkModule::getRequest(const QString &url, QObject *origin)
{
    // file:, qrc:, data: and the like would read local resources for a page.
    if (!isFetchableUrl(url)) {
        qDebug().noquote() << QStringLiteral("Refusing to request %1").arg(url);
        return nullptr;
    }
    QNetworkReply *reply = manager->get(makeRequest(url, origin));
    if (!reply) {
        emit notifyNetworkStatus(NDT_None, NS_ConnectFailed);
        return nullptr;
    }
    reply->setProperty(UrlProperty, url);
    attachReply(reply);
    return reply;
}

QNetworkReply *NetworkModule::postRequest(const QString &url, const QByteArray &body,
                                          QObject *origin, QNetworkAccessManager *via)
{
    if (body.isEmpty())
        return nullptr;
    if (!isFetchableUrl(url)) {
        qDebug().noquote() << QStringLiteral("Refusing to request %1").arg(url);
        return nullptr;
    }
    QNetworkRequest request = makeRequest(url, origin);
    request.setHeader(QNetworkRequest::ContentTypeHeader,
                      QByteArrayLiteral("application/x-www-form-urlencoded"));
    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    QNetworkReply *reply = (via ? via : manager)->post(request, body);
    if (!reply) {
        emit notifyNetworkStatus(NDT_None, NS_ConnectFailed);
        return nullptr;
    }
    reply->setProperty(UrlProperty, url);
    attachReply(reply);
    return reply;
}

void NetworkModule::attachReply(QNetworkReply *reply)
{
    auto *timer = new QTimer(reply);
    timer->setObjectName(QLatin1String(TimerName));
    timer->setSingleShot(true);
    connect(timer, &QTimer::timeout, this, &NetworkModule::handleReplyTimeout);
    timer->start(replyTimeout);
    reply->setProperty(StartedProperty, monotonicMs());

    reply->setProperty(KindProperty, int(NDT_None));
    connect(reply, &QNetworkReply::downloadProgress, this, &NetworkModule::downloadProgressUpdate);
    connect(reply, &QNetworkReply::errorOccurred, this,
            [this](QNetworkReply::NetworkError error) { handleReplyError(error); });
    // Bytes are taken as they come, so that a body past its cap is noticed
    // before it fills the memory.
    connect(reply, &QNetworkReply::readyRead, this, [this, reply] { readBody(reply); });
    emit notifyNetworkStatus(NDT_None, NS_Connecting, replyUrl(reply));
}

void NetworkModule::readBody(QNetworkReply *reply)
{
    if (reply->property(WithdrawnProperty).toBool())
        return;
    const CONetworkDataType kind = kindOf(reply);
    const QObject *holder = reply->request().originatingObject();
    const qint64 limit =
        bodyLimit(kind, isDownloadKind(kind) && holder ? holder->property(BytesProperty).toString()
                                                       : QString());
    QByteArray &body = m_bodies[reply];
    // An installer may be far larger than memory should hold: it goes to its file.
    QFile *file = nullptr;
    if (kind == NDT_SoftwareDownload && holder) {
        file = holder->findChild<QFile *>();
        if (!file) {
            file = new QFile(downloadTarget(holder->property(PathProperty).toString()),
                             const_cast<QObject *>(holder));
            if (!isSafeDownloadPath(file->fileName()) ||
                !file->open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                failReply(reply, NS_ReadFailed);
                return;
            }
        }
    }
    const qint64 received = file ? file->size() : body.size();
    const qint64 announced = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong();
    if (announced > limit || received + reply->bytesAvailable() > limit) {
        qDebug().noquote() << QStringLiteral("Reply too large, more than %1 bytes: %2")
                                  .arg(limit)
                                  .arg(replyUrl(reply));
        failReply(reply, NS_ReadFailed);
        return;
    }
    const QByteArray chunk = reply->readAll();
    if (chunk.isEmpty())
        return;
    const qint64 now = monotonicMs();
    reply->setProperty(LastBytesProperty, now);
    m_lastBytesFrom.insert(serverOf(reply), now);
    if (kind != NDT_SoftwareDownload && now - reply->property(StartedProperty).toLongLong() >
                                            qint64(LongestTransferTimeouts) * replyTimeout) {
        qDebug().noquote() << QStringLiteral("Transfer too slow: %1").arg(replyUrl(reply));
        failReply(reply, NS_TransferTimeout);
        return;
    }
    if (file) {
        if (file->write(chunk) != chunk.size())
            failReply(reply, NS_ReadFailed);
        return;
    }
    body += chunk;
}

// The table of active replies ----------------------------------------------
//
// Busy signals are emitted only after the mutex is released, so a receiver
// may call straight back into any request slot.

void NetworkModule::registerReply(QNetworkReply *reply)
{
    if (!reply)
        return;
    QList<Busy> pending;
    {
        const QMutexLocker locker(&mutex);
        const int kind = kindOf(reply);
        activeReplies.insert(kind, reply);
        if (kind == NDT_IndexPage || kind == NDT_IndexItemTranslation)
            pending.append(Busy::IndexOn);
        else if (isArticleKind(kind))
            pending.append(Busy::ArticleOn);
    }
    emitBusy(pending);
}

bool NetworkModule::unregisterReply(QNetworkReply *reply)
{
    if (!reply)
        return false;
    QList<Busy> pending;
    bool removed = false;
    {
        const QMutexLocker locker(&mutex);
        const int kind = kindOf(reply);
        removed = activeReplies.remove(kind, reply) > 0;
        if (kind == NDT_IndexItemTranslation) {
            // Headlines still queued will be sent by the caller that ends this reply.
            if (removed && !activeReplies.contains(NDT_IndexItemTranslation) &&
                indexItemQueue.isEmpty())
                pending << Busy::HeadlinesDone;
            if (!activeReplies.contains(NDT_IndexItemTranslation))
                pending << Busy::IndexOff;
        } else if (kind == NDT_IndexPage) {
            pending << Busy::IndexOff;
        } else if (isArticleKind(kind)) {
            if (!activeReplies.contains(NDT_ArticlePage) && !activeReplies.contains(NDT_Image) &&
                !activeReplies.contains(NDT_ArticleTranslation))
                pending << Busy::ArticleOff;
        }
    }
    // Aborting finishes the reply at once; that must happen outside the lock.
    if (removed)
        withdrawReply(reply);
    emitBusy(pending);
    return removed;
}

void NetworkModule::withdrawReply(QNetworkReply *reply)
{
    reply->setProperty(WithdrawnProperty, true);
    m_headlines.remove(reply);
    m_bodies.remove(reply);
    disconnect(reply, nullptr, this, nullptr);
    if (QTimer *timer = timerOf(reply)) {
        timer->stop();
        disconnect(timer, nullptr, this, nullptr);
    }
    // The reply keeps its own links to the transfer, so the connection is closed.
    reply->abort();
    reply->deleteLater();
}

void NetworkModule::emitBusy(const QList<Busy> &signalsToEmit)
{
    for (const Busy busy : signalsToEmit) {
        switch (busy) {
        case Busy::IndexOn:
            emit activeOperationForIndex(true);
            break;
        case Busy::IndexOff:
            emit activeOperationForIndex(false);
            break;
        case Busy::ArticleOn:
            emit activeOperationForArticle(true);
            break;
        case Busy::ArticleOff:
            emit activeOperationForArticle(false);
            break;
        case Busy::HeadlinesDone:
            emit indexItemTranslationCompleted();
            break;
        }
    }
}

void NetworkModule::abortKind(int kind)
{
    QList<QPointer<QNetworkReply>> snapshot;
    {
        const QMutexLocker locker(&mutex);
        const QList<QNetworkReply *> replies = activeReplies.values(kind);
        for (QNetworkReply *reply : replies)
            snapshot.append(reply);
    }
    for (const QPointer<QNetworkReply> &reply : std::as_const(snapshot)) {
        if (reply)
            unregisterReply(reply);
    }
}

// Requesting slots ---------------------------------------------------------

void NetworkModule::requestIndexPage(const QString &url)
{
    if (url.isEmpty())
        return;
    // The queued headlines belong to the index being replaced.
    indexItemQueue.clear();
    for (const int kind : {NDT_IndexPage, NDT_IndexItemTranslation, NDT_ArticlePage, NDT_Image,
                           NDT_ArticleTranslation})
        abortKind(kind);
    if (QNetworkReply *reply = getRequest(url, nullptr)) {
        reply->setProperty(KindProperty, int(NDT_IndexPage));
        registerReply(reply);
    } else {
        reportRefused(url, NDT_IndexPage);
    }
}

void NetworkModule::reportRefused(const QString &url, CONetworkDataType kind)
{
    if (isFetchableUrl(url) && !isDownloadKind(kind) && kind != NDT_VersionCheck)
        return; // no reply object: already reported
    if (!isFetchableUrl(url))
        emit notifyNetworkStatus(kind, NS_OperationFailed);
    // Consumers that chain further requests hear of it later, as of any failure.
    if (kind == NDT_VersionCheck) {
        QMetaObject::invokeMethod(
            this, [this] { emit versionCheckRespond(nullptr); }, Qt::QueuedConnection);
    } else if (isDownloadKind(kind)) {
        QMetaObject::invokeMethod(
            this, [this, url, kind] { emit notifyDownloadResult(url, kind, false); },
            Qt::QueuedConnection);
    }
}

void NetworkModule::requestArticlePage(const QString &url, CLTopic *topic)
{
    if (url.isEmpty())
        return;
    for (const int kind : {NDT_ArticlePage, NDT_Image, NDT_ArticleTranslation})
        abortKind(kind);
    if (QNetworkReply *reply = getRequest(url, nullptr)) {
        reply->setProperty(KindProperty, int(NDT_ArticlePage));
        if (topic) {
            if (const CLSite *site = siteOf(topic))
                reply->setProperty(SiteProperty, site->id);
        }
        registerReply(reply);
    } else {
        reportRefused(url, NDT_ArticlePage);
    }
}

void NetworkModule::requestImage(const QString &url)
{
    if (url.isEmpty())
        return;
    if (QNetworkReply *reply = getRequest(url, nullptr)) {
        reply->setProperty(KindProperty, int(NDT_Image));
        registerReply(reply);
    } else {
        reportRefused(url, NDT_Image);
    }
}

void NetworkModule::requestVersionCheck(const QString &url, const QString &parameters)
{
    if (url.isEmpty() || parameters.isEmpty())
        return;
    qDebug().noquote() << QStringLiteral("Version check parameter: %1").arg(parameters);
    abortKind(NDT_VersionCheck);
    if (QNetworkReply *reply = postRequest(url, parameters.toUtf8(), nullptr)) {
        reply->setProperty(KindProperty, int(NDT_VersionCheck));
        registerReply(reply);
    } else {
        reportRefused(url, NDT_VersionCheck);
    }
}

void NetworkModule::downloadFile(const QString &url, const QString &localPath, const QString &bytes,
                                 const QString &checksum, CONetworkDataType kind)
{
    qDebug() << "Downloading...";
    qDebug().noquote() << url;
    if (kind == NDT_SoftwareDownload)
        qDebug() << "It is a software!";
    if (kind != NDT_SoftwareDownload && kind != NDT_FileDownload)
        return;
    if (!isSafeDownloadPath(localPath)) {
        qDebug().noquote() << QStringLiteral("Refusing download path %1").arg(localPath);
        // Reported later, as a finished download would be, so callers see one flow.
        QMetaObject::invokeMethod(
            this, [this, url, kind] { emit notifyDownloadResult(url, kind, false); },
            Qt::QueuedConnection);
        return;
    }
    auto *holder = new QObject(this);
    holder->setProperty(PathProperty, localPath);
    holder->setProperty(ChecksumProperty, checksum);
    holder->setProperty(BytesProperty, bytes);
    QNetworkReply *reply = getRequest(url, holder);
    if (!reply) {
        delete holder;
        reportRefused(url, kind);
        return;
    }
    // The holder lives exactly as long as its reply, however that ends.
    holder->setParent(reply);
    reply->setProperty(KindProperty, int(kind));
    registerReply(reply);
}

void NetworkModule::abortCommuncation()
{
    articleTranslationQueue.clear();
    indexItemQueue.clear();
    for (const int kind : {NDT_IndexPage, NDT_IndexItemTranslation, NDT_ArticlePage, NDT_Image,
                           NDT_ArticleTranslation})
        abortKind(kind);
}

// Replies ------------------------------------------------------------------

void NetworkModule::networkReplyFinished(QNetworkReply *reply)
{
    if (!reply || reply->property(WithdrawnProperty).toBool())
        return;
    const QString url = replyUrl(reply);
    const CONetworkDataType kind = kindOf(reply);
    const QString siteId = reply->property(SiteProperty).toString();

    if (reply->error() != QNetworkReply::NoError) {
        qDebug().noquote()
            << QStringLiteral("Network Error Detected %1:%2").arg(int(reply->error())).arg(url);
        if ((kind == NDT_IndexItemTranslation || kind == NDT_ArticleTranslation) &&
            isUnreachableError(reply->error())) {
            giveUpEngine(reply);
            return;
        }
        // Kinds 0 to 5 report the error again; the others' consumers are told.
        failReply(reply, isDownloadKind(kind) || kind == NDT_VersionCheck
                             ? 0
                             : statusForError(reply->error()));
        return;
    }
    if (kind == NDT_None) {
        emit notifyNetworkStatus(NDT_None, NS_DiscardedData);
        releaseReply(reply);
        return;
    }
    if (!reply->isReadable()) {
        failReply(reply, NS_ReadFailed);
        return;
    }
    readBody(reply);
    if (reply->property(WithdrawnProperty).toBool())
        return; // past its cap: already reported
    const QByteArray bytes = m_bodies.take(reply);

    switch (kind) {
    case NDT_Image:
        emit notifyNetworkStatus(kind, NS_ImageLoaded);
        emit imageDataLoaded(url, new QByteArray(bytes));
        break;
    case NDT_VersionCheck:
        releaseReply(reply);
        emit versionCheckRespond(new QByteArray(bytes));
        return;
    case NDT_SoftwareDownload:
    case NDT_FileDownload:
        handleDownload(reply, url, kind, bytes);
        break;
    default: {
        if ((kind == NDT_IndexPage || kind == NDT_ArticlePage) && processor &&
            bytes.size() >= offThreadBytes) {
            processAside(reply, bytes);
            return;
        }
        CLElement *tree =
            processor ? processor->process(url, bytes, pageTypeOf(kind), siteId) : nullptr;
        // A page that arrived but gave the reader nothing points at its profile, not the network.
        if ((kind == NDT_IndexPage || kind == NDT_ArticlePage) && processor &&
            !treeHasContent(tree)) {
            const CLProfileMiss miss =
                diagnoseMiss(*processor, url, bytes, pageTypeOf(kind), siteId, tree);
            delete tree;
            failReply(reply, NS_PageParsingError);
            emit profileMissed(kind, miss);
            return;
        }
        if (!tree) {
            failReply(reply, NS_PageParsingError);
            return;
        }
        if (kind == NDT_IndexItemTranslation || kind == NDT_ArticleTranslation) {
            if (!tree->children.isEmpty()) {
                const QString language = reply->property(TargetProperty).toString();
                tree->language = language;
                tree->children.constFirst()->language = language;
            }
        }
        if (kind == NDT_IndexPage) {
            emit notifyNetworkStatus(kind, NS_IndexPageLoaded);
            emit indexPageLoaded(tree);
        } else if (kind == NDT_ArticlePage) {
            emit notifyNetworkStatus(kind, NS_ArticlePageLoaded);
            emit articlePageLoaded(tree);
        } else if (kind == NDT_IndexItemTranslation) {
            const PendingHeadline pendingHeadline = m_headlines.take(reply);
            // The entry may have been destroyed while its request was in flight.
            if (pendingHeadline.object && pendingHeadline.item)
                emit indexItemTranslated(tree, pendingHeadline.item);
            else
                delete tree;
            dispatchIndexItemTranslations(m_headlineTarget);
        } else if (kind == NDT_ArticleTranslation) {
            auto *carrier = qobject_cast<CLElementCarrier *>(reply->request().originatingObject());
            CLElement *target = carrier ? carrier->element : nullptr;
            if (target && target->source && target->source->kind == ArticleText &&
                !tree->children.isEmpty()) {
                CLData *value = tree->children.constFirst()->value;
                if (value && value->type == DataText)
                    value->text += QLatin1Char('\n') + carrier->text;
            }
            if (target)
                applyTranslationResult(tree, target);
            else
                delete tree;
            delete carrier;
            dispatchArticleTranslations();
        } else {
            delete tree;
        }
        break;
    }
    }
    m_headlines.remove(reply);
    releaseReply(reply);
}

void NetworkModule::processAside(QNetworkReply *reply, const QByteArray &bytes)
{
    const QString url = replyUrl(reply);
    const CONetworkDataType kind = kindOf(reply);
    const QString siteId = reply->property(SiteProperty).toString();
    CLProcessor *engine = processor;
    const quint64 generation = engine->catalogueGeneration();
    auto *watcher = new QFutureWatcher<CLElement *>(this);
    connect(watcher, &QFutureWatcherBase::finished, this,
            [this, watcher, engine, generation, url, kind, reply = QPointer<QNetworkReply>(reply)] {
                watcher->deleteLater();
                CLElement *tree = watcher->result();
                if (!reply || reply->property(WithdrawnProperty).toBool() || engine != processor ||
                    engine->catalogueGeneration() != generation) {
                    delete tree;
                    if (reply && !reply->property(WithdrawnProperty).toBool())
                        releaseReply(reply);
                    return;
                }
                if (!tree) {
                    failReply(reply, NS_PageParsingError);
                    return;
                }
                if (kind == NDT_ArticlePage) {
                    engine->recordRead(url);
                    emit notifyNetworkStatus(kind, NS_ArticlePageLoaded);
                    emit articlePageLoaded(tree);
                } else {
                    emit notifyNetworkStatus(kind, NS_IndexPageLoaded);
                    emit indexPageLoaded(tree);
                }
                releaseReply(reply);
            });
    const int pageType = pageTypeOf(kind);
    watcher->setFuture(QtConcurrent::run([engine, url, bytes, pageType, siteId] {
        return engine->extract(url, bytes, pageType, siteId);
    }));
}

void NetworkModule::failReply(QNetworkReply *reply, int status)
{
    const QString url = replyUrl(reply);
    const CONetworkDataType kind = kindOf(reply);
    if (status)
        emit notifyNetworkStatus(kind, status);
    // Queued translations go on while this reply still counts as in flight,
    // so that completion is announced once, when the last one ends.
    if (kind == NDT_IndexItemTranslation) {
        m_headlines.remove(reply);
        dispatchIndexItemTranslations(m_headlineTarget);
    } else if (kind == NDT_ArticleTranslation) {
        if (auto *carrier =
                qobject_cast<CLElementCarrier *>(reply->request().originatingObject())) {
            markUntranslated(carrier->element);
            carrier->element = nullptr;
        }
        dispatchArticleTranslations();
    }
    // Withdrawn first: consumers may issue the next request at once.
    releaseReply(reply);
    if (kind == NDT_VersionCheck)
        emit versionCheckRespond(nullptr);
    else if (isDownloadKind(kind))
        emit notifyDownloadResult(url, kind, false);
}

QString NetworkModule::engineAddress(const QString &entry)
{
    return QUrl(entry)
        .adjusted(QUrl::RemoveUserInfo | QUrl::RemovePath | QUrl::RemoveQuery |
                  QUrl::RemoveFragment)
        .toString();
}

bool NetworkModule::isUnreachableError(int error)
{
    return error == QNetworkReply::ConnectionRefusedError ||
           error == QNetworkReply::HostNotFoundError ||
           error == QNetworkReply::TemporaryNetworkFailureError ||
           error == QNetworkReply::NetworkSessionFailedError;
}

void NetworkModule::giveUpEngine(QNetworkReply *reply)
{
    const CONetworkDataType kind = kindOf(reply);
    const QString entry = reply->property(UrlProperty).toString();
    const QString address = engineAddress(entry);
    // The local engine that stopped answering is started again, once, before it is given up.
    const bool looking = localEngine && (localEngine->state() == LocalEngine::State::Probing ||
                                         localEngine->state() == LocalEngine::State::Starting);
    if (localEngine && (looking || !m_revivedEngines.contains(address)) &&
        localEngine->revive(entry)) {
        m_revivedEngines.insert(address);
        if (kind == NDT_IndexItemTranslation) {
            const PendingHeadline pending = m_headlines.take(reply);
            if (pending.object && pending.item)
                indexItemQueue.prepend(pending.item);
        } else if (auto *carrier =
                       qobject_cast<CLElementCarrier *>(reply->request().originatingObject())) {
            if (carrier->element)
                articleTranslationQueue.prepend(carrier->element);
            carrier->element = nullptr;
        }
        releaseReply(reply);
        if (kind == NDT_IndexItemTranslation)
            dispatchIndexItemTranslations(m_headlineTarget);
        else
            dispatchArticleTranslations();
        return;
    }
    const bool first = !m_unreachableEngines.contains(address);
    m_unreachableEngines.insert(address);
    // The element stays pending: a "translation" of original texts only is none.
    if (auto *carrier = qobject_cast<CLElementCarrier *>(reply->request().originatingObject()))
        carrier->element = nullptr;
    releaseReply(reply);
    if (first) {
        qDebug().noquote() << QStringLiteral("Translation engine unreachable: %1").arg(address);
        emit translationEngineUnreachable(address);
    }
    // Whatever waits for other engines goes on.
    if (kind == NDT_IndexItemTranslation)
        dispatchIndexItemTranslations(m_headlineTarget);
    else
        dispatchArticleTranslations();
}

void NetworkModule::releaseReply(QNetworkReply *reply)
{
    // A handled reply goes even when a receiver already took it off the table.
    m_headlines.remove(reply);
    m_bodies.remove(reply);
    if (!unregisterReply(reply))
        reply->deleteLater();
}

void NetworkModule::handleDownload(QNetworkReply *reply, const QString &url, CONetworkDataType kind,
                                   const QByteArray &bytes)
{
    const QObject *holder = reply->request().originatingObject();
    if (!holder) {
        emit notifyDownloadResult(url, kind, false);
        return;
    }
    const QString localPath = holder->property(PathProperty).toString();
    const QString expected = holder->property(BytesProperty).toString();
    QFile *file = holder->findChild<QFile *>();
    if (kind == NDT_SoftwareDownload) {
        // Written as it arrived; an empty body never opened its file.
        const bool written =
            file ? file->flush()
                 : isSafeDownloadPath(localPath) && saveBytes(bytes, downloadTarget(localPath));
        const qint64 size = file ? file->size() : bytes.size();
        if (file)
            file->close();
        const bool sized = expected == QLatin1String("0") || expected == QString::number(size);
        if (!sized)
            emit notifyNetworkStatus(kind, NS_ReadFailed);
        emit notifyDownloadResult(url, kind, written && sized);
        return;
    }
    qDebug() << qChecksum(bytes);
    qDebug() << bytes.size();
    const bool sizeAccepted =
        expected == QLatin1String("0") || expected == QString::number(bytes.size());
    if (!sizeAccepted || !isSafeDownloadPath(localPath)) {
        // A short or overlong body is a transfer that went wrong.
        if (!sizeAccepted)
            emit notifyNetworkStatus(kind, NS_ReadFailed);
        emit notifyDownloadResult(url, kind, false);
        return;
    }
    emit notifyDownloadResult(url, kind, saveBytes(bytes, downloadTarget(localPath)));
}

void NetworkModule::handleReplyError(QNetworkReply::NetworkError error, CONetworkDataType kind)
{
    if (kind == NDT_None) {
        if (const auto *reply = qobject_cast<const QNetworkReply *>(sender()))
            kind = kindOf(reply);
    }
    // An engine nobody answers at is reported once, as such, not per request.
    if ((kind == NDT_IndexItemTranslation || kind == NDT_ArticleTranslation) &&
        isUnreachableError(error))
        return;
    if (const int code = statusForError(error))
        emit notifyNetworkStatus(kind, code);
}

void NetworkModule::handleReplyTimeout()
{
    auto *timer = qobject_cast<QTimer *>(sender());
    if (!timer)
        return;
    // Bytes the transport handed over while this thread was busy elsewhere
    // wait in the queue before this check, so they count as arrived.
    QMetaObject::invokeMethod(
        this,
        [this, timer = QPointer<QTimer>(timer)] {
            auto *reply = timer ? qobject_cast<QNetworkReply *>(timer->parent()) : nullptr;
            if (!reply || timer->isActive() || reply->property(WithdrawnProperty).toBool())
                return;
            // Silence is counted from the last bytes of this transfer or of
            // any other from the same server: requests queued behind others
            // for a connection have not started yet.
            const qint64 now = monotonicMs();
            const qint64 heard = qMax(reply->property(StartedProperty).toLongLong(),
                                      qMax(reply->property(LastBytesProperty).toLongLong(),
                                           m_lastBytesFrom.value(serverOf(reply))));
            const qint64 silence = now - heard;
            if (silence < timer->interval()) {
                timer->start(int(timer->interval() - silence));
                return;
            }
            qDebug() << "Timeout detected";
            const CONetworkDataType kind = kindOf(reply);
            if (kind == NDT_SoftwareDownload && !timer->property(GraceProperty).toBool()) {
                // An installer is large: it gets one long extension before it counts as stalled.
                timer->setProperty(GraceProperty, true);
                timer->start(installerGraceTimeout);
                return;
            }
            failReply(reply, NS_TransferTimeout);
        },
        Qt::QueuedConnection);
}

void NetworkModule::downloadProgressUpdate(qint64 received, qint64 total)
{
    Q_UNUSED(total)
    if (received <= 0)
        return;
    emit notifyNetworkStatus(NDT_None, NS_BytesReceived, QString::number(received));
}

// Translation --------------------------------------------------------------

void NetworkModule::requestArticleTranslation(CLElement *cloneRoot)
{
    if (!cloneRoot)
        return;
    // Answers still in flight point into a clone that may no longer exist.
    abortKind(NDT_ArticleTranslation);
    articleTranslationQueue.clear();
    m_untranslated = 0;
    if (localEngine)
        localEngine->rearm();
    collectTranslatable(cloneRoot);
    dispatchArticleTranslations();
}

void NetworkModule::collectTranslatable(CLElement *element)
{
    if (!element)
        return;
    CLElement *source = element->source;
    // The root only carries the page's URL, which is no text to translate.
    if (source && source->value && element->parent) {
        if (CLURLData *url = source->value->asURL()) {
            if (source->kind == ArticleImage && url->title.isEmpty())
                url->title = QStringLiteral(" ");
            articleTranslationQueue.append(element);
        } else if (source->value->type == DataText) {
            articleTranslationQueue.append(element);
        }
    }
    for (CLElement *child : std::as_const(element->children))
        collectTranslatable(child);
}

LocalEngine::Admission NetworkModule::admitTranslation(const CLTranslator *translator)
{
    if (!localEngine || !LocalEngine::servesTranslator(translator))
        return LocalEngine::Admission::Send;
    const LocalEngine::Admission admission = localEngine->admit(translator->entry);
    if (admission != LocalEngine::Admission::Wait || m_waitingForEngine)
        return admission;
    m_waitingForEngine = true;
    // Queued requests go on once the engine answers or is known to be missing.
    connect(localEngine, &LocalEngine::settled, this, [this] {
        m_waitingForEngine = false;
        if (!articleTranslationQueue.isEmpty())
            dispatchArticleTranslations();
        if (!indexItemQueue.isEmpty())
            dispatchIndexItemTranslations(m_headlineTarget);
    }, Qt::SingleShotConnection);
    return LocalEngine::Admission::Wait;
}

void NetworkModule::dispatchArticleTranslations()
{
    while (!articleTranslationQueue.isEmpty()) {
        CLElement *element = articleTranslationQueue.takeFirst();
        if (!processor || !element || !element->source || !element->source->value)
            continue;
        const CLElement *source = element->source;
        CLTranslator *translator = processor->findTranslator(source->language, element->language);
        if (!translator) {
            markUntranslated(element);
            continue;
        }
        if (isEngineUnreachable(translator->entry))
            continue; // given up: the element stays pending
        QString text;
        if (source->value->type == DataText)
            text = source->value->text;
        else if (const CLURLData *url = source->value->asURL())
            text = url->title;
        if (text.trimmed().isEmpty()) {
            // An engine answers a blank text with an empty page, which would
            // leave the element pending for ever.
            keepOriginal(element);
            continue;
        }

        const LocalEngine::Admission admission = admitTranslation(translator);
        if (admission == LocalEngine::Admission::Wait) {
            articleTranslationQueue.prepend(element);
            break;
        }
        if (admission == LocalEngine::Admission::Skip) {
            markUntranslated(element);
            continue;
        }
        const QByteArray body =
            buildRequestBody(translator, source->language, element->language, text);
        auto *carrier = new CLElementCarrier(element);
        if (element->kind == ArticleText) {
            carrier->text = QLatin1Char('(') +
                            translatorDisplayName(translator, element->language) + QLatin1Char(')');
        }
        QNetworkReply *reply =
            postRequest(translator->entry, body, carrier, nextTranslationManager());
        if (!reply) {
            delete carrier;
            markUntranslated(element);
            continue;
        }
        // An aborted request takes its carrier with it.
        carrier->setParent(reply);
        reply->setProperty(KindProperty, int(NDT_ArticleTranslation));
        reply->setProperty(TargetProperty, element->language);
        registerReply(reply);
        if (activeCount(NDT_ArticleTranslation) >= maxPendingTranslations)
            break;
    }
}

void NetworkModule::applyTranslationResult(CLElement *result, CLElement *target)
{
    CLElement *cloneRoot = rootOf(target);
    if (result && target && target->source && target->source->value && cloneRoot &&
        cloneRoot->kind == ArticlePage && !result->children.isEmpty()) {
        const CLData *answer = result->children.constFirst()->value;
        const CLData *sourceValue = target->source->value;
        CLData *value = nullptr;
        if (answer && answer->type == DataText) {
            if (sourceValue->type == DataText)
                value = new CLData(answer->text);
            else if (const CLURLData *url = sourceValue->asURL())
                value = new CLURLData(url->url, answer->text, 0);
        }
        if (value) {
            delete target->value;
            target->value = value;
            reportTranslationProgress(cloneRoot);
        } else {
            // An answer without text would leave the element pending for ever.
            markUntranslated(target);
        }
    } else if (target && cloneRoot && cloneRoot->kind == ArticlePage) {
        markUntranslated(target);
    }
    delete result;
}

void NetworkModule::markUntranslated(CLElement *target)
{
    if (!target || target->value || !target->source || !target->source->value)
        return;
    const CLElement *cloneRoot = rootOf(target);
    if (!cloneRoot || cloneRoot->kind != ArticlePage)
        return;
    ++m_untranslated;
    keepOriginal(target);
}

void NetworkModule::keepOriginal(CLElement *target)
{
    CLElement *cloneRoot = rootOf(target);
    if (!cloneRoot || cloneRoot->kind != ArticlePage || target->value)
        return;
    const CLData *sourceValue = target->source->value;
    if (sourceValue->type == DataText)
        target->value = new CLData(sourceValue->text);
    else if (const CLURLData *url = sourceValue->asURL())
        target->value = new CLURLData(url->url, url->title, 0);
    else
        return;
    reportTranslationProgress(cloneRoot);
}

void NetworkModule::reportTranslationProgress(CLElement *cloneRoot)
{
    int done = 0;
    int pending = 0;
    if (countTranslation(cloneRoot, done, pending)) {
        qDebug() << "got a complete translation page";
        if (m_untranslated > 0)
            emit articleTranslationIncomplete(cloneRoot, m_untranslated);
        emit articleTranslated(cloneRoot);
    } else {
        qDebug().noquote() << QStringLiteral("done/todo=%1,%2").arg(done).arg(pending);
    }
}

void NetworkModule::dispatchIndexItemTranslations(const QString &targetLanguage)
{
    m_headlineTarget = targetLanguage;
    while (!indexItemQueue.isEmpty()) {
        TranslatableHeadline *item = indexItemQueue.takeFirst();
        if (!processor || !item)
            continue;
        const CLI18n *names = item->headlineNames();
        QObject *object = item->headlineObject();
        if (!names || !object)
            continue;
        CLTranslator *translator = processor->findTranslator(names->original, targetLanguage);
        if (!translator || isEngineUnreachable(translator->entry))
            continue;
        const LocalEngine::Admission admission = admitTranslation(translator);
        if (admission == LocalEngine::Admission::Wait) {
            indexItemQueue.prepend(item);
            return;
        }
        if (admission == LocalEngine::Admission::Skip)
            continue;
        const QString text = names->displays.value(names->original);
        const QByteArray body = buildRequestBody(translator, names->original, targetLanguage, text);
        QNetworkReply *reply =
            postRequest(translator->entry, body, object, nextTranslationManager());
        if (!reply)
            continue;
        m_headlines.insert(reply, PendingHeadline{QPointer<QObject>(object), item});
        reply->setProperty(KindProperty, int(NDT_IndexItemTranslation));
        reply->setProperty(TargetProperty, targetLanguage);
        registerReply(reply);
        if (activeCount(NDT_IndexItemTranslation) >= maxPendingTranslations)
            break;
    }
    // Nothing sent and nothing in flight: no answer will end the run.
    if (indexItemQueue.isEmpty() && activeCount(NDT_IndexItemTranslation) == 0)
        emit indexItemTranslationCompleted();
}
