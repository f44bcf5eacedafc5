#pragma once

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class AnimationButton;
class CLElement;
class I18NManager;
class IndexItem;
class QTimer;

/// Key of an index view's style rules: (visit state, current state, kind).
struct ItemStyleKey
{
    int state;
    int current;
    int kind;

    bool operator==(const ItemStyleKey &other) const
    {
        return state == other.state && current == other.current && kind == other.kind;
    }
};

size_t qHash(const ItemStyleKey &key, size_t seed = 0);

/// The list of the site index or of one site's page index. Entries are child
/// labels stacked one below the other; scrolling moves them, driven by the
/// wheel, the keyboard and two arrows that scroll while the mouse rests on them.
class IndexScrollView : public QWidget
{
    Q_OBJECT

public:
    explicit IndexScrollView(QWidget *parent = nullptr);

    /// The current-state key of the rule for the current entry while the view lacks the keys.
    static constexpr int UnfocusedCurrent = 2;

    void setItemStyle(int state, int current, int kind, const QString &style);
    /// The rule for the key; empty when there is none.
    QString itemStyle(int state, int current, int kind) const;
    /// The rule an entry is drawn with now, focus of the view included.
    QString styleOf(const IndexItem *item) const;

    IndexItem *currentItem() const { return m_current; }
    /// Makes `item` the current entry; null changes nothing.
    void setCurrentItem(IndexItem *item);

    /// Shows every entry in `language`: site entries with their country and
    /// language names, group headings, and the layout direction.
    void switchLocale(const QString &language);
    /// Moves the current entry by `delta` entries and brings it into view.
    void moveCurrent(int delta);
    /// Moves the entries by `dy` pixels (positive reveals content above),
    /// stopping at either end of the list.
    void scrollContent(int dy);

    /// The entries in creation order.
    QList<IndexItem *> items() const;

    /// Fits every entry to the height its wrapped text needs now and moves
    /// the entries below a changed one by the same amount.
    void refitItems();
    /// refitItems() once control returns to the event loop, however often asked.
    void requestRefit();

    AnimationButton *upArrow() const { return m_upArrow; }
    AnimationButton *downArrow() const { return m_downArrow; }
    QTimer *scrollTimer() const { return m_scrollTimer; }
    int scrollStep() const { return m_scrollStep; }
    bool isFastScrolling() const { return m_fast; }

    CLElement *pageTree = nullptr;          ///< not owned; page views only
    I18NManager *languageManager = nullptr; ///< not owned

signals:
    void exitIndexView();
    /// How far down the list is shown, in percent.
    void scrolled(int percent);
    void swtichTranslation();

public slots:
    void itemStateChanged(IndexItem *item);
    void scrollTimerStop();
    void scrollUpTimerFast();
    void scrollUpTimerSlow();
    void scrollDnTimerFast();
    void scrollDnTimerSlow();
    void scrollTimerEvent();
    void retranslateUI();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /// Moves every entry by `dy`, without the limits of `scrollContent`.
    void shiftItems(int dy);
    /// After a key scrolled the view: an entry cut at the top gives way to
    /// the next one, so that the view shows whole entries under its up arrow.
    void alignTopEntry();
    QRect itemsRect() const;
    IndexItem *itemAt(int x, int y) const;
    void placeArrows();
    void startScrolling(int step, int interval, bool fast);
    void pageUp();
    void pageDown();
    /// Sets the owner's sheet at the reader's text size and refits the entries.
    void applyTextScale();

    AnimationButton *m_upArrow;
    AnimationButton *m_downArrow;
    QHash<ItemStyleKey, QString> m_itemStyles;
    QPointer<IndexItem> m_current;
    QTimer *m_scrollTimer;
    int m_scrollStep = 0;
    bool m_fast = false;
    bool m_refitRequested = false;
    QString m_sheet;       ///< the view sheet as its owner gave it
    QString m_scaledSheet; ///< the same at the reader's text size
};
