#include "clfilter.h"

#include <QChar>

#include <array>
#include <cstring>
#include <vector>

namespace {

// Horspool on the window's last two bytes hashed into 256 entries: pairs are
// far rarer than single bytes in markup, so most windows move by a whole
// needle, and that move does not wait on the table lookup. Only the needle's
// last 256 bytes set shifts, which keeps every shift within a byte.
struct ShiftTable
{
    std::array<quint8, 256> shift;
    quint8 reach = 0;     ///< the longest shift: needle length - 1, at most 255
    quint8 lastShift = 0; ///< the move after a window whose last pair matched
};

inline uint pairHash(const uchar *last)
{
    return (uint(last[-1]) * 31u + uint(last[0])) & 0xffu;
}

void buildShiftTable(const QByteArray &needle, ShiftTable &table)
{
    const qsizetype length = needle.size();
    const qsizetype used = qMin<qsizetype>(length, 256);
    const auto *tail = reinterpret_cast<const uchar *>(needle.constData()) + (length - used);
    const uint reach = used > 1 ? uint(used - 1) : 0;
    table.reach = quint8(reach);
    table.shift.fill(quint8(reach));
    for (uint i = 1; i < reach; ++i)
        table.shift[pairHash(tail + i)] = quint8(reach - i);
    if (reach > 0) {
        const uint last = pairHash(tail + reach);
        table.lastShift = table.shift[last];
        table.shift[last] = 0;
    }
}

qsizetype horspool(const QByteArray &haystack, const QByteArray &needle, const ShiftTable &table,
                   qsizetype from)
{
    const qsizetype haystackLength = haystack.size();
    const qsizetype needleLength = needle.size();
    if (from < 0)
        from = qMax<qsizetype>(from + haystackLength, 0);
    if (from > haystackLength)
        return -1;
    if (needleLength == 0)
        return from;
    if (needleLength > haystackLength - from)
        return -1;

    const auto *h = reinterpret_cast<const uchar *>(haystack.constData());
    const auto *n = reinterpret_cast<const uchar *>(needle.constData());
    if (needleLength == 1) {
        const void *hit = std::memchr(h + from, n[0], size_t(haystackLength - from));
        return hit ? static_cast<const uchar *>(hit) - h : -1;
    }

    const auto &shift = table.shift;
    const qsizetype reach = table.reach;
    const qsizetype lastIndex = needleLength - 1;
    // `end` is the index of the byte under the needle's last byte.
    qsizetype end = from + lastIndex;
    while (end < haystackLength) {
        qsizetype step = shift[pairHash(h + end)];
        while (step == reach) {
            end += reach;
            if (end >= haystackLength)
                return -1;
            step = shift[pairHash(h + end)];
        }
        if (step != 0) {
            end += step;
            continue;
        }
        const qsizetype start = end - lastIndex;
        if (std::memcmp(h + start, n, size_t(needleLength)) == 0)
            return start;
        end += table.lastShift;
    }
    return -1;
}

struct BytePiece
{
    QByteArray needle;
    ShiftTable shift;
};

// One byte pattern: the pieces between its asterisks, in order.
class BytePattern
{
public:
    explicit BytePattern(const QString &pattern)
    {
        const QList<QByteArray> parts = pattern.toLatin1().split('*');
        for (const QByteArray &part : parts) {
            if (part.isEmpty())
                continue;
            m_pieces.emplace_back();
            m_pieces.back().needle = part;
            buildShiftTable(part, m_pieces.back().shift);
        }
    }

    bool foundIn(const QByteArray &bytes) const
    {
        qsizetype from = 0;
        for (const BytePiece &piece : m_pieces) {
            const qsizetype at = horspool(bytes, piece.needle, piece.shift, from);
            if (at < 0)
                return false;
            from = at + piece.needle.size();
        }
        return true;
    }

private:
    std::vector<BytePiece> m_pieces;
};

// A wildcard pattern read the way the old wildcard-to-regexp translation read
// it, so profiles written against it keep their meaning: a backslash is a
// literal that also keeps the next "*", "?", "[" or "]" literal and doubles
// itself before any other character; an unpaired "]" or an unclosed set
// makes the whole pattern match nothing.
class WildPattern
{
public:
    WildPattern(const QString &pattern, bool caseSensitive) : m_caseSensitive(caseSensitive)
    {
        m_tokens.push_back({AnyRun, 0, -1});
        m_valid = compile(pattern);
        if (m_tokens.back().kind != AnyRun)
            m_tokens.push_back({AnyRun, 0, -1});
    }

    bool isValid() const { return m_valid; }
    const std::vector<QString> &literalRuns() const { return m_runs; }

