#pragma once

#include "ObjCObject.h"

#include "framework/TypeName.h"

#include <any>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <variant>

namespace objc {

template <typename T>
concept Boolean = std::is_same_v<T, bool>;
template <typename T>
concept Integer = (std::is_integral_v<T> && !Boolean<T>) || std::is_enum_v<T>;
template <typename T>
concept Real = std::is_floating_point_v<T>;
template <typename T>
concept Selector = std::is_same_v<T, SEL>;
template <typename T>
concept ObjectPointer =
    std::is_pointer_v<T> && !Selector<T> && std::is_convertible_v<T, const objc_object*>;
// Structs and pointers to them travel as themselves and must match exactly.
template <typename T>
concept Opaque = !Boolean<T> && !Integer<T> && !Real<T> && !Selector<T> && !ObjectPointer<T> &&
                 !std::is_same_v<T, std::nullptr_t> && std::is_trivially_copyable_v<T>;
// While a class is only declared, a pointer to one of its objects looks like a
// struct pointer; it is refused rather than sent as one.
template <typename T>
concept KnownPointee = !std::is_pointer_v<T> ||
                       !std::is_class_v<std::remove_cv_t<std::remove_pointer_t<T>>> || requires {
    sizeof(std::remove_pointer_t<T>);
};

// `object` as a T, none when it is of another class. Most objects are of
// exactly the class asked for, which a comparison of types tells at once.
template <typename T> T Cast(id object) {
    if (object && typeid(*object) == typeid(std::remove_pointer_t<T>))
        return static_cast<T>(object);
    return dynamic_cast<T>(object);
}

// One argument or result of a message. Whole numbers travel as 64-bit
// integers and fractions as doubles, whatever C++ type the sender used, so
// the types a method declares decide; a value that does not fit the declared
// type is refused rather than reinterpreted.
class Value {
public:
    // Nothing: the result of a method that returns nothing.
    Value() = default;

    template <typename T> static Value Of(const T& value);
    // The value as a T, or none when it is not one. None (nil) is a valid
    // value of every pointer type.
    template <typename T> std::optional<T> To() const;

    // "the integer 3", "an object of class NSString", ...
    std::string Description() const;
    // "an integer of type long", "an object of type NSString", ...
    template <typename T> static std::string TypeDescription();

private:
    using Data = std::variant<std::monostate, bool, std::int64_t, double, id, SEL, std::any>;

    explicit Value(Data data) : data_(std::move(data)) {}
    [[noreturn]] static void throwBeyondRange();
    template <typename T> static bool fits(std::int64_t value);
    template <typename T> std::optional<T> opaqueTo() const;

