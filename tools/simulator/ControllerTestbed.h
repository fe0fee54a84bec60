#pragma once

#include "SimulatedController.h"

#include <memory>
#include <string>

/** How the faked controller presents itself in sysfs (hexadecimal text, as the kernel writes it). */
struct ControllerIdentity
{
    const char* vendor = "2b73";
    const char* product = "004c";
    const char* bcdDevice = "0102";
    const char* busnum = "1";
    const char* devpath = "4";
};

/**
    A KPX-TLK4 on a faked system, for the end-to-end tests and the try-out without hardware.

    Inside a process started by umockdev-wrapper (and in its children), udev and sysfs then show
    a USB device of vendor 0x2B73, its HID device and its hidraw node. The node is the slave of a
    raw pseudo-terminal whose master a SimulatedController serves, so a program opens
    /dev/hidrawN as usual and talks the update protocol with the simulator, byte for byte.
*/
class ControllerTestbed
{
public:
    explicit ControllerTestbed (SimulatedController::Settings settings = SimulatedController::Settings(),
                                ControllerIdentity identity = ControllerIdentity());
    ~ControllerTestbed();

    /** Whether the testbed fakes the system, which it does only in a process started by
        umockdev-wrapper; ask once a testbed exists. */
    static bool isFaking();

    /** Adds the controller and its node, and starts the simulator. */
    void plugIn();

    /** Removes the controller as the kernel would: a "remove" uevent, and the node goes away. */
    void unplug();

    bool isPluggedIn() const noexcept;

    SimulatedController& controller();

    /** The node's path as programs see it, for example /dev/hidraw0. */
    std::string nodePath() const;

private:
    struct Impl;
    std::unique_ptr<Impl> impl;

    ControllerTestbed (const ControllerTestbed&) = delete;
    ControllerTestbed& operator= (const ControllerTestbed&) = delete;
};
