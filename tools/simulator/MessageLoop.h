#pragma once

#include <functional>

/**
    Runs the JUCE message loop of a test or benchmark for a while, at the pace the program's own
    loop has: it sleeps in poll() on the loop's descriptors and wakes at once when one is ready,
    where juce::MessageManager::runDispatchLoopUntil sleeps a millisecond after every idle pass,
    which would put a millisecond into every exchange with the controller.
*/
namespace MessageLoop
{
    /** Delivers whatever becomes ready within milliseconds. */
    void run (int milliseconds);

    /** Runs the loop until done() holds or the time is up; true if it held. */
    bool runUntil (const std::function<bool()>& done, int timeoutMs);
}
