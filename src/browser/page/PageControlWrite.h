#pragma once

#include <QString>
#include <memory>

class PageElement;

// One change to a form control, made with others in one step: a value, a check mark or a
// select's chosen index, as the element's own setters would make it.
struct PageControlWrite
{
    enum class Kind { Value, Checked, SelectedIndex };

    std::shared_ptr<PageElement> element;
    Kind kind = Kind::Value;
    QString value;
    bool checked = false;
    int selectedIndex = -1;

    static PageControlWrite setValue(std::shared_ptr<PageElement> element, const QString &value)
    {
        return {std::move(element), Kind::Value, value, false, -1};
    }
    static PageControlWrite setChecked(std::shared_ptr<PageElement> element, bool checked)
    {
        return {std::move(element), Kind::Checked, QString(), checked, -1};
    }
    static PageControlWrite setSelectedIndex(std::shared_ptr<PageElement> element, int index)
    {
        return {std::move(element), Kind::SelectedIndex, QString(), false, index};
    }
};
