#pragma once

#include "browser/page/PageControlWrite.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct PageFormControl;

// A form data file (".kbf"): one name=value line per saved control of a form, in the form's
// order, with the escapes of FormDataEscapes. What a control writes depends on its kind:
// selects their chosen index (-1 for none), text areas and text boxes their text, the checked
// radio button of a group its own value, check boxes "true" or "false", file inputs the path
// the page reports; other controls write nothing.
//
// Reading looks a control up by its escaped name among the lines' names, without regard to
// letter case; the first line of a name wins.
class FormDataFile
{
public:
    explicit FormDataFile(const QStringList &lines);

    // The line a control writes, or nothing for the kinds that are not saved.
    static std::optional<QString> lineOf(const PageFormControl &control);

    // The value of the first line named like the control, or nothing.
    std::optional<QString> valueFor(const PageFormControl &control) const;

    // Fills one control from its line: the changes it takes are appended to `writes`; true
    // when the control counts as filled. File inputs are never filled (a file would choose
    // what the user uploads) and controls of other kinds are left alone.
    bool fill(const PageFormControl &control, std::vector<PageControlWrite> &writes) const;

private:
    QHash<QString, QString> m_values;
};
