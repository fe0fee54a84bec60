// Times a full update (all three areas, 0x1D0000 bytes) against the simulated controller on a
// virtual HID device, and prints one figure a line:
//
//   bench-update [--answer-delay-ms N]
//
//   wall_s                from Start to the worker's last step
//   exchanges             requests that were answered (the finish report is not one)
//   exchanges_per_s       exchanges over the wall time
//   host_us_per_exchange  wall time per exchange without the 100 ms pauses between verify polls
//   cpu_s                 CPU time of the whole process over the same span
//
// With --answer-delay-ms 1 the simulator answers at the pace of a full-speed USB interrupt
// endpoint, one report per millisecond.

#include <AlineButton.h>
#include <MainComponent.h>
#include <MessageLoop.h>
#include <VirtualController.h>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace
{
    double cpuSeconds()
    {
        rusage usage {};
        getrusage (RUSAGE_SELF, &usage);
        auto seconds = [] (const timeval& t) { return (double) t.tv_sec + (double) t.tv_usec / 1e6; };
        return seconds (usage.ru_utime) + seconds (usage.ru_stime);
    }

    juce::File makeUpdateFile()
    {
        const auto file = juce::File::getSpecialLocation (juce::File::currentExecutableFile).getParentDirectory().getChildFile ("kpxtlk4__v105.bin");
        juce::ChildProcess maker;
        maker.start (juce::StringArray { MAKE_UPDATE_FILE, file.getFullPathName(), "--version-text", "1.05", "--version-word", "0x01050000" });
        maker.waitForProcessToFinish (30000);
        return file;
    }
}

int main (int argc, char* argv[])
{
    SimulatedController::Settings settings;
    settings.versionWord = 0x01000000;

    if (argc == 3 && std::strcmp (argv[1], "--answer-delay-ms") == 0)
        settings.answerDelayMs = std::atoi (argv[2]);

    juce::ScopedJuceInitialiser_GUI gui;
    const auto file = makeUpdateFile();

    VirtualController device (settings);
    device.plugIn();
    auto component = std::make_unique<MainComponent>();
    component->setSize (404, 126);

    component->buttonClicked (component->m_pOkButton);

    if (! MessageLoop::runUntil ([&] { return component->m_status == STS_CONFIRM; }, 60000))
    {
        std::fprintf (stderr, "bench-update: no confirmation screen (status 0x%X)\n", component->m_status.load());
        return 1;
    }

    const auto before = device.controller().received().size();
    const double cpuBefore = cpuSeconds();
    const auto start = juce::Time::getHighResolutionTicks();

    component->buttonClicked (component->m_pOkButton);

    if (! MessageLoop::runUntil ([&] { return component->m_finished == 1; }, 15 * 60 * 1000))
    {
        std::fprintf (stderr, "bench-update: the update did not complete (status 0x%X)\n", component->m_status.load());
        return 1;
    }

    const double wall = juce::Time::highResolutionTicksToSeconds (juce::Time::getHighResolutionTicks() - start);
    const double cpu = cpuSeconds() - cpuBefore;
    const auto& sim = device.controller();
    const auto exchanges = (double) (sim.received().size() - before - (size_t) sim.count (SimulatedController::Request::finish));
    const double pauses = 0.1 * sim.count (SimulatedController::Request::verify);

    std::printf ("wall_s: %.3f\n", wall);
    std::printf ("exchanges: %.0f\n", exchanges);
    std::printf ("exchanges_per_s: %.0f\n", exchanges / wall);
    std::printf ("host_us_per_exchange: %.1f\n", (wall - pauses) * 1e6 / exchanges);
    std::printf ("cpu_s: %.3f\n", cpu);

    component.reset();
    file.deleteFile();
    return 0;
}
