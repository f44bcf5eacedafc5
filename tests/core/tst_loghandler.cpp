#include "clconstants.h"
#include "loghandler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#endif

// The handler writes beside the executable and fatal messages abort, so every
// case runs in a copy of this binary started with "--child". The child reads
// its settings from a private directory and performs a list of actions:
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

struct ChildResult
{
    bool started = false;
    QProcess::ExitStatus status = QProcess::NormalExit;
    int exitCode = -1;
    QByteArray standardError;
};

QByteArray repeated(const char *unit, int count)
{
    return QByteArray(unit).repeated(count);
}

const QByteArray TooLong = QByteArrayLiteral("Log message is too long, skiped.\n");

} // namespace

class TestLogHandler : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void fileTarget_data();
    void fileTarget();
    void droppedTargets_data();
    void droppedTargets();
    void consoleTarget_data();
    void consoleTarget();
    void fatalAborts_data();
    void fatalAborts();
    void missingLogDirectory_data();
    void missingLogDirectory();

private:
    // Copies this executable into a fresh application directory, with or without "log".
    bool prepare(bool withLogDirectory);
    ChildResult run(const QStringList &actions);
    QString logPath() const { return m_appDir + QStringLiteral("/log/log.txt"); }
    QByteArray logContent() const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_appDir;
    QString m_executable;
};

void TestLogHandler::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

bool TestLogHandler::prepare(bool withLogDirectory)
{
    m_appDir = m_dir->filePath(QStringLiteral("app"));
    if (!QDir().mkpath(m_appDir))
        return false;
    if (withLogDirectory && !QDir().mkpath(m_appDir + QStringLiteral("/log")))
        return false;
    m_executable =
        m_appDir + QLatin1Char('/') + QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QFile::copy(QCoreApplication::applicationFilePath(), m_executable);
}

ChildResult TestLogHandler::run(const QStringList &actions)
{
    ChildResult result;
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("QT_LOGGING_RULES"));
    env.remove(QStringLiteral("QT_MESSAGE_PATTERN"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir->filePath(QStringLiteral("xdg")));
    process.setProcessEnvironment(env);
    process.setWorkingDirectory(m_dir->path());
#ifdef Q_OS_UNIX
    // Aborting children are expected; keep them from leaving core files behind.
    process.setChildProcessModifier([] {
        const rlimit none{0, 0};
        setrlimit(RLIMIT_CORE, &none);
    });
#endif
    process.start(m_executable, QStringList{QStringLiteral("--child"),
                                            m_dir->filePath(QStringLiteral("settings"))} +
                                    actions);
    result.started = process.waitForStarted(30000) && process.waitForFinished(60000);
    result.status = process.exitStatus();
    result.exitCode = process.exitCode();
    result.standardError = process.readAllStandardError();
    return result;
}

QByteArray TestLogHandler::logContent() const
{
    QFile file(logPath());
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

void TestLogHandler::fileTarget_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QByteArray>("existing");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("aborts");

    QTest::newRow("records appended after earlier content in order")
        << QStringList{"debug:one", "debug:two"} << QByteArray("earlier\n")
        << QByteArray("earlier\nDEBUG: one\nDEBUG: two\n") << false;
    QTest::newRow("missing file created")
        << QStringList{"debug:first"} << QByteArray() << QByteArray("DEBUG: first\n") << false;
    QTest::newRow("prefix follows the message type")
        << QStringList{"debug:d", "info:i", "warning:w", "critical:c"} << QByteArray()
        << QByteArray("DEBUG: d\nDEBUG: i\nWARNING: w\nCRITICAL: c\n") << false;
    QTest::newRow("message bytes written as UTF-8")
        << QStringList{QStringLiteral("debug:Zürich 北京")} << QByteArray()
        << QByteArray("DEBUG: Z\xc3\xbcrich \xe5\x8c\x97\xe4\xba\xac\n") << false;
    QTest::newRow("empty message is still a record")
        << QStringList{"debug:"} << QByteArray() << QByteArray("DEBUG: \n") << false;
    QTest::newRow("message at the limit logged whole")
        << QStringList{"warning#10220#x"} << QByteArray()
        << QByteArray("WARNING: " + repeated("x", 10220) + "\n") << false;
    QTest::newRow("one byte over the limit replaced")
        << QStringList{"warning#10221#x"} << QByteArray() << TooLong << false;
    QTest::newRow("limit counted in bytes not characters")
        << QStringList{QStringLiteral("debug#5111#é")} << QByteArray() << TooLong << false;
    QTest::newRow("multi-byte message at the limit logged whole")
        << QStringList{QStringLiteral("debug#5110#é")} << QByteArray()
        << QByteArray("DEBUG: " + repeated("\xc3\xa9", 5110) + "\n") << false;
    QTest::newRow("long critical line fits the record")
        << QStringList{"critical#10220#y"} << QByteArray()
        << QByteArray("CRITICAL: " + repeated("y", 10220) + "\n") << false;
    QTest::newRow("over-long message does not swallow the next")
        << QStringList{"debug#20000#x", "warning:after"} << QByteArray()
        << QByteArray(TooLong + "WARNING: after\n") << false;
    QTest::newRow("target change applies to the next message")
        << QStringList{"debug:a", "set=off", "debug:b", "set=file", "debug:c"} << QByteArray()
        << QByteArray("DEBUG: a\nDEBUG: c\n") << false;
    QTest::newRow("fatal record written before abort")
        << QStringList{"debug:a", "fatal:boom"} << QByteArray()
        << QByteArray("DEBUG: a\nFATAL: boom\n") << true;
    QTest::newRow("nothing runs after a fatal message")
        << QStringList{"fatal:boom", "debug:never"} << QByteArray() << QByteArray("FATAL: boom\n")
        << true;
}

