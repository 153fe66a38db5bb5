#pragma once

#include "String.h"

#include <cstdint>
#include <variant>

// One value of a plain type, or nothing: what a JSON object's member holds.
class Variant {
public:
    using Data = std::variant<std::monostate, bool, std::int64_t, double, String>;

    Variant() = default;
    explicit Variant(bool value) : data_(value) {}
    explicit Variant(std::int64_t value) : data_(value) {}
    explicit Variant(double value) : data_(value) {}
    explicit Variant(String value) : data_(std::move(value)) {}

    const Data& Value() const { return data_; }
    // The integer held; a fraction, a text, a Boolean or nothing raises
    // TypeMismatchException rather than turning into a number nobody stored.
    std::int64_t Int64Value() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    Data data_;
};
