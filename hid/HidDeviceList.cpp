#include "HidDeviceList.h"

#include <cstdio>

IOHIDManagerRef gIOHIDManagerRef = nullptr;
CFMutableArrayRef gDeviceCFArrayRef = nullptr;
CFIndex gDeviceIndex = 0;

namespace
{
    const char* const buildListSignature = "Boolean HIDBuildMultiDeviceList(const UInt32 *, const UInt32 *, int)";
    const char* const matchingSignature = "CFMutableDictionaryRef hu_SetUpMatchingDictionary(UInt32, UInt32)";

    long numberProperty (IOHIDDeviceRef device, const char* key)
    {
        if (device == nullptr)
            return 0;

        auto value = IOHIDDeviceGetProperty (device, CFSTR (key));

        if (value == nullptr || CFGetTypeID (value) != CFNumberGetTypeID())
            return 0;

        // Read as a signed 32-bit number into a zeroed 64-bit result: the 32-bit pattern, unsigned.
        long result = 0;
        CFNumberGetValue (static_cast<CFNumberRef> (value), kCFNumberSInt32Type, &result);
        return result;
    }
}

//==============================================================================
Boolean HIDBuildMultiDeviceList (const UInt32* inUsagePages, const UInt32* inUsages, int inNumDeviceTypes)
{
    const bool managerExisted = gIOHIDManagerRef != nullptr;

    if (! managerExisted)
    {
        gIOHIDManagerRef = IOHIDManagerCreate (kCFAllocatorDefault, 0);

        if (gIOHIDManagerRef == nullptr)
        {
            std::fprintf (stderr, "%s: Couldn\u2019t create a IOHIDManager.", buildListSignature);
            return false;
        }
    }

    if (inUsagePages != nullptr && inUsages != nullptr && inNumDeviceTypes != 0)
    {
        auto criteria = CFArrayCreateMutable (kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);

        if (criteria == nullptr)
        {
            std::fprintf (stderr, "%s: Couldn\u2019t create a matching array.", buildListSignature);
            IOHIDManagerSetDeviceMatchingMultiple (gIOHIDManagerRef, nullptr);
        }
        else
        {
            for (int i = 0; i < inNumDeviceTypes; ++i)
            {
                auto dict = hu_SetUpMatchingDictionary (inUsagePages[i], inUsages[i]);

                if (dict == nullptr)
                {
                    std::fprintf (stderr, "%s: Couldn\u2019t create a matching dictionary.", buildListSignature);
                    continue;
                }

                CFArrayAppendValue (criteria, dict);
                CFRelease (dict);
            }

            IOHIDManagerSetDeviceMatchingMultiple (gIOHIDManagerRef, criteria);
            CFRelease (criteria);
        }
    }
    else
    {
        IOHIDManagerSetDeviceMatchingMultiple (gIOHIDManagerRef, nullptr);
    }

    if (managerExisted)
    {
        HIDRebuildDevices();
        return true;
    }

    if (IOHIDManagerOpen (gIOHIDManagerRef, 0) != kIOReturnSuccess)
    {
        std::fprintf (stderr, "%s: Couldn\u2019t open IOHIDManager.", buildListSignature);
        return false;
    }

    HIDRebuildDevices();
    return true;
}

Boolean HIDBuildDeviceList (UInt32 inUsagePage, UInt32 inUsage)
{
    const UInt32 pages[] = { inUsagePage };
    const UInt32 usages[] = { inUsage };
    return HIDBuildMultiDeviceList (pages, usages, 1);
}

CFMutableDictionaryRef hu_SetUpMatchingDictionary (UInt32 inUsagePage, UInt32 inUsage)
{
    auto dict = CFDictionaryCreateMutable (kCFAllocatorDefault, 0, &kCFTypeDictionaryKeyCallBacks, &kCFTypeDictionaryValueCallBacks);

    if (dict == nullptr)
    {
        std::fprintf (stderr, "%s: CFDictionaryCreateMutable failed.", matchingSignature);
        return nullptr;
    }

    if (inUsagePage == 0)
        return dict;

    const int page = (int) inUsagePage;
    auto pageNumber = CFNumberCreate (kCFAllocatorDefault, kCFNumberIntType, &page);

    if (pageNumber == nullptr)
    {
        std::fprintf (stderr, "%s: CFNumberCreate( usage page ) failed.", matchingSignature);
        return dict;
    }

    CFDictionarySetValue (dict, CFSTR ("PrimaryUsagePage"), pageNumber);
    CFRelease (pageNumber);

    if (inUsage != 0)
    {
        const int usage = (int) inUsage;
        auto usageNumber = CFNumberCreate (kCFAllocatorDefault, kCFNumberIntType, &usage);

        if (usageNumber == nullptr)
        {
            std::fprintf (stderr, "%s: CFNumberCreate( usage ) failed.", matchingSignature);
        }
        else
        {
            CFDictionarySetValue (dict, CFSTR ("PrimaryUsage"), usageNumber);
            CFRelease (usageNumber);
        }
    }

    return dict;
}

