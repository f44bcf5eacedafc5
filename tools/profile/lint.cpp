#include "lint.h"

#include "toolio.h"

#include "clprocessor.h"
#include "clprofilereader.h"

#include <QDomDocument>
#include <QDomElement>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

enum ValueKind { Free, Number, Words };

struct AttributeRule
{
    const char *name;
    ValueKind kind;
    const char *words; // space-separated, for Words
};

struct ElementRule
{
    const char *tag;
    const char *parents; // space-separated
    std::initializer_list<AttributeRule> attributes;
};

const char *const YesNo = "yes no";
const char *const Steps = "step_pair_point step_url_extract step_text_extract step_text_format "
                          "step_attribute_extract step_text_to_url step_section_cutter "
                          "step_json_string";
const char *const TopicTypes = "article-index article-title article-source article-datetime "
                               "article-text article-image-list article-flash "
                               "article-previous-page article-next-page translate-text";

const ElementRule Rules[] = {
    {"site", "", {{"name", Free, nullptr}, {"id", Free, nullptr}, {"layout", Free, nullptr},
                  {"locale", Free, nullptr}, {"codeset", Free, nullptr},
                  {"version", Free, nullptr}, {"entry", Free, nullptr},
                  {"country", Free, nullptr}}},
    {"i18n", "site page topic", {{"original", Free, nullptr}}},
    {"display", "i18n", {{"locale", Free, nullptr}}},
    {"page", "site", {{"name", Free, nullptr}, {"id", Free, nullptr},
                      {"type", Words, "news.index news.article translator.entry"},
                      {"offset", Number, nullptr}}},
    {"filter_url_inc", "page step_url_extract", {{"pattern", Free, nullptr}}},
    {"filter_url_exc", "page step_url_extract", {{"pattern", Free, nullptr}}},
    {"track", "page", {{"name", Free, nullptr}}},
    {"filter_content_inc", "track step_pair_point step_url_extract", {}},
    {"filter_content_exc", "track step_pair_point step_url_extract", {}},
    {"topic", "track topic", {{"name", Free, nullptr}, {"id", Free, nullptr},
                              {"type", Words, TopicTypes}, {"merge_dup", Number, nullptr}}},
    {"default_text", "topic", {}},
    {"step_pair_point", "topic", {}},
    {"point_a", "step_pair_point",
     {{"from", Words, "begin end previous"}, {"offset", Number, nullptr},
      {"direction", Words, "forward backward"}, {"occurrance", Number, nullptr},
      {"include_pattern", Words, YesNo}}},
    {"point_b", "step_pair_point",
     {{"from", Words, "begin end previous"}, {"offset", Number, nullptr},
      {"direction", Words, "forward backward"}, {"occurrance", Number, nullptr},
      {"include_pattern", Words, YesNo}}},
    {"step_section_cutter", "topic", {{"cut_all", Words, YesNo}, {"cut_pattern", Words, YesNo}}},
    {"start_pattern", "step_section_cutter", {}},
    {"end_pattern", "step_section_cutter", {}},
    {"step_text_extract", "topic", {{"filter_space", Words, YesNo}}},
    {"step_text_format", "topic",
     {{"insert_line", Number, nullptr}, {"append_line", Number, nullptr},
      {"paragraph_line", Number, nullptr}, {"paragraph_space_begin", Number, nullptr},
      {"paragraph_space_end", Number, nullptr}}},
    {"step_url_extract", "topic", {{"url_type", Words, "link non_link any"},
                                   {"prefix", Free, nullptr}, {"cuttail", Free, nullptr}}},
    {"step_attribute_extract", "topic", {{"attribute_name", Free, nullptr}}},
    {"step_text_to_url", "topic", {{"type", Words, "html image flash binary"}}},
    {"step_json_string", "topic", {}},
};

const ElementRule *ruleFor(const QString &tag)
{
    for (const ElementRule &rule : Rules) {
        if (tag == QLatin1String(rule.tag))
            return &rule;
    }
    return nullptr;
}

QStringList words(const char *list)
{
    return QString::fromLatin1(list).split(u' ', Qt::SkipEmptyParts);
}

QString quotedList(const QStringList &items)
{
    return u'"' + items.join(u"\", \""_s) + u'"';
}

// The tags allowed inside `parent`, in the order of the rules.
QStringList childrenOf(const QString &parent)
{
    QStringList tags;
    for (const ElementRule &rule : Rules) {
        if (words(rule.parents).contains(parent))
            tags.append(QLatin1String(rule.tag));
    }
    return tags;
}

