#include "CFBase.h"

CFTypeRef CFRetain (CFTypeRef cf)
{
    if (auto* o = cf::object (cf))
        o->retainCount.fetch_add (1, std::memory_order_relaxed);

    return cf;
}

void CFRelease (CFTypeRef cf)
{
    auto* o = cf::object (cf);

    if (o == nullptr)
        return;

    // The last release deletes; acquire-release so that the deleting thread sees every
    // write that other owners made before they let go.
    if (o->retainCount.fetch_sub (1, std::memory_order_acq_rel) == 1)
        delete o;
}

CFIndex CFGetRetainCount (CFTypeRef cf)
{
    auto* o = cf::object (cf);
    return o != nullptr ? o->retainCount.load (std::memory_order_relaxed) : 0;
}

CFTypeID CFGetTypeID (CFTypeRef cf)
{
    auto* o = cf::object (cf);
    return o != nullptr ? o->typeId : 0;
}
