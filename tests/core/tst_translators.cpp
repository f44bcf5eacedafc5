#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QDomDocument documentOf(const QString &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qWarning("test document is not well-formed");
    return document;
}

// A definition able to translate each listed "from:to" pair, each code mapped to "svc-CODE".
QString definition(const QString &id, const QStringList &pairs)
{
    QString languages;
    QString paths;
    for (const QString &pair : pairs) {
        const QStringList ends = pair.split(':');
        paths += QString("<path from='%1' to='%2'/>").arg(ends.at(0), ends.at(1));
        for (const QString &code : ends)
            languages += QString("<language id='%1' name='svc-%1'/>").arg(code);
    }
    return QString("<translator id='%1' name='%1' entry='http://h/%1' method='post'>"
                   "<query>q={{SRCTEXT}}</query><languages>%2</languages>"
                   "<paths combination='listed'>%3</paths></translator>")
        .arg(id, languages, paths);
}

QDomDocument translatorsFile(const QStringList &definitions, const QString &version = "7")
{
    return documentOf(QString("<translators version='%1'>%2</translators>")
                          .arg(version, definitions.join(QString())));
}

QStringList idsOf(const CLProcessor &processor)
{
    QStringList ids;
    for (const CLTranslator *translator : processor.translators)
        ids.append(translator->id);
    return ids;
}

} // namespace

class TestTranslators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }
    void sequence_data();
    void sequence();
    void definitionFilter_data();
    void definitionFilter();
    void pathCombinations_data();
    void pathCombinations();
    void reparseReplacesDefinitions();
    void request_data();
    void request();
    void loadTranslators_data();
    void loadTranslators();
    void shippedDefinitions();
    void shippedAnswerProfile_data();
    void shippedAnswerProfile();
};

void TestTranslators::sequence_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("only the named moves first, swapping with the first") << u"R"_s << u"R Q P"_s;
    QTest::newRow("two named in order") << u"Q P"_s << u"Q P R"_s;
    QTest::newRow("unknown id ignored") << u"X Q"_s << u"Q P R"_s;
    QTest::newRow("empty sequence keeps file order") << u""_s << u"P Q R"_s;
    QTest::newRow("ids compared case-sensitively") << u"r q"_s << u"P Q R"_s;
    QTest::newRow("duplicate id does not move another") << u"Q Q"_s << u"Q P R"_s;
    QTest::newRow("double space is an empty part") << u"R  P"_s << u"R P Q"_s;
}

void TestTranslators::sequence()
{
    QFETCH(QString, sequence);
    QFETCH(QString, normalised);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(
        translatorsFile({definition("P", {"en:de", "en:fr"}), definition("Q", {"en:de", "de:en"}),
                         definition("R", {"en:de"})})));
    processor.rebuildPairIndex();
    QCOMPARE(processor.applyTranslatorSequence(sequence), normalised);
    QCOMPARE(idsOf(processor).join(' '), normalised);
    // The first definition able to translate a pair owns it, in the new order at once.
    QCOMPARE(processor.findTranslator("en", "de"), processor.translators.first());
    QCOMPARE(processor.findTranslator("en", "fr")->id, QString("P"));
    QCOMPARE(processor.findTranslator("de", "en")->id, QString("Q"));
    QCOMPARE(processor.findTranslator("fr", "en"), nullptr);
}

void TestTranslators::definitionFilter_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("read"); // "skipped", else method and languages

    const auto translator = [](const QString &attributes, const QString &body) {
        return "<translator " + attributes + ">" + body +
               "<languages><language id='en' name='EN'/></languages></translator>";
    };
    const QString all = "id='t' name='T' entry='http://h/' version='1'";
    const QString query = "<query>q</query>";

    QTest::newRow("post accepted") << translator(all + " method='post'", query) << u"post en=EN"_s;
    QTest::newRow("get accepted, kept as not post")
        << translator(all + " method='get'", query) << u"get en=EN"_s;
    QTest::newRow("method in capitals skipped")
        << translator(all + " method='POST'", query) << u"skipped"_s;
    QTest::newRow("missing method skipped") << translator(all, query) << u"skipped"_s;
    QTest::newRow("empty query skipped")
        << translator(all + " method='post'", "<query></query>") << u"skipped"_s;
    QTest::newRow("missing id skipped")
        << translator("name='T' entry='http://h/' method='post'", query) << u"skipped"_s;
    QTest::newRow("empty entry skipped")
        << translator("id='t' name='T' entry='' method='post'", query) << u"skipped"_s;
    QTest::newRow("missing version accepted, query found below a wrapper")
        << translator("id='t' name='T' entry='http://h/' method='post'",
                      "<request><query>q</query></request>")
        << u"post en=EN"_s;
    QTest::newRow("groups merged, later id wins, languages without a code ignored")
        << translator(all + " method='post'",
                      query + "<languages><language id='de' name=''/><language id='' name='X'/>"
                              "<language id='en' name='first'/><language id='fr' name='FR'/>"
                              "</languages>")
        << u"post en=EN fr=FR"_s;
}

