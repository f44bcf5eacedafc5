#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "i18nmanager.h"
#include "networkmodule.h"
#include "scriptedhttpserver.h"

#include <QDir>
#include <QDirIterator>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString NewsSiteId = u"(s)GIloop"_s;
const QString OtherSiteId = u"(s)GIother"_s;

// Index, article and translator-answer pages of the loopback server.
QString newsProfile(const QString &id, const QString &locale, const QString &topicId)
{
    return uR"(<site name="%1" id="%1" locale="%2" codeset="UTF-8" version="1"
                     entry="http://127.0.0.1/">
        <page name="Index" id="index" type="news.index">
          <filter_url_inc pattern="*127.0.0.1*/index*"/>
          <track name="main">
            <topic name="Headline" id="%3" type="article-title">
              <step_pair_point>
                <point_a>&lt;h1&gt;</point_a>
                <point_b from="previous">&lt;/h1&gt;</point_b>
              </step_pair_point>
              <step_text_extract/>
            </topic>
          </track>
        </page>
        <page name="Article" id="article" type="news.article">
          <filter_url_inc pattern="*127.0.0.1*/article*"/>
          <track name="main">
            <topic name="Title" id="%3" type="article-title">
              <step_pair_point>
                <point_a>&lt;h1&gt;</point_a>
                <point_b from="previous">&lt;/h1&gt;</point_b>
              </step_pair_point>
              <step_text_extract/>
            </topic>
          </track>
        </page>
      </site>)"_s.arg(id, locale, topicId);
}

const QString TranslatorProfile = uR"(<site name="Loop engine" id="(s)TRloop" locale="en"
        codeset="UTF-8" version="1" entry="http://127.0.0.1/translate">
    <page name="Answer" id="answer" type="translator.entry">
      <filter_url_inc pattern="*127.0.0.1*/translate*"/>
      <track name="main">
        <topic name="Text" id="text" type="translate-text">
          <step_pair_point>
            <point_a>&lt;div class="out"&gt;</point_a>
            <point_b from="previous">&lt;/div&gt;</point_b>
          </step_pair_point>
          <step_text_extract/>
        </topic>
      </track>
    </page>
  </site>)"_s;

const QString DefaultEngineNames = uR"(<i18n original="en">
    <display locale="en">Loop Engine</display>
    <display locale="de">Schleifenuebersetzer</display>
  </i18n>)"_s;

QString translatorsXml(const QString &entry, const QString &i18n)
{
    return uR"(<translators version="1">
      <translator id="loop" name="Plain Loop" entry="%1" method="post" version="1">
        <query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>
        <languages>
          <language id="en" name="eng"/>
          <language id="de" name="deu"/>
        </languages>
        <paths combination="listed"><path from="en" to="de"/></paths>
        %2
      </translator>
    </translators>)"_s.arg(entry, i18n);
}

bool registerProfiles(CLProcessor &processor, const QStringList &profiles)
{
    QList<CLSite *> sites;
    for (const QString &xml : profiles) {
        QDomDocument document;
        if (!document.setContent(xml))
            return false;
        CLProfileError error;
        CLSite *site = readProfile(document, &error);
        if (!site) {
            qWarning("%s", qPrintable(error.toString()));
            return false;
        }
        sites.append(site);
    }
    QString catalogue = u"<sites>"_s;
    for (const CLSite *site : std::as_const(sites))
        catalogue += u"<site id=\"%1\" version=\"1\" file=\"f.xml\"/>"_s.arg(site->id);
    catalogue += u"</sites>"_s;
    QDomDocument document;
    document.setContent(catalogue);
    bool ok = processor.parseCatalogue(document);
    for (CLSite *site : std::as_const(sites))
        ok = processor.registerSite(site) && ok;
    return ok;
}

bool installTranslator(CLProcessor &processor, const QString &entry,
                       const QString &i18n = DefaultEngineNames)
{
    QDomDocument document;
    if (!document.setContent(translatorsXml(entry, i18n)))
        return false;
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

struct Status
{
    int kind;
    int code;
    QString arg1;
};

QList<Status> statuses(const QSignalSpy &spy, bool withChatter = false)
{
    QList<Status> out;
    for (const QList<QVariant> &args : spy) {
        const int code = args.at(1).toInt();
        if (!withChatter && (code == 2112 || code == 2114))
            continue;
        out.append({int(args.at(0).value<CONetworkDataType>()), code, args.at(2).toString()});
    }
    return out;
}

QString describe(const QList<Status> &list)
{
    QStringList parts;
    for (const Status &status : list)
        parts.append(u"%1:%2"_s.arg(status.kind).arg(status.code));
    return parts.join(u' ');
}

// An article tree of a title followed by texts, as extraction would build it.
CLElement *makeArticle(int texts)
{
    auto *root = new CLElement(ArticlePage, u"en"_s, nullptr,
                               new CLData(u"http://news.example/article/1"_s), nullptr);
    new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(u"headline words"_s), root);
    for (int i = 1; i <= texts; ++i) {
        new CLElement(ArticleText, u"en"_s, nullptr, new CLData(u"paragraph number %1"_s.arg(i)),
                      root);
    }
    return root;
}

enum EmptyCall {
    EmptyIndexUrl,
    EmptyArticleUrl,
    EmptyImageUrl,
    EmptyCheckParameters,
    EmptyCheckUrl,
    NullCloneRoot,
    DownloadOfImageKind,
    DownloadWithoutKind,
};

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
    void busyHandlersMayCallBack_data();
    void busyHandlersMayCallBack();

    void errorStatus_data();
    void errorStatus();
    void failedReplyStatus_data();
    void failedReplyStatus();
    void timeoutStatus_data();
    void timeoutStatus();
    void installerGetsGraceTime();

    void pageProcessing_data();
    void pageProcessing();
    void articleSiteFromTopic();
    void versionCheck_data();
    void versionCheck();

    void articleTranslationPipeline();
    void attributionSuffix_data();
    void attributionSuffix();
    void blankTextsKeepOriginal_data();
    void blankTextsKeepOriginal();
    void failedTranslationNeverCompletes();
    void newTranslationRunDropsOldAnswers();
    void headlineTranslation();
    void headlineDestroyedInFlight();

    void downloads_data();
    void downloads();
    void spacesReportedEncoded_data();
    void spacesReportedEncoded();
    void emptyArgumentsIssueNothing_data();
    void emptyArgumentsIssueNothing();
    void progress_data();
    void progress();

