#include "htmltext.h"

#include <QDomDocument>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QStringView>
#include <QXmlStreamReader>

#include <zlib.h>

#include <algorithm>
#include <iterator>
#include <limits>

namespace {

struct EntityEntry
{
    QStringView name;
    int codePoint;
};

// The character entity references of HTML 4.01 (Latin-1, symbol and special
// sets) and "apos". Decoded text may hold '<' and '&': whoever shows it as
// rich text escapes it.
constexpr EntityEntry Entities[] = {
    // Latin-1
    {u"nbsp", 160},
    {u"iexcl", 161},
    {u"cent", 162},
    {u"pound", 163},
    {u"curren", 164},
    {u"yen", 165},
    {u"brvbar", 166},
    {u"sect", 167},
    {u"uml", 168},
    {u"copy", 169},
    {u"ordf", 170},
    {u"laquo", 171},
    {u"not", 172},
    {u"shy", 173},
    {u"reg", 174},
    {u"macr", 175},
    {u"deg", 176},
    {u"plusmn", 177},
    {u"sup2", 178},
    {u"sup3", 179},
    {u"acute", 180},
    {u"micro", 181},
    {u"para", 182},
    {u"middot", 183},
    {u"cedil", 184},
    {u"sup1", 185},
    {u"ordm", 186},
    {u"raquo", 187},
    {u"frac14", 188},
    {u"frac12", 189},
    {u"frac34", 190},
    {u"iquest", 191},
    {u"Agrave", 192},
    {u"Aacute", 193},
    {u"Acirc", 194},
    {u"Atilde", 195},
    {u"Auml", 196},
    {u"Aring", 197},
    {u"AElig", 198},
    {u"Ccedil", 199},
    {u"Egrave", 200},
    {u"Eacute", 201},
    {u"Ecirc", 202},
    {u"Euml", 203},
    {u"Igrave", 204},
    {u"Iacute", 205},
    {u"Icirc", 206},
    {u"Iuml", 207},
    {u"ETH", 208},
    {u"Ntilde", 209},
    {u"Ograve", 210},
    {u"Oacute", 211},
    {u"Ocirc", 212},
    {u"Otilde", 213},
    {u"Ouml", 214},
    {u"times", 215},
    {u"Oslash", 216},
    {u"Ugrave", 217},
    {u"Uacute", 218},
    {u"Ucirc", 219},
    {u"Uuml", 220},
    {u"Yacute", 221},
    {u"THORN", 222},
    {u"szlig", 223},
    {u"agrave", 224},
    {u"aacute", 225},
    {u"acirc", 226},
    {u"atilde", 227},
    {u"auml", 228},
    {u"aring", 229},
    {u"aelig", 230},
    {u"ccedil", 231},
    {u"egrave", 232},
    {u"eacute", 233},
    {u"ecirc", 234},
    {u"euml", 235},
    {u"igrave", 236},
    {u"iacute", 237},
    {u"icirc", 238},
    {u"iuml", 239},
    {u"eth", 240},
    {u"ntilde", 241},
    {u"ograve", 242},
    {u"oacute", 243},
    {u"ocirc", 244},
    {u"otilde", 245},
    {u"ouml", 246},
    {u"divide", 247},
    {u"oslash", 248},
    {u"ugrave", 249},
    {u"uacute", 250},
    {u"ucirc", 251},
    {u"uuml", 252},
    {u"yacute", 253},
    {u"thorn", 254},
    {u"yuml", 255},
    // Symbols and Greek letters
    {u"fnof", 402},
    {u"Alpha", 913},
    {u"Beta", 914},
    {u"Gamma", 915},
    {u"Delta", 916},
    {u"Epsilon", 917},
    {u"Zeta", 918},
    {u"Eta", 919},
    {u"Theta", 920},
    {u"Iota", 921},
    {u"Kappa", 922},
    {u"Lambda", 923},
    {u"Mu", 924},
    {u"Nu", 925},
    {u"Xi", 926},
    {u"Omicron", 927},
    {u"Pi", 928},
    {u"Rho", 929},
    {u"Sigma", 931},
    {u"Tau", 932},
    {u"Upsilon", 933},
    {u"Phi", 934},
    {u"Chi", 935},
    {u"Psi", 936},
    {u"Omega", 937},
    {u"alpha", 945},
    {u"beta", 946},
    {u"gamma", 947},
    {u"delta", 948},
    {u"epsilon", 949},
    {u"zeta", 950},
    {u"eta", 951},
    {u"theta", 952},
    {u"iota", 953},
    {u"kappa", 954},
    {u"lambda", 955},
    {u"mu", 956},
    {u"nu", 957},
    {u"xi", 958},
    {u"omicron", 959},
    {u"pi", 960},
    {u"rho", 961},
    {u"sigmaf", 962},
    {u"sigma", 963},
    {u"tau", 964},
    {u"upsilon", 965},
    {u"phi", 966},
    {u"chi", 967},
    {u"psi", 968},
    {u"omega", 969},
    {u"thetasym", 977},
    {u"upsih", 978},
    {u"piv", 982},
    {u"bull", 8226},
    {u"hellip", 8230},
    {u"prime", 8242},
    {u"Prime", 8243},
    {u"oline", 8254},
    {u"frasl", 8260},
    {u"weierp", 8472},
    {u"image", 8465},
    {u"real", 8476},
    {u"trade", 8482},
    {u"alefsym", 8501},
    {u"larr", 8592},
    {u"uarr", 8593},
    {u"rarr", 8594},
    {u"darr", 8595},
    {u"harr", 8596},
    {u"crarr", 8629},
    {u"lArr", 8656},
    {u"uArr", 8657},
    {u"rArr", 8658},
    {u"dArr", 8659},
    {u"hArr", 8660},
    {u"forall", 8704},
    {u"part", 8706},
    {u"exist", 8707},
    {u"empty", 8709},
    {u"nabla", 8711},
    {u"isin", 8712},
    {u"notin", 8713},
    {u"ni", 8715},
    {u"prod", 8719},
    {u"sum", 8721},
    {u"minus", 8722},
    {u"lowast", 8727},
    {u"radic", 8730},
    {u"prop", 8733},
    {u"infin", 8734},
    {u"ang", 8736},
    {u"and", 8743},
    {u"or", 8744},
    {u"cap", 8745},
    {u"cup", 8746},
    {u"int", 8747},
    {u"there4", 8756},
    {u"sim", 8764},
    {u"cong", 8773},
    {u"asymp", 8776},
    {u"ne", 8800},
    {u"equiv", 8801},
    {u"le", 8804},
    {u"ge", 8805},
    {u"sub", 8834},
    {u"sup", 8835},
    {u"nsub", 8836},
    {u"sube", 8838},
    {u"supe", 8839},
    {u"oplus", 8853},
    {u"otimes", 8855},
    {u"perp", 8869},
    {u"sdot", 8901},
    {u"lceil", 8968},
    {u"rceil", 8969},
    {u"lfloor", 8970},
    {u"rfloor", 8971},
    {u"lang", 9001},
    {u"rang", 9002},
    {u"loz", 9674},
    {u"spades", 9824},
    {u"clubs", 9827},
    {u"hearts", 9829},
    {u"diams", 9830},
    // Markup-significant and internationalisation characters
    {u"quot", 34},
    {u"amp", 38},
    {u"apos", 39},
    {u"lt", 60},
    {u"gt", 62},
    {u"OElig", 338},
    {u"oelig", 339},
    {u"Scaron", 352},
    {u"scaron", 353},
    {u"Yuml", 376},
    {u"circ", 710},
    {u"tilde", 732},
    {u"ensp", 8194},
    {u"emsp", 8195},
    {u"thinsp", 8201},
    {u"zwnj", 8204},
    {u"zwj", 8205},
    {u"lrm", 8206},
    {u"rlm", 8207},
    {u"ndash", 8211},
    {u"mdash", 8212},
    {u"lsquo", 8216},
    {u"rsquo", 8217},
    {u"sbquo", 8218},
    {u"ldquo", 8220},
    {u"rdquo", 8221},
    {u"bdquo", 8222},
    {u"dagger", 8224},
    {u"Dagger", 8225},
    {u"permil", 8240},
    {u"lsaquo", 8249},
    {u"rsaquo", 8250},
    {u"euro", 8364},
};
static_assert(std::size(Entities) == EntityCount, "the entity table holds every name");

constexpr qsizetype LongestEntityName = 8; // "thetasym"

// Keys are views of the static names above, so lookups through a view of the
// page text need no allocation.
QHash<QStringView, int> &entityTable()
{
    static QHash<QStringView, int> table;
    return table;
}

int lookupEntity(QStringView name)
{
    if (name.size() > LongestEntityName)
        return 0;
    const QHash<QStringView, int> &table = entityTable();
    const auto it = table.constFind(name);
    return it == table.cend() ? 0 : it.value();
}

constexpr bool isAsciiSpace(char16_t c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Same acceptance as QString::toInt (base 10), without building a copy of a
// possibly long run of text.
int decimalValue(QStringView s)
{
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isAsciiSpace(s[begin].unicode()))
        ++begin;
    while (end > begin && isAsciiSpace(s[end - 1].unicode()))
        --end;
    bool negative = false;
    if (begin < end && (s[begin] == u'+' || s[begin] == u'-')) {
        negative = s[begin] == u'-';
        ++begin;
    }
    if (begin == end)
        return 0;
    qint64 value = 0;
    const qint64 limit =
        negative ? qint64(std::numeric_limits<int>::max()) + 1 : std::numeric_limits<int>::max();
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = s[i].unicode();
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
        if (value > limit)
            return 0;
    }
    return int(negative ? -value : value);
}