    bool foundIn(const QString &text) const
    {
        if (!m_valid)
            return false;
        if (m_literalOnly)
            return text.contains(m_literal,
                                 m_caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive);
        // Every token but the run takes exactly one code unit, so resuming
        // from the last run on a mismatch is enough.
        const qsizetype textLength = text.size();
        const qsizetype tokenCount = qsizetype(m_tokens.size());
        const QChar *units = text.constData();
        qsizetype t = 0;
        qsizetype p = 0;
        qsizetype runToken = -1;
        qsizetype runMark = 0;
        while (t < textLength) {
            if (p < tokenCount && m_tokens[size_t(p)].kind == AnyRun) {
                runToken = p++;
                runMark = t;
            } else if (p < tokenCount && accepts(m_tokens[size_t(p)], units[t])) {
                ++p;
                ++t;
            } else if (runToken >= 0) {
                p = runToken + 1;
                t = ++runMark;
            } else {
                return false;
            }
        }
        while (p < tokenCount && m_tokens[size_t(p)].kind == AnyRun)
            ++p;
        return p == tokenCount;
    }

private:
    enum Kind { Literal, AnyOne, AnyRun, Set };
    struct Token
    {
        Kind kind;
        char16_t unit; ///< lower-cased when the pattern ignores case
        int set;
    };
    struct CharSet
    {
        bool negated = false;
        std::vector<std::pair<char16_t, char16_t>> ranges;

        bool contains(char16_t unit) const
        {
            for (const auto &range : ranges) {
                if (unit >= range.first && unit <= range.second)
                    return true;
            }
            return false;
        }
    };

    static char16_t lower(char16_t unit) { return QChar(unit).toLower().unicode(); }
    static char16_t upper(char16_t unit) { return QChar(unit).toUpper().unicode(); }

    bool accepts(const Token &token, QChar ch) const
    {
        const char16_t unit = ch.unicode();
        switch (token.kind) {
        case Literal:
            return m_caseSensitive ? unit == token.unit : lower(unit) == token.unit;
        case AnyOne:
            return true;
        case Set: {
            const CharSet &set = m_sets[size_t(token.set)];
            if (m_caseSensitive)
                return set.contains(unit) != set.negated;
            // A set ignoring case is tried with both cases of the character,
            // never the character itself.
            const bool either = set.contains(lower(unit)) || set.contains(upper(unit));
            return either != set.negated;
        }
        case AnyRun:
            break;
        }
        return false;
    }

    void addLiteral(char16_t unit)
    {
        if (m_tokens.back().kind != Literal)
            m_runs.emplace_back();
        m_runs.back().append(QChar(unit));
        m_tokens.push_back({Literal, m_caseSensitive ? unit : lower(unit), -1});
        m_literal.append(QChar(unit));
    }

    void addAnyOne()
    {
        m_literalOnly = false;
        m_tokens.push_back({AnyOne, 0, -1});
    }

    void addRun()
    {
        m_literalOnly = false;
        if (m_tokens.back().kind != AnyRun)
            m_tokens.push_back({AnyRun, 0, -1});
    }

    bool compile(const QString &pattern)
    {
        const qsizetype length = pattern.size();
        bool escaping = false;
        qsizetype i = 0;
        while (i < length) {
            const char16_t unit = pattern.at(i++).unicode();
            switch (unit) {
            case u'\\':
                addLiteral(u'\\');
                escaping = true;
                continue;
            case u'*':
                if (escaping)
                    addLiteral(unit);
                else
                    addRun();
                break;
            case u'?':
                if (escaping)
                    addLiteral(unit);
                else
                    addAnyOne();
                break;
            case u'[':
                if (escaping) {
                    addLiteral(unit);
                    break;
                }
                if (!compileSet(pattern, i))
                    return false;
                break;
            case u']':
                if (!escaping)
                    return false;
                addLiteral(unit);
                break;
            default:
                if (escaping)
                    addLiteral(u'\\');
                addLiteral(unit);
                break;
            }
            escaping = false;
        }
        return true;
    }

    // Reads a set whose "[" is just behind `i`; leaves `i` behind its "]".
    bool compileSet(const QString &pattern, qsizetype &i)
    {
        const qsizetype length = pattern.size();
        CharSet set;
        if (i < length && pattern.at(i) == u'^') {
            set.negated = true;
            ++i;
        }
        const qsizetype start = i;
        // A "]" right after the opening (and its "^") belongs to the set.
        if (i < length && pattern.at(i) == u']')
            ++i;
        while (i < length && pattern.at(i) != u']')
            ++i;
        if (i >= length)
            return false;
        const qsizetype end = i++;

        bool charPending = false;
        bool rangePending = false;
        char16_t previous = 0;
        for (qsizetype k = start; k < end; ++k) {
            const char16_t unit = pattern.at(k).unicode();
            if (unit == u'-' && charPending && !rangePending) {
                rangePending = true;
                continue;
            }
            if (rangePending) {
                set.ranges.emplace_back(qMin(previous, unit), qMax(previous, unit));
                rangePending = false;
                charPending = false;
                continue;
            }
            if (charPending)
                set.ranges.emplace_back(previous, previous);
            previous = unit;
            charPending = true;
        }
        if (rangePending)
            set.ranges.emplace_back(u'-', u'-');
        if (charPending)
            set.ranges.emplace_back(previous, previous);

        m_literalOnly = false;
        m_sets.push_back(std::move(set));
        m_tokens.push_back({Set, 0, int(m_sets.size()) - 1});
        return true;
    }