void HIDRebuildDevices (void)
{
    auto devices = IOHIDManagerCopyDevices (gIOHIDManagerRef);

    if (devices == nullptr)
        return;

    HIDReleaseDeviceList();
    gDeviceCFArrayRef = CFArrayCreateMutable (kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);
    CFSetApplyFunction (devices, CFSetApplierFunctionCopyToCFArray, gDeviceCFArrayRef);
    CFArraySortValues (gDeviceCFArrayRef, CFRangeMake (0, CFArrayGetCount (gDeviceCFArrayRef)), CFDeviceArrayComparatorFunction, nullptr);
    CFRelease (devices);
}

void HIDReleaseDeviceList (void)
{
    if (gDeviceCFArrayRef == nullptr)
        return;

    CFRelease (gDeviceCFArrayRef);
    gDeviceCFArrayRef = nullptr;
}

IOHIDDeviceRef HIDGetFirstDevice (void)
{
    gDeviceIndex = 0;

    if (gDeviceCFArrayRef == nullptr || CFArrayGetCount (gDeviceCFArrayRef) == 0)
        return nullptr;

    return (IOHIDDeviceRef) CFArrayGetValueAtIndex (gDeviceCFArrayRef, 0);
}

IOHIDDeviceRef HIDGetNextDevice (IOHIDDeviceRef inDevice)
{
    if (inDevice == nullptr || gDeviceCFArrayRef == nullptr)
        return nullptr;

    const CFIndex count = CFArrayGetCount (gDeviceCFArrayRef);

    if (gDeviceIndex < 0 || gDeviceIndex >= count)
        return nullptr;

    if (CFArrayGetValueAtIndex (gDeviceCFArrayRef, gDeviceIndex) == inDevice)
    {
        ++gDeviceIndex;
    }
    else
    {
        CFIndex found = -1;

        for (CFIndex i = 0; i < count && found < 0; ++i)
            if (CFArrayGetValueAtIndex (gDeviceCFArrayRef, i) == inDevice)
                found = i;

        if (found < 0)
        {
            gDeviceIndex = -1;
            return nullptr;
        }

        gDeviceIndex = found + 1;
    }

    return gDeviceIndex < count ? (IOHIDDeviceRef) CFArrayGetValueAtIndex (gDeviceCFArrayRef, gDeviceIndex) : nullptr;
}

long IOHIDDevice_GetVendorID (IOHIDDeviceRef inIOHIDDeviceRef)      { return numberProperty (inIOHIDDeviceRef, "VendorID"); }
long IOHIDDevice_GetProductID (IOHIDDeviceRef inIOHIDDeviceRef)     { return numberProperty (inIOHIDDeviceRef, "ProductID"); }
long IOHIDDevice_GetVersionNumber (IOHIDDeviceRef inIOHIDDeviceRef) { return numberProperty (inIOHIDDeviceRef, "VersionNumber"); }
long IOHIDDevice_GetLocationID (IOHIDDeviceRef inIOHIDDeviceRef)    { return numberProperty (inIOHIDDeviceRef, "LocationID"); }

CFComparisonResult CFDeviceArrayComparatorFunction (const void* val1, const void* val2, void*)
{
    const long a = IOHIDDevice_GetLocationID ((IOHIDDeviceRef) val1);
    const long b = IOHIDDevice_GetLocationID ((IOHIDDeviceRef) val2);
    return a < b ? kCFCompareLessThan : a > b ? kCFCompareGreaterThan : kCFCompareEqualTo;
}

void CFSetApplierFunctionCopyToCFArray (const void* value, void* context)
{
    CFArrayAppendValue (static_cast<CFMutableArrayRef> (context), value);
}
