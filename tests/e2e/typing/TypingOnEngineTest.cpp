#include "browser/TKestrelWB.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "pagetools/ActiveDocument.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/EngineFixture.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "typing/InPageTypingAids.h"
#include "typing/PageFieldEdits.h"
#include "typing/PageKeyFilter.h"
#include "typing/TypingAidTable.h"
#include "ui/CommandRegistry.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWebEngineView>

using namespace Qt::StringLiterals;

// The in-page typing aids on the real engine: keys typed into the view, the page agent's
// reports of the field's own edits, and the answers applied in the page.
class TypingOnEngineTest : public QObject
{
    Q_OBJECT

    EngineFixture m_fixture;
    std::shared_ptr<PageDocument> m_top;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TypingAidTable> m_table;
    std::unique_ptr<InPageTypingAids> m_aids;
    std::unique_ptr<PageFieldEdits> m_edits;

    QWidget *keyTarget()
    {
        auto *control = qobject_cast<WebEngineControl *>(m_fixture.view()->control());
        return control->view()->focusProxy();
    }

    std::shared_ptr<PageElement> fieldIn(const std::shared_ptr<PageDocument> &document, const QString &id)
    {
        return document ? document->elementById(id) : nullptr;
    }

    std::shared_ptr<PageDocument> frameDocument(const QString &frameId)
    {
        const auto frame = m_top->elementById(frameId);
        const auto window = frame ? frame->contentWindow() : nullptr;
        return window ? window->document() : nullptr;
    }

    // Puts the caret into the field after `caret` characters of `value` and remembers the
    // value, as focusing a field does.
    void focusField(const std::shared_ptr<PageElement> &field, const QString &value, int caret = -1)
    {
        QVERIFY(field);
        m_fixture.view()->control()->focusPage();
        QVERIFY(field->setValue(value));
        QVERIFY(field->focus());
        const int at = caret < 0 ? static_cast<int>(value.size()) : caret;
        QVERIFY(field->setSelectionRange(at, at));
        m_aids->setLastFieldText(value);
    }

    // Waits for the field to hold the text; the text it holds.
    QString settle(const std::shared_ptr<PageElement> &field, const QString &expected)
    {
        QString value;
        waitUntil([&] {
            value = field->value();
            return value == expected;
        }, 5000);
        return value;
    }

