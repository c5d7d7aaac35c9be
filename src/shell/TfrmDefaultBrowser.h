#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;
class SettingsStore;

// The start-up question whether to make the program the default browser. Its check box writes
// "DefaultBrowserCheck" at every click, whatever the answer.
class TfrmDefaultBrowser : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDefaultBrowser(SettingsStore &settings, QWidget *parent = nullptr);

    // Shows the question modally; true when the user answered "&Yes".
    static bool ask(SettingsStore &settings, QWidget *parent = nullptr);

private:
    SettingsStore &m_settings;
    QCheckBox *chkAlwaysCheck;
    QPushButton *btnYes;
    QPushButton *btnNo;
};
