#pragma once

#include <juce_graphics/juce_graphics.h>

/**
    Turns a typeface name of the string tables into a font that draws real glyphs here. The
    tables name faces that a Linux desktop seldom has ("Hiragino Sans W5", "Heiti SC", …); a name
    that is not installed is replaced by an installed family that covers the language the name
    stands for, found once through fontconfig and remembered. Only faces that JUCE itself loads
    count (single .ttf, .otf, .pfb or .pcf files; a .ttc collection is invisible to it).

    A name that stands for no language gets the installed family that covers the most of all
    twelve, and the first use makes that family JUCE's fallback font as well: JUCE draws every
    glyph of a face it cannot find from the fallback, which would otherwise be the plain
    sans-serif, without Chinese, Japanese or Korean.
*/
class TypefaceResolver
{
public:
    /** The installed family to draw with for a typeface name. */
    static juce::String familyFor (const juce::String& typefaceName);

    /** A font of that family with the given height and juce::Font style flags. */
    static juce::Font font (const juce::String& typefaceName, float height, int styleFlags);
};
