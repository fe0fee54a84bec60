// Shows the language list with its drop-down open, for a look at every language name on a real
// display (the screenshot script runs it). Not part of the product.

#include <CustomLookAndFeel.h>
#include <StrRes.h>
#include <Table.h>

int main (int argc, char** argv)
{
    const int seconds = argc > 1 ? juce::String (argv[1]).getIntValue() : 5;

    juce::ScopedJuceInitialiser_GUI gui;
    juce::LangLookAndFeel lookAndFeel;
    juce::LookAndFeel::setDefaultLookAndFeel (&lookAndFeel);

    {
        juce::Component window;
        juce::ComboBox list ("langs");

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            list.addItem (StrRes::LANGUAGE_SELECTION[lang], lang + 1);

        list.setSelectedId (LANG_JA + 1, juce::dontSendNotification);
        list.setLookAndFeel (&lookAndFeel);
        list.setBounds (102, 48, 200, 22);

        window.setBounds (20, 20, 404, 126);
        window.addAndMakeVisible (list);
        window.addToDesktop (juce::ComponentPeer::windowHasDropShadow);
        window.setVisible (true);

        // Opened once the window is mapped and has the focus: a menu closes when its program
        // has no focused window.
        window.toFront (true);
        juce::Timer::callAfterDelay (500, [&list] { list.showPopup(); });
        juce::MessageManager::getInstance()->runDispatchLoopUntil (seconds * 1000);

        list.setLookAndFeel (nullptr);
        juce::PopupMenu::dismissAllActiveMenus();
    }

    juce::LookAndFeel::setDefaultLookAndFeel (nullptr);
    return 0;
}
