#pragma once

#include "ui/Prompter.h"

#include <QList>
#include <QQueue>

// The prompter of tests: answers come from queues the test fills beforehand, and every box
// shown is recorded with its kind, caption and text. A box with no answer queued gets the
// cancelling answer (Cancel, or nothing).
class ScriptedPrompter : public Prompter
{
public:
    enum class Kind { Message, Question, Input, OpenFile, SaveFile, Folder, Colour, Font };

    struct Shown
    {
        Kind kind;
        QString caption;
        // The message or question text, the input prompt, or the file filter.
        QString text;
    };

    void queueAnswer(Answer answer) { m_answers.enqueue(answer); }
    // For input boxes and file and folder pickers; nothing stands for Cancel.
    void queueText(const std::optional<QString> &text) { m_texts.enqueue(text); }
    void queueColour(const std::optional<QColor> &colour) { m_colours.enqueue(colour); }
    void queueFont(const std::optional<QFont> &font) { m_fonts.enqueue(font); }

    const QList<Shown> &shown() const { return m_shown; }
    // The default suffix each save dialog was given, in order.
    const QStringList &defaultSuffixes() const { return m_defaultSuffixes; }
    // The texts of every box shown, in order.
    QStringList texts() const;
    void clear();

    void message(const QString &text, const QString &caption = QString()) override;
    Answer question(const QString &text, const QString &caption = QString(),
                    Buttons buttons = Buttons::YesNoCancel) override;
    std::optional<QString> input(const QString &caption, const QString &prompt,
                                 const QString &preset) override;
    std::optional<QString> openFile(const QString &caption, const QString &filter,
                                    const QString &folder = QString()) override;
    std::optional<QString> saveFile(const QString &caption, const QString &filter,
                                    const QString &suggestedPath = QString(),
                                    const QString &defaultSuffix = QString()) override;
    std::optional<QString> folder(const QString &caption, const QString &start = QString()) override;
    std::optional<QColor> colour(const QColor &initial) override;
    std::optional<QFont> font(const QFont &initial) override;

private:
    std::optional<QString> nextText();

    QQueue<Answer> m_answers;
    QQueue<std::optional<QString>> m_texts;
    QQueue<std::optional<QColor>> m_colours;
    QQueue<std::optional<QFont>> m_fonts;
    QList<Shown> m_shown;
    QStringList m_defaultSuffixes;
};
