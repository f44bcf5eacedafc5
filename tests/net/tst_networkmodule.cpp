#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "networkmodule.h"
#include "scriptedhttpserver.h"

#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(ScriptedAnswer)

namespace {

// A site of pages "kind.name" that take the text between `open` and `close` from URLs
// containing "/name".
QString site(const QString &id, const QStringList &types, const QString &topicType,
             const QString &open, const QString &close)
{
    QString pages;
    for (const QString &type : types)
        pages += uR"(<page name="%1" id="%1" type="%2"><filter_url_inc pattern="*127.0.0.1*/%1*"/>
          <track name="main"><topic name="t" id="(t)%1" type="%3"><step_pair_point>
          <point_a>%4</point_a><point_b from="previous">%5</point_b></step_pair_point>
          <step_text_extract/></topic></track></page>)"_s.arg(type.section(u'.', 1), type,
                                                              topicType, open, close);
    return uR"(<site name="%1" id="%1" locale="en" codeset="UTF-8" version="1"
      entry="http://127.0.0.1/">%2</site>)"_s.arg(id, pages);
}

// A news site for pages and a translator whose answers that site's "/entry" page reads.
bool setUp(CLProcessor &processor, const QString &entry)
{
    QDomDocument document;
    document.setContent(uR"(<sites><site id="(s)GIloop" version="1" file="a.xml"/>
      <site id="(s)TRloop" version="1" file="b.xml"/></sites>)"_s);
    bool ok = processor.parseCatalogue(document);
    for (const QString &xml : {site(u"(s)GIloop"_s, {u"news.index"_s, u"news.article"_s},
                                    u"article-title"_s, u"&lt;h1&gt;"_s, u"&lt;/h1&gt;"_s),
                               site(u"(s)TRloop"_s, {u"translator.entry"_s}, u"translate-text"_s,
                                    u"&lt;div class=\"out\"&gt;"_s, u"&lt;/div&gt;"_s)}) {
        CLProfileError error;
        ok &= document.setContent(xml) && processor.registerSite(readProfile(document, &error));
    }
    document.setContent(uR"(<translators version="1">
      <translator id="loop" name="Plain Loop" entry="%1" method="post" version="1">
        <query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>
        <languages><language id="en" name="eng"/><language id="de" name="deu"/></languages>
        <paths combination="listed"><path from="en" to="de"/></paths>
        <i18n original="en"><display locale="en">Loop Engine</display>
          <display locale="de">Schleifenuebersetzer</display></i18n>
      </translator></translators>)"_s.arg(entry));
    ok = processor.parseTranslators(document) && ok;
    processor.rebuildPairIndex();
    return ok;
}

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

// A title followed by texts, as extraction would build it.
CLElement *makeArticle(int texts)
{
    auto *root = new CLElement(ArticlePage, u"en"_s, nullptr,
                               new CLData(u"http://news.example/article/1"_s), nullptr);
    new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(u"headline words"_s), root);
    for (int i = 1; i <= texts; ++i)
        new CLElement(ArticleText, u"en"_s, nullptr, new CLData(u"paragraph number %1"_s.arg(i)),
                      root);
    return root;
}

// "kind:code", as the status receiver below records events.
QString ev(int kind, NetworkStatus code)
{
    return u"%1:%2"_s.arg(kind).arg(int(code));
}

const QByteArray Page = "<html><h1>Title</h1></html>";

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

} // namespace