void TestTranslators::definitionFilter()
{
    QFETCH(QString, element);
    QFETCH(QString, read);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(translatorsFile({element})));
    QString got = "skipped";
    if (const CLTranslator *translator = processor.translators.value(0)) {
        QCOMPARE(translator->query, QString("q"));
        got = translator->usePost ? "post" : "get";
        for (auto it = translator->languages.cbegin(); it != translator->languages.cend(); ++it)
            got += ' ' + it.key() + '=' + it.value();
    }
    QCOMPARE(got, read);
    QVERIFY(processor.translators.size() <= 1);
}

void TestTranslators::pathCombinations_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("pairs");

    const QString three = "<languages><language id='en' name='e'/><language id='de' name='d'/>"
                          "<language id='fr' name='f'/></languages>";
    const QString nine = "de:de de:en de:fr en:de en:en en:fr fr:de fr:en fr:fr";
    QTest::newRow("full gives every pair and every self pair")
        << three + "<paths combination='full'/>" << nine;
    QTest::newRow("full covers languages listed after it too")
        << u"<languages><language id='en' name='e'/></languages><paths combination='full'/>"_s
           "<languages><language id='de' name='d'/></languages>"
        << u"de:de de:en en:de en:en"_s;
    QTest::newRow("full after listed replaces the listed set")
        << three + "<paths combination='listed'><path from='en' to='ja'/></paths>"
                   "<paths combination='full'/>"
        << nine;
    QTest::newRow("listed gives only its pairs, skips empty ends, allows codeless languages")
        << three + "<paths combination='listed'><path from='en' to='de'/><path from='en' "
                   "to=''/><path from='' to='de'/><path to='de'/><path from='en' to='ja'/></paths>"
        << u"en:de en:ja"_s;
    QTest::newRow("unknown combination adds nothing")
        << three + "<paths combination='Full'/><paths/>" << u""_s;
    QTest::newRow("listed after full extends the shared set of every language")
        << u"<languages><language id='en' name='e'/><language id='de' name='d'/></languages>"_s
           "<paths combination='full'/><paths combination='listed'>"
           "<path from='en' to='ja'/><path from='ja' to='en'/></paths>"
        << u"de:de de:en de:ja en:de en:en en:ja ja:en"_s;
}

void TestTranslators::pathCombinations()
{
    QFETCH(QString, body);
    QFETCH(QString, pairs);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(translatorsFile(
        {"<translator id='t' name='T' entry='http://h/' method='post'><query>q</query>" + body +
         "</translator>"})));
    processor.rebuildPairIndex();
    QStringList keys = processor.translatorByPair.keys();
    keys.sort();
    QCOMPARE(keys.join(' '), pairs);
}

void TestTranslators::reparseReplacesDefinitions()
{
    CLProcessor processor;
    QVERIFY(processor.parseTranslators(translatorsFile({definition("old", {"en:de"})})));
    processor.rebuildPairIndex();

    QVERIFY(!processor.parseTranslators(QDomDocument()));
    QCOMPARE(idsOf(processor), QStringList{"old"});

    QVERIFY(!processor.parseTranslators(documentOf("<translator/>")));
    QVERIFY(processor.translators.isEmpty());
    // No lookup may reach a deleted definition, even before the index is rebuilt.
    QCOMPARE(processor.findTranslator("en", "de"), nullptr);

    QVERIFY(processor.parseTranslators(
        documentOf(QString("<translators><group>%1</group>%2</translators>")
                       .arg(definition("nested", {}), definition("top", {})))));
    QCOMPARE(idsOf(processor), (QStringList{"nested", "top"}));
    QCOMPARE(processor.translatorVersion, QString());
}

