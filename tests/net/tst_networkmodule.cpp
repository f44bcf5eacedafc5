#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "i18nmanager.h"
#include "localservice.h"
#include "networkmodule.h"
#include "scriptedhttpserver.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A page whose topic takes the text between `open` and `close` from URLs containing "/id".
QString page(const QString &id, const QString &type, const QString &topic, const QString &topicType,
             const QString &open, const QString &close)
{
    return uR"(<page name="%1" id="%1" type="%2"><filter_url_inc pattern="*127.0.0.1*/%1*"/>
      <track name="main"><topic name="%3" id="%3" type="%4"><step_pair_point>
      <point_a>%5</point_a><point_b from="previous">%6</point_b></step_pair_point>
      <step_text_extract/></topic></track></page>)"_s.arg(id, type, topic, topicType, open, close);
}

QString site(const QString &id, const QString &locale, const QString &pages)
{
    return uR"(<site name="%1" id="%1" locale="%2" codeset="UTF-8" version="1"
      entry="http://127.0.0.1/">%3</site>)"_s.arg(id, locale, pages);
}

QString newsProfile(const QString &id, const QString &locale, const QString &topicId)
{
    QString pages;
    for (const QString &name : {u"index"_s, u"article"_s})
        pages += page(name, u"news."_s + name, topicId, u"article-title"_s, u"&lt;h1&gt;"_s,
                      u"&lt;/h1&gt;"_s);
    return site(id, locale, pages);
}

const QString TranslatorProfile =
    site(u"(s)TRloop"_s, u"en"_s,
         page(u"translate"_s, u"translator.entry"_s, u"text"_s, u"translate-text"_s,
              u"&lt;div class=\"out\"&gt;"_s, u"&lt;/div&gt;"_s));

const QString DefaultEngineNames =
    uR"(<i18n original="en"><display locale="en">Loop Engine</display>
    <display locale="de">Schleifenuebersetzer</display></i18n>)"_s;

bool registerProfiles(CLProcessor &processor, const QStringList &profiles)
{
    QList<CLSite *> sites;
    QString catalogue = u"<sites>"_s;
    for (const QString &xml : profiles) {
        QDomDocument document;
        CLProfileError error;
        CLSite *site = document.setContent(xml) ? readProfile(document, &error) : nullptr;
        if (!site)
            return false;
        sites.append(site);
        catalogue += u"<site id=\"%1\" version=\"1\" file=\"f.xml\"/>"_s.arg(site->id);
    }
    QDomDocument document;
    document.setContent(catalogue + u"</sites>"_s);
    bool ok = processor.parseCatalogue(document);
    for (CLSite *site : std::as_const(sites))
        ok = processor.registerSite(site) && ok;
    return ok;
}

bool installTranslator(CLProcessor &processor, const QString &entry, const QString &i18n)
{
    QDomDocument document;
    document.setContent(uR"(<translators version="1">
      <translator id="loop" name="Plain Loop" entry="%1" method="post" version="1">
        <query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>
        <languages><language id="en" name="eng"/><language id="de" name="deu"/></languages>
        <paths combination="listed"><path from="en" to="de"/></paths>%2
      </translator></translators>)"_s.arg(entry, i18n));
    const bool ok = processor.parseTranslators(document) && processor.translators.size() == 1;
    processor.rebuildPairIndex();
    return ok;
}

// A headline of the index view, as far as translation needs one.
class Headline : public QObject, public TranslatableHeadline
{
public:
    Headline(const QString &language, const QString &text)
    {
        names.original = language;
        names.displays.insert(language, text);
    }
    QObject *headlineObject() override { return this; }
    const CLI18n *headlineNames() const override { return &names; }

    CLI18n names;
};

// Status events as "kind:code", without request and progress chatter.
QString events(const QSignalSpy &spy)
{
    QStringList parts;
    for (const QList<QVariant> &args : spy) {
        const int code = args.at(1).toInt();
        if (code != 2112 && code != 2114)
            parts.append(u"%1:%2"_s.arg(int(args.at(0).value<CONetworkDataType>())).arg(code));
    }
    return parts.join(u' ');
}

