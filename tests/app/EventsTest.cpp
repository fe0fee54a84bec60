// What the buttons, the language list and the controller's events do.

#include <AlineButton.h>
#include <HidCtrl.h>
#include <Loader.h>
#include <MainComponent.h>
#include <SimulatedController.h>

#include "../support/GuiTestEnvironment.h"
#include "../support/LocaleEnvironment.h"
#include "../support/UpdateFileBesideTests.h"
#include <VirtualController.h>

namespace
{
    using Request = SimulatedController::Request;

    /** Stands in for the application: counts the quits that the handlers ask for. */
    class QuitRecorder : public juce::JUCEApplication
    {
    public:
        const juce::String getApplicationName() override { return "QuitRecorder"; }
        const juce::String getApplicationVersion() override { return "0"; }
        void initialise (const juce::String&) override {}
        void shutdown() override {}
        void systemRequestedQuit() override { ++quits; }

        int quits = 0;
    };

    class Events : public testing::Test
    {
    protected:
        void build (bool plugIn)
        {
            if (plugIn)
                device.plugIn();

            component = std::make_unique<MainComponent>();
            component->setSize (404, 126);
        }

        void TearDown() override { component.reset(); }

        void press (AlineButton* b) { component->buttonClicked (b); }
        AlineButton* ok() { return component->m_pOkButton; }
        AlineButton* cancel() { return component->m_pCancelButton; }

        bool waitForStatus (int status)
        {
            return GuiTestEnvironment::pumpUntil ([&] { return component->m_status == status; }, 30000);
        }

        LocaleEnvironment english { { nullptr, nullptr, nullptr, "en_US.UTF-8" } };
        QuitRecorder app;
        UpdateFileBesideTests updateFile;
        VirtualController device;
        std::unique_ptr<MainComponent> component;
    };

    const juce::StringArray version105 { "--version-text", "1.05", "--version-word", "0x01050000" };

    //==============================================================================
    TEST_F (Events, OkWithoutAControllerShowsE21AndStartsNothing)
    {
        build (false);
        press (ok());

        EXPECT_EQ (component->m_status, ERR_NOT_CONNECTED);
        EXPECT_FALSE (component->isThreadRunning());
        EXPECT_FALSE (ok()->isVisible());
        EXPECT_EQ (cancel()->getButtonText(), "Close");
    }

    TEST_F (Events, OkWithAControllerStartsTheWorkerOnceAndStartConfirms)
    {
        updateFile.make (version105);
        build (true);

        press (ok());
        EXPECT_TRUE (component->isThreadRunning());
        EXPECT_EQ (component->m_status, STS_IDLE);

        // A second press while the worker still checks starts no second one.
        press (ok());
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        EXPECT_EQ (device.controller().count (Request::mode), 1);
        EXPECT_FALSE (component->m_confirmed);

        press (ok());
        EXPECT_TRUE (component->m_confirmed);
        EXPECT_GE (component->m_status.load(), STS_PREPARE);
        EXPECT_EQ (app.quits, 0);
    }

    TEST_F (Events, CancelOnTheLanguageScreenQuitsWithoutAReport)
    {
        build (true);
        press (cancel());
        GuiTestEnvironment::pump (50);

        EXPECT_EQ (app.quits, 1);
        EXPECT_TRUE (device.controller().received().empty());
    }

