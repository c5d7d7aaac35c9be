#pragma once

#include <QString>

class SettingsStore;

// The seven switches of the typing aids in the program's settings section, with their
// defaults. The aids read the keys themselves at every use; the setup window reads and writes
// them all at once.
struct TypingAidSwitches
{
    static inline const QString TBAutoCompleteKey = QStringLiteral("TBAutoComplete");
    static inline const QString TBAutoCaseKey = QStringLiteral("TBAutoCase");
    static inline const QString QuickLinksKey = QStringLiteral("QuickLinks");
    static inline const QString QuickCorrectKey = QStringLiteral("QuickCorrect");
    static inline const QString QuickInsertKey = QStringLiteral("QuickInsert");
    static inline const QString QuickWordsKey = QStringLiteral("QuickWords");
    static inline const QString FormAutoFillKey = QStringLiteral("FormAutoFill");

    // TBAutoCase: 0 changes the typed text's case to the list's, anything else keeps it.
    static constexpr int ChangeCase = 0;
    static constexpr int RetainCase = 1;

    bool textBoxAutoComplete = true;
    int textBoxAutoCase = RetainCase;
    bool quickLinks = true;
    bool quickCorrect = true;
    bool quickInsert = true;
    bool quickWords = true;
    bool formAutoFill = true;

    static TypingAidSwitches read(const SettingsStore &settings);
    // Writes the seven values in the order above.
    void write(SettingsStore &settings) const;
};
