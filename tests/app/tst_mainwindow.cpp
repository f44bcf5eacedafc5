// The main window without network: geometry, dialogs, status texts, local
// pages and files, refused translations, and sharing by mail and PDF.

#include "clconstants.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "i18nmanager.h"
#include "mainwindow.h"
#include "newssite.h"
#include "servicekit.h"
#include "testkit.h"
#include "titlebar.h"

#include <QDesktopServices>
#include <QDomDocument>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QUrlQuery>
#include <QtTest>

#include <functional>
#include <memory>

using namespace Qt::StringLiterals;
using servicekit::rows;

namespace {

/// A message box that records what it would have shown instead of blocking.
class RecordingMessageBox : public QMessageBox
{
public:
    int exec() override
    {
        shown.append(text());
        return QMessageBox::Ok;
    }
    QStringList shown;
};

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
    int runs = 0, retranslations = 0;
    QPoint at;
};

/// A main window without network, with a driver holding no catalogue.
struct WindowFixture
{
    bool setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        languages = std::make_unique<I18NManager>(nullptr, u"en"_s);
        languages->uiLanguage = u"en"_s;
        languages->translateTargetLanguage = u"de"_s;
        languages->autoTranslation = false;
        site.name = u"Site"_s;
        QDomDocument engines;
        engines.setContent(uR"(<translators version="1">
          <translator id="loop" name="Loop" entry="http://127.0.0.1:9/" method="post" version="1">
            <query>q={{SRCTEXT}}</query>
            <languages><language id="en" name="eng"/><language id="de" name="deu"/></languages>
            <paths combination="listed"><path from="en" to="de"/></paths>
          </translator></translators>)"_s);
        if (!dir.isValid() || !processor.parseTranslators(engines))
            return false;
        processor.rebuildPairIndex();
        window = std::make_unique<MainWindow>(nullptr, &processor, languages.get(), nullptr, settingsPath());
        window->setPageDirectories(dir.filePath(u"doc/message"_s), dir.filePath(u"doc/help"_s));
        window->setApplicationDir(dir.filePath(u"app"_s));
        window->setMessageBox(&messages);
        return true;
    }

    QString settingsPath() const { return dir.filePath(u"settings.ini"_s); }

    void writeFile(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(dir.filePath(relative)).path());
        testkit::writeAll(dir.filePath(relative), bytes);
    }

    /// Shows an article, and with `translated` its translation as the network module fills it.
    void show(const QString &title, const QString &text, bool translated = false,
              const QString &url = u"http://a/1"_s, const QString &language = u"en"_s,
              const QStringList &images = {})
    {
        window->loadArticlePage(NewsSite::article(language, url, title, {text}, images, &site));
        if (!translated)
            return;
        window->translateButton()->click();
        if (CLElement *clone = window->translatedView()->element()) {
            for (CLElement *child : clone->children)
                if (!child->value && child->source && child->source->value)
                    child->value = new CLData(child->source->text().toUpper());
        }
        window->loadArticleTranslationPage(window->translatedView()->element());
    }

    QTemporaryDir dir;
    CLSite site;
    CLProcessor processor;
    RecordingMessageBox messages;
    std::unique_ptr<I18NManager> languages;
    std::unique_ptr<MainWindow> window;
};

// Screen: the stored screen number, -2 none of the keys. Restored: size and position taken
// from the settings; otherwise both are left to the platform.
struct Geometry { const char *name; int screen; bool sameLayout, restored; };
const Geometry geometryRows[] = {
    {"first start", -2, true, false},
    {"same screen and resolution", 0, true, true},
    {"resolution changed", 0, false, false},
    {"screen removed", 3, true, false},
    {"negative screen number", -1, true, false},
};

// Page: what the original view shows afterwards, empty: nothing.
struct Status { const char *name; int kind, event; QString text; const char *page; };
const Status statusRows[] = {
    {"2011 update services", 6, 2011, u"Can't access the update services"_s, ""},
    {"2101 parsing error, article", 2, 2101, u"Page parsing error"_s, "PARSING"},
    {"2104 for an image: text only", 3, 2104, u"Failed to read from network"_s, ""},
    {"2104 for an index page: also the page", 1, 2104, u"Failed to read from network"_s, "CONNECTION"},
    {"2110 remote content", 1, 2110, u"Can't Access Remote Content"_s, "CONNECTION"},
    {"2112 connecting with argument", 1, 2112, u"Connecting network... http://x/"_s, ""},
    {"2113 connect failed, translation: text only", 5, 2113, u"Failed to connect network"_s, ""},
    {"2114 bytes", 8, 2114, u"Received http://x/ bytes"_s, ""},
    {"unknown event changes nothing", 1, 2099, u"before"_s, ""},
};

