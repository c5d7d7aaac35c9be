#include "search/TDropDownList.h"

#include "shell/TextFile.h"
#include "typing/NameValueLine.h"

TDropDownList::TDropDownList(QWidget *parent) : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(DropDownCount);
    // Long lists must not be measured item by item whenever the list is shown.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
}

void TDropDownList::fill(const QStringList &lines)
{
    QStringList names;
    names.reserve(lines.size());
    for (const QString &line : lines)
        names.append(NameValueLine::nameOf(line).toString());
    m_itemList += lines;
    addItems(names);
    if (count() > 0)
        setCurrentIndex(0);
}

void TDropDownList::fillFromText(const QString &text)
{
    fill(TextFile::splitLines(text));
}

void TDropDownList::assignItemList(const QStringList &lines)
{
    clearItems();
    fill(lines);
}

void TDropDownList::clearItems()
{
    m_itemList.clear();
    clear();
}

QString TDropDownList::selectedValue() const
{
    const int index = currentIndex();
    if (index < 0)
        return QString();
    const QString name = itemText(index);
    for (const QString &line : m_itemList) {
        if (NameValueLine::nameOf(line).compare(name, Qt::CaseInsensitive) == 0)
            return NameValueLine::split(line).value;
    }
    return QString();
}

QString TDropDownList::SelectedNameValuePair() const
{
    if (currentIndex() < 0)
        return QString();
    return currentText() + QLatin1Char('=') + selectedValue();
}
