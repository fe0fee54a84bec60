#pragma once

#include "CFArray.h"
#include "CFString.h"

typedef CFTypeRef CFPropertyListRef;

/** The application id that names the running program. */
#define kCFPreferencesCurrentApplication CFSTR ("kCFPreferencesCurrentApplication")

/** The value of a preference for an application, owned by the caller, or null when it has none.

    The one preference that exists is "AppleLanguages": the user's languages, most preferred first,
    as an array of strings. On Linux it is read the way gettext reads it: the entries of LANGUAGE
    (colon-separated), then the message locale (LC_ALL, else LC_MESSAGES, else LANG). LANGUAGE is
    not honoured when the message locale is "C" or "POSIX", and those two give no entry themselves.
    Entries are the POSIX locale names as they stand (for example "pt_BR.UTF-8").
*/
CFPropertyListRef CFPreferencesCopyAppValue (CFStringRef key, CFStringRef applicationID);
