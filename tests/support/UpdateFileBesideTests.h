#pragma once

#include "UpdateFileMaker.h"

#include <gtest/gtest.h>

/** The update file as the program finds it: beside the running executable, here the test
    program's. Made with the update-file maker; gone again when the object goes. */
class UpdateFileBesideTests
{
public:
    UpdateFileBesideTests() { removeAll(); }
    ~UpdateFileBesideTests() { removeAll(); }

    static juce::File folder() { return UpdateFileMaker::executableFolder(); }

    /** Writes an update file with the maker's options; returns it. */
    juce::File make (const juce::StringArray& options, const juce::String& name = "kpxtlk4__v105.bin")
    {
        auto file = folder().getChildFile (name);
        EXPECT_TRUE (UpdateFileMaker::write (file, options)) << "the update-file maker failed for " << name;
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
