#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

// The settings store: the current user's "Software" key, kept in one INI file. A section is a
// key path below "Software" with backslashes ("Kestrel Browser 5\TypedURLs"); all values are
// text. Reads take their own default and never create anything; writes create the section.
// Several store objects, in one process or several, see each other's writes.
class SettingsStore
{
public:
    static inline const QString MainSection = QStringLiteral("Kestrel Browser 5");
    static inline const QString MultiSearchSection = QStringLiteral("Tarnwell Multi Search");

    // The store file: $XDG_CONFIG_HOME/kestrel-browser/registry.ini (default ~/.config/...).
    static QString defaultFilePath();

    explicit SettingsStore(const QString &filePath = defaultFilePath());
    ~SettingsStore();

    QString readString(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // Decimal text; a missing or malformed value reads as the default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // Read as an integer with default 1 or 0; any non-zero integer is true.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;
    bool valueExists(const QString &section, const QString &key) const;
    bool sectionExists(const QString &section) const;

    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void deleteValue(const QString &section, const QString &key);

    // List subkeys: values "Item0", "Item1", ... in list order. Reading empties the receiving
    // list only when the subkey holds values, and skips empty entries; writing leaves the
    // higher items of a longer old list in place.
    void readList(const QString &section, QStringList &list) const;
    void writeList(const QString &section, const QStringList &list);
    // Deletes the section with its values and subkeys.
    void clearSection(const QString &section);

private:
    // The value's text after taking up writes of other store objects, or nothing when missing.
    std::optional<QString> readText(const QString &section, const QString &key) const;

    std::unique_ptr<QSettings> m_settings;
};
