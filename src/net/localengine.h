#pragma once

#include <QObject>
#include <QString>
#include <QUrl>

class QProcess;
class QTcpSocket;
class QTimer;
class CLTranslator;

/// Starts the local Apertium service on demand: when a request is meant for
/// the engine on a loopback port and nothing answers there, the installed
/// apertium-apy is started on that port and the request waits until it
/// answers. A service this object started stops with it.
class LocalEngine : public QObject
{
    Q_OBJECT

public:
    enum class State { Unknown, Probing, Starting, Ready, Failed, Missing };
    enum class Admission { Send, Wait, Skip };

    explicit LocalEngine(QObject *parent = nullptr);
    ~LocalEngine() override;

    /// Whether `translator` is the local engine this object can start.
    static bool servesTranslator(const CLTranslator *translator);
    /// Whether a request to `entry` may go out now: Wait while the engine is
    /// being looked for or started (`settled` follows), Skip while it is not
    /// installed, Send otherwise.
    Admission admit(const QString &entry);
    /// Looks for a missing or failed engine again at the next request.
    void rearm();
    /// The engine found answering at `entry` stopped answering: look for it,
    /// and start it, again at the next request (true too while it is being looked
    /// for). False when it was never found there, or failed to start.
    bool revive(const QString &entry);

    State state() const { return m_state; }
    /// The service program started by this object; 0 when none runs.
    qint64 childProcessId() const;

    /// The message shown when apertium-apy or its language pairs are missing.
    static QString installHint();

    QString program;      ///< empty: apertium-apy found on PATH
    QString modesFolder = QStringLiteral("/usr/share/apertium/modes");
    int startTimeout = 20000; ///< ms a started service gets to answer

signals:
    /// The engine answers, or cannot be had; queued requests may go on.
    void settled(bool ready);
    /// apertium-apy or its language data are not installed.
    void missing(const QString &hint);

private:
    void probe();
    void onProbeConnected();
    void onProbeFailed();
    void startService();
    void finish(State state);
    void stopService();

    State m_state = State::Unknown;
    QUrl m_entry;
    QTcpSocket *m_socket = nullptr; ///< child, the current probe
    QProcess *m_process = nullptr;  ///< child
    QTimer *m_retry = nullptr;      ///< child, spaces the probes while the service starts
    QTimer *m_deadline = nullptr;   ///< child
};
