#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QDomDocument;

/// Plain text of an HTML fragment; null for an empty input.
QString htmlToText(const QString &text, bool decodeEntities, bool filterSpace);
/// Wraps every run of non-line-feed characters in "<P>"…"</P>".
QString toParagraphs(const QString &text);

/// Value of attribute `name` preceded by a space (regular-expression lookup),
/// or a null string.
QString findAttributeValue(const QString &text, const QString &name, int from,
                           Qt::CaseSensitivity cs);
/// Value of attribute `name` (not the tail of a longer name); `end` receives
/// the index of the closing quote or delimiter. Null when absent or empty.
QString tagAttribute(const QString &text, const QString &name, int from, Qt::CaseSensitivity cs,
                     int *end = nullptr);
/// Inner text of the next `tag` element; `end` receives the position after
/// its closing tag. Null when any part is missing.
QString elementText(const QString &text, const QString &tag, int from, Qt::CaseSensitivity cs,
                    int *end = nullptr);
/// The next "<img " tag's src and alt; the end of the later value read, or -1.
int findImage(const QString &text, int from, QString &src, QString &alt);
/// The next link's href and inner HTML; the position after its closing tag, or -1.
int findLink(const QString &text, int from, QString &href, QString &linkText);

/// A UTF-8 text file up to its first NUL byte; empty when unreadable.
QString readTextFile(const QString &path);

/// Upper bound of the uncompressed size of a compressed XML file.
constexpr qint64 MaxXmlDataSize = 64 * 1024 * 1024;

/// Compressed XML storage: 4-byte big-endian length followed by a zlib stream.
QByteArray packXml(const QByteArray &xml);
/// The XML text of the compressed layout; false in `ok` for a corrupt or
/// oversized stream (the declared and the real size are both capped).
QByteArray unpackXml(const QByteArray &packed, bool *ok);

/// Reads an XML data file, plain when its name ends in ".xml" (any case),
/// compressed otherwise. Null when unreadable or not well-formed.
std::unique_ptr<QDomDocument> loadXmlDocument(const QString &path);

/// Fills the process-wide HTML entity table (248 names).
void fillEntityTable();
/// The code point of an entity name, 0 when unknown or before the table is filled.
int entityCodePoint(const QString &name);
int entityTableSize();
