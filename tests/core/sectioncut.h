#pragma once

#include <QString>

// The section cut done the straightforward way, as the reference the one-pass cutter must
// agree with: one section at a time, every pass searching the text that is left from its
// start again. Shared by the step tests and the section cutter's fuzz target.
inline QString straightforwardCut(QString text, const QString &start, const QString &end,
                                  bool cutAll, bool cutPattern)
{
    if (start.isEmpty() && end.isEmpty())
        return text;
    for (qsizetype p = 0;;) {
        p = cutPattern ? 0 : p + end.size();
        const qsizetype i = text.indexOf(start, p);
        if (i < 0)
            break;
        p = i + start.size();
        const qsizetype j = text.indexOf(end, p);
        if (j < 0)
            break;
        if (cutPattern)
            text.remove(i, j + end.size() - i);
        else
            text.remove(p, j - p);
        if (!cutAll)
            break;
    }
    return text;
}
