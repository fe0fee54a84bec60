#include <AlineButton.h>
#include <Loader.h>
#include <MainComponent.h>
#include <StrRes.h>
#include <TypefaceResolver.h>

#include "../support/GuiTestEnvironment.h"
#include "../support/LocaleEnvironment.h"

namespace
{
    /** The main component inside a stand-in for its window, as the user sees it. */
    class Screen : public testing::Test
    {
    protected:
        void SetUp() override
        {
            component = std::make_unique<MainComponent>();
            window.addAndMakeVisible (component.get());
            window.setSize (404, 126);
            component->setSize (404, 126);
        }

        void TearDown() override
        {
            window.removeAllChildren();
            component.reset();
        }

        void show (int status)
        {
            component->m_status.storeWhen ([] (int) { return true; }, status);
            component->UpdateDrawing();
        }

        /** The laid-out text without its white space, which the layout turns into positions. */
        juce::String shownText() const
        {
            juce::String text;
            auto& layout = component->m_textLayout;

            for (int i = 0; i < layout.getNumGlyphs(); ++i)
                if (! juce::CharacterFunctions::isWhitespace (layout.getGlyph (i).getCharacter()))
                    text += juce::String::charToString (layout.getGlyph (i).getCharacter());

            return text;
        }

        static juce::String withoutSpace (const juce::String& s) { return s.removeCharacters (" \t\n"); }

        /** The top of the first glyph of a word in the layout. */
        float topOf (const juce::String& word) const { return boundsOf (word).getY(); }

        /** The box of the first glyph of a word in the layout. */
        juce::Rectangle<float> boundsOf (const juce::String& word) const
        {
            auto& layout = component->m_textLayout;
            juce::String all;

            for (int i = 0; i < layout.getNumGlyphs(); ++i)
                all += juce::String::charToString (layout.getGlyph (i).getCharacter());

            const int at = all.indexOf (word);
            return at >= 0 ? layout.getGlyph (at).getBounds() : juce::Rectangle<float> (-1.0f, -1.0f, 0.0f, 0.0f);
        }

        /** Whether the heading text is laid out as it would be in the given style. */
        bool isLaidOutIn (int style, const juce::String& text) const
        {
            juce::GlyphArrangement reference;
            reference.addFittedText (TypefaceResolver::font (TxtLoader::getInstance()->getFont(), 13.0f, style), text,
                                     20, 20, (float) component->getWidth() - 40, (float) component->getHeight() - 20,
                                     juce::Justification::topLeft, (component->getHeight() - 20) / 13, 0.0f);
            return reference.getBoundingBox (0, -1, true) == component->m_textLayout.getBoundingBox (0, -1, true);
        }

        AlineButton& ok() const { return *component->m_pOkButton; }
        AlineButton& cancel() const { return *component->m_pCancelButton; }

        LocaleEnvironment english { { nullptr, nullptr, nullptr, "en_US.UTF-8" } };
        juce::Component window;
        std::unique_ptr<MainComponent> component;
    };

    const juce::Rectangle<int> rightPlace (284, 86, 100, 20), leftPlace (174, 86, 100, 20);

    TEST_F (Screen, StartsOnTheLanguageChoiceInEnglish)
    {
        show (STS_IDLE);

        EXPECT_EQ (window.getName(), "Updater Program");
        EXPECT_EQ (shownText(), withoutSpace ("Language Selections") + withoutSpace ("Please select a language."));
        EXPECT_TRUE (component->m_pLangBox->isVisible());
        EXPECT_EQ (component->m_pLangBox->getSelectedId(), LANG_EN + 1);
        EXPECT_EQ (component->m_pLangBox->getBounds(), juce::Rectangle<int> (20, 46, 364, 20));
        EXPECT_FALSE (component->m_pProgressBar->isVisible());
        EXPECT_EQ (ok().getButtonText(), "OK");
        EXPECT_EQ (ok().getBounds(), rightPlace);
        EXPECT_EQ (cancel().getButtonText(), "Cancel");
        EXPECT_EQ (cancel().getBounds(), leftPlace);
        // The prompt stands between the heading and the list, not under the list.
        EXPECT_GE (topOf ("Please"), boundsOf ("Language").getBottom());
        EXPECT_LE (boundsOf ("Please").getBottom(), 46.0f);
    }

    TEST_F (Screen, OffersTwelveLanguagesInTheirOrder)
    {
        auto& list = *component->m_pLangBox;
        ASSERT_EQ (list.getNumItems(), 12);

        for (int i = 0; i < 12; ++i)
        {
            EXPECT_EQ (list.getItemId (i), i + 1);
            EXPECT_EQ (list.getItemText (i), StrRes::LANGUAGE_SELECTION[i]);
        }
    }

