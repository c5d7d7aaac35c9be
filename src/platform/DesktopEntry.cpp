#include "platform/DesktopEntry.h"

#include "platform/ShellWords.h"
#include "shell/TextFile.h"

#include <QFile>
#include <QRegularExpression>

namespace {
// The escapes every string value takes.
QString escapeValue(const QString &value)
{
    QString escaped;
    for (const QChar c : value) {
        switch (c.unicode()) {
        case '\\': escaped += QStringLiteral("\\\\"); break;
        case '\n': escaped += QStringLiteral("\\n"); break;
        case '\t': escaped += QStringLiteral("\\t"); break;
        case '\r': escaped += QStringLiteral("\\r"); break;
        default: escaped += c;
        }
    }
    return escaped;
}

QString unescapeValue(const QString &value)
{
    QString plain;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        if (c != QLatin1Char('\\') || i + 1 == value.size()) {
            plain += c;
            continue;
        }
        switch (value.at(++i).unicode()) {
        case 's': plain += QLatin1Char(' '); break;
        case 'n': plain += QLatin1Char('\n'); break;
        case 't': plain += QLatin1Char('\t'); break;
        case 'r': plain += QLatin1Char('\r'); break;
        default: plain += value.at(i);
        }
    }
    return plain;
}

// One Exec argument: "%" doubled so it is no field code, and in double quotes only when it holds
// a character the Exec rules reserve, with the four that stay special inside quotes escaped.
// Unquoted paths are read right by every launcher, including the ones that only split at blanks.
QString quoteArgument(const QString &argument)
{
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool needsQuotes = argument.isEmpty();
    QString text;
    for (const QChar c : argument) {
        if (reserved.contains(c))
            needsQuotes = true;
        if (c == QLatin1Char('%'))
            text += QLatin1Char('%');
        text += c;
    }
    if (!needsQuotes)
        return text;
    QString quoted = QStringLiteral("\"");
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}
}

QStringList DesktopEntry::lines() const
{
    QString exec = quoteArgument(program);
    if (!argument.isEmpty())
        exec += QLatin1Char(' ') + argument;
    QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + escapeValue(name),
        QStringLiteral("Exec=") + escapeValue(exec),
        QStringLiteral("Terminal=false"),
    };
    if (!workingFolder.isEmpty())
        lines.append(QStringLiteral("Path=") + escapeValue(workingFolder));
    if (!mimeTypes.isEmpty())
        lines.append(QStringLiteral("MimeType=") + escapeValue(mimeTypes.join(QLatin1Char(';'))) + QLatin1Char(';'));
    if (noDisplay)
        lines.append(QStringLiteral("NoDisplay=true"));
    return lines;
}

bool DesktopEntry::write(const QString &path) const
{
    if (!TextFile::writeLines(path, lines(), TextFile::LineEnd::Lf))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

std::optional<QString> DesktopEntry::readExec(const QString &path)
{
    const std::optional<QStringList> lines = TextFile::readLines(path);
    if (!lines)
        return std::nullopt;
    bool inEntry = false;
    for (const QString &line : *lines) {
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line.trimmed() == QLatin1String("[Desktop Entry]");
            continue;
        }
        if (!inEntry)
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && QStringView(line).left(equals).trimmed() == QLatin1String("Exec"))
            return unescapeValue(line.mid(equals + 1).trimmed());
    }
    return std::nullopt;
}

QStringList DesktopEntry::execArguments(const QString &exec)
{
    QStringList arguments = ShellWords::split(exec);
    for (QString &argument : arguments)
        argument.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return arguments;
}

QString DesktopEntry::withoutFieldCodes(const QString &exec)
{
    static const QRegularExpression fieldCode(QStringLiteral("(^|\\s)%[fFuUdDnNickvm](?=\\s|$)"));
    QString text = exec;
    text.remove(fieldCode);
    text.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return text.trimmed();
}