// An article tree of a title followed by texts, as extraction would build it.
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

const QByteArray Page = "<html><h1>Title</h1></html>";

const QString Parameters = u"os=3&v=1.2 beta"_s;

// The module's signals, recorded; deleting them frees what the module handed over.
struct Spies
{
    explicit Spies(NetworkModule *m)
        : status(m, &NetworkModule::notifyNetworkStatus),
          indexes(m, &NetworkModule::indexPageLoaded),
          articles(m, &NetworkModule::articlePageLoaded),
          images(m, &NetworkModule::imageDataLoaded),
          checks(m, &NetworkModule::versionCheckRespond),
          downloads(m, &NetworkModule::notifyDownloadResult),
          translated(m, &NetworkModule::articleTranslated)
    {
    }
    ~Spies()
    {
        for (const QList<QVariant> &args : indexes + articles)
            delete args.at(0).value<CLElement *>();
        for (const QList<QVariant> &args : std::as_const(images))
            delete args.at(1).value<QByteArray *>();
        for (const QList<QVariant> &args : std::as_const(checks))
            delete args.at(0).value<QByteArray *>();
    }

    QSignalSpy status, indexes, articles, images, checks, downloads, translated;
};

const QList<int> StallableKinds{NDT_IndexPage, NDT_ArticlePage, NDT_Image, NDT_VersionCheck,
                                NDT_FileDownload};

} // namespace

class TestNetworkModule : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void abortScope_data();
    void abortScope();
    void indexRequestDropsArticleWork();
    void busyHandlersMayCallBack();

    void errorStatus_data();
    void errorStatus();
    void replies_data();
    void replies();
    void articleSiteFromTopic();

    void articleTranslation_data();
    void articleTranslation();
    void articleElements_data();
    void articleElements();
    void newTranslationRunDropsOldAnswers();
    void headlineTranslation();

    void downloads_data();
    void downloads();
    void emptyArgumentsIssueNothing();
    void progressReportsBytes();

private:
    /// Issues a request of a kind the way its caller would.
    void request(int kind, const QString &url);

    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<CLProcessor> processor;
    std::unique_ptr<NetworkModule> module;
    std::unique_ptr<Spies> spy;
    std::unique_ptr<QTemporaryDir> dir;
    QStringList log; ///< busy signals as "index:1", "article:0"
};

void TestNetworkModule::init()
{
    server = std::make_unique<ScriptedHttpServer>();
    QVERIFY(server->start());
    processor = std::make_unique<CLProcessor>();
    QVERIFY(registerProfiles(
        *processor, {newsProfile(u"(s)GIloop"_s, u"en"_s, u"(t)title"_s), TranslatorProfile}));
    QVERIFY(installTranslator(*processor, server->url(u"/translate"_s), DefaultEngineNames));
    module = std::make_unique<NetworkModule>();
    module->processor = processor.get();
    module->replyTimeout = 10000;
    spy = std::make_unique<Spies>(module.get());
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    log.clear();
    connect(module.get(), &NetworkModule::activeOperationForIndex, this,
            [this](bool on) { log.append(u"index:%1"_s.arg(on)); });
    connect(module.get(), &NetworkModule::activeOperationForArticle, this,
            [this](bool on) { log.append(u"article:%1"_s.arg(on)); });
    for (const char *path : {"/index", "/article", "/my%20photo.png"})
        server->script(path, {ScriptedAnswer::Answer, 200, Page});
    server->script("/translate", {ScriptedAnswer::Translate});
    server->script("/stall", {ScriptedAnswer::Stall});
}

void TestNetworkModule::cleanup()
{
    spy.reset();
    module.reset();
    processor.reset();
    server.reset();
    dir.reset();
}

void TestNetworkModule::request(int kind, const QString &url)
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
        module->downloadFile(url, dir->filePath(u"f.xml"_s), u"0"_s, QString(),
                             CONetworkDataType(kind));
}

