#include "pagetools/notes/PostNoteFile.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {
const QString LineBreak = QStringLiteral("<br>");
const QChar Separator = QLatin1Char('|');
// A stored place further out than this is damage, not a place on any screen.
constexpr double FurthestFraction = 1000.0;

std::optional<double> readFraction(QString text)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool read = false;
    const double value = QLocale::c().toDouble(text, &read);
    if (!read || !std::isfinite(value) || std::abs(value) > FurthestFraction)
        return std::nullopt;
    return value;
}
}

QString PostNoteFile::pageKey(const QString &address)
{
    const qsizetype hash = address.indexOf(QLatin1Char('#'));
    return hash < 0 ? address : address.left(hash);
}

QString PostNoteFile::header(const QString &key)
{
    return QLatin1Char('[') + key + QLatin1Char(']');
}

qsizetype PostNoteFile::headerIndex(const QString &key) const
{
    const QString wanted = header(key);
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        if (m_lines.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype PostNoteFile::blockEnd(qsizetype header) const
{
    qsizetype end = header + 1;
    while (end < m_lines.size() && !m_lines.at(end).startsWith(QLatin1Char('[')))
        ++end;
    return end;
}

QList<PostNoteFile::Note> PostNoteFile::notes(const QString &key) const
{
    QList<Note> found;
    const qsizetype header = headerIndex(key);
    if (header < 0)
        return found;
    const qsizetype end = blockEnd(header);
    for (qsizetype i = header + 1; i < end; ++i) {
        if (const std::optional<Note> note = readNoteLine(m_lines.at(i)))
            found.append(*note);
    }
    return found;
}

void PostNoteFile::replaceNotes(const QString &key, const QList<Note> &notes)
{
    const qsizetype header = headerIndex(key);
    if (header >= 0)
        m_lines.remove(header, blockEnd(header) - header);
    if (notes.isEmpty())
        return;
    m_lines.append(PostNoteFile::header(key));
    for (const Note &note : notes)
        m_lines.append(noteLine(note));
}

QString PostNoteFile::noteLine(const Note &note)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\r\n|\r|\n"));
    QString message = note.message;
    message.replace(lineBreaks, LineBreak);
    QString subject = note.subject;
    subject.remove(lineBreaks);
    // "|" separates the fields; the note dialog never lets one in, and none gets into the file.
    subject.remove(Separator);
    message.remove(Separator);
    return QString::number(note.left, 'f', 3) + Separator + QString::number(note.top, 'f', 3) + Separator + subject
        + Separator + message;
}

std::optional<PostNoteFile::Note> PostNoteFile::readNoteLine(const QString &line)
{
    const QStringList fields = line.split(Separator);
    if (fields.size() != 4)
        return std::nullopt;
    const std::optional<double> left = readFraction(fields.at(0));
    const std::optional<double> top = readFraction(fields.at(1));
    if (!left || !top)
        return std::nullopt;
    QString message = fields.at(3);
    message.replace(LineBreak, QStringLiteral("\n"));
    return Note{*left, *top, fields.at(2), message};
}
