#include "search/TfrmMultiSearch.h"

#include "search/MultiSearchTabBar.h"
#include "search/PeopleQuery.h"
#include "search/SearchListUpdate.h"
#include "search/TDropDownList.h"
#include "search/TfrmProxy.h"
#include "search/TfrmUpdateSetup.h"
#include "search/UsStates.h"
#include "shell/TextFile.h"
#include "ui/Prompter.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
// The tab widget with the owner-drawn tab bar.
class MultiSearchPages : public QTabWidget
{
public:
    explicit MultiSearchPages(QWidget *parent) : QTabWidget(parent) { setTabBar(new MultiSearchTabBar(this)); }
};
}

TfrmMultiSearch::TfrmMultiSearch(SettingsStore &settings, Prompter &prompter, const QString &dataFolder,
                                 Navigate navigate, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                          | Qt::WindowStaysOnTopHint),
      m_settings(settings), m_prompter(prompter), m_dataFolder(dataFolder), m_navigate(std::move(navigate)),
      m_pages(new MultiSearchPages(this))
{
    setWindowTitle(QStringLiteral("Tarnwell Multi Search"));
    setFixedSize(477, 288);

    auto *menuBar = new QToolBar(this);
    createMenus(menuBar);

    ddlPeopleState = new TDropDownList;
    ddlPeopleState->setObjectName(QStringLiteral("ddlPeopleState"));
    ddlPeopleState->fill(usStateLines());
    m_pages->addTab(createQueryPage(SiteFile::SearchEngines, txtSearchEngines, QStringLiteral("Search for:")),
                    QStringLiteral("Web Search Engines"));
    m_pages->addTab(createPeoplePage(), QStringLiteral("People"));
    m_pages->addTab(createQueryPage(SiteFile::Financial, txtFinancial, QStringLiteral("Symbol:")),
                    QStringLiteral("Finance"));
    m_pages->addTab(createQueryPage(SiteFile::News, txtNews, QStringLiteral("Search for:")), QStringLiteral("News"));
    m_pages->addTab(createQueryPage(SiteFile::Reference, txtReference, QStringLiteral("Look up:")),
                    QStringLiteral("Reference"));
    connect(m_pages, &QTabWidget::currentChanged, this, &TfrmMultiSearch::pageChanged);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(menuBar);
    layout->addWidget(m_pages, 1);

    m_pages->setCurrentIndex(0);
    pageChanged(0);
    LoadLists();
}

void TfrmMultiSearch::run(SettingsStore &settings, Prompter &prompter, const QString &dataFolder, Navigate navigate,
                          QWidget *parent)
{
    TfrmMultiSearch window(settings, prompter, dataFolder, std::move(navigate), parent);
    window.exec();
}

void TfrmMultiSearch::createMenus(QToolBar *toolBar)
{
    const auto addMenu = [this, toolBar](const QString &caption) {
        auto *menu = new QMenu(caption, this);
        auto *button = new QToolButton(toolBar);
        button->setText(caption);
        button->setAutoRaise(true);
        button->setMenu(menu);
        button->setPopupMode(QToolButton::InstantPopup);
        toolBar->addWidget(button);
        return menu;
    };
    m_fileMenu = addMenu(QStringLiteral("&File"));
    connect(m_fileMenu->addAction(QStringLiteral("&Update List")), &QAction::triggered, this,
            &TfrmMultiSearch::UpdateList1Click);
    m_fileMenu->addSeparator();
    connect(m_fileMenu->addAction(QStringLiteral("&Exit")), &QAction::triggered, this, &TfrmMultiSearch::reject);

    m_optionsMenu = addMenu(QStringLiteral("&Options"));
    m_stayOnTop = m_optionsMenu->addAction(QStringLiteral("&Stay on Top"));
    m_stayOnTop->setCheckable(true);
    connect(m_stayOnTop, &QAction::triggered, this, &TfrmMultiSearch::StayOnTop1Click);
    connect(m_optionsMenu->addAction(QStringLiteral("&Proxy Settings")), &QAction::triggered, this,
            &TfrmMultiSearch::ProxySettings1Click);
    connect(m_optionsMenu, &QMenu::aboutToShow, this,
            [this] { m_stayOnTop->setChecked(windowFlags().testFlag(Qt::WindowStaysOnTopHint)); });

    QMenu *help = addMenu(QStringLiteral("&Help"));
    connect(help->addAction(QStringLiteral("&About")), &QAction::triggered, this, &TfrmMultiSearch::About1Click);
}