// Files below doc/help; shown: the page, empty when none is found; sheet: the view's
// default style sheet afterwards.
struct LocalPage { const char *name; const char *files, *shown, *sheet; };
const LocalPage localPageRows[] = {
    {"page in the interface language", "de/help.html en/help.html de/winstyle.css", "de/help.html", "de/winstyle.css"},
    {"falls back to en, no sheet in de", "en/help.html en/winstyle.css", "en/help.html", "kept"},
    {"falls back to en, sheet of de", "en/help.html de/winstyle.css", "en/help.html", "de/winstyle.css"},
    {"missing everywhere", "fr/help.html", "", "kept"},
};

struct Link { const char *name; bool helpShown; const char *path, *shown; };
const Link linkRows[] = {
    {"sibling page from a help page", true, "other.html", "OTHER"},
    {"parent directory", true, "../secret.html", "HELP"},
    {"absolute path", true, "/etc/hostname", "HELP"},
    {"subdirectory", true, "en/other.html", "HELP"},
    {"from an article", false, "other.html", "Body"},
};

// APP stands for the application directory; shown empty: the view is empty.
struct ContentFile { const char *name, *url, *shown; };
const ContentFile contentFileRows[] = {
    {"localised page preferred", "file://APP/note.htm", "NOTE-EN"},
    {"plain page", "file://APP/plain.htm", "PLAIN"},
    {"xml leaves the view empty", "file://APP/data.xml", ""},
    {"outside the application", "file://APP/../outside.htm", "Body"},
    {"other scheme", "http://APP/plain.htm", "Body"},
    {"other extension", "file://APP/plain.html", "Body"},
};

struct Refusal { const char *name, *language, *target; bool automatic; int messages; QString status; };
const Refusal refusalRows[] = {
    {"same language", "de", "de", false, 1, {}},
    {"same language, automatic", "de", "de", true, 0, {}},
    {"no engine for the pair", "en", "fr", false, 0, u"No translation engine serves this language pair"_s},
};

const QString EndText = u"END OF ARTICLE.\nThe aricle was published at http://a/1.\nThis message was exported "
                        "by Tessolin software, visit tessolin.net for free download.\n"_s;
QString block(const QString &title, const QString &text)
{
    return u"ORIGINAL ARTICLE:\n"_s + title + u"\nDaily 2024-05-13\n"_s + text + u"\n\n"_s;
}

// Characters that mean something in a URL stay inside their field.
struct Mail { const char *name; QString title, text; bool translated; QString subject, body; };
const Mail mailRows[] = {
    {"original only", u"Harbour opens"_s, u"Fish and chips."_s, false, u"Harbour opens"_s, u"\n"_s + block(u"Harbour opens"_s, u"Fish and chips."_s) + EndText},
    {"with translation", u"Harbour opens"_s, u"Fish."_s, true, u"Harbour opens (HARBOUR OPENS)"_s,
     u"\nTRANSLATED ARTICEL:\n\nHARBOUR OPENS\nDAILY 2024-05-13\nFISH.\n\n"_s + block(u"Harbour opens"_s, u"Fish."_s) + EndText},
    {"ampersand, hash and question mark", u"Q&A #1?"_s, u"a=1&body=x#y?z=%41+"_s, false, u"Q&A #1?"_s, u"\n"_s + block(u"Q&A #1?"_s, u"a=1&body=x#y?z=%41+"_s) + EndText},
    {"quotes and brackets replaced", u"Say \"hi\" [now]"_s, u"[1] \"x\""_s, false, u"Say 'hi' {now}"_s, u"\n"_s + block(u"Say 'hi' {now}"_s, u"{1} 'x'"_s) + EndText},
};

// Lines of text found in the PDF.
struct Pdf { const char *name; bool translated; QString url; QStringList expected; };
const Pdf pdfRows[] = {
    {"original", false, u"http://a/1"_s, {u"Harbour opens"_s, u"Fish and chips."_s, u"The article was published at http://a/1."_s, u"was exported by Tessolin software"_s}},
    {"translation shown", true, u"http://a/1"_s, {u"HARBOUR OPENS"_s, u"FISH AND CHIPS."_s, u"http://a/1"_s}},
    {"markup in the address stays text", false, u"http://a/x?<b>bold</b>&q='1'"_s, {u"http://a/x?<b>bold</b>&q='1'"_s}},
};

