#include "loghandler.h"
#include "mainwindow.h"
#include "readerapp.h"
#include "versionmanager.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

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

} // namespace

// Options: --app-dir DIR (or the environment variable TESSOLIN_APP_DIR) reads
// the installation data (conf, skin, doc, log) from DIR instead of the
// executable's folder.
int main(int argc, char *argv[])
{
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
