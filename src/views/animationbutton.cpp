#include "animationbutton.h"

#include <QMovie>

AnimationButton::AnimationButton(const QString &animation, int width, int height, QWidget *parent)
    : QLabel(parent), m_movie(new QMovie(animation, QByteArray(), this))
{
    m_movie->setScaledSize(QSize(width, height));
    setMovie(m_movie);
    setFixedSize(width, height);
    // The still first frame shows until the mouse arrives.
    if (m_movie->isValid())
        m_movie->jumpToFrame(0);
    setCursor(Qt::PointingHandCursor);
}

void AnimationButton::fire()
{
    emit pressed();
}

void AnimationButton::enterEvent(QEnterEvent *)
{
    if (m_movie->isValid())
        m_movie->start();
    emit entered();
}

void AnimationButton::leaveEvent(QEvent *)
{
    if (m_movie->isValid()) {
        m_movie->stop();
        m_movie->jumpToFrame(0);
    }
    emit left();
}

void AnimationButton::mousePressEvent(QMouseEvent *)
{
    emit pressed();
}

void AnimationButton::mouseReleaseEvent(QMouseEvent *)
{
    emit released();
}
