#pragma once

#include "NSString.h"

#include "framework/String.h"

#include <memory>

// Native strings are NSString objects.
using CFStringRef = NSString*;

// A new native string holding the text; the caller owns it and gives it back
// with UnlockCFString. A text the caller keeps is not copied: it must stay
// alive and unchanged until the native string is given back. A temporary text
// moves into the native string.
CFStringRef StringToCFString(const String& text);
CFStringRef StringToCFString(String&& text);
// Releases a native string made by StringToCFString; none is ignored.
void UnlockCFString(CFStringRef string);

// A native string given back with UnlockCFString however its scope ends.
struct CFStringUnlock {
    void operator()(CFStringRef string) const { UnlockCFString(string); }
};
using OwnedCFString = std::unique_ptr<NSString, CFStringUnlock>;
