// Printing, PDF export and e-mail of the shown article.

#include "mainwindow.h"

#include "clelement.h"
#include "contentscrollview.h"
#include "htmltext.h"
#include "viewfill.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>
#include <QToolButton>

bool MainWindow::canShare() const
{
    const CLElement *article = m_originalView->element();
    return m_useButton->isEnabled() && !m_localPageShown && article && !article->parent &&
           article->value && article->origin;
}

QString MainWindow::articleUrl() const
{
    const CLElement *article = m_originalView->element();
    if (!article || !article->value)
        return QString();
    if (const CLURLData *record = article->value->asURL())
        return record->url;
    return article->value->text;
}

ContentScrollView *MainWindow::shownView() const
{
    return m_originalButton->isChecked() ? m_originalView : m_translatedView;
}

QString MainWindow::pdfFileName(const QString &name)
{
    if (name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return name;
    return name + QLatin1String(".pdf");
}

QString MainWindow::printHtml(const QString &footer) const
{
    const ContentScrollView *view = shownView();
    // The address came from the network: inside a quoted attribute it is
    // encoded so that nothing ends the value, elsewhere it is text.
    const QString link = htmlAttributeUrl(articleUrl());
    const QString url =
        articleUrl().toHtmlEscaped().replace(QLatin1Char('\''), QLatin1String("&#39;"));
    // One pass, so that a "%1" inside the address is never replaced again.
    const QStringList pieces = footer.split(QLatin1String("%1"));
    QString withUrl = pieces.constFirst();
    for (qsizetype i = 1; i < pieces.size(); ++i) {
        const QString &next = pieces.at(i);
        const bool quoted = !withUrl.isEmpty() && !next.isEmpty() && withUrl.back() == next.front() &&
                            (next.front() == QLatin1Char('\'') || next.front() == QLatin1Char('"'));
        const QString value = next.front() == QLatin1Char('"') ? link.toHtmlEscaped() : link;
        withUrl += (quoted ? value : url) + next;
    }
    QString closing = view->part(ContentScrollView::FooterPart);
    if (closing.isEmpty())
        closing = QStringLiteral("</BODY></HTML>");
    return QStringLiteral("<HTML><BODY BGCOLOR='white'>") +
           view->part(ContentScrollView::HeadlinePart) + view->part(ContentScrollView::SourcePart) +
           view->part(ContentScrollView::DatePart) + view->part(ContentScrollView::ImageTablePart) +
           view->part(ContentScrollView::TextPart) +
           withUrl + closing;
}

void MainWindow::renderForPrint(ContentScrollView *view, const QString &footer) const
{
    view->document()->setHtml(printHtml(footer));
}

bool MainWindow::writePdf(const QString &fileName)
{
    if (!canShare() || fileName.isEmpty())
        return false;
    ContentScrollView *view = shownView();
    QPrinter printer(QPrinter::HighResolution);
    renderForPrint(view, m_pdfFooter);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    view->document()->print(&printer);
    view->updateDocument();
    return true;
}

void MainWindow::printArticle()
{
    if (!canShare())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    // The dialog runs its own event loop: a failed request or a catalogue
    // reload may have taken the article away meanwhile.
    if (dialog.exec() != QDialog::Accepted || !canShare())
        return;
    ContentScrollView *view = shownView();
    renderForPrint(view, m_printFooter);
    view->document()->print(&printer);
    view->updateDocument();
}

void MainWindow::savePDF()
{
    qDebug("in save to pdf func");
    if (!canShare())
        return;
    const QString name =
        QFileDialog::getSaveFileName(this, QString(), QString(), QStringLiteral("*.pdf"));
    if (name.isEmpty())
        return;
    writePdf(pdfFileName(name));
}

QUrl MainWindow::emailUrl() const
{
    const CLElement *article = m_originalView->element();
    QString subject;
    QString body = QStringLiteral("\n");
    const CLElement *clone = m_translatedView->element();
    if (article && clone && clone->source == article) {
        const ViewFill::ArticleContent translated = ViewFill::collectArticle(clone);
        if (translated.complete()) {
            body += m_translatedHeader + QLatin1Char('\n') + translated.title + QLatin1Char('\n') +
                    translated.source + QLatin1Char(' ') + translated.datetime + QLatin1Char('\n') +
                    translated.text + QLatin1String("\n\n");
            subject += QLatin1String(" (") + translated.title + QLatin1Char(')');
        }
    }
    const ViewFill::ArticleContent original = ViewFill::collectArticle(article);
    if (original.complete()) {
        subject = original.title + subject;
        body += m_originalHeader + original.title + QLatin1Char('\n') + original.source +
                QLatin1Char(' ') + original.datetime + QLatin1Char('\n') + original.text +
                QLatin1String("\n\n") +
                QString(m_emailEnd).replace(QLatin1String("%1"), articleUrl());
    }
    for (QString *text : {&subject, &body}) {
        text->replace(QLatin1Char('"'), QLatin1Char('\''));
        text->replace(QLatin1Char('['), QLatin1Char('{'));
        text->replace(QLatin1Char(']'), QLatin1Char('}'));
    }
    // Every character that means something in a URL is encoded, so that
    // "&", "#" or "?" in an article neither end the message nor add fields.
    return QUrl::fromEncoded("mailto:?subject=" + QUrl::toPercentEncoding(subject) +
                                 "&body=" + QUrl::toPercentEncoding(body),
                             QUrl::StrictMode);
}

void MainWindow::forwardToEmailClient()
{
    if (!canShare())
        return;
    if (!QDesktopServices::openUrl(emailUrl()))
        showMessage(2012);
}
