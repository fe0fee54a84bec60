#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

/**
    An in-process HID device for tests, which the HID manager lists, opens and watches exactly
    like a hidraw node: its node is one end of a socket pair that keeps report boundaries, and the
    manager reads, writes and polls it through the same code as a real node. Arrival and removal
    reach the managers through the message thread, like udev events.

    The test holds the device's end: it reads the output reports as the kernel would receive them
    (report ID 0, then the report's bytes) and writes input reports, one per write.
*/
class VirtualHidDevice
{
public:
    struct Properties
    {
        std::optional<std::int64_t> vendorId, productId, versionNumber, locationId;
    };

    explicit VirtualHidDevice (Properties properties);

    /** Detaches the device if it is attached. */
    ~VirtualHidDevice();

    /** Plugs the device in: from now on managers list it, and open ones take it on their next
        pass of the message loop. Callable from any thread. */
    void attach();

    /** Unplugs the device: its node hangs up, and managers see it go. Callable from any thread. */
    void detach();

    bool isAttached() const;

    /** The device's end of the wire while attached, else -1. */
    int deviceFd() const;

    /** Writes one input report from the device; false when detached, when the write failed, or
        when the host has not yet read the reports before it (a device never waits for the host;
        the wire holds only a few reports). */
    bool sendInputReport (const std::uint8_t* report, std::size_t length);

    /** Reads one output report as the node received it (report ID first), waiting up to timeoutMs;
        the number of bytes, or 0 on time-out or when detached. */
    std::size_t receiveOutputReport (std::uint8_t* buffer, std::size_t size, int timeoutMs);

    //==============================================================================
    /** What a manager needs of an attached virtual device. */
    struct Node
    {
        std::string syspath;
        Properties properties;
        int nodeFd;     ///< the node's end, to be duplicated by the manager that opens it
    };

    struct Impl;

private:
    std::shared_ptr<Impl> impl;

    VirtualHidDevice (const VirtualHidDevice&) = delete;
    VirtualHidDevice& operator= (const VirtualHidDevice&) = delete;
};
