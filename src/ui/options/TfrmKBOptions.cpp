#include "ui/options/TfrmKBOptions.h"

#include "ui/CentreOnDesktop.h"
#include "ui/Prompter.h"
#include "ui/options/MailButtonPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
template <typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A control this system has no counterpart for: shown as stored, unchangeable, with the reason.
void withoutCounterpart(QWidget *control, const QString &reason)
{
    control->setEnabled(false);
    control->setToolTip(reason + QStringLiteral(" The stored setting is kept."));
}

QLabel *note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}
}

TfrmKBOptions::TfrmKBOptions(KBOptions &options, Prompter &prompter, int page, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      pages(named(new QTabWidget(this), "PageControl1")),
      chkDefaultBrowser(named(new QCheckBox(QStringLiteral("Make Kestrel Browser your default browser.")),
                              "chkDefaultBrowser")),
      chkQuickLaunch(named(new QCheckBox(QStringLiteral("Place a shortcut on the quick launch bar.")), "chkQuickLaunch")),
      chkStartMenu(named(new QCheckBox(QStringLiteral("Place a shortcut on the start menu.")), "chkStartMenu")),
      chkIE5MenuItem(named(new QCheckBox(QStringLiteral("Place a menu item in the tools menu of IE 5.")),
                           "chkIE5MenuItem")),
      edTabTitleLength(named(new QSpinBox, "edTabTitleLength")),
      chk3DBorder(named(new QCheckBox(QStringLiteral("Show 3D Border")), "chk3DBorder")),
      chkFlatScrollbars(named(new QCheckBox(QStringLiteral("Use Flat Scrollbars")), "chkFlatScrollbars")),
      chkIEAutocomplete(named(new QCheckBox(QStringLiteral("Enable IE 5.01+ Autocomplete")), "chkIEAutocomplete")),
      mailPage(named(new MailButtonPage(prompter), "MailButtonPage")),
      edPNFolder(named(new QLineEdit, "edPNFolder")),
      btnBrowse(named(new QPushButton(QStringLiteral("Browse")), "btnBrowse")),
      btnDefault(named(new QPushButton(QStringLiteral("Default")), "btnDefault")),
      btnOK(named(new QPushButton(QStringLiteral("OK"), this), "btnOK")),
      btnCancel(named(new QPushButton(QStringLiteral("Cancel"), this), "btnCancel")),
      m_options(options),
      m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Kestrel Browser Options"));
    setModal(true);
    pages->addTab(createGeneralPage(), QStringLiteral("General"));
    pages->addTab(createBrowserPage(), QStringLiteral("Browser"));
    pages->addTab(mailPage, QStringLiteral("Mail Button"));
    pages->addTab(createPostNotesPage(), QStringLiteral("Post Notes"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK);
    buttons->addWidget(btnCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    btnOK->setDefault(true);

    connect(btnOK, &QPushButton::clicked, this, &TfrmKBOptions::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnBrowse, &QPushButton::clicked, this, &TfrmKBOptions::btnBrowseClick);
    connect(btnDefault, &QPushButton::clicked, this, &TfrmKBOptions::btnDefaultClick);

    FormShow();
    pages->setCurrentIndex(page);
}

QWidget *TfrmKBOptions::createGeneralPage()
{
    auto *page = new QWidget;
    auto *defaultBrowser = new QGroupBox(QStringLiteral("Default Browser"), page);
    (new QVBoxLayout(defaultBrowser))->addWidget(chkDefaultBrowser);
    auto *shortcuts = new QGroupBox(QStringLiteral("Shortcut Settings"), page);
    auto *shortcutLayout = new QVBoxLayout(shortcuts);
    shortcutLayout->addWidget(chkQuickLaunch);
    shortcutLayout->addWidget(chkStartMenu);
    shortcutLayout->addWidget(chkIE5MenuItem);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(defaultBrowser);
    layout->addWidget(shortcuts);
    layout->addStretch();

    withoutCounterpart(chkIE5MenuItem,
                       QStringLiteral("This system has no Internet Explorer whose Tools menu could start Kestrel "
                                      "Browser."));
    if (!m_options.hasQuickLaunchFolder())
        withoutCounterpart(chkQuickLaunch, QStringLiteral("This desktop has no quick launch bar folder."));
    return page;
}

QWidget *TfrmKBOptions::createBrowserPage()
{
    auto *page = new QWidget;
    auto *titles = new QGroupBox(QStringLiteral("Browser Tab Titles"), page);
    auto *titleLayout = new QHBoxLayout(titles);
    titleLayout->addWidget(new QLabel(QStringLiteral("Maximum Characters in Title:"), titles));
    titleLayout->addWidget(edTabTitleLength);
    edTabTitleLength->setRange(KBOptions::MinTabTitleLength, KBOptions::MaxTabTitleLength);
    auto *window = new QGroupBox(QStringLiteral("Browser Window Settings"), page);
    auto *windowLayout = new QVBoxLayout(window);
    windowLayout->addWidget(chk3DBorder);
    windowLayout->addWidget(chkFlatScrollbars);
    windowLayout->addWidget(chkIEAutocomplete);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(titles);
    layout->addWidget(window);
    layout->addStretch();

    withoutCounterpart(chkFlatScrollbars, QStringLiteral("The Qt WebEngine page views have no flat scroll bars."));
    withoutCounterpart(chkIEAutocomplete,
                       QStringLiteral("The Qt WebEngine page views have no form autocomplete to switch on."));
    return page;
}

QWidget *TfrmKBOptions::createPostNotesPage()
{
    auto *page = new QWidget;
    auto *folder = new QGroupBox(QStringLiteral("Post Notes Data Folder"), page);
    auto *folderLayout = new QGridLayout(folder);
    folderLayout->addWidget(edPNFolder, 0, 0, 1, 3);
    folderLayout->addWidget(btnBrowse, 1, 1);
    folderLayout->addWidget(btnDefault, 1, 2);
    folderLayout->setColumnStretch(0, 1);
    auto *layout = new QVBoxLayout(page);
    layout->addWidget(folder);
    layout->addWidget(note(QStringLiteral("NOTE: No security measures are taken for the post notes data.  Please do "
                                          "not store information that you don't want others that have access to "
                                          "your file system to see."),
                           page));
    layout->addWidget(note(QStringLiteral("NOTE: Only change this setting when the open browser window does not "
                                          "contain any notes.  Otherwise all visible notes will be saved to the new "
                                          "folder."),
                           page));
    layout->addStretch();
    return page;
}

void TfrmKBOptions::FormShow()
{
    m_loaded = m_options.load();
    chkDefaultBrowser->setChecked(m_loaded.defaultBrowser);
    chkQuickLaunch->setChecked(m_loaded.quickLaunch);
    chkStartMenu->setChecked(m_loaded.startMenu);
    chkIE5MenuItem->setChecked(m_loaded.ie5MenuItem);
    edTabTitleLength->setValue(m_loaded.tabTitleLength);
    chk3DBorder->setChecked(m_loaded.border3D);
    chkFlatScrollbars->setChecked(m_loaded.flatScrollbars);
    chkIEAutocomplete->setChecked(m_loaded.ieAutocomplete);
    mailPage->load(m_loaded.mail);
    edPNFolder->setText(m_loaded.noteFolder);
}

void TfrmKBOptions::btnOKClick()
{
    KBOptions::Values values = m_loaded;
    values.defaultBrowser = chkDefaultBrowser->isChecked();
    values.quickLaunch = chkQuickLaunch->isChecked();
    values.startMenu = chkStartMenu->isChecked();
    values.tabTitleLength = edTabTitleLength->value();
    values.border3D = chk3DBorder->isChecked();
    values.mail = mailPage->settings();
    values.noteFolder = edPNFolder->text();
    m_options.save(values);
    accept();
}

void TfrmKBOptions::btnBrowseClick()
{
    const std::optional<QString> folder = m_prompter.folder(QString(), edPNFolder->text());
    if (!folder)
        return;
    if (folder->isEmpty())
        m_prompter.message(InvalidFolder);
    else
        edPNFolder->setText(*folder);
}

void TfrmKBOptions::btnDefaultClick()
{
    edPNFolder->setText(m_options.dataFolder() + QLatin1Char('/'));
}

bool TfrmKBOptions::run(KBOptions &options, Prompter &prompter, int page, QWidget *parent)
{
    TfrmKBOptions dialog(options, prompter, page, parent);
    dialog.adjustSize();
    centreOnDesktop(&dialog);
    return dialog.exec() == QDialog::Accepted;
}