    std::vector<Token> m_tokens;
    std::vector<CharSet> m_sets;
    bool m_caseSensitive;
    bool m_valid = false;
    // A pattern of plain characters is a substring search, which folds case
    // where the general matcher lower-cases; the two differ on a few letters.
    bool m_literalOnly = true;
    QString m_literal;
    std::vector<QString> m_runs;
};

} // namespace

// Patterns compiled for the lists they were built from; a filter whose
// public lists were edited directly rebuilds them on its next match.
class CLFilterCache
{
public:
    explicit CLFilterCache(const CLFilter &filter)
        : include(filter.include), exclude(filter.exclude), caseSensitivity(filter.caseSensitivity)
    {
    }

    bool isFor(const CLFilter &filter) const
    {
        return caseSensitivity == filter.caseSensitivity && include == filter.include &&
               exclude == filter.exclude;
    }

    void compileText()
    {
        if (textReady)
            return;
        const bool caseSensitive = caseSensitivity != 0;
        for (const QString &pattern : std::as_const(include))
            textInclude.emplace_back(pattern, caseSensitive);
        for (const QString &pattern : std::as_const(exclude))
            textExclude.emplace_back(pattern, caseSensitive);
        textReady = true;
    }

    void compileBytes()
    {
        if (bytesReady)
            return;
        for (const QString &pattern : std::as_const(include))
            bytesInclude.emplace_back(pattern);
        for (const QString &pattern : std::as_const(exclude))
            bytesExclude.emplace_back(pattern);
        bytesReady = true;
    }

    const QStringList include;
    const QStringList exclude;
    const int caseSensitivity;

    bool textReady = false;
    std::vector<WildPattern> textInclude;
    std::vector<WildPattern> textExclude;
    bool bytesReady = false;
    std::vector<BytePattern> bytesInclude;
    std::vector<BytePattern> bytesExclude;
};

CLFilter::CLFilter(Qt::CaseSensitivity caseSensitivity)
    : caseSensitivity(caseSensitivity == Qt::CaseSensitive ? 1 : 0)
{
}

CLFilter::~CLFilter() = default;

CLFilter::CLFilter(const CLFilter &other)
    : include(other.include), exclude(other.exclude), caseSensitivity(other.caseSensitivity)
{
}

CLFilter &CLFilter::operator=(const CLFilter &other)
{
    if (this != &other) {
        include = other.include;
        exclude = other.exclude;
        caseSensitivity = other.caseSensitivity;
        m_cache.reset();
    }
    return *this;
}

void CLFilter::addInclude(const QString &pattern)
{
    include.append(pattern);
    m_cache.reset();
}

void CLFilter::addExclude(const QString &pattern)
{
    exclude.append(pattern);
    m_cache.reset();
}

static CLFilterCache &cacheOf(const CLFilter &filter, std::unique_ptr<CLFilterCache> &cache)
{
    if (!cache || !cache->isFor(filter))
        cache = std::make_unique<CLFilterCache>(filter);
    return *cache;
}

template <typename Pattern, typename Subject>
static bool passes(const std::vector<Pattern> &include, const std::vector<Pattern> &exclude,
                   const Subject &subject)
{
    if (!include.empty()) {
        bool any = false;
        for (const Pattern &pattern : include) {
            if (pattern.foundIn(subject)) {
                any = true;
                break;
            }
        }
        if (!any)
            return false;
    }
    for (const Pattern &pattern : exclude) {
        if (pattern.foundIn(subject))
            return false;
    }
    return true;
}

bool matchText(const CLFilter &filter, const QString &text)
{
    if (filter.isEmpty())
        return true;
    CLFilterCache &cache = cacheOf(filter, filter.m_cache);
    cache.compileText();
    return passes(cache.textInclude, cache.textExclude, text);
}

bool matchBytes(const CLFilter &filter, const QByteArray &bytes)
{
    if (filter.isEmpty())
        return true;
    CLFilterCache &cache = cacheOf(filter, filter.m_cache);
    cache.compileBytes();
    return passes(cache.bytesInclude, cache.bytesExclude, bytes);
}

bool literalRunsOf(const QString &pattern, QStringList *runs)
{
    const WildPattern compiled(pattern, false);
    if (runs) {
        runs->clear();
        for (const QString &run : compiled.literalRuns())
            runs->append(run);
    }
    return compiled.isValid();
}

qsizetype searchBytes(const QByteArray &haystack, const QByteArray &needle, qsizetype from)
{
    ShiftTable table;
    // A single byte is found without the table, so don't pay for building it.
    if (needle.size() > 1)
        buildShiftTable(needle, table);
    return horspool(haystack, needle, table, from);
}
