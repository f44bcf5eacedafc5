#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// A definition able to translate each listed "from:to" pair.
QString definition(const QString &id, const QStringList &pairs)
{
    QString paths;
    for (const QString &pair : pairs)
        paths += "<path from='%1' to='%2'/>"_L1.arg(pair.section(':', 0, 0), pair.section(':', 1));
    return "<translator id='%1' name='%1' entry='h' method='post'><query>q</query>"
           "<paths combination='listed'>%2</paths></translator>"_L1.arg(id, paths);
}

QString translatorsXml(const QStringList &definitions, const QString &version = "7")
{
    return "<translators version='%1'>%2</translators>"_L1.arg(version, definitions.join(""));
}

// A processor holding the definitions, its pair index built.
std::unique_ptr<CLProcessor> processorWith(const QStringList &definitions,
                                           const QString &version = "7")
{
    auto processor = std::make_unique<CLProcessor>();
    QDomDocument document;
    if (document.setContent(translatorsXml(definitions, version)) &&
        processor->parseTranslators(document))
        processor->rebuildPairIndex();
    return processor;
}

QString idsOf(const CLProcessor &processor)
{
    QStringList ids;
    for (const CLTranslator *translator : processor.translators)
        ids.append(translator->id);
    return ids.join(' ');
}

} // namespace

