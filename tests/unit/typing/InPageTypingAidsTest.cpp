#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "pagetools/ActiveDocument.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryPageFixture.h"
#include "typing/InPageTypingAids.h"
#include "typing/TypingAidTable.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString Page = u"<html><body>"
                     u"<input id=\"box\" type=\"text\"/>"
                     u"<input id=\"secret\" type=\"password\"/>"
                     u"<textarea id=\"area\"></textarea>"
                     u"<input id=\"search\" type=\"search\"/>"
                     u"<input id=\"url\" type=\"url\"/>"
                     u"<input id=\"tel\" type=\"tel\"/>"
                     u"<iframe id=\"outer\" src=\"outer.html\"/>"
                     u"</body></html>"_s;
const QString Outer = u"<html><body><iframe id=\"inner\" src=\"inner.html\"/></body></html>"_s;
const QString Inner = u"<html><body><input id=\"deep\" type=\"text\"/></body></html>"_s;
}

// The in-page typing aids over the in-memory page: expansion, completion, quick insert.
class InPageTypingAidsTest : public QObject
{
    Q_OBJECT

    MemoryPageFixture m_fixture;
    std::shared_ptr<PageDocument> m_page;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<TypingAidTable> m_table;
    std::unique_ptr<InPageTypingAids> m_aids;

