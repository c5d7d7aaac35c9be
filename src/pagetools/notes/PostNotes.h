#pragma once

#include "pagetools/notes/PostNoteFile.h"
#include "pagetools/notes/TPostNoteDlg.h"

#include <QObject>
#include <QPixmap>
#include <QString>
#include <functional>

class CommandRegistry;
class Prompter;
class SettingsStore;
class TWebPostNote;
class QWidget;

// Notes stuck on web pages. The notes of a page (its address without the fragment) float over
// the browser view while the page is shown; they are written to "postit.dat" in the notes
// folder when the view leaves the page, its tab closes or the window closes, and put back on
// every view that reaches the page again. Registers the "Add Note" command.
class PostNotes : public QObject
{
    Q_OBJECT
public:
    static const QString FileName;

    struct Services
    {
        CommandRegistry &commands;
        SettingsStore &settings;
        Prompter &prompter;
        // Where the notes file lives when "Web Note Folder" is empty.
        QString dataFolder;
        // The browser view of the active tab, or null.
        std::function<QWidget *()> activeView;
        // Shows the note dialog (TPostNoteDlg::windowOver in the program).
        TPostNoteDlg::Runner noteDialog;
    };

    explicit PostNotes(Services services);
    ~PostNotes() override;

    // Asks for a subject and message and sticks a new note on the active view.
    void AddNote();
    // Puts the notes stored for the address's page on the view. A view that shows the notes
    // of that page already (the page reloaded, a fragment reached) keeps them as they are.
    void LoadNotes(QWidget *view, const QString &address);
    // Replaces the stored notes of the address's page by the notes on the view, and takes
    // them off the view. An empty address names no page, and a view without notes that no
    // longer shows the page's notes has nothing to store: nothing happens.
    void SaveNotes(QWidget *view, const QString &address);

    // "Web Note Folder", trimmed; the data folder when it is empty.
    QString notesFolder() const;
    QString notesFilePath() const;
    // The notes on a view, in child order.
    static QList<TWebPostNote *> notesOn(const QWidget *view);

private:
    TWebPostNote *createNote(QWidget *view, const QString &subject, const QString &message);

    SettingsStore &m_settings;
    Prompter &m_prompter;
    QString m_dataFolder;
    std::function<QWidget *()> m_activeView;
    TPostNoteDlg m_dialog;
    QPixmap m_imageNote;
};
