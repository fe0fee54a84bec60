#pragma once

#include "../support/HeadlessDisplay.h"

#include <MessageLoop.h>

#include <juce_gui_basics/juce_gui_basics.h>

#include <cstdlib>

/** What the fuzz targets share: JUCE's message manager, brought up on the first input and kept
    to the end of the process (libFuzzer ends it with exit(), past any destructor order we could
    rely on), and the stop that libFuzzer reports as a crash with the input that caused it. */
namespace FuzzJuce
{
    inline void bringUp()
    {
        keepHeadlessRunOffStrayDisplays();
        static auto* gui = new juce::ScopedJuceInitialiser_GUI();
        (void) gui;
    }

    /** A broken promise of the program: abort, so that the input is kept. */
    inline void require (bool holds, const char* what)
    {
        if (! holds)
        {
            std::fprintf (stderr, "fuzz: %s\n", what);
            std::abort();
        }
    }
}