// The character of a numeric reference's digits (after "#": decimal, or
// hexadecimal after "x"); 0 when they are no number. A number that names no
// character (0, a surrogate, above U+10FFFF) gives U+FFFD.
char32_t numericReference(QStringView digits)
{
    int base = 10;
    if (!digits.isEmpty() && (digits.front() == u'x' || digits.front() == u'X')) {
        base = 16;
        digits = digits.sliced(1);
    }
    if (digits.isEmpty())
        return 0;
    char32_t value = 0;
    for (const QChar digit : digits) {
        const char16_t c = digit.unicode();
        int d = -1;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            d = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        if (d < 0)
            return 0;
        // Saturates: any number past the last code point is as wrong as another.
        value = qMin<char32_t>(value * base + d, 0x110000);
    }
    if (value == 0 || value > 0x10FFFF || QChar::isSurrogate(value))
        return QChar::ReplacementCharacter;
    return value;
}

enum class TagBreak { None, Line, Block };

// What the tag starting at `at` ('<') does to the lines of the text: "br" in
// any form breaks the line, a block element (opening or closing) puts what
// follows on a line of its own.
TagBreak tagBreak(QStringView text, qsizetype at)
{
    static constexpr const char *Blocks[] = {
        "div", "h1", "h2", "h3", "h4", "h5", "h6", "li", "ul", "ol", "table", "tr", "blockquote",
        "pre", "hr", "section", "article", "header", "footer", "figure", "figcaption", "aside",
        "nav", "address", "main"};
    qsizetype begin = at + 1;
    if (begin < text.size() && text[begin] == u'/')
        ++begin;
    qsizetype end = begin;
    while (end < text.size() && end - begin <= 10 && text[end].unicode() < 128 &&
           text[end].isLetterOrNumber())
        ++end;
    if (end == begin || end - begin > 10 ||
        (end < text.size() && text[end] != u'>' && text[end] != u'/' && !text[end].isSpace()))
        return TagBreak::None;
    const QStringView name = text.sliced(begin, end - begin);
    // Most tags of a page are inline ones: "a", "span", "img", "b", "i".
    const char16_t first = name.front().unicode() | 0x20;
    if (first == u'a' ? name.size() < 4 : !QLatin1StringView("bdhlouptsfnm").contains(QChar(first)))
        return TagBreak::None;
    if (name.compare(QLatin1StringView("br"), Qt::CaseInsensitive) == 0)
        return TagBreak::Line;
    for (const char *block : Blocks) {
        if (name.compare(QLatin1StringView(block), Qt::CaseInsensitive) == 0)
            return TagBreak::Block;
    }
    return TagBreak::None;
}

