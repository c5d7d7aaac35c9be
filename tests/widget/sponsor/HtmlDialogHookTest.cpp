#include "browser/TKestrelWB.h"
#include "sponsor/TfrmHTMLDialog.h"
#include "testkit/FakeControl.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "ui/ApplicationMessageHook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

namespace {
// Counts the keys other than modifiers that reach it.
class KeyProbe : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() != Qt::Key_Alt)
            ++keys;
        event->accept();
    }
};
}

// The HTML dialog's message hook: in place while the dialog is active, the one before it put
// back when it deactivates or closes; history keys never move the dialog's page.
class HtmlDialogHookTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnAppWarnings(); }

    void hookFollowsActivationAndClose()
    {
        QObject before;
        ApplicationMessageHook::set(&before);
        TfrmHTMLDialog dialog([](const QString &) {}, nullptr, std::make_unique<FakeControl>());
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        QTRY_COMPARE(ApplicationMessageHook::current(), &dialog);

        KeyProbe probe;
        probe.setParent(&dialog);
        QTest::keyClick(&probe, Qt::Key_Left, Qt::AltModifier);
        QTest::keyClick(&probe, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(probe.keys, 0);
        QTest::keyClick(&probe, Qt::Key_Left);
        QTest::keyClick(&probe, Qt::Key_Backspace);
        QCOMPARE(probe.keys, 2);

        QApplication::setActiveWindow(nullptr);
        QTRY_COMPARE(ApplicationMessageHook::current(), &before);
        QApplication::setActiveWindow(&dialog);
        QTRY_COMPARE(ApplicationMessageHook::current(), &dialog);
        dialog.accept();
        QCOMPARE(ApplicationMessageHook::current(), &before);
        ApplicationMessageHook::set(nullptr);
    }
};

KESTREL_TEST(HtmlDialogHookTest)
#include "HtmlDialogHookTest.moc"
