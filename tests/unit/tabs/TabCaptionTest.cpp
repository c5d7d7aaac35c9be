#include "browser/tabs/TabCaption.h"
#include "testkit/TestRegistry.h"

#include <QTest>

class TabCaptionTest : public QObject
{
    Q_OBJECT
private slots:
    void titlesLongerThanTheLimitAreCut()
    {
        const QString title35 = QString(35, QLatin1Char('a'));
        QCOMPARE(TabCaption::fromTitle(title35, 35), title35);
        QCOMPARE(TabCaption::fromTitle(title35 + QLatin1Char('b'), 35), title35 + QStringLiteral("..."));
        QCOMPARE(TabCaption::fromTitle(QStringLiteral("abc"), 0), QStringLiteral("..."));
        QCOMPARE(TabCaption::fromTitle(QStringLiteral("abc"), -4), QStringLiteral("..."));
        QCOMPARE(TabCaption::fromTitle(QString(), 35), QString());
    }

    void aCutNeverSplitsACharacterMadeOfTwoHalves()
    {
        // "ab" then U+1F600 (two UTF-16 halves): a cut after 3 would leave half of it.
        const QString title = QStringLiteral("ab") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("cd");
        QCOMPARE(TabCaption::fromTitle(title, 3), QStringLiteral("ab..."));
    }

    void newTabsAreNumberedFromOne()
    {
        QCOMPARE(TabCaption::newTab(0), QStringLiteral("Browser 1 Loading..."));
        QCOMPARE(TabCaption::newTab(2), QStringLiteral("Browser 3 Loading..."));
    }

    void ownerDrawnCaptionsAreCentredAndInactiveOnesShifted()
    {
        const QRect rect(10, 4, 81, 21); // odd sizes: halves cut towards zero
        const QSize text(40, 13);
        QCOMPARE(TabCaption::ownerDrawOrigin(rect, text, true, false), QPoint(10 + 40 - 20, 4 + 10 - 6));
        QCOMPARE(TabCaption::ownerDrawOrigin(rect, text, false, false), QPoint(30, 8 + 2));
        QCOMPARE(TabCaption::ownerDrawOrigin(rect, text, true, true), QPoint(30, 8));
        QCOMPARE(TabCaption::ownerDrawOrigin(rect, text, false, true), QPoint(30, 8 - 2));
        // A caption wider than its tab starts left of the tab.
        QCOMPARE(TabCaption::ownerDrawOrigin(QRect(0, 0, 20, 20), QSize(41, 10), true, false), QPoint(10 - 20, 5));
    }
};

KESTREL_TEST(TabCaptionTest)
#include "TabCaptionTest.moc"
