// Profiles arrive through updates and from authors' hands: a malformed one
// must be rejected whole, and a valid one must run over any page bytes.
#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool filled = (fillEntityTable(), true);
    (void)filled;
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    // The first part is the profile, the rest (after a NUL) the page.
    const qsizetype split = input.indexOf('\0');
    const QByteArray profile = split < 0 ? input : input.left(split);
    const QByteArray page =
        split < 0 ? QByteArray("<html><body>x</body></html>") : input.mid(split + 1);

    // Read as the catalogue loader reads every profile file.
    QDomDocument document;
    if (!parseXmlDocument(profile, document))
        return 0;
    CLProfileError error;
    CLSite *site = readProfile(document, &error);
    if (!site)
        return 0;
    CLProcessor processor;
    QDomDocument catalogue;
    QDomElement sites = catalogue.createElement(QStringLiteral("sites"));
    QDomElement entry = catalogue.createElement(QStringLiteral("site"));
    entry.setAttribute(QStringLiteral("id"), site->id);
    entry.setAttribute(QStringLiteral("version"), QStringLiteral("1"));
    entry.setAttribute(QStringLiteral("file"), QStringLiteral("f"));
    sites.appendChild(entry);
    catalogue.appendChild(sites);
    processor.parseCatalogue(catalogue);
    if (!processor.registerSite(site)) {
        delete site;
        return 0;
    }
    for (const int type : {PageAny, PageIndex, PageArticle, PageTranslatorEntry}) {
        std::unique_ptr<CLElement> tree(processor.process(
            QStringLiteral("http://example.com/a/b.html"), page, type, QString()));
    }
    return 0;
}
