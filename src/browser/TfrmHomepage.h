#pragma once

#include <QDialog>

class Prompter;
class QLineEdit;
class QPushButton;
class SettingsStore;

// The "Homepage Setup" dialog: the address new tabs start on, typed, picked from a file, or
// taken from the system start page, a blank page or the page on show. OK stores it as typed.
class TfrmHomepage : public QDialog
{
    Q_OBJECT
public:
    static inline const QString HomepageKey = QStringLiteral("Homepage");
    static inline const QString FileFilter =
        QStringLiteral("HTML Files|*.htm;*.html|Text Files|*.txt|All Files|*.*");
    static inline const QString DefaultExtension = QStringLiteral("html");

    // currentAddress is the address bar's text when the dialog is opened.
    TfrmHomepage(SettingsStore &settings, Prompter &prompter, const QString &currentAddress,
                 QWidget *parent = nullptr);

    // Shows the dialog modally; made and freed around each use.
    static void ask(SettingsStore &settings, Prompter &prompter, const QString &currentAddress, QWidget *parent);

    QString address() const;

    void Button1Click();
    void Button2Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_currentAddress;
    QLineEdit *edAddress;
};
