#pragma once

#include "CFCallBacks.h"

namespace cf
{
    class Dictionary final : public Object
    {
    public:
        Dictionary (const CFDictionaryKeyCallBacks* keyCallBacks, const CFDictionaryValueCallBacks* valueCallBacks)
            : Object (dictionaryTypeId), keys (keyCallBacks), values (valueCallBacks) {}

        /** The position of key, comparing strings by their text and anything else by identity; -1 if absent. */
        long find (const void* key) const;

        ValueList keys, values;
    };
}

typedef const cf::Dictionary* CFDictionaryRef;
typedef cf::Dictionary* CFMutableDictionaryRef;

CFTypeID CFDictionaryGetTypeID();

CFMutableDictionaryRef CFDictionaryCreateMutable (CFAllocatorRef alloc, CFIndex capacity,
                                                  const CFDictionaryKeyCallBacks* keyCallBacks,
                                                  const CFDictionaryValueCallBacks* valueCallBacks);
CFIndex CFDictionaryGetCount (CFDictionaryRef theDict);
/** Sets or replaces the value stored under key. */
void CFDictionarySetValue (CFMutableDictionaryRef theDict, const void* key, const void* value);
/** The value stored under key, lent; null when there is none. */
const void* CFDictionaryGetValue (CFDictionaryRef theDict, const void* key);
