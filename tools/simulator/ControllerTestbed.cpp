#include "ControllerTestbed.h"

#include <umockdev.h>

#include <cctype>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <stdexcept>
#include <termios.h>
#include <unistd.h>

namespace
{
    constexpr const char* nodeName = "hidraw0";

    /** A pseudo-terminal in raw mode: it passes every byte through unchanged, as a hidraw node does. */
    struct RawPty
    {
        RawPty()
        {
            master = ::posix_openpt (O_RDWR | O_NOCTTY | O_CLOEXEC);

            if (master < 0 || ::grantpt (master) != 0 || ::unlockpt (master) != 0)
                throw std::runtime_error ("cannot open a pseudo-terminal");

            termios t {};
            ::tcgetattr (master, &t);
            ::cfmakeraw (&t);
            ::tcsetattr (master, TCSANOW, &t);

            slavePath = ::ptsname (master);

            // Held open so that the master reads no hang-up while the program has not opened
            // the node yet, or between two of its opens.
            slave = ::open (slavePath.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);

            ::tcgetattr (slave, &t);
            ::cfmakeraw (&t);
            ::tcsetattr (slave, TCSANOW, &t);
        }

        ~RawPty()
        {
            ::close (slave);
            ::close (master);
        }

        int master = -1, slave = -1;
        std::string slavePath;
    };
}

//==============================================================================
struct ControllerTestbed::Impl
{
    Impl (SimulatedController::Settings s, ControllerIdentity id) : settings (s), identity (id)
    {
        testbed = umockdev_testbed_new();
    }

    ~Impl()
    {
        if (simulator != nullptr)
            simulator->stop();

        g_object_unref (testbed);
    }

    SimulatedController::Settings settings;
    ControllerIdentity identity;
    UMockdevTestbed* testbed = nullptr;
    std::string usbPath, hidPath, nodeSysPath, nodeFile;
    std::unique_ptr<RawPty> pty;
    std::unique_ptr<SimulatedController> simulator;
};

ControllerTestbed::ControllerTestbed (SimulatedController::Settings settings, ControllerIdentity identity)
    : impl (std::make_unique<Impl> (settings, identity))
{
}

ControllerTestbed::~ControllerTestbed()
{
    if (isPluggedIn())
        unplug();
}

bool ControllerTestbed::isFaking()
{
    return umockdev_in_mock_environment();
}

void ControllerTestbed::plugIn()
{
    if (isPluggedIn())
        return;

    auto& id = impl->identity;
    auto upper = [] (std::string s) { for (auto& c : s) c = (char) std::toupper ((unsigned char) c); return s; };
    const std::string hidName = "0003:" + upper (id.vendor) + ":" + upper (id.product) + ".0001";
    const std::string hidId = "0003:0000" + upper (id.vendor) + ":0000" + upper (id.product);

    auto take = [] (gchar* path) { std::string s (path != nullptr ? path : ""); g_free (path); return s; };

    impl->usbPath = take (umockdev_testbed_add_device (impl->testbed, "usb", "1-4", nullptr,
                                                       "idVendor", id.vendor, "idProduct", id.product,
                                                       "bcdDevice", id.bcdDevice, "busnum", id.busnum, "devpath", id.devpath, nullptr,
                                                       "DEVTYPE", "usb_device", nullptr));
    impl->hidPath = take (umockdev_testbed_add_device (impl->testbed, "hid", hidName.c_str(), impl->usbPath.c_str(), nullptr,
                                                       "HID_ID", hidId.c_str(), "HID_NAME", "KPX-TLK4", nullptr));
    impl->nodeSysPath = take (umockdev_testbed_add_device (impl->testbed, "hidraw", nodeName, impl->hidPath.c_str(), nullptr,
                                                           "DEVNAME", (std::string ("/dev/") + nodeName).c_str(), nullptr));

    // umockdev backs the node with a plain file; a PTY behind it carries reports both ways.
    impl->pty = std::make_unique<RawPty>();
    gchar* root = umockdev_testbed_get_root_dir (impl->testbed);
    impl->nodeFile = std::string (root) + "/dev/" + nodeName;
    g_free (root);
    ::mkdir (impl->nodeFile.substr (0, impl->nodeFile.rfind ('/')).c_str(), 0755);
    ::unlink (impl->nodeFile.c_str());

    if (::symlink (impl->pty->slavePath.c_str(), impl->nodeFile.c_str()) != 0)
        throw std::runtime_error ("cannot link the node to the pseudo-terminal");

    impl->simulator = std::make_unique<SimulatedController> (impl->pty->master, impl->settings);
    impl->simulator->start();

    umockdev_testbed_uevent (impl->testbed, impl->nodeSysPath.c_str(), "add");
}

void ControllerTestbed::unplug()
{
    if (! isPluggedIn())
        return;

    umockdev_testbed_uevent (impl->testbed, impl->nodeSysPath.c_str(), "remove");
    umockdev_testbed_remove_device (impl->testbed, impl->nodeSysPath.c_str());
    umockdev_testbed_remove_device (impl->testbed, impl->hidPath.c_str());
    umockdev_testbed_remove_device (impl->testbed, impl->usbPath.c_str());
    ::unlink (impl->nodeFile.c_str());
    impl->nodeSysPath.clear();

    // The simulator keeps what it received for the test to look at; the wire is cut.
    if (impl->simulator != nullptr)
        impl->simulator->stop();
}

bool ControllerTestbed::isPluggedIn() const noexcept
{
    return ! impl->nodeSysPath.empty();
}

SimulatedController& ControllerTestbed::controller()
{
    if (impl->simulator == nullptr)
        throw std::logic_error ("the controller was never plugged in");

    return *impl->simulator;
}

std::string ControllerTestbed::nodePath() const
{
    return std::string ("/dev/") + nodeName;
}
