#pragma once

#include <QObject>
#include <QString>

class QKeyEvent;
class QWheelEvent;

/// The reader's text size, one for the article and the index views: Ctrl with
/// plus, minus and 0 or with the wheel changes it in steps, and it is
/// remembered across starts. Only font sizes scale; pictures keep their rules.
class TextScale : public QObject
{
    Q_OBJECT

public:
    static constexpr int Minimum = 80;
    static constexpr int Maximum = 200;
    static constexpr int Step = 10;

    static TextScale *instance();

    int percent() const { return m_percent; }
    /// Clamps to the range, stores the size and tells the views.
    void setPercent(int percent);

    /// Every "font-size" in pt or px of a style sheet, scaled to `percent`.
    static QString scaleSheet(const QString &sheet, int percent);
    /// Ctrl with plus, minus or 0: changes the size and returns true.
    bool handleKey(const QKeyEvent *event);
    /// Ctrl with the wheel: changes the size and returns true.
    bool handleWheel(const QWheelEvent *event);

signals:
    void changed(int percent);

private:
    TextScale();

    int m_percent = 100;
};
