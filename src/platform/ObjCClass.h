#pragma once

#include "ObjCObject.h"
#include "ObjCValue.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <unordered_map>

namespace objc {

// A method body as the runtime calls it: the receiver, the selector and the
// arguments in; the result out. It checks the number and types of the
// arguments itself.
using Imp = std::function<Value(id self, SEL cmd, std::span<const Value> args)>;

// Defines and registers the class `name`, a subclass of `superclass`, or a
// root class when `superclass` is none. Each class name is defined once.
Class DefineClass(std::string_view name, Class superclass);

} // namespace objc

// A class: an object whose isa is its metaclass. Instance methods live in the
// class's table, class methods in the metaclass's. The root metaclass's
// superclass is the root class, so class objects also answer the root
// class's instance methods, such as respondsToSelector:.
struct objc_class : objc_object {
    ~objc_class() override = default;

    const std::string& Name() const { return name_; }
    Class Superclass() const { return superclass_; }
    bool IsMetaClass() const { return metaclass_; }

    // Adds a method answering `selector`. The body's first parameter is the
    // receiver (id, or a pointer to the C++ type of the class's objects; Class
    // for a class method), the others are the message's arguments, converted
    // and checked at every call; a mismatch raises RuntimeException.
    template <typename F> void AddMethod(std::string_view selector, F body);
    template <typename F> void AddClassMethod(std::string_view selector, F body);

    // The method for `selector` here or in a superclass, none when there is none.
    const objc::Imp* FindMethod(SEL selector) const;

private:
    friend Class objc::DefineClass(std::string_view name, Class superclass);

    objc_class(std::string name, Class superclass, Class metaclass, bool isMetaClass);
    void addImp(SEL selector, objc::Imp imp);

    const std::string name_;
    Class superclass_;
    const bool metaclass_;
    std::unordered_map<SEL, objc::Imp> methods_;
    // The latest look-up, since a sort sends the same message to the same
    // class for every comparison; valid until a method is added anywhere.
    mutable SEL cachedSelector_ = nullptr;
    mutable const objc::Imp* cachedMethod_ = nullptr;
    mutable std::uint64_t cachedGeneration_ = 0;
};

// The registered class of that name, none when there is none.
Class objc_lookUpClass(std::string_view name);
// The class's name, "nil" for none.
const char* class_getName(Class cls);
// Whether objects of `cls` answer `selector`; for a metaclass, whether the
// class answers it.
BOOL class_respondsToSelector(Class cls, SEL selector);

namespace objc::detail {

// "-[NSString length]" for an object, "+[NSWindow new]" for a class.
std::string MethodName(id receiver, SEL selector);
[[noreturn]] void ThrowArgumentCount(id receiver, SEL selector, std::size_t expected,
                                     std::size_t given);
[[noreturn]] void ThrowArgumentType(id receiver, SEL selector, std::size_t index,
                                    const std::string& expected, const Value& given);
[[noreturn]] void ThrowReceiverType(id receiver, SEL selector, const std::string& expected);

template <typename F> struct Signature : Signature<decltype(&F::operator())> {};
template <typename C, typename R, typename... A> struct Signature<R (C::*)(A...) const> {
    using Type = R(A...);
};
template <typename C, typename R, typename... A> struct Signature<R (C::*)(A...)> {
    using Type = R(A...);
};
template <typename R, typename... A> struct Signature<R (*)(A...)> { using Type = R(A...); };

template <typename Self> Self Receiver(id self, SEL cmd) {
    static_assert(ObjectPointer<Self>, "a method's first parameter is its receiver: id, Class or "
                                       "a pointer to the C++ type of the class's objects");
    if constexpr (std::is_same_v<Self, id>) {
        return self;
    } else {
        const Self typed = objc::Cast<Self>(self);
        if (!typed)
            ThrowReceiverType(self, cmd, Value::TypeDescription<Self>());
        return typed;
    }
}

template <typename P>
std::remove_cvref_t<P> Argument(id self, SEL cmd, std::span<const Value> args, std::size_t index) {
    using T = std::remove_cvref_t<P>;
    if (std::optional<T> value = args[index].To<T>())
        return *value;
    ThrowArgumentType(self, cmd, index, Value::TypeDescription<T>(), args[index]);
}

template <typename F, typename R, typename Self, typename... A>
Imp MakeImp(F body, R (*)(Self, A...)) {
    return [body = std::move(body)](id self, SEL cmd, std::span<const Value> args) -> Value {
        if (args.size() != sizeof...(A))
            ThrowArgumentCount(self, cmd, sizeof...(A), args.size());
        const Self receiver = Receiver<Self>(self, cmd);
        // Braces convert the arguments in order, so the first bad one is reported.
        auto values = [&]<std::size_t... I>(std::index_sequence<I...>) {
            return std::tuple<std::remove_cvref_t<A>...>{Argument<A>(self, cmd, args, I)...};
        }
        (std::index_sequence_for<A...>{});
        const auto call = [&](auto&... converted) {
            return body(receiver, converted...);
        };
        if constexpr (std::is_void_v<R>) {
            std::apply(call, values);
            return Value();
        } else {
            return Value::Of(std::apply(call, values));
        }
    };
}

template <typename F> Imp MakeImp(F body) {
    return MakeImp(std::move(body), static_cast<typename Signature<F>::Type*>(nullptr));
}

} // namespace objc::detail

template <typename F> void objc_class::AddMethod(std::string_view selector, F body) {
    addImp(sel_registerName(selector), objc::detail::MakeImp(std::move(body)));
}

template <typename F> void objc_class::AddClassMethod(std::string_view selector, F body) {
    static_cast<objc_class*>(isa)->addImp(sel_registerName(selector),
                                          objc::detail::MakeImp(std::move(body)));
}
