#include "networkmodule.h"
#include "newssite.h"
#include "servicekit.h"
#include "testkit.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using servicekit::current;
using servicekit::rows;
using A = ScriptedAnswer;

namespace {

struct Headline : QObject, TranslatableHeadline
{
    Headline(const QString &language, const QString &text)
    {
        names.original = language;
        names.displays.insert(language, text);
    }
    QObject *headlineObject() override { return this; }
    const CLI18n *headlineNames() const override { return &names; }
    CLI18n names;
};

CLElement *makeArticle(int texts)
{
    QStringList paragraphs;
    for (int i = 1; i <= texts; ++i)
        paragraphs.append(u"paragraph number %1"_s.arg(i));
    return NewsSite::article(u"en"_s, u"http://news.example/article/1"_s, u"headline words"_s,
                             paragraphs, {}, nullptr, false);
}

// What the status receiver below records: "kind:code", `times` times; nothing for code 0.
QString ev(int kind, int code, int times = 1)
{
    return code ? QStringList(times, u"%1:%2"_s.arg(kind).arg(code)).join(u' ') : QString();
}

// Read by the index profile as one "World" headline and by the article profile as a title.
const QByteArray Page =
    "<html><h1>Title</h1><ul class=\"world\"><li><a href=\"/x\">X</a></li></ul>";

// A scripted server answering "/slow" on a thread of its own.
struct ThreadedServer
{
    explicit ThreadedServer(const ScriptedAnswer &answer) : server(new ScriptedHttpServer)
    {
        server->script("/slow", answer);
        server->moveToThread(&thread);
        thread.start();
        QMetaObject::invokeMethod(
            server, [this] { listening = server->start(); }, Qt::BlockingQueuedConnection);
    }
    ~ThreadedServer()
    {
        QMetaObject::invokeMethod(
            server, [this] { delete server; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
    }
    QThread thread;
    ScriptedHttpServer *server;
    bool listening = false;
};
const QString Parameters = u"os=3&v=1.2 beta"_s;

struct Abort
{
    const char *name;
    int trigger;
    const char *counts, *busy;
    int aborted;
};
const Abort abortRows[] = {
    // trigger 0: abortCommuncation; counts: index article image check download
    {"index request ends index page, article and both images", 1, "1 0 0 1 1",
     "index:0 article:0 index:1", 4},
    {"article request keeps the index page", 2, "1 1 0 1 1", "article:0 article:1", 3},
    {"image request aborts nothing", 3, "1 1 3 1 1", "article:1", 0},
    {"abortCommuncation spares version check and download", 0, "0 0 0 1 1", "index:0 article:0", 4},
};

using R = QNetworkReply;
struct Error
{
    const char *name;
    QList<int> errors;
    int event; ///< on an index page, 0: none
};
const Error errorRows[] = {
    // codes without an entry of their own (150, 200, 300, 612) fall into their group's
    {"no error", {R::NoError}, 0},
    {"connection failures",
     {R::ConnectionRefusedError, R::RemoteHostClosedError, R::HostNotFoundError,
      R::SslHandshakeFailedError, R::TemporaryNetworkFailureError, R::NetworkSessionFailedError,
      R::BackgroundRequestNotAllowedError},
     NS_ConnectionFailure},
    {"timeout", {R::TimeoutError}, NS_TransferTimeout},
    {"cancelled", {R::OperationCanceledError}, NS_OperationCanceled},
    {"proxy errors", {R::ProxyNotFoundError, 150}, NS_ProxyError},
    {"content and server errors",
     {R::ContentNotFoundError, 200, R::InternalServerError},
     NS_RemoteContentError},
    {"other errors",
     {R::UnknownNetworkError, R::TooManyRedirectsError, 300, 612},
     NS_OperationFailed},
};

// path: on the server, or an address as is; status 0: the server never answers. A failed reply is
// reported by its error signal and again when it finishes; a timeout once. The installer outlives a
// plain timeout by its grace time.
struct Reply
{
    const char *name;
    int kind;
    const char *path;
    int status;
    int event; ///< reported once, or `times` times; 0: nothing
    QString result;
    int times = 1;
};
const Reply replyRows[] = {
    {"index tree", 1, "/index", 200, NS_IndexPageLoaded, u"World"_s},
    {"article tree", 2, "/article/a", 200, NS_ArticlePageLoaded, u"Title"_s},
    {"page no profile accepts", 2, "/other", 200, NS_PageParsingError, {}},
    {"image bytes pass through", 3, "/image", 200, NS_ImageLoaded, QString::fromUtf8(Page)},
    {"version check answer handed on", 6, "/check", 200, 0, QString::fromUtf8(Page)},
    {"missing index page", 1, "/index", 404, NS_RemoteContentError, {}, 2},
    {"failed version check answers null", 6, "/check", 500, NS_RemoteContentError, u"null"_s},
    {"index page timeout", 1, "/index", 0, NS_TransferTimeout, {}},
    {"version check timeout answers null", 6, "/check", 0, NS_TransferTimeout, u"null"_s},
    {"installer gets grace time, then reports failure", 7, "/file", 0, NS_TransferTimeout,
     u"7:failed"_s},
    // Addresses that are no web addresses are refused before anything is sent.
    {"local file as image", 3, "file:///etc/hostname", 200, NS_OperationFailed, {}},
    {"local file as article", 2, "file:///etc/hostname", 200, NS_OperationFailed, {}},
    {"local file as index page", 1, "file:///etc/hostname", 200, NS_OperationFailed, {}},
    {"local file as download", 8, "file:///etc/hostname", 200, NS_OperationFailed, u"8:failed"_s},
    {"local file as version check", 6, "file:///etc/hostname", 200, NS_OperationFailed, u"null"_s},
    {"resource as image", 3, "qrc:/LOGO", 200, NS_OperationFailed, {}},
    {"data URL as image", 3, "data:image/png;base64,iVBORw0KGgo=", 200, NS_OperationFailed, {}},
    {"ftp as download", 8, "ftp://127.0.0.1/site.xml", 200, NS_OperationFailed, u"8:failed"_s},
};

// Texts between the title and the last element; "bad" fails in the engine; kept: parts left
// original.
struct Translation
{
    const char *name;
    int texts, kind;
    const char *language;
    QString text, expected;
    int kept;
};
const Translation translationRows[] = {
    {"35 elements: 30 requests at once, then one per answer", 33, ArticleText, "en",
     u"last words"_s, u"LAST WORDS\n(Schleifenuebersetzer)"_s, 0},
    {"failed element of 31 keeps its text, the clone completes", 29, ArticleText, "en", u"bad"_s,
     u"bad"_s, 1},
    {"element no engine reads keeps its text, the clone completes", 2, ArticleText, "ja",
     u"midashi"_s, u"midashi"_s, 1},
    {"image caption carries no suffix", 0, ArticleImage, "en", u"harbour"_s, u"HARBOUR"_s, 0},
    {"image without caption", 0, ArticleImage, "en", {}, {}, 0}, // blank texts get no answer: kept
    {"blank paragraph", 0, ArticleText, "en", u" \n "_s, u" \n "_s, 0},
};

// "en" headlines are sent, "bad" ones fail, "ja" ones have no engine.
struct Completion
{
    const char *name;
    const char *headlines;
    int requests, results;
};
const Completion completionRows[] = {
    {"nothing queued", "", 0, 0},
    // No request goes out, so no answer could end the run.
    {"no engine for any headline", "ja:x ja:x", 0, 0},
    {"every reply fails, more queued than in flight",
     "en:bad en:bad en:bad en:bad en:bad en:bad en:bad", 7, 0},
    {"failures and successes mixed", "en:bad en:ok en:bad en:bad ja:x en:ok en:bad en:ok", 7, 3},
    {"last headlines without engine after answers", "en:ok en:ok en:ok en:ok ja:x ja:x", 4, 4},
};

struct Exact
{
    const char *name;
    QString path;
    QByteArray wire;
}; // as the caller writes it, as sent
const Exact exactRows[] = {
    {"space", u"/news/my photo.jpg"_s, "/news/my%20photo.jpg"},
    {"percent-encoded UTF-8", u"/news/caf%C3%A9.jpg"_s, "/news/caf%C3%A9.jpg"},
    {"raw non-ASCII", u"/news/café-新闻.jpg"_s, "/news/caf%C3%A9-%E6%96%B0%E9%97%BB.jpg"},
    {"encoded slash", u"/news/a%2fb.jpg"_s, "/news/a%2Fb.jpg"},
    {"encoded tilde", u"/news/%7Eme.jpg"_s, "/news/~me.jpg"},
};

// Bytes: the size a download expects ("0": any). The transport's own decompression limit
// stops the gzip bombs before the cap does.
const QByteArray Body(1234, 'x');
const qint64 MB = 1 << 20;
struct Fault
{
    const char *name;
    int kind;
    A answer;
    const char *bytes;
    int event, times = 1;
};
const Fault faultRows[] = {
    {"body cut mid-way keeps the old file", 8, A(A::CutBody, 200, Body), "1234",
     NS_ConnectionFailure},
    {"body shorter than Content-Length, any size expected", 8, A(A::CutBody, 200, Body), "0",
     NS_ConnectionFailure},
    {"article body cut short", 2, A(A::CutBody, 200, Page), "0", NS_ConnectionFailure, 2},
    {"connection reset mid-body", 8, A(A::Reset, 200, Body), "1234", NS_ConnectionFailure},
    {"no Content-Length with early close", 8, A(A::NoLength, 200, Body), "1234", NS_ReadFailed},
    {"garbage status line", 8, A(A::Garbage, 200, Body), "1234", NS_ConnectionFailure},
    {"redirect loop", 8, A(A::Redirect, 302, "/fault"), "0", NS_OperationFailed},
    {"redirect to a local file", 8, A(A::Redirect, 302, "file:///etc/hostname"), "0",
     NS_OperationFailed},
    {"slow drip past the timeout", 8, A(A::Drip, 200, Body, 20), "1234", NS_TransferTimeout},
    {"100 MB body announced", 8, A::generated(A::Huge, 100 * MB), "0", NS_ReadFailed},
    {"100 MB body without length", 8, A::generated(A::Huge, 100 * MB, false), "0", NS_ReadFailed},
    {"body longer than the expected size", 8, A::generated(A::Huge, 5000), "1234", NS_ReadFailed},
    {"100 MB article page", 2, A::generated(A::Huge, 100 * MB, false), "0", NS_ReadFailed},
    {"20 MB image", 3, A::generated(A::Huge, 20 * MB), "0", NS_ReadFailed},
    {"2 MB version check answer", 6, A::generated(A::Huge, 2 * MB, false), "0", NS_ReadFailed},
    {"gzip bomb download", 8, A::generated(A::GzipBomb, 256 * MB), "0", NS_RemoteContentError},
    {"gzip bomb article page", 2, A::generated(A::GzipBomb, 256 * MB), "0", NS_RemoteContentError,
     2},
};

// busyMs: the thread blocked right after the request.
struct Silence
{
    const char *name;
    A answer;
    int busyMs, event;
};
const Silence silenceRows[] = {
    {"drip longer than the timeout, never silent for it", A(A::Drip, 200, QByteArray(40, 'x'), 25),
     0, NS_ImageLoaded},
    {"image sent while the thread was busy past the timeout",
     A(A::Answer, 200, QByteArray(40, 'x')), 900, NS_ImageLoaded},
    {"silent server", A(A::Stall), 0, NS_TransferTimeout},
    {"silent server, busy thread", A(A::Stall), 900, NS_TransferTimeout},
};

// The body has 1234 bytes.
struct Download
{
    const char *name;
    const char *file, *bytes;
    int status;
    bool saved;
};
const Download downloadRows[] = {
    {"any size when none is expected", "site.xml", "0", 200, true},
    {"expected size matches", "site.xml", "1234", 200, true},
    {"one byte short is rejected", "site.xml", "1235", 200, false},
    {"ra suffix dropped", "site.xml.ra", "0", 200, true},
    {"http error keeps the old file", "site.xml", "0", 404, false},
    {"parent directory escape", "../escape.xml", "0", 200, false},
    {"backslash separator", "..\\escape.xml", "0", 200, false},
    {"nothing left but the ra suffix", ".ra", "0", 200, false},
};

} // namespace

class TestNetworkModule : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        site = std::make_unique<NewsSite>();
        module = std::make_unique<NetworkModule>();
        server = &site->server;
        QVERIFY(dir->isValid() && site->start(dir->path()) &&
                QDir().mkpath(dir->filePath(u"dl"_s)));
        module->processor = &site->processor;
        module->replyTimeout = 10000;
        reported.clear(), busy.clear(), got.clear(), translated.clear(), untranslated.clear();
        NetworkModule *m = module.get();
        connect(m, &NetworkModule::notifyNetworkStatus, this, [this](auto kind, int code) {
            if (code != NS_Connecting && code != NS_BytesReceived)
                reported.append(ev(kind, code));
        });
        // Each busy receiver takes the module's lock again: a signal sent under it would deadlock.
        const auto onBusy = [this](const QString &what) {
            return [this, what](bool on) {
                module->activeCount(NDT_None);
                busy.append(what + u':' + QString::number(on));
            };
        };
        connect(m, &NetworkModule::activeOperationForIndex, this, onBusy(u"index"_s));
        connect(m, &NetworkModule::activeOperationForArticle, this, onBusy(u"article"_s));
        const auto tree = [this](CLElement *root) {
            got.append(root->children.value(0)->text());
            treeUrl = root->text();
            delete root;
        };
        connect(m, &NetworkModule::indexPageLoaded, this, tree);
        connect(m, &NetworkModule::articlePageLoaded, this, tree);
        const auto bytes = [this](QByteArray *data) {
            got.append(data ? QString::fromUtf8(*data) : u"null"_s);
            delete data;
        };
        connect(m, &NetworkModule::imageDataLoaded, this, [this, bytes](auto url, auto data) {
            imageUrl = url;
            bytes(data);
        });
        connect(m, &NetworkModule::versionCheckRespond, this, bytes);
        connect(m, &NetworkModule::notifyDownloadResult, this,
                [this](auto url, auto kind, bool ok) {
                    got.append(u"%1:%2"_s.arg(int(kind)).arg(ok ? u"saved"_s : u"failed"_s));
                    downloadUrl = url;
                });
        connect(m, &NetworkModule::articleTranslated, this,
                [this](auto root) { translated.append(root); });
        connect(m, &NetworkModule::articleTranslationIncomplete, this,
                [this](auto root, int parts) {
                    untranslated.append({root, parts});
                });
        for (const char *path : {"/index", "/article/a", "/image", "/check"})
            server->script(path, {A::Answer, 200, Page});
        server->script("/stall", {A::Stall});
    }

