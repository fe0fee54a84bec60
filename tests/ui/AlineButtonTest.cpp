#include "ColourMatch.h"
#include "GlyphRecorder.h"

#include <AlineButton.h>
#include <GuiTestEnvironment.h>
#include <TypefaceResolver.h>

#include <gtest/gtest.h>

namespace
{
    const juce::Colour pressedMiddle (82, 156, 231);

    /** An OK button as the main window sets it up, counting its clicks. */
    struct OkButton
    {
        OkButton (int width = 100, int height = 30)
        {
            button.setSize (width, height);
            button.setButtonText ("OK");
            button.setStyle (juce::Font::bold);
            button.onClick = [this] { ++clicks; };
        }

        /** Paints the button as the framework would, idle, and lets any click it asks for arrive. */
        juce::Image paint()
        {
            juce::Image image (juce::Image::ARGB, button.getWidth(), button.getHeight(), true);
            GlyphRecorder recorder (image);
            juce::Graphics g (recorder);
            button.paintButton (g, false, false);
            fonts = recorder.fonts;
            GuiTestEnvironment::pump (20);
            return image;
        }

        juce::Colour middle (const juce::Image& image) const
        {
            return image.getPixelAt (4, button.getHeight() / 2);
        }

        AlineButton button { "OK" };
        int clicks = 0;
        std::vector<juce::Font> fonts;
    };

    //==============================================================================
    struct HeightCase
    {
        int buttonHeight;
        float textHeight;
    };

    class ButtonText : public testing::TestWithParam<HeightCase> {};

    TEST_P (ButtonText, IsEightTenthsOfTheButtonAndNeverTallerThan13)
    {
        OkButton ok (100, GetParam().buttonHeight);
        ok.paint();

        ASSERT_FALSE (ok.fonts.empty());

        for (const auto& font : ok.fonts)
        {
            EXPECT_FLOAT_EQ (font.getHeight(), GetParam().textHeight);
            EXPECT_TRUE (font.isBold());
        }
    }

    INSTANTIATE_TEST_SUITE_P (Heights, ButtonText, testing::Values (HeightCase { 30, 13.0f },
                                                                      HeightCase { 16, 12.8f },
                                                                      HeightCase { 10, 8.0f }));

    //==============================================================================
    TEST (AlineButton, TextIsDarkGreyInTheTypefaceSetLast)
    {
        OkButton ok;
        ok.button.setFont ("Hiragino Sans W5");
        ok.button.setButtonText (juce::String::fromUTF8 ("\xe7\xa2\xba\xe8\xaa\x8d"));
        const auto image = ok.paint();

        ASSERT_FALSE (ok.fonts.empty());
        EXPECT_EQ (ok.fonts.front().getTypefaceName(), TypefaceResolver::familyFor ("Hiragino Sans W5"));

        ok.button.setFont ("Verdana");
        ok.button.setStyle (juce::Font::plain);
        ok.paint();

        ASSERT_FALSE (ok.fonts.empty());
        EXPECT_EQ (ok.fonts.front().getTypefaceName(), TypefaceResolver::familyFor ("Verdana"));
        EXPECT_FALSE (ok.fonts.front().isBold());

        auto darkest = juce::Colours::white;

        for (int y = 0; y < image.getHeight(); ++y)
            for (int x = 0; x < image.getWidth(); ++x)
                if (image.getPixelAt (x, y).isOpaque() && image.getPixelAt (x, y).getBrightness() < darkest.getBrightness())
                    darkest = image.getPixelAt (x, y);

        EXPECT_TRUE (isNear (darkest, juce::Colour (16, 16, 16), 3)) << darkest.toDisplayString (true);
    }

    TEST (AlineButton, SameTextKeepsItAndNewTextReplacesIt)
    {
        OkButton ok;
        ok.button.setButtonText ("OK");
        EXPECT_EQ (ok.button.getButtonText(), "OK");

        ok.button.setButtonText ("Start");
        EXPECT_EQ (ok.button.getButtonText(), "Start");
    }

    TEST (AlineButton, ToggledButtonIsDrawnInItsOnColour)
    {
        OkButton ok;
        ok.button.setColour (juce::TextButton::buttonColourId, juce::Colour (200, 40, 40));
        ok.button.setColour (juce::TextButton::buttonOnColourId, juce::Colour (40, 200, 40));

        EXPECT_TRUE (isNear (ok.middle (ok.paint()), juce::Colour (200, 40, 40).darker (0.2f), 8));

        ok.button.setToggleState (true, juce::dontSendNotification);
        EXPECT_TRUE (isNear (ok.middle (ok.paint()), juce::Colour (40, 200, 40).darker (0.2f), 8));
    }

    //==============================================================================
    // Without a display no key is ever down, so here the key is always up again by the next
    // paint; the tests on a display hold it down.
    TEST (AlineButton, ReturnDrawsThePressedButtonAndClicksOnceAtThePaintAfterIt)
    {
        OkButton ok;

        EXPECT_TRUE (ok.button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
        EXPECT_TRUE (ok.button.keyPressed (juce::KeyPress (juce::KeyPress::returnKey)));
        GuiTestEnvironment::pump (20);
        EXPECT_EQ (ok.clicks, 0) << "the click waits for a paint that finds the key up";

        EXPECT_TRUE (isNear (ok.middle (ok.paint()), pressedMiddle, 8));
        EXPECT_EQ (ok.clicks, 1);

        EXPECT_FALSE (isNear (ok.middle (ok.paint()), pressedMiddle, 8));
        EXPECT_EQ (ok.clicks, 1);
    }

    TEST (AlineButton, SpaceAndOtherKeysAreLeftToTheParent)
    {
        for (const auto& key : { juce::KeyPress (juce::KeyPress::spaceKey), juce::KeyPress ('a'),
                                 juce::KeyPress (juce::KeyPress::escapeKey) })
        {
            OkButton ok;

            EXPECT_FALSE (ok.button.keyPressed (key)) << key.getTextDescription();
            EXPECT_FALSE (isNear (ok.middle (ok.paint()), pressedMiddle, 8)) << key.getTextDescription();
            EXPECT_EQ (ok.clicks, 0) << key.getTextDescription();
        }
    }
}
