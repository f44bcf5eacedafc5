// The version-check answer grammar, through the maintainers' checker
// `tessolin-profile answer`, which reads answers exactly as the reader does.

#include "clsigning.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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

// Every key of `expected` has its value in `actual`; newer keys may be added.
bool holds(const QJsonValue &actual, const QJsonValue &expected)
{
    if (expected.isObject()) {
        const QJsonObject want = expected.toObject();
        for (auto it = want.begin(); it != want.end(); ++it) {
            if (!actual.toObject().contains(it.key()) || !holds(actual[it.key()], it.value()))
                return false;
        }
        return actual.isObject();
    }
    if (expected.isArray()) {
        const QJsonArray want = expected.toArray();
        if (!actual.isArray() || actual.toArray().size() != want.size())
            return false;
        for (qsizetype i = 0; i < want.size(); ++i) {
            if (!holds(actual.toArray().at(i), want.at(i)))
                return false;
        }
        return true;
    }
    return actual == expected;
}

// Runs the tool on `answer` with `arguments` before the file; its JSON and exit code.
QPair<QJsonObject, int> runAnswer(const QByteArray &answer, const QStringList &arguments)
{
    QProcess tool;
    tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL),
               QStringList{u"answer"_s} + arguments + QStringList{u"-"_s});
    tool.write(answer);
    tool.closeWriteChannel();
    if (!tool.waitForFinished(20000))
        return {{}, -1};
    return {QJsonDocument::fromJson(tool.readAllStandardOutput()).object(), tool.exitCode()};
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
            const QByteArray output = tool.readAllStandardOutput();
            QVERIFY2(holds(QJsonDocument::fromJson(output).object(),
                           QJsonDocument::fromJson(json).object()),
                     output.constData());
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

    void signatures_data()
    {
        QTest::addColumn<QByteArray>("answer"); // signed with key A unless it holds a TS record
        QTest::addColumn<QString>("keys");      // the --key files given: "A", "B", "AB" or ""
        QTest::addColumn<QByteArray>("tamper"); // "FROM>TO" applied after signing
        QTest::addColumn<QString>("expect"); // "signed;keyId;endpointsUsable;usable[:refusal]..."

        const QByteArray sha(64, 'a');
        const QByteArray site = "TF|I(s)GI.a|V2|B10|C" + sha + "|Uhttp://a.example/a.xml\n";
        const QByteArray installer = "TF|I(a)setup|V9|B10|C" + sha + "|Uhttp://a.example/s.exe\n";
        const QByteArray tv = "TV|Uhttp://b.example/vc\n";
        const QByteArray all = "TR|R0\n" + site + installer + tv;
        struct Row
        {
            const char *name;
            QByteArray answer;
            const char *keys;
            QByteArray tamper;
            const char *expect;
        };
        const Row rows[] = {
            {"valid signature", all, "A", "", "1;A;1;1;1"},
            {"either of two keys", all, "BA", "", "1;A;1;1;1"},
            {"tampered byte", all, "A", "V2>V3", "0;A;0;1;0:unsigned answer"},
            {"wrong key", all, "B", "", "0;A;0;1;0:unsigned answer"},
            {"no key given", all, "", "", "0;A;0;1;0:unsigned answer"},
            {"record not last", all, "A", "+TF|I(s)GI.b|V1|B1|C" + sha + "|Uhttp://x/b\n",
             "0;A;0;1;0:unsigned answer;1"},
            {"unknown key id",
             all + "TS|K0123456789abcdef|S" + QByteArray(64, 'x').toBase64() + "\n", "A", "",
             "0;0123456789abcdef;0;1;0:unsigned answer"},
            {"unsigned answer", all + "#", "A", "", "0;-;0;1;0:unsigned answer"},
            {"size 0", "TR|R0\nTF|I(s)GI.a|V2|B0|C" + sha + "|Uhttp://a/a.xml\n", "A", "",
             "1;A;0;0:size 0"},
            {"bare B", "TR|R0\nTF|I(s)GI.a|V2|B|C" + sha + "|Uhttp://a/a.xml\n", "A", "",
             "1;A;0;0:size 0"},
            {"checksum not hex", "TR|R0\nTF|I(s)GI.a|V2|B5|C0|Uhttp://a/a.xml\n", "A", "",
             "1;A;0;0:checksum not hex"},
            {"MD5 and SHA-1 are compared",
             "TR|R0\nTF|I(s)GI.a|V2|B5|C" + QByteArray(32, 'b') +
                 "|Uhttp://a/a.xml\nTF|I(r)e|V2|B5|C" + QByteArray(40, 'c') + "|Uhttp://a/e.xml\n",
             "A", "", "1;A;0;1;1"},
            {"installer without SHA-256",
             "TR|R0\nTF|I(a)s|V2|B5|C" + QByteArray(40, 'c') + "|Uhttp://a/s.exe\n", "A", "",
             "1;A;0;0:installer without SHA-256"},
            {"profile over 1 MiB", "TR|R0\nTF|I(s)GI.a|V2|B1048577|C" + sha + "|Uhttp://a/a.xml\n",
             "A", "", "1;A;0;0:larger than 1048576 bytes"},
        };
        for (const Row &row : rows) {
            QByteArray answer = row.answer;
            if (!answer.endsWith('#') && !answer.contains("\nTS|"))
                answer = "SIGN" + answer;
            if (answer.endsWith('#'))
                answer.chop(1);
            QTest::newRow(row.name) << answer << QString::fromLatin1(row.keys) << row.tamper
                                    << QString::fromLatin1(row.expect);
        }
        QByteArray many = "TR|R0\n";
        for (int i = 0; i < 2001; ++i)
            many += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B5|C" + sha + "|Uhttp://a/n.xml\n";
        QTest::newRow("2,001 targets are refused whole")
            << "SIGN" + many << u"A"_s << QByteArray() << u"1;A;0;0:2001 targets, more than 2000"_s;
        QByteArray heavy = "TR|R0\n";
        for (int i = 0; i < 300; ++i)
            heavy += "TF|I(s)GI.n" + QByteArray::number(i) + "|V1|B1000000|C" + sha +
                     "|Uhttp://a/n.xml\n";
        QTest::newRow("300 MB of profiles are refused whole")
            << "SIGN" + heavy << u"A"_s << QByteArray()
            << u"1;A;0;0:300000000 bytes of files, more than 268435456"_s;
    }

    // A signature verifies only with a given key, over the exact bytes, as the last line.
    void signatures()
    {
        QFETCH(QByteArray, answer);
        QFETCH(QString, keys);
        QFETCH(QByteArray, tamper);
        QFETCH(QString, expect);

        QTemporaryDir dir;
        QByteArray publicA, secretA, publicB, secretB;
        QVERIFY(makeSigningKeyPair(&publicA, &secretA) && makeSigningKeyPair(&publicB, &secretB));
        QVERIFY(writeKeyFile(dir.filePath(u"A"_s), publicA, false));
        QVERIFY(writeKeyFile(dir.filePath(u"B"_s), publicB, false));
        if (answer.startsWith("SIGN"))
            answer = signAnswer(answer.mid(4), secretA);
        if (tamper.startsWith('+'))
            answer += tamper.mid(1);
        else if (!tamper.isEmpty())
            answer.replace(tamper.left(tamper.indexOf('>')), tamper.mid(tamper.indexOf('>') + 1));
        QStringList arguments;
        for (const QChar key : keys)
            arguments << u"--key"_s << dir.filePath(key);

        const auto [json, code] = runAnswer(answer, arguments);
        QCOMPARE(code, 0);
        const QStringList want = expect.split(u';');
        QCOMPARE(json.value(u"signed"_s).toBool(), want.at(0) == u"1"_s);
        const QString keyId = want.at(1) == u"A"_s ? signingKeyId(publicA) : want.at(1);
        QCOMPARE(json.value(u"keyId"_s).toString(), want.at(1) == u"-"_s ? QString() : keyId);
        QCOMPARE(json.value(u"keyId"_s).isNull(), want.at(1) == u"-"_s);
        QCOMPARE(json.value(u"endpointsUsable"_s).toBool(), want.at(2) == u"1"_s);
        const QJsonArray targets = json.value(u"targets"_s).toArray();
        // A refusal of the whole answer is written at every target, which is still listed.
        QVERIFY(targets.size() == want.size() - 3 || (want.size() == 4 && targets.size() >= 300));
        for (qsizetype i = 0; i < targets.size(); ++i) {
            const QString &w = want.at(qMin(3 + i, want.size() - 1));
            const QJsonObject target = targets.at(i).toObject();
            QCOMPARE(target.value(u"usable"_s).toBool(), w.startsWith(u'1'));
            QCOMPARE(target.value(u"refusal"_s).toString(), w.section(u':', 1));
        }
    }

    // Server text reaches the terminal with every control character escaped.
    void terminalSafe()
    {
        QProcess tool;
        tool.start(QStringLiteral(TESSOLIN_PROFILE_TOOL), {u"answer"_s, u"-"_s});
        tool.write("TR|R0\nTF|I(s)GI.a|V1|B5|C" + QByteArray(64, 'a') +
                   "|Uhttp://a/a.xml|M%1B[2J%7F%C2%9B%9B\nTF|I(s)GI.b\x1b]0;x\x07|V1|B5|C0|Uhttp://"
                   "a/b\x1b.xml\n");
        tool.closeWriteChannel();
        QVERIFY(tool.waitForFinished(20000));
        const QByteArray all = tool.readAllStandardOutput() + tool.readAllStandardError();
        QVERIFY2(all.contains("\\u001b[2J\\u007f\xc3\x82\\u009b\\u009b"), all.constData());
        for (const char *bad : {"\x1b", "\x7f", "\xc2\x9b", "\x07"})
            QVERIFY2(!all.contains(bad), all.toPercentEncoding().constData());
    }
};

QTEST_GUILESS_MAIN(TestAnswerTool)
#include "tst_answertool.moc"