    void cleanup() { module.reset(); }

    void aborts_data() { rows(abortRows); }
    void aborts()
    {
        const Abort &r = current(abortRows);
        for (const int kind : {1, 2, 3, 3, 6, 8})
            request(kind, server->url(u"/stall"_s));
        QTRY_COMPARE(server->requests.size(), 6);
        busy.clear();
        if (r.trigger)
            request(r.trigger, server->url(u"/stall"_s));
        else
            module->abortCommuncation();
        QStringList counts;
        for (const int kind : {1, 2, 3, 6, 8})
            counts.append(QString::number(module->activeCount(kind)));
        QCOMPARE(counts.join(u' '), QString::fromLatin1(r.counts));
        QCOMPARE(busy.join(u' '), QString::fromLatin1(r.busy));
        // Withdrawn replies close their connections and report nothing, not even cancellation.
        QTRY_COMPARE(server->abandoned, r.aborted);
        QCOMPARE(reported, QStringList());
    }

    void errorStatus_data() { rows(errorRows); }
    void errorStatus()
    {
        const Error &r = current(errorRows);
        for (const int error : r.errors) {
            reported.clear();
            module->handleReplyError(QNetworkReply::NetworkError(error), NDT_IndexPage);
            QVERIFY2(reported.join(u' ') == ev(1, r.event),
                     qPrintable(u"%1: %2"_s.arg(error).arg(reported.join(u' '))));
        }
    }

