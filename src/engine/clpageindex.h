#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <vector>

class CLPage;

/// Narrows the page definitions that may accept a URL before their URL
/// filters are tried. Each include pattern is keyed by one four-character
/// piece of its plain text (the rarest one in the catalogue); a URL can only
/// pass a pattern whose piece it contains, whatever the case. Pages whose
/// patterns have no such piece are tried for every URL.
class CLPageIndex
{
public:
    /// Indexes `pages`; their order is the order candidates come back in.
    explicit CLPageIndex(const QList<CLPage *> &pages);

    qsizetype pageCount() const { return m_pages.size(); }
    const QList<CLPage *> &pages() const { return m_pages; }
    /// Every page whose URL filter may pass `url`, in index order; a
    /// superset of those that do.
    QList<CLPage *> candidates(const QString &url) const;

    /// The ASCII character a text unit stands for when case is ignored, the
    /// way either wildcard matcher ignores it; 0 for a unit no ASCII
    /// character matches.
    static char16_t foldedAscii(char16_t unit);

private:
    QList<CLPage *> m_pages;
    QHash<quint32, std::vector<int>> m_byPiece;
    std::vector<int> m_everyUrl;
};
