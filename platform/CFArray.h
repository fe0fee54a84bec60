#pragma once

#include "CFCallBacks.h"

namespace cf
{
    class Array final : public Object
    {
    public:
        explicit Array (const CFArrayCallBacks* callBacks) : Object (arrayTypeId), items (callBacks) {}
        mutable ValueList items;
    };
}

typedef const cf::Array* CFArrayRef;
typedef cf::Array* CFMutableArrayRef;

CFTypeID CFArrayGetTypeID();

/** An array of numValues values, retained when callBacks is kCFTypeArrayCallBacks. */
CFArrayRef CFArrayCreate (CFAllocatorRef alloc, const void** values, CFIndex numValues, const CFArrayCallBacks* callBacks);
CFMutableArrayRef CFArrayCreateMutable (CFAllocatorRef alloc, CFIndex capacity, const CFArrayCallBacks* callBacks);

CFIndex CFArrayGetCount (CFArrayRef theArray);
/** The value at idx, lent; null when idx lies outside the array. */
const void* CFArrayGetValueAtIndex (CFArrayRef theArray, CFIndex idx);
void CFArrayAppendValue (CFMutableArrayRef theArray, const void* value);

/** Sorts the values in range with comparator, ascending. A range reaching outside the array does nothing. */
void CFArraySortValues (CFMutableArrayRef theArray, CFRange range, CFComparatorFunction comparator, void* context);
