#include "shell/TextFile.h"

#include "shell/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTemporaryFile>
#include <filesystem>
#include <unistd.h>

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
const QString TemporaryMark = QStringLiteral(".kestrel-tmp-");

Fault &fault()
{
    static Fault injected;
    return injected;
}

bool faulty(const QString &path, Access access)
{
    return fault() && fault()(path, access);
}

// A new file gets the permissions a plain write would give it under the usual mask.
constexpr QFileDevice::Permissions NewFilePermissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther;

// Writes the bytes to a new file beside the target and renames it over the target, so that the
// target is always either the old file or the whole new one. The new file is named with the
// program's own mark until the rename; one left behind by a killed run is found by that mark.
bool replaceAtomically(const QString &path, const QByteArray &bytes)
{
    const QFileInfo link(path);
    // A link stays a link: the file it points to is the one replaced.
    const QString target = link.isSymLink() ? link.symLinkTarget() : path;
    const QFileInfo existing(target);
    if (existing.isDir())
        return false;
    QTemporaryFile file(target + TemporaryMark + QStringLiteral("XXXXXX"));
    if (!file.open())
        return false;
    file.setPermissions(existing.exists() ? existing.permissions() : NewFilePermissions);
    if (file.write(bytes) != bytes.size() || !file.flush() || ::fsync(file.handle()) != 0)
        return false;
    file.close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(file.fileName()).toStdString()),
                            std::filesystem::path(QFile::encodeName(target).toStdString()), error);
    if (error)
        return false;
    file.setAutoRemove(false);
    return true;
}

// Replaces the file's last-good copy with the file as it is now; a file that cannot be read
// leaves the copy alone.
void keepBackup(const QString &path)
{
    QFile old(path);
    if (!QFileInfo(path).isFile() || !old.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = old.readAll();
    if (old.error() == QFileDevice::NoError)
        replaceAtomically(backupPath(path), bytes);
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
    const QByteArray end = lineEnd == LineEnd::CrLf ? QByteArrayLiteral("\r\n") : QByteArrayLiteral("\n");
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toUtf8() + end;
    if (QFileInfo(path).absolutePath() == QFileInfo(DataFolder::path()).absoluteFilePath())
        keepBackup(path);
    return replaceAtomically(path, bytes);
}

int removeStaleTemporaries(const QString &folder)
{
    int removed = 0;
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*") + TemporaryMark + QStringLiteral("??????")},
                                            QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        if (QFile::remove(dir.filePath(name)))
            ++removed;
    }
    return removed;
}

}
