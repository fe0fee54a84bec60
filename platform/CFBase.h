#pragma once

// The small part of the CoreFoundation interface that this program uses: reference-counted
// strings, numbers, arrays, sets and dictionaries with the usual ownership rules (a Create or
// Copy call hands the caller a reference that it releases; a Get call lends one).

#include <atomic>
#include <cstdint>

typedef unsigned char Boolean;
typedef std::uint8_t UInt8;
typedef std::uint16_t UInt16;
typedef std::uint32_t UInt32;
typedef std::int32_t SInt32;
typedef std::int64_t SInt64;
typedef long CFIndex;
typedef unsigned long CFTypeID;
typedef UInt32 CFOptionFlags;
typedef const void* CFTypeRef;
typedef const void* CFAllocatorRef;

/** Only the default allocator exists. */
#define kCFAllocatorDefault nullptr

struct CFRange
{
    CFIndex location;
    CFIndex length;
};

inline CFRange CFRangeMake (CFIndex location, CFIndex length) { return { location, length }; }

enum CFComparisonResult : CFIndex
{
    kCFCompareLessThan = -1,
    kCFCompareEqualTo = 0,
    kCFCompareGreaterThan = 1
};

typedef CFComparisonResult (*CFComparatorFunction) (const void* val1, const void* val2, void* context);

namespace cf
{
    /** The type ids that CFGetTypeID answers; one per kind of object. */
    enum TypeId : CFTypeID
    {
        stringTypeId = 1,
        numberTypeId,
        arrayTypeId,
        setTypeId,
        dictionaryTypeId,
        hidManagerTypeId,
        hidDeviceTypeId,
        runLoopTypeId
    };

    /** Every CF object starts with this: its kind and its reference count. */
    class Object
    {
    public:
        explicit Object (CFTypeID type) noexcept : typeId (type) {}
        virtual ~Object() = default;

        const CFTypeID typeId;
        mutable std::atomic<long> retainCount { 1 };

        Object (const Object&) = delete;
        Object& operator= (const Object&) = delete;
    };

    /** The object behind a CF reference, or null. */
    inline const Object* object (CFTypeRef ref) noexcept { return static_cast<const Object*> (ref); }

    /** The object behind a reference if it is of the given kind, else null. */
    template <typename T>
    const T* objectOfType (CFTypeRef ref, CFTypeID type) noexcept
    {
        auto* o = object (ref);
        return o != nullptr && o->typeId == type ? static_cast<const T*> (o) : nullptr;
    }
}

CFTypeRef CFRetain (CFTypeRef cf);
void CFRelease (CFTypeRef cf);
CFIndex CFGetRetainCount (CFTypeRef cf);
/** The kind of a CF object; 0 for a null reference. */
CFTypeID CFGetTypeID (CFTypeRef cf);
