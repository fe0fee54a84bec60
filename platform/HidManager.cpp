#include "IOHIDManager.h"

#include "CFArray.h"
#include "CFNumber.h"
#include "HidrawNodes.h"
#include "UdevHandles.h"
#include "VirtualHidRegistry.h"

#include <juce_events/juce_events.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <unistd.h>

namespace cf
{
    class RunLoop final : public Object
    {
    public:
        RunLoop() : Object (runLoopTypeId) {}
    };

    /** An open node as the writer on the worker thread and the message thread share it: the
        descriptor is closed under the lock, so a write under way finishes or fails cleanly. */
    struct NodeIo
    {
        std::mutex lock;
        int fd = -1;

        void close()
        {
            const std::lock_guard<std::mutex> guard (lock);

            if (fd >= 0)
                ::close (fd);

            fd = -1;
        }
    };

    /** Lets a descriptor callback that the event loop has already picked up for this pass find
        out that its object has gone meanwhile. Message thread only. */
    struct Watch
    {
        void* owner = nullptr;
    };

    class HidDevice final : public Object
    {
    public:
        HidDevice (HidManager& m, const std::string& path, int fd, CFMutableDictionaryRef props)
            : Object (hidDeviceTypeId), manager (&m), syspath (path), properties (props)
        {
            io->fd = fd;
        }

        ~HidDevice() override
        {
            stopWatching();
            io->close();
            CFRelease (properties);
        }

        void startWatching();
        void stopWatching();
        void readReport();

        HidManager* manager;            ///< null once the manager let go of the device
        const std::string syspath;
        const CFMutableDictionaryRef properties;
        const std::shared_ptr<NodeIo> io = std::make_shared<NodeIo>();
        std::shared_ptr<Watch> watch;

        IOHIDCallback removalCallback = nullptr;
        void* removalContext = nullptr;
        UInt8* reportBuffer = nullptr;
        CFIndex reportBufferSize = 0;
        IOHIDReportCallback reportCallback = nullptr;
        void* reportContext = nullptr;
        bool scheduled = false;
        bool gone = false;
    };

    class HidManager final : public Object
    {
    public:
        HidManager() : Object (hidManagerTypeId) {}

        ~HidManager() override
        {
            close();
            CFRelease (criteria);
        }

        bool open();
        void close();
        void schedule();
        void unschedule();

        bool matches (CFDictionaryRef deviceProperties) const;
        void take (const std::string& syspath, int fd, CFMutableDictionaryRef props, bool announce);
        void takeNode (const HidrawNode& node, bool announce);
        void handleUdevEvent();
        void handleVirtualEvents();
        void deviceGone (HidDevice* device);

        bool hasCriteria = false;
        CFArrayRef criteria = nullptr;
        bool isOpen = false;
        bool scheduled = false;
        std::vector<HidDevice*> devices;    // each holds the manager's reference

        IOHIDDeviceCallback matchingCallback = nullptr;
        void* matchingContext = nullptr;

        udev_handles::Udev udevContext;
        udev_handles::Monitor monitor;
        int virtualWakeFd = -1;
        std::shared_ptr<Watch> watch;
    };
}

namespace
{
    constexpr CFIndex maximumReport = 64;
    constexpr int writeTimeoutMs = 1000;

    cf::HidDevice* deviceOf (IOHIDDeviceRef ref) { return cf::objectOfType<cf::HidDevice> (ref, cf::hidDeviceTypeId) != nullptr ? ref : nullptr; }
    cf::HidManager* managerOf (IOHIDManagerRef ref) { return cf::objectOfType<cf::HidManager> (ref, cf::hidManagerTypeId) != nullptr ? ref : nullptr; }

    void setNumber (CFMutableDictionaryRef dict, const char* key, const std::optional<std::int64_t>& value)
    {
        if (! value)
            return;

        const SInt64 v = *value;
        auto number = CFNumberCreate (kCFAllocatorDefault, kCFNumberSInt64Type, &v);
        CFDictionarySetValue (dict, CFSTR (key), number);
        CFRelease (number);
    }

