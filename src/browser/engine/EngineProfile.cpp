#include "browser/engine/EngineProfile.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

const QString &pageAgentSecret()
{
    static const QString secret = [] {
        QString text;
        for (int i = 0; i < 4; ++i)
            text += QString::number(QRandomGenerator::system()->generate(), 16).rightJustified(8, QLatin1Char('0'));
        return text;
    }();
    return secret;
}

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
