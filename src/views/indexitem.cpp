#include "indexitem.h"

#include "clelement.h"
#include "clobject.h"
#include "clsitemodel.h"
#include "indexscrollview.h"

IndexItem::IndexItem(QWidget *view, int visitState, int currentState, int kind,
                     const CLObject *origin, const QString &language)
    : QLabel(view), m_visitState(visitState), m_currentState(currentState), m_kind(kind),
      m_language(language)
{
    setMouseTracking(true);
    // Headlines come from web pages: rich text would let a page's markup load
    // local files while the index is built.
    setTextFormat(Qt::PlainText);
    // A headline longer than the panel wraps and the entry grows.
    setWordWrap(true);
    if (origin && origin->i18n) {
        m_names = origin->i18n;
    } else if (!language.isEmpty()) {
        m_ownNames = std::make_unique<CLI18n>();
        m_ownNames->original = language;
        m_names = m_ownNames.get();
    }
}

IndexItem::~IndexItem() = default;

bool IndexItem::setCurrent(bool current)
{
    const int state = current ? Current : Normal;
    if (state == m_currentState)
        return false;
    m_currentState = state;
    emit stateChanged(this);
    return true;
}

void IndexItem::setVisited(bool visited)
{
    const int state = visited ? Visited : Unvisited;
    if (state == m_visitState)
        return;
    m_visitState = state;
    emit stateChanged(this);
}

QObject *IndexItem::headlineObject()
{
    return this;
}

const CLI18n *IndexItem::headlineNames() const
{
    return m_names;
}

QSize IndexItem::sizeHint() const
{
    const QWidget *view = parentWidget();
    if (!view || view->width() <= 0)
        return QLabel::sizeHint();
    m_fittedTextHeight = heightForWidth(view->width());
    return QSize(view->width(), m_fittedTextHeight);
}

void IndexItem::startFitting()
{
    if (m_fittedTextHeight < 0)
        m_fittedTextHeight = heightForWidth(width());
}

int IndexItem::refit()
{
    if (m_fittedTextHeight < 0)
        return 0;
    const int textHeight = heightForWidth(width());
    const int delta = textHeight - m_fittedTextHeight;
    m_fittedTextHeight = textHeight;
    if (delta != 0)
        resize(width(), qMax(0, height() + delta));
    return delta;
}

void IndexItem::activate() {}

void IndexItem::setLanguage(const QString &language)
{
    if (!m_names)
        return;
    m_language = language;
    setText(localName(m_names, language));
    // Another language may wrap into more or fewer lines.
    if (auto *view = qobject_cast<IndexScrollView *>(parentWidget()))
        view->requestRefit();
}

void IndexItem::mouseMoveEvent(QMouseEvent *)
{
    // Accepting the move keeps it from reaching the view, which would drop the current entry.
    setCurrent(true);
}

SiteIndexItem::SiteIndexItem(QWidget *view, CLSite *site, const QString &language)
    : IndexItem(view, Unvisited, Normal, Headline, site, language), m_site(site)
{
    if (site)
        setUrl(site->entry);
    setLanguage(language);
}

void SiteIndexItem::activate()
{
    emit requestSitePage(url());
}

void SiteIndexItem::mousePressEvent(QMouseEvent *)
{
    activate();
}

namespace {

QString treeLanguage(const CLElement *element)
{
    while (element && element->parent)
        element = element->parent;
    return element ? element->language : QString();
}

} // namespace

PageIndexItem::PageIndexItem(QWidget *view, const CLElement *element, CLTopic *topic)
    : IndexItem(view, Unvisited, Normal, Headline, element ? element->origin : nullptr,
                treeLanguage(element)),
      m_topic(topic)
{
    if (!element || !element->value)
        return;
    if (element->value->type == DataText) {
        // A heading's text is the localised name of its topic or page definition.
        setKind(Group);
        return;
    }
    const CLURLData *record = element->value->asURL();
    if (record && !record->title.isNull()) {
        if (CLI18n *texts = names())
            texts->displays.insert(treeLanguage(element), record->title);
        // The entry is indented, not its text: wrapped lines line up under the first.
        setIndent(fontMetrics().horizontalAdvance(QStringLiteral("  ")));
        setUrl(record->url);
    }
}

CLTopic *PageIndexItem::topicOfNode(const CLElement *element)
{
    if (!element || !element->origin || !element->parent)
        return nullptr;
    return const_cast<CLTopic *>(static_cast<const CLTopic *>(element->origin));
}

void PageIndexItem::activate()
{
    if (url().startsWith(QLatin1String("file://"), Qt::CaseInsensitive))
        emit requestLocalArticlePage(url());
    else
        emit requestArticlePage(url(), m_topic);
    setVisited(true);
}

void PageIndexItem::mousePressEvent(QMouseEvent *)
{
    activate();
}
