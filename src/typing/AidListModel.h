#pragma once

#include <QAbstractTableModel>

class AidListEditor;

// Shows the entries of a list tab: the caption, and for name/value lists the value beside it.
// Very long texts are shown cut short; the entries themselves keep them whole.
class AidListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit AidListModel(const AidListEditor &editor, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    // The editor's entries changed.
    void refresh();

private:
    const AidListEditor &m_editor;
};
