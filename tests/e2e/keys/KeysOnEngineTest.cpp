#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/FindBar.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/tabs/TabSet.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/Workspace.h"
#include "sponsor/TfrmHTMLDialog.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandIds.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <QWebEnginePage>

using namespace Qt::StringLiterals;

namespace {
constexpr int LoadTimeout = 20000;
}

// The main window on the real engine as a keyboard user meets it: the find bar, the address
// box through loads that fail or never were addresses, and the help window.
class KeysOnEngineTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;
    std::unique_ptr<TfrmKestrelBrowser> m_window;

    TabSet &tabs() const { return m_window->tabbedBrowser().tabs(); }
    QComboBox *box() const { return m_window->tabbedBrowser().cboURLAddress(); }
    TKestrelWB *active() const { return m_window->GetActiveBrowser(); }

    // Waits until the view went idle after the load just asked for, and its reports came in.
    static bool settled(TKestrelWB *view)
    {
        QPointer<TKestrelWB> guard(view);
        const bool idle = waitUntil([&] { return guard && !guard->Busy(); }, LoadTimeout);
        waitUntil([] { return false; }, 500);
        return idle && guard;
    }

    // Where the view's document really is, as the page's own scripts see it.
    static QString documentAddress(TKestrelWB *view)
    {
        auto *control = qobject_cast<WebEngineControl *>(view->control());
        QString href;
        bool done = false;
        control->page()->runJavaScript(u"location.href"_s, [&](const QVariant &value) {
            href = value.toString();
            done = true;
        });
        waitUntil([&] { return done; }, 5000);
        return href;
    }

    bool shows(const QString &address)
    {
        return waitUntil([&] { return box()->currentText() == address; }, LoadTimeout);
    }

    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serve(u"/words"_s, QByteArray("<!DOCTYPE html><html><head><title>Words</title></head><body>"
                                               "<p>word one, word two, word three</p></body></html>"));
        QFile::remove(SettingsStore::defaultFilePath());
        QFile::remove(DataFolder::path() + QLatin1Char('/') + Workspace::FileName);
        m_window = std::make_unique<TfrmKestrelBrowser>();
        m_window->show();
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QVERIFY(active());
    }

    void init()
    {
        // The offscreen platform cannot size or raise windows and says so; the engine's console
        // speaks of its resource and error pages, which take no page agent; any other warning
        // fails.
        QTest::failOnWarning(QRegularExpression(
            u"^(?!This plugin does not support |crbug/1173575, non-JS module files deprecated"
            u"|Uncaught ReferenceError: kestrelPageAgent is not defined).*"_s));
    }

    void cleanupTestCase()
    {
        if (m_window)
            m_window->close();
        m_window.reset();
    }

    void theStartPageGoesByAReadableAddress()
    {
        QVERIFY(settled(active()));
        QCOMPARE(active()->LocationURL(), u"about:start"_s);
        QVERIFY(shows(u"about:start"_s));
    }

    void theFindBarCountsMatchesAndClosesOnEsc()
    {
        active()->Navigate(m_server.url(u"/words"_s).toString());
        QVERIFY(settled(active()));
        QVERIFY(shows(m_server.url(u"/words"_s).toString()));
        active()->SetFocus();

        press(Qt::Key_F, Qt::ControlModifier);
        auto *bar = active()->findChild<FindBar *>();
        QVERIFY(bar && bar->isVisible());
        auto *text = bar->findChild<QLineEdit *>();
        auto *result = bar->findChild<QLabel *>(u"FindResult"_s);
        QCOMPARE(QApplication::focusWidget(), text);
        QTest::keyClicks(text, u"word"_s);
        QVERIFY(waitUntil([&] { return result->text() == u"1 of 3"_s; }, 5000));
        QTest::keyClicks(text, u"zz"_s);
        QVERIFY(waitUntil([&] { return result->text() == u"not found"_s; }, 5000));

        // Esc is the bar's, not Stop's; the keyboard goes back to the page.
        press(Qt::Key_Escape);
        QVERIFY(!bar->isVisible());
        QVERIFY(QApplication::focusWidget() != text);
    }

    void aFailedLoadKeepsTheAddressAskedFor()
    {
        const QString refused = u"http://127.0.0.1:9/nothing-here"_s;
        active()->SetFocus();
        press(Qt::Key_L, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), refused);
        press(Qt::Key_Return);
        QVERIFY(settled(active()));
        QCOMPARE(documentAddress(active()), u"chrome-error://chromewebdata/"_s);
        QCOMPARE(box()->currentText(), refused);
    }

    void textThatIsNoAddressShowsTheEnginesErrorPage()
    {
        active()->SetFocus();
        press(Qt::Key_L, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), u"hello world"_s);
        press(Qt::Key_Return);
        QVERIFY(settled(active()));
        QCOMPARE(documentAddress(active()), u"chrome-error://chromewebdata/"_s);
        QCOMPARE(box()->currentText(), u"hello world"_s);
        // Back on the tab after another, the text is still there.
        m_window->commands().trigger(CommandIds::NewTab);
        QVERIFY(settled(active()));
        m_window->commands().trigger(CommandIds::PreviousTab);
        QCOMPARE(box()->currentText(), u"hello world"_s);
    }

    void newTabsShowTheirOwnAddress()
    {
        active()->Navigate(m_server.url(u"/words"_s).toString());
        QVERIFY(settled(active()));
        const QString source = u"view-source:"_s + m_server.url(u"/words"_s).toString();
        press(Qt::Key_F2);
        QCOMPARE(active()->LocationURL().isEmpty() ? source : active()->LocationURL(), source);
        QCOMPARE(box()->currentText(), source);
        QVERIFY(settled(active()));
        QCOMPARE(box()->currentText(), source);

        // Rebuilding the tabs: the last is active again and shows its own address.
        m_window->commands().trigger(CommandIds::TabBottom);
        QCOMPARE(box()->currentText(), source);
        QVERIFY(settled(active()));
        QCOMPARE(box()->currentText(), source);
    }

    void escClosesTheHelpWindow()
    {
        bool closedByEsc = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<TfrmHTMLDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            QPointer<TfrmHTMLDialog> guard(dialog);
            waitUntil([&] { return !guard || (!guard->browser()->Busy() && !guard->browser()->LocationURL().isEmpty()); },
                      LoadTimeout);
            if (!guard)
                return;
            guard->browser()->SetFocus();
            waitUntil([] { return false; }, 300);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            closedByEsc = waitUntil([&] { return !guard || !guard->isVisible(); }, 3000);
            if (guard && guard->isVisible())
                guard->reject();
        });
        m_window->ShowHtmlDialog(u"qrc:/help/qwordshelp.html"_s, 400, 300);
        QVERIFY(closedByEsc);
    }
};

KESTREL_TEST(KeysOnEngineTest)
#include "KeysOnEngineTest.moc"
