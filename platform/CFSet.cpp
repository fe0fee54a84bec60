#include "CFSet.h"

#include <algorithm>

CFTypeID CFSetGetTypeID()
{
    return cf::setTypeId;
}

CFSetRef CFSetCreate (CFAllocatorRef, const void** values, CFIndex numValues, const CFSetCallBacks* callBacks)
{
    auto* set = new cf::Set (callBacks);

    for (CFIndex i = 0; values != nullptr && i < numValues; ++i)
    {
        auto& held = set->items.values;

        if (std::find (held.begin(), held.end(), values[i]) == held.end())
            set->items.append (values[i]);
    }

    return set;
}

CFIndex CFSetGetCount (CFSetRef theSet)
{
    auto* s = cf::objectOfType<cf::Set> (theSet, cf::setTypeId);
    return s != nullptr ? static_cast<CFIndex> (s->items.values.size()) : 0;
}

void CFSetApplyFunction (CFSetRef theSet, CFSetApplierFunction applier, void* context)
{
    auto* s = cf::objectOfType<cf::Set> (theSet, cf::setTypeId);

    if (s == nullptr || applier == nullptr)
        return;

    for (auto* v : s->items.values)
        applier (v, context);
}
