#include "networkmodule.h"
#include "newssite.h"
#include "servicekit.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

/// A real article through a local Apertium service, with the shipped engine and answer profile.
class TestApertium : public QObject
{
    Q_OBJECT

private slots:
    void translatesArticleToSpanish()
    {
        const QString program = apertium::program();
        TESSOLIN_NEEDS(!program.isEmpty(),
                       "apertium-apy with the English-Spanish pair is not installed");
        const QJsonObject truth =
            QJsonDocument::fromJson(testkit::readCorpusTruth(u"en-taipeitimes"_s)).object();
        if (truth.isEmpty())
            QSKIP("news corpus not available");
        const QStringList paragraphs =
            truth.value(u"text"_s).toString().split(u'\n', Qt::SkipEmptyParts).mid(0, 4);
        servicekit::LocalService service;
        QVERIFY2(service.start(program, apertium::arguments()), service.output().constData());
        CLProcessor processor;
        QVERIFY(apertium::load(processor, service.port));
        // The service answers JSON: quotes and line breaks come escaped.
        std::unique_ptr<CLElement> article(NewsSite::article(
            u"en"_s, truth.value(u"url"_s).toString(), truth.value(u"title"_s).toString(),
            paragraphs + QStringList(u"He said \"hello\" to the owner.\nThe second line."_s), {},
            nullptr, false));
        std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"es"_s, nullptr));
        NetworkModule module;
        module.processor = &processor;
        QSignalSpy translated(&module, &NetworkModule::articleTranslated);
        QSignalSpy status(&module, &NetworkModule::notifyNetworkStatus);
        module.requestArticleTranslation(clone.get());
        QVERIFY2(translated.wait(60000), service.output().constData());
        // Only requests and progress are reported: no failure of any kind.
        for (const QList<QVariant> &args : std::as_const(status))
            QVERIFY2(QList<int>({NS_Connecting, NS_BytesReceived}).contains(args.at(1).toInt()),
                     qPrintable(args.at(1).toString()));
        const QRegularExpression spanish(
            u"\\b(el|la|los|las|de|del|y|en|que|una?|por|con|su)\\b"_s);
        for (qsizetype i = 0; i < clone->children.size(); ++i) {
            const QString text = clone->children.at(i)->text();
            QVERIFY2(text != article->children.at(i)->text(), qPrintable(text));
            QVERIFY2(text.toLower().contains(spanish), qPrintable(text));
            QVERIFY2(i == 0 || text.endsWith(u"\n(Apertium)"_s), qPrintable(text));
            QVERIFY2(!text.contains(u'\\'), qPrintable(text));
        }
        const QString quoted = clone->children.constLast()->text();
        QVERIFY2(quoted.count(u'"') == 2 && quoted.count(u'\n') == 2, qPrintable(quoted));
    }
};

QTEST_GUILESS_MAIN(TestApertium)
#include "tst_apertium.moc"
