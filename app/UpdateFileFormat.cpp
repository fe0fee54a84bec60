#include "UpdateFileFormat.h"

namespace UpdateFileFormat
{
    unsigned short crc16 (const unsigned char* data, long length) noexcept
    {
        unsigned int crc = 0;

        for (long i = 0; i < length; ++i)
        {
            crc ^= (unsigned int) data[i] << 8;

            for (int bit = 0; bit < 8; ++bit)
                crc = (crc & 0x8000) != 0 ? (crc << 1) ^ 0x1021 : crc << 1;
        }

        return (unsigned short) crc;
    }

    void fillCrc32Table (juce::uint64 (&table)[256]) noexcept
    {
        for (juce::uint64 i = 0; i < 256; ++i)
        {
            juce::uint64 reg = i << 24;

            for (int bit = 0; bit < 8; ++bit)
                reg = (reg & 0x80000000u) != 0 ? (reg << 1) ^ 0x04C11DB7u : reg << 1;

            table[i] = reg;
        }
    }

    juce::uint16 scrambleMask (unsigned short storedCrc, const juce::uint64* crc32Table) noexcept
    {
        // Only the low 32 bits of an entry count.
        auto entry = [crc32Table] (juce::uint32 i) { return (juce::uint32) crc32Table[i & 0xFF]; };

        const juce::uint32 s = storedCrc;
        const juce::uint32 t = entry (s >> 8) ^ entry (s & 0xFF) ^ entry ((s >> 4) & 0xFF);
        return (juce::uint16) ((t ^ s ^ (t >> 16)) & 0xFFFF);
    }

    void applyScrambleMask (unsigned char* buf, long words, juce::uint16 mask) noexcept
    {
        for (long k = 0; k < words; ++k)
        {
            buf[2 * k] ^= (unsigned char) (mask & 0xFF);
            buf[2 * k + 1] ^= (unsigned char) (mask >> 8);
        }
    }

    bool versionWordInRange (const unsigned char* w) noexcept
    {
        return w[0] <= 0x20 && w[1] <= 0x50 && w[2] <= 0x12 && w[3] <= 0x31;
    }

    unsigned int readBigEndian32 (const unsigned char* b) noexcept
    {
        return (unsigned int) b[0] << 24 | (unsigned int) b[1] << 16 | (unsigned int) b[2] << 8 | b[3];
    }

    juce::String versionText (const unsigned char* bytes)
    {
        juce::String text;

        for (int i = 0; i < 4; ++i)
            if (bytes[i] != 0)
                text += juce::String::charToString ((juce::juce_wchar) bytes[i]);

        return text;
    }

    bool isVersionText (const juce::String& text) noexcept
    {
        auto isDigit = [] (juce::juce_wchar c) { return c >= '0' && c <= '9'; };
        return text.length() >= 4 && isDigit (text[0]) && text[1] == '.' && isDigit (text[2]) && isDigit (text[3]);
    }
}
