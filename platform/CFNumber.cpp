#include "CFNumber.h"

#include <cstring>

namespace
{
    /** The width in bytes of a number type, or 0 for a type this layer does not know. */
    std::size_t widthOf (CFNumberType type)
    {
        switch (type)
        {
            case kCFNumberSInt8Type:   return 1;
            case kCFNumberSInt16Type:  return 2;
            case kCFNumberSInt32Type:
            case kCFNumberIntType:     return 4;
            case kCFNumberSInt64Type:
            case kCFNumberLongType:
            case kCFNumberCFIndexType: return 8;
        }

        return 0;
    }

    SInt64 read (CFNumberType type, const void* p)
    {
        switch (widthOf (type))
        {
            case 1: { std::int8_t v;  std::memcpy (&v, p, 1); return v; }
            case 2: { std::int16_t v; std::memcpy (&v, p, 2); return v; }
            case 4: { std::int32_t v; std::memcpy (&v, p, 4); return v; }
            default: { std::int64_t v; std::memcpy (&v, p, 8); return v; }
        }
    }

    template <typename T>
    bool writeAs (SInt64 value, void* p)
    {
        const auto cut = static_cast<T> (value);
        std::memcpy (p, &cut, sizeof (T));
        return static_cast<SInt64> (cut) == value;
    }
}

CFTypeID CFNumberGetTypeID()
{
    return cf::numberTypeId;
}

CFNumberRef CFNumberCreate (CFAllocatorRef, CFNumberType theType, const void* valuePtr)
{
    if (valuePtr == nullptr || widthOf (theType) == 0)
        return nullptr;

    return new cf::Number (read (theType, valuePtr));
}

Boolean CFNumberGetValue (CFNumberRef number, CFNumberType theType, void* valuePtr)
{
    auto* n = cf::objectOfType<cf::Number> (number, cf::numberTypeId);

    if (n == nullptr || valuePtr == nullptr)
        return false;

    switch (widthOf (theType))
    {
        case 1:  return writeAs<std::int8_t> (n->value, valuePtr);
        case 2:  return writeAs<std::int16_t> (n->value, valuePtr);
        case 4:  return writeAs<std::int32_t> (n->value, valuePtr);
        case 8:  return writeAs<std::int64_t> (n->value, valuePtr);
        default: return false;
    }
}
