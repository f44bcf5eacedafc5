// Page text comes from any web server: the text utilities must survive
// every input without reading outside it.
#include "htmlscanner.h"
#include "htmltext.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool filled = (fillEntityTable(), true);
    (void)filled;
    if (size < 1)
        return 0;
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const bool decode = data[0] & 1;
    const bool filterSpace = data[0] & 2;
    (void)htmlToText(text, decode, filterSpace);
    (void)toParagraphs(text);
    // Attribute values of pages resolve their character references here.
    const QString decoded = decodeEntities(text);
    if (!text.contains(QLatin1Char('&')) && decoded != text)
        __builtin_trap();
    // The scanner the URL extractor walks pages with must find what the
    // lookups find one at a time.
    HtmlScanner scanner(text);
    QString a, b, c, d;
    int from = 0;
    for (int guard = 0; guard < 64 && from >= 0 && from < text.size(); ++guard) {
        const int next = findLink(text, from, a, b);
        if (scanner.findLink(from, c, d) != next || a != c || (next >= 0 && b != d))
            __builtin_trap();
        if (next <= from)
            break;
        from = next;
    }
    from = 0;
    for (int guard = 0; guard < 64 && from >= 0 && from < text.size(); ++guard) {
        const int next = findImage(text, from, a, b);
        if (scanner.findImage(from, c, d) != next || a != c || (next >= 0 && b != d))
            __builtin_trap();
        if (next <= from)
            break;
        from = next;
    }
    (void)findAttributeValue(text, QStringLiteral("content"), 0, Qt::CaseInsensitive);
    (void)tagAttribute(text, QStringLiteral("href"), 0, Qt::CaseInsensitive);
    (void)elementText(text, QStringLiteral("title"), 0, Qt::CaseInsensitive);
    return 0;
}
