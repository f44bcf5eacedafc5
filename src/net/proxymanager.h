#pragma once

#include <QObject>
#include <QString>

/// The user's proxy choice: kept in the settings and installed as the
/// application-wide proxy, so every request of the program follows it.
class ProxyManager : public QObject
{
    Q_OBJECT

public:
    /// Loads the settings and applies them.
    explicit ProxyManager(QObject *parent = nullptr);

    /// Installs the fields as the application proxy; mode 0 installs an
    /// explicit direct connection rather than the system's settings.
    void applyProxy();

    qint32 mode = 0; ///< 0 direct, 1 HTTP proxy, any other value SOCKS 5
    QString host;
    qint32 port = 0;
    QString user;
    QString password;

public slots:
    /// Writes all five fields to the settings and applies them again.
    void save();
};
