#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>

// Output helpers of the tool's commands: UTF-8 lines, flushed at once so
// stdout and stderr interleave as written.
namespace toolio {

inline void write(FILE *stream, const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

inline void out(const QString &line)
{
    write(stdout, line.toUtf8() + '\n');
}

inline void err(const QString &line)
{
    write(stderr, line.toUtf8() + '\n');
}

} // namespace toolio
