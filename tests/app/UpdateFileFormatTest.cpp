#include <UpdateFileFormat.h>

#include <gtest/gtest.h>

using namespace UpdateFileFormat;

namespace
{
    TEST (UpdateFileCrc, IsCrc16XmodemWithItsPublishedCheckValue)
    {
        const unsigned char check[] = { '1', '2', '3', '4', '5', '6', '7', '8', '9' };
        EXPECT_EQ (crc16 (check, sizeof (check)), 0x31C3);
        EXPECT_EQ (crc16 (check, 0), 0);
        EXPECT_EQ (crc16 (check, -1), 0);
    }

    TEST (UpdateFileCrc, Crc32TableIsTheMsbFirstTableOfItsPolynomial)
    {
        juce::uint64 table[256];
        fillCrc32Table (table);

        EXPECT_EQ (table[0] & 0xFFFFFFFF, 0u);
        EXPECT_EQ (table[1] & 0xFFFFFFFF, 0x04C11DB7u);
        EXPECT_EQ (table[128] & 0xFFFFFFFF, 0x690CE0EEu);
        EXPECT_EQ (table[255] & 0xFFFFFFFF, 0xB1F740B4u);
    }

    TEST (UpdateFileScrambling, UndoesItselfAndDependsOnlyOnTheStoredCrc)
    {
        juce::uint64 table[256];
        fillCrc32Table (table);

        unsigned char plain[8] = { 1, 2, 3, 4, 5, 6, 7, 8 };
        unsigned char data[8];
        std::memcpy (data, plain, sizeof (data));

        const auto mask = scrambleMask (0x1234, table);
        applyScrambleMask (data, 4, mask);

        EXPECT_EQ (data[0], (unsigned char) (plain[0] ^ (mask & 0xFF)));
        EXPECT_EQ (data[1], (unsigned char) (plain[1] ^ (mask >> 8)));
        EXPECT_EQ (data[7], (unsigned char) (plain[7] ^ (mask >> 8)));

        applyScrambleMask (data, 4, mask);
        EXPECT_EQ (std::memcmp (data, plain, sizeof (data)), 0);

        EXPECT_NE (scrambleMask (0x1234, table), scrambleMask (0x1235, table));
    }

    struct WordCase
    {
        unsigned char bytes[4];
        bool inRange;
    };

    class VersionWord : public testing::TestWithParam<WordCase> {};

    TEST_P (VersionWord, HasAnUpperBoundPerByteAndNoLowerOne)
    {
        EXPECT_EQ (versionWordInRange (GetParam().bytes), GetParam().inRange);
    }

    INSTANTIATE_TEST_SUITE_P (Bounds, VersionWord, testing::Values (
        WordCase { { 0x20, 0x50, 0x12, 0x31 }, true },
        WordCase { { 0x00, 0x00, 0x00, 0x00 }, true },
        WordCase { { 0x21, 0x00, 0x00, 0x00 }, false },
        WordCase { { 0x00, 0x51, 0x00, 0x00 }, false },
        WordCase { { 0x00, 0x00, 0x13, 0x00 }, false },
        WordCase { { 0x00, 0x00, 0x00, 0x32 }, false },
        WordCase { { 0xFF, 0xFF, 0xFF, 0xFF }, false }));

    TEST (VersionWordValue, IsBigEndian)
    {
        const unsigned char bytes[] = { 0x20, 0x50, 0x12, 0x31 };
        EXPECT_EQ (readBigEndian32 (bytes), 0x20501231u);
    }

    struct TextCase
    {
        unsigned char bytes[4];
        bool valid;
    };

    class VersionText : public testing::TestWithParam<TextCase> {};

    TEST_P (VersionText, IsDigitPointDigitDigit)
    {
        EXPECT_EQ (isVersionText (versionText (GetParam().bytes)), GetParam().valid);
    }

    INSTANTIATE_TEST_SUITE_P (Forms, VersionText, testing::Values (
        TextCase { { '1', '.', '0', '5' }, true },
        TextCase { { '0', '.', '0', '0' }, true },
        TextCase { { '1', ',', '0', '5' }, false },
        TextCase { { '1', '.', '0', 'a' }, false },
        TextCase { { '1', '0', '.', '5' }, false },
        TextCase { { '1', '.', 0, '5' }, false },
        TextCase { { 0, '1', '.', '0' }, false },
        TextCase { { 0xFF, 0xFF, 0xFF, 0xFF }, false }));

    TEST (VersionTextValue, LeavesOutZeroBytesAndKeepsHighBytesAsCharacters)
    {
        const unsigned char withZero[] = { '1', 0, '0', '5' };
        const unsigned char high[] = { 0xE9, '.', '0', '5' };

        EXPECT_EQ (versionText (withZero), "105");
        EXPECT_EQ (versionText (high), juce::String (L"\u00e9.05"));
    }
}
