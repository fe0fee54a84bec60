#pragma once

// The HID manager interface that the program's HID layer is written against, over the
// kernel's hidraw nodes: devices are listed and watched through libudev, reports go through
// the nodes, and callbacks arrive on the JUCE message thread, which stands for the run loop.

#include "CFArray.h"
#include "CFDictionary.h"
#include "CFSet.h"
#include "CFString.h"

typedef int IOReturn;
typedef UInt32 IOOptionBits;

enum : IOReturn
{
    kIOReturnSuccess = 0,
    kIOReturnError = (int) 0xE00002BC,
    kIOReturnBadArgument = (int) 0xE00002C2,
    kIOReturnNotOpen = (int) 0xE00002CD,
    kIOReturnNotAttached = (int) 0xE00002D9
};

enum IOHIDReportType
{
    kIOHIDReportTypeInput = 0,
    kIOHIDReportTypeOutput = 1,
    kIOHIDReportTypeFeature = 2
};

namespace cf
{
    class HidManager;
    class HidDevice;
    class RunLoop;
}

typedef cf::HidManager* IOHIDManagerRef;
typedef cf::HidDevice* IOHIDDeviceRef;
typedef cf::RunLoop* CFRunLoopRef;

/** The one run loop mode there is: the message thread's. */
#define kCFRunLoopDefaultMode CFSTR ("kCFRunLoopDefaultMode")

/** The message thread's run loop; callbacks of objects scheduled with it run on that thread. */
CFRunLoopRef CFRunLoopGetCurrent();

typedef void (*IOHIDCallback) (void* context, IOReturn result, void* sender);
typedef void (*IOHIDDeviceCallback) (void* context, IOReturn result, void* sender, IOHIDDeviceRef device);
typedef void (*IOHIDReportCallback) (void* context, IOReturn result, void* sender, IOHIDReportType type,
                                     UInt32 reportID, UInt8* report, CFIndex reportLength);

//==============================================================================
/** A new manager, or null. It matches nothing until criteria are set and it is opened. */
IOHIDManagerRef IOHIDManagerCreate (CFAllocatorRef allocator, IOOptionBits options);

/** Replaces the criteria: an array of dictionaries, each of device properties that must all be
    equal. Null, or an empty dictionary in the array, matches every HID device. */
void IOHIDManagerSetDeviceMatchingMultiple (IOHIDManagerRef manager, CFArrayRef multiple);

/** Opens every matched node, those present and those that arrive later. A node that exists but
    cannot be opened is left out, and said once on the standard error stream. */
IOReturn IOHIDManagerOpen (IOHIDManagerRef manager, IOOptionBits options);

/** Closes every node the manager opened and stops watching for arrivals. */
IOReturn IOHIDManagerClose (IOHIDManagerRef manager, IOOptionBits options);

/** A new set of the devices that the manager holds open, or null when there are none. */
CFSetRef IOHIDManagerCopyDevices (IOHIDManagerRef manager);

/** Called with each device that comes to match after the manager is scheduled; null unregisters. */
void IOHIDManagerRegisterDeviceMatchingCallback (IOHIDManagerRef manager, IOHIDDeviceCallback callback, void* context);

void IOHIDManagerScheduleWithRunLoop (IOHIDManagerRef manager, CFRunLoopRef runLoop, CFStringRef runLoopMode);
void IOHIDManagerUnscheduleFromRunLoop (IOHIDManagerRef manager, CFRunLoopRef runLoop, CFStringRef runLoopMode);

//==============================================================================
/** A property of the device ("VendorID", "ProductID", "VersionNumber", "LocationID"), lent; null if absent. */
CFTypeRef IOHIDDeviceGetProperty (IOHIDDeviceRef device, CFStringRef key);

/** Called once when the device goes away, while it is scheduled; null unregisters. */
void IOHIDDeviceRegisterRemovalCallback (IOHIDDeviceRef device, IOHIDCallback callback, void* context);

/** Each input report is written into report (at most reportLength bytes; a longer one is cut) and
    callback is then called with the length written, while the device is scheduled; null unregisters. */
void IOHIDDeviceRegisterInputReportCallback (IOHIDDeviceRef device, UInt8* report, CFIndex reportLength,
                                             IOHIDReportCallback callback, void* context);

void IOHIDDeviceScheduleWithRunLoop (IOHIDDeviceRef device, CFRunLoopRef runLoop, CFStringRef runLoopMode);
void IOHIDDeviceUnscheduleFromRunLoop (IOHIDDeviceRef device, CFRunLoopRef runLoop, CFStringRef runLoopMode);

/** Sends one report and returns once it went out whole; kIOReturnSuccess then. Safe to call from
    any thread, also while the device is being removed: the call then fails. */
IOReturn IOHIDDeviceSetReport (IOHIDDeviceRef device, IOHIDReportType reportType, CFIndex reportID,
                               const UInt8* report, CFIndex reportLength);
