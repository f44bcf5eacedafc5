#pragma once

// Small helpers shared by the fuzz functions.

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace fuzzkit {

/// Stops the run with a message: the fuzzer keeps the input as a finding.
[[noreturn]] inline void finding(const char *what, const QString &detail = QString())
{
    std::fprintf(stderr, "finding: %s: %s\n", what, qPrintable(detail));
    std::abort();
}

/// The parts of an input separated by NUL bytes, at most `count` (the last
/// part keeps any further NULs).
inline QByteArrayList parts(const QByteArray &input, int count)
{
    QByteArrayList result;
    qsizetype from = 0;
    while (result.size() + 1 < count) {
        const qsizetype nul = input.indexOf('\0', from);
        if (nul < 0)
            break;
        result.append(input.mid(from, nul - from));
        from = nul + 1;
    }
    result.append(input.mid(from));
    return result;
}

/// A Qt application (`App`) on the offscreen platform for the whole run.
template <typename App> App *offscreenApplication(const char *name)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static QByteArray program(name);
    static char *argv[] = {program.data(), nullptr};
    return new App(argc, argv);
}

/// One folder for the whole run; the loaders read real files.
inline const QString &scratchDir()
{
    static QTemporaryDir dir;
    static const QString path = dir.path();
    return path;
}

/// Writes `bytes` as `name` in the scratch folder, or removes the file for a null array.
inline void putFile(const QString &name, const QByteArray &bytes)
{
    const QString path = scratchDir() + QLatin1Char('/') + name;
    if (bytes.isNull()) {
        QFile::remove(path);
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        std::abort();
    file.write(bytes);
}

} // namespace fuzzkit