    CFMutableDictionaryRef propertiesOf (const std::optional<std::int64_t>& vendor, const std::optional<std::int64_t>& product,
                                         const std::optional<std::int64_t>& version, const std::optional<std::int64_t>& location)
    {
        auto dict = CFDictionaryCreateMutable (kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);
        setNumber (dict, "VendorID", vendor);
        setNumber (dict, "ProductID", product);
        setNumber (dict, "VersionNumber", version);
        setNumber (dict, "LocationID", location);
        return dict;
    }

    bool sameValue (CFTypeRef a, CFTypeRef b)
    {
        SInt64 x = 0, y = 0;

        if (CFGetTypeID (a) == CFNumberGetTypeID() && CFGetTypeID (b) == CFNumberGetTypeID())
            return CFNumberGetValue (static_cast<CFNumberRef> (a), kCFNumberSInt64Type, &x)
                && CFNumberGetValue (static_cast<CFNumberRef> (b), kCFNumberSInt64Type, &y) && x == y;

        return a == b;
    }

    /** The vendor whose nodes our udev rule hands to the user at the seat. */
    constexpr std::int64_t ruledVendorId = 0x2B73;

    /** Said once per node and process, so that a user can tell "not allowed" from "not connected".
        Other vendors' nodes are left out silently: they are not ours, and most are root's. */
    void reportUnopenableNode (const HidrawNode& node, int error)
    {
        static std::set<std::string> reported;

        if (node.vendorId != ruledVendorId || ! reported.insert (node.devnode).second)
            return;

        std::fprintf (stderr, "open %s: %s\n", node.devnode.c_str(), std::strerror (error));

        if (error == EACCES || error == EPERM)
            std::fprintf (stderr, "The KPX-TLK4 may be there but this user may not use it: install the udev rule "
                                  "70-kpx-tlk4.rules (scripts/setup.sh does), then plug the controller in again.\n");
    }
}

//==============================================================================
void cf::HidDevice::startWatching()
{
    if (watch != nullptr || io->fd < 0)
        return;

    watch = std::make_shared<Watch>();
    watch->owner = this;
    auto token = watch;

    // The loop calls this for any event on the node, hang-up and error included.
    juce::LinuxEventLoop::registerFdCallback (io->fd, [token] (int)
    {
        if (auto* device = static_cast<HidDevice*> (token->owner))
            device->readReport();
    });
}

void cf::HidDevice::stopWatching()
{
    if (watch == nullptr)
        return;

    watch->owner = nullptr;
    watch.reset();
    juce::LinuxEventLoop::unregisterFdCallback (io->fd);
}

void cf::HidDevice::readReport()
{
    // A node without numbered reports gives one whole report per read, from byte 0.
    UInt8 report[maximumReport];
    pollfd p { io->fd, POLLIN, 0 };
    ::poll (&p, 1, 0);

    bool failed = (p.revents & (POLLERR | POLLNVAL)) != 0;

    if ((p.revents & POLLIN) != 0)
    {
        const auto n = ::read (io->fd, report, sizeof (report));

        if (n > 0)
        {
            if (reportCallback != nullptr && reportBuffer != nullptr)
            {
                const auto length = std::min<CFIndex> (n, reportBufferSize);
                std::memcpy (reportBuffer, report, (size_t) length);
                CFRetain (this);
                reportCallback (reportContext, kIOReturnSuccess, this, kIOHIDReportTypeInput, 0, reportBuffer, length);
                CFRelease (this);
            }

            return;
        }

        failed = n == 0 || (errno != EAGAIN && errno != EINTR);
    }
    else if ((p.revents & POLLHUP) != 0)
    {
        failed = true;
    }

    if (failed && manager != nullptr)
        manager->deviceGone (this);
}

