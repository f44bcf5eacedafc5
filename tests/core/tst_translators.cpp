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

#include <algorithm>
#include <memory>

namespace {

QDomDocument documentOf(const QString &xml)
{
    QDomDocument document;
    if (!document.setContent(xml))
        qWarning("test document is not well-formed");
    return document;
}

// A definition able to translate each listed pair, with "xx" codes mapped to "svc-xx".
QString definition(const QString &id, const QStringList &pairs)
{
    QString languages;
    QString paths;
    QSet<QString> codes;
    for (const QString &pair : pairs) {
        const QStringList ends = pair.split(QLatin1Char(':'));
        codes.insert(ends.at(0));
        codes.insert(ends.at(1));
        paths += QStringLiteral("<path from='%1' to='%2'/>").arg(ends.at(0), ends.at(1));
    }
    for (const QString &code : std::as_const(codes))
        languages += QStringLiteral("<language id='%1' name='svc-%1'/>").arg(code);
    return QStringLiteral("<translator id='%1' name='%1' entry='http://h/%1' method='post'>"
                          "<query>q={{SRCTEXT}}</query><languages>%2</languages>"
                          "<paths combination='listed'>%3</paths></translator>")
        .arg(id, languages, paths);
}

QString translatorsFile(const QStringList &definitions)
{
    return QStringLiteral("<translators version='7'>%1</translators>")
        .arg(definitions.join(QString()));
}

QStringList idsOf(const CLProcessor &processor)
{
    QStringList ids;
    for (const CLTranslator *translator : processor.translators)
        ids.append(translator->id);
    return ids;
}

QStringList sortedPairs(const CLProcessor &processor)
{
    QStringList keys = processor.translatorByPair.keys();
    keys.sort();
    return keys;
}

QString languagesOf(const CLTranslator *translator)
{
    QStringList entries;
    for (auto it = translator->languages.cbegin(); it != translator->languages.cend(); ++it)
        entries.append(it.key() + QLatin1Char('=') + it.value());
    return entries.join(QLatin1Char(' '));
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTranslators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sequence_data();
    void sequence();
    void earlierDefinitionOwnsPairUntilReordered();
    void definitionFilter_data();
    void definitionFilter();
    void pathCombinations_data();
    void pathCombinations();
    void fullCombinationSharesOneSet();
    void reparseReplacesDefinitions();
    void buildQuery_data();
    void buildQuery();
    void buildRequestBody_data();
    void buildRequestBody();
    void encodeQueryBody_data();
    void encodeQueryBody();
    void loadTranslators_data();
    void loadTranslators();
    void shippedDefinitions();
    void shippedAnswerProfile_data();
    void shippedAnswerProfile();
};

void TestTranslators::initTestCase()
{
    fillEntityTable();
}

void TestTranslators::sequence_data()
{
    QTest::addColumn<QString>("sequence");
    QTest::addColumn<QString>("normalised");

    QTest::newRow("only the last named moves it first, swapping with the first") << "R"
                                                                                 << "R Q P";
    QTest::newRow("two named in order") << "Q P"
                                        << "Q P R";
    QTest::newRow("unknown id ignored") << "X Q"
                                        << "Q P R";
    QTest::newRow("empty sequence keeps file order") << ""
                                                     << "P Q R";
    QTest::newRow("ids compared case-sensitively") << "r q"
                                                   << "P Q R";
    QTest::newRow("duplicate id does not move another") << "Q Q"
                                                        << "Q P R";
    QTest::newRow("double space is an empty part") << "R  P"
                                                   << "R P Q";
    QTest::newRow("trailing space") << "R "
                                    << "R Q P";
    QTest::newRow("complete reverse order") << "R Q P"
                                            << "R Q P";
    QTest::newRow("already in order") << "P Q R"
                                      << "P Q R";
}

void TestTranslators::sequence()
{
    QFETCH(QString, sequence);
    QFETCH(QString, normalised);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(
        documentOf(translatorsFile({definition(QStringLiteral("P"), {QStringLiteral("en:de")}),
                                    definition(QStringLiteral("Q"), {QStringLiteral("en:de")}),
                                    definition(QStringLiteral("R"), {QStringLiteral("en:de")})}))));
    processor.rebuildPairIndex();