private:
    /// Frees what the module hands over in tests that do not look at it.
    void discardResults();

    std::unique_ptr<ScriptedHttpServer> server;
    std::unique_ptr<CLProcessor> processor;
    std::unique_ptr<NetworkModule> module;
};

void TestNetworkModule::init()
{
    server = std::make_unique<ScriptedHttpServer>();
    QVERIFY(server->start());
    processor = std::make_unique<CLProcessor>();
    QVERIFY(registerProfiles(*processor,
                             {newsProfile(NewsSiteId, u"en"_s, u"(t)title"_s), TranslatorProfile}));
    QVERIFY(installTranslator(*processor, server->url(u"/translate"_s)));
    module = std::make_unique<NetworkModule>();
    module->processor = processor.get();
    module->replyTimeout = 10000;
    server->script("/index", {ScriptedAnswer::Answer, 200, "<html><h1>Front page</h1></html>"});
    server->script("/article", {ScriptedAnswer::Answer, 200, "<html><h1>Story</h1></html>"});
    server->script("/image.png", {ScriptedAnswer::Answer, 200, "PNGDATA", "image/png"});
    server->script("/translate", {ScriptedAnswer::Translate});
}

void TestNetworkModule::discardResults()
{
    connect(module.get(), &NetworkModule::indexPageLoaded, this,
            [](CLElement *tree) { delete tree; });
    connect(module.get(), &NetworkModule::articlePageLoaded, this,
            [](CLElement *tree) { delete tree; });
    connect(module.get(), &NetworkModule::imageDataLoaded, this,
            [](const QString &, QByteArray *data) { delete data; });
}

void TestNetworkModule::cleanup()
{
    module.reset();
    processor.reset();
    server.reset();
}

// Aborts ---------------------------------------------------------------------

void TestNetworkModule::abortScope_data()
{
    QTest::addColumn<int>("trigger");
    QTest::addColumn<QList<int>>("surviving");

    // In flight before the trigger: an index page, an article, an image, a
    // version check and a profile download, all on a server that never answers.
    QTest::newRow("index request ends index and article work, not updates")
        << 1 << QList<int>{NDT_VersionCheck, NDT_FileDownload};
    QTest::newRow("article request keeps the index page and updates")
        << 2 << QList<int>{NDT_IndexPage, NDT_VersionCheck, NDT_FileDownload};
    QTest::newRow("image request aborts nothing")
        << 3
        << QList<int>{NDT_IndexPage, NDT_ArticlePage, NDT_Image, NDT_VersionCheck,
                      NDT_FileDownload};
    QTest::newRow("abortCommuncation spares version check and downloads")
        << 0 << QList<int>{NDT_VersionCheck, NDT_FileDownload};
}

void TestNetworkModule::abortScope()
{
    QFETCH(int, trigger);
    QFETCH(QList<int>, surviving);
    discardResults();
    const ScriptedAnswer stall{ScriptedAnswer::Stall};
    for (const char *path :
         {"/index-stall", "/article-stall", "/image-stall", "/check-stall", "/file-stall"})
        server->script(path, stall);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    module->requestIndexPage(server->url(u"/index-stall"_s));
    module->requestArticlePage(server->url(u"/article-stall"_s));
    module->requestImage(server->url(u"/image-stall"_s));
    module->requestVersionCheck(server->url(u"/check-stall"_s), u"v=1"_s);
    module->downloadFile(server->url(u"/file-stall"_s), dir.filePath(u"site.xml"_s), u"0"_s,
                         QString(), NDT_FileDownload);
    QTRY_COMPARE(server->requests.size(), 5);

    switch (trigger) {
    case 1:
        module->requestIndexPage(server->url(u"/index"_s));
        break;
    case 2:
        module->requestArticlePage(server->url(u"/article"_s));
        break;
    case 3:
        module->requestImage(server->url(u"/image.png"_s));
        break;
    default:
        module->abortCommuncation();
        break;
    }
    for (const int kind : {int(NDT_IndexPage), int(NDT_ArticlePage), int(NDT_Image),
                           int(NDT_VersionCheck), int(NDT_FileDownload)}) {
        const int stalled = surviving.contains(kind) ? 1 : 0;
        // The trigger's own request is in flight too.
        const int own = (trigger == kind) ? 1 : 0;
        QVERIFY2(module->activeCount(kind) == stalled + own,
                 qPrintable(u"kind %1 has %2 replies"_s.arg(kind).arg(module->activeCount(kind))));
    }
    // Aborted replies close their connections rather than leaving them to the server.
    QTRY_COMPARE(server->abandoned, 5 - int(surviving.size()));
}

void TestNetworkModule::indexRequestDropsArticleWork()
{
    server->script("/article", {ScriptedAnswer::Answer, 200, "<h1>Late</h1>", "text/html", 800});
    server->script("/image.png", {ScriptedAnswer::Answer, 200, "PNG", "image/png", 800});
    QSignalSpy articles(module.get(), &NetworkModule::articlePageLoaded);
    QSignalSpy images(module.get(), &NetworkModule::imageDataLoaded);
    QSignalSpy indexes(module.get(), &NetworkModule::indexPageLoaded);
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);

    module->requestArticlePage(server->url(u"/article"_s));
    module->requestImage(server->url(u"/image.png?1"_s));
    module->requestImage(server->url(u"/image.png?2"_s));
    QTRY_COMPARE(server->requests.size(), 3);

    QStringList busy;
    connect(module.get(), &NetworkModule::activeOperationForArticle, this,
            [&busy](bool on) { busy.append(u"article:%1"_s.arg(on)); });
    connect(module.get(), &NetworkModule::activeOperationForIndex, this,
            [&busy](bool on) { busy.append(u"index:%1"_s.arg(on)); });
    status.clear();
    module->requestIndexPage(server->url(u"/index"_s));
    QCOMPARE(busy, QStringList({u"article:0"_s, u"index:1"_s}));

    QVERIFY(indexes.wait(5000));
    std::unique_ptr<CLElement> tree(indexes.at(0).at(0).value<CLElement *>());
    QTest::qWait(1000);
    QCOMPARE(articles.size(), 0);
    QCOMPARE(images.size(), 0);
    // Withdrawn replies report nothing, not even their cancellation.
    QCOMPARE(describe(statuses(status)), u"1:2102"_s);
}

