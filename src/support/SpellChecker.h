#pragma once

#include "support/SpellConfig.h"
#include "support/SpellEngine.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

class Prompter;
class QWidget;
class SpellCheckDialog;
class SpellCheckEvents;
class SpellCheckRun;

// The spell checker the program drives: it checks a text interactively in the modal check
// dialog, shows the options dialog over SPELLDICT.CFG and brings its dialog to the front.
class SpellChecker
{
public:
    // Runs a check to its end; production shows the check dialog.
    using DialogRunner = std::function<void(SpellCheckRun &run)>;
    // Shows the options; the new options, or nothing when cancelled.
    using OptionsRunner = std::function<std::optional<SpellOptions>(const SpellOptions &options)>;

    SpellChecker(QString dataFolder, Prompter &prompter, QWidget *dialogParent,
                 QStringList dictionaryFolders);
    ~SpellChecker();

    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }
    void setOptionsRunner(OptionsRunner runner) { m_runOptions = std::move(runner); }

    // At start: writes the first SPELLDICT.CFG when there is none, then reads it.
    void readConfiguration();
    // Checks the text, raising the events on the way; the corrected text, or nothing when no
    // check could run (no dictionary installed: the user is told which package is missing).
    // Says when the check is complete unless the user cancelled it.
    std::optional<QString> checkText(const QString &text, SpellCheckEvents &events);
    // "Spell Checker Options": the options dialog, its choice written back to SPELLDICT.CFG.
    void showOptions();
    // Brings the check dialog to the front when it is the window the user works in.
    void giveFocus();

    SpellEngine &engine() { return m_engine; }

private:
    void runDialog(SpellCheckRun &run);

    QString m_dataFolder;
    Prompter &m_prompter;
    QWidget *m_dialogParent;
    SpellConfig m_config;
    SpellEngine m_engine;
    DialogRunner m_runDialog;
    OptionsRunner m_runOptions;
    QPointer<SpellCheckDialog> m_dialog;
};
