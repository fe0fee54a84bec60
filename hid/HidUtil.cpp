#include "HidUtil.h"

#include "HidDeviceList.h"

#include <cstdio>
#include <cstring>

HidUtil* HidUtil::m_pinstance = nullptr;
const int HidUtil::HidDeviceType[6] = { 0, 0x4C, 0x52, 0x53, 0x54, 0 };

namespace
{
    constexpr long kpxVendorId = 0x2B73;
    constexpr int reportSize = 64;
}

//==============================================================================
HidUtil::HidUtil()
    : m_pHandler (nullptr),
      m_kind (0),
      m_pDevice (nullptr),
      m_pReportBuf (new unsigned char[reportSize]),
      m_reportLength (0),
      m_matchingRegistered (false),
      m_registered (false)
{
}

HidUtil::~HidUtil()
{
    finalize();
    delete[] m_pReportBuf;

    // The instance that was registered built the manager; unless another one has taken over
    // since, the manager's nodes and watches go with it, which leaves the nodes free.
    if (m_registered && m_pinstance == nullptr && gIOHIDManagerRef != nullptr)
    {
        IOHIDManagerClose (gIOHIDManagerRef, 0);
        CFRelease (gIOHIDManagerRef);
        gIOHIDManagerRef = nullptr;
    }
}

//==============================================================================
bool HidUtil::initialize (HidHandler* handler, int kind)
{
    if (m_pinstance != nullptr)
        return false;

    m_pinstance = this;
    m_registered = true;
    m_pHandler = handler;
    m_kind = kind;
    HIDBuildDeviceList (0, 0);
    return true;
}

bool HidUtil::deviceMatching()
{
    if (m_pDevice != nullptr)
        return true;

    bool result = false;

    for (auto device = HIDGetFirstDevice(); device != nullptr && ! result; device = HIDGetNextDevice (device))
        result = kpxMatching (device);

    if (! result && m_pDevice != nullptr)
        releaseDevice();

    // Without a manager there is nothing to listen to.
    if (! m_matchingRegistered && gIOHIDManagerRef != nullptr)
    {
        m_matchingRegistered = true;
        IOHIDManagerRegisterDeviceMatchingCallback (gIOHIDManagerRef, Handle_DeviceMatchingCallback, m_pinstance);
        IOHIDManagerScheduleWithRunLoop (gIOHIDManagerRef, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);
    }

    return result;
}

bool HidUtil::kpxMatching (IOHIDDeviceRef device)
{
    if (m_pDevice != nullptr)
        return false;

    const long vendor = IOHIDDevice_GetVendorID (device);
    const long product = IOHIDDevice_GetProductID (device);

    if (vendor != kpxVendorId)
        return false;

    for (int type : HidDeviceType)
    {
        if ((long) type == product)
        {
            takeDevice (device);
            return true;
        }
    }

    return false;
}

int HidUtil::deviceVersion()
{
    if (m_pDevice == nullptr)
        return 0;

    const long v = IOHIDDevice_GetVersionNumber (m_pDevice);
    return (int) ((v / 4096) * 1000 + ((v % 4096) / 256) * 100 + ((v % 256) / 16) * 10 + (v % 16));
}

unsigned long HidUtil::deviceInput (unsigned char* pdata, unsigned long length, int)
{
    if (pdata == nullptr || length == 0)
    {
        std::fprintf (stderr, "deviceInput failed. pdata:%p length:%ld\r\n", (void*) pdata, (long) length);
        return 0;
    }

    if (m_pDevice == nullptr)
    {
        std::fprintf (stderr, "deviceInput failed. m_pDevice:%p\r\n", (void*) nullptr);
        return 0;
    }

    const auto n = std::min (length, (unsigned long) m_reportLength);
    std::memcpy (pdata, m_pReportBuf, n);
    return n;
}

bool HidUtil::deviceOutput (unsigned char* data, unsigned long length)
{
    IOHIDDeviceRef device = nullptr;

    {
        // A reference of our own keeps the device alive through the send, even if the message
        // thread lets go of it meanwhile; the send then simply fails.
        const std::lock_guard<std::mutex> guard (m_deviceLock);

        if (data == nullptr || length == 0 || m_pDevice == nullptr)
            return false;

        device = m_pDevice;
        CFRetain (device);
    }

    const auto result = IOHIDDeviceSetReport (device, kIOHIDReportTypeOutput, 0, data, (CFIndex) length);
    CFRelease (device);
    return result == kIOReturnSuccess;
}

void HidUtil::finalize()
{
    if (m_pDevice != nullptr)
        releaseDevice();

    m_pHandler = nullptr;

    // An instance that was refused registration must leave the registered one's list, callback
    // and singleton alone.
    if (m_pinstance != this)
        return;

    HIDReleaseDeviceList();

    if (gIOHIDManagerRef != nullptr)
        IOHIDManagerRegisterDeviceMatchingCallback (gIOHIDManagerRef, nullptr, nullptr);

    m_pinstance = nullptr;
}

//==============================================================================
void HidUtil::takeDevice (IOHIDDeviceRef device)
{
    {
        const std::lock_guard<std::mutex> guard (m_deviceLock);
        m_pDevice = device;
    }

    std::memset (m_pReportBuf, 0, reportSize);
    m_reportLength = 0;

    IOHIDDeviceRegisterRemovalCallback (device, Handle_IOHIDDeviceRemovalCallback, this);
    IOHIDDeviceRegisterInputReportCallback (device, m_pReportBuf, reportSize, Handle_IOHIDDeviceIOHIDReportCallback, nullptr);
    IOHIDDeviceScheduleWithRunLoop (device, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);
}

void HidUtil::releaseDevice()
{
    IOHIDDeviceRegisterRemovalCallback (m_pDevice, nullptr, nullptr);
    IOHIDDeviceRegisterInputReportCallback (m_pDevice, m_pReportBuf, reportSize, nullptr, nullptr);
    IOHIDDeviceUnscheduleFromRunLoop (m_pDevice, CFRunLoopGetCurrent(), kCFRunLoopDefaultMode);

    {
        const std::lock_guard<std::mutex> guard (m_deviceLock);
        m_pDevice = nullptr;
    }

    std::memset (m_pReportBuf, 0, reportSize);
    m_reportLength = 0;
}

//==============================================================================
void HidUtil::Handle_DeviceMatchingCallback (void* inContext, int, void*, IOHIDDeviceRef inIOHIDDeviceRef)
{
    auto* self = static_cast<HidUtil*> (inContext);

    if (self != nullptr && self->kpxMatching (inIOHIDDeviceRef) && self->m_pHandler != nullptr)
        self->m_pHandler->matchingCallBack();
}

void HidUtil::Handle_IOHIDDeviceRemovalCallback (void* inContext, int, void* inSender)
{
    auto* self = static_cast<HidUtil*> (inContext);

    if (self == nullptr || inSender == nullptr || self->m_pDevice == nullptr)
        return;

    self->releaseDevice();

    if (self->m_pHandler != nullptr)
        self->m_pHandler->removalCallBack();
}

void HidUtil::Handle_IOHIDDeviceIOHIDReportCallback (void*, int, void*, IOHIDReportType, unsigned int, unsigned char*, long inReportLength)
{
    auto* self = m_pinstance;

    if (self == nullptr)
        return;

    // The cap compares the low 32 bits of the length, taken as unsigned.
    self->m_reportLength = (int) std::min<unsigned int> ((unsigned int) inReportLength, reportSize);

    if (self->m_pReportBuf[0] >= 0xF0 && self->m_pHandler != nullptr)
        self->m_pHandler->inputCallBack (0);
}
