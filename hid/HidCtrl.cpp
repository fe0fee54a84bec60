#include "HidCtrl.h"

#include "HidUtil.h"

#include <cstring>

HidCtrl::HidCtrl()
    : m_pHandler (nullptr),
      m_pHidUtil (nullptr),
      m_connected (0),
      m_version (0),
      m_input(),
      m_inputLength (0)
{
}

HidCtrl::~HidCtrl()
{
    finalize();
}

//==============================================================================
bool HidCtrl::initialize (HidHandler* owner, int kind)
{
    m_pHandler = owner;
    m_pHidUtil = new HidUtil();
    m_connected = 0;
    std::memset (m_input, 0, sizeof (m_input));

    if (! m_pHidUtil->initialize (this, kind))
    {
        // Another HidUtil holds the singleton: this one must not touch the manager.
        m_pHandler = nullptr;
        m_pHidUtil->finalize();
        delete m_pHidUtil;
        m_pHidUtil = nullptr;
        m_connected = 0;
        return false;
    }

    m_connected = m_pHidUtil->deviceMatching() ? 1 : 0;

    if (m_connected == 0)
        return false;

    m_version = m_pHidUtil->deviceVersion();
    return true;
}

bool HidCtrl::sendData (unsigned char* data, unsigned long length)
{
    if (m_connected == 0 || m_pHidUtil == nullptr)
        return false;

    return m_pHidUtil->deviceOutput (data, length);
}

void HidCtrl::finalize()
{
    m_pHandler = nullptr;

    if (m_pHidUtil != nullptr)
    {
        m_pHidUtil->finalize();
        delete m_pHidUtil;
        m_pHidUtil = nullptr;
    }
}

//==============================================================================
void HidCtrl::removalCallBack()
{
    m_connected = 0;
    m_version = 0;
    m_inputLength = 0;
    std::memset (m_input, 0, sizeof (m_input));

    if (m_pHandler != nullptr)
        m_pHandler->removalCallBack();
}

void HidCtrl::matchingCallBack()
{
    m_connected = 1;
    m_version = m_pHidUtil->deviceVersion();
    m_inputLength = m_pHidUtil->deviceInput (m_input, sizeof (m_input), 0);

    if (m_pHandler != nullptr)
        m_pHandler->matchingCallBack();
}

void HidCtrl::inputCallBack (int)
{
    unsigned char buffer[64];
    const auto n = m_pHidUtil->deviceInput (buffer, sizeof (buffer), 0);

    if (n == 0)
        return;

    std::memcpy (m_input, buffer, n);
    m_inputLength = n;

    if (m_pHandler != nullptr)
        m_pHandler->inputCallBack (0);
}
