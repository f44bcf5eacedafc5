// A downloaded profile or engine file comes from any server the answer
// named: the check run before it replaces an installed file must accept
// only what the reader then loads (unpacked, within the nesting limit,
// parsed, valid), and must refuse a size or checksum that does not match.
// Input: a flag byte, then the XML text.
//   bit 0: an engine target ("(r)"), else a site target "(s)GI.a"
//   bit 1: stored compressed (a name without ".xml"), else plain
//   bits 2-3: checksum: none, right SHA-256, right MD5, wrong SHA-256
//   bits 4-5: declared size: "0", exact, one too many, empty
//   bit 6: two more bytes (little-endian) give a count N, and the first
//          "<x/>" of the text stands for N nested <x> elements, so that depth
//          is one number away instead of hundreds of balanced insertions
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "clupdate.h"
#include "fuzzkit.h"
#include "htmltext.h"

#include <QCryptographicHash>
#include <QDomDocument>
#include <QDomElement>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// The text with its first "<x/>" replaced by `levels` nested elements.
QByteArray nested(const QByteArray &text, int levels)
{
    const qsizetype at = text.indexOf("<x/>");
    if (at < 0)
        return text;
    QByteArray deep;
    deep.reserve(levels * 7);
    deep.append(QByteArray("<x>").repeated(levels));
    deep.append(QByteArray("</x>").repeated(levels));
    return text.left(at) + deep + text.mid(at + 4);
}

// What the reader makes of the file at its next start: the same loading
// path as every data file, then the profile or engine reader.
bool readerLoads(const QByteArray &stored, bool packed, bool engine, const QString &id)
{
    QByteArray xml = stored;
    if (packed) {
        bool ok = false;
        xml = unpackXml(stored, &ok);
        if (!ok)
            return false;
    }
    QDomDocument document;
    if (!parseXmlDocument(xml, document))
        return false;
    if (engine) {
        CLProcessor processor;
        return processor.parseTranslators(document) && !processor.translators.isEmpty();
    }
    if (document.documentElement().tagName() != QLatin1String("site"))
        return false;
    const std::unique_ptr<CLSite> site(readProfile(document));
    return site && site->id == id;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const uint8_t flags = data[0];
    const size_t head = (flags & 0x40) ? 3 : 1;
    if (size < head)
        return 0;
    QByteArray xml(reinterpret_cast<const char *>(data + head), qsizetype(size - head));
    if (flags & 0x40)
        xml = nested(xml, data[1] | data[2] << 8);
    const bool engine = flags & 1;
    const bool packed = flags & 2;
    const QByteArray bytes = packed ? packXml(xml) : xml;

    CLUpdateTarget target;
    target.id = engine ? QStringLiteral("(r)translators") : QStringLiteral("(s)GI.a");
    target.version = QStringLiteral("2.0");
    target.urls = {QStringLiteral("http://updates.example/p")};
    bool wrong = false;
    switch ((flags >> 2) & 3) {
    case 0:
        target.checksum = QStringLiteral("none");
        break;
    case 1:
        target.checksum = sha256Hex(bytes);
        break;
    case 2:
        target.checksum =
            QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
        break;
    default:
        target.checksum = sha256Hex(bytes + 'x');
        wrong = true;
        break;
    }
    switch ((flags >> 4) & 3) {
    case 0:
        target.bytes = QStringLiteral("0");
        break;
    case 1:
        target.bytes = QString::number(bytes.size());
        break;
    case 2:
        target.bytes = QString::number(bytes.size() + 1);
        wrong = true;
        break;
    default:
        wrong = true; // no size at all
        break;
    }
    const QString name = engine ? QStringLiteral("translators.tdf")
                                : (packed ? QStringLiteral("a.prf") : QStringLiteral("a.xml"));

    const QString problem = checkDownloadedFile(bytes, target, name);
    if (problem.isEmpty()) {
        if (wrong)
            fuzzkit::finding("a file with a wrong size or checksum was accepted", target.bytes);
        if (!readerLoads(bytes, packed, engine, target.id))
            fuzzkit::finding("the check accepted a file the reader does not load", name);
    }
    return 0;
}
