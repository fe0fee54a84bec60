// ParseUpdFile on files of arbitrary size and contents, with an expected size of its own.
//
// A file that passes the size check is about 2 MiB, far more than an input, so the input is laid
// into a zero-filled file at the places the checks read:
//
//   byte 0        bit 0 set: a small file, bytes 1-2 its size (little-endian);
//                 bit 0 clear: 0x200000 plus the signed 16-bit bytes 1-2
//   byte 3        the expected size: the file's size plus this signed byte, or any size at all
//                 (bytes 4-7, little-endian) when it is 0x80
//   then          4 bytes version text at 0x1C0000, 4 bytes version word at 0x1CFFFC, 2 bytes CRC
//                 trailer, and the rest from the start of the file; each cut at the file's end.

#include <MainComponent.h>

#include "FuzzJuce.h"

#include <unistd.h>

namespace
{
    int signed16 (const std::uint8_t* p) { return (std::int16_t) (p[0] | p[1] << 8); }
    int unsigned16 (const std::uint8_t* p) { return p[0] | p[1] << 8; }

    void place (juce::MemoryBlock& file, size_t at, const std::uint8_t*& data, size_t& size, size_t count)
    {
        const auto n = std::min (count, size);

        if (at < file.getSize())
            file.copyFrom (data, (int) at, std::min (n, file.getSize() - at));

        data += n;
        size -= n;
    }
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    if (size < 8)
        return 0;

    FuzzJuce::bringUp();
    static auto* component = new MainComponent();
    static const auto path = juce::File::getSpecialLocation (juce::File::tempDirectory)
                                 .getChildFile ("kpx-update-file-fuzz-" + juce::String (getpid()) + ".bin");

    const int fileSize = (data[0] & 1) != 0 ? unsigned16 (data + 1) : 0x200000 + signed16 (data + 1);
    const int expectedSize = data[3] == 0x80 ? (int) (data[4] | data[5] << 8 | data[6] << 16 | (std::uint32_t) data[7] << 24)
                                             : fileSize + (std::int8_t) data[3];
    data += 8;
    size -= 8;

    juce::MemoryBlock file ((size_t) fileSize, true);
    place (file, 0x1C0000, data, size, 4);
    place (file, 0x1CFFFC, data, size, 4);
    place (file, (size_t) std::max (0, fileSize - 2), data, size, 2);
    place (file, 0, data, size, size);
    // JUCE deletes the file when it is to be replaced by nothing; an empty file is created instead.
    const bool written = file.getSize() > 0 ? path.replaceWithData (file.getData(), file.getSize())
                                            : path.deleteFile() && path.create().wasOk();
    FuzzJuce::require (written, "cannot write the temporary file");

    unsigned int word = 0;
    juce::String version;
    const int result = component->ParseUpdFile (path, expectedSize, &word, version);

    FuzzJuce::require (result == 1 || result == ERR_FILE_SIZE || result == ERR_FILE_VERSION || result == ERR_FILE_CRC,
                       "ParseUpdFile gave an identifier that a readable file cannot have");
    FuzzJuce::require (result != 1 || (expectedSize == fileSize && component->CheckSysVer (version)),
                       "ParseUpdFile passed a file it should have refused");
    return 0;
}
