#include "testkit/TabSetRig.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QApplication>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

// The main window's key table over a tab set on fake views: each key runs its command wherever
// the keyboard is, the page included.
class MenuKeysTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // The offscreen platform cannot size or raise windows as asked and says so; any other
        // warning fails.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s));
    }

    void everyKeyRunsItsCommand_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("command");
        const int none = Qt::NoModifier;
        const int ctrl = Qt::ControlModifier;
        // The keys the menus show.
        QTest::newRow("Ctrl+T") << int(Qt::Key_T) << ctrl << CommandIds::AddNote;
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << ctrl << CommandIds::Open;
        QTest::newRow("Ctrl+S") << int(Qt::Key_S) << ctrl << CommandIds::SaveAs;
        QTest::newRow("Ctrl+P") << int(Qt::Key_P) << ctrl << CommandIds::Print;
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << ctrl << CommandIds::SelectAll;
        QTest::newRow("Ctrl+F") << int(Qt::Key_F) << ctrl << CommandIds::Find;
        QTest::newRow("Ctrl+F1") << int(Qt::Key_F1) << ctrl << CommandIds::SpellCheck;
        QTest::newRow("F1") << int(Qt::Key_F1) << none << CommandIds::Favorites;
        QTest::newRow("F2") << int(Qt::Key_F2) << none << CommandIds::ViewSource;
        // The ways into the address box.
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << ctrl << CommandIds::FocusAddress;
        QTest::newRow("Alt+D") << int(Qt::Key_D) << int(Qt::AltModifier) << CommandIds::FocusAddress;
        QTest::newRow("F6") << int(Qt::Key_F6) << none << CommandIds::FocusAddress;
    }

    void everyKeyRunsItsCommand()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, command);
        TabSetRig rig;
        QStringList ran;
        for (const QString &id : {CommandIds::AddNote, CommandIds::Open, CommandIds::SaveAs, CommandIds::Print,
                                  CommandIds::SelectAll, CommandIds::Find, CommandIds::SpellCheck,
                                  CommandIds::Favorites, CommandIds::ViewSource, CommandIds::FocusAddress})
            rig.commands.add(id, id, QString(), {}, [&ran, id] { ran << id; });
        rig.openLoaded({u"http://example.org/"_s});
        rig.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&rig.window));
        rig.view(0)->SetFocus();
        QCOMPARE(QApplication::focusWidget(), rig.fake(0)->widget());

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(ran, QStringList{command});
        // With Shift too it is another key.
        ran.clear();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers) | Qt::ShiftModifier);
        QVERIFY(ran.isEmpty());
    }
};

KESTREL_TEST(MenuKeysTest)
#include "MenuKeysTest.moc"
