#include "clconstants.h"
#include "loghandler.h"
#include "mainwindow.h"
#include "readerapp.h"
#include "versionmanager.h"

#include <QCommandLineParser>
#include <QStringList>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace {

#ifdef Q_OS_UNIX
int terminationPipe[2] = {-1, -1};

void noteTermination(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(terminationPipe[1], &byte, 1);
}

// SIGTERM (logout, shutdown) and SIGINT close the window the normal way, so
// that geometry, read marks and settings are saved; the handler only wakes the event loop.
void closeOnTermination(ReaderApp &app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, terminationPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(terminationPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, notifier] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(terminationPipe[0], &byte, 1);
        notifier->setEnabled(false);
        if (app.mainWindow)
            app.mainWindow->close();
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = noteTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}
#else
void closeOnTermination(ReaderApp &) {}
#endif

enum class Parsed { Run, Exit, Usage };

void writeTo(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

/// Reads the command line before any window system is touched, so that
/// "--help", "--version" and mistakes answer at once, even without a display.
Parsed parseCommandLine(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A news reader that extracts headlines and articles from news sites with per-site "
        "profiles.\nWithout --app-dir the installation data (conf, skin, doc, log) is read from "
        "the folder named by TESSOLIN_APP_DIR, else from the executable's folder."));
    // Qt's own options take a single dash ("-platform offscreen"); long
    // options may take either form.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption(
        {QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
        QStringLiteral("Shows this help and exits."));
    const QCommandLineOption versionOption(
        {QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Shows the program's version and exits."));
    const QCommandLineOption appDirOption(
        QStringLiteral("app-dir"),
        QStringLiteral("Reads the installation data from <DIR>."), QStringLiteral("DIR"));
    parser.addOption(helpOption);
    parser.addOption(versionOption);
    parser.addOption(appDirOption);

    // The options QGuiApplication and QApplication take for themselves.
    static const char *const qtValueOptions[] = {
        "platform", "platformpluginpath", "platformtheme", "plugin", "qmljsdebugger",
        "style", "stylesheet", "session", "display", "geometry", "qwindowgeometry",
        "title", "qwindowtitle", "icon", "qwindowicon", "name", "widgetcount-file"};
    static const char *const qtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb",
                                                "sync", "qwindowtitle-none"};
    for (const char *name : qtValueOptions) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : qtFlagOptions) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    // Without an application object the parser cannot name the program.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                    QStringLiteral("tessolin"));
    if (!parser.parse(arguments)) {
        writeTo(stderr, QStringLiteral("tessolin: %1\n\n%2").arg(parser.errorText(), usage));
        return Parsed::Usage;
    }
    if (parser.isSet(helpOption)) {
        writeTo(stdout, usage);
        return Parsed::Exit;
    }
    if (parser.isSet(versionOption)) {
        writeTo(stdout, QStringLiteral(TS_APP_NAME " " TS_APP_VERSION "\n"));
        return Parsed::Exit;
    }
    if (!parser.positionalArguments().isEmpty()) {
        writeTo(stderr, QStringLiteral("tessolin: unexpected argument \"%1\"\n\n%2")
                            .arg(parser.positionalArguments().constFirst(), usage));
        return Parsed::Usage;
    }
    return Parsed::Run;
}

} // namespace

// Options: --app-dir DIR (or the environment variable TESSOLIN_APP_DIR) reads
// the installation data (conf, skin, doc, log) from DIR instead of the
// executable's folder; --help and --version print and exit.
int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    switch (parseCommandLine(arguments)) {
    case Parsed::Exit:
        return 0;
    case Parsed::Usage:
        return 2;
    case Parsed::Run:
        break;
    }

    installLogHandler();
    ReaderApp app(argc, argv);
    if (!app.initialize())
        return -1;
    app.refreshProcessor(true, true);
    app.showMainWindow();
    closeOnTermination(app);
    qDebug("Main window shown");
    if (app.versionManager->isVersionCheckDue())
        app.versionManager->onlineVersionCheck();
    return app.exec();
}
