#include "search/TfrmProxy.h"

#include "search/ProxySettings.h"
#include "ui/CentreOnDesktop.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmProxy::TfrmProxy(SettingsStore &settings, QWidget *parent)
    : QDialog(parent, Qt::Tool), m_settings(settings),
      m_chkProxy(new QCheckBox(QStringLiteral("Access the &Internet using a proxy server."))),
      m_address(new QLineEdit), m_port(new QLineEdit)
{
    setWindowTitle(QStringLiteral("Proxy Server Settings"));
    auto *group = new QGroupBox(QStringLiteral("Proxy Server"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Proxy Address:"), m_address);
    fields->addRow(QStringLiteral("Proxy Port:"), m_port);
    auto *groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_chkProxy);
    groupLayout->addLayout(fields);
    auto *note = new QLabel(QStringLiteral("Note: This only applies to retrieving updates to the site list."));
    note->setWordWrap(true);
    groupLayout->addWidget(note);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmProxy::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmProxy::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(buttons);

    const ProxySettings stored = ProxySettings::readForWindow(m_settings);
    m_address->setText(stored.address);
    m_port->setText(stored.port);
    m_chkProxy->setChecked(stored.useProxy);
    connect(m_chkProxy, &QCheckBox::toggled, this, &TfrmProxy::chkProxyClick);
    chkProxyClick();
}

void TfrmProxy::run(SettingsStore &settings, QWidget *parent)
{
    TfrmProxy window(settings, parent);
    window.adjustSize();
    centreOnDesktop(&window);
    window.exec();
}

void TfrmProxy::chkProxyClick()
{
    // Disabled fields take the button-face colour of the style; enabled ones the window's.
    const bool on = m_chkProxy->isChecked();
    m_address->setEnabled(on);
    m_port->setEnabled(on);
}

void TfrmProxy::accept()
{
    ProxySettings{m_chkProxy->isChecked(), m_address->text(), m_port->text()}.write(m_settings);
    QDialog::accept();
}
