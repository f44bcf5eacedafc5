#pragma once

#include <QImage>
#include <QWidget>

class QMouseEvent;

/// An image strip that hands its mouse presses, moves and double-clicks to
/// whoever connects, so a frameless window can be dragged by it.
class TitleBar : public QWidget
{
    Q_OBJECT

public:
    /// Loads the image unless `imagePath` is null; a failed load leaves the bar blank.
    explicit TitleBar(const QString &imagePath, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    const QImage &image() const { return m_image; }
    /// Replaces the image, for example by a copy scaled to the bar.
    void setImage(const QImage &image);

signals:
    // These signals share the names and signatures of QWidget's mouse
    // handlers, so Qt's virtual handler calls emit them.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
};
