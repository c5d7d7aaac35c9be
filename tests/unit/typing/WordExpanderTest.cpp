#include "testkit/TestRegistry.h"
#include "typing/TypedWords.h"
#include "typing/WordExpander.h"

#include <QHash>
#include <QTest>

namespace {
// Quick Correct adn=and, Quick Words \sl=Statute of Limitations, Quick Link @email.
struct Aids
{
    QHash<QString, QString> entries{{QStringLiteral("adn"), QStringLiteral("and")},
                                    {QStringLiteral("\\sl"), QStringLiteral("Statute of Limitations")},
                                    {QStringLiteral("@email"), QStringLiteral("mailto:me@example.org")},
                                    {QStringLiteral("teh"), QStringLiteral("the")}};
    bool quickCorrect = true;
    bool quickLinks = true;
    bool quickWords = true;

    WordExpander expander()
    {
        return WordExpander(
            [this](TypingAid, const QString &word) { return entries.value(word.toLower()); },
            [this](TypingAid aid) {
                switch (aid) {
                case TypingAid::QuickLinks: return quickLinks;
                case TypingAid::QuickWords: return quickWords;
                case TypingAid::QuickCorrect: return quickCorrect;
                }
                return false;
            });
    }
};
}

// Word finding and expansion of typed words, with the design's own examples.
class WordExpanderTest : public QObject
{
    Q_OBJECT

private slots:
    void lastWordOf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("word");
        QTest::newRow("empty") << QString() << -1 << QString();
        QTest::newRow("blanks only") << QStringLiteral(" \r\n\t ") << -1 << QString();
        QTest::newRow("single word") << QStringLiteral("adn ") << 1 << QStringLiteral("adn");
        QTest::newRow("after space") << QStringLiteral("I went to adn ") << 11 << QStringLiteral("adn");
        QTest::newRow("after line break") << QStringLiteral("a\r\nadn ") << 4 << QStringLiteral("adn");
        QTest::newRow("punctuation belongs") << QStringLiteral("x adn, ") << 3 << QStringLiteral("adn,");
        QTest::newRow("tab is not a break") << QStringLiteral("a\tb ") << 1 << QStringLiteral("a\tb");
    }
    void lastWordOf()
    {
        QFETCH(QString, text);
        const WordAt found = LastWordOf(text);
        QTEST(found.start, "start");
        QTEST(found.word, "word");
    }

    void changedWordOf_data()
    {
        QTest::addColumn<QString>("oldText");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("lineFeeds");
        QTest::newRow("same") << QStringLiteral("abc") << QStringLiteral("abc") << -1 << QString() << 0;
        QTest::newRow("typed into empty") << QString() << QStringLiteral("adn ") << 1 << QStringLiteral("adn") << 0;
        QTest::newRow("added at end") << QStringLiteral("I went to ") << QStringLiteral("I went to adn ") << 11
                                      << QStringLiteral("adn") << 0;
        QTest::newRow("added after break skipped") << QStringLiteral("a") << QStringLiteral("a \r\nxy ") << 5
                                                   << QStringLiteral("xy") << 0;
        QTest::newRow("typed inside") << QStringLiteral("I went to the store ")
                                      << QStringLiteral("I went to adn the store ") << 11 << QStringLiteral("adn")
                                      << 0;
        QTest::newRow("deleted at end") << QStringLiteral("abcdef") << QStringLiteral("abc") << -1 << QString() << 0;
        QTest::newRow("space typed inside") << QStringLiteral("ab cd") << QStringLiteral("ab  cd") << 4 << QString()
                                            << 0;
        QTest::newRow("inside second line") << QStringLiteral("one\r\ntwo three ")
                                            << QStringLiteral("one\r\ntwo adn three ") << 10
                                            << QStringLiteral("adn") << 1;
        QTest::newRow("word without following space") << QStringLiteral("ab") << QStringLiteral("xab") << 1
                                                      << QStringLiteral("xab") << 0;
    }
    void changedWordOf()
    {
        QFETCH(QString, oldText);
        QFETCH(QString, newText);
        const ChangedWord found = ChangedWordOf(oldText, newText);
        QTEST(found.start, "start");
        QTEST(found.word, "word");
        QTEST(found.lineFeeds, "lineFeeds");
    }

    void expansion_data()
    {
        QTest::addColumn<QString>("lastFieldText");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("changed");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("caret");
        QTest::newRow("empty text") << QString() << QString() << false << QString() << 0;
        QTest::newRow("case 5 at end") << QStringLiteral("I went to ") << QStringLiteral("I went to adn ") << true
                                       << QStringLiteral("I went to and ") << 14;
        QTest::newRow("case 5 first word") << QString() << QStringLiteral("adn ") << true << QStringLiteral("and ")
                                           << 4;
        QTest::newRow("case 4 inside") << QStringLiteral("I went to the store ")
                                       << QStringLiteral("I went to adn the store ") << true
                                       << QStringLiteral("I went to and the store ") << 14;
        QTest::newRow("quick words") << QStringLiteral("see ") << QStringLiteral("see \\sl ") << true
                                     << QStringLiteral("see Statute of Limitations ") << 27;
        QTest::newRow("quick words upper keeps list case")
            << QStringLiteral("see ") << QStringLiteral("see \\SL ") << true
            << QStringLiteral("see Statute of Limitations ") << 27;
        QTest::newRow("capital typed") << QString() << QStringLiteral("Adn ") << true << QStringLiteral("And ") << 4;
        QTest::newRow("all capitals") << QStringLiteral("x ") << QStringLiteral("x ADN ") << true
                                      << QStringLiteral("x And ") << 6;
        QTest::newRow("punctuation stays") << QStringLiteral("x ") << QStringLiteral("x adn, ") << false
                                           << QStringLiteral("x adn, ") << 7;
        QTest::newRow("no entry") << QStringLiteral("x ") << QStringLiteral("x cat ") << false
                                  << QStringLiteral("x cat ") << 6;
        QTest::newRow("nothing changed writes back") << QStringLiteral("abc ") << QStringLiteral("abc ") << true
                                                     << QStringLiteral("abc ") << 4;
        QTest::newRow("case 4 empty word puts caret") << QStringLiteral("ab cd") << QStringLiteral("ab  cd")
                                                      << false << QStringLiteral("ab  cd") << 4;
        QTest::newRow("case 4 multi-line CR LF")
            << QStringLiteral("one\r\ntwo three ") << QStringLiteral("one\r\ntwo adn three ") << true
            << QStringLiteral("one\r\ntwo and three ") << 12;
        QTest::newRow("case 6 out of step expands last word")
            << QStringLiteral("other field text") << QStringLiteral("fine teh ") << true
            << QStringLiteral("fine the ") << 9;
        QTest::newRow("case 6 expands both words")
            << QStringLiteral("zzz") << QStringLiteral("adn x teh ") << true << QStringLiteral("and x the ") << 4;
    }
    void expansion()
    {
        QFETCH(QString, lastFieldText);
        QFETCH(QString, text);
        Aids aids;
        const WordExpander::Result r = aids.expander().ExpandTypedWord(text, lastFieldText);
        QTEST(r.changed, "changed");
        QTEST(r.text, "result");
        QTEST(r.caret, "caret");
    }

    void switchesAreHonouredPerAid()
    {
        Aids aids;
        aids.quickCorrect = false;
        WordExpander expander = aids.expander();
        QVERIFY(!expander.ExpandTypedWord(QStringLiteral("x adn "), QStringLiteral("x ")).changed);
        const WordExpander::Result link = expander.ExpandTypedWord(QStringLiteral("x @email "), QStringLiteral("x "));
        QVERIFY(link.changed);
        QCOMPARE(link.text, QStringLiteral("x mailto:me@example.org "));

        aids.quickCorrect = true;
        aids.quickLinks = false;
        expander = aids.expander();
        QVERIFY(!expander.ExpandTypedWord(QStringLiteral("x @email "), QStringLiteral("x ")).changed);
        QVERIFY(expander.ExpandTypedWord(QStringLiteral("x adn "), QStringLiteral("x ")).changed);
    }

    void capitalisation()
    {
        QCOMPARE(capitaliseAfter(QStringLiteral("and"), QStringLiteral("Adn")), QStringLiteral("And"));
        QCOMPARE(capitaliseAfter(QStringLiteral("and"), QStringLiteral("adn")), QStringLiteral("and"));
        QCOMPARE(capitaliseAfter(QStringLiteral("\u00e9t\u00e9"), QStringLiteral("Ete")), QStringLiteral("\u00e9t\u00e9"));
        QCOMPARE(capitaliseAfter(QStringLiteral("x"), QStringLiteral("\\SL")), QStringLiteral("x"));
        QCOMPARE(capitaliseAfter(QString(), QStringLiteral("A")), QString());
    }
};

KESTREL_TEST(WordExpanderTest)
#include "WordExpanderTest.moc"
