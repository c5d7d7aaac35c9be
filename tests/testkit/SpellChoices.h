#pragma once

#include <QList>
#include <QString>
#include <functional>

class SpellCheckRun;

// The user's part in a spell check, for tests: choices made in order on the words asked about.
struct SpellChoice
{
    enum class Kind { Ignore, IgnoreAll, Change, ChangeAll, Add, AutoCorrect, Undo, Cancel };
    Kind kind;
    QString replacement = QString();
};

// Makes the choices on the run until it is over; `beforeEach` sees the run before every
// choice. A run that still asks when the choices are used up is cancelled.
void playSpellChoices(SpellCheckRun &run, const QList<SpellChoice> &choices,
                      const std::function<void(const SpellCheckRun &)> &beforeEach = {});
