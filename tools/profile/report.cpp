#include "report.h"

#include "diagnose.h"

#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "clprocessor.h"
#include "clsitemodel.h"

#include <limits>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int ExcerptLength = 200;
// Whole values for --trace-full; set once before a trace.
int excerptLength = ExcerptLength;
constexpr int ListedURLs = 5;

// The tree's JSON is an interface scripts read: keys in a fixed order, value
// types by name, two-space indent. It is written by hand because the JSON
// classes sort keys alphabetically.
class TreeWriter
{
public:
    QByteArray take() { return std::move(m_out); }

    void element(const CLElement *element, int level)
    {
        open(level);
        key(level + 1, "kind");
        m_out += QByteArray::number(element->kind);
        next(level + 1, "kindName");
        string(kindName(element->kind));
        next(level + 1, "language");
        string(element->language);
        next(level + 1, "origin");
        if (element->origin)
            string(element->origin->id);
        else
            m_out += "null";
        next(level + 1, "value");
        value(element->value, level + 1);
        next(level + 1, "children");
        if (element->children.isEmpty()) {
            m_out += "[]";
        } else {
            m_out += "[\n";
            for (qsizetype i = 0; i < element->children.size(); ++i) {
                if (i > 0)
                    m_out += ",\n";
                this->element(element->children.at(i), level + 2);
            }
            m_out += '\n';
            indent(level + 1);
            m_out += ']';
        }
        close(level);
    }

private:
    void indent(int level) { m_out += QByteArray(2 * level, ' '); }
    void open(int level)
    {
        indent(level);
        m_out += "{\n";
    }
    void close(int level)
    {
        m_out += '\n';
        indent(level);
        m_out += '}';
    }
    void key(int level, const char *name)
    {
        indent(level);
        m_out += '"';
        m_out += name;
        m_out += "\": ";
    }
    void next(int level, const char *name)
    {
        m_out += ",\n";
        key(level, name);
    }
    void string(const QString &text)
    {
        m_out += '"';
        for (const QChar ch : text) {
            const char16_t c = ch.unicode();
            switch (c) {
            case u'"':
                m_out += "\\\"";
                break;
            case u'\\':
                m_out += "\\\\";
                break;
            case u'\n':
                m_out += "\\n";
                break;
            case u'\r':
                m_out += "\\r";
                break;
            case u'\t':
                m_out += "\\t";
                break;
            case u'\b':
                m_out += "\\b";
                break;
            case u'\f':
                m_out += "\\f";
                break;
            default:
                if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF)) {
                    // Control characters and UTF-16 halves (lone ones included)
                    // stay readable and valid JSON in any output encoding.
                    m_out += "\\u" + QByteArray::number(c, 16).rightJustified(4, '0');
                } else {
                    m_out += QString(ch).toUtf8();
                }
            }
        }
        m_out += '"';
    }
    // An object that starts where the writer stands and closes at `level`.
    void url(const CLURLData *record, int level)
    {
        m_out += "{\n";
        key(level + 1, "type");
        string(u"URL"_s);
        next(level + 1, "url");
        string(record->url);
        next(level + 1, "title");
        if (record->title.isNull())
            m_out += "null";
        else
            string(record->title);
        next(level + 1, "urlKind");
        m_out += QByteArray::number(record->urlKind);
        close(level);
    }
    // `level` is that of the key the value belongs to.
    void value(const CLData *value, int level)
    {
        if (!value) {
            m_out += "null";
            return;
        }
        if (value->type == DataURL) {
            url(value->asURL(), level);
            return;
        }
        m_out += "{\n";
        key(level + 1, "type");
        switch (value->type) {
        case DataText:
            string(u"Text"_s);
            next(level + 1, "text");
            string(value->text);
            break;
        case DataBytes:
            string(u"Bytes"_s);
            next(level + 1, "size");
            m_out += QByteArray::number(value->bytes.size());
            break;
        case DataURLList:
            string(u"URLList"_s);
            next(level + 1, "items");
            if (value->urls.isEmpty()) {
                m_out += "[]";
                break;
            }
            m_out += "[\n";
            for (qsizetype i = 0; i < value->urls.size(); ++i) {
                if (i > 0)
                    m_out += ",\n";
                indent(level + 2);
                url(value->urls.at(i), level + 2);
            }
            m_out += '\n';
            indent(level + 1);
            m_out += ']';
            break;
        default:
            string(u"type %1"_s.arg(value->type));
            break;
        }
        close(level);
    }

    QByteArray m_out;
};

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
    QString shown = text.left(excerptLength);
    shown.replace(u'\\', u"\\\\"_s);
    shown.replace(u'\n', u"\\n"_s);
    shown.replace(u'\r', u"\\r"_s);
    shown.replace(u'\t', u"\\t"_s);
    return u'"' + shown + u'"' + (text.size() > excerptLength ? u"..."_s : QString());
}

QString describe(const CLData *value, const QString &codeset)
{
    switch (value->type) {
    case DataText:
        return u"text, %1 characters: %2"_s.arg(value->text.size()).arg(excerpt(value->text));
    case DataBytes:
        // A generous prefix is enough for the excerpt, whatever the codec's width.
        return u"bytes, %1 bytes: %2"_s.arg(value->bytes.size())
            .arg(excerpt(decodeWith(codeset, excerptLength == ExcerptLength
                                                    ? value->bytes.left(ExcerptLength * 4)
                                                    : value->bytes)));
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
        if (!next) {
            QString why;
            if (const auto *pair = dynamic_cast<const CLStepPairPointer *>(step))
                why = u" ("_s + whyPairMissed(pair, current->bytes) + u')';
            current.reset();
            lines.append(label + u": null; the chain stops here"_s + why);
            break;
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

QByteArray elementToJson(const CLElement *element)
{
    TreeWriter writer;
    writer.element(element, 0);
    QByteArray json = writer.take();
    json += '\n';
    return json;
}

QStringList traceTrack(const CLProcessor &processor, const CLTrack *track, const QByteArray &bytes,
                       bool full)
{
    excerptLength = full ? std::numeric_limits<int>::max() / 2 : ExcerptLength;
    QStringList lines;
    const CLPage *page = track->page;
    const QString siteId = page && page->site ? page->site->id : QString();
    lines.append(u"page %1 of site %2, track %3"_s.arg(page ? page->id : QString(), siteId,
                                                       excerpt(track->name)));
    traceTopics(processor, track->topics, bytes, lines);
    return lines;
}
