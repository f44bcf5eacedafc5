#include "indexscrollview.h"

#include "animationbutton.h"
#include "clobject.h"
#include "clprocessor.h"
#include "clsitemodel.h"
#include "i18nmanager.h"
#include "indexitem.h"
#include "textscale.h"
#include "viewtheme.h"

#include <QHashFunctions>
#include <QKeyEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {
constexpr int ArrowSize = 20;
constexpr int SlowInterval = 70;
constexpr int FastInterval = 100;
// Pixels the list glides per tick while the mouse rests on an arrow.
constexpr int GlidePixels = 2;

bool isRightToLeftLanguage(const QString &language)
{
    return language == QLatin1String("ar") || language == QLatin1String("iw") ||
           language == QLatin1String("fa");
}
} // namespace

size_t qHash(const ItemStyleKey &key, size_t seed)
{
    return qHashMulti(seed, key.state, key.current, key.kind);
}

IndexScrollView::IndexScrollView(QWidget *parent)
    : QWidget(parent),
      m_upArrow(new AnimationButton(QStringLiteral(":/UPARROW"), ArrowSize, ArrowSize, this)),
      m_downArrow(new AnimationButton(QStringLiteral(":/DOWNARROW"), ArrowSize, ArrowSize, this)),
      m_scrollTimer(new QTimer(this))
{
    setMouseTracking(true);
    setFocusPolicy(Qt::WheelFocus);
    connect(TextScale::instance(), &TextScale::changed, this, &IndexScrollView::applyTextScale);
    connect(ViewTheme::instance(), &ViewTheme::changed, this, &IndexScrollView::applyTextScale);

    connect(m_upArrow, &AnimationButton::entered, this, &IndexScrollView::scrollUpTimerSlow);
    connect(m_upArrow, &AnimationButton::pressed, this, &IndexScrollView::scrollUpTimerFast);
    connect(m_upArrow, &AnimationButton::released, this, &IndexScrollView::scrollUpTimerSlow);
    connect(m_upArrow, &AnimationButton::left, this, &IndexScrollView::scrollTimerStop);
    connect(m_downArrow, &AnimationButton::entered, this, &IndexScrollView::scrollDnTimerSlow);
    connect(m_downArrow, &AnimationButton::pressed, this, &IndexScrollView::scrollDnTimerFast);
    connect(m_downArrow, &AnimationButton::released, this, &IndexScrollView::scrollDnTimerSlow);
    connect(m_downArrow, &AnimationButton::left, this, &IndexScrollView::scrollTimerStop);
    connect(m_scrollTimer, &QTimer::timeout, this, &IndexScrollView::scrollTimerEvent);
}

void IndexScrollView::setItemStyle(int state, int current, int kind, const QString &style)
{
    m_itemStyles.insert(ItemStyleKey{state, current, kind}, style);
}

QString IndexScrollView::itemStyle(int state, int current, int kind) const
{
    return m_itemStyles.value(ItemStyleKey{state, current, kind});
}

void IndexScrollView::setCurrentItem(IndexItem *item)
{
    if (!item)
        return;
    IndexItem *previous = m_current;
    // Recorded first so that the entry's own state report finds it current already.
    m_current = item;
    if (previous && previous != item)
        previous->setCurrent(false);
    item->setCurrent(true);
}

QList<IndexItem *> IndexScrollView::items() const
{
    return findChildren<IndexItem *>(QString(), Qt::FindDirectChildrenOnly);
}

void IndexScrollView::refitItems()
{
    m_refitRequested = false;
    int shift = 0;
    for (IndexItem *item : items()) {
        if (item->isHidden())
            continue;
        if (shift != 0)
            item->move(item->x(), item->y() + shift);
        shift += item->refit();
    }
    if (shift != 0) {
        const bool fits = itemsRect().height() < height();
        m_upArrow->setVisible(!fits);
        m_downArrow->setVisible(!fits);
    }
}

void IndexScrollView::requestRefit()
{
    if (m_refitRequested)
        return;
    m_refitRequested = true;
    QMetaObject::invokeMethod(this, &IndexScrollView::refitItems, Qt::QueuedConnection);
}

QRect IndexScrollView::itemsRect() const
{
    QRect rect;
    for (const IndexItem *item : items()) {
        if (!item->isHidden())
            rect |= item->geometry();
    }
    return rect;
}

IndexItem *IndexScrollView::itemAt(int x, int y) const
{
    for (IndexItem *item : items()) {
        if (!item->isHidden() && item->geometry().contains(x, y))
            return item;
    }
    return nullptr;
}

void IndexScrollView::placeArrows()
{
    m_upArrow->move(width() - m_upArrow->width(), 0);
    m_downArrow->move(width() - m_downArrow->width(), height() - m_downArrow->height());
}

void IndexScrollView::scrollContent(int dy)
{
    const QRect bounds = itemsRect();
    const int h = height();
    if (dy < 0 && bounds.bottom() + 1 <= h) {
        emit scrolled(100);
        return;
    }
    if (dy > 0 && dy + bounds.top() > 0) {
        if (bounds.top() >= 0) {
            emit scrolled(0);
            return;
        }
        dy = -bounds.top();
    }
    shiftItems(dy);
}

