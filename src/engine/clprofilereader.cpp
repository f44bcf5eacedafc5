#include "clprofilereader.h"

#include "clcuttingsteps.h"
#include "clelement.h"
#include "clextractsteps.h"
#include "cljsonstep.h"
#include "clsitemodel.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

#include <limits>
#include <memory>

QString CLProfileError::toString() const
{
    QString text;
    if (line >= 0)
        text += QStringLiteral("%1:%2: ").arg(line).arg(column);
    if (!path.isEmpty())
        text += path + QStringLiteral(": ");
    return text + reason;
}

namespace {

struct Keyword
{
    const char *word;
    int value;
};

const Keyword pageTypes[] = {
    {"news.index", PageIndex},
    {"news.article", PageArticle},
    {"translator.entry", PageTranslatorEntry},
};
const Keyword pointFroms[] = {
    {"begin", PointFromBegin},
    {"end", PointFromEnd},
    {"previous", PointFromPrevious},
};
const Keyword pointDirections[] = {{"forward", PointForward}, {"backward", PointBackward}};
const Keyword yesNo[] = {{"yes", 1}, {"no", 0}};
const Keyword urlTypes[] = {
    {"link", CLStepURLExtractor::Link},
    {"non_link", CLStepURLExtractor::NonLink},
    {"any", CLStepURLExtractor::Any},
};
const Keyword urlKinds[] = {
    {"html", URLHtml},
    {"image", URLImage},
    {"flash", URLFlash},
    {"binary", URLBinary},
};

template <size_t N> const Keyword *findKeyword(const Keyword (&words)[N], const QString &word)
{
    for (const Keyword &keyword : words) {
        if (word == QLatin1String(keyword.word))
            return &keyword;
    }
    return nullptr;
}

QString elementPath(const QDomElement &element)
{
    QStringList segments;
    for (QDomNode node = element; node.isElement(); node = node.parentNode()) {
        const QDomElement e = node.toElement();
        QString segment = e.tagName();
        const QString id = e.attribute(QStringLiteral("id"));
        const QString name = e.attribute(QStringLiteral("name"));
        if (!id.isEmpty())
            segment += QStringLiteral("[id=%1]").arg(id);
        else if (!name.isEmpty())
            segment += QStringLiteral("[name=%1]").arg(name);
        segments.prepend(segment);
    }
    return segments.join(QLatin1Char('/'));
}

bool isTag(const QDomElement &element, const char *tag)
{
    return element.tagName() == QLatin1String(tag);
}

// Recursive descent over a profile: each reader returns its object, or null
// after recording why; a null child makes every reader above it give up too.
class ProfileReader
{
public:
    explicit ProfileReader(CLProfileError *error) : m_error(error) {}

    CLSite *readSite(const QDomElement &element);
    bool fail(const QDomElement &element, const QString &reason);

private:
    CLPage *readPage(const QDomElement &element);
    CLTrack *readTrack(const QDomElement &element);
    CLTopic *readTopic(const QDomElement &element, int depth);
    using StepReader = CLStep *(ProfileReader::*)(const QDomElement &);
    static StepReader stepReaderFor(const QDomElement &element);
    CLStep *readPairPointer(const QDomElement &element);
    CLPoint *readPoint(const QDomElement &element);
    CLStep *readSectionCutter(const QDomElement &element);
    CLStep *readTextExtractor(const QDomElement &element);
    CLStep *readTextFormater(const QDomElement &element);
    CLStep *readURLExtractor(const QDomElement &element);
    CLStep *readAttributeExtractor(const QDomElement &element);
    CLStep *readTextToURL(const QDomElement &element);
    CLStep *readJsonString(const QDomElement &element);

    bool readRequired(const QDomElement &element, const char *name, QString *value);
    bool readRequiredText(const QDomElement &element, QString *value);
    bool readPresent(const QDomElement &element, const char *name, QString *value);
    template <size_t N>
    bool readKeyword(const QDomElement &element, const char *name, const Keyword (&words)[N],
                     int *value);
    bool readNumber(const QDomElement &element, const char *name, int *value, int low, int high);
    bool readPattern(const QDomElement &element, QString *pattern);

