#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

namespace juce
{
    /** Draws the language list: its own text in the selected language's typeface, and each
        language name of the drop-down menu in that language's typeface. */
    class LangLookAndFeel : public LookAndFeel_V2
    {
    public:
        ~LangLookAndFeel() override;

        void drawPopupMenuItem (Graphics&, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                const String& shortcutKeyText, const Drawable* icon, const Colour* textColour) override;
        Font getComboBoxFont (ComboBox&) override;
    };
}

/** Draws the progress bar: a grey gradient over the bar's background colour, text in white. */
class ProgressLookAndFeel : public juce::LookAndFeel_V2
{
public:
    ~ProgressLookAndFeel() override;

    void drawProgressBar (juce::Graphics&, juce::ProgressBar&, int width, int height, double progress,
                          const juce::String& textToShow) override;
};

/** Draws button backgrounds: a capsule with a white-grey-white gradient, blue while pressed. */
class BtnLookAndFeel : public juce::LookAndFeel_V2
{
public:
    ~BtnLookAndFeel() override;

    void drawButtonBackground (juce::Graphics&, juce::Button&, const juce::Colour& backgroundColour,
                               bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

    static void drawBackground (juce::Graphics&, float x, float y, float width, float height,
                                const juce::Colour& colour, float outlineThickness, float cornerSize,
                                bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom, bool isDown);
};
