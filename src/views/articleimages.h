#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>

class ContentScrollView;

/// A picture of an article as the views keep it: decoded no larger than its
/// thumbnail, with its own size and its bytes for the full-size box.
struct DecodedImage
{
    QImage thumbnail; ///< null when the bytes do not decode
    QSize size;       ///< the picture's own size, from its header
    QByteArray bytes;

    /// The memory the picture holds while its article is shown.
    qint64 cost() const { return thumbnail.sizeInBytes() + bytes.size(); }
};

/// Most pixels a picture's header may claim for it to be decoded: photographs
/// of news sites stay far below; a progressive JPEG of this size already asks
/// its decoder for about 150 MB.
constexpr qint64 MaxPicturePixels = 25'000'000;

/// Decodes `bytes` no larger than `box` (keeping the shape, never enlarging);
/// pictures larger than MaxPicturePixels are not decoded.
DecodedImage decodeImage(const QByteArray &bytes, const QSize &box);

/// The pictures of the shown article: decoded on the thread pool as they
/// arrive, one decoded picture shared by the original and translated views,
/// and a budget past which further pictures show as links.
class ArticleImages : public QObject
{
    Q_OBJECT

public:
    /// Pictures of one article fetched at most; the rest are not asked for.
    static constexpr int MaxImages = 200;
    /// The box thumbnails are decoded into.
    static QSize thumbnailBox();

    ArticleImages(ContentScrollView *original, ContentScrollView *translated,
                  QObject *parent = nullptr);

    /// Memory the pictures of one article may hold.
    qint64 budget = qint64(256) << 20;

    /// A new article: decodes still running are dropped, the budget starts again.
    void reset();
    /// Hands the bytes of a picture to the thread pool; the views get it when decoded.
    void arrived(const QString &url, const QByteArray &bytes);
    qint64 used() const { return m_used; }
    int pending() const { return m_pending; }

signals:
    /// A picture reached the views (as a picture or as a link).
    void delivered(const QString &url);

private:
    void deliver(const QString &url, const DecodedImage &image);

    ContentScrollView *m_original;
    ContentScrollView *m_translated;
    quint64 m_generation = 0;
    qint64 m_used = 0;
    int m_pending = 0;
};
