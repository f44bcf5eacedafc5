#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QDomDocument;

/// Plain text of an HTML fragment; null for an empty input.
QString htmlToText(const QString &text, bool decodeEntities, bool filterSpace);
/// Character references (named, decimal and hexadecimal) replaced by the
/// characters they name; unknown names and malformed references stay as written.
QString decodeEntities(const QString &text);
/// Most paragraphs an article is shown in. Real articles have a few hundred
/// at most; a page of nothing but line feeds would otherwise cost the text
/// engine seconds and hundreds of megabytes per megabyte of text.
constexpr int MaxParagraphs = 5000;
/// Wraps every run of non-line-feed characters in "<P>"…"</P>"; runs past
/// the MaxParagraphs-th join the last paragraph after a space.
QString toParagraphs(const QString &text);
/// A URL as the value of a quoted HTML attribute (either quote): backslash,
/// quotes, '<', '>' and control characters percent-encoded, so that no
/// character of a page can end the value or escape its closing quote.
QString htmlAttributeUrl(const QString &url);

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

/// Deepest element nesting a data file may have. Real files stay below 20
/// levels; the DOM parser's time grows with the square of the depth, and
/// everything that walks a document recurses per level.
constexpr int MaxXmlDepth = 256;

/// Why a data file did not become a document; `line` is -1 when unknown.
struct XmlLoadError
{
    QString reason;
    int line = -1;
    int column = -1;
};

/// Whether no element of `xml` lies deeper than `maxDepth` levels, read with
/// a streaming parser that costs the same at any depth. A document that is
/// not well-formed passes as far as it could be read; the DOM parse reports it.
/// With `maxElements` of 0 or more, more elements than that also fail.
bool checkXmlDepth(const QByteArray &xml, int maxDepth, XmlLoadError *error = nullptr,
                   int maxElements = -1);
/// Parses XML text (no namespace processing, white-space-only text dropped)
/// after the depth check; false with the reason and place of the failure.
bool parseXmlDocument(const QByteArray &xml, QDomDocument &document, XmlLoadError *error = nullptr);

/// The largest profile or engine definitions file read at all (the shipped
/// ones are under 10 KB), before and after unpacking.
constexpr qint64 MaxDataFileSize = 1024 * 1024;
/// Most elements such a file may hold; parsing stops past it.
constexpr int MaxDataFileElements = 100000;

/// Parses a profile or engine definitions file (`plainXml`: XML text, else
/// the compressed layout) through every guard: its size, element count and
/// nesting depth are checked by a streaming pass before the DOM is built.
std::unique_ptr<QDomDocument> parseDataFile(const QByteArray &bytes, bool plainXml,
                                            XmlLoadError *error = nullptr);
/// Reads a profile or engine definitions file through parseDataFile,
/// refusing one above MaxDataFileSize before reading it.
std::unique_ptr<QDomDocument> loadDataFile(const QString &path, XmlLoadError *error = nullptr);

/// Reads an XML data file, plain when its name ends in ".xml" (any case),
/// compressed otherwise. Null when unreadable, not well-formed or nested
/// deeper than MaxXmlDepth; `error` then says why.
std::unique_ptr<QDomDocument> loadXmlDocument(const QString &path, XmlLoadError *error = nullptr);

/// Names in the HTML entity table: HTML 4.01's 252 character entities and "apos".
constexpr int EntityCount = 253;
/// Fills the process-wide HTML entity table.
void fillEntityTable();
/// The code point of an entity name, 0 when unknown or before the table is filled.
int entityCodePoint(const QString &name);
int entityTableSize();
