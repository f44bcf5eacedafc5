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
#include <QMessageBox>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>
#include <QUrlQuery>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using testkit::actionRows;
using servicekit::current;
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
    int runs = 0, retranslations = 0;
    QPoint at;

public slots:
    void retranslateUI() { ++retranslations; }
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
        window = std::make_unique<MainWindow>(nullptr, &processor, languages.get(), nullptr,
                                              settingsPath());
        window->setPageDirectories(dir.filePath(u"doc/message"_s), dir.filePath(u"doc/help"_s));
        window->setApplicationDir(dir.filePath(u"app"_s));
        window->setMessageBox(&messages);
        writeFile(u"doc/message/en/parsing_error.html"_s, "<p>PARSING</p>");
        writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION</p>");
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
        CLElement *clone = window->translatedView()->element();
        for (CLElement *child : clone ? clone->children : QList<CLElement *>())
            if (!child->value && child->source && child->source->value)
                child->value = new CLData(child->source->text().toUpper());
        window->loadArticleTranslationPage(clone);
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
struct Geometry
{
    const char *name;
    int screen;
    bool sameLayout, restored;
};
const Geometry geometryRows[] = {
    {"first start", -2, true, false},
    {"same screen and resolution", 0, true, true},
    {"resolution changed", 0, false, false},
    {"screen removed", 3, true, false},
    {"negative screen number", -1, true, false},
};

// The dialogs the window opens: how it is given each, and how it opens it.
struct Box
{
    const char *name;
    void (MainWindow::*set)(QDialog *);
    void (MainWindow::*open)();
};
const Box boxes[] = {
    {"filter", &MainWindow::setFilterBox, &MainWindow::popupFilterCfgBox},
    {"language", &MainWindow::setI18NBox, &MainWindow::popupI18NCfgBox},
    {"update", &MainWindow::setUpdateSettingBox, &MainWindow::popupUpdateSettingBox},
    {"proxy", &MainWindow::setProxyBox, &MainWindow::popupProxySettingBox},
    {"about", &MainWindow::setAboutBox, &MainWindow::popupAboutBox},
    {"first run", &MainWindow::setInitialBox, &MainWindow::showInitialCfgBox},
};

// Page: what the original view shows afterwards, empty: nothing.
struct Status
{
    const char *name;
    int kind, event;
    QString text;
    const char *page;
};
const Status statusRows[] = {
    {"2011 update services", 6, 2011, u"Can't access the update services"_s, ""},
    {"2101 parsing error, article", 2, 2101, u"Page parsing error"_s, "PARSING"},
    {"2104 for an image: text only", 3, 2104, u"Failed to read from network"_s, ""},
    {"2104 for an index page: also the page", 1, 2104, u"Failed to read from network"_s,
     "CONNECTION"},
    {"2110 remote content", 1, 2110, u"Can't Access Remote Content"_s, "CONNECTION"},
    {"2112 connecting with argument", 1, 2112, u"Connecting network... http://x/"_s, ""},
    {"2113 connect failed, translation: text only", 5, 2113, u"Failed to connect network"_s, ""},
    {"2114 bytes", 8, 2114, u"Received http://x/ bytes"_s, ""},
    {"unknown event changes nothing", 1, 2099, u"before"_s, ""},
};

// Files below doc/help; shown: the page, empty when none is found; sheet: the view's
// default style sheet afterwards.
struct LocalPage
{
    const char *name;
    const char *files, *shown, *sheet;
};
const LocalPage localPageRows[] = {
    {"page in the interface language", "de/help.html en/help.html de/winstyle.css", "de/help.html",
     "de/winstyle.css"},
    {"falls back to en, no sheet in de", "en/help.html en/winstyle.css", "en/help.html", "kept"},
    {"falls back to en, sheet of de", "en/help.html de/winstyle.css", "en/help.html",
     "de/winstyle.css"},
    {"missing everywhere", "fr/help.html", "", "kept"},
};

