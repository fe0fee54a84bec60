#include <StrRes.h>
#include <Table.h>
#include <TypefaceResolver.h>

#include <gtest/gtest.h>

namespace
{
    bool isFamilyJuceScanned (const juce::String& family)
    {
        return juce::Font::findAllTypefaceNames().contains (family);
    }

    TEST (TypefaceResolver, InstalledFamilyIsUsedAsItIs)
    {
        for (const auto* family : { "DejaVu Sans", "IPAGothic", "NanumGothic" })
        {
            ASSERT_TRUE (isFamilyJuceScanned (family)) << family << " is installed by the set-up";
            EXPECT_EQ (TypefaceResolver::familyFor (family), family);
        }
    }

    TEST (TypefaceResolver, LookAndFeelPlaceholdersAreLeftAlone)
    {
        for (const auto& placeholder : { juce::Font::getDefaultSansSerifFontName(), juce::Font::getDefaultSerifFontName(),
                                         juce::Font::getDefaultMonospacedFontName() })
            EXPECT_EQ (TypefaceResolver::familyFor (placeholder), placeholder);
    }

    TEST (TypefaceResolver, EveryTableNameBecomesAFaceJuceLoads)
    {
        for (const auto* table : { StrRes::DEFAULT_FONT_MAC, StrRes::DEFAULT_FONT_WIN })
        {
            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            {
                const auto family = TypefaceResolver::familyFor (table[lang]);

                EXPECT_TRUE (isFamilyJuceScanned (family)) << table[lang] << " -> " << family;
                EXPECT_EQ (TypefaceResolver::font (table[lang], 15.0f, 0).getTypefacePtr()->getName(), family)
                    << "a family fontconfig lists from a collection file has no face JUCE can open";
            }
        }
    }

    TEST (TypefaceResolver, NameOfNoTableGetsTheFallbackFaceThatDrawsWhatMissingFacesLack)
    {
        const auto family = TypefaceResolver::familyFor ("Hiragino Maru Gothic Pro W4");

        EXPECT_TRUE (isFamilyJuceScanned (family)) << family;
        EXPECT_EQ (juce::Font::getFallbackFontName(), family);
    }

    TEST (TypefaceResolver, FontHasTheHeightAndStyleAskedFor)
    {
        const auto font = TypefaceResolver::font ("Heiti SC", 12.5f, juce::Font::bold | juce::Font::italic);

        EXPECT_EQ (font.getTypefaceName(), TypefaceResolver::familyFor ("Heiti SC"));
        EXPECT_FLOAT_EQ (font.getHeight(), 12.5f);
        EXPECT_TRUE (font.isBold());
        EXPECT_TRUE (font.isItalic());
    }
}
