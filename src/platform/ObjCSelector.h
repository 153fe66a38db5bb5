#pragma once

#include <string_view>

// A selector names a message. Names are interned, so two selectors of the
// same name are the same pointer and compare with ==.
struct objc_selector;
using SEL = const objc_selector*;

SEL sel_registerName(std::string_view name);
// The selector's name; "<null selector>" for none.
const char* sel_getName(SEL selector);
