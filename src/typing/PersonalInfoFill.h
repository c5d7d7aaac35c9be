#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class PageDocument;
class Prompter;
class SettingsStore;
struct PageFormControl;

// Fills the form that holds the caret from the personal data of "pdata.dat": every text field
// the user can see whose "VCARD_NAME" attribute or name is listed among the "[APPLIES TO]"
// names takes that entry's value; a field already holding another value changes only when the
// user says Yes. Fields the user cannot see (hidden by style, of no size, placed off the page,
// hidden inputs) are never filled, asked about or counted, so a page cannot harvest the data
// through them. The form is read in one step; changes reach the page in one step, before each
// question and at the end.
class PersonalInfoFill
{
public:
    struct Collaborators
    {
        // The focused document of the active browser; null without one.
        std::function<std::shared_ptr<PageDocument>()> activeDocument;
        const SettingsStore *store = nullptr;
        Prompter *prompter = nullptr;
        QString dataFolder;
    };

    explicit PersonalInfoFill(Collaborators collaborators);

    // The Insert key in a page. "FormAutoFill" and the data file are read afresh every time.
    void FillPersonalInfo();

    // The value and title of an applies-to line: the text after its first "=" split at its
    // first "{~}" (no "{~}": all of it is the value and the title is empty).
    struct AppliesTo
    {
        QString value;
        QString title;
    };
    static AppliesTo SplitAppliesTo(const QString &line);

    // The question asked before a field that holds another value takes `value`.
    static QString question(const PageFormControl &field, const QString &value);

private:
    // The applies-to line for a field: by its VCARD_NAME when a line has that name, else by its
    // name; names compared without regard to case, the first line winning. Empty when none.
    static QString chooseLine(const QStringList &appliesTo, const PageFormControl &field);

    Collaborators m_collaborators;
};
