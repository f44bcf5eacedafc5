#include "titlebar.h"

#include <QPainter>

TitleBar::TitleBar(const QString &imagePath, QWidget *parent) : QWidget(parent)
{
    if (!imagePath.isNull())
        m_image.load(imagePath);
}

void TitleBar::setImage(const QImage &image)
{
    m_image = image;
    updateGeometry();
    update();
}

QSize TitleBar::sizeHint() const
{
    return m_image.isNull() ? QSize(0, 0) : m_image.size();
}

void TitleBar::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}
