#include "cli/Interruption.h"

#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace brevane::cli {

namespace {

#ifdef Q_OS_UNIX
int signalPipe[2] = {-1, -1};
volatile std::sig_atomic_t caught = 0;
const int Signals[] = {SIGINT, SIGHUP, SIGTERM};
struct sigaction previous[3];

extern "C" void onSignal(int number)
{
    if (caught == 0)
        caught = number;
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}
#endif

} // namespace

Interruption::Interruption()
{
#ifdef Q_OS_UNIX
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    ::fcntl(signalPipe[1], F_SETFL, O_NONBLOCK);
    caught = 0;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &Interruption::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Signals[i], &action, &previous[i]);
#endif
}

Interruption::~Interruption()
{
#ifdef Q_OS_UNIX
    if (!notifier_)
        return;
    for (int i = 0; i < 3; ++i)
        ::sigaction(Signals[i], &previous[i], nullptr);
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
    if (const int number = caught) {
        // Ended by the signal, with nothing of ours left behind.
        ::signal(number, SIG_DFL);
        ::raise(number);
    }
#endif
}

int Interruption::Caught() const
{
#ifdef Q_OS_UNIX
    return caught;
#else
    return 0;
#endif
}

void Interruption::readSignal()
{
#ifdef Q_OS_UNIX
    char byte = 0;
    [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
#endif
    Q_EMIT Interrupted();
}

} // namespace brevane::cli
