#pragma once

#include <QString>
#include <optional>

class QNetworkProxy;
class SettingsStore;

// The proxy of a download, kept as "Use Proxy", "Proxy Address" and "Proxy Port" (the port as
// text) in a settings section: "Tarnwell Multi Search" for the site-list update, written by
// the proxy window.
struct ProxySettings
{
    bool useProxy = false;
    QString address;
    QString port;

    // As a download reads them: the port defaults to "80" when the key is absent.
    static ProxySettings readForDownload(const SettingsStore &settings, const QString &section);
    // As the proxy window shows them: every default empty.
    static ProxySettings readForWindow(const SettingsStore &settings);
    void write(SettingsStore &settings) const;

    // The HTTP proxy to use; nothing when the proxy is off. A port that is not a number from 1
    // to 65535 gives nothing and sets the error text.
    std::optional<QNetworkProxy> proxy(QString *error) const;
};
