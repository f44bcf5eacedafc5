// A version-check answer comes from the network: reading it as the reader
// does (signature, refusals), naming its downloads and writing the catalogue
// must survive every input, and the written catalogue must read back to
// exactly the values put in.
#include "clupdate.h"
#include "fuzzkit.h"

#include <QDomDocument>
#include <QDomElement>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// The public half of the key libsodium derives from the seed of 32 bytes 0x42; the
// "signed-verified" seeds carry its signatures, so the trusted paths start covered.
const QByteArray TrustedKey =
    QByteArray::fromBase64("IVL40Zt5HSRFMkLhXy6rbLfP+ntqXtMAl5YOBpiB2xI=");

bool isLoggable(const QString &text)
{
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c == QChar(0x2028) || c == QChar(0x2029))
            return false;
    return true;
}

// What the reader takes from an answer, signed by a trusted key or not: nothing a refusal
// names, and the check addresses only when trusted.
CLUpdateAnswer checkedUsable(CLUpdateAnswer answer, bool trusted)
{
    answer.trusted = trusted;
    const CLUpdateAnswer usable = usableAnswer(answer);
    if (usable.targets.size() + usable.refused.size() > answer.targets.size())
        std::abort();
    if (!trusted && !usable.endpoints.isEmpty())
        std::abort();
    if (!answerRefusal(answer).isEmpty() &&
        !(usable.targets.isEmpty() && usable.endpoints.isEmpty()))
        std::abort();
    for (const CLUpdateTarget &target : usable.targets)
        if (!targetRefusal(target, trusted).isEmpty())
            std::abort();
    for (const QString &note : usable.notes)
        if (!isLoggable(escapedForLog(note)))
            std::abort();
    return usable;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CLUpdateAnswer parsed = parseUpdateAnswer(bytes, {TrustedKey});
    if (!parsed.valid && !parsed.targets.isEmpty())
        std::abort();
    if (parsed.trusted && !parsed.hasSignature)
        std::abort();
    for (const QString &line : QString::fromLatin1(bytes).split(QLatin1Char('\n')))
        if (!isLoggable(escapedForLog(line)))
            std::abort();
    (void)checkedUsable(parsed, parsed.trusted);
    // As if signed by a trusted key: the contents are no less hostile then.
    const CLUpdateAnswer answer = checkedUsable(parsed, true);

    CLUpdateNameRules rules;
    rules.engineFile = QStringLiteral("translators.tdf");
    rules.reserved = {QStringLiteral("sites.xml"), QStringLiteral("profile_error.log"),
                      QStringLiteral("access.his")};
    QList<CLCatalogueLine> lines;
    QList<CLUpdateTarget> targets = answer.targets;
    QList<CLUpdateTarget *> pointers;
    for (CLUpdateTarget &target : targets) {
        pointers.append(&target);
        for (const QString &url : std::as_const(target.urls)) {
            if (!isUpdateUrl(url))
                std::abort();
            const QString name = updateFileName(url, target, rules);
            if (!name.isEmpty() && (!isPlainFileName(name) || rules.reserved.contains(name)))
                std::abort();
            if (!name.isEmpty()) {
                rules.used.insert(name.toLower());
                target.writtenFile = name;
            }
        }
        (void)checksumMatches(bytes, target.checksum);
        (void)checkDownloadedFile(bytes, target, QStringLiteral("x.xml"));
        lines.append({target.id, target.version, urlFileName(target.urls.constFirst())});
    }
    (void)planUpdates(pointers, nullptr, QStringLiteral("1.0"));

    // The catalogue after the downloads: an unsigned answer may add and
    // update entries but never drop one; a signed one lists only files that
    // are there, under names the reader chose.
    const QList<const CLUpdateTarget *> written(pointers.cbegin(), pointers.cend());
    const QList<CLCatalogueLine> current = {
        {QStringLiteral("(s)GI.a"), QStringLiteral("1.0"), QStringLiteral("a.xml")},
        {QStringLiteral("(s)GI.b"), QStringLiteral("1.0"), QStringLiteral("b.xml")}};
    const QList<CLCatalogueLine> added = catalogueLinesAdded(current, written);
    for (const CLCatalogueLine &line : current) {
        if (std::none_of(added.cbegin(), added.cend(),
                         [&line](const CLCatalogueLine &kept) { return kept.id == line.id; }))
            fuzzkit::finding("an update dropped a catalogue entry", line.id);
    }
    for (const CLUpdateTarget *target : written) {
        if (!target->writtenFile.isEmpty())
            fuzzkit::putFile(target->writtenFile, QByteArrayLiteral("x"));
    }
    for (const CLCatalogueLine &line : catalogueLinesAfterUpdate(written, fuzzkit::scratchDir())) {
        if (!isPlainFileName(line.file) || line.file.contains(QLatin1Char('/')))
            fuzzkit::finding("the catalogue names a file outside the profile folder", line.file);
    }
    for (const CLUpdateTarget *target : written) {
        if (!target->writtenFile.isEmpty())
            fuzzkit::putFile(target->writtenFile, QByteArray());
    }

    QDomDocument document;
    if (!document.setContent(siteCatalogueText(lines)))
        std::abort();
    QDomElement site = document.documentElement().firstChildElement(QStringLiteral("site"));
    for (const CLCatalogueLine &line : std::as_const(lines)) {
        if (site.attribute(QStringLiteral("id")) != line.id ||
            site.attribute(QStringLiteral("version")) != line.version ||
            site.attribute(QStringLiteral("file")) != line.file)
            std::abort();
        site = site.nextSiblingElement(QStringLiteral("site"));
    }
    return 0;
}
