#pragma once

#include <functional>

/**
    Turns SIGINT, SIGTERM and SIGHUP (the terminal, the system and a log-out asking the program
    to end) into one call on the message thread, so that they take the same orderly way out as
    the window's own quit instead of ending the process where it stands.
*/
class QuitSignals
{
public:
    /** From now on each of the signals calls onQuitRequest on the message thread. */
    explicit QuitSignals (std::function<void()> onQuitRequest);

    /** Gives the signals back to their default actions. */
    ~QuitSignals();

private:
    std::function<void()> onQuit;

    QuitSignals (const QuitSignals&) = delete;
    QuitSignals& operator= (const QuitSignals&) = delete;
};
