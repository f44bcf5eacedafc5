#include "windowfixture.h"

#include "clconstants.h"
#include "titlebar.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QProgressBar>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

/// A dialog that records where it was when it would have run.
class RecordingDialog : public QDialog
{
    Q_OBJECT

public:
    RecordingDialog() { resize(300, 200); }
    int exec() override
    {
        ++runs;
        at = pos();
        return QDialog::Accepted;
    }
public slots:
    void retranslateUI() { ++retranslations; }

public:
    int runs = 0;
    int retranslations = 0;
    QPoint at;
};

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;

private slots:
    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->setUp());
    }

    void cleanup() { f.reset(); }

    void geometry_data()
    {
        QTest::addColumn<int>("screen");      // stored screen number; -2: no keys at all
        QTest::addColumn<bool>("sameLayout"); // stored geometry equals the screen's
        QTest::addColumn<bool>("restored");
        QTest::newRow("first start") << -2 << true << false;
        QTest::newRow("same screen and resolution") << 0 << true << true;
        QTest::newRow("resolution changed") << 0 << false << false;
        QTest::newRow("screen removed") << 3 << true << false;
        QTest::newRow("negative screen number") << -1 << true << false;
    }

    void geometry()
    {
        QFETCH(int, screen);
        QFETCH(bool, sameLayout);
        const QRect layout = QGuiApplication::primaryScreen()->geometry();
        if (screen != -2) {
            QSettings settings(f->settingsPath(), QSettings::IniFormat);
            settings.setValue(TS_KEY_LAST_SCREEN_NUMBER, screen);
            settings.setValue(TS_KEY_LAST_SCREEN_GEOMETRY,
                              sameLayout ? layout : layout.adjusted(0, 0, 100, 0));
            settings.setValue(TS_KEY_LAST_SIZE, QSize(781, 501));
            settings.setValue(TS_KEY_LAST_POSITION, QPoint(7, 9));
        }
        MainWindow window(nullptr, nullptr, nullptr, nullptr, f->settingsPath());
        QTEST(window.size() == QSize(781, 501), "restored");
        QVERIFY(window.width() >= 768 && window.height() >= 480);
    }

    void closeStoresNormalGeometry_data()
    {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximised") << true;
    }

    void closeStoresNormalGeometry()
    {
        QFETCH(bool, maximized);
        f->window->resize(781, 501);
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        if (maximized) {
            f->window->switchMaxNormal();
            QTRY_VERIFY(f->window->isMaximized());
        }
        f->window->close();
        QSettings settings(f->settingsPath(), QSettings::IniFormat);
        QCOMPARE(settings.value(TS_KEY_LAST_SIZE).toSize(), QSize(781, 501));
        QCOMPARE(settings.value(TS_KEY_LAST_SCREEN_NUMBER).toInt(), 0);
        // The next start on the same screen opens at that size, not maximised.
        MainWindow next(nullptr, nullptr, nullptr, nullptr, f->settingsPath());
        QCOMPARE(next.size(), QSize(781, 501));
        QVERIFY(!next.isMaximized());
    }

    void titleBar()
    {
        f->window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f->window.get()));
        QTest::mouseDClick(f->window->captionBar(), Qt::LeftButton);
        QTRY_VERIFY(f->window->isMaximized());
        QCOMPARE(f->window->maximizeButton()->toolTip(), u"Restore Down"_s);
        QTest::mouseDClick(f->window->logoBar(), Qt::LeftButton);
        QTRY_VERIFY(!f->window->isMaximized());
        QCOMPARE(f->window->maximizeButton()->toolTip(), u"Maximize"_s);

        // Where the platform can't move the window itself, the window follows the drag.
        const QPoint start = f->window->pos();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, QPointF(25, 4), QPointF(25, 4), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        f->window->resetMousePosition(&press);
        f->window->moveWindow(&move);
        QTRY_COMPARE(f->window->pos(), start + QPoint(15, -6));
    }

    void dialogs_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("set");
        const char *names[] = {"filter", "language", "update", "proxy", "about", "first run"};
        for (int i = 0; i < 6; ++i) {
            QTest::addRow("%s dialog opens centred", names[i]) << i << true;
            QTest::addRow("%s dialog not set does nothing", names[i]) << i << false;
        }
    }

    void dialogs()
    {
        QFETCH(int, which);
        QFETCH(bool, set);
        RecordingDialog dialog;
        MainWindow *w = f->window.get();
        const std::function<void(QDialog *)> setters[] = {[w](QDialog *d) { w->setFilterBox(d); },
                                                          [w](QDialog *d) { w->setI18NBox(d); },
                                                          [w](QDialog *d) { w->setUpdateSettingBox(d); },
                                                          [w](QDialog *d) { w->setProxyBox(d); },
                                                          [w](QDialog *d) { w->setAboutBox(d); },
                                                          [w](QDialog *d) { w->setInitialBox(d); }};
        const std::function<void()> openers[] = {
            [w] { w->popupFilterCfgBox(); },     [w] { w->popupI18NCfgBox(); },
            [w] { w->popupUpdateSettingBox(); }, [w] { w->popupProxySettingBox(); },
            [w] { w->popupAboutBox(); },         [w] { w->showInitialCfgBox(); }};
        if (set)
            setters[which](&dialog);
        w->setGeometry(101, 51, 901, 601);
        openers[which]();
        QCOMPARE(dialog.runs, set ? 1 : 0);
        if (set)
            QCOMPARE(dialog.at,
                     QPoint(w->x() + (w->width() - 300) / 2, w->y() + (w->height() - 200) / 2));
        QCOMPARE(dialog.retranslations, which == 5 && set ? 1 : 0);
    }

    void statusTexts_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("event");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("page"); // shown in the original view; empty: none
        QTest::newRow("2011 update services")
            << 6 << 2011 << u"Can't access the update services"_s << QString();
        QTest::newRow("2101 parsing error, article")
            << 2 << 2101 << u"Page parsing error"_s << u"PARSING"_s;
        QTest::newRow("2104 for an image: text only")
            << 3 << 2104 << u"Failed to read from network"_s << QString();
        QTest::newRow("2104 for an index page: also the page")
            << 1 << 2104 << u"Failed to read from network"_s << u"CONNECTION"_s;
        QTest::newRow("2108 keeps its spelling")
            << 2 << 2108 << u"Netowrk Operation Canceled"_s << QString();
        QTest::newRow("2110 remote content")
            << 1 << 2110 << u"Can't Access Remote Content"_s << u"CONNECTION"_s;
        QTest::newRow("2112 connecting with argument")
            << 1 << 2112 << u"Connecting network... http://x/"_s << QString();
        QTest::newRow("2113 connect failed, translation: text only")
            << 5 << 2113 << u"Failed to connect network"_s << QString();
        QTest::newRow("2114 bytes") << 8 << 2114 << u"Received http://x/ bytes"_s << QString();
        QTest::newRow("unknown event changes nothing") << 1 << 2099 << u"before"_s << QString();
    }

    void statusTexts()
    {
        QFETCH(int, kind);
        QFETCH(int, event);
        QFETCH(QString, page);
        f->writeFile(u"doc/message/en/parsing_error.html"_s, "<p>PARSING</p>");
        f->writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION</p>");
        f->window->statusBar()->showMessage(u"before"_s);
        f->window->updateOnEvent(CONetworkDataType(kind), event, u"http://x/"_s);
        QTEST(f->window->statusBar()->currentMessage(), "text");
        const QString shown = f->window->originalView()->toPlainText();
        QVERIFY(page.isEmpty() ? shown.isEmpty() : shown.contains(page));
    }

    void localPages_data()
    {
        QTest::addColumn<QString>("ui");
        QTest::addColumn<QStringList>("files"); // below doc/help
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("sheet"); // the view's default style sheet afterwards
        QTest::newRow("page in the interface language")
            << u"de"_s << QStringList{u"de/help.html"_s, u"en/help.html"_s, u"de/winstyle.css"_s}
            << true << u"de/help.html"_s << u"de/winstyle.css"_s;
        QTest::newRow("falls back to en, no sheet in de")
            << u"de"_s << QStringList{u"en/help.html"_s, u"en/winstyle.css"_s} << true
            << u"en/help.html"_s << u"kept"_s;
        QTest::newRow("falls back to en, sheet of de")
            << u"de"_s << QStringList{u"en/help.html"_s, u"de/winstyle.css"_s} << true
            << u"en/help.html"_s << u"de/winstyle.css"_s;
        QTest::newRow("missing everywhere")
            << u"de"_s << QStringList{u"fr/help.html"_s} << false << QString() << u"kept"_s;
    }

    // Any help page clears the article, shows the original panel and takes away
    // translation and sharing; only the sheet depends on "winstyle.css".
    void localPages()
    {
        QFETCH(QString, ui);
        QFETCH(QStringList, files);
        QFETCH(bool, found);
        QFETCH(QString, shown);
        QFETCH(QString, sheet);
        for (const QString &file : files)
            f->writeFile(u"doc/help/"_s + file, file.toUtf8());
        f->languages->uiLanguage = ui;
        f->window->loadArticlePage(
            f->article(u"en"_s, u"http://a/1"_s, u"Title"_s, u"Body"_s, {u"http://a/i.png"_s}));
        f->window->translateButton()->click();
        WindowFixture::translate(f->window->translatedView()->element());
        f->window->loadArticleTranslationPage(f->window->translatedView()->element());
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
        f->window->originalView()->document()->setDefaultStyleSheet(u"kept"_s);

        QCOMPARE(f->window->showHelpPage(u"help.html"_s), found);
        const QString text = f->window->originalView()->toPlainText();
        if (!found) {
            QVERIFY(text.contains(u"Body"_s));
            QVERIFY(f->window->useButton()->isEnabled());
            return;
        }
        QCOMPARE(text, shown);
        QCOMPARE(f->window->originalView()->document()->defaultStyleSheet(), sheet);
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        QVERIFY(f->window->originalView()->images().isEmpty());
        QVERIFY(!f->window->translateButton()->isEnabled());
        QVERIFY(!f->window->useButton()->isEnabled());
        QCOMPARE(f->window->translatedView()->element(), nullptr);
    }

    void localLinks_data()
    {
        QTest::addColumn<bool>("helpShown");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("shown");
        QTest::newRow("sibling page from a help page") << true << u"other.html"_s << u"OTHER"_s;
        QTest::newRow("parent directory") << true << u"../secret.html"_s << u"HELP"_s;
        QTest::newRow("absolute path") << true << u"/etc/hostname"_s << u"HELP"_s;
        QTest::newRow("subdirectory") << true << u"en/other.html"_s << u"HELP"_s;
        QTest::newRow("from an article") << false << u"other.html"_s << u"Body"_s;
    }

    // A page from the network can't make the window read local files.
    void localLinks()
    {
        QFETCH(bool, helpShown);
        QFETCH(QString, path);
        f->writeFile(u"doc/help/en/help.html"_s, "HELP");
        f->writeFile(u"doc/help/en/other.html"_s, "OTHER");
        f->writeFile(u"doc/help/secret.html"_s, "SECRET");
        if (helpShown)
            QVERIFY(f->window->showHelpPage(u"help.html"_s));
        else
            f->window->loadArticlePage(f->article(u"en"_s, u"http://a/1"_s, u"T"_s, u"Body"_s));
        emit f->window->originalView()->requestLocalPage(path);
        const QString text = f->window->originalView()->toPlainText();
        QFETCH(QString, shown);
        QVERIFY2(text.contains(shown) && !text.contains(u"SECRET"_s), qPrintable(text));
    }

    void localContentFile_data()
    {
        QTest::addColumn<QString>("url"); // APP stands for the application directory
        QTest::addColumn<QString>("shown");
        QTest::newRow("localised page preferred") << u"file://APP/note.htm"_s << u"NOTE-EN"_s;
        QTest::newRow("plain page") << u"file://APP/plain.htm"_s << u"PLAIN"_s;
        QTest::newRow("xml leaves the view empty") << u"file://APP/data.xml"_s << QString();
        QTest::newRow("outside the application") << u"file://APP/../outside.htm"_s << u"Body"_s;
        QTest::newRow("other scheme") << u"http://APP/plain.htm"_s << u"Body"_s;
        QTest::newRow("other extension") << u"file://APP/plain.html"_s << u"Body"_s;
    }

    void localContentFile()
    {
        QFETCH(QString, url);
        f->writeFile(u"app/note.htm"_s, "NOTE");
        f->writeFile(u"app/note_en.htm"_s, "NOTE-EN");
        f->writeFile(u"app/plain.htm"_s, "PLAIN");
        f->writeFile(u"app/plain.html"_s, "PLAIN");
        f->writeFile(u"app/data.xml"_s, "<x/>");
        f->writeFile(u"outside.htm"_s, "OUTSIDE");
        f->window->loadArticlePage(f->article(u"en"_s, u"http://a/1"_s, u"T"_s, u"Body"_s));
        f->window->showLocalContentFile(url.replace(u"APP"_s, f->dir.filePath(u"app"_s)));
        const QString text = f->window->originalView()->toPlainText();
        QFETCH(QString, shown);
        QVERIFY2(shown.isEmpty() ? text.isEmpty() : text.contains(shown), qPrintable(text));
        if (shown != u"Body"_s)
            QCOMPARE(f->window->originalView()->element(), nullptr);
    }

    void messages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("2010")
            << 2010
            << u"The language of the original article is the same to the translation target language."_s;
        QTest::newRow("2012") << 2012 << u"Can't launch system default email program."_s;
        QTest::newRow("other code keeps the text") << 2999 << u"earlier"_s;
    }

    void messages()
    {
        QFETCH(int, code);
        f->messages.setText(u"earlier"_s);
        f->window->showMessage(code);
        QCOMPARE(f->messages.shown.size(), 1);
        QTEST(f->messages.shown.constFirst(), "text");
    }

    void translationRefused_data()
    {
        QTest::addColumn<QString>("language"); // of the article
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("automatic");
        QTest::addColumn<int>("messages");
        QTest::addColumn<QString>("status");
        QTest::newRow("same language") << u"de"_s << u"de"_s << false << 1 << QString();
        QTest::newRow("same language, automatic") << u"de"_s << u"de"_s << true << 0 << QString();
        QTest::newRow("no engine for the pair")
            << u"en"_s << u"fr"_s << false << 0
            << u"No translation engine serves this language pair"_s;
    }

    // An article that can't be translated leaves the buttons as they were.
    void translationRefused()
    {
        QFETCH(QString, language);
        QFETCH(QString, target);
        f->languages->translateTargetLanguage = target;
        f->window->loadArticlePage(f->article(language, u"http://a/1"_s, u"T"_s, u"Body"_s));
        f->languages->autoTranslation =
            QTest::currentDataTag() == QByteArray("same language, automatic");
        f->window->translateButton()->click();
        QTEST(int(f->messages.shown.size()), "messages");
        QTEST(f->window->statusBar()->currentMessage(), "status");
        QVERIFY(!f->window->translateButton()->isChecked());
        QVERIFY(f->window->originalButton()->isChecked());
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        QCOMPARE(f->window->translatedView()->element(), nullptr);
        QVERIFY(f->window->progressBar()->isHidden());
    }

    void invalidArticles_data()
    {
        QTest::addColumn<int>("missing"); // the kind left out; 0: a tree that is not a root
        QTest::newRow("no title") << int(ArticleTitle);
        QTest::newRow("no text") << int(ArticleText);
        QTest::newRow("not a root") << 0;
    }

    // A tree that can't be shown keeps the article that is shown.
    void invalidArticles()
    {
        QFETCH(int, missing);
        f->writeFile(u"doc/message/en/parsing_error.html"_s, "PARSING");
        f->window->loadArticlePage(f->article(u"en"_s, u"http://a/1"_s, u"Kept"_s, u"Body"_s));
        CLElement *held = f->window->originalView()->element();
        CLElement *tree = f->article(u"en"_s, u"http://a/2"_s, u"New"_s, u"New body"_s);
        if (missing) {
            for (CLElement *child : tree->children) {
                if (child->kind == missing) {
                    tree->children.removeOne(child);
                    delete child;
                    break;
                }
            }
            f->window->loadArticlePage(tree); // handed over, deleted by the window
        } else {
            f->window->loadArticlePage(tree->children.constFirst());
            delete tree;
        }
        QCOMPARE(f->window->originalView()->element(), held);
        QVERIFY(f->window->originalView()->toPlainText().contains(u"PARSING"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
