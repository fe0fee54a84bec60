#pragma once

#include <juce_events/juce_events.h>

#include <atomic>

/**
    Hands the worker's progress to the double that a juce::ProgressBar reads, on the message
    thread, at the bar's own pace. The worker writes only the atomic; the bar's double is touched
    on the message thread alone, so the bar shows the same progress without a data race.
*/
class ProgressRelay : private juce::Timer
{
public:
    ProgressRelay (const std::atomic<double>& source, double& target) noexcept
        : from (source), to (target) {}

    ~ProgressRelay() override { stopTimer(); }

    /** Copies the progress now. */
    void relay() noexcept { to = from.load(); }

    /** Keeps copying while the bar is shown, and stops when it is hidden. */
    void setActive (bool shouldBeActive)
    {
        if (shouldBeActive == isTimerRunning())
            return;

        if (shouldBeActive)
            startTimer (barRefreshMs);
        else
            stopTimer();
    }

private:
    void timerCallback() override { relay(); }

    // The bar itself looks at its value every 50 ms.
    static constexpr int barRefreshMs = 50;

    const std::atomic<double>& from;
    double& to;
};