// Aborts and busy signals ----------------------------------------------------

void TestNetworkModule::abortScope_data()
{
    QTest::addColumn<int>("trigger"); // 0: abortCommuncation
    QTest::addColumn<QList<int>>("surviving");

    // Before the trigger one stalled request of each kind is in flight.
    QTest::newRow("index request ends index and article work, not updates")
        << int(NDT_IndexPage) << QList<int>{NDT_VersionCheck, NDT_FileDownload};
    QTest::newRow("article request keeps the index page and updates")
        << int(NDT_ArticlePage) << QList<int>{NDT_IndexPage, NDT_VersionCheck, NDT_FileDownload};
    QTest::newRow("image request aborts nothing") << int(NDT_Image) << StallableKinds;
    QTest::newRow("abortCommuncation spares version check and downloads")
        << 0 << QList<int>{NDT_VersionCheck, NDT_FileDownload};
}

void TestNetworkModule::abortScope()
{
    QFETCH(int, trigger);
    QFETCH(QList<int>, surviving);
    for (const int kind : StallableKinds)
        request(kind, server->url(u"/stall"_s));
    QTRY_COMPARE(server->requests.size(), 5);
    if (trigger)
        request(trigger, server->url(u"/stall"_s));
    else
        module->abortCommuncation();
    for (const int kind : StallableKinds) {
        const int expected = int(surviving.contains(kind)) + int(trigger == kind);
        QVERIFY2(module->activeCount(kind) == expected, qPrintable(QString::number(kind)));
    }
    // Aborted replies close their connections rather than leaving them to the server.
    QTRY_COMPARE(server->abandoned, 5 - int(surviving.size()));
}

void TestNetworkModule::indexRequestDropsArticleWork()
{
    server->script("/article", {ScriptedAnswer::Answer, 200, Page, "text/html", 800});
    server->script("/my%20photo.png", {ScriptedAnswer::Answer, 200, "PNG", "image/png", 800});
    module->requestArticlePage(server->url(u"/article"_s));
    module->requestImage(server->url(u"/my photo.png?1"_s));
    module->requestImage(server->url(u"/my photo.png?2"_s));
    QTRY_COMPARE(server->requests.size(), 3);

    log.clear();
    spy->status.clear();
    module->requestIndexPage(server->url(u"/index"_s));
    QCOMPARE(log, QStringList({u"article:0"_s, u"index:1"_s}));
    QVERIFY(spy->indexes.wait(5000));
    QTRY_COMPARE(server->abandoned, 3);
    QTest::qWait(1000);
    QCOMPARE(spy->articles.size() + spy->images.size(), 0);
    // Withdrawn replies report nothing, not even their cancellation.
    QCOMPARE(events(spy->status), u"1:2102"_s);
}

void TestNetworkModule::busyHandlersMayCallBack()
{
    // Each handler takes the module's lock again: a signal sent under it would deadlock.
    QList<int> counts;
    connect(module.get(), &NetworkModule::activeOperationForArticle, this,
            [&](bool) { counts.append(module->activeCount(NDT_ArticlePage)); });
    connect(module.get(), &NetworkModule::activeOperationForIndex, this, [&](bool on) {
        if (!on)
            module->abortCommuncation();
    });
    connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this,
            [&] { module->dispatchIndexItemTranslations(u"de"_s); });
    connect(module.get(), &NetworkModule::indexItemTranslated, this,
            [](CLElement *result, TranslatableHeadline *) { delete result; });
    module->requestArticlePage(server->url(u"/stall"_s));
    module->requestIndexPage(server->url(u"/index"_s));
    QCOMPARE(counts, QList<int>({1, 0}));
    QTRY_VERIFY(log.contains(u"index:0"_s));
    Headline headline(u"en"_s, u"tide"_s);
    module->indexItemQueue.append(&headline);
    module->dispatchIndexItemTranslations(u"de"_s);
    QTRY_COMPARE(log.count(u"index:0"_s), 2);
}

