#include "loghandler.h"
#include "readerapp.h"
#include "versionmanager.h"

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
    qDebug("Main window shown");
    if (app.versionManager->isVersionCheckDue())
        app.versionManager->onlineVersionCheck();
    return app.exec();
}
