#pragma once

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <algorithm>
// The core tests see no QtGui headers; they have no use for pictures.
#if __has_include(<QImage>)
#include <QColor>
#include <QImage>
#define TESTKIT_HAVE_GUI
#endif

// Small helpers every test area shares: files, the shared news corpus, the
// shipped data, isolated settings and generated pictures. Header-only, so the
// core tests (which link no support sources) can use it too.

namespace testkit {

inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

inline QString sourcePath(const QString &relative)
{
    return QStringLiteral(TESSOLIN_SOURCE_DIR "/") + relative;
}

inline QString shippedProfileDir()
{
    return sourcePath(QStringLiteral("data/conf/profile"));
}

inline QString corpusPath(const QString &relative)
{
    return QStringLiteral(TESSOLIN_CORPUS "/") + relative;
}

/// The raw bytes of corpus page ID, or empty when the corpus is absent.
inline QByteArray readCorpusPage(const QString &id)
{
    return readAll(corpusPath(QStringLiteral("pages/") + id + QStringLiteral(".html")));
}

/// The ground truth of corpus page ID (JSON), or empty.
inline QByteArray readCorpusTruth(const QString &id)
{
    return readAll(corpusPath(QStringLiteral("truth/") + id + QStringLiteral(".json")));
}

/// The program's 21 interface language codes (the codes of its own files).
inline const QStringList &interfaceLanguages()
{
    static const QStringList codes =
        QStringLiteral("ar de en es fa fr hi id it iw ja kr po pt ro ru tr uk vi zh_CN zh_TW")
            .split(QLatin1Char(' '));
    return codes;
}

#ifdef TESTKIT_HAVE_GUI
/// A PNG of the given size in one colour.
inline QByteArray png(int width, int height, const QColor &color = QColor(40, 90, 160))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
#endif

/// Sends QSettings and QStandardPaths of this process into a temporary folder
/// for as long as the object lives.
class IsolatedSettings
{
public:
    IsolatedSettings()
    {
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

#if __has_include(<QTest>)
} // namespace testkit
#include <QTest>
namespace testkit {

/// Data rows from a static table of structs whose first member is `name`: one column "row"
/// holding each entry's index; current() gives the entry of the running row.
template <typename Row, size_t N> void rows(const Row (&table)[N])
{
    QTest::addColumn<int>("row");
    for (size_t i = 0; i < N; ++i)
        QTest::newRow(table[i].name) << int(i);
}

template <typename Row, size_t N> const Row &current(const Row (&table)[N])
{
    QFETCH(int, row);
    return table[row];
}

/// One data column "action" holding the index of each named row, for tests whose rows differ
/// only in what the test does.
inline void actionRows(std::initializer_list<const char *> names)
{
    QTest::addColumn<int>("action");
    int action = 0;
    for (const char *name : names)
        QTest::newRow(name) << action++;
}

#endif

#ifdef TESTKIT_HAVE_GUI
/// How many pixels of `widget`, as drawn now, have exactly the colour `color`.
template <typename Widget> qsizetype countPixels(Widget *widget, const QColor &color)
{
    const QImage shot = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto *pixels = reinterpret_cast<const QRgb *>(shot.constBits());
    return std::count(pixels, pixels + shot.width() * shot.height(), color.rgb());
}
#endif

} // namespace testkit
