#pragma once

#include "Foundation.h"
#include "NSObject.h"

#include <vector>

// An ordered, unchanging list of objects, each retained while the list holds it.
// Messages: count (NSUInteger); objectAtIndex: (id), given an index below the
// count; any other index raises OutOfBoundsException, as AppKit raises its
// range exception.
class NSArray : public NSObject {
public:
    static Class ClassObject();

    explicit NSArray(const std::vector<id>& objects);

private:
    std::vector<objc::Ref<objc_object>> objects_;
};