    void replies_data() { rows(replyRows); }
    void replies()
    {
        const Reply &r = current(replyRows);
        const bool refused = *r.path != '/';
        const QString url =
            refused ? QString::fromLatin1(r.path) : server->url(QString::fromLatin1(r.path));
        server->script(r.path, r.status ? A(A::Answer, r.status, Page) : A(A::Stall));
        module->replyTimeout = r.status ? 10000 : 150;
        module->installerGraceTimeout = 3000;
        request(r.kind, url);
        if (r.kind == NDT_SoftwareDownload) {
            // A version check sent with it times out first; the installer still waits.
            request(NDT_VersionCheck, server->url(QString::fromLatin1(r.path)));
            QTRY_COMPARE(got, QStringList(u"null"_s));
            QCOMPARE(module->activeCount(r.kind), 1);
            reported.clear(), got.clear();
        }
        QTRY_COMPARE_WITH_TIMEOUT(module->activeCount(r.kind), 0, 30000);
        QTRY_COMPARE(reported.join(u' '),
                     ev(r.kind, r.event, r.times)); // refused downloads and checks report it later
        QTRY_COMPARE(got.join(u' '), r.result);
        const QString on = r.kind == NDT_IndexPage ? u"index:"_s : u"article:"_s;
        QCOMPARE(busy.join(u' '),
                 r.kind <= NDT_Image && !refused ? on + u"1 "_s + on + u'0' : QString());
        QVERIFY(!QFile::exists(dir->filePath(u"dl/f.xml"_s)));
        if (r.kind == NDT_VersionCheck && !refused) {
            // The parameters are already in their final form: no second encoding.
            const ScriptedRequest sent = server->requests.value(0);
            QCOMPARE(sent.method + ' ' + sent.body + ' ' + sent.headers.value("content-type"),
                     "POST " + Parameters.toUtf8() + " application/x-www-form-urlencoded");
        }
        // Only an article that was read is marked read.
        QCOMPARE(site->processor.history.contains(historyHash(url)), r.result == u"Title"_s);
        if (r.status == 200 && r.kind <= NDT_ArticlePage && !refused) {
            // Pages past the size limit are processed on the thread pool, to the same end.
            site->processor.history.clear();
            reported.clear();
            got.clear();
            module->offThreadBytes = 1;
            request(r.kind, url);
            QTRY_COMPARE(module->activeCount(r.kind), 0);
            QCOMPARE(reported.join(u' '), ev(r.kind, r.event, r.times));
            QCOMPARE(got.join(u' '), r.result);
            QCOMPARE(site->processor.history.contains(historyHash(url)), r.result == u"Title"_s);
        }
        QTRY_COMPARE(server->abandoned, r.status ? 0 : r.kind == NDT_SoftwareDownload ? 2 : 1);
    }

