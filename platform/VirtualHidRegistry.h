#pragma once

#include "VirtualHidDevice.h"

#include <functional>
#include <vector>

/** The attached virtual devices and the managers that listen for their arrival and removal.
    Internal to the HID manager layer. */
namespace VirtualHidRegistry
{
    struct Event
    {
        bool arrived;
        VirtualHidDevice::Node node;    ///< nodeFd is a duplicate owned by the event's receiver, or -1
    };

    /** The devices attached now, each with a duplicate of its node that the caller owns. */
    std::vector<VirtualHidDevice::Node> attachedNodes();

    /** A listener's events are queued and its wake descriptor becomes readable when one comes. */
    int addListener();
    void removeListener (int wakeFd);

    /** Takes the events queued for a listener, in order. */
    std::vector<Event> takeEvents (int wakeFd);

    void announce (const VirtualHidDevice::Node& node, bool arrived);
}