// Replies and status events ----------------------------------------------------

void TestNetworkModule::errorStatus_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("expected"); // 0: no event

    using R = QNetworkReply;
    // Unlisted codes (150, 200, 300, 612) fall into the status of their group.
    const QList<QPair<int, QList<int>>> groups{
        {0, {R::NoError}},
        {2106,
         {R::ConnectionRefusedError, R::RemoteHostClosedError, R::HostNotFoundError,
          R::SslHandshakeFailedError, R::TemporaryNetworkFailureError, R::NetworkSessionFailedError,
          R::BackgroundRequestNotAllowedError}},
        {2107, {R::TimeoutError}},
        {2108, {R::OperationCanceledError}},
        {2109,
         {R::ProxyConnectionRefusedError, R::ProxyConnectionClosedError, R::ProxyNotFoundError,
          R::ProxyTimeoutError, R::ProxyAuthenticationRequiredError, R::UnknownProxyError, 150}},
        {2110,
         {R::ContentAccessDenied, R::ContentOperationNotPermittedError, R::ContentNotFoundError,
          R::AuthenticationRequiredError, R::ContentReSendError, R::ContentConflictError,
          R::ContentGoneError, R::UnknownContentError, 200, R::InternalServerError,
          R::OperationNotImplementedError, R::ServiceUnavailableError, R::UnknownServerError}},
        {2111,
         {R::TooManyRedirectsError, R::InsecureRedirectError, R::UnknownNetworkError,
          R::ProtocolUnknownError, R::ProtocolInvalidOperationError, R::ProtocolFailure, 300, 612}},
    };
    const QMetaEnum names = QMetaEnum::fromType<QNetworkReply::NetworkError>();
    for (const auto &[status, errors] : groups) {
        for (const int error : errors) {
            const char *name = names.valueToKey(error);
            QTest::addRow("%s", name ? name : qPrintable(u"unlisted code %1"_s.arg(error)))
                << error << status;
        }
    }
}

void TestNetworkModule::errorStatus()
{
    QFETCH(int, error);
    QFETCH(int, expected);
    module->handleReplyError(QNetworkReply::NetworkError(error), NDT_IndexPage);
    QCOMPARE(events(spy->status), expected ? u"1:%1"_s.arg(expected) : QString());
}

void TestNetworkModule::replies_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("mode"); // -1: nobody listening
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("result"); // what the kind's receiver got

    const int ok = ScriptedAnswer::Answer, stall = ScriptedAnswer::Stall;
    const QString page = QString::fromUtf8(Page), image = u"/my photo.png"_s;
    QTest::newRow("index tree") << 1 << u"/index"_s << ok << 200 << u"1:2102"_s << u"Title"_s;
    QTest::newRow("article tree") << 2 << u"/article"_s << ok << 200 << u"2:2103"_s << u"Title"_s;
    QTest::newRow("page that no profile accepts")
        << 2 << u"/other"_s << ok << 200 << u"2:2101"_s << QString();
    QTest::newRow("image bytes pass through") << 3 << image << ok << 200 << u"3:2100"_s << page;
    QTest::newRow("version check answer handed on") << 6 << u"/check"_s << ok << 200 << "" << page;
    // A failed reply is reported by its error signal and again when it finishes.
    QTest::newRow("missing index page")
        << 1 << u"/index"_s << ok << 404 << u"1:2110 1:2110"_s << QString();
    QTest::newRow("article body cut short") << 2 << u"/article"_s << int(ScriptedAnswer::CutBody)
                                            << 200 << u"2:2106 2:2106"_s << QString();
    QTest::newRow("nobody listening")
        << 1 << u"/index"_s << -1 << 0 << u"1:2106 1:2106"_s << QString();
    QTest::newRow("failed version check answers null")
        << 6 << u"/check"_s << ok << 500 << u"6:2110"_s << u"null"_s;
    // A timeout is reported once and closes the connection.
    QTest::newRow("index page timeout")
        << 1 << u"/index"_s << stall << 0 << u"1:2107"_s << QString();
    QTest::newRow("version check timeout answers null")
        << 6 << u"/check"_s << stall << 0 << u"6:2107"_s << u"null"_s;
    QTest::newRow("download timeout reports failure")
        << 8 << image << stall << 0 << u"8:2107"_s << u"failed"_s;
    QTest::newRow("installer gets grace time, then reports failure")
        << 7 << image << stall << 0 << u"7:2107"_s << u"failed"_s;
}

