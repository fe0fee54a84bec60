#include "InstanceChannel.h"

#include <unistd.h>

namespace
{
    const char* const comeForward = "come forward";
    constexpr int pipeTimeoutMs = 1000;

    /** One pipe per user, as the framework's instance lock is. */
    juce::String pipeName (const juce::String& appName)
    {
        return appName + "-" + juce::String ((int) getuid());
    }
}

//==============================================================================
/** The running instance's end. After each caller hangs up it opens the pipe again, so that
    every later start is heard too. */
class InstanceChannel::Listener : public juce::InterprocessConnection
{
public:
    Listener (juce::String name, std::function<void()> callback)
        : juce::InterprocessConnection (true), pipe (std::move (name)), onAnotherStart (std::move (callback))
    {
        open();
    }

    ~Listener() override
    {
        closing = true;
        disconnect();
    }

    void connectionMade() override {}

    void connectionLost() override
    {
        if (! closing)
            open();
    }

    void messageReceived (const juce::MemoryBlock& message) override
    {
        if (message.toString() == comeForward)
            onAnotherStart();
    }

private:
    void open() { createPipe (pipe, -1, false); }

    const juce::String pipe;
    std::function<void()> onAnotherStart;
    bool closing = false;
};

//==============================================================================
InstanceChannel::InstanceChannel() = default;
InstanceChannel::~InstanceChannel() = default;

void InstanceChannel::listen (const juce::String& appName, std::function<void()> onAnotherStart)
{
    listener = std::make_unique<Listener> (pipeName (appName), std::move (onAnotherStart));
}

void InstanceChannel::close()
{
    listener.reset();
}

void InstanceChannel::askRunningInstanceToComeForward (const juce::String& appName)
{
    struct Caller : juce::InterprocessConnection
    {
        Caller() : juce::InterprocessConnection (false) {}
        ~Caller() override { disconnect(); }
        void connectionMade() override {}
        void connectionLost() override {}
        void messageReceived (const juce::MemoryBlock&) override {}
    };

    Caller caller;

    if (caller.connectToPipe (pipeName (appName), pipeTimeoutMs))
        caller.sendMessage (juce::MemoryBlock (comeForward, std::strlen (comeForward)));
}
