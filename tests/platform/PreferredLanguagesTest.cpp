#include <CoreFoundation.h>

#include "../support/LocaleEnvironment.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
    std::string textOf (CFTypeRef s)
    {
        auto* str = cf::objectOfType<cf::String> (s, cf::stringTypeId);
        return str != nullptr ? str->utf8 : "<not a string>";
    }

    std::vector<std::string> preferredLanguages()
    {
        std::vector<std::string> entries;
        auto value = CFPreferencesCopyAppValue (CFSTR ("AppleLanguages"), kCFPreferencesCurrentApplication);

        if (value == nullptr)
            return { "<no value>" };

        EXPECT_EQ (CFGetTypeID (value), CFArrayGetTypeID());
        auto array = static_cast<CFArrayRef> (value);

        for (CFIndex i = 0; i < CFArrayGetCount (array); ++i)
            entries.push_back (textOf (CFArrayGetValueAtIndex (array, i)));

        CFRelease (value);
        return entries;
    }

    TEST (PreferredLanguages, FollowLanguageThenTheMessageLocale)
    {
        LocaleEnvironment env ({ "sv:de_AT", nullptr, "fr_FR.UTF-8", "de_DE.UTF-8" });
        EXPECT_EQ (preferredLanguages(), (std::vector<std::string> { "sv", "de_AT", "fr_FR.UTF-8" }));
    }

    TEST (PreferredLanguages, AreEmptyUnderTheCLocale)
    {
        LocaleEnvironment env ({ "fr:it", nullptr, nullptr, nullptr });
        EXPECT_EQ (preferredLanguages(), std::vector<std::string>());
    }

    TEST (PreferredLanguages, ExistOnlyUnderTheirOwnKey)
    {
        LocaleEnvironment env ({ nullptr, nullptr, nullptr, "en_GB.UTF-8" });
        EXPECT_EQ (CFPreferencesCopyAppValue (CFSTR ("AppleLocale"), kCFPreferencesCurrentApplication), nullptr);
        EXPECT_EQ (CFPreferencesCopyAppValue (nullptr, kCFPreferencesCurrentApplication), nullptr);
    }

    struct CanonicalCase
    {
        const char* posixName;
        const char* canonical;  ///< null: no identifier
    };

    class CanonicalLocale : public testing::TestWithParam<CanonicalCase> {};

    TEST_P (CanonicalLocale, DropsCodesetAndModifierAndGivesChineseItsScript)
    {
        auto in = CFStringCreateWithCString (kCFAllocatorDefault, GetParam().posixName, kCFStringEncodingUTF8);
        auto out = CFLocaleCreateCanonicalLocaleIdentifierFromString (kCFAllocatorDefault, in);

        if (GetParam().canonical == nullptr)
            EXPECT_EQ (out, nullptr);
        else
            EXPECT_EQ (textOf (out), GetParam().canonical);

        CFRelease (out);
        CFRelease (in);
    }

    INSTANTIATE_TEST_SUITE_P (PosixNames, CanonicalLocale, testing::Values (
        CanonicalCase { "pt_BR.UTF-8", "pt_BR" },
        CanonicalCase { "sr_RS@latin", "sr_RS" },
        CanonicalCase { "de_DE.ISO-8859-15@euro", "de_DE" },
        CanonicalCase { "zh_CN.GB18030", "zh-Hans_CN" },
        CanonicalCase { "zh_SG", "zh-Hans_SG" },
        CanonicalCase { "zh_TW.UTF-8", "zh-Hant_TW" },
        CanonicalCase { "zh_HK", "zh-Hant_HK" },
        CanonicalCase { "zh_MO", "zh-Hant_MO" },
        CanonicalCase { "zh", "zh" },
        CanonicalCase { "ja", "ja" },
        CanonicalCase { "C", nullptr },
        CanonicalCase { "C.UTF-8", nullptr },
        CanonicalCase { "POSIX", nullptr },
        CanonicalCase { "", nullptr }));

    TEST (CStringConversion, RefusesWhatDoesNotFitOrIsNotAscii)
    {
        char buffer[16];
        auto fits = CFSTR ("zh-Hant_TW");
        auto tooLong = CFSTR ("en_ABCDEFGHIJKLMN");
        auto accented = CFStringCreateWithCString (kCFAllocatorDefault, "fr\xc3\xa9", kCFStringEncodingUTF8);

        EXPECT_TRUE (CFStringGetCString (fits, buffer, sizeof (buffer), kCFStringEncodingASCII));
        EXPECT_STREQ (buffer, "zh-Hant_TW");
        EXPECT_FALSE (CFStringGetCString (tooLong, buffer, sizeof (buffer), kCFStringEncodingASCII));
        EXPECT_FALSE (CFStringGetCString (accented, buffer, sizeof (buffer), kCFStringEncodingASCII));
        EXPECT_TRUE (CFStringGetCString (accented, buffer, sizeof (buffer), kCFStringEncodingUTF8));

        CFRelease (accented);
    }
}
