// Every number a profile holds is read as any 32-bit integer: the profile
// is written from the input's integers, read as the catalogue loader reads
// it, and a profile the reader accepts must process any page within the
// fuzzer's memory and time limits.
// Input: 11 little-endian 32-bit integers (page offset, merge_dup, offset and
// occurrence of both points, the five text-format counts), a byte of keyword
// choices (from, direction, include_pattern of each point), then the page.
#include "clelement.h"
#include "clprocessor.h"
#include "clprofilereader.h"
#include "clsitemodel.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

constexpr int NumberCount = 11;

QString point(const char *tag, uint8_t choice, qint32 offset, qint32 occurrence)
{
    static const char *const froms[] = {"begin", "end", "previous", "begin"};
    return QStringLiteral("<%1 from=\"%2\" offset=\"%3\" direction=\"%4\" occurrance=\"%5\" "
                          "include_pattern=\"%6\">%7</%1>")
        .arg(QLatin1String(tag), QLatin1String(froms[choice & 3]))
        .arg(offset)
        .arg(QLatin1String(choice & 4 ? "backward" : "forward"))
        .arg(occurrence)
        .arg(QLatin1String(choice & 8 ? "yes" : "no"),
             QLatin1String(tag[6] == 'a' ? "&lt;p" : "&lt;/p&gt;"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool filled = (fillEntityTable(), true);
    (void)filled;
    if (size < NumberCount * 4 + 1)
        return 0;
    qint32 n[NumberCount];
    std::memcpy(n, data, sizeof n);
    const uint8_t choice = data[NumberCount * 4];
    const QByteArray page(reinterpret_cast<const char *>(data) + NumberCount * 4 + 1,
                          qsizetype(size) - NumberCount * 4 - 1);

    const QString profile =
        QStringLiteral("<site name=\"N\" id=\"(s)GI.n\" locale=\"en\" codeset=\"UTF-8\" "
                       "version=\"1\" entry=\"http://example.com/\">"
                       "<page name=\"P\" id=\"p\" type=\"news.article\" offset=\"%1\">"
                       "<filter_url_inc pattern=\"*\"/><track name=\"t\">"
                       "<topic name=\"T\" id=\"t\" type=\"article-text\" merge_dup=\"%2\">"
                       "<step_pair_point>%3%4</step_pair_point><step_text_extract/>"
                       "<step_text_format insert_line=\"%5\" append_line=\"%6\" "
                       "paragraph_line=\"%7\" paragraph_space_begin=\"%8\" "
                       "paragraph_space_end=\"%9\"/></topic></track></page></site>")
            .arg(n[0])
            .arg(n[1])
            .arg(point("point_a", choice, n[2], n[3]), point("point_b", choice >> 4, n[4], n[5]))
            .arg(n[6])
            .arg(n[7])
            .arg(n[8])
            .arg(n[9])
            .arg(n[10]);
    QDomDocument document;
    if (!parseXmlDocument(profile.toUtf8(), document))
        return 0;
    CLSite *site = readProfile(document);
    if (!site)
        return 0;
    CLProcessor processor;
    QDomDocument catalogue;
    if (!catalogue.setContent(QByteArrayLiteral(
            "<sites><site id=\"(s)GI.n\" version=\"1\" file=\"n.xml\"/></sites>")))
        return 0;
    processor.parseCatalogue(catalogue);
    if (!processor.registerSite(site)) {
        delete site;
        return 0;
    }
    const std::unique_ptr<CLElement> tree(processor.process(
        QStringLiteral("http://example.com/a.html"), page, PageArticle, QString()));
    return 0;
}
