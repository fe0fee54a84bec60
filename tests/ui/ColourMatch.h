#pragma once

#include <juce_graphics/juce_graphics.h>

#include <cstdlib>

/** True when each of the colours' red, green and blue differ by at most the tolerance: shaded and
    anti-aliased drawing lands near a colour, seldom on it. */
inline bool isNear (juce::Colour a, juce::Colour b, int tolerance)
{
    return std::abs (a.getRed() - b.getRed()) <= tolerance
        && std::abs (a.getGreen() - b.getGreen()) <= tolerance
        && std::abs (a.getBlue() - b.getBlue()) <= tolerance;
}
