// A translation answer comes from a web service and is read with the
// shipped answer profile. Any answer must be survived; an answer that
// carries a text as a JSON string, escaped in any of the ways encoders
// write it, must give back exactly that text.
// Input: a flag byte, then
//   bit 0 clear: the answer's bytes as they arrive;
//   bit 0 set: the translated text (UTF-8), which the target escapes —
//     bit 1: every character beyond ASCII as "\uXXXX" (surrogate pairs beyond U+FFFF)
//     bit 2: "/" as "\/"
//     bit 3: upper-case hex digits
//     bit 4: control characters as "\u00XX" only (no "\n", "\t", ...)
#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "fuzzkit.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

const QString AnswerUrl = QStringLiteral("http://127.0.0.1:2737/translate");

CLProcessor *answerReader()
{
    fillEntityTable();
    auto *processor = new CLProcessor;
    processor->profileDir = QStringLiteral(TESSOLIN_SOURCE_DIR "/data/conf/profile");
    processor->catalogueFile = QStringLiteral("sites.xml");
    if (!processor->loadSiteCatalogue() || processor->allPages.isEmpty())
        fuzzkit::finding("the shipped answer profile did not load", processor->profileDir);
    return processor;
}

QString hex4(uint unit, bool upper)
{
    const QString digits = QStringLiteral("%1").arg(unit, 4, 16, QLatin1Char('0'));
    return QStringLiteral("\\u") + (upper ? digits.toUpper() : digits);
}

QByteArray jsonString(const QString &text, uint8_t flags)
{
    const bool asciiOnly = flags & 2, slash = flags & 4, upper = flags & 8, plain = flags & 16;
    QString out;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"':
            out += QLatin1String("\\\"");
            continue;
        case u'\\':
            out += QLatin1String("\\\\");
            continue;
        case u'/':
            out += slash ? QLatin1String("\\/") : QLatin1String("/");
            continue;
        default:
            break;
        }
        const char *shortEscape = u == '\n'   ? "\\n"
                                  : u == '\r' ? "\\r"
                                  : u == '\t' ? "\\t"
                                  : u == '\b' ? "\\b"
                                  : u == '\f' ? "\\f"
                                              : nullptr;
        if (shortEscape && !plain) {
            out += QLatin1String(shortEscape);
        } else if (u < 0x20 || (asciiOnly && u > 0x7e)) {
            out += hex4(u, upper);
        } else {
            out += c;
        }
    }
    return out.toUtf8();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static CLProcessor *processor = answerReader();
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    const QByteArray rest(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    if (!(flags & 1)) {
        const std::unique_ptr<CLElement> tree(
            processor->process(AnswerUrl, rest, PageTranslatorEntry, QString()));
        return 0;
    }

    const QString text = QString::fromUtf8(rest);
    const QByteArray answer = "{\"responseData\": {\"translatedText\": \"" +
                              jsonString(text, flags) +
                              "\"}, \"responseDetails\": null, \"responseStatus\": 200}";
    const std::unique_ptr<CLElement> tree(
        processor->process(AnswerUrl, answer, PageTranslatorEntry, QString()));
    // A NUL cannot stand in a text: the escape reads as U+FFFD.
    const QString expected =
        htmlToText(QString(text).replace(QChar(0), QChar::ReplacementCharacter), true, false);
    const QString got =
        tree && !tree->children.isEmpty() ? tree->children.constFirst()->text() : QString();
    if (got != expected)
        fuzzkit::finding("the translated text differs", got + QStringLiteral(" / ") + expected);
    return 0;
}
