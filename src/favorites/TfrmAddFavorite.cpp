#include "favorites/TfrmAddFavorite.h"

#include "favorites/AddFavorite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

TfrmAddFavorite::TfrmAddFavorite(AddFavorite &adder, const QString &favorites, const QString &title,
                                 const QString &address, QWidget *parent)
    : QDialog(parent), m_adder(adder), m_favorites(favorites), m_address(address)
{
    setWindowTitle(QStringLiteral("Add Favorite"));
    auto *form = new QFormLayout(this);
    m_name = new QLineEdit(title.trimmed(), this);
    m_name->setObjectName(QStringLiteral("edName"));
    m_name->setMinimumWidth(300);
    m_folder = new QComboBox(this);
    m_folder->setObjectName(QStringLiteral("cboFolder"));
    m_folder->addItem(QStringLiteral("Favorites"), QString());
    for (const QString &folder : AddFavorite::subFolders(favorites))
        m_folder->addItem(QStringLiteral("Favorites/") + folder, folder);
    form->addRow(QStringLiteral("&Name:"), m_name);
    form->addRow(QStringLiteral("Create &in:"), m_folder);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmAddFavorite::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmAddFavorite::reject);
    form->addRow(buttons);
}

void TfrmAddFavorite::accept()
{
    if (m_adder.write(m_favorites, m_folder->currentData().toString(), m_name->text(), m_address))
        QDialog::accept();
}
