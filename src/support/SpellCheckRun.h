#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class SpellCheckEvents;
class SpellEngine;

// One check of a text, word by word, as the check dialog drives it: the word asked about, the
// user's choices and their undo. Every word asked about raises the misspelling event, every
// change the replacement event.
class SpellCheckRun
{
public:
    static constexpr int UndoSteps = 20;

    struct Finding
    {
        QString word;
        int start = -1;        // 0-based, in text()
        bool repeated = false; // the same word twice in a row, not a misspelling
    };

    SpellCheckRun(SpellEngine &engine, SpellCheckEvents &events, QString text);

    // Looks for the first word to ask about.
    void start();
    bool finished() const { return m_finished; }
    bool cancelled() const { return m_cancelled; }
    const QString &text() const { return m_text; }
    const Finding &finding() const { return m_finding; }
    // The engine's suggestions for the word asked about (none for a repeated word).
    QStringList suggestions() const;
    // The sentence around the word asked about, and where the word lies in it.
    struct Context
    {
        QString sentence;
        int wordStart = 0;
    };
    Context context() const;

    void ignore();
    void ignoreAll();
    // An empty replacement of a repeated word deletes it with the blanks before it.
    void change(const QString &replacement);
    void changeAll(const QString &replacement);
    // Adds the word to the user dictionary.
    void add();
    void autoCorrect(const QString &replacement);
    bool canUndo() const { return !m_undo.isEmpty(); }
    // Takes back the last choice; the word it was made on is asked about again.
    void undo();
    void cancel();
    // The check dialog lost the activation.
    void deactivated();

private:
    struct State
    {
        QString text;
        Finding finding;
        QSet<QString> ignored;
        QHash<QString, QString> changeAll;
        QString addedWord;
    };

    void remember();
    // Replaces the word asked about and returns the offset right after the new text.
    int replaceFinding(const QString &replacement);
    void seek(int from);
    void ask(const Finding &finding);

    SpellEngine &m_engine;
    SpellCheckEvents &m_events;
    QString m_text;
    Finding m_finding;
    QSet<QString> m_ignored;
    QHash<QString, QString> m_changeAll;
    QList<State> m_undo;
    bool m_finished = false;
    bool m_cancelled = false;
};