//==============================================================================
bool cf::HidManager::matches (CFDictionaryRef deviceProperties) const
{
    if (! hasCriteria)
        return false;

    if (criteria == nullptr)
        return true;

    for (CFIndex i = 0; i < CFArrayGetCount (criteria); ++i)
    {
        auto* dict = cf::objectOfType<cf::Dictionary> (CFArrayGetValueAtIndex (criteria, i), cf::dictionaryTypeId);

        if (dict == nullptr)
            continue;

        bool all = true;

        for (size_t k = 0; k < dict->keys.values.size() && all; ++k)
        {
            auto wanted = dict->values.values[k];
            auto have = CFDictionaryGetValue (deviceProperties, dict->keys.values[k]);
            all = have != nullptr && sameValue (have, wanted);
        }

        if (all)
            return true;
    }

    return false;
}

void cf::HidManager::take (const std::string& syspath, int fd, CFMutableDictionaryRef props, bool announce)
{
    for (auto* d : devices)
    {
        if (d->syspath == syspath)
        {
            ::close (fd);
            CFRelease (props);
            return;
        }
    }

    auto* device = new HidDevice (*this, syspath, fd, props);
    devices.push_back (device);

    if (announce && scheduled && matchingCallback != nullptr)
        matchingCallback (matchingContext, kIOReturnSuccess, this, device);
}

void cf::HidManager::takeNode (const HidrawNode& node, bool announce)
{
    auto props = propertiesOf (node.vendorId, node.productId, node.versionNumber, node.locationId);

    if (! matches (props))
    {
        CFRelease (props);
        return;
    }

    const int fd = ::open (node.devnode.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);

    if (fd < 0)
    {
        reportUnopenableNode (node, errno);
        CFRelease (props);
        return;
    }

    take (node.syspath, fd, props, announce);
}

bool cf::HidManager::open()
{
    if (isOpen)
        return true;

    udevContext.reset (udev_new());

    if (udevContext == nullptr)
        return false;

    // Watching starts before the listing, so that no arrival in between is missed.
    monitor.reset (udev_monitor_new_from_netlink (udevContext.get(), "udev"));

    if (monitor != nullptr)
    {
        udev_monitor_filter_add_match_subsystem_devtype (monitor.get(), "hidraw", nullptr);
        udev_monitor_enable_receiving (monitor.get());
    }

    virtualWakeFd = VirtualHidRegistry::addListener();
    isOpen = true;

    for (auto& node : listHidrawNodes (udevContext.get()))
        takeNode (node, false);

    for (auto& node : VirtualHidRegistry::attachedNodes())
    {
        auto& p = node.properties;
        auto props = propertiesOf (p.vendorId, p.productId, p.versionNumber, p.locationId);

        if (matches (props))
            take (node.syspath, node.nodeFd, props, false);
        else
        {
            ::close (node.nodeFd);
            CFRelease (props);
        }
    }

    return true;
}

void cf::HidManager::close()
{
    unschedule();

    for (auto* d : devices)
    {
        d->manager = nullptr;
        d->stopWatching();
        d->io->close();
        CFRelease (d);
    }

    devices.clear();

    if (virtualWakeFd >= 0)
        VirtualHidRegistry::removeListener (virtualWakeFd);

    virtualWakeFd = -1;
    monitor.reset();
    udevContext.reset();
    isOpen = false;
}

void cf::HidManager::schedule()
{
    if (scheduled || ! isOpen)
        return;

    scheduled = true;
    watch = std::make_shared<Watch>();
    watch->owner = this;
    auto token = watch;

    if (monitor != nullptr)
        juce::LinuxEventLoop::registerFdCallback (udev_monitor_get_fd (monitor.get()), [token] (int)
        {
            if (auto* m = static_cast<HidManager*> (token->owner))
                m->handleUdevEvent();
        });

    if (virtualWakeFd >= 0)
        juce::LinuxEventLoop::registerFdCallback (virtualWakeFd, [token] (int)
        {
            if (auto* m = static_cast<HidManager*> (token->owner))
                m->handleVirtualEvents();
        });
}