void TestNetworkModule::busyHandlersMayCallBack_data()
{
    QTest::addColumn<int>("hook");
    QTest::newRow("article busy handler counts replies") << 0;
    QTest::newRow("article idle handler requests an image") << 1;
    QTest::newRow("index idle handler aborts everything") << 2;
    QTest::newRow("headlines done handler dispatches more") << 3;
}

void TestNetworkModule::busyHandlersMayCallBack()
{
    QFETCH(int, hook);
    server->script("/article-stall", {ScriptedAnswer::Stall});
    discardResults();
    int calls = 0;
    QList<int> countsSeen;
    switch (hook) {
    case 0:
        connect(module.get(), &NetworkModule::activeOperationForArticle, this, [&](bool) {
            ++calls;
            countsSeen.append(module->activeCount(NDT_ArticlePage));
        });
        break;
    case 1:
        connect(module.get(), &NetworkModule::activeOperationForArticle, this, [&](bool on) {
            if (!on && calls++ == 0)
                module->requestImage(server->url(u"/image.png"_s));
        });
        break;
    case 2:
        connect(module.get(), &NetworkModule::activeOperationForIndex, this, [&](bool on) {
            if (!on) {
                ++calls;
                module->abortCommuncation();
            }
        });
        break;
    default:
        connect(module.get(), &NetworkModule::indexItemTranslated, this,
                [](CLElement *result, TranslatableHeadline *) { delete result; });
        connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this, [&] {
            ++calls;
            module->dispatchIndexItemTranslations(u"de"_s);
        });
        break;
    }

    if (hook == 3) {
        Headline headline(u"en"_s, u"tide"_s);
        module->indexItemQueue.append(&headline);
        module->dispatchIndexItemTranslations(u"de"_s);
        QTRY_COMPARE(calls, 1);
        QCOMPARE(module->activeCount(NDT_IndexItemTranslation), 0);
        return;
    }
    module->requestArticlePage(server->url(u"/article-stall"_s));
    module->requestIndexPage(server->url(u"/index"_s));
    QTRY_VERIFY(calls > 0);
    if (hook == 0)
        QCOMPARE(countsSeen, QList<int>({1, 0}));
    if (hook == 1)
        QTRY_COMPARE(module->activeCount(NDT_Image), 0);
}

// Status events ----------------------------------------------------------------

void TestNetworkModule::errorStatus_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("expected"); // 0: no event

    QTest::newRow("no error is silent") << 0 << 0;
    QTest::newRow("connection refused") << int(QNetworkReply::ConnectionRefusedError) << 2106;
    QTest::newRow("remote host closed") << int(QNetworkReply::RemoteHostClosedError) << 2106;
    QTest::newRow("host not found") << int(QNetworkReply::HostNotFoundError) << 2106;
    QTest::newRow("timeout") << int(QNetworkReply::TimeoutError) << 2107;
    QTest::newRow("operation canceled") << int(QNetworkReply::OperationCanceledError) << 2108;
    QTest::newRow("ssl handshake") << int(QNetworkReply::SslHandshakeFailedError) << 2106;
    QTest::newRow("temporary failure") << int(QNetworkReply::TemporaryNetworkFailureError) << 2106;
    QTest::newRow("network session failed")
        << int(QNetworkReply::NetworkSessionFailedError) << 2106;
    QTest::newRow("background request refused")
        << int(QNetworkReply::BackgroundRequestNotAllowedError) << 2106;
    QTest::newRow("too many redirects") << int(QNetworkReply::TooManyRedirectsError) << 2111;
    QTest::newRow("insecure redirect") << int(QNetworkReply::InsecureRedirectError) << 2111;
    QTest::newRow("unknown network") << int(QNetworkReply::UnknownNetworkError) << 2111;
    QTest::newRow("proxy refused") << int(QNetworkReply::ProxyConnectionRefusedError) << 2109;
    QTest::newRow("proxy closed") << int(QNetworkReply::ProxyConnectionClosedError) << 2109;
    QTest::newRow("proxy not found") << int(QNetworkReply::ProxyNotFoundError) << 2109;
    QTest::newRow("proxy timeout") << int(QNetworkReply::ProxyTimeoutError) << 2109;
    QTest::newRow("proxy authentication")
        << int(QNetworkReply::ProxyAuthenticationRequiredError) << 2109;
    QTest::newRow("unknown proxy") << int(QNetworkReply::UnknownProxyError) << 2109;
    QTest::newRow("unlisted proxy code") << 150 << 2109;
    QTest::newRow("access denied") << int(QNetworkReply::ContentAccessDenied) << 2110;
    QTest::newRow("operation not permitted")
        << int(QNetworkReply::ContentOperationNotPermittedError) << 2110;
    QTest::newRow("not found") << int(QNetworkReply::ContentNotFoundError) << 2110;
    QTest::newRow("authentication required")
        << int(QNetworkReply::AuthenticationRequiredError) << 2110;
    QTest::newRow("content resend") << int(QNetworkReply::ContentReSendError) << 2110;
    QTest::newRow("content conflict") << int(QNetworkReply::ContentConflictError) << 2110;
    QTest::newRow("content gone") << int(QNetworkReply::ContentGoneError) << 2110;
    QTest::newRow("unknown content") << int(QNetworkReply::UnknownContentError) << 2110;
    QTest::newRow("unlisted content code") << 200 << 2110;
    QTest::newRow("protocol unknown") << int(QNetworkReply::ProtocolUnknownError) << 2111;
    QTest::newRow("protocol invalid operation")
        << int(QNetworkReply::ProtocolInvalidOperationError) << 2111;
    QTest::newRow("protocol failure") << int(QNetworkReply::ProtocolFailure) << 2111;
    QTest::newRow("unlisted protocol code") << 300 << 2111;
    QTest::newRow("internal server error") << int(QNetworkReply::InternalServerError) << 2110;
    QTest::newRow("not implemented") << int(QNetworkReply::OperationNotImplementedError) << 2110;
    QTest::newRow("service unavailable") << int(QNetworkReply::ServiceUnavailableError) << 2110;
    QTest::newRow("unknown server") << int(QNetworkReply::UnknownServerError) << 2110;
    QTest::newRow("code from a future release") << 612 << 2111;
}

