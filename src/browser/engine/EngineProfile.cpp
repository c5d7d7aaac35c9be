#include "browser/engine/EngineProfile.h"

#include <QCoreApplication>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

QWebEngineProfile *engineProfile()
{
    static QWebEngineProfile *profile = nullptr;
    if (!profile) {
        profile = new QWebEngineProfile(QStringLiteral("Kestrel"), QCoreApplication::instance());
        QWebEngineSettings *settings = profile->settings();
        // A local page must not read the user's files or reach the network on its own.
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
        settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
        settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    }
    return profile;
}
