#include "CFArray.h"

#include <algorithm>

namespace
{
    const cf::Array* arrayOf (CFArrayRef ref)
    {
        return cf::objectOfType<cf::Array> (ref, cf::arrayTypeId);
    }
}

CFTypeID CFArrayGetTypeID()
{
    return cf::arrayTypeId;
}

CFArrayRef CFArrayCreate (CFAllocatorRef alloc, const void** values, CFIndex numValues, const CFArrayCallBacks* callBacks)
{
    auto* array = CFArrayCreateMutable (alloc, numValues, callBacks);

    for (CFIndex i = 0; values != nullptr && i < numValues; ++i)
        CFArrayAppendValue (array, values[i]);

    return array;
}

CFMutableArrayRef CFArrayCreateMutable (CFAllocatorRef, CFIndex, const CFArrayCallBacks* callBacks)
{
    return new cf::Array (callBacks);
}

CFIndex CFArrayGetCount (CFArrayRef theArray)
{
    auto* a = arrayOf (theArray);
    return a != nullptr ? static_cast<CFIndex> (a->items.values.size()) : 0;
}

const void* CFArrayGetValueAtIndex (CFArrayRef theArray, CFIndex idx)
{
    if (idx < 0 || idx >= CFArrayGetCount (theArray))
        return nullptr;

    return arrayOf (theArray)->items.values[static_cast<std::size_t> (idx)];
}

void CFArrayAppendValue (CFMutableArrayRef theArray, const void* value)
{
    if (auto* a = arrayOf (theArray))
        a->items.append (value);
}

void CFArraySortValues (CFMutableArrayRef theArray, CFRange range, CFComparatorFunction comparator, void* context)
{
    auto* a = arrayOf (theArray);

    if (a == nullptr || comparator == nullptr || range.location < 0 || range.length < 0
        || range.location + range.length > CFArrayGetCount (theArray))
        return;

    auto first = a->items.values.begin() + range.location;
    std::stable_sort (first, first + range.length, [&] (const void* x, const void* y)
                      { return comparator (x, y, context) == kCFCompareLessThan; });
}