void TestNetworkModule::errorStatus()
{
    QFETCH(int, error);
    QFETCH(int, expected);
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    module->handleReplyError(QNetworkReply::NetworkError(error), NDT_IndexPage);
    if (expected == 0) {
        QCOMPARE(status.size(), 0);
        return;
    }
    QCOMPARE(describe(statuses(status)), u"1:%1"_s.arg(expected));
}

void TestNetworkModule::failedReplyStatus_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<int>("expected");

    QTest::newRow("missing index page shows remote content error")
        << 1 << int(ScriptedAnswer::Answer) << 404 << 2110;
    QTest::newRow("forbidden article") << 2 << int(ScriptedAnswer::Answer) << 403 << 2110;
    QTest::newRow("server error on index page") << 1 << int(ScriptedAnswer::Answer) << 500 << 2110;
    QTest::newRow("unavailable service for an image")
        << 3 << int(ScriptedAnswer::Answer) << 503 << 2110;
    QTest::newRow("body cut short") << 2 << int(ScriptedAnswer::CutBody) << 200 << 2106;
    QTest::newRow("garbage answer") << 1 << int(ScriptedAnswer::Garbage) << 200 << 2106;
    QTest::newRow("nobody listening") << 1 << -1 << 0 << 2106;
}

void TestNetworkModule::failedReplyStatus()
{
    QFETCH(int, kind);
    QFETCH(int, mode);
    QFETCH(int, httpStatus);
    QFETCH(int, expected);

    QString url = server->url(u"/failing"_s);
    if (mode < 0) {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        url = u"http://127.0.0.1:%1/index"_s.arg(closed.serverPort());
        closed.close();
    } else {
        server->script("/failing", {ScriptedAnswer::Mode(mode), httpStatus,
                                    "<html><h1>error page</h1></html>"});
    }
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    QSignalSpy indexes(module.get(), &NetworkModule::indexPageLoaded);
    QSignalSpy articles(module.get(), &NetworkModule::articlePageLoaded);
    QSignalSpy images(module.get(), &NetworkModule::imageDataLoaded);
    QSignalSpy articleBusy(module.get(), &NetworkModule::activeOperationForArticle);
    QSignalSpy indexBusy(module.get(), &NetworkModule::activeOperationForIndex);
    if (kind == 1)
        module->requestIndexPage(url);
    else if (kind == 2)
        module->requestArticlePage(url);
    else
        module->requestImage(url);

    QSignalSpy &busy = kind == 1 ? indexBusy : articleBusy;
    QTRY_COMPARE(busy.size(), 2);
    QCOMPARE(busy.at(1).at(0).toBool(), false);
    // Reported once through the error signal and once when the reply finishes.
    const QString event = u"%1:%2"_s.arg(kind).arg(expected);
    QCOMPARE(describe(statuses(status)), event + u' ' + event);
    QCOMPARE(indexes.size() + articles.size() + images.size(), 0);
    QCOMPARE(module->activeCount(kind), 0);
}

void TestNetworkModule::timeoutStatus_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("index page") << int(NDT_IndexPage);
    QTest::newRow("article page") << int(NDT_ArticlePage);
    QTest::newRow("image") << int(NDT_Image);
    QTest::newRow("version check answers null") << int(NDT_VersionCheck);
    QTest::newRow("profile download reports failure") << int(NDT_FileDownload);
}

void TestNetworkModule::timeoutStatus()
{
    QFETCH(int, kind);
    server->script("/slow%20file", {ScriptedAnswer::Stall});
    module->replyTimeout = 150;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    QSignalSpy checks(module.get(), &NetworkModule::versionCheckRespond);
    QSignalSpy downloads(module.get(), &NetworkModule::notifyDownloadResult);
    const QString url = server->url(u"/slow file"_s);
    switch (kind) {
    case NDT_IndexPage:
        module->requestIndexPage(url);
        break;
    case NDT_ArticlePage:
        module->requestArticlePage(url);
        break;
    case NDT_Image:
        module->requestImage(url);
        break;
    case NDT_VersionCheck:
        module->requestVersionCheck(url, u"v=1"_s);
        break;
    default:
        module->downloadFile(url, dir.filePath(u"f.xml"_s), u"0"_s, QString(), NDT_FileDownload);
        break;
    }
    QTRY_COMPARE(module->activeCount(kind), 0);
    QCOMPARE(describe(statuses(status)), u"%1:2107"_s.arg(kind));
    QCOMPARE(server->requests.size(), 1);
    QTRY_COMPARE(server->abandoned, 1);
    if (kind == NDT_VersionCheck) {
        QCOMPARE(checks.size(), 1);
        QCOMPARE(checks.at(0).at(0).value<QByteArray *>(), nullptr);
    } else {
        QCOMPARE(checks.size(), 0);
    }
    if (kind == NDT_FileDownload) {
        QCOMPARE(downloads.size(), 1);
        QCOMPARE(downloads.at(0).at(0).toString(), server->url(u"/slow%20file"_s));
        QCOMPARE(downloads.at(0).at(2).toBool(), false);
    } else {
        QCOMPARE(downloads.size(), 0);
    }
}

