#pragma once

#include "sponsor/ShowHtmlDialog.h"
#include "typing/AutoCompleteSetup.h"

#include <QDialog>
#include <array>

class AidListTab;
class PersonalInfoTab;
class QRadioButton;
class QTabWidget;

// The Auto Complete Setup window: six tabs that edit the typing-aid lists and switch each aid
// on or off. OK writes every list file and the switches; Cancel writes nothing.
class TfrmAutocomplete : public QDialog
{
    Q_OBJECT
public:
    TfrmAutocomplete(const QString &dataFolder, SettingsStore &settings, Prompter &prompter,
                     ShowHtmlDialogFunction showHtmlDialog, QWidget *parent = nullptr);

    // The address of a help page stored among the resources.
    static QString helpAddress(const QString &page);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void showHelp(const QString &page);
    void showSwitches();
    void okClick();

    AutoCompleteSetup m_setup;
    ShowHtmlDialogFunction m_showHtmlDialog;
    QTabWidget *PageControl1;
    std::array<AidListTab *, 5> m_listTabs;
    PersonalInfoTab *m_personalInfoTab;
    QRadioButton *rbChangeCase;
    QRadioButton *rbRetainCase;
};
