#include "proxymanager.h"

#include "clconstants.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkProxy>
#include <QSettings>

namespace {

// The settings file holds the proxy password in plain text: only its owner
// may read it. QSettings replaces the file on each write and keeps the mode.
void restrictToOwner(const QSettings &settings)
{
    const QString path = settings.fileName();
    if (settings.format() != QSettings::NativeFormat && settings.format() != QSettings::IniFormat)
        return;
    if (!QFile::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        // Created empty and private before anything secret is written to it.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                       QFile::ReadOwner | QFile::WriteOwner))
            return;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

ProxyManager::ProxyManager(QObject *parent) : QObject(parent)
{
    const QSettings settings;
    bool ok = false;
    mode = settings.value(QStringLiteral(TS_KEY_PROXY_MODE), 0).toInt(&ok);
    if (!ok)
        mode = 0;
    if (mode != 0) {
        host = settings.value(QStringLiteral(TS_KEY_PROXY_HOST), QString()).toString();
        bool portOk = false;
        port = settings.value(QStringLiteral(TS_KEY_PROXY_PORT), 0).toInt(&portOk);
        user = settings.value(QStringLiteral(TS_KEY_PROXY_USER), QString()).toString();
        password = settings.value(QStringLiteral(TS_KEY_PROXY_PASSWORD), QString()).toString();
        // Unusable stored values mean direct access; they stay stored until the next save.
        // A port past 65535 would wrap to another one.
        if (!portOk || host.isEmpty() || port < 1 || port > 65535)
            mode = 0;
    }
    applyProxy();
}

void ProxyManager::applyProxy()
{
    if (mode == 0 || port < 1 || port > 65535) {
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        return;
    }
    const QNetworkProxy::ProxyType type =
        mode == 1 ? QNetworkProxy::HttpProxy : QNetworkProxy::Socks5Proxy;
    QNetworkProxy::setApplicationProxy(QNetworkProxy(type, host, quint16(port), user, password));
}

void ProxyManager::save()
{
    QSettings settings;
    restrictToOwner(settings);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_MODE), mode);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_HOST), host);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_PORT), port);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_USER), user);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_PASSWORD), password);
    settings.sync();
    restrictToOwner(settings);
    applyProxy();
}
