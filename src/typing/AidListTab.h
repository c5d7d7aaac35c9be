#pragma once

#include "typing/AidListEditor.h"

#include <QWidget>
#include <functional>

class AidListModel;
class QAbstractItemView;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTreeView;
class QVBoxLayout;

// A list tab of the Auto Complete Setup window: the aid's enable check box, the entry boxes,
// the list and the "&Add", "&Remove" and "&Update" buttons, bound to an AidListEditor, and the
// "&What is this?" button that shows the tab's help page.
class AidListTab : public QWidget
{
    Q_OBJECT
public:
    using ShowHelp = std::function<void(const QString &page)>;

    AidListTab(AidListEditor &editor, ShowHelp showHelp, QWidget *parent = nullptr);

    QCheckBox *enableBox() const { return m_enable; }
    // Places further settings of the aid below its check box.
    void addOptions(QWidget *options);
    // Shows the editor's entries, boxes and buttons as they are now.
    void showEditor();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildList(QWidget *group);
    void nameEdited(const QString &text);
    void valueEdited(const QString &text);
    void selectionChanged();
    void afterChange(std::optional<int> scrollTo);
    void showBoxesAndButtons();
    void fitColumns();

    AidListEditor &m_editor;
    ShowHelp m_showHelp;
    AidListModel *m_model;
    QVBoxLayout *m_layout;
    QCheckBox *m_enable;
    QLineEdit *m_name;
    QLineEdit *m_value = nullptr;
    QAbstractItemView *m_view;
    QTreeView *m_twoColumns = nullptr;
    QPushButton *m_add;
    QPushButton *m_remove;
    QPushButton *m_update;
    bool m_showing = false;
};
