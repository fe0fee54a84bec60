#include "MessageLoop.h"

#include <juce_events/juce_events.h>
#include <juce_events/native/juce_linux_EventLoopInternal.h>

#include <poll.h>
#include <vector>

namespace
{
    constexpr int sliceMs = 5;

    /** Waits up to timeoutMs for any of the loop's descriptors, then calls the ready ones. */
    void dispatchReady (int timeoutMs)
    {
        std::vector<pollfd> fds;

        for (int fd : juce::LinuxEventLoopInternal::getRegisteredFds())
            fds.push_back ({ fd, POLLIN, 0 });

        if (::poll (fds.data(), fds.size(), timeoutMs) <= 0)
            return;

        for (auto& p : fds)
            if (p.revents != 0)
                juce::LinuxEventLoopInternal::invokeEventLoopCallbackForFd (p.fd);
    }
}

void MessageLoop::run (int milliseconds)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) milliseconds;

    do
        dispatchReady (sliceMs);
    while (juce::Time::getMillisecondCounter() < end);
}

bool MessageLoop::runUntil (const std::function<bool()>& done, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (! done())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;

        dispatchReady (sliceMs);
    }

    return true;
}
