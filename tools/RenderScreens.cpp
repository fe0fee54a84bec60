// Renders every screen in every language to PNG files for translators and reviewers:
//
//   render-screens OUTDIR
//
// Files are named LANG-STATUS.png, with the language code and the status in hexadecimal
// (en-0.png, ja-e21.png); the writing screens of a run without area 0 add -area1. Each screen
// comes from a real main component, with the version pair 1.00 / 1.05 where versions show.

#include <MainComponent.h>
#include <Table.h>

#include <cstdio>

namespace
{
    struct Shot
    {
        int status;
        bool area1;
    };

    const Shot shots[] = {
        { STS_IDLE, false }, { STS_CONFIRM, false },
        { STS_SET_ADDR, false }, { STS_SEND_DATA, false }, { STS_SEND_SUM, false }, { STS_VERIFY, false },
        { STS_SET_ADDR, true }, { STS_SEND_DATA, true }, { STS_SEND_SUM, true }, { STS_VERIFY, true },
        { STS_COMPLETE, false },
        { ERR_FILE_NOT_FOUND, false }, { ERR_FILE_LOAD, false }, { ERR_FILE_SIZE, false }, { ERR_FILE_VERSION, false }, { ERR_FILE_CRC, false },
        { ERR_NOT_CONNECTED, false }, { ERR_GENERAL, false }
    };

    constexpr double shownProgress = 0.25;

    bool isWriting (int status) { return status >= STS_SET_ADDR && status <= STS_VERIFY; }

    void show (MainComponent& screen, int status)
    {
        screen.m_status.storeWhen ([] (int) { return true; }, status);
        screen.UpdateDrawing();
    }

    juce::String fileNameFor (int lang, const Shot& shot)
    {
        return plangList[lang] + "-" + juce::String::toHexString (shot.status) + (shot.area1 ? "-area1" : "") + ".png";
    }

    bool render (int lang, const Shot& shot, const juce::File& folder)
    {
        juce::Component window;
        MainComponent screen;
        window.addAndMakeVisible (screen);
        window.setSize (404, 126);

        // Picked in the list as a user would, so that the list and the texts agree.
        screen.m_pLangBox->setSelectedId (lang + 1, juce::dontSendNotification);
        screen.comboBoxChanged (screen.m_pLangBox);
        screen.m_devVersion = "1.00";
        screen.m_updVersion = "1.05";
        screen.m_updFileState = 8;
        screen.m_curArea = shot.area1 ? 1 : 0;
        screen.m_area0Selected = ! shot.area1;
        screen.m_workerProgress = shownProgress;
        screen.setSize (404, 126);

        // The completion screen keeps the buttons of the writing screens before it.
        if (shot.status == STS_COMPLETE)
            show (screen, STS_VERIFY);

        show (screen, shot.status);

        // The bar moves towards its value at its own pace; give it the time to get there.
        if (isWriting (shot.status))
            juce::MessageManager::getInstance()->runDispatchLoopUntil (400);

        const auto image = screen.createComponentSnapshot (screen.getLocalBounds());
        auto file = folder.getChildFile (fileNameFor (lang, shot));
        file.deleteFile();
        juce::FileOutputStream out (file);
        return out.openedOk() && juce::PNGImageFormat().writeImageToStream (image, out);
    }
}

int main (int argc, char* argv[])
{
    if (argc != 2)
    {
        std::fprintf (stderr, "usage: render-screens OUTDIR\n");
        return 2;
    }

    juce::ScopedJuceInitialiser_GUI gui;
    const auto folder = juce::File::getCurrentWorkingDirectory().getChildFile (argv[1]);

    if (! folder.createDirectory())
    {
        std::fprintf (stderr, "render-screens: cannot create %s\n", folder.getFullPathName().toRawUTF8());
        return 1;
    }

    int failures = 0;

    for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        for (auto& shot : shots)
            if (! render (lang, shot, folder))
            {
                std::fprintf (stderr, "render-screens: cannot write %s\n", fileNameFor (lang, shot).toRawUTF8());
                ++failures;
            }

    return failures == 0 ? 0 : 1;
}
