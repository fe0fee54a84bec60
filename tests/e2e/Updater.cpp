#include "Updater.h"

#include "../support/UpdateFileMaker.h"

#include <gtest/gtest.h>

Updater::Updater()
{
    home.getFile().createDirectory();

    // The program looks for its update file beside its own executable, so it runs from a copy.
    const juce::File built (UPDATER_EXECUTABLE);
    executable = home.getFile().getChildFile (built.getFileName());
    built.copyFileTo (executable);
    executable.setExecutePermission (true);
}

Updater::~Updater()
{
    if (process.isRunning())
        process.kill();

    home.getFile().deleteRecursively();
}

void Updater::placeUpdateFile (const juce::StringArray& makerOptions, const juce::String& name)
{
    ASSERT_TRUE (UpdateFileMaker::write (home.getFile().getChildFile (name), makerOptions)) << "the update-file maker failed for " << name;
}

bool Updater::start()
{
    setenv ("LANG", "en_US.UTF-8", 1);
    unsetenv ("LANGUAGE");
    unsetenv ("LC_ALL");
    unsetenv ("LC_MESSAGES");

    return process.start (executable.getFullPathName(), 0);
}

bool Updater::waitForWindow (const juce::String& title, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;

    while (juce::Time::getMillisecondCounter() < end)
    {
        windowId = run ({ "xdotool", "search", "--onlyvisible", "--name", "^" + title + "$" }).trim()
                       .upToFirstOccurrenceOf ("\n", false, false);

        if (windowId.isNotEmpty())
            return true;

        juce::Thread::sleep (100);
    }

    return false;
}

juce::Rectangle<int> Updater::windowGeometry() const
{
    const auto lines = juce::StringArray::fromLines (run ({ "xdotool", "getwindowgeometry", "--shell", windowId }));
    auto value = [&] (const char* key) { for (auto& l : lines) if (l.startsWith (juce::String (key) + "=")) return l.fromFirstOccurrenceOf ("=", false, false).getIntValue(); return -1; };

    return { value ("X"), value ("Y"), value ("WIDTH"), value ("HEIGHT") };
}

void Updater::clickAt (juce::Point<int> p)
{
    run ({ "xdotool", "mousemove", "--window", windowId, juce::String (p.x), juce::String (p.y), "click", "1" });
}

void Updater::pressKey (const juce::String& key)
{
    run ({ "xdotool", "key", "--window", windowId, key });
}

void Updater::screenshot (const juce::String& name) const
{
    run ({ "import", "-window", "root", screenshotFolder().getChildFile (name + ".png").getFullPathName() });
}

bool Updater::waitForExit (int timeoutMs)
{
    if (! process.waitForProcessToFinish (timeoutMs))
        return false;

    code = (int) process.getExitCode();
    return true;
}

bool Updater::anythingLeftRunning() const
{
    return run ({ "pgrep", "-f", executable.getFullPathName() }).trim().isNotEmpty();
}

juce::String Updater::run (const juce::StringArray& command, int timeoutMs)
{
    juce::ChildProcess child;

    if (! child.start (command, juce::ChildProcess::wantStdOut))
        return {};

    // The helpers print a few lines at most, which the pipe holds until they end; a helper that
    // hangs (an X server gone away, say) is ended, so that no scenario waits on it for ever.
    if (! child.waitForProcessToFinish (timeoutMs))
        child.kill();

    return child.readAllProcessOutput();
}

juce::File Updater::screenshotFolder()
{
    auto folder = juce::File (SCREENSHOT_FOLDER);
    folder.createDirectory();
    return folder;
}
