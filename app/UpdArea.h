#pragma once

#include <juce_core/juce_core.h>

/** Area status values. */
enum : int
{
    UPD_NONE = 0,   ///< not set up
    UPD_READY = 1,  ///< the update file is accepted; the area is not (yet) selected
    UPD_WRITE = 2,  ///< the area is to be written
    UPD_SKIP = 3    ///< not written: the device already has this version
};

/** One update area of the update file: where it lies in the file and in the device. */
struct UpdArea
{
    juce::File file;
    juce::int64 size = 0;
    juce::int64 offset = 0;
    juce::int64 address = 0;
    int status = UPD_NONE;
    juce::uint8 id = 0;     ///< target id, byte 0 of every command for the area
};
