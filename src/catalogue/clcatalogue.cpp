#include "clprocessor.h"

#include "clsitemodel.h"
#include "coreresources.h"
#include "htmltext.h"

#include <QDomDocument>
#include <QDomElement>
#include <QDomNodeList>
#include <QtConcurrent/QtConcurrentMap>

#include <memory>
#include <vector>

CLSiteIndexItem::~CLSiteIndexItem()
{
    delete site;
}

QString categoryOfSiteId(const QString &id)
{
    if (id.startsWith(QStringLiteral("(s)GI")))
        return QStringLiteral(CL_CATEGORY_GENERAL);
    if (id.startsWith(QStringLiteral("(s)TR")))
        return QStringLiteral(CL_CATEGORY_TRANSLATION);
    return QStringLiteral(CL_CATEGORY_OTHERS);
}

namespace {

CLProfileError loadError(const QString &reason)
{
    CLProfileError error;
    error.reason = reason;
    return error;
}

// One profile file read and parsed: the site, or why there is none.
struct ParsedProfile
{
    CLSite *site = nullptr;
    CLProfileError error;
};

ParsedProfile parseProfileFile(const QString &path)
{
    ParsedProfile parsed;
    XmlLoadError xmlError;
    const std::unique_ptr<QDomDocument> document = loadDataFile(path, &xmlError);
    if (!document) {
        parsed.error = loadError(xmlError.reason);
        parsed.error.path = QStringLiteral("(document)");
        parsed.error.line = xmlError.line;
        parsed.error.column = xmlError.column;
        return parsed;
    }
    const QString root = document->documentElement().tagName();
    if (root != QLatin1String("site")) {
        parsed.error = loadError(QStringLiteral("document element is %1, not site").arg(root));
        return parsed;
    }
    parsed.site = readProfile(*document, &parsed.error);
    if (!parsed.site && parsed.error.isEmpty())
        parsed.error.reason = QStringLiteral("the profile is not valid");
    return parsed;
}

} // namespace

bool CLProcessor::loadSiteCatalogue()
{
    const bool reload = !siteIndex.isEmpty();
    profileErrors.clear();
    if (profileDir.isEmpty() || catalogueFile.isEmpty())
        return false;

    {
        const std::unique_ptr<QDomDocument> document =
            loadXmlDocument(profileDir + QLatin1Char('/') + catalogueFile);
        if (!document)
            return false;
        if (!parseCatalogue(*document))
            return false;
    }

    // Which entry each loaded profile went to, to explain entries left without a site.
    QHash<QString, QString> attachedId;
    const QStringList files = profileFiles();
    // Files are read and parsed side by side; they are attached in catalogue
    // order, so which entry gets which site is as if read one by one.
    const QString dir = profileDir + QLatin1Char('/');
    const QList<ParsedProfile> parsed = QtConcurrent::blockingMapped(
        files, [dir](const QString &file) { return parseProfileFile(dir + file); });
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString &file = files.at(i);
        CLSite *site = parsed.at(i).site;
        if (!site) {
            profileErrors.insert(file, parsed.at(i).error);
            continue;
        }
        const QString id = site->id;
        if (!registerSite(site)) {
            delete site;
            profileErrors.insert(
                file, loadError(QStringLiteral("no catalogue entry has the id %1").arg(id)));
            continue;
        }
        attachedId.insert(file, id);
    }

    // A profile that loaded but went to the first entry of its id leaves its own entry empty.
    for (const CLSiteIndexItem *entry : std::as_const(siteIndex)) {
        if (entry->site || profileErrors.contains(entry->file) || !attachedId.contains(entry->file))
            continue;
        const QString id = attachedId.value(entry->file);
        QString holder;
        for (const CLSiteIndexItem *other : std::as_const(siteIndex)) {
            if (other->id == id) {
                holder = other->file;
                break;
            }
        }
        profileErrors.insert(entry->file,
                             loadError(QStringLiteral("its site id %1 was attached to the "
                                                      "earlier catalogue entry of %2")
                                           .arg(id, holder)));
    }

    if (reload)
        emit profilesRefreshed();
    return true;
}

bool CLProcessor::parseCatalogue(const QDomDocument &document)
{
    if (document.isNull())
        return false;
    clearCatalogue();
    const QMutexLocker lock(&m_processingLock);

    const QDomElement root = document.documentElement();
    if (root.tagName() == QLatin1String("sites")) {
        for (QDomElement element = root.firstChildElement(); !element.isNull();
             element = element.nextSiblingElement()) {
            if (element.tagName() != QLatin1String("site"))
                continue;
            const QString id = element.attribute(QStringLiteral("id"));
            const QString version = element.attribute(QStringLiteral("version"));
            const QString file = element.attribute(QStringLiteral("file"));
            if (id.isEmpty() || version.isEmpty() || file.isEmpty())
                continue;
            auto *entry = new CLSiteIndexItem;
            entry->id = id;
            entry->category = categoryOfSiteId(id);
            entry->version = version;
            entry->file = file;
            if (!categories.contains(entry->category))
                categories.append(entry->category);
            siteIndex.append(entry);
            if (!m_firstEntryOf.contains(id))
                m_firstEntryOf.insert(id, entry);
        }
    }
    return !siteIndex.isEmpty();
}

