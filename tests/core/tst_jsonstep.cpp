#include "clelement.h"
#include "cljsonstep.h"
#include "clprofilereader.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

/// The step that turns the inside of a JSON string into the text it stands for.
class TestJsonStep : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QString>("escaped");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain text unchanged") << u"Dijo hola."_s << u"Dijo hola."_s;
        QTest::newRow("quote, backslash, slash")
            << uR"(Dijo \"hola\" a C:\\ y <\/b>)"_s << uR"(Dijo "hola" a C:\ y </b>)"_s;
        QTest::newRow("line breaks and tabs")
            << uR"(uno\ndos\r\ntres\tcuatro)"_s << u"uno\ndos\r\ntres\tcuatro"_s;
        QTest::newRow("unicode escapes, either case")
            << uR"(caf\u00e9 \u00C9t\u00e9 \u65b0)"_s << u"café Été 新"_s;
        QTest::newRow("surrogate pair") << uR"(\ud83d\ude00!)"_s << u"\U0001F600!"_s;
        // Hostile or broken escapes never make text that was not sent.
        QTest::newRow("lone high surrogate") << uR"(a\ud83dz)"_s << u"a\uFFFDz"_s;
        QTest::newRow("lone low surrogate") << uR"(a\ude00z)"_s << u"a\uFFFDz"_s;
        QTest::newRow("NUL escape") << uR"(a\u0000z)"_s << u"a\uFFFDz"_s;
        QTest::newRow("short unicode escape kept") << uR"(a\u12)"_s << uR"(a\u12)"_s;
        QTest::newRow("non-hex unicode escape kept") << uR"(\uzzzz)"_s << uR"(\uzzzz)"_s;
        QTest::newRow("unknown escape kept") << uR"(50\% \x41)"_s << uR"(50\% \x41)"_s;
        QTest::newRow("trailing backslash kept") << uR"(end\)"_s << uR"(end\)"_s;
        QTest::newRow("escaped backslash before n") << uR"(\\n)"_s << uR"(\n)"_s;
    }

    void decode()
    {
        QFETCH(QString, escaped);
        QTEST(CLStepJsonString::decode(escaped), "text");
        // Bytes are read with the site's codeset (none here: UTF-8).
        const CLStepJsonString step;
        CLData bytes(escaped.toUtf8());
        const std::unique_ptr<CLData> out(step.process(&bytes));
        QVERIFY(out && out->type == DataText);
        QTEST(out->text, "text");
    }

    // Profiles name the step "step_json_string".
    void readFromProfile()
    {
        QDomDocument document;
        QVERIFY(document.setContent(uR"(<site name="s" id="(s)json" locale="en" codeset="UTF-8"
          version="1" entry="http://127.0.0.1/"><page name="p" id="p" type="translator.entry">
          <track name="t"><topic name="x" id="x" type="translate-text">
          <step_json_string/><step_text_extract filter_space="no"/></topic></track></page></site>)"_s));
        CLProfileError error;
        const std::unique_ptr<CLSite> site(readProfile(document, &error));
        QVERIFY2(site, qPrintable(error.toString()));
        const CLTopic *topic = site->pages.at(0)->tracks.at(0)->topics.at(0);
        QCOMPARE(topic->steps.size(), 2);
        const std::unique_ptr<CLData> out(runChain(topic, R"(Dijo \"hola\" al due\u00f1o)"));
        QVERIFY(out);
        QCOMPARE(out->text, u"Dijo \"hola\" al dueño"_s);
    }
};

QTEST_GUILESS_MAIN(TestJsonStep)
#include "tst_jsonstep.moc"