// Case folding as QString's case-insensitive comparison does it, for the
// ASCII-only patterns below.
constexpr char16_t foldForAscii(char16_t c)
{
    if (c >= u'A' && c <= u'Z')
        return c + (u'a' - u'A');
    if (c == 0x017F) // LATIN SMALL LETTER LONG S
        return u's';
    if (c == 0x212A) // KELVIN SIGN
        return u'k';
    return c;
}

// Whether `pattern` (lower-case ASCII) starts at `i` with at least one more
// character after it.
bool startsWithFollowed(const QChar *s, qsizetype n, qsizetype i, QLatin1StringView pattern)
{
    const qsizetype len = pattern.size();
    if (i + len >= n)
        return false;
    for (qsizetype k = 0; k < len; ++k) {
        if (foldForAscii(s[i + k].unicode()) != pattern[k].unicode())
            return false;
    }
    return true;
}

// Compiled patterns are kept because the same few names are looked up on
// every page.
QRegularExpression cachedExpression(const QString &pattern,
                                    QRegularExpression::PatternOptions options)
{
    thread_local QHash<QString, QRegularExpression> cache;
    const QString key = QString::number(int(options)) + QLatin1Char(':') + pattern;
    const auto it = cache.constFind(key);
    if (it != cache.cend())
        return it.value();
    if (cache.size() >= 256)
        cache.clear();
    QRegularExpression expression(pattern, options);
    cache.insert(key, expression);
    return expression;
}

