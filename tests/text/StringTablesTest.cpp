#include <StrRes.h>
#include <Table.h>

#include <gtest/gtest.h>

namespace
{
    struct TextTable
    {
        const char* name;
        const juce::String* entries;
    };

    const TextTable localisedTables[] = {
        { "STR_0000", StrRes::STR_0000 }, { "STR_0001", StrRes::STR_0001 }, { "STR_0002", StrRes::STR_0002 },
        { "STR_0003", StrRes::STR_0003 }, { "STR_0004", StrRes::STR_0004 }, { "STR_0005", StrRes::STR_0005 },
        { "STR_0006", StrRes::STR_0006 }, { "STR_0007", StrRes::STR_0007 }, { "STR_0008", StrRes::STR_0008 },
        { "STR_0009", StrRes::STR_0009 }, { "STR_0010", StrRes::STR_0010 }, { "STR_0011", StrRes::STR_0011 },
        { "STR_0012", StrRes::STR_0012 }, { "STR_0013", StrRes::STR_0013 }, { "STR_0014", StrRes::STR_0014 },
        { "STR_0015", StrRes::STR_0015 }, { "STR_0016", StrRes::STR_0016 }, { "STR_0017", StrRes::STR_0017 },
        { "STR_0018", StrRes::STR_0018 }, { "STR_0019", StrRes::STR_0019 }, { "STR_0020", StrRes::STR_0020 },
        { "STR_0021", StrRes::STR_0021 }
    };

    bool hasControlCharacter (const juce::String& s)
    {
        for (auto p = s.getCharPointer(); ! p.isEmpty(); ++p)
            if (*p < 0x20 || *p == 0x7f)
                return true;

        return false;
    }

    int percentSigns (const juce::String& s)
    {
        int n = 0;

        for (auto p = s.getCharPointer(); ! p.isEmpty(); ++p)
            n += *p == '%' ? 1 : 0;

        return n;
    }

    TEST (StringTables, HoldNoLineBreakTabOrOtherControlCharacter)
    {
        for (auto& table : localisedTables)
            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
                EXPECT_FALSE (hasControlCharacter (table.entries[lang])) << table.name << " " << lang;
    }

    TEST (StringTables, PlaceholdersAreWhereTheScreenFillsThem)
    {
        // The screen fills one product name into these, two version halves into the version
        // lines, and nothing into any other text: a stray % would be read as a conversion.
        for (auto& table : localisedTables)
        {
            const juce::String name (table.name);

            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            {
                const auto& text = table.entries[lang];
                const bool noProductName = name == "STR_0014" && (lang == LANG_PT || lang == LANG_KO);

                if (name == "STR_0010" || name == "STR_0011")
                {
                    EXPECT_EQ (percentSigns (text), 2) << name << " " << lang;
                    EXPECT_LT (text.indexOf ("%s"), text.indexOf ("%02s")) << name << " " << lang;
                }
                else if (name == "STR_0012" && lang == LANG_PT)
                    EXPECT_EQ (text, juce::String (L"Atualizando o firmware do seu% s."));
                else if (juce::StringArray { "STR_0008", "STR_0009", "STR_0012", "STR_0014" }.contains (name) && ! noProductName)
                {
                    EXPECT_EQ (percentSigns (text), 1) << name << " " << lang;
                    EXPECT_TRUE (text.contains ("%s")) << name << " " << lang;
                }
                else
                    EXPECT_FALSE (text.containsChar ('%')) << name << " " << lang;
            }
        }
    }

    TEST (StringTables, OkCaptionDiffersWhereTheTranslatorsChoseSo)
    {
        const wchar_t* expected[LANG_MAX] = { L"OK", L"OK", L"OK", L"Aceptar", L"OK", L"Akkoord",
                                              L"\u041e\u041a", L"OK", L"\u786e\u5b9a", L"\u78ba\u5b9a", L"OK", L"OK" };

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            EXPECT_EQ (StrRes::STR_0001[lang], juce::String (expected[lang])) << lang;
    }

    TEST (StringTables, EveryLanguageNameIsWrittenInItsOwnLanguageAndHasATypeface)
    {
        const wchar_t* names[LANG_MAX] = { L"English", L"Fran\u00e7ais", L"Deutsch", L"Espa\u00f1ol", L"Italiano",
                                           L"Nederlands", L"\u0420\u0443\u0441\u0441\u043a\u0438\u0439", L"Portugu\u00eas",
                                           L"\u7b80\u4f53\u4e2d\u6587", L"\u7e41\u9ad4\u4e2d\u6587", L"\ud55c\uad6d\uc5b4", L"\u65e5\u672c\u8a9e" };

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        {
            EXPECT_EQ (StrRes::LANGUAGE_SELECTION[lang], juce::String (names[lang]));
            EXPECT_TRUE (StrRes::DEFAULT_FONT_MAC[lang].isNotEmpty());
            EXPECT_TRUE (StrRes::DEFAULT_FONT_WIN[lang].isNotEmpty());
        }
    }
}