void TestNetworkModule::replies()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(int, mode);
    QFETCH(int, status);
    QString url = server->url(path);
    if (mode < 0)
        url = u"http://127.0.0.1:%1/index"_s.arg(LocalService::freePort());
    else
        server->script(QUrl(path).toEncoded(), {ScriptedAnswer::Mode(mode), status, Page});
    module->replyTimeout = mode == ScriptedAnswer::Stall ? 150 : 10000;
    module->installerGraceTimeout = 500;
    QElapsedTimer clock;
    clock.start();
    request(kind, url);
    QTRY_COMPARE(module->activeCount(kind), 0);
    QTEST(events(spy->status), "events");
    const QString busy = kind == NDT_IndexPage ? u"index:"_s : u"article:"_s;
    QCOMPARE(log.join(u' '), kind <= NDT_Image ? busy + u"1 "_s + busy + u'0' : QString());
    QVERIFY(clock.elapsed() >= (kind == NDT_SoftwareDownload ? 600 : 0));

    QString result;
    for (const QList<QVariant> &args : spy->indexes + spy->articles)
        result = args.at(0).value<CLElement *>()->children.value(0)->text();
    for (const QList<QVariant> &args : std::as_const(spy->images))
        result = QString::fromUtf8(*args.at(1).value<QByteArray *>());
    for (const QList<QVariant> &args : std::as_const(spy->checks)) {
        const QByteArray *data = args.at(0).value<QByteArray *>();
        result = data ? QString::fromUtf8(*data) : u"null"_s;
    }
    for (const QList<QVariant> &args : std::as_const(spy->downloads))
        result = args.at(2).toBool() ? u"saved"_s : u"failed"_s;
    QTEST(result, "result");
    QCOMPARE(spy->indexes.size() + spy->articles.size() + spy->images.size() + spy->checks.size() +
                 spy->downloads.size(),
             int(!result.isEmpty()));
    // Receivers compare against encoded URLs.
    for (const QSignalSpy *urls : {&spy->images, &spy->downloads}) {
        for (const QList<QVariant> &args : *urls)
            QCOMPARE(args.at(0).toString(), server->url(u"/my%20photo.png"_s));
    }
    if (kind == NDT_VersionCheck && mode >= 0) {
        const ScriptedRequest sent = server->requests.value(0);
        // The parameters are already in their final form: no second encoding.
        QCOMPARE(sent.method + ' ' + sent.body, "POST " + Parameters.toUtf8());
        QCOMPARE(sent.headers.value("content-type"), "application/x-www-form-urlencoded");
    }
    if (mode == ScriptedAnswer::Stall)
        QTRY_COMPARE(server->abandoned, 1);
}

void TestNetworkModule::articleSiteFromTopic()
{
    const QString otherId = u"(s)GIother"_s;
    QVERIFY(registerProfiles(*processor,
                             {newsProfile(u"(s)GIloop"_s, u"en"_s, u"(t)title"_s),
                              newsProfile(otherId, u"fr"_s, u"(t)titre"_s), TranslatorProfile}));
    const CLTopic *topic = nullptr;
    for (const CLSiteIndexItem *entry : std::as_const(processor->siteIndex)) {
        if (entry->id == otherId)
            topic = entry->site->pages.at(0)->tracks.at(0)->topics.at(0);
    }
    QVERIFY(topic);
    module->requestArticlePage(server->url(u"/article"_s), const_cast<CLTopic *>(topic));
    QVERIFY(spy->articles.wait(5000));
    // Both sites accept the URL; only the topic's own site may build the tree.
    QCOMPARE(spy->articles.at(0).at(0).value<CLElement *>()->language, u"fr"_s);
}

