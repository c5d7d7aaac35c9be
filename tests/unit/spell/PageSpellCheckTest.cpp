#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "spell/PageSpellCheck.h"
#include "spell/WordLocator.h"
#include "support/HunspellDictionary.h"
#include "support/SpellCheckRun.h"
#include "support/SpellChecker.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/SpellChoices.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryDocument.h"
#include "testkit/memorypage/MemoryPageBuilder.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
using Kind = SpellChoice::Kind;

QByteArray readRaw(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool writeRaw(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString shown(const QList<TextMark> &marks)
{
    QStringList parts;
    for (const TextMark &mark : marks)
        parts << u"%1-%2 %3"_s.arg(mark.start).arg(mark.end).arg(mark.colour);
    return parts.join(u", "_s);
}
}

// Spell checking of a page field on the in-memory page: which fields are checked and what is
// said otherwise, the marks shown while the check runs, the corrections put into the field,
// and the auto-correct choice fed into the Quick Correct list.
class PageSpellCheckTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    ScriptedPrompter m_prompter;
    std::unique_ptr<SpellChecker> m_checker;
    std::unique_ptr<PageSpellCheck> m_check;
    std::shared_ptr<PageDocument> m_document;
    int m_reloads = 0;

    std::shared_ptr<PageElement> load(const QString &body, const QString &focusId)
    {
        m_document = MemoryPageBuilder::build(u"<html><body>"_s + body + u"</body></html>"_s,
                                              QUrl(u"http://memory.test/index.html"_s));
        const auto field = m_document ? m_document->elementById(focusId) : nullptr;
        if (field)
            field->focus();
        return field;
    }

    QString qcorrect() const { return m_dir.filePath(u"qcorrect.dat"_s); }

private slots:
    void initTestCase()
    {
        m_checker = std::make_unique<SpellChecker>(m_dir.path(), m_prompter, nullptr, HunspellDictionary::systemFolders());
        m_checker->readConfiguration();
        m_check = std::make_unique<PageSpellCheck>(*m_checker, m_prompter, m_dir.path(), [this] { return m_document; },
                                                   [this] { ++m_reloads; });
    }

    void init()
    {
        failOnQtWarnings();
        m_prompter.clear();
        m_reloads = 0;
        QFile::remove(qcorrect());
        m_checker->setDialogRunner([](SpellCheckRun &run) { playSpellChoices(run, {}); });
    }

    void onlyTextBoxesAndTextAreasAreChecked_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QStringList>("said");
        const QString elsewhere = u"Please place the cursor in a text box to spell check."_s;
        QTest::newRow("nothing focused") << u"<input id=\"box\" value=\"teh\"/>"_s << QString() << QStringList{elsewhere};
        QTest::newRow("a button") << u"<button id=\"b\">teh</button>"_s << u"b"_s << QStringList{elsewhere};
        QTest::newRow("a password box") << u"<input id=\"p\" type=\"password\" value=\"teh\"/>"_s << u"p"_s << QStringList();
        QTest::newRow("a check box") << u"<input id=\"c\" type=\"checkbox\"/>"_s << u"c"_s << QStringList();
        QTest::newRow("a search box") << u"<input id=\"s\" type=\"search\" value=\"teh\"/>"_s << u"s"_s << QStringList();
    }

    void onlyTextBoxesAndTextAreasAreChecked()
    {
        QFETCH(QString, body);
        QFETCH(QString, focus);
        QFETCH(QStringList, said);
        load(body, focus);
        bool asked = false;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            asked = true;
            playSpellChoices(run, {});
        });
        m_check->SpellCheck();
        QCOMPARE(m_prompter.texts(), said);
        QVERIFY(!asked);
    }

    void withoutAPageTheUserIsToldWhereToClick()
    {
        m_document.reset();
        m_check->SpellCheck();
        QCOMPARE(m_prompter.texts(),
                 QStringList({u"Please place the cursor in a text box on a web form to spell check."_s}));
    }

    void aTextAreaShowsEachWordOnItsLineWhileTheCheckRuns()
    {
        const auto area = load(u"<textarea id=\"area\">Fisrt line\nsecond wurd here\n\nthird lyne</textarea>"_s, u"area"_s);
        QStringList seen;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Ignore}, {Kind::Change, u"word"_s}, {Kind::Change, u"line"_s}},
                             [&](const SpellCheckRun &) { seen << shown(area->textMarks()); });
        });
        m_check->SpellCheck();
        QCOMPARE(seen, QStringList({u"0-5 yellow"_s, u"0-5 yellow, 18-22 yellow"_s,
                                    u"0-5 yellow, 18-22 lightgreen, 35-39 yellow"_s}));
        QCOMPARE(m_check->marks().lines(), QStringList({u"0=YFisrt"_s, u"18=Gword"_s, u"35=Gline"_s}));
        QCOMPARE(area->value(), u"Fisrt line\nsecond word here\n\nthird line"_s);
        // The check is over: no mark is left.
        QVERIFY(area->textMarks().isEmpty());
        QCOMPARE(m_prompter.texts(), QStringList({u"The spelling check is complete."_s}));
    }

    void aTextBoxShowsOnlyTheWordAskedAbout()
    {
        const auto box = load(u"<input id=\"box\" value=\"teh quick brwn fox\"/>"_s, u"box"_s);
        QStringList seen;
        m_checker->setDialogRunner([&](SpellCheckRun &run) {
            playSpellChoices(run, {{Kind::Change, u"the"_s}, {Kind::Cancel}},
                             [&](const SpellCheckRun &) { seen << shown(box->textMarks()); });
        });
        m_check->SpellCheck();
        QCOMPARE(seen, QStringList({u"0-3 yellow"_s, u"10-14 yellow"_s}));
        QCOMPARE(box->value(), u"the quick brwn fox"_s);
        QVERIFY(box->textMarks().isEmpty());
        QVERIFY(m_check->marks().lines().isEmpty());
        QVERIFY(m_prompter.texts().isEmpty());
    }

    void autoCorrectFeedsTheQuickCorrectList()
    {
        QVERIFY(writeRaw(qcorrect(), "teh=the\r\nadn=and\r\n"));
        // A new word is added in order and the table rebuilt.
        m_check->autoCorrect(u"becuase"_s, u"because"_s);
        QCOMPARE(readRaw(qcorrect()), QByteArray("adn=and\r\nbecuase=because\r\nteh=the\r\n"));
        QCOMPARE(m_reloads, 1);

        // The same replacement again is refused.
        m_check->autoCorrect(u"TEH"_s, u"the"_s);
        QCOMPARE(m_prompter.texts(), QStringList({u"Duplicate entry.  Addition aborted."_s}));

        // Another replacement is asked about; only Yes changes it.
        const QString question = u"The entry \"ADN\" already exists on your quick correct list with the replacement "
                                 u"word \"and\".  Do you want to change the replacement word to \"an?"_s;
        m_prompter.clear();
        m_prompter.queueAnswer(Prompter::Answer::No);
        m_check->autoCorrect(u"ADN"_s, u"an"_s);
        QCOMPARE(m_prompter.texts(), QStringList({question}));
        QCOMPARE(readRaw(qcorrect()), QByteArray("adn=and\r\nbecuase=because\r\nteh=the\r\n"));
        m_prompter.queueAnswer(Prompter::Answer::Yes);
        m_check->autoCorrect(u"ADN"_s, u"an"_s);
        QCOMPARE(readRaw(qcorrect()), QByteArray("adn=an\r\nbecuase=because\r\nteh=the\r\n"));
        QCOMPARE(m_reloads, 2);

        // Empty words add nothing.
        m_check->autoCorrect(QString(), u"x"_s);
        QCOMPARE(m_reloads, 2);
    }

    void autoCorrectWithoutAQuickCorrectListAddsNothing()
    {
        const auto box = load(u"<input id=\"box\" value=\"becuase\"/>"_s, u"box"_s);
        m_checker->setDialogRunner([](SpellCheckRun &run) { playSpellChoices(run, {{Kind::AutoCorrect, u"because"_s}}); });
        m_check->SpellCheck();
        QCOMPARE(box->value(), u"because"_s);
        QVERIFY(!QFile::exists(qcorrect()));
        QCOMPARE(m_reloads, 0);
        QCOMPARE(m_prompter.texts(), QStringList({u"The spelling check is complete."_s}));
    }

    void wordsAreLocatedNearTheirExpectedPlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("found");
        QTest::newRow("in place") << u"one two three"_s << 4 << u"two"_s << 4;
        QTest::newRow("moved on") << u"a longer one two"_s << 9 << u"two"_s << 13;
        QTest::newRow("moved back") << u"one two three"_s << 6 << u"two"_s << 4;
        QTest::newRow("far away") << (QString(300, u'x') + u" word"_s) << 0 << u"word"_s << 301;
        QTest::newRow("offset past the end") << u"word"_s << 40 << u"word"_s << 0;
        QTest::newRow("not there") << u"one two three"_s << 4 << u"four"_s << -1;
        QTest::newRow("empty word") << u"one"_s << 0 << QString() << -1;
    }

    void wordsAreLocatedNearTheirExpectedPlace()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        QFETCH(QString, word);
        QFETCH(int, found);
        QCOMPARE(locateWord(text, expected, static_cast<int>(word.size()), word).value_or(-1), found);
    }
};

KESTREL_TEST(PageSpellCheckTest)
#include "PageSpellCheckTest.moc"
