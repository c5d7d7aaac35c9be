#pragma once

#include <QComboBox>
#include <QStringList>

// A select-only drop-down list of sites. Beside its visible items it keeps ItemList, lines of
// the form name=value: item k shows the name part of line k (the text before the first "=").
// The selected value is the value of the first line whose name equals the selected item's
// name, compared without regard to case, so of two lines with equal names the first one's
// value serves both.
class TDropDownList : public QComboBox
{
    Q_OBJECT
public:
    static constexpr int DropDownCount = 12;

    explicit TDropDownList(QWidget *parent = nullptr);

    const QStringList &ItemList() const { return m_itemList; }
    // Appends every line to ItemList and its name to the visible items, then selects the
    // first item if there is one.
    void fill(const QStringList &lines);
    // The same for text of lines ended by CR LF, LF or CR.
    void fillFromText(const QString &text);
    // Clears both lists and fills them from the lines.
    void assignItemList(const QStringList &lines);
    // Empties both lists.
    void clearItems();

    // The selected item's value by the first-equal-name rule; empty without a selection.
    QString selectedValue() const;
    // Name, "=" and value of the selected item; empty without a selection.
    QString SelectedNameValuePair() const;

private:
    QStringList m_itemList;
};
