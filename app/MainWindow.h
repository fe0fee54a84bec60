#pragma once

#include <juce_gui_basics/juce_gui_basics.h>

class MainComponent;

/** The program's one window: fixed in size, always on top, with a native title bar and no
    title-bar buttons. Its whole content is the main component. */
class MainWindow : public juce::DocumentWindow
{
public:
    MainWindow();
    ~MainWindow() override;

    /** The content component. */
    MainComponent* getMainComponent() const noexcept { return m_pMainComponent; }

    /** A window manager's close button asks the application to quit. */
    void closeButtonPressed() override;

    /** The screen's focus rule runs at paint time: a window that becomes active paints again,
        so that the rule also holds when the first paint came before the window had the focus. */
    void activeWindowStatusChanged() override;

    /** Follows the content's size, and stays centred on the screen when it grows. */
    void childBoundsChanged (juce::Component* child) override;

private:
    MainComponent* m_pMainComponent;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (MainWindow)
};