// From: a help page, an article, or a content file at the address (APP: the application
// folder); shown: what the view shows afterwards, empty: nothing.
enum From { HelpPage, Article, ContentFile };
struct Link
{
    const char *name;
    From from;
    const char *path, *shown;
};
const Link linkRows[] = {
    {"sibling page from a help page", HelpPage, "other.html", "OTHER"},
    {"parent directory", HelpPage, "../secret.html", "HELP"},
    {"absolute path", HelpPage, "/etc/hostname", "HELP"},
    {"subdirectory", HelpPage, "en/other.html", "HELP"},
    {"from an article", Article, "other.html", "Body"},
    {"localised page preferred", ContentFile, "file://APP/note.htm", "NOTE-EN"},
    {"plain page", ContentFile, "file://APP/plain.htm", "PLAIN"},
    {"xml leaves the view empty", ContentFile, "file://APP/data.xml", ""},
    {"outside the application", ContentFile, "file://APP/../outside.htm", "Body"},
    {"other scheme", ContentFile, "http://APP/plain.htm", "Body"},
    {"other extension", ContentFile, "file://APP/plain.html", "Body"},
};

struct Refusal
{
    const char *name, *language, *target;
    bool automatic;
    int messages;
    QString status;
};
const Refusal refusalRows[] = {
    {"same language", "de", "de", false, 1, {}},
    {"same language, automatic", "de", "de", true, 0, {}},
    {"no engine for the pair", "en", "fr", false, 0,
     u"No translation engine serves this language pair"_s},
};

const QString EndText =
    u"END OF ARTICLE.\nThe aricle was published at http://a/1.\nThis message was exported "
    "by Tessolin software, visit tessolin.net for free download.\n"_s;
QString block(const QString &title, const QString &text)
{
    return u"ORIGINAL ARTICLE:\n"_s + title + u"\nDaily 2024-05-13\n"_s + text + u"\n\n"_s;
}

// Characters that mean something in a URL stay inside their field.
struct Mail
{
    const char *name;
    QString title, text;
    bool translated;
    QString subject, body;
};
const Mail mailRows[] = {
    {"original only", u"Harbour opens"_s, u"Fish and chips."_s, false, u"Harbour opens"_s,
     u"\n"_s + block(u"Harbour opens"_s, u"Fish and chips."_s) + EndText},
    {"with translation", u"Harbour opens"_s, u"Fish."_s, true, u"Harbour opens (HARBOUR OPENS)"_s,
     u"\nTRANSLATED ARTICEL:\n\nHARBOUR OPENS\nDAILY 2024-05-13\nFISH.\n\n"_s +
         block(u"Harbour opens"_s, u"Fish."_s) + EndText},
    {"ampersand, hash and question mark", u"Q&A #1?"_s, u"a=1&body=x#y?z=%41+"_s, false,
     u"Q&A #1?"_s, u"\n"_s + block(u"Q&A #1?"_s, u"a=1&body=x#y?z=%41+"_s) + EndText},
    {"quotes and brackets replaced", u"Say \"hi\" [now]"_s, u"[1] \"x\""_s, false,
     u"Say 'hi' {now}"_s, u"\n"_s + block(u"Say 'hi' {now}"_s, u"{1} 'x'"_s) + EndText},
};

// Lines of text found in the PDF, split at "|".
struct Pdf
{
    const char *name;
    bool translated;
    const char *url, *expected;
};
const Pdf pdfRows[] = {
    {"original", false, "http://a/1",
     "Harbour opens|Fish and chips.|The article was published at http://a/1.|was exported by "
     "Tessolin software"},
    {"translation shown", true, "http://a/1", "HARBOUR OPENS|FISH AND CHIPS.|http://a/1"},
    {"markup in the address stays text", false, "http://a/x?<b>bold</b>&q='1'",
     "http://a/x?<b>bold</b>&q='1'"},
};