void TestNetworkModule::installerGetsGraceTime()
{
    server->script("/setup.exe", {ScriptedAnswer::Stall});
    module->replyTimeout = 100;
    module->installerGraceTimeout = 500;
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    QSignalSpy downloads(module.get(), &NetworkModule::notifyDownloadResult);
    QElapsedTimer clock;
    clock.start();
    module->downloadFile(server->url(u"/setup.exe"_s), dir.filePath(u"setup.exe"_s), u"0"_s,
                         QString(), NDT_SoftwareDownload);
    QTest::qWait(350);
    QCOMPARE(downloads.size(), 0);
    QCOMPARE(module->activeCount(NDT_SoftwareDownload), 1);

    QVERIFY(downloads.wait(3000));
    QVERIFY2(clock.elapsed() >= 550, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(downloads.at(0).at(1).value<CONetworkDataType>(), NDT_SoftwareDownload);
    QCOMPARE(downloads.at(0).at(2).toBool(), false);
    QCOMPARE(describe(statuses(status)), u"7:2107"_s);
    QCOMPARE(module->activeCount(NDT_SoftwareDownload), 0);
}

// Page processing -------------------------------------------------------------

void TestNetworkModule::pageProcessing_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("withProcessor");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("title");

    QTest::newRow("index tree") << 1 << u"/index"_s << true << u"1:2102"_s << u"Front page"_s;
    QTest::newRow("article tree") << 2 << u"/article"_s << true << u"2:2103"_s << u"Story"_s;
    QTest::newRow("page no profile accepts")
        << 2 << u"/unknown"_s << true << u"2:2101"_s << QString();
    QTest::newRow("no processor") << 1 << u"/index"_s << false << u"1:2101"_s << QString();
    QTest::newRow("image bytes pass through")
        << 3 << u"/image.png"_s << true << u"3:2100"_s << u"PNGDATA"_s;
}

void TestNetworkModule::pageProcessing()
{
    QFETCH(int, kind);
    QFETCH(QString, path);
    QFETCH(bool, withProcessor);
    QFETCH(QString, events);
    QFETCH(QString, title);
    server->script("/unknown", {ScriptedAnswer::Answer, 200, "<h1>x</h1>"});
    if (!withProcessor)
        module->processor = nullptr;
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    QSignalSpy indexes(module.get(), &NetworkModule::indexPageLoaded);
    QSignalSpy articles(module.get(), &NetworkModule::articlePageLoaded);
    QSignalSpy images(module.get(), &NetworkModule::imageDataLoaded);
    if (kind == 1)
        module->requestIndexPage(server->url(path));
    else if (kind == 2)
        module->requestArticlePage(server->url(path));
    else
        module->requestImage(server->url(path));
    QTRY_COMPARE(module->activeCount(kind), 0);
    QCOMPARE(describe(statuses(status)), events);

    QString got;
    if (!indexes.isEmpty() || !articles.isEmpty()) {
        std::unique_ptr<CLElement> tree(
            (indexes.isEmpty() ? articles : indexes).at(0).at(0).value<CLElement *>());
        QVERIFY(!tree->children.isEmpty());
        got = tree->children.at(0)->text();
    } else if (!images.isEmpty()) {
        std::unique_ptr<QByteArray> bytes(images.at(0).at(1).value<QByteArray *>());
        got = QString::fromLatin1(*bytes);
    }
    QCOMPARE(got, title);
}

void TestNetworkModule::articleSiteFromTopic()
{
    QVERIFY(registerProfiles(*processor, {newsProfile(NewsSiteId, u"en"_s, u"(t)title"_s),
                                          newsProfile(OtherSiteId, u"fr"_s, u"(t)titre"_s),
                                          TranslatorProfile}));
    const CLTopic *topic = nullptr;
    for (const CLSiteIndexItem *entry : std::as_const(processor->siteIndex)) {
        if (entry->id == OtherSiteId)
            topic = entry->site->pages.at(0)->tracks.at(0)->topics.at(0);
    }
    QVERIFY(topic);
    QSignalSpy articles(module.get(), &NetworkModule::articlePageLoaded);
    module->requestArticlePage(server->url(u"/article"_s), const_cast<CLTopic *>(topic));
    QVERIFY(articles.wait(5000));
    std::unique_ptr<CLElement> tree(articles.at(0).at(0).value<CLElement *>());
    // Both sites accept the URL; only the topic's own site may build the tree.
    QCOMPARE(tree->language, u"fr"_s);
}

void TestNetworkModule::versionCheck_data()
{
    QTest::addColumn<int>("httpStatus");
    QTest::addColumn<bool>("answered");
    QTest::newRow("answer handed on") << 200 << true;
    QTest::newRow("failed check answers null") << 500 << false;
}

