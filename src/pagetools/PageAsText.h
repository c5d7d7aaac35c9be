#pragma once

#include <QString>
#include <functional>

class PageDocument;

// "View Web Page As Text": the visible text of a document written to "kbt" + a random number
// below 50000 + ".txt" in a folder, then opened with the system's viewer. The files stay.
class PageAsText
{
public:
    // Opens a written file, the system's viewer for ".txt" in the program; false when no
    // program could open it.
    using Opener = std::function<bool(const QString &path)>;

    struct Result
    {
        QString path;        // the file written, or empty
        bool opened = false; // a program opened it
    };

    explicit PageAsText(QString folder, Opener opener = {});

    // Replaces the viewer, so that tests open nothing.
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // Writes and opens the document's text. No path when there was no document or the file
    // could not be written (and then nothing is opened).
    Result show(PageDocument *document);

    // Said when no program could open the written file.
    static QString noViewerMessage(const QString &path);

    // The file name for a number.
    static QString fileName(int number);

private:
    QString m_folder;
    Opener m_opener;
};
