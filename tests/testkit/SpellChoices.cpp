#include "testkit/SpellChoices.h"

#include "support/SpellCheckRun.h"

void playSpellChoices(SpellCheckRun &run, const QList<SpellChoice> &choices,
                      const std::function<void(const SpellCheckRun &)> &beforeEach)
{
    using Kind = SpellChoice::Kind;
    for (const SpellChoice &choice : choices) {
        if (run.finished())
            return;
        if (beforeEach)
            beforeEach(run);
        switch (choice.kind) {
        case Kind::Ignore: run.ignore(); break;
        case Kind::IgnoreAll: run.ignoreAll(); break;
        case Kind::Change: run.change(choice.replacement); break;
        case Kind::ChangeAll: run.changeAll(choice.replacement); break;
        case Kind::Add: run.add(); break;
        case Kind::AutoCorrect: run.autoCorrect(choice.replacement); break;
        case Kind::Undo: run.undo(); break;
        case Kind::Cancel: run.cancel(); break;
        }
    }
    if (!run.finished()) {
        if (beforeEach)
            beforeEach(run);
        run.cancel();
    }
}
