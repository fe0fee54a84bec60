#include "../support/GuiTestEnvironment.h"

#include <CFNumber.h>
#include <HidrawNodes.h>
#include <IOHIDManager.h>
#include <UdevHandles.h>

#include <umockdev.h>

#include <array>
#include <cstring>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace
{
    constexpr int loopMs = 3000;

    //==============================================================================
    struct LocationCase
    {
        int bus;
        const char* ports;
        std::int64_t location;
    };

    std::ostream& operator<< (std::ostream& out, const LocationCase& c)
    {
        return out << "bus " << c.bus << " ports " << c.ports;
    }

    class LocationTest : public testing::TestWithParam<LocationCase> {};

    TEST_P (LocationTest, PutsTheBusInTheTopByteAndOneNibblePerPort)
    {
        EXPECT_EQ (usbLocationId (GetParam().bus, GetParam().ports), GetParam().location);
    }

    INSTANTIATE_TEST_SUITE_P (BusesAndPortPaths, LocationTest, testing::Values (
        LocationCase { 1, "4", 0x01400000 },
        LocationCase { 3, "1.4.2", 0x03142000 },
        LocationCase { 2, "1.2.3.4.5.6", 0x02123456 },
        LocationCase { 0x80, "1", 0x80100000 }));

    //==============================================================================
    /** A controller as udev and sysfs show it, faked by umockdev: the USB device, its HID
        device and its hidraw node, the node served by a raw pseudo-terminal whose master the
        test reads and writes. */
    class HidrawTestbed : public testing::Test
    {
    protected:
        void SetUp() override
        {
            // The testbed has to exist before the library tells whether it fakes anything.
            testbed = umockdev_testbed_new();

            if (! umockdev_in_mock_environment())
                GTEST_SKIP() << "needs umockdev-wrapper";

            termios raw {};
            cfmakeraw (&raw);
            char slaveName[128] = {};
            ASSERT_EQ (::openpty (&master, &slave, slaveName, &raw, nullptr), 0);

            gchar* root = umockdev_testbed_get_root_dir (testbed);
            nodeLink = std::string (root) + "/dev/hidraw0";
            g_free (root);
            slavePath = slaveName;
        }

        void TearDown() override
        {
            if (manager != nullptr)
                closeManager (manager);

            if (testbed != nullptr)
                g_object_unref (testbed);

            for (int fd : { master, slave })
                if (fd >= 0)
                    ::close (fd);
        }

        /** Adds the controller; its node leads to nodeTarget, by default the pseudo-terminal. */
        void addController (bool announce, std::string nodeTarget = {})
        {
            if (nodeTarget.empty())
                nodeTarget = slavePath;

            usb = adopt (umockdev_testbed_add_device (testbed, "usb", "3-1.4", nullptr,
                                                      "idVendor", "2b73", "idProduct", "004c", "bcdDevice", "0102",
                                                      "busnum", "3", "devpath", "1.4", nullptr,
                                                      "DEVTYPE", "usb_device", nullptr));
            hid = adopt (umockdev_testbed_add_device (testbed, "hid", "0003:2B73:004C.0001", usb.c_str(), nullptr,
                                                      "HID_ID", "0003:00002B73:0000004C", nullptr));
            node = adopt (umockdev_testbed_add_device (testbed, "hidraw", "hidraw0", hid.c_str(), nullptr,
                                                       "DEVNAME", "/dev/hidraw0", nullptr));

            // The testbed's node is a plain file; the pseudo-terminal carries the reports instead.
            ::mkdir (nodeLink.substr (0, nodeLink.rfind ('/')).c_str(), 0755);
            ::unlink (nodeLink.c_str());
            ASSERT_EQ (::symlink (nodeTarget.c_str(), nodeLink.c_str()), 0) << std::strerror (errno);

            if (announce)
                umockdev_testbed_uevent (testbed, node.c_str(), "add");
        }

        /** Plugs the controller in and opens a manager over it; the controller's device, or null. */
        IOHIDDeviceRef plugInAndOpen()
        {
            addController (false);
            manager = openManager();
            return onlyDevice (manager);
        }

        static IOHIDManagerRef openManager()
        {
            auto opened = IOHIDManagerCreate (kCFAllocatorDefault, 0);
            IOHIDManagerSetDeviceMatchingMultiple (opened, nullptr);
            EXPECT_EQ (IOHIDManagerOpen (opened, 0), kIOReturnSuccess);
            return opened;
        }

        static void closeManager (IOHIDManagerRef opened)
        {
            IOHIDManagerClose (opened, 0);
            CFRelease (opened);
        }

        /** The one device the manager holds, or null. */
        static IOHIDDeviceRef onlyDevice (IOHIDManagerRef manager)
        {
            auto set = IOHIDManagerCopyDevices (manager);

            if (set == nullptr || CFSetGetCount (set) != 1)
                return nullptr;

            IOHIDDeviceRef device = nullptr;
            CFSetApplyFunction (set, [] (const void* value, void* context) { *static_cast<IOHIDDeviceRef*> (context) = (IOHIDDeviceRef) value; }, &device);
            CFRelease (set);
            return device;
        }

        static std::int64_t number (IOHIDDeviceRef device, const char* key)
        {
            SInt64 value = -1;
            auto property = IOHIDDeviceGetProperty (device, CFSTR (key));
            return property != nullptr && CFNumberGetValue (static_cast<CFNumberRef> (property), kCFNumberSInt64Type, &value) ? value : -1;
        }

        static std::string adopt (gchar* path)
        {
            std::string s (path != nullptr ? path : "");
            g_free (path);
            return s;
        }

        UMockdevTestbed* testbed = nullptr;
        IOHIDManagerRef manager = nullptr;
        int master = -1, slave = -1;
        std::string slavePath, nodeLink, usb, hid, node;
    };

    /** What the layer's callbacks saw, and on which thread. */
    struct Seen
    {
        int count = 0;
        bool onMessageThread = true;
        IOHIDDeviceRef device = nullptr;
        CFIndex length = 0;

        void note() { ++count; onMessageThread = onMessageThread && juce::MessageManager::existsAndIsCurrentThread(); }
    };
}

