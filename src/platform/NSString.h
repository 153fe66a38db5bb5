#pragma once

#include "Foundation.h"
#include "NSObject.h"

#include "framework/String.h"

// An immutable text, held as UTF-8.
// Messages: localizedStandardCompare: (NSComparisonResult) orders two texts as
// the Finder orders file names in the user's locale; see FinderCollator.
class NSString : public NSObject {
public:
    static Class ClassObject();

    explicit NSString(String text) : NSObject(ClassObject()), text_(std::move(text)) {}

    const String& Text() const { return text_; }

private:
    const String text_;
};
