#include <Loader.h>
#include <StrRes.h>

#include "../support/LocaleEnvironment.h"

#include <gtest/gtest.h>

namespace
{
    struct LanguageCase
    {
        const char* story;
        LocaleEnvironment::Settings environment;
        int expected;
    };

    std::ostream& operator<< (std::ostream& os, const LanguageCase& c) { return os << c.story; }

    class LanguageChoice : public testing::TestWithParam<LanguageCase>
    {
    protected:
        void TearDown() override { TxtLoader::releaseInstance(); }
    };

    const LanguageCase languageCases[] = {
        { "first supported entry wins although a later one matches too", { "fr_CA:en_US", nullptr, nullptr, "fr_CA.UTF-8" }, LANG_FR },
        { "an unsupported entry is skipped", { "sv:de", nullptr, nullptr, "de_DE.UTF-8" }, LANG_DE },
        { "traditional Chinese from the locale alone", { nullptr, nullptr, nullptr, "zh_TW.UTF-8" }, LANG_ZH_HANT },
        { "Hong Kong and Macau write traditional Chinese", { "zh_HK:zh_MO", nullptr, nullptr, "zh_MO.UTF-8" }, LANG_ZH_HANT },
        { "simplified Chinese for the mainland", { nullptr, nullptr, nullptr, "zh_CN.UTF-8" }, LANG_ZH_HANS },
        { "simplified Chinese for Singapore", { nullptr, nullptr, nullptr, "zh_SG.GB2312" }, LANG_ZH_HANS },
        { "a bare zh names no script and is skipped", { "zh:ja", nullptr, nullptr, "ja_JP.UTF-8" }, LANG_JA },
        { "Brazilian Portuguese matches by prefix", { nullptr, nullptr, nullptr, "pt_BR.UTF-8" }, LANG_PT },
        { "a code that merely begins like ours matches", { nullptr, nullptr, nullptr, "frr_DE.UTF-8" }, LANG_FR },
        { "the modifier is dropped", { nullptr, nullptr, nullptr, "nl_BE@euro" }, LANG_NL },
        { "LANGUAGE is ignored under the C locale", { "fr", nullptr, nullptr, "C" }, LANG_EN },
        { "LANGUAGE is ignored under C.UTF-8", { "fr", nullptr, nullptr, "C.UTF-8" }, LANG_EN },
        { "LANGUAGE is ignored under POSIX", { "it", nullptr, nullptr, "POSIX" }, LANG_EN },
        { "nothing set gives English", { nullptr, nullptr, nullptr, nullptr }, LANG_EN },
        { "LC_ALL overrides LANG", { nullptr, "ko_KR.UTF-8", nullptr, "de_DE.UTF-8" }, LANG_KO },
        { "LC_MESSAGES overrides LANG", { nullptr, nullptr, "ru_RU.UTF-8", "de_DE.UTF-8" }, LANG_RU },
        { "LC_ALL set to C hides LANGUAGE", { "es", "C", nullptr, "es_ES.UTF-8" }, LANG_EN },
        { "an identifier too long for 15 characters matches nothing", { "en_ABCDEFGHIJKLMN:es", nullptr, nullptr, "es_ES.UTF-8" }, LANG_ES },
        { "a non-ASCII identifier matches nothing", { "fr\xc3\xa9:it", nullptr, nullptr, "it_IT.UTF-8" }, LANG_IT },
        { "empty LANGUAGE entries are skipped", { "::de", nullptr, nullptr, "en_US.UTF-8" }, LANG_DE },
        { "no supported language at all gives English", { "sv:fi", nullptr, nullptr, "fi_FI.UTF-8" }, LANG_EN },
    };

    TEST_P (LanguageChoice, PicksTheFirstSupportedPreferredLanguage)
    {
        LocaleEnvironment env (GetParam().environment);

        auto* loader = TxtLoader::getInstance();

        EXPECT_EQ (loader->m_langId, GetParam().expected);

        for (bool avail : loader->m_langAvail)
            EXPECT_TRUE (avail);

        EXPECT_EQ (loader->getString (STRID_STR_0000), StrRes::STR_0000[GetParam().expected]);
    }

    INSTANTIATE_TEST_SUITE_P (Linux, LanguageChoice, testing::ValuesIn (languageCases));

    //==============================================================================
    class TextLoader : public testing::Test
    {
    protected:
        void SetUp() override { loader = TxtLoader::getInstance(); }
        void TearDown() override { TxtLoader::releaseInstance(); }

