#pragma once

#include <juce_core/juce_core.h>

/** The user-interface languages. The values index every table of texts, fonts and language
    names; the language list's item ids are these values plus one. */
enum LangIdTable_t
{
    LANG_EN = 0,
    LANG_FR,
    LANG_DE,
    LANG_ES,
    LANG_IT,
    LANG_NL,
    LANG_RU,
    LANG_PT,
    LANG_ZH_HANS,
    LANG_ZH_HANT,
    LANG_KO,
    LANG_JA,
    LANG_MAX    ///< the number of languages, and "no language chosen yet"
};

/** The localised texts, in the order of their tables. */
enum StrIdTable_t
{
    STRID_NULL_STR = 0,
    STRID_NAME_000,
    STRID_NAME_001,
    STRID_STR_0000,
    STRID_STR_0001,
    STRID_STR_0002,
    STRID_STR_0003,
    STRID_STR_0004,
    STRID_STR_0005,
    STRID_STR_0006,
    STRID_STR_0007,
    STRID_STR_0008,
    STRID_STR_0009,
    STRID_STR_0010,
    STRID_STR_0011,
    STRID_STR_0012,
    STRID_STR_0013,
    STRID_STR_0014,
    STRID_STR_0015,
    STRID_STR_0016,
    STRID_STR_0017,
    STRID_STR_0018,
    STRID_STR_0019,
    STRID_STR_0020,
    STRID_STR_0021,
    STRID_MAX
};

/** Which group of loader members TxtLoader::Load refills. */
enum FlgTable_t
{
    FLG_FONT_WIN = 1,
    FLG_FONT_MAC = 2,
    FLG_LANG_SELECTION = 3,
    FLG_STRING = 4
};

/** The language codes by which preferred languages are recognised, in LangIdTable_t order
    ("en" … "ja"). Valid from static initialisation to static destruction. */
extern juce::String* plangList;
