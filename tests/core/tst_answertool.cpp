// The version-check answer grammar, through the maintainers' checker
// `tessolin-profile answer`, which reads answers exactly as the reader does.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

#ifndef TESSOLIN_PROFILE_TOOL
#define TESSOLIN_PROFILE_TOOL ""
#endif

namespace {

// What the reader takes from the site target line of the table below.
const char Site[] = "{\"id\": \"(s)GI.a\", \"version\": \"2\", \"bytes\": \"1024\", "
                    "\"checksum\": \"c1\", \"urls\": [\"http://one.example/a.xml.ra\", "
                    "\"http://two.example/a.xml.ra\"], \"message\": \"\"}";

QByteArray withTargets(const QByteArray &targets, const QByteArray &endpoints = "null")
{
    return "{\"valid\": true, \"targets\": [" + (targets.isEmpty() ? "" : "\n  " + targets + '\n') +
           "], \"endpoints\": " + endpoints + "}\n";
}

} // namespace

class TestAnswerTool : public QObject
{
    Q_OBJECT

private slots:
    void grammar_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("json");

        const QByteArray invalid = R"({"valid": false, "targets": [], "endpoints": null})"
                                   "\n";
        const QByteArray site = "TF|IS|V2|B1024|Cc1|Uhttp://one.example/a.xml.ra|"
                                "Uhttp://two.example/a.xml.ra";
        auto line = [&](const QByteArray &replace, const QByteArray &with) {
            return "TR|R0\n" + QByteArray(site).replace(replace, with) + '\n';
        };
        const QByteArray siteJson = Site;
        auto json = [&](const QByteArray &replace, const QByteArray &with) {
            return withTargets(QByteArray(siteJson).replace(replace, with));
        };

