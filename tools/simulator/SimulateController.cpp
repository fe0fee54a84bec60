// Runs a program with a simulated KPX-TLK4 plugged in, for a try-out without hardware:
//
//   umockdev-wrapper simulate-controller [--device-version 1.00] PROGRAM
//
// The controller answers the update protocol at the pace of a full-speed USB device (1 ms per
// report, one "busy" poll per block) and reports the firmware version given (default 1.00, so
// that any newer update file is offered in full). It stays plugged in until the program ends.

#include "ControllerTestbed.h"

#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>

extern char** environ;

int main (int argc, char* argv[])
{
    std::string version = "1.00";
    int first = 1;

    if (argc > 2 && std::strcmp (argv[1], "--device-version") == 0)
    {
        version = argv[2];
        first = 3;
    }

    if (first >= argc || version.size() != 4)
    {
        std::fprintf (stderr, "usage: umockdev-wrapper simulate-controller [--device-version D.DD] PROGRAM [ARGS...]\n");
        return 2;
    }

    SimulatedController::Settings settings;
    settings.versionWord = (std::uint32_t) (version[0] - '0') << 24 | (std::uint32_t) std::stoul (version.substr (2), nullptr, 16) << 16;
    std::copy (version.begin(), version.end(), settings.versionText.begin());
    settings.answerDelayMs = 1;
    settings.busyAnswersPerBlock = 1;

    ControllerTestbed testbed (settings);

    if (! ControllerTestbed::isFaking())
    {
        std::fprintf (stderr, "simulate-controller: run me under umockdev-wrapper\n");
        return 2;
    }

    testbed.plugIn();
    std::fprintf (stderr, "simulate-controller: KPX-TLK4 with firmware %s on %s\n", version.c_str(), testbed.nodePath().c_str());

    pid_t program = 0;

    if (::posix_spawn (&program, argv[first], nullptr, nullptr, argv + first, environ) != 0)
    {
        std::fprintf (stderr, "simulate-controller: cannot start %s\n", argv[first]);
        return 1;
    }

    int status = 0;
    ::waitpid (program, &status, 0);

    const auto& device = testbed.controller();
    std::fprintf (stderr, "simulate-controller: %d requests received, %d blocks accepted\n",
                  (int) device.received().size(), device.acceptedBlocks());

    return WIFEXITED (status) ? WEXITSTATUS (status) : 1;
}