    QCOMPARE(processor.applyTranslatorSequence(sequence), normalised);
    QCOMPARE(idsOf(processor).join(QLatin1Char(' ')), normalised);
    // The pair index follows the new order at once.
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")),
             processor.translators.first());
}

void TestTranslators::earlierDefinitionOwnsPairUntilReordered()
{
    CLProcessor processor;
    QVERIFY(processor.parseTranslators(documentOf(translatorsFile(
        {definition(QStringLiteral("first"), {QStringLiteral("en:de"), QStringLiteral("en:fr")}),
         definition(QStringLiteral("second"),
                    {QStringLiteral("en:de"), QStringLiteral("de:en")})}))));
    processor.rebuildPairIndex();
    CLTranslator *first = processor.translators.at(0);
    CLTranslator *second = processor.translators.at(1);

    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")), first);
    QCOMPARE(processor.findTranslator(QStringLiteral("de"), QStringLiteral("en")), second);
    QCOMPARE(processor.findTranslator(QStringLiteral("fr"), QStringLiteral("en")), nullptr);
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("en")), nullptr);

    QCOMPARE(processor.applyTranslatorSequence(QStringLiteral("second")),
             QStringLiteral("second first"));
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")), second);
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("fr")), first);
}

void TestTranslators::definitionFilter_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("usePost");
    QTest::addColumn<QString>("languages");

    const QString languages =
        QStringLiteral("<languages><language id='en' name='EN'/></languages>");
    const auto translator = [&](const QString &attributes, const QString &body) {
        return QStringLiteral("<translator %1>%2%3</translator>").arg(attributes, body, languages);
    };
    const QString full = QStringLiteral("id='t' name='T' entry='http://h/' version='1'");

    QTest::newRow("post accepted")
        << translator(full + " method='post'", "<query>q</query>") << true << true << "en=EN";
    QTest::newRow("get accepted, kept as not post")
        << translator(full + " method='get'", "<query>q</query>") << true << false << "en=EN";
    QTest::newRow("method in capitals skipped")
        << translator(full + " method='POST'", "<query>q</query>") << false << false << "";
    QTest::newRow("other method skipped")
        << translator(full + " method='put'", "<query>q</query>") << false << false << "";
    QTest::newRow("missing method skipped")
        << translator(full, "<query>q</query>") << false << false << "";
    QTest::newRow("no query skipped")
        << translator(full + " method='post'", "") << false << false << "";
    QTest::newRow("empty query skipped")
        << translator(full + " method='post'", "<query></query>") << false << false << "";
    QTest::newRow("missing id skipped")
        << translator("name='T' entry='http://h/' method='post'", "<query>q</query>") << false
        << false << "";
    QTest::newRow("missing name skipped")
        << translator("id='t' entry='http://h/' method='post'", "<query>q</query>") << false
        << false << "";
    QTest::newRow("empty entry skipped")
        << translator("id='t' name='T' entry='' method='post'", "<query>q</query>") << false
        << false << "";
    QTest::newRow("missing version accepted")
        << translator("id='t' name='T' entry='http://h/' method='post'", "<query>q</query>") << true
        << true << "en=EN";
    QTest::newRow("query found below a wrapper")
        << translator(full + " method='post'", "<request><query>q</query></request>") << true
        << true << "en=EN";
    QTest::newRow("language without service code ignored")
        << translator(full + " method='post'",
                      "<query>q</query><languages><language id='de' name=''/>"
                      "<language id='' name='X'/></languages>")
        << true << true << "en=EN";
    QTest::newRow("later language with same id replaces the code")
        << translator(full + " method='post'",
                      "<query>q</query><languages><language id='en' name='first'/></languages>")
        << true << true << "en=EN";
    QTest::newRow("languages of several groups merged")
        << translator(full + " method='post'",
                      "<query>q</query><languages><language id='fr' name='FR'/></languages>")
        << true << true << "en=EN fr=FR";
}

void TestTranslators::definitionFilter()
{
    QFETCH(QString, element);
    QFETCH(bool, accepted);
    QFETCH(bool, usePost);
    QFETCH(QString, languages);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(documentOf(translatorsFile({element}))));
    QCOMPARE(processor.translators.size(), accepted ? 1 : 0);
    if (!accepted)
        return;
    const CLTranslator *translator = processor.translators.first();
    QCOMPARE(translator->usePost, usePost);
    QCOMPARE(translator->query, QStringLiteral("q"));
    QCOMPARE(languagesOf(translator), languages);
}

