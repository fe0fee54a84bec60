// The real program, started as a user starts it, with a faked controller and real input.

#include "Updater.h"

#include <ControllerTestbed.h>

#include <gtest/gtest.h>

namespace
{
    using Request = SimulatedController::Request;

    // Places in the 404 × 126 content, and the Close button of the enlarged failure screen.
    const juce::Point<int> rightButton (334, 96), leftButton (224, 96), failureClose (730, 210);
    constexpr int settleMs = 400;

    const juce::StringArray version105 { "--version-text", "1.05", "--version-word", "0x01050000", "--seed", "11" };

    SimulatedController::Settings deviceAt100()
    {
        SimulatedController::Settings s;
        s.versionWord = 0x01000000;
        s.busyAnswersPerBlock = 1;
        return s;
    }

    class EndToEnd : public testing::Test
    {
    protected:
        void SetUp() override
        {
            ASSERT_TRUE (ControllerTestbed::isFaking()) << "run under umockdev-wrapper";
            ASSERT_NE (std::getenv ("DISPLAY"), nullptr) << "run on an X server";
        }

        void startUpdater()
        {
            ASSERT_TRUE (updater.start());
            ASSERT_TRUE (updater.waitForWindow ("Updater Program"));
            juce::Thread::sleep (settleMs);
        }

        /** OK on the language screen; the versions show once the controller has told its own. */
        void reachConfirmation (ControllerTestbed& bed)
        {
            updater.clickAt (rightButton);
            ASSERT_TRUE (bed.controller().waitFor (Request::version, 1, 20000));
            juce::Thread::sleep (settleMs);
        }

        /** The finish report has gone out and the completion screen shows. */
        void waitForCompletion (ControllerTestbed& bed)
        {
            ASSERT_TRUE (bed.controller().waitFor (Request::finish, 1, 120000));
            juce::Thread::sleep (settleMs);
        }

        void expectOrderlyExit (int timeoutMs = 15000)
        {
            ASSERT_TRUE (updater.waitForExit (timeoutMs)) << "the program did not end";
            EXPECT_EQ (updater.exitCode(), 0);
            EXPECT_FALSE (updater.anythingLeftRunning());
        }

        /** Whether the simulator's flash holds the areas of the update file that were to be written. */
        ::testing::AssertionResult flashHoldsFile (const juce::File& file, bool area0Written, int area2Size)
        {
            juce::MemoryBlock bytes;
            file.loadFileAsData (bytes);
            auto* plain = static_cast<const juce::uint8*> (bytes.getData());
            const auto flash = testbed.controller().flash();

            struct Range { size_t from, length; };
            std::vector<Range> ranges { { 0x0E0000, 0x0E0000 }, { 0x1C0000, (size_t) area2Size } };

            if (area0Written)
                ranges.push_back ({ 0, 0x0E0000 });

            for (auto r : ranges)
                if (std::memcmp (flash.data() + r.from, plain + r.from, r.length) != 0)
                    return ::testing::AssertionFailure() << "flash differs from the file at 0x" << std::hex << r.from;

            return ::testing::AssertionSuccess();
        }

        ControllerTestbed testbed { deviceAt100() };
        Updater updater;
    };

