// The filter file and the keyword-set files it names are read at every
// start: loading them must survive every input, and a loaded keyword of a
// set that filters headlines must hide a headline made of it.
// Input: filters.xml, then the files "k1.xml", "k2.xml" and "k3.ks" (stored
// compressed), separated by NUL bytes; a missing part is a missing file.
#include "clfiltersettings.h"
#include "clprocessor.h"
#include "fuzzkit.h"
#include "htmltext.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayList parts =
        fuzzkit::parts(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), 4);
    fuzzkit::putFile(QStringLiteral("filters.xml"), parts.at(0));
    fuzzkit::putFile(QStringLiteral("k1.xml"), parts.value(1));
    fuzzkit::putFile(QStringLiteral("k2.xml"), parts.value(2));
    fuzzkit::putFile(QStringLiteral("k3.ks"),
                     parts.size() > 3 ? packXml(parts.at(3)) : QByteArray());

    CLProcessor processor;
    processor.filterDir = fuzzkit::scratchDir();
    processor.filterFile = QStringLiteral("filters.xml");
    if (!processor.loadFilterFiles())
        return 0;
    const CLFilterSettings *settings = processor.filterSettings;
    if (!settings)
        fuzzkit::finding("filters loaded without settings");
    if (!passesKeywords(settings, QString()))
        fuzzkit::finding("an empty headline is hidden");
    for (const CLKeywordSet *set : settings->keywordSets) {
        if (!set->keywords || !set->filterSubject)
            continue;
        for (const QString &keyword : std::as_const(*set->keywords)) {
            if (keyword.trimmed().isEmpty())
                fuzzkit::finding("a blank keyword would hide every headline");
            if (passesKeywords(settings, QStringLiteral("x ") + keyword + QStringLiteral(" y")))
                fuzzkit::finding("a headline with a keyword passes", keyword);
        }
    }
    return 0;
}
