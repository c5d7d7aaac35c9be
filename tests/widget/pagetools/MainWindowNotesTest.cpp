#include "browser/TKestrelWB.h"
#include "browser/TabbedBrowser.h"
#include "browser/TfrmKestrelBrowser.h"
#include "browser/tabs/TabSet.h"
#include "pagetools/notes/PostNotes.h"
#include "pagetools/notes/TWebPostNote.h"
#include "pagetools/notes/TfrmPostNote.h"
#include "shell/DataFolder.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/FakeControl.h"
#include "testkit/ModalDialog.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandIds.h"

#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString Page = u"http://b.test/page"_s;

// A main window on fake engine controls, the notes file in the data folder starting empty.
struct Window
{
    TfrmKestrelBrowser window{[] { return std::make_unique<FakeControl>(); }};

    Window()
    {
        SettingsStore().writeString(SettingsStore::MainSection, u"Web Note Folder"_s, QString());
        QFile::remove(notesFile());
        QFile::remove(TextFile::backupPath(notesFile()));
        window.resize(900, 700);
    }
    static QString notesFile() { return DataFolder::filePath(u"postit.dat"_s); }
    TabSet &tabs() const { return window.tabbedBrowser().tabs(); }
    TKestrelWB *active() const { return window.GetActiveBrowser(); }
    FakeControl *control() const { return static_cast<FakeControl *>(active()->control()); }
    QList<TWebPostNote *> notes() const { return PostNotes::notesOn(active()); }
    // A new tab that has reached the address.
    void open(const QString &address)
    {
        window.AddBrowserTab(address);
        control()->loadPage(QUrl(address), u"Title"_s);
    }
    QStringList file() const { return TextFile::readLines(notesFile()).value_or(QStringList()); }
};

// Enters a note in the note dialog once it shows, typing each text.
WhenModal enterNote(const QString &subject, const QString &firstLine, const QString &secondLine)
{
    return WhenModal([=](QWidget *dialog) {
        auto *form = qobject_cast<TfrmPostNote *>(dialog);
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), u"Post Web Note"_s);
        QTest::keyClicks(form->edSubject(), subject);
        QTest::keyClicks(form->memMessage(), firstLine);
        QTest::keyClick(form->memMessage(), Qt::Key_Return);
        QTest::keyClicks(form->memMessage(), secondLine);
        for (QPushButton *button : form->findChildren<QPushButton *>()) {
            if (button->text() == u"OK"_s)
                button->click();
        }
    });
}
}

// Notes as the main window runs them: on the page events, tab closes and the window's close.
class MainWindowNotesTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // The offscreen platform reports what it cannot do for dialogs; nothing else may warn.
        QTest::failOnWarning(QRegularExpression(u"^(?!This plugin does not support ).*"_s));
    }

    void fragmentsShareNotesAndAClosedTabKeepsThem()
    {
        Window w;
        w.open(u"http://a.test/"_s);
        w.open(Page + u"#one"_s);
        {
            const WhenModal dialog = enterNote(u"To|do"_s, u"first |line"_s, u"second"_s);
            QVERIFY(w.window.commands().trigger(CommandIds::AddNote));
        }
        QCOMPARE(w.notes().size(), 1);
        QCOMPARE(w.notes().first()->Subject(), u"Todo"_s);
        QCOMPARE(w.notes().first()->TextMessage(), u"first line\nsecond"_s);

        // Another fragment of the page keeps the note as it is.
        w.control()->loadPage(QUrl(Page + u"#two"_s), u"Title"_s);
        QCOMPARE(w.notes().size(), 1);
        QVERIFY(w.file().isEmpty());

        // Closing the tab stores its notes.
        w.tabs().CloseActiveTab();
        const QStringList stored = w.file();
        QCOMPARE(stored.size(), 2);
        QCOMPARE(stored.first(), u"[http://b.test/page]"_s);
        QVERIFY2(stored.last().endsWith(u"|Todo|first line<br>second"_s), qPrintable(stored.last()));

        w.open(Page + u"#three"_s);
        QCOMPARE(w.notes().size(), 1);
        QCOMPARE(w.notes().first()->Subject(), u"Todo"_s);

        // Leaving for another page stores and removes them; coming back brings them again.
        w.control()->loadPage(QUrl(u"http://c.test/"_s), u"Title"_s);
        QVERIFY(w.notes().isEmpty());
        w.control()->loadPage(QUrl(Page), u"Title"_s);
        QCOMPARE(w.notes().size(), 1);
    }

    void aFrameReachingAnotherPageTakesThePlaceOfItsNotes()
    {
        Window w;
        QVERIFY(TextFile::writeLines(Window::notesFile(), {u"[http://b.test/page]"_s, u"0.100|0.100|Page|p"_s,
                                                           u"[http://ads.test/frame]"_s, u"0.200|0.200|Frame|f"_s}));
        w.open(Page);
        QCOMPARE(w.notes().size(), 1);
        const QUrl frame(u"http://ads.test/frame"_s);
        QVERIFY(w.control()->raiseBeforeNavigate(frame, BrowserFrame::UnnamedSubframe));
        QVERIFY(w.notes().isEmpty());
        w.control()->raiseNavigateComplete(frame, BrowserFrame::UnnamedSubframe);
        QCOMPARE(w.notes().size(), 1);
        QCOMPARE(w.notes().first()->Subject(), u"Frame"_s);
    }

    void closingTheWindowStoresTheNotesOfEveryTab()
    {
        Window w;
        w.window.show();
        w.open(u"http://one.test/"_s);
        {
            const WhenModal dialog = enterNote(u"One"_s, u"a"_s, u"b"_s);
            QVERIFY(w.window.commands().trigger(CommandIds::AddNote));
        }
        w.open(u"http://two.test/"_s);
        {
            const WhenModal dialog = enterNote(u"Two"_s, u"c"_s, u"d"_s);
            QVERIFY(w.window.commands().trigger(CommandIds::AddNote));
        }
        w.window.close();
        const QStringList file = w.file();
        QVERIFY(file.contains(u"[http://one.test/]"_s));
        QVERIFY(file.contains(u"[http://two.test/]"_s));
        QCOMPARE(file.filter(u"|One|"_s).size() + file.filter(u"|Two|"_s).size(), 2);
    }
};

KESTREL_TEST(MainWindowNotesTest)
#include "MainWindowNotesTest.moc"
