// A version-check answer comes from the network: reading it, naming its
// downloads and writing the catalogue must survive every input, and the
// written catalogue must read back to exactly the values put in.
#include "clupdate.h"

#include <QDomDocument>
#include <QDomElement>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const CLUpdateAnswer answer = parseUpdateAnswer(bytes);
    if (!answer.valid && !answer.targets.isEmpty())
        std::abort();

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
            if (!name.isEmpty())
                rules.used.insert(name.toLower());
        }
        (void)checksumMatches(bytes, target.checksum);
        (void)checkDownloadedFile(bytes, target, QStringLiteral("x.xml"));
        lines.append({target.id, target.version, urlFileName(target.urls.constFirst())});
    }
    (void)planUpdates(pointers, nullptr, QStringLiteral("1.0"));

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
