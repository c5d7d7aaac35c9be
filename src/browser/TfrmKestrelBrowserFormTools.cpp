// The main window's form tools: the personal info fill on the Insert key and the form data
// commands of the File menu.
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/status/StatusArea.h"
#include "formdata/FormDataCommands.h"
#include "typing/PersonalInfoFill.h"

void TfrmKestrelBrowser::CreateFormTools()
{
    const auto activeDocument = [this] { return GetActiveDocument(); };
    m_personalInfoFill = std::make_unique<PersonalInfoFill>(
        PersonalInfoFill::Collaborators{activeDocument, &m_store, &m_prompter, DataFolder::path()});
    m_formDataCommands = std::make_unique<FormDataCommands>(
        m_commands, m_prompter,
        FormDataCommands::Collaborators{activeDocument,
                                        [this](const QString &text) { m_tabbed->status()->setPanelText(text); },
                                        [this](int percent) { m_tabbed->status()->setGauge(percent); }});
}

void TfrmKestrelBrowser::FillPersonalInfo()
{
    m_personalInfoFill->FillPersonalInfo();
}
