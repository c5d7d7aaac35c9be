#include "browser/TKestrelWB.h"
#include "browser/TfrmKestrelBrowser.h"
#include "pagetools/notes/PostNotes.h"
#include "pagetools/notes/TWebPostNote.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/LoopbackServer.h"
#include "testkit/TestRegistry.h"
#include "testkit/WaitUntil.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
constexpr int Timeout = 20000;
}

// Notes following the real engine's page events: stored notes come back when a page arrives,
// stay through a fragment link, and are stored again when the tab moves to another page.
class PostNotesEndToEndTest : public QObject
{
    Q_OBJECT

    LoopbackServer m_server;

private slots:
    void initTestCase()
    {
        QVERIFY(m_server.isListening());
        m_server.serve(u"/a.html"_s, "<!DOCTYPE html><html><body><p id=\"part\">page a</p></body></html>");
        m_server.serve(u"/b.html"_s, "<!DOCTYPE html><html><body><p>page b</p></body></html>");
    }

    void notesFollowThePagesOfATab()
    {
        SettingsStore().writeString(SettingsStore::MainSection, u"Web Note Folder"_s, QString());
        const QString file = DataFolder::filePath(u"postit.dat"_s);
        const QString a = m_server.url(u"/a.html"_s).toString();
        const QStringList stored{u'[' + a + u']', u"0.100|0.100|Stored|on page a"_s};
        QVERIFY(TextFile::writeLines(file, stored));

        TfrmKestrelBrowser window;
        window.resize(900, 700);
        window.show();
        window.AddBrowserTab(a + u"#part"_s);
        TKestrelWB *view = window.GetActiveBrowser();
        QVERIFY(waitUntil([&] { return !view->Busy() && PostNotes::notesOn(view).size() == 1; }, Timeout));
        QCOMPARE(PostNotes::notesOn(view).first()->Subject(), u"Stored"_s);
        QVERIFY(PostNotes::notesOn(view).first()->isVisible());

        // A fragment of the same page keeps the note, once.
        view->Navigate(a);
        QVERIFY(waitUntil([&] { return !view->Busy() && view->LocationURL() == a; }, Timeout));
        QTest::qWait(200);
        QCOMPARE(PostNotes::notesOn(view).size(), 1);

        PostNotes::notesOn(view).first()->setSubject(u"Changed"_s);
        const QString b = m_server.url(u"/b.html"_s).toString();
        view->Navigate(b);
        QVERIFY(waitUntil([&] { return !view->Busy() && view->LocationURL() == b; }, Timeout));
        QVERIFY(PostNotes::notesOn(view).isEmpty());
        // The place comes back to the nearest pixel of this view, so the fractions may move by one.
        const QStringList written = TextFile::readLines(file).value_or(QStringList());
        QCOMPARE(written.size(), 2);
        QCOMPARE(written.first(), u'[' + a + u']');
        QVERIFY2(written.last().endsWith(u"|Changed|on page a"_s), qPrintable(written.last()));

        view->Navigate(a);
        QVERIFY(waitUntil([&] { return !view->Busy() && PostNotes::notesOn(view).size() == 1; }, Timeout));
        QCOMPARE(PostNotes::notesOn(view).first()->Subject(), u"Changed"_s);
        QFile::remove(file);
    }
};

KESTREL_TEST(PostNotesEndToEndTest)
#include "PostNotesEndToEndTest.moc"