    void articleTranslation_data() { rows(translationRows); }
    void articleTranslation()
    {
        const Translation &r = current(translationRows);
        const QString language = QString::fromLatin1(r.language);
        server->script("/translate", {A::Translate, 200, {}, 20, u"bad"_s});
        std::unique_ptr<CLElement> article(makeArticle(r.texts));
        const QString url = u"http://img.example/a.png"_s;
        new CLElement(r.kind, language, nullptr,
                      r.kind == ArticleText ? new CLData(r.text)
                                            : new CLURLData(url, r.text, URLImage),
                      article.get());
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
        QList<int> inFlight; // when each request is issued
        connect(module.get(), &NetworkModule::notifyNetworkStatus, this, [&](auto, int code) {
            if (code == NS_Connecting)
                inFlight.append(module->activeCount(NDT_ArticleTranslation));
        });
        module->requestArticleTranslation(clone.get());
        const int sent = r.texts + 2 - int(r.text.trimmed().isEmpty()) - int(language != u"en"_s);
        QCOMPARE(inFlight.size(), qMin(30, sent));
        QTRY_COMPARE_WITH_TIMEOUT(translated, QList<CLElement *>{clone.get()}, 30000);
        QCOMPARE(module->activeCount(NDT_ArticleTranslation), 0);
        QVERIFY(*std::max_element(inFlight.cbegin(), inFlight.cend()) <= 30);
        QCOMPARE(server->requests.size(), sent);
        int done = 0, pending = 0;
        QVERIFY(countTranslation(clone.get(), done, pending));
        // The window learns, before the clone arrives, that parts kept their original.
        using Incomplete = QList<QPair<CLElement *, int>>;
        QCOMPARE(untranslated, r.kept ? Incomplete({{clone.get(), r.kept}}) : Incomplete());
        QCOMPARE(module->untranslatedParts(), r.kept);
        QCOMPARE(reported.join(u' '),
                 r.text == u"bad"_s ? ev(5, NS_RemoteContentError, 2) : QString());
        QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
        QCOMPARE(clone->children.constLast()->text(), r.expected);
        // An image must not lose its picture to translation.
        QVERIFY(r.kind == ArticleText || clone->children.constLast()->value->asURL()->url == url);
    }