void TestTranslators::request_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("filled");  // buildQuery
    QTest::addColumn<QByteArray>("body"); // buildRequestBody

    const QString form = "sl={{SRCLANG}}&tl={{TGTLANG}}&q={{SRCTEXT}}";
    QTest::newRow("codes and text filled")
        << form << u"de"_s << u"Hello"_s << u"sl=EN&tl=DE&q=Hello"_s
        << QByteArray("sl=EN&tl=DE&q=Hello");
    QTest::newRow("language without a code leaves its placeholder empty")
        << form << u"ja"_s << u"Hi"_s << u"sl=EN&tl=&q=Hi"_s << QByteArray("sl=EN&tl=&q=Hi");
    QTest::newRow("ampersand and equals inside the text stay text")
        << form << u"de"_s << u"5 & more = less"_s << u"sl=EN&tl=DE&q=5 & more = less"_s
        << QByteArray("sl=EN&tl=DE&q=5%20%26%20more%20%3D%20less");
    QTest::newRow("placeholders inside the text are not filled")
        << u"q={{SRCTEXT}}&t={{TGTLANG}}"_s << u"de"_s << u"{{TGTLANG}}"_s
        << u"q={{TGTLANG}}&t=DE"_s << QByteArray("q=%7B%7BTGTLANG%7D%7D&t=DE");
    QTest::newRow("case-sensitive placeholders, every occurrence, percent encoded once")
        << u"l={{SrcLang}}&t={{SRCTEXT}}&u={{SRCTEXT}}"_s << u"de"_s << u"x%"_s
        << u"l={{SrcLang}}&t=x%&u=x%"_s << QByteArray("l=%7B%7BSrcLang%7D%7D&t=x%25&u=x%25");
    QTest::newRow("template encoded as UTF-8 but for unreserved characters, = and &")
        << u"a b/é+%|?#\n-._~=1&q={{SRCTEXT}}"_s << u"de"_s << u"😀"_s << u"a b/é+%|?#\n-._~=1&q=😀"_s
        << QByteArray("a%20b%2F%C3%A9%2B%25%7C%3F%23%0A-._~=1&q=%F0%9F%98%80");
    QTest::newRow("template without text placeholder")
        << u"sl={{SRCLANG}}&fixed=1"_s << u"de"_s << u"ignored"_s << u"sl=EN&fixed=1"_s
        << QByteArray("sl=EN&fixed=1");
}

void TestTranslators::request()
{
    QFETCH(QString, query);
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, filled);
    QFETCH(QByteArray, body);

    CLTranslator translator;
    translator.query = query;
    translator.languages.insert("en", "EN");
    translator.languages.insert("de", "DE");
    QCOMPARE(::buildQuery(&translator, "en", target, text), filled);
    QCOMPARE(::buildRequestBody(&translator, "en", target, text), body);
    QCOMPARE(translator.query, query);
    QCOMPARE(::buildRequestBody(nullptr, "en", target, text), QByteArray());
}

void TestTranslators::loadTranslators_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content"); // null: no file
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("version");

    const QByteArray good = QString("<translators version='7'>%1%2</translators>")
                                .arg(definition("a", {"en:de"}), definition("b", {"de:en"}))
                                .toUtf8();
    const QStringList old{"old"};
    QTest::newRow("compressed definitions")
        << u"translators.tdf"_s << packXml(good) << true << QStringList{"a", "b"} << u"7"_s;
    QTest::newRow("plain file named .xml")
        << u"translators.XML"_s << good << true << QStringList{"a", "b"} << u"7"_s;
    QTest::newRow("wrong root leaves no definitions")
        << u"translators.tdf"_s
        << packXml("<engines>" + definition("a", {}).toUtf8() + "</engines>") << false
        << QStringList{} << u"old"_s;
    QTest::newRow("plain text under a compressed name does not load")
        << u"translators.tdf"_s << good << false << old << u"old"_s;
    QTest::newRow("corrupt stream does not load")
        << u"translators.tdf"_s << packXml(good).left(12) << false << old << u"old"_s;
    QTest::newRow("missing file keeps definitions")
        << u"translators.tdf"_s << QByteArray() << false << old << u"old"_s;
    QTest::newRow("no definition qualifies still loads")
        << u"translators.tdf"_s << packXml("<translators><translator id='x'/></translators>")
        << true << QStringList{} << u""_s;
}

void TestTranslators::loadTranslators()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loaded);
    QFETCH(QStringList, ids);
    QFETCH(QString, version);

    QTemporaryDir dir;
    QFile file(dir.filePath(fileName));
    if (!content.isNull())
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
    file.close();

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(translatorsFile({definition("old", {"en:fr"})}, "old")));
    processor.rebuildPairIndex();
    processor.translatorDir = dir.path();
    processor.translatorFile = fileName;

    QCOMPARE(processor.loadTranslators(), loaded);
    QCOMPARE(idsOf(processor), ids);
    QCOMPARE(processor.translatorVersion, version);
    // The index always matches the definitions in force.
    for (CLTranslator *translator : std::as_const(processor.translatorByPair))
        QVERIFY(processor.translators.contains(translator));
    QCOMPARE(processor.findTranslator("en", "fr") != nullptr, ids == QStringList{"old"});
    if (loaded && !ids.isEmpty())
        QCOMPARE(processor.findTranslator("de", "en")->id, QString("b"));
}

