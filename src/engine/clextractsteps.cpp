#include "clextractsteps.h"

#include "clsitemodel.h"
#include "htmlscanner.h"
#include "htmltext.h"

#include <QRegularExpression>
#include <QSet>

namespace {

const QString LineUnit = QStringLiteral("\n\r");

// Keeps the record's URL within Latin-1 like the constructor does.
void setURL(CLURLData *record, const QString &url)
{
    record->url = QString::fromLatin1(url.toLatin1());
}

QString withPrefixAndTail(QString url, const QString &prefix, const QString &cutTail)
{
    if (!prefix.isEmpty() && !url.startsWith(QLatin1String("http://"), Qt::CaseInsensitive))
        url.prepend(prefix);
    if (!cutTail.isEmpty()) {
        const qsizetype tail = url.indexOf(cutTail);
        if (tail >= 0)
            url.truncate(tail);
    }
    return url;
}

void collectImages(HtmlScanner &scanner, const CLFilter &urlFilter, CLURLData *enclosingLink,
                   QList<CLURLData *> &images)
{
    int from = 0;
    for (;;) {
        QString src;
        QString alt;
        const int next = scanner.findImage(from, src, alt);
        if (next < 1)
            break;
        if (!src.isEmpty() && matchText(urlFilter, src)) {
            auto *image = new CLURLData(src, alt, URLImage);
            image->enclosingLink = enclosingLink;
            images.append(image);
        }
        // A position that does not move on would loop forever.
        if (next <= from)
            break;
        from = next;
    }
}

} // namespace

CLStepTextExtractor::CLStepTextExtractor() : CLStep({DataBytes, DataText}, DataText) {}

CLData *CLStepTextExtractor::process(CLData *input) const
{
    QString text;
    if (!textOf(input, text))
        return nullptr;
    if (text.isEmpty())
        return nullptr;
    const QString plain = htmlToText(text, true, filterSpace);
    if (plain.isEmpty())
        return nullptr;
    return new CLData(plain);
}

CLStepURLExtractor::CLStepURLExtractor() : CLStep({DataBytes}, DataURLList) {}

CLData *CLStepURLExtractor::process(CLData *input) const
{
    if (!input || input->type != DataBytes || outputType != DataURLList)
        return nullptr;
    const QString text = decodeWith(codeset(), input->bytes);
    if (text.isEmpty())
        return nullptr;

    QList<CLURLData *> list;
    QSet<QString> imagesInLinks;
    HtmlScanner scanner(text);
    if (urlType == Link || urlType == Any) {
        int from = 0;
        for (;;) {
            QString href;
            QString inner;
            const int next = scanner.findLink(from, href, inner);
            if (next < 1)
                break;
            if (matchText(urlFilter, href) && matchText(contentFilter, inner)) {
                while (inner.contains(QLatin1String("  ")))
                    inner.replace(QLatin1String("  "), QLatin1String(" "));
                auto *link =
                    new CLURLData(withPrefixAndTail(href, prefix, cutTail), inner, URLHtml);
                list.append(link);
                QList<CLURLData *> images;
                HtmlScanner innerScanner(inner);
                collectImages(innerScanner, urlFilter, link, images);
                for (const CLURLData *image : std::as_const(images))
                    imagesInLinks.insert(image->url);
                list.append(images);
            }
            if (next <= from)
                break;
            from = next;
        }
    }
    if (urlType == NonLink || urlType == Any) {
        QList<CLURLData *> images;
        collectImages(scanner, urlFilter, nullptr, images);
        for (CLURLData *image : std::as_const(images)) {
            if (imagesInLinks.contains(image->url)) {
                delete image;
                continue;
            }
            setURL(image, withPrefixAndTail(image->url, prefix, cutTail));
            list.append(image);
        }
    }
    if (list.isEmpty())
        return nullptr;

    mergeDuplicates(list, topic ? topic->mergeDup : 0);
    // Every entry may have gone to the duplicate rule; that is a miss as well.
    if (list.isEmpty())
        return nullptr;
    return new CLData(list);
}

