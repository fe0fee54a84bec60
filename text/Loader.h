#pragma once

#include "Table.h"

/**
    The program's one source of localised text: it chooses the language from the user's
    preference at start, switches it on request, and hands out texts, language names and
    typeface names. A process-wide singleton, used on the message thread only.

    The getters return references to the loader's own strings; their content changes when the
    language changes, so a caller that needs the text of the moment copies it.
*/
class TxtLoader
{
public:
    //==============================================================================
    /** Creates the loader and chooses the language, unless it exists already. */
    static void createInstance();

    /** The loader, created first if there is none; never null. */
    static TxtLoader* getInstance();

    /** Destroys the loader, if there is one. */
    static void releaseInstance();

    //==============================================================================
    /** Offers every language and works out the preferred one (LANG_EN when none is supported).
        It does not change m_langId. */
    int chkLocale();

    /** Switches to lang and reloads its texts, even when it is the current one. A value that is
        not a language (outside LANG_EN to LANG_JA) is ignored. */
    void setLocale (LangIdTable_t lang);

    /** Refills one group of members from the string tables; any other value does nothing. */
    void Load (FlgTable_t flag);

    //==============================================================================
    /** The typeface name of the current language. */
    const juce::String& getFont();

    /** The typeface name of a language; empty for a value that is not a language. */
    const juce::String& getFont (LangIdTable_t lang);

    /** The name of a language as the language list shows it; empty for a value that is not a language. */
    const juce::String& getLang (LangIdTable_t lang);

    /** A text of the current language; empty for an id outside the table. */
    const juce::String& getString (StrIdTable_t id);

    //==============================================================================
    int m_langId;                       ///< the current LangIdTable_t value
    bool m_langAvail[LANG_MAX];         ///< the languages offered in the language list

    virtual ~TxtLoader();

private:
    TxtLoader();

    static bool isLanguage (int lang) noexcept { return lang >= LANG_EN && lang < LANG_MAX; }

    static TxtLoader* m_pinstance;

    juce::String m_nullStr;
    juce::String m_font[LANG_MAX];
    juce::String m_langName[LANG_MAX];
    juce::String m_str[STRID_MAX];

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (TxtLoader)
};