void cf::HidManager::unschedule()
{
    if (! scheduled)
        return;

    scheduled = false;
    watch->owner = nullptr;
    watch.reset();

    if (monitor != nullptr)
        juce::LinuxEventLoop::unregisterFdCallback (udev_monitor_get_fd (monitor.get()));

    if (virtualWakeFd >= 0)
        juce::LinuxEventLoop::unregisterFdCallback (virtualWakeFd);
}

void cf::HidManager::handleUdevEvent()
{
    udev_handles::Device event (udev_monitor_receive_device (monitor.get()));

    if (event == nullptr)
        return;

    const char* action = udev_device_get_action (event.get());
    const std::string syspath = udev_device_get_syspath (event.get());

    if (action != nullptr && std::strcmp (action, "add") == 0)
    {
        if (auto node = describeHidrawNode (event.get()))
            takeNode (*node, true);
    }
    else if (action != nullptr && std::strcmp (action, "remove") == 0)
    {
        for (auto* d : devices)
        {
            if (d->syspath == syspath)
            {
                deviceGone (d);
                break;
            }
        }
    }
}

void cf::HidManager::handleVirtualEvents()
{
    for (auto& e : VirtualHidRegistry::takeEvents (virtualWakeFd))
    {
        if (e.arrived)
        {
            auto& p = e.node.properties;
            auto props = propertiesOf (p.vendorId, p.productId, p.versionNumber, p.locationId);

            if (matches (props))
                take (e.node.syspath, e.node.nodeFd, props, true);
            else
            {
                ::close (e.node.nodeFd);
                CFRelease (props);
            }

            continue;
        }

        for (auto* d : devices)
        {
            if (d->syspath == e.node.syspath)
            {
                deviceGone (d);
                break;
            }
        }
    }
}

void cf::HidManager::deviceGone (HidDevice* device)
{
    // Reached from the udev event and from the node's hang-up alike; the first one counts.
    if (device->gone)
        return;

    device->gone = true;
    device->stopWatching();
    device->io->close();
    devices.erase (std::find (devices.begin(), devices.end(), device));
    device->manager = nullptr;

    if (device->scheduled && device->removalCallback != nullptr)
        device->removalCallback (device->removalContext, kIOReturnSuccess, device);

    CFRelease (device);
}

//==============================================================================
CFRunLoopRef CFRunLoopGetCurrent()
{
    static cf::RunLoop messageThread;
    return &messageThread;
}

IOHIDManagerRef IOHIDManagerCreate (CFAllocatorRef, IOOptionBits)
{
    return new cf::HidManager();
}

void IOHIDManagerSetDeviceMatchingMultiple (IOHIDManagerRef manager, CFArrayRef multiple)
{
    auto* m = managerOf (manager);

    if (m == nullptr)
        return;

    CFRetain (multiple);
    CFRelease (m->criteria);
    m->criteria = multiple;
    m->hasCriteria = true;
}

IOReturn IOHIDManagerOpen (IOHIDManagerRef manager, IOOptionBits)
{
    auto* m = managerOf (manager);
    return m != nullptr && m->open() ? kIOReturnSuccess : kIOReturnError;
}

IOReturn IOHIDManagerClose (IOHIDManagerRef manager, IOOptionBits)
{
    auto* m = managerOf (manager);

    if (m == nullptr)
        return kIOReturnBadArgument;

    m->close();
    return kIOReturnSuccess;
}

CFSetRef IOHIDManagerCopyDevices (IOHIDManagerRef manager)
{
    auto* m = managerOf (manager);

    if (m == nullptr || m->devices.empty())
        return nullptr;

    std::vector<const void*> values (m->devices.begin(), m->devices.end());
    return CFSetCreate (kCFAllocatorDefault, values.data(), (CFIndex) values.size(), &kCFTypeSetCallBacks);
}

