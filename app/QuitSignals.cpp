#include "QuitSignals.h"

#include <juce_events/juce_events.h>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace
{
    const int handledSignals[] = { SIGINT, SIGTERM, SIGHUP };

    // A signal handler may do almost nothing: it writes one byte into a pipe whose other end the
    // message thread watches.
    int wakePipe[2] = { -1, -1 };

    void onSignal (int)
    {
        const char byte = 1;
        const auto written = ::write (wakePipe[1], &byte, 1);
        (void) written;
    }

    void setHandler (void (*handler) (int))
    {
        struct sigaction action {};
        action.sa_handler = handler;
        sigemptyset (&action.sa_mask);
        action.sa_flags = SA_RESTART;

        for (int sig : handledSignals)
            sigaction (sig, &action, nullptr);
    }
}

QuitSignals::QuitSignals (std::function<void()> onQuitRequest)
    : onQuit (std::move (onQuitRequest))
{
    if (::pipe2 (wakePipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;

    juce::LinuxEventLoop::registerFdCallback (wakePipe[0], [this] (int fd)
    {
        char drained[16];

        while (::read (fd, drained, sizeof (drained)) > 0)
        {
        }

        onQuit();
    });

    setHandler (onSignal);
}

QuitSignals::~QuitSignals()
{
    if (wakePipe[0] < 0)
        return;

    setHandler (SIG_DFL);
    juce::LinuxEventLoop::unregisterFdCallback (wakePipe[0]);
    ::close (wakePipe[0]);
    ::close (wakePipe[1]);
    wakePipe[0] = wakePipe[1] = -1;
}
