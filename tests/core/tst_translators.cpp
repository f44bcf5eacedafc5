#include "clelement.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "cltranslator.h"
#include "htmltext.h"
#include "testkit.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::current;
using testkit::rows;

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

// An input and what becomes of it.
struct TextRow
{
    const char *name;
    QString input, expected;
};
// A sequence of definition ids and the order it gives.
const TextRow sequenceRows[] = {
    {"a named id swaps with the first", "R", "R Q P"},
    {"two named in order", "Q P", "Q P R"},
    {"unknown id ignored, case-sensitive", "X r Q", "Q P R"},
    {"duplicate id does not move another", "Q Q", "Q P R"},
    {"double space is an empty part", "R  P", "R P Q"},
};

// A definition's attributes and body besides en=EN, and what is read: "skipped", else method,
// languages and pairs.
const QString post = "id='t' name='T' entry='h' method='post'>";
const QString enDe = post + "<query>q</query><languages><language id='de' name='d'/></languages>";
const TextRow definitionRows[] = {
    {"get accepted", "id='t' name='T' entry='h' method='get'><query>q</query>", "get en=EN |"},
    {"method in capitals skipped", "id='t' name='T' entry='h' method='POST'><query>q</query>",
     "skipped"},
    {"empty query skipped", post + "<query/>", "skipped"},
    {"missing id skipped", "name='T' entry='h' method='post'><query>q</query>", "skipped"},
    {"query below a wrapper, groups merged, later id wins, codeless entries ignored",
     post + "<request><query>q</query></request><languages><language id='fr' name=''/>"
            "<language id='' name='X'/><language id='en' name='first'/><language id='fr' "
            "name='FR'/></languages>",
     "post en=first fr=FR |"},
    {"full gives every pair, self pairs and later languages too",
     post + "<query>q</query><paths combination='full'/><languages><language id='de' "
            "name='d'/></languages>",
     "post de=d en=EN | de:de de:en en:de en:en"},
    {"listed gives only its pairs, skips empty ends, allows codeless languages",
     enDe + "<paths combination='listed'><path from='en' to='de'/><path from='en' to=''/>"
            "<path to='de'/><path from='en' to='ja'/></paths>",
     "post de=d en=EN | en:de en:ja"},
    {"unknown combination adds nothing", enDe + "<paths combination='Full'/><paths/>",
     "post de=d en=EN |"},
    {"listed after full extends the shared set of every language",
     enDe + "<paths combination='full'/><paths combination='listed'><path from='en' "
            "to='ja'/><path from='ja' to='en'/></paths>",
     "post de=d en=EN | de:de de:en de:ja en:de en:en en:ja ja:en"},
};

const QString form = "sl={{SRCLANG}}&tl={{TGTLANG}}&q={{SRCTEXT}}";
struct RequestRow
{
    const char *name;
    QString query, target, text;
    QByteArray body;
};
const RequestRow requestRows[] = {
    {"language without a code leaves its placeholder empty", form, "ja", "Hi", "sl=EN&tl=&q=Hi"},
    {"codes filled, ampersand and equals inside the text stay text", form, "de", "5 & more = less",
     "sl=EN&tl=DE&q=5%20%26%20more%20%3D%20less"},
    {"placeholders inside the text are not filled, case-sensitive names",
     "q={{SRCTEXT}}&t={{TGTLANG}}&l={{SrcLang}}", "de", "{{TGTLANG}}",
     "q=%7B%7BTGTLANG%7D%7D&t=DE&l=%7B%7BSrcLang%7D%7D"},
    {"template encoded as UTF-8 but for unreserved characters, = and &",
     u"a b/é+%|?#\n-._~=1&q={{SRCTEXT}}"_s, "de", u"😀"_s,
     "a%20b%2F%C3%A9%2B%25%7C%3F%23%0A-._~=1&q=%F0%9F%98%80"},
};

const QByteArray good =
    translatorsXml({definition("a", {"en:de"}), definition("b", {"de:en"})}).toUtf8();
struct LoadRow
{
    const char *name, *file;
    QByteArray content; // null: no file
    bool loaded;
    QString ids, version; // the definitions in force afterwards
};
const LoadRow loadRows[] = {
    {"compressed definitions", "tr.tdf", packXml(good), true, "a b", "7"},
    {"plain file named .xml", "tr.XML", good, true, "a b", "7"},
    {"wrong root leaves no definitions", "tr.tdf",
     packXml("<engines>" + definition("a", {}).toUtf8() + "</engines>"), false, "", "old"},
    {"plain text under a compressed name keeps definitions", "tr.tdf", good, false, "old", "old"},
    {"missing file keeps definitions", "tr.tdf", QByteArray(), false, "old", "old"},
    {"file nested too deep keeps definitions", "tr.tdf",
     packXml("<translators>" + QByteArray("<g>").repeated(50000) +
             QByteArray("</g>").repeated(50000) + "</translators>"),
     false, "old", "old"},
    // A file nobody can translate with must not pass for a successful load.
    {"no qualifying definition is a failed load", "tr.tdf",
     packXml(translatorsXml({definition("a", {"en:de"}).replace("post", "POST")}).toUtf8()), false,
     "", "7"},
    {"definitions without any pair are a failed load", "tr.tdf",
     packXml(translatorsXml({definition("a", {})}).toUtf8()), false, "a", "7"},
};

