#include "support/SpellCheckRun.h"

#include "support/SpellCheckEvents.h"
#include "support/SpellEngine.h"
#include "support/SpellWords.h"

#include <algorithm>

namespace {
bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

bool endsSentence(QChar c)
{
    return c == QLatin1Char('.') || c == QLatin1Char('!') || c == QLatin1Char('?') || c == QLatin1Char('\n') ||
           c == QLatin1Char('\r');
}

// How far the shown sentence may reach on each side of the word.
constexpr int ContextReach = 200;
}

SpellCheckRun::SpellCheckRun(SpellEngine &engine, SpellCheckEvents &events, QString text)
    : m_engine(engine), m_events(events), m_text(std::move(text))
{
}

void SpellCheckRun::start()
{
    seek(0);
}

QStringList SpellCheckRun::suggestions() const
{
    if (m_finished || m_finding.repeated)
        return {};
    return m_engine.suggestions(m_finding.word);
}

SpellCheckRun::Context SpellCheckRun::context() const
{
    if (m_finished)
        return {};
    const int start = m_finding.start;
    const int end = start + static_cast<int>(m_finding.word.size());
    int begin = start;
    while (begin > 0 && start - begin < ContextReach && !endsSentence(m_text.at(begin - 1)))
        --begin;
    int finish = end;
    while (finish < m_text.size() && finish - end < ContextReach && !endsSentence(m_text.at(finish)))
        ++finish;
    if (finish < m_text.size() && m_text.at(finish) != QLatin1Char('\n') && m_text.at(finish) != QLatin1Char('\r'))
        ++finish;
    // Leading blanks of the sentence are not shown.
    while (begin < start && m_text.at(begin).isSpace())
        ++begin;
    return {m_text.mid(begin, finish - begin), start - begin};
}

void SpellCheckRun::seek(int from)
{
    const SpellOptions &options = m_engine.options();
    for (SpellWords::Word word = SpellWords::next(m_text, from, options); word.found();
         word = SpellWords::next(m_text, word.start + word.length, options)) {
        const QString text = m_text.mid(word.start, word.length);
        if (options.repeated) {
            const QStringView before = SpellWords::previous(m_text, word.start);
            if (!before.isEmpty() && before.compare(text, Qt::CaseInsensitive) == 0 && !m_ignored.contains(text)) {
                ask({text, word.start, true});
                return;
            }
        }
        if (m_ignored.contains(text) || m_engine.isCorrect(text))
            continue;
        const auto automatic = m_changeAll.constFind(text);
        if (automatic != m_changeAll.constEnd()) {
            m_finding = {text, word.start, false};
            const int after = replaceFinding(*automatic);
            // The loop goes on after the new text.
            word = {after, 0};
            continue;
        }
        ask({text, word.start, false});
        return;
    }
    m_finding = {};
    m_finished = true;
}

void SpellCheckRun::ask(const Finding &finding)
{
    m_finding = finding;
    m_events.misspelling(finding.word, static_cast<int>(finding.word.size()), finding.start + 1);
}

int SpellCheckRun::replaceFinding(const QString &replacement)
{
    int start = m_finding.start;
    int length = static_cast<int>(m_finding.word.size());
    if (replacement.isEmpty() && m_finding.repeated) {
        while (start > 0 && isBlank(m_text.at(start - 1))) {
            --start;
            ++length;
        }
    }
    m_text.replace(start, length, replacement);
    m_events.replacement(replacement, static_cast<int>(replacement.size()), start + 1, m_text);
    return start + static_cast<int>(replacement.size());
}

void SpellCheckRun::remember()
{
    m_undo.append({m_text, m_finding, m_ignored, m_changeAll, QString()});
    if (m_undo.size() > UndoSteps)
        m_undo.removeFirst();
}

void SpellCheckRun::ignore()
{
    if (m_finished)
        return;
    remember();
    seek(m_finding.start + static_cast<int>(m_finding.word.size()));
}

void SpellCheckRun::ignoreAll()
{
    if (m_finished)
        return;
    remember();
    m_ignored.insert(m_finding.word);
    seek(m_finding.start + static_cast<int>(m_finding.word.size()));
}

void SpellCheckRun::change(const QString &replacement)
{
    if (m_finished)
        return;
    remember();
    const int start = m_finding.start;
    const int after = replaceFinding(replacement);
    // The new word is checked again when the options say so; a deleted word leaves nothing.
    seek(m_engine.options().recheck && !replacement.isEmpty() ? std::min(start, after) : after);
}

void SpellCheckRun::changeAll(const QString &replacement)
{
    if (m_finished)
        return;
    // Changing a word into itself everywhere is ignoring it everywhere.
    if (replacement == m_finding.word) {
        ignoreAll();
        return;
    }
    remember();
    if (!m_finding.repeated)
        m_changeAll.insert(m_finding.word, replacement);
    const int after = replaceFinding(replacement);
    seek(after);
}

void SpellCheckRun::add()
{
    if (m_finished)
        return;
    remember();
    if (m_engine.addUserWord(m_finding.word))
        m_undo.last().addedWord = m_finding.word;
    m_ignored.insert(m_finding.word);
    seek(m_finding.start + static_cast<int>(m_finding.word.size()));
}

void SpellCheckRun::autoCorrect(const QString &replacement)
{
    if (m_finished || replacement.isEmpty())
        return;
    m_events.autoCorrect(m_finding.word, replacement);
    change(replacement);
}

void SpellCheckRun::undo()
{
    if (m_undo.isEmpty())
        return;
    const State state = m_undo.takeLast();
    if (!state.addedWord.isEmpty())
        m_engine.removeUserWord(state.addedWord);
    const bool textChanged = state.text != m_text;
    m_text = state.text;
    m_ignored = state.ignored;
    m_changeAll = state.changeAll;
    m_finished = false;
    // The caller's copy of the text gets the word back as a replacement would put it.
    if (textChanged)
        m_events.replacement(state.finding.word, static_cast<int>(state.finding.word.size()),
                             state.finding.start + 1, m_text);
    ask(state.finding);
}

void SpellCheckRun::cancel()
{
    m_cancelled = true;
    m_finished = true;
}

void SpellCheckRun::deactivated()
{
    m_events.deactivated();
}
