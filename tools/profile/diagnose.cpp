#include "diagnose.h"

#include "clcuttingsteps.h"
#include "clfilter.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "clstep.h"

#include <QRegularExpression>

#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int ListedPages = 12;

QString quoted(const QString &pattern)
{
    return u'"' + pattern + u'"';
}

QString patternList(const CLFilter &filter)
{
    QStringList parts;
    for (const QString &pattern : filter.include)
        parts.append(u"include "_s + quoted(pattern));
    for (const QString &pattern : filter.exclude)
        parts.append(u"exclude "_s + quoted(pattern));
    return parts.isEmpty() ? u"no patterns (accepts everything)"_s : parts.join(u", "_s);
}

bool bytesHave(const QString &pattern, const QByteArray &bytes)
{
    CLFilter one(Qt::CaseSensitive);
    one.addInclude(pattern);
    return matchBytes(one, bytes);
}

QString pointText(const CLPoint &point)
{
    const char *from = point.from == PointFromBegin ? "begin"
                       : point.from == PointFromEnd ? "end"
                                                    : "previous";
    return u"%1 (%2 from %3, occurrence %4)"_s.arg(
        quoted(point.pattern), point.direction == PointForward ? u"forward"_s : u"backward"_s,
        QLatin1String(from)).arg(point.occurrence);
}

} // namespace

QString pageTypeName(int pageType)
{
    switch (pageType) {
    case PageIndex:
        return u"news.index"_s;
    case PageArticle:
        return u"news.article"_s;
    case PageTranslatorEntry:
        return u"translator.entry"_s;
    case PageAny:
        return u"any"_s;
    }
    return u"type %1"_s.arg(pageType);
}

QString whyNoTree(const CLProcessor &processor, const QString &url, const QByteArray &bytes,
                  int pageType, const QString &siteId)
{
    if (bytes.isEmpty())
        return u"the page is empty"_s;
    const CLPage *page = processor.findPage(url, pageType, siteId);
    if (!page) {
        QString why = u"no page definition accepts the URL "_s + url;
        if (pageType != PageAny)
            why += u" for page type %1 (%2)"_s.arg(pageType).arg(pageTypeName(pageType));
        QStringList tried;
        for (const CLPage *candidate : processor.allPages) {
            if (pageType != PageAny && candidate->type != pageType)
                continue;
            tried.append(u"  site %1, page %2 (%3): %4"_s.arg(
                candidate->site ? candidate->site->id : QString(), candidate->id,
                pageTypeName(candidate->type), patternList(candidate->urlFilter)));
        }
        std::sort(tried.begin(), tried.end());
        if (tried.isEmpty()) {
            why += u"; the catalogue has no page definition of that type"_s;
            if (processor.siteIndex.isEmpty())
                why += u" (it lists no site: each profile needs a <site id=\"...\" file=\"...\"/> "
                       "line in sites.xml)"_s;
        } else {
            why += u"; URL patterns tried:\n"_s +
                   tried.mid(0, ListedPages).join(u'\n') +
                   (tried.size() > ListedPages
                        ? u"\n  ... and %1 more"_s.arg(tried.size() - ListedPages)
                        : QString());
        }
        return why;
    }
    const QString where =
        u"page %1 of site %2"_s.arg(page->id, page->site ? page->site->id : QString());
    if (!processor.findTrack(page, bytes)) {
        QString why = u"no track accepts the content (%1); content patterns:"_s.arg(where);
        for (const CLTrack *track : page->tracks) {
            why += u"\n  track %1:"_s.arg(quoted(track->name));
            if (track->contentFilter.isEmpty())
                why += u" no patterns"_s;
            for (const QString &pattern : track->contentFilter.include)
                why += u" include %1 %2;"_s.arg(quoted(pattern), bytesHave(pattern, bytes)
                                                                     ? u"found"_s
                                                                     : u"NOT found"_s);
            for (const QString &pattern : track->contentFilter.exclude)
                why += u" exclude %1 %2;"_s.arg(quoted(pattern), bytesHave(pattern, bytes)
                                                                     ? u"FOUND (excludes the page)"_s
                                                                     : u"not found"_s);
        }
        if (page->tracks.isEmpty())
            why += u" the page has no track"_s;
        return why;
    }
    return u"the page type makes no tree (%1 has type %2, %3)"_s.arg(where)
        .arg(page->type)
        .arg(pageTypeName(page->type));
}

