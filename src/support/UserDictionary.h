#pragma once

#include <QString>
#include <QStringList>

// The user's own words ("default.udt"): one word a line, read whole and written whole through
// the atomic text-file helper, so a crash while adding leaves the old list.
class UserDictionary
{
public:
    explicit UserDictionary(QString path = QString());

    const QString &path() const { return m_path; }
    // Reads the file; a missing file is an empty list.
    void read();
    const QStringList &words() const { return m_words; }
    bool contains(const QString &word) const { return m_words.contains(word); }
    // Adds the word and writes the file; false when it was there already or could not be written.
    bool add(const QString &word);
    bool remove(const QString &word);

private:
    QString m_path;
    QStringList m_words;
};