    CLProfileError *m_error;
};

bool ProfileReader::fail(const QDomElement &element, const QString &reason)
{
    if (m_error && m_error->isEmpty()) {
        m_error->path = element.isNull() ? QString() : elementPath(element);
        m_error->line = element.isNull() ? -1 : element.lineNumber();
        m_error->column = element.isNull() ? -1 : element.columnNumber();
        m_error->reason = reason;
    }
    return false;
}

bool ProfileReader::readRequired(const QDomElement &element, const char *name, QString *value)
{
    const QString attribute = QLatin1String(name);
    if (!element.hasAttribute(attribute))
        return fail(element, QStringLiteral("missing required attribute %1").arg(attribute));
    *value = element.attribute(attribute);
    if (value->isEmpty())
        return fail(element, QStringLiteral("required attribute %1 is empty").arg(attribute));
    return true;
}

bool ProfileReader::readRequiredText(const QDomElement &element, QString *value)
{
    *value = element.text();
    if (value->isEmpty())
        return fail(element, QStringLiteral("%1 with empty text").arg(element.tagName()));
    return true;
}

// For attributes that take their default when absent but may not be given
// empty; false only after a failure, *value untouched when absent.
bool ProfileReader::readPresent(const QDomElement &element, const char *name, QString *value)
{
    const QString attribute = QLatin1String(name);
    if (!element.hasAttribute(attribute))
        return true;
    *value = element.attribute(attribute);
    if (value->isEmpty())
        return fail(element, QStringLiteral("attribute %1 is empty").arg(attribute));
    return true;
}

template <size_t N>
bool ProfileReader::readKeyword(const QDomElement &element, const char *name,
                                const Keyword (&words)[N], int *value)
{
    QString word;
    if (!readPresent(element, name, &word))
        return false;
    if (word.isNull())
        return true;
    const Keyword *keyword = findKeyword(words, word);
    if (!keyword) {
        return fail(
            element,
            QStringLiteral("attribute %1 has unknown value \"%2\"").arg(QLatin1String(name), word));
    }
    *value = keyword->value;
    return true;
}

// Negative counts read as none, so only the upper bound guards them.
constexpr int IntMin = std::numeric_limits<int>::min();

bool ProfileReader::readNumber(const QDomElement &element, const char *name, int *value, int low,
                               int high)
{
    QString text;
    if (!readPresent(element, name, &text))
        return false;
    if (text.isNull())
        return true;
    bool ok = false;
    const int number = text.toInt(&ok);
    if (!ok)
        return fail(element,
                    QStringLiteral("attribute %1 is not a number").arg(QLatin1String(name)));
    // Processing allocates and loops by these numbers.
    if (number < low || number > high)
        return fail(element, QStringLiteral("attribute %1 is %2, %3 %4")
                                 .arg(QLatin1String(name))
                                 .arg(number)
                                 .arg(number > high ? QStringLiteral("more than")
                                                    : QStringLiteral("less than"))
                                 .arg(number > high ? high : low));
    *value = number;
    return true;
}

bool ProfileReader::readPattern(const QDomElement &element, QString *pattern)
{
    *pattern = element.attribute(QStringLiteral("pattern"));
    if (pattern->isEmpty())
        return fail(element, QStringLiteral("%1 with empty pattern").arg(element.tagName()));
    return true;
}

CLSite *ProfileReader::readSite(const QDomElement &element)
{
    auto site = std::make_unique<CLSite>();
    if (!readRequired(element, "name", &site->name) || !readRequired(element, "id", &site->id) ||
        !readRequired(element, "locale", &site->locale) ||
        !readRequired(element, "codeset", &site->codeset) ||
        !readRequired(element, "version", &site->version) ||
        !readRequired(element, "entry", &site->entry)) {
        return nullptr;
    }
    site->layout = element.attribute(QStringLiteral("layout"));
    site->country = element.attribute(QStringLiteral("country"), QStringLiteral("n/a"));

    // Catalogue profiles group their pages freely, so pages count at any depth.
    const QDomNodeList pages = element.elementsByTagName(QStringLiteral("page"));
    for (int i = 0; i < pages.size(); ++i) {
        CLPage *page = readPage(pages.at(i).toElement());
        if (!page)
            return nullptr;
        addPage(site.get(), page);
    }
    const QDomNodeList i18ns = element.elementsByTagName(QStringLiteral("i18n"));
    if (!i18ns.isEmpty())
        site->i18n = parseI18n(i18ns.at(0).toElement());
    return site.release();
}

CLPage *ProfileReader::readPage(const QDomElement &element)
{
    auto page = std::make_unique<CLPage>();
    QString type;
    QString offset = QStringLiteral("0");
    if (!readRequired(element, "name", &page->name) || !readRequired(element, "id", &page->id) ||
        !readRequired(element, "type", &type) || !readPresent(element, "offset", &offset)) {
        return nullptr;
    }
    const Keyword *pageType = findKeyword(pageTypes, type);
    page->type = pageType ? pageType->value : PageAny;
    page->offset = offset.toInt();

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QString pattern;
        if (isTag(child, "filter_url_inc") || isTag(child, "filter_url_exc")) {
            if (!readPattern(child, &pattern))
                return nullptr;
            if (isTag(child, "filter_url_inc"))
                page->urlFilter.addInclude(pattern);
            else
                page->urlFilter.addExclude(pattern);
        } else if (isTag(child, "track")) {
            CLTrack *track = readTrack(child);
            if (!track)
                return nullptr;
            addTrack(page.get(), track);
        } else if (isTag(child, "i18n")) {
            delete page->i18n;
            page->i18n = parseI18n(child);
        }
    }
    return page.release();
}

