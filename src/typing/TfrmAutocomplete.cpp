#include "typing/TfrmAutocomplete.h"

#include "typing/AidListTab.h"
#include "typing/PersonalInfoTab.h"
#include "ui/CentreOnDesktop.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
using Kind = AidListEditor::Kind;

struct ListTab
{
    Kind kind;
    QString caption;
    QString name;
};
}

TfrmAutocomplete::TfrmAutocomplete(const QString &dataFolder, SettingsStore &settings, Prompter &prompter,
                                   ShowHtmlDialogFunction showHtmlDialog, QWidget *parent)
    : QDialog(parent), m_setup(dataFolder, settings, prompter), m_showHtmlDialog(std::move(showHtmlDialog))
{
    setWindowTitle(QStringLiteral("Auto Complete Setup"));
    m_setup.load();
    const auto showHelp = [this](const QString &page) { this->showHelp(page); };

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setUsesScrollButtons(false);
    PageControl1->setMinimumSize(560, 420);
    const ListTab listTabs[] = {
        {Kind::Completion, QStringLiteral("Text Box Auto Complete"), QStringLiteral("tsTextBoxAutoComplete")},
        {Kind::QuickCorrect, QStringLiteral("Quick Correct"), QStringLiteral("tsQuickCorrect")},
        {Kind::QuickLinks, QStringLiteral("Quick Links"), QStringLiteral("tsQuickLinks")},
        {Kind::QuickInsert, QStringLiteral("Quick Insert"), QStringLiteral("tsQuickInsert")},
        {Kind::QuickWords, QStringLiteral("Quick Words"), QStringLiteral("tsQuickWords")},
    };
    for (const ListTab &tab : listTabs) {
        auto *page = new AidListTab(m_setup.list(tab.kind), showHelp, PageControl1);
        page->setObjectName(tab.name);
        PageControl1->addTab(page, tab.caption);
        m_listTabs[static_cast<size_t>(tab.kind)] = page;
    }
    m_personalInfoTab = new PersonalInfoTab(m_setup.personalInfo(), showHelp, PageControl1);
    m_personalInfoTab->setObjectName(QStringLiteral("tsPersonalInfo"));
    PageControl1->addTab(m_personalInfoTab, QStringLiteral("Personal Info"));

    auto *caseSettings = new QGroupBox(QStringLiteral("Case Settings"));
    auto *caseLayout = new QVBoxLayout(caseSettings);
    rbChangeCase = new QRadioButton(QStringLiteral("Change case of typed text in text box to match text from list"));
    rbChangeCase->setObjectName(QStringLiteral("rbChangeCase"));
    rbRetainCase = new QRadioButton(QStringLiteral("Retain case of typed text in text box"));
    rbRetainCase->setObjectName(QStringLiteral("rbRetainCase"));
    caseLayout->addWidget(rbChangeCase);
    caseLayout->addWidget(rbRetainCase);
    m_listTabs[static_cast<size_t>(Kind::Completion)]->addOptions(caseSettings);

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    auto *cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton *button : {ok, cancel}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &TfrmAutocomplete::okClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    for (AidListTab *tab : m_listTabs)
        tab->showEditor();
    m_personalInfoTab->showEditor();
    showSwitches();
    PageControl1->setCurrentIndex(0);
}

QString TfrmAutocomplete::helpAddress(const QString &page)
{
    return QStringLiteral("qrc:/help/") + page.toLower() + QStringLiteral(".html");
}

void TfrmAutocomplete::showHelp(const QString &page)
{
    m_showHtmlDialog(helpAddress(page), 400, 450);
}

void TfrmAutocomplete::showSwitches()
{
    const TypingAidSwitches &switches = m_setup.switches();
    m_listTabs[static_cast<size_t>(Kind::Completion)]->enableBox()->setChecked(switches.textBoxAutoComplete);
    rbChangeCase->setChecked(switches.textBoxAutoCase == TypingAidSwitches::ChangeCase);
    rbRetainCase->setChecked(switches.textBoxAutoCase != TypingAidSwitches::ChangeCase);
    m_listTabs[static_cast<size_t>(Kind::QuickLinks)]->enableBox()->setChecked(switches.quickLinks);
    m_listTabs[static_cast<size_t>(Kind::QuickCorrect)]->enableBox()->setChecked(switches.quickCorrect);
    m_listTabs[static_cast<size_t>(Kind::QuickInsert)]->enableBox()->setChecked(switches.quickInsert);
    m_listTabs[static_cast<size_t>(Kind::QuickWords)]->enableBox()->setChecked(switches.quickWords);
    m_personalInfoTab->enableBox()->setChecked(switches.formAutoFill);
}

void TfrmAutocomplete::okClick()
{
    TypingAidSwitches &switches = m_setup.switches();
    switches.textBoxAutoComplete = m_listTabs[static_cast<size_t>(Kind::Completion)]->enableBox()->isChecked();
    switches.textBoxAutoCase = rbChangeCase->isChecked() ? TypingAidSwitches::ChangeCase : TypingAidSwitches::RetainCase;
    switches.quickLinks = m_listTabs[static_cast<size_t>(Kind::QuickLinks)]->enableBox()->isChecked();
    switches.quickCorrect = m_listTabs[static_cast<size_t>(Kind::QuickCorrect)]->enableBox()->isChecked();
    switches.quickInsert = m_listTabs[static_cast<size_t>(Kind::QuickInsert)]->enableBox()->isChecked();
    switches.quickWords = m_listTabs[static_cast<size_t>(Kind::QuickWords)]->enableBox()->isChecked();
    switches.formAutoFill = m_personalInfoTab->enableBox()->isChecked();
    const bool saved = m_setup.save();
    // Saving clears the Personal Info selection, committing its edit.
    m_personalInfoTab->showEditor();
    if (saved)
        accept();
}

void TfrmAutocomplete::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnDesktop(this);
}
