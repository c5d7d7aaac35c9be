#pragma once

#include "typing/AidListEditor.h"
#include "typing/PersonalInfoEditor.h"
#include "typing/TypingAidSwitches.h"

#include <QString>
#include <array>

class Prompter;
class SettingsStore;

// What the Auto Complete Setup window edits, without its widgets: the five lists, the Personal
// Info entries and the seven switches, read from the data files and settings when the window
// opens and written back by OK. Nothing is written before save().
class AutoCompleteSetup
{
public:
    AutoCompleteSetup(QString dataFolder, SettingsStore &settings, Prompter &prompter);

    AidListEditor &list(AidListEditor::Kind kind);
    PersonalInfoEditor &personalInfo() { return m_personalInfo; }
    TypingAidSwitches &switches() { return m_switches; }

    // Reads every file that exists and the switches. A file that exists but cannot be read is
    // named in a message, shown empty and never written, so saving cannot replace it with less.
    void load();
    // Commits a pending Personal Info edit, writes every file, then the switches. A file that
    // cannot be written stops there with a message naming it: the files before it are written,
    // the switches are not. True when everything was written.
    bool save();

private:
    QString m_dataFolder;
    SettingsStore &m_settings;
    Prompter &m_prompter;
    std::array<AidListEditor, 5> m_lists;
    PersonalInfoEditor m_personalInfo;
    TypingAidSwitches m_switches;
    QStringList m_unreadable;
};
