#include "typing/TypingAidSwitches.h"

#include "shell/SettingsStore.h"

TypingAidSwitches TypingAidSwitches::read(const SettingsStore &settings)
{
    const QString &section = SettingsStore::MainSection;
    TypingAidSwitches switches;
    switches.textBoxAutoComplete = settings.readBool(section, TBAutoCompleteKey, true);
    switches.textBoxAutoCase = settings.readInteger(section, TBAutoCaseKey, RetainCase) == ChangeCase ? ChangeCase : RetainCase;
    switches.quickLinks = settings.readBool(section, QuickLinksKey, true);
    switches.quickCorrect = settings.readBool(section, QuickCorrectKey, true);
    switches.quickInsert = settings.readBool(section, QuickInsertKey, true);
    switches.quickWords = settings.readBool(section, QuickWordsKey, true);
    switches.formAutoFill = settings.readBool(section, FormAutoFillKey, true);
    return switches;
}

void TypingAidSwitches::write(SettingsStore &settings) const
{
    const QString &section = SettingsStore::MainSection;
    settings.writeBool(section, TBAutoCompleteKey, textBoxAutoComplete);
    settings.writeInteger(section, TBAutoCaseKey, textBoxAutoCase);
    settings.writeBool(section, QuickLinksKey, quickLinks);
    settings.writeBool(section, QuickCorrectKey, quickCorrect);
    settings.writeBool(section, QuickInsertKey, quickInsert);
    settings.writeBool(section, QuickWordsKey, quickWords);
    settings.writeBool(section, FormAutoFillKey, formAutoFill);
}
