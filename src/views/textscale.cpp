#include "textscale.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QSettings>
#include <QWheelEvent>

namespace {

const QString SettingsKey = QStringLiteral("view/textScale");

} // namespace

TextScale::TextScale()
{
    const int stored = QSettings().value(SettingsKey, 100).toInt();
    m_percent = qBound(Minimum, stored, Maximum);
}

TextScale *TextScale::instance()
{
    static TextScale *scale = new TextScale;
    return scale;
}

void TextScale::setPercent(int percent)
{
    percent = qBound(Minimum, percent, Maximum);
    if (percent == m_percent)
        return;
    m_percent = percent;
    QSettings().setValue(SettingsKey, percent);
    emit changed(percent);
}

QString TextScale::scaleSheet(const QString &sheet, int percent)
{
    if (percent == 100)
        return sheet;
    static const QRegularExpression size(
        QStringLiteral("(font-size\\s*:\\s*)([0-9]+(?:\\.[0-9]+)?)(\\s*)(pt|px)"),
        QRegularExpression::CaseInsensitiveOption);
    QString result;
    qsizetype last = 0;
    for (const QRegularExpressionMatch &match : size.globalMatch(sheet)) {
        result += QStringView(sheet).mid(last, match.capturedStart(2) - last);
        const double value = match.captured(2).toDouble() * percent / 100.0;
        // Pixel sizes must stay whole numbers for the style sheet parser.
        result += match.captured(4).compare(QLatin1String("px"), Qt::CaseInsensitive) == 0
                      ? QString::number(qMax(1, qRound(value)))
                      : QString::number(value, 'g', 4);
        last = match.capturedEnd(2);
    }
    result += QStringView(sheet).mid(last);
    return result;
}

bool TextScale::handleKey(const QKeyEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        setPercent(m_percent + Step);
        return true;
    case Qt::Key_Minus:
        setPercent(m_percent - Step);
        return true;
    case Qt::Key_0:
        setPercent(100);
        return true;
    default:
        return false;
    }
}

bool TextScale::handleWheel(const QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    const int delta = event->angleDelta().y();
    if (delta != 0)
        setPercent(m_percent + (delta > 0 ? Step : -Step));
    return true;
}
