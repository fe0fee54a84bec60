#include "Application.h"

#include "MainComponent.h"
#include "MainWindow.h"

namespace
{
    constexpr int quitRetryMs = 100;
}

Application::Application()
    : m_pMainWindow (nullptr)
{
}

Application::~Application() = default;

//==============================================================================
const juce::String Application::getApplicationName()
{
    return "ZIRIDU4VozediZedozor";
}

const juce::String Application::getApplicationVersion()
{
    return "1.0.0";
}

bool Application::moreThanOneInstanceAllowed()
{
    return false;
}

void Application::initialise (const juce::String&)
{
    m_pMainWindow = new MainWindow();
    m_instanceChannel.listen (getApplicationName(), [this] { anotherInstanceStarted ({}); });
    m_quitSignals = std::make_unique<QuitSignals> ([this] { systemRequestedQuit(); });
}

void Application::shutdown()
{
    // Without a window this is the second start of the program, which the framework refused
    // before initialise: it asks the running one to come forward, then ends.
    if (m_pMainWindow == nullptr)
    {
        InstanceChannel::askRunningInstanceToComeForward (getApplicationName());
        return;
    }

    stopTimer();
    m_quitSignals.reset();
    m_instanceChannel.close();
    delete m_pMainWindow;
}

void Application::anotherInstanceStarted (const juce::String&)
{
    if (m_pMainWindow != nullptr && m_pMainWindow->isVisible())
    {
        m_pMainWindow->toFront (true);

        // A window manager brings the window forward on the framework's request; the keyboard
        // focus is asked for as well, so that it follows where no window manager does.
        if (auto* content = m_pMainWindow->getMainComponent())
            content->grabKeyboardFocus();
    }
}

void Application::systemRequestedQuit()
{
    // While firmware is being written, ending the program would leave the controller with half
    // a firmware: the quit waits until the worker has finished or failed, then goes ahead.
    auto* content = m_pMainWindow != nullptr ? m_pMainWindow->getMainComponent() : nullptr;

    if (content != nullptr && content->isWritingFirmware())
    {
        startTimer (quitRetryMs);
        return;
    }

    quitInOrder();
}

void Application::timerCallback()
{
    systemRequestedQuit();
}

void Application::quitInOrder()
{
    stopTimer();

    // Every way out stops the worker and lets go of the controller before the window goes.
    if (m_pMainWindow != nullptr)
        if (auto* content = m_pMainWindow->getMainComponent())
            content->shutDownEngine();

    quit();
}
