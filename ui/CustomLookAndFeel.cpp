#include "CustomLookAndFeel.h"

#include "TypefaceResolver.h"

#include <Loader.h>
#include <StrRes.h>

namespace juce
{
    //==============================================================================
    LangLookAndFeel::~LangLookAndFeel() = default;

    Font LangLookAndFeel::getComboBoxFont (ComboBox& box)
    {
        const auto language = static_cast<LangIdTable_t> (box.getSelectedId() - 1);
        const auto height = jmin (0.85f * (float) box.getHeight(), 15.0f);

        return TypefaceResolver::font (TxtLoader::getInstance()->getFont (language), height, Font::plain);
    }

    void LangLookAndFeel::drawPopupMenuItem (Graphics& g, const Rectangle<int>& area, bool isSeparator, bool isActive,
                                             bool isHighlighted, bool isTicked, bool hasSubMenu, const String& text,
                                             const String& shortcutKeyText, const Drawable* icon, const Colour* textColour)
    {
        if (isSeparator)
        {
            auto r = area.reduced (5, 0);
            r.removeFromTop (r.getHeight() / 2 - 1);

            g.setColour (Colour (0x33000000));
            g.fillRect (r.removeFromTop (1));

            g.setColour (Colour (0x66ffffff));
            g.fillRect (r.removeFromTop (1));
            return;
        }

        auto r = area.reduced (1);

        if (isHighlighted)
        {
            g.setColour (Colour (0xff000040));
            g.fillRect (r);
            g.setColour (findColour (PopupMenu::highlightedTextColourId));
        }
        else
        {
            g.setColour (textColour != nullptr ? *textColour : findColour (PopupMenu::textColourId));
        }

        if (! isActive)
            g.setOpacity (0.3f);

        // Each language's name is shown in that language's own typeface, so that a reader finds
        // their language in a script they can read, whatever language is current.
        auto font = getPopupMenuFont();

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        {
            if (text == StrRes::LANGUAGE_SELECTION[lang])
            {
                font = TypefaceResolver::font (StrRes::DEFAULT_FONT_MAC[lang], 17.0f, Font::plain);
                break;
            }
        }

        const auto maxFontHeight = (float) area.getHeight() / 1.3f;

        if (font.getHeight() > maxFontHeight)
            font.setHeight (maxFontHeight);

        g.setFont (font);

        const auto iconArea = r.removeFromLeft ((r.getHeight() * 5) / 4).reduced (3).toFloat();

        if (icon != nullptr)
        {
            icon->drawWithin (g, iconArea, RectanglePlacement::centred | RectanglePlacement::onlyReduceInSize, 1.0f);
        }
        else if (isTicked)
        {
            const auto tick = getTickShape (1.0f);
            g.fillPath (tick, tick.getTransformToScaleToFit (iconArea, true));
        }

        if (hasSubMenu)
        {
            // Sized from the menu's own font, so that arrows line up whatever the item's script.
            const auto arrowH = 0.6f * getPopupMenuFont().getAscent();
            const auto x = (float) r.removeFromRight ((int) arrowH).getX();
            const auto halfH = (float) r.getCentreY();

            Path arrow;
            arrow.addTriangle (x, halfH - arrowH * 0.5f, x, halfH + arrowH * 0.5f, x + arrowH * 0.6f, halfH);
            g.fillPath (arrow);
        }

        r.removeFromRight (3);
        g.drawFittedText (text, r, Justification::centredLeft, 1);

        if (shortcutKeyText.isNotEmpty())
        {
            auto shortcutFont = font;
            shortcutFont.setHeight (shortcutFont.getHeight() * 0.75f);
            shortcutFont.setHorizontalScale (0.95f);
            g.setFont (shortcutFont);

            g.drawText (shortcutKeyText, r, Justification::centredRight, true);
        }
    }
}

//==============================================================================
ProgressLookAndFeel::~ProgressLookAndFeel() = default;

