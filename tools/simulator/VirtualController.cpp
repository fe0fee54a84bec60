#include "VirtualController.h"

#include <stdexcept>

namespace
{
    VirtualHidDevice::Properties kpxTlk4()
    {
        return { 0x2B73, 0x4C, 0x0102, 0x01400000 };
    }
}

VirtualController::VirtualController (SimulatedController::Settings s)
    : settings (s), device (kpxTlk4())
{
}

VirtualController::~VirtualController()
{
    unplug();
}

void VirtualController::plugIn()
{
    if (device.isAttached())
        return;

    if (simulator != nullptr)
        simulator->stop();

    device.attach();
    simulator = std::make_unique<SimulatedController> (device.deviceFd(), settings);
    simulator->start();
}

void VirtualController::unplug()
{
    device.detach();

    if (simulator != nullptr)
        simulator->stop();
}

void VirtualController::unplugOnRemovalFault()
{
    // Called on the simulator's own thread: the wire is cut there, and the thread ends by itself.
    controller().setRemovalHandler ([this] { device.detach(); });
}

SimulatedController& VirtualController::controller()
{
    if (simulator == nullptr)
        throw std::logic_error ("the controller was never plugged in");

    return *simulator;
}
