#include "browser/AddressBar.h"
#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/BrowserTab.h"
#include "browser/tabs/TabSet.h"
#include "shell/DataFolder.h"
#include "shell/Workspace.h"
#include "testkit/FakeControl.h"
#include "testkit/TestRegistry.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
// A shown, active main window on fake engine controls, its active tab on a loaded page.
struct Window
{
    TfrmKestrelBrowser window{[] { return std::make_unique<FakeControl>(); }};

    Window()
    {
        window.show();
        window.activateWindow();
    }
    TabSet &tabs() const { return window.tabbedBrowser().tabs(); }
    FakeControl *fake(int index) const { return static_cast<FakeControl *>(tabs().tabAt(index)->browser()->control()); }
    FakeControl *activeFake() const { return static_cast<FakeControl *>(window.GetActiveBrowser()->control()); }
    QComboBox *box() const { return window.tabbedBrowser().cboURLAddress(); }
    QLineEdit *edit() const { return box()->lineEdit(); }
    bool addressHasKeyboard() const
    {
        QWidget *focus = QApplication::focusWidget();
        return focus && (focus == box() || box()->isAncestorOf(focus));
    }
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }
    static void type(const QString &text)
    {
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
};
}

// Keys as a keyboard user meets them in the main window: the window's key table, the address
// box and new tabs, with real key events reaching the focused widget past the application's
// filters.
class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // The offscreen platform cannot raise windows and says so; any other warning fails.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s));
        QFile::remove(SettingsStore::defaultFilePath());
        QFile::remove(DataFolder::path() + QLatin1Char('/') + Workspace::FileName);
    }

    void theAddressBoxKeepsItsEditingKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("caretBefore");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("Ctrl+A selects the text") << int(Qt::Key_A) << 16 << u"alpha beta gamma"_s << 16;
        QTest::newRow("Ctrl+Left goes back a word") << int(Qt::Key_Left) << 16 << QString() << 11;
        QTest::newRow("Ctrl+Right goes on a word") << int(Qt::Key_Right) << 0 << QString() << 6;
    }

    void theAddressBoxKeepsItsEditingKeys()
    {
        QFETCH(int, key);
        QFETCH(int, caretBefore);
        QFETCH(QString, selected);
        QFETCH(int, caretAfter);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.activeFake()->loadPage(QUrl(u"http://example.org/"_s), u"Example"_s);
        w.activeFake()->raiseHistoryChange(true, true);
        w.box()->setFocus();
        w.box()->setEditText(u"alpha beta gamma"_s);
        w.edit()->setCursorPosition(caretBefore);

        Window::press(key, Qt::ControlModifier);
        QCOMPARE(w.edit()->selectedText(), selected);
        QCOMPARE(w.edit()->cursorPosition(), caretAfter);
        QCOMPARE(w.activeFake()->backCalls, 0);
        QCOMPARE(w.activeFake()->forwardCalls, 0);
        QVERIFY(w.addressHasKeyboard());
        // Typing goes on in the box: over the selection, or at the caret.
        Window::type(u"x"_s);
        QCOMPARE(w.box()->currentText().count(u'x'), 1);
        QVERIFY(selected.isEmpty() || w.box()->currentText() == u"x"_s);
    }

    void keysIntoTheAddressBoxSelectItsText_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+L") << int(Qt::Key_L) << int(Qt::ControlModifier);
        QTest::newRow("Alt+D") << int(Qt::Key_D) << int(Qt::AltModifier);
        QTest::newRow("F6") << int(Qt::Key_F6) << int(Qt::NoModifier);
    }

    void keysIntoTheAddressBoxSelectItsText()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.activeFake()->loadPage(QUrl(u"http://example.org/here"_s), u"Here"_s);
        w.window.GetActiveBrowser()->SetFocus();
        QVERIFY(!w.addressHasKeyboard());

        Window::press(key, Qt::KeyboardModifiers(modifiers));
        QVERIFY(w.addressHasKeyboard());
        QCOMPARE(w.edit()->selectedText(), u"http://example.org/here"_s);
        Window::type(u"next.example"_s);
        QCOMPARE(w.box()->currentText(), u"next.example"_s);
    }

    void aNewTabTakesAnAddressAtOnce()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.activeFake()->loadPage(QUrl(u"http://example.org/"_s), u"Example"_s);
        w.window.GetActiveBrowser()->SetFocus();
        const int before = w.tabs().count();

        Window::press(Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(w.tabs().count(), before + 1);
        QVERIFY(w.addressHasKeyboard());
        // The new tab's page arriving leaves the keyboard in the box, with its address selected.
        FakeControl *fresh = w.activeFake();
        fresh->loadPage(QUrl(u"http://start.example/"_s), u"Start"_s);
        QVERIFY(w.addressHasKeyboard());
        QCOMPARE(w.edit()->selectedText(), u"http://start.example/"_s);
        // What the user types stays while a page completes.
        Window::type(u"typed"_s);
        fresh->raiseNavigateComplete(QUrl(u"http://start.example/again"_s));
        QCOMPARE(w.box()->currentText(), u"typed"_s);
        QVERIFY(w.addressHasKeyboard());
        // Enter loads it and gives the keyboard to the page.
        Window::press(Qt::Key_Return);
        QCOMPARE(fresh->navigations.last(), QUrl(u"http://typed"_s));
        QVERIFY(!w.addressHasKeyboard());
        QCOMPARE(QApplication::focusWidget(), fresh->widget());
    }

    void f2InThePageShowsItsSource()
    {
        Window w;
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.activeFake()->loadPage(QUrl(u"http://example.org/page"_s), u"Page"_s);
        w.window.GetActiveBrowser()->SetFocus();
        const int before = w.tabs().count();

        Window::press(Qt::Key_F2);
        QCOMPARE(w.tabs().count(), before + 1);
        QCOMPARE(w.activeFake()->navigations.last(), QUrl(u"view-source:http://example.org/page"_s));
        // The new tab shows its own address from the start.
        QCOMPARE(w.box()->currentText(), u"view-source:http://example.org/page"_s);
    }
};

KESTREL_TEST(KeyboardTest)
#include "KeyboardTest.moc"