void TestLogHandler::fileTarget()
{
    QFETCH(QStringList, actions);
    QFETCH(QByteArray, existing);
    QFETCH(QByteArray, expected);
    QFETCH(bool, aborts);

    QVERIFY(prepare(true));
    if (!existing.isNull()) {
        QFile file(logPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(existing);
    }
    const ChildResult result = run(QStringList{QStringLiteral("set=file")} + actions);
    QVERIFY(result.started);
    QCOMPARE(result.status, aborts ? QProcess::CrashExit : QProcess::NormalExit);
    if (!aborts)
        QCOMPARE(result.exitCode, 0);
    QCOMPARE(logContent(), expected);
    QCOMPARE(result.standardError, QByteArray());
}

void TestLogHandler::droppedTargets_data()
{
    QTest::addColumn<QStringList>("target");

    QTest::newRow("target absent") << QStringList{"unset"};
    QTest::newRow("target empty") << QStringList{"set="};
    QTest::newRow("file compared case-sensitively") << QStringList{"set=File"};
    QTest::newRow("upper-case FILE") << QStringList{"set=FILE"};
    QTest::newRow("surrounding space not trimmed") << QStringList{"set= file"};
    QTest::newRow("console compared case-sensitively") << QStringList{"set=Console"};
    QTest::newRow("longer word starting with file") << QStringList{"set=files"};
    QTest::newRow("unknown target") << QStringList{"set=stderr"};
}

void TestLogHandler::droppedTargets()
{
    QFETCH(QStringList, target);

    QVERIFY(prepare(true));
    const ChildResult result =
        run(target + QStringList{"debug:a", "warning:b", "critical:c", "debug#10221#x"});
    QVERIFY(result.started);
    QCOMPARE(result.status, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!QFile::exists(logPath()));
    QCOMPARE(result.standardError, QByteArray());
}

void TestLogHandler::consoleTarget_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("records go to standard error")
        << QStringList{"debug:a", "critical:c"} << QByteArray("DEBUG: a\nCRITICAL: c\n");
    QTest::newRow("over-long line on standard error")
        << QStringList{"debug#10221#x", "info:i"} << QByteArray(TooLong + "DEBUG: i\n");
    QTest::newRow("switch from console to file mid-run")
        << QStringList{"debug:a", "set=file", "debug:b"} << QByteArray("DEBUG: a\n");
}

void TestLogHandler::consoleTarget()
{
    QFETCH(QStringList, actions);

    QVERIFY(prepare(true));
    const ChildResult result = run(QStringList{QStringLiteral("set=console")} + actions);
    QVERIFY(result.started);
    QCOMPARE(result.status, QProcess::NormalExit);
    QTEST(result.standardError, "expected");
    if (actions.contains(QStringLiteral("set=file")))
        QCOMPARE(logContent(), QByteArray("DEBUG: b\n"));
    else
        QVERIFY(!QFile::exists(logPath()));
}

void TestLogHandler::fatalAborts_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QByteArray>("logged");
    QTest::addColumn<QByteArray>("standardError");

    const QByteArray record("FATAL: boom\n");
    QTest::newRow("no target") << "unset" << QByteArray() << QByteArray();
    QTest::newRow("empty target") << "set=" << QByteArray() << QByteArray();
    QTest::newRow("unknown target") << "set=File" << QByteArray() << QByteArray();
    QTest::newRow("file target") << "set=file" << record << QByteArray();
    QTest::newRow("console target") << "set=console" << QByteArray() << record;
}

void TestLogHandler::fatalAborts()
{
    QFETCH(QString, target);

    QVERIFY(prepare(true));
    const ChildResult result = run(QStringList{target, QStringLiteral("fatal:boom")});
    QVERIFY(result.started);
    QCOMPARE(result.status, QProcess::CrashExit);
    QTEST(logContent(), "logged");
    QTEST(result.standardError, "standardError");
}

void TestLogHandler::missingLogDirectory_data()
{
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("aborts");

    QTest::newRow("messages dropped, program runs on")
        << QStringList{"debug:a", "warning:b", "debug#10221#x"} << false;
    QTest::newRow("fatal still aborts") << QStringList{"debug:a", "fatal:boom"} << true;
}

void TestLogHandler::missingLogDirectory()
{
    QFETCH(QStringList, actions);
    QFETCH(bool, aborts);

    QVERIFY(prepare(false));
    const ChildResult result = run(QStringList{QStringLiteral("set=file")} + actions);
    QVERIFY(result.started);
    QCOMPARE(result.status, aborts ? QProcess::CrashExit : QProcess::NormalExit);
    if (!aborts)
        QCOMPARE(result.exitCode, 0);
    QVERIFY(!QFileInfo::exists(m_appDir + QStringLiteral("/log")));
    QCOMPARE(result.standardError, QByteArray());
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
