// Prints every string table for translation review: table name, a tab, the language code,
// a tab, and the text as UTF-8, one line per entry.

#include <StrRes.h>
#include <Table.h>

#include <cstdio>

namespace
{
    struct NamedTable
    {
        const char* name;
        const juce::String* entries;
    };

    const NamedTable tables[] = {
        { "DEFAULT_FONT_WIN", StrRes::DEFAULT_FONT_WIN }, { "DEFAULT_FONT_MAC", StrRes::DEFAULT_FONT_MAC },
        { "LANGUAGE_SELECTION", StrRes::LANGUAGE_SELECTION }, { "NULL_STR", StrRes::NULL_STR },
        { "NAME_000", StrRes::NAME_000 }, { "NAME_001", StrRes::NAME_001 },
        { "STR_0000", StrRes::STR_0000 }, { "STR_0001", StrRes::STR_0001 }, { "STR_0002", StrRes::STR_0002 },
        { "STR_0003", StrRes::STR_0003 }, { "STR_0004", StrRes::STR_0004 }, { "STR_0005", StrRes::STR_0005 },
        { "STR_0006", StrRes::STR_0006 }, { "STR_0007", StrRes::STR_0007 }, { "STR_0008", StrRes::STR_0008 },
        { "STR_0009", StrRes::STR_0009 }, { "STR_0010", StrRes::STR_0010 }, { "STR_0011", StrRes::STR_0011 },
        { "STR_0012", StrRes::STR_0012 }, { "STR_0013", StrRes::STR_0013 }, { "STR_0014", StrRes::STR_0014 },
        { "STR_0015", StrRes::STR_0015 }, { "STR_0016", StrRes::STR_0016 }, { "STR_0017", StrRes::STR_0017 },
        { "STR_0018", StrRes::STR_0018 }, { "STR_0019", StrRes::STR_0019 }, { "STR_0020", StrRes::STR_0020 },
        { "STR_0021", StrRes::STR_0021 }
    };
}

int main()
{
    for (auto& table : tables)
        for (int lang = LANG_EN; lang < LANG_MAX; ++lang)
            std::printf ("%s\t%s\t%s\n", table.name, plangList[lang].toRawUTF8(), table.entries[lang].toRawUTF8());

    return 0;
}