QRegularExpression::PatternOptions caseOption(Qt::CaseSensitivity cs)
{
    return cs == Qt::CaseInsensitive ? QRegularExpression::CaseInsensitiveOption
                                     : QRegularExpression::NoPatternOption;
}

} // namespace

void fillEntityTable()
{
    QHash<QStringView, int> &table = entityTable();
    table.clear();
    table.reserve(qsizetype(std::size(Entities)));
    for (const EntityEntry &entry : Entities)
        table.insert(entry.name, entry.codePoint);
}

int entityCodePoint(const QString &name)
{
    return lookupEntity(name);
}

int entityTableSize()
{
    return int(entityTable().size());
}

QString htmlToText(const QString &text, bool decodeEntities, bool filterSpace)
{
    const qsizetype n = text.size();
    if (n == 0)
        return QString();
    const QChar *s = text.constData();
    const QStringView view(text);

    qsizetype i = 0;
    const qsizetype firstClose = view.indexOf(u'>');
    if (firstClose > 0) {
        const qsizetype firstOpen = view.indexOf(u'<');
        if (firstOpen < 0 || firstOpen > firstClose)
            i = firstClose + 1;
    }

    // Every input character yields at most one output character.
    QString result(n - i, Qt::Uninitialized);
    QChar *out = result.data();
    qsizetype len = 0;

    bool inTag = false;
    bool inComment = false;
    bool skipBreaks = filterSpace;
    // A block element ended or began: the next text starts a new line, as in a browser.
    bool pendingBreak = false;
    const auto startText = [&] {
        if (pendingBreak && len > 0 && out[len - 1] != u'\n')
            out[len++] = u'\n';
        pendingBreak = false;
    };
    // Position of the first ';' at or after the current '&'; n when none is left.
    qsizetype nextSemicolon = -1;

    while (i < n) {
        if (inTag) {
            const qsizetype close = view.indexOf(u'>', i);
            if (close < 0)
                break;
            inTag = false;
            i = close + 1;
            continue;
        }
        if (inComment) {
            const qsizetype close = view.indexOf(QLatin1StringView("-->"), i);
            if (close < 0 || close + 3 >= n)
                break;
            inComment = false;
            i = close + 3;
            continue;
        }

        const char16_t c = s[i].unicode();
        switch (c) {
        case u'<':
            if (startsWithFollowed(s, n, i, QLatin1StringView("<!--"))) {
                inComment = true;
                i += 4;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("<p>"))) {
                out[len++] = u'\n';
                skipBreaks = false;
                i += 3;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("</p>"))) {
                out[len++] = u'\n';
                skipBreaks = filterSpace;
                i += 4;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("<br>"))) {
                out[len++] = u'\n';
                i += 4;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("<br />"))) {
                out[len++] = u'\n';
                i += 6;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("<style"))) {
                const qsizetype close =
                    view.indexOf(QLatin1StringView("</style>"), i + 6, Qt::CaseInsensitive);
                if (close < 0)
                    i = n;
                else
                    i = close + 8;
            } else if (startsWithFollowed(s, n, i, QLatin1StringView("<script"))) {
                const qsizetype close =
                    view.indexOf(QLatin1StringView("</script>"), i + 7, Qt::CaseInsensitive);
                if (close < 0)
                    i = n;
                else
                    i = close + 9;
            } else {
                const TagBreak kind = tagBreak(view, i);
                if (kind == TagBreak::Line)
                    out[len++] = u'\n';
                else if (kind == TagBreak::Block)
                    pendingBreak = true;
                inTag = true;
                ++i;
            }
            continue;
        case u'-':
            // A fragment cut from inside a comment: what came before is comment text.
            if (i + 2 < n && s[i + 1] == u'-' && s[i + 2] == u'>') {
                len = 0;
                i += 3;
                continue;
            }
            break;
        case u'\t':
        case u'\n':
            if (skipBreaks || pendingBreak) {
                ++i;
                continue;
            }
            break;
        case u' ':
            if (len == 0 || out[len - 1] == u' ' || pendingBreak) {
                ++i;
                continue;
            }
            break;
        case u'&': {
            if (!decodeEntities)
                break;
            if (nextSemicolon < i) {
                nextSemicolon = view.indexOf(u';', i);
                if (nextSemicolon < 0)
                    nextSemicolon = n;
            }
            if (nextSemicolon == n || nextSemicolon == i + 1) {
                if (i + 1 < n && s[i + 1] == u'#' && n - i >= 6) {
                    const int value = decimalValue(view.sliced(i + 2, 4));
                    if (value > 0) {
                        startText();
                        out[len++] = QChar(char16_t(value & 0xFFFF));
                    }
                    i += 6;
                    continue;
                }
                break; // an '&' that starts no reference is text
            }
            const QStringView name = view.sliced(i + 1, nextSemicolon - i - 1);
            const char32_t value =
                name.front() == u'#' ? numericReference(name.sliced(1)) : lookupEntity(name);
            if (value == 0)
                break;
            startText();
            // Each reference is at least four characters long, so the result still fits.
            if (QChar::requiresSurrogates(value)) {
                out[len++] = QChar::highSurrogate(value);
                out[len++] = QChar::lowSurrogate(value);
            } else {
                out[len++] = QChar(char16_t(value));
            }
            i = nextSemicolon + 1;
            continue;
        }
        case u'g':
        case u'G':
            // A bare "gt;" before more text reads as '>', as pages that lost their '&' mean it.
            if (i + 3 < n && (s[i + 1] == u't' || s[i + 1] == u'T') && s[i + 2] == u';') {
                startText();
                out[len++] = u'>';
                i += 3;
                continue;
            }
            break;
        default:
            break;
        }
        startText();
        out[len++] = s[i];
        ++i;
    }

    result.truncate(len);
    if (result.capacity() > 2 * len + 64)
        result.squeeze();
    return result;
}

