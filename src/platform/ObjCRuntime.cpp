#include "ObjCRuntime.h"

#include "framework/Exceptions.h"

namespace objc::detail {

std::optional<Value> Send(id receiver, SEL selector, std::span<const Value> args) {
    if (!receiver || !selector)
        return std::nullopt;
    const Imp* const method = object_getClass(receiver)->FindMethod(selector);
    if (!method)
        return std::nullopt;
    return (*method)(receiver, selector, args);
}

void ThrowResultType(id receiver, SEL selector, const std::string& expected, const Value& result) {
    throw RuntimeException(MethodName(receiver, selector) + " returned " + result.Description() +
                           " where " + expected + " was expected.");
}

} // namespace objc::detail