void mergeDuplicates(QList<CLURLData *> &list, int mergeDup)
{
    const qsizetype count = list.size();
    QList<bool> dropped(count, false);
    // The entries of each URL, in list order.
    QHash<QString, QList<qsizetype>> byURL;
    if (mergeDup >= 0) {
        for (qsizetype i = 0; i < count; ++i)
            byURL[list.at(i)->url].append(i);
    }
    for (qsizetype i = 0; i < count; ++i) {
        CLURLData *link = list.at(i);
        if (dropped.at(i) || link->urlKind != URLHtml)
            continue;
        if (link->title.trimmed().isEmpty()) {
            dropped[i] = true;
            continue;
        }
        if (mergeDup < 0)
            continue;
        // The first link visited for a URL drops every later titled entry of
        // it but the one it may keep instead of itself; a later visit of the
        // same URL is that kept entry or finds nothing left to drop, so each
        // URL's entries are walked only once.
        const auto group = byURL.find(link->url);
        if (group == byURL.end())
            continue;
        const QList<qsizetype> entries = group.value();
        byURL.erase(group);
        int occurrence = 1;
        for (const qsizetype j : entries) {
            if (j <= i)
                continue;
            const CLURLData *other = list.at(j);
            // Entries already dropped are left out, so a later visit of the same URL
            // cannot drop the occurrence an earlier visit kept.
            if (dropped.at(j) || other->title.isEmpty())
                continue;
            if (mergeDup == 0)
                link->title += QLatin1Char(' ') + other->title;
            if (mergeDup >= 2 && ++occurrence == mergeDup)
                dropped[i] = true; // the N-th occurrence stays instead of this link
            else
                dropped[j] = true;
        }
    }

    QList<CLURLData *> kept;
    kept.reserve(count);
    QSet<const CLURLData *> gone;
    for (qsizetype i = 0; i < count; ++i) {
        if (dropped.at(i))
            gone.insert(list.at(i));
        else
            kept.append(list.at(i));
    }
    // An image may outlive the link it was found in; it must not point at a deleted record.
    for (CLURLData *entry : std::as_const(kept)) {
        if (gone.contains(entry->enclosingLink))
            entry->enclosingLink = nullptr;
    }
    for (const CLURLData *entry : std::as_const(gone))
        delete entry;
    list = kept;
}

CLStepAttributeExtractor::CLStepAttributeExtractor() : CLStep({DataBytes}, DataText) {}

CLData *CLStepAttributeExtractor::process(CLData *input) const
{
    if (!input || input->type != DataBytes || outputType != DataText)
        return nullptr;
    // Read as a C string: a zero byte ends the text whatever follows it.
    const qsizetype zero = input->bytes.indexOf('\0');
    // Decoded as the text steps decode: the site's codeset, then character references.
    const QString text =
        decodeWith(codeset(), zero < 0 ? input->bytes : input->bytes.left(zero));
    const QString value =
        decodeEntities(findAttributeValue(text, attributeName, 0, Qt::CaseInsensitive));
    if (value.isEmpty())
        return nullptr;
    return new CLData(value);
}

CLStepTextToURL::CLStepTextToURL() : CLStep({DataText}, DataURL) {}

CLData *CLStepTextToURL::process(CLData *input) const
{
    if (!input || input->type != DataText || outputType != DataURL || input->text.isEmpty())
        return nullptr;
    return new CLURLData(input->text, QString(), urlKind);
}

CLStepTextFormater::CLStepTextFormater() : CLStep({DataText}, DataText) {}

CLData *CLStepTextFormater::process(CLData *input) const
{
    if (!input || input->type != DataText || outputType != DataText)
        return nullptr;
    static const QRegularExpression breakRun(QStringLiteral("[\\n\\t\\r]{2,}"));
    QString source = input->text;
    source.replace(breakRun, QStringLiteral("\n"));
    const QStringList parts = source.split(QLatin1Char('\n'), Qt::KeepEmptyParts);

    const QString spacesBegin(qMax(0, paragraphSpaceBegin), QLatin1Char(' '));
    const QString spacesEnd(qMax(0, paragraphSpaceEnd), QLatin1Char(' '));
    const QString paragraphBreak = LineUnit.repeated(qMax(0, paragraphLine));
    QString result;
    bool kept = false;
    for (const QString &part : parts) {
        if (part.isEmpty())
            continue;
        const QString simple = part.simplified();
        if (simple.isEmpty())
            continue;
        if (kept)
            result += paragraphBreak;
        result += spacesBegin + simple + spacesEnd;
        kept = true;
    }
    if (!kept)
        return nullptr;
    result.prepend(LineUnit.repeated(qMax(0, insertLine)));
    result += LineUnit.repeated(qMax(0, appendLine));
    return new CLData(result);
}