void IOHIDManagerRegisterDeviceMatchingCallback (IOHIDManagerRef manager, IOHIDDeviceCallback callback, void* context)
{
    if (auto* m = managerOf (manager))
    {
        m->matchingCallback = callback;
        m->matchingContext = context;
    }
}

void IOHIDManagerScheduleWithRunLoop (IOHIDManagerRef manager, CFRunLoopRef, CFStringRef)
{
    if (auto* m = managerOf (manager))
        m->schedule();
}

void IOHIDManagerUnscheduleFromRunLoop (IOHIDManagerRef manager, CFRunLoopRef, CFStringRef)
{
    if (auto* m = managerOf (manager))
        m->unschedule();
}

//==============================================================================
CFTypeRef IOHIDDeviceGetProperty (IOHIDDeviceRef device, CFStringRef key)
{
    auto* d = deviceOf (device);
    return d != nullptr ? CFDictionaryGetValue (d->properties, key) : nullptr;
}

void IOHIDDeviceRegisterRemovalCallback (IOHIDDeviceRef device, IOHIDCallback callback, void* context)
{
    if (auto* d = deviceOf (device))
    {
        d->removalCallback = callback;
        d->removalContext = context;
    }
}

void IOHIDDeviceRegisterInputReportCallback (IOHIDDeviceRef device, UInt8* report, CFIndex reportLength,
                                             IOHIDReportCallback callback, void* context)
{
    if (auto* d = deviceOf (device))
    {
        d->reportBuffer = report;
        d->reportBufferSize = std::max<CFIndex> (0, std::min (reportLength, maximumReport));
        d->reportCallback = callback;
        d->reportContext = context;
    }
}

void IOHIDDeviceScheduleWithRunLoop (IOHIDDeviceRef device, CFRunLoopRef, CFStringRef)
{
    auto* d = deviceOf (device);

    if (d == nullptr || d->scheduled || d->gone)
        return;

    d->scheduled = true;
    d->startWatching();
}

void IOHIDDeviceUnscheduleFromRunLoop (IOHIDDeviceRef device, CFRunLoopRef, CFStringRef)
{
    auto* d = deviceOf (device);

    if (d == nullptr || ! d->scheduled)
        return;

    d->scheduled = false;
    d->stopWatching();
}

IOReturn IOHIDDeviceSetReport (IOHIDDeviceRef device, IOHIDReportType, CFIndex reportID, const UInt8* report, CFIndex reportLength)
{
    auto* d = deviceOf (device);

    if (d == nullptr || report == nullptr || reportLength <= 0)
        return kIOReturnBadArgument;

    // A hidraw write starts with the report number, 0 for a device without numbered reports.
    std::vector<UInt8> bytes ((size_t) reportLength + 1);
    bytes[0] = (UInt8) reportID;
    std::memcpy (bytes.data() + 1, report, (size_t) reportLength);

    auto io = d->io;
    const std::lock_guard<std::mutex> guard (io->lock);

    if (io->fd < 0)
        return kIOReturnNotAttached;

    for (;;)
    {
        // A virtual device's node is a socket, whose peer may have hung up: no SIGPIPE then.
        auto n = ::send (io->fd, bytes.data(), bytes.size(), MSG_NOSIGNAL);

        if (n < 0 && errno == ENOTSOCK)
            n = ::write (io->fd, bytes.data(), bytes.size());

        if (n == (ssize_t) bytes.size())
            return kIOReturnSuccess;

        if (n >= 0 || (errno != EAGAIN && errno != EINTR))
            return kIOReturnError;

        pollfd p { io->fd, POLLOUT, 0 };

        if (::poll (&p, 1, writeTimeoutMs) <= 0 || (p.revents & POLLOUT) == 0)
            return kIOReturnError;
    }
}
