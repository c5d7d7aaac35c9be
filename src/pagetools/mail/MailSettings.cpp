#include "pagetools/mail/MailSettings.h"

#include "shell/SettingsStore.h"

namespace {
const QString &Main = SettingsStore::MainSection;
const QString ActionKey = QStringLiteral("MailAction");
const QString ProgramKey = QStringLiteral("Mail Program");
const QString ParametersKey = QStringLiteral("Mail Program Params");
const QString UrlKey = QStringLiteral("Mail URL");
}

MailSettings MailSettings::read(const SettingsStore &store, int defaultAction)
{
    return {store.readInteger(Main, ActionKey, defaultAction), store.readString(Main, ProgramKey),
            store.readString(Main, ParametersKey), store.readString(Main, UrlKey)};
}

void MailSettings::write(SettingsStore &store) const
{
    store.writeInteger(Main, ActionKey, action);
    store.writeString(Main, ProgramKey, program);
    store.writeString(Main, ParametersKey, parameters);
    store.writeString(Main, UrlKey, url);
}
