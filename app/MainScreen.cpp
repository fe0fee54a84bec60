// The screens: everything the user sees is rebuilt from the status code and the language.

#include "MainComponent.h"

#include <AlineButton.h>
#include <BinaryData.h>
#include <Loader.h>
#include <TypefaceResolver.h>

namespace
{
    const juce::Colour background (234, 234, 234);
    const juce::Colour area0Colour (250, 50, 200);
    const juce::Colour otherAreaColour (8, 8, 8);
    constexpr float textHeight = 13.0f;

    TxtLoader& loader() { return *TxtLoader::getInstance(); }

    bool isWritingStatus (int status) { return status >= STS_SET_ADDR && status <= STS_VERIFY; }
    bool showsFailureText (int status) { return status >= ERR_DEVICE_VERSION && status <= ERR_GENERAL && status != ERR_NOT_CONNECTED; }

    /** The identifier as the screen shows it: four upper-case hexadecimal digits, zero-padded. */
    juce::String errorIdentifier (int status)
    {
        return juce::String::toHexString (status).toUpperCase().paddedLeft ('0', 4);
    }

    juce::String failureText()
    {
        auto& l = loader();
        return l.getString (STRID_STR_0015) + "\n" + l.getString (STRID_STR_0016) + "\n"
             + l.getString (STRID_STR_0017) + "\n\n" + l.getString (STRID_STR_0018) + "\n\n"
             + l.getString (STRID_STR_0019) + "\n\n" + l.getString (STRID_STR_0021) + "\n\n";
    }
}

//==============================================================================
MainComponent::ScreenKey MainComponent::currentScreenKey() const
{
    ScreenKey key { m_status.load(), loader().m_langId, getWidth(), getHeight(), m_updFileState.load(),
                    m_curArea.load(), m_area0Selected.load(), getParentComponent() != nullptr, {}, {} };

    // The worker has finished writing the versions once it has stored the confirmation status.
    if (key.status == STS_CONFIRM)
    {
        key.devVersion = m_devVersion;
        key.updVersion = m_updVersion;
    }

    return key;
}

//==============================================================================
void MainComponent::UpdateDrawing()
{
    publishProgress();

    auto key = currentScreenKey();

    // The worker asks for a redraw at every cycle, a thousand times a second while it waits for
    // the user: an update that would draw the same screen again is skipped.
    if (m_drawnScreen != nullptr && *m_drawnScreen == key)
        return;

    m_fontName = loader().getFont();

    if (auto* window = getParentComponent())
        window->setName (loader().getString (STRID_STR_0000));

    m_textLayout.clear();

    bool screenWasRedrawn = false;
    layOutMessageText (key.status, screenWasRedrawn);

    // The failure screen's enlargement has redrawn everything through resized().
    if (screenWasRedrawn)
        return;

    showWidgetsFor (key.status);
    m_drawnScreen = std::make_unique<ScreenKey> (key);
    repaint();
}

void MainComponent::layOutText (const juce::String& text, juce::Rectangle<int> region, int styleFlags, float minimumHorizontalScale)
{
    m_textLayout.addFittedText (TypefaceResolver::font (m_fontName, textHeight, styleFlags), text,
                                (float) region.getX(), (float) region.getY(), (float) region.getWidth(), (float) region.getHeight(),
                                juce::Justification::topLeft, (int) ((float) region.getHeight() / textHeight), minimumHorizontalScale);
}

float MainComponent::lowerEdgeOfText()
{
    // The box of the glyphs after the first one, line breaks left out: a break has no ink, and
    // where a face gives it a width of its own it would push the body a line down, under the list.
    juce::Rectangle<float> box;

    for (int i = 1; i < m_textLayout.getNumGlyphs(); ++i)
    {
        auto& glyph = m_textLayout.getGlyph (i);

        if (glyph.getCharacter() != '\n' && glyph.getCharacter() != '\r')
            box = box.getUnion (glyph.getBounds());
    }

    return box.getBottom();
}