void TestTranslators::pathCombinations_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("pairs");

    const QString three = QStringLiteral("<languages><language id='en' name='e'/>"
                                         "<language id='de' name='d'/>"
                                         "<language id='fr' name='f'/></languages>");

    QTest::newRow("full gives every pair and every self pair")
        << three + "<paths combination='full'/>"
        << QStringList{"de:de", "de:en", "de:fr", "en:de", "en:en",
                       "en:fr", "fr:de", "fr:en", "fr:fr"};
    QTest::newRow("full covers languages listed after it too")
        << "<languages><language id='en' name='e'/></languages><paths combination='full'/>"
           "<languages><language id='de' name='d'/></languages>"
        << QStringList{"de:de", "de:en", "en:de", "en:en"};
    QTest::newRow("full after listed replaces the listed set")
        << three + "<paths combination='listed'><path from='en' to='ja'/></paths>"
                   "<paths combination='full'/>"
        << QStringList{"de:de", "de:en", "de:fr", "en:de", "en:en",
                       "en:fr", "fr:de", "fr:en", "fr:fr"};
    QTest::newRow("listed gives only its pairs")
        << three + "<paths combination='listed'><path from='en' to='de'/>"
                   "<path from='en' to='fr'/></paths>"
        << QStringList{"en:de", "en:fr"};
    QTest::newRow("listed path with an empty end ignored")
        << three + "<paths combination='listed'><path from='en' to=''/>"
                   "<path from='' to='de'/><path to='de'/></paths>"
        << QStringList{};
    QTest::newRow("listed path may name a language without a code")
        << three + "<paths combination='listed'><path from='en' to='ja'/></paths>"
        << QStringList{"en:ja"};
    QTest::newRow("unknown combination adds nothing")
        << three + "<paths combination='Full'/><paths/>" << QStringList{};
    QTest::newRow("listed after full extends the shared set of every language")
        << "<languages><language id='en' name='e'/><language id='de' name='d'/></languages>"
           "<paths combination='full'/><paths combination='listed'>"
           "<path from='en' to='ja'/><path from='ja' to='en'/></paths>"
        << QStringList{"de:de", "de:en", "de:ja", "en:de", "en:en", "en:ja", "ja:en"};
}

void TestTranslators::pathCombinations()
{
    QFETCH(QString, body);
    QFETCH(QStringList, pairs);

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(documentOf(translatorsFile(
        {QStringLiteral("<translator id='t' name='T' entry='http://h/' method='post'>"
                        "<query>q</query>%1</translator>")
             .arg(body)}))));
    QCOMPARE(processor.translators.size(), 1);
    processor.rebuildPairIndex();
    QCOMPARE(sortedPairs(processor), pairs);
}

void TestTranslators::fullCombinationSharesOneSet()
{
    CLProcessor processor;
    QVERIFY(processor.parseTranslators(documentOf(translatorsFile(
        {QStringLiteral("<translator id='t' name='T' entry='http://h/' method='post'>"
                        "<query>q</query><languages><language id='en' name='e'/>"
                        "<language id='de' name='d'/><language id='fr' name='f'/></languages>"
                        "<paths combination='full'/><paths combination='listed'>"
                        "<path from='ja' to='en'/></paths></translator>")}))));
    const CLTranslator *translator = processor.translators.first();
    QCOMPARE(translator->paths.size(), 4);
    const QSet<QString> *shared = translator->paths.value(QStringLiteral("en")).data();
    QVERIFY(shared);
    QCOMPARE(translator->paths.value(QStringLiteral("de")).data(), shared);
    QCOMPARE(translator->paths.value(QStringLiteral("fr")).data(), shared);
    QCOMPARE(*shared, (QSet<QString>{"en", "de", "fr"}));
    // A source the full set does not cover gets a set of its own.
    QVERIFY(translator->paths.value(QStringLiteral("ja")).data() != shared);
    QCOMPARE(*translator->paths.value(QStringLiteral("ja")), QSet<QString>{"en"});
}