    //==============================================================================
    TEST_F (EndToEnd, DifferentVersionsAreUpdatedInFullAndOkQuits)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        EXPECT_EQ (updater.windowGeometry().getWidth(), 404);
        EXPECT_EQ (updater.windowGeometry().getHeight(), 126);
        updater.screenshot ("full-update-1-language");

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (testbed));
        updater.screenshot ("full-update-2-confirm");

        updater.clickAt (rightButton);
        ASSERT_TRUE (testbed.controller().waitFor (Request::data, 20000, 60000));
        updater.screenshot ("full-update-3-writing");

        ASSERT_NO_FATAL_FAILURE (waitForCompletion (testbed));
        updater.screenshot ("full-update-4-complete");

        updater.clickAt (rightButton);
        expectOrderlyExit();

        EXPECT_EQ (testbed.controller().acceptedBlocks(), 15);
        EXPECT_TRUE (flashHoldsFile (updater.folder().getChildFile ("kpxtlk4__v105.bin"), true, 0x10000));
    }

    TEST_F (EndToEnd, EqualVersionsSkipArea0)
    {
        auto settings = deviceAt100();
        settings.versionWord = 0x01050000;
        ControllerTestbed sameVersion { settings };
        sameVersion.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (sameVersion));

        // Start has the keyboard focus on the confirmation: Return presses it.
        updater.pressKey ("Return");

        ASSERT_NO_FATAL_FAILURE (waitForCompletion (sameVersion));
        updater.screenshot ("equal-versions-complete");
        updater.clickAt (rightButton);
        expectOrderlyExit();

        EXPECT_EQ (sameVersion.controller().acceptedBlocks(), 8);
        const auto received = sameVersion.controller().received();
        const auto prepare = std::find_if (received.begin(), received.end(), [] (auto& r) { return r.request == Request::prepare; });
        ASSERT_NE (prepare, received.end());
        EXPECT_EQ (prepare->report[0], 0xF2);
    }

    TEST_F (EndToEnd, NoControllerShowsE21AndCloseQuits)
    {
        updater.placeUpdateFile (version105);
        startUpdater();

        updater.clickAt (rightButton);
        juce::Thread::sleep (settleMs);
        updater.screenshot ("no-controller-e21");

        updater.clickAt (rightButton);
        expectOrderlyExit();
    }

    TEST_F (EndToEnd, RemovalWhileWritingShowsTheFailureScreen)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (testbed));
        updater.clickAt (rightButton);
        ASSERT_TRUE (testbed.controller().waitFor (Request::data, 500, 60000));

        testbed.unplug();
        juce::Thread::sleep (1500);

        const auto enlarged = updater.windowGeometry();
        EXPECT_EQ (enlarged.getWidth(), 800);
        EXPECT_EQ (enlarged.getHeight(), 240);
        EXPECT_TRUE (juce::Rectangle<int> (0, 0, 1024, 768).contains (enlarged)) << "the window runs off the screen";
        updater.screenshot ("removed-while-writing");

        updater.clickAt (failureClose);
        expectOrderlyExit();
        EXPECT_EQ (testbed.controller().count (Request::finish), 0);
    }

    TEST_F (EndToEnd, MissingUpdateFileShowsE01)
    {
        testbed.plugIn();
        startUpdater();

        updater.clickAt (rightButton);
        ASSERT_TRUE (testbed.controller().waitFor (Request::mode, 1, 20000));
        juce::Thread::sleep (settleMs);
        updater.screenshot ("missing-file-e01");
        EXPECT_EQ (testbed.controller().count (Request::version), 0);

        updater.clickAt (rightButton);
        expectOrderlyExit();
        EXPECT_EQ (testbed.controller().count (Request::reboot), 0);
    }

    TEST_F (EndToEnd, CloseOnTheConfirmationRebootsTheControllerOnce)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (testbed));
        updater.screenshot ("close-on-confirm");

        updater.clickAt (leftButton);
        expectOrderlyExit();

        const auto received = testbed.controller().received();
        ASSERT_EQ (testbed.controller().count (Request::reboot), 1);
        const auto& reboot = received.back();
        EXPECT_EQ (reboot.request, Request::reboot);

        for (size_t i = 2; i < reboot.report.size(); ++i)
            EXPECT_EQ (reboot.report[i], 0) << i;
    }

    TEST_F (EndToEnd, CancelOnTheLanguageScreenQuitsWithoutAReport)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        updater.clickAt (leftButton);
        expectOrderlyExit();
        EXPECT_TRUE (testbed.controller().received().empty());
    }

    TEST_F (EndToEnd, ASecondStartLeavesOneWindowAndBringsTheFirstForward)
    {
        updater.placeUpdateFile (version105);
        startUpdater();
        const auto first = updater.window();

        Updater second;
        ASSERT_TRUE (second.start());
        ASSERT_TRUE (second.waitForExit (10000)) << "the second start did not end";

        juce::Thread::sleep (settleMs);
        const auto windows = juce::StringArray::fromLines (Updater::run ({ "xdotool", "search", "--onlyvisible", "--name", "^Updater Program$" }).trim());
        EXPECT_EQ (windows.size(), 1);
        EXPECT_EQ (windows[0], first);
        EXPECT_EQ (second.exitCode(), 0);

        updater.clickAt (leftButton);
        expectOrderlyExit();
    }

    TEST_F (EndToEnd, TheSystemsQuitRequestEndsTheProgramInOrder)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (testbed));

        Updater::run ({ "pkill", "-TERM", "-f", updater.folder().getFullPathName() });
        expectOrderlyExit();
    }

    TEST_F (EndToEnd, TheSystemsQuitRequestWaitsUntilTheFirmwareIsWritten)
    {
        testbed.plugIn();
        updater.placeUpdateFile (version105);
        startUpdater();

        ASSERT_NO_FATAL_FAILURE (reachConfirmation (testbed));
        updater.clickAt (rightButton);
        ASSERT_TRUE (testbed.controller().waitFor (Request::data, 100, 60000));

        // The program ends only once the rest of the firmware is in: as long as a whole update.
        Updater::run ({ "pkill", "-TERM", "-f", updater.folder().getFullPathName() });
        expectOrderlyExit (120000);

        EXPECT_EQ (testbed.controller().count (Request::finish), 1);
        EXPECT_EQ (testbed.controller().acceptedBlocks(), 15);
    }
}
