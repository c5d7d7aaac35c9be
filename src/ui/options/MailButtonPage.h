#pragma once

#include "pagetools/mail/MailSettings.h"

#include <QWidget>

class MailSiteList;
class Prompter;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The "Mail Button" page of the options dialog: the mail program with its parameters, the
// web-mail site, and which of the two the Mail button uses. The mode follows where the user
// works: entering or typing in the controls of one side chooses it, and the chosen side's boxes
// take the window colour while the other's take the button colour.
class MailButtonPage : public QWidget
{
    Q_OBJECT
public:
    MailButtonPage(Prompter &prompter, QWidget *parent = nullptr);

    void load(const MailSettings &settings);
    MailSettings settings() const;

    QLineEdit *edMailProgram;
    QPushButton *btnBrowseProgram;
    QPushButton *btnUseDefault;
    QLineEdit *edParams;
    MailSiteList *ddlMailSites;
    QLineEdit *edMailURL;
    QRadioButton *rbMailProgram;
    QRadioButton *rbWebMail;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void selectProgramMode(bool program);
    void highlight(bool program);
    void btnBrowseProgramClick();
    void btnUseDefaultClick();

    Prompter &m_prompter;
};
