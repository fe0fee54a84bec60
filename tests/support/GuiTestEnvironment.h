#pragma once

#include "HeadlessDisplay.h"

#include <MessageLoop.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <gtest/gtest.h>

/** Brings up JUCE's message manager and desktop once for a whole test program; components can
    then be built, laid out and painted into images without a display. */
class GuiTestEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        keepHeadlessRunOffStrayDisplays();
        juce = std::make_unique<juce::ScopedJuceInitialiser_GUI>();
    }
    void TearDown() override { juce.reset(); }

    /** Runs the message loop for a while, so that asynchronous work gets delivered. */
    static void pump (int milliseconds) { MessageLoop::run (milliseconds); }

    /** Runs the message loop until done() holds or the time is up; true if it held. */
    static bool pumpUntil (const std::function<bool()>& done, int timeoutMs) { return MessageLoop::runUntil (done, timeoutMs); }

private:
    std::unique_ptr<juce::ScopedJuceInitialiser_GUI> juce;
};
