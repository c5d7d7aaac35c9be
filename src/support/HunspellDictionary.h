#pragma once

#include <QString>
#include <QStringList>

// Where a dictionary line of the configuration is found among the installed Hunspell
// dictionaries. "English.dct" and "American.dct" are the American English dictionary of the
// Debian package hunspell-en-us, "British.dct" the British one of hunspell-en-gb; any other
// "<language>.dct" names the Hunspell dictionary of that language ("de_DE.dct" is de_DE, in
// the package hunspell-de-de).
struct HunspellDictionary
{
    QString language;  // "en_US"
    QString package;   // "hunspell-en-us"

    static HunspellDictionary forConfigPath(const QString &path);
    // The folders Debian installs Hunspell dictionaries into.
    static QStringList systemFolders();

    // The affix and word files in the first folder that has both; empty when none has.
    struct Files
    {
        QString affix;
        QString words;
        bool found() const { return !affix.isEmpty(); }
    };
    Files locate(const QStringList &folders) const;
};
