#pragma once

/**
    Receives the controller's device events. Every call comes on the message thread,
    synchronously from the device callbacks; a handler must not delete its HidCtrl meanwhile.
*/
class HidHandler
{
public:
    virtual ~HidHandler() = default;

    /** The controller was removed. */
    virtual void removalCallBack() = 0;

    /** A controller arrived and was taken. */
    virtual void matchingCallBack() = 0;

    /** An input report was passed on; the argument is always 0. */
    virtual void inputCallBack (int) = 0;
};
