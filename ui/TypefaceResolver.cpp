#include "TypefaceResolver.h"

#include <StrRes.h>
#include <Table.h>

#include <fontconfig/fontconfig.h>

#include <map>
#include <memory>

namespace
{
    /** fontconfig's codes for our languages, in LangIdTable_t order. fontconfig knows each
        language by the characters its writing needs, which is what a face must have here. */
    const char* const fontconfigLanguages[LANG_MAX] = {
        "en", "fr", "de", "es", "it", "nl", "ru", "pt", "zh-cn", "zh-tw", "ko", "ja"
    };

    struct PatternDeleter  { void operator() (FcPattern* p) const   { FcPatternDestroy (p); } };
    struct FontSetDeleter  { void operator() (FcFontSet* s) const   { FcFontSetDestroy (s); } };

    using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
    using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

    //==============================================================================
    /** The languages whose typeface the tables give as this name; none for any other name.
        English comes with any of them: every language's texts carry Latin letters and digits
        ("Ver.", "USB", "Error ID:"), and a Chinese face without them draws those as boxes. */
    juce::Array<int> languagesNamedBy (const juce::String& typefaceName)
    {
        juce::Array<int> languages;

        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            if (StrRes::DEFAULT_FONT_MAC[lang] == typefaceName || StrRes::DEFAULT_FONT_WIN[lang] == typefaceName)
                languages.add (lang);

        if (! languages.isEmpty())
            languages.addIfNotAlreadyThere (LANG_EN);

        return languages;
    }

    /** JUCE reads only single faces of these kinds; a family found in any other file (a .ttc
        collection above all) has no face that JUCE could draw with. */
    bool isFileJuceLoads (const FcPattern& candidate)
    {
        FcChar8* file = nullptr;

        if (FcPatternGetString (&candidate, FC_FILE, 0, &file) != FcResultMatch)
            return false;

        return juce::File (juce::String::fromUTF8 (reinterpret_cast<const char*> (file))).hasFileExtension ("ttf;otf;pfb;pcf");
    }

    /** The candidate's family under the name JUCE scanned it by (fontconfig also lists the
        localised names, "IPAゴシック" beside "IPAGothic"); empty when JUCE does not know it. */
    juce::String familyJuceKnows (const FcPattern& candidate, const juce::StringArray& juceFamilies)
    {
        FcChar8* family = nullptr;

        for (int i = 0; FcPatternGetString (&candidate, FC_FAMILY, i, &family) == FcResultMatch; ++i)
        {
            const auto name = juce::String::fromUTF8 (reinterpret_cast<const char*> (family));

            if (juceFamilies.contains (name))
                return name;
        }

        return {};
    }

    /** How much of the languages' writing the candidate has: the covered share of each
        language's characters, summed. */
    double coverage (const FcPattern& candidate, const juce::Array<int>& languages)
    {
        FcCharSet* charSet = nullptr;

        if (FcPatternGetCharSet (&candidate, FC_CHARSET, 0, &charSet) != FcResultMatch)
            return 0.0;

        double sum = 0.0;

        for (auto lang : languages)
        {
            // Owned by fontconfig, never freed by us.
            const auto* needed = FcLangGetCharSet (reinterpret_cast<const FcChar8*> (fontconfigLanguages[lang]));

            if (needed != nullptr && FcCharSetCount (needed) > 0)
                sum += (double) FcCharSetIntersectCount (charSet, needed) / (double) FcCharSetCount (needed);
        }

        return sum;
    }

    /** Asks fontconfig for the faces in its order of preference for the name and languages,
        and takes the first one JUCE can load that covers most of the languages' writing. */
    juce::String bestInstalledFamily (const juce::String& typefaceName, const juce::Array<int>& languages,
                                      const juce::StringArray& juceFamilies)
    {
        PatternPtr pattern (FcPatternCreate());
        FcPatternAddString (pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*> (typefaceName.toRawUTF8()));

        for (auto lang : languages)
            FcPatternAddString (pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*> (fontconfigLanguages[lang]));

        FcConfigSubstitute (nullptr, pattern.get(), FcMatchPattern);
        FcDefaultSubstitute (pattern.get());

        FcResult result = FcResultNoMatch;
        FontSetPtr sorted (FcFontSort (nullptr, pattern.get(), FcFalse, nullptr, &result));

        juce::String best;
        double bestCoverage = -1.0;

        for (int i = 0; sorted != nullptr && i < sorted->nfont; ++i)
        {
            const auto& candidate = *sorted->fonts[i];

            if (! isFileJuceLoads (candidate))
                continue;

            const auto family = familyJuceKnows (candidate, juceFamilies);
            const auto covered = coverage (candidate, languages);

            // Strictly better only, so that among equals fontconfig's preference stands.
            if (family.isNotEmpty() && covered > bestCoverage)
            {
                best = family;
                bestCoverage = covered;
            }
        }

        return best;
    }

    //==============================================================================
    /** The answers found so far, so that painting never waits for fontconfig. */
    class Resolutions
    {
    public:
        static Resolutions& get()
        {
            static Resolutions resolutions;
            return resolutions;
        }

        juce::String familyFor (const juce::String& typefaceName)
        {
            const juce::ScopedLock sl (lock);

            const auto known = families.find (typefaceName);

            if (known != families.end())
                return known->second;

            const auto family = resolve (typefaceName);
            families.emplace (typefaceName, family);
            return family;
        }

    private:
        Resolutions()
            : juceFamilies (juce::Font::findAllTypefaceNames())
        {
            juce::Array<int> everyLanguage;

            for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
                everyLanguage.add (lang);

            broadestFamily = bestInstalledFamily (juce::Font::getDefaultSansSerifFontName(), everyLanguage, juceFamilies);

            // JUCE draws every glyph of a face it cannot find from this one font; by default it
            // is the plain sans-serif, which has no Chinese, Japanese or Korean at all.
            if (broadestFamily.isNotEmpty())
                juce::Font::setFallbackFontName (broadestFamily);
        }

        juce::String resolve (const juce::String& typefaceName) const
        {
            // The placeholders for the look-and-feel's default faces are the look-and-feel's to resolve.
            if (juceFamilies.contains (typefaceName)
                 || typefaceName == juce::Font::getDefaultSansSerifFontName()
                 || typefaceName == juce::Font::getDefaultSerifFontName()
                 || typefaceName == juce::Font::getDefaultMonospacedFontName())
                return typefaceName;

            const auto languages = languagesNamedBy (typefaceName);

            if (languages.isEmpty())
                return broadestFamily.isNotEmpty() ? broadestFamily : typefaceName;

            const auto family = bestInstalledFamily (typefaceName, languages, juceFamilies);
            return family.isNotEmpty() ? family : typefaceName;
        }

        juce::CriticalSection lock;
        const juce::StringArray juceFamilies;
        juce::String broadestFamily;
        std::map<juce::String, juce::String> families;
    };
}

//==============================================================================
juce::String TypefaceResolver::familyFor (const juce::String& typefaceName)
{
    return Resolutions::get().familyFor (typefaceName);
}

juce::Font TypefaceResolver::font (const juce::String& typefaceName, float height, int styleFlags)
{
    return juce::Font (familyFor (typefaceName), height, styleFlags);
}