void IndexScrollView::shiftItems(int dy)
{
    const QRect bounds = itemsRect();
    for (IndexItem *item : items())
        item->move(item->x(), item->y() + dy);
    placeArrows();
    emit scrolled(bounds.height() > 0 ? (height() - bounds.top()) * 100 / bounds.height() : 100);
}

void IndexScrollView::alignTopEntry()
{
    for (IndexItem *item : items()) {
        if (item->isHidden() || item->y() >= 0 || item->geometry().bottom() < 0)
            continue;
        const int up = item->geometry().bottom() + 1;
        if (m_current && m_current != item && m_current->y() - up >= 0)
            shiftItems(-up);
        else if (m_current == item)
            shiftItems(-item->y());
        return;
    }
}

void IndexScrollView::moveCurrent(int delta)
{
    const QList<IndexItem *> list = items();
    if (list.isEmpty())
        return;
    if (!m_current) {
        setCurrentItem(list.first());
        return;
    }
    const int index = list.indexOf(m_current.data());
    const int n = index < 0 ? delta - 1 : index + delta;
    if (n < 0) {
        emit scrolled(0);
        return;
    }
    if (n >= list.size()) {
        emit scrolled(100);
        return;
    }
    IndexItem *item = list.at(n);
    setCurrentItem(item);
    if (item->y() < 0) {
        scrollContent(-item->y());
    } else if (item->geometry().bottom() > height() - 1) {
        scrollContent(height() - 1 - item->geometry().bottom());
        alignTopEntry();
    }
}

void IndexScrollView::itemStateChanged(IndexItem *item)
{
    if (!item)
        return;
    // A new style sheet re-polishes the entry, which resets the contents
    // margins its owner gave it; the entry must not jump sideways.
    const QMargins margins = item->contentsMargins();
    item->setStyleSheet(styleOf(item));
    item->setContentsMargins(margins);
    if (item->currentState() == IndexItem::Current && item != m_current) {
        IndexItem *previous = m_current;
        m_current = item;
        if (previous)
            previous->setCurrent(false);
    }
}

QString IndexScrollView::styleOf(const IndexItem *item) const
{
    // The current entry of a view without the keys is drawn muted, when there is a rule for that.
    if (item->currentState() == IndexItem::Current && !hasFocus()) {
        const QString muted = itemStyle(item->visitState(), UnfocusedCurrent, item->kind());
        if (!muted.isEmpty())
            return muted;
    }
    return itemStyle(item->visitState(), item->currentState(), item->kind());
}

void IndexScrollView::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    if (m_current)
        itemStateChanged(m_current);
}

void IndexScrollView::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    if (m_current)
        itemStateChanged(m_current);
}

void IndexScrollView::startScrolling(int step, int interval, bool fast)
{
    moveCurrent(step);
    m_scrollTimer->start(interval);
    m_scrollStep = step;
    m_fast = fast;
}

void IndexScrollView::scrollTimerStop()
{
    m_scrollTimer->stop();
    m_scrollStep = 0;
}

void IndexScrollView::scrollUpTimerFast()
{
    startScrolling(-1, FastInterval, true);
}

void IndexScrollView::scrollUpTimerSlow()
{
    startScrolling(-1, SlowInterval, false);
}

void IndexScrollView::scrollDnTimerFast()
{
    startScrolling(1, FastInterval, true);
}

void IndexScrollView::scrollDnTimerSlow()
{
    startScrolling(1, SlowInterval, false);
}

void IndexScrollView::scrollTimerEvent()
{
    if (m_fast) {
        moveCurrent(m_scrollStep);
        return;
    }
    const QList<IndexItem *> list = items();
    if (m_scrollStep == 1 && !list.isEmpty() && list.last()->geometry().bottom() <= height() - 1)
        return;
    scrollContent(-GlidePixels * m_scrollStep);
}

void IndexScrollView::retranslateUI() {}

void IndexScrollView::mouseMoveEvent(QMouseEvent *)
{
    // The arrows keep the current entry while they glide the list under the mouse.
    if (m_scrollTimer->isActive())
        return;
    if (m_current) {
        IndexItem *previous = m_current;
        m_current = nullptr;
        previous->setCurrent(false);
    }
    setFocus();
}

void IndexScrollView::wheelEvent(QWheelEvent *event)
{
    event->accept();
    if (TextScale::instance()->handleWheel(event))
        return;
    const int delta = event->angleDelta().y();
    if (!m_current || delta == 0)
        return;
    const QList<IndexItem *> list = items();
    if (delta < 0 && list.last() == m_current)
        return;
    scrollContent(delta < 0 ? -m_current->height() : m_current->height());
    const QPoint position = event->position().toPoint();
    IndexItem *under = itemAt(position.x(), position.y());
    if (under && under != m_current)
        setCurrentItem(under);
}

