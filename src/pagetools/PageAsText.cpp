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
        m_opener = [](const QString &path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
}

QString PageAsText::fileName(int number)
{
    return QStringLiteral("kbt") + QString::number(number) + QStringLiteral(".txt");
}

QString PageAsText::show(PageDocument *document)
{
    if (!document)
        return QString();
    const QString text = document->bodyInnerText();
    const QString path = QDir(m_folder).filePath(fileName(static_cast<int>(QRandomGenerator::global()->bounded(50000))));
    if (!TextFile::writeLines(path, TextFile::splitLines(text)))
        return QString();
    m_opener(path);
    return path;
}
