#pragma once

// The process's one connection to the HID manager, and a snapshot list of its devices sorted by
// physical location, with a cursor to walk it and getters for device properties. Message thread.

#include <CoreFoundation.h>
#include <IOHIDManager.h>

/** The one HID manager of the process; created by the first HIDBuildMultiDeviceList. */
extern IOHIDManagerRef gIOHIDManagerRef;

/** The devices, sorted by location ID, ascending; the array holds its own reference on each. */
extern CFMutableArrayRef gDeviceCFArrayRef;

/** Position of the device the walk returned last; -1 after a device that is not in the list. */
extern CFIndex gDeviceIndex;

/** Sets up the manager with one matching dictionary per (usage page, usage) pair, creating and
    opening it on first use, and rebuilds the list. False when the manager cannot be created or opened. */
Boolean HIDBuildMultiDeviceList (const UInt32* inUsagePages, const UInt32* inUsages, int inNumDeviceTypes);

/** The same for one pair; (0, 0) lists every HID device. */
Boolean HIDBuildDeviceList (UInt32 inUsagePage, UInt32 inUsage);

/** A new matching dictionary for one pair, owned by the caller, or null. A usage page of 0 leaves
    it empty (every device); a usage of 0 leaves the usage out (any usage on the page). */
CFMutableDictionaryRef hu_SetUpMatchingDictionary (UInt32 inUsagePage, UInt32 inUsage);

/** Replaces the list with a fresh sorted snapshot; keeps it when the manager reports no devices. */
void HIDRebuildDevices (void);

/** Releases the list; the manager and the cursor stay. */
void HIDReleaseDeviceList (void);

/** The first device of the list (the cursor goes to 0), or null. */
IOHIDDeviceRef HIDGetFirstDevice (void);

/** The device after inDevice in the list, or null. */
IOHIDDeviceRef HIDGetNextDevice (IOHIDDeviceRef inDevice);

/** Number properties of a device as unsigned 32-bit values; 0 when absent or not a number. */
long IOHIDDevice_GetVendorID (IOHIDDeviceRef inIOHIDDeviceRef);
long IOHIDDevice_GetProductID (IOHIDDeviceRef inIOHIDDeviceRef);
long IOHIDDevice_GetVersionNumber (IOHIDDeviceRef inIOHIDDeviceRef);
long IOHIDDevice_GetLocationID (IOHIDDeviceRef inIOHIDDeviceRef);

/** Orders devices by ascending location ID. */
CFComparisonResult CFDeviceArrayComparatorFunction (const void* val1, const void* val2, void* context);

/** Appends value to the array given as the context. */
void CFSetApplierFunctionCopyToCFArray (const void* value, void* context);
