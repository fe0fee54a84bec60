// The update engine against a simulated controller on a virtual HID device.

#include <AlineButton.h>
#include <HidCtrl.h>
#include <MainComponent.h>
#include <SimulatedController.h>

#include "../support/GuiTestEnvironment.h"
#include "../support/LocaleEnvironment.h"
#include "../support/UpdateFileBesideTests.h"
#include <VirtualController.h>

namespace
{
    using Request = SimulatedController::Request;
    using Fault = SimulatedController::Fault;
    using FaultKind = SimulatedController::FaultKind;

    const juce::StringArray version105 { "--version-text", "1.05", "--version-word", "0x01050000", "--seed", "21" };
    constexpr int runTimeoutMs = 90000;

    SimulatedController::Settings deviceWith (juce::uint32 word, const char* text = "1.00")
    {
        SimulatedController::Settings s;
        s.versionWord = word;
        std::copy (text, text + 4, s.versionText.begin());
        return s;
    }

    std::uint32_t littleEndian (const std::array<std::uint8_t, 64>& r, int at)
    {
        return std::uint32_t (r[at]) | std::uint32_t (r[at + 1]) << 8 | std::uint32_t (r[at + 2]) << 16 | std::uint32_t (r[at + 3]) << 24;
    }

    //==============================================================================
    class Engine : public testing::Test
    {
    protected:
        void build (SimulatedController::Settings settings = deviceWith (0x01000000), bool plugIn = true)
        {
            device = std::make_unique<VirtualController> (settings);

            if (plugIn)
                device->plugIn();

            component = std::make_unique<MainComponent>();
            component->setSize (404, 126);
        }

        void TearDown() override
        {
            component.reset();
            device.reset();
        }

        SimulatedController& controller() { return device->controller(); }

        void press (AlineButton* button) { component->buttonClicked (button); }

        bool waitUntil (std::function<bool()> done, int timeoutMs = runTimeoutMs)
        {
            return GuiTestEnvironment::pumpUntil (done, timeoutMs);
        }

        bool waitForStatus (int status) { return waitUntil ([&] { return component->m_status == status; }); }

        bool waitForWorkerToEnd()
        {
            return waitUntil ([&] { return component->m_status != STS_IDLE && ! component->isThreadRunning(); });
        }

        /** OK, and Start once the versions show; returns the status the worker ended on. */
        int runUpdate()
        {
            press (component->m_pOkButton);
            EXPECT_TRUE (waitUntil ([&] { return component->m_status != STS_IDLE; }));

            if (component->m_status == STS_CONFIRM)
                press (component->m_pOkButton);

            EXPECT_TRUE (waitForWorkerToEnd());
            GuiTestEnvironment::pump (20);
            return component->m_status;
        }

        std::vector<SimulatedController::Received> requestsOf (Request kind)
        {
            std::vector<SimulatedController::Received> out;

            for (auto& r : controller().received())
                if (r.request == kind)
                    out.push_back (r);

            return out;
        }

        ::testing::AssertionResult flashEquals (const juce::MemoryBlock& plain, size_t from, size_t length)
        {
            const auto flash = controller().flash();

            if (std::memcmp (flash.data() + from, static_cast<const char*> (plain.getData()) + from, length) != 0)
                return ::testing::AssertionFailure() << "flash differs in 0x" << std::hex << from << "+0x" << length;

            return ::testing::AssertionSuccess();
        }

        LocaleEnvironment english { { nullptr, nullptr, nullptr, "en_US.UTF-8" } };
        UpdateFileBesideTests updateFile;
        std::unique_ptr<VirtualController> device;
        std::unique_ptr<MainComponent> component;
    };

