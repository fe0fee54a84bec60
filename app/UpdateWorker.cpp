// The update worker: a state machine over the status code, one step per cycle.

#include "MainComponent.h"
#include "ProtocolCodes.h"

#include <HidCtrl.h>

namespace
{
    constexpr int blockSize = 0x20000;
    constexpr int chunkSize = 62;
    constexpr int fastPauseMs = 1;
    constexpr int pollPauseMs = 100;

    /** Statuses whose step exchanges reports with the controller. */
    bool stepExchanges (int status)
    {
        return status == STS_IDLE || (status >= STS_PREPARE && status <= STS_VERIFY);
    }
}

//==============================================================================
void MainComponent::run()
{
    m_pause = fastPauseMs;

    // What the last redraw request showed: while the worker only waits for the user, a thousand
    // requests a second would each redraw the same screen.
    int shownStatus = -1, shownArea = -1;

    for (;;)
    {
        if (m_status != shownStatus || m_updKind != shownArea)
        {
            shownStatus = m_status;
            shownArea = m_updKind;
            requestRedraw();
        }

        wait (m_pause);
        m_curArea = m_updKind;

        const int status = m_status;

        if (stepExchanges (status))
        {
            // Held for the whole step, so that the reboot exchange of the message thread never
            // interleaves with one of ours on the shared buffers and event.
            const juce::ScopedLock exchangeGuard (m_exchangeLock);
            runExchangingStep (status);
            afterStep();
        }
        else if (status == STS_CONFIRM)
        {
            // Waiting for the user.
        }
        else if (status == STS_COMPLETE)
        {
            endAfterCompletion();
        }
        else
        {
            if (status != ERR_REMOVED)
                m_status.store (ERR_GENERAL);

            stopCycling();
        }

        if (threadShouldExit())
            return;
    }
}

void MainComponent::runExchangingStep (int status)
{
    switch (status)
    {
        case STS_IDLE:      firstCycle(); break;
        case STS_PREPARE:   prepare(); break;
        case STS_SET_ADDR:  announceBlock(); break;
        case STS_SEND_DATA: sendBlock(); break;
        case STS_SEND_SUM:  sendBlockSum(); break;
        case STS_VERIFY:    pollBlock(); break;
        default:            break;
    }
}

//==============================================================================
void MainComponent::stopCycling()
{
    requestRedraw();
    signalThreadShouldExit();
}

void MainComponent::afterStep()
{
    const int status = m_status;

    if (status == STS_WRITTEN)
        finish();
    else if (status == STS_COMPLETE)
        endAfterCompletion();
    else if (isErrorStatus (status))
        stopCycling();
}

void MainComponent::finish()
{
    m_workerProgress = 1.0;

    // The finish report is no exchange: nothing is awaited.
    buildRequest (TGT_SYSTEM, CMD_FINISH);

    if (m_pHidCtrl != nullptr)
        m_pHidCtrl->sendData (m_sendBuf, sizeof (m_sendBuf));

    m_status.store (STS_COMPLETE);
}

void MainComponent::endAfterCompletion()
{
    // The controller is scheduled with the message thread, so it is released there.
    if (workerReleasesHidCtrl (m_osType))
        m_hidCtrlReleaseDue = true;

    requestRedraw();
    signalThreadShouldExit();
    m_finished = 1;
}

void MainComponent::releaseHidCtrlAfterCompletion()
{
    if (m_pHidCtrl == nullptr)
        return;

    m_pHidCtrl->finalize();
    delete m_pHidCtrl;
    m_pHidCtrl = nullptr;
}

/** Stores the stage that follows a step's answer, or the error it gives. */
void MainComponent::storeAnswerOutcome (bool answered, int nextStatus)
{
    if (! answered)
        m_status.store (ERR_TIMEOUT);
    else if (answerIs (RSP_OK))
        m_status.store (nextStatus);
    else
        m_status.store (ERR_GENERAL);
}

//==============================================================================
void MainComponent::firstCycle()
{
    if (! CheckDeviceMode())
        return;

    CheckUpdFile();

    if (m_updFileState == 8)
        CheckDeviceVersion();

    for (auto& area : m_updArea)
        if (area.status == UPD_WRITE)
            m_totalSize += area.size;

    if (m_totalSize > 0)
        m_status.store (STS_CONFIRM);
    else if (! isErrorStatus (m_status))
        m_status.store (ERR_GENERAL);
}

void MainComponent::prepare()
{
    m_updKind = 0;

    while (m_updKind < 3 && m_updArea[m_updKind].status != UPD_WRITE)
        ++m_updKind;

    if (m_updKind > 1)
    {
        // Area 2 is never written first: the version query selects areas 1 and 2 together.
        m_status.store (ERR_GENERAL);
        return;
    }

    m_area0Selected = m_updKind == 0;

    buildRequest (m_updArea[m_updKind].id, CMD_PREPARE);
    putLittleEndian (2, 0x1C0000);
    m_sendBuf[6] = 0xFF;
    putLittleEndian (7, m_updKind == 0 ? 0x10000 : 0x1000);

    storeAnswerOutcome (SendDataAndWaitResponse(), STS_SET_ADDR);
}

