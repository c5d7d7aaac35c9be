#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "pagetools/ActiveDocument.h"
#include "pagetools/PageAsText.h"
#include "pagetools/PageCommands.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "testkit/memorypage/MemoryPageFixture.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString topPage = uR"(<html><body><p>top words</p><input id="top" value="top field"/>
<iframe id="outer" src="outer.html"></iframe></body></html>)"_s;
const QString outerPage = uR"(<html><body><p>outer words</p><input id="middle"/>
<iframe id="inner" src="inner.html"></iframe></body></html>)"_s;
const QString innerPage = uR"(<html><body><p>inner words</p><p>second line</p><input id="deep" value="deep text"/></body></html>)"_s;

std::shared_ptr<PageDocument> frameDocument(const std::shared_ptr<PageDocument> &document, const QString &frameId)
{
    const auto frame = document ? document->elementById(frameId) : nullptr;
    const auto window = frame ? frame->contentWindow() : nullptr;
    return window ? window->document() : nullptr;
}

// A document that reports one command as unsupported, as some controls do; everything else
// goes to the page underneath.
class WithoutCommand final : public PageDocument
{
public:
    WithoutCommand(std::shared_ptr<PageDocument> page, QString missing)
        : m_page(std::move(page)), m_missing(std::move(missing))
    {
    }
    std::shared_ptr<PageElement> activeElement() override { return m_page->activeElement(); }
    std::shared_ptr<PageWindow> parentWindow() override { return m_page->parentWindow(); }
    QString url() override { return m_page->url(); }
    std::shared_ptr<PageElement> elementById(const QString &id) override { return m_page->elementById(id); }
    std::optional<PageFocusedForm> focusedForm() override { return m_page->focusedForm(); }
    int writeControls(const std::vector<PageControlWrite> &writes) override { return m_page->writeControls(writes); }
    bool execCommand(const QString &command, bool ui, const QString &value) override
    {
        return !missing(command) && m_page->execCommand(command, ui, value);
    }
    bool queryCommandSupported(const QString &command) override
    {
        return !missing(command) && m_page->queryCommandSupported(command);
    }
    bool queryCommandEnabled(const QString &command) override
    {
        // Asked anyway, an unsupported command would claim to be enabled.
        return missing(command) || m_page->queryCommandEnabled(command);
    }
    bool queryCommandState(const QString &command) override { return m_page->queryCommandState(command); }
    QString queryCommandValue(const QString &command) override { return m_page->queryCommandValue(command); }
    QString bodyInnerText() override { return m_page->bodyInnerText(); }
    QString bgColor() override { return m_page->bgColor(); }
    bool setBgColor(const QString &colour) override { return m_page->setBgColor(colour); }
    QString fgColor() override { return m_page->fgColor(); }
    bool setFgColor(const QString &colour) override { return m_page->setFgColor(colour); }
    QString linkColor() override { return m_page->linkColor(); }
    bool setLinkColor(const QString &colour) override { return m_page->setLinkColor(colour); }
    QString alinkColor() override { return m_page->alinkColor(); }
    bool setAlinkColor(const QString &colour) override { return m_page->setAlinkColor(colour); }
    QString vlinkColor() override { return m_page->vlinkColor(); }
    bool setVlinkColor(const QString &colour) override { return m_page->setVlinkColor(colour); }

private:
    bool missing(const QString &command) const { return command.compare(m_missing, Qt::CaseInsensitive) == 0; }
    std::shared_ptr<PageDocument> m_page;
    QString m_missing;
};

// The page commands over an in-memory page, the focused document found as the main window
// finds it.
struct Rig
{
    MemoryPageFixture fixture;
    std::shared_ptr<PageDocument> top;
    CommandRegistry commands;
    ScriptedPrompter prompter;
    QTemporaryDir folder;
    QStringList opened;
    PageAsText asText{folder.path(), [this](const QString &path) { opened.append(path); }};
    std::unique_ptr<PageCommands> pageCommands;

    Rig()
    {
        top = fixture.load(topPage, {{u"outer.html"_s, outerPage}, {u"inner.html"_s, innerPage}});
        PageCommands::Page page;
        page.activeBrowser = [] { return nullptr; };
        page.activeDocument = [this] { return focusedDocumentOf(top); };
        page.addBrowserTab = [](const QString &) {};
        pageCommands = std::make_unique<PageCommands>(commands, prompter, std::move(page), asText);
    }
    std::shared_ptr<PageDocument> outer() const { return frameDocument(top, u"outer"_s); }
    std::shared_ptr<PageDocument> inner() const { return frameDocument(outer(), u"inner"_s); }
    bool enabled(const QString &id) const { return commands.find(id)->isEnabled(); }
};
}

class PageCommandsTest : public QObject
{
    Q_OBJECT

private slots:
    void theFocusedDocumentIsTheInnermostFrameHoldingTheFocus()
    {
        Rig rig;
        QVERIFY(rig.inner());
        QVERIFY(rig.inner()->elementById(u"deep"_s)->focus());
        auto focused = focusedDocumentOf(rig.top);
        QVERIFY(focused && focused->elementById(u"deep"_s));

        // A frame's window with the focus but no focused element inside: that frame.
        QVERIFY(rig.outer()->parentWindow()->focus());
        focused = focusedDocumentOf(rig.top);
        QVERIFY(focused && focused->elementById(u"middle"_s) && !focused->elementById(u"deep"_s));

        // Focus outside any frame: the top-level document itself.
        QVERIFY(rig.top->elementById(u"top"_s)->focus());
        QVERIFY(focusedDocumentOf(rig.top) == rig.top);
        QVERIFY(!focusedDocumentOf(nullptr));
    }

