#pragma once

#include "ProgressRelay.h"
#include "UpdArea.h"
#include "UpdateStatus.h"

#include <CustomLookAndFeel.h>
#include <HidHandler.h>
#include <Table.h>

#include <juce_gui_basics/juce_gui_basics.h>

class AlineButton;
class HidCtrl;

/**
    The centre of the program: the window's content, which draws every screen from the status
    code; the owner of the widgets and of the HID controller; the receiver of device events; and
    the update worker itself ("UpdatingThread"), whose run() carries out the update.

    Everything but run() and the engine operations runs on the message thread.
*/
class MainComponent : public juce::Component,
                      public juce::AsyncUpdater,
                      public juce::Thread,
                      public HidHandler,
                      public juce::ComboBox::Listener,
                      public juce::Button::Listener
{
public:
    MainComponent();
    ~MainComponent() override;

    //==============================================================================
    void paint (juce::Graphics&) override;
    void resized() override;
    void run() override;
    void comboBoxChanged (juce::ComboBox*) override;
    void buttonClicked (juce::Button*) override;
    void handleAsyncUpdate() override;
    void removalCallBack() override;
    void matchingCallBack() override;
    void inputCallBack (int) override;

    //==============================================================================
    /** Rebuilds the whole screen from the status and the current language. */
    void UpdateDrawing();

    //==============================================================================
    /** True while firmware is being written into the controller (statuses 2 to 7), when
        stopping would leave it half written. */
    bool isWritingFirmware() const noexcept;

    /** Stops the worker and lets go of the controller, so that nothing runs on or calls into
        this component any more. Safe to call more than once. */
    void shutDownEngine();

    //==============================================================================
    // The engine, on the worker thread.
    bool CheckDeviceMode();
    bool CheckDeviceVersion();
    bool SendDataAndWaitResponse();
    bool SendDataAndWaitResponseForReboot();
    void CheckUpdFile();
    int ParseUpdFile (const juce::File& file, int expectedSize, unsigned int* sysVer, juce::String& version);
    bool CheckSysVer (juce::String& text);
    unsigned short CalcCRC (const unsigned char* data, long length);

    /** XORs words 16-bit words of buf in place with the mask derived from the stored CRC. */
    static void Descramble (unsigned char* buf, long words, unsigned short storedCrc, const juce::uint64* crcTable);

    /** Whether an operating-system type pauses after each exchange, and whether the worker
        releases the HID controller at the end of a completed update. */
    static bool sleepsAfterIo (int osType) noexcept { return osType <= 262; }
    static bool workerReleasesHidCtrl (int osType) noexcept { return osType >= 0x10F; }

    //==============================================================================
    juce::GlyphArrangement m_textLayout;
    juce::LangLookAndFeel m_langLookAndFeel;
    juce::ComboBox* m_pLangBox;
    ProgressLookAndFeel* m_pProgressLookAndFeel;
    double m_progress;                      ///< what the bar shows; message thread only
    juce::ProgressBar* m_pProgressBar;
    AlineButton* m_pOkButton;
    AlineButton* m_pCancelButton;
    juce::CriticalSection m_lock;
    juce::WaitableEvent m_event;
    UpdArea m_updArea[3];
    juce::int64 m_totalSize;
    UpdateStatus m_status;
    std::atomic<int> m_updFileState;
    unsigned int m_updSysVer;
    unsigned int m_devSysVer;
    juce::String m_updVersion;
    juce::String m_devVersion;
    int m_blockSum;
    unsigned short m_fileCrc;
    bool m_scrambled;
    HidCtrl* m_pHidCtrl;
    unsigned char m_sendBuf[64];
    unsigned char m_recvBuf[64];
    std::atomic<int> m_curArea;
    std::atomic<bool> m_area0Selected;
    std::atomic<bool> m_confirmed;
    std::atomic<int> m_finished;
    bool m_sleepAfterIo;
    juce::uint16 m_osType;
    juce::uint64 m_crcTable[256];

    /** The progress as the worker computes it; handed to m_progress on the message thread. */
    std::atomic<double> m_workerProgress;

private:
    //==============================================================================
    // The screens.

    /** Everything a screen is made from: two updates with the same key draw the same screen. */
    struct ScreenKey
    {
        int status, langId, width, height, updFileState, curArea;
        bool area0Selected, inWindow;
        juce::String devVersion, updVersion;

        bool operator== (const ScreenKey& o) const
        {
            return status == o.status && langId == o.langId && width == o.width && height == o.height
                && updFileState == o.updFileState && curArea == o.curArea && area0Selected == o.area0Selected
                && inWindow == o.inWindow && devVersion == o.devVersion && updVersion == o.updVersion;
        }
    };

    ScreenKey currentScreenKey() const;
    void layOutText (const juce::String& text, juce::Rectangle<int> region, int styleFlags, float minimumHorizontalScale = 0.0f);
    float lowerEdgeOfText();
    juce::String formatted (StrIdTable_t id, const juce::String& a, const juce::String& b = {}) const;
    void layOutMessageText (int status, bool& screenWasRedrawn);
    void layOutAboveWidgetRow (const juce::String& heading, const juce::String& body);
    juce::Rectangle<int> rightHandPlace() const;
    juce::Rectangle<int> leftHandPlace() const;
    void showWidgetsFor (int status);
    void applyProgressColour();
    void publishProgress();
    void moveKeyboardFocus (int status);
    void requestRedraw();

    //==============================================================================
    // Stopping.
    void sendRebootReport();
    void runQuitSequence();
    void stopWorker();
    void releaseHidCtrlAfterCompletion();

    //==============================================================================
    // The protocol and the worker's steps.
    void buildRequest (unsigned char target, unsigned char command);
    void putLittleEndian (int offset, juce::uint32 value);
    bool exchange (int timeoutMs);
    bool answerEchoesRequest() const;
    bool answerIs (unsigned char code) const;

    void runExchangingStep (int status);
    void afterStep();
    void stopCycling();
    void finish();
    void endAfterCompletion();
    void storeAnswerOutcome (bool answered, int nextStatus);
    void firstCycle();
    void prepare();
    void announceBlock();
    void sendBlock();
    bool sendChunkRequest();
    void sendBlockSum();
    void pollBlock();

    //==============================================================================
    juce::String m_fontName;                ///< the typeface of the screen's text, as the loader names it
    std::unique_ptr<ScreenKey> m_drawnScreen;
    ProgressRelay m_progressRelay;
    juce::CriticalSection m_exchangeLock;   ///< keeps the reboot exchange and the worker's apart
    juce::CriticalSection m_recvLock;       ///< guards m_recvBuf between the report callback and the worker
    unsigned char m_answer[64] {};          ///< the worker's copy of the answer it waited for
    std::atomic<bool> m_hidCtrlReleaseDue { false };

    // The worker's own position in the update; touched by the worker thread only.
    int m_pause = 1;
    int m_updKind = 0;
    int m_readOffset = 0;
    juce::int64 m_alreadySentDataSize = 0;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainComponent)
};