void ProgressLookAndFeel::drawProgressBar (juce::Graphics& g, juce::ProgressBar& bar, int width, int height,
                                           double progress, const juce::String& textToShow)
{
    g.fillAll (bar.findColour (juce::ProgressBar::backgroundColourId));

    const juce::Colour light (167, 167, 167), dark (100, 100, 100), bottom (108, 108, 108);

    juce::ColourGradient gradient (light, 2.0f, 2.0f, bottom, 2.0f, (float) (height - 4), false);
    gradient.addColour (0.0, light);
    gradient.addColour (0.5, dark);
    gradient.addColour (1.0, bottom);
    g.setGradientFill (gradient);

    // A progress outside 0…1 (the bar's "indeterminate" value is -1) must not paint past the
    // frame, nor a bar of negative width.
    const auto track = (double) (width - 4);
    const auto filled = juce::jlimit (0.0, juce::jmax (0.0, track), progress * track);
    g.fillRect (juce::Rectangle<double> (2.0, 2.0, filled, (double) (height - 4)).toFloat());

    if (textToShow.isNotEmpty())
    {
        g.setColour (juce::Colours::white);
        g.setFont (0.8f * (float) height);
        g.drawText (textToShow, 0, 0, width, height, juce::Justification::centred, false);
    }
}

//==============================================================================
BtnLookAndFeel::~BtnLookAndFeel() = default;

void BtnLookAndFeel::drawButtonBackground (juce::Graphics& g, juce::Button& button, const juce::Colour& backgroundColour,
                                           bool /*shouldDrawButtonAsHighlighted*/, bool shouldDrawButtonAsDown)
{
    const bool flatOnLeft   = button.isConnectedOnLeft();
    const bool flatOnRight  = button.isConnectedOnRight();
    const bool flatOnTop    = button.isConnectedOnTop();
    const bool flatOnBottom = button.isConnectedOnBottom();

    // A connected edge runs on into its neighbour, so it is hardly inset at all.
    const auto inset = [] (bool connected) { return connected ? 0.1f : 0.5f; };

    const auto left = inset (flatOnLeft), right = inset (flatOnRight);
    const auto top = inset (flatOnTop), bottom = inset (flatOnBottom);

    drawBackground (g, left, top, (float) button.getWidth() - left - right, (float) button.getHeight() - top - bottom,
                    backgroundColour, 1.0f, -1.0f, flatOnLeft, flatOnRight, flatOnTop, flatOnBottom, shouldDrawButtonAsDown);
}

void BtnLookAndFeel::drawBackground (juce::Graphics& g, float x, float y, float width, float height,
                                     const juce::Colour& colour, float outlineThickness, float cornerSize,
                                     bool flatOnLeft, bool flatOnRight, bool flatOnTop, bool flatOnBottom, bool isDown)
{
    if (width <= outlineThickness || height <= outlineThickness)
        return;

    const auto cs = cornerSize >= 0.0f ? cornerSize : juce::jmin (width * 0.5f, height * 0.5f);
    const auto cs2 = cs * 2.0f;
    const auto pi = juce::MathConstants<float>::pi;

    juce::Path outline;

    if (flatOnLeft || flatOnTop)
    {
        outline.startNewSubPath (x, y);
    }
    else
    {
        outline.startNewSubPath (x, y + cs);
        outline.addArc (x, y, cs2, cs2, pi * 1.5f, pi * 2.0f);
    }

    if (flatOnRight || flatOnTop)
    {
        outline.lineTo (x + width, y);
    }
    else
    {
        outline.lineTo (x + width - cs, y);
        outline.addArc (x + width - cs2, y, cs2, cs2, 0.0f, pi * 0.5f);
    }

    if (flatOnRight || flatOnBottom)
    {
        outline.lineTo (x + width, y + height);
    }
    else
    {
        outline.lineTo (x + width, y + height - cs);
        outline.addArc (x + width - cs2, y + height - cs2, cs2, cs2, pi * 0.5f, pi);
    }

    if (flatOnLeft || flatOnBottom)
    {
        outline.lineTo (x, y + height);
    }
    else
    {
        outline.lineTo (x + cs, y + height);
        outline.addArc (x, y + height - cs2, cs2, cs2, pi, pi * 1.5f);
    }

    outline.closeSubPath();

    const auto topColour    = isDown ? juce::Colour (185, 200, 240) : juce::Colours::white;
    const auto middleColour = isDown ? juce::Colour (82, 156, 231) : colour.darker (0.2f);
    const auto bottomColour = isDown ? juce::Colour (140, 222, 253) : juce::Colours::white;

    juce::ColourGradient gradient (topColour, 0.0f, y, bottomColour, 0.0f, y + height, false);
    gradient.addColour (0.0, topColour);
    gradient.addColour (0.5, middleColour);
    gradient.addColour (1.0, bottomColour);
    g.setGradientFill (gradient);
    g.fillPath (outline);

    g.setColour (colour.darker (0.7f));
    g.strokePath (outline, juce::PathStrokeType (outlineThickness));
}