void TestTranslators::shippedDefinitions()
{
    CLProcessor processor;
    processor.translatorDir = TESSOLIN_SOURCE_DIR "/data/conf/profile";
    processor.translatorFile = "translators.xml";
    QVERIFY(processor.loadTranslators());
    QCOMPARE(processor.applyTranslatorSequence(QString()), QString("apertium"));

    const CLTranslator *apertium = processor.findTranslator("en", "es");
    QVERIFY(apertium);
    QCOMPARE(processor.findTranslator("es", "en"), apertium);
    QCOMPARE(processor.translatorByPair.size(), 2);
    QVERIFY(apertium->usePost);
    QCOMPARE(localName(apertium->i18n, "ja"), QString("Apertium"));

    // Bodies the service's form decoder reads back as langpair=eng|spa and q=TEXT.
    QCOMPARE(::encodeQueryBody(::buildQuery(apertium, "en", "es", "Fish, chips: 5€")),
             QByteArray("langpair=eng%7Cspa&markUnknown=no&q=Fish%2C%20chips%3A%205%E2%82%AC"));
    QCOMPARE(::buildRequestBody(apertium, "en", "es", QString::fromUtf8("Fish & chips: 5€")),
             QByteArray("langpair=eng%7Cspa&markUnknown=no&q=Fish%20%26%20chips%3A%205%E2%82%AC"));
}

void TestTranslators::shippedAnswerProfile_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<QString>("translation"); // null: no node

    const auto answer = [](const char *value) {
        return QByteArray(R"({"responseData": {"translatedText": ")") + value +
               R"("}, "responseDetails": null, "responseStatus": 200})";
    };
    QTest::newRow("plain sentence") << answer("La casa es grande.") << u"La casa es grande."_s;
    QTest::newRow("non-ASCII text sent unescaped as UTF-8")
        << answer("El primer p\xC3\xA1rrafo.") << QString::fromUtf8("El primer párrafo.");
    QTest::newRow("escaped quote and brace do not end the text")
        << answer(R"(Hola \"Mundo\"}, fin)") << R"(Hola \"Mundo\"}, fin)";
    QTest::newRow("key name inside the text")
        << answer(R"(\"translatedText\": x)") << R"(\"translatedText\": x)";
    QTest::newRow("markup stripped and entities decoded")
        << answer(R"(<i>negrita<\/i> &eacute; *desconocido)")
        << QString::fromUtf8("negrita é *desconocido");
    QTest::newRow("empty translation gives nothing") << answer("") << QString();
    QTest::newRow("error answer gives nothing")
        << QByteArray(R"({"status": "error", "code": 400, "message": "Bad Request"})") << QString();
}

void TestTranslators::shippedAnswerProfile()
{
    QFETCH(QByteArray, answer);
    QFETCH(QString, translation);

    const auto document = loadXmlDocument(TESSOLIN_SOURCE_DIR "/data/conf/profile/apertium.xml");
    QVERIFY(document);
    CLProfileError error;
    CLSite *site = readProfile(*document, &error);
    QVERIFY2(site, qPrintable(error.toString()));
    CLProcessor processor;
    QVERIFY(processor.parseCatalogue(documentOf(
        "<sites><site id='(s)TR.apertium' version='1.0' file='apertium.xml'/></sites>")));
    QCOMPARE(processor.categories, QStringList{CL_CATEGORY_TRANSLATION});
    QVERIFY(processor.registerSite(site));

    std::unique_ptr<CLElement> tree(processor.process("http://127.0.0.1:2737/translate", answer,
                                                      PageTranslatorEntry, QString()));
    QVERIFY(tree);
    QCOMPARE(tree->kind, int(TranslatorEntry));
    QCOMPARE(tree->children.size(), translation.isNull() ? 0 : 1);
    if (!translation.isNull()) {
        QCOMPARE(tree->children.first()->kind, int(TranslateText));
        QCOMPARE(tree->children.first()->text(), translation);
    }
}

QTEST_GUILESS_MAIN(TestTranslators)
#include "tst_translators.moc"
