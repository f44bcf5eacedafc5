#include "contentscrollview.h"

#include "animationbutton.h"
#include "articleimages.h"
#include "htmltext.h"
#include "textscale.h"
#include "viewtheme.h"

#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// URLs go into single-quoted attributes; the rich-text parser reads "\\'"
// there as an escaped quote, so more than the quote needs encoding.
QString attributeText(const QString &url)
{
    return htmlAttributeUrl(url);
}

// The key under which the text engine looks an image up, given its URL.
QUrl resourceUrl(const QString &url)
{
    return QUrl::fromEncoded(attributeText(url).toUtf8());
}

// Stands in for any image the program did not hand over, so that the text
// engine never falls back to reading the file itself.
const QImage &blankImage()
{
    static const QImage image = [] {
        QImage blank(1, 1, QImage::Format_ARGB32);
        blank.fill(Qt::transparent);
        return blank;
    }();
    return image;
}

} // namespace

ContentScrollView::ImageItem::ImageItem(const QString &url, const QString &caption)
    : url(url), caption(caption)
{
}

ContentScrollView::ContentScrollView(QWidget *parent)
    : QTextBrowser(parent),
      m_previousArrow(new AnimationButton(QStringLiteral(":/LEFTARROW"), 25, 25, this)),
      m_nextArrow(new AnimationButton(QStringLiteral(":/RIGHTARROW"), 25, 25, this)),
      m_upArrow(new AnimationButton(QStringLiteral(":/UPARROW"), 20, 20, this)),
      m_downArrow(new AnimationButton(QStringLiteral(":/DOWNARROW"), 20, 20, this))
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setMinimum(0);
    setOpenExternalLinks(false);

    m_previousArrow->hide();
    m_nextArrow->hide();
    m_upArrow->hide();
    m_downArrow->hide();
    connect(TextScale::instance(), &TextScale::changed, this, [this] { setDocumentHtml(false); });
    connect(ViewTheme::instance(), &ViewTheme::changed, this, [this] { setDocumentHtml(false); });

    connect(m_upArrow, &AnimationButton::entered, this, &ContentScrollView::scrollUpSlowTimer);
    connect(m_upArrow, &AnimationButton::pressed, this, &ContentScrollView::scrollUpFastTimer);
    connect(m_upArrow, &AnimationButton::released, this, &ContentScrollView::scrollUpSlowTimer);
    connect(m_upArrow, &AnimationButton::left, this, &ContentScrollView::scrollTimerStop);
    connect(m_downArrow, &AnimationButton::entered, this, &ContentScrollView::scrollDnSlowTimer);
    connect(m_downArrow, &AnimationButton::pressed, this, &ContentScrollView::scrollDnFastTimer);
    connect(m_downArrow, &AnimationButton::released, this, &ContentScrollView::scrollDnSlowTimer);
    connect(m_downArrow, &AnimationButton::left, this, &ContentScrollView::scrollTimerStop);
    connect(&m_scrollTimer, &QTimer::timeout, this, &ContentScrollView::scrollTimerEvent);
    m_imageRefresh.setSingleShot(true);
    connect(&m_imageRefresh, &QTimer::timeout, this, &ContentScrollView::rebuildImageTable);

    retranslateUI();
}

ContentScrollView::~ContentScrollView()
{
    qDeleteAll(m_images);
}

void ContentScrollView::showArticle(const QString &title, const QString &source,
                                    const QString &datetime, const QString &text,
                                    const QString *previousPage, const QString *nextPage)
{
    m_parts[HeaderPart] = QStringLiteral("<HTML><BODY>");
    // Page values are text: decoded entities such as "&lt;b&gt;" must show, not act, as markup.
    m_parts[HeadlinePart] = QStringLiteral("<DIV ID='headline' ALIGN='center'><P ID='title'>") +
                            title.toHtmlEscaped() + QStringLiteral("</P>");
    m_parts[SourcePart] = QStringLiteral("<SPAN ID='source'>") + source.toHtmlEscaped() +
                          QStringLiteral("</SPAN>&nbsp;");
    m_parts[DatePart] = QStringLiteral("<SPAN ID='datetime'>") + datetime.toHtmlEscaped() +
                        QStringLiteral("</SPAN><HR/></DIV>");
    m_parts[ImageTablePart] = buildImageTable();
    m_parts[TextPart] = QStringLiteral("<DIV ID='text'>") + toParagraphs(text.toHtmlEscaped()) +
                        QStringLiteral("</DIV>");
    m_parts[FooterPart] = QStringLiteral("</BODY></HTML>");
    setPageLinks(previousPage, nextPage);
    setFocus();
}

