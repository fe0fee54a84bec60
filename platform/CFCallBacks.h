#pragma once

#include "CFBase.h"

#include <vector>

/** How a container treats the values it holds. Only the two behaviours this program needs
    exist: retain and release each value (the standard CF-type callbacks), or hold plain
    pointers (a null callbacks pointer). */
struct CFContainerCallBacks
{
    bool retainsValues;
};

typedef CFContainerCallBacks CFArrayCallBacks;
typedef CFContainerCallBacks CFSetCallBacks;
typedef CFContainerCallBacks CFDictionaryKeyCallBacks;
typedef CFContainerCallBacks CFDictionaryValueCallBacks;

extern const CFArrayCallBacks kCFTypeArrayCallBacks;
extern const CFSetCallBacks kCFTypeSetCallBacks;
extern const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks;
extern const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks;

namespace cf
{
    /** The values of a container and whether it owns a reference on each. */
    class ValueList
    {
    public:
        explicit ValueList (const CFContainerCallBacks* callBacks) noexcept
            : retains (callBacks != nullptr && callBacks->retainsValues) {}

        ~ValueList()
        {
            for (auto* v : values)
                drop (v);
        }

        void append (const void* v)
        {
            values.push_back (retains ? CFRetain (v) : v);
        }

        void replace (std::size_t index, const void* v)
        {
            auto* old = values[index];
            values[index] = retains ? CFRetain (v) : v;
            drop (old);
        }

        std::vector<const void*> values;

    private:
        void drop (const void* v) const
        {
            if (retains)
                CFRelease (v);
        }

        const bool retains;
    };
}
