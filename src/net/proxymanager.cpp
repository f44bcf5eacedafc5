#include "proxymanager.h"

#include "clconstants.h"

#include <QNetworkProxy>
#include <QSettings>

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
        if (!portOk || host.isEmpty() || port < 1)
            mode = 0;
    }
    applyProxy();
}

void ProxyManager::applyProxy()
{
    if (mode == 0) {
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
    settings.setValue(QStringLiteral(TS_KEY_PROXY_MODE), mode);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_HOST), host);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_PORT), port);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_USER), user);
    settings.setValue(QStringLiteral(TS_KEY_PROXY_PASSWORD), password);
    applyProxy();
}