void ContentScrollView::showPage(const QString &html, const QString *previousPage,
                                 const QString *nextPage)
{
    for (QString &part : m_parts)
        part.clear();
    m_parts[TextPart] = html;
    setPageLinks(previousPage, nextPage);
    setFocus();
}

void ContentScrollView::setPageLinks(const QString *previousPage, const QString *nextPage)
{
    m_previousPage = previousPage;
    m_nextPage = nextPage;
    m_previousArrow->setVisible(previousPage && !previousPage->isEmpty());
    m_nextArrow->setVisible(nextPage && !nextPage->isEmpty());
    setDocumentHtml(true);
    updateScrollArrows();
}

void ContentScrollView::setImages(const QStringList &urls, const QStringList &captions)
{
    for (int i = 0; i < urls.size(); ++i)
        m_images.append(new ImageItem(urls.at(i), captions.value(i)));
    refreshImageTable();
}

void ContentScrollView::updateCaptions(const QStringList &urls, const QStringList &captions)
{
    bool changed = false;
    const int pairs = qMin(urls.size(), captions.size());
    for (int i = 0; i < pairs; ++i) {
        for (ImageItem *item : std::as_const(m_images)) {
            if (item->url == urls.at(i) && item->caption != captions.at(i)) {
                item->caption = captions.at(i);
                changed = true;
            }
        }
    }
    if (changed)
        refreshImageTable();
}

void ContentScrollView::clearImages()
{
    m_imageRefresh.stop();
    m_imagesLeftOut = 0;
    document()->clear();
    qDeleteAll(m_images);
    m_images.clear();
    // The document is empty now; the parts follow so that a later image
    // arrival cannot bring back the previous article.
    for (QString &part : m_parts)
        part.clear();
    updateScrollArrows();
}

void ContentScrollView::imageDataLoaded(const QString &url, const QByteArray &data)
{
    // Late images of an article that is no longer shown are dropped.
    if (itemFor(url))
        imageDecoded(url, decodeImage(data, ArticleImages::thumbnailBox()));
}

void ContentScrollView::imageDecoded(const QString &url, const DecodedImage &image, bool refreshNow)
{
    ImageItem *item = itemFor(url);
    if (!item)
        return;
    // The image is shared, not copied: both views hold the one decoded picture.
    document()->addResource(QTextDocument::ImageResource, resourceUrl(url),
                            image.thumbnail.isNull() ? blankImage() : image.thumbnail);
    item->width = image.size.width();
    item->height = image.size.height();
    item->bytes = image.thumbnail.isNull() ? QByteArray() : image.bytes;
    item->loaded = true;
    fitThumbnail(item);
    if (refreshNow)
        rebuildImageTable();
    else if (!m_imageRefresh.isActive())
        m_imageRefresh.start();
}

void ContentScrollView::imageOverBudget(const QString &url)
{
    ImageItem *item = itemFor(url);
    if (!item)
        return;
    item->asLink = true;
    if (!m_imageRefresh.isActive())
        m_imageRefresh.start();
}

void ContentScrollView::setImagesLeftOut(int count)
{
    m_imagesLeftOut = count;
    refreshImageTable();
}

void ContentScrollView::rebuildImageTable()
{
    QElapsedTimer clock;
    clock.start();
    m_imageRefresh.stop();
    m_parts[ImageTablePart] = buildImageTable();
    setDocumentHtml(false);
    updateScrollArrows();
    // A burst of pictures rebuilds the document at most a third of the time.
    m_imageRefresh.setInterval(int(qMin<qint64>(2 * clock.elapsed(), 1000)));
}

ContentScrollView::ImageItem *ContentScrollView::itemFor(const QString &url) const
{
    for (ImageItem *item : m_images) {
        if (item->url == url)
            return item;
    }
    return nullptr;
}

void ContentScrollView::scrollContent(int dy)
{
    QScrollBar *bar = verticalScrollBar();
    bar->setValue(bar->value() - dy);
    updateScrollArrows();
    if (bar->maximum() > 0)
        emit scrolled(bar->value() * 100 / bar->maximum());
}

void ContentScrollView::updateDocument()
{
    setDocumentHtml(false);
    updateScrollArrows();
}

QString ContentScrollView::html() const
{
    QString all;
    for (const QString &part : m_parts)
        all += part;
    return all;
}

