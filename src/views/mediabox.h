#pragma once

#include <QDialog>

class QLabel;
class QPixmap;
class QRect;

/// A borderless popup showing one picture centred over an area; any click closes it.
class MediaBox : public QDialog
{
    Q_OBJECT

public:
    explicit MediaBox(QWidget *parent = nullptr);

    /// Shows `picture` unscaled, the box centred over `area`; the caller shows the box.
    void showImage(const QPixmap &picture, const QRect &area);

    QLabel *pictureLabel() const { return m_label; }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLabel *m_label;
};
