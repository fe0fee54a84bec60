// The HID layer's input path: arbitrary reports of any length from a virtual controller, through
// the HID manager, HidUtil and HidCtrl, into MainComponent::inputCallBack.
//
// The input is a series of reports, each one length byte (1 to 255) and that many bytes; a report
// cut short by the end of the input goes out as it is. A last report that the program must pass
// on (byte 0 = 0xF0) then marks the end: once it stands in the component's answer buffer, every
// report before it has been through the layer.

#include <HidCtrl.h>
#include <MainComponent.h>
#include <VirtualHidDevice.h>

#include "FuzzJuce.h"

#include <cstring>

namespace
{
    constexpr int deliveryTimeoutMs = 5000;

    struct Setup
    {
        Setup()
        {
            FuzzJuce::bringUp();
            device.attach();
            component = std::make_unique<MainComponent>();
            FuzzJuce::require (MessageLoop::runUntil ([this] { return component->m_pHidCtrl->m_connected != 0; }, deliveryTimeoutMs),
                               "the virtual controller was not taken");
        }

        VirtualHidDevice device { { 0x2B73, 0x4C, 0x0102, 0x01400000 } };
        std::unique_ptr<MainComponent> component;
        std::uint32_t marks = 0;
    };
}

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    static auto* setup = new Setup();
    auto& component = *setup->component;

    // The wire holds only a few reports: a burst goes out as fast as the program takes them.
    auto send = [] (const std::uint8_t* report, size_t length)
    {
        return MessageLoop::runUntil ([&] { return setup->device.sendInputReport (report, length); }, deliveryTimeoutMs);
    };

    while (size > 1)
    {
        const auto length = std::min<size_t> (std::max<std::uint8_t> (1, data[0]), size - 1);
        FuzzJuce::require (send (data + 1, length), "a report was not taken");
        data += length + 1;
        size -= length + 1;
    }

    const auto mark = ++setup->marks;
    std::uint8_t end[64] = { 0xF0, 0x5A, (std::uint8_t) mark, (std::uint8_t) (mark >> 8), (std::uint8_t) (mark >> 16), (std::uint8_t) (mark >> 24) };
    FuzzJuce::require (send (end, sizeof (end)), "the end mark was not taken");

    FuzzJuce::require (MessageLoop::runUntil ([&] { return std::memcmp (component.m_recvBuf, end, 6) == 0; }, deliveryTimeoutMs),
                       "the reports did not come through");
    FuzzJuce::require (component.m_pHidCtrl->m_connected != 0, "reports made the controller count as gone");
    return 0;
}
