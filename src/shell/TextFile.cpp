#include "shell/TextFile.h"

#include "shell/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F; the five unassigned bytes keep their
// Latin-1 control characters, as the system's own conversion does.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte < 0xA0) ? QChar(Windows1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}
}

namespace TextFile {

namespace {
Fault &fault()
{
    static Fault injected;
    return injected;
}

bool faulty(const QString &path, Access access)
{
    return fault() && fault()(path, access);
}

// Replaces the file's last-good copy with the file as it is now; a file that cannot be read
// leaves the copy alone.
void keepBackup(const QString &path)
{
    QFile old(path);
    if (!QFileInfo(path).isFile() || !old.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = old.readAll();
    if (old.error() != QFileDevice::NoError)
        return;
    QSaveFile backup(backupPath(path));
    if (backup.open(QIODevice::WriteOnly) && backup.write(bytes) == bytes.size())
        backup.commit();
}
}

void setFault(Fault injected)
{
    fault() = std::move(injected);
}

QString backupPath(const QString &path)
{
    return path + QStringLiteral(".bak");
}

QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromWindows1252(bytes);
    // The decoder drops a leading byte-order mark only with its default flags; strip it here.
    return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

std::optional<QStringList> readLines(const QString &path)
{
    QFile file(path);
    if (faulty(path, Access::Read) || !file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(decode(bytes));
}

std::optional<QStringList> readSmallTextLines(const QString &path, qint64 maxBytes)
{
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > maxBytes)
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The file may have grown since it was looked at: read one byte past the limit to tell.
    const QByteArray bytes = file.read(maxBytes + 1);
    if (bytes.size() > maxBytes || file.error() != QFileDevice::NoError || bytes.contains('\0'))
        return std::nullopt;
    return splitLines(decode(bytes));
}

bool writeLines(const QString &path, const QStringList &lines, LineEnd lineEnd)
{
    if (faulty(path, Access::Write))
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray end = lineEnd == LineEnd::CrLf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    for (const QString &line : lines) {
        if (file.write(line.toUtf8() + end) < 0)
            break;
    }
    if (file.error() == QFileDevice::NoError &&
        QFileInfo(path).absolutePath() == QFileInfo(DataFolder::path()).absoluteFilePath())
        keepBackup(path);
    // A failed write makes commit() discard the new file and keep the old one.
    return file.commit();
}

}
