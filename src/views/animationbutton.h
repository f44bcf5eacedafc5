#pragma once

#include <QLabel>

class QMovie;

/// A label that plays a short animation while the mouse rests on it and
/// reports enter, leave, press and release.
class AnimationButton : public QLabel
{
    Q_OBJECT

public:
    AnimationButton(const QString &animation, int width, int height, QWidget *parent = nullptr);

    QMovie *movie() const { return m_movie; }

signals:
    void entered();
    void left();
    void pressed();
    void released();

public slots:
    void fire();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QMovie *m_movie = nullptr;
};