// Translation -----------------------------------------------------------------

void TestNetworkModule::articleTranslation_data()
{
    QTest::addColumn<int>("texts");   // after the title
    QTest::addColumn<int>("failing"); // the element the engine fails on; 0: none
    QTest::newRow("35 elements: 30 requests at once, then one per answer") << 34 << 0;
    QTest::newRow("one failed element of 31 keeps the article pending") << 30 << 29;
}

void TestNetworkModule::articleTranslation()
{
    QFETCH(int, texts);
    QFETCH(int, failing);
    server->script("/translate",
                   {ScriptedAnswer::Translate, 200, {}, "text/html", 20, u"engine-breaker"_s});
    std::unique_ptr<CLElement> article(makeArticle(texts));
    if (failing)
        article->children.at(failing)->value->text = u"engine-breaker"_s;
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    QList<int> inFlightAtIssue;
    connect(module.get(), &NetworkModule::notifyNetworkStatus, this,
            [&](CONetworkDataType, int code, const QString &url) {
                if (code == 2112 && url.contains(u"/translate"_s))
                    inFlightAtIssue.append(module->activeCount(NDT_ArticleTranslation));
            });

    module->requestArticleTranslation(clone.get());
    QCOMPARE(inFlightAtIssue.size(), 30);
    QCOMPARE(module->articleTranslationQueue.size(), texts + 1 - 30);
    QTRY_COMPARE(inFlightAtIssue.size(), texts + 1);
    QTRY_COMPARE(module->activeCount(NDT_ArticleTranslation), 0);
    QTest::qWait(100);
    QVERIFY(*std::max_element(inFlightAtIssue.cbegin(), inFlightAtIssue.cend()) <= 30);
    int done = 0;
    int pending = 0;
    QCOMPARE(countTranslation(clone.get(), done, pending), !failing);
    QCOMPARE(pending, int(failing != 0));
    QCOMPARE(spy->translated.size(), int(!failing));
    QCOMPARE(events(spy->status), failing ? u"5:2110 5:2110"_s : QString());
    if (failing)
        return;
    QCOMPARE(spy->translated.at(0).at(0).value<CLElement *>(), clone.get());
    QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
    QCOMPARE(clone->children.at(34)->text(), u"PARAGRAPH NUMBER 34\n(Schleifenuebersetzer)"_s);
    const ScriptedRequest first = server->requestsFor("/translate").value(0);
    QCOMPARE(first.headers.value("content-type"), "application/x-www-form-urlencoded");
    QCOMPARE(first.field(u"sl"_s) + first.field(u"tl"_s), u"engdeu"_s);
}

void TestNetworkModule::articleElements_data()
{
    QTest::addColumn<QString>("i18n");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");     // a paragraph, or a link's title
    QTest::addColumn<QString>("expected"); // the same after translation

    const int text = ArticleText, image = ArticleImage;
    const QString names = DefaultEngineNames;
    QTest::newRow("suffix names the engine in the target language")
        << names << text << u"words"_s << u"WORDS\n(Schleifenuebersetzer)"_s;
    QTest::newRow("suffix falls back to the original name")
        << uR"(<i18n original="en"><display locale="en">Loop Engine</display></i18n>)"_s << text
        << u"words"_s << u"WORDS\n(Loop Engine)"_s;
    QTest::newRow("suffix uses the plain name without localised names")
        << QString() << text << u"words"_s << u"WORDS\n(Plain Loop)"_s;
    QTest::newRow("image caption carries no suffix")
        << names << image << u"harbour"_s << u"HARBOUR"_s;
    // An engine answers a blank text with nothing: such elements keep their original.
    QTest::newRow("image without caption") << names << image << QString() << QString();
    QTest::newRow("next page link without title")
        << names << int(ArticleNextPage) << QString() << QString();
    QTest::newRow("blank paragraph") << names << text << u" \n "_s << u" \n "_s;
}

