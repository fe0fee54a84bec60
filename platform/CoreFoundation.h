#pragma once

// The CoreFoundation subset that the program's platform code is written against.

#include "CFArray.h"
#include "CFBase.h"
#include "CFDictionary.h"
#include "CFLocale.h"
#include "CFNumber.h"
#include "CFPreferences.h"
#include "CFSet.h"
#include "CFString.h"
