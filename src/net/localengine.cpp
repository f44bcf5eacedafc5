#include "localengine.h"

#include "cltranslator.h"

#include <QDir>
#include <QFileInfo>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace {

bool isLoopbackHost(const QString &host)
{
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

} // namespace

LocalEngine::LocalEngine(QObject *parent)
    : QObject(parent)
{
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(150);
    connect(m_retry, &QTimer::timeout, this, &LocalEngine::probe);
    m_deadline = new QTimer(this);
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        stopService();
        finish(State::Failed);
    });
}

LocalEngine::~LocalEngine()
{
    stopService();
}

bool LocalEngine::servesTranslator(const CLTranslator *translator)
{
    if (!translator || translator->id != QLatin1String("apertium"))
        return false;
    const QUrl url(translator->entry);
    return url.scheme() == QLatin1String("http") && url.port() > 0 && isLoopbackHost(url.host());
}

QString LocalEngine::installHint()
{
    return tr("Translation needs the apertium-apy package and a language pair package such as "
              "apertium-eng-spa; install them and translate again");
}

qint64 LocalEngine::childProcessId() const
{
    return m_process && m_process->state() != QProcess::NotRunning ? m_process->processId() : 0;
}

void LocalEngine::rearm()
{
    if (m_state == State::Missing || m_state == State::Failed) {
        stopService();
        m_state = State::Unknown;
    }
}

bool LocalEngine::revive(const QString &entry)
{
    const QUrl url(entry);
    if (m_state == State::Failed || m_state == State::Missing || m_entry.isEmpty() ||
        url.host() != m_entry.host() || url.port() != m_entry.port())
        return false;
    if (m_state == State::Probing || m_state == State::Starting)
        return true; // already being looked for
    // Unknown after Ready: the service this object started has ended since.
    stopService();
    m_state = State::Unknown;
    return true;
}

LocalEngine::Admission LocalEngine::admit(const QString &entry)
{
    const QUrl url(entry);
    if (m_entry.isEmpty() || url.host() != m_entry.host() || url.port() != m_entry.port()) {
        // Another engine address: whatever was found for the old one does not hold.
        if (m_state == State::Probing || m_state == State::Starting)
            return Admission::Send;
        stopService();
        m_entry = url;
        m_state = State::Unknown;
    }
    switch (m_state) {
    case State::Unknown:
        m_state = State::Probing;
        probe();
        return Admission::Wait;
    case State::Probing:
    case State::Starting:
        return Admission::Wait;
    case State::Missing:
        return Admission::Skip;
    case State::Ready:
    case State::Failed:
        break;
    }
    return Admission::Send;
}

void LocalEngine::probe()
{
    if (m_socket)
        m_socket->deleteLater();
    m_socket = new QTcpSocket(this);
    connect(m_socket, &QTcpSocket::connected, this, &LocalEngine::onProbeConnected);
    connect(m_socket, &QTcpSocket::errorOccurred, this, &LocalEngine::onProbeFailed);
    m_socket->connectToHost(m_entry.host(), quint16(m_entry.port()));
}

void LocalEngine::onProbeConnected()
{
    if (m_socket) {
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    finish(State::Ready);
}

void LocalEngine::onProbeFailed()
{
    if (m_socket) {
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    if (m_state == State::Probing)
        startService();
    else if (m_state == State::Starting && m_process && m_process->state() != QProcess::NotRunning)
        m_retry->start();
}

void LocalEngine::startService()
{
    const QString executable =
        program.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("apertium-apy")) : program;
    const QDir modes(modesFolder);
    if (executable.isEmpty() || !QFileInfo(executable).isExecutable() ||
        modes.entryList({QStringLiteral("*.mode")}, QDir::Files).isEmpty()) {
        finish(State::Missing);
        emit missing(installHint());
        return;
    }
    m_state = State::Starting;
    m_process = new QProcess(this);
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
#ifdef Q_OS_LINUX
    // A reader that dies without cleaning up still takes its service along.
    m_process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    connect(m_process, &QProcess::finished, this, [this] {
        // A service that ended while starting will not answer; one that ended
        // later is looked for again at the next request.
        if (m_state == State::Starting)
            finish(State::Failed);
        else if (m_state == State::Ready)
            m_state = State::Unknown;
    });
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && m_state == State::Starting)
            finish(State::Failed);
    });
    m_process->start(executable, {QStringLiteral("-p"), QString::number(m_entry.port()),
                                  modes.absolutePath()});
    m_deadline->start(startTimeout);
    m_retry->start();
}

void LocalEngine::finish(State state)
{
    m_retry->stop();
    m_deadline->stop();
    if (m_socket) {
        m_socket->abort();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    m_state = state;
    emit settled(state == State::Ready);
}

void LocalEngine::stopService()
{
    if (!m_process)
        return;
    QProcess *process = m_process;
    m_process = nullptr;
    process->disconnect(this);
    if (process->state() != QProcess::NotRunning) {
        process->terminate();
        if (!process->waitForFinished(3000)) {
            process->kill();
            process->waitForFinished(3000);
        }
    }
    delete process;
}