QVariant ContentScrollView::loadResource(int type, const QUrl &name)
{
    Q_UNUSED(name)
    // Only what imageDataLoaded() added is ever shown: nothing is read from
    // the disk or the network on behalf of web content.
    if (type == QTextDocument::ImageResource)
        return blankImage();
    return QByteArray("");
}

void ContentScrollView::scrollTimerStop()
{
    m_scrollTimer.stop();
    m_scrollStep = 0;
}

void ContentScrollView::scrollUpFastTimer()
{
    startScrolling(-1, 30, 100);
}

void ContentScrollView::scrollUpSlowTimer()
{
    startScrolling(-1, 1, 50);
}

void ContentScrollView::scrollDnFastTimer()
{
    startScrolling(1, 30, 100);
}

void ContentScrollView::scrollDnSlowTimer()
{
    startScrolling(1, 1, 50);
}

void ContentScrollView::scrollTimerEvent()
{
    scrollContent(-m_scrollStep * m_scrollSpeed);
}

void ContentScrollView::retranslateUI()
{
    m_previousArrow->setToolTip(tr("Previous Page"));
    m_nextArrow->setToolTip(tr("Next Page"));
}

void ContentScrollView::keyPressEvent(QKeyEvent *event)
{
    if (TextScale::instance()->handleKey(event)) {
        event->accept();
        return;
    }
    QTextBrowser::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_T:
        emit switchTranslation();
        break;
    case Qt::Key_E:
        emit toEmail();
        break;
    case Qt::Key_P:
        emit toPrint();
        break;
    case Qt::Key_S:
        emit toSave();
        break;
    case Qt::Key_Space:
        emit keyPressSpace();
        break;
    case Qt::Key_Right:
        emit keyPressRight();
        break;
    case Qt::Key_Left:
        emit keyPressLeft();
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emitScrollPercentage();
        break;
    default:
        break;
    }
}

void ContentScrollView::wheelEvent(QWheelEvent *event)
{
    if (TextScale::instance()->handleWheel(event)) {
        event->accept();
        return;
    }
    QTextBrowser::wheelEvent(event);
    emitScrollPercentage();
}

void ContentScrollView::resizeEvent(QResizeEvent *event)
{
    // The browser lays the text out for the new width first, so that the
    // arrows are judged against the real document height.
    QTextBrowser::resizeEvent(event);
    refreshImageTable();
    updateScrollArrows();
    placePageArrows();
}

void ContentScrollView::doSetSource(const QUrl &name, QTextDocument::ResourceType type)
{
    Q_UNUSED(type)
    if (name.isLocalFile()) {
        emit requestLocalPage(name.toLocalFile());
        return;
    }
    if (name.path().isEmpty())
        return;
    const ImageItem *item = loadedItemFor(name);
    if (!item)
        return;
    // The whole picture is decoded only now, and no larger than the screen.
    const QScreen *shown = screen();
    const QSize box = shown ? shown->size() * shown->devicePixelRatio() : QSize(4096, 4096);
    const QImage picture = decodeImage(item->bytes, box).thumbnail;
    if (!picture.isNull())
        emit popupImage(item->url, QVariant::fromValue(QPixmap::fromImage(picture)));
}

QString ContentScrollView::buildImageTable() const
{
    if (m_images.isEmpty())
        return QString();

    QString table = QStringLiteral("<DIV ID='images' ALIGN='center'><TABLE>");
    const int available = width() - TableMargin;
    int rowWidth = 0;
    QString links;
    for (const ImageItem *item : m_images) {
        // An image that did not decode has no size to show.
        if (item->asLink) {
            links += QStringLiteral("<A HREF='") + attributeText(item->url) + QStringLiteral("'>") +
                     item->url.toHtmlEscaped() + QStringLiteral("</A><BR>");
            continue;
        }
        if (!item->loaded || item->displayWidth <= 0 || item->displayHeight <= 0)
            continue;
        if (rowWidth == 0) {
            table += QStringLiteral("<TR ALIGN='center'>");
        } else if (available <= rowWidth + item->displayWidth) {
            table += QStringLiteral("</TR><TR ALIGN='center'>");
            rowWidth = 0;
        }
        const QString url = attributeText(item->url);
        table += QStringLiteral("<TD ALIGN='center'><A HREF='") + url +
                 QStringLiteral("'><IMG SRC='") + url +
                 QStringLiteral("' WIDTH=%1 HEIGHT=%2></A><BR>")
                     .arg(item->displayWidth)
                     .arg(item->displayHeight) +
                 item->caption.toHtmlEscaped() + QStringLiteral("</TD>");
        rowWidth += item->displayWidth;
    }
    table += QStringLiteral("</TR></TABLE>");
    if (!links.isEmpty())
        table += QStringLiteral("<P ALIGN='center'>") + links + QStringLiteral("</P>");
    if (m_imagesLeftOut > 0)
        table += QStringLiteral("<P>") +
                 tr("Pictures of this article not shown: %1").arg(m_imagesLeftOut) +
                 QStringLiteral("</P>");
    table += QStringLiteral("<HR/></DIV>");
    return table;
}

