#pragma once

#include "search/SiteFile.h"

#include <QDialog>
#include <array>
#include <functional>

class MultiSearchTabBar;
class Prompter;
class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabWidget;
class QToolBar;
class SettingsStore;
class TDropDownList;

// The multi-search window "Tarnwell Multi Search": one page per category of search site (web
// search engines, people, finance, news, reference). On each page the user types a query and
// picks a site; "&Submit" sends the site's address with the query to the active tab and
// closes the window. The lists come from multisearch.dat, written with the built-in contents
// when it is missing, and are rebuilt every time the window opens.
class TfrmMultiSearch : public QDialog
{
    Q_OBJECT
public:
    // Loads an address in the active tab, or in a new tab when there is none.
    using Navigate = std::function<void(const QString &address)>;

    TfrmMultiSearch(SettingsStore &settings, Prompter &prompter, const QString &dataFolder, Navigate navigate,
                    QWidget *parent = nullptr);

    // Creates the window, shows it modally and destroys it.
    static void run(SettingsStore &settings, Prompter &prompter, const QString &dataFolder, Navigate navigate,
                    QWidget *parent);

    // Fills the five lists from multisearch.dat, writing the built-in contents first when the
    // file does not exist.
    void LoadLists();

    QTabWidget *pages() const { return m_pages; }
    TDropDownList *list(SiteFile::Category category) const { return m_lists[category]; }
    QLineEdit *txtSearchEngines, *txtPeopleFName, *txtPeopleLName, *txtFinancial, *txtNews, *txtReference;
    TDropDownList *ddlPeopleState;
    QPushButton *submitButton(SiteFile::Category category) const { return m_submit[category]; }
    QMenu *fileMenu() const { return m_fileMenu; }
    QMenu *optionsMenu() const { return m_optionsMenu; }
    QAction *StayOnTop1() const { return m_stayOnTop; }

    // "&Submit" of a page.
    void Submit(SiteFile::Category category);
    // The menu entries.
    void UpdateList1Click();
    void StayOnTop1Click();
    void ProxySettings1Click();
    void About1Click();

private:
    QWidget *createQueryPage(SiteFile::Category category, QLineEdit *&query, const QString &queryCaption);
    QWidget *createPeoplePage();
    void createMenus(QToolBar *toolBar);
    void pageChanged(int index);

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    Navigate m_navigate;
    QTabWidget *m_pages;
    std::array<TDropDownList *, SiteFile::CategoryCount> m_lists{};
    std::array<QPushButton *, SiteFile::CategoryCount> m_submit{};
    QMenu *m_fileMenu = nullptr;
    QMenu *m_optionsMenu = nullptr;
    QAction *m_stayOnTop = nullptr;
};
