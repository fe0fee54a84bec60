#include "VirtualHidDevice.h"

#include "VirtualHidRegistry.h"

#include <atomic>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

//==============================================================================
namespace
{
    struct Listener
    {
        std::vector<VirtualHidRegistry::Event> queue;
    };

    struct Registry
    {
        std::mutex lock;
        std::map<std::string, VirtualHidDevice::Node> attached;
        std::map<int, Listener> listeners;     // by wake descriptor (an eventfd)
    };

    Registry& registry()
    {
        static Registry r;
        return r;
    }

    int duplicate (int fd)
    {
        return ::fcntl (fd, F_DUPFD_CLOEXEC, 0);
    }

    void wake (int fd)
    {
        const std::uint64_t one = 1;
        const auto written = ::write (fd, &one, sizeof (one));
        (void) written;
    }
}

std::vector<VirtualHidDevice::Node> VirtualHidRegistry::attachedNodes()
{
    auto& r = registry();
    const std::lock_guard<std::mutex> guard (r.lock);
    std::vector<VirtualHidDevice::Node> nodes;

    for (auto& [path, node] : r.attached)
    {
        nodes.push_back (node);
        nodes.back().nodeFd = duplicate (node.nodeFd);
    }

    return nodes;
}

int VirtualHidRegistry::addListener()
{
    const int fd = ::eventfd (0, EFD_CLOEXEC | EFD_NONBLOCK);

    if (fd >= 0)
    {
        auto& r = registry();
        const std::lock_guard<std::mutex> guard (r.lock);
        r.listeners[fd] = {};
    }

    return fd;
}

void VirtualHidRegistry::removeListener (int wakeFd)
{
    auto& r = registry();
    std::vector<Event> dropped;

    {
        const std::lock_guard<std::mutex> guard (r.lock);
        dropped = std::move (r.listeners[wakeFd].queue);
        r.listeners.erase (wakeFd);
    }

    for (auto& e : dropped)
        if (e.node.nodeFd >= 0)
            ::close (e.node.nodeFd);

    ::close (wakeFd);
}

std::vector<VirtualHidRegistry::Event> VirtualHidRegistry::takeEvents (int wakeFd)
{
    std::uint64_t count = 0;
    const auto drained = ::read (wakeFd, &count, sizeof (count));
    (void) drained;

    auto& r = registry();
    const std::lock_guard<std::mutex> guard (r.lock);
    auto found = r.listeners.find (wakeFd);
    return found != r.listeners.end() ? std::move (found->second.queue) : std::vector<Event>();
}

void VirtualHidRegistry::announce (const VirtualHidDevice::Node& node, bool arrived)
{
    auto& r = registry();
    const std::lock_guard<std::mutex> guard (r.lock);

    if (arrived)
        r.attached[node.syspath] = node;
    else
        r.attached.erase (node.syspath);

    for (auto& [fd, listener] : r.listeners)
    {
        Event e { arrived, node };
        e.node.nodeFd = arrived ? duplicate (node.nodeFd) : -1;
        listener.queue.push_back (e);
        wake (fd);
    }
}

//==============================================================================
struct VirtualHidDevice::Impl
{
    explicit Impl (Properties p) : properties (p)
    {
        static std::atomic<int> serial { 0 };
        syspath = "/sys/devices/virtual/kpx-test/hidraw-virtual" + std::to_string (++serial);
    }

    Properties properties;
    std::string syspath;

    mutable std::mutex lock;
    int nodeEnd = -1, deviceEnd = -1;
    bool attached = false;
};

VirtualHidDevice::VirtualHidDevice (Properties properties)
    : impl (std::make_shared<Impl> (properties))
{
}

VirtualHidDevice::~VirtualHidDevice()
{
    detach();

    const std::lock_guard<std::mutex> guard (impl->lock);

    for (int* fd : { &impl->nodeEnd, &impl->deviceEnd })
        if (*fd >= 0)
            ::close (*fd);
}

void VirtualHidDevice::attach()
{
    Node node;

    {
        const std::lock_guard<std::mutex> guard (impl->lock);

        if (impl->attached)
            return;

        for (int* fd : { &impl->nodeEnd, &impl->deviceEnd })
            if (*fd >= 0)
                ::close (*fd);

        // SOCK_SEQPACKET keeps report boundaries, as a hidraw node does: one read, one report.
        int ends[2];

        if (::socketpair (AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, ends) != 0)
            return;

        impl->nodeEnd = ends[0];
        impl->deviceEnd = ends[1];
        impl->attached = true;
        node = { impl->syspath, impl->properties, impl->nodeEnd };
    }

    VirtualHidRegistry::announce (node, true);
}

void VirtualHidDevice::detach()
{
    Node node;

    {
        const std::lock_guard<std::mutex> guard (impl->lock);

        if (! impl->attached)
            return;

        impl->attached = false;

        // Every open duplicate of the node hangs up, as a node does when its device goes.
        ::shutdown (impl->nodeEnd, SHUT_RDWR);
        node = { impl->syspath, impl->properties, -1 };
    }

    VirtualHidRegistry::announce (node, false);
}

bool VirtualHidDevice::isAttached() const
{
    const std::lock_guard<std::mutex> guard (impl->lock);
    return impl->attached;
}

int VirtualHidDevice::deviceFd() const
{
    const std::lock_guard<std::mutex> guard (impl->lock);
    return impl->attached ? impl->deviceEnd : -1;
}

bool VirtualHidDevice::sendInputReport (const std::uint8_t* report, std::size_t length)
{
    const int fd = deviceFd();
    return fd >= 0 && ::send (fd, report, length, MSG_NOSIGNAL | MSG_DONTWAIT) == (ssize_t) length;
}

std::size_t VirtualHidDevice::receiveOutputReport (std::uint8_t* buffer, std::size_t size, int timeoutMs)
{
    const int fd = deviceFd();
    pollfd p { fd, POLLIN, 0 };

    if (fd < 0 || ::poll (&p, 1, timeoutMs) <= 0 || (p.revents & POLLIN) == 0)
        return 0;

    const auto n = ::recv (fd, buffer, size, 0);
    return n > 0 ? (std::size_t) n : 0;
}
