#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

// Drops the duplicate of an address that reaches the program twice in a short time (the shell
// may send one link both on the command line and as an open request). Every address opened
// from the command line or by open request within 3 s is kept in RecentOpenRequests; one that
// occurs in it as a substring is not opened again. tmrDDE starts with the first address and is
// not restarted by later ones; when it fires it empties the list.
class OpenRequestFilter : public QObject
{
    Q_OBJECT
public:
    explicit OpenRequestFilter(QObject *parent = nullptr);

    // Records the text; true when it is to be opened (it was not among the recent requests).
    bool admit(const QString &text);
    const QString &RecentOpenRequests() const { return m_recentOpenRequests; }

    QTimer tmrDDE;
    void tmrDDETimer();

private:
    QString m_recentOpenRequests;
};
