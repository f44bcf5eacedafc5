#include "viewtheme.h"

#include <QSettings>

namespace {

const QString SettingsKey = QStringLiteral("view/theme");

const ThemeColours Light = {
    "default",
    QColor(0xf8, 0xf6, 0xf1), QColor(0xfc, 0xfb, 0xf8),
    QColor(0x2b, 0x2f, 0x36), QColor(0x00, 0x00, 0xff), QColor(0x8b, 0x00, 0x00),
    QColor(0xa3, 0x00, 0x9a), QColor(0xff, 0xff, 0xff), QColor(0xff, 0xd6, 0xf6),
    QColor(0xd6, 0xd6, 0xd6), QColor(0xc0, 0xc0, 0xc0),
};

const ThemeColours Dark = {
    "dark",
    QColor(0x1b, 0x1d, 0x21), QColor(0x18, 0x1a, 0x1e),
    QColor(0xd9, 0xdd, 0xe3), QColor(0x8a, 0xb4, 0xf8), QColor(0xe0, 0xa3, 0xa3),
    QColor(0xf0, 0x7c, 0xe4), QColor(0x1b, 0x1d, 0x21), QColor(0x5a, 0x00, 0x00),
    QColor(0x34, 0x38, 0x3f), QColor(0x4a, 0x50, 0x5a),
};

} // namespace

ViewTheme::ViewTheme()
{
    m_dark = QSettings().value(SettingsKey).toString() == QLatin1String("dark");
}

ViewTheme *ViewTheme::instance()
{
    static ViewTheme *theme = new ViewTheme;
    return theme;
}

void ViewTheme::setDark(const bool dark)
{
    if (dark == m_dark)
        return;
    m_dark = dark;
    QSettings().setValue(SettingsKey, QString::fromLatin1(coloursOf(dark).skin));
    emit changed(dark);
}

const ThemeColours &ViewTheme::coloursOf(const bool dark)
{
    return dark ? Dark : Light;
}

QString ViewTheme::articleSheet() const
{
    if (!m_dark)
        return QString();
    // Article documents and the local help pages, light on dark.
    return QStringLiteral("\n#title, .lead, pre, code { color: #e8edf3; }\n"
                          "#source, h3 { color: #8fb0d0; }\n"
                          "#datetime { color: #9aa0a8; }\n"
                          "#images, .note { color: #a0a6ae; }\n"
                          "#text, body { color: #dcdfe4; }\n"
                          "h1, h2, .key { color: #9cc0e6; }\n"
                          "pre, code { background-color: #262a30; }\n"
                          "hr { background-color: #3a3f47; }\n"
                          "a { color: #8ab4f8; }\n");
}

QString ViewTheme::indexSheet() const
{
    if (!m_dark)
        return QString();
    return QStringLiteral("\nIndexItem { border-bottom: 1px solid #2c3037; color: #d9dde3; }\n");
}
