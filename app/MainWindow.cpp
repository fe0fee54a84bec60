#include "MainWindow.h"

#include "MainComponent.h"

MainWindow::MainWindow()
    : juce::DocumentWindow ("KPX-TLK4 update program", juce::Colour (234, 234, 234), 0, true),
      m_pMainComponent (nullptr)
{
    m_pMainComponent = new MainComponent();
    m_pMainComponent->setSize (404, 126);

    // The native title bar is chosen before the window takes its content: a window fitted to
    // the content around a framework title bar, which the native one then replaces, would hand
    // its whole area to the content and leave it larger than the 404 × 126 every place on the
    // screen is computed from.
    setUsingNativeTitleBar (true);
    setContentOwned (m_pMainComponent, true);
    setResizable (false, false);
    centreWithSize (getWidth(), getHeight());
    setAlwaysOnTop (true);
    setVisible (true);
}

MainWindow::~MainWindow() = default;

void MainWindow::closeButtonPressed()
{
    juce::JUCEApplication::getInstance()->systemRequestedQuit();
}

void MainWindow::childBoundsChanged (juce::Component* child)
{
    const int widthBefore = getWidth();
    juce::DocumentWindow::childBoundsChanged (child);

    // The failure screen enlarges the content for good: centred again, the window keeps all of
    // it in view, Close included, where growing from its old corner would run off the screen.
    if (getWidth() > widthBefore)
        centreWithSize (getWidth(), getHeight());
}

void MainWindow::activeWindowStatusChanged()
{
    juce::DocumentWindow::activeWindowStatusChanged();

    if (isActiveWindow() && m_pMainComponent != nullptr)
        m_pMainComponent->repaint();
}
