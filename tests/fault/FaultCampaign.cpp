// Injects every fault the simulated controller knows into every request of an update, one fault
// per run, and checks how each run ends:
//
//   fault-campaign [--short]
//
// For every request kind with an answer (mode, version, prepare, address, data, last chunk, sum,
// verify) at the occurrences below, and every fault (error answer with reason 1 to 5, wrong echo,
// no answer, removal), a fresh controller and main component run an update of areas 1 and 2.
// A run passes when the status it ends on is the identifier the protocol gives for that fault,
// when it ends within its time, and when the controller's flash holds only whole blocks that
// equal the update file and whose sums matched. One line a run is printed, then the totals; the
// exit code is 1 if any run failed.
//
// "No answer", and a removal while the program is still at its checks, cost the full exchange
// wait of 10 s each. --short leaves those out, and every occurrence but the first, for ctest.

#include <MainComponent.h>
#include <MessageLoop.h>
#include <VirtualController.h>

#include "../support/HeadlessDisplay.h"
#include "../support/UpdateFileMaker.h"
#include "../support/UpdateToItsEnd.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
    using Request = SimulatedController::Request;
    using FaultKind = SimulatedController::FaultKind;

    // The device's version word equals the file's, so areas 1 and 2 are written: seven blocks of
    // 0x20000 bytes from 0xE0000, then the head of area 2, 0x1000 bytes at 0x1C0000.
    constexpr juce::uint32 versionWord = 0x01050000;
    constexpr int blocks = 8;
    constexpr int chunksPerFullBlock = 2115;
    constexpr int runTimeoutMs = 120000;

    struct Block
    {
        size_t address, length;
    };

    Block blockAt (int index)
    {
        return index < 7 ? Block { 0xE0000 + 0x20000 * (size_t) index, 0x20000 } : Block { 0x1C0000, 0x1000 };
    }

    /** A request kind, and which of its occurrences gets the fault. */
    struct Target
    {
        Request request;
        int occurrence;
        int status;     ///< the worker's status while the request is out
    };

    const Target targets[] = {
        { Request::mode,      1,                      STS_IDLE },
        { Request::version,   1,                      STS_IDLE },
        { Request::prepare,   1,                      STS_PREPARE },
        { Request::address,   1,                      STS_SET_ADDR },
        { Request::address,   blocks,                 STS_SET_ADDR },
        { Request::data,      1,                      STS_SEND_DATA },
        { Request::data,      chunksPerFullBlock + 7, STS_SEND_DATA },
        { Request::lastChunk, 1,                      STS_SEND_DATA },
        { Request::lastChunk, blocks,                 STS_SEND_DATA },
        { Request::sum,       1,                      STS_SEND_SUM },
        { Request::sum,       blocks,                 STS_SEND_SUM },
        { Request::verify,    1,                      STS_VERIFY },
        { Request::verify,    blocks,                 STS_VERIFY },
    };

    struct FaultType
    {
        FaultKind kind;
        int reason;
        const char* name;
    };

    const FaultType faultTypes[] = {
        { FaultKind::errorAnswer, 1, "error 1" },
        { FaultKind::errorAnswer, 2, "error 2" },
        { FaultKind::errorAnswer, 3, "error 3" },
        { FaultKind::errorAnswer, 4, "error 4" },
        { FaultKind::errorAnswer, 5, "error 5" },
        { FaultKind::wrongEcho,   0, "wrong echo" },
        { FaultKind::noAnswer,    0, "no answer" },
        { FaultKind::removal,     0, "removal" },
    };

    //==============================================================================
    /** The status an update ends on when the fault strikes the target. */
    int expectedStatus (const Target& target, const FaultType& fault)
    {
        switch (fault.kind)
        {
            case FaultKind::noAnswer:
                return ERR_TIMEOUT;

            case FaultKind::removal:
                // During the checks a removal is no removal error yet: the exchange waits out.
                return target.status == STS_IDLE ? ERR_TIMEOUT : ERR_REMOVED;

            case FaultKind::wrongEcho:
                // Before the confirmation the checks go on and the confirmation replaces the
                // recorded error; once writing, an answer from another target ends the update.
                return target.status == STS_IDLE ? STS_COMPLETE : ERR_GENERAL;

            case FaultKind::errorAnswer:
                break;
        }

        if (target.request == Request::mode)
        {
            const int byReason[] = { ERR_DEV_REASON_1, ERR_DEV_REASON_2, ERR_DEV_REASON_3, ERR_DEV_REASON_4 };
            return fault.reason <= 4 ? byReason[fault.reason - 1] : ERR_GENERAL;
        }

        if (target.request == Request::sum && fault.reason == 2)
            return ERR_DEV_REASON_2;

        if (target.request == Request::verify && (fault.reason == 3 || fault.reason == 4))
            return fault.reason == 3 ? ERR_DEV_REASON_3 : ERR_DEV_REASON_4;

        return ERR_GENERAL;
    }

    bool waitsOutTheExchange (const Target& target, const FaultType& fault)
    {
        return expectedStatus (target, fault) == ERR_TIMEOUT;
    }

    //==============================================================================
    struct Outcome
    {
        int status = STS_IDLE;
        bool ended = false;
        int acceptedBlocks = 0;
        juce::String flashFault;    ///< empty when the flash holds only whole, matching blocks
    };

    /** Every block of the flash is either untouched or equal to the file; anything else, and
        committed blocks that the controller did not count as accepted, is described. */
    juce::String checkFlash (const SimulatedController& controller, const juce::MemoryBlock& file)
    {
        const auto flash = controller.flash();
        const auto* plain = static_cast<const std::uint8_t*> (file.getData());
        int whole = 0;

        for (int i = 0; i < blocks; ++i)
        {
            const auto b = blockAt (i);
            const auto* at = flash.data() + b.address;

            if (std::memcmp (at, plain + b.address, b.length) == 0)
                ++whole;
            else if (std::any_of (at, at + b.length, [] (std::uint8_t v) { return v != 0xFF; }))
                return juce::String::formatted ("block at 0x%X partly written", (unsigned) b.address);
        }

        if (controller.sumMismatches() != 0)
            return juce::String::formatted ("%d sums did not match", controller.sumMismatches());

        if (whole != controller.acceptedBlocks())
            return juce::String::formatted ("%d blocks in flash, %d accepted", whole, controller.acceptedBlocks());

        return {};
    }

    Outcome run (const Target& target, const FaultType& fault, const juce::MemoryBlock& file)
    {
        SimulatedController::Settings settings;
        settings.versionWord = versionWord;

        VirtualController device (settings);
        device.plugIn();
        device.unplugOnRemovalFault();
        device.controller().addFault ({ target.request, target.occurrence, fault.kind, fault.reason });

        Outcome outcome;
        auto component = std::make_unique<MainComponent>();
        component->setSize (404, 126);

        outcome.ended = runUpdateToItsEnd (*component, runTimeoutMs);
        MessageLoop::run (20);
        outcome.status = component->m_status;
        component.reset();

        outcome.acceptedBlocks = device.controller().acceptedBlocks();
        outcome.flashFault = checkFlash (device.controller(), file);
        return outcome;
    }

    juce::String statusName (int status)
    {
        return status == STS_COMPLETE ? juce::String ("complete") : "0x" + juce::String::toHexString (status).toUpperCase();
    }
}