    TEST_F (Screen, ConfirmationShowsBothVersions)
    {
        component->m_devVersion = "1.00";
        component->m_updVersion = "1.05";
        component->m_updFileState = 8;
        show (STS_CONFIRM);

        EXPECT_EQ (shownText(), withoutSpace ("Updates the version of your KPX-TLK4 firmware.")
                                    + withoutSpace ("Current Version: Ver. 1.00") + withoutSpace ("Update Version: Ver. 1.05"));
        EXPECT_LT (topOf ("Current"), topOf ("Update Version"));
        EXPECT_EQ (ok().getButtonText(), "Start");
        EXPECT_EQ (ok().getBounds(), rightPlace);
        EXPECT_EQ (cancel().getButtonText(), "Close");
        EXPECT_EQ (cancel().getBounds(), leftPlace);
        EXPECT_FALSE (component->m_pLangBox->isVisible());
    }

    TEST_F (Screen, ConfirmationWithoutAnAcceptedFileShowsNoText)
    {
        show (STS_CONFIRM);

        EXPECT_TRUE (shownText().isEmpty());
        EXPECT_TRUE (ok().isVisible());
        EXPECT_TRUE (cancel().isVisible());
    }

    struct ErrorCase
    {
        int status;
        const char* text;
    };

    std::ostream& operator<< (std::ostream& os, const ErrorCase& c) { return os << std::hex << c.status; }

    class ErrorScreen : public Screen, public testing::WithParamInterface<ErrorCase> {};

    TEST_P (ErrorScreen, ShowsTheTextAndTheIdentifierWithLeadingZeros)
    {
        show (GetParam().status);

        EXPECT_EQ (shownText(), withoutSpace (GetParam().text));
        EXPECT_FALSE (ok().isVisible());
        EXPECT_TRUE (cancel().isVisible());
        EXPECT_EQ (cancel().getButtonText(), "Close");
        EXPECT_EQ (cancel().getBounds(), rightPlace);
        EXPECT_EQ (component->getBounds().getWidth(), 404);
    }

    INSTANTIATE_TEST_SUITE_P (Identifiers, ErrorScreen, testing::Values (
        ErrorCase { ERR_NOT_CONNECTED, "Your KPX-TLK4 is not connected.Error ID:0x0E21" },
        ErrorCase { ERR_FILE_NOT_FOUND, "There is an error in the update file.Error ID:0x0E01" },
        ErrorCase { ERR_FILE_LOAD, "There is an error in the update file.Error ID:0x0E02" },
        ErrorCase { ERR_FILE_CRC, "There is an error in the update file.Error ID:0x0E05" }));

    class FailureScreen : public Screen, public testing::WithParamInterface<int> {};

    TEST_P (FailureScreen, EnlargesForGoodAndShowsTheRecoverySteps)
    {
        show (GetParam());

        EXPECT_EQ (component->getWidth(), 800);
        EXPECT_EQ (component->getHeight(), 240);

        auto& l = *TxtLoader::getInstance();
        EXPECT_EQ (shownText(), withoutSpace (l.getString (STRID_STR_0015) + l.getString (STRID_STR_0016) + l.getString (STRID_STR_0017)
                                              + l.getString (STRID_STR_0018) + l.getString (STRID_STR_0019) + l.getString (STRID_STR_0021)));
        EXPECT_FALSE (shownText().contains ("ErrorID"));
        EXPECT_EQ (cancel().getBounds(), juce::Rectangle<int> (680, 200, 100, 20));
        EXPECT_FALSE (ok().isVisible());

        show (STS_COMPLETE);
        EXPECT_EQ (component->getWidth(), 800);
    }

    INSTANTIATE_TEST_SUITE_P (Statuses, FailureScreen, testing::Values (ERR_DEVICE_VERSION, ERR_TIMEOUT, ERR_REMOVED, ERR_GENERAL));

    TEST_F (Screen, WritingShowsTheBarInTheAreaColourAndNoButton)
    {
        component->m_curArea = 0;
        show (STS_SEND_DATA);

        EXPECT_EQ (shownText(), withoutSpace ("Updating your KPX-TLK4 firmware.")
                                    + withoutSpace ("Please wait for a few moments until the update process is complete."));
        EXPECT_TRUE (component->m_pProgressBar->isVisible());
        EXPECT_EQ (component->m_pProgressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (250, 50, 200));
        EXPECT_FALSE (ok().isVisible());
        EXPECT_FALSE (cancel().isVisible());

        // A run that wrote area 0 first keeps its colour on the later areas.
        component->m_area0Selected = true;
        component->m_curArea = 1;
        show (STS_SET_ADDR);
        EXPECT_EQ (component->m_pProgressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (250, 50, 200));
    }

