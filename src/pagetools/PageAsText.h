#pragma once

#include <QString>
#include <functional>

class PageDocument;

// "View Web Page As Text": the visible text of a document written to "kbt" + a random number
// below 50000 + ".txt" in a folder, then opened with the system's viewer. The files stay.
class PageAsText
{
public:
    // Opens a written file; the system's viewer for ".txt" in the program.
    using Opener = std::function<void(const QString &path)>;

    explicit PageAsText(QString folder, Opener opener = {});

    // Replaces the viewer, so that tests open nothing.
    void setOpener(Opener opener) { m_opener = std::move(opener); }

    // Writes and opens the document's text; the file written, or empty when there was no
    // document or the file could not be written (and then nothing is opened).
    QString show(PageDocument *document);

    // The file name for a number.
    static QString fileName(int number);

private:
    QString m_folder;
    Opener m_opener;
};
