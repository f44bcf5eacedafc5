#include "report.h"

#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprocessor.h"
#include "clsitemodel.h"

#include <QJsonArray>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int ExcerptLength = 200;
constexpr int ListedURLs = 5;

QJsonValue nullableString(const QString &text)
{
    return text.isNull() ? QJsonValue() : QJsonValue(text);
}

QJsonObject urlToJson(const CLURLData *record)
{
    return QJsonObject{{u"type"_s, u"url"_s},
                       {u"url"_s, record->url},
                       {u"title"_s, nullableString(record->title)},
                       {u"urlKind"_s, record->urlKind}};
}

QJsonValue valueToJson(const CLData *value)
{
    if (!value)
        return QJsonValue();
    switch (value->type) {
    case DataText:
        return QJsonObject{{u"type"_s, u"text"_s}, {u"text"_s, value->text}};
    case DataURL:
        return urlToJson(value->asURL());
    case DataBytes:
        return QJsonObject{{u"type"_s, u"bytes"_s}, {u"size"_s, value->bytes.size()}};
    case DataURLList: {
        QJsonArray urls;
        for (const CLURLData *record : value->urls)
            urls.append(urlToJson(record));
        return QJsonObject{{u"type"_s, u"urls"_s}, {u"urls"_s, urls}};
    }
    }
    return QJsonValue();
}

QString typeName(int type)
{
    switch (type) {
    case DataText:
        return u"text"_s;
    case DataBytes:
        return u"bytes"_s;
    case DataURL:
        return u"url"_s;
    case DataURLList:
        return u"url list"_s;
    }
    return u"type %1"_s.arg(type);
}

// One line per step, so the excerpt keeps its line breaks visible but escaped.
QString excerpt(const QString &text)
{
    QString shown = text.left(ExcerptLength);
    shown.replace(u'\\', u"\\\\"_s);
    shown.replace(u'\n', u"\\n"_s);
    shown.replace(u'\r', u"\\r"_s);
    shown.replace(u'\t', u"\\t"_s);
    return u'"' + shown + u'"' + (text.size() > ExcerptLength ? u"..."_s : QString());
}

QString describe(const CLData *value, const QString &codeset)
{
    switch (value->type) {
    case DataText:
        return u"text, %1 characters: %2"_s.arg(value->text.size()).arg(excerpt(value->text));
    case DataBytes:
        // A generous prefix is enough for the excerpt, whatever the codec's width.
        return u"bytes, %1 bytes: %2"_s.arg(value->bytes.size())
            .arg(excerpt(decodeWith(codeset, value->bytes.left(ExcerptLength * 4))));
    case DataURL: {
        const CLURLData *record = value->asURL();
        return u"url %1, title %2, kind %3"_s.arg(record->url, excerpt(record->title))
            .arg(record->urlKind);
    }
    case DataURLList: {
        QStringList urls;
        for (const CLURLData *record : value->urls.mid(0, ListedURLs))
            urls.append(record->url);
        QString line = u"url list, %1 records"_s.arg(value->urls.size());
        if (!urls.isEmpty())
            line += u": "_s + urls.join(u", "_s);
        if (value->urls.size() > ListedURLs)
            line += u", ..."_s;
        return line;
    }
    }
    return typeName(value->type);
}

QString stepKind(const CLStep *step)
{
    if (dynamic_cast<const CLStepPairPointer *>(step))
        return u"step_pair_point"_s;
    if (dynamic_cast<const CLStepSectionCutter *>(step))
        return u"step_section_cutter"_s;
    if (dynamic_cast<const CLStepTextExtractor *>(step))
        return u"step_text_extract"_s;
    if (dynamic_cast<const CLStepURLExtractor *>(step))
        return u"step_url_extract"_s;
    if (dynamic_cast<const CLStepAttributeExtractor *>(step))
        return u"step_attribute_extract"_s;
    if (dynamic_cast<const CLStepTextToURL *>(step))
        return u"step_text_to_url"_s;
    if (dynamic_cast<const CLStepTextFormater *>(step))
        return u"step_text_format"_s;
    return u"step"_s;
}

bool usesDefaultText(const CLTopic *topic)
{
    return !topic->defaultText.isEmpty() &&
           (topic->kind == ArticleSource || topic->kind == ArticleDatetime ||
            topic->kind == ArticleText);
}

