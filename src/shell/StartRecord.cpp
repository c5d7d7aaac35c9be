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
    // A plain write: the count is no data of the user's, needs no last-good copy nor a flush to
    // the disk on the way to the first window, and a torn one reads as 0.
    QFile file(filePath());
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(QByteArray::number(qMin(m_previousUnfinished + 1, MaxCount)) + "\r\n");
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
}

void StartRecord::tmrStartRecordTimer()
{
    clear();
}
