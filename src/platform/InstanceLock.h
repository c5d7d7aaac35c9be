#pragma once

#include <QString>

// The mark of a running first instance: an exclusive lock on a file, held for the life of the
// object. The system drops the lock when the process ends in any way, killed included, so a
// lock is never left behind by a dead instance.
class InstanceLock
{
public:
    explicit InstanceLock(const QString &path);
    ~InstanceLock();
    InstanceLock(const InstanceLock &) = delete;
    InstanceLock &operator=(const InstanceLock &) = delete;

    // True when this object took the lock; false when another holder has it.
    bool tryLock();
    // Whether the lock could not even be attempted (the file cannot be opened).
    bool failed() const { return m_failed; }
    bool isLocked() const { return m_locked; }
    void unlock();

private:
    QString m_path;
    int m_fd = -1;
    bool m_locked = false;
    bool m_failed = false;
};
