#include "browser/TfrmHomepage.h"

#include "browser/StartPage.h"
#include "shell/SettingsStore.h"
#include "ui/CentreOnDesktop.h"
#include "ui/Prompter.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString ExplorerMainSection = QStringLiteral("Microsoft\\Internet Explorer\\Main");

QPushButton *button(QWidget *parent, const char *name, const QString &caption)
{
    auto *control = new QPushButton(caption, parent);
    control->setObjectName(QLatin1String(name));
    control->setAutoDefault(false);
    return control;
}
}

TfrmHomepage::TfrmHomepage(SettingsStore &settings, Prompter &prompter, const QString &currentAddress,
                           QWidget *parent)
    : QDialog(parent, Qt::Tool), m_settings(settings), m_prompter(prompter), m_currentAddress(currentAddress),
      edAddress(new QLineEdit(this))
{
    setWindowTitle(QStringLiteral("Homepage Setup"));
    setModal(true);
    edAddress->setObjectName(QStringLiteral("edAddress"));

    auto *group = new QGroupBox(QStringLiteral("Homepage Address"), this);
    auto *text = new QLabel(QStringLiteral("You can change which page to use for your home page."), group);
    auto *label = new QLabel(QStringLiteral("Address:"), group);
    label->setBuddy(edAddress);
    QPushButton *Button1 = button(group, "Button1", QStringLiteral("..."));
    QPushButton *Button4 = button(group, "Button4", QStringLiteral("Use &IE Start Page"));
    QPushButton *Button5 = button(group, "Button5", QStringLiteral("Use &Blank"));
    QPushButton *Button6 = button(group, "Button6", QStringLiteral("Use &Current"));
    Button6->setToolTip(QStringLiteral("Use the page that is currently displayed in the topmost browser tab."));
    QPushButton *Button2 = button(this, "Button2", QStringLiteral("&Ok"));
    QPushButton *Button3 = button(this, "Button3", QStringLiteral("&Cancel"));
    Button2->setDefault(true);

    auto *groupLayout = new QGridLayout(group);
    groupLayout->addWidget(text, 0, 0, 1, 3);
    groupLayout->addWidget(label, 1, 0);
    groupLayout->addWidget(edAddress, 1, 1);
    groupLayout->addWidget(Button1, 1, 2);
    auto *uses = new QHBoxLayout;
    uses->addWidget(Button4);
    uses->addWidget(Button5);
    uses->addWidget(Button6);
    groupLayout->addLayout(uses, 2, 0, 1, 3);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    resize(460, sizeHint().height());

    edAddress->setText(m_settings.readString(SettingsStore::MainSection, HomepageKey, productStartPage()));

    connect(Button1, &QPushButton::clicked, this, &TfrmHomepage::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TfrmHomepage::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button4, &QPushButton::clicked, this, &TfrmHomepage::Button4Click);
    connect(Button5, &QPushButton::clicked, this, &TfrmHomepage::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TfrmHomepage::Button6Click);
}

void TfrmHomepage::ask(SettingsStore &settings, Prompter &prompter, const QString &currentAddress, QWidget *parent)
{
    TfrmHomepage dialog(settings, prompter, currentAddress, parent);
    dialog.exec();
}

void TfrmHomepage::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnDesktop(this);
}

QString TfrmHomepage::address() const
{
    return edAddress->text();
}

void TfrmHomepage::Button1Click()
{
    const std::optional<QString> chosen = m_prompter.openFile(QString(), FileFilter);
    if (!chosen)
        return;
    // A name typed without an extension means the HTML file of that name.
    QFileInfo file(*chosen);
    if (file.suffix().isEmpty() && !file.exists())
        file.setFile(*chosen + QLatin1Char('.') + DefaultExtension);
    edAddress->setText(file.absoluteFilePath());
}

void TfrmHomepage::Button2Click()
{
    m_settings.writeString(SettingsStore::MainSection, HomepageKey, edAddress->text());
    accept();
}

void TfrmHomepage::Button4Click()
{
    // Linux has no system start page of its own: the built-in one stands for it.
    const QString startPage = m_settings.readString(ExplorerMainSection, QStringLiteral("Start Page"));
    edAddress->setText(startPage.trimmed().isEmpty() ? productStartPage() : startPage);
}

void TfrmHomepage::Button5Click()
{
    edAddress->setText(QStringLiteral("about:blank"));
}

void TfrmHomepage::Button6Click()
{
    edAddress->setText(m_currentAddress);
}