    //==============================================================================
    TEST_F (Engine, DifferentVersionsWriteAllThreeAreasInTheirOrder)
    {
        const auto file = updateFile.make (version105);
        build();

        EXPECT_EQ (runUpdate(), STS_COMPLETE);
        EXPECT_TRUE (waitUntil ([&] { return component->m_finished == 1; }));

        const auto plain = UpdateFileBesideTests::contentsOf (file);
        EXPECT_TRUE (flashEquals (plain, 0, 0x1D0000));
        EXPECT_EQ (controller().acceptedBlocks(), 15);
        EXPECT_EQ (controller().sumMismatches(), 0);

        const auto received = controller().received();
        ASSERT_GE (received.size(), 3u);
        EXPECT_EQ (received[0].request, Request::mode);
        EXPECT_EQ (received[1].request, Request::version);
        EXPECT_EQ (received[2].request, Request::prepare);
        EXPECT_EQ (received[2].report[0], 0xF1);
        EXPECT_EQ (littleEndian (received[2].report, 2), 0x1C0000u);
        EXPECT_EQ (received[2].report[6], 0xFF);
        EXPECT_EQ (littleEndian (received[2].report, 7), 0x10000u);
        EXPECT_EQ (received.back().request, Request::finish);

        const auto addresses = requestsOf (Request::address);
        ASSERT_EQ (addresses.size(), 15u);

        for (int block = 0; block < 15; ++block)
        {
            const auto& a = addresses[(size_t) block].report;
            const std::uint32_t expected = block < 7 ? 0x20000u * block : block < 14 ? 0xE0000u + 0x20000u * (block - 7) : 0x1C0000u;
            EXPECT_EQ (a[0], block < 7 ? 0xF1 : block < 14 ? 0xF2 : 0xF7) << block;
            EXPECT_EQ (littleEndian (a, 2), expected) << block;
            EXPECT_EQ (littleEndian (a, 7), block < 14 ? 0x20000u : 0x10000u) << block;
        }

        EXPECT_EQ (requestsOf (Request::data).size(), 14u * 2115u + 1058u);
        EXPECT_EQ (requestsOf (Request::sum).size(), 15u);
        EXPECT_EQ (requestsOf (Request::finish).size(), 1u);

        const auto lasts = requestsOf (Request::lastChunk);
        ASSERT_EQ (lasts.size(), 15u);
        EXPECT_EQ (lasts[0].report[2], 4);
        EXPECT_EQ (lasts[14].report[2], 2);
    }

    TEST_F (Engine, EqualVersionsSkipArea0AndWriteTheHeadOfArea2)
    {
        const auto file = updateFile.make (version105);
        build (deviceWith (0x01050000));

        EXPECT_EQ (component->m_pHidCtrl != nullptr, true);
        EXPECT_EQ (runUpdate(), STS_COMPLETE);
        EXPECT_EQ (component->m_totalSize, 0x0E1000);

        const auto prepare = requestsOf (Request::prepare);
        ASSERT_EQ (prepare.size(), 1u);
        EXPECT_EQ (prepare[0].report[0], 0xF2);
        EXPECT_EQ (littleEndian (prepare[0].report, 7), 0x1000u);

        const auto addresses = requestsOf (Request::address);
        ASSERT_EQ (addresses.size(), 8u);
        EXPECT_EQ (littleEndian (addresses[7].report, 7), 0x1000u);
        EXPECT_EQ (requestsOf (Request::lastChunk).back().report[2], 4);

        const auto plain = UpdateFileBesideTests::contentsOf (file);
        EXPECT_TRUE (flashEquals (plain, 0xE0000, 0xE0000 + 0x1000));
        EXPECT_EQ (controller().flash()[0], 0xFF);
        EXPECT_EQ (controller().flash()[0x1C1000], 0xFF);
    }

    TEST_F (Engine, AScrambledFileSendsThePlainBytes)
    {
        auto scrambledOptions = version105;
        scrambledOptions.add ("--scrambled");
        updateFile.make (scrambledOptions);
        const auto plainFile = updateFile.make (version105, "plain-copy.bin");
        const auto plain = UpdateFileBesideTests::contentsOf (plainFile);
        plainFile.deleteFile();

        build();
        EXPECT_EQ (runUpdate(), STS_COMPLETE);
        EXPECT_TRUE (component->m_scrambled);
        EXPECT_TRUE (flashEquals (plain, 0, 0x1D0000));
    }

