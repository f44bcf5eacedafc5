#include "stylemanager.h"

#include "apppaths.h"
#include "htmltext.h"

#include <QCoreApplication>
#include <QDir>

namespace {

// Order in which the per-language sheets are looked for.
const char SheetLanguages[] =
    "ar,de,en,es,fa,fr,hi,id,it,iw,ja,kr,po,pt,ro,ru,tr,uk,vi,zh_CN,zh_TW";

const QString DefaultSkin = QStringLiteral("default");

void storeIfPresent(QHash<QString, QString> &table, const QString &key, const QString &path)
{
    const QString sheet = readTextFile(path);
    if (!sheet.isEmpty())
        table.insert(key, sheet);
}

} // namespace

QString StyleManager::defaultSkinRoot()
{
    return AppPaths::installDir() + QStringLiteral("/skin");
}

StyleManager::StyleManager(const QString &skinRoot) : skinRoot(skinRoot) {}

bool StyleManager::loadSkins()
{
    const QDir root(skinRoot);
    if (skinRoot.isEmpty() || !root.exists())
        return false;
    bool hasDefault = false;
    const QStringList names =
        root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QString &name : names) {
        skins.append(StyleSkin{name, name});
        if (name == DefaultSkin)
            hasDefault = true;
    }
    return hasDefault && loadSkin(DefaultSkin);
}

bool StyleManager::loadSkin(const QString &name)
{
    const QString dir = skinRoot + QLatin1Char('/') + name + QLatin1Char('/');
    const QString base = readTextFile(dir + QStringLiteral("ui.css"));
    if (base.isEmpty() && name == DefaultSkin)
        return false;
    if (!base.isEmpty()) {
        // Whatever skin supplies it, the base sheet is the application-wide fallback.
        uiSheets.insert(DefaultSkin, base);
        baseSheet = base;
    }
    const QStringList codes = QString::fromLatin1(SheetLanguages).split(QLatin1Char(','));
    for (const QString &code : codes) {
        const QString suffix = code + QStringLiteral(".css");
        storeIfPresent(uiSheets, code, dir + QStringLiteral("ui_") + suffix);
        storeIfPresent(indexSheets, code, dir + QStringLiteral("index_") + suffix);
        storeIfPresent(articleSheets, code, dir + QStringLiteral("article_") + suffix);
    }
    return true;
}

QString StyleManager::sheetFor(const QHash<QString, QString> &table, const QString &key,
                               const QString &fallbackKey)
{
    const QString sheet = table.value(key);
    if (!sheet.isEmpty())
        return sheet;
    return table.value(fallbackKey);
}