// Addresses a page could give.
struct FooterLink
{
    const char *name, *url;
};
const FooterLink footerLinkRows[] = {
    {"ends in a backslash", "http://a/b\\"},
    {"markup after a backslash",
     "http://x/a><b>INJECTED</b><a href=file:///etc/passwd>click</a><i x=\\"},
    {"quotes and a placeholder", "http://a/\"'%1<>"},
    {"script after a quote", "http://a/'><script>x</script>"},
};

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<WindowFixture> f;
    MainWindow *w = nullptr;
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
        w = f->window.get();
        mailed.clear();
    }

    void cleanup() { f.reset(); }

    void geometry_data() { rows(geometryRows); }
    void geometry()
    {
        const Geometry &r = current(geometryRows);
        const QRect layout = QGuiApplication::primaryScreen()->geometry();
        if (r.screen != -2) {
            QSettings settings(f->settingsPath(), QSettings::IniFormat);
            settings.setValue(TS_KEY_LAST_SCREEN_NUMBER, r.screen);
            settings.setValue(TS_KEY_LAST_SCREEN_GEOMETRY,
                              r.sameLayout ? layout : layout.adjusted(0, 0, 100, 0));
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

    // The next start on the same screen opens at the normal size, not maximised.
    void closeStoresNormalGeometry_data() { actionRows({"normal", "maximised"}); }
    void closeStoresNormalGeometry()
    {
        QFETCH(int, action);
        w->resize(781, 501);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        if (action) {
            w->switchMaxNormal();
            QTRY_VERIFY(w->isMaximized());
        }
        w->close();
        QSettings settings(f->settingsPath(), QSettings::IniFormat);
        QCOMPARE(settings.value(TS_KEY_LAST_SIZE).toSize(), QSize(781, 501));
        QCOMPARE(settings.value(TS_KEY_LAST_SCREEN_NUMBER).toInt(), 0);
        MainWindow next(nullptr, nullptr, nullptr, nullptr, f->settingsPath());
        QCOMPARE(next.size(), QSize(781, 501));
        QVERIFY(!next.isMaximized());
    }

    void titleBar()
    {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTest::mouseDClick(w->captionBar(), Qt::LeftButton);
        QTRY_VERIFY(w->isMaximized());
        QTest::mouseDClick(w->logoBar(), Qt::LeftButton);
        QTRY_VERIFY(!w->isMaximized());
        // Where the platform can't move the window itself, the window follows the drag.
        const QPoint start = w->pos();
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), QPointF(10, 10),
                          Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent move(QEvent::MouseMove, QPointF(25, 4), QPointF(25, 4), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        w->resetMousePosition(&press);
        w->moveWindow(&move);
        QTRY_COMPARE(w->pos(), start + QPoint(15, -6));
    }

    void dialogs_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("set");
        for (int i = 0; i < int(std::size(boxes)); ++i) {
            QTest::addRow("%s dialog opens centred", boxes[i].name) << i << true;
            QTest::addRow("%s dialog not set does nothing", boxes[i].name) << i << false;
        }
    }
    void dialogs()
    {
        QFETCH(int, which);
        QFETCH(bool, set);
        const Box &box = boxes[which];
        RecordingDialog dialog;
        if (set)
            (w->*box.set)(&dialog);
        w->setGeometry(101, 51, 901, 601);
        (w->*box.open)();
        QCOMPARE(dialog.runs, set ? 1 : 0);
        if (set)
            QCOMPARE(dialog.at,
                     QPoint(w->x() + (w->width() - 300) / 2, w->y() + (w->height() - 200) / 2));
        // Only the first-run dialog is retranslated before it shows.
        QCOMPARE(dialog.retranslations, which == 5 && set ? 1 : 0);
    }

    void statusTexts_data() { rows(statusRows); }
    void statusTexts()
    {
        const Status &r = current(statusRows);
        w->statusBar()->showMessage(u"before"_s);
        w->updateOnEvent(CONetworkDataType(r.kind), r.event, u"http://x/"_s);
        QCOMPARE(w->statusBar()->currentMessage(), r.text);
        const QString shown = w->originalView()->toPlainText();
        QVERIFY2(*r.page ? shown.contains(QString(r.page)) : shown.isEmpty(), qPrintable(shown));
    }

    // Any help page clears the article, shows the original panel and takes away
    // translation and sharing; only the sheet depends on "winstyle.css".
    void localPages_data() { rows(localPageRows); }
    void localPages()
    {
        const LocalPage &r = current(localPageRows);
        for (const QString &file : QString(r.files).split(u' '))
            f->writeFile(u"doc/help/"_s + file, file.toUtf8());
        f->languages->uiLanguage = u"de"_s;
        f->show(u"Title"_s, u"Body"_s, true, u"http://a/1"_s, u"en"_s, {u"http://a/i.png"_s});
        QCOMPARE(w->contentStack()->currentIndex(), 1);
        w->originalView()->document()->setDefaultStyleSheet(u"kept"_s);
        const bool found = *r.shown;
        QCOMPARE(w->showHelpPage(u"help.html"_s), found);
        const QString text = w->originalView()->toPlainText();
        if (!found) {
            QVERIFY(text.contains(u"Body"_s) && w->useButton()->isEnabled());
            return;
        }
        QCOMPARE(text, QString(r.shown));
        QCOMPARE(w->originalView()->document()->defaultStyleSheet(), QString(r.sheet));
        QCOMPARE(w->contentStack()->currentIndex(), 0);
        QVERIFY(w->originalView()->images().isEmpty());
        QVERIFY(!w->translateButton()->isEnabled() && !w->useButton()->isEnabled());
        QCOMPARE(w->translatedView()->element(), nullptr);
    }

    // Neither a page from the network nor a content file can make the window read local files
    // outside its folders.
    void localLinks_data() { rows(linkRows); }
    void localLinks()
    {
        const Link &r = current(linkRows);
        const char *files[][2] = {
            {"doc/help/en/help.html", "HELP"},  {"doc/help/en/other.html", "OTHER"},
            {"doc/help/secret.html", "SECRET"}, {"app/note.htm", "NOTE"},
            {"app/note_en.htm", "NOTE-EN"},     {"app/plain.htm", "PLAIN"},
            {"app/plain.html", "PLAIN"},        {"app/data.xml", "<x/>"},
            {"outside.htm", "OUTSIDE"}};
        for (const auto &file : files)
            f->writeFile(QString(file[0]), file[1]);
        if (r.from == HelpPage)
            QVERIFY(w->showHelpPage(u"help.html"_s));
        else
            f->show(u"T"_s, u"Body"_s);
        const QString path = QString(r.path).replace(u"APP"_s, f->dir.filePath(u"app"_s));
        if (r.from == ContentFile)
            w->showLocalContentFile(path);
        else
            emit w->originalView()->requestLocalPage(path);
        const QString text = w->originalView()->toPlainText(), shown(r.shown);
        QVERIFY2(shown.isEmpty() ? text.isEmpty() : text.contains(shown), qPrintable(text));
        QVERIFY2(!text.contains(u"SECRET"_s), qPrintable(text));
        QCOMPARE(w->originalView()->element() != nullptr, shown == u"Body"_s);
    }

    // An article that can't be translated leaves the buttons as they were.
    void translationRefused_data() { rows(refusalRows); }
    void translationRefused()
    {
        const Refusal &r = current(refusalRows);
        f->languages->translateTargetLanguage = QString(r.target);
        f->show(u"T"_s, u"Body"_s, false, u"http://a/1"_s, QString(r.language));
        f->languages->autoTranslation = r.automatic;
        w->translateButton()->click();
        QCOMPARE(int(f->messages.shown.size()), r.messages);
        QCOMPARE(w->statusBar()->currentMessage(), r.status);
        QVERIFY(!w->translateButton()->isChecked() && w->originalButton()->isChecked());
        QCOMPARE(w->contentStack()->currentIndex(), 0);
        QCOMPARE(w->translatedView()->element(), nullptr);
    }

    // A tree that can't be shown keeps the article that is shown.
    void invalidArticles_data() { actionRows({"no title", "no text", "not a root"}); }
    void invalidArticles()
    {
        QFETCH(int, action);
        f->show(u"Kept"_s, u"Body"_s);
        CLElement *held = w->originalView()->element();
        const QStringList texts = action == 1 ? QStringList() : QStringList{u"New body"_s};
        CLElement *tree =
            NewsSite::article(u"en"_s, u"http://a/2"_s, u"New"_s, texts, {}, &f->site);
        if (action == 0)
            delete tree->children.takeFirst(); // the title
        if (action == 2) {
            w->loadArticlePage(tree->children.constFirst());
            delete tree;
        } else {
            w->loadArticlePage(tree); // handed over, deleted by the window
        }
        QCOMPARE(w->originalView()->element(), held);
        QVERIFY(w->originalView()->toPlainText().contains(u"PARSING"_s));
    }

    void email_data() { rows(mailRows); }
    void email()
    {
        const Mail &r = current(mailRows);
        f->show(r.title, r.text, r.translated);
        w->emailAction()->trigger();
        QCOMPARE(mailed.size(), 1);
        const QUrl url = mailed.constFirst();
        const QUrlQuery query(url);
        QCOMPARE(url.scheme(), u"mailto"_s);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(url.fragment(), QString());
        QCOMPARE(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), r.subject);
        QCOMPARE(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), r.body);
    }

    // Sharing never acts on an article that is not on screen.
    void nothingToShare_data()
    {
        actionRows({"no article", "help page over an article", "message page over an article"});
    }
    void nothingToShare()
    {
        QFETCH(int, action);
        f->writeFile(u"doc/help/en/help.html"_s, "HELP");
        if (action) {
            f->show(u"T"_s, u"Body"_s);
            QVERIFY(action == 1 ? w->showHelpPage(u"help.html"_s)
                                : w->showMessagePage(u"connection_error.html"_s));
        }
        w->forwardToEmailClient();
        emit w->originalView()->toEmail();
        QCOMPARE(mailed.size(), 0);
        const QString pdf = f->dir.filePath(u"out.pdf"_s);
        QVERIFY(!w->writePdf(pdf) && !QFile::exists(pdf));
    }

    void pdfFileName()
    {
        const char *names[][2] = {{"report", "report.pdf"},
                                  {"REPORT.PDF", "REPORT.PDF"},
                                  {"a.Pdf", "a.Pdf"},
                                  {"x.pdf.txt", "x.pdf.txt.pdf"}};
        for (const auto &name : names)
            QCOMPARE(MainWindow::pdfFileName(QString(name[0])), QString(name[1]));
    }

    void pdf_data() { rows(pdfRows); }
    void pdf()
    {
        const Pdf &r = current(pdfRows);
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        TESSOLIN_NEEDS(!pdftotext.isEmpty(), "pdftotext (poppler-utils) is not installed");
        f->show(u"Harbour opens"_s, u"Fish and chips."_s, r.translated, QString(r.url));
        ContentScrollView *view = r.translated ? w->translatedView() : w->originalView();
        const QString before = view->toHtml();
        const QString file = f->dir.filePath(u"article.pdf"_s);
        QVERIFY(w->writePdf(file));
        QCOMPARE(view->toHtml(),
                 before); // the screen shows the article as before, without the footer
        const QString text =
            servicekit::run(pdftotext, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s}).simplified();
        for (const QString &line : QString(r.expected).split(u'|'))
            QVERIFY2(text.contains(line), qPrintable(text));
        QVERIFY(!r.translated || !text.contains(u"Harbour opens"_s));
    }

    // The print and PDF footers show the article's address as it is, whatever it holds; the PDF
    // footer links to it.
    void footerLinks_data() { rows(footerLinkRows); }
    void footerLinks()
    {
        const QString url = current(footerLinkRows).url;
        f->show(u"T"_s, u"Body"_s, false, url);
        QTextDocument print;
        print.setHtml(w->printHtml(w->printFooter()));
        QVERIFY2(print.toPlainText().contains(url), qPrintable(print.toPlainText()));
        QTextDocument document;
        document.setHtml(w->printHtml(w->pdfFooter()));
        QStringList anchors;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (!href.isEmpty() && (anchors.isEmpty() || anchors.last() != href))
                    anchors << href;
            }
        }
        QCOMPARE(anchors, (QStringList{htmlAttributeUrl(url), u"http://tessolin.net"_s}));
        QVERIFY(document.toPlainText().contains(u"published at "_s + url + u"."_s));
    }

    // What the print dialog was opened for is checked again when it closes.
    void printAfterDialog_data()
    {
        actionRows(
            {"article still shown", "request failed meanwhile", "catalogue reloaded meanwhile"});
    }
    void printAfterDialog()
    {
        QFETCH(int, action);
        f->show(u"T"_s, u"Body"_s, false);
        const QString pdf = f->dir.filePath(u"printed.pdf"_s);
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (action == 1)
                w->updateOnEvent(NDT_ArticlePage, 2106);
            else if (action == 2)
                w->reloadForRefreshedTDF();
            dialog->accept(); // sets the printer up from its widgets; the file goes after
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
        });
        w->printArticle();
        QCOMPARE(QFile::exists(pdf), action == 0);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
