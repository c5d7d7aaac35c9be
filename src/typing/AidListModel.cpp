#include "typing/AidListModel.h"

#include "typing/AidListEditor.h"
#include "typing/ShownText.h"

AidListModel::AidListModel(const AidListEditor &editor, QObject *parent)
    : QAbstractTableModel(parent), m_editor(editor)
{
}

int AidListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_editor.entries().size());
}

int AidListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : (m_editor.hasValue() ? 2 : 1);
}

QVariant AidListModel::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= rowCount())
        return {};
    const AidListEditor::Entry &entry = m_editor.entries()[static_cast<size_t>(index.row())];
    return shownText(index.column() == 0 ? entry.caption : entry.value);
}

void AidListModel::refresh()
{
    beginResetModel();
    endResetModel();
}
