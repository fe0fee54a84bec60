#include "AlineButton.h"

#include "CustomLookAndFeel.h"
#include "TypefaceResolver.h"

AlineButton::AlineButton (const juce::String& name)
    : juce::Button (name),
      m_pBtnLookAndFeel (nullptr),
      m_justification (juce::Justification::centred),
      m_fontName (juce::Font::getDefaultSansSerifFontName()),
      m_style (0),
      m_returnPressed (false)
{
    m_pBtnLookAndFeel = new BtnLookAndFeel();
    setLookAndFeel (m_pBtnLookAndFeel);

    setColour (juce::TextButton::buttonColourId, juce::Colours::white);
    setColour (juce::TextButton::buttonOnColourId, juce::Colours::white);
}

AlineButton::~AlineButton()
{
    // The button must not be left pointing at a look-and-feel that no longer exists.
    setLookAndFeel (nullptr);

    delete m_pBtnLookAndFeel;
    m_pBtnLookAndFeel = nullptr;
}

//==============================================================================
void AlineButton::setButtonText (const juce::String& newText)
{
    if (newText == getButtonText())
        repaint();
    else
        juce::Button::setButtonText (newText);
}

void AlineButton::setFont (const juce::String& fontName)
{
    m_fontName = fontName;
}

void AlineButton::setStyle (const int& styleFlags)
{
    m_style = styleFlags;
}

//==============================================================================
bool AlineButton::keyPressed (const juce::KeyPress& key)
{
    if (key.getKeyCode() != juce::KeyPress::returnKey)
        return false;

    // The click waits for the key to come up; until then the button shows itself pressed.
    m_returnPressed = true;
    repaint();
    return true;
}

void AlineButton::paintButton (juce::Graphics& g, bool shouldDrawButtonAsHighlighted, bool shouldDrawButtonAsDown)
{
    const bool returnPending = m_returnPressed;

    const auto colour = findColour (getToggleState() ? juce::TextButton::buttonOnColourId
                                                     : juce::TextButton::buttonColourId);

    getLookAndFeel().drawButtonBackground (g, *this, colour, shouldDrawButtonAsHighlighted,
                                           shouldDrawButtonAsDown || returnPending);

    const auto height = (float) getHeight();
    g.setFont (TypefaceResolver::font (m_fontName, juce::jmin (0.8f * height, 13.0f), m_style));
    g.setColour (juce::Colour (16, 16, 16));
    g.drawFittedText (getButtonText(), 4, 4, getWidth() - 8, getHeight() - 8, m_justification, 1, 0.0f);

    if (hasKeyboardFocus (true))
    {
        const auto width = (float) getWidth();
        g.setColour (juce::Colours::grey);
        g.drawRect (juce::Rectangle<float> (0.05f * width, 0.15f * height, 0.9f * width, 0.7f * height), 0.5f);
    }

    if (! returnPending)
        return;

    if (juce::KeyPress::isKeyCurrentlyDown (juce::KeyPress::returnKey))
    {
        // Paint again until the key comes up; that paint fires the click.
        repaint();
        return;
    }

    m_returnPressed = false;
    triggerClick();
}
