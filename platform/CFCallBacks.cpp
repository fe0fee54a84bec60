#include "CFCallBacks.h"

const CFArrayCallBacks kCFTypeArrayCallBacks { true };
const CFSetCallBacks kCFTypeSetCallBacks { true };
const CFDictionaryKeyCallBacks kCFTypeDictionaryKeyCallBacks { true };
const CFDictionaryValueCallBacks kCFTypeDictionaryValueCallBacks { true };
