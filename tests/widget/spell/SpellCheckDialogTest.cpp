#include "support/HunspellDictionary.h"
#include "support/SpellCheckDialog.h"
#include "support/SpellCheckEvents.h"
#include "support/SpellCheckRun.h"
#include "support/SpellChecker.h"
#include "support/SpellOptionsDialog.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using namespace Qt::StringLiterals;

namespace {
class EventLog : public SpellCheckEvents
{
public:
    QStringList lines;
    void misspelling(const QString &word, int, int start) override { lines << u"asked %1 %2"_s.arg(word).arg(start); }
    void replacement(const QString &word, int, int start, const QString &) override
    {
        lines << u"replaced %1 %2"_s.arg(word).arg(start);
    }
    void autoCorrect(const QString &word, const QString &replacement) override
    {
        lines << u"auto %1=%2"_s.arg(word, replacement);
    }
    void deactivated() override { lines << u"deactivated"_s; }
};
}

// The check dialog and the options dialog, driven through their controls as a user would.
class SpellCheckDialogTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SpellChecker> m_checker;
    EventLog m_log;

    template <typename T> static T *child(QWidget &dialog, const char *name)
    {
        return dialog.findChild<T *>(QLatin1String(name));
    }

    static void click(QWidget &dialog, const char *name)
    {
        QPushButton *button = child<QPushButton>(dialog, name);
        QVERIFY2(button && button->isEnabled(), name);
        QTest::mouseClick(button, Qt::LeftButton);
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
        // Showing a window offscreen draws a note from the platform plugin, and only that.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s));
        m_log.lines.clear();
    }

    void aScriptedSequenceOfChoices()
    {
        SpellCheckRun run(m_checker->engine(), m_log, u"Teh quick brwn fox. It jumped jumped over brwn dogs."_s);
        run.start();
        int optionsShown = 0;
        SpellCheckDialog dialog(run, [&] { ++optionsShown; });
        dialog.show();
        QCOMPARE(dialog.windowTitle(), u"Spell Check"_s);

        // The word in its sentence, the suggestions and the first of them to change to.
        QCOMPARE(child<QLabel>(dialog, "reason")->text(), u"Not in Dictionary:"_s);
        QCOMPARE(child<QTextEdit>(dialog, "sentence")->toPlainText(), u"Teh quick brwn fox."_s);
        auto *suggestions = child<QListWidget>(dialog, "suggestions");
        auto *changeTo = child<QLineEdit>(dialog, "changeTo");
        QVERIFY(suggestions->count() > 0);
        QCOMPARE(changeTo->text(), suggestions->item(0)->text());
        QVERIFY(!child<QPushButton>(dialog, "undo")->isEnabled());
        // With KESTREL_SCREENSHOT_DIR set, the dialog as the user sees it goes there as a PNG.
        if (const QString folder = qEnvironmentVariable("KESTREL_SCREENSHOT_DIR"); !folder.isEmpty())
            dialog.grab().save(QDir(folder).filePath(u"spell-dialog.png"_s));

        // Typing the replacement and changing it.
        changeTo->setText(u"The"_s);
        click(dialog, "change");
        QCOMPARE(child<QTextEdit>(dialog, "sentence")->toPlainText(), u"The quick brwn fox."_s);
        QVERIFY(child<QPushButton>(dialog, "undo")->isEnabled());

        // Picking a suggestion puts it into the box; Change All changes the later one too.
        const QList<QListWidgetItem *> brown = suggestions->findItems(u"brown"_s, Qt::MatchExactly);
        QCOMPARE(brown.size(), 1);
        suggestions->setCurrentItem(brown.first());
        QCOMPARE(changeTo->text(), u"brown"_s);
        click(dialog, "changeAll");

        // The repeated word: nothing to suggest, deleted with an empty box.
        QCOMPARE(child<QLabel>(dialog, "reason")->text(), u"Repeated Word:"_s);
        QCOMPARE(child<QTextEdit>(dialog, "sentence")->toPlainText(), u"It jumped jumped over brwn dogs."_s);
        QCOMPARE(suggestions->count(), 0);
        QVERIFY(changeTo->text().isEmpty());
        QVERIFY(!child<QPushButton>(dialog, "add")->isEnabled());
        click(dialog, "options");
        QCOMPARE(optionsShown, 1);
        click(dialog, "change");

        QVERIFY(run.finished());
        QVERIFY(!run.cancelled());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(run.text(), u"The quick brown fox. It jumped over brown dogs."_s);
        QCOMPARE(m_log.lines, QStringList({u"asked Teh 1"_s, u"replaced The 1"_s, u"asked brwn 11"_s,
                                           u"replaced brown 11"_s, u"asked jumped 32"_s, u"replaced  31"_s,
                                           u"replaced brown 37"_s}));
    }

    void undoAutoCorrectAndCancel()
    {
        SpellCheckRun run(m_checker->engine(), m_log, u"becuase of teh rain"_s);
        run.start();
        SpellCheckDialog dialog(run, {});
        dialog.show();
        child<QLineEdit>(dialog, "changeTo")->setText(u"because"_s);
        click(dialog, "autoCorrect");
        click(dialog, "undo");
        QCOMPARE(child<QTextEdit>(dialog, "sentence")->toPlainText(), u"becuase of teh rain"_s);
        // A replacement equal to the word offers no auto-correct.
        child<QLineEdit>(dialog, "changeTo")->setText(u"becuase"_s);
        QVERIFY(!child<QPushButton>(dialog, "autoCorrect")->isEnabled());
        click(dialog, "ignore");
        click(dialog, "cancel");
        QVERIFY(run.cancelled());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(m_log.lines, QStringList({u"asked becuase 1"_s, u"auto becuase=because"_s, u"replaced because 1"_s,
                                           u"asked teh 12"_s, u"replaced becuase 1"_s, u"asked becuase 1"_s,
                                           u"asked teh 12"_s}));
    }

    void theCheckerRunsTheDialogModallyAndTakesTheFocusBack()
    {
        // The events of a page check: a deactivated dialog is given the focus again.
        struct Refocus : EventLog
        {
            SpellChecker *checker = nullptr;
            void deactivated() override
            {
                EventLog::deactivated();
                checker->giveFocus();
            }
        } events;
        events.checker = m_checker.get();
        QString activeAgain;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<SpellCheckDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            // Another window takes the activation (one of the dialog's own, as the modal dialog
            // blocks the program's others).
            auto *other = new QWidget(dialog, Qt::Window);
            other->show();
            other->activateWindow();
            QVERIFY(QTest::qWaitFor([&] { return dialog->isActiveWindow() && !events.lines.isEmpty() &&
                                                 events.lines.constLast() == u"deactivated"_s; }));
            activeAgain = dialog->findChild<QLabel *>(u"reason"_s)->text();
            QTest::mouseClick(dialog->findChild<QPushButton *>(u"cancel"_s), Qt::LeftButton);
        });
        QCOMPARE(m_checker->checkText(u"teh end"_s, events), u"teh end"_s);
        QCOMPARE(activeAgain, u"Not in Dictionary:"_s);
        QCOMPARE(events.lines, QStringList({u"asked teh 1"_s, u"deactivated"_s}));
        QVERIFY(m_prompter.texts().isEmpty());
    }

    void theOptionsDialogShowsAndReturnsTheOptions()
    {
        SpellOptions options;
        options.ignoreNumbers = true;
        SpellOptionsDialog dialog(options);
        QCOMPARE(dialog.windowTitle(), u"Spell Checker Options"_s);
        QVERIFY(dialog.findChild<QCheckBox *>(u"numbers"_s)->isChecked());
        QVERIFY(!dialog.findChild<QCheckBox *>(u"upperCase"_s)->isChecked());
        dialog.findChild<QCheckBox *>(u"upperCase"_s)->setChecked(true);
        dialog.findChild<QCheckBox *>(u"html"_s)->setChecked(false);
        SpellOptions expected = options;
        expected.ignoreUpperCase = true;
        expected.ignoreHtml = false;
        QCOMPARE(dialog.options(), expected);
    }
};

KESTREL_TEST(SpellCheckDialogTest)
#include "SpellCheckDialogTest.moc"
