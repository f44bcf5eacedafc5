#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextBrowser>
#include <QTimer>

class AnimationButton;
class CLElement;
struct DecodedImage;

/// Read-only rich-text view of one article or local page: headline block, a
/// table of image thumbnails filled in as the images arrive, and the text.
/// Scroll bars are off; arrow buttons, keys and the wheel scroll it.
class ContentScrollView : public QTextBrowser
{
    Q_OBJECT

public:
    /// One image of the article; sizes stay 0 until its bytes arrive.
    class ImageItem : public QObject
    {
    public:
        explicit ImageItem(const QString &url, const QString &caption = QString());

        QString url;
        QString caption;
        int width = 0;
        int height = 0;
        int displayWidth = 0;
        int displayHeight = 0;
        bool loaded = false;
        bool asLink = false; ///< shown as a link: the article's picture budget was spent
        QByteArray bytes;    ///< for the full-size box, decoded when it opens
    };

    /// The seven pieces the document is always composed of, in order.
    enum HtmlPart {
        HeaderPart,
        HeadlinePart,
        SourcePart,
        DatePart,
        ImageTablePart,
        TextPart,
        FooterPart,
        HtmlPartCount
    };

    /// Thumbnails are never taller than this, nor wider than the view's room for them.
    static constexpr int MaxThumbnailHeight = 150;
    /// What the image table's margins and cell spacing take from the view's width.
    static constexpr int TableMargin = 39;
    /// The least width a thumbnail keeps in a view too narrow for any.
    static constexpr int MinThumbnailRoom = 16;

    explicit ContentScrollView(QWidget *parent = nullptr);
    ~ContentScrollView() override;

    /// Shows an article; the page URLs are not owned and may be null.
    void showArticle(const QString &title, const QString &source, const QString &datetime,
                     const QString &text, const QString *previousPage, const QString *nextPage);
    /// Shows ready HTML (a local help or message page) as the text part.
    void showPage(const QString &html, const QString *previousPage, const QString *nextPage);
    void setPageLinks(const QString *previousPage, const QString *nextPage);

    void setImages(const QStringList &urls, const QStringList &captions);
    void updateCaptions(const QStringList &urls, const QStringList &captions);
    /// Empties the document with its resources and drops every image item.
    void clearImages();
    /// Decodes the picture here and now (see ArticleImages for the threaded way).
    void imageDataLoaded(const QString &url, const QByteArray &data);
    /// Shows a decoded picture; without `refreshNow` the image table is
    /// rebuilt once for a burst of pictures, when the event loop is free.
    void imageDecoded(const QString &url, const DecodedImage &image, bool refreshNow = true);
    /// Shows the picture as a link to its address.
    void imageOverBudget(const QString &url);
    /// Pictures of the article that are not fetched; the article says so.
    void setImagesLeftOut(int count);
    /// Positive `dy` shows content above.
    void scrollContent(int dy);

    /// Sets the document to the seven parts again, keeping the reading position
    /// (after printing replaced it, for example).
    void updateDocument();
    QString part(HtmlPart which) const { return m_parts[which]; }
    /// The seven parts concatenated.
    QString html() const;

    const QList<ImageItem *> &images() const { return m_images; }
    const QString *previousPage() const { return m_previousPage; }
    const QString *nextPage() const { return m_nextPage; }

    CLElement *element() const { return m_element; }
    /// The tree is only held here; its owner deletes it.
    void setElement(CLElement *element) { m_element = element; }

    AnimationButton *previousPageArrow() const { return m_previousArrow; }
    AnimationButton *nextPageArrow() const { return m_nextArrow; }
    AnimationButton *upArrow() const { return m_upArrow; }
    AnimationButton *downArrow() const { return m_downArrow; }

    QVariant loadResource(int type, const QUrl &name) override;

signals:
    void scrolled(int percentage);
    void popupImage(const QString &url, const QVariant &image);
    void keyPressRight();
    void keyPressLeft();
    void keyPressSpace();
    void requestLocalPage(const QString &path);
    void switchTranslation();
    void toPrint();
    void toEmail();
    void toSave();

public slots:
    void scrollTimerStop();
    void scrollUpFastTimer();
    void scrollUpSlowTimer();
    void scrollDnFastTimer();
    void scrollDnSlowTimer();
    void scrollTimerEvent();
    void retranslateUI();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    /// Link clicks end here; the view never navigates by itself.
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;

private:
    QString buildImageTable() const;
    /// Rebuilds the image table and, when it changed, the document.
    void refreshImageTable();
    /// The width a thumbnail may take in the view as it is now.
    int thumbnailRoom() const;
    /// Sets the thumbnail size of a loaded item from its image size and the view's width.
    void fitThumbnail(ImageItem *item) const;
    void setDocumentHtml(bool toTop);
    void updateScrollArrows();
    void placePageArrows();
    void emitScrollPercentage();
    void startScrolling(int step, int speed, int interval);
    ImageItem *loadedItemFor(const QUrl &url) const;
    ImageItem *itemFor(const QString &url) const;
    void rebuildImageTable();

    const QString *m_previousPage = nullptr;
    const QString *m_nextPage = nullptr;
    AnimationButton *m_previousArrow;
    AnimationButton *m_nextArrow;
    QString m_parts[HtmlPartCount];
    CLElement *m_element = nullptr;
    AnimationButton *m_upArrow;
    AnimationButton *m_downArrow;
    QList<ImageItem *> m_images;
    QTimer m_scrollTimer;
    QTimer m_imageRefresh;
    int m_imagesLeftOut = 0;
    int m_scrollStep = 0;
    int m_scrollSpeed = 1;
    QString m_sheet;       ///< the document sheet as its owner gave it
    QString m_scaledSheet; ///< the same at the reader's text size
};
