#include "support/HunspellDictionary.h"
#include "support/SpellCheckEvents.h"
#include "support/SpellCheckRun.h"
#include "support/SpellChecker.h"
#include "support/SpellConfig.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/SpellChoices.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Kind = SpellChoice::Kind;

// Every event of a check, as text.
class EventLog : public SpellCheckEvents
{
public:
    QStringList lines;
    void misspelling(const QString &word, int length, int start) override
    {
        lines << u"asked %1 %2 %3"_s.arg(word).arg(length).arg(start);
    }
    void replacement(const QString &word, int length, int start, const QString &) override
    {
        lines << u"replaced %1 %2 %3"_s.arg(word).arg(length).arg(start);
    }
    void autoCorrect(const QString &word, const QString &replacement) override
    {
        lines << u"auto %1=%2"_s.arg(word, replacement);
    }
    void deactivated() override { lines << u"deactivated"_s; }
};
}

// One check of a text, choice by choice: the words asked about and their positions, changes,
// undo, repeated words, and the checker's completion message.
class SpellCheckRunTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SpellChecker> m_checker;
    EventLog m_log;

    // Runs a check of the text with the choices; the corrected text.
    QString check(const QString &text, const QList<SpellChoice> &choices)
    {
        SpellCheckRun run(m_checker->engine(), m_log, text);
        run.start();
        playSpellChoices(run, choices);
        return run.text();
    }

private slots:
    void initTestCase()
    {
        m_checker = std::make_unique<SpellChecker>(m_dir.path(), m_prompter, nullptr, HunspellDictionary::systemFolders());
        m_checker->readConfiguration();
        QVERIFY(m_checker->engine().load());
    }

    void init()
    {
        failOnQtWarnings();
        m_log.lines.clear();
        m_prompter.clear();
    }

    void positionsAreOneBasedWithALineBreakCountingTwo()
    {
        const QString text = u"Ths line\r\nsecnd line\r\n\r\nlast wrd"_s;
        QCOMPARE(check(text, {{Kind::Ignore}, {Kind::Ignore}, {Kind::Ignore}}), text);
        QCOMPARE(m_log.lines, QStringList({u"asked Ths 3 1"_s, u"asked secnd 5 11"_s, u"asked wrd 3 30"_s}));
    }

    void changesChangeAllAndIgnoreAll()
    {
        const QString corrected = check(u"teh cat sat on teh mat; zorp and zorp. wrld"_s,
                                        {{Kind::ChangeAll, u"the"_s}, {Kind::IgnoreAll}, {Kind::Change, u"world"_s}});
        QCOMPARE(corrected, u"the cat sat on the mat; zorp and zorp. world"_s);
        QCOMPARE(m_log.lines, QStringList({u"asked teh 3 1"_s, u"replaced the 3 1"_s, u"replaced the 3 16"_s,
                                           u"asked zorp 4 25"_s, u"asked wrld 4 40"_s, u"replaced world 5 40"_s}));
    }

    void aReplacementIsCheckedAgain()
    {
        // "recieve" changed to another misspelling is asked about once more.
        check(u"recieve it"_s, {{Kind::Change, u"recieeve"_s}, {Kind::Change, u"receive"_s}});
        QCOMPARE(m_log.lines, QStringList({u"asked recieve 7 1"_s, u"replaced recieeve 8 1"_s, u"asked recieeve 8 1"_s,
                                           u"replaced receive 7 1"_s}));
    }

    void undoTakesBackChoicesAndAsksAgain()
    {
        const QString corrected =
            check(u"teh wrld zzyq"_s, {{Kind::Change, u"the"_s}, {Kind::Undo}, {Kind::Ignore}, {Kind::Add},
                                       {Kind::Undo}, {Kind::Ignore}, {Kind::Ignore}});
        QCOMPARE(corrected, u"teh wrld zzyq"_s);
        QCOMPARE(m_log.lines, QStringList({u"asked teh 3 1"_s, u"replaced the 3 1"_s, u"asked wrld 4 5"_s,
                                           u"replaced teh 3 1"_s, u"asked teh 3 1"_s, u"asked wrld 4 5"_s,
                                           u"asked zzyq 4 10"_s, u"asked wrld 4 5"_s, u"asked zzyq 4 10"_s}));
        // The word added and taken back again is not in the user dictionary.
        QVERIFY(!m_checker->engine().isCorrect(u"wrld"));
    }

    void undoKeepsTwentySteps()
    {
        QString text;
        for (int i = 0; i < 25; ++i)
            text += u"zz%1q "_s.arg(QChar(u'a' + i));
        SpellCheckRun run(m_checker->engine(), m_log, text);
        run.start();
        for (int i = 0; i < 25; ++i)
            run.ignore();
        QVERIFY(run.finished());
        int undone = 0;
        for (; run.canUndo(); ++undone)
            run.undo();
        QCOMPARE(undone, SpellCheckRun::UndoSteps);
        QCOMPARE(run.finding().word, u"zzfq"_s);
    }

    void repeatedWordsAreReportedAndDeletedWithTheBlankBeforeThem()
    {
        QCOMPARE(check(u"It was the the cat."_s, {{Kind::Change, QString()}}), u"It was the cat."_s);
        QCOMPARE(m_log.lines, QStringList({u"asked the 3 12"_s, u"replaced  0 11"_s}));
    }

    void autoCorrectTellsTheChoiceAndChanges()
    {
        QCOMPARE(check(u"becuase so"_s, {{Kind::AutoCorrect, u"because"_s}}), u"because so"_s);
        QCOMPARE(m_log.lines,
                 QStringList({u"asked becuase 7 1"_s, u"auto becuase=because"_s, u"replaced because 7 1"_s}));
    }

    void theCheckerSaysWhenTheCheckIsComplete()
    {
        m_checker->setDialogRunner([](SpellCheckRun &run) { playSpellChoices(run, {{Kind::Change, u"the"_s}}); });
        QCOMPARE(m_checker->checkText(u"teh end"_s, m_log), u"the end"_s);
        QCOMPARE(m_prompter.texts(), QStringList({u"The spelling check is complete."_s}));

        // Nothing to ask about: the same message, without a dialog.
        m_prompter.clear();
        QCOMPARE(m_checker->checkText(u"all good"_s, m_log), u"all good"_s);
        QCOMPARE(m_prompter.texts(), QStringList({u"The spelling check is complete."_s}));

        // Cancelled: what was changed so far stays, and nothing is said.
        m_prompter.clear();
        m_checker->setDialogRunner([](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Change, u"the"_s}, {Kind::Cancel}});
        });
        QCOMPARE(m_checker->checkText(u"teh wrld"_s, m_log), u"the wrld"_s);
        QVERIFY(m_prompter.texts().isEmpty());
    }

    void theOptionsChoiceIsWrittenToTheConfiguration()
    {
        SpellOptions chosen;
        chosen.ignoreNumbers = true;
        m_checker->setOptionsRunner([&](const SpellOptions &shown) -> std::optional<SpellOptions> {
            if (shown != SpellOptions())
                return std::nullopt;
            return chosen;
        });
        m_checker->showOptions();
        QCOMPARE(m_checker->engine().options(), chosen);
        SpellConfig config(m_dir.filePath(SpellConfig::FileName));
        config.read();
        QCOMPARE(config.options(), chosen);
        m_checker->setOptionsRunner([](const SpellOptions &) { return std::optional<SpellOptions>(SpellOptions()); });
        m_checker->showOptions();
        QCOMPARE(m_checker->engine().options(), SpellOptions());
    }
};

KESTREL_TEST(SpellCheckRunTest)
#include "SpellCheckRunTest.moc"
