// Pictures come from any server an article names: decoding must survive
// every input and never hand the views more than a thumbnail, whatever size
// the header claims.
// Input: the picture's bytes.
#include "articleimages.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QGuiApplication *application = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_image";
    static char *argv[] = {name, nullptr};
    // Kept for the whole run: the font database an SVG's text fills stays reachable.
    application = new QGuiApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QSize box = ArticleImages::thumbnailBox();
    const DecodedImage image = decodeImage(bytes, box);
    if (image.thumbnail.isNull())
        return 0;
    if (image.thumbnail.width() > box.width() || image.thumbnail.height() > box.height()) {
        std::fprintf(stderr, "finding: a thumbnail of %dx%d for a box of %dx%d\n",
                     image.thumbnail.width(), image.thumbnail.height(), box.width(),
                     box.height());
        std::abort();
    }
    if (!image.size.isValid())
        std::abort();
    return 0;
}
