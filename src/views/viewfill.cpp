#include "viewfill.h"

#include "articleimages.h"
#include "clelement.h"
#include "clfiltersettings.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "contentscrollview.h"
#include "indexitem.h"
#include "indexscrollview.h"
#include "viewtheme.h"

#include <QTextDocument>

namespace ViewFill {

void placeEntry(IndexScrollView *view, IndexItem *item, int &y)
{
    item->setContentsMargins(5, 5, 5, 5);
    // Most entries have no rule of their own; an empty sheet still costs a polish.
    const QString style = view->itemStyle(item->visitState(), item->currentState(), item->kind());
    if (!style.isEmpty())
        item->setStyleSheet(style);
    QObject::connect(item, &IndexItem::stateChanged, view, &IndexScrollView::itemStateChanged);
    item->ensurePolished();
    const int height = item->sizeHint().height();
    item->setGeometry(0, y, view->width(), height);
    y += height;
    if (!view->currentItem())
        view->setCurrentItem(item);
}

namespace {

QString rule(const char *format, const QColor &first, const QColor &second = QColor())
{
    QString text = QString::fromLatin1(format).arg(first.name());
    return second.isValid() ? text.arg(second.name()) : text;
}

/// Lists filled once keep their rules in step with the theme.
void followTheme(IndexScrollView *view, void (*apply)(IndexScrollView *))
{
    if (view->property("followsTheme").toBool())
        return;
    view->setProperty("followsTheme", true);
    QObject::connect(ViewTheme::instance(), &ViewTheme::changed, view, [view, apply] {
        apply(view);
        for (IndexItem *item : view->items())
            view->itemStateChanged(item);
    });
}

} // namespace

void setSiteItemStyles(IndexScrollView *view)
{
    const ThemeColours &c = ViewTheme::instance()->colours();
    view->setItemStyle(IndexItem::Unvisited, IndexItem::Current, IndexItem::Headline,
                       rule("color: %1; background-color: %2;", c.currentText, c.currentBackground));
    view->setItemStyle(IndexItem::Unvisited, IndexScrollView::UnfocusedCurrent, IndexItem::Headline,
                       rule("background-color: %1;", c.mutedBackground));
    followTheme(view, &setSiteItemStyles);
}

void setPageItemStyles(IndexScrollView *view)
{
    const ThemeColours &c = ViewTheme::instance()->colours();
    const int U = IndexItem::Unvisited, V = IndexItem::Visited, H = IndexItem::Headline,
              G = IndexItem::Group, C = IndexItem::Current, N = IndexItem::Normal,
              M = IndexScrollView::UnfocusedCurrent;
    view->setItemStyle(U, C, H, rule("color: %1; background-color: %2;", c.currentText, c.currentBackground));
    view->setItemStyle(U, N, H, rule("color: %1;", c.unread));
    view->setItemStyle(U, C, G, rule("font-weight: bold; background-color: %1;", c.groupBackground));
    view->setItemStyle(U, N, G, QStringLiteral("font-weight: bold;"));
    view->setItemStyle(V, C, H, rule("color: %1; background-color: %2;", c.currentRead, c.currentBackground));
    view->setItemStyle(V, N, H, rule("color: %1;", c.read));
    // The current entry of the view without the keys, muted.
    view->setItemStyle(U, M, H, rule("color: %1; background-color: %2;", c.unread, c.mutedBackground));
    view->setItemStyle(U, M, G, rule("font-weight: bold; background-color: %1;", c.mutedBackground));
    view->setItemStyle(V, M, H, rule("color: %1; background-color: %2;", c.read, c.mutedBackground));
    followTheme(view, &setPageItemStyles);
}

QList<SiteIndexItem *> fillSiteIndex(IndexScrollView *view, const QList<CLSiteIndexItem *> &entries,
                                     const QSet<QString> &hiddenSites, const QString &language)
{
    QList<SiteIndexItem *> placed;
    int y = 0;
    for (const CLSiteIndexItem *entry : entries) {
        if (!entry || !entry->site || hiddenSites.contains(entry->site->id))
            continue;
        auto *item = new SiteIndexItem(view, entry->site, language);
        placeEntry(view, item, y);
        placed.append(item);
    }
    return placed;
}

namespace {

void fillNode(IndexScrollView *view, const CLElement *element, CLTopic *topic,
              const CLFilterSettings *filters, const QSet<quint32> &history, int &y,
              const std::function<void(PageIndexItem *)> &created)
{
    if (element->value) {
        const CLURLData *link = element->value->asURL();
        if (link && !passesKeywords(filters, link->title))
            return;
        // Only a group node introduces a topic; the root's origin is the page definition.
        if (element->origin && element->parent)
            topic = PageIndexItem::topicOfNode(element);
        auto *item = new PageIndexItem(view, element, topic);
        item->setLanguage(QString());
        if (!item->url().isEmpty() && history.contains(historyHash(item->url())))
            item->setVisited(true);
        placeEntry(view, item, y);
        if (created)
            created(item);
    }
    for (const CLElement *child : element->children)
        fillNode(view, child, topic, filters, history, y, created);
}

QString pageLink(const CLData *value, const QString **slot)
{
    if (!value)
        return QString();
    if (const CLURLData *record = value->asURL()) {
        *slot = &record->url;
        return record->url;
    }
    if (value->type == DataText) {
        *slot = &value->text;
        return value->text;
    }
    return QString();
}

} // namespace

void fillPageIndex(IndexScrollView *view, const CLElement *root, const CLFilterSettings *filters,
                   const QSet<quint32> &history,
                   const std::function<void(PageIndexItem *)> &created)
{
    if (!view || !root)
        return;
    int y = 0;
    fillNode(view, root, nullptr, filters, history, y, created);
}

ArticleContent collectArticle(const CLElement *root)
{
    ArticleContent content;
    if (!root)
        return content;
    for (const CLElement *child : root->children) {
        const CLData *value = child->value;
        switch (child->kind) {
        case ArticleTitle:
            content.hasTitle = value != nullptr;
            content.title = child->text();
            break;
        case ArticleSource:
            content.hasSource = value != nullptr;
            content.source = child->text();
            break;
        case ArticleDatetime:
            content.hasDatetime = value != nullptr;
            content.datetime = child->text();
            break;
        case ArticleText:
            content.hasText = value != nullptr;
            content.text = child->text();
            break;
        case ArticleImage:
            if (const CLURLData *image = value ? value->asURL() : nullptr) {
                if (content.imageUrls.size() >= ArticleImages::MaxImages) {
                    ++content.imagesLeftOut;
                    break;
                }
                content.imageUrls.append(image->url);
                content.captions.append(image->title.isNull() ? QString() : image->title);
            }
            break;
        case ArticlePreviousPage: {
            const QString *slot = nullptr;
            if (!pageLink(value, &slot).isEmpty())
                content.previousPage = slot;
            break;
        }
        case ArticleNextPage: {
            const QString *slot = nullptr;
            if (!pageLink(value, &slot).isEmpty())
                content.nextPage = slot;
            break;
        }
        default:
            break;
        }
    }
    return content;
}

void showArticle(ContentScrollView *view, const ArticleContent &content, const QString &styleSheet)
{
    view->clearImages();
    view->document()->setDefaultStyleSheet(styleSheet);
    view->setImages(content.imageUrls, content.captions);
    if (content.imagesLeftOut > 0)
        view->setImagesLeftOut(content.imagesLeftOut);
    view->showArticle(content.title, content.source, content.datetime, content.text,
                      content.previousPage, content.nextPage);
}

} // namespace ViewFill
