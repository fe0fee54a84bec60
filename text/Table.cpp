#include "Table.h"

namespace
{
    juce::String langList[LANG_MAX] = { "en", "fr", "de", "es", "it", "nl", "ru", "pt", "zh-Hans", "zh-Hant", "ko", "ja" };
}

juce::String* plangList = langList;
