#include "MainComponent.h"
#include "UpdateFileFormat.h"

#include <AlineButton.h>
#include <HidCtrl.h>
#include <Loader.h>

namespace
{
    const juce::Colour background (234, 234, 234);

    void setUpButton (AlineButton& button, juce::Button::Listener& listener)
    {
        button.addListener (&listener);
        button.setStyle (juce::Font::bold);
        button.setColour (juce::TextButton::buttonColourId, background);
        button.setColour (juce::TextButton::buttonOnColourId, background);
    }
}

//==============================================================================
MainComponent::MainComponent()
    : juce::Thread ("UpdatingThread"),
      m_pLangBox (nullptr),
      m_pProgressLookAndFeel (nullptr),
      m_progress (0.0),
      m_pProgressBar (nullptr),
      m_pOkButton (nullptr),
      m_pCancelButton (nullptr),
      m_event (false),
      m_totalSize (0),
      m_updFileState (0),
      m_updSysVer (0),
      m_devSysVer (0),
      m_blockSum (0),
      m_fileCrc (0),
      m_scrambled (false),
      m_pHidCtrl (nullptr),
      m_sendBuf(),
      m_recvBuf(),
      m_curArea (0),
      m_area0Selected (false),
      m_confirmed (false),
      m_finished (0),
      m_sleepAfterIo (false),
      m_osType (0),
      m_workerProgress (0.0),
      m_progressRelay (m_workerProgress, m_progress)
{
    UpdateFileFormat::fillCrc32Table (m_crcTable);

    TxtLoader::createInstance();
    auto* loader = TxtLoader::getInstance();

    m_langLookAndFeel.setDefaultSansSerifTypefaceName ("Hiragino Maru Gothic Pro W4");
    juce::LookAndFeel::setDefaultLookAndFeel (&m_langLookAndFeel);
    juce::LookAndFeel::getDefaultLookAndFeel().setDefaultSansSerifTypefaceName ("Hiragino Maru Gothic Pro W4");

    m_pLangBox = new juce::ComboBox ("langs");
    addAndMakeVisible (m_pLangBox);
    m_pLangBox->setLookAndFeel (&m_langLookAndFeel);
    m_pLangBox->addListener (this);
    m_pLangBox->setWantsKeyboardFocus (false);

    for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        if (loader->m_langAvail[lang])
            m_pLangBox->addItem (loader->getLang (static_cast<LangIdTable_t> (lang)), lang + 1);

    m_pLangBox->setSelectedId (loader->m_langId + 1, juce::sendNotificationAsync);

    m_pProgressLookAndFeel = new ProgressLookAndFeel();
    m_pProgressBar = new juce::ProgressBar (m_progress);
    addAndMakeVisible (m_pProgressBar);
    m_pProgressBar->setLookAndFeel (m_pProgressLookAndFeel);
    m_pProgressBar->setColour (juce::ProgressBar::foregroundColourId, juce::Colour (61, 61, 61));
    m_pProgressBar->setColour (juce::ProgressBar::backgroundColourId, juce::Colour (8, 8, 8));

    m_pOkButton = new AlineButton ("OK");
    addAndMakeVisible (m_pOkButton);
    setUpButton (*m_pOkButton, *this);

    m_pCancelButton = new AlineButton ("Cancel");
    addAndMakeVisible (m_pCancelButton);
    setUpButton (*m_pCancelButton, *this);

    std::fill (std::begin (m_recvBuf), std::end (m_recvBuf), 0);

    m_pHidCtrl = new HidCtrl();
    m_pHidCtrl->initialize (this, 1);

    for (auto& area : m_updArea)
    {
        area.size = area.offset = area.address = 0;
        area.status = UPD_NONE;
        area.id = 0;
    }

    const int osType = juce::SystemStats::getOperatingSystemType();
    m_sleepAfterIo = sleepsAfterIo (osType);
    m_osType = static_cast<juce::uint16> (osType);
}

MainComponent::~MainComponent()
{
    // Whatever way the program ends, the worker stops and the controller's callbacks are gone
    // before anything that they use is deleted.
    shutDownEngine();

    delete m_pLangBox;
    m_pLangBox = nullptr;
    delete m_pProgressBar;
    m_pProgressBar = nullptr;
    delete m_pOkButton;
    m_pOkButton = nullptr;
    delete m_pCancelButton;
    m_pCancelButton = nullptr;
    delete m_pProgressLookAndFeel;
    m_pProgressLookAndFeel = nullptr;

    TxtLoader::releaseInstance();

    if (&juce::LookAndFeel::getDefaultLookAndFeel() == &m_langLookAndFeel)
        juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
}

//==============================================================================
bool MainComponent::isWritingFirmware() const noexcept
{
    const int status = m_status;
    return status >= STS_PREPARE && status <= STS_WRITTEN && isThreadRunning();
}

void MainComponent::shutDownEngine()
{
    stopWorker();
    cancelPendingUpdate();
    m_progressRelay.setActive (false);

    // The controller is released here on every system type when the worker has not released
    // it already: a controller left registered would call into a deleted component.
    if (m_pHidCtrl != nullptr)
    {
        m_pHidCtrl->finalize();
        delete m_pHidCtrl;
        m_pHidCtrl = nullptr;
    }
}

void MainComponent::requestRedraw()
{
    const juce::ScopedLock sl (m_lock);
    triggerAsyncUpdate();
}