void TestNetworkModule::versionCheck()
{
    QFETCH(int, httpStatus);
    QFETCH(bool, answered);
    server->script("/check", {ScriptedAnswer::Answer, httpStatus, "<versions/>", "text/xml"});
    QSignalSpy checks(module.get(), &NetworkModule::versionCheckRespond);
    const QString parameters = u"os=3&lang=de&v=1.2 beta"_s;
    module->requestVersionCheck(server->url(u"/check"_s), parameters);
    QVERIFY(checks.wait(5000));
    std::unique_ptr<QByteArray> data(checks.at(0).at(0).value<QByteArray *>());
    QCOMPARE(bool(data), answered);
    if (answered)
        QCOMPARE(*data, QByteArray("<versions/>"));

    const ScriptedRequest request = server->requestsFor("/check").value(0);
    QCOMPARE(request.method, QByteArray("POST"));
    // The parameters are already in their final form: no second encoding.
    QCOMPARE(request.body, parameters.toUtf8());
    QCOMPARE(request.headers.value("content-type"),
             QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(module->activeCount(NDT_VersionCheck), 0);
}

// Article translation -------------------------------------------------------------

void TestNetworkModule::articleTranslationPipeline()
{
    server->script("/translate", {ScriptedAnswer::Translate, 200, {}, "text/html", 20});
    std::unique_ptr<CLElement> article(makeArticle(34));
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    QSignalSpy translated(module.get(), &NetworkModule::articleTranslated);
    QList<int> inFlightAtIssue;
    connect(module.get(), &NetworkModule::notifyNetworkStatus, this,
            [&](CONetworkDataType, int code, const QString &url) {
                if (code == 2112 && url.contains(u"/translate"_s))
                    inFlightAtIssue.append(module->activeCount(NDT_ArticleTranslation));
            });

    module->requestArticleTranslation(clone.get());
    QCOMPARE(inFlightAtIssue.size(), 30);
    QCOMPARE(module->activeCount(NDT_ArticleTranslation), 30);
    QCOMPARE(module->articleTranslationQueue.size(), 5);

    QVERIFY(translated.wait(10000));
    QTest::qWait(100);
    QCOMPARE(translated.size(), 1);
    QCOMPARE(translated.at(0).at(0).value<CLElement *>(), clone.get());
    QCOMPARE(inFlightAtIssue.size(), 35);
    for (const int count : std::as_const(inFlightAtIssue))
        QVERIFY2(count <= 30, "more translations in flight than allowed");
    QCOMPARE(server->requestsFor("/translate").size(), 35);

    QCOMPARE(clone->children.size(), 35);
    QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
    QCOMPARE(clone->children.at(7)->text(), u"PARAGRAPH NUMBER 7\n(Schleifenuebersetzer)"_s);
    for (const CLElement *child : std::as_const(clone->children))
        QVERIFY2(child->value, "an element was left without its translation");

    const ScriptedRequest first = server->requestsFor("/translate").value(0);
    QCOMPARE(first.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
    const QHash<QString, QString> fields = first.formFields();
    QCOMPARE(fields.value(u"sl"_s), u"eng"_s);
    QCOMPARE(fields.value(u"tl"_s), u"deu"_s);
}

void TestNetworkModule::attributionSuffix_data()
{
    QTest::addColumn<QString>("i18n");
    QTest::addColumn<QString>("suffix");

    QTest::newRow("name in the target language")
        << DefaultEngineNames << u"\n(Schleifenuebersetzer)"_s;
    QTest::newRow("original name when the target has none")
        << uR"(<i18n original="en"><display locale="en">Loop Engine</display></i18n>)"_s
        << u"\n(Loop Engine)"_s;
    QTest::newRow("plain name without localised names") << QString() << u"\n(Plain Loop)"_s;
}

void TestNetworkModule::attributionSuffix()
{
    QFETCH(QString, i18n);
    QFETCH(QString, suffix);
    QVERIFY(installTranslator(*processor, server->url(u"/translate"_s), i18n));
    std::unique_ptr<CLElement> article(makeArticle(1));
    auto *caption = new CLElement(
        ArticleImage, u"en"_s, nullptr,
        new CLURLData(u"http://img.example/a.png"_s, u"harbour"_s, URLImage), article.get());
    Q_UNUSED(caption)
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    QSignalSpy translated(module.get(), &NetworkModule::articleTranslated);
    module->requestArticleTranslation(clone.get());
    QVERIFY(translated.wait(5000));

    // Only the article's text carries the attribution.
    QCOMPARE(clone->children.at(0)->text(), u"HEADLINE WORDS"_s);
    QCOMPARE(clone->children.at(1)->text(), u"PARAGRAPH NUMBER 1"_s + suffix);
    const CLURLData *image = clone->children.at(2)->value->asURL();
    QVERIFY(image);
    QCOMPARE(image->title, u"HARBOUR"_s);
    QCOMPARE(image->url, u"http://img.example/a.png"_s);
}

void TestNetworkModule::blankTextsKeepOriginal_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isLink");
    QTest::addColumn<QString>("text");

    QTest::newRow("image without caption") << int(ArticleImage) << true << QString();
    QTest::newRow("next page link without title") << int(ArticleNextPage) << true << QString();
    QTest::newRow("blank paragraph") << int(ArticleText) << false << u" \n "_s;
}

void TestNetworkModule::blankTextsKeepOriginal()
{
    QFETCH(int, kind);
    QFETCH(bool, isLink);
    QFETCH(QString, text);
    std::unique_ptr<CLElement> article(makeArticle(0));
    CLData *value =
        isLink ? new CLURLData(u"http://img.example/b.png"_s, text, URLImage) : new CLData(text);
    new CLElement(kind, u"en"_s, nullptr, value, article.get());
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    QSignalSpy translated(module.get(), &NetworkModule::articleTranslated);

    module->requestArticleTranslation(clone.get());
    // Only the title goes out: a blank text has nothing an engine could answer.
    QVERIFY(translated.wait(5000));
    QCOMPARE(server->requestsFor("/translate").size(), 1);
    QCOMPARE(server->requestsFor("/translate").at(0).formFields().value(u"q"_s),
             u"headline words"_s);
    const CLData *kept = clone->children.at(1)->value;
    QVERIFY(kept);
    if (isLink) {
        QVERIFY(kept->asURL());
        QCOMPARE(kept->asURL()->url, u"http://img.example/b.png"_s);
    } else {
        QCOMPARE(kept->text, text);
    }
}

void TestNetworkModule::failedTranslationNeverCompletes()
{
    server->script("/translate",
                   {ScriptedAnswer::Translate, 200, {}, "text/html", 10, u"engine-breaker"_s});
    // Text 30 of 31 elements fails; element 31 waits until an answer frees a slot.
    std::unique_ptr<CLElement> article(makeArticle(30));
    article->children.at(29)->value->text = u"engine-breaker"_s;
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    QSignalSpy translated(module.get(), &NetworkModule::articleTranslated);
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);

    module->requestArticleTranslation(clone.get());
    QCOMPARE(module->articleTranslationQueue.size(), 1);
    QTRY_COMPARE(server->requestsFor("/translate").size(), 31);
    QTRY_COMPARE(module->activeCount(NDT_ArticleTranslation), 0);
    QTest::qWait(100);
    QCOMPARE(translated.size(), 0);
    int done = 0;
    int pending = 0;
    QVERIFY(!countTranslation(clone.get(), done, pending));
    QCOMPARE(pending, 1);
    QVERIFY(!clone->children.at(29)->value);
    QCOMPARE(describe(statuses(status)), u"5:2110 5:2110"_s);
}