void TestTranslators::reparseReplacesDefinitions()
{
    CLProcessor processor;
    QVERIFY(processor.parseTranslators(documentOf(
        translatorsFile({definition(QStringLiteral("old"), {QStringLiteral("en:de")})}))));
    processor.rebuildPairIndex();
    QVERIFY(processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")));

    QVERIFY(!processor.parseTranslators(QDomDocument()));
    QCOMPARE(idsOf(processor), QStringList{"old"});

    QVERIFY(!processor.parseTranslators(documentOf(QStringLiteral("<translator/>"))));
    QVERIFY(processor.translators.isEmpty());
    // No lookup may reach a deleted definition, even before the index is rebuilt.
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("de")), nullptr);

    QVERIFY(processor.parseTranslators(
        documentOf(QStringLiteral("<translators><group>%1</group>%2</translators>")
                       .arg(definition(QStringLiteral("nested"), {}),
                            definition(QStringLiteral("top"), {})))));
    QCOMPARE(idsOf(processor), (QStringList{"nested", "top"}));
    QCOMPARE(processor.translatorVersion, QString());
}

void TestTranslators::buildQuery_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    const QString form = QStringLiteral("sl={{SRCLANG}}&tl={{TGTLANG}}&q={{SRCTEXT}}");
    QTest::newRow("codes and text filled") << form << "en"
                                           << "de"
                                           << "Hello"
                                           << "sl=EN&tl=DE&q=Hello";
    QTest::newRow("language without a code leaves its placeholder empty") << form << "en"
                                                                          << "ja"
                                                                          << "Hi"
                                                                          << "sl=EN&tl=&q=Hi";
    QTest::newRow("template without text placeholder sent unchanged but for codes")
        << "sl={{SRCLANG}}&tl={{TGTLANG}}&fixed=1"
        << "de"
        << "en"
        << "ignored"
        << "sl=DE&tl=EN&fixed=1";
    QTest::newRow("placeholders inside the text stay")
        << form << "en"
        << "de"
        << "{{SRCLANG}} {{TGTLANG}} {{SRCTEXT}}"
        << "sl=EN&tl=DE&q={{SRCLANG}} {{TGTLANG}} {{SRCTEXT}}";
    QTest::newRow("placeholders are case-sensitive") << "q={{srctext}}&l={{SrcLang}}&t={{SRCTEXT}}"
                                                     << "en"
                                                     << "de"
                                                     << "x"
                                                     << "q={{srctext}}&l={{SrcLang}}&t=x";
    QTest::newRow("every occurrence replaced")
        << "{{SRCLANG}}|{{TGTLANG}}|{{SRCLANG}}={{SRCTEXT}}{{SRCTEXT}}"
        << "en"
        << "de"
        << "ab"
        << "EN|DE|EN=abab";
    QTest::newRow("empty text") << form << "en"
                                << "de"
                                << ""
                                << "sl=EN&tl=DE&q=";
}

void TestTranslators::buildQuery()
{
    QFETCH(QString, query);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    CLTranslator translator;
    translator.query = query;
    translator.languages.insert(QStringLiteral("en"), QStringLiteral("EN"));
    translator.languages.insert(QStringLiteral("de"), QStringLiteral("DE"));
    QCOMPARE(::buildQuery(&translator, source, target, text), expected);
    QCOMPARE(translator.query, query);
}

void TestTranslators::encodeQueryBody_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("space slash and accent encoded, = and & kept")
        << "a b=c&d/é" << QByteArray("a%20b=c&d%2F%C3%A9");
    QTest::newRow("unreserved characters kept") << "AZaz09-._~" << QByteArray("AZaz09-._~");
    QTest::newRow("form-significant characters inside a value encoded")
        << "q=1+1%|?#" << QByteArray("q=1%2B1%25%7C%3F%23");
    QTest::newRow("line breaks encoded") << "a\n\rb" << QByteArray("a%0A%0Db");
    QTest::newRow("characters beyond the BMP as four UTF-8 bytes")
        << QString::fromUtf8("\xF0\x9F\x98\x80") << QByteArray("%F0%9F%98%80");
    QTest::newRow("empty") << "" << QByteArray();
}

void TestTranslators::encodeQueryBody()
{
    QFETCH(QString, query);
    QFETCH(QByteArray, body);
    QCOMPARE(::encodeQueryBody(query), body);
}