int main (int argc, char* argv[])
{
    const bool quick = argc == 2 && std::strcmp (argv[1], "--short") == 0;

    keepHeadlessRunOffStrayDisplays();
    juce::ScopedJuceInitialiser_GUI gui;
    const auto file = UpdateFileMaker::besideExecutable ("kpxtlk4__v105.bin");
    const auto contents = UpdateFileMaker::make (file, { "--version-text", "1.05", "--version-word",
                                                         juce::String::formatted ("0x%08X", versionWord) });

    if (contents.getSize() != SimulatedController::flashSize)
    {
        std::fprintf (stderr, "fault-campaign: no update file made at %s\n", file.getFullPathName().toRawUTF8());
        return 1;
    }

    std::printf ("%-11s %-10s %10s %9s %9s %6s  %s\n", "fault", "request", "occurrence", "expected", "actual", "blocks", "result");
    int passed = 0, failed = 0;

    for (const auto& target : targets)
    {
        for (const auto& fault : faultTypes)
        {
            if (quick && (target.occurrence != 1 || waitsOutTheExchange (target, fault)))
                continue;

            const auto expected = expectedStatus (target, fault);
            const auto outcome = run (target, fault, contents);
            const bool pass = outcome.ended && outcome.status == expected && outcome.flashFault.isEmpty();

            std::printf ("%-11s %-10s %10d %9s %9s %6d  %s%s%s\n", fault.name, SimulatedController::nameOf (target.request),
                         target.occurrence, statusName (expected).toRawUTF8(), statusName (outcome.status).toRawUTF8(),
                         outcome.acceptedBlocks, pass ? "pass" : "FAIL",
                         outcome.ended ? "" : " (still running)",
                         outcome.flashFault.isEmpty() ? "" : (" (" + outcome.flashFault + ")").toRawUTF8());
            std::fflush (stdout);
            ++(pass ? passed : failed);
        }
    }

    file.deleteFile();
    std::printf ("\nfault-campaign: %d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
