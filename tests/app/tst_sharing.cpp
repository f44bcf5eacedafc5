#include "htmltext.h"
#include "windowfixture.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>

#include <QDesktopServices>
#include <QProcess>
#include <QStackedWidget>
#include <QToolButton>
#include <QUrlQuery>

using namespace Qt::StringLiterals;

namespace {

const QString EndText = u"END OF ARTICLE.\nThe aricle was published at http://a/1.\nThis message "
                        "was exported by Tessolin software, visit tessolin.net for free "
                        "download.\n"_s;

QString block(const QString &header, const QString &title, const QString &text)
{
    return header + title + u"\nDaily 2024-05-13\n"_s + text + u"\n\n"_s;
}

} // namespace

class TestSharing : public QObject
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

    /// Shows an article, optionally with its translation.
    void show(const QString &title, const QString &text, bool translated,
              const QString &url = u"http://a/1"_s)
    {
        f->window->loadArticlePage(f->article(u"en"_s, url, title, text));
        if (!translated)
            return;
        f->window->translateButton()->click();
        WindowFixture::translate(f->window->translatedView()->element());
        f->window->loadArticleTranslationPage(f->window->translatedView()->element());
    }

    void email_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("body");
        QTest::newRow("original only")
            << u"Harbour opens"_s << u"Fish and chips."_s << false << u"Harbour opens"_s
            << u"\n"_s + block(u"ORIGINAL ARTICLE:\n"_s, u"Harbour opens"_s, u"Fish and chips."_s) +
                   EndText;
        QTest::newRow("with translation")
            << u"Harbour opens"_s << u"Fish."_s << true << u"Harbour opens (HARBOUR OPENS)"_s
            << u"\nTRANSLATED ARTICEL:\n\nHARBOUR OPENS\nDAILY 2024-05-13\nFISH.\n\n"_s +
                   block(u"ORIGINAL ARTICLE:\n"_s, u"Harbour opens"_s, u"Fish."_s) + EndText;
        // Characters that mean something in a URL stay inside their field.
        QTest::newRow("ampersand, hash and question mark")
            << u"Q&A #1?"_s << u"a=1&body=x#y?z=%41+"_s << false << u"Q&A #1?"_s
            << u"\n"_s + block(u"ORIGINAL ARTICLE:\n"_s, u"Q&A #1?"_s, u"a=1&body=x#y?z=%41+"_s) +
                   EndText;
        QTest::newRow("quotes and brackets replaced")
            << u"Say \"hi\" [now]"_s << u"[1] \"x\""_s << false << u"Say 'hi' {now}"_s
            << u"\n"_s + block(u"ORIGINAL ARTICLE:\n"_s, u"Say 'hi' {now}"_s, u"{1} 'x'"_s) +
                   EndText;
    }

    void email()
    {
        QFETCH(QString, title);
        QFETCH(QString, text);
        QFETCH(bool, translated);
        show(title, text, translated);
        f->window->emailAction()->trigger();
        QCOMPARE(mailed.size(), 1);
        const QUrl url = mailed.constFirst();
        QCOMPARE(url.scheme(), u"mailto"_s);
        const QUrlQuery query(url);
        QCOMPARE(query.queryItems().size(), 2);
        QCOMPARE(url.fragment(), QString());
        QTEST(query.queryItemValue(u"subject"_s, QUrl::FullyDecoded), "subject");
        QTEST(query.queryItemValue(u"body"_s, QUrl::FullyDecoded), "body");
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
            show(u"T"_s, u"Body"_s, false);
            QVERIFY(state == 1 ? f->window->showHelpPage(u"help.html"_s)
                               : f->window->showMessagePage(u"connection_error.html"_s));
        }
        f->window->forwardToEmailClient();
        emit f->window->originalView()->toEmail();
        QCOMPARE(mailed.size(), 0);
        const QString pdf = f->dir.filePath(u"out.pdf"_s);
        QVERIFY(!f->window->writePdf(pdf));
        QVERIFY(!QFile::exists(pdf));
    }

    void pdfFileName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << u"report"_s << u"report.pdf"_s;
        QTest::newRow("extension in capitals") << u"REPORT.PDF"_s << u"REPORT.PDF"_s;
        QTest::newRow("mixed case") << u"a.Pdf"_s << u"a.Pdf"_s;
        QTest::newRow("pdf inside the name") << u"x.pdf.txt"_s << u"x.pdf.txt.pdf"_s;
    }

    void pdfFileName()
    {
        QFETCH(QString, typed);
        QTEST(MainWindow::pdfFileName(typed), "written");
    }

    void pdf_data()
    {
        QTest::addColumn<bool>("translated");
        QTest::addColumn<QString>("url");
        QTest::addColumn<QStringList>("expected"); // lines of text found in the PDF
        QTest::newRow("original") << false << u"http://a/1"_s
                                  << QStringList{u"Harbour opens"_s, u"Fish and chips."_s,
                                                 u"The article was published at http://a/1."_s,
                                                 u"was exported by Tessolin software"_s};
        QTest::newRow("translation shown")
            << true << u"http://a/1"_s
            << QStringList{u"HARBOUR OPENS"_s, u"FISH AND CHIPS."_s, u"http://a/1"_s};
        QTest::newRow("markup in the address stays text")
            << false << u"http://a/x?<b>bold</b>&q='1'"_s
            << QStringList{u"http://a/x?<b>bold</b>&q='1'"_s};
    }

    void pdf()
    {
        QFETCH(bool, translated);
        QFETCH(QString, url);
        QFETCH(QStringList, expected);
        const QString pdftotext = QStandardPaths::findExecutable(u"pdftotext"_s);
        if (pdftotext.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        show(u"Harbour opens"_s, u"Fish and chips."_s, translated, url);
        ContentScrollView *view =
            translated ? f->window->translatedView() : f->window->originalView();
        const QString before = view->toHtml();
        const QString file = f->dir.filePath(u"article.pdf"_s);
        QVERIFY(f->window->writePdf(file));
        // The screen shows the article as before, without the footer.
        QCOMPARE(view->toHtml(), before);
        QProcess process;
        process.start(pdftotext, {u"-enc"_s, u"UTF-8"_s, file, u"-"_s});
        QVERIFY(process.waitForFinished(30000));
        const QString text = QString::fromUtf8(process.readAllStandardOutput());
        for (const QString &line : expected)
            QVERIFY2(text.simplified().contains(line), qPrintable(text));
        QVERIFY(!text.contains(u"Harbour opens"_s) || !translated);
    }

    void printFooter()
    {
        show(u"T"_s, u"Body"_s, false, u"http://a/'><script>x</script>"_s);
        const QString html = f->window->printHtml(f->window->printFooter());
        QVERIFY(html.startsWith(u"<HTML><BODY BGCOLOR='white'>"_s));
        QVERIFY(html.contains(u"http://a/&#39;&gt;&lt;script&gt;x&lt;/script&gt;"_s));
        QVERIFY(!html.contains(u"<script>"_s));
        QVERIFY(html.endsWith(u"</BODY></HTML>"_s, Qt::CaseInsensitive));
    }

    void footerLinks_data()
    {
        QTest::addColumn<QString>("url");
        QTest::newRow("ends in a backslash") << u"http://a/b\\"_s;
        QTest::newRow("markup after a backslash")
            << u"http://x/a><b>INJECTED</b><a href=file:///etc/passwd>click</a><i x=\\"_s;
        QTest::newRow("quotes and a placeholder") << u"http://a/\"'%1<>"_s;
    }

    // The PDF footer links to the article's address and shows it, whatever it holds.
    void footerLinks()
    {
        QFETCH(QString, url);
        show(u"T"_s, u"Body"_s, false, url);
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

    void printAfterDialog_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<bool>("printed");
        QTest::newRow("article still shown") << 0 << true;
        QTest::newRow("request failed meanwhile") << 1 << false;
        QTest::newRow("catalogue reloaded meanwhile") << 2 << false;
    }

    // What the print dialog was opened for is checked again when it closes.
    void printAfterDialog()
    {
        QFETCH(int, action);
        f->writeFile(u"doc/message/en/connection_error.html"_s, "<p>CONNECTION-ERROR</p>");
        show(u"T"_s, u"Body"_s, false);
        const QString pdf = f->dir.filePath(u"printed.pdf"_s);
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            if (action == 1)
                f->window->updateOnEvent(NDT_ArticlePage, 2106);
            else if (action == 2)
                f->window->reloadForRefreshedTDF();
            dialog->accept(); // sets the printer up from its widgets; the file goes after
            dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
            dialog->printer()->setOutputFileName(pdf);
        });
        f->window->printArticle();
        QFETCH(bool, printed);
        QCOMPARE(QFile::exists(pdf), printed);
    }
};

QTEST_MAIN(TestSharing)
#include "tst_sharing.moc"
