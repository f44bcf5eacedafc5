#include "clpageindex.h"

#include "clfilter.h"
#include "clsitemodel.h"

#include <QChar>

#include <algorithm>

namespace {

constexpr int PieceLength = 4;

quint32 pushUnit(quint32 key, char16_t ascii)
{
    return (key << 8) | quint32(ascii);
}

// The pieces of a pattern's plain runs, in order; empty when no run is long enough.
std::vector<quint32> piecesOf(const QString &pattern)
{
    std::vector<quint32> pieces;
    QStringList runs;
    literalRunsOf(pattern, &runs);
    for (const QString &run : std::as_const(runs)) {
        quint32 key = 0;
        int filled = 0;
        for (const QChar unit : run) {
            const char16_t ascii = CLPageIndex::foldedAscii(unit.unicode());
            if (!ascii) {
                filled = 0;
                continue;
            }
            key = pushUnit(key, ascii);
            if (++filled >= PieceLength)
                pieces.push_back(key);
        }
    }
    return pieces;
}

} // namespace

char16_t CLPageIndex::foldedAscii(char16_t unit)
{
    if (unit < 0x80)
        return unit >= u'A' && unit <= u'Z' ? char16_t(unit + 0x20) : unit;
    // The general matcher lowers a unit, a plain pattern folds it; either
    // may make a non-ASCII unit equal to an ASCII one (the Kelvin sign, ſ).
    const char16_t lower = QChar(unit).toLower().unicode();
    if (lower < 0x80)
        return lower;
    const char16_t folded = QChar(unit).toCaseFolded().unicode();
    return folded < 0x80 ? folded : 0;
}

CLPageIndex::CLPageIndex(const QList<CLPage *> &pages) : m_pages(pages)
{
    // Patterns that can match nothing are left out; a page whose include
    // list is empty, or has a pattern without a piece, is tried for every URL.
    std::vector<std::vector<std::vector<quint32>>> piecesByPage(size_t(m_pages.size()));
    QHash<quint32, int> patternsWithPiece;
    for (qsizetype i = 0; i < m_pages.size(); ++i) {
        const CLFilter &filter = m_pages.at(i)->urlFilter;
        bool everyUrl = filter.include.isEmpty();
        for (const QString &pattern : filter.include) {
            if (!literalRunsOf(pattern, nullptr))
                continue;
            std::vector<quint32> pieces = piecesOf(pattern);
            if (pieces.empty()) {
                everyUrl = true;
                break;
            }
            std::sort(pieces.begin(), pieces.end());
            pieces.erase(std::unique(pieces.begin(), pieces.end()), pieces.end());
            for (const quint32 piece : pieces)
                ++patternsWithPiece[piece];
            piecesByPage[size_t(i)].push_back(std::move(pieces));
        }
        if (everyUrl) {
            m_everyUrl.push_back(int(i));
            piecesByPage[size_t(i)].clear();
        }
    }
    for (size_t i = 0; i < piecesByPage.size(); ++i) {
        for (const std::vector<quint32> &pieces : piecesByPage[i]) {
            quint32 rarest = pieces.front();
            for (const quint32 piece : pieces) {
                if (patternsWithPiece.value(piece) < patternsWithPiece.value(rarest))
                    rarest = piece;
            }
            std::vector<int> &list = m_byPiece[rarest];
            if (list.empty() || list.back() != int(i))
                list.push_back(int(i));
        }
    }
}

QList<CLPage *> CLPageIndex::candidates(const QString &url) const
{
    std::vector<int> found = m_everyUrl;
    quint32 key = 0;
    int filled = 0;
    for (const QChar unit : url) {
        const char16_t ascii = foldedAscii(unit.unicode());
        if (!ascii) {
            filled = 0;
            continue;
        }
        key = pushUnit(key, ascii);
        if (++filled < PieceLength)
            continue;
        const auto hit = m_byPiece.constFind(key);
        if (hit != m_byPiece.cend())
            found.insert(found.end(), hit->begin(), hit->end());
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    QList<CLPage *> pages;
    pages.reserve(qsizetype(found.size()));
    for (const int i : found)
        pages.append(m_pages.at(i));
    return pages;
}
