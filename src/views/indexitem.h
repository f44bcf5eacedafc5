#pragma once

#include "translatableheadline.h"

#include <QLabel>
#include <QString>

#include <memory>

class CLElement;
class CLI18n;
class CLObject;
class CLSite;
class CLTopic;

/// One entry of an index view: a label that holds its text in several
/// languages, knows whether it was visited and whether it is current, and is
/// the unit of headline translation.
class IndexItem : public QLabel, public TranslatableHeadline
{
    Q_OBJECT

public:
    /// Entry values: visit state, current state and kind.
    enum : int {
        Unvisited = 1,
        Visited = 2,
        Normal = 0x10,
        Current = 0x20,
        Headline = 0x100,
        Group = 0x200,
    };

    /// Takes the names of `origin` when it has any, else a record of its own
    /// whose original language is `language` (none when `language` is empty).
    IndexItem(QWidget *view, int visitState, int currentState, int kind, const CLObject *origin,
              const QString &language);
    ~IndexItem() override;

    int visitState() const { return m_visitState; }
    int currentState() const { return m_currentState; }
    int kind() const { return m_kind; }
    /// Texts by language; null for an entry without names.
    CLI18n *names() const { return m_names; }
    QString language() const { return m_language; }
    QString url() const { return m_url; }
    void setUrl(const QString &url) { m_url = url; }

    /// Sets the current state; true (and `stateChanged`) when it changed.
    bool setCurrent(bool current);
    /// Marks the entry visited or not; `stateChanged` when it changed.
    void setVisited(bool visited);

    QObject *headlineObject() override;
    const CLI18n *headlineNames() const override;

    /// The view's full width and the height the wrapped text needs at it; the
    /// entry follows its text from then on (see refit()).
    QSize sizeHint() const override;
    /// Starts following the text's height at the present width, unless it does already.
    void startFitting();
    /// Grows or shrinks the entry by the change in its wrapped text's height
    /// since it was last fitted; the change in pixels, 0 for an entry not fitted.
    int refit();

signals:
    void stateChanged(IndexItem *item);

public slots:
    virtual void activate();
    /// Shows the text for `language`, else for the names' original language.
    virtual void setLanguage(const QString &language);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void setKind(int kind) { m_kind = kind; }

private:
    int m_visitState;
    int m_currentState;
    int m_kind;
    CLI18n *m_names = nullptr;
    std::unique_ptr<CLI18n> m_ownNames;
    QString m_language;
    QString m_url;
    /// The text's height the entry was last fitted to; -1 while not followed.
    mutable int m_fittedTextHeight = -1;
};

/// The entry of one catalogue site; activating it asks for the site's index page.
class SiteIndexItem : public IndexItem
{
    Q_OBJECT

public:
    SiteIndexItem(QWidget *view, CLSite *site, const QString &language);

    CLSite *site() const { return m_site; }

signals:
    void requestSitePage(const QString &url);

public slots:
    void activate() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    CLSite *m_site;
};

/// The entry of one node of an index tree: a group heading or a headline.
class PageIndexItem : public IndexItem
{
    Q_OBJECT

public:
    PageIndexItem(QWidget *view, const CLElement *element, CLTopic *topic);

    CLTopic *topic() const { return m_topic; }

    /// The topic a node of an index tree introduces: its origin for a group
    /// node; null for the root, whose origin is the page definition, and for
    /// nodes without an origin.
    static CLTopic *topicOfNode(const CLElement *element);

signals:
    void requestArticlePage(const QString &url, CLTopic *topic);
    void requestLocalArticlePage(const QString &url);

public slots:
    void activate() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    CLTopic *m_topic;
};
