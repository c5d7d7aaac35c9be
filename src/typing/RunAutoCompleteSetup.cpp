#include "typing/RunAutoCompleteSetup.h"

#include "typing/TfrmAutocomplete.h"
#include "typing/TypingAidTable.h"

bool runAutoCompleteSetup(QWidget *parent, TypingAidTable &table, SettingsStore &settings, Prompter &prompter,
                          const ShowHtmlDialogFunction &showHtmlDialog)
{
    TfrmAutocomplete window(table.dataFolder(), settings, prompter, showHtmlDialog, parent);
    if (window.exec() != QDialog::Accepted)
        return false;
    table.LoadTypingAids();
    return true;
}
