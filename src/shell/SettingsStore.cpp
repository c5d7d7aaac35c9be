#include "shell/SettingsStore.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
// Registry key paths use backslashes; QSettings groups use slashes.
QString groupOf(const QString &section)
{
    QString group = section;
    group.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (group.endsWith(QLatin1Char('/')))
        group.chop(1);
    return group;
}

QString keyOf(const QString &section, const QString &key)
{
    const QString group = groupOf(section);
    return group.isEmpty() ? key : group + QLatin1Char('/') + key;
}

// Every value is text. An INI line such as "a,b" comes back from QSettings as a list and a
// stored byte array as bytes; both are read as the text they hold, anything else as missing.
std::optional<QString> textOf(const QVariant &value)
{
    if (!value.isValid())
        return std::nullopt;
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::QStringList:
        return value.toStringList().join(QLatin1Char(','));
    case QMetaType::QByteArray:
        return QString::fromUtf8(value.toByteArray());
    default:
        return std::nullopt;
    }
}
}

QString SettingsStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/kestrel-browser/registry.ini");
}

SettingsStore::SettingsStore(const QString &filePath)
    : m_settings(std::make_unique<QSettings>(filePath, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

std::optional<QString> SettingsStore::readText(const QString &section, const QString &key) const
{
    m_settings->sync();
    return textOf(m_settings->value(keyOf(section, key)));
}

QString SettingsStore::readString(const QString &section, const QString &key,
                                  const QString &defaultValue) const
{
    return readText(section, key).value_or(defaultValue);
}

int SettingsStore::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const std::optional<QString> text = readText(section, key);
    if (!text)
        return defaultValue;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool SettingsStore::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool SettingsStore::valueExists(const QString &section, const QString &key) const
{
    m_settings->sync();
    return m_settings->contains(keyOf(section, key));
}

bool SettingsStore::sectionExists(const QString &section) const
{
    m_settings->sync();
    const QString group = groupOf(section);
    if (group.isEmpty())
        return true;
    const qsizetype slash = group.lastIndexOf(QLatin1Char('/'));
    m_settings->beginGroup(slash < 0 ? QString() : group.left(slash));
    const bool exists = m_settings->childGroups().contains(group.mid(slash + 1));
    m_settings->endGroup();
    return exists;
}

void SettingsStore::writeString(const QString &section, const QString &key, const QString &value)
{
    m_settings->setValue(keyOf(section, key), value);
    m_settings->sync();
}

void SettingsStore::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void SettingsStore::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void SettingsStore::deleteValue(const QString &section, const QString &key)
{
    m_settings->remove(keyOf(section, key));
    m_settings->sync();
}

void SettingsStore::readList(const QString &section, QStringList &list) const
{
    m_settings->sync();
    m_settings->beginGroup(groupOf(section));
    // Only as many items are looked up as the subkey holds values, so a gap ends the list early.
    const qsizetype count = m_settings->childKeys().size();
    if (count > 0)
        list.clear();
    for (qsizetype i = 0; i < count; ++i) {
        const QString entry = textOf(m_settings->value(QStringLiteral("Item") + QString::number(i)))
                                  .value_or(QString());
        if (!entry.isEmpty())
            list.append(entry);
    }
    m_settings->endGroup();
}

void SettingsStore::writeList(const QString &section, const QStringList &list)
{
    const QString group = groupOf(section);
    for (qsizetype i = 0; i < list.size(); ++i)
        m_settings->setValue(group + QStringLiteral("/Item") + QString::number(i), list.at(i));
    m_settings->sync();
}

void SettingsStore::clearSection(const QString &section)
{
    // An empty section would name the whole store.
    const QString group = groupOf(section);
    if (group.isEmpty())
        return;
    m_settings->remove(group);
    m_settings->sync();
}
