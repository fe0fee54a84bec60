#include "HandlerRecorder.h"

#include <HidDeviceList.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace
{
    // Devices of this made-up product are ours; a machine may show real HID devices beside them.
    constexpr std::int64_t testProduct = 0x77;

    bool isOurs (IOHIDDeviceRef device)
    {
        return IOHIDDevice_GetVendorID (device) == 0x2B73 && IOHIDDevice_GetProductID (device) == testProduct;
    }

    IOHIDDeviceRef listed (CFIndex index)
    {
        return (IOHIDDeviceRef) CFArrayGetValueAtIndex (gDeviceCFArrayRef, index);
    }

    /** A manager of its own that holds every device, so its handles are not in the list. */
    struct SecondManager
    {
        SecondManager()
        {
            IOHIDManagerSetDeviceMatchingMultiple (manager, nullptr);
            IOHIDManagerOpen (manager, 0);
            devices = IOHIDManagerCopyDevices (manager);
        }

        ~SecondManager()
        {
            if (devices != nullptr)
                CFRelease (devices);

            IOHIDManagerClose (manager, 0);
            CFRelease (manager);
        }

        IOHIDDeviceRef anyDevice() const
        {
            IOHIDDeviceRef first = nullptr;
            CFSetApplyFunction (devices, [] (const void* value, void* context)
            {
                auto& found = *static_cast<IOHIDDeviceRef*> (context);
                if (found == nullptr)
                    found = (IOHIDDeviceRef) value;
            }, &first);
            return first;
        }

        IOHIDManagerRef manager = IOHIDManagerCreate (kCFAllocatorDefault, 0);
        CFSetRef devices = nullptr;
    };
}

//==============================================================================
class DeviceListTest : public testing::Test
{
protected:
    void TearDown() override
    {
        HIDReleaseDeviceList();

        if (gIOHIDManagerRef != nullptr)
        {
            IOHIDManagerClose (gIOHIDManagerRef, 0);
            CFRelease (gIOHIDManagerRef);
            gIOHIDManagerRef = nullptr;
        }

        gDeviceIndex = 0;
    }

    void attachAt (std::initializer_list<std::int64_t> locations)
    {
        for (auto location : locations)
        {
            devices.push_back (std::make_unique<VirtualHidDevice> (VirtualHidDevice::Properties { 0x2B73, testProduct, 0x0100, location }));
            devices.back()->attach();
        }
    }

    /** The locations of our devices, in the order a whole walk yields them. */
    static std::vector<std::int64_t> walkOurLocations()
    {
        std::vector<std::int64_t> locations;

        for (auto d = HIDGetFirstDevice(); d != nullptr; d = HIDGetNextDevice (d))
            if (isOurs (d))
                locations.push_back (IOHIDDevice_GetLocationID (d));

        return locations;
    }

    std::vector<std::unique_ptr<VirtualHidDevice>> devices;
};

TEST_F (DeviceListTest, AWalkYieldsEveryDeviceOnceByLocationWithTheTopBitAsUnsigned)
{
    attachAt ({ 0x80000000, 0x01400000, 0x7FFFFFFF, 0x01100000 });

    ASSERT_TRUE (HIDBuildDeviceList (0, 0));

    const std::vector<std::int64_t> expected { 0x01100000, 0x01400000, 0x7FFFFFFF, 0x80000000 };
    EXPECT_EQ (walkOurLocations(), expected);
    EXPECT_EQ (walkOurLocations(), expected) << "a second walk starts over";
}

TEST_F (DeviceListTest, AfterTheEndTheWalkStaysEndedUntilItStartsAgain)
{
    attachAt ({ 0x01100000, 0x01200000 });
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));

    const auto count = CFArrayGetCount (gDeviceCFArrayRef);
    auto last = listed (count - 1);

    HIDGetFirstDevice();
    gDeviceIndex = count - 1;
    EXPECT_EQ (HIDGetNextDevice (last), nullptr);
    EXPECT_EQ (gDeviceIndex, count);
    EXPECT_EQ (HIDGetNextDevice (last), nullptr);
    EXPECT_EQ (HIDGetNextDevice (listed (0)), nullptr);

    EXPECT_EQ (HIDGetFirstDevice(), listed (0));
    EXPECT_EQ (gDeviceIndex, 0);
}

TEST_F (DeviceListTest, ADeviceAwayFromTheCursorMovesTheCursorToTheOneAfterIt)
{
    attachAt ({ 0x01100000, 0x01200000, 0x01300000 });
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    ASSERT_GE (CFArrayGetCount (gDeviceCFArrayRef), 3);

    HIDGetFirstDevice();
    EXPECT_EQ (HIDGetNextDevice (listed (1)), listed (2));
    EXPECT_EQ (gDeviceIndex, 2);
}

TEST_F (DeviceListTest, ADeviceNotInTheListEndsTheWalk)
{
    attachAt ({ 0x01100000, 0x01200000 });
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));

    SecondManager other;
    auto stranger = other.anyDevice();
    ASSERT_NE (stranger, nullptr);

    HIDGetFirstDevice();
    EXPECT_EQ (HIDGetNextDevice (stranger), nullptr);
    EXPECT_EQ (gDeviceIndex, -1);
    EXPECT_EQ (HIDGetNextDevice (listed (0)), nullptr);
}

