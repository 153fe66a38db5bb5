#include "CFString.h"

#include "NSString.h"

CFStringRef StringToCFString(const String& text) {
    return new NSString(text);
}

void UnlockCFString(CFStringRef string) {
    objc_release(string);
}
