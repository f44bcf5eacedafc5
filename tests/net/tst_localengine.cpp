#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "cltranslator.h"
#include "localengine.h"
#include "networkmodule.h"
#include "newssite.h"
#include "servicekit.h"
#include "testkit.h"

#include <QDomDocument>
#include <QTcpServer>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QDomDocument readDocument(const QString &path)
{
    QDomDocument document;
    document.setContent(testkit::readAll(path));
    return document;
}

enum class Port { Free, TakenByService };

struct EngineRow
{
    const char *name;
    Port port;
    bool installed;     ///< false: the program path points nowhere
    bool expectStarted; ///< a child service of the reader runs
    bool expectSpanish; ///< the article arrives translated
    bool stopsAfterFirst = false; ///< the answering service ends; a second article follows
};

const EngineRow engineRows[] = {
    {"nothing answers: the reader starts the service", Port::Free, true, true, true},
    {"a service answers: nothing is started", Port::TakenByService, true, false, true},
    {"not installed: nothing sent, the hint names the packages", Port::Free, false, false, false},
    {"a service answers, then ends: the reader starts its own", Port::TakenByService, true, true, true, true},
};

} // namespace

/// The reader starting the shipped local engine on demand, with the real apertium-apy.
class TestLocalEngine : public QObject
{
    Q_OBJECT

private slots:
    void startsOnDemand_data() { testkit::rows(engineRows); }
    void startsOnDemand()
    {
        const EngineRow &row = testkit::current(engineRows);
        const QString modes = u"/usr/share/apertium/modes"_s;
        const QString program = QStandardPaths::findExecutable(u"apertium-apy"_s);
        if (program.isEmpty() || !QFile::exists(modes + u"/eng-spa.mode"_s))
            QSKIP("apertium-apy with the English-Spanish pair is not installed");

        servicekit::LocalService service;
        quint16 port = 0;
        if (row.port == Port::TakenByService) {
            QVERIFY2(service.start(program, {u"-p"_s, u"PORT"_s, modes}), service.output().constData());
            port = service.port;
        } else {
            QTcpServer probe;
            QVERIFY(probe.listen(QHostAddress(QHostAddress::LocalHost), 0));
            port = probe.serverPort();
        }

        const QString profileDir = testkit::shippedProfileDir();
        CLProcessor processor;
        QVERIFY(processor.parseTranslators(readDocument(profileDir + u"/translators.xml"_s)));
        CLTranslator *translator = processor.translators.value(0);
        QVERIFY(LocalEngine::servesTranslator(translator));
        QUrl entry(translator->entry);
        entry.setPort(port);
        translator->entry = entry.toString();
        processor.rebuildPairIndex();
        CLProfileError error;
        CLSite *site = readProfile(readDocument(profileDir + u"/apertium.xml"_s), &error);
        QVERIFY2(site, qPrintable(error.toString()));
        QDomDocument catalogue;
        catalogue.setContent(
            u"<sites><site id=\"%1\" version=\"1\" file=\"a.xml\"/></sites>"_s.arg(site->id));
        QVERIFY(processor.parseCatalogue(catalogue) && processor.registerSite(site));

        std::unique_ptr<CLElement> article(NewsSite::article(
            u"en"_s, u"http://127.0.0.1/a"_s, u"The weather"_s,
            {u"The house is big and the dog is happy."_s}, {}, nullptr, false));
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"es"_s, nullptr));

        auto engine = std::make_unique<LocalEngine>();
        if (!row.installed)
            engine->program = u"/nonexistent/apertium-apy"_s;
        QSignalSpy missing(engine.get(), &LocalEngine::missing);
        NetworkModule module;
        module.processor = &processor;
        module.localEngine = engine.get();
        QSignalSpy translated(&module, &NetworkModule::articleTranslated);
        module.requestArticleTranslation(clone.get());
        QVERIFY(translated.wait(60000));
        QSignalSpy unreachable(&module, &NetworkModule::translationEngineUnreachable);
        if (row.stopsAfterFirst) {
            QVERIFY(clone->children.constLast()->text().contains(u"casa"_s));
            service.stop();
            clone.reset(new CLElement(article.get(), u"es"_s, nullptr));
            module.requestArticleTranslation(clone.get());
            QVERIFY(translated.wait(60000));
        }

        const qint64 child = engine->childProcessId();
        QCOMPARE(child != 0, row.expectStarted);
        QCOMPARE(missing.count(), row.installed ? 0 : 1);
        if (!row.installed)
            QVERIFY(missing.at(0).at(0).toString().contains(u"apertium-eng-spa"_s));
        const QString text = clone->children.constLast()->text();
        QCOMPARE(text.contains(u"casa"_s), row.expectSpanish);
        QCOMPARE(module.untranslatedParts() > 0, !row.expectSpanish);
        QCOMPARE(unreachable.count(), 0);

        module.localEngine = nullptr;
        engine.reset();
        if (child)
            QVERIFY2(!QFile::exists(u"/proc/%1"_s.arg(child)), "the started service outlived the reader");
    }
};

QTEST_GUILESS_MAIN(TestLocalEngine)
#include "tst_localengine.moc"