void MainComponent::layOutAboveWidgetRow (const juce::String& heading, const juce::String& body)
{
    // The language list or the progress bar stands at H - 80, right below these two texts. Each
    // keeps to one line above it, squeezed as far as the longest translation needs, rather than
    // running on under the widget where nobody can read it. A text that fits is laid out as ever.
    const int widgetRowTop = getHeight() - 80;
    constexpr float longestTranslationScale = 0.5f;

    layOutText (heading, { 20, 20, getWidth() - 40, (int) textHeight }, juce::Font::bold, longestTranslationScale);
    const int b = (int) lowerEdgeOfText();
    layOutText (body, { 40, b, getWidth() - 60, widgetRowTop - b }, juce::Font::plain, longestTranslationScale);
}

juce::String MainComponent::formatted (StrIdTable_t id, const juce::String& a, const juce::String& b) const
{
    // The tables' texts are printf formats with "%s" placeholders only (checked by the tests).
    char buffer[256];
    std::snprintf (buffer, sizeof (buffer), loader().getString (id).toRawUTF8(), a.toRawUTF8(), b.toRawUTF8());
    return juce::String::fromUTF8 (buffer);
}

void MainComponent::layOutMessageText (int status, bool& screenWasRedrawn)
{
    const int w = getWidth(), h = getHeight();
    const juce::Rectangle<int> heading (20, 20, w - 40, h - 20);
    const juce::Rectangle<int> errorRegion (105, 20, w - 125, h - 20);
    const auto product = loader().getString (STRID_NAME_001);

    auto body = [&]
    {
        const int b = (int) lowerEdgeOfText();
        return juce::Rectangle<int> (40, b, w - 60, h - b);
    };

    auto versionLine = [&] (StrIdTable_t id, const juce::String& version)
    {
        return formatted (id, version.substring (0, 1), version.substring (2, 4));
    };

    if (status == STS_IDLE)
    {
        layOutAboveWidgetRow (loader().getString (STRID_STR_0005), loader().getString (STRID_STR_0006));
    }
    else if (status == STS_CONFIRM)
    {
        if (m_updFileState == 8)
        {
            layOutText (formatted (STRID_STR_0009, product), heading, juce::Font::bold);
            layOutText (versionLine (STRID_STR_0010, m_devVersion) + "\n" + versionLine (STRID_STR_0011, m_updVersion),
                        body(), juce::Font::plain);
        }
    }
    else if (status == ERR_NOT_CONNECTED)
    {
        layOutText (formatted (STRID_STR_0008, product) + "\n\nError ID:\t0x" + errorIdentifier (status), errorRegion, juce::Font::plain);
    }
    else if (isWritingStatus (status))
    {
        layOutAboveWidgetRow (formatted (STRID_STR_0012, product), loader().getString (STRID_STR_0013));
    }
    else if (status == STS_COMPLETE)
    {
        layOutText (formatted (STRID_STR_0014, product), heading, juce::Font::plain);
    }
    else if (status >= ERR_FILE_NOT_FOUND && status <= ERR_FILE_CRC)
    {
        layOutText (loader().getString (STRID_STR_0007) + "\n\nError ID:\t0x" + errorIdentifier (status), errorRegion, juce::Font::plain);
    }
    else if (showsFailureText (status))
    {
        if (w != 800 || h != 240)
        {
            // Centred in the window, which grows with it; without a window there is nothing to centre in.
            if (getParentComponent() != nullptr)
                centreWithSize (800, 240);
            else
                setSize (800, 240);

            screenWasRedrawn = true;
            return;
        }

        layOutText (failureText(), errorRegion, juce::Font::plain);
    }
}

juce::Rectangle<int> MainComponent::rightHandPlace() const { return { getWidth() - 120, getHeight() - 40, 100, 20 }; }
juce::Rectangle<int> MainComponent::leftHandPlace() const { return { getWidth() - 230, getHeight() - 40, 100, 20 }; }