CLTrack *ProfileReader::readTrack(const QDomElement &element)
{
    auto track = std::make_unique<CLTrack>();
    if (!readRequired(element, "name", &track->name))
        return nullptr;

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QString text;
        if (isTag(child, "filter_content_inc") || isTag(child, "filter_content_exc")) {
            if (!readRequiredText(child, &text))
                return nullptr;
            if (isTag(child, "filter_content_inc"))
                track->contentFilter.addInclude(text);
            else
                track->contentFilter.addExclude(text);
        } else if (isTag(child, "topic")) {
            CLTopic *topic = readTopic(child, 1);
            if (!topic)
                return nullptr;
            addTopic(track.get(), topic);
        }
    }
    return track.release();
}

CLTopic *ProfileReader::readTopic(const QDomElement &element, int depth)
{
    if (depth > MaxTopicDepth) {
        fail(element, QStringLiteral("topics nested deeper than %1 levels").arg(MaxTopicDepth));
        return nullptr;
    }
    auto topic = std::make_unique<CLTopic>();
    QString type;
    if (!readRequired(element, "name", &topic->name) || !readRequired(element, "id", &topic->id) ||
        !readRequired(element, "type", &type)) {
        return nullptr;
    }
    topicKindsFor(type, depth, &topic->groupKind, &topic->kind);
    topic->mergeDup = element.attribute(QStringLiteral("merge_dup")).toInt();

    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (isTag(child, "topic")) {
            CLTopic *sub = readTopic(child, depth + 1);
            if (!sub)
                return nullptr;
            addSubTopic(topic.get(), sub);
        } else if (isTag(child, "i18n")) {
            delete topic->i18n;
            topic->i18n = parseI18n(child);
        } else if (isTag(child, "default_text")) {
            topic->defaultText = child.text();
        } else if (const StepReader read = stepReaderFor(child)) {
            CLStep *step = (this->*read)(child);
            if (!step)
                return nullptr;
            addStep(topic.get(), step);
        }
    }
    return topic.release();
}

// Null for a tag that names no step kind.
ProfileReader::StepReader ProfileReader::stepReaderFor(const QDomElement &element)
{
    static const struct
    {
        const char *tag;
        StepReader read;
    } readers[] = {
        {"step_pair_point", &ProfileReader::readPairPointer},
        {"step_url_extract", &ProfileReader::readURLExtractor},
        {"step_text_extract", &ProfileReader::readTextExtractor},
        {"step_text_format", &ProfileReader::readTextFormater},
        {"step_attribute_extract", &ProfileReader::readAttributeExtractor},
        {"step_text_to_url", &ProfileReader::readTextToURL},
        {"step_section_cutter", &ProfileReader::readSectionCutter},
        {"step_json_string", &ProfileReader::readJsonString},
    };
    for (const auto &reader : readers) {
        if (isTag(element, reader.tag))
            return reader.read;
    }
    return nullptr;
}

CLStep *ProfileReader::readPairPointer(const QDomElement &element)
{
    auto step = std::make_unique<CLStepPairPointer>();
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        QString text;
        if (isTag(child, "point_a") || isTag(child, "point_b")) {
            CLPoint *&slot = isTag(child, "point_a") ? step->pointA : step->pointB;
            if (slot) {
                fail(child, QStringLiteral("second %1").arg(child.tagName()));
                return nullptr;
            }
            slot = readPoint(child);
            if (!slot)
                return nullptr;
        } else if (isTag(child, "filter_content_inc") || isTag(child, "filter_content_exc")) {
            if (!readRequiredText(child, &text))
                return nullptr;
            if (isTag(child, "filter_content_inc"))
                step->contentFilter.addInclude(text);
            else
                step->contentFilter.addExclude(text);
        }
    }
    if (!step->pointA) {
        fail(element, QStringLiteral("step_pair_point without point_a"));
        return nullptr;
    }
    return step.release();
}

CLPoint *ProfileReader::readPoint(const QDomElement &element)
{
    auto point = std::make_unique<CLPoint>();
    point->direction = PointForward;
    point->from = PointFromBegin;
    point->offset = 0;
    point->occurrence = 1;
    int includePattern = 0;
    if (!readKeyword(element, "from", pointFroms, &point->from) ||
        !readNumber(element, "offset", &point->offset, -MaxProfileOffset, MaxProfileOffset) ||
        !readKeyword(element, "direction", pointDirections, &point->direction) ||
        !readNumber(element, "occurrance", &point->occurrence, IntMin, MaxProfileOccurrence) ||
        !readKeyword(element, "include_pattern", yesNo, &includePattern) ||
        !readRequiredText(element, &point->pattern)) {
        return nullptr;
    }
    point->includePattern = includePattern != 0;
    const QString invalid = point->invalidReason();
    if (!invalid.isEmpty()) {
        fail(element, QStringLiteral("%1: %2").arg(element.tagName(), invalid));
        return nullptr;
    }
    return point.release();
}

