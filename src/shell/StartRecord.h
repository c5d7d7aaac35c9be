#pragma once

#include <QString>
#include <QTimer>

class Prompter;

// Tells a start that follows starts which ended without closing properly. The file running.dat
// of the data folder holds how many starts in a row have not ended cleanly, this one included:
// a start adds one, and a clean close or some time of running removes the file. When the two
// starts before this one both failed to clear it, the last tabs may be what brings the program
// down, and the user is asked before they are opened again.
class StartRecord
{
public:
    static inline const QString FileName = QStringLiteral("running.dat");
    // A run this long has not been brought down by what it opened at its start.
    static constexpr int ClearDelay = 30000;
    // The count stops growing here; a file holding anything but a count up to this reads as 0.
    static constexpr int MaxCount = 9;
    static constexpr int CrashLoopCount = 2;

    static inline const QString QuestionCaption = QStringLiteral("Kestrel Browser");
    static inline const QString QuestionText = QStringLiteral(
        "Kestrel Browser did not close properly the last two times it ran. Restore the tabs from last time?");

    explicit StartRecord(const QString &dataFolder);

    // Records this start: reads the count the starts before left and writes it one higher, and
    // starts the timer that clears it.
    void begin();
    // The starts before this one that did not end cleanly.
    int previousUnfinished() const { return m_previousUnfinished; }
    bool crashLoop() const { return m_previousUnfinished >= CrashLoopCount; }
    // Whether the first tabs are those of last time: yes unless a crash loop is found and the
    // user, asked through the prompter, says no. Without a prompter (a run with nobody to ask)
    // they are restored.
    bool restoreLastTabs(Prompter *prompter) const;

    // The run ended cleanly, or has lasted long enough: the file goes.
    void clear();
    QTimer &tmrStartRecord() { return m_timer; }
    void tmrStartRecordTimer();

    QString filePath() const;

private:
    // The count the file holds: 0 when it is missing or holds anything else than a count.
    static int readCount(const QString &path);

    QString m_dataFolder;
    QTimer m_timer;
    int m_previousUnfinished = 0;
};
