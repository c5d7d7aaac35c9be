#include "typing/PersonalInfoModel.h"

#include "typing/PersonalInfoEditor.h"
#include "typing/ShownText.h"

PersonalInfoModel::PersonalInfoModel(const PersonalInfoEditor &editor, QObject *parent)
    : QAbstractTableModel(parent), m_editor(editor)
{
}

int PersonalInfoModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_editor.entries().size());
}

int PersonalInfoModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant PersonalInfoModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const PersonalInfoEditor::Entry &entry = m_editor.entries()[static_cast<size_t>(index.row())];
    return shownText(index.column() == 0 ? entry.title : entry.shownValue);
}

QVariant PersonalInfoModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    return section == 0 ? QStringLiteral("Data") : QStringLiteral("Value");
}

void PersonalInfoModel::refresh()
{
    beginResetModel();
    endResetModel();
}

void PersonalInfoModel::valuesChanged()
{
    if (rowCount() > 0)
        emit dataChanged(index(0, 1), index(rowCount() - 1, 1), {Qt::DisplayRole});
}
