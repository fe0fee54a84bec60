#pragma once

#include <HidHandler.h>
#include <VirtualHidDevice.h>

#include <functional>

/** Counts the device events a handler is told of; onInput runs inside inputCallBack. */
struct HandlerRecorder : public HidHandler
{
    void removalCallBack() override     { ++removals; }
    void matchingCallBack() override    { ++matchings; }
    void inputCallBack (int) override   { ++inputs; if (onInput) onInput(); }

    int removals = 0, matchings = 0, inputs = 0;
    std::function<void()> onInput;
};

/** A KPX-TLK4 as the system would show it, with firmware version word 0x0102. */
inline VirtualHidDevice::Properties kpxController (std::int64_t location = 0x01400000)
{
    return { 0x2B73, 0x4C, 0x0102, location };
}
