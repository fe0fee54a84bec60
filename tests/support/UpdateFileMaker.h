#pragma once

#include <juce_core/juce_core.h>

/** Writes an update file with the update-file maker (its path in MAKE_UPDATE_FILE), for programs
    that are not GoogleTest suites: the fault campaign and the fuzz targets. */
namespace UpdateFileMaker
{
    /** The folder the program looks in: the running executable's. */
    inline juce::File besideExecutable (const juce::String& name)
    {
        return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory().getChildFile (name);
    }

    /** Makes the file with the maker's options; its contents, or an empty block if the maker failed. */
    inline juce::MemoryBlock make (const juce::File& file, const juce::StringArray& options)
    {
        juce::StringArray command { MAKE_UPDATE_FILE, file.getFullPathName() };
        command.addArray (options);

        juce::ChildProcess maker;
        juce::MemoryBlock contents;

        if (maker.start (command) && maker.waitForProcessToFinish (30000) && maker.getExitCode() == 0)
            file.loadFileAsData (contents);

        return contents;
    }
}