QString decodeEntities(const QString &text)
{
    const qsizetype n = text.size();
    if (!text.contains(u'&'))
        return text;
    QString result;
    result.reserve(n);
    const QStringView view(text);
    qsizetype i = 0;
    while (i < n) {
        const qsizetype amp = view.indexOf(u'&', i);
        if (amp < 0) {
            result += view.sliced(i);
            break;
        }
        result += view.sliced(i, amp - i);
        i = amp + 1;
        // Names are short; a ';' far away belongs to something else.
        const qsizetype semicolon = view.indexOf(u';', i);
        if (semicolon < 0 || semicolon == i || semicolon - i > 10) {
            result += u'&';
            continue;
        }
        const QStringView name = view.sliced(i, semicolon - i);
        char32_t value = 0;
        // The same reading as htmlToText: U+FFFD for 0, surrogates and numbers past the last code point.
        if (name.front() == u'#')
            value = numericReference(name.sliced(1));
        else
            value = char32_t(lookupEntity(name));
        if (!value) {
            result += u'&';
            continue;
        }
        result += QString::fromUcs4(&value, 1);
        i = semicolon + 1;
    }
    return result;
}

QString htmlAttributeUrl(const QString &url)
{
    QString result;
    result.reserve(url.size());
    for (const QChar c : url) {
        const char16_t u = c.unicode();
        const bool control = u < 0x20 || (u >= 0x7F && u <= 0x9F);
        if (!control && u != u'\\' && u != u'\'' && u != u'"' && u != u'<' && u != u'>') {
            result += c;
            continue;
        }
        // Percent-encoded as the UTF-8 bytes a URL carries.
        for (const char byte : QString(c).toUtf8())
            result += QStringLiteral("%%1").arg(uchar(byte), 2, 16, QLatin1Char('0')).toUpper();
    }
    return result;
}

