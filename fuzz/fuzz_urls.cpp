// URLs come from pages and from update answers; these functions decide what
// is requested at all, whether a finished download is the one asked for,
// and how a page's URL is written for the request and the history.
// Input: two URLs (UTF-8) separated by a NUL byte.
#include "clelement.h"
#include "clsitemodel.h"
#include "clupdate.h"
#include "fuzzkit.h"
#include "htmltext.h"
#include "networkmodule.h"
#include "versionmanager.h"

#include <QUrl>

#include <cstddef>
#include <cstdint>

namespace {

bool isAscii(const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0x7f)
            return false;
    }
    return true;
}

void checkOne(const QString &url)
{
    const bool fetchable = NetworkModule::isFetchableUrl(url);
    if (isUpdateUrl(url) && !fetchable)
        fuzzkit::finding("an update URL that may not be requested", url);
    if (fetchable && !QUrl(url).isValid())
        fuzzkit::finding("an invalid URL counts as fetchable", url);

    // The module reports a download by the string it was given or by the
    // request's URL as QUrl prints it; both are the pending download.
    if (!sameUrl(url, url) || (fetchable && !sameUrl(QUrl(url).toString(), url)))
        fuzzkit::finding("a download is not recognised as itself", url);

    // Page URLs keep Latin-1 and carry anything beyond as percent-encoded UTF-8.
    const CLURLData record(url, QString(), URLHtml);
    for (const QChar c : record.url) {
        if (c.unicode() > 0xff)
            fuzzkit::finding("a stored URL holds a character beyond Latin-1", record.url);
    }
    if (!url.contains(QLatin1Char('%'))) {
        if (QString::fromUtf8(QByteArray::fromPercentEncoding(record.url.toUtf8())) != url)
            fuzzkit::finding("the percent-encoded URL does not decode to the page's", record.url);
    }
    // The request goes to the same place whichever form is sent.
    if (fetchable && isAscii(QUrl(url).host()) &&
        QUrl(record.url).toEncoded() != QUrl(url).toEncoded())
        fuzzkit::finding("the percent-encoded URL is requested differently", record.url);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool filled = (fillEntityTable(), true);
    (void)filled;
    const QByteArrayList parts =
        fuzzkit::parts(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), 2);
    const QString first = QString::fromUtf8(parts.at(0));
    const QString second = QString::fromUtf8(parts.value(1));
    checkOne(first);
    if (parts.size() < 2)
        return 0;
    checkOne(second);
    // Two requests that go to different places are never mistaken for each other.
    if (sameUrl(first, second) && QUrl(first) != QUrl(second))
        fuzzkit::finding("different URLs count as the same download",
                         first + QLatin1Char(' ') + second);
    return 0;
}
