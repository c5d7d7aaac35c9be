#include "support/UserDictionary.h"

#include "shell/TextFile.h"

UserDictionary::UserDictionary(QString path) : m_path(std::move(path)) {}

void UserDictionary::read()
{
    m_words.clear();
    if (m_path.isEmpty())
        return;
    for (const QString &line : TextFile::readLines(m_path).value_or(QStringList())) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !m_words.contains(word))
            m_words.append(word);
    }
}

bool UserDictionary::add(const QString &word)
{
    const QString trimmed = word.trimmed();
    if (m_path.isEmpty() || trimmed.isEmpty() || m_words.contains(trimmed))
        return false;
    m_words.append(trimmed);
    if (TextFile::writeLines(m_path, m_words))
        return true;
    m_words.removeLast();
    return false;
}

bool UserDictionary::remove(const QString &word)
{
    if (!m_words.removeOne(word))
        return false;
    return TextFile::writeLines(m_path, m_words);
}