QString place(const QDomElement &element)
{
    QStringList segments;
    for (QDomNode node = element; node.isElement(); node = node.parentNode()) {
        const QDomElement e = node.toElement();
        QString segment = e.tagName();
        if (e.hasAttribute(u"id"_s))
            segment += u"[id=%1]"_s.arg(e.attribute(u"id"_s));
        else if (e.hasAttribute(u"name"_s))
            segment += u"[name=%1]"_s.arg(e.attribute(u"name"_s));
        segments.prepend(segment);
    }
    return u"%1:%2: %3: "_s.arg(element.lineNumber()).arg(element.columnNumber())
        .arg(segments.join(u'/'));
}

void lintElement(const QDomElement &element, int topicDepth, QStringList &errors,
                 QStringList &warnings)
{
    const QString tag = element.tagName();
    const ElementRule *rule = ruleFor(tag);
    const QString parent = element.parentNode().isElement()
                               ? element.parentNode().toElement().tagName()
                               : QString();
    if (!rule || (!parent.isEmpty() && !words(rule->parents).contains(parent))) {
        errors.append(place(element) + u"unknown element <%1> inside <%2>; allowed there: %3"_s.arg(
                                           tag, parent, quotedList(childrenOf(parent))));
        return;
    }
    const QDomNamedNodeMap attributes = element.attributes();
    for (int i = 0; i < attributes.size(); ++i) {
        const QDomAttr attribute = attributes.item(i).toAttr();
        const AttributeRule *known = nullptr;
        QStringList names;
        for (const AttributeRule &candidate : rule->attributes) {
            names.append(QLatin1String(candidate.name));
            if (attribute.name() == QLatin1String(candidate.name))
                known = &candidate;
        }
        if (!known) {
            errors.append(place(element) +
                          (names.isEmpty()
                               ? u"unknown attribute %1; <%2> takes no attributes"_s.arg(
                                     attribute.name(), tag)
                               : u"unknown attribute %1; <%2> takes %3"_s.arg(
                                     attribute.name(), tag, quotedList(names))));
            continue;
        }
        const QString value = attribute.value();
        if (known->kind == Number) {
            bool ok = false;
            value.toInt(&ok);
            if (!ok)
                errors.append(place(element) + u"attribute %1=\"%2\" is not a whole number"_s.arg(
                                                   attribute.name(), value));
        } else if (known->kind == Words && !words(known->words).contains(value)) {
            errors.append(place(element) + u"attribute %1 has unknown value \"%2\"; allowed: %3"_s.arg(
                                               attribute.name(), value,
                                               quotedList(words(known->words))));
        }
    }
    if (tag == u"topic"_s) {
        ++topicDepth;
        if (element.attribute(u"type"_s) == u"article-index"_s && topicDepth > 3)
            errors.append(place(element) + u"an article-index topic nests at most 3 deep (this "
                                           "one is at depth %1); it would make no node"_s.arg(
                                               topicDepth));
    }
    if (tag == u"point_b"_s && !element.hasAttribute(u"from"_s))
        warnings.append(place(element) +
                        u"point_b has no from: its search starts at the page's top, not at point "
                        "A, and can cut the piece the wrong way round; write from=\"previous\" "
                        "(or from=\"begin\" to keep this)"_s);
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        lintElement(child, topicDepth, errors, warnings);
}

} // namespace

void lintProfile(const QDomDocument &document, QStringList &errors, QStringList &warnings)
{
    const QDomElement root = document.documentElement();
    if (root.tagName() == u"site"_s)
        lintElement(root, 0, errors, warnings);
}

int checkOtherDataFile(const QString &path, const QDomDocument &document)
{
    const QString tag = document.documentElement().tagName();
    if (tag == u"sites"_s) {
        CLProcessor processor;
        const QFileInfo info(path);
        processor.profileDir = info.path();
        processor.catalogueFile = info.fileName();
        if (!processor.loadSiteCatalogue()) {
            toolio::out(u"FAIL %1: not a usable site catalogue"_s.arg(path));
            return 1;
        }
        const QList<CLSiteIndexItem *> failed = processor.failedEntries();
        for (const CLSiteIndexItem *entry : failed) {
            const CLProfileError error = processor.profileErrors.value(entry->file);
            toolio::out(u"FAIL %1: entry %2 (%3): %4"_s.arg(
                path, entry->id, entry->file,
                error.isEmpty() ? u"no profile with this id was loaded"_s : error.toString()));
        }
        if (!failed.isEmpty())
            return 1;
        toolio::out(u"OK %1: site catalogue, %2 entries"_s.arg(path).arg(processor.siteIndex.size()));
        return 0;
    }
    if (tag == u"translators"_s) {
        CLProcessor processor;
        if (!processor.parseTranslators(document) || processor.translators.isEmpty()) {
            toolio::out(u"FAIL %1: no usable translation engine"_s.arg(path));
            return 1;
        }
        toolio::out(u"OK %1: translation engines, %2 engines"_s.arg(path).arg(
            processor.translators.size()));
        return 0;
    }
    return -1;
}
