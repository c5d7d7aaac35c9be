#pragma once

#include <QString>

class SettingsStore;

// The mail settings: what the Mail button does ("MailAction"), the mail program with its
// parameters, and the web-mail address.
struct MailSettings
{
    enum Action { NotConfigured = 0, LaunchProgram = 1, WebMail = 2 };

    int action = NotConfigured;
    QString program;
    QString parameters;
    QString url;

    // The Mail button reads an absent action as not configured, the options dialog as the
    // program mode.
    static MailSettings read(const SettingsStore &store, int defaultAction);
    void write(SettingsStore &store) const;
};