void MainComponent::announceBlock()
{
    if (m_updKind > 2)
    {
        m_status.store (STS_WRITTEN);
        return;
    }

    const auto& area = m_updArea[m_updKind];

    if (area.status != UPD_WRITE)
    {
        ++m_updKind;
        m_curArea = m_updKind;
        return;
    }

    const auto sent = m_alreadySentDataSize;

    buildRequest (area.id, CMD_ADDR);
    putLittleEndian (2, (juce::uint32) (area.address + sent));
    m_sendBuf[6] = 0xFF;
    putLittleEndian (7, (juce::uint32) std::min<juce::int64> (area.size - sent, blockSize));

    storeAnswerOutcome (SendDataAndWaitResponse(), STS_SEND_DATA);
}

void MainComponent::sendBlock()
{
    const auto& area = m_updArea[m_updKind];
    std::unique_ptr<juce::FileInputStream> stream (area.file.createInputStream());

    if (stream == nullptr)
    {
        m_status.store (ERR_FILE_OPEN);
        return;
    }

    const int remaining = (int) (area.size - m_alreadySentDataSize);
    const int b = std::max (0, std::min (remaining, blockSize));

    // A short read leaves the rest of the block zero.
    std::vector<unsigned char> block ((size_t) b, 0);
    stream->setPosition (area.offset + m_readOffset);
    stream->read (block.data(), b);
    stream.reset();

    if (m_scrambled && b / 2 > 0)
        Descramble (block.data(), b / 2, m_fileCrc, m_crcTable);

    const double startProgress = m_workerProgress;

    for (int k = 0; k < b; k += chunkSize)
    {
        m_workerProgress = startProgress + (double) k / (double) m_totalSize;

        const bool lastChunk = k + chunkSize >= b;
        const int n = lastChunk ? b - k : chunkSize;
        m_alreadySentDataSize += n;

        if (lastChunk)
        {
            buildRequest (area.id, CMD_LAST);
            m_sendBuf[2] = (unsigned char) n;

            if (! sendChunkRequest())
                return;
        }

        buildRequest (area.id, CMD_DATA);
        std::memcpy (m_sendBuf + 2, block.data() + k, (size_t) n);

        if (! sendChunkRequest())
            return;
    }

    if (m_status == STS_SEND_DATA)
    {
        int sum = 0;

        for (auto byte : block)
            sum += byte;

        m_blockSum = sum;
        m_status.store (STS_SEND_SUM);
    }
}

bool MainComponent::sendChunkRequest()
{
    if (! SendDataAndWaitResponse())
    {
        m_status.store (ERR_TIMEOUT);
        return false;
    }

    if (threadShouldExit())
        return false;

    // A refused chunk does not end the block: the rest goes out, and the worker stops after it.
    if (! answerIs (RSP_OK))
        m_status.store (ERR_GENERAL);

    return true;
}

void MainComponent::sendBlockSum()
{
    buildRequest (m_updArea[m_updKind].id, CMD_SUM);
    putLittleEndian (2, (juce::uint32) m_blockSum);

    const bool answered = SendDataAndWaitResponse();

    if (answered && answerIs (RSP_OK))
        m_pause = pollPauseMs;

    if (answered && answerIs (RSP_ERROR) && m_answer[2] == 2)
        m_status.store (ERR_DEV_REASON_2);
    else
        storeAnswerOutcome (answered, STS_VERIFY);
}

void MainComponent::pollBlock()
{
    const auto& area = m_updArea[m_updKind];
    buildRequest (area.id, CMD_VERIFY);

    if (! SendDataAndWaitResponse())
    {
        m_status.store (ERR_TIMEOUT);
        return;
    }

    if (answerIs (RSP_BUSY_A) || answerIs (RSP_BUSY_B))
        return;

    if (answerIs (RSP_DONE))
    {
        m_pause = fastPauseMs;

        if (m_readOffset + blockSize < area.size)
        {
            m_readOffset += blockSize;
        }
        else
        {
            ++m_updKind;
            m_curArea = m_updKind;
            m_alreadySentDataSize = 0;
            m_readOffset = 0;
        }

        m_status.store (STS_SET_ADDR);
        return;
    }

    if (answerIs (RSP_ERROR) && m_answer[2] == 4)
        m_status.store (ERR_DEV_REASON_4);
    else if (answerIs (RSP_ERROR) && m_answer[2] == 3)
        m_status.store (ERR_DEV_REASON_3);
    else
        m_status.store (ERR_GENERAL);
}
