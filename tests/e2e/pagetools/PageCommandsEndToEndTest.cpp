#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/engine/EnginePage.h"
#include "browser/engine/WebEngineControl.h"
#include "browser/page/PageDocument.h"
#include "browser/page/PageElement.h"
#include "browser/page/PageWindow.h"
#include "testkit/LoopbackServer.h"
#include "testkit/PageScript.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"
#include "ui/CommandIds.h"

#include <QFile>
#include <QTest>
#include <optional>

using namespace Qt::StringLiterals;

namespace {
constexpr int Timeout = 20000;

std::shared_ptr<PageDocument> frameDocument(const std::shared_ptr<PageDocument> &document, const QString &frameId)
{
    const auto frame = document ? document->elementById(frameId) : nullptr;
    const auto window = frame ? frame->contentWindow() : nullptr;
    return window ? window->document() : nullptr;
}

// The selected text of the top page and of its two nested frames, as the page itself sees it.
const QString SelectionsScript = uR"((function () {
    var outer = document.getElementById('outer').contentDocument;
    var inner = outer.getElementById('inner').contentDocument;
    return [String(getSelection()), String(outer.getSelection()), String(inner.getSelection())];
})())"_s;
}

// The page commands of the main window on the real engine: they act on the frame that holds
// the focus, however deep it lies.
class PageCommandsEndToEndTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serve(u"/top.html"_s, "<!DOCTYPE html><html><body><p>top words</p>"
                                       "<iframe id=\"outer\" src=\"outer.html\"></iframe></body></html>");
        m_server.serve(u"/outer.html"_s, "<!DOCTYPE html><html><body><p>outer words</p>"
                                         "<iframe id=\"inner\" src=\"inner.html\"></iframe></body></html>");
        m_server.serve(u"/inner.html"_s,
                       "<!DOCTYPE html><html><body><p>inner words</p><p>second line</p></body></html>");
    }

    void selectAllAndPageAsTextActOnTheFocusedInnerFrame()
    {
        TfrmKestrelBrowser window;
        window.resize(900, 700);
        window.show();
        window.AddBrowserTab(m_server.url(u"/top.html"_s).toString());
        TKestrelWB *view = window.GetActiveBrowser();
        QVERIFY(view);

        std::shared_ptr<PageDocument> inner;
        QVERIFY(waitUntil(
            [&] {
                if (view->Busy())
                    return false;
                inner = frameDocument(frameDocument(view->Document(), u"outer"_s), u"inner"_s);
                return inner && inner->bodyInnerText().contains(u"inner words"_s);
            },
            Timeout));
        QVERIFY(inner->parentWindow()->focus());
        QVERIFY(waitUntil([&] {
            const auto focused = window.GetActiveDocument();
            return focused && focused->bodyInnerText().contains(u"inner words"_s);
        }, Timeout));

        QVERIFY(window.commands().trigger(CommandIds::SelectAll));
        QVariantList selections;
        QVERIFY(waitUntil([&] {
            selections = runPageScript(view, SelectionsScript).toList();
            return selections.size() == 3 && !selections.at(2).toString().isEmpty();
        }, Timeout));
        QVERIFY(selections.at(2).toString().contains(u"inner words"_s));
        QVERIFY(selections.at(2).toString().contains(u"second line"_s));
        QVERIFY(selections.at(0).toString().isEmpty());
        QVERIFY(selections.at(1).toString().isEmpty());

        QStringList opened;
        window.pageAsText().setOpener([&](const QString &path) {
            opened.append(path);
            return true;
        });
        QVERIFY(window.commands().trigger(CommandIds::ViewAsText));
        QCOMPARE(opened.size(), 1);
        QFile file(opened.first());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("inner words\r\n"));
        QVERIFY(text.contains("second line"));
        QVERIFY(!text.contains("outer words") && !text.contains("top words"));
        file.close();
        QFile::remove(opened.first());
    }
};

KESTREL_TEST(PageCommandsEndToEndTest)
#include "PageCommandsEndToEndTest.moc"
