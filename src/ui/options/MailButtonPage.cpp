#include "ui/options/MailButtonPage.h"

#include "pagetools/mail/DefaultMailClient.h"
#include "pagetools/mail/WebMailSites.h"
#include "ui/Prompter.h"
#include "ui/options/MailSiteList.h"

#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {
template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

void setBoxColour(QWidget *box, QPalette::ColorRole role)
{
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, box->style()->standardPalette().color(role));
    box->setPalette(palette);
}
}

MailButtonPage::MailButtonPage(Prompter &prompter, QWidget *parent)
    : QWidget(parent),
      edMailProgram(named(new QLineEdit(this), "edMailProgram")),
      btnBrowseProgram(named(new QPushButton(QStringLiteral("..."), this), "btnBrowseProgram")),
      btnUseDefault(named(new QPushButton(QStringLiteral("Use Default"), this), "btnUseDefault")),
      edParams(named(new QLineEdit(this), "edParams")),
      ddlMailSites(named(new MailSiteList(this), "ddlMailSites")),
      edMailURL(named(new QLineEdit(this), "edMailURL")),
      rbMailProgram(named(new QRadioButton(QStringLiteral("Launch E-Mail Program"), this), "rbMailProgram")),
      rbWebMail(named(new QRadioButton(QStringLiteral("Navigate to Web Based E-Mail Site"), this), "rbWebMail")),
      m_prompter(prompter)
{
    ddlMailSites->setLines(WebMailSites::lines());

    auto *program = new QGroupBox(QStringLiteral("E-Mail Program"), this);
    auto *programLayout = new QGridLayout(program);
    programLayout->addWidget(edMailProgram, 0, 0, 1, 2);
    programLayout->addWidget(btnBrowseProgram, 0, 2);
    programLayout->addWidget(btnUseDefault, 1, 2);
    programLayout->addWidget(new QLabel(QStringLiteral("Parameters:"), program), 1, 0);
    programLayout->addWidget(edParams, 1, 1);
    btnBrowseProgram->setFixedWidth(btnBrowseProgram->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);

    auto *web = new QGroupBox(QStringLiteral("Web Based E-Mail"), this);
    auto *webLayout = new QGridLayout(web);
    webLayout->addWidget(new QLabel(QStringLiteral("Mail Sites:"), web), 0, 0);
    webLayout->addWidget(ddlMailSites, 0, 1);
    webLayout->addWidget(new QLabel(QStringLiteral("URL:"), web), 1, 0);
    webLayout->addWidget(edMailURL, 1, 1);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(program);
    layout->addWidget(web);
    layout->addWidget(rbMailProgram);
    layout->addWidget(rbWebMail);
    layout->addStretch();

    for (QWidget *control : {static_cast<QWidget *>(edMailProgram), static_cast<QWidget *>(edParams),
                             static_cast<QWidget *>(btnBrowseProgram), static_cast<QWidget *>(btnUseDefault),
                             static_cast<QWidget *>(ddlMailSites), static_cast<QWidget *>(edMailURL)})
        control->installEventFilter(this);
    connect(edMailProgram, &QLineEdit::textEdited, this, [this] { selectProgramMode(true); });
    connect(edMailURL, &QLineEdit::textEdited, this, [this] { selectProgramMode(false); });
    connect(ddlMailSites, &MailSiteList::siteChosen, this, [this](const QString &value) {
        selectProgramMode(false);
        edMailURL->setText(value);
    });
    connect(rbMailProgram, &QRadioButton::clicked, this, [this] { highlight(true); });
    connect(rbWebMail, &QRadioButton::clicked, this, [this] { highlight(false); });
    connect(btnBrowseProgram, &QPushButton::clicked, this, &MailButtonPage::btnBrowseProgramClick);
    connect(btnUseDefault, &QPushButton::clicked, this, &MailButtonPage::btnUseDefaultClick);
}

void MailButtonPage::load(const MailSettings &settings)
{
    selectProgramMode(settings.action == MailSettings::LaunchProgram);
    edMailProgram->setText(settings.program);
    edParams->setText(settings.parameters);
    edMailURL->setText(settings.url);
}

MailSettings MailButtonPage::settings() const
{
    return {rbMailProgram->isChecked() ? MailSettings::LaunchProgram : MailSettings::WebMail, edMailProgram->text(),
            edParams->text(), edMailURL->text()};
}

bool MailButtonPage::eventFilter(QObject *watched, QEvent *event)
{
    // Only the user entering a control chooses; focus the window moves by itself does not.
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason
            || reason == Qt::ShortcutFocusReason)
            selectProgramMode(watched != ddlMailSites && watched != edMailURL);
    }
    return QWidget::eventFilter(watched, event);
}

void MailButtonPage::selectProgramMode(bool program)
{
    (program ? rbMailProgram : rbWebMail)->setChecked(true);
    highlight(program);
}

void MailButtonPage::highlight(bool program)
{
    const QPalette::ColorRole active = QPalette::Base;
    const QPalette::ColorRole inactive = QPalette::Button;
    setBoxColour(edMailProgram, program ? active : inactive);
    setBoxColour(edParams, program ? active : inactive);
    setBoxColour(ddlMailSites, program ? inactive : active);
    setBoxColour(edMailURL, program ? inactive : active);
}

void MailButtonPage::btnBrowseProgramClick()
{
    // Programs here carry no file extension, so every file is offered.
    if (const std::optional<QString> path = m_prompter.openFile(QString(), QStringLiteral("All Files|*")))
        edMailProgram->setText(*path);
}

void MailButtonPage::btnUseDefaultClick()
{
    if (const std::optional<MailCommandLine> command = DefaultMailClient::choose(m_prompter)) {
        edMailProgram->setText(command->program);
        edParams->setText(command->parameters);
    }
}
