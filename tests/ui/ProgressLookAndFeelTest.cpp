#include <CustomLookAndFeel.h>

#include <gtest/gtest.h>

namespace
{
    const juce::Colour barBackground (0, 128, 0);

    /** A 300 × 20 bar as the progress look-and-feel paints it. */
    juce::Image paintBar (double progress, const juce::String& text = {}, int width = 300, int height = 20)
    {
        ProgressLookAndFeel lookAndFeel;
        double value = progress;
        juce::ProgressBar bar (value);
        bar.setColour (juce::ProgressBar::backgroundColourId, barBackground);
        bar.setColour (juce::ProgressBar::foregroundColourId, juce::Colours::red);

        juce::Image image (juce::Image::ARGB, width, height, true);
        juce::Graphics g (image);
        lookAndFeel.drawProgressBar (g, bar, width, height, progress, text);
        return image;
    }

    bool isGrey (juce::Colour c) { return c.getRed() == c.getGreen() && c.getGreen() == c.getBlue() && c.getAlpha() == 255; }

    //==============================================================================
    struct FillCase
    {
        double progress;
        int filledWidth;
    };

    class ProgressFill : public testing::TestWithParam<FillCase> {};

    TEST_P (ProgressFill, GreyBarSpansTheProgressAndTheBackgroundTheRest)
    {
        const auto [progress, filledWidth] = GetParam();
        const auto image = paintBar (progress);

        for (int x = 0; x < 300; ++x)
        {
            const bool inBar = x >= 2 && x < 2 + filledWidth;
            const auto pixel = image.getPixelAt (x, 10);

            if (inBar)
                EXPECT_TRUE (isGrey (pixel)) << "x " << x << " is " << pixel.toDisplayString (true);
            else
                EXPECT_EQ (pixel, barBackground) << "x " << x;
        }

        if (filledWidth > 0)
        {
            EXPECT_EQ (image.getPixelAt (2, 1), barBackground);
            EXPECT_TRUE (isGrey (image.getPixelAt (2, 2)));
            EXPECT_TRUE (isGrey (image.getPixelAt (2, 17)));
            EXPECT_EQ (image.getPixelAt (2, 18), barBackground);
        }
    }

    INSTANTIATE_TEST_SUITE_P (Bar300x20, ProgressFill, testing::Values (FillCase { 0.5, 148 },
                                                                          FillCase { 0.25, 74 },
                                                                          FillCase { 0.0, 0 },
                                                                          FillCase { 1.0, 296 },
                                                                          FillCase { 1.5, 296 },
                                                                          FillCase { -1.0, 0 }));

    //==============================================================================
    TEST (ProgressLook, GradientIsLightAtTheTopDarkestInTheMiddleAndDarkAtTheBottom)
    {
        const auto image = paintBar (1.0);

        EXPECT_NEAR (image.getPixelAt (100, 2).getRed(), 167, 5);
        EXPECT_NEAR (image.getPixelAt (100, 9).getRed(), 100, 5);
        EXPECT_NEAR (image.getPixelAt (100, 17).getRed(), 108, 2);
    }

    TEST (ProgressLook, TextIsWhiteAndOnlyDrawnWhenThereIsSome)
    {
        const auto countColour = [] (const juce::Image& image, juce::Colour colour)
        {
            int n = 0;

            for (int y = 0; y < image.getHeight(); ++y)
                for (int x = 0; x < image.getWidth(); ++x)
                    n += image.getPixelAt (x, y) == colour ? 1 : 0;

            return n;
        };

        EXPECT_GT (countColour (paintBar (0.5, "50%"), juce::Colours::white), 10);
        EXPECT_EQ (countColour (paintBar (0.5), juce::Colours::white), 0);
        EXPECT_EQ (countColour (paintBar (0.5, "50%"), juce::Colours::red), 0) << "the foreground colour is not ours";
    }

    TEST (ProgressLook, BarNarrowerThanItsFrameDrawsNoGreyAtAll)
    {
        const auto image = paintBar (0.5, {}, 3, 20);

        for (int x = 0; x < 3; ++x)
            EXPECT_EQ (image.getPixelAt (x, 10), barBackground);
    }
}
