#include "proxyprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

ProxyProcess::~ProxyProcess()
{
    stop();
}

QString ProxyProcess::program(Kind kind)
{
    return QStandardPaths::findExecutable(kind == Http ? QStringLiteral("tinyproxy")
                                                       : QStringLiteral("microsocks"));
}

quint16 ProxyProcess::freePort()
{
    QTcpServer probe;
    if (!probe.listen(QHostAddress(QHostAddress::LocalHost), 0))
        return 0;
    return probe.serverPort();
}

bool ProxyProcess::start(Kind kind, const QString &workDir, const QHostAddress &outgoing,
                         const QString &user, const QString &password)
{
    const QString executable = program(kind);
    m_port = freePort();
    if (executable.isEmpty() || m_port == 0)
        return false;

    QStringList arguments;
    if (kind == Http) {
        // tinyproxy refuses port 0, hence the port probed above.
        QByteArray config = "Port " + QByteArray::number(m_port) +
                            "\nListen 127.0.0.1\nAllow 127.0.0.1\nTimeout 30\nMaxClients 20\n";
        if (!outgoing.isNull())
            config += "Bind " + outgoing.toString().toLatin1() + "\n";
        if (!user.isEmpty())
            config += "BasicAuth " + user.toUtf8() + " " + password.toUtf8() + "\n";
        const QString configPath = workDir + QStringLiteral("/tinyproxy.conf");
        QFile file(configPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(config) != config.size())
            return false;
        file.close();
        arguments = QStringList{QStringLiteral("-d"), QStringLiteral("-c"), configPath};
    } else {
        arguments = QStringList{QStringLiteral("-i"), QStringLiteral("127.0.0.1"),
                                QStringLiteral("-p"), QString::number(m_port)};
        if (!outgoing.isNull())
            arguments += QStringList{QStringLiteral("-b"), outgoing.toString()};
        if (!user.isEmpty())
            arguments += QStringList{QStringLiteral("-u"), user, QStringLiteral("-P"), password};
    }
    m_process.setProcessChannelMode(QProcess::MergedChannels);
    m_process.setWorkingDirectory(workDir);
    m_process.start(executable, arguments);
    if (!m_process.waitForStarted(10000))
        return false;
    return waitUntilListening();
}

bool ProxyProcess::waitUntilListening()
{
    const QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (m_process.state() != QProcess::Running)
            return false;
        QTcpSocket probe;
        probe.connectToHost(QHostAddress(QHostAddress::LocalHost), m_port);
        if (probe.waitForConnected(500)) {
            probe.disconnectFromHost();
            return true;
        }
        QThread::msleep(50);
    }
    return false;
}

void ProxyProcess::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate();
    if (!m_process.waitForFinished(5000)) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
    if (m_process.isOpen())
        m_output += m_process.readAll();
}

QByteArray ProxyProcess::output()
{
    if (m_process.isOpen())
        m_output += m_process.readAll();
    return m_output;
}
