#pragma once

#include <juce_events/juce_events.h>

#include <functional>
#include <memory>

/**
    Lets a second start of the program reach the running one. The framework refuses a second
    instance through its inter-process lock, but on Linux it does not tell the running instance;
    this named pipe of the framework's does.
*/
class InstanceChannel
{
public:
    InstanceChannel();
    ~InstanceChannel();

    /** Starts listening, in the running instance; onAnotherStart is called on the message thread. */
    void listen (const juce::String& appName, std::function<void()> onAnotherStart);

    /** Stops listening. */
    void close();

    /** In a refused second instance: tells the running one. */
    static void askRunningInstanceToComeForward (const juce::String& appName);

private:
    class Listener;
    std::unique_ptr<Listener> listener;

    JUCE_DECLARE_NON_COPYABLE (InstanceChannel)
};