//==============================================================================
TEST_F (HidrawTestbed, ListsTheNodeWithTheIdentityOfItsUsbDevice)
{
    addController (false);

    udev_handles::Udev context (udev_new());
    const auto nodes = listHidrawNodes (context.get());
    ASSERT_EQ (nodes.size(), 1u);
    EXPECT_EQ (nodes[0].devnode, "/dev/hidraw0");
    EXPECT_EQ (nodes[0].vendorId, 0x2B73);
    EXPECT_EQ (nodes[0].productId, 0x4C);
    EXPECT_EQ (nodes[0].versionNumber, 0x0102);
    EXPECT_EQ (nodes[0].locationId, 0x03140000);

    manager = openManager();
    auto device = onlyDevice (manager);
    ASSERT_NE (device, nullptr) << "the manager opened the node";
    EXPECT_EQ (number (device, "VendorID"), 0x2B73);
    EXPECT_EQ (number (device, "ProductID"), 0x4C);
    EXPECT_EQ (number (device, "VersionNumber"), 0x0102);
    EXPECT_EQ (number (device, "LocationID"), 0x03140000);
}

TEST_F (HidrawTestbed, InputReportsReachTheCallbackOnTheMessageThread)
{
    auto device = plugInAndOpen();
    ASSERT_NE (device, nullptr);

    std::array<UInt8, 64> buffer {};
    Seen seen;
    IOHIDDeviceRegisterInputReportCallback (device, buffer.data(), (CFIndex) buffer.size(),
        [] (void* context, IOReturn, void*, IOHIDReportType, UInt32, UInt8*, CFIndex length)
        {
            auto& s = *static_cast<Seen*> (context);
            s.note();
            s.length = length;
        }, &seen);
    IOHIDDeviceScheduleWithRunLoop (device, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);

    std::array<std::uint8_t, 64> report {};
    for (size_t i = 0; i < report.size(); ++i)
        report[i] = (std::uint8_t) (0xF0 - i);

    ASSERT_EQ (::write (master, report.data(), report.size()), (ssize_t) report.size());
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return seen.count == 1; }, loopMs));
    EXPECT_TRUE (seen.onMessageThread);
    EXPECT_EQ (seen.length, 64);
    EXPECT_EQ (buffer, report);
}

