#include "clobject.h"

#include <QDomElement>
#include <QDomNodeList>

CLObject::~CLObject()
{
    delete i18n;
}

CLI18n *parseI18n(const QDomElement &element)
{
    if (element.isNull() || element.tagName() != QLatin1String("i18n"))
        return nullptr;

    auto *record = new CLI18n;
    record->original = element.attribute(QStringLiteral("original"));
    const QDomNodeList displays = element.elementsByTagName(QStringLiteral("display"));
    for (int i = 0; i < displays.size(); ++i) {
        const QDomElement display = displays.at(i).toElement();
        record->displays.insert(display.attribute(QStringLiteral("locale")), display.text());
    }
    return record;
}

QString localName(const CLI18n *record, const QString &locale)
{
    if (!record)
        return QLatin1String("");
    if (!locale.isEmpty()) {
        const auto it = record->displays.constFind(locale);
        if (it != record->displays.constEnd())
            return it.value();
    }
    return record->displays.value(record->original, QLatin1String(""));
}

QString localName(const QHash<QString, CLI18n *> &table, const QString &code, const QString &locale)
{
    return localName(table.value(code, nullptr), locale);
}
