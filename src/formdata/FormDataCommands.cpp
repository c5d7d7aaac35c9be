#include "formdata/FormDataCommands.h"

#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "formdata/FormDataFile.h"
#include "shell/TextFile.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/Prompter.h"

#include <QFileInfo>

// "Any File" and "All Files" match every name, with an extension or without.
const QString FormDataCommands::TextFileFilter = QStringLiteral("Text File|*.txt;*.TXT|Any File|*");
const QString FormDataCommands::InsertTextFileFilter = QStringLiteral("Text files|*.txt;*.TXT|All Files|*");
const QString FormDataCommands::FormDataFilter = QStringLiteral("Kestrel Browser Form Data|*.kbf;*.KBF");
const QString FormDataCommands::FormDataSuffix = QStringLiteral("kbf");

namespace {
const QString SaveCaption = QStringLiteral("Save As");
const QString OpenCaption = QStringLiteral("Open");
const QString Done = QStringLiteral("Done");

bool isTextArea(const PageElement &element)
{
    return element.tagName() == QLatin1String("TEXTAREA");
}

// The focused controls whose form the form-data commands work on.
bool holdsCaretOfForm(const PageFormControl &focused)
{
    if (focused.isSelect() || focused.isTextArea() || focused.isTextBox())
        return true;
    for (const char *type : {"RADIO", "FILE", "RESET", "SUBMIT"}) {
        if (focused.isInputOfType(QLatin1String(type)))
            return true;
    }
    return false;
}

bool hasPassword(const PageFocusedForm &form)
{
    for (const PageFormControl &control : form.controls) {
        if (control.isInputOfType(QLatin1String("PASSWORD")))
            return true;
    }
    return false;
}

QString cannotWrite(const QString &path)
{
    return QStringLiteral("The file \"") + path + QStringLiteral("\" could not be written.");
}

QString cannotRead(const QString &path)
{
    return QStringLiteral("The file \"") + path + QStringLiteral("\" could not be read.");
}
}

FormDataCommands::FormDataCommands(CommandRegistry &commands, Prompter &prompter, Collaborators collaborators)
    : m_commands(commands), m_prompter(prompter), m_page(std::move(collaborators))
{
    const auto add = [this](const QString &id, const char *caption, void (FormDataCommands::*handler)()) {
        m_commands.add(id, QString::fromUtf8(caption), QString(), {}, [this, handler] { (this->*handler)(); });
    };
    add(CommandIds::SaveTextArea, "Save Text Area As Text File", &FormDataCommands::SaveTextAreaAsTextFile1Click);
    add(CommandIds::InsertTextFile, "Insert Text File Into Text Area",
        &FormDataCommands::InsertTextFileIntoTextArea1Click);
    add(CommandIds::SaveFormData, "Save All Form Data", &FormDataCommands::SaveAllFormData1Click);
    add(CommandIds::InsertFormData, "Insert Form Data From File", &FormDataCommands::InsertFormDataFromFile1Click);
}

void FormDataCommands::setEnabled(const QString &id, bool enabled)
{
    if (Command *command = m_commands.find(id))
        command->setEnabled(enabled);
}

void FormDataCommands::FileMenuPopup()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document) {
        for (const QString &id : {CommandIds::SaveTextArea, CommandIds::InsertTextFile, CommandIds::SaveFormData,
                                  CommandIds::InsertFormData})
            setEnabled(id, false);
        return;
    }
    const std::shared_ptr<PageElement> focused = document->activeElement();
    const bool textArea = focused && isTextArea(*focused);
    setEnabled(CommandIds::SaveTextArea, textArea);
    setEnabled(CommandIds::InsertTextFile, textArea);
    if (!focused)
        return;
    const QString tag = focused->tagName();
    const bool control = textArea || tag == QLatin1String("INPUT") || tag == QLatin1String("SELECT");
    setEnabled(CommandIds::SaveFormData, control);
    setEnabled(CommandIds::InsertFormData, control);
}

void FormDataCommands::SaveTextAreaAsTextFile1Click()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    const std::shared_ptr<PageElement> focused = document->activeElement();
    if (!focused || !isTextArea(*focused)) {
        m_prompter.message(QStringLiteral("Please place the cursor in the text area you want to save."));
        return;
    }
    const std::optional<QString> path = m_prompter.saveFile(SaveCaption, TextFileFilter);
    if (!path)
        return;
    if (!TextFile::writeLines(*path, TextFile::splitLines(focused->value())))
        m_prompter.message(cannotWrite(*path));
}

