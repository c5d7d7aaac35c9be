#pragma once

#include "ui/options/KBOptions.h"

#include <QDialog>

class MailButtonPage;
class Prompter;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;

// The options dialog "Kestrel Browser Options": pages "General", "Browser", "Mail Button" and
// "Post Notes". It shows the settings when it opens; "OK" saves them (KBOptions) and closes,
// "Cancel" closes without writing anything.
class TfrmKBOptions : public QDialog
{
    Q_OBJECT
public:
    enum Page { GeneralPage = 0, BrowserPage = 1, MailPage = 2, PostNotesPage = 3 };

    static inline const QString InvalidFolder = QStringLiteral("Please select a valid folder");

    TfrmKBOptions(KBOptions &options, Prompter &prompter, int page, QWidget *parent = nullptr);

    // Shows the dialog modally on the page; true when it was closed with "OK".
    static bool run(KBOptions &options, Prompter &prompter, int page, QWidget *parent);

    QTabWidget *pages;
    QCheckBox *chkDefaultBrowser;
    QCheckBox *chkQuickLaunch;
    QCheckBox *chkStartMenu;
    QCheckBox *chkIE5MenuItem;
    QSpinBox *edTabTitleLength;
    QCheckBox *chk3DBorder;
    QCheckBox *chkFlatScrollbars;
    QCheckBox *chkIEAutocomplete;
    MailButtonPage *mailPage;
    QLineEdit *edPNFolder;
    QPushButton *btnBrowse;
    QPushButton *btnDefault;
    QPushButton *btnOK;
    QPushButton *btnCancel;

private:
    QWidget *createGeneralPage();
    QWidget *createBrowserPage();
    QWidget *createPostNotesPage();
    void FormShow();
    void btnOKClick();
    void btnBrowseClick();
    void btnDefaultClick();

    KBOptions &m_options;
    Prompter &m_prompter;
    KBOptions::Values m_loaded;
};