        QTest::newRow("first line alone") << QByteArray("TR|R0") << 0 << withTargets({});
        QTest::newRow("R1 is invalid") << QByteArray("TR|R1\n") << 1 << invalid;
        QTest::newRow("CRLF first line is invalid") << QByteArray("TR|R0\r\n") << 1 << invalid;
        QTest::newRow("leading blank line is invalid") << QByteArray("\nTR|R0\n") << 1 << invalid;
        QTest::newRow("empty answer is invalid") << QByteArray() << 1 << invalid;
        QTest::newRow("site target, two URLs in field order")
            << line("IS", "I(s)GI.a") << 0 << json("", "");
        QTest::newRow("no checksum: no target") << line("|Cc1", "") << 0 << withTargets({});
        QTest::newRow("no id: no target") << line("|IS", "") << 0 << withTargets({});
        QTest::newRow("no version: no target") << line("|V2", "") << 0 << withTargets({});
        QTest::newRow("no URL: no target")
            << QByteArray("TR|R0\nTF|I(s)GI.a|V2|B1|Cc1\n") << 0 << withTargets({});
        QTest::newRow("bare B is 0")
            << line("B1024", "B").replace("IS", "I(s)GI.a") << 0 << json("\"1024\"", "\"0\"");
        QTest::newRow("absent B stays empty")
            << line("|B1024", "").replace("IS", "I(s)GI.a") << 0 << json("\"1024\"", "\"\"");
        QTest::newRow("message is percent-decoded")
            << line("IS", "I(s)GI.a|MHello%20World") << 0
            << json(R"("message": "")", R"("message": "Hello World")");
        QTest::newRow("message bytes are one character each")
            << line("IS", "I(s)GI.a|Mcaf%E9%0Aline") << 0
            << json(R"("message": "")", R"("message": "café\nline")");
        QTest::newRow("later field wins, U appends")
            << line("IS", "I(s)GI.x|V1|I(s)GI.a") << 0 << json("", "");
        QTest::newRow("unknown letters and empty fields are ignored")
            << line("IS", "|Xjunk||I(s)GI.a|") << 0 << json("", "");
        QTest::newRow("line of one field and unknown records are ignored")
            << "TR|R0\nTF\nZZ|I(s)GI.b|V1|Cc|Uhttp://b.example/\n\n" + line("IS", "I(s)GI.a").mid(6)
            << 0 << json("", "");
        QTest::newRow("a NUL ends the answer")
            << line("IS", "I(s)GI.a") + QByteArray("\0TF|I(s)GI.b|V1|Cc|Uhttp://b.example/\n", 38)
            << 0 << json("", "");
        QTest::newRow("id bytes are one character each")
            << line("IS", "I(s)GI.\xe9") << 0 << json("(s)GI.a", "(s)GI.é");
        QTest::newRow("TV names the endpoints")
            << QByteArray("TR|R0\nTV|Uhttp://a.example/vc|Xno|Uhttps://b.example/v\n") << 0
            << withTargets({}, "[\"http://a.example/vc\", \"https://b.example/v\"]");
        QTest::newRow("TV without a web address names none")
            << QByteArray("TR|R0\nTV|U|Uftp://a.example/|Ufile:///vc|Ujavascript:x\n") << 0
            << withTargets({});
        QTest::newRow("the last TV with an endpoint wins")
            << QByteArray("TR|R0\nTV|Uhttp://a.example/\nTV|Uhttp://b.example/\nTV|Ux\n") << 0
            << withTargets({}, "[\"http://b.example/\"]");
        QTest::newRow("file: and data: URLs are dropped")
            << line("Uhttp://one", "Ufile:///etc/passwd|Udata:,x|Uhttp://one")
                   .replace("IS", "I(s)GI.a")
            << 0 << json("", "");
        QTest::newRow("target with only unsafe URLs is dropped")
            << QByteArray("TR|R0\nTF|I(s)GI.a|V1|B1|Cc|Ufile:///x|Uhttp://|Uhttp://a b/\n") << 0
            << withTargets({});
        QTest::newRow("control character in an id drops the target")
            << line("IS", "I(s)GI.\ta") << 0 << withTargets({});
        QTest::newRow("repeated id keeps the first")
            << line("IS", "I(s)GI.a") + line("IS", "I(s)GI.a").mid(6).replace("V2", "V3") << 0
            << json("", "");
        QTest::newRow("JSON special characters are escaped")
            << line("IS", "I(s)GI.a|M%22%5C%01") << 0
            << json(R"("message": "")", "\"message\": \"\\\"\\\\\\u0001\"");
        QTest::newRow("message is cut at 4096 characters")
            << line("IS", "I(s)GI.a|M" + QByteArray(5000, 'm')) << 0
            << json(R"("message": "")", "\"message\": \"" + QByteArray(4096, 'm') + '"');
        QTest::newRow("answer over 1 MiB is invalid")
            << "TR|R0\n" + QByteArray(1024 * 1024, 'x') << 1 << invalid;
    }

    void grammar()
    {
        QFETCH(QByteArray, answer);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, json);

        QTemporaryDir dir;
        QFile file(dir.filePath(u"answer.txt"_s));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(answer);
        file.close();
        // From a file and from standard input alike.
        for (const bool fromStdin : {false, true}) {
            QProcess tool;
            tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL),
                       {u"answer"_s, fromStdin ? u"-"_s : file.fileName()});
            QVERIFY(tool.waitForStarted());
            if (fromStdin)
                tool.write(answer);
            tool.closeWriteChannel();
            QVERIFY(tool.waitForFinished(20000));
            QCOMPARE(tool.readAllStandardOutput(), json);
            QCOMPARE(tool.exitCode(), exitCode);
        }
    }

    void unreadableFile()
    {
        QProcess tool;
        tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL), {u"answer"_s, u"/nonexistent/x"_s});
        QVERIFY(tool.waitForFinished(20000));
        QCOMPARE(tool.exitCode(), 2);
        QVERIFY(tool.readAllStandardOutput().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAnswerTool)
#include "tst_answertool.moc"
