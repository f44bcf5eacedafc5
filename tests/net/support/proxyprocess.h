#pragma once

#include <QHostAddress>
#include <QProcess>
#include <QString>

/// A real proxy server on 127.0.0.1 run for the length of a test: tinyproxy
/// (HTTP) or microsocks (SOCKS 5).
class ProxyProcess
{
public:
    enum Kind { Http, Socks5 };

    ProxyProcess() = default;
    ~ProxyProcess();
    ProxyProcess(const ProxyProcess &) = delete;
    ProxyProcess &operator=(const ProxyProcess &) = delete;

    /// The program for a kind, empty when it is not installed.
    static QString program(Kind kind);
    /// A port on 127.0.0.1 that nothing listened on a moment ago.
    static quint16 freePort();

    /// Starts the proxy with its files in `workDir` and waits until it accepts
    /// connections. Outgoing connections leave from `outgoing` when it is set,
    /// so a server can tell proxied connections apart; a non-empty `user`
    /// makes the proxy demand these credentials.
    bool start(Kind kind, const QString &workDir, const QHostAddress &outgoing = QHostAddress(),
               const QString &user = QString(), const QString &password = QString());
    void stop();

    quint16 port() const { return m_port; }
    /// Everything the proxy printed, for failure messages.
    QByteArray output();

private:
    bool waitUntilListening();

    QProcess m_process;
    quint16 m_port = 0;
    QByteArray m_output;
};
