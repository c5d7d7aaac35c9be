#pragma once

#include <QAbstractTableModel>

class PersonalInfoEditor;

// Shows the Personal Info entries: the title under "Data" and its value under "Value".
class PersonalInfoModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit PersonalInfoModel(const PersonalInfoEditor &editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Entries were added or removed.
    void refresh();
    // Only the shown values changed; the selection stays.
    void valuesChanged();

private:
    const PersonalInfoEditor &m_editor;
};