QByteArray answer(const char *value)
{
    return "{\"responseData\": {\"translatedText\": \"" + QByteArray(value) +
           "\"}, \"responseDetails\": null, \"responseStatus\": 200}";
}
struct AnswerRow
{
    const char *name;
    QByteArray answer;
    QString translation; // null: no node
};
const AnswerRow answerRows[] = {
    {"non-ASCII text sent unescaped as UTF-8", answer("El primer p\xC3\xA1rrafo."),
     u"El primer párrafo."_s},
    {"escaped quote and brace do not end the text", answer("Hola \\\"Mundo\\\"}, fin"),
     u"Hola \"Mundo\"}, fin"_s},
    {"JSON escapes decoded", answer("L\\u00ednea uno\\nl\\u00ednea dos\\\\"),
     u"Línea uno\nlínea dos\\"_s},
    {"markup stripped and entities decoded", answer("<i>negrita<\\/i> &eacute;"), u"negrita é"_s},
    {"error answer gives nothing", "{\"status\": \"error\", \"code\": 400}", QString()},
};

} // namespace

class TestTranslators : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { fillEntityTable(); }

    void sequence_data() { rows(sequenceRows); }
    void sequence()
    {
        const TextRow &r = current(sequenceRows);
        const auto processor =
            processorWith({definition("P", {"en:de", "en:fr"}), definition("Q", {"en:de", "de:en"}),
                           definition("R", {"en:de"})});
        QCOMPARE(processor->applyTranslatorSequence(r.input), r.expected);
        QCOMPARE(idsOf(*processor), r.expected);
        // The first definition able to translate a pair owns it, in the new order at once.
        QCOMPARE(processor->findTranslator("en", "de"), processor->translators.first());
        QCOMPARE(processor->findTranslator("en", "fr")->id, "P");
        QCOMPARE(processor->findTranslator("fr", "en"), nullptr);
    }

    void definitions_data() { rows(definitionRows); }
    void definitions()
    {
        QString definition = current(definitionRows).input;
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
        QCOMPARE(got.trimmed(), current(definitionRows).expected);
    }

    void wrongRootLeavesNoDanglingLookup()
    {
        const auto processor = processorWith({definition("old", {"en:de"})});
        QDomDocument wrongRoot;
        QVERIFY(wrongRoot.setContent(u"<translator/>"_s) &&
                !processor->parseTranslators(wrongRoot));
        QCOMPARE(processor->findTranslator("en", "de"), nullptr);
    }

    void request_data() { rows(requestRows); }
    void request()
    {
        const RequestRow &r = current(requestRows);
        CLTranslator translator;
        translator.query = r.query;
        translator.languages = {{"en", "EN"}, {"de", "DE"}};
        QCOMPARE(::buildRequestBody(&translator, "en", r.target, r.text), r.body);
    }

    void loadTranslators_data() { rows(loadRows); }
    void loadTranslators()
    {
        const LoadRow &r = current(loadRows);
        QTemporaryDir dir;
        QVERIFY(r.content.isNull() || testkit::writeAll(dir.filePath(r.file), r.content));
        const auto processor = processorWith({definition("old", {"en:fr"})}, "old");
        processor->translatorDir = dir.path();
        processor->translatorFile = r.file;
        QCOMPARE(processor->loadTranslators(), r.loaded);
        QCOMPARE(idsOf(*processor), r.ids);
        QCOMPARE(processor->translatorVersion, r.version);
        // The index always matches the definitions in force.
        QCOMPARE(processor->findTranslator("en", "fr") != nullptr, r.ids == u"old"_s);
        QCOMPARE(processor->findTranslator("de", "en") != nullptr, r.ids == u"a b"_s);
    }

    void shippedDefinitions()
    {
        CLProcessor processor;
        processor.translatorDir = testkit::shippedProfileDir();
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

    void shippedAnswerProfile_data() { rows(answerRows); }
    void shippedAnswerProfile()
    {
        const AnswerRow &r = current(answerRows);
        CLProcessor processor;
        processor.profileDir = testkit::shippedProfileDir();
        processor.catalogueFile = u"sites.xml"_s;
        QVERIFY(processor.loadSiteCatalogue());
        std::unique_ptr<CLElement> tree(processor.process(
            "http://127.0.0.1:2737/translate", r.answer, PageTranslatorEntry, QString()));
        QVERIFY(tree && tree->kind == TranslatorEntry);
        QCOMPARE(tree->children.size(), r.translation.isNull() ? 0 : 1);
        QVERIFY(r.translation.isNull() || tree->children.first()->kind == TranslateText);
        if (!r.translation.isNull())
            QCOMPARE(tree->children.first()->text(), r.translation);
    }
};

QTEST_GUILESS_MAIN(TestTranslators)
#include "tst_translators.moc"