void TestNetworkModule::newTranslationRunDropsOldAnswers()
{
    server->script("/translate", {ScriptedAnswer::Translate, 200, {}, "text/html", 1000});
    std::unique_ptr<CLElement> article(makeArticle(3));
    auto *oldClone = new CLElement(article.get(), u"de"_s, nullptr);
    QSignalSpy translated(module.get(), &NetworkModule::articleTranslated);
    module->requestArticleTranslation(oldClone);
    QTRY_COMPARE(server->requestsFor("/translate").size(), 4);

    // The window destroys the old clone before it asks for a new translation.
    delete oldClone;
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"de"_s, nullptr));
    module->requestArticleTranslation(clone.get());
    QCOMPARE(module->activeCount(NDT_ArticleTranslation), 4);
    QVERIFY(translated.wait(5000));
    QTest::qWait(400);
    QCOMPARE(translated.size(), 1);
    QCOMPARE(translated.at(0).at(0).value<CLElement *>(), clone.get());
    QCOMPARE(server->abandoned, 4);
}

// Headline translation ------------------------------------------------------------

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

    QStringList order;
    QHash<TranslatableHeadline *, QString> results;
    connect(module.get(), &NetworkModule::indexItemTranslated, this,
            [&](CLElement *result, TranslatableHeadline *item) {
                std::unique_ptr<CLElement> tree(result);
                QVERIFY(!tree->children.isEmpty());
                QCOMPARE(tree->children.at(0)->language, u"de"_s);
                results.insert(item, tree->children.at(0)->text());
                order.append(u"item"_s);
            });
    connect(module.get(), &NetworkModule::indexItemTranslationCompleted, this,
            [&] { order.append(u"completed"_s); });
    connect(module.get(), &NetworkModule::activeOperationForIndex, this,
            [&](bool on) { order.append(on ? u"busy"_s : u"idle"_s); });

    module->dispatchIndexItemTranslations(u"de"_s);
    QCOMPARE(module->activeCount(NDT_IndexItemTranslation), 30);
    QCOMPARE(module->indexItemQueue.size(), 5);
    QTRY_COMPARE(order.count(u"completed"_s), 1);
    QTest::qWait(100);
    QCOMPARE(order.count(u"completed"_s), 1);
    QCOMPARE(results.size(), 35);
    for (const auto &headline : headlines) {
        QCOMPARE(results.value(headline.get()), headline->names.displays.value(u"en"_s).toUpper());
    }
    QCOMPARE(order.mid(order.size() - 3), QStringList({u"item"_s, u"completed"_s, u"idle"_s}));
    QCOMPARE(server->requestsFor("/translate").size(), 35);
}

void TestNetworkModule::headlineDestroyedInFlight()
{
    server->script("/translate", {ScriptedAnswer::Translate, 200, {}, "text/html", 800});
    Headline first(u"en"_s, u"first"_s);
    auto *second = new Headline(u"en"_s, u"second"_s);
    Headline third(u"en"_s, u"third"_s);
    module->indexItemQueue = {&first, second, &third};
    QList<TranslatableHeadline *> delivered;
    connect(module.get(), &NetworkModule::indexItemTranslated, this,
            [&](CLElement *result, TranslatableHeadline *item) {
                delete result;
                delivered.append(item);
            });
    QSignalSpy completed(module.get(), &NetworkModule::indexItemTranslationCompleted);
    module->dispatchIndexItemTranslations(u"de"_s);
    QTRY_COMPARE(server->requestsFor("/translate").size(), 3);
    // The index view replaced its entries while the answers were on their way.
    delete second;
    QVERIFY(completed.wait(5000));
    QCOMPARE(delivered, QList<TranslatableHeadline *>({&first, &third}));
}

// Downloads -------------------------------------------------------------------------

void TestNetworkModule::downloads_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expectedBytes");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("bodySize");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("written");

    const int answer = ScriptedAnswer::Answer;
    QTest::newRow("any size when none is expected")
        << u"site.xml"_s << u"0"_s << answer << 777 << true << u"site.xml"_s;
    QTest::newRow("expected size matches")
        << u"site.xml"_s << u"1234"_s << answer << 1234 << true << u"site.xml"_s;
    QTest::newRow("one byte short is rejected")
        << u"site.xml"_s << u"1234"_s << answer << 1233 << false << QString();
    QTest::newRow("one byte long is rejected")
        << u"site.xml"_s << u"1234"_s << answer << 1235 << false << QString();
    QTest::newRow("ra suffix dropped")
        << u"site.xml.ra"_s << u"0"_s << answer << 50 << true << u"site.xml"_s;
    QTest::newRow("body cut mid-way keeps the old file")
        << u"site.xml"_s << u"0"_s << int(ScriptedAnswer::CutBody) << 4000 << false << QString();
    QTest::newRow("http error keeps the old file")
        << u"site.xml"_s << u"0"_s << -404 << 100 << false << QString();
    QTest::newRow("parent directory escape")
        << u"../escape.xml"_s << u"0"_s << answer << 10 << false << QString();
    QTest::newRow("parent in the middle")
        << u"sub/../../escape.xml"_s << u"0"_s << answer << 10 << false << QString();
    QTest::newRow("backslash separator")
        << u"..\\escape.xml"_s << u"0"_s << answer << 10 << false << QString();
    QTest::newRow("empty file name") << QString() << u"0"_s << answer << 10 << false << QString();
    QTest::newRow("only the ra suffix") << u".ra"_s << u"0"_s << answer << 10 << false << QString();
    QTest::newRow("dot dot with ra suffix")
        << u"...ra"_s << u"0"_s << answer << 10 << false << QString();
}

