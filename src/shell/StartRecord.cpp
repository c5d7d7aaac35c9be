#include "shell/StartRecord.h"

#include "shell/TextFile.h"
#include "ui/Prompter.h"

#include <QFile>

StartRecord::StartRecord(const QString &dataFolder) : m_dataFolder(dataFolder)
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(ClearDelay);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { tmrStartRecordTimer(); });
}

QString StartRecord::filePath() const
{
    return m_dataFolder + QLatin1Char('/') + FileName;
}

int StartRecord::readCount(const QString &path)
{
    const std::optional<QStringList> lines = TextFile::readSmallTextLines(path, 64);
    if (!lines || lines->size() != 1)
        return 0;
    bool ok = false;
    const int count = lines->constFirst().trimmed().toInt(&ok);
    return ok && count >= 0 && count <= MaxCount ? count : 0;
}

void StartRecord::begin()
{
    m_previousUnfinished = readCount(filePath());
    TextFile::writeLines(filePath(), {QString::number(qMin(m_previousUnfinished + 1, MaxCount))});
    m_timer.start();
}

bool StartRecord::restoreLastTabs(Prompter *prompter) const
{
    if (!crashLoop() || !prompter)
        return true;
    return prompter->question(QuestionText, QuestionCaption, Prompter::Buttons::YesNo) == Prompter::Answer::Yes;
}

void StartRecord::clear()
{
    m_timer.stop();
    QFile::remove(filePath());
    // The data folder's files keep a last-good copy; this one has nothing worth keeping.
    QFile::remove(TextFile::backupPath(filePath()));
}

void StartRecord::tmrStartRecordTimer()
{
    clear();
}
