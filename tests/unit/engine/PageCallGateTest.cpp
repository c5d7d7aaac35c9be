#include "browser/engine/PageCallGate.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QEventLoop>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <memory>

// Engine reports are delivered from the event loop, in order, never while a page call waits;
// page calls are refused while one waits.
class PageCallGateTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }
    void reportsArriveLaterInOrder();
    void reportsWaitForTheCallThatIsWaiting();
    void reportsOfAGoneObjectAreDropped();

private:
    // Runs the event loop until nothing is left to deliver.
    static void spin()
    {
        QEventLoop loop;
        QTimer::singleShot(20, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

void PageCallGateTest::reportsArriveLaterInOrder()
{
    QStringList delivered;
    PageCallGate::report(this, [&] { delivered << QStringLiteral("first"); });
    PageCallGate::report(this, [&] { delivered << QStringLiteral("second"); });
    QVERIFY(delivered.isEmpty());
    spin();
    QCOMPARE(delivered, (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
}

void PageCallGateTest::reportsWaitForTheCallThatIsWaiting()
{
    QStringList delivered;
    PageCallGate::report(this, [&] { delivered << QStringLiteral("before"); });
    {
        PageCallGate::Hold waiting;
        QVERIFY(PageCallGate::busy());
        // The event loop runs during the wait, as a waiting call's does, and the reports of
        // that time stay held, a report from inside them too.
        PageCallGate::report(this, [&] {
            delivered << QStringLiteral("during");
            PageCallGate::report(this, [&] { delivered << QStringLiteral("from a report"); });
        });
        spin();
        QVERIFY(delivered.isEmpty());
    }
    QVERIFY(!PageCallGate::busy());
    PageCallGate::report(this, [&] { delivered << QStringLiteral("after"); });
    spin();
    QCOMPARE(delivered, (QStringList{QStringLiteral("before"), QStringLiteral("during"), QStringLiteral("after"),
                                     QStringLiteral("from a report")}));
}

void PageCallGateTest::reportsOfAGoneObjectAreDropped()
{
    QStringList delivered;
    auto sender = std::make_unique<QObject>();
    PageCallGate::report(sender.get(), [&] { delivered << QStringLiteral("gone"); });
    {
        PageCallGate::Hold waiting;
        spin();
        PageCallGate::report(sender.get(), [&] { delivered << QStringLiteral("held, then gone"); });
        spin();
    }
    sender.reset();
    PageCallGate::report(this, [&] { delivered << QStringLiteral("kept"); });
    spin();
    QCOMPARE(delivered, QStringList{QStringLiteral("kept")});
}

KESTREL_TEST(PageCallGateTest)
#include "PageCallGateTest.moc"
