#pragma once

#include <juce_core/juce_core.h>

/** Writes update files with the update-file maker (its path in MAKE_UPDATE_FILE). */
namespace UpdateFileMaker
{
    /** The folder the program looks in: the running executable's. */
    inline juce::File executableFolder()
    {
        return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
    }

    inline juce::File besideExecutable (const juce::String& name) { return executableFolder().getChildFile (name); }

    /** Writes the file with the maker's options; true when the maker ran and succeeded. */
    inline bool write (const juce::File& file, const juce::StringArray& options)
    {
        juce::StringArray command { MAKE_UPDATE_FILE, file.getFullPathName() };
        command.addArray (options);

        juce::ChildProcess maker;
        return maker.start (command) && maker.waitForProcessToFinish (30000) && maker.getExitCode() == 0;
    }

    /** Writes the file and returns its contents, or an empty block if the maker failed. */
    inline juce::MemoryBlock make (const juce::File& file, const juce::StringArray& options)
    {
        juce::MemoryBlock contents;

        if (write (file, options))
            file.loadFileAsData (contents);

        return contents;
    }
}
