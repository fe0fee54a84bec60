#include "CFLocale.h"

namespace
{
    std::string chineseWithScript (const std::string& name)
    {
        for (auto* region : { "CN", "SG" })
            if (name == std::string ("zh_") + region)
                return std::string ("zh-Hans_") + region;

        for (auto* region : { "TW", "HK", "MO" })
            if (name == std::string ("zh_") + region)
                return std::string ("zh-Hant_") + region;

        return name;
    }
}

CFStringRef CFLocaleCreateCanonicalLocaleIdentifierFromString (CFAllocatorRef allocator, CFStringRef localeIdentifier)
{
    auto* s = cf::objectOfType<cf::String> (localeIdentifier, cf::stringTypeId);

    if (s == nullptr)
        return nullptr;

    // language[_territory][.codeset][@modifier]
    auto name = s->utf8.substr (0, s->utf8.find_first_of (".@"));

    if (name.empty() || name == "C" || name == "POSIX")
        return nullptr;

    return CFStringCreateWithCString (allocator, chineseWithScript (name).c_str(), kCFStringEncodingUTF8);
}
