#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class BtnLookAndFeel;

/**
    The program's push button: a capsule background drawn by its own BtnLookAndFeel, its text
    centred in a chosen typeface and style, a thin focus rectangle, and a Return key that clicks
    it once the key is released.
*/
class AlineButton : public juce::Button
{
public:
    explicit AlineButton (const juce::String& name);
    ~AlineButton() override;

    /** Repaints only, when the text is the one shown; otherwise sets it. */
    void setButtonText (const juce::String& newText);

    /** The typeface name of the text, used from the next paint on. */
    void setFont (const juce::String& fontName);

    /** The juce::Font style flags of the text, used from the next paint on. */
    void setStyle (const int& styleFlags);

    //==============================================================================
    bool keyPressed (const juce::KeyPress& key) override;
    void paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown) override;

private:
    BtnLookAndFeel* m_pBtnLookAndFeel;
    juce::Justification m_justification;
    juce::String m_fontName;
    int m_style;
    bool m_returnPressed;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (AlineButton)
};
