// The whole program on the offline demo: the application object starts on a
// laid-out demo folder, the demo site and the version service run on
// loopback, and the window is driven from the site index to a translated
// article and a PDF. The real executable is started and stopped as well.

#include "contentscrollview.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "mainwindow.h"
#include "readerapp.h"
#include "servicekit.h"

#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

IndexItem *entryNamed(IndexScrollView *view, const QString &text)
{
    for (IndexItem *item : view ? view->items() : QList<IndexItem *>())
        if (item->text().contains(text))
            return item;
    return nullptr;
}

} // namespace

class TestProgram : public QObject
{
    Q_OBJECT

public:
    explicit TestProgram(ReaderApp *app) : m_app(app) {}

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_sitePort = m_server.startUpdateServer(
            {u"--site"_s, QStringLiteral(TESSOLIN_SOURCE_DIR "/tools/demosite/site"), u"0"_s,
             QStringLiteral(TESSOLIN_APP_BUILD_DIR "/conf/profile")});
        QVERIFY(m_sitePort != 0);
        const QString apertium = QStandardPaths::findExecutable(u"apertium-apy"_s);
        if (!apertium.isEmpty() && QFile::exists(u"/usr/share/apertium/modes/eng-spa.mode"_s))
            m_engineUp =
                m_engine.start(apertium, {u"-p"_s, u"PORT"_s, u"/usr/share/apertium/modes"_s});
        m_appDir = m_dir.filePath(u"app"_s);
        const QString setup =
            servicekit::run(QStringLiteral(TESSOLIN_SOURCE_DIR "/scripts/demo-setup"),
                            {QStringLiteral(TESSOLIN_APP_BUILD_DIR), m_appDir,
                             u"http://127.0.0.1:%1"_s.arg(m_sitePort),
                             QString::number(m_engineUp ? m_engine.port : 9),
                             QStringLiteral(TESSOLIN_PROFILE_TOOL)});
        QVERIFY2(!setup.startsWith(u"failed"_s), qPrintable(setup));

        QSettings settings;
        settings.setValue(u"UILanguage"_s, u"en"_s);
        settings.setValue(u"TranslateTargetLanguage"_s, u"es"_s);
        settings.setValue(u"AppInternalVersion"_s, u"010000"_s);
        settings.setValue(u"VersionCheckURLs"_s,
                          u"http://127.0.0.1:%1/tsup/vercheck.php"_s.arg(m_sitePort));
    }

    // Nothing fails at start-up: every creation, the interface translation,
    // the catalogue with every shipped and demo profile, the engines, the
    // language resource and the filters.
    void startsCleanly()
    {
        m_app->quietMessages = true;
        m_app->useApplicationDir(m_appDir);
        QCOMPARE(m_app->dataDir(), m_appDir);
        QVERIFY(m_app->initialize());
        m_app->refreshProcessor(true, true);
        QVERIFY2(
            m_app->shownCodes.isEmpty(),
            qPrintable(u"start-up messages: "_s + QString::number(m_app->shownCodes.value(0))));
        QVERIFY(!QFile::exists(m_appDir + u"/conf/profile/profile_error.log"_s));
        m_app->showMainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(m_app->mainWindow));
        QVERIFY(m_app->mainWindow->originalView()->toPlainText().contains(u"Tessolin"_s));
    }

    void readsAndTranslatesAnArticle()
    {
        MainWindow *window = m_app->mainWindow;
        QVERIFY(window);
        IndexItem *site = entryNamed(window->siteView(), u"Lantern"_s);
        QVERIFY2(site, "the demo site is not in the site index");
        site->activate();
        QTRY_VERIFY_WITH_TIMEOUT(entryNamed(window->pageView(), u"floating library"_s), 10000);

        entryNamed(window->pageView(), u"floating library"_s)->activate();
        QTRY_VERIFY_WITH_TIMEOUT(window->originalView()->toPlainText().contains(u"ferry Wren"_s),
                                 10000);
        QVERIFY(window->translateButton()->isEnabled());

        TESSOLIN_NEEDS(m_engineUp, "apertium-apy with English-Spanish is not available");
        window->translateButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(window->contentStack()->currentIndex() == 1, 30000);
        const QString translated = window->translatedView()->toPlainText();
        QVERIFY2(translated.contains(u"biblioteca"_s), qPrintable(translated.left(400)));
    }

    void savesThePdf()
    {
        MainWindow *window = m_app->mainWindow;
        const QString pdf = m_dir.filePath(u"article.pdf"_s);
        QVERIFY(window->writePdf(pdf));
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        TESSOLIN_NEEDS(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is not installed");
        const QString text = servicekit::run(pdftotext, {pdf, u"-"_s});
        QVERIFY2(text.contains(u"Brackwater"_s) || text.contains(u"biblioteca"_s),
                 qPrintable(text.left(400)));
        QVERIFY(text.contains(u"127.0.0.1"_s));
    }

    void executableStarts_data()
    {
        QTest::addColumn<int>("signal");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
    }
    // The executable gets to its main window with no start-up failure (a failure would hold it
    // in a modal box); a logout or Ctrl+C closes the window the normal way, saving its geometry.
    void executableStarts()
    {
        QFETCH(int, signal);
        QSettings().remove(u"LastSize"_s);
        QSettings().setValue(u"TraceTarget"_s, u"console"_s);
        QSettings().sync();
        QProcess program;
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.start(QStringLiteral(TESSOLIN_EXE), {u"--app-dir"_s, m_appDir});
        QVERIFY(program.waitForStarted(10000));
        QByteArray output;
        QTRY_VERIFY_WITH_TIMEOUT((output += program.readAll()).contains("Main window shown") ||
                                     program.state() != QProcess::Running,
                                 60000);
        QVERIFY2(program.state() == QProcess::Running && output.contains("Main window shown") &&
                     !output.contains("Start-up message"),
                 output.constData());
        ::kill(pid_t(program.processId()), signal);
        QVERIFY(program.waitForFinished(10000));
        QSettings().remove(u"TraceTarget"_s);
        QSettings settings;
        settings.sync();
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY(settings.contains(u"LastSize"_s));
    }

    void cleanupTestCase()
    {
        if (m_app->mainWindow)
            m_app->mainWindow->close();
    }

private:
    ReaderApp *m_app;
    QTemporaryDir m_dir;
    QString m_appDir;
    servicekit::LocalService m_server, m_engine;
    quint16 m_sitePort = 0;
    bool m_engineUp = false;
};

int main(int argc, char *argv[])
{
    // Settings of their own and no screen, for this program and the executable it starts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(settings.path() + u"/data"_s));
    qunsetenv("TESSOLIN_APP_DIR");
    ReaderApp app(argc, argv);
    TestProgram test(&app);
    return QTest::qExec(&test, argc, argv);
}

#include "tst_program.moc"
