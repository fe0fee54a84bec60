#pragma once

#include "HidHandler.h"

#include <atomic>
#include <cstddef>

class HidUtil;

/**
    The USB HID transport as the rest of the program sees it: holds the controller through a
    HidUtil, keeps the state its owner reads (connected, last input report), and passes the
    device events on to the owner.

    initialize, finalize, the destructor and the callbacks run on the message thread; sendData
    runs on the update worker thread.
*/
class HidCtrl : public HidHandler
{
public:
    HidCtrl();
    ~HidCtrl() override;

    /** Creates and registers the HidUtil and looks for the controller. True when it is held. */
    bool initialize (HidHandler* owner, int kind);

    /** Sends the bytes as one output report. False when not connected, else whether the
        system accepted the report. */
    bool sendData (unsigned char* data, unsigned long length);

    /** Forgets the owner, then finalises and deletes the HidUtil. */
    void finalize();

    //==============================================================================
    void removalCallBack() override;
    void matchingCallBack() override;
    void inputCallBack (int) override;

    //==============================================================================
    HidHandler* m_pHandler;
    HidUtil* m_pHidUtil;
    std::atomic<int> m_connected;       ///< 1 while the controller is held; read by the worker
    int m_version;                      ///< the device's version number in decimal
    unsigned char m_input[64];          ///< the last input report passed on
    std::size_t m_inputLength;          ///< valid bytes in m_input, 0 to 64

private:
    HidCtrl (const HidCtrl&) = delete;
    HidCtrl& operator= (const HidCtrl&) = delete;
};
