#include <UpdateFileFormat.h>

#include <gtest/gtest.h>

using namespace UpdateFileFormat;

namespace
{
    /** Runs the update-file maker and returns the bytes it wrote. */
    juce::MemoryBlock makeFile (const juce::StringArray& options)
    {
        const auto out = juce::File::createTempFile (".bin");
        juce::StringArray command { MAKE_UPDATE_FILE, out.getFullPathName() };
        command.addArray (options);

        juce::ChildProcess maker;
        EXPECT_TRUE (maker.start (command));
        EXPECT_TRUE (maker.waitForProcessToFinish (30000));
        EXPECT_EQ (maker.getExitCode(), 0u) << maker.readAllProcessOutput();

        juce::MemoryBlock bytes;
        out.loadFileAsData (bytes);
        out.deleteFile();
        return bytes;
    }

    const unsigned char* bytesOf (const juce::MemoryBlock& m) { return static_cast<const unsigned char*> (m.getData()); }

    unsigned short trailer (const juce::MemoryBlock& m) { return (unsigned short) (bytesOf (m)[crcOffset] | bytesOf (m)[crcOffset + 1] << 8); }

    TEST (UpdateFileMaker, WritesAPlainFileWithItsVersionAndCrc)
    {
        const auto file = makeFile ({ "--version-text", "1.05", "--version-word", "0x01050000" });

        ASSERT_EQ (file.getSize(), (size_t) fileSize);
        EXPECT_EQ (crc16 (bytesOf (file), crcOffset), trailer (file));
        EXPECT_EQ (readBigEndian32 (bytesOf (file) + versionWordOffset), 0x01050000u);
        EXPECT_EQ (versionText (bytesOf (file) + versionTextOffset), "1.05");
    }

    TEST (UpdateFileMaker, ScramblesTheSameContentsUnderTheSameTrailer)
    {
        const auto plain = makeFile ({ "--version-text", "2.10", "--version-word", "0x02100000", "--seed", "7" });
        auto scrambled = makeFile ({ "--version-text", "2.10", "--version-word", "0x02100000", "--seed", "7", "--scrambled" });

        ASSERT_EQ (scrambled.getSize(), plain.getSize());
        EXPECT_EQ (trailer (scrambled), trailer (plain));
        EXPECT_NE (crc16 (bytesOf (scrambled), crcOffset), trailer (scrambled));

        juce::uint64 table[256];
        fillCrc32Table (table);
        applyScrambleMask (static_cast<unsigned char*> (scrambled.getData()), crcOffset / 2, scrambleMask (trailer (scrambled), table));
        EXPECT_EQ (scrambled, plain);
    }

    TEST (UpdateFileMaker, SameSeedSameFileOtherSeedOtherFile)
    {
        const juce::StringArray base { "--version-text", "1.00", "--version-word", "0x01000000" };
        auto withSeed = [&] (const char* seed) { auto o = base; o.addArray ({ "--seed", seed }); return makeFile (o); };

        EXPECT_EQ (withSeed ("3"), withSeed ("3"));
        EXPECT_NE (withSeed ("3"), withSeed ("4"));
    }

    TEST (UpdateFileMaker, LaysAFirmwareImageFromTheStart)
    {
        const auto image = juce::File::createTempFile (".img");
        const char firmware[] = "FIRMWARE";
        image.replaceWithData (firmware, 8);

        const auto file = makeFile ({ "--version-text", "1.00", "--version-word", "0", "--firmware", image.getFullPathName() });
        image.deleteFile();

        ASSERT_EQ (file.getSize(), (size_t) fileSize);
        EXPECT_EQ (std::memcmp (file.getData(), firmware, 8), 0);
        EXPECT_EQ (bytesOf (file)[8], 0xFF);
    }

    struct DamageCase
    {
        const char* damage;
        size_t size;
        bool crcMatches, wordInRange, textValid;
    };

    class DamagedUpdateFile : public testing::TestWithParam<DamageCase> {};

    TEST_P (DamagedUpdateFile, IsDamagedInTheOneWayAskedFor)
    {
        const auto& c = GetParam();
        const auto file = makeFile ({ "--version-text", "1.05", "--version-word", "0x01050000", "--damage", c.damage });

        ASSERT_EQ (file.getSize(), c.size);
        EXPECT_EQ (crc16 (bytesOf (file), crcOffset) == trailer (file), c.crcMatches);
        EXPECT_EQ (versionWordInRange (bytesOf (file) + versionWordOffset), c.wordInRange);
        EXPECT_EQ (isVersionText (versionText (bytesOf (file) + versionTextOffset)), c.textValid);
    }

    INSTANTIATE_TEST_SUITE_P (Kinds, DamagedUpdateFile, testing::Values (
        DamageCase { "short", fileSize - 1, false, true, true },
        DamageCase { "long", fileSize + 1, true, true, true },
        DamageCase { "crc", fileSize, false, true, true },
        DamageCase { "version-word", fileSize, true, false, true },
        DamageCase { "version-text", fileSize, true, true, false }));

    TEST (UpdateFileMaker, RefusesAnUnknownDamage)
    {
        juce::ChildProcess maker;
        ASSERT_TRUE (maker.start (juce::StringArray { MAKE_UPDATE_FILE, "/tmp/never-written.bin", "--damage", "tears" }));
        maker.waitForProcessToFinish (30000);
        EXPECT_EQ (maker.getExitCode(), 2u);
        EXPECT_FALSE (juce::File ("/tmp/never-written.bin").exists());
    }
}