bool CLProcessor::registerSite(CLSite *site)
{
    if (!site)
        return false;
    // Entries added to the list by hand are found by the scan.
    CLSiteIndexItem *entry = m_firstEntryOf.value(site->id);
    for (qsizetype i = 0; !entry && i < siteIndex.size(); ++i) {
        if (siteIndex.at(i)->id == site->id)
            entry = siteIndex.at(i);
    }
    if (!entry)
        return false;
    if (entry->site == site)
        return true;
    const QMutexLocker lock(&m_processingLock);
    ++m_catalogueGeneration;
    if (entry->site) {
        for (CLPage *page : std::as_const(entry->site->pages))
            allPages.remove(page);
        delete entry->site;
    }
    entry->site = site;
    for (CLPage *page : std::as_const(site->pages))
        allPages.insert(page);
    dropPageIndex();
    return true;
}

QList<CLSiteIndexItem *> CLProcessor::failedEntries() const
{
    QList<CLSiteIndexItem *> failed;
    for (CLSiteIndexItem *entry : siteIndex) {
        if (!entry->site)
            failed.append(entry);
    }
    return failed;
}

QStringList CLProcessor::profileFiles() const
{
    QStringList files;
    files.reserve(siteIndex.size());
    for (const CLSiteIndexItem *entry : siteIndex)
        files.append(entry->file);
    return files;
}

void CLProcessor::clearCatalogue()
{
    const QMutexLocker lock(&m_processingLock);
    ++m_catalogueGeneration;
    qDeleteAll(siteIndex);
    siteIndex.clear();
    m_firstEntryOf.clear();
    allPages.clear();
    categories.clear();
    dropPageIndex();
}

QList<CLSiteIndexItem *> CLProcessor::sitesOfCategory(const QString &category,
                                                      const QString &language) const
{
    QList<CLSiteIndexItem *> entries;
    for (CLSiteIndexItem *entry : siteIndex) {
        if (entry->category == category && entry->site)
            entries.append(entry);
    }

    static const QString codes =
        QStringLiteral("en,zh_CN,zh_TW,es,fr,ru,uk,de,ja,kr,it,po,ro,pt,ar,iw,tr,id,hi,vi,fa");
    QString order = codes;
    if (!language.isEmpty()) {
        const bool chinese =
            language == QLatin1String("zh_CN") || language == QLatin1String("zh_TW");
        QString preferred = language;
        if (language == QLatin1String("zh_CN"))
            preferred = QStringLiteral("zh_CN,zh_TW");
        else if (language == QLatin1String("zh_TW"))
            preferred = QStringLiteral("zh_TW,zh_CN");
        // The preferred codes move to the front; their old place keeps a marker
        // no locale can equal.
        const QString replaced = chinese ? QStringLiteral("zh_CN,zh_TW") : language;
        order.replace(replaced, QStringLiteral("@@@"));
        order.prepend(preferred + QLatin1Char(','));
    }
    const QStringList preference = order.split(QLatin1Char(','));

    QHash<QString, int> rank;
    for (qsizetype i = preference.size() - 1; i >= 0; --i)
        rank.insert(preference.at(i), int(i));
    std::vector<int> positions;
    positions.reserve(size_t(entries.size()));
    for (const CLSiteIndexItem *entry : std::as_const(entries))
        positions.push_back(rank.value(entry->site->locale, -1));
    // The site index has always been ordered by this exchange sort; its
    // treatment of equal positions decides the order users know.
    for (qsizetype i = 0; i + 1 < entries.size(); ++i) {
        for (qsizetype j = i + 1; j < entries.size(); ++j) {
            if (positions[size_t(j)] < positions[size_t(i)]) {
                entries.swapItemsAt(i, j);
                std::swap(positions[size_t(i)], positions[size_t(j)]);
            }
        }
    }
    return entries;
}

bool CLProcessor::loadLanguageResource()
{
    initCoreResources();
    const std::unique_ptr<QDomDocument> document =
        loadXmlDocument(QStringLiteral(":/translation/gui.xml"));
    if (!document)
        return false;

    qDeleteAll(languageNames);
    languageNames.clear();
    qDeleteAll(countryNames);
    countryNames.clear();

    const QDomElement root = document->documentElement();
    if (root.tagName() != QLatin1String("gui"))
        return false;

    for (QDomElement group = root.firstChildElement(); !group.isNull();
         group = group.nextSiblingElement()) {
        QHash<QString, CLI18n *> *table = nullptr;
        if (group.tagName() == QLatin1String("languages"))
            table = &languageNames;
        else if (group.tagName() == QLatin1String("countries"))
            table = &countryNames;
        else
            continue;
        for (QDomElement item = group.firstChildElement(); !item.isNull();
             item = item.nextSiblingElement()) {
            const QString code = item.attribute(QStringLiteral("code"));
            if (code.isEmpty())
                continue;
            const QDomElement i18n =
                item.elementsByTagName(QStringLiteral("i18n")).item(0).toElement();
            CLI18n *record = parseI18n(i18n);
            if (!record)
                continue;
            delete table->take(code);
            table->insert(code, record);
        }
    }
    return true;
}
