#include "pagetools/notes/PostNotes.h"

#include "pagetools/notes/TWebPostNote.h"
#include "shell/SettingsStore.h"
#include "shell/TextFile.h"
#include "ui/CommandIds.h"
#include "ui/CommandRegistry.h"

#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <cmath>

namespace {
// The page whose notes a view shows, kept on the view itself so that it goes with it.
const char ShownPageProperty[] = "postNotesPage";
// A note pushed past the right or bottom edge comes back this far inside it.
constexpr int EdgeInset = 25;

bool showsPage(const QWidget *view, const QString &key)
{
    const QVariant shown = view->property(ShownPageProperty);
    return shown.isValid() && shown.toString().compare(key, Qt::CaseInsensitive) == 0;
}

int placeOf(double fraction, int clientSize)
{
    return static_cast<int>(std::lround(fraction * clientSize));
}

double fractionOf(int place, int size, int clientSize)
{
    if (clientSize <= 0)
        return 0;
    const double fraction = static_cast<double>(place) / clientSize;
    return fraction >= 1 ? 1 - static_cast<double>(size + EdgeInset) / clientSize : fraction;
}
}

const QString PostNotes::FileName = QStringLiteral("postit.dat");

PostNotes::PostNotes(Services services)
    : m_settings(services.settings), m_prompter(services.prompter), m_dataFolder(std::move(services.dataFolder)),
      m_activeView(std::move(services.activeView)), m_dialog(std::move(services.noteDialog)),
      m_imageNote(QStringLiteral(":/icons/note.png"))
{
    services.commands.add(CommandIds::AddNote, QStringLiteral("Add Note"), QStringLiteral("Add Note"),
                          QKeySequence(Qt::CTRL | Qt::Key_T), [this] { AddNote(); });
}

PostNotes::~PostNotes() = default;

QString PostNotes::notesFolder() const
{
    const QString folder =
        m_settings.readString(SettingsStore::MainSection, QStringLiteral("Web Note Folder"), m_dataFolder).trimmed();
    return folder.isEmpty() ? m_dataFolder : folder;
}

QString PostNotes::notesFilePath() const
{
    return QDir(notesFolder()).filePath(FileName);
}

QList<TWebPostNote *> PostNotes::notesOn(const QWidget *view)
{
    return view ? view->findChildren<TWebPostNote *>(Qt::FindDirectChildrenOnly) : QList<TWebPostNote *>();
}

TWebPostNote *PostNotes::createNote(QWidget *view, const QString &subject, const QString &message)
{
    auto *note = new TWebPostNote(view, m_dialog, m_prompter);
    note->setPicture(m_imageNote);
    note->setSubject(subject);
    note->setTextMessage(message);
    return note;
}

void PostNotes::AddNote()
{
    QWidget *view = m_activeView ? m_activeView() : nullptr;
    if (!view)
        return;
    m_dialog.Subject.clear();
    m_dialog.TextMessage.clear();
    if (!m_dialog.Execute())
        return;
    const int notes = static_cast<int>(notesOn(view).size());
    TWebPostNote *note = createNote(view, m_dialog.Subject, m_dialog.TextMessage);
    int left = 100;
    int top = 40 * notes + 100;
    const int clientHeight = view->contentsRect().height();
    if (clientHeight < top + 35) {
        top = top - clientHeight + 100;
        left = 145;
    }
    note->move(left, top);
    note->show();
    note->raise();
}

void PostNotes::LoadNotes(QWidget *view, const QString &address)
{
    if (!view)
        return;
    const QString key = PostNoteFile::pageKey(address);
    if (showsPage(view, key))
        return;
    view->setProperty(ShownPageProperty, key);
    const std::optional<QStringList> lines = TextFile::readLines(notesFilePath());
    if (!lines)
        return;
    const QRect client = view->contentsRect();
    for (const PostNoteFile::Note &stored : PostNoteFile(*lines).notes(key)) {
        TWebPostNote *note = createNote(view, stored.subject, stored.message);
        note->move(placeOf(stored.left, client.width()), placeOf(stored.top, client.height()));
        note->show();
        note->raise();
    }
}

void PostNotes::SaveNotes(QWidget *view, const QString &address)
{
    if (!view || address.trimmed().isEmpty())
        return;
    const QString key = PostNoteFile::pageKey(address);
    const QList<TWebPostNote *> onView = notesOn(view);
    // A view holding no notes that no longer shows the page's notes (they were saved when a
    // first navigation away started, and another one or a redirect follows before the page
    // changed) must not empty the page's block.
    if (onView.isEmpty() && !showsPage(view, key))
        return;
    const QString path = notesFilePath();
    std::optional<QStringList> lines = TextFile::readLines(path);
    // A file that is there but cannot be read is left alone rather than written over with
    // this page's notes only.
    const bool readable = lines || !QFileInfo::exists(path);

    const QRect client = view->contentsRect();
    QList<PostNoteFile::Note> notes;
    for (TWebPostNote *note : onView) {
        notes.append({fractionOf(note->x(), note->width(), client.width()),
                      fractionOf(note->y(), note->height(), client.height()), note->Subject(), note->TextMessage()});
        delete note;
    }
    view->setProperty(ShownPageProperty, QVariant());
    if (!readable)
        return;
    const QStringList before = lines.value_or(QStringList());
    PostNoteFile file(before);
    file.replaceNotes(key, notes);
    // Leaving a page without notes changes nothing: the file is not written (nor made) again.
    if (file.lines() != before)
        TextFile::writeLines(path, file.lines());
}
