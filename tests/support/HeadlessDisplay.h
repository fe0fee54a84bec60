#pragma once

#include <cstdlib>

/** Without a display named, JUCE falls back to display :0. A test program that runs headless must
    not meet an X server that another run happens to have started there and may stop at any
    moment (X ends the program then), so it is pointed at a display that no server serves. */
inline void keepHeadlessRunOffStrayDisplays()
{
    const char* display = std::getenv ("DISPLAY");

    if (display == nullptr || *display == 0)
        setenv ("DISPLAY", ":9999", 1);
}
