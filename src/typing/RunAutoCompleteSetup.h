#pragma once

#include "sponsor/ShowHtmlDialog.h"

class Prompter;
class QWidget;
class SettingsStore;
class TypingAidTable;

// The Options menu entry "&Auto Complete Setup": shows the setup window modally over parent,
// on the files of the table's data folder, and rebuilds the table when it closes with OK.
// True when it did.
bool runAutoCompleteSetup(QWidget *parent, TypingAidTable &table, SettingsStore &settings, Prompter &prompter,
                          const ShowHtmlDialogFunction &showHtmlDialog);
