#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

#include <vector>

/** Renders into an image like any software context, and also writes down the font of every
    glyph it draws, so that a test sees the typeface and height a reader gets. */
class GlyphRecorder : public juce::LowLevelGraphicsSoftwareRenderer
{
public:
    explicit GlyphRecorder (const juce::Image& target) : juce::LowLevelGraphicsSoftwareRenderer (target) {}

    void drawGlyph (int glyphNumber, const juce::AffineTransform& transform) override
    {
        fonts.push_back (getFont());
        juce::LowLevelGraphicsSoftwareRenderer::drawGlyph (glyphNumber, transform);
    }

    /** The fonts of the drawn glyphs, in drawing order. */
    std::vector<juce::Font> fonts;
};
