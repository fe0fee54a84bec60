#pragma once

#include <juce_core/juce_core.h>

#include <gtest/gtest.h>

/** The update file as the program finds it: beside the running executable, here the test
    program's. Made with the update-file maker; gone again when the object goes. */
class UpdateFileBesideTests
{
public:
    UpdateFileBesideTests() { removeAll(); }
    ~UpdateFileBesideTests() { removeAll(); }

    static juce::File folder()
    {
        return juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
    }

    /** Writes an update file with the maker's options; returns it. */
    juce::File make (const juce::StringArray& options, const juce::String& name = "kpxtlk4__v105.bin")
    {
        auto file = folder().getChildFile (name);
        juce::StringArray command { MAKE_UPDATE_FILE, file.getFullPathName() };
        command.addArray (options);

        juce::ChildProcess maker;
        EXPECT_TRUE (maker.start (command));
        EXPECT_TRUE (maker.waitForProcessToFinish (30000));
        EXPECT_EQ (maker.getExitCode(), 0u);
        return file;
    }

    static juce::MemoryBlock contentsOf (const juce::File& file)
    {
        juce::MemoryBlock m;
        file.loadFileAsData (m);
        return m;
    }

private:
    static void removeAll()
    {
        for (auto& f : folder().findChildFiles (juce::File::findFilesAndDirectories, false, "kpxtlk4__*"))
            f.deleteRecursively();
    }
};
