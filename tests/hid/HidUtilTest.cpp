#include "HandlerRecorder.h"
#include "../support/GuiTestEnvironment.h"

#include <HidUtil.h>

#include <array>
#include <cstring>

namespace
{
    constexpr int loopMs = 3000;

    /** Long enough for an event that should not come to have come. */
    void settle() { GuiTestEnvironment::pump (100); }
}

//==============================================================================
class HidUtilTest : public testing::Test
{
protected:
    bool start()
    {
        return util.initialize (&handler, 1) && util.deviceMatching();
    }

    HandlerRecorder handler;
    HidUtil util;
};

struct ProductCase
{
    std::optional<std::int64_t> vendor, product;
    bool accepted;
};

std::ostream& operator<< (std::ostream& out, const ProductCase& c)
{
    return out << std::hex << "vendor " << c.vendor.value_or (-1) << " product " << c.product.value_or (-1);
}

class ProductAcceptanceTest : public HidUtilTest, public testing::WithParamInterface<ProductCase> {};

TEST_P (ProductAcceptanceTest, TakesOnlyTheControllersProducts)
{
    VirtualHidDevice device ({ GetParam().vendor, GetParam().product, 0x0102, 0x01400000 });
    device.attach();

    EXPECT_EQ (start(), GetParam().accepted);
    settle();
    EXPECT_EQ (handler.matchings, 0) << "a device found at start is not announced";
}

INSTANTIATE_TEST_SUITE_P (VendorsAndProducts, ProductAcceptanceTest, testing::Values (
    ProductCase { 0x2B73, 0x4C, true },
    ProductCase { 0x2B73, 0x52, true },
    ProductCase { 0x2B73, 0x53, true },
    ProductCase { 0x2B73, 0x54, true },
    ProductCase { 0x2B73, std::nullopt, true },
    ProductCase { 0x2B73, 0x55, false },
    ProductCase { 0x1234, 0x4C, false },
    ProductCase { std::nullopt, 0x4C, false }));

TEST_F (HidUtilTest, ArrivalAndRemovalReachTheHandlerOnceEach)
{
    VirtualHidDevice first (kpxController (0x01100000)), second (kpxController (0x01200000));

    EXPECT_FALSE (start());

    first.attach();
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return handler.matchings == 1; }, loopMs));

    second.attach();
    settle();
    EXPECT_EQ (handler.matchings, 1) << "a second controller while one is held";

    first.detach();
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return handler.removals == 1; }, loopMs));
    settle();
    EXPECT_EQ (handler.removals, 1);
    EXPECT_EQ (util.deviceVersion(), 0);

    first.attach();
    EXPECT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return handler.matchings == 2; }, loopMs));
}

TEST_F (HidUtilTest, ASecondInstanceCannotRegister)
{
    ASSERT_TRUE (util.initialize (&handler, 1));

    HandlerRecorder otherHandler;
    HidUtil other;
    EXPECT_FALSE (other.initialize (&otherHandler, 1));
    EXPECT_EQ (HidUtil::m_pinstance, &util);
}

//==============================================================================
struct InputCase
{
    std::uint8_t firstByte;
    std::size_t length;
    bool passedOn;
    unsigned long recorded;
};

std::ostream& operator<< (std::ostream& out, const InputCase& c)
{
    return out << std::hex << "first byte " << (int) c.firstByte << std::dec << " length " << c.length;
}

class InputFilterTest : public HidUtilTest, public testing::WithParamInterface<InputCase> {};