    TEST_F (Screen, WritingWithoutArea0ShowsTheDarkBar)
    {
        component->m_curArea = 1;
        show (STS_VERIFY);
        EXPECT_EQ (component->m_pProgressBar->findColour (juce::ProgressBar::backgroundColourId), juce::Colour (8, 8, 8));
    }

    TEST_F (Screen, CompletionIsPlainTextWithOnlyOk)
    {
        show (STS_SEND_SUM);
        show (STS_COMPLETE);

        EXPECT_EQ (shownText(), withoutSpace ("The update of your version of the KPX-TLK4 firmware is now complete."));
        EXPECT_TRUE (isLaidOutIn (juce::Font::plain, "The update of your version of the KPX-TLK4 firmware is now complete."));
        EXPECT_FALSE (isLaidOutIn (juce::Font::bold, "The update of your version of the KPX-TLK4 firmware is now complete."));
        EXPECT_TRUE (ok().isVisible());
        EXPECT_EQ (ok().getButtonText(), "OK");
        EXPECT_FALSE (cancel().isVisible());
        EXPECT_FALSE (component->m_pProgressBar->isVisible());
    }

    class UnchangedScreen : public Screen, public testing::WithParamInterface<int> {};

    TEST_P (UnchangedScreen, ShowsNoTextAndKeepsTheButtons)
    {
        component->m_devVersion = "1.00";
        component->m_updVersion = "1.05";
        component->m_updFileState = 8;
        show (STS_CONFIRM);
        show (GetParam());

        EXPECT_TRUE (shownText().isEmpty());
        EXPECT_TRUE (ok().isVisible());
        EXPECT_EQ (ok().getButtonText(), "Start");
        EXPECT_TRUE (cancel().isVisible());
        EXPECT_EQ (cancel().getButtonText(), "Close");
    }

    INSTANTIATE_TEST_SUITE_P (Statuses, UnchangedScreen, testing::Values (STS_PREPARE, STS_WRITTEN, 9, 0xE00, 0xE42));

    struct LanguageScreen
    {
        int lang, status;
    };

    std::ostream& operator<< (std::ostream& os, const LanguageScreen& c) { return os << plangList[c.lang] << " " << c.status; }

    class TextAboveTheWidgetRow : public Screen, public testing::WithParamInterface<LanguageScreen> {};

    TEST_P (TextAboveTheWidgetRow, IsWholeAndNeverUnderTheListOrTheBar)
    {
        component->m_pLangBox->setSelectedId (GetParam().lang + 1, juce::dontSendNotification);
        component->comboBoxChanged (component->m_pLangBox);
        show (GetParam().status);

        auto& l = *TxtLoader::getInstance();
        const auto product = l.getString (STRID_NAME_001).toStdString();
        char heading[256];
        std::snprintf (heading, sizeof (heading), l.getString (STRID_STR_0012).toRawUTF8(), product.c_str());
        const auto expected = GetParam().status == STS_IDLE ? l.getString (STRID_STR_0005) + l.getString (STRID_STR_0006)
                                                            : juce::String::fromUTF8 (heading) + l.getString (STRID_STR_0013);

        EXPECT_EQ (shownText(), withoutSpace (expected));
        EXPECT_LE (component->m_textLayout.getBoundingBox (0, -1, false).getBottom(), 46.0f);
    }

    std::vector<LanguageScreen> everyLanguageAt (std::initializer_list<int> statuses)
    {
        std::vector<LanguageScreen> cases;

        for (int status : statuses)
            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
                cases.push_back ({ lang, status });

        return cases;
    }

    INSTANTIATE_TEST_SUITE_P (Languages, TextAboveTheWidgetRow, testing::ValuesIn (everyLanguageAt ({ STS_IDLE, STS_SEND_DATA })));

    TEST_F (Screen, ALanguageChangeRedrawsTextCaptionsAndTitle)
    {
        show (STS_IDLE);
        component->m_pLangBox->setSelectedId (LANG_DE + 1, juce::dontSendNotification);
        component->comboBoxChanged (component->m_pLangBox);

        EXPECT_EQ (TxtLoader::getInstance()->m_langId, LANG_DE);
        EXPECT_EQ (window.getName(), "Aktualisierungsprogramm");
        EXPECT_EQ (cancel().getButtonText(), "Abbrechen");
        EXPECT_TRUE (shownText().startsWith (withoutSpace (StrRes::STR_0005[LANG_DE])));
    }
}