QString toParagraphs(const QString &text)
{
    QString result;
    const QStringView view(text);
    qsizetype i = 0;
    const qsizetype n = view.size();
    int paragraphs = 0;
    while (i < n) {
        qsizetype lineFeed = view.indexOf(u'\n', i);
        if (lineFeed < 0)
            lineFeed = n;
        if (lineFeed > i) {
            // Each paragraph or line break costs the text engine dearly; past the
            // limit the lines run on in the last paragraph, all of them shown.
            if (paragraphs < MaxParagraphs) {
                if (paragraphs > 0)
                    result += QLatin1StringView("</P>");
                result += QLatin1StringView("<P>");
                ++paragraphs;
            } else {
                result += QLatin1Char(u' ');
            }
            result += view.sliced(i, lineFeed - i);
        }
        i = lineFeed + 1;
    }
    if (paragraphs > 0)
        result += QLatin1StringView("</P>");
    return result;
}

QString findAttributeValue(const QString &text, const QString &name, int from,
                           Qt::CaseSensitivity cs)
{
    if (text.isEmpty() || name.isEmpty())
        return QString();
    static const QLatin1StringView suffixes[] = {
        QLatin1StringView("=\"(.*?)\""),
        QLatin1StringView("='(.*?)'"),
        QLatin1StringView("=(.*?)[ >]"),
    };
    const QRegularExpression::PatternOptions options =
        caseOption(cs) | QRegularExpression::DotMatchesEverythingOption;
    for (const QLatin1StringView &suffix : suffixes) {
        const QString pattern = QLatin1Char(' ') + name + suffix;
        const QRegularExpression expression = cachedExpression(pattern, options);
        if (!expression.isValid())
            return QString();
        const QRegularExpressionMatch match = expression.match(text, std::max(from, 0));
        if (match.hasMatch())
            return match.captured(1);
    }
    return QString();
}

QString tagAttribute(const QString &text, const QString &name, int from, Qt::CaseSensitivity cs,
                     int *end)
{
    const QString attribute = name.trimmed();
    if (text.isEmpty() || attribute.isEmpty())
        return QString();
    const QRegularExpression expression =
        cachedExpression(attribute + QLatin1StringView("\\s*="),
                         caseOption(cs) | QRegularExpression::UseUnicodePropertiesOption);
    if (!expression.isValid())
        return QString();
    const QRegularExpressionMatch match = expression.match(text, std::max(from, 0));
    if (!match.hasMatch())
        return QString();
    const qsizetype start = match.capturedStart();
    if (start > 0 && text.at(start - 1).isLetterOrNumber())
        return QString();

    qsizetype pos = text.indexOf(u'=', start);
    if (pos < 0)
        return QString();
    ++pos;
    while (pos < text.size() && text.at(pos) == u' ')
        ++pos;
    if (pos >= text.size())
        return QString();

    qsizetype valueStart = pos;
    qsizetype valueEnd = -1;
    const QChar quote = text.at(pos);
    if (quote == u'"' || quote == u'\'') {
        valueStart = pos + 1;
        valueEnd = text.indexOf(quote, valueStart);
    } else {
        const qsizetype space = text.indexOf(u' ', pos);
        const qsizetype close = text.indexOf(u'>', pos);
        if (space < 0)
            valueEnd = close;
        else if (close < 0)
            valueEnd = space;
        else
            valueEnd = std::min(space, close);
    }
    if (valueEnd < 0 || valueEnd == valueStart)
        return QString();
    if (end)
        *end = int(valueEnd);
    return text.mid(valueStart, valueEnd - valueStart);
}

