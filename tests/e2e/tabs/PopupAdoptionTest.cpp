#include "browser/NewWindowPolicy.h"
#include "browser/TKestrelWB.h"
#include "browser/engine/EngineWindow.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TabSetRig.h"
#include "testkit/AppWarnings.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QWebEnginePage>
#include <algorithm>

namespace {
constexpr int LoadTimeout = 20000;

// A tab set on the engine whose views' new windows follow the policy, without asking.
struct PolicyRig : TabSetRig
{
    NewWindowPolicy policy;

    // homepage: what new tabs start loading.
    PolicyRig(int choice, const QString &homepage)
        : TabSetRig([](QWidget *sheet) { return new TKestrelWB(sheet); }),
          policy(settings, [] {}, [this] { return tabs().AddBrowserTab(QString())->browser(); })
    {
        setSetting(QStringLiteral("Homepage"), homepage);
        setSetting(NewWindowPolicy::NewWindowDialogKey, QStringLiteral("1"));
        setSetting(NewWindowPolicy::NewWindowKey, QString::number(choice));
        QObject::connect(&tabs(), &TabSet::BrowserCreated, &window, [this](TKestrelWB *view) {
            view->OnNewWindow2 = [this](TKestrelWB *sender, TKestrelWB *&newView, bool &cancel) {
                policy.handle(sender, newView, cancel);
            };
        });
    }

    // Opens the page in the first tab and, once it has loaded, runs the script in it.
    bool openAndRun(const QString &address, const QString &script)
    {
        tabs().AddBrowserTab(address);
        TKestrelWB *first = view(0);
        if (!waitUntil([&] { return !first->Busy() && first->LocationURL() == address; }, LoadTimeout))
            return false;
        static_cast<WebEngineControl *>(first->control())->page()->runJavaScript(script);
        return true;
    }
};
}

// Pages that ask for a new window, on the real engine: the view the policy hands over takes
// the engine's new window itself, so that what the page opened arrives whole.
class PopupAdoptionTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

    QString address(const QString &path) const { return m_server.url(path).toString(); }

private slots:
    void init() { failOnAppWarnings(); }

    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serveHtml(QStringLiteral("/form"),
                           QStringLiteral("<title>Form</title><form method=\"post\" action=\"/posted\" target=\"_blank\">"
                                          "<input name=\"x\" value=\"42\"></form>"));
        m_server.serveHtml(QStringLiteral("/posted"), QStringLiteral("<title>Posted</title>"));
        m_server.serveHtml(QStringLiteral("/home"), QStringLiteral("<title>Home</title>"));
        m_server.serveHtml(QStringLiteral("/opener"), QStringLiteral("<title>Opener</title>"));
        m_server.serveHtml(QStringLiteral("/child"),
                           QStringLiteral("<script>document.title = window.opener ? 'has opener' : 'no opener'"
                                          "</script>"));
    }

    void theHandedOverViewTakesTheNewWindow_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("title");
        const QString post = QStringLiteral("document.forms[0].submit()");
        const QString written = QStringLiteral(
            "const w = window.open('', '_blank'); w.document.write('<title>Written</title>'); w.document.close();");
        const QString opener = QStringLiteral("window.open('/child', '_blank')");
        QTest::newRow("same window, posted form") << 1 << QStringLiteral("/form") << post << QStringLiteral("Posted");
        QTest::newRow("new tab, posted form") << 2 << QStringLiteral("/form") << post << QStringLiteral("Posted");
        QTest::newRow("same window, written by script") << 1 << QStringLiteral("/opener") << written
                                                        << QStringLiteral("Written");
        QTest::newRow("new tab, written by script") << 2 << QStringLiteral("/opener") << written
                                                    << QStringLiteral("Written");
        QTest::newRow("new tab, opener kept") << 2 << QStringLiteral("/opener") << opener
                                              << QStringLiteral("has opener");
    }

    void theHandedOverViewTakesTheNewWindow()
    {
        QFETCH(int, choice);
        QFETCH(QString, page);
        QFETCH(QString, script);
        QFETCH(QString, title);
        m_server.clearRequests();
        // A new tab is already loading its homepage when it is handed the new window.
        PolicyRig rig(choice, address(QStringLiteral("/home")));
        QVERIFY(rig.openAndRun(address(page), script));
        const int receiving = choice == NewWindowPolicy::NewBrowserTab ? 1 : 0;
        QVERIFY(waitUntil([&] { return rig.tabs().count() == receiving + 1; }, LoadTimeout));
        TKestrelWB *view = rig.view(receiving);
        QVERIFY(waitUntil([&] { return view->LocationName() == title; }, LoadTimeout));
        QVERIFY(waitUntil([&] { return !view->Busy(); }, LoadTimeout));
        QCOMPARE(rig.pages().activeIndex(), receiving);
        if (page == QLatin1String("/form")) {
            const QList<LoopbackServer::Request> requests = m_server.requests();
            const auto posted = std::find_if(requests.begin(), requests.end(), [](const LoopbackServer::Request &r) {
                return r.path == QLatin1String("/posted");
            });
            QVERIFY(posted != requests.end());
            QCOMPARE(posted->method, QByteArray("POST"));
            QCOMPARE(posted->body, QByteArray("x=42"));
        }
    }

    void aWindowOfTheEnginesOwnShowsItsAddress()
    {
        PolicyRig rig(NewWindowPolicy::DefaultBrowser, QString());
        QVERIFY(rig.openAndRun(address(QStringLiteral("/opener")), QStringLiteral("window.open('/child', '_blank')")));
        EngineWindow *window = nullptr;
        QVERIFY(waitUntil([&] {
            for (QWidget *top : QApplication::topLevelWidgets()) {
                if (auto *found = qobject_cast<EngineWindow *>(top))
                    window = found;
            }
            return window && window->addressLine()->text() == address(QStringLiteral("/child"));
        }, LoadTimeout));
        QVERIFY(window->addressLine()->isReadOnly());
        QCOMPARE(rig.tabs().count(), 1);
        EngineWindow::freeAll();
    }
};

KESTREL_TEST(PopupAdoptionTest)
#include "PopupAdoptionTest.moc"
