#include "clcuttingsteps.h"

bool CLPoint::isValid() const
{
    return invalidReason().isEmpty();
}

QString CLPoint::invalidReason() const
{
    if (pattern.isEmpty())
        return QStringLiteral("pattern is empty");
    if (direction != PointForward && direction != PointBackward)
        return QStringLiteral("direction is not set");
    if (from != PointFromBegin && from != PointFromEnd && from != PointFromPrevious)
        return QStringLiteral("start is not set");
    if (occurrence < 1)
        return QStringLiteral("occurrence is below 1");
    if (from == PointFromBegin && offset < 0)
        return QStringLiteral("offset must be 0 or more from the beginning");
    if (from == PointFromEnd && offset > 0)
        return QStringLiteral("offset must be 0 or less from the end");
    if (direction == PointForward && from == PointFromEnd)
        return QStringLiteral("a forward point cannot start from the end");
    if (direction == PointBackward && from == PointFromBegin)
        return QStringLiteral("a backward point cannot start from the beginning");
    return QString();
}

static bool inOrder(qsizetype start, qsizetype end, qsizetype size)
{
    return start <= size && end >= 0 && end <= size && start < end;
}

int findPoint(const QByteArray &bytes, const CLPoint &point, int base, const QString &codeset)
{
    const qsizetype size = bytes.size();
    if (size == 0)
        return -1;

    const bool forward = point.direction == PointForward;
    qsizetype start = 0;
    qsizetype end = size;
    if (forward) {
        if (point.from == PointFromBegin)
            start = 0;
        else if (point.from == PointFromPrevious)
            start = base;
        else
            return -1;
        start += point.offset;
        if (start < 0 || start >= size)
            return -1;
    } else if (point.direction == PointBackward) {
        if (point.from == PointFromEnd)
            end = size;
        else if (point.from == PointFromPrevious)
            end = base;
        else
            return -1;
        end += point.offset;
        if (end < 1)
            return -1;
    } else {
        return -1;
    }
    if (!inOrder(start, end, size))
        return -1;

    const QByteArray pattern = encodeWith(codeset, point.pattern);
    // An empty pattern would "match" at every position and never move.
    if (pattern.isEmpty())
        return -1;
    for (int pass = 0; pass < point.occurrence; ++pass) {
        if (forward) {
            // Searching from one past the position skips a match right at it,
            // so a match at the very start of the data is never found.
            start = searchBytes(bytes, pattern, start + 1);
            if (start < 0)
                return -1;
        } else {
            // Later passes step before the match already found, so the
            // occurrence counts matches back from the end.
            end = bytes.lastIndexOf(pattern, pass == 0 ? end : end - 1);
        }
        if (!inOrder(start, end, size))
            return -1;
    }
    return int(forward ? start : end);
}

CLStepPairPointer::CLStepPairPointer() : CLStep({DataBytes}, DataBytes) {}

CLStepPairPointer::~CLStepPairPointer()
{
    delete pointA;
    delete pointB;
}

CLData *CLStepPairPointer::process(CLData *input) const
{
    if (!input || input->type != DataBytes || outputType != DataBytes || !pointA)
        return nullptr;
    // A page the filter doesn't select keeps all its bytes for the next step.
    if (!matchBytes(contentFilter, input->bytes))
        return input;

    const QByteArray &bytes = input->bytes;
    const QString codes = codeset();
    const int a = findPoint(bytes, *pointA, 0, codes);
    if (a < 0)
        return nullptr;
    int b;
    if (pointB) {
        b = findPoint(bytes, *pointB, a, codes);
        if (b < 0)
            return nullptr;
    } else {
        b = pointA->direction == PointForward ? int(bytes.size()) - 1 : 0;
    }
    if (a == b)
        return nullptr;
    const int first = qMin(a, b);
    const int length = qMax(a, b) - first;
    return new CLData(bytes.mid(first, length));
}

CLStepSectionCutter::CLStepSectionCutter() : CLStep({DataBytes, DataText}, DataText) {}

namespace {

// Cuts the sections out in one pass over the text, with the results of
// cutting one section at a time and searching again from the start: the
// kept text is copied out as the search passes it, never searched twice and
// never shifted.
QString cutSections(const QString &text, const QString &startPattern, const QString &endPattern,
                    bool cutAll, bool cutPattern)
{
    const qsizetype startLength = startPattern.size();
    const qsizetype endLength = endPattern.size();
    // Two empty patterns would cut nothing, pass after pass, forever.
    if (startLength == 0 && endLength == 0)
        return text;

    if (!cutPattern) {
        // Both patterns stay, so no text that was searched moves again. The
        // first search skips as many characters as the end pattern has
        // although none was kept yet, each later one starts behind the end
        // pattern that was kept.
        QString result;
        qsizetype copied = 0;
        qsizetype p = 0;
        for (;;) {
            p += endLength;
            const qsizetype i = text.indexOf(startPattern, p, Qt::CaseSensitive);
            if (i < 0)
                break;
            p = i + startLength;
            const qsizetype j = text.indexOf(endPattern, p, Qt::CaseSensitive);
            if (j < 0)
                break;
            result.append(QStringView(text).mid(copied, p - copied));
            copied = j;
            p = j;
            if (!cutAll)
                break;
        }
        if (copied == 0)
            return text;
        result.append(QStringView(text).mid(copied));
        return result;
    }

    // Each cut takes both patterns with it and the search starts again at the
    // beginning of what is left. What is left is the text kept so far (`kept`,
    // holding no start pattern) followed by the text from `rest` on; a start
    // pattern may still form across the place where the two meet.
    QString kept;
    qsizetype rest = 0;
    const qsizetype overlap = qMax<qsizetype>(startLength - 1, 0);
    for (;;) {
        qsizetype keptStart = -1; // where a start pattern across the seam begins in `kept`
        qsizetype searchEnd = -1; // where the search for the end pattern begins in `text`
        const qsizetype tail = qMin(overlap, kept.size());
        if (tail > 0) {
            QString seam = kept.right(tail);
            seam.append(QStringView(text).mid(rest, qMin(overlap, text.size() - rest)));
            const qsizetype s = seam.indexOf(startPattern, 0, Qt::CaseSensitive);
            if (s >= 0 && s < tail) {
                keptStart = kept.size() - tail + s;
                searchEnd = rest + (s + startLength - tail);
            }
        }
        qsizetype i = -1;
        if (keptStart < 0) {
            i = text.indexOf(startPattern, rest, Qt::CaseSensitive);
            if (i < 0)
                break;
            searchEnd = i + startLength;
        }
        const qsizetype j = text.indexOf(endPattern, searchEnd, Qt::CaseSensitive);
        if (j < 0)
            break;
        if (keptStart >= 0)
            kept.truncate(keptStart);
        else
            kept.append(QStringView(text).mid(rest, i - rest));
        rest = j + endLength;
        if (!cutAll)
            break;
    }
    if (rest == 0)
        return text;
    kept.append(QStringView(text).mid(rest));
    return kept;
}

} // namespace

CLData *CLStepSectionCutter::process(CLData *input) const
{
    QString text;
    if (!textOf(input, text))
        return nullptr;
    text = cutSections(text, startPattern, endPattern, cutAll, cutPattern);
    if (text.isEmpty())
        return nullptr;
    return new CLData(text);
}
