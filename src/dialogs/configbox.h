#pragma once

#include <QDialog>

class QFrame;
class QHBoxLayout;
class QLabel;
class QMouseEvent;
class QToolBar;
class QToolButton;
class QVBoxLayout;

/// The common frame of every configuration and information dialog: no system
/// title bar, a draggable 30-pixel title strip with icon and caption, a framed
/// content area for the subclass's controls, and below it either one centred
/// "OK" button or a right-aligned "Save" and "Cancel" pair. The dialog reloads
/// its values through `refreshContent()` every time it is shown.
class ConfigBox : public QDialog
{
    Q_OBJECT

public:
    ConfigBox(QWidget *parent, const QString &titleIconPath, bool twoButtons);

    QLabel *caption() const { return m_caption; }
    QToolBar *titleStrip() const { return m_titleStrip; }
    QFrame *contentFrame() const { return m_contentFrame; }
    /// Where subclasses add their controls; the button row sits below it.
    QVBoxLayout *contentLayout() const { return m_contentLayout; }
    QHBoxLayout *buttonRow() const { return m_buttonRow; }
    QToolButton *saveButton() const { return m_saveButton; }
    QToolButton *cancelButton() const { return m_cancelButton; }
    QToolButton *okButton() const { return m_okButton; }

public slots:
    void resetMousePosition(QMouseEvent *event);
    void moveDialog(QMouseEvent *event);
    virtual void retranslateUI();

protected:
    void showEvent(QShowEvent *event) override;
    /// Loads the dialog's current values; called every time the program shows
    /// the dialog (not when the window system restores it).
    virtual void refreshContent() {}

private:
    QToolButton *makeButton(const QString &iconPath);

    QVBoxLayout *m_mainLayout = nullptr;
    QToolBar *m_titleStrip = nullptr;
    QLabel *m_caption = nullptr;
    QFrame *m_contentFrame = nullptr;
    QVBoxLayout *m_frameLayout = nullptr;
    QVBoxLayout *m_contentLayout = nullptr;
    QHBoxLayout *m_buttonRow = nullptr;
    QToolButton *m_saveButton = nullptr;
    QToolButton *m_cancelButton = nullptr;
    QToolButton *m_okButton = nullptr;
    int m_pressX = 0;
    int m_pressY = 0;
};
