#pragma once

#include "SimulatedController.h"

#include <VirtualHidDevice.h>

#include <memory>

/**
    A KPX-TLK4 as a virtual HID device of the program's own HID layer, answered by the simulator:
    for the engine tests, the benchmark and the fault campaign, in the program's own process.
*/
class VirtualController
{
public:
    explicit VirtualController (SimulatedController::Settings settings = SimulatedController::Settings());
    ~VirtualController();

    /** Plugs the controller in with a fresh simulator. */
    void plugIn();

    /** Unplugs it; the simulator keeps what it received. */
    void unplug();

    /** Makes a removal fault unplug the controller, as pulling the cable would. */
    void unplugOnRemovalFault();

    /** The simulator of the last plug-in. */
    SimulatedController& controller();

private:
    SimulatedController::Settings settings;
    VirtualHidDevice device;
    std::unique_ptr<SimulatedController> simulator;

    VirtualController (const VirtualController&) = delete;
    VirtualController& operator= (const VirtualController&) = delete;
};