// Mirrors the engine's chain loop step by step so every intermediate value
// can be shown; the engine's own loop stays untouched.
void traceChain(const CLTopic *topic, const QByteArray &bytes, QStringList &lines)
{
    const CLSite *site = siteOf(topic);
    const QString codeset = site ? site->codeset : QString();
    const qsizetype count = topic->steps.size();
    std::unique_ptr<CLData> current(new CLData(QByteArray(bytes.constData(), bytes.size())));
    bool ran = false;
    for (qsizetype i = 0; i < count; ++i) {
        const CLStep *step = topic->steps.at(i);
        const QString label = u"  step %1/%2 %3"_s.arg(i + 1).arg(count).arg(stepKind(step));
        if (!step->accepts(current->type)) {
            lines.append(
                label + u": does not take %1; the chain stops here"_s.arg(typeName(current->type)));
            break;
        }
        CLData *next = step->process(current.get());
        ran = true;
        if (next == current.get()) {
            lines.append(label + u": unchanged "_s + describe(next, codeset));
            continue;
        }
        current.reset(next);
        if (!current) {
            lines.append(label + u": null; the chain stops here"_s);
            break;
        }
        lines.append(label + u": "_s + describe(current.get(), codeset));
    }

    if (!ran || !current) {
        if (count == 0)
            lines.append(u"  no steps"_s);
        lines.append(usesDefaultText(topic) ? u"  result: null, the default text %1 is used"_s.arg(
                                                  excerpt(topic->defaultText))
                                            : u"  result: null, no node"_s);
    } else if (current->type == DataURLList) {
        lines.append(u"  result: %1 nodes"_s.arg(current->urls.size()));
    } else {
        lines.append(u"  result: one node of "_s + typeName(current->type));
    }
}

void traceTopics(const CLProcessor &processor, const QList<CLTopic *> &topics,
                 const QByteArray &bytes, QStringList &lines)
{
    for (const CLTopic *topic : topics) {
        QString header = u"topic "_s + topicPath(topic) + u" ("_s;
        if (topic->groupKind)
            header += kindName(topic->groupKind) + u" of "_s;
        header += topic->kind ? kindName(topic->kind) : u"no kind"_s;
        header += u')';
        if (!processor.isTopicEnabled(topic)) {
            lines.append(header + u": disabled, skipped with its sub-topics"_s);
            continue;
        }
        lines.append(header);
        traceChain(topic, bytes, lines);
        traceTopics(processor, topic->subTopics, bytes, lines);
    }
}

} // namespace

QString kindName(int kind)
{
    switch (kind) {
    case KindNone:
        return u"None"_s;
    case IndexPage:
        return u"IndexPage"_s;
    case IndexGroup1:
        return u"IndexGroup1"_s;
    case IndexGroup2:
        return u"IndexGroup2"_s;
    case IndexGroup3:
        return u"IndexGroup3"_s;
    case IndexEntry1:
        return u"IndexEntry1"_s;
    case IndexEntry2:
        return u"IndexEntry2"_s;
    case IndexEntry3:
        return u"IndexEntry3"_s;
    case ArticlePage:
        return u"ArticlePage"_s;
    case ArticleTitle:
        return u"ArticleTitle"_s;
    case ArticleSource:
        return u"ArticleSource"_s;
    case ArticleDatetime:
        return u"ArticleDatetime"_s;
    case ArticleText:
        return u"ArticleText"_s;
    case ArticleImage:
        return u"ArticleImage"_s;
    case ArticleFlash:
        return u"ArticleFlash"_s;
    case ArticlePreviousPage:
        return u"ArticlePreviousPage"_s;
    case ArticleNextPage:
        return u"ArticleNextPage"_s;
    case TranslatorEntry:
        return u"TranslatorEntry"_s;
    case TranslateText:
        return u"TranslateText"_s;
    }
    return QString();
}

QJsonObject elementToJson(const CLElement *element)
{
    QJsonArray children;
    for (const CLElement *child : element->children)
        children.append(elementToJson(child));
    return QJsonObject{{u"kind"_s, element->kind},
                       {u"kindName"_s, kindName(element->kind)},
                       {u"language"_s, element->language},
                       {u"value"_s, valueToJson(element->value)},
                       {u"children"_s, children}};
}

QStringList traceTrack(const CLProcessor &processor, const CLTrack *track, const QByteArray &bytes)
{
    QStringList lines;
    const CLPage *page = track->page;
    const QString siteId = page && page->site ? page->site->id : QString();
    lines.append(u"page %1 of site %2, track %3"_s.arg(page ? page->id : QString(), siteId,
                                                       excerpt(track->name)));
    traceTopics(processor, track->topics, bytes, lines);
    return lines;
}
