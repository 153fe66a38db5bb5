#pragma once

#include "ObjCRuntime.h"

#include <cstdint>
#include <string_view>

using NSInteger = std::int64_t;
using NSUInteger = std::uint64_t;

enum NSComparisonResult : NSInteger {
    NSOrderedAscending = -1,
    NSOrderedSame = 0,
    NSOrderedDescending = 1
};

// The class of that name, none for a name no class bears.
Class NSClassFromString(std::string_view name);
// The selector of that name: the same SEL as sel_registerName gives.
SEL NSSelectorFromString(std::string_view name);
