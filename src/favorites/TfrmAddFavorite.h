#pragma once

#include <QDialog>

class AddFavorite;
class QComboBox;
class QLineEdit;

// "Add Favorite": the name of the new shortcut (the page title to begin with) and the folder
// it goes in, the Favorites folder or one of its sub-folders. OK writes the shortcut and
// closes the dialog unless the name was refused.
class TfrmAddFavorite : public QDialog
{
    Q_OBJECT
public:
    TfrmAddFavorite(AddFavorite &adder, const QString &favorites, const QString &title, const QString &address,
                    QWidget *parent = nullptr);

    QLineEdit *edName() const { return m_name; }
    QComboBox *cboFolder() const { return m_folder; }

    void accept() override;

private:
    AddFavorite &m_adder;
    QString m_favorites;
    QString m_address;
    QLineEdit *m_name;
    QComboBox *m_folder;
};
