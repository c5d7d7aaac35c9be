#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>

class QWidget;

// Every message box, question, input box and file, folder, colour or font dialog the user sees
// goes through here. QtPrompter shows Qt dialogs; tests script the answers and read back the
// exact texts that were shown.
class Prompter
{
public:
    enum class Answer { Yes, No, Cancel };
    enum class Buttons { YesNoCancel, YesNo };

    virtual ~Prompter() = default;

    // A plain message box with an OK button.
    virtual void message(const QString &text, const QString &caption = QString()) = 0;
    // A question; callers act only on Yes.
    virtual Answer question(const QString &text, const QString &caption = QString(),
                            Buttons buttons = Buttons::YesNoCancel) = 0;
    // An input box: the text entered, or nothing when cancelled.
    virtual std::optional<QString> input(const QString &caption, const QString &prompt,
                                         const QString &preset) = 0;
    // File and folder pickers: the chosen path, or nothing when cancelled. The filter is in the
    // classic "Description|*.a;*.b|..." form. A save dialog given a default suffix ("kbf")
    // appends it to a file name typed without one.
    virtual std::optional<QString> openFile(const QString &caption, const QString &filter,
                                            const QString &folder = QString()) = 0;
    virtual std::optional<QString> saveFile(const QString &caption, const QString &filter,
                                            const QString &suggestedPath = QString(),
                                            const QString &defaultSuffix = QString()) = 0;
    virtual std::optional<QString> folder(const QString &caption, const QString &start = QString()) = 0;
    virtual std::optional<QColor> colour(const QColor &initial) = 0;
    virtual std::optional<QFont> font(const QFont &initial) = 0;
};
