#include "Loader.h"

#include "StrRes.h"

#include <CoreFoundation.h>

TxtLoader* TxtLoader::m_pinstance = nullptr;

namespace
{
    /** The text tables in StrIdTable_t order. */
    const juce::String* const textTables[STRID_MAX] = {
        StrRes::NULL_STR, StrRes::NAME_000, StrRes::NAME_001,
        StrRes::STR_0000, StrRes::STR_0001, StrRes::STR_0002, StrRes::STR_0003, StrRes::STR_0004,
        StrRes::STR_0005, StrRes::STR_0006, StrRes::STR_0007, StrRes::STR_0008, StrRes::STR_0009,
        StrRes::STR_0010, StrRes::STR_0011, StrRes::STR_0012, StrRes::STR_0013, StrRes::STR_0014,
        StrRes::STR_0015, StrRes::STR_0016, StrRes::STR_0017, StrRes::STR_0018, StrRes::STR_0019,
        StrRes::STR_0020, StrRes::STR_0021
    };

    /** The language whose code begins the locale identifier, or -1. */
    int languageOfIdentifier (const char* identifier)
    {
        const juce::String id (identifier);

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            if (id.startsWithIgnoreCase (plangList[lang]))
                return lang;

        return -1;
    }

    /** The language of one entry of the preference, or -1 when it names none that we offer. */
    int languageOfEntry (CFTypeRef entry)
    {
        if (entry == nullptr || CFGetTypeID (entry) != CFStringGetTypeID())
            return -1;

        auto identifier = CFLocaleCreateCanonicalLocaleIdentifierFromString (kCFAllocatorDefault, static_cast<CFStringRef> (entry));

        if (identifier == nullptr)
            return -1;

        char ascii[16];
        const bool converted = CFStringGetCString (identifier, ascii, sizeof (ascii), kCFStringEncodingASCII);
        CFRelease (identifier);

        return converted ? languageOfIdentifier (ascii) : -1;
    }
}

//==============================================================================
void TxtLoader::createInstance()
{
    if (m_pinstance != nullptr)
        return;

    // Registered before the locale check, so that nothing can create a second one meanwhile.
    m_pinstance = new TxtLoader();

    const int lang = m_pinstance->chkLocale();

    if (lang <= LANG_JA)
    {
        m_pinstance->m_langId = lang;
        m_pinstance->Load (FLG_STRING);
    }
}

TxtLoader* TxtLoader::getInstance()
{
    createInstance();
    return m_pinstance;
}

void TxtLoader::releaseInstance()
{
    delete m_pinstance;
    m_pinstance = nullptr;
}

//==============================================================================
TxtLoader::TxtLoader()
    : m_langId (LANG_MAX)
{
    for (auto& avail : m_langAvail)
        avail = false;

    Load (FLG_FONT_MAC);
    Load (FLG_LANG_SELECTION);
}

TxtLoader::~TxtLoader() = default;

//==============================================================================
int TxtLoader::chkLocale()
{
    for (auto& avail : m_langAvail)
        avail = true;

    auto value = CFPreferencesCopyAppValue (CFSTR ("AppleLanguages"), kCFPreferencesCurrentApplication);

    if (value == nullptr)
        return LANG_EN;

    int result = LANG_EN;

    if (CFGetTypeID (value) == CFArrayGetTypeID())
    {
        auto languages = static_cast<CFArrayRef> (value);

        for (CFIndex i = 0; i < CFArrayGetCount (languages); ++i)
        {
            const int lang = languageOfEntry (CFArrayGetValueAtIndex (languages, i));

            if (lang >= 0)
            {
                result = lang;
                break;
            }
        }
    }

    CFRelease (value);
    return result;
}

void TxtLoader::setLocale (LangIdTable_t lang)
{
    if (! isLanguage (lang))
        return;

    m_langId = lang;
    Load (FLG_STRING);
}

void TxtLoader::Load (FlgTable_t flag)
{
    switch (flag)
    {
        case FLG_FONT_WIN:
            for (int i = 0; i < LANG_MAX; ++i)
                m_font[i] = StrRes::DEFAULT_FONT_WIN[i];
            break;

        case FLG_FONT_MAC:
            for (int i = 0; i < LANG_MAX; ++i)
                m_font[i] = StrRes::DEFAULT_FONT_MAC[i];
            break;

        case FLG_LANG_SELECTION:
            for (int i = 0; i < LANG_MAX; ++i)
                m_langName[i] = StrRes::LANGUAGE_SELECTION[i];
            break;

        case FLG_STRING:
            if (isLanguage (m_langId))
                for (int k = 0; k < STRID_MAX; ++k)
                    m_str[k] = textTables[k][m_langId];
            break;

        default:
            break;
    }
}

//==============================================================================
const juce::String& TxtLoader::getFont()
{
    return getFont (static_cast<LangIdTable_t> (m_langId));
}

const juce::String& TxtLoader::getFont (LangIdTable_t lang)
{
    return isLanguage (lang) ? m_font[lang] : m_nullStr;
}

const juce::String& TxtLoader::getLang (LangIdTable_t lang)
{
    return isLanguage (lang) ? m_langName[lang] : m_nullStr;
}

const juce::String& TxtLoader::getString (StrIdTable_t id)
{
    return id >= STRID_NULL_STR && id < STRID_MAX ? m_str[id] : m_nullStr;
}