void FormDataCommands::InsertTextFileIntoTextArea1Click()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    const std::shared_ptr<PageElement> focused = document->activeElement();
    if (!focused || !isTextArea(*focused)) {
        m_prompter.message(
            QStringLiteral("Please place the cursor in the text area that you want to insert the text file into."));
        return;
    }
    const std::optional<QString> path = m_prompter.openFile(OpenCaption, InsertTextFileFilter);
    if (!path)
        return;
    const std::optional<QStringList> lines = TextFile::readLines(*path);
    if (!lines) {
        m_prompter.message(cannotRead(*path));
        return;
    }
    QString text;
    for (const QString &line : *lines)
        text += line + QStringLiteral("\r\n");
    const QString current = focused->value();
    if (current.isEmpty()) {
        focused->setValue(text);
        return;
    }
    const Prompter::Answer answer = m_prompter.question(
        QStringLiteral("The text area is not empty.  Do you want to overwrite the current text with the contents of "
                       "the text file?\r\n\r\nYes = Overwrite\r\nNo = Append\r\nCancel = Abort text file insertion"));
    if (answer == Prompter::Answer::Yes)
        focused->setValue(text);
    else if (answer == Prompter::Answer::No)
        focused->setValue(current + QLatin1Char('\n') + text);
}

std::optional<PageFocusedForm> FormDataCommands::caretForm(PageDocument &document)
{
    std::optional<PageFocusedForm> form = document.focusedForm();
    if (!form)
        return std::nullopt;
    if (!form->inForm || !holdsCaretOfForm(form->focused)) {
        m_prompter.message(QStringLiteral("Please place the cursor on a form element of the form you want to save."));
        return std::nullopt;
    }
    return form;
}

void FormDataCommands::showProgress(int position, int maximum)
{
    m_page.setGauge(maximum > 0 ? static_cast<int>(static_cast<qint64>(position) * 100 / maximum) : 0);
}

void FormDataCommands::SaveAllFormData1Click()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    const std::optional<PageFocusedForm> form = caretForm(*document);
    if (!form)
        return;
    // The file holds what the password boxes hold, as plain text: the user is told before saving.
    const QString caption = hasPassword(*form)
                                ? SaveCaption + QStringLiteral(" - passwords of this form are saved as plain text")
                                : SaveCaption;
    const std::optional<QString> path = m_prompter.saveFile(caption, FormDataFilter, QString(), FormDataSuffix);
    if (!path)
        return;
    m_page.setStatusText(QStringLiteral("Saving - ") + *path);
    const int maximum = static_cast<int>(form->controls.size()) - 1;
    showProgress(0, maximum);
    QStringList lines;
    for (int index = 0; index <= maximum; ++index) {
        if (const std::optional<QString> line = FormDataFile::lineOf(form->controls[static_cast<std::size_t>(index)]))
            lines.append(*line);
        showProgress(index, maximum);
    }
    const bool written = TextFile::writeLines(*path, lines);
    showProgress(0, maximum);
    if (!written) {
        m_page.setStatusText(QString());
        m_prompter.message(cannotWrite(*path));
        return;
    }
    m_page.setStatusText(Done);
}

void FormDataCommands::InsertFormDataFromFile1Click()
{
    const std::shared_ptr<PageDocument> document = m_page.activeDocument();
    if (!document)
        return;
    const std::optional<PageFocusedForm> form = caretForm(*document);
    if (!form)
        return;
    const std::optional<QString> path = m_prompter.openFile(OpenCaption, FormDataFilter);
    if (!path)
        return;
    if (!QFileInfo(*path).isFile()) {
        m_prompter.message(QStringLiteral("File Not Found"));
        return;
    }
    const std::optional<QStringList> lines = TextFile::readLines(*path);
    if (!lines) {
        m_prompter.message(cannotRead(*path));
        return;
    }
    const FormDataFile file(*lines);
    m_page.setStatusText(QStringLiteral("Opening - ") + *path);
    const int maximum = static_cast<int>(form->controls.size()) - 1;
    showProgress(0, maximum);
    std::vector<PageControlWrite> writes;
    int counted = 0;
    for (int index = 0; index <= maximum; ++index) {
        if (file.fill(form->controls[static_cast<std::size_t>(index)], writes))
            ++counted;
        showProgress(index, maximum);
    }
    // Changes the page refused (a control gone meanwhile) do not count as filled.
    const int refused = static_cast<int>(writes.size()) - document->writeControls(writes);
    showProgress(0, maximum);
    m_page.setStatusText(Done);
    m_prompter.message(QStringLiteral("Inserted data for ") + QString::number(counted - refused)
                       + QStringLiteral(" form fields."));
}
