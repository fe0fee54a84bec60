#pragma once

#include "CFBase.h"

namespace cf
{
    /** A number, held as the 64-bit integer it was created from. */
    class Number final : public Object
    {
    public:
        explicit Number (SInt64 v) noexcept : Object (numberTypeId), value (v) {}
        const SInt64 value;
    };
}

typedef const cf::Number* CFNumberRef;

enum CFNumberType : CFIndex
{
    kCFNumberSInt8Type = 1,
    kCFNumberSInt16Type = 2,
    kCFNumberSInt32Type = 3,
    kCFNumberSInt64Type = 4,
    kCFNumberIntType = 9,
    kCFNumberLongType = 10,
    kCFNumberCFIndexType = 14
};

CFTypeID CFNumberGetTypeID();

/** A new number from the value that valuePtr points to, read as theType; null for a type not listed above. */
CFNumberRef CFNumberCreate (CFAllocatorRef alloc, CFNumberType theType, const void* valuePtr);

/** Writes the number as theType through valuePtr. False when the value had to be cut to fit,
    in which case the cut value is still written. */
Boolean CFNumberGetValue (CFNumberRef number, CFNumberType theType, void* valuePtr);
