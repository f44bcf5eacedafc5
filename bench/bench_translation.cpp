// Times the translation of a 35-element article against a loopback engine
// that answers every request after 100 ms, next to the bound of sending one
// request at a time and the ideal of the pipeline (30 at once, then the rest).
#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "cltranslator.h"
#include "networkmodule.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

const int Elements = 35;
const int AnswerDelayMs = 100;

// Answers each POST with the upper-cased form field "q" after a fixed delay.
class SlowEngine : public QTcpServer
{
public:
    SlowEngine()
    {
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { read(socket); });
                connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    int requests = 0;

private:
    void read(QTcpSocket *socket)
    {
        QByteArray &buffer = m_buffers[socket];
        buffer += socket->readAll();
        const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        const QByteArray head = buffer.left(headerEnd).toLower();
        const qsizetype lengthAt = head.indexOf("content-length:");
        qsizetype length = 0;
        if (lengthAt >= 0) {
            const qsizetype end = head.indexOf('\r', lengthAt);
            length =
                head.mid(lengthAt + 15, end < 0 ? -1 : end - lengthAt - 15).trimmed().toLongLong();
        }
        if (buffer.size() < headerEnd + 4 + length)
            return;
        QString text;
        const QList<QByteArray> fields = buffer.mid(headerEnd + 4, length).split('&');
        for (const QByteArray &field : fields) {
            if (field.startsWith("q="))
                text = QString::fromUtf8(QByteArray::fromPercentEncoding(field.mid(2)));
        }
        m_buffers.remove(socket);
        ++requests;
        const QByteArray body =
            "<html><div class=\"out\">" + text.toUpper().toHtmlEscaped().toUtf8() + "</div></html>";
        QPointer<QTcpSocket> guarded(socket);
        QTimer::singleShot(AnswerDelayMs, this, [guarded, body] {
            if (!guarded)
                return;
            guarded->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: " +
                           QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" +
                           body);
            guarded->disconnectFromHost();
        });
    }

    QHash<QTcpSocket *, QByteArray> m_buffers;
};

const char AnswerProfile[] = R"(<site name="Bench engine" id="(s)TRbench" locale="en"
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
</site>)";

bool setUp(CLProcessor &processor, quint16 port)
{
    QDomDocument profile;
    if (!profile.setContent(QByteArray(AnswerProfile)))
        return false;
    CLSite *site = readProfile(profile);
    if (!site)
        return false;
    QDomDocument catalogue;
    catalogue.setContent(
        QStringLiteral("<sites><site id=\"%1\" version=\"1\" file=\"b.xml\"/></sites>")
            .arg(site->id));
    if (!processor.parseCatalogue(catalogue) || !processor.registerSite(site)) {
        delete site;
        return false;
    }
    QDomDocument engines;
    engines.setContent(
        QStringLiteral(
            "<translators version=\"1\"><translator id=\"bench\" name=\"Bench\" "
            "entry=\"http://127.0.0.1:%1/translate\" method=\"post\" version=\"1\">"
            "<query>sl={{SRCLANG}}&amp;tl={{TGTLANG}}&amp;q={{SRCTEXT}}</query>"
            "<languages><language id=\"en\" name=\"en\"/><language id=\"de\" name=\"de\"/>"
            "</languages><paths combination=\"full\"/></translator></translators>")
            .arg(port));
    if (!processor.parseTranslators(engines))
        return false;
    processor.rebuildPairIndex();
    return processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")) != nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The module's own log lines would drown the figures.
    qSetMessagePattern(QString());
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});

    SlowEngine engine;
    if (!engine.listen(QHostAddress::LocalHost)) {
        std::printf("no loopback port available\n");
        return 1;
    }
    CLProcessor processor;
    if (!setUp(processor, engine.serverPort())) {
        std::printf("could not set up the engine definition\n");
        return 1;
    }

    std::unique_ptr<CLElement> article(
        new CLElement(ArticlePage, QStringLiteral("en"), nullptr,
                      new CLData(QStringLiteral("http://news.example/a/1")), nullptr));
    new CLElement(ArticleTitle, QStringLiteral("en"), nullptr,
                  new CLData(QStringLiteral("headline")), article.get());
    for (int i = 1; i < Elements; ++i)
        new CLElement(ArticleText, QStringLiteral("en"), nullptr,
                      new CLData(QStringLiteral("paragraph %1").arg(i)), article.get());
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), QStringLiteral("de"), nullptr));

    NetworkModule module;
    module.processor = &processor;
    QElapsedTimer clock;
    bool complete = false;
    QObject::connect(&module, &NetworkModule::articleTranslated, &app, [&] {
        complete = true;
        app.quit();
    });
    QTimer::singleShot(30000, &app, &QCoreApplication::quit);
    clock.start();
    module.requestArticleTranslation(clone.get());
    app.exec();
    const qint64 elapsed = clock.elapsed();

    if (!complete) {
        std::printf("translation did not complete (%d requests served)\n", engine.requests);
        return 1;
    }
    std::printf("article translation, %d elements, %d ms per answer\n", Elements, AnswerDelayMs);
    std::printf("  measured            %6lld ms (%d requests)\n", elapsed, engine.requests);
    std::printf("  one at a time bound %6d ms\n", Elements * AnswerDelayMs);
    std::printf("  pipelined ideal     %6d ms\n", 2 * AnswerDelayMs);
    std::printf("  ratio to ideal      %6.2fx\n", double(elapsed) / (2.0 * AnswerDelayMs));
    return 0;
}
