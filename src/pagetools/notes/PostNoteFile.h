#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The lines of the notes file "postit.dat": for each page a header line "[" + page key + "]"
// followed by its note lines "left|top|subject|message". left and top are fractions of the
// view's client size with three decimals; line breaks of a message are stored as "<br>". A
// block runs from its header to the next line that begins with "[" (an empty line ends none);
// headers match without regard to letter case; lines before the first header are kept as they
// are. Plain text handling only, so it can be driven by any input.
class PostNoteFile
{
public:
    struct Note
    {
        double left = 0;
        double top = 0;
        QString subject;
        QString message;
        bool operator==(const Note &) const = default;
    };

    PostNoteFile() = default;
    explicit PostNoteFile(QStringList lines) : m_lines(std::move(lines)) {}

    // The page key of an address: everything before its first "#".
    static QString pageKey(const QString &address);

    // The notes of the first block of the key; lines that do not hold four fields with readable
    // fractions are skipped.
    QList<Note> notes(const QString &key) const;
    // Removes the key's first block and, when there are notes, appends a new block with them.
    void replaceNotes(const QString &key, const QList<Note> &notes);
    const QStringList &lines() const { return m_lines; }

    // One note line and its reading. Fractions are written with "." and read with "." or ","
    // (files written where the decimal separator is a comma).
    static QString noteLine(const Note &note);
    static std::optional<Note> readNoteLine(const QString &line);

private:
    static QString header(const QString &key);
    // The index of the key's first header line, or -1; and the index just past its block.
    qsizetype headerIndex(const QString &key) const;
    qsizetype blockEnd(qsizetype header) const;

    QStringList m_lines;
};
