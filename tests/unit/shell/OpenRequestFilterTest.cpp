#include "shell/DdeOpenRequest.h"
#include "shell/OpenRequestFilter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"

#include <QTest>

// Dropping the second arrival of one link within 3 s.
class OpenRequestFilterTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void aRepeatWithinTheWindowIsDropped()
    {
        OpenRequestFilter filter;
        QVERIFY(filter.admit(QStringLiteral("http://a.example/page")));
        QVERIFY(!filter.admit(QStringLiteral("http://a.example/page")));
        // A plain substring test: part of an earlier request counts as a repeat.
        QVERIFY(!filter.admit(QStringLiteral("a.example")));
        QVERIFY(filter.admit(QStringLiteral("http://b.example/")));
        QCOMPARE(filter.RecentOpenRequests(),
                 QStringLiteral("http://a.example/pagehttp://a.example/pagea.examplehttp://b.example/"));
    }

    void theShellsRequestAndTheCommandLineCountAsOne()
    {
        OpenRequestFilter filter;
        const QString address = QStringLiteral("http://a.example/");
        QVERIFY(filter.admit(DdeOpenRequest::requestText({address})));
        QVERIFY(!filter.admit(address));
    }

    void theTimerRunsFromTheFirstRequestAndEmptiesTheList()
    {
        OpenRequestFilter filter;
        QCOMPARE(filter.tmrDDE.interval(), 3000);
        QVERIFY(!filter.tmrDDE.isActive());
        filter.admit(QStringLiteral("http://a/"));
        QVERIFY(filter.tmrDDE.isActive());
        const int started = filter.tmrDDE.timerId();
        filter.admit(QStringLiteral("http://b/"));
        // Not restarted: still the same run of the timer.
        QCOMPARE(filter.tmrDDE.timerId(), started);

        filter.tmrDDETimer();
        QVERIFY(!filter.tmrDDE.isActive());
        QVERIFY(filter.RecentOpenRequests().isEmpty());
        QVERIFY(filter.admit(QStringLiteral("http://a/")));
        QVERIFY(filter.tmrDDE.isActive());
    }
};

KESTREL_TEST(OpenRequestFilterTest)
#include "OpenRequestFilterTest.moc"
