#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "pagetools/PageFormat.h"
#include "testkit/LoopbackServer.h"
#include "testkit/PageScript.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandRegistry.h"

#include <QMenu>
#include <QTest>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int Timeout = 20000;

QAction *entryOf(QMenu *menu, const QString &caption)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == caption)
            return action;
        if (action->menu()) {
            if (QAction *inner = entryOf(action->menu(), caption))
                return inner;
        }
    }
    return nullptr;
}

// The page format menu acting on the window's active view.
std::unique_ptr<PageFormat> pageFormatOf(TfrmKestrelBrowser &window, CommandRegistry &commands,
                                         ScriptedPrompter &prompter)
{
    return std::make_unique<PageFormat>(
        commands, prompter,
        PageFormat::Page{[&window] { return window.GetActiveDocument(); },
                         [&window, &prompter](CommandTarget::Group group, int id, int option) {
                             TKestrelWB *view = window.GetActiveBrowser();
                             return view ? view->ExecCommandTarget(group, id, option, prompter) : QVariant();
                         }});
}

// Selects the words of #chosen, in a page with nothing editable.
const QString SelectScript = uR"((function () {
    var range = document.createRange();
    range.selectNodeContents(document.getElementById('chosen'));
    getSelection().removeAllRanges();
    getSelection().addRange(range);
    return String(getSelection());
})())"_s;

// Runs the body given as %1 with the frame's field as "field".
const QString FrameFieldScript = uR"((function () {
    var frame = document.getElementById('f');
    var field = frame && frame.contentDocument && frame.contentDocument.getElementById('field');
    %1;
})())"_s;

// The background and text colours of the outer page's body and of the frame's body.
const QString ColoursScript = uR"((function () {
    var inner = document.getElementById('f').contentDocument.body;
    return [getComputedStyle(document.body).backgroundColor, getComputedStyle(document.body).color,
            getComputedStyle(inner).backgroundColor, getComputedStyle(inner).color];
})())"_s;

// How the chosen words are shown now, whether the page is still not editable, and what is selected.
const QString StyleScript = uR"((function () {
    var walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    var node;
    while ((node = walker.nextNode()) && node.data !== 'chosen words') {}
    if (!node)
        return [];
    // A background is not inherited: take the nearest one painted behind the words.
    var background = 'none';
    for (var element = node.parentElement; element && background === 'none'; element = element.parentElement) {
        var colour = getComputedStyle(element).backgroundColor;
        if (colour !== 'rgba(0, 0, 0, 0)')
            background = colour;
    }
    return [getComputedStyle(node.parentElement).fontWeight, background, document.designMode,
            String(getSelection())];
})())"_s;
}

// The selection commands of the page format menu on the real engine, on a page the user cannot edit.
class PageFormatEndToEndTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

    // Shows the window with one tab on the server's page; that tab's view.
    TKestrelWB *showOn(TfrmKestrelBrowser &window, const QString &path)
    {
        window.resize(900, 700);
        window.show();
        window.AddBrowserTab(m_server.url(path).toString());
        return window.GetActiveBrowser();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serve(u"/plain.html"_s, "<!DOCTYPE html><html><body><p>before "
                                         "<span id=\"chosen\">chosen words</span> after</p></body></html>");
        m_server.serve(u"/framed.html"_s, "<!DOCTYPE html><html><body><p>outer</p>"
                                          "<iframe id=\"f\" src=\"inner.html\"></iframe></body></html>");
        m_server.serve(u"/inner.html"_s, "<!DOCTYPE html><html><body><p>inner</p>"
                                         "<input id=\"field\" value=\"x\"></body></html>");
    }

    void boldAndBackgroundColourRestyleTheSelection()
    {
        TfrmKestrelBrowser window;
        TKestrelWB *view = showOn(window, u"/plain.html"_s);
        QVERIFY(view);
        QVERIFY(waitUntil([&] {
            const auto document = window.GetActiveDocument();
            return !view->Busy() && document && document->bodyInnerText().contains(u"chosen words"_s);
        }, Timeout));
        QCOMPARE(runPageScript(view, SelectScript).toString(), u"chosen words"_s);

        CommandRegistry commands;
        ScriptedPrompter prompter;
        const std::unique_ptr<PageFormat> format = pageFormatOf(window, commands, prompter);
        QMenu &menu = format->PopupMenuPageFormat();
        format->PopupMenuPageFormatPopup();
        QAction *bold = entryOf(&menu, u"&Bold"_s);
        QAction *background = entryOf(&menu, u"&Selection Background Color"_s);
        QVERIFY(bold && background);
        QVERIFY(background->isEnabled());
        QAction *styleMenu = entryOf(&menu, u"Selected Font St&yle"_s);
        QVERIFY(styleMenu && styleMenu->isEnabled());
        QVERIFY(!bold->isChecked());

        bold->trigger();
        prompter.queueColour(QColor(0x12, 0xAB, 0xEF));
        background->trigger();

        const QVariantList style = runPageScript(view, StyleScript).toList();
        QCOMPARE(style.size(), 4);
        QCOMPARE(style.at(0).toString(), u"700"_s);
        QCOMPARE(style.at(1).toString(), u"rgb(18, 171, 239)"_s);
        QCOMPARE(style.at(2).toString(), u"off"_s);
        QCOMPARE(style.at(3).toString(), u"chosen words"_s);

        // The menu now shows the selection as bold.
        format->PopupMenuPageFormatPopup();
        QVERIFY(bold->isChecked());
    }

    void aColourSetInAFocusedFrameChangesOnlyThatFrame()
    {
        TfrmKestrelBrowser window;
        TKestrelWB *view = showOn(window, u"/framed.html"_s);
        QVERIFY(view);
        QVERIFY(waitUntil([&] {
            return !view->Busy()
                && runPageScript(view, FrameFieldScript.arg(u"return !!field"_s)).toBool();
        }, Timeout));
        QCOMPARE(runPageScript(view, FrameFieldScript.arg(u"field.focus(); return document.activeElement.id"_s))
                     .toString(),
                 u"f"_s);
        QVERIFY(waitUntil([&] {
            const auto document = window.GetActiveDocument();
            return document && document->bodyInnerText().contains(u"inner"_s);
        }, Timeout));

        CommandRegistry commands;
        ScriptedPrompter prompter;
        const std::unique_ptr<PageFormat> format = pageFormatOf(window, commands, prompter);
        prompter.queueColour(QColor(Qt::red));
        QAction *background = entryOf(&format->PopupMenuPageFormat(), u"&Background Color"_s);
        QVERIFY(background);
        background->trigger();
        prompter.queueColour(QColor(0x12, 0xAB, 0xEF));
        entryOf(&format->PopupMenuPageFormat(), u"Font &Color"_s)->trigger();

        const QVariantList colours = runPageScript(view, ColoursScript).toList();
        QCOMPARE(colours, (QVariantList{u"rgba(0, 0, 0, 0)"_s, u"rgb(0, 0, 0)"_s, u"rgb(255, 0, 0)"_s,
                                        u"rgb(18, 171, 239)"_s}));
    }
};

KESTREL_TEST(PageFormatEndToEndTest)
#include "PageFormatEndToEndTest.moc"
