#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class SettingsStore;

// The proxy window "Proxy Server Settings": whether and through which proxy the site-list
// update goes. "&OK" stores the three settings, "&Cancel" leaves them.
class TfrmProxy : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmProxy(SettingsStore &settings, QWidget *parent = nullptr);

    // Creates the window, shows it modally and destroys it.
    static void run(SettingsStore &settings, QWidget *parent);

    QCheckBox *chkProxy() const { return m_chkProxy; }
    QLineEdit *edProxyAddress() const { return m_address; }
    QLineEdit *edProxyPort() const { return m_port; }

    void accept() override;

private:
    void chkProxyClick();

    SettingsStore &m_settings;
    QCheckBox *m_chkProxy;
    QLineEdit *m_address;
    QLineEdit *m_port;
};
