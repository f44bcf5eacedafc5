#pragma once

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

class CLElement;
class CLFilterSettings;
class CLSiteIndexItem;
class ContentScrollView;
class IndexItem;
class IndexScrollView;
class PageIndexItem;
class SiteIndexItem;

/// Filling the views from catalogue entries and element trees. The main
/// window and the view-shot tool both go through these, so an index or an
/// article looks the same wherever it is drawn.
namespace ViewFill {

/// Stacks `item` below the entries placed before it: margins 5, the view's
/// style rule for the item, the view's state handling; `y` grows by the
/// entry's height. The first entry placed becomes the view's current entry.
void placeEntry(IndexScrollView *view, IndexItem *item, int &y);

/// The one rule of the site index: the current entry highlighted.
void setSiteItemStyles(IndexScrollView *view);
/// The six rules of a page index.
void setPageItemStyles(IndexScrollView *view);

/// Places an entry for every loaded, not hidden site of `entries`, shown in
/// `language`; `hiddenSites` may be empty. Returns the entries in order.
QList<SiteIndexItem *> fillSiteIndex(IndexScrollView *view, const QList<CLSiteIndexItem *> &entries,
                                     const QSet<QString> &hiddenSites, const QString &language);

/// Places an entry for every node of `root` that has a value, depth first.
/// A headline the keyword sets of `filters` (may be null) reject is left
/// out with everything below it. A headline whose URL hash is in `history`
/// starts visited. `created` is called for every entry placed.
void fillPageIndex(IndexScrollView *view, const CLElement *root, const CLFilterSettings *filters,
                   const QSet<quint32> &history,
                   const std::function<void(PageIndexItem *)> &created = {});

/// What an article view shows of an article tree.
struct ArticleContent
{
    bool hasTitle = false, hasSource = false, hasDatetime = false, hasText = false;
    QString title, source, datetime, text;
    /// Point into the tree; null when the article has no such page.
    const QString *previousPage = nullptr;
    const QString *nextPage = nullptr;
    QStringList imageUrls, captions; ///< the first ArticleImages::MaxImages
    int imagesLeftOut = 0;           ///< images past those, not fetched

    /// Title, source, date and time and text are all there.
    bool complete() const { return hasTitle && hasSource && hasDatetime && hasText; }
};

/// Collects the last title, source, date and time, text, page links and
/// every image with its caption from the children of `root` (null: nothing).
ArticleContent collectArticle(const CLElement *root);

/// Shows `content` in `view` from scratch: images cleared, `styleSheet` as
/// the document's default sheet, thumbnails announced, the article shown.
void showArticle(ContentScrollView *view, const ArticleContent &content, const QString &styleSheet);

} // namespace ViewFill
