#include "GlyphRecorder.h"

#include <CustomLookAndFeel.h>
#include <Loader.h>
#include <StrRes.h>
#include <TypefaceResolver.h>

#include <gtest/gtest.h>

namespace
{
    /** The language list as the main window fills it: one item per language, id = language + 1. */
    struct LanguageList
    {
        LanguageList (int height, int selectedId)
        {
            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
                box.addItem (StrRes::LANGUAGE_SELECTION[lang], lang + 1);

            box.setSize (200, height);
            box.setSelectedId (selectedId, juce::dontSendNotification);
        }

        juce::LangLookAndFeel lookAndFeel;
        juce::ComboBox box;
    };

    //==============================================================================
    struct ListFontCase
    {
        int boxHeight;
        float fontHeight;
    };

    class ListFont : public testing::TestWithParam<ListFontCase>
    {
    protected:
        // The look-and-feel asks the loader, which comes into being on first use.
        void TearDown() override { TxtLoader::releaseInstance(); }
    };

    TEST_P (ListFont, IsTheSelectedLanguagesTypefaceAtMost15High)
    {
        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        {
            LanguageList list (GetParam().boxHeight, lang + 1);
            const auto font = list.lookAndFeel.getComboBoxFont (list.box);
            const auto tableName = TxtLoader::getInstance()->getFont (static_cast<LangIdTable_t> (lang));

            EXPECT_FLOAT_EQ (font.getHeight(), GetParam().fontHeight);
            EXPECT_EQ (font.getTypefaceName(), TypefaceResolver::familyFor (tableName)) << tableName;
            EXPECT_EQ (font.getStyleFlags(), juce::Font::plain);
        }
    }

    INSTANTIATE_TEST_SUITE_P (Heights, ListFont, testing::Values (ListFontCase { 30, 15.0f },
                                                                    ListFontCase { 16, 13.6f }));

    TEST_F (ListFont, WithNothingSelectedIsStillAFaceThatDraws)
    {
        LanguageList list (30, 0);
        const auto font = list.lookAndFeel.getComboBoxFont (list.box);

        EXPECT_TRUE (juce::Font::findAllTypefaceNames().contains (font.getTypefaceName())) << font.getTypefaceName();
    }

    //==============================================================================
    /** One menu item drawn as the drop-down draws it, with the fonts of its glyphs. */
    struct DrawnItem
    {
        DrawnItem (const juce::String& text, int height, bool highlighted = false, bool active = true)
            : image (juce::Image::ARGB, 200, height, true)
        {
            GlyphRecorder recorder (image);
            juce::Graphics g (recorder);
            lookAndFeel.drawPopupMenuItem (g, { 0, 0, 200, height }, false, active, highlighted, false, false,
                                           text, {}, nullptr, nullptr);
            fonts = recorder.fonts;
        }

        juce::LangLookAndFeel lookAndFeel;
        juce::Image image;
        std::vector<juce::Font> fonts;
    };

    struct MenuFontCase
    {
        const char* text;
        int itemHeight;
        const char* tableTypeface;   // nullptr: the menu's own font
        float fontHeight;
    };

    void PrintTo (const MenuFontCase& c, std::ostream* os) { *os << c.text << " at " << c.itemHeight; }

    class MenuItemFont : public testing::TestWithParam<MenuFontCase> {};

    TEST_P (MenuItemFont, LanguageNamesAreDrawnInTheirOwnTypeface)
    {
        const auto& c = GetParam();
        DrawnItem item (juce::String::fromUTF8 (c.text), c.itemHeight);
        const auto expectedFamily = c.tableTypeface != nullptr ? TypefaceResolver::familyFor (c.tableTypeface)
                                                               : item.lookAndFeel.getPopupMenuFont().getTypefaceName();

        ASSERT_FALSE (item.fonts.empty());

        for (const auto& font : item.fonts)
        {
            EXPECT_EQ (font.getTypefaceName(), expectedFamily);
            EXPECT_NEAR (font.getHeight(), c.fontHeight, 0.01f);
        }
    }

    INSTANTIATE_TEST_SUITE_P (Items, MenuItemFont, testing::Values (
        MenuFontCase { "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", 30, "Hiragino Sans W5", 17.0f },
        MenuFontCase { "English", 30, "Verdana", 17.0f },
        MenuFontCase { "\xd0\xa0\xd1\x83\xd1\x81\xd1\x81\xd0\xba\xd0\xb8\xd0\xb9", 30, "Geneva CY", 17.0f },
        MenuFontCase { "\xed\x95\x9c\xea\xb5\xad\xec\x96\xb4", 30, "Apple SD Gothic Neo", 17.0f },
        MenuFontCase { "\xe7\xae\x80\xe4\xbd\x93\xe4\xb8\xad\xe6\x96\x87", 30, "Heiti SC", 17.0f },
        MenuFontCase { "\xe6\x97\xa5\xe6\x9c\xac\xe8\xaa\x9e", 20, "Hiragino Sans W5", 20.0f / 1.3f },
        MenuFontCase { "Klingon", 30, nullptr, 17.0f },
        MenuFontCase { "Klingon", 20, nullptr, 20.0f / 1.3f }));

    //==============================================================================
    TEST (MenuItem, HighlightFillsTheItemInsideAOnePixelMargin)
    {
        const DrawnItem item ("English", 24, true);

        EXPECT_EQ (item.image.getPixelAt (1, 1), juce::Colour (0xff000040));
        EXPECT_EQ (item.image.getPixelAt (198, 22), juce::Colour (0xff000040));
        EXPECT_EQ (item.image.getPixelAt (0, 0).getAlpha(), 0);
        EXPECT_EQ (item.image.getPixelAt (199, 23).getAlpha(), 0);
        EXPECT_EQ (DrawnItem ("English", 24).image.getPixelAt (1, 1).getAlpha(), 0) << "not highlighted";
    }

    TEST (MenuItem, InactiveItemIsDrawnAtThirtyPercent)
    {
        const auto strongestAlpha = [] (const juce::Image& image)
        {
            int alpha = 0;

            for (int y = 0; y < image.getHeight(); ++y)
                for (int x = 0; x < image.getWidth(); ++x)
                    alpha = juce::jmax (alpha, (int) image.getPixelAt (x, y).getAlpha());

            return alpha;
        };

        EXPECT_EQ (strongestAlpha (DrawnItem ("English", 24).image), 255);
        EXPECT_NEAR (strongestAlpha (DrawnItem ("English", 24, false, false).image), 77, 1);
    }

    TEST (MenuItem, SeparatorIsADarkLineOverALightOne)
    {
        juce::LangLookAndFeel lookAndFeel;
        juce::Image image (juce::Image::ARGB, 100, 10, true);
        juce::Graphics g (image);
        lookAndFeel.drawPopupMenuItem (g, { 0, 0, 100, 10 }, true, true, false, false, false, {}, {}, nullptr, nullptr);

        EXPECT_EQ (image.getPixelAt (50, 4), juce::Colour (0x33000000));
        EXPECT_EQ (image.getPixelAt (50, 5), juce::Colour (0x66ffffff));
        EXPECT_EQ (image.getPixelAt (50, 3).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (50, 6).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (4, 4).getAlpha(), 0) << "the lines keep 5 pixels from the sides";
        EXPECT_NE (image.getPixelAt (5, 4).getAlpha(), 0);
        EXPECT_NE (image.getPixelAt (94, 4).getAlpha(), 0);
        EXPECT_EQ (image.getPixelAt (95, 4).getAlpha(), 0);
    }
}
