// Runs a fuzz target's entry point once on each file of the folders given, without libFuzzer: so
// that the seeds and every input that once broke the program are replayed by ctest in any build.

#include <juce_core/juce_core.h>

#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size);

int main (int argc, char* argv[])
{
    int replayed = 0;

    for (int i = 1; i < argc; ++i)
    {
        for (const auto& file : juce::File (argv[i]).findChildFiles (juce::File::findFiles, false))
        {
            juce::MemoryBlock input;

            if (! file.loadFileAsData (input))
            {
                std::fprintf (stderr, "replay: cannot read %s\n", file.getFullPathName().toRawUTF8());
                return 1;
            }

            std::printf ("replay: %s\n", file.getFileName().toRawUTF8());
            std::fflush (stdout);
            LLVMFuzzerTestOneInput (static_cast<const std::uint8_t*> (input.getData()), input.getSize());
            ++replayed;
        }
    }

    std::printf ("replay: %d inputs, none broke the program\n", replayed);
    return 0;
}
