#pragma once

#include "support/SpellOptions.h"
#include "support/UserDictionary.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Hunspell;
class SpellConfig;

// The spell checker's word engine on Hunspell: the dictionaries and user dictionary the
// configuration names, the options, and the answers for single words. Dictionaries are loaded
// on first use; one that is not installed is named, with its package, by problem().
class SpellEngine
{
public:
    static constexpr int MaxSuggestions = 50;

    explicit SpellEngine(QStringList dictionaryFolders);
    ~SpellEngine();

    // Takes the options, dictionaries and user dictionary from the configuration.
    void configure(const SpellConfig &config);
    const SpellOptions &options() const { return m_options; }
    void setOptions(const SpellOptions &options) { m_options = options; }

    // Loads the dictionaries if not done yet; true when at least one could be loaded.
    bool load();
    // What keeps dictionaries from being used: one line per dictionary that is not installed,
    // naming the package to install; empty when all are there.
    QString problem() const { return m_problem; }

    bool isCorrect(QStringView word) const;
    // At most MaxSuggestions replacements, best first.
    QStringList suggestions(const QString &word) const;

    bool addUserWord(const QString &word);
    bool removeUserWord(const QString &word);

private:
    struct Loaded;
    std::string encode(const Loaded &dictionary, QStringView word) const;

    QStringList m_folders;
    SpellOptions m_options;
    QList<QPair<QString, QString>> m_wanted; // caption, configuration path
    UserDictionary m_user;
    bool m_loaded = false;
    QString m_problem;
    std::vector<std::unique_ptr<Loaded>> m_dictionaries;
};