    // A page that has just completed may not take keys yet: the engine sets up the view's
    // input path a moment later. Keys sent before then are lost, so type until one arrives.
    void waitForTheViewToTakeKeys()
    {
        const auto box = fieldIn(m_top, u"box"_s);
        QVERIFY(box);
        bool arrived = false;
        for (int attempt = 0; attempt < 50 && !arrived; ++attempt) {
            m_fixture.view()->control()->focusPage();
            QVERIFY(box->focus());
            QTest::keyClick(keyTarget(), Qt::Key_X);
            arrived = waitUntil([&] { return !box->value().isEmpty(); }, 200);
        }
        QVERIFY(arrived);
        QVERIFY(box->setValue(QString()));
    }

private slots:
    void initTestCase()
    {
        const QString folder = DataFolder::path();
        QVERIFY(TextFile::writeLines(folder + u"/qcorrect.dat"_s, {u"adn=and"_s, u"teh=the"_s, u"wnat=want"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/qlink.dat"_s, {u"@email=mailto:me@example.org"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/tbauto.dat"_s, {u"Alaska"_s, u"Albert Einstein"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/qinsert.dat"_s, {u"k=Kind regards,"_s}));
        m_store = std::make_unique<SettingsStore>();
        m_table = std::make_unique<TypingAidTable>(folder);
        m_table->LoadTypingAids();
        m_aids = std::make_unique<InPageTypingAids>(InPageTypingAids::Collaborators{
            [this] { return focusedDocumentOf(m_fixture.view()->Document()); }, m_table.get(), m_store.get()});
        BrowserControl *control = m_fixture.view()->control();
        m_edits = std::make_unique<PageFieldEdits>(
            *m_aids, [control](BrowserControl *asking) { return asking == control && !control->isLoading(); });
        m_edits->watch(control);

        LoopbackServer &server = m_fixture.server();
        const QByteArray frameBody = "<!DOCTYPE html><html><body><input id=\"box\"/></body></html>";
        server.serve(u"/same.html"_s, frameBody);
        server.serve(u"/cross.html"_s, frameBody);
        const QByteArray crossUrl = server.url(u"/cross.html"_s, u"localhost"_s).toEncoded();
        server.serve(u"/top.html"_s,
                     "<!DOCTYPE html><html><head><title>typing</title></head><body>"
                     "<input id=\"box\"/><input id=\"secret\" type=\"password\"/>"
                     "<textarea id=\"area\" rows=\"8\" cols=\"60\"></textarea>"
                     "<input id=\"search\" type=\"search\"/><input id=\"url\" type=\"url\"/>"
                     "<input id=\"tel\" type=\"tel\"/>"
                     "<input id=\"lure\"/><input id=\"victim\"/>"
                     "<iframe id=\"same\" src=\"same.html\"></iframe>"
                     "<iframe id=\"cross\" src=\"" + crossUrl + "\"></iframe>"
                     "<script>"
                     // A hostile page: after each key in the lure it copies the text into
                     // another field and into a frame's field, and moves the focus there.
                     "document.getElementById('lure').addEventListener('input', (e) => {"
                     "  const text = e.target.value;"
                     "  if (!e.isTrusted || !text.endsWith(' ')) return;"
                     "  document.getElementById('victim').value = text;"
                     "  const inner = document.getElementById('same').contentDocument.getElementById('box');"
                     "  inner.value = text; inner.focus();"
                     "});"
                     "</script></body></html>");
        m_top = m_fixture.open(server.url(u"/top.html"_s));
        QVERIFY(m_top);
        waitForTheViewToTakeKeys();
    }

    void init()
    {
        failOnQtWarnings();
        m_store->clearSection(SettingsStore::MainSection);
    }

    void expansionAtTheEndOfEveryKindOfField_data()
    {
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("before");
        QTest::newRow("text box") << QString() << u"box"_s << QString();
        QTest::newRow("password box") << QString() << u"secret"_s << QString();
        QTest::newRow("text area after existing lines") << QString() << u"area"_s << u"first line\nsecond line\n"_s;
        QTest::newRow("frame of the same origin") << u"same"_s << u"box"_s << QString();
        QTest::newRow("frame of another origin") << u"cross"_s << u"box"_s << QString();
    }

    void expansionAtTheEndOfEveryKindOfField()
    {
        QFETCH(QString, frame);
        QFETCH(QString, id);
        QFETCH(QString, before);
        const auto field = fieldIn(frame.isEmpty() ? m_top : frameDocument(frame), id);
        focusField(field, before);
        QTest::keyClicks(keyTarget(), u"I went to adn "_s);
        const QString expected = before + u"I went to and "_s;
        QCOMPARE(settle(field, expected), expected);
        QCOMPARE(field->selectionStart(), expected.size());
        QCOMPARE(field->selectionEnd(), expected.size());
    }

    void otherKindsOfBoxAreLeftAlone_data()
    {
        QTest::addColumn<QString>("id");
        QTest::newRow("search") << u"search"_s;
        QTest::newRow("url") << u"url"_s;
        QTest::newRow("tel") << u"tel"_s;
    }

    void otherKindsOfBoxAreLeftAlone()
    {
        QFETCH(QString, id);
        const auto field = fieldIn(m_top, id);
        focusField(field, QString());
        QTest::keyClicks(keyTarget(), u"I went to adn "_s);
        QCOMPARE(settle(field, u"I went to adn "_s), u"I went to adn "_s);
        // Time enough for an expansion to come back.
        QTest::qWait(500);
        QCOMPARE(field->value(), u"I went to adn "_s);
    }

    void expansionInsideTheTextLeavesTheCaretAfterTheWord()
    {
        const auto box = fieldIn(m_top, u"box"_s);
        focusField(box, u"I went to the store "_s, 10);
        QTest::keyClicks(keyTarget(), u"adn "_s);
        QCOMPARE(settle(box, u"I went to and the store "_s), u"I went to and the store "_s);
        QCOMPARE(box->selectionStart(), 14);
        QCOMPARE(box->selectionEnd(), 14);
    }

    void fullSpeedTypingIntoATextArea()
    {
        const QStringList words = {u"adn"_s, u"teh"_s, u"wnat"_s, u"Teh"_s};
        const QStringList expansions = {u"and"_s, u"the"_s, u"want"_s, u"The"_s};
        const QStringList fillers = {u"we"_s, u"walk"_s, u"far"_s, u"into"_s, u"woods"_s, u"today"_s};
        QString typed;
        QString expected;
        for (int i = 0; i < 20; ++i) {
            typed += words[i % 4] + u' ';
            expected += expansions[i % 4] + u' ';
            for (int j = 0; j < 3; ++j) {
                typed += fillers[(i + j) % fillers.size()] + u' ';
                expected += fillers[(i + j) % fillers.size()] + u' ';
            }
        }
        QVERIFY(typed.size() >= 300);
        const auto area = fieldIn(m_top, u"area"_s);
        for (int round = 0; round < 20; ++round) {
            focusField(area, QString());
            QTest::keyClicks(keyTarget(), typed);
            QCOMPARE(settle(area, expected), expected);
            QCOMPARE(area->selectionStart(), expected.size());
            QCOMPARE(area->selectionEnd(), expected.size());
        }
    }

    void switchedOffQuickCorrectLeavesWordsWhileLinksExpand()
    {
        m_store->writeBool(SettingsStore::MainSection, u"QuickCorrect"_s, false);
        const auto box = fieldIn(m_top, u"box"_s);
        focusField(box, QString());
        QTest::keyClicks(keyTarget(), u"adn @email "_s);
        QCOMPARE(settle(box, u"adn mailto:me@example.org "_s), u"adn mailto:me@example.org "_s);
    }

    void completionAfterThePause()
    {
        const auto box = fieldIn(m_top, u"box"_s);
        focusField(box, QString());
        QTest::keyClicks(keyTarget(), u"alb"_s);
        QCOMPARE(settle(box, u"alb"_s), u"alb"_s);
        m_aids->CompleteTextBox();
        QCOMPARE(box->value(), u"albert Einstein"_s);
        QCOMPARE(box->selectionStart(), 3);
        QCOMPARE(box->selectionEnd(), 15);
    }

    void quickInsertTypesTheEntryAndGivesTheClipboardBack()
    {
        CommandRegistry commands;
        PageKeyFilter filter(*m_aids, commands,
                             PageKeyFilter::Operations{[this] { return m_fixture.view(); }, [] { return QString(); },
                                                       [] {}});
        qApp->installEventFilter(&filter);
        QGuiApplication::clipboard()->setText(u"what the user copied"_s);
        const auto area = fieldIn(m_top, u"area"_s);
        focusField(area, u"Thanks.\n"_s);
        QTest::keyClick(keyTarget(), Qt::Key_K, Qt::ControlModifier | Qt::ShiftModifier);
        QTest::keyClicks(keyTarget(), u" Ann"_s);
        qApp->removeEventFilter(&filter);
        QCOMPARE(settle(area, u"Thanks.\nKind regards, Ann"_s), u"Thanks.\nKind regards, Ann"_s);
        QCOMPARE(QGuiApplication::clipboard()->text(), u"what the user copied"_s);
    }

    void anExpansionUndoesInOneStep_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QString>("expanded");
        QTest::addColumn<QString>("undone");
        QTest::newRow("text box") << u"box"_s << QString() << -1 << u"I went to and "_s << u"I went to adn "_s;
        QTest::newRow("text area") << u"area"_s << u"first line\n"_s << -1 << u"first line\nI went to and "_s
                                   << u"first line\nI went to adn "_s;
        QTest::newRow("inside the text") << u"box"_s << u"I went to the store "_s << 10
                                         << u"I went to and the store "_s << u"I went to adn the store "_s;
    }

    void anExpansionUndoesInOneStep()
    {
        QFETCH(QString, id);
        QFETCH(QString, before);
        QFETCH(int, caret);
        QFETCH(QString, expanded);
        QFETCH(QString, undone);
        const auto field = fieldIn(m_top, id);
        focusField(field, before, caret);
        QTest::keyClicks(keyTarget(), caret < 0 ? u"I went to adn "_s : u"adn "_s);
        QCOMPARE(settle(field, expanded), expanded);
        // The page's own undo takes the expansion back, and only the expansion.
        QTest::keyClick(keyTarget(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(settle(field, undone), undone);
        // The word taken back stays as typed when typing goes on (at the end: the undo leaves
        // the text it put back selected).
        QTest::keyClick(keyTarget(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(keyTarget(), u"x "_s);
        waitUntil([] { return false; }, 300);
        QVERIFY2(field->value().contains(u"adn "_s), qPrintable(field->value()));
    }

    void hostilePageCannotRedirectTheWrites()
    {
        const auto lure = fieldIn(m_top, u"lure"_s);
        const auto victim = fieldIn(m_top, u"victim"_s);
        const auto inner = fieldIn(frameDocument(u"same"_s), u"box"_s);
        QVERIFY(victim && inner);
        focusField(lure, QString());
        QTest::keyClicks(keyTarget(), u"adn "_s);
        // The expansion went to the field it was computed for, the page's copies stay as written.
        QCOMPARE(settle(lure, u"and "_s), u"and "_s);
        waitUntil([] { return false; }, 100);
        QCOMPARE(victim->value(), u"adn "_s);
        QCOMPARE(inner->value(), u"adn "_s);
    }
};

KESTREL_TEST(TypingOnEngineTest)
#include "TypingOnEngineTest.moc"
