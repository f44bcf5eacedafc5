#pragma once

#include <QtGlobal>

class QMessageLogContext;
class QString;

/// Longest message, in UTF-8 bytes, that is written to the log as it is.
constexpr int MaxLogMessageBytes = 10220;

/// Writes one record per message to "log/log.txt" beside the executable or to
/// standard error, as the setting TraceTarget says ("file" or "console"), and
/// nothing for any other value. A fatal message aborts the process.
void tessolinMessageHandler(QtMsgType type, const QMessageLogContext &context,
                            const QString &message);

/// Installs tessolinMessageHandler for the whole process.
void installLogHandler();
