#include "pagetools/PageAsText.h"

#include "browser/page/PageDocument.h"
#include "shell/TextFile.h"

#include <QDesktopServices>
#include <QDir>
#include <QRandomGenerator>
#include <QUrl>

PageAsText::PageAsText(QString folder, Opener opener) : m_folder(std::move(folder)), m_opener(std::move(opener))
{
    if (!m_opener)
        m_opener = [](const QString &path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

QString PageAsText::fileName(int number)
{
    return QStringLiteral("kbt") + QString::number(number) + QStringLiteral(".txt");
}

QString PageAsText::noViewerMessage(const QString &path)
{
    return QStringLiteral("No program could be found to open text files. The page's text was saved as \"") + path
           + QStringLiteral("\".");
}

PageAsText::Result PageAsText::show(PageDocument *document)
{
    if (!document)
        return {};
    const QString text = document->bodyInnerText();
    const QString path = QDir(m_folder).filePath(fileName(static_cast<int>(QRandomGenerator::global()->bounded(50000))));
    if (!TextFile::writeLines(path, TextFile::splitLines(text)))
        return {};
    return Result{path, m_opener(path)};
}
