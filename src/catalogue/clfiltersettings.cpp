#include "clfiltersettings.h"

#include "clprocessor.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>

namespace {

bool isTrue(const QDomElement &element, const QString &attribute)
{
    return element.attribute(attribute) == QLatin1String("true");
}

// Every `tag` element below `group` with a non-empty `attribute` adds its value.
void collectAttribute(const QDomElement &group, const QString &tag, const QString &attribute,
                      QSet<QString> &into)
{
    const QDomNodeList elements = group.elementsByTagName(tag);
    for (int i = 0; i < elements.size(); ++i) {
        const QString value = elements.at(i).toElement().attribute(attribute);
        if (!value.isEmpty())
            into.insert(value);
    }
}

CLKeywordSet *readKeywordSet(const QDomElement &element)
{
    auto *set = new CLKeywordSet;
    set->id = element.attribute(QStringLiteral("id"));
    set->name = element.attribute(QStringLiteral("name"));
    set->type = element.attribute(QStringLiteral("type")) == QLatin1String("predefined")
                    ? CLKeywordSet::Predefined
                    : CLKeywordSet::Custom;
    set->version = element.attribute(QStringLiteral("version"));
    set->filterSubject = isTrue(element, QStringLiteral("filter_subject"));
    set->filterText = isTrue(element, QStringLiteral("filter_text"));
    set->keywordFile = element.attribute(QStringLiteral("keyword_file"));
    return set;
}

bool containsKeyword(const QSet<QString> &keywords, const QString &text)
{
    for (const QString &keyword : keywords) {
        if (text.contains(keyword, Qt::CaseSensitive))
            return true;
    }
    return false;
}

} // namespace

CLKeywordSet::~CLKeywordSet()
{
    delete keywords;
}

CLFilterSettings::~CLFilterSettings()
{
    qDeleteAll(keywordSets);
}

bool loadKeywords(CLKeywordSet *set, const QDomDocument &document)
{
    if (!set || document.isNull())
        return false;
    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("keywordset"))
        return false;

    if (set->keywords)
        set->keywords->clear();
    else
        set->keywords = new QSet<QString>;
    const QDomNodeList elements = root.elementsByTagName(QStringLiteral("keyword"));
    for (int i = 0; i < elements.size(); ++i) {
        const QString keyword = elements.at(i).toElement().text();
        if (!keyword.trimmed().isEmpty())
            set->keywords->insert(keyword);
    }
    return true;
}

bool passesKeywords(const CLFilterSettings *settings, const QString &subject, const QString &text)
{
    if (!settings)
        return true;
    for (const CLKeywordSet *set : settings->keywordSets) {
        if (!set->keywords)
            continue;
        if (set->filterSubject && !subject.isEmpty() && containsKeyword(*set->keywords, subject))
            return false;
        if (set->filterText && !text.isEmpty() && containsKeyword(*set->keywords, text))
            return false;
    }
    return true;
}

bool CLProcessor::loadFilterFiles()
{
    if (filterDir.isEmpty() || filterFile.isEmpty())
        return false;
    // A file that cannot be read keeps the filters already in force.
    const auto document = loadXmlDocument(filterDir + QLatin1Char('/') + filterFile);
    if (!document)
        return false;
    if (!parseFilters(*document))
        return false;

    for (CLKeywordSet *set : std::as_const(filterSettings->keywordSets)) {
        const auto keywords = loadXmlDocument(filterDir + QLatin1Char('/') + set->keywordFile);
        if (keywords)
            loadKeywords(set, *keywords);
    }
    emit filterReloaded();
    return true;
}

bool CLProcessor::parseFilters(const QDomDocument &document)
{
    if (document.isNull())
        return false;
    const QMutexLocker lock(&m_processingLock);
    delete filterSettings;
    filterSettings = nullptr;

    const QDomElement root = document.documentElement();
    if (root.tagName() != QLatin1String("filters"))
        return false;

    auto *settings = new CLFilterSettings;
    for (QDomElement child = root.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString tag = child.tagName();
        if (tag == QLatin1String("sites")) {
            collectAttribute(child, QStringLiteral("site"), QStringLiteral("id"),
                             settings->hiddenSites);
        } else if (tag == QLatin1String("topics")) {
            collectAttribute(child, QStringLiteral("topic"), QStringLiteral("full_id"),
                             settings->disabledTopics);
        } else if (tag == QLatin1String("keywordsets")) {
            const QDomNodeList sets = child.elementsByTagName(QStringLiteral("keywordset"));
            for (int i = 0; i < sets.size(); ++i)
                settings->keywordSets.append(readKeywordSet(sets.at(i).toElement()));
        }
    }
    filterSettings = settings;
    return true;
}