class TestNetworkModule : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        server = std::make_unique<ScriptedHttpServer>();
        processor = std::make_unique<CLProcessor>();
        dir = std::make_unique<QTemporaryDir>();
        module = std::make_unique<NetworkModule>();
        QVERIFY(server->start() && dir->isValid() && setUp(*processor, server->url(u"/entry"_s)));
        module->processor = processor.get();
        module->replyTimeout = 10000;
        reported.clear(), busy.clear(), got.clear(), translated.clear(), untranslated.clear();
        imageUrl.clear(), treeUrl.clear(), downloadUrl.clear();
        NetworkModule *m = module.get();
        connect(m, &NetworkModule::notifyNetworkStatus, this, [this](auto kind, int code) {
            if (code != NS_Connecting && code != NS_BytesReceived)
                reported.append(ev(kind, NetworkStatus(code)));
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
        for (const char *path : {"/index", "/article", "/image", "/check"})
            server->script(path, {ScriptedAnswer::Answer, 200, Page});
        server->script("/entry", {ScriptedAnswer::Translate});
        server->script("/stall", {ScriptedAnswer::Stall});
    }

    void cleanup() { module.reset(); }

    void aborts_data()
    {
        QTest::addColumn<int>("trigger");    // 0: abortCommuncation
        QTest::addColumn<QString>("counts"); // index, article, image, version check, download
        QTest::addColumn<QString>("busy");
        QTest::addColumn<int>("aborted"); // connections closed unanswered
        QTest::newRow("index request ends index page, article and both images")
            << 1 << u"1 0 0 1 1"_s << u"index:0 article:0 index:1"_s << 4;
        QTest::newRow("article request keeps the index page")
            << 2 << u"1 1 0 1 1"_s << u"article:0 article:1"_s << 3;
        QTest::newRow("image request aborts nothing") << 3 << u"1 1 3 1 1"_s << u"article:1"_s << 0;
        QTest::newRow("abortCommuncation spares version check and download")
            << 0 << u"0 0 0 1 1"_s << u"index:0 article:0"_s << 4;
    }

    void aborts()
    {
        QFETCH(int, trigger);
        QFETCH(int, aborted);
        for (const int kind : {1, 2, 3, 3, 6, 8})
            request(kind, server->url(u"/stall"_s));
        QTRY_COMPARE(server->requests.size(), 6);
        busy.clear();
        if (trigger)
            request(trigger, server->url(u"/stall"_s));
        else
            module->abortCommuncation();
        QStringList counts;
        for (const int kind : {1, 2, 3, 6, 8})
            counts.append(QString::number(module->activeCount(kind)));
        QTEST(counts.join(u' '), "counts");
        QTEST(busy.join(u' '), "busy");
        // Withdrawn replies close their connections and report nothing, not even cancellation.
        QTRY_COMPARE(server->abandoned, aborted);
        QCOMPARE(reported, QStringList());
    }

    void errorStatus_data()
    {
        QTest::addColumn<QList<int>>("errors");
        QTest::addColumn<QString>("event"); // of each error; empty: none
        using R = QNetworkReply;
        const QList<int> connection{R::ConnectionRefusedError,
                                    R::RemoteHostClosedError,
                                    R::HostNotFoundError,
                                    R::SslHandshakeFailedError,
                                    R::TemporaryNetworkFailureError,
                                    R::NetworkSessionFailedError,
                                    R::BackgroundRequestNotAllowedError};
        QTest::newRow("no error") << QList<int>{R::NoError} << QString();
        QTest::newRow("connection failures") << connection << ev(1, NS_ConnectionFailure);
        QTest::newRow("timeout") << QList<int>{R::TimeoutError} << ev(1, NS_TransferTimeout);
        QTest::newRow("cancelled")
            << QList<int>{R::OperationCanceledError} << ev(1, NS_OperationCanceled);
        // Codes without an entry of their own (150, 200, 300, 612) fall into their group's.
        QTest::newRow("proxy errors")
            << QList<int>{R::ProxyNotFoundError, 150} << ev(1, NS_ProxyError);
        QTest::newRow("content and server errors")
            << QList<int>{R::ContentNotFoundError, 200, R::InternalServerError}
            << ev(1, NS_RemoteContentError);
        QTest::newRow("other errors")
            << QList<int>{R::UnknownNetworkError, R::TooManyRedirectsError, 300, 612}
            << ev(1, NS_OperationFailed);
    }

    void errorStatus()
    {
        QFETCH(QList<int>, errors);
        QFETCH(QString, event);
        for (const int error : std::as_const(errors)) {
            reported.clear();
            module->handleReplyError(QNetworkReply::NetworkError(error), NDT_IndexPage);
            QVERIFY2(reported.join(u' ') == event,
                     qPrintable(u"%1: %2"_s.arg(error).arg(reported.join(u' '))));
        }
    }

    void replies_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("status"); // 0: the server never answers
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("result"); // what the kind's receiver got

        const QString page = QString::fromUtf8(Page);
        QTest::newRow("index tree")
            << 1 << u"/index"_s << 200 << ev(1, NS_IndexPageLoaded) << u"Title"_s;
        QTest::newRow("article tree")
            << 2 << u"/article"_s << 200 << ev(2, NS_ArticlePageLoaded) << u"Title"_s;
        QTest::newRow("page no profile accepts")
            << 2 << u"/other"_s << 200 << ev(2, NS_PageParsingError) << "";
        QTest::newRow("image bytes pass through")
            << 3 << u"/image"_s << 200 << ev(3, NS_ImageLoaded) << page;
        QTest::newRow("version check answer handed on") << 6 << u"/check"_s << 200 << "" << page;
        // A failed reply is reported by its error signal and again when it finishes.
        const QString missing = ev(1, NS_RemoteContentError);
        QTest::newRow("missing index page")
            << 1 << u"/index"_s << 404 << missing + u' ' + missing << "";
        QTest::newRow("failed version check answers null")
            << 6 << u"/check"_s << 500 << ev(6, NS_RemoteContentError) << u"null"_s;
        // A timeout is reported once and closes the connection.
        QTest::newRow("index page timeout")
            << 1 << u"/index"_s << 0 << ev(1, NS_TransferTimeout) << "";
        QTest::newRow("version check timeout answers null")
            << 6 << u"/check"_s << 0 << ev(6, NS_TransferTimeout) << u"null"_s;
        QTest::newRow("installer gets grace time, then reports failure")
            << 7 << u"/file"_s << 0 << ev(7, NS_TransferTimeout) << u"7:failed"_s;
    }

    void replies()
    {
        QFETCH(int, kind);
        QFETCH(QString, path);
        QFETCH(int, status);
        server->script(path.toUtf8(), status ? ScriptedAnswer(ScriptedAnswer::Answer, status, Page)
                                             : ScriptedAnswer(ScriptedAnswer::Stall));
        module->replyTimeout = status ? 10000 : 150;
        module->installerGraceTimeout = 500;
        QElapsedTimer clock;
        clock.start();
        request(kind, server->url(path));
        QTRY_COMPARE(module->activeCount(kind), 0);
        QVERIFY(clock.elapsed() >= (kind == NDT_SoftwareDownload ? 600 : 0));
        QTEST(reported.join(u' '), "events");
        QTEST(got.join(u' '), "result");
        const QString on = kind == NDT_IndexPage ? u"index:"_s : u"article:"_s;
        QCOMPARE(busy.join(u' '), kind <= NDT_Image ? on + u"1 "_s + on + u'0' : QString());
        if (kind == NDT_VersionCheck) {
            // The parameters are already in their final form: no second encoding.
            const ScriptedRequest sent = server->requests.value(0);
            QCOMPARE(sent.method + ' ' + sent.body + ' ' + sent.headers.value("content-type"),
                     "POST " + Parameters.toUtf8() + " application/x-www-form-urlencoded");
        }
        QTRY_COMPARE(server->abandoned, int(status == 0));
    }

    void articleTranslation_data()
    {
        QTest::addColumn<int>("texts");        // between the title and the last element
        QTest::addColumn<int>("kind");         // of the last element
        QTest::addColumn<QString>("language"); // of the last element's source
        QTest::addColumn<QString>("text"); // its paragraph or caption; "bad" fails in the engine
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("kept"); // parts that kept their original text
        const int image = ArticleImage, text = ArticleText;
        const QString en = u"en"_s;
        QTest::newRow("35 elements: 30 requests at once, then one per answer")
            << 33 << text << en << u"last words"_s << u"LAST WORDS\n(Schleifenuebersetzer)"_s << 0;
        // A failure must not leave the translation pending for ever.
        QTest::newRow("failed element of 31 keeps its text, the clone completes")
            << 29 << text << en << u"bad"_s << u"bad"_s << 1;
        QTest::newRow("element no engine reads keeps its text, the clone completes")
            << 2 << text << u"ja"_s << u"midashi"_s << u"midashi"_s << 1;
        QTest::newRow("image caption carries no suffix")
            << 0 << image << en << u"harbour"_s << u"HARBOUR"_s << 0;
        // An engine answers a blank text with nothing: such elements keep their original.
        QTest::newRow("image without caption") << 0 << image << en << QString() << QString() << 0;
        QTest::newRow("blank paragraph") << 0 << text << en << u" \n "_s << u" \n "_s << 0;
    }

    void articleTranslation()
    {
        QFETCH(int, texts);
        QFETCH(int, kind);
        QFETCH(QString, language);
        QFETCH(QString, text);
        QFETCH(int, kept);
        const bool failing = text == u"bad"_s;
        server->script("/entry", {ScriptedAnswer::Translate, 200, {}, 20, u"bad"_s});
        std::unique_ptr<CLElement> article(makeArticle(texts));
        const QString url = u"http://img.example/a.png"_s;
        new CLElement(kind, language, nullptr,
                      kind == ArticleText ? new CLData(text) : new CLURLData(url, text, URLImage),
                      article.get());
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
        QList<int> inFlight; // when each request is issued
        connect(module.get(), &NetworkModule::notifyNetworkStatus, this, [&](auto, int code) {
            if (code == NS_Connecting)
                inFlight.append(module->activeCount(NDT_ArticleTranslation));
        });
        module->requestArticleTranslation(clone.get());
        const int sent = texts + 2 - int(text.trimmed().isEmpty()) - int(language != u"en"_s);
        QCOMPARE(inFlight.size(), qMin(30, sent));
        QTRY_COMPARE(module->activeCount(NDT_ArticleTranslation), 0);
        QVERIFY(*std::max_element(inFlight.cbegin(), inFlight.cend()) <= 30);
        QCOMPARE(server->requests.size(), sent);
        int done = 0, pending = 0;
        QVERIFY(countTranslation(clone.get(), done, pending));
        QCOMPARE(translated, QList<CLElement *>{clone.get()});
        // The window learns, before the clone arrives, that parts kept their original.
        using Incomplete = QList<QPair<CLElement *, int>>;
        const Incomplete expectedIncomplete = kept ? Incomplete{{clone.get(), kept}} : Incomplete();
        QCOMPARE(untranslated, expectedIncomplete);
        QCOMPARE(module->untranslatedParts(), kept);
        const QString failed = ev(5, NS_RemoteContentError);
        QCOMPARE(reported.join(u' '), failing ? failed + u' ' + failed : QString());
        QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
        QTEST(clone->children.constLast()->text(), "expected");
        // An image must not lose its picture to translation.
        QVERIFY(kind == ArticleText || clone->children.constLast()->value->asURL()->url == url);
    }

    // An engine that answers without end: the element keeps its text, the clone completes.
    void translationAnswerCapped()
    {
        server->script("/entry", ScriptedAnswer::generated(ScriptedAnswer::Huge, 2 << 20));
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
        server->script("/entry", {ScriptedAnswer::Translate, 200, {}, 1000});
        std::unique_ptr<CLElement> article(makeArticle(3));
        auto *oldClone = new CLElement(article.get(), u"de"_s, nullptr);
        module->requestArticleTranslation(oldClone);
        QTRY_COMPARE(server->requests.size(), 4);
        // The window destroys the old clone before it asks for a new translation.
        delete oldClone;
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
        module->requestArticleTranslation(clone.get());
        // Old answers, sent first, would arrive first.
        QTRY_COMPARE(translated, QList<CLElement *>{clone.get()});
        QCOMPARE(server->abandoned, 4);
    }

    void headlineTranslation()
    {
        server->script("/entry", {ScriptedAnswer::Translate, 200, {}, 10});
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
        QTRY_COMPARE(module->activeCount(NDT_IndexItemTranslation), 0);
        QCOMPARE(busy.count(u"completed"_s), 1);
        QCOMPARE(busy.mid(busy.size() - 3), QStringList({u"item"_s, u"completed"_s, u"index:0"_s}));
        QCOMPARE(results.size(), 34);
        QVERIFY(!results.contains(gone));
        for (const int i : {0, 34})
            QCOMPARE(results.value(headlines.at(i).get()), u"de HEADLINE %1"_s.arg(i));
        QCOMPARE(server->requests.size(), 35);
    }

    void headlineCompletion_data()
    {
        QTest::addColumn<QStringList>("headlines"); // "en" ones are sent; "bad" ones fail
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("results"); // indexItemTranslated
        const QString ok = u"en:words"_s, bad = u"en:bad"_s, unread = u"ja:midashi"_s;
        QTest::newRow("nothing queued") << QStringList() << 0 << 0;
        // No request goes out, so no answer could end the run.
        QTest::newRow("no engine for any headline") << QStringList{unread, unread} << 0 << 0;
        // Failed replies send the rest of the queue.
        QTest::newRow("every reply fails, more queued than in flight")
            << QStringList(7, bad) << 7 << 0;
        QTest::newRow("failures and successes mixed")
            << QStringList{bad, ok, bad, bad, unread, ok, bad, ok} << 7 << 3;
        QTest::newRow("last headlines without engine after answers")
            << QStringList{ok, ok, ok, ok, unread, unread} << 4 << 4;
    }

    void headlineCompletion()
    {
        QFETCH(QStringList, headlines);
        server->script("/entry", {ScriptedAnswer::Translate, 200, {}, 10, u"bad"_s});
        module->maxPendingTranslations = 3;
        std::vector<std::unique_ptr<Headline>> items;
        for (const QString &headline : std::as_const(headlines)) {
            items.push_back(std::make_unique<Headline>(headline.section(u':', 0, 0),
                                                       headline.section(u':', 1)));
            module->indexItemQueue.append(items.back().get());
        }
        int results = 0;
        QStringList completions; // what was left when completion came
        connect(module.get(), &NetworkModule::indexItemTranslated, this,
                [&](CLElement *result, TranslatableHeadline *) {
                    delete result;
                    ++results;
                });
        connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this, [&] {
            completions.append(u"%1 queued %2 in flight"_s.arg(module->indexItemQueue.size())
                                   .arg(module->activeCount(NDT_IndexItemTranslation)));
        });
        module->dispatchIndexItemTranslations(u"de"_s);
        QTRY_COMPARE(module->activeCount(NDT_IndexItemTranslation), 0);
        QTest::qWait(50); // nothing more may follow
        QCOMPARE(completions, QStringList(u"0 queued 0 in flight"_s));
        QTEST(int(server->requests.size()), "requests");
        QTEST(results, "results");
    }

    void refusedSchemes_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QString>("events");
        QTest::addColumn<QString>("result");
        const QString local = u"file:///etc/hostname"_s;
        QTest::newRow("local file as image") << 3 << local << ev(3, NS_OperationFailed) << "";
        QTest::newRow("local file as article") << 2 << local << ev(2, NS_OperationFailed) << "";
        QTest::newRow("local file as index page") << 1 << local << ev(1, NS_OperationFailed) << "";
        QTest::newRow("local file as download")
            << 8 << local << ev(8, NS_OperationFailed) << u"8:failed"_s;
        QTest::newRow("local file as version check")
            << 6 << local << ev(6, NS_OperationFailed) << u"null"_s;
        QTest::newRow("resource as image")
            << 3 << u"qrc:/LOGO"_s << ev(3, NS_OperationFailed) << "";
        QTest::newRow("data URL as image")
            << 3 << u"data:image/png;base64,iVBORw0KGgo="_s << ev(3, NS_OperationFailed) << "";
        QTest::newRow("ftp as download")
            << 8 << u"ftp://127.0.0.1/site.xml"_s << ev(8, NS_OperationFailed) << u"8:failed"_s;
    }

    void refusedSchemes()
    {
        QFETCH(int, kind);
        QFETCH(QString, url);
        request(kind, url);
        QTest::qWait(50); // failures of downloads and checks are reported later
        QTEST(reported.join(u' '), "events");
        QTEST(got.join(u' '), "result");
        QCOMPARE(module->activeCount(kind), 0);
        QCOMPARE(busy, QStringList());
        QVERIFY(!QFile::exists(dir->filePath(u"f.xml"_s)));
    }

    void exactUrls_data()
    {
        QTest::addColumn<QString>("path"); // as the caller writes it
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("space") << u"/news/my photo.jpg"_s << QByteArray("/news/my%20photo.jpg");
        QTest::newRow("percent-encoded UTF-8")
            << u"/news/caf%C3%A9.jpg"_s << QByteArray("/news/caf%C3%A9.jpg");
        QTest::newRow("raw non-ASCII")
            << u"/news/café-新闻.jpg"_s << QByteArray("/news/caf%C3%A9-%E6%96%B0%E9%97%BB.jpg");
        QTest::newRow("encoded slash") << u"/news/a%2fb.jpg"_s << QByteArray("/news/a%2Fb.jpg");
        QTest::newRow("encoded tilde") << u"/news/%7Eme.jpg"_s << QByteArray("/news/~me.jpg");
    }

    void exactUrls()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, wire);
        const QString url = server->url(path);
        QStringList connecting;
        connect(module.get(), &NetworkModule::notifyNetworkStatus, this,
                [&](auto, int code, const QString &arg) {
                    if (code == NS_Connecting)
                        connecting.append(arg);
                });
        server->script(wire, {ScriptedAnswer::Answer, 200, "<html><h1>Pic</h1></html>"});
        module->requestImage(url);
        QTRY_COMPARE(got.size(), 1);
        QCOMPARE(imageUrl, url);
        // The article's URL, of which the history keeps a hash, is the caller's too.
        module->requestArticlePage(url + u"/article"_s);
        server->script(
            QUrl(url + u"/article"_s).toEncoded(QUrl::RemoveAuthority | QUrl::RemoveScheme),
            {ScriptedAnswer::Answer, 200, Page});
        QTRY_COMPARE(got.size(), 2);
        QCOMPARE(treeUrl, url + u"/article"_s);
        module->downloadFile(url, dir->filePath(u"pic.jpg"_s), u"0"_s, {}, NDT_FileDownload);
        QTRY_COMPARE(got.size(), 3);
        QCOMPARE(downloadUrl, url);
        QCOMPARE(connecting, QStringList({url, url + u"/article"_s, url}));
        QCOMPARE(server->requests.value(0).path, wire);
    }

    void faults_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<ScriptedAnswer>("answer");
        QTest::addColumn<QString>("bytes"); // the size a download expects
        QTest::addColumn<QString>("events");
        using A = ScriptedAnswer;
        const QByteArray body(1234, 'x');
        const QString size = u"1234"_s, any = u"0"_s;
        const QString closed = ev(8, NS_ConnectionFailure), unreadable = ev(8, NS_ReadFailed);
        QTest::newRow("body cut mid-way keeps the old file")
            << 8 << A(A::CutBody, 200, body) << size << closed;
        QTest::newRow("body shorter than Content-Length, any size expected")
            << 8 << A(A::CutBody, 200, body) << any << closed;
        QTest::newRow("article body cut short")
            << 2 << A(A::CutBody, 200, Page) << any
            << ev(2, NS_ConnectionFailure) + u' ' + ev(2, NS_ConnectionFailure);
        QTest::newRow("connection reset mid-body") << 8 << A(A::Reset, 200, body) << size << closed;
        QTest::newRow("no Content-Length with early close")
            << 8 << A(A::NoLength, 200, body) << size << unreadable;
        QTest::newRow("garbage status line") << 8 << A(A::Garbage, 200, body) << size << closed;
        QTest::newRow("redirect loop")
            << 8 << A(A::Redirect, 302, "/fault") << any << ev(8, NS_OperationFailed);
        QTest::newRow("redirect to a local file")
            << 8 << A(A::Redirect, 302, "file:///etc/hostname") << any << ev(8, NS_OperationFailed);
        QTest::newRow("slow drip past the timeout")
            << 8 << A(A::Drip, 200, body, 20) << size << ev(8, NS_TransferTimeout);
        QTest::newRow("100 MB body announced")
            << 8 << A::generated(A::Huge, 100 << 20) << any << unreadable;
        QTest::newRow("100 MB body without length")
            << 8 << A::generated(A::Huge, 100 << 20, false) << any << unreadable;
        QTest::newRow("body longer than the expected size")
            << 8 << A::generated(A::Huge, 5000) << size << unreadable;
        QTest::newRow("100 MB article page")
            << 2 << A::generated(A::Huge, 100 << 20, false) << any << ev(2, NS_ReadFailed);
        QTest::newRow("20 MB image")
            << 3 << A::generated(A::Huge, 20 << 20) << any << ev(3, NS_ReadFailed);
        QTest::newRow("2 MB version check answer")
            << 6 << A::generated(A::Huge, 2 << 20, false) << any << ev(6, NS_ReadFailed);
        // The transport's own decompression limit stops these before the cap does.
        const qint64 bomb = qint64(256) << 20;
        QTest::newRow("gzip bomb download")
            << 8 << A::generated(A::GzipBomb, bomb) << any << ev(8, NS_RemoteContentError);
        QTest::newRow("gzip bomb article page")
            << 2 << A::generated(A::GzipBomb, bomb) << any
            << ev(2, NS_RemoteContentError) + u' ' + ev(2, NS_RemoteContentError);
    }

    void faults()
    {
        QFETCH(int, kind);
        QFETCH(ScriptedAnswer, answer);
        QFETCH(QString, bytes);
        const QByteArray oldContent = "<site old=\"yes\"/>";
        const QString target = dir->filePath(u"site.xml"_s);
        QVERIFY(saveBytes(oldContent, target));
        server->script("/fault", answer);
        module->replyTimeout = answer.mode == ScriptedAnswer::Drip ? 300 : 20000;
        const QString url = server->url(u"/fault"_s);
        if (kind == NDT_FileDownload)
            module->downloadFile(url, target, bytes, {}, NDT_FileDownload);
        else
            request(kind, url);
        QTRY_COMPARE_WITH_TIMEOUT(module->activeCount(kind), 0, 60000);
        QTest::qWait(20);
        // Reported as the failure it is, and no half file replaces the old one.
        QTEST(reported.join(u' '), "events");
        const QString result = kind == NDT_FileDownload   ? u"8:failed"_s
                               : kind == NDT_VersionCheck ? u"null"_s
                                                          : QString();
        QCOMPARE(got.join(u' '), result);
        QFile file(target);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), oldContent);
        QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList(u"site.xml"_s));
    }

    void downloads_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("bytes"); // the body has 1234
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("saved");
        const QString file = u"site.xml"_s;
        QTest::newRow("any size when none is expected") << file << u"0"_s << 200 << true;
        QTest::newRow("expected size matches") << file << u"1234"_s << 200 << true;
        QTest::newRow("one byte short is rejected") << file << u"1235"_s << 200 << false;
        QTest::newRow("ra suffix dropped") << u"site.xml.ra"_s << u"0"_s << 200 << true;
        QTest::newRow("http error keeps the old file") << file << u"0"_s << 404 << false;
        QTest::newRow("parent directory escape") << u"../escape.xml"_s << u"0"_s << 200 << false;
        QTest::newRow("backslash separator") << u"..\\escape.xml"_s << u"0"_s << 200 << false;
        QTest::newRow("nothing left but the ra suffix") << u".ra"_s << u"0"_s << 200 << false;
    }

    void downloads()
    {
        QFETCH(QString, name);
        QFETCH(QString, bytes);
        QFETCH(int, status);
        QFETCH(bool, saved);
        const QString profiles = dir->filePath(u"profiles"_s);
        const QByteArray oldContent = "<site old=\"yes\"/>", body(1234, 'x');
        QVERIFY(QDir().mkpath(profiles) && saveBytes(oldContent, profiles + u"/site.xml"_s));
        server->script("/my%20file", {ScriptedAnswer::Answer, status, body});
        module->downloadFile(server->url(u"/my file"_s), profiles + u'/' + name, bytes, u"1a2b"_s,
                             NDT_FileDownload);
        QTRY_COMPARE(got, QStringList(saved ? u"8:saved"_s : u"8:failed"_s));
        // Reported exactly as requested.
        QCOMPARE(downloadUrl, server->url(u"/my file"_s));
        QStringList files; // nothing written beside the one file, which keeps its old content
        for (QDirIterator it(dir->path(), QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();) {
            QFile file(it.next());
            files.append(QDir(dir->path()).relativeFilePath(file.fileName()) + u'=' +
                         (file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()));
        }
        QCOMPARE(files, QStringList(u"profiles/site.xml="_s + (saved ? body : oldContent)));
    }

    void silenceTimesOut_data()
    {
        QTest::addColumn<ScriptedAnswer>("answer");
        QTest::addColumn<int>("busyMs"); // the thread blocked right after the request
        QTest::addColumn<QString>("events");
        using A = ScriptedAnswer;
        const QByteArray body(40, 'x');
        QTest::newRow("drip longer than the timeout, never silent for it")
            << A(A::Drip, 200, body, 25) << 0 << ev(3, NS_ImageLoaded);
        QTest::newRow("image sent while the thread was busy past the timeout")
            << A(A::Answer, 200, body) << 900 << ev(3, NS_ImageLoaded);
        QTest::newRow("silent server") << A(A::Stall) << 0 << ev(3, NS_TransferTimeout);
        QTest::newRow("silent server, busy thread")
            << A(A::Stall) << 900 << ev(3, NS_TransferTimeout);
    }

    // The timeout counts silence on the wire, not time this thread spent elsewhere:
    // the server runs on a thread of its own and keeps sending meanwhile.
    void silenceTimesOut()
    {
        QFETCH(ScriptedAnswer, answer);
        QFETCH(int, busyMs);
        ThreadedServer remote(answer);
        QVERIFY(remote.listening);
        module->replyTimeout = 300;
        request(NDT_Image, remote.server->url(u"/slow"_s));
        QElapsedTimer busy;
        busy.start();
        while (busy.elapsed() < busyMs) {
        }
        QTRY_COMPARE_WITH_TIMEOUT(module->activeCount(NDT_Image), 0, 20000);
        QTEST(reported.join(u' '), "events");
        if (answer.mode != ScriptedAnswer::Stall)
            QCOMPARE(got.join(u' '), QString::fromLatin1(answer.body));
    }

    void pagesProcessedAside_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("events");
        QTest::newRow("index page") << 1 << ev(1, NS_IndexPageLoaded);
        QTest::newRow("article page, marked read") << 2 << ev(2, NS_ArticlePageLoaded);
        QTest::newRow("page no profile accepts") << 2 << ev(2, NS_PageParsingError);
    }

    // Pages past the size limit are processed on the thread pool, to the same end.
    void pagesProcessedAside()
    {
        QFETCH(int, kind);
        module->offThreadBytes = 1;
        const bool known = QString(QTest::currentDataTag()) != u"page no profile accepts"_s;
        const QString url = server->url(kind == 1 ? u"/index"_s : known ? u"/article"_s : u"/x"_s);
        server->script("/x", {ScriptedAnswer::Answer, 200, Page});
        request(kind, url);
        QTRY_COMPARE(module->activeCount(kind), 0);
        QTEST(reported.join(u' '), "events");
        QCOMPARE(got.join(u' '), known ? u"Title"_s : QString());
        QCOMPARE(processor->history.contains(historyHash(url)), kind == 2 && known);
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
            module->downloadFile(url, dir->filePath(u"f.xml"_s), u"0"_s, {},
                                 CONetworkDataType(kind));
    }

    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<CLProcessor> processor;
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<NetworkModule> module;
    QStringList reported, busy, got; ///< status events, busy signals, results as received
    QString downloadUrl;
    QList<CLElement *> translated;
    QList<QPair<CLElement *, int>> untranslated; ///< articleTranslationIncomplete
    QString imageUrl, treeUrl;                   ///< as reported with image bytes and trees
};

QTEST_GUILESS_MAIN(TestNetworkModule)
#include "tst_networkmodule.moc"