QString whyPairMissed(const CLStepPairPointer *step, const QByteArray &bytes)
{
    if (!step->pointA)
        return u"the step has no point A"_s;
    const QString codeset = step->codeset();
    const int a = findPoint(bytes, *step->pointA, 0, codeset);
    if (a < 0) {
        QString why = u"point A %1 was not found in %2 bytes"_s.arg(pointText(*step->pointA))
                          .arg(bytes.size());
        if (step->pointB) {
            const int b = findPoint(bytes, *step->pointB, 0, codeset);
            why += b < 0 ? u"; point B %1 is not there either"_s.arg(pointText(*step->pointB))
                         : u"; point B %1 would stand at byte %2"_s.arg(pointText(*step->pointB))
                               .arg(b);
        }
        return why;
    }
    if (step->pointB) {
        const int b = findPoint(bytes, *step->pointB, a, codeset);
        if (b < 0)
            return u"point B %1 was not found after point A, which stands at byte %2 of %3"_s
                .arg(pointText(*step->pointB))
                .arg(a)
                .arg(bytes.size());
        if (a == b)
            return u"points A and B both stand at byte %1: the piece is empty"_s.arg(a);
    }
    return u"point A stands at byte %1; the piece between the points is empty"_s.arg(a);
}

QStringList codesetWarnings(const QString &codeset, const QByteArray &bytes)
{
    QStringList warnings;
    static const QRegularExpression declared(
        u"<meta[^>]+charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]+)"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QString head = QString::fromLatin1(bytes.left(4096));
    const QRegularExpressionMatch match = declared.match(head);
    const QString effective = codeset.isEmpty() ? u"UTF-8"_s : codeset;
    if (match.hasMatch()) {
        const QString page = match.captured(1);
        // gb2312 pages are written in its superset GBK in practice.
        const auto family = [](QString name) {
            name = name.toLower().remove(u'-').remove(u'_');
            if (name == u"gb2312"_s || name == u"gbk"_s || name == u"gb18030"_s)
                return u"gbk"_s;
            if (name == u"iso88591"_s || name == u"latin1"_s)
                return u"windows1252"_s;
            return name;
        };
        if (family(page) != family(effective))
            warnings.append(u"the profile's codeset %1 differs from the charset %2 the page "
                            "declares; the codeset wins"_s.arg(effective, page));
    }
    const QString text = decodeWith(codeset, bytes);
    const qsizetype replaced = text.count(QChar::ReplacementCharacter);
    if (replaced > 16 && replaced * 200 > text.size())
        warnings.append(u"%1 of %2 characters did not decode with codeset %3 (shown as U+FFFD); "
                        "the page is probably in another encoding"_s.arg(replaced)
                            .arg(text.size())
                            .arg(effective));
    return warnings;
}

namespace {

const CLTopic *findTopic(const QList<CLTopic *> &topics, const QString &name)
{
    for (const CLTopic *topic : topics) {
        if (topic->id == name || topicPath(topic) == name)
            return topic;
        if (const CLTopic *inner = findTopic(topic->subTopics, name))
            return inner;
    }
    return nullptr;
}

} // namespace

bool stepOutput(const CLTrack *track, const QByteArray &bytes, const QString &topicName, int step,
                QString &output)
{
    const CLTopic *topic = track ? findTopic(track->topics, topicName) : nullptr;
    if (!topic) {
        output = u"no topic %1 in the track that reads the page"_s.arg(topicName);
        return false;
    }
    if (step < 1 || step > topic->steps.size()) {
        output = u"topic %1 has %2 steps"_s.arg(topicName).arg(topic->steps.size());
        return false;
    }
    std::unique_ptr<CLData> current(new CLData(QByteArray(bytes.constData(), bytes.size())));
    for (int i = 0; i < step; ++i) {
        const CLStep *next = topic->steps.at(i);
        if (!next->accepts(current->type)) {
            output = u"step %1 does not take what step %2 gave"_s.arg(i + 1).arg(i);
            return false;
        }
        CLData *result = next->process(current.get());
        if (!result) {
            output = u"step %1 found nothing"_s.arg(i + 1);
            return false;
        }
        if (result != current.get())
            current.reset(result);
    }
    switch (current->type) {
    case DataText:
        output = current->text;
        break;
    case DataBytes:
        output = decodeWith(topic->steps.constFirst()->codeset(), current->bytes);
        break;
    case DataURL:
        output = current->asURL()->url;
        break;
    case DataURLList: {
        QStringList lines;
        for (const CLURLData *record : current->urls)
            lines.append(record->url + u'\t' + record->title);
        output = lines.join(u'\n');
        break;
    }
    }
    return true;
}