    Data data_;
};

template <typename T> Value Value::Of(const T& value) {
    if constexpr (Boolean<T>) {
        return Value(Data(std::in_place_type<bool>, value));
    } else if constexpr (std::is_enum_v<T>) {
        return Of(static_cast<std::underlying_type_t<T>>(value));
    } else if constexpr (Integer<T>) {
        if constexpr (std::is_unsigned_v<T> && sizeof(T) >= sizeof(std::int64_t)) {
            if (value > static_cast<T>(std::numeric_limits<std::int64_t>::max()))
                throwBeyondRange();
        }
        return Value(Data(std::in_place_type<std::int64_t>, static_cast<std::int64_t>(value)));
    } else if constexpr (Real<T>) {
        return Value(Data(std::in_place_type<double>, static_cast<double>(value)));
    } else if constexpr (std::is_same_v<T, std::nullptr_t>) {
        return Value(Data(std::in_place_type<id>, nil));
    } else if constexpr (Selector<T>) {
        return Value(Data(std::in_place_type<SEL>, value));
    } else if constexpr (ObjectPointer<T>) {
        return Value(
            Data(std::in_place_type<id>, const_cast<id>(static_cast<const objc_object*>(value))));
    } else {
        static_assert(Opaque<T>, "a message carries Booleans, numbers, enums, objects, selectors "
                                 "and trivially copyable values such as structs and pointers");
        static_assert(KnownPointee<T>, "include the header that defines the pointer's class");
        return Value(Data(std::in_place_type<std::any>, value));
    }
}

template <typename T> std::optional<T> Value::To() const {
    if constexpr (Boolean<T>) {
        const bool* const flag = std::get_if<bool>(&data_);
        return flag ? std::optional<T>(*flag) : std::nullopt;
    } else if constexpr (std::is_enum_v<T>) {
        const auto number = To<std::underlying_type_t<T>>();
        return number ? std::optional<T>(static_cast<T>(*number)) : std::nullopt;
    } else if constexpr (Integer<T>) {
        const std::int64_t* const number = std::get_if<std::int64_t>(&data_);
        if (!number || !fits<T>(*number))
            return std::nullopt;
        return static_cast<T>(*number);
    } else if constexpr (Real<T>) {
        if (const double* const number = std::get_if<double>(&data_))
            return static_cast<T>(*number);
        if (const std::int64_t* const number = std::get_if<std::int64_t>(&data_))
            return static_cast<T>(*number);
        return std::nullopt;
    } else if constexpr (Selector<T>) {
        const SEL* const selector = std::get_if<SEL>(&data_);
        return selector ? std::optional<T>(*selector) : std::nullopt;
    } else if constexpr (ObjectPointer<T>) {
        const id* const object = std::get_if<id>(&data_);
        if (!object)
            return std::nullopt;
        if (!*object)
            return T{nullptr};
        const T typed = Cast<T>(*object);
        return typed ? std::optional<T>(typed) : std::nullopt;
    } else {
        static_assert(Opaque<T>, "a message carries Booleans, numbers, enums, objects, selectors "
                                 "and trivially copyable values such as structs and pointers");
        static_assert(KnownPointee<T>, "include the header that defines the pointer's class");
        return opaqueTo<T>();
    }
}

template <typename T> bool Value::fits(std::int64_t value) {
    if constexpr (std::is_signed_v<T>)
        return value >= std::numeric_limits<T>::min() && value <= std::numeric_limits<T>::max();
    else
        return value >= 0 && static_cast<std::uint64_t>(value) <=
                                 static_cast<std::uint64_t>(std::numeric_limits<T>::max());
}

template <typename T> std::optional<T> Value::opaqueTo() const {
    if constexpr (std::is_pointer_v<T>) {
        // None is a valid pointer of any type, and a pointer may be read
        // through a pointer to const.
        if (const id* const object = std::get_if<id>(&data_))
            return *object ? std::nullopt : std::optional<T>(nullptr);
        using Mutable = std::add_pointer_t<std::remove_const_t<std::remove_pointer_t<T>>>;
        if constexpr (!std::is_same_v<T, Mutable>) {
            if (const std::any* const value = std::get_if<std::any>(&data_)) {
                if (const Mutable* const pointer = std::any_cast<Mutable>(value))
                    return *pointer;
            }
        }
    }
    const std::any* const value = std::get_if<std::any>(&data_);
    const T* const typed = value ? std::any_cast<T>(value) : nullptr;
    return typed ? std::optional<T>(*typed) : std::nullopt;
}

template <typename T> std::string Value::TypeDescription() {
    if constexpr (Boolean<T>)
        return "a Boolean";
    else if constexpr (Integer<T>)
        return "an integer of type " + TypeName(typeid(T));
    else if constexpr (Real<T>)
        return "a number";
    else if constexpr (Selector<T>)
        return "a selector";
    else if constexpr (std::is_same_v<T, id>)
        return "an object";
    else if constexpr (std::is_same_v<T, Class>)
        return "a class";
    else if constexpr (ObjectPointer<T>)
        return "an object of type " + TypeName(typeid(std::remove_pointer_t<T>));
    else
        return "a value of type " + TypeName(typeid(T));
}

} // namespace objc
