#include "platform/TerminationSignals.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QSignalSpy>
#include <QTest>
#include <csignal>

namespace {
volatile std::sig_atomic_t earlierHandlerCalls = 0;
void earlierHandler(int)
{
    earlierHandlerCalls = earlierHandlerCalls + 1;
}

void (*currentHandler(int signalNumber))(int)
{
    struct sigaction action = {};
    ::sigaction(signalNumber, nullptr, &action);
    return action.sa_handler;
}
}

class TerminationSignalsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void raisedSignalsArriveOnTheEventLoop()
    {
        TerminationSignals termination;
        QVERIFY(termination.isActive());
        QSignalSpy spy(&termination, &TerminationSignals::terminationRequested);
        for (const int number : {SIGTERM, SIGINT}) {
            spy.clear();
            std::raise(number);
            // Nothing is emitted inside the handler itself.
            QCOMPARE(spy.count(), 0);
            QVERIFY(spy.wait(5000));
            QCOMPARE(spy.count(), 1);
            QCOMPARE(spy.first().first().toInt(), number);
        }

        // A burst of signals is one request.
        spy.clear();
        std::raise(SIGTERM);
        std::raise(SIGTERM);
        QVERIFY(spy.wait(5000));
        QTest::qWait(50);
        QCOMPARE(spy.count(), 1);
    }

    void onlyOneObjectHoldsTheHandlersAndGivesThemBack()
    {
        std::signal(SIGTERM, earlierHandler);
        std::signal(SIGINT, earlierHandler);
        {
            TerminationSignals first;
            QVERIFY(first.isActive());
            TerminationSignals second;
            QVERIFY(!second.isActive());
            QVERIFY(currentHandler(SIGTERM) != earlierHandler);
        }
        QVERIFY(currentHandler(SIGTERM) == earlierHandler);
        QVERIFY(currentHandler(SIGINT) == earlierHandler);
        std::raise(SIGINT);
        QCOMPARE(int(earlierHandlerCalls), 1);
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);

        // Freed, the handlers can be taken again.
        TerminationSignals later;
        QVERIFY(later.isActive());
    }
};

KESTREL_TEST(TerminationSignalsTest)
#include "TerminationSignalsTest.moc"
