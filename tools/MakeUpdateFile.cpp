// Writes an update file for QA and tests: valid, or damaged in one chosen way.
//
//   make-update-file OUTPUT --version-text 1.05 --version-word 0x01050000
//                    [--scrambled] [--seed N | --firmware IMAGE] [--damage KIND]
//
// The contents are a reproducible pattern from the seed (default 1), or a firmware image laid
// from offset 0 (at most 0x1FFFFE bytes, the rest 0xFF as erased flash). The version text and
// word are then written into area 2. KIND is one of: short (one byte too few), long (one byte
// too many), crc (a broken trailer), version-word (first byte 0x21, out of range),
// version-text (a comma for the point).

#include <UpdateFileFormat.h>

#include <cstdio>

namespace
{
    using namespace UpdateFileFormat;

    struct Options
    {
        juce::File output, firmware;
        juce::String versionText = "1.00", damage;
        juce::uint32 versionWord = 0x01000000, seed = 1;
        bool scrambled = false;
    };

    int usage (const char* why)
    {
        std::fprintf (stderr, "make-update-file: %s\n"
                              "usage: make-update-file OUTPUT --version-text T --version-word W [--scrambled]\n"
                              "                        [--seed N | --firmware IMAGE] [--damage short|long|crc|version-word|version-text]\n",
                      why);
        return 2;
    }

    bool parse (const juce::StringArray& args, Options& o, juce::String& error)
    {
        for (int i = 1; i < args.size(); ++i)
        {
            const auto& a = args[i];
            auto value = [&]() -> juce::String { return i + 1 < args.size() ? args[++i] : juce::String(); };

            if (a == "--version-text")          o.versionText = value();
            else if (a == "--version-word")     o.versionWord = (juce::uint32) value().getHexValue64();
            else if (a == "--seed")             o.seed = (juce::uint32) value().getLargeIntValue();
            else if (a == "--firmware")         o.firmware = juce::File::getCurrentWorkingDirectory().getChildFile (value());
            else if (a == "--damage")           o.damage = value();
            else if (a == "--scrambled")        o.scrambled = true;
            else if (a.startsWith ("--"))       { error = "unknown option " + a; return false; }
            else if (o.output == juce::File())  o.output = juce::File::getCurrentWorkingDirectory().getChildFile (a);
            else                                { error = "more than one output file"; return false; }
        }

        if (o.output == juce::File())
            error = "no output file";
        else if (o.versionText.length() != 4)
            error = "the version text must be four characters";
        else if (! juce::StringArray { "", "short", "long", "crc", "version-word", "version-text" }.contains (o.damage))
            error = "unknown damage " + o.damage;

        return error.isEmpty();
    }

    /** xorshift32: the same seed gives the same contents on every machine. */
    void fillWithPattern (juce::MemoryBlock& file, juce::uint32 seed)
    {
        auto state = seed != 0 ? seed : 1u;
        auto* bytes = static_cast<juce::uint8*> (file.getData());

        for (size_t i = 0; i < file.getSize(); ++i)
        {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            bytes[i] = (juce::uint8) state;
        }
    }

    bool fillFromFirmware (juce::MemoryBlock& file, const juce::File& image, juce::String& error)
    {
        juce::MemoryBlock firmware;

        if (! image.loadFileAsData (firmware))
            error = "cannot read " + image.getFullPathName();
        else if (firmware.getSize() > (size_t) crcOffset)
            error = "the firmware image is larger than 0x1FFFFE bytes";
        else
            file.copyFrom (firmware.getData(), 0, firmware.getSize());

        return error.isEmpty();
    }
}

int main (int argc, char* argv[])
{
    juce::StringArray args (argv, argc);
    Options o;
    juce::String error;

    if (! parse (args, o, error))
        return usage (error.toRawUTF8());

    juce::MemoryBlock file ((size_t) fileSize, false);
    file.fillWith (0xFF);

    if (o.firmware != juce::File())
    {
        if (! fillFromFirmware (file, o.firmware, error))
            return usage (error.toRawUTF8());
    }
    else
    {
        fillWithPattern (file, o.seed);
    }

    auto* bytes = static_cast<juce::uint8*> (file.getData());
    const auto text = o.damage == "version-text" ? o.versionText.replaceCharacter ('.', ',') : o.versionText;

    for (int i = 0; i < 4; ++i)
        bytes[versionTextOffset + i] = (juce::uint8) text[i];

    for (int i = 0; i < 4; ++i)
        bytes[versionWordOffset + i] = (juce::uint8) (o.versionWord >> (24 - 8 * i));

    if (o.damage == "version-word")
        bytes[versionWordOffset] = 0x21;

    // The trailer is the CRC of the plain contents; scrambling leaves it as it is.
    auto crc = crc16 (bytes, crcOffset);

    if (o.scrambled)
    {
        juce::uint64 table[256];
        fillCrc32Table (table);
        applyScrambleMask (bytes, crcOffset / 2, scrambleMask (crc, table));
    }

    if (o.damage == "crc")
        crc ^= 0x0001;

    bytes[crcOffset] = (juce::uint8) (crc & 0xFF);
    bytes[crcOffset + 1] = (juce::uint8) (crc >> 8);

    if (o.damage == "short")
        file.setSize (file.getSize() - 1);
    else if (o.damage == "long")
        file.append ("\0", 1);

    if (! o.output.replaceWithData (file.getData(), file.getSize()))
    {
        std::fprintf (stderr, "make-update-file: cannot write %s\n", o.output.getFullPathName().toRawUTF8());
        return 1;
    }

    return 0;
}