    // An engine that answers without end: the element keeps its text, the clone completes.
    void translationAnswerCapped()
    {
        server->script("/translate", A::generated(A::Huge, 2 << 20));
        std::unique_ptr<CLElement> article(makeArticle(0));
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
        module->requestArticleTranslation(clone.get());
        QTRY_COMPARE(translated, QList<CLElement *>{clone.get()});
        QCOMPARE(reported, QStringList(ev(5, NS_ReadFailed)));
        QCOMPARE(clone->children.at(0)->text(), u"headline words"_s);
        QCOMPARE(module->untranslatedParts(), 1);
    }

    void newTranslationRunDropsOldAnswers()
    {
        // Answers come late, so the old run's are still on their way when the new run starts.
        server->script("/translate", {A::Translate, 200, {}, 1000});
        std::unique_ptr<CLElement> article(makeArticle(3));
        auto *oldClone = new CLElement(article.get(), u"de"_s, nullptr);
        module->requestArticleTranslation(oldClone);
        QTRY_COMPARE(server->requests.size(), 4);
        // The window destroys the old clone before it asks for a new translation.
        delete oldClone;
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
        module->requestArticleTranslation(clone.get());
        QTRY_COMPARE_WITH_TIMEOUT(translated, QList<CLElement *>{clone.get()}, 30000);
        QCOMPARE(server->abandoned, 4);
    }

