// What the user's clicks and the controller's events do.

#include "MainComponent.h"
#include "ProtocolCodes.h"

#include <AlineButton.h>
#include <HidCtrl.h>
#include <Loader.h>

namespace
{
    constexpr int stopTimeoutMs = 5000;
    constexpr int removalGraceMs = 100;

    bool isUpdateUnderWay (int status) { return status >= STS_CONFIRM && status <= STS_VERIFY; }
}

//==============================================================================
void MainComponent::buttonClicked (juce::Button* b)
{
    const int status = m_status;

    if (b == m_pOkButton)
    {
        if (status == STS_IDLE)
        {
            const bool connected = m_pHidCtrl != nullptr && m_pHidCtrl->m_connected != 0;

            // A second press while the worker starts must not reset the event: it may already
            // carry the controller's first answer.
            if (connected && ! isThreadRunning())
            {
                m_event.reset();
                startThread();
            }
            else if (! connected)
            {
                m_status.storeWhen ([] (int current) { return current == STS_IDLE; }, ERR_NOT_CONNECTED);
            }

            UpdateDrawing();
        }
        else if (status == STS_CONFIRM)
        {
            m_confirmed = true;
            m_status.storeWhen ([] (int current) { return current == STS_CONFIRM; }, STS_PREPARE);
        }
        else if (! m_confirmed || (status == STS_COMPLETE && m_finished == 1))
        {
            runQuitSequence();
        }
    }
    else if (b == m_pCancelButton)
    {
        if (status != STS_IDLE && m_pHidCtrl != nullptr && m_pHidCtrl->m_connected != 0)
            sendRebootReport();

        runQuitSequence();
    }
}

void MainComponent::sendRebootReport()
{
    // The worker holds the exchange lock while one of its exchanges is under way, and its answer
    // can only come through this thread: waiting for the lock here would stall both. So the
    // reboot goes out only while the worker sends nothing, and is left out otherwise.
    const juce::ScopedTryLock exchangeGuard (m_exchangeLock);

    if (! exchangeGuard.isLocked())
        return;

    buildRequest (TGT_SYSTEM, CMD_REBOOT);
    SendDataAndWaitResponseForReboot();
}

void MainComponent::runQuitSequence()
{
    stopWorker();

    if (auto* app = juce::JUCEApplication::getInstance())
        app->systemRequestedQuit();
}

void MainComponent::stopWorker()
{
    // The flag is raised before the event, so that an exchange that is about to send sees one
    // or the other and never waits out its time-out.
    signalThreadShouldExit();

    {
        const juce::ScopedLock sl (m_recvLock);
        std::fill (std::begin (m_recvBuf), std::end (m_recvBuf), 0);
    }

    m_event.signal();

    if (isThreadRunning())
        stopThread (stopTimeoutMs);
}

//==============================================================================
void MainComponent::comboBoxChanged (juce::ComboBox* box)
{
    if (box != m_pLangBox)
        return;

    const int lang = m_pLangBox->getSelectedId() - 1;
    auto* loader = TxtLoader::getInstance();

    if (lang != loader->m_langId)
        loader->setLocale (static_cast<LangIdTable_t> (lang));

    m_pLangBox->resized();
    UpdateDrawing();
}

//==============================================================================
void MainComponent::removalCallBack()
{
    if (! m_status.storeWhen (isUpdateUnderWay, ERR_REMOVED))
        return;

    wait (removalGraceMs);
    m_event.signal();

    if (isThreadRunning())
        stopThread (stopTimeoutMs);

    requestRedraw();
}

void MainComponent::matchingCallBack()
{
}

void MainComponent::inputCallBack (int)
{
    const auto n = std::min<std::size_t> (m_pHidCtrl->m_inputLength, sizeof (m_recvBuf));

    if (n == 0)
        return;

    {
        const juce::ScopedLock sl (m_recvLock);
        std::memcpy (m_recvBuf, m_pHidCtrl->m_input, n);
    }

    std::fill (std::begin (m_pHidCtrl->m_input), std::end (m_pHidCtrl->m_input), 0);

    if (isThreadRunning())
        m_event.signal();
}