void TestNetworkModule::downloads()
{
    QFETCH(QString, name);
    QFETCH(QString, expectedBytes);
    QFETCH(int, mode);
    QFETCH(int, bodySize);
    QFETCH(bool, ok);
    QFETCH(QString, written);

    QTemporaryDir root;
    QVERIFY(root.isValid());
    QVERIFY(QDir(root.path()).mkpath(u"profiles/sub"_s));
    const QString dir = root.filePath(u"profiles"_s);
    const QByteArray oldContent = "<site old=\"yes\"/>";
    QVERIFY(saveBytes(oldContent, dir + u"/site.xml"_s));

    QByteArray body(bodySize, 'x');
    for (int i = 0; i < bodySize; ++i)
        body[i] = char('a' + i % 26);
    if (mode == -404)
        server->script("/files/payload", {ScriptedAnswer::Answer, 404, body});
    else
        server->script("/files/payload", {ScriptedAnswer::Mode(mode), 200, body, "text/xml"});

    QSignalSpy results(module.get(), &NetworkModule::notifyDownloadResult);
    module->downloadFile(server->url(u"/files/payload"_s), dir + u'/' + name, expectedBytes,
                         u"1a2b"_s, NDT_FileDownload);
    QVERIFY(results.wait(5000));
    QCOMPARE(results.size(), 1);
    QCOMPARE(results.at(0).at(0).toString(), server->url(u"/files/payload"_s));
    QCOMPARE(results.at(0).at(1).value<CONetworkDataType>(), NDT_FileDownload);
    QCOMPARE(results.at(0).at(2).toBool(), ok);
    QCOMPARE(module->activeCount(NDT_FileDownload), 0);

    QStringList everything;
    QDirIterator it(root.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        everything.append(QDir(root.path()).relativeFilePath(it.next()));
    everything.sort();
    QCOMPARE(everything, QStringList({u"profiles/site.xml"_s}));
    QFile file(dir + u"/site.xml"_s);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written.isEmpty() ? oldContent : body);
}

void TestNetworkModule::spacesReportedEncoded_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("image url") << int(NDT_Image);
    QTest::newRow("download url") << int(NDT_FileDownload);
}

void TestNetworkModule::spacesReportedEncoded()
{
    QFETCH(int, kind);
    server->script("/my%20photo.png", {ScriptedAnswer::Answer, 200, "PNG", "image/png"});
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSignalSpy images(module.get(), &NetworkModule::imageDataLoaded);
    QSignalSpy downloads(module.get(), &NetworkModule::notifyDownloadResult);
    const QString url = server->url(u"/my photo.png"_s);
    if (kind == NDT_Image)
        module->requestImage(url);
    else
        module->downloadFile(url, dir.filePath(u"photo.png"_s), u"3"_s, QString(),
                             NDT_FileDownload);
    QSignalSpy &spy = kind == NDT_Image ? images : downloads;
    QVERIFY(spy.wait(5000));
    QCOMPARE(spy.at(0).at(0).toString(), server->url(u"/my%20photo.png"_s));
    if (kind == NDT_Image)
        delete images.at(0).at(1).value<QByteArray *>();
    else
        QCOMPARE(downloads.at(0).at(2).toBool(), true);
}

void TestNetworkModule::emptyArgumentsIssueNothing_data()
{
    QTest::addColumn<int>("call");
    QTest::newRow("index page without url") << int(EmptyIndexUrl);
    QTest::newRow("article page without url") << int(EmptyArticleUrl);
    QTest::newRow("image without url") << int(EmptyImageUrl);
    QTest::newRow("version check without parameters") << int(EmptyCheckParameters);
    QTest::newRow("version check without url") << int(EmptyCheckUrl);
    QTest::newRow("translation of no article") << int(NullCloneRoot);
    QTest::newRow("download of an image kind") << int(DownloadOfImageKind);
    QTest::newRow("download without kind") << int(DownloadWithoutKind);
}

void TestNetworkModule::emptyArgumentsIssueNothing()
{
    QFETCH(int, call);
    server->script("/any", {ScriptedAnswer::Answer, 200, "<h1>x</h1>"});
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    QSignalSpy indexBusy(module.get(), &NetworkModule::activeOperationForIndex);
    QSignalSpy articleBusy(module.get(), &NetworkModule::activeOperationForArticle);
    QSignalSpy downloads(module.get(), &NetworkModule::notifyDownloadResult);
    const QString url = server->url(u"/any"_s);
    switch (call) {
    case EmptyIndexUrl:
        module->requestIndexPage(QString());
        break;
    case EmptyArticleUrl:
        module->requestArticlePage(QString());
        break;
    case EmptyImageUrl:
        module->requestImage(QString());
        break;
    case EmptyCheckParameters:
        module->requestVersionCheck(url, QString());
        break;
    case EmptyCheckUrl:
        module->requestVersionCheck(QString(), u"v=1"_s);
        break;
    case NullCloneRoot:
        module->requestArticleTranslation(nullptr);
        break;
    case DownloadOfImageKind:
        module->downloadFile(url, dir.filePath(u"x"_s), u"0"_s, QString(), NDT_Image);
        break;
    default:
        module->downloadFile(url, dir.filePath(u"x"_s));
        break;
    }
    QTest::qWait(200);
    QCOMPARE(status.size(), 0);
    QCOMPARE(indexBusy.size() + articleBusy.size() + downloads.size(), 0);
    QCOMPARE(server->requests.size(), 0);
    QVERIFY(module->activeReplies.isEmpty());
}

void TestNetworkModule::progress_data()
{
    QTest::addColumn<qint64>("received");
    QTest::addColumn<qint64>("total");
    QTest::addColumn<QString>("reported"); // null: nothing

    QTest::newRow("nothing received yet") << qint64(0) << qint64(100) << QString();
    QTest::newRow("unknown amount") << qint64(-1) << qint64(-1) << QString();
    QTest::newRow("bytes received") << qint64(4096) << qint64(0) << u"4096"_s;
    QTest::newRow("beyond 32 bits") << qint64(5000000000) << qint64(-1) << u"5000000000"_s;
}

void TestNetworkModule::progress()
{
    QFETCH(qint64, received);
    QFETCH(qint64, total);
    QFETCH(QString, reported);
    QSignalSpy status(module.get(), &NetworkModule::notifyNetworkStatus);
    module->downloadProgressUpdate(received, total);
    if (reported.isNull()) {
        QCOMPARE(status.size(), 0);
        return;
    }
    QCOMPARE(status.size(), 1);
    QCOMPARE(status.at(0).at(0).value<CONetworkDataType>(), NDT_None);
    QCOMPARE(status.at(0).at(1).toInt(), 2114);
    QCOMPARE(status.at(0).at(2).toString(), reported);
}

QTEST_GUILESS_MAIN(TestNetworkModule)
#include "tst_networkmodule.moc"
