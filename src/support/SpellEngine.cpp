#include "support/SpellEngine.h"

#include "support/HunspellDictionary.h"
#include "support/SpellConfig.h"

#include <QFile>
#include <QSet>
#include <algorithm>
#include <QStringDecoder>
#include <QStringEncoder>
#include <hunspell.hxx>

struct SpellEngine::Loaded
{
    QString language;
    std::unique_ptr<Hunspell> hunspell;
    bool utf8 = true;
    QByteArray encodingName;
};

SpellEngine::SpellEngine(QStringList dictionaryFolders) : m_folders(std::move(dictionaryFolders)) {}

SpellEngine::~SpellEngine() = default;

void SpellEngine::configure(const SpellConfig &config)
{
    m_options = config.options();
    m_wanted.clear();
    for (const SpellConfig::Dictionary &dictionary : config.dictionaries()) {
        if (dictionary.enabled)
            m_wanted.append({dictionary.caption, dictionary.path});
    }
    m_user = UserDictionary(config.userDictionaryPath());
    m_user.read();
    m_dictionaries.clear();
    m_loaded = false;
    m_problem.clear();
}

bool SpellEngine::load()
{
    if (m_loaded)
        return !m_dictionaries.empty();
    m_loaded = true;
    QStringList problems;
    QSet<QString> languages;
    for (const auto &[caption, path] : std::as_const(m_wanted)) {
        const HunspellDictionary dictionary = HunspellDictionary::forConfigPath(path);
        const QString name = caption.isEmpty() ? path : caption;
        if (dictionary.package.isEmpty()) {
            problems << QStringLiteral("The dictionary \"%1\" names no Hunspell dictionary.").arg(name);
            continue;
        }
        // English and American are one Hunspell dictionary: loaded, or named as missing, once.
        if (languages.contains(dictionary.language))
            continue;
        languages.insert(dictionary.language);
        const HunspellDictionary::Files files = dictionary.locate(m_folders);
        if (!files.found()) {
            problems << QStringLiteral("The dictionary \"%1\" (%2) is not installed: install the package %3.")
                            .arg(name, dictionary.language, dictionary.package);
            continue;
        }
        auto loaded = std::make_unique<Loaded>();
        loaded->language = dictionary.language;
        loaded->hunspell = std::make_unique<Hunspell>(QFile::encodeName(files.affix).constData(),
                                                      QFile::encodeName(files.words).constData());
        loaded->encodingName = QByteArray::fromStdString(loaded->hunspell->get_dict_encoding());
        loaded->utf8 = loaded->encodingName.compare("UTF-8", Qt::CaseInsensitive) == 0;
        m_dictionaries.push_back(std::move(loaded));
    }
    if (m_wanted.isEmpty())
        problems << QStringLiteral("No dictionary is turned on in %1.").arg(SpellConfig::FileName);
    for (const QString &word : m_user.words()) {
        if (!m_dictionaries.empty())
            m_dictionaries.front()->hunspell->add(encode(*m_dictionaries.front(), word));
    }
    m_problem = problems.join(QLatin1Char('\n'));
    return !m_dictionaries.empty();
}

std::string SpellEngine::encode(const Loaded &dictionary, QStringView word) const
{
    if (dictionary.utf8)
        return word.toUtf8().toStdString();
    QStringEncoder encoder(dictionary.encodingName.constData());
    if (!encoder.isValid())
        return word.toLatin1().toStdString();
    const QByteArray bytes = encoder.encode(word);
    return bytes.toStdString();
}

bool SpellEngine::isCorrect(QStringView word) const
{
    if (m_user.contains(word.toString()))
        return true;
    for (const auto &dictionary : m_dictionaries) {
        const std::string encoded = encode(*dictionary, word);
        if (!encoded.empty() && dictionary->hunspell->spell(encoded))
            return true;
    }
    return false;
}

QStringList SpellEngine::suggestions(const QString &word) const
{
    QStringList result;
    for (const auto &dictionary : m_dictionaries) {
        QStringDecoder decoder(dictionary->utf8 ? "UTF-8" : dictionary->encodingName.constData());
        for (const std::string &suggestion : dictionary->hunspell->suggest(encode(*dictionary, word))) {
            const QByteArray bytes = QByteArray::fromStdString(suggestion);
            const QString text = decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
            if (!result.contains(text))
                result.append(text);
            if (result.size() == MaxSuggestions)
                return result;
        }
        if (m_options.primaryOnly)
            break;
    }
    return result;
}

bool SpellEngine::addUserWord(const QString &word)
{
    if (!m_user.add(word))
        return false;
    if (!m_dictionaries.empty())
        m_dictionaries.front()->hunspell->add(encode(*m_dictionaries.front(), word));
    return true;
}

bool SpellEngine::removeUserWord(const QString &word)
{
    if (!m_user.remove(word))
        return false;
    for (const auto &dictionary : m_dictionaries)
        dictionary->hunspell->remove(encode(*dictionary, word));
    return true;
}
