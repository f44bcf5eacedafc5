#include "localengine.h"
#include "networkmodule.h"
#include "newssite.h"
#include "servicekit.h"

#include <QTcpServer>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// installed false: the program path points nowhere; started: a child service of the reader
// runs; spanish: the article arrives translated; stops: the answering service ends, a second
// article follows.
struct EngineRow
{
    const char *name;
    bool serviceAnswers, installed, started, spanish, stops;
};
const EngineRow engineRows[] = {
    {"nothing answers: the reader starts the service", false, true, true, true, false},
    {"a service answers: nothing is started", true, true, false, true, false},
    {"not installed: nothing sent, the hint names the packages", false, false, false, false, false},
    {"a service answers, then ends: the reader starts its own", true, true, true, true, true},
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
        const QString program = apertium::program();
        TESSOLIN_NEEDS(!program.isEmpty(),
                       "apertium-apy with the English-Spanish pair is not installed");
        servicekit::LocalService service;
        QTcpServer probe;
        if (row.serviceAnswers)
            QVERIFY2(service.start(program, apertium::arguments()), service.output().constData());
        else
            QVERIFY(probe.listen(QHostAddress(QHostAddress::LocalHost), 0));
        const quint16 port = row.serviceAnswers ? service.port : probe.serverPort();
        probe.close();
        CLProcessor processor;
        QVERIFY(apertium::load(processor, port));
        QVERIFY(LocalEngine::servesTranslator(processor.translators.value(0)));
        std::unique_ptr<CLElement> article(
            NewsSite::article(u"en"_s, u"http://127.0.0.1/a"_s, u"The weather"_s,
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
        QSignalSpy unreachable(&module, &NetworkModule::translationEngineUnreachable);
        module.requestArticleTranslation(clone.get());
        QVERIFY(translated.wait(60000));
        if (row.stops) {
            QVERIFY(clone->children.constLast()->text().contains(u"casa"_s));
            service.stop();
            clone.reset(new CLElement(article.get(), u"es"_s, nullptr));
            module.requestArticleTranslation(clone.get());
            QVERIFY(translated.wait(60000));
        }
        const qint64 child = engine->childProcessId();
        QCOMPARE(child != 0, row.started);
        QCOMPARE(missing.count(), row.installed ? 0 : 1);
        QVERIFY(row.installed || missing.at(0).at(0).toString().contains(u"apertium-eng-spa"_s));
        QCOMPARE(clone->children.constLast()->text().contains(u"casa"_s), row.spanish);
        QCOMPARE(module.untranslatedParts() > 0, !row.spanish);
        QCOMPARE(unreachable.count(), 0);
        module.localEngine = nullptr;
        engine.reset();
        QVERIFY2(!child || !QFile::exists(u"/proc/%1"_s.arg(child)),
                 "the started service outlived the reader");
    }
};

QTEST_GUILESS_MAIN(TestLocalEngine)
#include "tst_localengine.moc"
