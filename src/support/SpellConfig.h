#pragma once

#include "support/SpellOptions.h"

#include <QList>
#include <QString>
#include <QStringList>

// The spell checker's configuration file "SPELLDICT.CFG" in the data folder: an [addict]
// section of name=value lines naming the options, the main dictionaries (a "T" or "F" flag
// before each path says whether it is used) with their captions, and the user dictionary.
class SpellConfig
{
public:
    static const QString FileName;

    struct Dictionary
    {
        bool enabled = false;
        QString path;     // as written, after the flag
        QString caption;  // the matching "M_DCT_" line; empty when there is none
    };

    // The lines of a first configuration; dataFolder ends with a separator.
    static QStringList initialLines(const QString &dataFolder);
    // Writes the first configuration when the data folder has none; an existing file is never
    // touched. True when a file was written.
    static bool writeIfMissing(const QString &dataFolder);

    explicit SpellConfig(QString path);

    // Reads the file; a missing or unreadable file leaves the defaults.
    void read();
    SpellOptions options() const;
    // Writes the options into the file, keeping every other line as it is.
    bool writeOptions(const SpellOptions &options);
    QList<Dictionary> dictionaries() const;
    // The user dictionary's path; empty when the file names none or turns it off.
    QString userDictionaryPath() const;

private:
    // The value of the [addict] section's line, names compared without regard to case.
    QString value(const QString &name) const;
    bool flag(const QString &name, bool fallback) const;
    // Index in m_lines of the section's line named name, or -1.
    int lineOf(const QString &name) const;

    QString m_path;
    QStringList m_lines;
};
