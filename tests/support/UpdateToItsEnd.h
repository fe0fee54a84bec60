#pragma once

#include <AlineButton.h>
#include <MainComponent.h>
#include <MessageLoop.h>

/** Runs an update as the user starts it: OK on the language screen, and Start whenever the
    versions show (an error recorded in the first cycle may stand for a moment before the
    confirmation replaces it). Runs the message loop until the worker has ended; false if it
    was still running after timeoutMs. */
inline bool runUpdateToItsEnd (MainComponent& component, int timeoutMs)
{
    component.buttonClicked (component.m_pOkButton);

    return MessageLoop::runUntil ([&]
    {
        if (component.m_status == STS_CONFIRM)
            component.buttonClicked (component.m_pOkButton);

        return component.m_status != STS_IDLE && ! component.isThreadRunning();
    }, timeoutMs);
}