class TestTranslators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void sequence_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("normalised");

        QTest::newRow("a named id swaps with the first") << u"R"_s << u"R Q P"_s;
        QTest::newRow("two named in order") << u"Q P"_s << u"Q P R"_s;
        QTest::newRow("unknown id ignored, case-sensitive") << u"X r Q"_s << u"Q P R"_s;
        QTest::newRow("duplicate id does not move another") << u"Q Q"_s << u"Q P R"_s;
        QTest::newRow("double space is an empty part") << u"R  P"_s << u"R P Q"_s;
    }
    void sequence()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, normalised);

        const auto processor =
            processorWith({definition("P", {"en:de", "en:fr"}), definition("Q", {"en:de", "de:en"}),
                           definition("R", {"en:de"})});
        QCOMPARE(processor->applyTranslatorSequence(sequence), normalised);
        QCOMPARE(idsOf(*processor), normalised);
        // The first definition able to translate a pair owns it, in the new order at once.
        QCOMPARE(processor->findTranslator("en", "de"), processor->translators.first());
        QCOMPARE(processor->findTranslator("en", "fr")->id, "P");
        QCOMPARE(processor->findTranslator("fr", "en"), nullptr);
    }

    void definitions_data()
    {
        QTest::addColumn<QString>("definition"); // attributes and body, besides en=EN
        QTest::addColumn<QString>("read");       // "skipped", else method, languages and pairs

        const auto row = [](const char *name, const QString &definition, const QString &read) {
            QTest::newRow(name) << definition << read;
        };
        const QString post = "id='t' name='T' entry='h' method='post'>";
        const QString enDe =
            post + "<query>q</query><languages><language id='de' name='d'/></languages>";
        row("get accepted", "id='t' name='T' entry='h' method='get'><query>q</query>",
            "get en=EN |");
        row("method in capitals skipped",
            "id='t' name='T' entry='h' method='POST'><query>q</query>", "skipped");
        row("empty query skipped", post + "<query/>", "skipped");
        row("missing id skipped", "name='T' entry='h' method='post'><query>q</query>", "skipped");
        row("query below a wrapper, groups merged, later id wins, codeless entries ignored",
            post + "<request><query>q</query></request><languages><language id='fr' name=''/>"
                   "<language id='' name='X'/><language id='en' name='first'/><language id='fr' "
                   "name='FR'/></languages>",
            "post en=first fr=FR |");
        row("full gives every pair, self pairs and later languages too",
            post + "<query>q</query><paths combination='full'/><languages><language id='de' "
                   "name='d'/></languages>",
            "post de=d en=EN | de:de de:en en:de en:en");
        row("listed gives only its pairs, skips empty ends, allows codeless languages",
            enDe + "<paths combination='listed'><path from='en' to='de'/><path from='en' to=''/>"
                   "<path to='de'/><path from='en' to='ja'/></paths>",
            "post de=d en=EN | en:de en:ja");
        row("unknown combination adds nothing", enDe + "<paths combination='Full'/><paths/>",
            "post de=d en=EN |");
        row("listed after full extends the shared set of every language",
            enDe + "<paths combination='full'/><paths combination='listed'><path from='en' "
                   "to='ja'/><path from='ja' to='en'/></paths>",
            "post de=d en=EN | de:de de:en de:ja en:de en:en en:ja ja:en");
    }
    void definitions()
    {
        QFETCH(QString, definition);

        definition.insert(definition.indexOf(u'>') + 1,
                          u"<languages><language id='en' name='EN'/></languages>"_s);
        const auto processor = processorWith({"<translator " + definition + "</translator>"});
        QString got = "skipped";
        if (const CLTranslator *translator = processor->translators.value(0)) {
            got = translator->usePost ? "post" : "get";
            for (auto it = translator->languages.cbegin(); it != translator->languages.cend(); ++it)
                got += ' ' + it.key() + '=' + it.value();
            QStringList pairs = processor->translatorByPair.keys();
            pairs.sort();
            got += " | " + pairs.join(' ');
        }
        QTEST(got.trimmed(), "read");
    }

    void wrongRootLeavesNoDanglingLookup()
    {
        const auto processor = processorWith({definition("old", {"en:de"})});
        QDomDocument wrongRoot;
        QVERIFY(wrongRoot.setContent(u"<translator/>"_s) &&
                !processor->parseTranslators(wrongRoot));
        QCOMPARE(processor->findTranslator("en", "de"), nullptr);
    }

    void request_data()
    {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("body");

        const QString form = "sl={{SRCLANG}}&tl={{TGTLANG}}&q={{SRCTEXT}}";
        QTest::newRow("language without a code leaves its placeholder empty")
            << form << u"ja"_s << u"Hi"_s << QByteArray("sl=EN&tl=&q=Hi");
        QTest::newRow("codes filled, ampersand and equals inside the text stay text")
            << form << u"de"_s << u"5 & more = less"_s
            << QByteArray("sl=EN&tl=DE&q=5%20%26%20more%20%3D%20less");
        QTest::newRow("placeholders inside the text are not filled, case-sensitive names")
            << u"q={{SRCTEXT}}&t={{TGTLANG}}&l={{SrcLang}}"_s << u"de"_s << u"{{TGTLANG}}"_s
            << QByteArray("q=%7B%7BTGTLANG%7D%7D&t=DE&l=%7B%7BSrcLang%7D%7D");
        QTest::newRow("template encoded as UTF-8 but for unreserved characters, = and &")
            << u"a b/é+%|?#\n-._~=1&q={{SRCTEXT}}"_s << u"de"_s << u"😀"_s
            << QByteArray("a%20b%2F%C3%A9%2B%25%7C%3F%23%0A-._~=1&q=%F0%9F%98%80");
    }
    void request()
    {
        QFETCH(QString, query);
        QFETCH(QString, target);
        QFETCH(QString, text);

        CLTranslator translator;
        translator.query = query;
        translator.languages = {{"en", "EN"}, {"de", "DE"}};
        QTEST(::buildRequestBody(&translator, "en", target, text), "body");
    }

    void loadTranslators_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<bool>("loaded");
        QTest::addColumn<QString>("ids"); // the definitions in force afterwards
        QTest::addColumn<QString>("version");

        const QByteArray good =
            translatorsXml({definition("a", {"en:de"}), definition("b", {"de:en"})}).toUtf8();
        const auto row = [](const char *name, const char *file, const QByteArray &content,
                            bool loaded, const char *ids, const char *version) {
            QTest::newRow(name) << QString::fromLatin1(file) << content << loaded
                                << QString::fromLatin1(ids) << QString::fromLatin1(version);
        };
        row("compressed definitions", "tr.tdf", packXml(good), true, "a b", "7");
        row("plain file named .xml", "tr.XML", good, true, "a b", "7");
        row("wrong root leaves no definitions", "tr.tdf",
            packXml("<engines>" + definition("a", {}).toUtf8() + "</engines>"), false, "", "old");
        row("plain text under a compressed name keeps definitions", "tr.tdf", good, false, "old",
            "old");
        row("missing file keeps definitions", "tr.tdf", QByteArray(), false, "old", "old");
        row("file nested too deep keeps definitions", "tr.tdf",
            packXml("<translators>" + QByteArray("<g>").repeated(50000) +
                    QByteArray("</g>").repeated(50000) + "</translators>"),
            false, "old", "old");
        // A file nobody can translate with must not pass for a successful load.
        row("no qualifying definition is a failed load", "tr.tdf",
            packXml(translatorsXml({definition("a", {"en:de"}).replace("post", "POST")}).toUtf8()),
            false, "", "7");
        row("definitions without any pair are a failed load", "tr.tdf",
            packXml(translatorsXml({definition("a", {})}).toUtf8()), false, "a", "7");
    }
    void loadTranslators()
    {
        QFETCH(QString, fileName);
        QFETCH(QByteArray, content);
        QFETCH(bool, loaded);
        QFETCH(QString, ids);

        QTemporaryDir dir;
        QFile file(dir.filePath(fileName));
        QVERIFY(content.isNull() || (file.open(QIODevice::WriteOnly) && file.write(content) > 0));
        file.close();
        const auto processor = processorWith({definition("old", {"en:fr"})}, "old");
        processor->translatorDir = dir.path();
        processor->translatorFile = fileName;

        QCOMPARE(processor->loadTranslators(), loaded);
        QCOMPARE(idsOf(*processor), ids);
        QTEST(processor->translatorVersion, "version");
        // The index always matches the definitions in force.
        QCOMPARE(processor->findTranslator("en", "fr") != nullptr, ids == u"old"_s);
        QCOMPARE(processor->findTranslator("de", "en") != nullptr, ids == u"a b"_s);
    }

    void shippedDefinitions()
    {
        CLProcessor processor;
        processor.translatorDir = TESSOLIN_SOURCE_DIR "/data/conf/profile";
        processor.translatorFile = "translators.xml";
        QVERIFY(processor.loadTranslators());
        const CLTranslator *apertium = processor.findTranslator("en", "es");
        QVERIFY(apertium && processor.findTranslator("es", "en") == apertium);
        QCOMPARE(processor.translatorByPair.size(), 2);
        QCOMPARE(localName(apertium->i18n, "ja"), "Apertium");
        // A body the service's form decoder reads back as langpair=eng|spa and q=TEXT.
        QCOMPARE(::buildRequestBody(apertium, "en", "es", u"Fish & chips: 5€"_s),
                 "langpair=eng%7Cspa&markUnknown=no&q=Fish%20%26%20chips%3A%205%E2%82%AC");
    }

    void shippedAnswerProfile_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<QString>("translation"); // null: no node

        const auto answer = [](const char *value) {
            return "{\"responseData\": {\"translatedText\": \"" + QByteArray(value) +
                   "\"}, \"responseDetails\": null, \"responseStatus\": 200}";
        };
        QTest::newRow("non-ASCII text sent unescaped as UTF-8")
            << answer("El primer p\xC3\xA1rrafo.") << u"El primer párrafo."_s;
        QTest::newRow("escaped quote and brace do not end the text")
            << answer("Hola \\\"Mundo\\\"}, fin") << u"Hola \"Mundo\"}, fin"_s;
        QTest::newRow("JSON escapes decoded")
            << answer("L\\u00ednea uno\\nl\\u00ednea dos\\\\") << u"Línea uno\nlínea dos\\"_s;
        QTest::newRow("markup stripped and entities decoded")
            << answer("<i>negrita<\\/i> &eacute;") << u"negrita é"_s;
        QTest::newRow("error answer gives nothing")
            << QByteArray("{\"status\": \"error\", \"code\": 400}") << QString();
    }
    void shippedAnswerProfile()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, translation);

        CLProcessor processor;
        processor.profileDir = TESSOLIN_SOURCE_DIR "/data/conf/profile";
        processor.catalogueFile = u"sites.xml"_s;
        QVERIFY(processor.loadSiteCatalogue());
        std::unique_ptr<CLElement> tree(processor.process("http://127.0.0.1:2737/translate", answer,
                                                          PageTranslatorEntry, QString()));
        QVERIFY(tree && tree->kind == TranslatorEntry);
        QCOMPARE(tree->children.size(), translation.isNull() ? 0 : 1);
        QVERIFY(translation.isNull() || tree->children.first()->kind == TranslateText);
        if (!translation.isNull())
            QCOMPARE(tree->children.first()->text(), translation);
    }
};

QTEST_GUILESS_MAIN(TestTranslators)
#include "tst_translators.moc"