int ContentScrollView::thumbnailRoom() const
{
    return qMax(width() - TableMargin, MinThumbnailRoom);
}

void ContentScrollView::fitThumbnail(ImageItem *item) const
{
    if (item->width <= 0 || item->height <= 0) {
        item->displayWidth = 0;
        item->displayHeight = 0;
        return;
    }
    item->displayHeight = qMin(item->height, MaxThumbnailHeight);
    item->displayWidth = qRound(double(item->displayHeight) * item->width / item->height);
    // A wide image is capped by the view's width as well, keeping its shape.
    const int room = thumbnailRoom();
    if (item->displayWidth > room) {
        item->displayWidth = room;
        item->displayHeight = qMax(1, qRound(double(room) * item->height / item->width));
    }
}

void ContentScrollView::refreshImageTable()
{
    for (ImageItem *item : std::as_const(m_images)) {
        if (item->loaded)
            fitThumbnail(item);
    }
    const QString table = buildImageTable();
    if (table == m_parts[ImageTablePart])
        return;
    m_parts[ImageTablePart] = table;
    setDocumentHtml(false);
}

namespace {

// The HTML import fixes every block left-to-right; an article's paragraphs
// take their direction from their own text instead, so Arabic or Hebrew text
// reads from the right whatever the interface language.
void followTextDirection(QTextDocument *document)
{
    QTextCursor cursor(document);
    cursor.beginEditBlock();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.layoutDirection() == Qt::LayoutDirectionAuto)
            continue;
        format.setLayoutDirection(Qt::LayoutDirectionAuto);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    cursor.endEditBlock();
}

} // namespace

void ContentScrollView::setDocumentHtml(bool toTop)
{
    QScrollBar *bar = verticalScrollBar();
    const int position = bar->value();
    // A sheet other than the one scaled last is a new one from the owner.
    if (document()->defaultStyleSheet() != m_scaledSheet)
        m_sheet = document()->defaultStyleSheet();
    m_scaledSheet = TextScale::scaleSheet(m_sheet + ViewTheme::instance()->articleSheet(),
                                          TextScale::instance()->percent());
    document()->setDefaultStyleSheet(m_scaledSheet);
    setHtml(html());
    if (!m_parts[HeadlinePart].isEmpty())
        followTextDirection(document());
    if (toTop) {
        moveCursor(QTextCursor::Start);
        bar->setValue(0);
        return;
    }
    // Re-setting the document must not throw the reader back to the top.
    document()->size();
    bar->setValue(position);
}

void ContentScrollView::updateScrollArrows()
{
    const qreal documentHeight = document()->size().height();
    const int viewportHeight = viewport()->height();
    if (documentHeight <= viewportHeight) {
        m_upArrow->hide();
        m_downArrow->hide();
        return;
    }
    verticalScrollBar()->setMaximum(qRound(documentHeight - viewportHeight));
    m_upArrow->move(width() - m_upArrow->width(), 0);
    m_downArrow->move(width() - m_downArrow->width(), height() - m_downArrow->height());
    m_upArrow->raise();
    m_upArrow->show();
    m_downArrow->raise();
    m_downArrow->show();
}

void ContentScrollView::placePageArrows()
{
    m_previousArrow->move(0, (height() - m_previousArrow->height()) / 2);
    m_nextArrow->move(width() - m_nextArrow->width(), (height() - m_nextArrow->height()) / 2);
}

void ContentScrollView::emitScrollPercentage()
{
    const QScrollBar *bar = verticalScrollBar();
    if (bar->maximum() > 0 && bar->value() <= bar->maximum())
        emit scrolled(bar->value() * 100 / bar->maximum());
}

void ContentScrollView::startScrolling(int step, int speed, int interval)
{
    m_scrollStep = step;
    m_scrollSpeed = speed;
    m_scrollTimer.start(interval);
}

ContentScrollView::ImageItem *ContentScrollView::loadedItemFor(const QUrl &url) const
{
    for (ImageItem *item : m_images) {
        if (item->loaded && item->height > 0 && resourceUrl(item->url) == url)
            return item;
    }
    return nullptr;
}
