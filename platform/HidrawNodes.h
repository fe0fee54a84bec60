#pragma once

#include <libudev.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

/** What the system says of one hidraw node, read from udev and sysfs without touching the node. */
struct HidrawNode
{
    std::string devnode;    ///< /dev/hidrawN
    std::string syspath;
    std::optional<std::int64_t> vendorId, productId, versionNumber, locationId;
};

/** The node behind a udev device of the hidraw subsystem; nothing when it has no device node. */
std::optional<HidrawNode> describeHidrawNode (udev_device* hidraw);

/** Every hidraw node of the system, in udev's order. */
std::vector<HidrawNode> listHidrawNodes (udev* context);

/** The location of a USB device: the bus number in the top byte, then one nibble per port of
    the port path ("1.4.2"), so that ascending order follows the physical location. */
std::int64_t usbLocationId (int busNumber, const std::string& portPath);
