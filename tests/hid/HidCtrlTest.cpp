#include "HandlerRecorder.h"
#include "../support/GuiTestEnvironment.h"

#include <HidCtrl.h>

#include <array>
#include <atomic>
#include <thread>

namespace
{
    constexpr int loopMs = 3000;

    bool isCleared (const HidCtrl& ctrl)
    {
        for (auto b : ctrl.m_input)
            if (b != 0)
                return false;

        return ctrl.m_inputLength == 0;
    }
}

//==============================================================================
class HidCtrlTest : public testing::Test
{
protected:
    HandlerRecorder owner;
    HidCtrl ctrl;
    VirtualHidDevice device { kpxController() };
    std::array<unsigned char, 64> report {};
};

TEST_F (HidCtrlTest, AControllerPresentAtStartIsHeldWithoutTellingTheOwner)
{
    device.attach();

    EXPECT_TRUE (ctrl.initialize (&owner, 1));
    EXPECT_EQ (ctrl.m_connected, 1);
    EXPECT_EQ (ctrl.m_version, 102);

    GuiTestEnvironment::pump (100);
    EXPECT_EQ (owner.matchings, 0);
}

TEST_F (HidCtrlTest, AControllerArrivingLaterIsAnnouncedOnceWithNoInput)
{
    EXPECT_FALSE (ctrl.initialize (&owner, 1));
    EXPECT_EQ (ctrl.m_connected, 0);

    device.attach();
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return owner.matchings == 1; }, loopMs));
    EXPECT_EQ (ctrl.m_connected, 1);
    EXPECT_EQ (ctrl.m_version, 102);
    EXPECT_EQ (ctrl.m_inputLength, 0u);
}

TEST_F (HidCtrlTest, ARemovalClearsEverythingAndStopsSending)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));

    report.fill (0xF3);
    ASSERT_TRUE (device.sendInputReport (report.data(), report.size()));
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return owner.inputs == 1; }, loopMs));

    device.detach();
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return owner.removals == 1; }, loopMs));
    EXPECT_EQ (ctrl.m_connected, 0);
    EXPECT_EQ (ctrl.m_version, 0);
    EXPECT_TRUE (isCleared (ctrl));
    EXPECT_FALSE (ctrl.sendData (report.data(), report.size()));
}

TEST_F (HidCtrlTest, AnAcceptedReportIsInPlaceBeforeTheOwnerIsTold)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));

    for (size_t i = 0; i < report.size(); ++i)
        report[i] = (unsigned char) (0xF0 + i % 16);

    bool seenInPlace = false;
    owner.onInput = [&] { seenInPlace = ctrl.m_inputLength == 64 && std::equal (report.begin(), report.end(), ctrl.m_input); };

    ASSERT_TRUE (device.sendInputReport (report.data(), report.size()));
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return owner.inputs == 1; }, loopMs));
    EXPECT_TRUE (seenInPlace);
}

TEST_F (HidCtrlTest, SendingWhileConnectedReachesTheDevice)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));

    report.fill (0x42);
    EXPECT_TRUE (ctrl.sendData (report.data(), report.size()));

    std::array<std::uint8_t, 128> received {};
    EXPECT_EQ (device.receiveOutputReport (received.data(), received.size(), loopMs), 65u);
    EXPECT_EQ (received[64], 0x42);
}

TEST_F (HidCtrlTest, AfterFinalizeNoEventReachesTheControllerOrItsOwner)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));
    ctrl.finalize();

    report.fill (0xF0);
    device.sendInputReport (report.data(), report.size());
    device.detach();
    GuiTestEnvironment::pump (200);

    EXPECT_EQ (owner.inputs + owner.removals + owner.matchings, 0);
    EXPECT_EQ (ctrl.m_connected, 1) << "the state is kept as it was";

    HidCtrl next;
    device.attach();
    EXPECT_TRUE (next.initialize (&owner, 1)) << "a new controller object takes the device again";
}

TEST_F (HidCtrlTest, ASecondControllerObjectStaysOutWhileTheFirstIsRegistered)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));

    HandlerRecorder otherOwner;
    HidCtrl other;
    EXPECT_FALSE (other.initialize (&otherOwner, 1));
    EXPECT_EQ (other.m_pHidUtil, nullptr);
    EXPECT_EQ (other.m_pHandler, nullptr);

    report.fill (0xF0);
    ASSERT_TRUE (device.sendInputReport (report.data(), report.size()));
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return owner.inputs == 1; }, loopMs));
    EXPECT_EQ (otherOwner.inputs, 0);
}

TEST_F (HidCtrlTest, SendingOnTheWorkerWhileTheControllerGoesEndsInAFailure)
{
    device.attach();
    ASSERT_TRUE (ctrl.initialize (&owner, 1));

    // The device side keeps reading, so that only the unplug can make a send fail.
    std::atomic<bool> failed { false };
    std::thread reader ([&]
    {
        std::array<std::uint8_t, 128> received {};

        while (! failed)
            device.receiveOutputReport (received.data(), received.size(), 10);
    });

    std::thread worker ([&]
    {
        std::array<unsigned char, 64> bytes {};

        while (! failed)
            failed = ! ctrl.sendData (bytes.data(), bytes.size());
    });

    GuiTestEnvironment::pump (50);
    device.detach();
    const bool removed = GuiTestEnvironment::pumpUntil ([&] { return owner.removals == 1; }, loopMs);
    const bool stopped = GuiTestEnvironment::pumpUntil ([&] { return failed.load(); }, loopMs);
    failed = true;
    worker.join();
    reader.join();

    EXPECT_TRUE (removed);
    EXPECT_TRUE (stopped);
}
