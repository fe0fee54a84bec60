#pragma once

#include "ProtocolCodes.h"

#include <juce_core/juce_core.h>

/**
    The layout of the update file and the arithmetic that protects it, on bytes alone: no I/O.

    The file is exactly 0x200000 bytes: area 0 (0x000000, 0xE0000 bytes), area 1 (0x0E0000,
    0xE0000 bytes), area 2 (0x1C0000, 0x10000 bytes, which begins with the four-character version
    text and ends with the big-endian version word), a part that is never sent, and a
    little-endian CRC-16/XMODEM trailer over everything before it. A scrambled file has every
    16-bit word before the trailer XORed with a mask derived from the trailer.
*/
namespace UpdateFileFormat
{
    constexpr int fileSize = 0x200000;
    constexpr int crcOffset = fileSize - 2;
    constexpr int versionTextOffset = 0x1C0000;
    constexpr int versionWordOffset = 0x1CFFFC;

    struct AreaLayout
    {
        juce::int64 size, offset, address;
        juce::uint8 id;     ///< target id of the area's commands
    };

    constexpr AreaLayout areas[3] = {
        { 0x0E0000, 0x000000, 0x000000, TGT_AREA0 },
        { 0x0E0000, 0x0E0000, 0x0E0000, TGT_AREA1 },
        { 0x010000, 0x1C0000, 0x1C0000, TGT_AREA2 },
    };

    /** CRC-16/XMODEM: polynomial 0x1021, initial value 0, no reflection, no final XOR; 0 for
        an empty or negative length. */
    unsigned short crc16 (const unsigned char* data, long length) noexcept;

    /** The MSB-first CRC-32 table of the polynomial 0x04C11DB7, one 64-bit entry per byte. */
    void fillCrc32Table (juce::uint64 (&table)[256]) noexcept;

    /** The 16-bit scrambling mask for a stored CRC value. */
    juce::uint16 scrambleMask (unsigned short storedCrc, const juce::uint64* crc32Table) noexcept;

    /** XORs words little-endian 16-bit words in place with the mask; its own inverse. */
    void applyScrambleMask (unsigned char* buf, long words, juce::uint16 mask) noexcept;

    /** The version word's upper bounds, byte by byte: 0x20, 0x50, 0x12, 0x31. */
    bool versionWordInRange (const unsigned char* bigEndianWord) noexcept;

    unsigned int readBigEndian32 (const unsigned char* bytes) noexcept;

    /** The four version bytes as text, one character per byte; a zero byte adds none. */
    juce::String versionText (const unsigned char* bytes);

    /** True for digit, ".", digit, digit (characters after the fourth are not looked at). */
    bool isVersionText (const juce::String& text) noexcept;
}
