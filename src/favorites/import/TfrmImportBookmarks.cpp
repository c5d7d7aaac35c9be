#include "favorites/import/TfrmImportBookmarks.h"

#include "favorites/import/BookmarkProfiles.h"
#include "ui/Prompter.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TfrmImportBookmarks::TfrmImportBookmarks(Prompter &prompter, const QList<BookmarkProfile> &profiles, QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(QStringLiteral("Import Bookmarks"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Import the bookmarks of:"), this));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("lstProfiles"));
    layout->addWidget(m_list, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton *other = buttons->addButton(QStringLiteral("&Other File..."), QDialogButtonBox::ActionRole);
    other->setObjectName(QStringLiteral("btnOtherFile"));
    connect(other, &QPushButton::clicked, this, &TfrmImportBookmarks::otherFile);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) { m_ok->setEnabled(row >= 0); });
    layout->addWidget(buttons);
    for (const BookmarkProfile &profile : profiles)
        addProfile(profile);
    m_list->setCurrentRow(m_profiles.isEmpty() ? -1 : 0);
    m_ok->setEnabled(!m_profiles.isEmpty());
    resize(420, 300);
}

void TfrmImportBookmarks::addProfile(const BookmarkProfile &profile)
{
    m_profiles.append(profile);
    m_list->addItem(profile.browser + QStringLiteral(" (") + profile.profile + QStringLiteral(") - ") + profile.file);
}

std::optional<BookmarkProfile> TfrmImportBookmarks::chosen() const
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= m_profiles.size())
        return std::nullopt;
    return m_profiles.at(row);
}

void TfrmImportBookmarks::otherFile()
{
    const std::optional<QString> file = m_prompter.openFile(
        QStringLiteral("Import Bookmarks"),
        QStringLiteral("Firefox or Chromium bookmarks|places.sqlite;Bookmarks|All files|*"));
    if (!file)
        return;
    addProfile(BookmarkProfiles::ofFile(*file));
    m_list->setCurrentRow(int(m_profiles.size()) - 1);
}

std::optional<BookmarkProfile> TfrmImportBookmarks::ask(Prompter &prompter, const QList<BookmarkProfile> &profiles,
                                                        QWidget *parent)
{
    TfrmImportBookmarks dialog(prompter, profiles, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.chosen();
}
