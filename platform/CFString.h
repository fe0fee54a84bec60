#pragma once

#include "CFBase.h"

#include <string>

namespace cf
{
    /** An immutable string, held as UTF-8. */
    class String final : public Object
    {
    public:
        explicit String (std::string text) : Object (stringTypeId), utf8 (std::move (text)) {}
        const std::string utf8;
    };
}

typedef const cf::String* CFStringRef;
typedef UInt32 CFStringEncoding;

enum : CFStringEncoding
{
    kCFStringEncodingASCII = 0x0600,
    kCFStringEncodingUTF8 = 0x08000100
};

CFTypeID CFStringGetTypeID();

/** A new string from a NUL-terminated C string in the given encoding; null if the bytes do not fit it. */
CFStringRef CFStringCreateWithCString (CFAllocatorRef alloc, const char* cStr, CFStringEncoding encoding);

/** Copies the string into buffer as a NUL-terminated C string. False, with nothing promised about
    the buffer, when the string does not fit in bufferSize bytes or is not representable. */
Boolean CFStringGetCString (CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding);

/** A string constant that lives for the whole run; releasing it is harmless. */
CFStringRef CFStringMakeConstantString (const char* cStr);
#define CFSTR(cStr) CFStringMakeConstantString (cStr)
