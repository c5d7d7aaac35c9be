#pragma once

#include "favorites/import/BookmarkProfile.h"

#include <QDialog>
#include <optional>

class Prompter;
class QListWidget;

// "Import Bookmarks": the profiles of other browsers found in the user's home to pick one from,
// or a bookmark file picked by hand ("&Other File...").
class TfrmImportBookmarks : public QDialog
{
    Q_OBJECT
public:
    TfrmImportBookmarks(Prompter &prompter, const QList<BookmarkProfile> &profiles, QWidget *parent = nullptr);

    // The chosen profile, or nothing when the user cancelled.
    static std::optional<BookmarkProfile> ask(Prompter &prompter, const QList<BookmarkProfile> &profiles,
                                              QWidget *parent);

    QListWidget *lstProfiles() const { return m_list; }
    std::optional<BookmarkProfile> chosen() const;
    void otherFile();

private:
    void addProfile(const BookmarkProfile &profile);

    Prompter &m_prompter;
    QList<BookmarkProfile> m_profiles;
    QListWidget *m_list;
    QPushButton *m_ok;
};
