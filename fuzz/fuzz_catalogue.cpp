// The site catalogue is rewritten from update answers and names the profile
// files to read: loading it, and the profiles it names, must survive every
// input and leave entries that point only at sites of their own id.
// Input: sites.xml, then the files "a.xml", "b.xml" and "c.prf" (stored
// compressed), separated by NUL bytes; a missing part is a missing file.
#include "clprocessor.h"
#include "clsitemodel.h"
#include "fuzzkit.h"
#include "htmltext.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool filled = (fillEntityTable(), true);
    (void)filled;
    const QByteArrayList parts =
        fuzzkit::parts(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), 4);
    fuzzkit::putFile(QStringLiteral("sites.xml"), parts.at(0));
    fuzzkit::putFile(QStringLiteral("a.xml"), parts.value(1));
    fuzzkit::putFile(QStringLiteral("b.xml"), parts.value(2));
    fuzzkit::putFile(QStringLiteral("c.prf"),
                     parts.size() > 3 ? packXml(parts.at(3)) : QByteArray());

    CLProcessor processor;
    processor.profileDir = fuzzkit::scratchDir();
    processor.catalogueFile = QStringLiteral("sites.xml");
    if (!processor.loadSiteCatalogue())
        return 0;
    for (const CLSiteIndexItem *entry : std::as_const(processor.siteIndex)) {
        if (entry->site && entry->site->id != entry->id)
            fuzzkit::finding("an entry holds the site of another id", entry->id);
        if (!entry->site && !processor.profileErrors.contains(entry->file))
            fuzzkit::finding("an entry failed without a reason", entry->file);
    }
    for (const QString &category : std::as_const(processor.categories))
        (void)processor.sitesOfCategory(category, QStringLiteral("zh_TW"));
    // A reload reads the same files to the same entries.
    const qsizetype loaded = processor.siteIndex.size() - processor.failedEntries().size();
    if (!processor.loadSiteCatalogue() ||
        processor.siteIndex.size() - processor.failedEntries().size() != loaded)
        fuzzkit::finding("a reload of the same files differs");
    return 0;
}
