#include "cljsonstep.h"

namespace {

int hexValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// The code unit of the four hex digits at `at`, or -1.
int codeUnitAt(const QString &text, qsizetype at)
{
    if (at + 4 > text.size())
        return -1;
    int unit = 0;
    for (qsizetype i = at; i < at + 4; ++i) {
        const int digit = hexValue(text.at(i));
        if (digit < 0)
            return -1;
        unit = unit * 16 + digit;
    }
    return unit;
}

} // namespace

CLStepJsonString::CLStepJsonString() : CLStep({DataBytes, DataText}, DataText) {}

CLData *CLStepJsonString::process(CLData *input) const
{
    QString text;
    if (!textOf(input, text) || text.isEmpty())
        return nullptr;
    return new CLData(decode(text));
}

QString CLStepJsonString::decode(const QString &escaped)
{
    QString out;
    out.reserve(escaped.size());
    const qsizetype size = escaped.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = escaped.at(i);
        if (c != u'\\' || i + 1 >= size) {
            out.append(c);
            continue;
        }
        const char16_t next = escaped.at(i + 1).unicode();
        switch (next) {
        case u'"':
        case u'\\':
        case u'/':
            out.append(QChar(next));
            break;
        case u'b':
            out.append(QChar(u'\b'));
            break;
        case u'f':
            out.append(QChar(u'\f'));
            break;
        case u'n':
            out.append(QChar(u'\n'));
            break;
        case u'r':
            out.append(QChar(u'\r'));
            break;
        case u't':
            out.append(QChar(u'\t'));
            break;
        case u'u': {
            const int unit = codeUnitAt(escaped, i + 2);
            if (unit < 0) {
                out.append(c); // not an escape: kept as written
                continue;
            }
            qsizetype last = i + 5; // the escape's last digit
            const QChar decoded{char16_t(unit)};
            if (decoded.isHighSurrogate()) {
                // A character beyond the first plane is written as two escapes.
                const bool second = last + 2 < size && escaped.at(last + 1) == u'\\' &&
                                    escaped.at(last + 2) == u'u';
                const int low = second ? codeUnitAt(escaped, last + 3) : -1;
                if (low >= 0 && QChar(char16_t(low)).isLowSurrogate()) {
                    out.append(decoded);
                    out.append(QChar(char16_t(low)));
                    last += 6;
                } else {
                    out.append(QChar(QChar::ReplacementCharacter));
                }
            } else if (decoded.isLowSurrogate() || unit == 0) {
                out.append(QChar(QChar::ReplacementCharacter));
            } else {
                out.append(decoded);
            }
            i = last;
            continue;
        }
        default:
            out.append(c); // not an escape: kept as written
            continue;
        }
        ++i;
    }
    return out;
}
