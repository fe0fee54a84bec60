#include "CFString.h"

#include <cstring>
#include <map>
#include <mutex>

namespace
{
    bool isAscii (const std::string& s)
    {
        for (unsigned char c : s)
            if (c > 0x7f)
                return false;

        return true;
    }

    bool fitsEncoding (const std::string& s, CFStringEncoding encoding)
    {
        return encoding == kCFStringEncodingUTF8 || (encoding == kCFStringEncodingASCII && isAscii (s));
    }
}

CFTypeID CFStringGetTypeID()
{
    return cf::stringTypeId;
}

CFStringRef CFStringCreateWithCString (CFAllocatorRef, const char* cStr, CFStringEncoding encoding)
{
    if (cStr == nullptr)
        return nullptr;

    std::string text (cStr);

    if (! fitsEncoding (text, encoding))
        return nullptr;

    return new cf::String (std::move (text));
}

Boolean CFStringGetCString (CFStringRef theString, char* buffer, CFIndex bufferSize, CFStringEncoding encoding)
{
    auto* s = cf::objectOfType<cf::String> (theString, cf::stringTypeId);

    if (s == nullptr || buffer == nullptr || bufferSize <= 0)
        return false;

    if (! fitsEncoding (s->utf8, encoding) || static_cast<CFIndex> (s->utf8.size()) >= bufferSize)
        return false;

    std::memcpy (buffer, s->utf8.c_str(), s->utf8.size() + 1);
    return true;
}

CFStringRef CFStringMakeConstantString (const char* cStr)
{
    static std::mutex lock;
    // Never destroyed, so the constants stay reachable until the very end (leak checks included).
    static auto& constants = *new std::map<std::string, CFStringRef>();

    std::lock_guard<std::mutex> guard (lock);
    auto& entry = constants[cStr];

    if (entry == nullptr)
    {
        entry = new cf::String (cStr);
        // One reference that is never given back keeps the constant alive for good.
        CFRetain (entry);
    }

    return entry;
}
