#pragma once

#include <libudev.h>

#include <memory>

// Owning handles for libudev objects: each is unreferenced exactly once, on every path.
namespace udev_handles
{
    struct UdevUnref        { void operator() (udev* u) const noexcept { udev_unref (u); } };
    struct EnumerateUnref   { void operator() (udev_enumerate* e) const noexcept { udev_enumerate_unref (e); } };
    struct MonitorUnref     { void operator() (udev_monitor* m) const noexcept { udev_monitor_unref (m); } };
    struct DeviceUnref      { void operator() (udev_device* d) const noexcept { udev_device_unref (d); } };

    using Udev = std::unique_ptr<udev, UdevUnref>;
    using Enumerate = std::unique_ptr<udev_enumerate, EnumerateUnref>;
    using Monitor = std::unique_ptr<udev_monitor, MonitorUnref>;
    using Device = std::unique_ptr<udev_device, DeviceUnref>;
}
