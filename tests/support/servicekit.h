#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

#include <functional>

#include "testkit.h"

// Programs the network and application tests start: one runner for tools that
// finish, one service that listens on loopback, and the data-table helper.

namespace servicekit {

using testkit::current;
using testkit::rows;

/// Skips a test that needs a program of the installed dependencies only where the run allows
/// it (TESSOLIN_ALLOW_SKIP=1, for runs outside the project's test command); fails otherwise.
#define TESSOLIN_NEEDS(condition, what)                                                           \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            if (qEnvironmentVariableIntValue("TESSOLIN_ALLOW_SKIP"))                               \
                QSKIP(what);                                                                       \
            QFAIL(what " (scripts/install-deps installs it; TESSOLIN_ALLOW_SKIP=1 skips)");        \
        }                                                                                          \
    } while (false)

/// Runs a program to its end; its output, or "failed: " and the output.
inline QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool ok = process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
                    process.exitCode() == 0;
    return (ok ? QString() : QStringLiteral("failed: ")) + QString::fromUtf8(process.readAll());
}

/// A program serving on a port of 127.0.0.1 for the length of a test.
class LocalService
{
public:
    ~LocalService() { stop(); }

#ifdef TESSOLIN_UPDATE_SERVER
    /// Starts the update server on port 0 and reads the port it prints; 0 on failure.
    quint16 startUpdateServer(const QStringList &arguments)
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel); // its log goes to ours
        process.start(QStringLiteral(TESSOLIN_UPDATE_SERVER), arguments);
        port = process.waitForReadyRead(20000) ? process.readLine().trimmed().toUShort() : 0;
        return port;
    }
#endif

    /// Starts a program that cannot report a port of its own choosing: `arguments` are made
    /// for a free port, and a port taken meanwhile by another program makes it try another.
    bool start(const QString &program, const std::function<QStringList(quint16)> &arguments)
    {
        for (int attempt = 0; attempt < 5; ++attempt) {
            QTcpServer probe;
            if (!probe.listen(QHostAddress(QHostAddress::LocalHost), 0))
                return false;
            port = probe.serverPort();
            probe.close();
            process.setProcessChannelMode(QProcess::MergedChannels);
            process.start(program, arguments(port));
            const QDeadlineTimer deadline(30000);
            while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
                QTcpSocket socket;
                socket.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
                if (socket.waitForConnected(500) && process.state() == QProcess::Running)
                    return true;
                process.waitForReadyRead(100); // keeps the output pipe drained while waiting
            }
            stop();
        }
        return false;
    }
    /// The same, with "PORT" in the arguments standing for the port.
    bool start(const QString &program, const QStringList &arguments)
    {
        return start(program, [arguments](quint16 port) {
            return QStringList(arguments).replaceInStrings(QStringLiteral("PORT"), QString::number(port));
        });
    }

    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    /// Everything the program printed so far, for failure messages.
    QByteArray output() { return process.readAll(); }

    QProcess process;
    quint16 port = 0;
};

} // namespace servicekit
