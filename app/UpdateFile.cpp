// The update file: finding it beside the program, checking size, CRC, scrambling and version,
// and setting up the three update areas. Runs on the worker thread.

#include "MainComponent.h"
#include "UpdateFileFormat.h"

namespace
{
    using namespace UpdateFileFormat;

    const char* const namePattern = "kpxtlk4__v*.bin";
    const char* const namePrefix = "kpxtlk4__";
    constexpr int nameLength = 17;

    /** The update file beside the program: of the names that fit the pattern, the last one the
        directory lists. The pattern is matched without regard to letter case, the prefix with it. */
    juce::File findUpdateFile()
    {
        const auto folder = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory();
        juce::File chosen;

        for (const auto& entry : juce::RangedDirectoryIterator (folder, false, "*", juce::File::findFiles))
        {
            const auto name = entry.getFile().getFileName();

            if (name.matchesWildcard (namePattern, true) && name.length() == nameLength && name.startsWith (namePrefix))
                chosen = entry.getFile();
        }

        return chosen;
    }
}

//==============================================================================
void MainComponent::CheckUpdFile()
{
    const auto file = findUpdateFile();

    if (file == juce::File() || ! file.existsAsFile())
    {
        m_updFileState = 0;
        m_status.store (ERR_FILE_NOT_FOUND);
        return;
    }

    const int result = ParseUpdFile (file, fileSize, &m_updSysVer, m_updVersion);

    for (auto& area : m_updArea)
        area.status = result;

    if (result == ERR_FILE_NOT_FOUND)
    {
        // The file was there a moment ago.
        m_status.store (ERR_GENERAL);
        return;
    }

    if (result != 1)
    {
        m_status.store (result);
        return;
    }

    for (int i = 0; i < 3; ++i)
    {
        m_updArea[i].file = file;
        m_updArea[i].size = areas[i].size;
        m_updArea[i].offset = areas[i].offset;
        m_updArea[i].address = areas[i].address;
        m_updArea[i].id = areas[i].id;
    }

    m_updFileState = 8;
}

int MainComponent::ParseUpdFile (const juce::File& file, int expectedSize, unsigned int* sysVer, juce::String& version)
{
    if (! file.exists())
        return ERR_FILE_NOT_FOUND;

    // The size is checked before anything is loaded, so that a large file with a fitting name
    // is never read into memory.
    if (file.getSize() != expectedSize)
        return ERR_FILE_SIZE;

    juce::MemoryBlock contents;

    if (! file.loadFileAsData (contents))
        return ERR_FILE_LOAD;

    // The file may have changed between the two looks.
    if ((juce::int64) contents.getSize() != expectedSize || expectedSize < versionWordOffset + 4)
        return ERR_FILE_SIZE;

    auto* bytes = static_cast<unsigned char*> (contents.getData());
    const long n = expectedSize - 2;

    m_fileCrc = (unsigned short) (bytes[n] | bytes[n + 1] << 8);
    m_scrambled = false;

    if (CalcCRC (bytes, n) != m_fileCrc)
    {
        Descramble (bytes, n / 2, m_fileCrc, m_crcTable);

        if (CalcCRC (bytes, n) != m_fileCrc)
            return ERR_FILE_CRC;

        m_scrambled = true;
    }

    *sysVer = readBigEndian32 (bytes + versionWordOffset);

    if (! versionWordInRange (bytes + versionWordOffset))
        return ERR_FILE_VERSION;

    version = versionText (bytes + versionTextOffset);

    if (! CheckSysVer (version))
        return ERR_FILE_VERSION;

    return 1;
}

bool MainComponent::CheckSysVer (juce::String& text)
{
    return isVersionText (text);
}

unsigned short MainComponent::CalcCRC (const unsigned char* data, long length)
{
    return crc16 (data, length);
}

void MainComponent::Descramble (unsigned char* buf, long words, unsigned short storedCrc, const juce::uint64* crcTable)
{
    applyScrambleMask (buf, words, scrambleMask (storedCrc, crcTable));
}
