#include "pagetools/notes/PostNotes.h"
#include "pagetools/notes/TWebPostNote.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "testkit/ScriptedPrompter.h"
#include "testkit/TestEnvironment.h"
#include "testkit/TestRegistry.h"
#include "ui/CommandRegistry.h"

#include <QMenu>
#include <QQueue>
#include <QTemporaryDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QString PageA = u"http://a.test/page"_s;

struct Entry
{
    QString subject;
    QString message;
};

// The notes of one view, with the note dialog answering from a queue (empty: Cancel) and the
// notes file in a folder of its own.
struct Rig
{
    QTemporaryDir data;
    CommandRegistry commands;
    SettingsStore settings;
    ScriptedPrompter prompter;
    QQueue<Entry> entries;
    QStringList dialogPresets;
    QWidget view;
    PostNotes notes{PostNotes::Services{commands, settings, prompter, data.path(), [this] { return &view; },
                                        [this](QString &subject, QString &message) {
                                            dialogPresets.append(subject + u'/' + message);
                                            if (entries.isEmpty())
                                                return false;
                                            const Entry entry = entries.dequeue();
                                            subject = entry.subject;
                                            message = entry.message;
                                            return true;
                                        }}};

    Rig()
    {
        settings.clearSection(SettingsStore::MainSection);
        view.resize(1000, 600);
    }
    QList<TWebPostNote *> shown() const { return PostNotes::notesOn(&view); }
    TWebPostNote *add(const QString &subject, const QString &message = QString())
    {
        entries.enqueue({subject, message});
        notes.AddNote();
        return shown().last();
    }
    QStringList file() const { return TextFile::readLines(notes.notesFilePath()).value_or(QStringList()); }
};
}