    void theEditMenuFollowsTheFocusedDocument()
    {
        Rig rig;
        // Before the menu was ever opened only "Select All" is on.
        QVERIFY(!rig.enabled(CommandIds::Cut) && !rig.enabled(CommandIds::Copy) && !rig.enabled(CommandIds::Paste));
        QVERIFY(rig.enabled(CommandIds::SelectAll));

        QGuiApplication::clipboard()->setText(u"clip"_s);
        const auto deep = rig.inner()->elementById(u"deep"_s);
        QVERIFY(deep->focus());
        QVERIFY(deep->setSelectionRange(0, 4));
        rig.pageCommands->PopupMenuEditPopup();
        QVERIFY(rig.enabled(CommandIds::Cut) && rig.enabled(CommandIds::Copy) && rig.enabled(CommandIds::Paste));
        QVERIFY(rig.enabled(CommandIds::SelectAll));

        // The empty field of the middle frame has nothing to cut, copy or select.
        QVERIFY(rig.outer()->elementById(u"middle"_s)->focus());
        rig.pageCommands->PopupMenuEditPopup();
        QVERIFY(!rig.enabled(CommandIds::Cut) && !rig.enabled(CommandIds::Copy) && !rig.enabled(CommandIds::SelectAll));
        QVERIFY(rig.enabled(CommandIds::Paste));
    }

    void anUnsupportedCommandKeepsItsEntryAndNoDocumentDisablesAll()
    {
        Rig rig;
        QVERIFY(rig.top->elementById(u"top"_s)->focus());
        rig.top = std::make_shared<WithoutCommand>(rig.top, u"CUT"_s);
        rig.commands.find(CommandIds::Cut)->setEnabled(true);
        rig.commands.find(CommandIds::Copy)->setEnabled(true);
        rig.pageCommands->PopupMenuEditPopup();
        QVERIFY(rig.enabled(CommandIds::Cut));
        QVERIFY(!rig.enabled(CommandIds::Copy));

        rig.top.reset();
        rig.pageCommands->PopupMenuEditPopup();
        for (const QString &id : {CommandIds::Cut, CommandIds::Copy, CommandIds::Paste, CommandIds::SelectAll})
            QVERIFY2(!rig.enabled(id), qPrintable(id));
        // Without a document the commands themselves do nothing.
        rig.pageCommands->SelectAll1Click();
        rig.pageCommands->ViewWebPageAsText1Click();
        QVERIFY(rig.opened.isEmpty());
    }

    void selectAllActsOnTheFocusedInnerFrameOnly()
    {
        Rig rig;
        const auto topField = rig.top->elementById(u"top"_s);
        QVERIFY(topField->setSelectionRange(1, 2));
        const auto deep = rig.inner()->elementById(u"deep"_s);
        QVERIFY(deep->focus());
        QVERIFY(deep->setSelectionRange(2, 2));

        QVERIFY(rig.commands.trigger(CommandIds::SelectAll));
        QCOMPARE(deep->selectionStart(), 0);
        QCOMPARE(deep->selectionEnd(), 9);
        QCOMPARE(topField->selectionStart(), 1);
        QCOMPARE(topField->selectionEnd(), 2);
    }

    void pageAsTextWritesTheFocusedFramesTextAndOpensIt()
    {
        Rig rig;
        QVERIFY(rig.inner()->elementById(u"deep"_s)->focus());
        rig.pageCommands->ViewWebPageAsText1Click();
        QCOMPARE(rig.opened.size(), 1);
        const QString path = rig.opened.first();
        QCOMPARE(QFileInfo(path).absolutePath(), QDir(rig.folder.path()).absolutePath());
        const auto number = QRegularExpression(u"^kbt(\\d+)\\.txt$"_s).match(QFileInfo(path).fileName());
        QVERIFY(number.hasMatch());
        QVERIFY(number.captured(1).toInt() < 50000);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY(bytes.contains("inner words\r\n"));
        QVERIFY(bytes.endsWith("\r\n"));
        QVERIFY(!bytes.contains("outer words") && !bytes.contains("top words"));

        // A second use writes a file of its own name (or the same one again).
        rig.pageCommands->ViewWebPageAsText1Click();
        QCOMPARE(rig.opened.size(), 2);
        QVERIFY(QFile::exists(rig.opened.at(1)));
    }

    void pageAsTextThatCannotBeWrittenOpensNothing()
    {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(u"file"_s);
        QFile blocker(notAFolder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MemoryPageFixture fixture;
        const auto page = fixture.load(innerPage, {});
        QStringList opened;
        PageAsText asText(notAFolder, [&](const QString &path) { opened.append(path); });
        QVERIFY(asText.show(page.get()).isEmpty());
        QVERIFY(opened.isEmpty());
    }
};

KESTREL_TEST(PageCommandsTest)
#include "PageCommandsTest.moc"