// Addresses a page could give: the footer links to each and shows it as it is.
struct FooterLink { const char *name; QString url; };
const FooterLink footerLinkRows[] = {
    {"ends in a backslash", u"http://a/b\\"_s},
    {"markup after a backslash", u"http://x/a><b>INJECTED</b><a href=file:///etc/passwd>click</a><i x=\\"_s},
    {"quotes and a placeholder", u"http://a/\"'%1<>"_s},
};

// What happens while the print dialog is open (0 nothing, 1 the request fails, 2 the catalogue reloads).
struct PrintAfter { const char *name; int action; bool printed; };
const PrintAfter printAfterRows[] = {
    {"article still shown", 0, true},
    {"request failed meanwhile", 1, false},
    {"catalogue reloaded meanwhile", 2, false},
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    QList<QUrl> mailed;

public slots:
    void mailto(const QUrl &url) { mailed.append(url); }

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(u"mailto"_s, this, "mailto"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(u"mailto"_s); }

    void init()
    {
        f = std::make_unique<WindowFixture>();
        QVERIFY(f->setUp());
        mailed.clear();
    }

    void cleanup() { f.reset(); }

    void geometry_data() { rows(geometryRows); }
    void geometry()
    {
        QFETCH(int, row);
        const Geometry &r = geometryRows[row];
        const QRect layout = QGuiApplication::primaryScreen()->geometry();
        if (r.screen != -2) {
            QSettings settings(f->settingsPath(), QSettings::IniFormat);
            settings.setValue(TS_KEY_LAST_SCREEN_NUMBER, r.screen);
            settings.setValue(TS_KEY_LAST_SCREEN_GEOMETRY, r.sameLayout ? layout : layout.adjusted(0, 0, 100, 0));
            settings.setValue(TS_KEY_LAST_SIZE, QSize(781, 501));
            settings.setValue(TS_KEY_LAST_POSITION, QPoint(7, 9));
        }
        MainWindow window(nullptr, nullptr, nullptr, nullptr, f->settingsPath());
        // Not restored: neither resized nor moved, the platform places the window.
        QCOMPARE(window.testAttribute(Qt::WA_Resized), r.restored);
        QCOMPARE(window.testAttribute(Qt::WA_Moved), r.restored);
        if (r.restored)
            QCOMPARE(window.geometry(), QRect(QPoint(7, 9), QSize(781, 501)));
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
        QTest::mouseDClick(f->window->logoBar(), Qt::LeftButton);
        QTRY_VERIFY(!f->window->isMaximized());
        // Where the platform can't move the window itself, the window follows the drag.
        const QPoint start = f->window->pos();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
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
        const std::function<void(QDialog *)> setters[] = {
            [w](QDialog *d) { w->setFilterBox(d); }, [w](QDialog *d) { w->setI18NBox(d); },
            [w](QDialog *d) { w->setUpdateSettingBox(d); }, [w](QDialog *d) { w->setProxyBox(d); },
            [w](QDialog *d) { w->setAboutBox(d); }, [w](QDialog *d) { w->setInitialBox(d); }};
        const std::function<void()> openers[] = {
            [w] { w->popupFilterCfgBox(); }, [w] { w->popupI18NCfgBox(); }, [w] { w->popupUpdateSettingBox(); },
            [w] { w->popupProxySettingBox(); }, [w] { w->popupAboutBox(); }, [w] { w->showInitialCfgBox(); }};
        if (set)
            setters[which](&dialog);
        w->setGeometry(101, 51, 901, 601);
        openers[which]();
        QCOMPARE(dialog.runs, set ? 1 : 0);
        if (set)
            QCOMPARE(dialog.at, QPoint(w->x() + (w->width() - 300) / 2, w->y() + (w->height() - 200) / 2));
        QCOMPARE(dialog.retranslations, which == 5 && set ? 1 : 0);
    }

    void statusTexts_data() { rows(statusRows); }
    void statusTexts()
    {
        QFETCH(int, row);
        const Status &r = statusRows[row];
        f->writeFile(u"doc/message/en/parsing_error.html"_s, "<p>PARSING</p>");
        f->writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION</p>");
        f->window->statusBar()->showMessage(u"before"_s);
        f->window->updateOnEvent(CONetworkDataType(r.kind), r.event, u"http://x/"_s);
        QCOMPARE(f->window->statusBar()->currentMessage(), r.text);
        const QString shown = f->window->originalView()->toPlainText();
        QVERIFY2(*r.page ? shown.contains(QString::fromLatin1(r.page)) : shown.isEmpty(), qPrintable(shown));
    }

    // Any help page clears the article, shows the original panel and takes away
    // translation and sharing; only the sheet depends on "winstyle.css".
    void localPages_data() { rows(localPageRows); }
    void localPages()
    {
        QFETCH(int, row);
        const LocalPage &r = localPageRows[row];
        for (const QString &file : QString::fromLatin1(r.files).split(u' '))
            f->writeFile(u"doc/help/"_s + file, file.toUtf8());
        f->languages->uiLanguage = u"de"_s;
        f->show(u"Title"_s, u"Body"_s, true, u"http://a/1"_s, u"en"_s, {u"http://a/i.png"_s});
        QCOMPARE(f->window->contentStack()->currentIndex(), 1);
        f->window->originalView()->document()->setDefaultStyleSheet(u"kept"_s);
        const bool found = *r.shown;
        QCOMPARE(f->window->showHelpPage(u"help.html"_s), found);
        const QString text = f->window->originalView()->toPlainText();
        if (!found) {
            QVERIFY(text.contains(u"Body"_s) && f->window->useButton()->isEnabled());
            return;
        }
        QCOMPARE(text, QString::fromLatin1(r.shown));
        QCOMPARE(f->window->originalView()->document()->defaultStyleSheet(), QString::fromLatin1(r.sheet));
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        QVERIFY(f->window->originalView()->images().isEmpty());
        QVERIFY(!f->window->translateButton()->isEnabled() && !f->window->useButton()->isEnabled());
        QCOMPARE(f->window->translatedView()->element(), nullptr);
    }

    // A page from the network can't make the window read local files.
    void localLinks_data() { rows(linkRows); }
    void localLinks()
    {
        QFETCH(int, row);
        const Link &r = linkRows[row];
        f->writeFile(u"doc/help/en/help.html"_s, "HELP");
        f->writeFile(u"doc/help/en/other.html"_s, "OTHER");
        f->writeFile(u"doc/help/secret.html"_s, "SECRET");
        if (r.helpShown)
            QVERIFY(f->window->showHelpPage(u"help.html"_s));
        else
            f->show(u"T"_s, u"Body"_s);
        emit f->window->originalView()->requestLocalPage(QString::fromLatin1(r.path));
        const QString text = f->window->originalView()->toPlainText();
        QVERIFY2(text.contains(QString::fromLatin1(r.shown)) && !text.contains(u"SECRET"_s), qPrintable(text));
    }

    void localContentFile_data() { rows(contentFileRows); }
    void localContentFile()
    {
        QFETCH(int, row);
        const ContentFile &r = contentFileRows[row];
        const char *files[][2] = {{"app/note.htm", "NOTE"}, {"app/note_en.htm", "NOTE-EN"}, {"app/plain.htm", "PLAIN"},
                                  {"app/plain.html", "PLAIN"}, {"app/data.xml", "<x/>"}, {"outside.htm", "OUTSIDE"}};
        for (const auto &file : files)
            f->writeFile(QString::fromLatin1(file[0]), file[1]);
        f->show(u"T"_s, u"Body"_s);
        f->window->showLocalContentFile(QString::fromLatin1(r.url).replace(u"APP"_s, f->dir.filePath(u"app"_s)));
        const QString text = f->window->originalView()->toPlainText(), shown = QString::fromLatin1(r.shown);
        QVERIFY2(shown.isEmpty() ? text.isEmpty() : text.contains(shown), qPrintable(text));
        if (shown != u"Body"_s)
            QCOMPARE(f->window->originalView()->element(), nullptr);
    }

    // An article that can't be translated leaves the buttons as they were.
    void translationRefused_data() { rows(refusalRows); }
    void translationRefused()
    {
        QFETCH(int, row);
        const Refusal &r = refusalRows[row];
        f->languages->translateTargetLanguage = QString::fromLatin1(r.target);
        f->show(u"T"_s, u"Body"_s, false, u"http://a/1"_s, QString::fromLatin1(r.language));
        f->languages->autoTranslation = r.automatic;
        f->window->translateButton()->click();
        QCOMPARE(int(f->messages.shown.size()), r.messages);
        QCOMPARE(f->window->statusBar()->currentMessage(), r.status);
        QVERIFY(!f->window->translateButton()->isChecked() && f->window->originalButton()->isChecked());
        QCOMPARE(f->window->contentStack()->currentIndex(), 0);
        QCOMPARE(f->window->translatedView()->element(), nullptr);
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
        f->show(u"Kept"_s, u"Body"_s);
        CLElement *held = f->window->originalView()->element();
        CLElement *tree = NewsSite::article(u"en"_s, u"http://a/2"_s, u"New"_s, {u"New body"_s}, {}, &f->site);
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

    void email_data() { rows(mailRows); }
    void email()
    {
        QFETCH(int, row);
        const Mail &r = mailRows[row];
        f->show(r.title, r.text, r.translated);
        f->window->emailAction()->trigger();
        QCOMPARE(mailed.size(), 1);
        const QUrl url = mailed.constFirst();
        const QUrlQuery query(url);
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(url.fragment(), QString());
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), r.subject);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), r.body);
    }

    void nothingToShare_data()
    {
        QTest::addColumn<int>("state");
        QTest::newRow("no article") << 0;
        QTest::newRow("help page over an article") << 1;
        QTest::newRow("message page over an article") << 2;
    }
    // Sharing never acts on an article that is not on screen.
    void nothingToShare()
    {
        QFETCH(int, state);
        f->writeFile(u"doc/help/en/help.html"_s, "HELP");
        f->writeFile(u"doc/message/en/connection_error.html"_s, "ERR");
        if (state) {
            f->show(u"T"_s, u"Body"_s);
            QVERIFY(state == 1 ? f->window->showHelpPage(u"help.html"_s)
                               : f->window->showMessagePage(u"connection_error.html"_s));
        }
        f->window->forwardToEmailClient();
        emit f->window->originalView()->toEmail();
        QCOMPARE(mailed.size(), 0);
        const QString pdf = f->dir.filePath(u"out.pdf"_s);
        QVERIFY(!f->window->writePdf(pdf) && !QFile::exists(pdf));
    }

    void pdfFileName()
    {
        const char *names[][2] = {{"report", "report.pdf"}, {"REPORT.PDF", "REPORT.PDF"}, {"a.Pdf", "a.Pdf"},
                                  {"x.pdf.txt", "x.pdf.txt.pdf"}};
        for (const auto &name : names)
            QCOMPARE(MainWindow::pdfFileName(QString::fromLatin1(name[0])), QString::fromLatin1(name[1]));
    }

    void pdf_data() { rows(pdfRows); }
    void pdf()
    {
        QFETCH(int, row);
        const Pdf &r = pdfRows[row];
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        TESSOLIN_NEEDS(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is not installed");
        f->show(u"Harbour opens"_s, u"Fish and chips."_s, r.translated, r.url);
        ContentScrollView *view = r.translated ? f->window->translatedView() : f->window->originalView();
        const QString before = view->toHtml();
        const QString file = f->dir.filePath(u"article.pdf"_s);
        QVERIFY(f->window->writePdf(file));
        QCOMPARE(view->toHtml(), before); // the screen shows the article as before, without the footer
        const QString text = servicekit::run(pdftotext, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s}).simplified();
        for (const QString &line : r.expected)
            QVERIFY2(text.contains(line), qPrintable(text));
        QVERIFY(!r.translated || !text.contains(u"Harbour opens"_s));
    }

    void printFooter()
    {
        f->show(u"T"_s, u"Body"_s, false, u"http://a/'><script>x</script>"_s);
        const QString html = f->window->printHtml(f->window->printFooter());
        QVERIFY(html.contains(u"http://a/&#39;&gt;&lt;script&gt;x&lt;/script&gt;"_s));
        QVERIFY(!html.contains(u"<script>"_s));
    }
    // The PDF footer links to the article's address and shows it, whatever it holds.
    void footerLinks_data() { rows(footerLinkRows); }
    void footerLinks()
    {
        QFETCH(int, row);
        const QString url = footerLinkRows[row].url;
        f->show(u"T"_s, u"Body"_s, false, url);
        QTextDocument document;
        document.setHtml(f->window->printHtml(f->window->pdfFooter()));
        QStringList anchors;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (!format.anchorHref().isEmpty() && (anchors.isEmpty() || anchors.last() != format.anchorHref()))
                    anchors << format.anchorHref();
            }
        }
        QCOMPARE(anchors, (QStringList{htmlAttributeUrl(url), u"http://tessolin.net"_s}));
        QVERIFY(document.toPlainText().contains(u"published at "_s + url + u"."_s));
    }

    // What the print dialog was opened for is checked again when it closes.
    void printAfterDialog_data() { rows(printAfterRows); }
    void printAfterDialog()
    {
        QFETCH(int, row);
        const PrintAfter &r = printAfterRows[row];
        f->writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION-ERROR</p>");
        f->show(u"T"_s, u"Body"_s, false);
        const QString pdf = f->dir.filePath(u"printed.pdf"_s);
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (r.action == 1)
                f->window->updateOnEvent(NDT_ArticlePage, 2106);
            else if (r.action == 2)
                f->window->reloadForRefreshedTDF();
            dialog->accept(); // sets the printer up from its widgets; the file goes after
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
        });
        f->window->printArticle();
        QCOMPARE(QFile::exists(pdf), r.printed);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
