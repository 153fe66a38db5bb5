#include "CFString.h"

#include "NSString.h"

CFStringRef StringToCFString(const String& text) {
    return NSString::Viewing(text);
}

CFStringRef StringToCFString(String&& text) {
    return NSString::Holding(std::move(text));
}

void UnlockCFString(CFStringRef string) {
    objc_release(string);
}
