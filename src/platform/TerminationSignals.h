#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

// Turns SIGTERM and SIGINT into a Qt signal on the event loop, so that a termination request
// closes the main window the way its Exit command does. The signal handler only writes the
// signal number into a socket pair; the notifier on the other end emits. One object may be
// active at a time; it puts back the previous handlers when destroyed.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // False when the handlers could not be installed (another object holds them, or the
    // socket pair could not be made).
    bool isActive() const { return m_active; }

signals:
    void terminationRequested(int signalNumber);

private:
    void readSignals();

    std::unique_ptr<QSocketNotifier> m_notifier;
    bool m_active = false;
};
