#include "testkit/ScriptedPrompter.h"

QStringList ScriptedPrompter::texts() const
{
    QStringList texts;
    for (const Shown &box : m_shown)
        texts.append(box.text);
    return texts;
}

void ScriptedPrompter::clear()
{
    m_answers.clear();
    m_texts.clear();
    m_colours.clear();
    m_fonts.clear();
    m_shown.clear();
    m_defaultSuffixes.clear();
}

void ScriptedPrompter::message(const QString &text, const QString &caption)
{
    m_shown.append({Kind::Message, caption, text});
}

Prompter::Answer ScriptedPrompter::question(const QString &text, const QString &caption, Buttons)
{
    m_shown.append({Kind::Question, caption, text});
    return m_answers.isEmpty() ? Answer::Cancel : m_answers.dequeue();
}

std::optional<QString> ScriptedPrompter::input(const QString &caption, const QString &prompt, const QString &)
{
    m_shown.append({Kind::Input, caption, prompt});
    return nextText();
}

std::optional<QString> ScriptedPrompter::openFile(const QString &caption, const QString &filter, const QString &)
{
    m_shown.append({Kind::OpenFile, caption, filter});
    return nextText();
}

std::optional<QString> ScriptedPrompter::saveFile(const QString &caption, const QString &filter, const QString &,
                                                  const QString &defaultSuffix)
{
    m_shown.append({Kind::SaveFile, caption, filter});
    m_defaultSuffixes.append(defaultSuffix);
    return nextText();
}

std::optional<QString> ScriptedPrompter::folder(const QString &caption, const QString &)
{
    m_shown.append({Kind::Folder, caption, QString()});
    return nextText();
}

std::optional<QColor> ScriptedPrompter::colour(const QColor &)
{
    m_shown.append({Kind::Colour, QString(), QString()});
    return m_colours.isEmpty() ? std::nullopt : m_colours.dequeue();
}

std::optional<QFont> ScriptedPrompter::font(const QFont &)
{
    m_shown.append({Kind::Font, QString(), QString()});
    return m_fonts.isEmpty() ? std::nullopt : m_fonts.dequeue();
}

std::optional<QString> ScriptedPrompter::nextText()
{
    return m_texts.isEmpty() ? std::nullopt : m_texts.dequeue();
}