    TEST_F (Events, CloseOnTheConfirmationSendsOneRebootReportThenQuits)
    {
        updateFile.make (version105);
        build (true);
        press (ok());
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));

        const auto before = juce::Time::getMillisecondCounter();
        press (cancel());
        const auto waited = juce::Time::getMillisecondCounter() - before;

        EXPECT_EQ (app.quits, 1);
        EXPECT_FALSE (component->isThreadRunning());
        EXPECT_GE (waited, 990u);

        ASSERT_TRUE (device.controller().waitFor (Request::reboot, 1, 2000));
        const auto received = device.controller().received();
        ASSERT_EQ (device.controller().count (Request::reboot), 1);
        EXPECT_EQ (received.back().report[0], 0xF0);
        EXPECT_EQ (received.back().report[1], 0x09);
        EXPECT_TRUE (std::all_of (received.back().report.begin() + 2, received.back().report.end(), [] (auto b) { return b == 0; }));
    }

    TEST_F (Events, OkOnTheCompletionQuitsOnlyOnceTheWorkerHasFinished)
    {
        updateFile.make ({ "--version-text", "1.00", "--version-word", "0x01000000" });
        build (true);
        press (ok());
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        press (ok());
        ASSERT_TRUE (waitForStatus (STS_COMPLETE));

        component->m_finished = 0;
        press (ok());
        EXPECT_EQ (app.quits, 0);

        component->m_finished = 1;
        press (ok());
        EXPECT_EQ (app.quits, 1);
    }

    TEST_F (Events, ARemovalOnTheLanguageScreenChangesNothing)
    {
        build (true);
        device.unplug();
        GuiTestEnvironment::pumpUntil ([&] { return component->m_pHidCtrl->m_connected == 0; }, 5000);

        EXPECT_EQ (component->m_status, STS_IDLE);
        EXPECT_TRUE (component->m_pLangBox->isVisible());
    }

    TEST_F (Events, ARemovalWhileWritingStopsTheWorkerWithE37)
    {
        updateFile.make (version105);
        build (true);
        press (ok());
        ASSERT_TRUE (waitForStatus (STS_CONFIRM));
        press (ok());
        ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return device.controller().count (Request::data) >= 10; }, 20000));

        device.unplug();
        ASSERT_TRUE (GuiTestEnvironment::pumpUntil ([&] { return ! component->isThreadRunning(); }, 6000));
        GuiTestEnvironment::pump (50);

        EXPECT_EQ (component->m_status, ERR_REMOVED);
        EXPECT_EQ (component->getWidth(), 800);
        EXPECT_TRUE (cancel()->isVisible());
    }

    TEST_F (Events, AShortInputReportReplacesOnlyItsOwnBytes)
    {
        build (true);
        std::fill (std::begin (component->m_recvBuf), std::end (component->m_recvBuf), 0xAA);

        auto& ctrl = *component->m_pHidCtrl;
        for (int i = 0; i < 10; ++i)
            ctrl.m_input[i] = (unsigned char) (0xF0 + i);
        ctrl.m_inputLength = 10;

        component->inputCallBack (0);

        for (int i = 0; i < 10; ++i)
            EXPECT_EQ (component->m_recvBuf[i], 0xF0 + i);
        for (int i = 10; i < 64; ++i)
            EXPECT_EQ (component->m_recvBuf[i], 0xAA) << i;
        for (auto b : ctrl.m_input)
            EXPECT_EQ (b, 0);
        EXPECT_EQ (ctrl.m_inputLength, 10u);

        // Nobody waits while the worker does not run: nothing is signalled.
        EXPECT_FALSE (component->m_event.wait (0));
    }

    TEST_F (Events, PickingALanguageSwitchesTextsAndTitlePickingItAgainOnlyRedraws)
    {
        build (false);
        juce::Component window;
        window.addAndMakeVisible (component.get());

        component->m_pLangBox->setSelectedId (LANG_JA + 1, juce::dontSendNotification);
        component->comboBoxChanged (component->m_pLangBox);

        EXPECT_EQ (TxtLoader::getInstance()->m_langId, LANG_JA);
        EXPECT_EQ (window.getName(), TxtLoader::getInstance()->getString (STRID_STR_0000));
        EXPECT_EQ (ok()->getButtonText(), "OK");
        EXPECT_EQ (cancel()->getButtonText(), juce::String (L"\u30ad\u30e3\u30f3\u30bb\u30eb"));

        component->comboBoxChanged (component->m_pLangBox);
        EXPECT_EQ (TxtLoader::getInstance()->m_langId, LANG_JA);

        window.removeAllChildren();
    }
}