// Notes stuck on a view: adding, placing, dragging, editing, and their round trip through the
// notes file.
class PostNotesTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnQtWarnings(); }

    void addNotePlacesNotesDownTheViewAndWrapsAtItsFoot_data()
    {
        QTest::addColumn<int>("viewHeight");
        QTest::addColumn<int>("existing");
        QTest::addColumn<QPoint>("place");
        QTest::newRow("first") << 600 << 0 << QPoint(100, 100);
        QTest::newRow("third") << 600 << 2 << QPoint(100, 180);
        QTest::newRow("exactly fits") << 175 << 1 << QPoint(100, 140);
        QTest::newRow("past the foot") << 174 << 1 << QPoint(145, 66);
    }

    void addNotePlacesNotesDownTheViewAndWrapsAtItsFoot()
    {
        QFETCH(int, viewHeight);
        QFETCH(int, existing);
        QFETCH(QPoint, place);
        Rig rig;
        rig.view.resize(800, viewHeight);
        for (int i = 0; i < existing; ++i)
            rig.add(u"earlier"_s);
        TWebPostNote *note = rig.add(u"Subject"_s, u"Message"_s);
        QCOMPARE(note->pos(), place);
        QCOMPARE(note->Subject(), u"Subject"_s);
        QCOMPARE(note->TextMessage(), u"Message"_s);
        QVERIFY(!note->isOpen());
        // The dialog starts empty every time.
        QCOMPARE(rig.dialogPresets.last(), u"/"_s);
    }

    void notesComeBackInProportionAndInsideTheEdges_data()
    {
        QTest::addColumn<QPoint>("savedAt");
        QTest::addColumn<bool>("open");
        QTest::addColumn<QSize>("loadedInto");
        QTest::addColumn<QPoint>("loadedAt");
        // Saved on a 1000 x 600 view.
        QTest::newRow("right edge, narrower view") << QPoint(960, 300) << false << QSize(500, 600) << QPoint(480, 300);
        QTest::newRow("past the right edge") << QPoint(1000, 300) << false << QSize(1000, 600) << QPoint(942, 300);
        QTest::newRow("past the foot") << QPoint(100, 700) << false << QSize(1000, 600) << QPoint(100, 542);
        QTest::newRow("open, past both") << QPoint(1200, 600) << true << QSize(1000, 600) << QPoint(815, 415);
        QTest::newRow("past the edge, smaller view") << QPoint(1000, 0) << false << QSize(500, 300) << QPoint(471, 0);
    }

    void notesComeBackInProportionAndInsideTheEdges()
    {
        QFETCH(QPoint, savedAt);
        QFETCH(bool, open);
        QFETCH(QSize, loadedInto);
        QFETCH(QPoint, loadedAt);
        Rig rig;
        TWebPostNote *note = rig.add(u"Subject"_s);
        if (open)
            note->ImageDblClick();
        note->move(savedAt);
        rig.notes.SaveNotes(&rig.view, PageA);
        QVERIFY(rig.shown().isEmpty());

        rig.view.resize(loadedInto);
        rig.notes.LoadNotes(&rig.view, PageA);
        QCOMPARE(rig.shown().size(), 1);
        // Notes come back closed.
        QCOMPARE(rig.shown().first()->size(), QSize(TWebPostNote::ClosedSize, TWebPostNote::ClosedSize));
        QCOMPARE(rig.shown().first()->pos(), loadedAt);
    }

    void aMessageOfSeveralLinesIsStoredOnOneLine()
    {
        Rig rig;
        rig.add(u"Shopping"_s, u"milk\nbread\n\neggs"_s);
        rig.notes.SaveNotes(&rig.view, PageA);
        QCOMPARE(rig.file(), (QStringList{u"[http://a.test/page]"_s, u"0.100|0.167|Shopping|milk<br>bread<br><br>eggs"_s}));
        rig.notes.LoadNotes(&rig.view, PageA);
        QCOMPARE(rig.shown().first()->TextMessage(), u"milk\nbread\n\neggs"_s);
    }

    void savingAPageWithoutNotesRemovesItsBlock()
    {
        Rig rig;
        QVERIFY(TextFile::writeLines(rig.notes.notesFilePath(),
                                     {u"[http://b.test/]"_s, u"0.500|0.500|B|kept"_s, u"[HTTP://A.TEST/PAGE]"_s,
                                      u"0.100|0.100|A|gone"_s, u"not a note"_s}));
        rig.notes.LoadNotes(&rig.view, PageA);
        QCOMPARE(rig.shown().size(), 1);
        rig.prompter.queueAnswer(Prompter::Answer::Yes);
        rig.shown().first()->Delete1Click();
        QCOMPARE(rig.prompter.texts(), QStringList{u"Do you want to delete this message?"_s});
        QVERIFY(rig.shown().isEmpty());
        rig.notes.SaveNotes(&rig.view, PageA + u"#part"_s);
        QCOMPARE(rig.file(), (QStringList{u"[http://b.test/]"_s, u"0.500|0.500|B|kept"_s}));

        // Pages that never had notes leave no file behind.
        QVERIFY(QFile::remove(rig.notes.notesFilePath()));
        rig.notes.LoadNotes(&rig.view, PageA);
        rig.notes.SaveNotes(&rig.view, PageA);
        QVERIFY(!QFile::exists(rig.notes.notesFilePath()));
    }

    void aSecondLeaveBeforeThePageChangedKeepsItsNotes()
    {
        Rig rig;
        QVERIFY(TextFile::writeLines(rig.notes.notesFilePath(), {u"[http://a.test/page]"_s, u"0.100|0.100|A|one"_s}));
        rig.notes.LoadNotes(&rig.view, PageA);
        rig.notes.SaveNotes(&rig.view, PageA);
        rig.notes.SaveNotes(&rig.view, PageA);
        QCOMPARE(rig.file(), (QStringList{u"[http://a.test/page]"_s, u"0.100|0.100|A|one"_s}));
    }

    void reachingThePageShownAgainKeepsItsNotes()
    {
        Rig rig;
        QVERIFY(TextFile::writeLines(rig.notes.notesFilePath(), {u"[http://a.test/page]"_s, u"0.100|0.100|A|one"_s}));
        rig.notes.LoadNotes(&rig.view, PageA + u"#one"_s);
        rig.shown().first()->move(300, 300);
        // A fragment of the page, or the page reloaded, neither duplicates nor moves them.
        rig.notes.LoadNotes(&rig.view, PageA + u"#two"_s);
        rig.notes.LoadNotes(&rig.view, PageA);
        QCOMPARE(rig.shown().size(), 1);
        QCOMPARE(rig.shown().first()->pos(), QPoint(300, 300));
    }

    void theNoteFolderSettingNamesWhereTheFileIs()
    {
        Rig rig;
        QCOMPARE(rig.notes.notesFilePath(), rig.data.filePath(u"postit.dat"_s));
        QTemporaryDir elsewhere;
        rig.settings.writeString(SettingsStore::MainSection, u"Web Note Folder"_s, u"  "_s + elsewhere.path() + u" "_s);
        QCOMPARE(rig.notes.notesFilePath(), elsewhere.filePath(u"postit.dat"_s));
        rig.settings.writeString(SettingsStore::MainSection, u"Web Note Folder"_s, u" "_s);
        QCOMPARE(rig.notes.notesFilePath(), rig.data.filePath(u"postit.dat"_s));
    }

    void anUnreadableFileIsNotWrittenOver()
    {
        Rig rig;
        QVERIFY(TextFile::writeLines(rig.notes.notesFilePath(), {u"[http://b.test/]"_s, u"0.500|0.500|B|kept"_s}));
        const QString path = rig.notes.notesFilePath();
        TextFile::setFault([path](const QString &file, TextFile::Access access) {
            return file == path && access == TextFile::Access::Read;
        });
        rig.add(u"A"_s);
        rig.notes.SaveNotes(&rig.view, PageA);
        TextFile::setFault({});
        QCOMPARE(rig.file(), (QStringList{u"[http://b.test/]"_s, u"0.500|0.500|B|kept"_s}));
    }

    void theIconOpensAndDragsTheNoteWithinTheView()
    {
        Rig rig;
        TWebPostNote *note = rig.add(u"Subject"_s, u"Message"_s);
        note->ImageDblClick();
        QVERIFY(note->isOpen());
        QCOMPARE(note->size(), QSize(TWebPostNote::OpenSize, TWebPostNote::OpenSize));
        note->ImageDblClick();
        QVERIFY(!note->isOpen());

        note->move(100, 100);
        note->ImageMouseDown(QPoint(10, 10));
        note->ImageMouseMove(QPoint(60, 30), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(note->pos(), QPoint(150, 120));
        // Without the left button alone, or with a key held, nothing moves.
        note->ImageMouseMove(QPoint(60, 30), Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        note->ImageMouseMove(QPoint(60, 30), Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(note->pos(), QPoint(150, 120));
        // Each axis stops at its own limit: 0 <= left < 1000 - 33.
        note->ImageMouseMove(QPoint(10 + 900, 10 - 200), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(note->pos(), QPoint(150, 120));
        note->ImageMouseMove(QPoint(10 + 816, 10 + 5), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(note->pos(), QPoint(966, 125));
        note->ImageMouseMove(QPoint(11, 10), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(note->pos(), QPoint(966, 125));
        // A note left beyond the edge by a narrower view can be dragged back inward.
        rig.view.resize(500, 600);
        note->ImageMouseMove(QPoint(10 - 100, 10), Qt::LeftButton, Qt::NoModifier);
        QCOMPARE(note->pos(), QPoint(866, 125));
    }

    void theContextMenuEditsAndTogglesTheScrollBar()
    {
        Rig rig;
        TWebPostNote *note = rig.add(u"Old"_s, u"old text"_s);
        const auto entries = note->PopupMenu()->actions();
        QStringList captions;
        for (const QAction *entry : entries)
            captions.append(entry->isSeparator() ? u"-"_s : entry->text());
        QCOMPARE(captions, (QStringList{u"&Edit"_s, u"&Delete"_s, u"-"_s, u"&Show Scroll Bar"_s}));

        entries.at(3)->trigger();
        note->PopupMenuPopup();
        QVERIFY(note->hasScrollBar());
        QCOMPARE(entries.at(3)->text(), u"&Hide Scroll Bar"_s);
        entries.at(3)->trigger();
        note->PopupMenuPopup();
        QCOMPARE(entries.at(3)->text(), u"&Show Scroll Bar"_s);

        rig.entries.enqueue({u"New"_s, u"new text"_s});
        entries.at(0)->trigger();
        QCOMPARE(rig.dialogPresets.last(), u"Old/old text"_s);
        QCOMPARE(note->Subject(), u"New"_s);
        QCOMPARE(note->TextMessage(), u"new text"_s);
        // Cancel keeps the texts; No keeps the note.
        entries.at(0)->trigger();
        QCOMPARE(note->Subject(), u"New"_s);
        rig.prompter.queueAnswer(Prompter::Answer::No);
        entries.at(1)->trigger();
        QCOMPARE(rig.shown().size(), 1);
    }
};

KESTREL_TEST(PostNotesTest)
#include "PostNotesTest.moc"
