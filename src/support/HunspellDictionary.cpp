#include "support/HunspellDictionary.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

HunspellDictionary HunspellDictionary::forConfigPath(const QString &path)
{
    const QString base = QFileInfo(QString(path).replace(QLatin1Char('\\'), QLatin1Char('/'))).completeBaseName();
    const QString lower = base.toLower();
    if (lower == QLatin1String("english") || lower == QLatin1String("american"))
        return {QStringLiteral("en_US"), QStringLiteral("hunspell-en-us")};
    if (lower == QLatin1String("british"))
        return {QStringLiteral("en_GB"), QStringLiteral("hunspell-en-gb")};
    // Only a plain language tag names a dictionary file; anything else could leave the folder.
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z]{2,3}([_-][A-Za-z0-9]{2,8})*$"));
    if (!tag.match(base).hasMatch())
        return {base, QString()};
    return {base, QStringLiteral("hunspell-") + QString(lower).replace(QLatin1Char('_'), QLatin1Char('-'))};
}

QStringList HunspellDictionary::systemFolders()
{
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/share/myspell/dicts")};
}

HunspellDictionary::Files HunspellDictionary::locate(const QStringList &folders) const
{
    if (package.isEmpty())
        return {};
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QString affix = dir.filePath(language + QStringLiteral(".aff"));
        const QString words = dir.filePath(language + QStringLiteral(".dic"));
        if (QFileInfo(affix).isFile() && QFileInfo(words).isFile())
            return {affix, words};
    }
    return {};
}