TEST_F (HidrawTestbed, AnOutputReportGoesOutAsReportZeroAndSixtyFourBytes)
{
    auto device = plugInAndOpen();
    ASSERT_NE (device, nullptr);

    std::array<UInt8, 64> report {};
    report.fill (0xA5);
    ASSERT_EQ (IOHIDDeviceSetReport (device, kIOHIDReportTypeOutput, 0, report.data(), (CFIndex) report.size()), kIOReturnSuccess);

    // A terminal carries a byte stream: gather the write, then make sure nothing follows it.
    std::array<std::uint8_t, 128> received {};
    size_t got = 0;
    pollfd p { master, POLLIN, 0 };

    while (::poll (&p, 1, got < 65 ? loopMs : 100) > 0)
    {
        const auto n = ::read (master, received.data() + got, received.size() - got);

        if (n <= 0)
            break;

        got += (size_t) n;
    }

    ASSERT_EQ (got, 65u);
    EXPECT_EQ (received[0], 0);
    EXPECT_TRUE (std::all_of (received.begin() + 1, received.begin() + 65, [] (auto b) { return b == 0xA5; }));
}

TEST_F (HidrawTestbed, AddAndRemoveEventsReachTheCallbacksOnTheMessageThreadOnce)
{
    manager = openManager();
    EXPECT_EQ (IOHIDManagerCopyDevices (manager), nullptr);

    Seen arrivals, removals;
    IOHIDManagerRegisterDeviceMatchingCallback (manager, [] (void* context, IOReturn, void*, IOHIDDeviceRef device)
    {
        auto& s = *static_cast<Seen*> (context);
        s.note();
        s.device = device;
    }, &arrivals);
    IOHIDManagerScheduleWithRunLoop (manager, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);

    addController (true);
    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return arrivals.count == 1; }, loopMs));
    EXPECT_TRUE (arrivals.onMessageThread);
    EXPECT_EQ (number (arrivals.device, "ProductID"), 0x4C);

    IOHIDDeviceRegisterRemovalCallback (arrivals.device, [] (void* context, IOReturn, void*) { static_cast<Seen*> (context)->note(); }, &removals);
    IOHIDDeviceScheduleWithRunLoop (arrivals.device, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);

    umockdev_testbed_uevent (testbed, node.c_str(), "remove");
    umockdev_testbed_remove_device (testbed, node.c_str());
    ::close (master);   // the node hangs up as well: still one removal
    master = -1;

    ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return removals.count == 1; }, loopMs));
    GuiTestEnvironment::pump (200);
    EXPECT_EQ (removals.count, 1);
    EXPECT_TRUE (removals.onMessageThread);
    EXPECT_EQ (IOHIDManagerCopyDevices (manager), nullptr);
}

TEST_F (HidrawTestbed, ANodeThatCannotBeOpenedIsNamedOnceAndLeftOut)
{
    addController (false, slavePath + "-gone");

    testing::internal::CaptureStderr();
    auto first = openManager();
    const auto firstMessage = testing::internal::GetCapturedStderr();

    testing::internal::CaptureStderr();
    auto second = openManager();
    const auto secondMessage = testing::internal::GetCapturedStderr();

    EXPECT_NE (firstMessage.find ("open /dev/hidraw0: "), std::string::npos) << firstMessage;
    EXPECT_EQ (secondMessage, "");
    EXPECT_EQ (IOHIDManagerCopyDevices (first), nullptr);
    closeManager (first);
    closeManager (second);
}
