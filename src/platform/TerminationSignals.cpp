#include "platform/TerminationSignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr std::array<int, 2> HandledSignals = {SIGTERM, SIGINT};

// The socket pair of the active object: the handler writes to [1], the notifier reads [0].
int signalSockets[2] = {-1, -1};
struct sigaction previousActions[HandledSignals.size()];

void onSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signalNumber);
    // A full socket already holds a pending request; losing this byte loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[1], &number, 1);
    errno = savedErrno;
}
}

TerminationSignals::TerminationSignals(QObject *parent)
    : QObject(parent)
{
    if (signalSockets[0] != -1)
        return;
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        signalSockets[0] = signalSockets[1] = -1;
        return;
    }
    m_notifier = std::make_unique<QSocketNotifier>(signalSockets[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &TerminationSignals::readSignals);

    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i)
        ::sigaction(HandledSignals[i], &action, &previousActions[i]);
    m_active = true;
}

TerminationSignals::~TerminationSignals()
{
    if (!m_active)
        return;
    for (std::size_t i = 0; i < HandledSignals.size(); ++i)
        ::sigaction(HandledSignals[i], &previousActions[i], nullptr);
    m_notifier.reset();
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TerminationSignals::readSignals()
{
    // Signals that arrived together make one request; the slot may well end the program.
    unsigned char numbers[16];
    int first = 0;
    ssize_t count;
    while ((count = ::read(signalSockets[0], numbers, sizeof numbers)) > 0) {
        if (first == 0)
            first = numbers[0];
    }
    if (first != 0)
        emit terminationRequested(first);
}