void IndexScrollView::keyPressEvent(QKeyEvent *event)
{
    if (TextScale::instance()->handleKey(event)) {
        event->accept();
        return;
    }
    const QList<IndexItem *> list = items();
    const int h = height();
    switch (event->key()) {
    case Qt::Key_Left:
        emit exitIndexView();
        break;
    case Qt::Key_T:
        emit swtichTranslation();
        break;
    case Qt::Key_Home:
        if (!list.isEmpty()) {
            IndexItem *first = list.first();
            if (first->y() < 0)
                scrollContent(-first->y());
            setCurrentItem(first);
        }
        break;
    case Qt::Key_End:
        if (!list.isEmpty()) {
            IndexItem *last = list.last();
            const int bottom = last->geometry().bottom();
            if (bottom > h - 1)
                scrollContent(h - 1 - bottom);
            setCurrentItem(last);
            alignTopEntry();
        }
        break;
    case Qt::Key_Up:
        moveCurrent(-1);
        break;
    case Qt::Key_Down:
        moveCurrent(1);
        break;
    case Qt::Key_PageDown:
        pageDown();
        break;
    case Qt::Key_PageUp:
        pageUp();
        break;
    case Qt::Key_Space:
    case Qt::Key_Right:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_current)
            m_current->activate();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void IndexScrollView::pageDown()
{
    const QList<IndexItem *> list = items();
    IndexItem *item = itemAt(1, height() - 5);
    if (!item || item == list.last())
        return;
    scrollContent(-item->y());
    setCurrentItem(item);
}

void IndexScrollView::pageUp()
{
    const QList<IndexItem *> list = items();
    IndexItem *item = itemAt(1, 5);
    if (!item || item == list.first())
        return;
    scrollContent(height() - item->height());
    IndexItem *taken = itemAt(1, 5);
    if (taken && taken->y() < 0) {
        // The entry cut off at the top gives way to the one below it, shown whole.
        if (IndexItem *below = itemAt(1, taken->height())) {
            scrollContent(-below->y());
            taken = below;
        }
    }
    setCurrentItem(taken);
}

void IndexScrollView::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // A sheet other than the one scaled last is a new one from the owner.
    if (event->type() == QEvent::StyleChange && styleSheet() != m_scaledSheet) {
        m_sheet = styleSheet();
        applyTextScale();
    }
}

void IndexScrollView::applyTextScale()
{
    m_scaledSheet = TextScale::scaleSheet(m_sheet + ViewTheme::instance()->indexSheet(),
                                          TextScale::instance()->percent());
    if (styleSheet() != m_scaledSheet)
        setStyleSheet(m_scaledSheet);
    requestRefit();
}

void IndexScrollView::resizeEvent(QResizeEvent *event)
{
    const int w = width();
    const int h = height();
    const bool widthChanged = event->oldSize().width() != w;
    const bool heightChanged = event->oldSize().height() != h;
    if (widthChanged) {
        const QList<IndexItem *> list = items();
        for (IndexItem *item : list) {
            item->startFitting();
            item->setGeometry(0, item->y(), w, item->height());
        }
        // Wrapped headlines take more or fewer lines at the new width.
        refitItems();
    }
    if (heightChanged) {
        const bool fits = itemsRect().height() < h;
        m_upArrow->setVisible(!fits);
        m_downArrow->setVisible(!fits);
    }
    placeArrows();
    m_upArrow->raise();
    m_downArrow->raise();
    if (heightChanged && m_current && m_current->geometry().bottom() > h - 1) {
        IndexItem *item = itemAt(1, h - 1);
        setCurrentItem(item);
        if (item && item->geometry().bottom() > h - 1)
            moveCurrent(-1);
    }
}

void IndexScrollView::switchLocale(const QString &language)
{
    const CLProcessor *processor = languageManager ? languageManager->processor : nullptr;
    const Qt::LayoutDirection direction =
        isRightToLeftLanguage(language) ? Qt::RightToLeft : Qt::LeftToRight;
    for (IndexItem *item : items()) {
        if (auto *siteItem = qobject_cast<SiteIndexItem *>(item)) {
            siteItem->setLanguage(language);
            const CLSite *site = siteItem->site();
            QString country;
            QString languageName;
            if (site && processor) {
                country = localName(processor->countryNames, site->country, language);
                languageName = localName(processor->languageNames, site->locale, language);
            }
            if (site && languageManager) {
                if (country.isEmpty())
                    country = languageManager->countryTitles.value(site->country);
                if (languageName.isEmpty())
                    languageName = languageManager->languageTitles.value(site->locale);
            }
            // An entry without names keeps no text of its own, so the suffix must not pile up.
            const QString base = siteItem->names() ? siteItem->text() : QString();
            siteItem->setText(base + QLatin1String("  (") + country + QLatin1String(" . ") +
                              languageName + QLatin1Char(')'));
        } else if (item->kind() == IndexItem::Group && qobject_cast<PageIndexItem *>(item)) {
            item->setLanguage(language);
        }
        item->setLayoutDirection(direction);
    }
    refitItems();
}
