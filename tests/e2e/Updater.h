#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    The built updater as a user starts it: copied into a folder of its own (the update file goes
    beside it), run as its own process on the test's X display, and driven with real input
    through xdotool.
*/
class Updater
{
public:
    Updater();
    ~Updater();

    /** The folder the program runs from. */
    juce::File folder() const { return home.getFile(); }

    /** Writes an update file beside the program with the update-file maker. */
    void placeUpdateFile (const juce::StringArray& makerOptions, const juce::String& name = "kpxtlk4__v105.bin");

    /** Starts the program in English. */
    bool start();

    /** Waits for the program's visible window with this title; false on time-out. */
    bool waitForWindow (const juce::String& title, int timeoutMs = 20000);

    /** The window's size as the X server has it. */
    juce::Rectangle<int> windowGeometry() const;

    /** Clicks at a point of the window's content. */
    void clickAt (juce::Point<int> inWindow);

    /** Presses and releases a key (xdotool's key names) in the window. */
    void pressKey (const juce::String& key);

    juce::String window() const { return windowId; }

    /** Saves what the screen shows. */
    void screenshot (const juce::String& name) const;

    /** Waits for the program to end; false on time-out. */
    bool waitForExit (int timeoutMs);

    int exitCode() const { return code; }

    /** Whether any process still runs the program's executable. */
    bool anythingLeftRunning() const;

    /** Runs a command and returns what it printed. */
    static juce::String run (const juce::StringArray& command, int timeoutMs = 20000);

    static juce::File screenshotFolder();

private:
    juce::TemporaryFile home { "updater-home" };
    juce::File executable;
    juce::ChildProcess process;
    juce::String windowId;
    int code = -1;
};
