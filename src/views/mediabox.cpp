#include "mediabox.h"

#include <QLabel>
#include <QPixmap>

namespace {
constexpr int Margin = 5;
}

MediaBox::MediaBox(QWidget *parent) : QDialog(parent, Qt::Popup), m_label(new QLabel(this))
{
    setContentsMargins(Margin, Margin, Margin, Margin);
}

void MediaBox::showImage(const QPixmap &picture, const QRect &area)
{
    m_label->setPixmap(picture);
    m_label->setGeometry(Margin, Margin, picture.width(), picture.height());
    // A picture larger than the area still centres over it and is not scaled.
    setGeometry(area.left() - Margin + (area.width() - picture.width()) / 2,
                area.top() - Margin + (area.height() - picture.height()) / 2,
                picture.width() + 2 * Margin, picture.height() + 2 * Margin);
    m_label->show();
    m_label->raise();
}

void MediaBox::mousePressEvent(QMouseEvent *)
{
    close();
}
