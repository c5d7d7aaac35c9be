#pragma once

#include <QMenu>
#include <QPointer>

class QComboBox;

// The small edit menu of the bar combo boxes (address, quick search, quote). Each entry's
// tag selects what it does to the combo box the menu was opened on: 1 cut, 2 copy, 3 paste,
// 4 delete, 5 select all.
class PopupMenuStandard : public QMenu
{
    Q_OBJECT
public:
    enum Tag { Cut = 1, Copy, Paste, Delete, SelectAll };

    explicit PopupMenuStandard(QWidget *parent = nullptr);

    // The combo box's own context menu becomes this one.
    void attach(QComboBox *combo);
    // Sets the entries for the combo box, then shows the menu at a global position.
    void popupOn(QComboBox *combo, const QPoint &globalPos);

    // The entries' state for the combo box it is opened on: with selected text every entry is
    // enabled; without, only paste and select all.
    void PopupMenuStandardPopup(QComboBox *combo);
    // Runs an entry on the combo box the menu was last opened on.
    void run(Tag tag);

    QAction *entry(Tag tag) const;

private:
    QPointer<QComboBox> m_combo;
};