    TEST_F (Engine, BusyPollsAreRepeatedUntilTheBlockIsAccepted)
    {
        updateFile.make (version105);
        auto settings = deviceWith (0x01050000);
        settings.busyAnswersPerBlock = 3;
        build (settings);

        EXPECT_EQ (runUpdate(), STS_COMPLETE);
        EXPECT_EQ (requestsOf (Request::verify).size(), 8u * 4u);
    }

    TEST_F (Engine, ShowsBothVersionsOnTheConfirmationAndWaits)
    {
        updateFile.make (version105);
        build (deviceWith (0x01000000, "1.00"));

        press (component->m_pOkButton);
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        EXPECT_EQ (component->m_devVersion, "1.00");
        EXPECT_EQ (component->m_updVersion, "1.05");
        EXPECT_EQ (component->m_updArea[0].status, UPD_WRITE);

        GuiTestEnvironment::pump (200);
        EXPECT_EQ (component->m_status, STS_CONFIRM);
        EXPECT_EQ (controller().received().size(), 2u);
    }

    TEST_F (Engine, ADeviceWithoutVersionTextCountsAsVersionZero)
    {
        updateFile.make (version105);
        auto settings = deviceWith (0x01000000);
        settings.versionText = { { 0xFF, 0xFF, 0xFF, 0xFF } };
        build (settings);

        press (component->m_pOkButton);
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        EXPECT_EQ (component->m_devVersion, "0.00");
    }

    //==============================================================================
    struct FileCase
    {
        const char* story;
        const char* damage;     ///< null: no file at all
        int expected;
    };

    std::ostream& operator<< (std::ostream& os, const FileCase& c) { return os << c.story; }

    class RefusedUpdateFile : public Engine, public testing::WithParamInterface<FileCase> {};

    TEST_P (RefusedUpdateFile, EndsTheFirstCycleWithItsIdentifier)
    {
        if (GetParam().damage != nullptr)
        {
            auto options = version105;

            if (*GetParam().damage != 0)
                options.addArray ({ "--damage", GetParam().damage });

            updateFile.make (options);
        }

        build();

        EXPECT_EQ (runUpdate(), GetParam().expected);
        EXPECT_EQ (controller().count (Request::version), 0);
        EXPECT_NE (component->m_updFileState, 8);
    }

    INSTANTIATE_TEST_SUITE_P (Identifiers, RefusedUpdateFile, testing::Values (
        FileCase { "no file", nullptr, ERR_FILE_NOT_FOUND },
        FileCase { "one byte short", "short", ERR_FILE_SIZE },
        FileCase { "one byte long", "long", ERR_FILE_SIZE },
        FileCase { "broken CRC", "crc", ERR_FILE_CRC },
        FileCase { "version word out of range", "version-word", ERR_FILE_VERSION },
        FileCase { "version text with a comma", "version-text", ERR_FILE_VERSION }));

    TEST_F (Engine, OnlyNamesOfTheRightLengthAndPrefixAreTaken)
    {
        updateFile.make (version105, "kpxtlk4__v1050.bin");
        updateFile.make (version105, "KPXTLK4__v105.bin");
        build();

        EXPECT_EQ (runUpdate(), ERR_FILE_NOT_FOUND);
    }

    TEST_F (Engine, TheSuffixMayBeInCapitals)
    {
        updateFile.make (version105, "kpxtlk4__V105.BIN");
        build();

        press (component->m_pOkButton);
        EXPECT_TRUE (waitForStatus (STS_CONFIRM));
    }

    TEST_F (Engine, AFileThatCannotBeLoadedIsE02)
    {
        build();
        const auto folder = UpdateFileBesideTests::folder().getChildFile ("kpxtlk4__unreadable");
        folder.createDirectory();

        unsigned int word = 0;
        juce::String text;
        EXPECT_EQ (component->ParseUpdFile (folder, (int) folder.getSize(), &word, text), ERR_FILE_LOAD);
        EXPECT_EQ (component->ParseUpdFile (folder.getChildFile ("gone"), 0x200000, &word, text), ERR_FILE_NOT_FOUND);
        folder.deleteRecursively();
    }

