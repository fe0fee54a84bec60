#include "ColourMatch.h"

#include <CustomLookAndFeel.h>

#include <gtest/gtest.h>

namespace
{
    const juce::Colour buttonColour (234, 234, 234);

    /** The background a button of this size and these connected edges gets. */
    juce::Image paintBackground (int width, int height, int connectedEdges, bool down, bool highlighted = false)
    {
        BtnLookAndFeel lookAndFeel;
        juce::TextButton button;
        button.setSize (width, height);
        button.setConnectedEdges (connectedEdges);

        juce::Image image (juce::Image::ARGB, width, height, true);
        juce::Graphics g (image);
        lookAndFeel.drawButtonBackground (g, button, buttonColour, highlighted, down);
        return image;
    }

    bool isPainted (const juce::Image& image, int x, int y) { return image.getPixelAt (x, y).getAlpha() > 0; }

    //==============================================================================
    struct ShapeCase
    {
        const char* what;
        int connectedEdges;
        juce::Point<int> pixel;
        bool painted;
    };

    class ButtonShape : public testing::TestWithParam<ShapeCase> {};

    TEST_P (ButtonShape, CapsuleOf80x24HasRoundEndsUnlessConnected)
    {
        const auto& c = GetParam();
        const auto image = paintBackground (80, 24, c.connectedEdges, false);

        EXPECT_EQ (isPainted (image, c.pixel.x, c.pixel.y), c.painted) << c.what;
    }

    INSTANTIATE_TEST_SUITE_P (Probes, ButtonShape, testing::Values (
        ShapeCase { "top-left corner outside the round end", 0, { 0, 0 }, false },
        ShapeCase { "bottom-right corner outside the round end", 0, { 79, 23 }, false },
        ShapeCase { "left end at mid-height", 0, { 0, 12 }, true },
        ShapeCase { "top edge in the middle", 0, { 40, 0 }, true },
        ShapeCase { "bottom edge in the middle", 0, { 40, 23 }, true },
        ShapeCase { "the half circle of radius 11.5 leaves the corner free", 0, { 2, 2 }, false },
        ShapeCase { "square top-left when connected on the left", juce::Button::ConnectedOnLeft, { 0, 0 }, true },
        ShapeCase { "square bottom-left when connected on the left", juce::Button::ConnectedOnLeft, { 0, 23 }, true },
        ShapeCase { "right end stays round when connected on the left", juce::Button::ConnectedOnLeft, { 79, 0 }, false },
        ShapeCase { "square top-right when connected on the top", juce::Button::ConnectedOnTop, { 79, 0 }, true },
        ShapeCase { "bottom stays round when connected on the top", juce::Button::ConnectedOnTop, { 0, 23 }, false }));

    //==============================================================================
    TEST (ButtonLook, OutlineIsTheButtonColourDarkened)
    {
        const auto image = paintBackground (80, 24, 0, false);

        EXPECT_TRUE (isNear (image.getPixelAt (40, 0), buttonColour.darker (0.7f), 2))
            << image.getPixelAt (40, 0).toDisplayString (true);
    }

    TEST (ButtonLook, IdleIsWhiteAtTheEdgesWithTheColourDarkenedAcrossTheMiddle)
    {
        const auto image = paintBackground (80, 24, 0, false);

        EXPECT_TRUE (isNear (image.getPixelAt (40, 1), juce::Colours::white, 12)) << image.getPixelAt (40, 1).toDisplayString (true);
        EXPECT_TRUE (isNear (image.getPixelAt (40, 12), buttonColour.darker (0.2f), 6)) << image.getPixelAt (40, 12).toDisplayString (true);
        EXPECT_TRUE (isNear (image.getPixelAt (40, 22), juce::Colours::white, 12)) << image.getPixelAt (40, 22).toDisplayString (true);
    }

    TEST (ButtonLook, PressedShowsTheBlueGradient)
    {
        const auto image = paintBackground (80, 24, 0, true);

        EXPECT_TRUE (isNear (image.getPixelAt (40, 1), juce::Colour (185, 200, 240), 12)) << image.getPixelAt (40, 1).toDisplayString (true);
        EXPECT_TRUE (isNear (image.getPixelAt (40, 12), juce::Colour (82, 156, 231), 8)) << image.getPixelAt (40, 12).toDisplayString (true);
        EXPECT_TRUE (isNear (image.getPixelAt (40, 22), juce::Colour (140, 222, 253), 12)) << image.getPixelAt (40, 22).toDisplayString (true);
        EXPECT_TRUE (isNear (image.getPixelAt (40, 0), buttonColour.darker (0.7f), 2)) << "the outline keeps the button's colour";
    }

    TEST (ButtonLook, HoveredLooksLikeIdle)
    {
        const auto idle = paintBackground (80, 24, 0, false, false);
        const auto hovered = paintBackground (80, 24, 0, false, true);

        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 80; ++x)
                ASSERT_EQ (idle.getPixelAt (x, y), hovered.getPixelAt (x, y)) << x << ", " << y;
    }

    TEST (ButtonLook, ButtonOfWidthTwoOrLessDrawsNothing)
    {
        for (int width : { 1, 2 })
        {
            const auto image = paintBackground (width, 24, 0, false);

            for (int y = 0; y < 24; ++y)
                for (int x = 0; x < width; ++x)
                    EXPECT_FALSE (isPainted (image, x, y)) << "width " << width << " at " << x << ", " << y;
        }

        EXPECT_TRUE (isPainted (paintBackground (3, 24, 0, false), 1, 12));
    }
}
