#include "clconstants.h"
#include "loghandler.h"
#include "testkit.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;

// A child started with "--child" performs its actions: "set=VALUE" stores VALUE as
// the trace target, "unset" removes it, "KIND:TEXT" emits TEXT and "KIND#N#UNIT" UNIT N times,
// where KIND is debug, info, warning, critical or fatal.

namespace {

int runChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(TS_ORGANIZATION_NAME);
    QCoreApplication::setApplicationName(TS_APP_NAME);
    installLogHandler();
    const QStringList kinds{u"debug"_s, u"warning"_s, u"critical"_s, u"fatal"_s, u"info"_s};
    for (const QString &action : app.arguments().mid(2)) {
        const QStringList parts = action.split(u'#');
        if (action.startsWith(u"set="_s))
            QSettings().setValue(TS_KEY_TRACE_TARGET, action.mid(4));
        else if (action == u"unset"_s)
            QSettings().remove(TS_KEY_TRACE_TARGET);
        else if (parts.size() == 3)
            qt_message_output(QtMsgType(kinds.indexOf(parts[0])), {},
                              parts[2].repeated(parts[1].toInt()));
        else
            qt_message_output(QtMsgType(kinds.indexOf(action.section(u':', 0, 0))), {},
                              action.section(u':', 1));
    }
    return 0;
}

const QByteArray TooLong = "Log message is too long, skiped.\n";
const QByteArray e5110 = QByteArray("\xc3\xa9").repeated(5110);
const QByteArray none; // no log file

// logDir: 0 none, 1 empty, 2 holding a log with "earlier\n".
struct RecordRow
{
    const char *name;
    QString actions;
    int logDir;
    QByteArray log, standardError = "";
    bool aborts = false;
};
const RecordRow recordRows[] = {
    {"records appended after earlier content in order", "set=file debug:one debug:two", 2,
     "earlier\nDEBUG: one\nDEBUG: two\n"},
    {"missing file created, prefix follows the message type, UTF-8 bytes",
     u"set=file debug:Zürich info:i warning:w critical:c"_s, 1,
     "DEBUG: Z\xc3\xbcrich\nDEBUG: i\nWARNING: w\nCRITICAL: c\n"},
    {"message at the limit logged whole", "set=file critical#10220#y", 1,
     "CRITICAL: " + QByteArray("y").repeated(10220) + "\n"},
    {"one byte over the limit replaced, next message kept",
     "set=file warning#10221#x warning:after", 1, TooLong + "WARNING: after\n"},
    {"limit counted in bytes not characters", u"set=file debug#5110#é debug#5111#é"_s, 1,
     "DEBUG: " + e5110 + "\n" + TooLong},
    {"messages dropped for targets unset, File and files",
     "unset debug:a critical:c debug#10221#x set=File debug:a critical:c debug#10221#x set=files "
     "debug:a critical:c debug#10221#x",
     1, none},
    {"console records go to standard error", "set=console debug:a critical:c debug#10221#x", 1,
     none, "DEBUG: a\nCRITICAL: c\n" + TooLong},
    {"target change applies to the next message", "set=console debug:a set=file debug:b", 1,
     "DEBUG: b\n", "DEBUG: a\n"},
    {"fatal record written before abort, nothing after", "set=file debug:a fatal:boom debug:never",
     1, "DEBUG: a\nFATAL: boom\n", "", true},
    {"fatal on the console", "set=console fatal:boom", 1, none, "FATAL: boom\n", true},
    {"no log directory: messages dropped, fatal still aborts",
     "set=file debug:a warning#10221#x fatal:boom", 0, none, "", true},
};

} // namespace

class TestLogHandler : public QObject
{
    Q_OBJECT

private slots:
    void records_data() { testkit::rows(recordRows); }
    // The handler writes beside the executable and fatal messages abort, so each row runs in a
    // copy of this binary in a fresh application directory.
    void records()
    {
        const RecordRow &r = testkit::current(recordRows);
        QTemporaryDir dir;
        const QString appDir = dir.filePath("app");
        const QString logPath = appDir + "/log/log.txt";
        QVERIFY(QDir().mkpath(r.logDir ? appDir + "/log" : appDir));
        QVERIFY(r.logDir < 2 || testkit::writeAll(logPath, "earlier\n"));
        const QString executable =
            appDir + '/' + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), executable));

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_LOGGING_RULES");
        env.remove("QT_MESSAGE_PATTERN");
        env.insert("XDG_CONFIG_HOME", dir.filePath("xdg"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        // Aborting children are expected; keep them from leaving core files behind.
        process.setChildProcessModifier([] {
            const rlimit none{0, 0};
            setrlimit(RLIMIT_CORE, &none);
        });
        process.start(executable, QStringList{"--child"} + r.actions.split(u' '));
        QVERIFY(process.waitForStarted(30000) && process.waitForFinished(60000));
        QCOMPARE(process.exitStatus(), r.aborts ? QProcess::CrashExit : QProcess::NormalExit);
        QCOMPARE(process.exitCode(), r.aborts ? SIGABRT : 0); // a crash reports its signal
        QCOMPARE(process.readAllStandardError(), r.standardError);
        QCOMPARE(testkit::readAll(logPath), r.log);
        QCOMPARE(QFile::exists(logPath), !r.log.isNull());
        QCOMPARE(QFileInfo::exists(appDir + "/log"), r.logDir > 0);
    }
};

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestLogHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_loghandler.moc"
