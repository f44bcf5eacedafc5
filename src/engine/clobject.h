#pragma once

#include <QHash>
#include <QString>

class QDomElement;

/// Localised names of one object, read from an "i18n" element.
class CLI18n
{
public:
    QString original;                 ///< locale whose name is the default
    QHash<QString, QString> displays; ///< locale code -> name
};

/// Common base of every profile object: sites, pages, tracks, topics, steps,
/// catalogue entries and point records.
class CLObject
{
public:
    CLObject() = default;
    ~CLObject();
    CLObject(const CLObject &) = delete;
    CLObject &operator=(const CLObject &) = delete;

    QString name;
    QString id;
    QString locale;
    CLI18n *i18n = nullptr; ///< owned, may be null
};

/// Reads an "i18n" element; null for a null element or another tag.
/// The record belongs to the caller.
CLI18n *parseI18n(const QDomElement &element);

/// The name of a code from a table of localised names: the name for `locale`
/// when present, else the name for the record's original locale, else "".
QString localName(const QHash<QString, CLI18n *> &table, const QString &code,
                  const QString &locale);

/// The same rule applied to one record (null gives "").
QString localName(const CLI18n *record, const QString &locale);
