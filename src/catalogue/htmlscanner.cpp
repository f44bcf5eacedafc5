#include "htmlscanner.h"

#include <algorithm>

namespace {

QRegularExpression attributeExpression(const char *name)
{
    // The same expression tagAttribute builds for a case-insensitive lookup.
    return QRegularExpression(QLatin1StringView(name) + QLatin1StringView("\\s*="),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::UseUnicodePropertiesOption);
}

// Whether a search from `from` may take the remembered result: the memo was
// searched from no later than `from` and found nothing, or found something
// at or after `from`.
bool covers(qsizetype memoFrom, qsizetype memoAt, qsizetype from)
{
    return memoFrom >= 0 && memoFrom <= from && (memoAt < 0 || memoAt >= from);
}

} // namespace

HtmlScanner::HtmlScanner(const QString &text)
    : m_text(text), m_validText(QStringView(text).isValidUtf16())
{
    m_href.expression = attributeExpression("href");
    m_src.expression = attributeExpression("src");
    m_alt.expression = attributeExpression("alt");
}

qsizetype HtmlScanner::next(Memo &memo, qsizetype from, QLatin1StringView pattern)
{
    if (!covers(memo.from, memo.at, from)) {
        memo.from = from;
        memo.at = m_text.indexOf(pattern, from, Qt::CaseInsensitive);
    }
    return memo.at;
}

qsizetype HtmlScanner::next(Memo &memo, qsizetype from, char16_t character)
{
    if (!covers(memo.from, memo.at, from)) {
        memo.from = from;
        memo.at = m_text.indexOf(QChar(character), from);
    }
    return memo.at;
}

// tagAttribute(text, name, from, Qt::CaseInsensitive, end) for the name of
// the attribute's expression.
QString HtmlScanner::attribute(Attribute &attribute, qsizetype from, int *end)
{
    from = std::max<qsizetype>(from, 0);
    // The expression finds nothing from the middle of a surrogate pair, where
    // a remembered match from further back would still be found.
    if (from > 0 && from < m_text.size() && m_text.at(from).isLowSurrogate() &&
        m_text.at(from - 1).isHighSurrogate() &&
        !attribute.expression.match(m_text, from).hasMatch())
        return QString();
    Memo &match = attribute.match;
    // Text with a lone surrogate, which no decoded page holds, is matched
    // only where the rest of it from the search position is well-formed, so
    // no earlier search tells anything there.
    if (!m_validText || !covers(match.from, match.at, from)) {
        // The subject was checked once for the whole page; checking it on
        // every lookup would read the rest of the page each time again.
        const QRegularExpressionMatch found = attribute.expression.match(
            m_text, from, QRegularExpression::NormalMatch,
            m_validText ? QRegularExpression::DontCheckSubjectStringMatchOption
                        : QRegularExpression::NoMatchOption);
        match.from = from;
        match.at = found.hasMatch() ? found.capturedStart() : -1;
        attribute.length = found.hasMatch() ? found.capturedLength() : 0;
    }
    const qsizetype start = match.at;
    if (start < 0)
        return QString();
    // Several lookups may meet the same match; its value is read once.
    if (attribute.valueAt != start) {
        attribute.valueAt = start;
        attribute.value = QString();
        attribute.end = -1;
        if (start > 0 && m_text.at(start - 1).isLetterOrNumber())
            return QString();
        // The match ends with its "=", the only one in it.
        qsizetype pos = start + attribute.length;
        const qsizetype size = m_text.size();
        while (pos < size && m_text.at(pos) == u' ')
            ++pos;
        if (pos >= size)
            return QString();
        qsizetype valueStart = pos;
        qsizetype valueEnd = -1;
        const QChar quote = m_text.at(pos);
        if (quote == u'"' || quote == u'\'') {
            valueStart = pos + 1;
            valueEnd = next(quote == u'"' ? m_quote : m_apostrophe, valueStart, quote.unicode());
        } else {
            const qsizetype space = next(m_space, pos, u' ');
            const qsizetype close = next(m_tagEnd, pos, u'>');
            if (space < 0)
                valueEnd = close;
            else if (close < 0)
                valueEnd = space;
            else
                valueEnd = std::min(space, close);
        }
        if (valueEnd < 0 || valueEnd == valueStart)
            return QString();
        attribute.value = m_text.mid(valueStart, valueEnd - valueStart);
        attribute.end = int(valueEnd);
    }
    if (attribute.value.isNull())
        return QString();
    if (end)
        *end = attribute.end;
    return attribute.value;
}

// elementText(text, "a", from, Qt::CaseInsensitive, end).
QString HtmlScanner::linkElement(qsizetype from, int *end)
{
    if (m_text.isEmpty())
        return QString();
    from = std::max<qsizetype>(from, 0);
    qsizetype open = next(m_bareOpen, from, QLatin1StringView("<a>"));
    if (open < 0)
        open = next(m_open, from, QLatin1StringView("<a "));
    if (open < 0)
        return QString();
    const qsizetype openEnd = next(m_tagEnd, open, u'>');
    if (openEnd < 0)
        return QString();
    const qsizetype contentStart = openEnd + 1;
    const qsizetype close = next(m_close, contentStart, QLatin1StringView("</a>"));
    if (close < 0)
        return QString();
    if (end)
        *end = int(close + 4);
    return m_text.mid(contentStart, close - contentStart);
}

int HtmlScanner::findLink(int from, QString &href, QString &linkText)
{
    href = attribute(m_href, from, nullptr);
    if (href.isEmpty())
        return -1;
    int end = -1;
    linkText = linkElement(from, &end);
    if (linkText.isEmpty())
        return -1;
    return end;
}

int HtmlScanner::findImage(int from, QString &src, QString &alt)
{
    const qsizetype image = next(m_image, std::max(from, 0), QLatin1StringView("<img "));
    if (image < 0)
        return -1;
    int srcEnd = -1;
    src = attribute(m_src, image, &srcEnd);
    if (src.isEmpty())
        return -1;
    int altEnd = -1;
    alt = attribute(m_alt, image, &altEnd);
    return std::max(srcEnd, altEnd);
}
