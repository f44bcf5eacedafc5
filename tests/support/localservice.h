#pragma once

#include <QDeadlineTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>

/// A program serving on a port of 127.0.0.1 for the length of a test.
class LocalService
{
public:
    ~LocalService() { stop(); }

    /// A port on 127.0.0.1 that nothing listened on a moment ago.
    static quint16 freePort()
    {
        QTcpServer probe;
        return probe.listen(QHostAddress(QHostAddress::LocalHost), 0) ? probe.serverPort() : 0;
    }

    /// Starts the program and waits until `port` accepts connections.
    bool start(const QString &program, const QStringList &arguments, quint16 port)
    {
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, arguments);
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && process.state() != QProcess::NotRunning) {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress(QHostAddress::LocalHost), port);
            if (probe.waitForConnected(500))
                return true;
            process.waitForReadyRead(100); // keeps the output pipe drained while waiting
        }
        return false;
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
};