void TestTranslators::buildRequestBody_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("ampersand and equals inside the text stay text")
        << "sl={{SRCLANG}}&q={{SRCTEXT}}"
        << "5 & more = less" << QByteArray("sl=EN&q=5%20%26%20more%20%3D%20less");
    QTest::newRow("text in two fields") << "a={{SRCTEXT}}&b={{SRCTEXT}}"
                                        << "x&y" << QByteArray("a=x%26y&b=x%26y");
    QTest::newRow("placeholders inside the text are not filled")
        << "q={{SRCTEXT}}&t={{TGTLANG}}"
        << "{{TGTLANG}}" << QByteArray("q=%7B%7BTGTLANG%7D%7D&t=DE");
    QTest::newRow("template without text placeholder") << "sl={{SRCLANG}}&tl={{TGTLANG}}"
                                                       << "ignored" << QByteArray("sl=EN&tl=DE");
    QTest::newRow("percent in text encoded once") << "q={{SRCTEXT}}"
                                                  << "100%" << QByteArray("q=100%25");
}

void TestTranslators::buildRequestBody()
{
    QFETCH(QString, query);
    QFETCH(QString, text);
    QFETCH(QByteArray, body);
    CLTranslator translator;
    translator.query = query;
    translator.languages.insert(QStringLiteral("en"), QStringLiteral("EN"));
    translator.languages.insert(QStringLiteral("de"), QStringLiteral("DE"));
    QCOMPARE(::buildRequestBody(&translator, QStringLiteral("en"), QStringLiteral("de"), text),
             body);
    QCOMPARE(::buildRequestBody(nullptr, QStringLiteral("en"), QStringLiteral("de"), text),
             QByteArray());
}

void TestTranslators::loadTranslators_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<QString>("version");

    const QByteArray good = translatorsFile({definition(QStringLiteral("a"), {"en:de"}),
                                             definition(QStringLiteral("b"), {"de:en"})})
                                .toUtf8();
    const QByteArray wrongRoot =
        QStringLiteral("<engines>%1</engines>").arg(definition(QStringLiteral("a"), {})).toUtf8();

    QTest::newRow("compressed definitions")
        << "translators.tdf" << packXml(good) << true << QStringList{"a", "b"} << "7";
    QTest::newRow("plain file named .xml")
        << "translators.XML" << good << true << QStringList{"a", "b"} << "7";
    QTest::newRow("wrong root leaves no definitions")
        << "translators.tdf" << packXml(wrongRoot) << false << QStringList{} << "old";
    QTest::newRow("plain text under a compressed name does not load")
        << "translators.tdf" << good << false << QStringList{"old"} << "old";
    QTest::newRow("corrupt stream does not load")
        << "translators.tdf" << packXml(good).left(12) << false << QStringList{"old"} << "old";
    QTest::newRow("missing file keeps definitions")
        << "translators.tdf" << QByteArray() << false << QStringList{"old"} << "old";
    QTest::newRow("no definition qualifies still loads")
        << "translators.tdf" << packXml("<translators><translator id='x'/></translators>") << true
        << QStringList{} << "";
}

void TestTranslators::loadTranslators()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, content);
    QFETCH(bool, loaded);
    QFETCH(QStringList, ids);
    QFETCH(QString, version);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (!content.isNull())
        QVERIFY(writeFile(dir.filePath(fileName), content));

    CLProcessor processor;
    QVERIFY(processor.parseTranslators(
        documentOf(QStringLiteral("<translators version='old'>%1</translators>")
                       .arg(definition(QStringLiteral("old"), {"en:fr"})))));
    processor.rebuildPairIndex();
    processor.translatorDir = dir.path();
    processor.translatorFile = fileName;

    QCOMPARE(processor.loadTranslators(), loaded);
    QCOMPARE(idsOf(processor), ids);
    QCOMPARE(processor.translatorVersion, version);
    // The index always matches the definitions in force.
    for (auto it = processor.translatorByPair.cbegin(); it != processor.translatorByPair.cend();
         ++it)
        QVERIFY(processor.translators.contains(it.value()));
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("fr")) != nullptr,
             ids == QStringList{"old"});
    if (loaded && !ids.isEmpty())
        QCOMPARE(processor.findTranslator(QStringLiteral("de"), QStringLiteral("en"))->id,
                 QStringLiteral("b"));
}

