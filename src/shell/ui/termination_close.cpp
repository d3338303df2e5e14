#include "shell/ui/termination_close.h"

#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The signal handler may only write to a descriptor; the event loop reads
// the other end and closes the window outside the handler.
int wakeUpPair[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(wakeUpPair[0], &byte, 1);
}

} // namespace

void CloseOnTerminationRequest(QWidget &window)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, wakeUpPair) != 0)
        return;
    auto *notifier = new QSocketNotifier(wakeUpPair[1], QSocketNotifier::Read, &window);
    QObject::connect(notifier, &QSocketNotifier::activated, &window, [&window] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(wakeUpPair[1], &byte, 1);
        window.close();
    });
    struct sigaction action = {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &action, nullptr);
    ::sigaction(SIGINT, &action, nullptr);
}
