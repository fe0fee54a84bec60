#pragma once

#include "HidHandler.h"

#include <IOHIDManager.h>

#include <mutex>

/**
    Finds the controller (vendor 0x2B73, a listed product) among the HID devices, takes it,
    receives its input reports, sends it output reports, and notices its removal and a later
    arrival. A singleton over the HID manager; the system's callbacks reach it through static
    functions. Everything runs on the message thread except deviceOutput, which the worker calls.
*/
class HidUtil
{
public:
    HidUtil();
    virtual ~HidUtil();

    /** Registers this instance as the singleton and builds the device list; false, changing
        nothing, when an instance is registered already. */
    bool initialize (HidHandler* handler, int kind);

    /** Takes the controller from the list if none is held, and from the first call on listens
        for later arrivals. True when a device is held afterwards. */
    bool deviceMatching();

    /** Takes the device if it is the controller and none is held yet. */
    bool kpxMatching (IOHIDDeviceRef device);

    /** The held device's version number read digit by digit as decimal (0x0102 gives 102), or 0. */
    int deviceVersion();

    /** Copies the last input report into pdata and returns its length (at most length bytes). */
    unsigned long deviceInput (unsigned char* pdata, unsigned long length, int);

    /** Sends the bytes as one output report; true when the system took it. Worker thread. */
    bool deviceOutput (unsigned char* data, unsigned long length);

    /** Lets go of the device, the list and the matching callback, and unregisters the singleton. */
    void finalize();

    //==============================================================================
    static void Handle_DeviceMatchingCallback (void* inContext, int inResult, void* inSender, IOHIDDeviceRef inIOHIDDeviceRef);
    static void Handle_IOHIDDeviceRemovalCallback (void* inContext, int inResult, void* inSender);
    static void Handle_IOHIDDeviceIOHIDReportCallback (void* inContext, int inResult, void* inSender, IOHIDReportType inType,
                                                       unsigned int inReportID, unsigned char* inReport, long inReportLength);

    static HidUtil* m_pinstance;
    static const int HidDeviceType[6];

private:
    void takeDevice (IOHIDDeviceRef device);
    void releaseDevice();

    HidHandler* m_pHandler;
    int m_kind;
    IOHIDDeviceRef m_pDevice;
    unsigned char* m_pReportBuf;
    int m_reportLength;
    bool m_matchingRegistered;
    bool m_registered;      ///< this instance has been the singleton

    // m_pDevice is read by the worker while the message thread may let go of the device.
    std::mutex m_deviceLock;

    HidUtil (const HidUtil&) = delete;
    HidUtil& operator= (const HidUtil&) = delete;
};