QWidget *TfrmMultiSearch::createQueryPage(SiteFile::Category category, QLineEdit *&query, const QString &queryCaption)
{
    auto *page = new QWidget;
    query = new QLineEdit;
    m_lists[category] = new TDropDownList;
    m_submit[category] = new QPushButton(QStringLiteral("&Submit"));
    auto *form = new QFormLayout;
    form->addRow(queryCaption, query);
    form->addRow(QStringLiteral("Look in:"), m_lists[category]);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_submit[category]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(m_submit[category], &QPushButton::clicked, this, [this, category] { Submit(category); });
    return page;
}

QWidget *TfrmMultiSearch::createPeoplePage()
{
    auto *page = new QWidget;
    txtPeopleFName = new QLineEdit;
    txtPeopleLName = new QLineEdit;
    m_lists[SiteFile::People] = new TDropDownList;
    m_submit[SiteFile::People] = new QPushButton(QStringLiteral("&Submit"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("First Name:"), txtPeopleFName);
    form->addRow(QStringLiteral("Last Name:"), txtPeopleLName);
    form->addRow(QStringLiteral("State:"), ddlPeopleState);
    form->addRow(QStringLiteral("Look in:"), m_lists[SiteFile::People]);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_submit[SiteFile::People]);
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch(1);
    layout->addLayout(buttons);
    connect(m_submit[SiteFile::People], &QPushButton::clicked, this, [this] { Submit(SiteFile::People); });
    return page;
}

void TfrmMultiSearch::pageChanged(int index)
{
    // Each page's "&Submit" is the default button while its page is shown: Enter presses it.
    // The pages are in the order of the categories.
    for (int i = 0; i < SiteFile::CategoryCount; ++i)
        m_submit[i]->setDefault(i == index);
}

void TfrmMultiSearch::LoadLists()
{
    const QString path = SiteFile::path(m_dataFolder);
    SiteFile::ensureExists(path);
    for (TDropDownList *list : m_lists)
        list->clearItems();
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines) {
        m_prompter.message(QStringLiteral("The site list ") + path + QStringLiteral(" could not be read."));
        return;
    }
    const SiteFile::Categories categories = SiteFile::readCategories(*lines);
    for (int i = 0; i < SiteFile::CategoryCount; ++i)
        m_lists[i]->fill(categories[i]);
}

void TfrmMultiSearch::Submit(SiteFile::Category category)
{
    TDropDownList *sites = m_lists[category];
    // Without a site there is no address to build.
    if (sites->currentIndex() < 0)
        return;
    QString address;
    switch (category) {
    case SiteFile::People:
        address = fillPeoplePlaceholders(sites->selectedValue(), txtPeopleFName->text(), txtPeopleLName->text(),
                                         ddlPeopleState->currentText(), ddlPeopleState->selectedValue());
        break;
    case SiteFile::SearchEngines: address = sites->selectedValue() + txtSearchEngines->text(); break;
    case SiteFile::Financial: address = sites->selectedValue() + txtFinancial->text(); break;
    case SiteFile::News: address = sites->selectedValue() + txtNews->text(); break;
    case SiteFile::Reference: address = sites->selectedValue() + txtReference->text(); break;
    case SiteFile::CategoryCount: return;
    }
    m_navigate(address);
    accept();
}

void TfrmMultiSearch::UpdateList1Click()
{
    const QString path = SiteFile::path(m_dataFolder);
    if (SearchListUpdate::changesFile(path, [this] { TfrmUpdateSetup::run(m_settings, m_prompter, m_dataFolder, this); }))
        LoadLists();
}

void TfrmMultiSearch::StayOnTop1Click()
{
    setWindowFlag(Qt::WindowStaysOnTopHint, !windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // Changing the flags hides the window.
    show();
}

void TfrmMultiSearch::ProxySettings1Click()
{
    TfrmProxy::run(m_settings, this);
}

void TfrmMultiSearch::About1Click()
{
    m_prompter.message(QStringLiteral("Kestrel Browser\nTarnwell Multi Search"), QStringLiteral("About"));
}
