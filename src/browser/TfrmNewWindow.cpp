#include "browser/TfrmNewWindow.h"

#include "browser/NewWindowPolicy.h"
#include "shell/SettingsStore.h"
#include "ui/CentreOnDesktop.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QRadioButton *radio(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new QRadioButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}
}

TfrmNewWindow::TfrmNewWindow(SettingsStore &settings, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings),
      R1(radio(this, "R1", QStringLiteral("Open in same window."))),
      R2(radio(this, "R2", QStringLiteral("Open on new browser tab."))),
      R3(radio(this, "R3", QStringLiteral("Open in default browser"))),
      R4(radio(this, "R4", QStringLiteral("Do not open at all."))),
      chkDoNotAsk(new QCheckBox(QStringLiteral("Do not ask again."), this)),
      btnOk(new QPushButton(QStringLiteral("&Ok"), this))
{
    setWindowTitle(QStringLiteral("New Window"));
    setModal(true);
    chkDoNotAsk->setObjectName(QStringLiteral("chkDoNotAsk"));
    btnOk->setObjectName(QStringLiteral("btnOk"));
    btnOk->setDefault(true);

    auto *text = new QLabel(QStringLiteral("The browser is attempting to open a new window.  "
                                           "Please specify how it should be handled."),
                            this);
    text->setObjectName(QStringLiteral("lblText"));
    text->setWordWrap(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    for (QRadioButton *button : choices())
        layout->addWidget(button);
    layout->addWidget(chkDoNotAsk);
    layout->addLayout(buttons);

    // The stored choice is selected; another value selects none.
    const int stored = m_settings.readInteger(SettingsStore::MainSection, NewWindowPolicy::NewWindowKey,
                                              NewWindowPolicy::DefaultBrowser);
    if (stored >= NewWindowPolicy::SameWindow && stored <= NewWindowPolicy::DoNotOpen)
        choices()[stored - 1]->setChecked(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmNewWindow::btnOkClick);
}

void TfrmNewWindow::ask(SettingsStore &settings, QWidget *parent)
{
    TfrmNewWindow dialog(settings, parent);
    dialog.exec();
}

void TfrmNewWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

std::array<QRadioButton *, 4> TfrmNewWindow::choices() const
{
    return {R1, R2, R3, R4};
}

int TfrmNewWindow::selectedChoice() const
{
    const std::array<QRadioButton *, 4> buttons = choices();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked())
            return int(i) + NewWindowPolicy::SameWindow;
    }
    return 0;
}

void TfrmNewWindow::btnOkClick()
{
    m_settings.writeInteger(SettingsStore::MainSection, NewWindowPolicy::NewWindowKey, selectedChoice());
    m_settings.writeBool(SettingsStore::MainSection, NewWindowPolicy::NewWindowDialogKey, chkDoNotAsk->isChecked());
    accept();
}