QString elementText(const QString &text, const QString &tag, int from, Qt::CaseSensitivity cs,
                    int *end)
{
    const QString name = tag.trimmed();
    if (text.isEmpty() || name.isEmpty())
        return QString();
    from = std::max(from, 0);
    qsizetype open = text.indexOf(QLatin1Char('<') + name + QLatin1Char('>'), from, cs);
    if (open < 0)
        open = text.indexOf(QLatin1Char('<') + name + QLatin1Char(' '), from, cs);
    if (open < 0)
        return QString();
    const qsizetype openEnd = text.indexOf(u'>', open);
    if (openEnd < 0)
        return QString();
    const qsizetype contentStart = openEnd + 1;
    const QString closing = QLatin1StringView("</") + name + QLatin1Char('>');
    const qsizetype close = text.indexOf(closing, contentStart, cs);
    if (close < 0)
        return QString();
    if (end)
        *end = int(close + closing.size());
    return text.mid(contentStart, close - contentStart);
}

int findImage(const QString &text, int from, QString &src, QString &alt)
{
    const qsizetype image =
        text.indexOf(QLatin1StringView("<img "), std::max(from, 0), Qt::CaseInsensitive);
    if (image < 0)
        return -1;
    int srcEnd = -1;
    src = tagAttribute(text, QStringLiteral("src"), int(image), Qt::CaseInsensitive, &srcEnd);
    if (src.isEmpty())
        return -1;
    int altEnd = -1;
    alt = tagAttribute(text, QStringLiteral("alt"), int(image), Qt::CaseInsensitive, &altEnd);
    return std::max(srcEnd, altEnd);
}

int findLink(const QString &text, int from, QString &href, QString &linkText)
{
    href = tagAttribute(text, QStringLiteral("href"), from, Qt::CaseInsensitive);
    if (href.isEmpty())
        return -1;
    int end = -1;
    linkText = elementText(text, QStringLiteral("a"), from, Qt::CaseInsensitive, &end);
    if (linkText.isEmpty())
        return -1;
    return end;
}

QString readTextFile(const QString &path)
{
    if (path.isEmpty())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = file.readAll();
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(nul));
}

QByteArray packXml(const QByteArray &xml)
{
    if (quint64(xml.size()) > std::numeric_limits<quint32>::max())
        return QByteArray();
    uLongf bound = compressBound(uLong(xml.size()));
    QByteArray packed(qsizetype(bound) + 4, Qt::Uninitialized);
    const quint32 size = quint32(xml.size());
    packed[0] = char(size >> 24);
    packed[1] = char(size >> 16);
    packed[2] = char(size >> 8);
    packed[3] = char(size);
    if (compress2(reinterpret_cast<Bytef *>(packed.data() + 4), &bound,
                  reinterpret_cast<const Bytef *>(xml.constData()), uLong(xml.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        return QByteArray();
    packed.resize(qsizetype(bound) + 4);
    return packed;
}

QByteArray unpackXml(const QByteArray &packed, bool *ok)
{
    if (ok)
        *ok = false;
    if (packed.size() < 4)
        return QByteArray();
    const auto *header = reinterpret_cast<const uchar *>(packed.constData());
    const qint64 declared = (qint64(header[0]) << 24) | (qint64(header[1]) << 16) |
                            (qint64(header[2]) << 8) | qint64(header[3]);
    // A hostile header must not make us allocate what it claims.
    if (declared > MaxXmlDataSize)
        return QByteArray();
    const qint64 input = packed.size() - 4;
    if (input > qint64(std::numeric_limits<uInt>::max()))
        return QByteArray();

    z_stream stream = {};
    if (inflateInit(&stream) != Z_OK)
        return QByteArray();
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData() + 4));
    stream.avail_in = uInt(input);

    // One byte beyond the declared size shows a stream that inflates to more.
    const qint64 limit = declared + 1;
    QByteArray xml(qsizetype(std::min<qint64>(limit, std::max<qint64>(4 * input, 64 * 1024))),
                   Qt::Uninitialized);
    qint64 produced = 0;
    bool finished = false;
    for (;;) {
        if (produced == xml.size()) {
            if (xml.size() >= limit)
                break;
            xml.resize(qsizetype(std::min<qint64>(limit, 2 * qint64(xml.size()))));
        }
        stream.next_out = reinterpret_cast<Bytef *>(xml.data() + produced);
        stream.avail_out = uInt(xml.size() - produced);
        const int status = inflate(&stream, Z_NO_FLUSH);
        produced = xml.size() - stream.avail_out;
        if (status == Z_STREAM_END) {
            finished = true;
            break;
        }
        if (status != Z_OK)
            break;
        if (stream.avail_in == 0 && stream.avail_out > 0)
            break; // truncated stream
    }
    inflateEnd(&stream);
    if (!finished || produced > declared)
        return QByteArray();
    xml.truncate(qsizetype(produced));
    if (ok)
        *ok = true;
    return xml;
}

bool checkXmlDepth(const QByteArray &xml, int maxDepth, XmlLoadError *error, int maxElements)
{
    QXmlStreamReader reader(xml);
    reader.setNamespaceProcessing(false);
    int depth = 0;
    int elements = 0;
    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartElement:
            if (maxElements >= 0 && ++elements > maxElements) {
                if (error) {
                    error->reason = QStringLiteral("more than %1 elements").arg(maxElements);
                    error->line = int(reader.lineNumber());
                    error->column = int(reader.columnNumber());
                }
                return false;
            }
            if (++depth > maxDepth) {
                if (error) {
                    error->reason =
                        QStringLiteral("elements nested deeper than %1 levels").arg(maxDepth);
                    error->line = int(reader.lineNumber());
                    error->column = int(reader.columnNumber());
                }
                return false;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        default:
            break;
        }
    }
    return true;
}

