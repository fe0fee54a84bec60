#pragma once

#include "CFString.h"

/** The canonical locale identifier for a POSIX locale name, owned by the caller, or null.

    The codeset and modifier are dropped ("pt_BR.UTF-8" gives "pt_BR", "sr_RS@latin" gives "sr_RS"),
    and Chinese gets its script: "zh_CN" and "zh_SG" give "zh-Hans_CN" and "zh-Hans_SG"; "zh_TW",
    "zh_HK" and "zh_MO" give "zh-Hant_…". A bare "zh" stays "zh". "C", "POSIX" and an empty name
    give null.
*/
CFStringRef CFLocaleCreateCanonicalLocaleIdentifierFromString (CFAllocatorRef allocator, CFStringRef localeIdentifier);
