#include "testkit/TestRegistry.h"
#include <QTest>
class PageTextRangeTest : public QObject { Q_OBJECT private slots: void trivial() { QVERIFY(true); } };
KESTREL_TEST(PageTextRangeTest)
#include "PageTextRangeTest.moc"