        LocaleEnvironment env { { nullptr, nullptr, nullptr, "en_US.UTF-8" } };
        TxtLoader* loader = nullptr;
    };

    TEST_F (TextLoader, AnswersOutOfRangeRequestsWithAnEmptyText)
    {
        EXPECT_TRUE (loader->getString (static_cast<StrIdTable_t> (25)).isEmpty());
        EXPECT_TRUE (loader->getString (static_cast<StrIdTable_t> (-1)).isEmpty());
        EXPECT_TRUE (loader->getLang (LANG_MAX).isEmpty());
        EXPECT_TRUE (loader->getLang (static_cast<LangIdTable_t> (-1)).isEmpty());
        EXPECT_TRUE (loader->getFont (static_cast<LangIdTable_t> (-1)).isEmpty());
        EXPECT_TRUE (loader->getFont (LANG_MAX).isEmpty());
    }

    TEST_F (TextLoader, FixedTextsAreTheSameInEveryLanguage)
    {
        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
        {
            loader->setLocale (static_cast<LangIdTable_t> (lang));
            EXPECT_TRUE (loader->getString (STRID_NULL_STR).isEmpty());
            EXPECT_EQ (loader->getString (STRID_NAME_000), "KPX");
            EXPECT_EQ (loader->getString (STRID_NAME_001), "KPX-TLK4");
        }
    }

    TEST_F (TextLoader, SwitchingToRussianChangesTextsAndFontButNotLanguageNames)
    {
        loader->setLocale (LANG_RU);

        EXPECT_EQ (loader->m_langId, LANG_RU);
        EXPECT_EQ (loader->getFont(), "Geneva CY");
        EXPECT_EQ (loader->getString (STRID_STR_0004), juce::String (L"\u0417\u0430\u043a\u0440\u044b\u0442\u044c"));
        EXPECT_EQ (loader->getLang (LANG_EN), "English");
        EXPECT_EQ (loader->getLang (LANG_JA), juce::String (L"\u65e5\u672c\u8a9e"));
    }

    TEST_F (TextLoader, IgnoresAValueThatIsNoLanguage)
    {
        loader->setLocale (LANG_DE);

        for (int bad : { 12, -1, 99 })
        {
            loader->setLocale (static_cast<LangIdTable_t> (bad));
            EXPECT_EQ (loader->m_langId, LANG_DE);
            EXPECT_EQ (loader->getString (STRID_STR_0003), "Abbrechen");
        }
    }

    TEST_F (TextLoader, HandsOutReferencesThatFollowTheLanguage)
    {
        const juce::String& title = loader->getString (STRID_STR_0000);
        EXPECT_EQ (title, "Updater Program");

        loader->setLocale (LANG_NL);
        EXPECT_EQ (title, "Updateprogramma");

        loader->setLocale (LANG_NL);
        EXPECT_EQ (title, "Updateprogramma");
    }

    TEST_F (TextLoader, LoadsTheAlternativeFontsOnlyWhenAskedAndIgnoresOtherFlags)
    {
        EXPECT_EQ (loader->getFont (LANG_JA), "Hiragino Sans W5");

        loader->Load (static_cast<FlgTable_t> (0));
        loader->Load (static_cast<FlgTable_t> (5));
        EXPECT_EQ (loader->getFont (LANG_JA), "Hiragino Sans W5");
        EXPECT_EQ (loader->getFont (LANG_RU), "Geneva CY");

        loader->Load (FLG_FONT_WIN);
        EXPECT_EQ (loader->getFont (LANG_JA), "MS PGothic");
        EXPECT_EQ (loader->getFont (LANG_RU), "Verdana");
    }

    TEST (TextLoaderLifeCycle, IsOneInstanceUntilReleasedAndForgetsThePickedLanguage)
    {
        LocaleEnvironment env ({ nullptr, nullptr, nullptr, "it_IT.UTF-8" });

        TxtLoader::createInstance();
        auto* first = TxtLoader::getInstance();
        TxtLoader::createInstance();
        EXPECT_EQ (TxtLoader::getInstance(), first);

        first->setLocale (LANG_KO);
        TxtLoader::releaseInstance();
        TxtLoader::releaseInstance();

        auto* second = TxtLoader::getInstance();
        EXPECT_EQ (second->m_langId, LANG_IT);
        TxtLoader::releaseInstance();
    }
}
