#include "platform/DesktopEntry.h"

#include "shell/TextFile.h"

#include <QFile>

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

// The program of an Exec line: always in double quotes, with the four characters that stay
// special inside them escaped, and "%" doubled so it is no field code.
QString quoteProgram(const QString &program)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    return quoted + QLatin1Char('"');
}
}

QStringList DesktopEntry::lines() const
{
    QStringList lines{
        QStringLiteral("[Desktop Entry]"),
        QStringLiteral("Type=Application"),
        QStringLiteral("Name=") + escapeValue(name),
        QStringLiteral("Exec=") + escapeValue(quoteProgram(program)),
        QStringLiteral("Terminal=false"),
    };
    if (!workingFolder.isEmpty())
        lines.append(QStringLiteral("Path=") + escapeValue(workingFolder));
    return lines;
}

bool DesktopEntry::write(const QString &path) const
{
    if (!TextFile::writeLines(path, lines(), TextFile::LineEnd::Lf))
        return false;
    return QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}
