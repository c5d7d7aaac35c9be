#pragma once

#include <QWidget>
#include <functional>

class PersonalInfoEditor;
class PersonalInfoModel;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

// The Personal Info tab of the Auto Complete Setup window: the enable check box, the entry list
// with its "Add" and "Remove" buttons, the value and applies-to boxes of the selected entry,
// bound to a PersonalInfoEditor, and the "&What is this?" button.
class PersonalInfoTab : public QWidget
{
    Q_OBJECT
public:
    using ShowHelp = std::function<void(const QString &page)>;

    PersonalInfoTab(PersonalInfoEditor &editor, ShowHelp showHelp, QWidget *parent = nullptr);

    QCheckBox *enableBox() const { return m_enable; }
    // Shows the editor's entries, selection and boxes as they are now.
    void showEditor();

private:
    void selectionChanged();
    void showSelection();
    void showBoxes();

    PersonalInfoEditor &m_editor;
    ShowHelp m_showHelp;
    PersonalInfoModel *m_model;
    QCheckBox *m_enable;
    QTreeView *m_list;
    QPushButton *m_remove;
    QLineEdit *m_value;
    QPlainTextEdit *m_appliesTo;
    bool m_showing = false;
};
