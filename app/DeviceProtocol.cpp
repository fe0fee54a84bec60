// Requests and answers: one 64-byte output report out, one 64-byte input report back.

#include "MainComponent.h"
#include "ProtocolCodes.h"
#include "UpdateFileFormat.h"

#include <HidCtrl.h>

namespace
{
    constexpr int answerTimeoutMs = 10000;
    constexpr int rebootAnswerTimeoutMs = 1000;
    constexpr int pauseAfterIoMs = 6;

    constexpr int reasonGeneral = 5;

    /** The identifier for an error answer to the mode query. */
    int modeQueryError (int reason)
    {
        switch (reason)
        {
            case 1:  return ERR_DEV_REASON_1;
            case 2:  return ERR_DEV_REASON_2;
            case 3:  return ERR_DEV_REASON_3;
            case 4:  return ERR_DEV_REASON_4;
            default: return ERR_GENERAL;
        }
    }
}

//==============================================================================
void MainComponent::buildRequest (unsigned char target, unsigned char command)
{
    std::fill (std::begin (m_sendBuf), std::end (m_sendBuf), 0);
    m_sendBuf[0] = target;
    m_sendBuf[1] = command;
}

void MainComponent::putLittleEndian (int offset, juce::uint32 value)
{
    for (int i = 0; i < 4; ++i)
        m_sendBuf[offset + i] = (unsigned char) (value >> (8 * i));
}

bool MainComponent::answerEchoesRequest() const
{
    return m_answer[0] == m_sendBuf[0];
}

/** True when the answer is the one to the request just sent, and carries the code. Once the
    user has confirmed, an answer from another target is no acceptance of what was sent: the
    firmware path takes only answers that echo their request. */
bool MainComponent::answerIs (unsigned char code) const
{
    return answerEchoesRequest() && m_answer[1] == code;
}

bool MainComponent::exchange (int timeoutMs)
{
    auto mustNotSend = [this] { return threadShouldExit() || m_status == ERR_REMOVED; };
    bool answered = true;

    if (! mustNotSend())
    {
        // A report that came before this request is no answer to it.
        m_event.reset();

        // Looked at again after the reset: a stop that came in between raised its flag before
        // its signal, which the reset may have taken.
        if (! mustNotSend())
        {
            if (m_pHidCtrl != nullptr)
                m_pHidCtrl->sendData (m_sendBuf, sizeof (m_sendBuf));

            answered = m_event.wait (timeoutMs);

            if (answered)
            {
                {
                    const juce::ScopedLock sl (m_recvLock);
                    std::memcpy (m_answer, m_recvBuf, sizeof (m_answer));
                }

                if (! answerEchoesRequest() || (m_answer[1] == RSP_ERROR && m_answer[2] == reasonGeneral))
                    m_status.store (ERR_GENERAL);
            }
        }
    }

    if (m_sleepAfterIo)
        juce::Thread::sleep (pauseAfterIoMs);

    return answered;
}

bool MainComponent::SendDataAndWaitResponse()
{
    return exchange (answerTimeoutMs);
}

bool MainComponent::SendDataAndWaitResponseForReboot()
{
    return exchange (rebootAnswerTimeoutMs);
}

//==============================================================================
bool MainComponent::CheckDeviceMode()
{
    buildRequest (TGT_SYSTEM, CMD_MODE);

    if (! SendDataAndWaitResponse())
    {
        m_status.store (ERR_TIMEOUT);
        return false;
    }

    if (m_answer[1] == RSP_UPDATE_MODE)
        return true;

    m_status.store (m_answer[1] == RSP_ERROR ? modeQueryError (m_answer[2]) : ERR_GENERAL);
    return false;
}

bool MainComponent::CheckDeviceVersion()
{
    buildRequest (TGT_SYSTEM, CMD_VERSION);

    if (! SendDataAndWaitResponse())
    {
        m_status.store (ERR_TIMEOUT);
        return false;
    }

    if (m_answer[1] != RSP_VERSION)
    {
        m_status.store (ERR_GENERAL);
        return false;
    }

    m_devSysVer = UpdateFileFormat::readBigEndian32 (m_answer + 2);

    if (! UpdateFileFormat::versionWordInRange (m_answer + 2))
    {
        m_status.store (ERR_DEVICE_VERSION);
        return false;
    }

    const bool sameVersion = m_devSysVer == m_updSysVer;
    m_updArea[0].status = sameVersion ? UPD_SKIP : UPD_WRITE;

    if (sameVersion)
        m_updArea[2].size = 0x1000;

    // A device without a version text answers four 0xFF bytes: its firmware is "0.00".
    auto* text = m_answer + 7;

    if (text[0] == 0xFF && text[1] == 0xFF && text[2] == 0xFF && text[3] == 0xFF)
        std::memcpy (text, "0.00", 4);

    m_devVersion = UpdateFileFormat::versionText (text);

    if (CheckSysVer (m_devVersion))
    {
        m_updArea[1].status = UPD_WRITE;
        m_updArea[2].status = UPD_WRITE;
    }
    else
    {
        // Writing area 0 alone into a device whose version could not be read would leave it
        // with firmware halves that do not belong together: nothing is selected.
        if (m_updArea[0].status == UPD_WRITE)
            m_updArea[0].status = UPD_READY;

        m_status.store (ERR_DEVICE_VERSION);
    }

    return true;
}
