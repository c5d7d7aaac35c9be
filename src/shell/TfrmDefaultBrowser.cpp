#include "shell/TfrmDefaultBrowser.h"

#include "shell/DefaultBrowserCheck.h"
#include "shell/SettingsStore.h"
#include "ui/CentreOnDesktop.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmDefaultBrowser::TfrmDefaultBrowser(SettingsStore &settings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings),
      chkAlwaysCheck(new QCheckBox(QStringLiteral("Always perform this check"), this)),
      btnYes(new QPushButton(QStringLiteral("&Yes"), this)),
      btnNo(new QPushButton(QStringLiteral("&No"), this))
{
    setWindowTitle(QStringLiteral("Kestrel Browser - Default Browser"));
    setModal(true);
    chkAlwaysCheck->setObjectName(QStringLiteral("chkAlwaysCheck"));
    btnYes->setObjectName(QStringLiteral("btnYes"));
    btnNo->setObjectName(QStringLiteral("btnNo"));
    btnYes->setDefault(true);
    chkAlwaysCheck->setChecked(true);

    auto *text = new QLabel(QStringLiteral("Kestrel Browser is not currently set up as your default web browser.  "
                                           "Do you want to make Kestrel Browser your default web browser?"),
                            this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnYes);
    buttons->addWidget(btnNo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(chkAlwaysCheck);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(chkAlwaysCheck, &QCheckBox::clicked, this, [this](bool checked) {
        m_settings.writeBool(SettingsStore::MainSection, DefaultBrowserCheck::Key, checked);
    });
    connect(btnYes, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnNo, &QPushButton::clicked, this, &QDialog::reject);
}

bool TfrmDefaultBrowser::ask(SettingsStore &settings, QWidget *parent)
{
    TfrmDefaultBrowser dialog(settings, parent);
    dialog.adjustSize();
    centreOnDesktop(&dialog);
    return dialog.exec() == QDialog::Accepted;
}