void TestNetworkModule::articleElements()
{
    QFETCH(QString, i18n);
    QFETCH(int, kind);
    QFETCH(QString, text);
    QVERIFY(installTranslator(*processor, server->url(u"/translate"_s), i18n));
    std::unique_ptr<CLElement> article(makeArticle(0));
    const QString url = u"http://img.example/a.png"_s;
    const bool isLink = kind != ArticleText;
    new CLElement(kind, u"en"_s, nullptr,
                  isLink ? new CLURLData(url, text, URLImage) : new CLData(text), article.get());
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    module->requestArticleTranslation(clone.get());
    QVERIFY(spy->translated.wait(5000));

    QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
    const CLElement *element = clone->children.at(1);
    QVERIFY(element->value);
    QTEST(element->text(), "expected");
    if (isLink)
        QCOMPARE(element->value->asURL()->url, url);
    QCOMPARE(server->requestsFor("/translate").size(), text.trimmed().isEmpty() ? 1 : 2);
}

void TestNetworkModule::newTranslationRunDropsOldAnswers()
{
    server->script("/translate", {ScriptedAnswer::Translate, 200, {}, "text/html", 1000});
    std::unique_ptr<CLElement> article(makeArticle(3));
    auto *oldClone = new CLElement(article.get(), u"de"_s, nullptr);
    module->requestArticleTranslation(oldClone);
    QTRY_COMPARE(server->requestsFor("/translate").size(), 4);
    // The window destroys the old clone before it asks for a new translation.
    delete oldClone;
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    module->requestArticleTranslation(clone.get());
    QCOMPARE(module->activeCount(NDT_ArticleTranslation), 4);
    QVERIFY(spy->translated.wait(5000));
    QTest::qWait(400);
    QCOMPARE(spy->translated.size(), 1);
    QCOMPARE(spy->translated.at(0).at(0).value<CLElement *>(), clone.get());
    QCOMPARE(server->abandoned, 4);
}

void TestNetworkModule::headlineTranslation()
{
    server->script("/translate", {ScriptedAnswer::Translate, 200, {}, "text/html", 10});
    I18NManager languages;
    languages.translateTargetLanguage = u"de"_s;
    module->i18n = &languages;
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
                std::unique_ptr<CLElement> tree(result);
                QCOMPARE(tree->children.value(0)->language, u"de"_s);
                results.insert(item, tree->children.at(0)->text());
                log.append(u"item"_s);
            });
    connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this,
            [&] { log.append(u"completed"_s); });

    module->dispatchIndexItemTranslations(u"de"_s);
    QCOMPARE(module->activeCount(NDT_IndexItemTranslation), 30);
    QCOMPARE(module->indexItemQueue.size(), 5);
    // The index view may replace an entry while its answer is on the way.
    TranslatableHeadline *gone = headlines.at(1).get();
    headlines.at(1).reset();
    QTRY_COMPARE(log.count(u"completed"_s), 1);
    QTest::qWait(100);
    QCOMPARE(log.count(u"completed"_s), 1);
    QCOMPARE(log.mid(log.size() - 3), QStringList({u"item"_s, u"completed"_s, u"index:0"_s}));
    QCOMPARE(results.size(), 34);
    QVERIFY(!results.contains(gone));
    for (const auto &headline : headlines) {
        if (headline)
            QCOMPARE(results.value(headline.get()),
                     headline->names.displays.value(u"en"_s).toUpper());
    }
    QCOMPARE(server->requestsFor("/translate").size(), 35);
}

// Downloads -------------------------------------------------------------------------

