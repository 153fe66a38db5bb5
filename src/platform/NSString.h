#pragma once

#include "Foundation.h"
#include "NSObject.h"

#include "framework/String.h"

#include <string_view>

// An immutable text, held as UTF-8.
// Messages: localizedStandardCompare: (NSComparisonResult) orders two texts as
// the Finder orders file names in the user's locale; see FinderCollator.
class NSString : public NSObject {
public:
    static Class ClassObject();

    // A string over the bytes of `text`, which are not copied: they must stay
    // as they are for as long as the string lives.
    static NSString* Viewing(std::string_view text) { return new NSString(View{}, text); }
    // A string holding `text` itself.
    static NSString* Holding(String text) { return new NSString(std::move(text)); }

    std::string_view Text() const { return text_; }

    // A sort makes and releases two native strings for every comparison:
    // they reuse each other's memory instead of asking the allocator.
    static void* operator new(std::size_t size);
    static void operator delete(void* memory, std::size_t size);

private:
    struct View {};

    NSString(View, std::string_view text) : NSObject(ClassObject()), text_(text) {}
    explicit NSString(String held)
        : NSObject(ClassObject()), held_(std::move(held)), text_(held_) {}

    const String held_;
    const std::string_view text_;
};
