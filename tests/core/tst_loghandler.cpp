#include "clconstants.h"
#include "loghandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

// A child started with "--child SETTINGS_DIR" performs its actions:
//   set=VALUE   store VALUE as the trace target     unset  remove the target
//   KIND:TEXT   emit TEXT                           KIND#N#UNIT  emit UNIT N times
// where KIND is debug, info, warning, critical or fatal.

namespace {

void emitMessage(const QString &kind, const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    if (kind == QLatin1String("info"))
        qInfo("%s", utf8.constData());
    else if (kind == QLatin1String("warning"))
        qWarning("%s", utf8.constData());
    else if (kind == QLatin1String("critical"))
        qCritical("%s", utf8.constData());
    else if (kind == QLatin1String("fatal"))
        qFatal("%s", utf8.constData());
    else
        qDebug("%s", utf8.constData());
}

int runChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral(TS_ORGANIZATION_NAME));
    QCoreApplication::setApplicationName(QStringLiteral(TS_APP_NAME));
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3)
        return 2;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, args.at(2));
    installLogHandler();
    for (const QString &action : args.mid(3)) {
        if (action.startsWith(QLatin1String("set="))) {
            QSettings().setValue(QStringLiteral(TS_KEY_TRACE_TARGET), action.mid(4));
        } else if (action == QLatin1String("unset")) {
            QSettings().remove(QStringLiteral(TS_KEY_TRACE_TARGET));
        } else if (action.contains(QLatin1Char('#'))) {
            const QStringList parts = action.split(QLatin1Char('#'));
            emitMessage(parts.value(0), parts.value(2).repeated(parts.value(1).toInt()));
        } else {
            const qsizetype colon = action.indexOf(QLatin1Char(':'));
            emitMessage(action.left(colon), action.mid(colon + 1));
        }
    }
    return 0;
}

const QByteArray TooLong = "Log message is too long, skiped.\n";

} // namespace

class TestLogHandler : public QObject
{
    Q_OBJECT

private slots:
    void records_data();
    void records();
};

void TestLogHandler::records_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("logDir");     // 0 none, 1 empty, 2 holding a log with "earlier\n"
    QTest::addColumn<QByteArray>("log"); // null: no log file
    QTest::addColumn<QByteArray>("standardError");
    QTest::addColumn<bool>("aborts");

    const QByteArray none;
    const QByteArray e5110 = QByteArray("\xc3\xa9").repeated(5110);
    QTest::newRow("records appended after earlier content in order")
        << QStringList{"set=file", "debug:one", "debug:two"} << 2
        << QByteArray("earlier\nDEBUG: one\nDEBUG: two\n") << QByteArray() << false;
    QTest::newRow("missing file created, prefix follows the message type")
        << QStringList{"set=file", "debug:d", "info:i", "warning:w", "critical:c"} << 1
        << QByteArray("DEBUG: d\nDEBUG: i\nWARNING: w\nCRITICAL: c\n") << QByteArray() << false;
    QTest::newRow("message bytes written as UTF-8")
        << QStringList{"set=file", QStringLiteral("debug:Zürich 北京")} << 1
        << QByteArray("DEBUG: Z\xc3\xbcrich \xe5\x8c\x97\xe4\xba\xac\n") << QByteArray() << false;
    QTest::newRow("message at the limit logged whole")
        << QStringList{"set=file", "critical#10220#y"} << 1
        << "CRITICAL: " + QByteArray("y").repeated(10220) + "\n"
        << QByteArray() << false;
    QTest::newRow("one byte over the limit replaced, next message kept")
        << QStringList{"set=file", "warning#10221#x", "warning:after"} << 1
        << TooLong + "WARNING: after\n"
        << QByteArray() << false;
    QTest::newRow("limit counted in bytes not characters")
        << QStringList{"set=file", QStringLiteral("debug#5110#é"), QStringLiteral("debug#5111#é")}
        << 1 << "DEBUG: " + e5110 + "\n" + TooLong << QByteArray() << false;
    QTest::newRow("target change applies to the next message")
        << QStringList{"set=file", "debug:a", "set=off", "debug:b", "set=file", "debug:c"} << 1
        << QByteArray("DEBUG: a\nDEBUG: c\n") << QByteArray() << false;
    for (const char *target : {"unset", "set=", "set=File", "set=files", "set= file"})
        QTest::addRow("messages dropped for target \"%s\"", target)
            << QStringList{target, "debug:a", "critical:c", "debug#10221#x"} << 1 << none
            << QByteArray() << false;
    QTest::newRow("console records go to standard error")
        << QStringList{"set=console", "debug:a", "critical:c", "debug#10221#x"} << 1 << none
        << "DEBUG: a\nCRITICAL: c\n" + TooLong << false;
    QTest::newRow("switch from console to file mid-run")
        << QStringList{"set=console", "debug:a", "set=file", "debug:b"} << 1
        << QByteArray("DEBUG: b\n") << QByteArray("DEBUG: a\n") << false;
    QTest::newRow("fatal record written before abort, nothing after")
        << QStringList{"set=file", "debug:a", "fatal:boom", "debug:never"} << 1
        << QByteArray("DEBUG: a\nFATAL: boom\n") << QByteArray() << true;
    QTest::newRow("fatal on the console") << QStringList{"set=console", "fatal:boom"} << 1 << none
                                          << QByteArray("FATAL: boom\n") << true;
    QTest::newRow("fatal aborts without a target")
        << QStringList{"unset", "fatal:boom"} << 1 << none << QByteArray() << true;
    QTest::newRow("no log directory: messages dropped, program runs on")
        << QStringList{"set=file", "debug:a", "warning#10221#x"} << 0 << none << QByteArray()
        << false;
    QTest::newRow("no log directory: fatal still aborts")
        << QStringList{"set=file", "debug:a", "fatal:boom"} << 0 << none << QByteArray() << true;
}

// The handler writes beside the executable and fatal messages abort, so each row runs
// in a copy of this binary in a fresh application directory.
void TestLogHandler::records()
{
    QFETCH(QStringList, actions);
    QFETCH(int, logDir);
    QFETCH(QByteArray, log);
    QFETCH(QByteArray, standardError);
    QFETCH(bool, aborts);

    QTemporaryDir dir;
    const QString appDir = dir.filePath("app");
    const QString logPath = appDir + "/log/log.txt";
    QVERIFY(QDir().mkpath(logDir ? appDir + "/log" : appDir));
    QFile seed(logPath);
    QVERIFY(logDir < 2 || (seed.open(QIODevice::WriteOnly) && seed.write("earlier\n") == 8));
    seed.close();
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
#ifdef Q_OS_UNIX
    // Aborting children are expected; keep them from leaving core files behind.
    process.setChildProcessModifier([] {
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
    });
#endif
    process.start(executable, QStringList{"--child", dir.filePath("settings")} + actions);
    QVERIFY(process.waitForStarted(30000) && process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), aborts ? QProcess::CrashExit : QProcess::NormalExit);
    QCOMPARE(process.exitCode(), aborts ? SIGABRT : 0); // a crash reports its signal
    QCOMPARE(process.readAllStandardError(), standardError);
    QFile file(logPath);
    QCOMPARE(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), log);
    QCOMPARE(file.exists(), !log.isNull());
    QCOMPARE(QFileInfo::exists(appDir + "/log"), logDir > 0);
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--child") == 0)
        return runChild(argc, argv);
    QCoreApplication app(argc, argv);
    TestLogHandler test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_loghandler.moc"
