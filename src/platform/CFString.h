#pragma once

#include "NSString.h"

#include "framework/String.h"

// Native strings are NSString objects.
using CFStringRef = NSString*;

// A new native string holding `text`; the caller owns it and gives it back
// with UnlockCFString.
CFStringRef StringToCFString(const String& text);
// Releases a native string made by StringToCFString; none is ignored.
void UnlockCFString(CFStringRef string);
