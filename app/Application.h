#pragma once

#include "InstanceChannel.h"
#include "QuitSignals.h"

#include <juce_gui_basics/juce_gui_basics.h>

class MainWindow;

/** The application object: the program's name and version, the one window, and a single
    running instance. */
class Application : public juce::JUCEApplication,
                    private juce::Timer
{
public:
    Application();
    ~Application() override;

    //==============================================================================
    const juce::String getApplicationName() override;
    const juce::String getApplicationVersion() override;
    bool moreThanOneInstanceAllowed() override;
    void initialise (const juce::String& commandLine) override;
    void shutdown() override;
    void anotherInstanceStarted (const juce::String& commandLine) override;
    void systemRequestedQuit() override;

private:
    void timerCallback() override;
    void quitInOrder();

    MainWindow* m_pMainWindow;
    InstanceChannel m_instanceChannel;
    std::unique_ptr<QuitSignals> m_quitSignals;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (Application)
};