void MainComponent::showWidgetsFor (int status)
{
    const auto right = rightHandPlace(), left = leftHandPlace();
    auto& l = loader();

    auto show = [] (AlineButton* button, const juce::String& caption, juce::Rectangle<int> place)
    {
        button->setVisible (true);
        button->setButtonText (caption);
        button->setBounds (place);
    };

    if (status == STS_IDLE)
    {
        m_pLangBox->setSelectedId (l.m_langId + 1, juce::sendNotificationAsync);
        m_pLangBox->setVisible (true);
        m_pLangBox->resized();
    }
    else
    {
        m_pLangBox->setVisible (false);
    }

    m_pProgressBar->setVisible (isWritingStatus (status));
    m_progressRelay.setActive (isWritingStatus (status));

    if (isWritingStatus (status))
        applyProgressColour();

    m_pOkButton->setFont (m_fontName);
    m_pCancelButton->setFont (m_fontName);

    if (status == STS_IDLE || status == STS_CONFIRM)
    {
        show (m_pOkButton, l.getString (status == STS_IDLE ? STRID_STR_0001 : STRID_STR_0002), right);
        show (m_pCancelButton, l.getString (status == STS_IDLE ? STRID_STR_0003 : STRID_STR_0004), left);
    }
    else if (isWritingStatus (status))
    {
        m_pOkButton->setVisible (false);
        m_pCancelButton->setVisible (false);
    }
    else if (status == STS_COMPLETE)
    {
        show (m_pOkButton, l.getString (STRID_STR_0001), right);
    }
    else if (isErrorStatus (status))
    {
        m_pOkButton->setVisible (false);
        show (m_pCancelButton, l.getString (STRID_STR_0004), right);
    }
}

void MainComponent::applyProgressColour()
{
    if (m_curArea == 0)
        m_pProgressBar->setColour (juce::ProgressBar::backgroundColourId, area0Colour);
    else if (! m_area0Selected)
        m_pProgressBar->setColour (juce::ProgressBar::backgroundColourId, otherAreaColour);
}

void MainComponent::publishProgress()
{
    m_progressRelay.relay();
}

//==============================================================================
void MainComponent::paint (juce::Graphics& g)
{
    g.fillAll (background);

    const int status = m_status;

    if (isErrorStatus (status))
    {
        auto icon = juce::ImageCache::getFromMemory (BinaryData::warning_png, BinaryData::warning_pngSize);
        g.drawImage (icon, 20, 15, 64, 64, 0, 0, icon.getWidth(), icon.getHeight(), false);
    }

    g.setColour (juce::Colours::black);
    m_textLayout.draw (g);

    moveKeyboardFocus (status);
}

void MainComponent::moveKeyboardFocus (int status)
{
    auto hasFocus = [] (juce::Component* c) { return c->hasKeyboardFocus (true); };

    if (status == STS_IDLE)
    {
        if (! hasFocus (m_pLangBox) && ! hasFocus (m_pOkButton) && ! hasFocus (m_pCancelButton))
            m_pOkButton->grabKeyboardFocus();
    }
    else if (status == STS_CONFIRM)
    {
        if (! hasFocus (m_pOkButton) && ! hasFocus (m_pCancelButton))
            m_pOkButton->grabKeyboardFocus();
    }
    else if (status == STS_COMPLETE)
    {
        if (! hasFocus (m_pOkButton))
            m_pOkButton->grabKeyboardFocus();
    }
    else if (isErrorStatus (status))
    {
        if (! hasFocus (m_pCancelButton))
            m_pCancelButton->grabKeyboardFocus();
    }
}

void MainComponent::resized()
{
    UpdateDrawing();

    const juce::Rectangle<int> listPlace (20, getHeight() - 80, getWidth() - 40, 20);
    m_pLangBox->setBounds (listPlace);
    m_pProgressBar->setBounds (listPlace);

    if (m_pOkButton->isVisible())
    {
        m_pOkButton->setBounds (rightHandPlace());
        m_pCancelButton->setBounds (leftHandPlace());
    }
    else
    {
        m_pCancelButton->setBounds (rightHandPlace());
    }
}

void MainComponent::handleAsyncUpdate()
{
    const juce::ScopedLock sl (m_lock);

    if (m_hidCtrlReleaseDue.exchange (false))
        releaseHidCtrlAfterCompletion();

    UpdateDrawing();
}