TEST_F (DeviceListTest, TheFirstDeviceOfNoListOrAnEmptyListIsNone)
{
    gDeviceIndex = 5;
    EXPECT_EQ (HIDGetFirstDevice(), nullptr);
    EXPECT_EQ (gDeviceIndex, 0);
    EXPECT_EQ (HIDGetNextDevice (nullptr), nullptr);

    gDeviceCFArrayRef = CFArrayCreateMutable (kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    gDeviceIndex = 5;
    EXPECT_EQ (HIDGetFirstDevice(), nullptr);
    EXPECT_EQ (gDeviceIndex, 0);
}

TEST_F (DeviceListTest, ARebuildKeepsTheListAndCursorWhenTheManagerHasNoDevices)
{
    attachAt ({ 0x01100000 });
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    auto list = gDeviceCFArrayRef;
    gDeviceIndex = 1;

    // A manager whose criteria no device meets reports no device set at all.
    auto full = gIOHIDManagerRef;
    gIOHIDManagerRef = IOHIDManagerCreate (kCFAllocatorDefault, 0);
    ASSERT_TRUE (HIDBuildDeviceList (0xFF00, 1));
    EXPECT_EQ (IOHIDManagerCopyDevices (gIOHIDManagerRef), nullptr);

    EXPECT_EQ (gDeviceCFArrayRef, list);
    EXPECT_EQ (gDeviceIndex, 1);

    IOHIDManagerClose (gIOHIDManagerRef, 0);
    CFRelease (gIOHIDManagerRef);
    gIOHIDManagerRef = full;
}

TEST_F (DeviceListTest, ASecondBuildKeepsTheManagerAndRebuildsTheList)
{
    attachAt ({ 0x01100000 });
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));
    auto manager = gIOHIDManagerRef;
    HIDReleaseDeviceList();

    ASSERT_TRUE (HIDBuildMultiDeviceList (nullptr, nullptr, 0));
    EXPECT_EQ (gIOHIDManagerRef, manager);
    ASSERT_NE (gDeviceCFArrayRef, nullptr);
    EXPECT_EQ (walkOurLocations(), std::vector<std::int64_t> { 0x01100000 });
}

TEST_F (DeviceListTest, GettersReadZeroForNoDeviceAndAbsentProperties)
{
    VirtualHidDevice bare ({ 0x2B73, testProduct, std::nullopt, std::nullopt });
    VirtualHidDevice full ({ 0x2B73, testProduct, 0x0102, 0x80000000 });
    bare.attach();
    full.attach();
    ASSERT_TRUE (HIDBuildDeviceList (0, 0));

    IOHIDDeviceRef withAll = nullptr, without = nullptr;

    for (auto d = HIDGetFirstDevice(); d != nullptr; d = HIDGetNextDevice (d))
        if (isOurs (d))
            (IOHIDDevice_GetLocationID (d) != 0 ? withAll : without) = d;

    ASSERT_NE (withAll, nullptr);
    ASSERT_NE (without, nullptr);

    struct Getter { long (*read) (IOHIDDeviceRef); long full; };
    const Getter getters[] = { { IOHIDDevice_GetVendorID, 11123 },
                               { IOHIDDevice_GetProductID, testProduct },
                               { IOHIDDevice_GetVersionNumber, 0x0102 },
                               { IOHIDDevice_GetLocationID, 2147483648L } };

    for (auto& g : getters)
    {
        EXPECT_EQ (g.read (nullptr), 0);
        EXPECT_EQ (g.read (withAll), g.full);
    }

    EXPECT_EQ (IOHIDDevice_GetVersionNumber (without), 0);
    EXPECT_EQ (IOHIDDevice_GetLocationID (without), 0);
}

//==============================================================================
struct MatchingCase
{
    UInt32 usagePage, usage;
    bool hasPage, hasUsage;
};

std::ostream& operator<< (std::ostream& out, const MatchingCase& c)
{
    return out << std::hex << "page " << c.usagePage << " usage " << c.usage;
}

class MatchingDictionaryTest : public testing::TestWithParam<MatchingCase> {};

TEST_P (MatchingDictionaryTest, HoldsThePageAndUsageThatAreSet)
{
    const auto c = GetParam();
    auto dict = hu_SetUpMatchingDictionary (c.usagePage, c.usage);
    ASSERT_NE (dict, nullptr);

    auto read = [dict] (const char* key) -> std::optional<int>
    {
        auto value = CFDictionaryGetValue (dict, CFSTR (key));
        int n = 0;

        if (value == nullptr || ! CFNumberGetValue (static_cast<CFNumberRef> (value), kCFNumberIntType, &n))
            return std::nullopt;

        return n;
    };

    EXPECT_EQ (read ("PrimaryUsagePage"), c.hasPage ? std::optional<int> ((int) c.usagePage) : std::nullopt);
    EXPECT_EQ (read ("PrimaryUsage"), c.hasUsage ? std::optional<int> ((int) c.usage) : std::nullopt);
    CFRelease (dict);
}

INSTANTIATE_TEST_SUITE_P (PagesAndUsages, MatchingDictionaryTest, testing::Values (
    MatchingCase { 0, 0, false, false },
    MatchingCase { 0, 5, false, false },
    MatchingCase { 0xFF00, 0, true, false },
    MatchingCase { 0xFF00, 1, true, true }));
