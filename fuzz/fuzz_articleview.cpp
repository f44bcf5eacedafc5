// Every value the article view shows comes from a web page: no byte of it
// may become markup. The document the view builds is read back through the
// text engine; its visible text must be the values given (white space aside)
// and its only links and images those of the image table, each naming
// exactly its image URL (percent-encoding aside).
// Input, separated by NUL bytes (UTF-8): title, source, date and time, text,
// then image URL and caption pairs.
#include "contentscrollview.h"
#include "fuzzkit.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

// White space and control characters are layout to the text engine, not text.
QString normalised(const QString &text)
{
    QString out = text;
    for (QChar &c : out) {
        if (c.isSpace() || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return out.simplified();
}

// "%" and two hex digits decoded; any other "%" kept as it is.
QByteArray strictlyDecoded(const QByteArray &text)
{
    QByteArray out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '%' && i + 2 < text.size() && isxdigit(uchar(text.at(i + 1))) &&
            isxdigit(uchar(text.at(i + 2)))) {
            out.append(char(QByteArray::fromHex(text.mid(i + 1, 2)).at(0)));
            i += 2;
        } else {
            out.append(text.at(i));
        }
    }
    return out;
}

const QByteArray &pictureBytes()
{
    static const QByteArray bytes = [] {
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return png;
    }();
    return bytes;
}

QApplication *application = nullptr;
ContentScrollView *view = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    application = fuzzkit::offscreenApplication<QApplication>("fuzz_articleview");
    view = new ContentScrollView;
    view->resize(640, 480);
    // Torn down in order at exit, so that a leak check sees only real leaks.
    std::atexit([] {
        delete view;
        delete application;
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList parts =
        fuzzkit::parts(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), 12);
    QStringList fields;
    for (const QByteArray &part : parts)
        fields.append(QString::fromUtf8(part));
    while (fields.size() < 4)
        fields.append(QString());
    QStringList urls, captions;
    for (qsizetype i = 4; i + 1 < fields.size(); i += 2) {
        // The view finds an arriving image by its URL; the first item of a URL takes it.
        if (fields.at(i).isEmpty() || urls.contains(fields.at(i)))
            continue;
        urls.append(fields.at(i));
        captions.append(fields.at(i + 1));
    }

    view->clearImages();
    view->setImages(urls, captions);
    view->showArticle(fields.at(0), fields.at(1), fields.at(2), fields.at(3), nullptr, nullptr);
    for (const QString &url : std::as_const(urls))
        view->imageDataLoaded(url, pictureBytes());

    QString visible;
    QStringList links, images;
    const QTextDocument *document = view->document();
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                images.append(format.toImageFormat().name());
                // Element ids make anchors too; only a target makes a link.
                if (!format.anchorHref().isEmpty())
                    links.append(format.anchorHref());
                continue;
            }
            if (!format.anchorHref().isEmpty())
                fuzzkit::finding("text became a link", format.anchorHref());
            visible += fragment.text();
        }
        visible += QLatin1Char('\n');
    }

    QString expected = fields.at(0) + QLatin1Char(' ') + fields.at(1) + QLatin1Char(' ') +
                       fields.at(2) + QLatin1Char(' ');
    for (const QString &caption : std::as_const(captions))
        expected += caption + QLatin1Char(' ');
    expected += fields.at(3);
    if (normalised(visible) != normalised(expected))
        fuzzkit::finding("the visible text differs from the values", visible);
    // A URL may be written with more of it percent-encoded: the same URL.
    const auto decoded = [](const QStringList &list) {
        QByteArrayList out;
        for (const QString &url : list)
            out.append(strictlyDecoded(url.toUtf8()));
        return out;
    };
    if (decoded(images) != decoded(urls))
        fuzzkit::finding("the images differ from the URLs", images.join(QLatin1Char('\n')));
    if (decoded(links) != decoded(urls))
        fuzzkit::finding("the image links differ from the URLs", links.join(QLatin1Char('\n')));
    return 0;
}
