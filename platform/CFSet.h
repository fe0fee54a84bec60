#pragma once

#include "CFCallBacks.h"

namespace cf
{
    class Set final : public Object
    {
    public:
        explicit Set (const CFSetCallBacks* callBacks) : Object (setTypeId), items (callBacks) {}
        ValueList items;
    };
}

typedef const cf::Set* CFSetRef;

typedef void (*CFSetApplierFunction) (const void* value, void* context);

CFTypeID CFSetGetTypeID();

/** A set of the given values; a value given twice is held once. */
CFSetRef CFSetCreate (CFAllocatorRef alloc, const void** values, CFIndex numValues, const CFSetCallBacks* callBacks);
CFIndex CFSetGetCount (CFSetRef theSet);
/** Calls applier once for each value, in no promised order. */
void CFSetApplyFunction (CFSetRef theSet, CFSetApplierFunction applier, void* context);