TEST_P (InputFilterTest, PassesOnOnlyReportsFromF0AndRecordsEveryLength)
{
    const auto c = GetParam();
    VirtualHidDevice device (kpxController());
    device.attach();
    ASSERT_TRUE (start());

    std::vector<std::uint8_t> report (c.length, 0x5A);
    report[0] = c.firstByte;
    ASSERT_TRUE (device.sendInputReport (report.data(), report.size()));

    // The buffer starts zeroed: the report's first byte in it shows that the report was handled.
    std::array<unsigned char, 64> copy {};
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { util.deviceInput (copy.data(), 64, 0); return copy[0] == c.firstByte; }, loopMs));

    EXPECT_EQ (util.deviceInput (copy.data(), 64, 0), c.recorded);
    EXPECT_EQ (handler.inputs, c.passedOn ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P (FirstBytesAndLengths, InputFilterTest, testing::Values (
    InputCase { 0xF0, 64, true, 64 },
    InputCase { 0x7F, 64, false, 64 },
    InputCase { 0xEF, 64, false, 64 },
    InputCase { 0xF5, 10, true, 10 },
    InputCase { 0xFF, 100, true, 64 }));

TEST_F (HidUtilTest, InputCopiesAtMostTheAskedLengthAndRefusesWithoutBufferOrDevice)
{
    std::array<unsigned char, 64> copy {};
    EXPECT_EQ (util.deviceInput (copy.data(), 64, 0), 0u) << "no device held";

    VirtualHidDevice device (kpxController());
    device.attach();
    ASSERT_TRUE (start());

    std::array<std::uint8_t, 64> report {};
    report.fill (0xF1);
    ASSERT_TRUE (device.sendInputReport (report.data(), report.size()));
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return handler.inputs == 1; }, loopMs));

    EXPECT_EQ (util.deviceInput (nullptr, 64, 0), 0u);
    EXPECT_EQ (util.deviceInput (copy.data(), 0, 0), 0u);
    EXPECT_EQ (util.deviceInput (copy.data(), 8, 0), 8u);
    EXPECT_EQ (util.deviceInput (copy.data(), 64, 0), 64u) << "the report stays for a second read";
}

//==============================================================================
struct VersionCase
{
    std::int64_t word;
    int decimal;
};

std::ostream& operator<< (std::ostream& out, const VersionCase& c)
{
    return out << std::hex << "word " << c.word;
}

class DeviceVersionTest : public HidUtilTest, public testing::WithParamInterface<VersionCase> {};

TEST_P (DeviceVersionTest, ReadsTheWordDigitByDigit)
{
    VirtualHidDevice device ({ 0x2B73, 0x4C, GetParam().word, 0x01400000 });
    device.attach();
    ASSERT_TRUE (start());
    EXPECT_EQ (util.deviceVersion(), GetParam().decimal);
}

INSTANTIATE_TEST_SUITE_P (VersionWords, DeviceVersionTest, testing::Values (
    VersionCase { 0x0102, 102 },
    VersionCase { 0x00A0, 100 },
    VersionCase { 0x0123, 123 },
    VersionCase { 0x1000, 1000 },
    VersionCase { 0xA000, 10000 }));

//==============================================================================
TEST_F (HidUtilTest, OutputGoesOutAsReportZeroAndThenTheBytes)
{
    VirtualHidDevice device (kpxController());
    device.attach();
    ASSERT_TRUE (start());

    std::array<unsigned char, 64> report {};
    for (size_t i = 0; i < report.size(); ++i)
        report[i] = (unsigned char) (i + 1);

    ASSERT_TRUE (util.deviceOutput (report.data(), report.size()));

    std::array<std::uint8_t, 128> received {};
    ASSERT_EQ (device.receiveOutputReport (received.data(), received.size(), loopMs), 65u);
    EXPECT_EQ (received[0], 0);
    EXPECT_EQ (std::memcmp (received.data() + 1, report.data(), report.size()), 0);
}

TEST_F (HidUtilTest, OutputIsRefusedWithoutDataLengthOrDevice)
{
    std::array<unsigned char, 64> report {};
    EXPECT_FALSE (util.deviceOutput (report.data(), report.size())) << "no device held";

    VirtualHidDevice device (kpxController());
    device.attach();
    ASSERT_TRUE (start());

    EXPECT_FALSE (util.deviceOutput (nullptr, 64));
    EXPECT_FALSE (util.deviceOutput (report.data(), 0));

    std::array<std::uint8_t, 128> received {};
    EXPECT_EQ (device.receiveOutputReport (received.data(), received.size(), 100), 0u) << "nothing reached the device";
}

TEST_F (HidUtilTest, OutputToADetachedDeviceFailsAndTheDeviceIsLetGoOnce)
{
    VirtualHidDevice device (kpxController());
    device.attach();
    ASSERT_TRUE (start());

    device.detach();
    std::array<unsigned char, 64> report {};
    EXPECT_FALSE (util.deviceOutput (report.data(), report.size())) << "the node hung up before the loop noticed";

    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return handler.removals == 1; }, loopMs));
    EXPECT_FALSE (util.deviceOutput (report.data(), report.size()));
}