void TestTranslators::shippedDefinitions()
{
    CLProcessor processor;
    processor.translatorDir = QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile");
    processor.translatorFile = QStringLiteral("translators.xml");
    QVERIFY(processor.loadTranslators());
    QCOMPARE(processor.applyTranslatorSequence(QString()), QStringLiteral("apertium"));

    const CLTranslator *apertium =
        processor.findTranslator(QStringLiteral("en"), QStringLiteral("es"));
    QVERIFY(apertium);
    QCOMPARE(processor.findTranslator(QStringLiteral("es"), QStringLiteral("en")), apertium);
    QCOMPARE(processor.findTranslator(QStringLiteral("en"), QStringLiteral("en")), nullptr);
    QCOMPARE(processor.translatorByPair.size(), 2);
    QVERIFY(apertium->usePost);
    QVERIFY(apertium->i18n);
    QCOMPARE(localName(apertium->i18n, QStringLiteral("ja")), QStringLiteral("Apertium"));

    // The body the service's form decoder reads back as langpair=eng|spa and q=TEXT.
    const QString query = ::buildQuery(apertium, QStringLiteral("en"), QStringLiteral("es"),
                                       QString::fromUtf8("Fish, chips: 5€"));
    QCOMPARE(::encodeQueryBody(query),
             QByteArray("langpair=eng%7Cspa&markUnknown=no&q=Fish%2C%20chips%3A%205%E2%82%AC"));
}

void TestTranslators::shippedAnswerProfile_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QString>("translation");

    const auto answer = [](const char *value) {
        return QByteArray(R"({"responseData": {"translatedText": ")") + value +
               R"("}, "responseDetails": null, "responseStatus": 200})";
    };
    QTest::newRow("plain sentence") << answer("La casa es grande.") << true << "La casa es grande.";
    QTest::newRow("non-ASCII text sent unescaped as UTF-8")
        << answer("El primer p\xC3\xA1rrafo.") << true << QString::fromUtf8("El primer párrafo.");
    QTest::newRow("escaped quote does not end the text")
        << answer(R"(Hola \"Mundo\", fin)") << true << R"(Hola \"Mundo\", fin)";
    QTest::newRow("quote and brace inside the text")
        << answer(R"(a \"}, b)") << true << R"(a \"}, b)";
    QTest::newRow("key name inside the text")
        << answer(R"(\"translatedText\": x)") << true << R"(\"translatedText\": x)";
    QTest::newRow("markup stripped and entities decoded")
        << answer(R"(<i>negrita<\/i> &eacute; *desconocido)") << true
        << QString::fromUtf8("negrita é *desconocido");
    QTest::newRow("empty translation gives nothing") << answer("") << false << "";
    QTest::newRow("error answer gives nothing")
        << QByteArray(R"({"status": "error", "code": 400, "message": "Bad Request", )"
                      R"("explanation": "That pair is not installed"})")
        << false << "";
}

void TestTranslators::shippedAnswerProfile()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, found);
    QFETCH(QString, translation);

    const auto document =
        loadXmlDocument(QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile/apertium.xml"));
    QVERIFY(document);
    CLProfileError error;
    CLSite *site = readProfile(*document, &error);
    QVERIFY2(site, qPrintable(error.toString()));

    CLProcessor processor;
    QVERIFY(processor.parseCatalogue(documentOf(
        QStringLiteral("<sites><site id='(s)TR.apertium' version='1.0' file='apertium.xml'/>"
                       "</sites>"))));
    QCOMPARE(processor.categories, QStringList{QStringLiteral(CL_CATEGORY_TRANSLATION)});
    QVERIFY(processor.registerSite(site));

    std::unique_ptr<CLElement> tree(processor.process(
        QStringLiteral("http://127.0.0.1:2737/translate"), answer, PageTranslatorEntry, QString()));
    QVERIFY(tree);
    QCOMPARE(tree->kind, int(TranslatorEntry));
    QCOMPARE(tree->children.size(), found ? 1 : 0);
    if (!found)
        return;
    QCOMPARE(tree->children.first()->kind, int(TranslateText));
    QCOMPARE(tree->children.first()->text(), translation);
}

QTEST_GUILESS_MAIN(TestTranslators)
#include "tst_translators.moc"