CLStep *ProfileReader::readSectionCutter(const QDomElement &element)
{
    auto step = std::make_unique<CLStepSectionCutter>();
    step->cutAll =
        element.attribute(QStringLiteral("cut_all"), QStringLiteral("yes")) == QLatin1String("yes");
    step->cutPattern = element.attribute(QStringLiteral("cut_pattern"), QStringLiteral("yes")) ==
                       QLatin1String("yes");
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        if (isTag(child, "start_pattern") || isTag(child, "end_pattern")) {
            QString text;
            if (!readRequiredText(child, &text))
                return nullptr;
            (isTag(child, "start_pattern") ? step->startPattern : step->endPattern) = text;
        }
    }
    if (step->startPattern.isEmpty() || step->endPattern.isEmpty()) {
        fail(element, QStringLiteral("step_section_cutter without %1")
                          .arg(QLatin1String(step->startPattern.isEmpty() ? "start_pattern"
                                                                          : "end_pattern")));
        return nullptr;
    }
    return step.release();
}

CLStep *ProfileReader::readJsonString(const QDomElement &)
{
    return new CLStepJsonString;
}

CLStep *ProfileReader::readTextExtractor(const QDomElement &element)
{
    auto step = std::make_unique<CLStepTextExtractor>();
    int filterSpace = 0;
    if (!readKeyword(element, "filter_space", yesNo, &filterSpace))
        return nullptr;
    step->filterSpace = filterSpace != 0;
    return step.release();
}

CLStep *ProfileReader::readTextFormater(const QDomElement &element)
{
    auto step = std::make_unique<CLStepTextFormater>();
    if (!readNumber(element, "insert_line", &step->insertLine, IntMin, MaxProfileLineCount) ||
        !readNumber(element, "append_line", &step->appendLine, IntMin, MaxProfileLineCount) ||
        !readNumber(element, "paragraph_line", &step->paragraphLine, IntMin, MaxProfileLineCount) ||
        !readNumber(element, "paragraph_space_begin", &step->paragraphSpaceBegin, IntMin,
                    MaxProfileLineCount) ||
        !readNumber(element, "paragraph_space_end", &step->paragraphSpaceEnd, IntMin,
                    MaxProfileLineCount)) {
        return nullptr;
    }
    return step.release();
}

CLStep *ProfileReader::readURLExtractor(const QDomElement &element)
{
    auto step = std::make_unique<CLStepURLExtractor>();
    if (!readKeyword(element, "url_type", urlTypes, &step->urlType))
        return nullptr;
    step->prefix = element.attribute(QStringLiteral("prefix"));
    step->cutTail = element.attribute(QStringLiteral("cuttail"));

    // Unlike page and track filters, empty patterns here are tolerated and skipped.
    for (QDomElement child = element.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString pattern = child.attribute(QStringLiteral("pattern"));
        const QString text = child.text();
        if (isTag(child, "filter_url_inc") && !pattern.isEmpty())
            step->urlFilter.addInclude(pattern);
        else if (isTag(child, "filter_url_exc") && !pattern.isEmpty())
            step->urlFilter.addExclude(pattern);
        else if (isTag(child, "filter_content_inc") && !text.isEmpty())
            step->contentFilter.addInclude(text);
        else if (isTag(child, "filter_content_exc") && !text.isEmpty())
            step->contentFilter.addExclude(text);
    }
    return step.release();
}

CLStep *ProfileReader::readAttributeExtractor(const QDomElement &element)
{
    auto step = std::make_unique<CLStepAttributeExtractor>();
    if (!readRequired(element, "attribute_name", &step->attributeName))
        return nullptr;
    return step.release();
}

CLStep *ProfileReader::readTextToURL(const QDomElement &element)
{
    auto step = std::make_unique<CLStepTextToURL>();
    if (!readKeyword(element, "type", urlKinds, &step->urlKind))
        return nullptr;
    return step.release();
}

} // namespace

CLSite *readProfile(const QDomDocument &document, CLProfileError *error)
{
    if (error)
        *error = CLProfileError();
    ProfileReader reader(error);
    const QDomElement root = document.documentElement();
    if (root.isNull()) {
        reader.fail(root, QStringLiteral("document has no element"));
        return nullptr;
    }
    if (root.tagName() != QLatin1String("site")) {
        reader.fail(root, QStringLiteral("document element is %1, not site").arg(root.tagName()));
        return nullptr;
    }
    return reader.readSite(root);
}
