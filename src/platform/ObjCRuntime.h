#pragma once

// The object runtime the platform's classes are built on: selectors,
// objects, classes and message sending.

#include "AutoreleasePool.h"
#include "ObjCClass.h"
#include "ObjCObject.h"
#include "ObjCSelector.h"
#include "ObjCValue.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <type_traits>

namespace objc::detail {

// Runs the receiver's method for `selector`; none when the receiver or the
// selector is none or the receiver has no such method.
std::optional<Value> Send(id receiver, SEL selector, std::span<const Value> args);
[[noreturn]] void ThrowResultType(id receiver, SEL selector, const std::string& expected,
                                  const Value& result);

} // namespace objc::detail

// Sends `selector` with `args` to `receiver` and gives the result as an R.
// A message to none, with a null selector or that the receiver does not
// implement does nothing and gives R's empty value (nil, NO, 0, a zeroed
// struct), as the macOS code expects of a message to nil. Arguments and
// result are checked against the method's declared types at every call: a
// mismatch raises RuntimeException naming the method.
template <typename R, typename... Args>
R objc_msgSend(id receiver, SEL selector, const Args&... args) {
    const std::array<objc::Value, sizeof...(Args)> values{
        objc::Value::Of<std::decay_t<const Args&>>(args)...};
    const std::optional<objc::Value> result = objc::detail::Send(receiver, selector, values);
    if constexpr (!std::is_void_v<R>) {
        if (!result)
            return R{};
        if (std::optional<R> typed = result->template To<R>())
            return *typed;
        objc::detail::ThrowResultType(receiver, selector, objc::Value::TypeDescription<R>(),
                                      *result);
    }
}
