#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "cltranslator.h"
#include "localservice.h"
#include "networkmodule.h"

#include <QDomDocument>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

const QString ModesDir = u"/usr/share/apertium/modes"_s;

QDomDocument readDocument(const QString &path)
{
    QDomDocument document;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        document.setContent(&file);
    return document;
}

QStringList words(const QString &text)
{
    static const QRegularExpression separators(u"[^\\w]+"_s,
                                               QRegularExpression::UseUnicodePropertiesOption);
    return text.toLower().split(separators, Qt::SkipEmptyParts);
}

} // namespace

/// Translates a real article through a local Apertium service, using the
/// shipped engine definition and answer profile.
class TestApertium : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void translatesArticleToSpanish();

private:
    LocalService service;
    quint16 port = 0;
};

void TestApertium::initTestCase()
{
    const QString program = QStandardPaths::findExecutable(u"apertium-apy"_s);
    if (program.isEmpty() || !QFile::exists(ModesDir + u"/eng-spa.mode"_s))
        QSKIP("apertium-apy with the English-Spanish pair is not installed");
    port = LocalService::freePort();
    if (!service.start(program, {u"-p"_s, QString::number(port), ModesDir}, port))
        QSKIP("apertium-apy did not come up within 20 s");
}

void TestApertium::translatesArticleToSpanish()
{
    QFile truthFile(QStringLiteral(TESSOLIN_CORPUS) + u"/truth/en-taipeitimes.json"_s);
    if (!truthFile.open(QIODevice::ReadOnly))
        QSKIP("news corpus not available");
    const QJsonObject truth = QJsonDocument::fromJson(truthFile.readAll()).object();
    QStringList paragraphs =
        truth.value(u"text"_s).toString().split(u'\n', Qt::SkipEmptyParts).mid(0, 4);
    QCOMPARE(paragraphs.size(), 4);

    const QString profileDir = QStringLiteral(TESSOLIN_SOURCE_DIR) + u"/data/conf/profile"_s;
    CLProcessor processor;
    QVERIFY(processor.parseTranslators(readDocument(profileDir + u"/translators.xml"_s)));
    QCOMPARE(processor.translators.size(), 1);
    // The shipped definition names the service's default port.
    QUrl entry(processor.translators.at(0)->entry);
    entry.setPort(port);
    processor.translators.at(0)->entry = entry.toString();
    processor.rebuildPairIndex();
    QVERIFY(processor.findTranslator(u"en"_s, u"es"_s));

    CLProfileError error;
    CLSite *site = readProfile(readDocument(profileDir + u"/apertium.xml"_s), &error);
    QVERIFY2(site, qPrintable(error.toString()));
    QDomDocument catalogue;
    catalogue.setContent(
        u"<sites><site id=\"%1\" version=\"1\" file=\"apertium.xml\"/></sites>"_s.arg(site->id));
    QVERIFY(processor.parseCatalogue(catalogue));
    QVERIFY(processor.registerSite(site));

    std::unique_ptr<CLElement> article(new CLElement(
        ArticlePage, u"en"_s, nullptr, new CLData(truth.value(u"url"_s).toString()), nullptr));
    new CLElement(ArticleTitle, u"en"_s, nullptr, new CLData(truth.value(u"title"_s).toString()),
                  article.get());
    for (const QString &paragraph : std::as_const(paragraphs))
        new CLElement(ArticleText, u"en"_s, nullptr, new CLData(paragraph), article.get());
    std::unique_ptr<CLElement> clone(new CLElement(article.get(), u"es"_s, nullptr));

    NetworkModule module;
    module.processor = &processor;
    QSignalSpy translated(&module, &NetworkModule::articleTranslated);
    QSignalSpy status(&module, &NetworkModule::notifyNetworkStatus);
    module.requestArticleTranslation(clone.get());
    QVERIFY2(translated.wait(60000), service.output().constData());
    QCOMPARE(translated.at(0).at(0).value<CLElement *>(), clone.get());

    const QSet<QString> spanish = {u"el"_s,  u"la"_s,  u"los"_s, u"las"_s, u"de"_s,
                                   u"del"_s, u"y"_s,   u"en"_s,  u"que"_s, u"un"_s,
                                   u"una"_s, u"por"_s, u"con"_s, u"su"_s};
    for (qsizetype i = 0; i < clone->children.size(); ++i) {
        const CLElement *element = clone->children.at(i);
        const QString original = article->children.at(i)->text();
        const QString text = element->text();
        QVERIFY2(!text.trimmed().isEmpty(), qPrintable(u"element %1 is empty"_s.arg(i)));
        QVERIFY2(text != original, qPrintable(u"element %1 came back in English"_s.arg(i)));
        int hits = 0;
        for (const QString &word : words(text))
            hits += spanish.contains(word) ? 1 : 0;
        QVERIFY2(hits > 0, qPrintable(u"no Spanish in: "_s + text));
        if (element->kind == ArticleText)
            QVERIFY2(text.endsWith(u"\n(Apertium)"_s), qPrintable(text));
        qDebug().noquote() << text;
    }
    // Only requests and progress are reported: no failure of any kind.
    for (const QList<QVariant> &args : std::as_const(status)) {
        const int code = args.at(1).toInt();
        QVERIFY2(code == 2112 || code == 2114, qPrintable(u"status %1"_s.arg(code)));
    }
}

QTEST_GUILESS_MAIN(TestApertium)
#include "tst_apertium.moc"
