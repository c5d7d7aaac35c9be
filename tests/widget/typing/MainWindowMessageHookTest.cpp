#include "browser/TfrmKestrelBrowser.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"
#include "ui/ApplicationMessageHook.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

// The main window's bookkeeping of the application message hook: the typing aids' key filter
// goes in at creation and at each activation, and the hook found at activation comes back at
// deactivation and at close.
class MainWindowMessageHookTest : public QObject
{
    Q_OBJECT

private slots:
    void activationInstallsTheFilterAndCloseHandsTheSavedHookBack()
    {
        TfrmKestrelBrowser window{[] { return std::make_unique<FakeControl>(); }};
        QObject *filter = ApplicationMessageHook::current();
        QVERIFY(filter);

        // Another window put its own hook in meanwhile.
        QObject otherHook;
        ApplicationMessageHook::set(&otherHook);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(window.isActiveWindow());
        QCOMPARE(ApplicationMessageHook::current(), filter);

        QApplication::setActiveWindow(nullptr);
        QCOMPARE(ApplicationMessageHook::current(), &otherHook);

        QApplication::setActiveWindow(&window);
        QCOMPARE(ApplicationMessageHook::current(), filter);
        window.close();
        QCOMPARE(ApplicationMessageHook::current(), &otherHook);
        ApplicationMessageHook::set(nullptr);
    }

    void aHookThatIsGoneIsNoHook()
    {
        auto hook = std::make_unique<QObject>();
        ApplicationMessageHook::set(hook.get());
        hook.reset();
        QCOMPARE(ApplicationMessageHook::current(), nullptr);
        // Key events still flow with the hook object gone.
        QLineEdit box;
        QTest::keyClick(&box, Qt::Key_A);
        QCOMPARE(box.text(), QStringLiteral("a"));
    }
};

KESTREL_TEST(MainWindowMessageHookTest)
#include "MainWindowMessageHookTest.moc"
