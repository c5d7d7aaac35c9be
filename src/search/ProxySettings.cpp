#include "search/ProxySettings.h"

#include "shell/SettingsStore.h"

#include <QNetworkProxy>

namespace {
const QString UseProxyKey = QStringLiteral("Use Proxy");
const QString AddressKey = QStringLiteral("Proxy Address");
const QString PortKey = QStringLiteral("Proxy Port");
}

ProxySettings ProxySettings::readForDownload(const SettingsStore &settings, const QString &section)
{
    return {settings.readBool(section, UseProxyKey, false), settings.readString(section, AddressKey),
            settings.readString(section, PortKey, QStringLiteral("80"))};
}

ProxySettings ProxySettings::readForWindow(const SettingsStore &settings)
{
    const QString &section = SettingsStore::MultiSearchSection;
    return {settings.readBool(section, UseProxyKey, false), settings.readString(section, AddressKey),
            settings.readString(section, PortKey)};
}

void ProxySettings::write(SettingsStore &settings) const
{
    const QString &section = SettingsStore::MultiSearchSection;
    settings.writeBool(section, UseProxyKey, useProxy);
    settings.writeString(section, AddressKey, address);
    settings.writeString(section, PortKey, port);
}

std::optional<QNetworkProxy> ProxySettings::proxy(QString *error) const
{
    if (!useProxy)
        return std::nullopt;
    bool ok = false;
    const int number = port.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > 65535) {
        if (error)
            *error = QLatin1Char('"') + port + QStringLiteral("\" is not a valid proxy port.");
        return std::nullopt;
    }
    return QNetworkProxy(QNetworkProxy::HttpProxy, address, quint16(number));
}
