#include "app/shutdownsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace zevo {
namespace {

constexpr std::array HandledSignals{SIGTERM, SIGINT, SIGHUP};

// The two ends of the pair: [0] written by the handler, [1] read on the event loop.
int signalSockets[2] = {-1, -1};
struct sigaction previousActions[HandledSignals.size()];

extern "C" void WriteSignalNumber(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // Non-blocking: a full pair (a storm of signals) drops the extra ones,
    // one is enough to close.
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

ShutdownSignals::ShutdownSignals(QObject* parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, signalSockets) != 0)
        return;
    notifier_ = new QSocketNotifier(signalSockets[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ShutdownSignals::ReadSignal);

    struct sigaction action = {};
    action.sa_handler = WriteSignalNumber;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (size_t i = 0; i < HandledSignals.size(); ++i)
        ::sigaction(HandledSignals[i], &action, &previousActions[i]);
}

ShutdownSignals::~ShutdownSignals()
{
    if (!notifier_)
        return;
    for (size_t i = 0; i < HandledSignals.size(); ++i)
        ::sigaction(HandledSignals[i], &previousActions[i], nullptr);
    delete notifier_;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void ShutdownSignals::ReadSignal()
{
    unsigned char byte = 0;
    int last = 0;
    while (::read(signalSockets[1], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit shutdownRequested(last);
}

} // namespace zevo
