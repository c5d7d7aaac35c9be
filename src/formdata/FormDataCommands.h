#pragma once

#include "browser/page/PageFocusedForm.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>

class Command;
class CommandRegistry;
class PageDocument;
class Prompter;

// The File menu's form data commands: the text area holding the caret saved to a text file or
// filled from one, and all fields of the caret's form saved to a form data file (".kbf") and
// put back from one. Each form is read in one step and written in one step, whatever its size.
class FormDataCommands
{
public:
    struct Collaborators
    {
        // The focused document of the active browser; null without one.
        std::function<std::shared_ptr<PageDocument>()> activeDocument;
        // The status bar's first panel and the progress gauge (in percent).
        std::function<void(const QString &text)> setStatusText;
        std::function<void(int percent)> setGauge;
    };

    // Registers the four commands.
    FormDataCommands(CommandRegistry &commands, Prompter &prompter, Collaborators collaborators);

    // The dialogs' filters, in the prompter's "Description|patterns" form.
    static const QString TextFileFilter;
    static const QString InsertTextFileFilter;
    static const QString FormDataFilter;
    static const QString FormDataSuffix;

    void SaveTextAreaAsTextFile1Click();
    void InsertTextFileIntoTextArea1Click();
    void SaveAllFormData1Click();
    void InsertFormDataFromFile1Click();

    // On opening the File menu: the text-area entries follow whether the focus is in a text
    // area, the form-data entries whether it is in an INPUT, SELECT or TEXTAREA. Without a
    // focused document all four are disabled; when its focused element cannot be read, the
    // text-area entries are.
    void FileMenuPopup();

private:
    void setEnabled(const QString &id, bool enabled);
    // The focused element's form, or nothing (the user is told) when the caret is in none.
    std::optional<PageFocusedForm> caretForm(PageDocument &document);
    // The gauge at `position` of 0..maximum.
    void showProgress(int position, int maximum);

    CommandRegistry &m_commands;
    Prompter &m_prompter;
    Collaborators m_page;
};
