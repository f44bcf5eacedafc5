#include "loghandler.h"

#include "apppaths.h"
#include "clconstants.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

const char *prefixOf(QtMsgType type)
{
    switch (type) {
    case QtWarningMsg:
        return "WARNING: ";
    case QtCriticalMsg:
        return "CRITICAL: ";
    case QtFatalMsg:
        return "FATAL: ";
    case QtDebugMsg:
    case QtInfoMsg:
        break;
    }
    return "DEBUG: ";
}

QByteArray recordOf(QtMsgType type, const QString &message)
{
    const QByteArray bytes = message.toUtf8();
    if (bytes.size() > MaxLogMessageBytes)
        return QByteArrayLiteral("Log message is too long, skiped.\n");
    QByteArray record;
    record.reserve(bytes.size() + 16);
    record.append(prefixOf(type)).append(bytes).append('\n');
    return record;
}

void appendToLogFile(const QByteArray &record)
{
    const QString dir = AppPaths::dataDir();
    // Without an application object there is no executable directory to log beside.
    if (dir.isEmpty())
        return;
    const QString path = dir + QStringLiteral("/log/log.txt");
    // Opened per record so that no handle stays open and the file may be removed at any time.
    std::FILE *file = std::fopen(QFile::encodeName(path).constData(), "ab");
    if (!file)
        return;
    std::fwrite(record.constData(), 1, size_t(record.size()), file);
    std::fclose(file);
}

void writeRecord(QtMsgType type, const QString &message)
{
    // Read for every message so that a changed target applies at once.
    const QString target = QSettings().value(QStringLiteral(TS_KEY_TRACE_TARGET)).toString();
    if (target.isEmpty())
        return;
    const QByteArray record = recordOf(type, message);
    if (target == QLatin1String("file")) {
        appendToLogFile(record);
    } else if (target == QLatin1String("console")) {
        std::fwrite(record.constData(), 1, size_t(record.size()), stderr);
        std::fflush(stderr);
    }
}

} // namespace

void tessolinMessageHandler(QtMsgType type, const QMessageLogContext &context,
                            const QString &message)
{
    Q_UNUSED(context);
    writeRecord(type, message);
    if (type == QtFatalMsg)
        std::abort();
}

void installLogHandler()
{
    qInstallMessageHandler(tessolinMessageHandler);
}
