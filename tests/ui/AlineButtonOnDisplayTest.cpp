#include <AlineButton.h>
#include <GuiTestEnvironment.h>

#include <gtest/gtest.h>

namespace
{
    /** Presses or releases a key as a keyboard would, through the X server. */
    void xdotool (const juce::String& action, const juce::String& key)
    {
        juce::ChildProcess process;
        ASSERT_TRUE (process.start (juce::StringArray { "xdotool", action, key }));
        ASSERT_TRUE (process.waitForProcessToFinish (5000));
        ASSERT_EQ (process.getExitCode(), 0u) << action << " " << key;
    }

    bool looksPressed (juce::Component& button)
    {
        const auto middle = button.createComponentSnapshot (button.getLocalBounds()).getPixelAt (4, button.getHeight() / 2);
        return middle.getBlue() > middle.getRed() + 60;
    }

    /** A focused OK button of 100 × 30 in a window of its own on the display, counting clicks. */
    class FocusedButton : public testing::Test
    {
    protected:
        void SetUp() override
        {
            button.setBounds (0, 0, 100, 30);
            button.setButtonText ("OK");
            button.setWantsKeyboardFocus (true);
            button.onClick = [this] { ++clicks; };

            window.setBounds (0, 0, 100, 30);
            window.addAndMakeVisible (button);
            window.addToDesktop (0);
            window.setVisible (true);
            window.toFront (true);

            ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([this] { return window.isShowing(); }, 5000));
            button.grabKeyboardFocus();
            ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([this] { return button.hasKeyboardFocus (true); }, 5000));
        }

        void TearDown() override
        {
            window.removeFromDesktop();
        }

        juce::Component window;
        AlineButton button { "OK" };
        int clicks = 0;
    };

    //==============================================================================
    TEST_F (FocusedButton, ReturnHeldLooksPressedAndClicksOnceWhenReleased)
    {
        xdotool ("keydown", "Return");
        GuiTestEnvironment::pump (300);

        EXPECT_EQ (clicks, 0) << "no click while the key is held";
        EXPECT_TRUE (looksPressed (button));

        xdotool ("keyup", "Return");
        EXPECT_TRUE (GuiTestEnvironment::pumpUntil ([this] { return clicks > 0; }, 3000));
        GuiTestEnvironment::pump (300);

        EXPECT_EQ (clicks, 1);
        EXPECT_FALSE (looksPressed (button));
    }

    TEST_F (FocusedButton, SpaceBarDoesNotClick)
    {
        xdotool ("key", "space");
        GuiTestEnvironment::pump (300);

        EXPECT_EQ (clicks, 0);
        EXPECT_FALSE (looksPressed (button));
    }

    TEST_F (FocusedButton, FocusIsAThinGreyRectangleInsideTheButton)
    {
        const auto focused = button.createComponentSnapshot (button.getLocalBounds());
        button.giveAwayKeyboardFocus();
        ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([this] { return ! button.hasKeyboardFocus (true); }, 5000));
        const auto unfocused = button.createComponentSnapshot (button.getLocalBounds());

        // The outline runs at (5, 4.5), 90 × 21, half a pixel wide: every difference lies on it.
        const juce::Rectangle<float> outline (5.0f, 4.5f, 90.0f, 21.0f);
        const auto changedAt = [&] (int x, int y) { return focused.getPixelAt (x, y) != unfocused.getPixelAt (x, y); };

        for (int y = 0; y < 30; ++y)
        {
            for (int x = 0; x < 100; ++x)
            {
                if (! changedAt (x, y))
                    continue;

                const auto centre = juce::Point<float> ((float) x + 0.5f, (float) y + 0.5f);
                const bool onOutline = outline.expanded (1.0f).contains (centre) && ! outline.reduced (1.0f).contains (centre);
                EXPECT_TRUE (onOutline) << x << ", " << y;
            }
        }

        EXPECT_TRUE (changedAt (50, 4)) << "top";
        EXPECT_TRUE (changedAt (50, 25)) << "bottom";
        EXPECT_TRUE (changedAt (4, 15) || changedAt (5, 15)) << "left";
        EXPECT_TRUE (changedAt (94, 15) || changedAt (95, 15)) << "right";
        EXPECT_EQ (focused.getPixelAt (50, 4).getRed(), focused.getPixelAt (50, 4).getBlue()) << "grey";
    }
}
