#include <StrRes.h>
#include <Table.h>
#include <TypefaceResolver.h>

#include <gtest/gtest.h>

namespace
{
    /** Every table a screen, a caption or the language list draws from. */
    const juce::String* const drawnTables[] = {
        StrRes::LANGUAGE_SELECTION, StrRes::NAME_000, StrRes::NAME_001,
        StrRes::STR_0000, StrRes::STR_0001, StrRes::STR_0002, StrRes::STR_0003, StrRes::STR_0004,
        StrRes::STR_0005, StrRes::STR_0006, StrRes::STR_0007, StrRes::STR_0008, StrRes::STR_0009,
        StrRes::STR_0010, StrRes::STR_0011, StrRes::STR_0012, StrRes::STR_0013, StrRes::STR_0014,
        StrRes::STR_0015, StrRes::STR_0016, StrRes::STR_0017, StrRes::STR_0018, StrRes::STR_0019,
        StrRes::STR_0020, StrRes::STR_0021
    };

    juce::String outlineOf (juce::Typeface& typeface, juce::juce_wchar character)
    {
        juce::Array<int> glyphs;
        juce::Array<float> offsets;
        typeface.getGlyphPositions (juce::String::charToString (character), glyphs, offsets);

        juce::Path outline;

        if (! glyphs.isEmpty())
            typeface.getOutlineForGlyph (glyphs.getFirst(), outline);

        return outline.toString();
    }

    /** The characters of the text that the font draws as nothing or as its missing-glyph box.
        The box has an outline and an advance of its own, so it is recognised by its shape: the
        shape of a private-use character, which no face here has. */
    juce::String charactersWithoutGlyphs (const juce::Font& font, const juce::String& text)
    {
        auto typeface = font.getTypefacePtr();
        const auto box = outlineOf (*typeface, 0xe000);
        juce::String missing;

        for (auto p = text.getCharPointer(); ! p.isEmpty();)
        {
            const auto c = p.getAndAdvance();

            if (juce::CharacterFunctions::isWhitespace (c))
                continue;

            const auto outline = outlineOf (*typeface, c);

            if (outline.isEmpty() || outline == box)
                missing += c;
        }

        return missing;
    }

    //==============================================================================
    struct LanguageCase
    {
        int lang;
        const juce::String* fontTable;
        const char* fontTableName;
    };

    void PrintTo (const LanguageCase& c, std::ostream* os)
    {
        *os << plangList[c.lang] << " in " << c.fontTableName << " " << c.fontTable[c.lang];
    }

    class EveryText : public testing::TestWithParam<LanguageCase> {};

    TEST_P (EveryText, IsDrawnWithRealGlyphsInTheLanguagesTypeface)
    {
        const auto& c = GetParam();
        const auto font = TypefaceResolver::font (c.fontTable[c.lang], 17.0f, juce::Font::plain);

        ASSERT_NE (outlineOf (*font.getTypefacePtr(), 'A'), outlineOf (*font.getTypefacePtr(), 0xe000))
            << "the check needs a face that has no private-use glyph";

        for (const auto* table : drawnTables)
        {
            const auto& text = table[c.lang];
            EXPECT_EQ (charactersWithoutGlyphs (font, text), juce::String()) << "in \"" << text << "\", drawn in " << font.getTypefaceName();
        }
    }

    std::vector<LanguageCase> everyLanguageInBothFontTables()
    {
        std::vector<LanguageCase> cases;

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        {
            cases.push_back ({ lang, StrRes::DEFAULT_FONT_MAC, "DEFAULT_FONT_MAC" });
            cases.push_back ({ lang, StrRes::DEFAULT_FONT_WIN, "DEFAULT_FONT_WIN" });
        }

        return cases;
    }

    INSTANTIATE_TEST_SUITE_P (TwelveLanguages, EveryText, testing::ValuesIn (everyLanguageInBothFontTables()));
}