    TEST_F (Engine, TheUpdateFileDeletedAfterTheChecksIsE32)
    {
        const auto file = updateFile.make (version105);
        build();

        press (component->m_pOkButton);
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        file.deleteFile();
        press (component->m_pOkButton);

        EXPECT_TRUE (waitForWorkerToEnd());
        EXPECT_EQ (component->m_status, ERR_FILE_OPEN);
        EXPECT_EQ (controller().count (Request::data), 0);
    }

    //==============================================================================
    struct DeviceCase
    {
        const char* story;
        SimulatedController::Settings settings;
        int expected;
    };

    std::ostream& operator<< (std::ostream& os, const DeviceCase& c) { return os << c.story; }

    class DeviceVersion : public Engine, public testing::WithParamInterface<DeviceCase> {};

    TEST_P (DeviceVersion, ThatCannotBeReadEndsWithE11)
    {
        updateFile.make (version105);
        build (GetParam().settings);

        EXPECT_EQ (runUpdate(), GetParam().expected);
        EXPECT_EQ (controller().count (Request::prepare), 0);
    }

    INSTANTIATE_TEST_SUITE_P (Answers, DeviceVersion, testing::Values (
        DeviceCase { "word byte 5 above 0x31", deviceWith (0x00000032), ERR_DEVICE_VERSION },
        DeviceCase { "bad text, versions differ", deviceWith (0x01000000, "1.0a"), ERR_DEVICE_VERSION },
        DeviceCase { "bad text, versions equal", deviceWith (0x01050000, "10.5"), ERR_DEVICE_VERSION }));

    //==============================================================================
    struct FaultCase
    {
        const char* story;
        Fault fault;
        int expected;
    };

    std::ostream& operator<< (std::ostream& os, const FaultCase& c) { return os << c.story; }

    class DeviceFault : public Engine, public testing::WithParamInterface<FaultCase> {};

    TEST_P (DeviceFault, EndsTheUpdateWithItsIdentifier)
    {
        updateFile.make (version105);
        build (deviceWith (0x01050000));
        controller().addFault (GetParam().fault);

        EXPECT_EQ (runUpdate(), GetParam().expected);

        // Whatever went wrong, the device never accepted a block whose sum it did not check.
        EXPECT_EQ (controller().sumMismatches(), 0);
    }

