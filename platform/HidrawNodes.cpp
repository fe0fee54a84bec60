#include "HidrawNodes.h"

#include "UdevHandles.h"

#include <cstdlib>
#include <sstream>

namespace
{
    std::optional<std::int64_t> hexValue (const char* text)
    {
        if (text == nullptr || *text == 0)
            return std::nullopt;

        char* end = nullptr;
        const auto v = std::strtoll (text, &end, 16);
        return end != text ? std::optional<std::int64_t> (v) : std::nullopt;
    }

    /** HID_ID of the "hid" parent: bus:vendor:product, each hexadecimal ("0003:00002B73:0000004C"). */
    bool readHidId (udev_device* hid, HidrawNode& node)
    {
        const char* id = hid != nullptr ? udev_device_get_property_value (hid, "HID_ID") : nullptr;
        unsigned int bus = 0, vendor = 0, product = 0;

        if (id == nullptr || std::sscanf (id, "%x:%x:%x", &bus, &vendor, &product) != 3)
            return false;

        node.vendorId = vendor;
        node.productId = product;
        return true;
    }
}

std::int64_t usbLocationId (int busNumber, const std::string& portPath)
{
    std::int64_t location = (std::int64_t) (busNumber & 0xFF) << 24;
    std::istringstream ports (portPath);
    std::string port;
    int shift = 20;

    while (std::getline (ports, port, '.') && shift >= 0)
    {
        location |= (std::int64_t) (std::atoi (port.c_str()) & 0xF) << shift;
        shift -= 4;
    }

    return location;
}

std::optional<HidrawNode> describeHidrawNode (udev_device* hidraw)
{
    const char* devnode = udev_device_get_devnode (hidraw);

    if (devnode == nullptr)
        return std::nullopt;

    HidrawNode node;
    node.devnode = devnode;
    node.syspath = udev_device_get_syspath (hidraw);

    // The parents belong to hidraw and are released with it.
    auto* hid = udev_device_get_parent_with_subsystem_devtype (hidraw, "hid", nullptr);
    auto* usb = udev_device_get_parent_with_subsystem_devtype (hidraw, "usb", "usb_device");

    if (! readHidId (hid, node) && usb != nullptr)
    {
        node.vendorId = hexValue (udev_device_get_sysattr_value (usb, "idVendor"));
        node.productId = hexValue (udev_device_get_sysattr_value (usb, "idProduct"));
    }

    if (usb != nullptr)
    {
        node.versionNumber = hexValue (udev_device_get_sysattr_value (usb, "bcdDevice"));

        const char* busnum = udev_device_get_sysattr_value (usb, "busnum");
        const char* devpath = udev_device_get_sysattr_value (usb, "devpath");

        if (busnum != nullptr && devpath != nullptr)
            node.locationId = usbLocationId (std::atoi (busnum), devpath);
    }

    return node;
}

std::vector<HidrawNode> listHidrawNodes (udev* context)
{
    std::vector<HidrawNode> nodes;
    udev_handles::Enumerate enumerate (udev_enumerate_new (context));

    if (enumerate == nullptr)
        return nodes;

    udev_enumerate_add_match_subsystem (enumerate.get(), "hidraw");
    udev_enumerate_scan_devices (enumerate.get());

    udev_list_entry* entry = nullptr;

    udev_list_entry_foreach (entry, udev_enumerate_get_list_entry (enumerate.get()))
    {
        udev_handles::Device device (udev_device_new_from_syspath (context, udev_list_entry_get_name (entry)));

        if (device != nullptr)
            if (auto node = describeHidrawNode (device.get()))
                nodes.push_back (*node);
    }

    return nodes;
}
