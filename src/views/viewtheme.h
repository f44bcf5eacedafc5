#pragma once

#include <QColor>
#include <QObject>
#include <QString>

/// The colours of one theme for what the skin's sheets cannot say: the
/// entries' states in the index views and the text of the article views.
struct ThemeColours
{
    const char *skin;       ///< the skin folder whose "ui.css" draws the chrome
    QColor indexBackground; ///< the index panels, as the skin paints them
    QColor articleBackground;
    QColor plain;             ///< site entries and group headings
    QColor unread;            ///< headlines not yet opened
    QColor read;              ///< headlines opened before
    QColor currentBackground; ///< the entry with the keys
    QColor currentText;       ///< unread entries and headings there
    QColor currentRead;       ///< a read headline there
    QColor mutedBackground;   ///< the current entry of the view without the keys
    QColor groupBackground;   ///< a current group heading
};

/// The reader's theme, light ("default") or dark, chosen in the language
/// dialog and remembered across starts.
class ViewTheme : public QObject
{
    Q_OBJECT

public:
    static ViewTheme *instance();

    bool isDark() const { return m_dark; }
    /// Stores the choice and tells the views.
    void setDark(bool dark);
    const ThemeColours &colours() const { return coloursOf(m_dark); }
    static const ThemeColours &coloursOf(bool dark);

    /// Rules added after the article view's own sheet.
    QString articleSheet() const;
    /// Rules added after the index view's own sheet.
    QString indexSheet() const;

signals:
    void changed(bool dark);

private:
    ViewTheme();

    bool m_dark = false;
};
