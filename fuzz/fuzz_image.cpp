// Pictures come from any server an article names: decoding must survive
// every input and never hand the views more than a thumbnail, whatever size
// the header claims.
// Input: the picture's bytes.
#include "articleimages.h"
#include "fuzzkit.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Kept for the whole run: the font database an SVG's text fills stays reachable.
    fuzzkit::offscreenApplication<QGuiApplication>("fuzz_image");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QSize box = ArticleImages::thumbnailBox();
    const DecodedImage image = decodeImage(bytes, box);
    if (image.thumbnail.isNull())
        return 0;
    if (image.thumbnail.width() > box.width() || image.thumbnail.height() > box.height())
        fuzzkit::finding(
            "a thumbnail larger than its box",
            QStringLiteral("%1x%2").arg(image.thumbnail.width()).arg(image.thumbnail.height()));
    if (!image.size.isValid())
        fuzzkit::finding("a decoded picture without a size");
    return 0;
}
