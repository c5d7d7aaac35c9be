#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/status/StatusArea.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TabSetRig.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandIds.h"

#include <QComboBox>
#include <QHash>
#include <QPointer>
#include <QTest>
#include <QWebEnginePage>

namespace {
constexpr int LoadTimeout = 20000;

QString page(const QString &title)
{
    return QStringLiteral("<!DOCTYPE html><html><head><title>") + title + QStringLiteral("</title></head><body><p>") +
           title + QStringLiteral("</p></body></html>");
}

// Remembers, per view, the paths of the top-level documents that completed.
class Completions : public QObject
{
public:
    explicit Completions(TabSet &tabs)
    {
        connect(&tabs, &TabSet::BrowserCreated, this, [this](TKestrelWB *view) {
            connect(view, &TKestrelWB::DocumentComplete, this,
                    [this](TKestrelWB *sender, BrowserFrame frame, const QString &address) {
                        if (frame == sender->Application())
                            m_done[sender].append(QUrl(address).path());
                    });
        });
    }

    bool waitFor(TKestrelWB *view, const QString &path)
    {
        QPointer<TKestrelWB> guard(view);
        return waitUntil([&] { return guard && m_done.value(view).contains(path); }, LoadTimeout);
    }

private:
    QHash<const TKestrelWB *, QStringList> m_done;
};
}

// The tab set over the real engine and pages served on the loopback address.
class TabsEndToEndTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

    QString address(const QString &path) const { return m_server.url(path).toString(); }
    static TabSet::ViewFactory engineViews()
    {
        return [](QWidget *sheet) { return new TKestrelWB(sheet); };
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serveHtml(QStringLiteral("/"), QStringLiteral("<p>no title</p>"));
        for (const char *name : {"a", "b", "c", "front", "background"})
            m_server.serve(QLatin1Char('/') + QLatin1String(name), (page(QStringLiteral("Page ") + QLatin1String(name))).toUtf8());
    }

    void aBackgroundTabFinishingChangesOnlyItsOwnCaption()
    {
        TabSetRig rig(engineViews());
        Completions done(rig.tabs());
        rig.tabs().AddBrowserTab(address(QStringLiteral("/background")));
        rig.tabs().AddBrowserTab(address(QStringLiteral("/front")));
        QVERIFY(done.waitFor(rig.view(1), QStringLiteral("/front")));
        QVERIFY(done.waitFor(rig.view(0), QStringLiteral("/background")));
        QVERIFY(waitUntil([&] { return rig.caption(0) == QStringLiteral("Page background"); }, LoadTimeout));

        QCOMPARE(rig.pages().activeIndex(), 1);
        QCOMPARE(rig.caption(1), QStringLiteral("Page front"));
        QCOMPARE(rig.window.windowTitle(), QStringLiteral("Kestrel Browser - [Page front]"));
        QCOMPARE(rig.browser->cboURLAddress()->currentText(), address(QStringLiteral("/front")));
        // The finished page leaves the gauge empty again.
        QCOMPARE(rig.browser->status()->gauge(), 0);
    }

    void anUntitledPageIsNamedByItsWholeAddress()
    {
        TabSetRig rig(engineViews());
        Completions done(rig.tabs());
        rig.tabs().AddBrowserTab(address(QStringLiteral("/")));
        QVERIFY(done.waitFor(rig.view(0), QStringLiteral("/")));
        QVERIFY(waitUntil([&] { return rig.caption(0) != QStringLiteral("Loading ..."); }, LoadTimeout));
        QCOMPARE(rig.caption(0), address(QStringLiteral("/")));
        QCOMPARE(rig.view(0)->LocationName(), address(QStringLiteral("/")));
    }

    void aPositionChangeReopensTheSameAddressesInOrder()
    {
        TabSetRig rig(engineViews());
        Completions done(rig.tabs());
        const QStringList paths{QStringLiteral("/a"), QStringLiteral("/b"), QStringLiteral("/c")};
        for (const QString &path : paths)
            rig.tabs().AddBrowserTab(address(path));
        for (int i = 0; i < 3; ++i)
            QVERIFY(done.waitFor(rig.view(i), paths[i]));

        rig.commands.trigger(CommandIds::TabBottom);
        QCOMPARE(rig.tabs().count(), 3);
        QCOMPARE(rig.pages().activeIndex(), 2);
        for (int i = 0; i < 3; ++i) {
            QVERIFY(done.waitFor(rig.view(i), paths[i]));
            QCOMPARE(rig.view(i)->LocationURL(), address(paths[i]));
        }
        QCOMPARE(rig.pages().tabPosition(), PageControl::TabPosition::Bottom);
        QVERIFY(!rig.command(CommandIds::Back)->isEnabled());
    }

    void backAndForwardFollowTheActiveTabsHistory()
    {
        TabSetRig rig(engineViews());
        Completions done(rig.tabs());
        Command *back = rig.command(CommandIds::Back);
        Command *forward = rig.command(CommandIds::Forward);
        rig.tabs().AddBrowserTab(address(QStringLiteral("/a")));
        TKestrelWB *view = rig.view(0);
        QVERIFY(done.waitFor(view, QStringLiteral("/a")));
        view->Navigate(address(QStringLiteral("/b")));
        QVERIFY(done.waitFor(view, QStringLiteral("/b")));
        QVERIFY(waitUntil([&] { return back->isEnabled(); }, LoadTimeout));
        QVERIFY(!forward->isEnabled());

        rig.commands.trigger(CommandIds::Back);
        QVERIFY(waitUntil([&] { return forward->isEnabled(); }, LoadTimeout));
        QCOMPARE(view->LocationURL(), address(QStringLiteral("/a")));

        // A new tab shows its own empty history; going back to the first shows the first's.
        rig.tabs().AddBrowserTab(address(QStringLiteral("/c")));
        QVERIFY(!forward->isEnabled());
        QVERIFY(done.waitFor(rig.view(1), QStringLiteral("/c")));
        rig.tabs().SelectTab(0);
        QVERIFY(forward->isEnabled());
        rig.commands.trigger(CommandIds::Forward);
        QVERIFY(waitUntil([&] { return view->LocationURL() == address(QStringLiteral("/b")); }, LoadTimeout));
        QVERIFY(waitUntil([&] { return !forward->isEnabled(); }, LoadTimeout));
    }

    void aPageClosingItsWindowClosesOnlyItsTab()
    {
        TabSetRig rig(engineViews());
        Completions done(rig.tabs());
        rig.tabs().AddBrowserTab(address(QStringLiteral("/a")));
        rig.tabs().AddBrowserTab(address(QStringLiteral("/b")));
        QVERIFY(done.waitFor(rig.view(0), QStringLiteral("/a")));
        QVERIFY(done.waitFor(rig.view(1), QStringLiteral("/b")));
        QPointer<TKestrelWB> closer = rig.view(0);
        TKestrelWB *other = rig.view(1);
        static_cast<WebEngineControl *>(closer->control())->page()->runJavaScript(QStringLiteral("window.close()"));
        QVERIFY(waitUntil([&] { return !closer; }, LoadTimeout));
        QCOMPARE(rig.tabs().count(), 1);
        QCOMPARE(rig.view(0), other);
        QCOMPARE(rig.pages().activeIndex(), 0);
        QVERIFY(rig.prompter.shown().isEmpty());
    }
};

KESTREL_TEST(TabsEndToEndTest)
#include "TabsEndToEndTest.moc"
