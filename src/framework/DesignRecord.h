#pragma once

#include "Colour.h"
#include "Exceptions.h"
#include "String.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <type_traits>
#include <variant>
#include <vector>

// One design value: an Integer (enumerations too), a Boolean, a String, a Colour,
// a font size (float) or a font unit (std::uint8_t).
using DesignValue = std::variant<std::int64_t, bool, String, Colour, float, std::uint8_t>;

struct DesignEntry {
    String Name;
    DesignValue Value;
};

// The design values of one window or control, applied in their order.
using DesignRecord = std::vector<DesignEntry>;

// A class's property setters by name. Applying a record through them catches a
// misspelt name or a value of the wrong type at once instead of dropping it.
template <class T> class DesignSetters {
public:
    template <class Value, class Owner>
    DesignSetters& Set(const String& name, void (Owner::*setter)(Value)) {
        static_assert(std::is_base_of_v<Owner, T>);
        using Stored = std::remove_cvref_t<Value>;
        setters_[name] = [name, setter](T& object, const DesignValue& value) {
            const Stored* typed = std::get_if<Stored>(&value);
            if (!typed)
                throw RuntimeException("The design value of " + name + " has the wrong type.");
            (object.*setter)(*typed);
        };
        return *this;
    }

    // Names that the class accepts but that mean nothing on this platform.
    DesignSetters& Ignore(std::initializer_list<const char*> names) {
        for (const char* name : names)
            setters_[name] = [](T&, const DesignValue&) {
            };
        return *this;
    }

    void Apply(T& object, const DesignRecord& record) const {
        for (const DesignEntry& entry : record) {
            const auto found = setters_.find(entry.Name);
            if (found == setters_.end())
                throw RuntimeException("There is no design property named " + entry.Name + ".");
            found->second(object, entry.Value);
        }
    }

private:
    std::map<String, std::function<void(T&, const DesignValue&)>, std::less<>> setters_;
};