bool parseXmlDocument(const QByteArray &xml, QDomDocument &document, XmlLoadError *error)
{
    if (!checkXmlDepth(xml, MaxXmlDepth, error))
        return false;
    QString message;
    int line = -1;
    int column = -1;
    if (document.setContent(xml, false, &message, &line, &column))
        return true;
    if (error) {
        error->reason = QStringLiteral("not well-formed XML: ") + message;
        error->line = line;
        error->column = column;
    }
    return false;
}

std::unique_ptr<QDomDocument> parseDataFile(const QByteArray &bytes, bool plainXml,
                                            XmlLoadError *error)
{
    auto refuse = [error](const QString &reason) {
        if (error)
            error->reason = reason;
        return nullptr;
    };
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(MaxDataFileSize);
    if (bytes.size() > MaxDataFileSize)
        return refuse(tooLarge);
    QByteArray xml = bytes;
    if (!plainXml) {
        bool ok = false;
        xml = unpackXml(bytes, &ok);
        if (!ok)
            return refuse(QStringLiteral("not a compressed XML file"));
        if (xml.size() > MaxDataFileSize)
            return refuse(tooLarge);
    }
    if (!checkXmlDepth(xml, MaxXmlDepth, error, MaxDataFileElements))
        return nullptr;
    auto document = std::make_unique<QDomDocument>();
    if (!parseXmlDocument(xml, *document, error))
        return nullptr;
    return document;
}

std::unique_ptr<QDomDocument> loadDataFile(const QString &path, XmlLoadError *error)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        if (error)
            error->reason = QStringLiteral("cannot be read");
        return nullptr;
    }
    if (file.size() > MaxDataFileSize) {
        if (error)
            error->reason = QStringLiteral("larger than %1 bytes").arg(MaxDataFileSize);
        return nullptr;
    }
    const QByteArray bytes = file.read(MaxDataFileSize + 1);
    return parseDataFile(bytes, path.right(4).toUpper() == QLatin1StringView(".XML"), error);
}

std::unique_ptr<QDomDocument> loadXmlDocument(const QString &path, XmlLoadError *error)
{
    if (path.isEmpty()) {
        if (error)
            error->reason = QStringLiteral("no file name");
        return nullptr;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            error->reason = QStringLiteral("cannot be read");
        return nullptr;
    }
    QByteArray bytes = file.readAll();
    file.close();
    if (path.right(4).toUpper() != QLatin1StringView(".XML")) {
        bool ok = false;
        bytes = unpackXml(bytes, &ok);
        if (!ok) {
            if (error)
                error->reason = QStringLiteral("not a compressed XML file");
            return nullptr;
        }
    }
    auto document = std::make_unique<QDomDocument>();
    if (!parseXmlDocument(bytes, *document, error))
        return nullptr;
    return document;
}
