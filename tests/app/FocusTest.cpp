// Where the keyboard focus goes on each screen, in a window on a real display.

#include <AlineButton.h>
#include <MainComponent.h>
#include <MainWindow.h>

#include "../support/GuiTestEnvironment.h"
#include "../support/LocaleEnvironment.h"

namespace
{
    class Focus : public testing::Test
    {
    protected:
        void SetUp() override
        {
            window = std::make_unique<MainWindow>();
            component = window->getMainComponent();
            // The focus rule acts once the window has the keyboard, which a slow machine gives it
            // well after the window shows.
            ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([this] { return window->isShowing() && window->isActiveWindow(); }, 10000));
            GuiTestEnvironment::pump (200);
        }

        void TearDown() override { window.reset(); }

        /** Shows a status and lets the screen paint, which moves the focus. */
        void show (int status)
        {
            component->m_status.storeWhen ([] (int) { return true; }, status);
            component->UpdateDrawing();
            GuiTestEnvironment::pump (200);
        }

        bool focused (juce::Component* c) const { return c->hasKeyboardFocus (true); }

        LocaleEnvironment english { { nullptr, nullptr, nullptr, "en_US.UTF-8" } };
        std::unique_ptr<MainWindow> window;
        MainComponent* component = nullptr;
    };

    TEST_F (Focus, TheWindowsContentIs404By126)
    {
        EXPECT_EQ (component->getWidth(), 404);
        EXPECT_EQ (component->getHeight(), 126);
        EXPECT_EQ (window->getContentComponent(), component);
    }

    TEST_F (Focus, GoesToOkOnTheLanguageScreenAndStaysWhereTheUserPutIt)
    {
        EXPECT_TRUE (focused (component->m_pOkButton));

        // The user puts the focus on Cancel, and the screen paints again. On a bare X server the
        // window can lose the keyboard for a moment after it first shows, and a move made then
        // does not last; so it is made again until it does. A rule that took the focus back to OK
        // at every paint would never let it.
        EXPECT_TRUE (GuiTestEnvironment::pumpUntil ([this]
        {
            component->m_pCancelButton->grabKeyboardFocus();
            show (STS_IDLE);
            return focused (component->m_pCancelButton);
        }, 5000));
    }

    TEST_F (Focus, GoesToStartOnTheConfirmationAndToOkOnTheCompletion)
    {
        show (STS_CONFIRM);
        EXPECT_TRUE (focused (component->m_pOkButton));

        show (STS_SEND_DATA);
        show (STS_COMPLETE);
        EXPECT_TRUE (focused (component->m_pOkButton));
    }

    TEST_F (Focus, GoesToCloseOnEveryErrorScreen)
    {
        show (STS_IDLE);
        show (ERR_NOT_CONNECTED);
        EXPECT_TRUE (focused (component->m_pCancelButton));
    }
}
