#pragma once

#include <juce_core/juce_core.h>

/** Every user-visible text of the program, its language names and its typeface names, in
    twelve languages each, indexed by LangIdTable_t. Built before main runs and never changed. */
namespace StrRes
{
    extern const juce::String DEFAULT_FONT_WIN[12];
    extern const juce::String DEFAULT_FONT_MAC[12];
    extern const juce::String LANGUAGE_SELECTION[12];
    extern const juce::String NULL_STR[12];
    extern const juce::String NAME_000[12];
    extern const juce::String NAME_001[12];
    extern const juce::String STR_0000[12];
    extern const juce::String STR_0001[12];
    extern const juce::String STR_0002[12];
    extern const juce::String STR_0003[12];
    extern const juce::String STR_0004[12];
    extern const juce::String STR_0005[12];
    extern const juce::String STR_0006[12];
    extern const juce::String STR_0007[12];
    extern const juce::String STR_0008[12];
    extern const juce::String STR_0009[12];
    extern const juce::String STR_0010[12];
    extern const juce::String STR_0011[12];
    extern const juce::String STR_0012[12];
    extern const juce::String STR_0013[12];
    extern const juce::String STR_0014[12];
    extern const juce::String STR_0015[12];
    extern const juce::String STR_0016[12];
    extern const juce::String STR_0017[12];
    extern const juce::String STR_0018[12];
    extern const juce::String STR_0019[12];
    extern const juce::String STR_0020[12];
    extern const juce::String STR_0021[12];
}
