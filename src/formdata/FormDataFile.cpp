#include "formdata/FormDataFile.h"

#include "browser/page/PageFormControl.h"
#include "formdata/FormDataEscapes.h"
#include "typing/CaseFold.h"

FormDataFile::FormDataFile(const QStringList &lines)
{
    for (const QString &line : lines) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            continue;
        const QString name = caseFolded(QStringView(line).left(equals));
        if (!m_values.contains(name))
            m_values.insert(name, line.mid(equals + 1));
    }
}

std::optional<QString> FormDataFile::lineOf(const PageFormControl &control)
{
    QString value;
    if (control.isSelect())
        value = QString::number(control.selectedIndex);
    else if (control.isTextArea())
        value = FormDataEscapes::escapeTextArea(control.value);
    else if (control.isTextBox())
        value = FormDataEscapes::escape(control.value);
    else if (control.isInputOfType(QLatin1String("RADIO")) && control.checked)
        value = FormDataEscapes::escape(control.value);
    else if (control.isInputOfType(QLatin1String("CHECKBOX")))
        value = control.checked ? QStringLiteral("true") : QStringLiteral("false");
    else if (control.isInputOfType(QLatin1String("FILE")))
        value = FormDataEscapes::fileValue(control.value);
    else
        return std::nullopt;
    return FormDataEscapes::escape(control.name) + QLatin1Char('=') + value;
}

std::optional<QString> FormDataFile::valueFor(const PageFormControl &control) const
{
    const auto found = m_values.constFind(caseFolded(FormDataEscapes::escape(control.name)));
    if (found == m_values.constEnd())
        return std::nullopt;
    return *found;
}

bool FormDataFile::fill(const PageFormControl &control, std::vector<PageControlWrite> &writes) const
{
    const bool fillable = control.isSelect() || control.isTextArea() || control.isTextBox()
                          || control.isInputOfType(QLatin1String("CHECKBOX"))
                          || control.isInputOfType(QLatin1String("RADIO"));
    if (!fillable)
        return false;
    const std::optional<QString> value = valueFor(control);
    if (!value)
        return false;
    if (control.isSelect()) {
        // A value that is no whole number changes nothing; the select still counts.
        bool number = false;
        const int index = value->toInt(&number);
        if (number)
            writes.push_back(PageControlWrite::setSelectedIndex(control.element, index));
    } else if (control.isTextArea()) {
        writes.push_back(PageControlWrite::setValue(control.element, FormDataEscapes::unescapeTextArea(*value)));
    } else if (control.isTextBox()) {
        writes.push_back(PageControlWrite::setValue(control.element, FormDataEscapes::unescape(*value)));
    } else if (control.isInputOfType(QLatin1String("CHECKBOX"))) {
        writes.push_back(PageControlWrite::setChecked(control.element, value->toUpper() == QLatin1String("TRUE")));
    } else {
        // Every button of a group counts; the one saved as checked is checked again.
        writes.push_back(PageControlWrite::setChecked(control.element, FormDataEscapes::escape(control.value) == *value));
    }
    return true;
}
