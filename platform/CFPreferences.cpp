#include "CFPreferences.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace
{
    std::string environment (const char* name)
    {
        const char* value = std::getenv (name);
        return value != nullptr ? value : "";
    }

    /** The message locale as the C library would take it from the environment. */
    std::string messageLocale()
    {
        for (auto* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
        {
            auto value = environment (name);

            if (! value.empty())
                return value;
        }

        return "C";
    }

    /** "C", "POSIX" and "C.UTF-8" name no language. */
    bool isPlainCLocale (const std::string& locale)
    {
        return locale == "POSIX" || locale == "C" || locale.rfind ("C.", 0) == 0;
    }

    std::vector<std::string> splitAtColons (const std::string& text)
    {
        std::vector<std::string> parts;
        std::string::size_type start = 0;

        for (;;)
        {
            const auto colon = text.find (':', start);
            parts.push_back (text.substr (start, colon - start));

            if (colon == std::string::npos)
                return parts;

            start = colon + 1;
        }
    }

    std::vector<std::string> preferredLanguages()
    {
        const auto locale = messageLocale();
        std::vector<std::string> entries;

        if (isPlainCLocale (locale))
            return entries;

        for (auto& part : splitAtColons (environment ("LANGUAGE")))
            if (! part.empty() && ! isPlainCLocale (part))
                entries.push_back (part);

        entries.push_back (locale);
        return entries;
    }
}

CFPropertyListRef CFPreferencesCopyAppValue (CFStringRef key, CFStringRef)
{
    auto* wanted = cf::objectOfType<cf::String> (key, cf::stringTypeId);

    if (wanted == nullptr || wanted->utf8 != "AppleLanguages")
        return nullptr;

    auto* languages = CFArrayCreateMutable (kCFAllocatorDefault, 0, &kCFTypeArrayCallBacks);

    for (auto& entry : preferredLanguages())
    {
        // An entry that is not valid text for a string is left out, as the system would.
        if (auto* s = CFStringCreateWithCString (kCFAllocatorDefault, entry.c_str(), kCFStringEncodingUTF8))
        {
            CFArrayAppendValue (languages, s);
            CFRelease (s);
        }
    }

    return languages;
}