    void headlineTranslation()
    {
        server->script("/translate", {A::Translate, 200, {}, 10});
        std::vector<std::unique_ptr<Headline>> headlines;
        for (int i = 0; i < 35; ++i) {
            headlines.push_back(std::make_unique<Headline>(u"en"_s, u"headline %1"_s.arg(i)));
            module->indexItemQueue.append(headlines.back().get());
        }
        // A headline in a language no engine reads is skipped without a request.
        Headline unreadable(u"ja"_s, u"midashi"_s);
        module->indexItemQueue.insert(3, &unreadable);
        QHash<TranslatableHeadline *, QString> results;
        connect(module.get(), &NetworkModule::indexItemTranslated, this,
                [&](CLElement *result, TranslatableHeadline *item) {
                    const std::unique_ptr<CLElement> tree(result);
                    const CLElement *title = tree->children.at(0);
                    results.insert(item, title->language + u' ' + title->text());
                    busy.append(u"item"_s);
                });
        connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this,
                [&] { busy.append(u"completed"_s); });
        module->dispatchIndexItemTranslations(u"de"_s);
        QCOMPARE(module->activeCount(NDT_IndexItemTranslation), 30);
        QCOMPARE(module->indexItemQueue.size(), 5);
        // The index view may replace an entry while its answer is on the way.
        TranslatableHeadline *gone = headlines.at(1).get();
        headlines.at(1).reset();
        QTRY_COMPARE_WITH_TIMEOUT(busy.count(u"completed"_s), 1, 30000);
        QCOMPARE(module->activeCount(NDT_IndexItemTranslation), 0);
        QCOMPARE(busy.mid(busy.size() - 3), QStringList({u"item"_s, u"completed"_s, u"index:0"_s}));
        QCOMPARE(results.size(), 34);
        QVERIFY(!results.contains(gone));
        for (const int i : {0, 34})
            QCOMPARE(results.value(headlines.at(i).get()), u"de HEADLINE %1"_s.arg(i));
        QCOMPARE(server->requests.size(), 35);
    }

    void headlineCompletion_data() { rows(completionRows); }
    void headlineCompletion()
    {
        const Completion &r = current(completionRows);
        server->script("/translate", {A::Translate, 200, {}, 10, u"bad"_s});
        module->maxPendingTranslations = 3;
        std::vector<std::unique_ptr<Headline>> items;
        for (const QString &headline :
             QString::fromLatin1(r.headlines).split(u' ', Qt::SkipEmptyParts)) {
            items.push_back(std::make_unique<Headline>(headline.section(u':', 0, 0),
                                                       headline.section(u':', 1)));
            module->indexItemQueue.append(items.back().get());
        }
        int results = 0;
        QStringList completions; // what was left when completion came
        connect(module.get(), &NetworkModule::indexItemTranslated, this,
                [&](CLElement *result, TranslatableHeadline *) { delete result, ++results; });
        connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this, [&] {
            completions.append(u"%1 queued %2 in flight"_s.arg(module->indexItemQueue.size())
                                   .arg(module->activeCount(NDT_IndexItemTranslation)));
        });
        module->dispatchIndexItemTranslations(u"de"_s);
        QTRY_VERIFY_WITH_TIMEOUT(!completions.isEmpty(), 30000);
        QTest::qWait(50); // asserts that no second completion follows
        QCOMPARE(completions, QStringList(u"0 queued 0 in flight"_s));
        QCOMPARE(int(server->requests.size()), r.requests);
        QCOMPARE(results, r.results);
    }

    void exactUrls_data() { rows(exactRows); }
    void exactUrls()
    {
        const Exact &r = current(exactRows);
        const QString url = server->url(r.path);
        const QString article = server->url(u"/article"_s + r.path);
        QStringList connecting;
        connect(module.get(), &NetworkModule::notifyNetworkStatus, this,
                [&](auto, int code, const QString &arg) {
                    if (code == NS_Connecting)
                        connecting.append(arg);
                });
        server->script(r.wire, {A::Answer, 200, Page});
        module->requestImage(url);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(imageUrl, url);
        // The article's URL, of which the history keeps a hash, is the caller's too.
        server->script("/article" + r.wire, {A::Answer, 200, Page});
        module->requestArticlePage(article);
        QTRY_COMPARE(got.size(), 2);
        QCOMPARE(treeUrl, article);
        module->downloadFile(url, dir->filePath(u"dl/pic.jpg"_s), u"0"_s, {}, NDT_FileDownload);
        QTRY_COMPARE(got.size(), 3);
        QCOMPARE(downloadUrl, url);
        QCOMPARE(connecting, QStringList({url, article, url}));
        QCOMPARE(server->requests.value(0).path, r.wire);
    }

    void faults_data() { rows(faultRows); }
    void faults()
    {
        const Fault &r = current(faultRows);
        const QByteArray oldContent = "<site old=\"yes\"/>";
        const QString target = dir->filePath(u"dl/site.xml"_s);
        QVERIFY(testkit::writeAll(target, oldContent));
        server->script("/fault", r.answer);
        module->replyTimeout = r.answer.mode == A::Drip ? 300 : 20000;
        const QString url = server->url(u"/fault"_s);
        if (r.kind == NDT_FileDownload)
            module->downloadFile(url, target, QString::fromLatin1(r.bytes), {}, NDT_FileDownload);
        else
            request(r.kind, url);
        // Reported as the failure it is, and no half file replaces the old one.
        QTRY_COMPARE_WITH_TIMEOUT(module->activeCount(r.kind), 0, 60000);
        const QString result = r.kind == NDT_FileDownload   ? u"8:failed"_s
                               : r.kind == NDT_VersionCheck ? u"null"_s
                                                            : QString();
        QTRY_COMPARE(got.join(u' '), result);
        QTRY_COMPARE(reported.join(u' '), ev(r.kind, r.event, r.times));
        QCOMPARE(testkit::readAll(target), oldContent);
        QCOMPARE(QDir(dir->filePath(u"dl"_s)).entryList(QDir::Files), QStringList(u"site.xml"_s));
    }

    void downloads_data() { rows(downloadRows); }
    void downloads()
    {
        const Download &r = current(downloadRows);
        const QString profiles = dir->filePath(u"dl/profiles"_s);
        const QByteArray oldContent = "<site old=\"yes\"/>";
        QVERIFY(QDir().mkpath(profiles) &&
                testkit::writeAll(profiles + u"/site.xml"_s, oldContent));
        server->script("/my%20file", {A::Answer, r.status, Body});
        module->downloadFile(server->url(u"/my file"_s),
                             profiles + u'/' + QString::fromLatin1(r.file),
                             QString::fromLatin1(r.bytes), u"1a2b"_s, NDT_FileDownload);
        QTRY_COMPARE(got, QStringList(r.saved ? u"8:saved"_s : u"8:failed"_s));
        QCOMPARE(downloadUrl, server->url(u"/my file"_s)); // reported exactly as requested
        QStringList files; // nothing written beside the one file, which keeps its old content
        const QDir root(dir->filePath(u"dl"_s));
        for (QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            const QString path = it.next();
            files.append(root.relativeFilePath(path) + u'=' + testkit::readAll(path));
        }
        QCOMPARE(files, QStringList(u"profiles/site.xml="_s + (r.saved ? Body : oldContent)));
    }

    void silenceTimesOut_data() { rows(silenceRows); }
    // The timeout counts silence on the wire, not time this thread spent elsewhere:
    // the server runs on a thread of its own and keeps sending meanwhile.
    void silenceTimesOut()
    {
        const Silence &r = current(silenceRows);
        ThreadedServer remote(r.answer);
        QVERIFY(remote.listening);
        module->replyTimeout = 300;
        request(NDT_Image, remote.server->url(u"/slow"_s));
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < r.busyMs) {
        }
        QTRY_COMPARE_WITH_TIMEOUT(module->activeCount(NDT_Image), 0, 20000);
        QCOMPARE(reported.join(u' '), ev(NDT_Image, r.event));
        if (r.answer.mode != A::Stall)
            QCOMPARE(got.join(u' '), QString::fromLatin1(r.answer.body));
    }

private:
    void request(int kind, const QString &url)
    {
        if (kind == NDT_IndexPage)
            module->requestIndexPage(url);
        else if (kind == NDT_ArticlePage)
            module->requestArticlePage(url);
        else if (kind == NDT_Image)
            module->requestImage(url);
        else if (kind == NDT_VersionCheck)
            module->requestVersionCheck(url, Parameters);
        else
            module->downloadFile(url, dir->filePath(u"dl/f.xml"_s), u"0"_s, {},
                                 CONetworkDataType(kind));
    }

    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<NewsSite> site;
    std::unique_ptr<NetworkModule> module;
    ScriptedHttpServer *server = nullptr;
    QStringList reported, busy, got;        ///< status events, busy signals, results as received
    QString downloadUrl, imageUrl, treeUrl; ///< as reported with downloads, image bytes and trees
    QList<CLElement *> translated;
    QList<QPair<CLElement *, int>> untranslated; ///< articleTranslationIncomplete
};

QTEST_GUILESS_MAIN(TestNetworkModule)
#include "tst_networkmodule.moc"