    std::shared_ptr<PageElement> focusField(const QString &id, const QString &value)
    {
        std::shared_ptr<PageElement> field = m_page->elementById(id);
        field->setValue(value);
        field->focus();
        return field;
    }

private slots:
    void init()
    {
        failOnQtWarnings();
        const QString folder = DataFolder::path();
        QVERIFY(TextFile::writeLines(folder + u"/qcorrect.dat"_s, {u"adn=and"_s, u"teh=the"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/qwords.dat"_s, {u"\\sl=Statute of Limitations"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/qlink.dat"_s, {u"@email=mailto:me@example.org"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/qinsert.dat"_s, {u"w=hello world"_s}));
        QVERIFY(TextFile::writeLines(folder + u"/tbauto.dat"_s,
                                     {u"Alaska"_s, u"Albert Einstein"_s, u"alright"_s}));
        m_store = std::make_unique<SettingsStore>();
        m_store->clearSection(SettingsStore::MainSection);
        m_table = std::make_unique<TypingAidTable>(folder);
        m_table->LoadTypingAids();
        m_page = m_fixture.load(Page, {{u"outer.html"_s, Outer}, {u"inner.html"_s, Inner}});
        QVERIFY(m_page);
        m_aids = std::make_unique<InPageTypingAids>(InPageTypingAids::Collaborators{
            [this] { return focusedDocumentOf(m_page); }, m_table.get(), m_store.get()});
    }

    void expansionAtTheEndOfATextBox()
    {
        auto box = focusField(u"box"_s, u"I went to "_s);
        m_aids->RememberFieldText();
        box->setValue(u"I went to adn "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(box->value(), u"I went to and "_s);
        QCOMPARE(box->selectionStart(), 14);
        QCOMPARE(box->selectionEnd(), 14);
        QCOMPARE(m_aids->LastFieldText(), u"I went to and "_s);
    }

    void expansionInsideATextLeavesTheCaretAfterTheWord()
    {
        auto box = focusField(u"box"_s, u"I went to the store "_s);
        m_aids->RememberFieldText();
        box->setValue(u"I went to adn the store "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(box->value(), u"I went to and the store "_s);
        QCOMPARE(box->selectionStart(), 14);
    }

    void expansionInATextAreaAfterExistingLines()
    {
        auto area = focusField(u"area"_s, u"Dear Sir,\nsee "_s);
        m_aids->RememberFieldText();
        area->setValue(u"Dear Sir,\nsee \\sl "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(area->value(), u"Dear Sir,\nsee Statute of Limitations "_s);
        QCOMPARE(area->selectionStart(), int(area->value().size()));
    }

    void expansionInAFrameInsideAnIframe()
    {
        auto outer = m_page->elementById(u"outer"_s);
        auto inner = outer->contentWindow()->document()->elementById(u"inner"_s);
        auto deep = inner->contentWindow()->document()->elementById(u"deep"_s);
        deep->setValue(u"Adn "_s);
        QVERIFY(deep->focus());
        m_aids->ExpandOnSpace();
        QCOMPARE(deep->value(), u"And "_s);
        QCOMPARE(deep->selectionStart(), 4);
    }

    void passwordBoxesExpandButAreNotRemembered()
    {
        auto secret = focusField(u"secret"_s, u"x teh "_s);
        m_aids->setLastFieldText(u"x "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(secret->value(), u"x the "_s);
        secret->setValue(u"changed"_s);
        m_aids->RememberFieldText();
        QCOMPARE(m_aids->LastFieldText(), u"x the "_s);
    }

    void switchedOffAidsLeaveWordsAlone()
    {
        m_store->writeBool(SettingsStore::MainSection, u"QuickCorrect"_s, false);
        auto box = focusField(u"box"_s, u"go "_s);
        m_aids->RememberFieldText();
        box->setValue(u"go adn "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(box->value(), u"go adn "_s);
        box->setValue(u"go adn @email "_s);
        m_aids->ExpandOnSpace();
        QCOMPARE(box->value(), u"go adn mailto:me@example.org "_s);
    }

    void completionOfTextBoxesOnly()
    {
        auto box = focusField(u"box"_s, u"al"_s);
        m_aids->ArmTextBoxCompletion();
        QVERIFY(m_aids->tmrHTMLForm().isActive());
        QCOMPARE(m_aids->tmrHTMLForm().interval(), 750);
        m_aids->CompleteTextBox();
        QVERIFY(!m_aids->tmrHTMLForm().isActive());
        QCOMPARE(box->value(), u"alaska"_s);
        QCOMPARE(box->selectionStart(), 2);
        QCOMPARE(box->selectionEnd(), 6);

        m_store->writeInteger(SettingsStore::MainSection, u"TBAutoCase"_s, 0);
        box->setValue(u"alb"_s);
        m_aids->CompleteTextBox();
        QCOMPARE(box->value(), u"Albert Einstein"_s);
        QCOMPARE(box->selectionStart(), 3);

        auto area = focusField(u"area"_s, u"al"_s);
        m_aids->CompleteTextBox();
        QCOMPARE(area->value(), u"al"_s);

        m_store->writeBool(SettingsStore::MainSection, u"TBAutoComplete"_s, false);
        focusField(u"box"_s, u"al"_s);
        m_aids->ArmTextBoxCompletion();
        QVERIFY(!m_aids->tmrHTMLForm().isActive());
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
        // An address box holds its value without the trailing space.
        auto box = focusField(id, u"teh "_s);
        const QString typed = box->value();
        m_aids->ExpandOnSpace();
        QCOMPARE(box->value(), typed);
        box->setValue(u"al"_s);
        m_aids->CompleteTextBox();
        QCOMPARE(box->value(), u"al"_s);
    }

    void quickInsertPastesAndRestoresTheClipboard()
    {
        QClipboard *clipboard = QGuiApplication::clipboard();
        clipboard->setText(u"keep me"_s);
        auto box = focusField(u"box"_s, u"say "_s);
        QVERIFY(box->setSelectionRange(4, 4));
        m_aids->QuickInsertKey('W');
        QCOMPARE(box->value(), u"say hello world"_s);
        QCOMPARE(clipboard->text(), u"keep me"_s);

        // No entry, a key outside the printable range, or the aid off: nothing happens.
        m_aids->QuickInsertKey('Q');
        m_aids->QuickInsertKey(200);
        m_store->writeBool(SettingsStore::MainSection, u"QuickInsert"_s, false);
        m_aids->QuickInsertKey('W');
        QCOMPARE(box->value(), u"say hello world"_s);
        QCOMPARE(clipboard->text(), u"keep me"_s);
    }
};

KESTREL_TEST(InPageTypingAidsTest)
#include "InPageTypingAidsTest.moc"
