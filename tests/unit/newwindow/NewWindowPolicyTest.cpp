#include "browser/NewWindowPolicy.h"
#include "browser/TKestrelWB.h"
#include "shell/SettingsStore.h"
#include "testkit/FakeControl.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTemporaryDir>
#include <QTest>
#include <memory>

class NewWindowPolicyTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_settings;
    std::unique_ptr<NewWindowPolicy> m_policy;
    // What the "New Window" dialog stores when it is shown; nothing when unset.
    std::optional<int> m_dialogChoice;
    int m_asked = 0;
    TKestrelWB *m_newTabView = nullptr;
    int m_tabsOpened = 0;

    void store(int newWindow, bool dontAsk)
    {
        m_settings->writeInteger(SettingsStore::MainSection, QStringLiteral("New Window"), newWindow);
        m_settings->writeBool(SettingsStore::MainSection, QStringLiteral("New Window Dialog"), dontAsk);
    }

private slots:
    void init()
    {
        failOnQtWarnings();
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("registry.ini")));
        m_dialogChoice.reset();
        m_asked = 0;
        m_tabsOpened = 0;
        m_newTabView = nullptr;
        m_policy = std::make_unique<NewWindowPolicy>(
            *m_settings,
            [this] {
                ++m_asked;
                if (m_dialogChoice)
                    m_settings->writeInteger(SettingsStore::MainSection, QStringLiteral("New Window"), *m_dialogChoice);
            },
            [this] {
                ++m_tabsOpened;
                return m_newTabView;
            });
    }

    void withDefaultSettingsTheDialogAsksAndItsChoiceApplies()
    {
        QCOMPARE(m_policy->decide(false), NewWindowPolicy::Outcome::OwnWindow);
        QCOMPARE(m_asked, 1);
        m_dialogChoice = NewWindowPolicy::NewBrowserTab;
        QCOMPARE(m_policy->decide(false), NewWindowPolicy::Outcome::NewTab);
        QCOMPARE(m_asked, 2);
    }

    void storedChoiceAppliesSilently_data()
    {
        QTest::addColumn<int>("newWindow");
        QTest::addColumn<NewWindowPolicy::Outcome>("outcome");
        QTest::newRow("same window") << 1 << NewWindowPolicy::Outcome::SameView;
        QTest::newRow("new tab") << 2 << NewWindowPolicy::Outcome::NewTab;
        QTest::newRow("default browser") << 3 << NewWindowPolicy::Outcome::OwnWindow;
        QTest::newRow("do not open") << 4 << NewWindowPolicy::Outcome::Suppressed;
        QTest::newRow("no choice") << 0 << NewWindowPolicy::Outcome::OwnWindow;
        QTest::newRow("unknown") << 9 << NewWindowPolicy::Outcome::OwnWindow;
    }

    void storedChoiceAppliesSilently()
    {
        QFETCH(int, newWindow);
        QFETCH(NewWindowPolicy::Outcome, outcome);
        store(newWindow, true);
        QCOMPARE(m_policy->decide(false), outcome);
        QCOMPARE(m_asked, 0);
    }

    void requestsWhileLoadingNeverAskNorUseTheViewOrATab_data()
    {
        QTest::addColumn<int>("newWindow");
        QTest::addColumn<NewWindowPolicy::Outcome>("outcome");
        QTest::newRow("same window") << 1 << NewWindowPolicy::Outcome::OwnWindow;
        QTest::newRow("new tab") << 2 << NewWindowPolicy::Outcome::OwnWindow;
        QTest::newRow("default browser") << 3 << NewWindowPolicy::Outcome::OwnWindow;
        QTest::newRow("do not open") << 4 << NewWindowPolicy::Outcome::Suppressed;
    }

    void requestsWhileLoadingNeverAskNorUseTheViewOrATab()
    {
        QFETCH(int, newWindow);
        QFETCH(NewWindowPolicy::Outcome, outcome);
        for (const bool dontAsk : {false, true}) {
            store(newWindow, dontAsk);
            QCOMPARE(m_policy->decide(true), outcome);
        }
        QCOMPARE(m_asked, 0);
    }

    void handlerHandsTheRequestToTheReceivingView()
    {
        auto control = std::make_unique<FakeControl>();
        FakeControl *requester = control.get();
        TKestrelWB sender(nullptr, std::move(control));
        auto tabControl = std::make_unique<FakeControl>();
        FakeControl *tabEngine = tabControl.get();
        TKestrelWB tabView(nullptr, std::move(tabControl));
        m_newTabView = &tabView;
        sender.OnNewWindow2 = [this](TKestrelWB *view, TKestrelWB *&newView, bool &cancel) {
            m_policy->handle(view, newView, cancel);
        };
        bool cancel = false;

        store(NewWindowPolicy::SameWindow, true);
        QCOMPARE(requester->raiseNewWindow(cancel), requester);
        QVERIFY(!cancel);

        store(NewWindowPolicy::NewBrowserTab, true);
        QCOMPARE(requester->raiseNewWindow(cancel), tabEngine);
        QVERIFY(!cancel);
        QCOMPARE(m_tabsOpened, 1);

        // While loading the same choice leaves the page to the engine's own window.
        requester->setBusy(true);
        QVERIFY(!requester->raiseNewWindow(cancel));
        QVERIFY(!cancel);
        QCOMPARE(m_tabsOpened, 1);

        store(NewWindowPolicy::DoNotOpen, true);
        QVERIFY(!requester->raiseNewWindow(cancel));
        QVERIFY(cancel);

        // A request from no view is left alone.
        TKestrelWB *newView = &tabView;
        cancel = false;
        m_policy->handle(nullptr, newView, cancel);
        QCOMPARE(newView, &tabView);
        QVERIFY(!cancel);
    }
};

KESTREL_TEST(NewWindowPolicyTest)
#include "NewWindowPolicyTest.moc"
