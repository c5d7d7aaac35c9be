#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/PageCallGate.h"
#include "testkit/AppWarnings.h"
#include "testkit/FakeControl.h"
#include "testkit/TabSetRig.h"
#include "testkit/TestRegistry.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTest>

// Closes that come while a page call or an engine decision waits (its event loop runs): the
// views stay until nobody waits on them any more, then go.
class CloseDuringPageCallTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnAppWarnings(); }

    void aPageClosingItsTabDuringACallClosesItAfterTheCall()
    {
        TabSetRig rig;
        rig.openLoaded({QStringLiteral("http://a.test/"), QStringLiteral("http://b.test/")});
        const QPointer<TKestrelWB> closing = rig.view(1);
        rig.fake(1)->raiseWindowCloseRequested();
        {
            PageCallGate::Hold waiting;
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            QVERIFY(closing);
            QCOMPARE(rig.tabs().count(), 2);
        }
        QTRY_VERIFY(!closing);
        QCOMPARE(rig.tabs().count(), 1);
    }

    void aWindowClosedDuringACallClosesAfterTheCall()
    {
        TfrmKestrelBrowser window([] { return std::make_unique<FakeControl>(); });
        window.show();
        const QPointer<TKestrelWB> view = window.GetActiveBrowser();
        QVERIFY(view);
        {
            PageCallGate::Hold waiting;
            window.close();
            QCoreApplication::processEvents();
            QVERIFY(!window.Closing);
            QVERIFY(view);
        }
        QTRY_VERIFY(window.Closing);
        QVERIFY(!view);
    }
};

KESTREL_TEST(CloseDuringPageCallTest)
#include "CloseDuringPageCallTest.moc"
