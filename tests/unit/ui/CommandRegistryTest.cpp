#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"
#include "ui/MainWindowKeys.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>
#include <QWidget>

class CommandRegistryTest : public QObject
{
    Q_OBJECT
private slots:
    void everyControlOfACommandRunsItsOneHandlerAndFollowsItsState()
    {
        CommandRegistry registry;
        int runs = 0;
        Command *command = registry.add(QStringLiteral("Go"), QStringLiteral("Go"), QStringLiteral("Go there"),
                                        QKeySequence(Qt::CTRL | Qt::Key_G), [&] { ++runs; });
        QObject owner;
        QAction *button = registry.createAction(QStringLiteral("Go"), &owner);
        QAction *entry = registry.createAction(QStringLiteral("Go"), &owner, QStringLiteral("&Go There"));
        QCOMPARE(button->text(), QStringLiteral("Go"));
        QCOMPARE(button->toolTip(), QStringLiteral("Go there"));
        QCOMPARE(entry->text(), QStringLiteral("&Go There"));
        QCOMPARE(entry->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));

        button->trigger();
        entry->trigger();
        QCOMPARE(runs, 2);

        command->setEnabled(false);
        QVERIFY(!button->isEnabled());
        QVERIFY(!entry->isEnabled());
        QVERIFY(!registry.trigger(QStringLiteral("Go")));
        QCOMPARE(runs, 2);
    }

    void aCheckedStateIsTheCommandsNotTheControls()
    {
        CommandRegistry registry;
        Command *command = registry.add(QStringLiteral("Mode"), QStringLiteral("Mode"), QString(), {}, [] {});
        command->setCheckable(true);
        QObject owner;
        QAction *entry = registry.createAction(QStringLiteral("Mode"), &owner);
        QVERIFY(entry->isCheckable());
        // Choosing it would toggle a plain action; the command leaves itself unchecked.
        entry->trigger();
        QVERIFY(!entry->isChecked());
        command->setChecked(true);
        QVERIFY(entry->isChecked());
    }

    void idsAreUnique()
    {
        CommandRegistry registry;
        QVERIFY(registry.add(QStringLiteral("A"), QStringLiteral("A"), QString(), {}, [] {}));
        QVERIFY(!registry.add(QStringLiteral("A"), QStringLiteral("Other"), QString(), {}, [] {}));
        QCOMPARE(registry.find(QStringLiteral("A"))->caption(), QStringLiteral("A"));
        QVERIFY(!registry.createAction(QStringLiteral("Missing"), &registry));
        QVERIFY(!registry.trigger(QStringLiteral("Missing")));
    }

    void keyTableHonoursTheModifierRules()
    {
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_Escape, Qt::NoModifier), CommandIds::Stop);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_F5, Qt::NoModifier), CommandIds::Refresh);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_F2, Qt::NoModifier), CommandIds::FocusPage);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_F8, Qt::NoModifier), CommandIds::FullScreen);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_F1, Qt::NoModifier), CommandIds::Favorites);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_F1, Qt::ControlModifier), CommandIds::SpellCheck);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_N, Qt::ControlModifier), CommandIds::NewTab);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_Left, Qt::ControlModifier | Qt::KeypadModifier),
                 CommandIds::Back);
        QCOMPARE(MainWindowKeys::commandForKey(Qt::Key_Right, Qt::ControlModifier), CommandIds::Forward);
        // Plain keys only without Shift, Ctrl or Alt; Ctrl keys only with Ctrl alone.
        QVERIFY(MainWindowKeys::commandForKey(Qt::Key_F5, Qt::ShiftModifier).isEmpty());
        QVERIFY(MainWindowKeys::commandForKey(Qt::Key_Escape, Qt::AltModifier).isEmpty());
        QVERIFY(MainWindowKeys::commandForKey(Qt::Key_N, Qt::NoModifier).isEmpty());
        QVERIFY(MainWindowKeys::commandForKey(Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier).isEmpty());
        QVERIFY(MainWindowKeys::commandForKey(Qt::Key_Left, Qt::NoModifier).isEmpty());
    }

    void keysInTheWindowRunTheirCommandsAndOthersReachTheWidget()
    {
        QWidget window;
        auto *edit = new QLineEdit(&window);
        CommandRegistry registry;
        MainWindowKeys keys(window, registry);
        int refreshes = 0;
        registry.add(CommandIds::Refresh, QStringLiteral("Refresh"), QString(), {}, [&] { ++refreshes; });

        QTest::keyClick(edit, Qt::Key_F5);
        QCOMPARE(refreshes, 1);
        // A key whose command nobody registered, and an ordinary key, go on to the widget.
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, QStringLiteral("ab"));
        QCOMPARE(edit->text(), QStringLiteral("ab"));

        // Another window's keys are its own.
        QWidget other;
        auto *otherEdit = new QLineEdit(&other);
        QTest::keyClick(otherEdit, Qt::Key_F5);
        QCOMPARE(refreshes, 1);
    }
};

KESTREL_TEST(CommandRegistryTest)
#include "CommandRegistryTest.moc"
