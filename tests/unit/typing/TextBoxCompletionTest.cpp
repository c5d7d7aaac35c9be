#include "testkit/TestRegistry.h"
#include "typing/TextBoxCompletion.h"

#include <QTest>

// Completion of a typed text box value from the completion list.
class TextBoxCompletionTest : public QObject
{
    Q_OBJECT

    const QStringList list{QStringLiteral("Alaska"), QStringLiteral("Albert Einstein"), QStringLiteral("alright"),
                           QStringLiteral("hello world")};

private slots:
    void designExamples()
    {
        QCOMPARE(completeTypedText(QStringLiteral("al"), list, true), QStringLiteral("alaska"));
        QCOMPARE(completeTypedText(QStringLiteral("al"), list, false), QStringLiteral("Alaska"));
        QCOMPARE(completeTypedText(QStringLiteral("alb"), list, true), QStringLiteral("albert Einstein"));
        QCOMPARE(completeTypedText(QStringLiteral("alb"), list, false), QStringLiteral("Albert Einstein"));
    }

    void firstMatchInListOrderWins()
    {
        QCOMPARE(completeTypedText(QStringLiteral("AL"), list, true), QStringLiteral("ALaska"));
        QCOMPARE(completeTypedText(QStringLiteral("alr"), list, false), QStringLiteral("alright"));
    }

    void spaceIsPartOfTheTypedText()
    {
        QCOMPARE(completeTypedText(QStringLiteral("hello "), list, true), QStringLiteral("hello world"));
    }

    void nothingMatches()
    {
        QVERIFY(!completeTypedText(QString(), list, true));
        QVERIFY(!completeTypedText(QStringLiteral("zebra"), list, true));
        QVERIFY(!completeTypedText(QStringLiteral("alaskan"), list, true));
        // Only ASCII letters fold: a typed accented capital does not match its small letter.
        QVERIFY(!completeTypedText(QStringLiteral("\u00c9"), {QStringLiteral("\u00e9t\u00e9")}, true));
    }
};

KESTREL_TEST(TextBoxCompletionTest)
#include "TextBoxCompletionTest.moc"
