#include "articleimages.h"

#include "contentscrollview.h"

#include <QBuffer>
#include <QFutureWatcher>
#include <QImageReader>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>

DecodedImage decodeImage(const QByteArray &bytes, const QSize &box)
{
    DecodedImage image;
    image.bytes = bytes;
    QBuffer buffer(&image.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    image.size = reader.size();
    // A few hundred bytes can claim a picture of a billion pixels, and some
    // decoders (progressive JPEG) keep the whole of it however small the
    // thumbnail; such a picture is not decoded, like one that is no picture.
    if (image.size.isValid() &&
        qint64(image.size.width()) * image.size.height() > MaxPicturePixels) {
        image.size = QSize();
        return image;
    }
    const auto exceedsBox = [&box](const QSize &size) {
        return size.width() > box.width() || size.height() > box.height();
    };
    const auto fitted = [&box](const QSize &size) {
        return size.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    };
    if (image.size.isValid() && exceedsBox(image.size))
        reader.setScaledSize(fitted(image.size));
    image.thumbnail = reader.read();
    if (image.thumbnail.isNull()) {
        image.size = QSize();
        return image;
    }
    if (!image.size.isValid())
        image.size = image.thumbnail.size();
    // Some readers tell a size before reading that is not the picture's (GIF's
    // gives the screen's width with the picture's height), and then nothing
    // was scaled on the way in.
    if (exceedsBox(image.thumbnail.size()))
        image.thumbnail = image.thumbnail.scaled(fitted(image.thumbnail.size()),
                                                 Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QSize ArticleImages::thumbnailBox()
{
    // As tall as a thumbnail is shown, as wide as a wide screen gives it room.
    return QSize(1600, ContentScrollView::MaxThumbnailHeight);
}

ArticleImages::ArticleImages(ContentScrollView *original, ContentScrollView *translated,
                             QObject *parent)
    : QObject(parent), m_original(original), m_translated(translated)
{
}

void ArticleImages::reset()
{
    ++m_generation;
    m_used = 0;
    m_pending = 0;
}

void ArticleImages::arrived(const QString &url, const QByteArray &bytes)
{
    // A picture no view shows (of another article, or past the cap) is not decoded.
    bool wanted = false;
    for (const ContentScrollView *view : {m_original, m_translated}) {
        for (qsizetype i = 0; view && !wanted && i < view->images().size(); ++i)
            wanted = view->images().at(i)->url == url;
    }
    if (!wanted)
        return;
    auto *watcher = new QFutureWatcher<DecodedImage>(this);
    const quint64 generation = m_generation;
    ++m_pending;
    connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, url, generation] {
        watcher->deleteLater();
        if (generation != m_generation)
            return;
        --m_pending;
        deliver(url, watcher->result());
    });
    watcher->setFuture(QtConcurrent::run(decodeImage, bytes, thumbnailBox()));
}

void ArticleImages::deliver(const QString &url, const DecodedImage &image)
{
    const bool fits = m_used + image.cost() <= budget;
    if (fits)
        m_used += image.cost();
    for (ContentScrollView *view : {m_original, m_translated}) {
        if (!view)
            continue;
        if (fits)
            view->imageDecoded(url, image, false);
        else
            view->imageOverBudget(url);
    }
    emit delivered(url);
}