void TestNetworkModule::downloads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedBytes"); // the body has 1234
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("ok");

    const int answer = ScriptedAnswer::Answer;
    const QString file = u"site.xml"_s;
    QTest::newRow("any size when none is expected") << file << u"0"_s << answer << 200 << true;
    QTest::newRow("expected size matches") << file << u"1234"_s << answer << 200 << true;
    QTest::newRow("one byte short is rejected") << file << u"1235"_s << answer << 200 << false;
    QTest::newRow("ra suffix dropped") << u"site.xml.ra"_s << u"0"_s << answer << 200 << true;
    QTest::newRow("body cut mid-way keeps the old file")
        << file << u"0"_s << int(ScriptedAnswer::CutBody) << 200 << false;
    QTest::newRow("http error keeps the old file") << file << u"0"_s << answer << 404 << false;
    QTest::newRow("parent directory escape")
        << u"../escape.xml"_s << u"0"_s << answer << 200 << false;
    QTest::newRow("backslash separator") << u"..\\escape.xml"_s << u"0"_s << answer << 200 << false;
    QTest::newRow("only the ra suffix") << u".ra"_s << u"0"_s << answer << 200 << false;
    QTest::newRow("dot dot with ra suffix") << u"...ra"_s << u"0"_s << answer << 200 << false;
}

void TestNetworkModule::downloads()
{
    QFETCH(QString, name);
    QFETCH(QString, expectedBytes);
    QFETCH(int, mode);
    QFETCH(int, status);
    QFETCH(bool, ok);
    const QString profiles = dir->filePath(u"profiles"_s);
    const QByteArray oldContent = "<site old=\"yes\"/>", body(1234, 'x');
    QVERIFY(QDir().mkpath(profiles) && saveBytes(oldContent, profiles + u"/site.xml"_s));
    server->script("/my%20file", {ScriptedAnswer::Mode(mode), status, body, "text/xml"});

    module->downloadFile(server->url(u"/my file"_s), profiles + u'/' + name, expectedBytes,
                         u"1a2b"_s, NDT_FileDownload);
    QVERIFY(spy->downloads.wait(5000));
    QCOMPARE(spy->downloads.size(), 1);
    const QList<QVariant> result = spy->downloads.at(0);
    QCOMPARE(result.at(0).toString(), server->url(u"/my%20file"_s));
    QCOMPARE(result.at(1).value<CONetworkDataType>(), NDT_FileDownload);
    QCOMPARE(result.at(2).toBool(), ok);
    QCOMPARE(module->activeCount(NDT_FileDownload), 0);

    QStringList everything;
    for (QDirIterator it(dir->path(), QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
        everything.append(QDir(dir->path()).relativeFilePath(it.next()));
    QCOMPARE(everything, QStringList({u"profiles/site.xml"_s}));
    QFile file(profiles + u"/site.xml"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), ok ? body : oldContent);
}

void TestNetworkModule::emptyArgumentsIssueNothing()
{
    const QString url = server->url(u"/index"_s);
    module->requestIndexPage(QString());
    module->requestArticlePage(QString());
    module->requestImage(QString());
    module->requestVersionCheck(url, QString());
    module->requestVersionCheck(QString(), Parameters);
    module->requestArticleTranslation(nullptr);
    module->downloadFile(url, dir->filePath(u"x"_s), u"0"_s, QString(), NDT_Image);
    module->downloadFile(url, dir->filePath(u"x"_s));
    QTest::qWait(200);
    QCOMPARE(spy->status.size() + spy->downloads.size() + log.size(), 0);
    QCOMPARE(server->requests.size(), 0);
    QVERIFY(module->activeReplies.isEmpty());
}

void TestNetworkModule::progressReportsBytes()
{
    module->downloadProgressUpdate(0, 100); // nothing received yet
    module->downloadProgressUpdate(5000000000, -1);
    QCOMPARE(spy->status.size(), 1);
    QCOMPARE(spy->status.at(0).at(1).toInt(), 2114);
    QCOMPARE(spy->status.at(0).at(2).toString(), u"5000000000"_s);
}

QTEST_GUILESS_MAIN(TestNetworkModule)
#include "tst_networkmodule.moc"