    INSTANTIATE_TEST_SUITE_P (Answers, DeviceFault, testing::Values (
        FaultCase { "mode refused, reason 1", { Request::mode, 1, FaultKind::errorAnswer, 1 }, ERR_DEV_REASON_1 },
        FaultCase { "mode refused, reason 2", { Request::mode, 1, FaultKind::errorAnswer, 2 }, ERR_DEV_REASON_2 },
        FaultCase { "mode refused, reason 3", { Request::mode, 1, FaultKind::errorAnswer, 3 }, ERR_DEV_REASON_3 },
        FaultCase { "mode refused, reason 4", { Request::mode, 1, FaultKind::errorAnswer, 4 }, ERR_DEV_REASON_4 },
        FaultCase { "mode refused, reason 5", { Request::mode, 1, FaultKind::errorAnswer, 5 }, ERR_GENERAL },
        FaultCase { "mode refused, unknown reason", { Request::mode, 1, FaultKind::errorAnswer, 9 }, ERR_GENERAL },
        FaultCase { "version refused", { Request::version, 1, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "prepare refused", { Request::prepare, 1, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "address refused", { Request::address, 2, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "a chunk refused", { Request::data, 100, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "a last chunk refused", { Request::lastChunk, 1, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "a chunk refused with reason 5", { Request::data, 7, FaultKind::errorAnswer, 5 }, ERR_GENERAL },
        FaultCase { "a chunk answered by another target", { Request::data, 3, FaultKind::wrongEcho }, ERR_GENERAL },
        FaultCase { "prepare answered by another target", { Request::prepare, 1, FaultKind::wrongEcho }, ERR_GENERAL },
        FaultCase { "address answered by another target", { Request::address, 2, FaultKind::wrongEcho }, ERR_GENERAL },
        FaultCase { "sum answered by another target", { Request::sum, 1, FaultKind::wrongEcho }, ERR_GENERAL },
        FaultCase { "verify answered by another target", { Request::verify, 3, FaultKind::wrongEcho }, ERR_GENERAL },
        FaultCase { "sum refused, reason 2", { Request::sum, 1, FaultKind::errorAnswer, 2 }, ERR_DEV_REASON_2 },
        FaultCase { "sum refused, reason 1", { Request::sum, 1, FaultKind::errorAnswer, 1 }, ERR_GENERAL },
        FaultCase { "verify refused, reason 3", { Request::verify, 1, FaultKind::errorAnswer, 3 }, ERR_DEV_REASON_3 },
        FaultCase { "verify refused, reason 4", { Request::verify, 2, FaultKind::errorAnswer, 4 }, ERR_DEV_REASON_4 },
        FaultCase { "verify refused, reason 2", { Request::verify, 1, FaultKind::errorAnswer, 2 }, ERR_GENERAL }));

    TEST_F (Engine, ARefusedChunkStillSendsTheRestOfTheBlockButNoSum)
    {
        updateFile.make (version105);
        build (deviceWith (0x01050000));
        controller().addFault ({ Request::data, 10, FaultKind::errorAnswer, 1 });

        EXPECT_EQ (runUpdate(), ERR_GENERAL);
        EXPECT_EQ (controller().count (Request::data), 2115);
        EXPECT_EQ (controller().count (Request::sum), 0);
    }

    TEST_F (Engine, AWrongEchoToTheVersionQueryIsForgivenByTheConfirmation)
    {
        updateFile.make (version105);
        build();
        controller().addFault ({ Request::version, 1, FaultKind::wrongEcho });

        press (component->m_pOkButton);
        EXPECT_TRUE (waitForStatus (STS_CONFIRM));
    }

    TEST_F (Engine, NoAnswerToTheModeQueryTimesOutWithE36)
    {
        updateFile.make (version105);
        build();
        controller().addFault ({ Request::mode, 1, FaultKind::noAnswer });

        const auto started = juce::Time::getMillisecondCounter();
        EXPECT_EQ (runUpdate(), ERR_TIMEOUT);
        EXPECT_GE (juce::Time::getMillisecondCounter() - started, 9900u);
    }

    //==============================================================================
    struct RemovalCase
    {
        int status;
        Request at;     ///< the request during which the controller goes; mode means at the confirmation
    };

    std::ostream& operator<< (std::ostream& os, const RemovalCase& c) { return os << "status " << c.status; }

    class Removal : public Engine, public testing::WithParamInterface<RemovalCase> {};

    TEST_P (Removal, DuringTheUpdateEndsWithE37ThatNothingOverwrites)
    {
        updateFile.make (version105);
        build (deviceWith (0x01050000));

        if (GetParam().status != STS_CONFIRM)
            controller().addFault ({ GetParam().at, 1, FaultKind::removal });

        device->unplugOnRemovalFault();

        press (component->m_pOkButton);
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));

        if (GetParam().status == STS_CONFIRM)
            device->unplug();
        else
            press (component->m_pOkButton);

        EXPECT_TRUE (waitForWorkerToEnd());
        GuiTestEnvironment::pump (50);
        EXPECT_EQ (component->m_status, ERR_REMOVED);
        EXPECT_EQ (component->m_pHidCtrl->m_connected, 0);
        EXPECT_EQ (component->getWidth(), 800);
    }

    INSTANTIATE_TEST_SUITE_P (Statuses, Removal, testing::Values (
        RemovalCase { STS_CONFIRM, Request::mode },
        RemovalCase { STS_PREPARE, Request::prepare },
        RemovalCase { STS_SET_ADDR, Request::address },
        RemovalCase { STS_SEND_DATA, Request::data },
        RemovalCase { STS_SEND_SUM, Request::sum },
        RemovalCase { STS_VERIFY, Request::verify }));

    TEST_F (Engine, ARemovalBeforeOkChangesNothingAndOkThenShowsE21)
    {
        build();
        device->unplug();
        GuiTestEnvironment::pump (100);

        EXPECT_EQ (component->m_status, STS_IDLE);
        press (component->m_pOkButton);
        EXPECT_EQ (component->m_status, ERR_NOT_CONNECTED);
        EXPECT_FALSE (component->isThreadRunning());
    }
}
