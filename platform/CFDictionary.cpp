#include "CFDictionary.h"

#include "CFString.h"

namespace
{
    bool sameKey (const void* a, const void* b)
    {
        if (a == b)
            return true;

        auto* sa = cf::objectOfType<cf::String> (a, cf::stringTypeId);
        auto* sb = cf::objectOfType<cf::String> (b, cf::stringTypeId);
        return sa != nullptr && sb != nullptr && sa->utf8 == sb->utf8;
    }

    const cf::Dictionary* dictionaryOf (CFDictionaryRef ref)
    {
        return cf::objectOfType<cf::Dictionary> (ref, cf::dictionaryTypeId);
    }
}

long cf::Dictionary::find (const void* key) const
{
    for (std::size_t i = 0; i < keys.values.size(); ++i)
        if (sameKey (keys.values[i], key))
            return static_cast<long> (i);

    return -1;
}

CFTypeID CFDictionaryGetTypeID()
{
    return cf::dictionaryTypeId;
}

CFMutableDictionaryRef CFDictionaryCreateMutable (CFAllocatorRef, CFIndex,
                                                  const CFDictionaryKeyCallBacks* keyCallBacks,
                                                  const CFDictionaryValueCallBacks* valueCallBacks)
{
    return new cf::Dictionary (keyCallBacks, valueCallBacks);
}

CFIndex CFDictionaryGetCount (CFDictionaryRef theDict)
{
    auto* d = dictionaryOf (theDict);
    return d != nullptr ? static_cast<CFIndex> (d->keys.values.size()) : 0;
}

void CFDictionarySetValue (CFMutableDictionaryRef theDict, const void* key, const void* value)
{
    if (dictionaryOf (theDict) == nullptr)
        return;

    const auto at = theDict->find (key);

    if (at >= 0)
    {
        theDict->values.replace (static_cast<std::size_t> (at), value);
        return;
    }

    theDict->keys.append (key);
    theDict->values.append (value);
}

const void* CFDictionaryGetValue (CFDictionaryRef theDict, const void* key)
{
    auto* d = dictionaryOf (theDict);

    if (d == nullptr)
        return nullptr;

    const auto at = d->find (key);
    return at >= 0 ? d->values.values[static_cast<std::size_t> (at)] : nullptr;
}
