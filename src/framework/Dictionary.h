#pragma once

#include "String.h"

#include <cstdint>
#include <deque>
#include <vector>

// Texts by text key. Keys compare byte for byte ("a" and "A" are two keys) and
// come out in the order they were first set: a later value for a key keeps
// the key's first place.
class Dictionary {
public:
    Dictionary() = default;
    Dictionary(const Dictionary& other);
    Dictionary& operator=(const Dictionary& other);
    Dictionary(Dictionary&&) noexcept = default;
    Dictionary& operator=(Dictionary&&) noexcept = default;

    std::int64_t KeyCount() const { return static_cast<std::int64_t>(keys_.size()); }
    bool HasKey(std::string_view key) const { return find(key) != nullptr; }
    // Raises KeyNotFoundException for a key the dictionary does not hold.
    const String& Value(std::string_view key) const;
    void Value(std::string_view key, std::string_view value);
    // The keys in the dictionary's own order.
    const std::deque<String>& Keys() const { return keys_; }
    void Clear();
    // Room for `count` keys, so a large map is built without rehashing.
    void Reserve(std::size_t count);

private:
    // One slot of the index: the high half of a key's hash, to skip most
    // unequal keys without reading them, and the key's place in keys_ plus
    // one; place 0 marks a free slot.
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t place = 0;
    };

    // Where the slot that holds `key` is, or the free slot where it would go.
    std::size_t slotIndex(std::string_view key, std::size_t hash) const;
    const String* find(std::string_view key) const;
    void rehash(std::size_t count);

    std::deque<String> keys_;
    std::deque<String> values_;
    // Open addressing with linear probing, at most half full: a look-up
    // reads one or two neighbouring slots instead of chasing list nodes,
    // which matters when two maps of tens of thousands of keys are compared.
    // The slot's place is 32 bits wide, which bounds the number of keys.
    std::vector<Slot> slots_;
};
