#include "Dictionary.h"

#include "Exceptions.h"
#include "TextHash_p.h"

#include <algorithm>
#include <bit>
#include <limits>

namespace {

// The slot's tag: the hash bits that do not choose the slot.
std::uint32_t tagOf(std::size_t hash) {
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(hash) >> 32);
}

} // namespace

Dictionary::Dictionary(const Dictionary& other) {
    *this = other;
}

Dictionary& Dictionary::operator=(const Dictionary& other) {
    if (this == &other)
        return *this;
    Clear();
    Reserve(other.keys_.size());
    for (std::size_t i = 0; i < other.keys_.size(); ++i)
        Value(other.keys_[i], other.values_[i]);
    return *this;
}

const String& Dictionary::Value(std::string_view key) const {
    const String* value = find(key);
    if (!value)
        throw KeyNotFoundException("The key \"" + String(key) + "\" is not in the dictionary.");
    return *value;
}

void Dictionary::Value(std::string_view key, std::string_view value) {
    Reserve(keys_.size() + 1);
    const std::size_t hash = TextHash(key);
    Slot& slot = slots_[slotIndex(key, hash)];
    if (slot.place != 0) {
        values_[slot.place - 1].assign(value);
        return;
    }
    if (keys_.size() >= std::numeric_limits<std::uint32_t>::max())
        throw OutOfBoundsException("A dictionary holds at most 4294967295 keys.");
    keys_.emplace_back(key);
    values_.emplace_back(value);
    slot = {tagOf(hash), static_cast<std::uint32_t>(keys_.size())};
}

void Dictionary::Clear() {
    slots_.clear();
    keys_.clear();
    values_.clear();
}

void Dictionary::Reserve(std::size_t count) {
    if (count > slots_.size() / 2)
        rehash(count);
}

std::size_t Dictionary::slotIndex(std::string_view key, std::size_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.place == 0 || (slot.tag == tagOf(hash) && keys_[slot.place - 1] == key))
            return i;
    }
}

const String* Dictionary::find(std::string_view key) const {
    if (keys_.empty())
        return nullptr;
    const Slot& slot = slots_[slotIndex(key, TextHash(key))];
    return slot.place == 0 ? nullptr : &values_[slot.place - 1];
}

void Dictionary::rehash(std::size_t count) {
    std::vector<Slot> old(std::bit_ceil(std::max<std::size_t>(16, 2 * count)));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.place == 0)
            continue;
        std::size_t i = TextHash(keys_[slot.place - 1]) & mask;
        while (slots_[i].place != 0)
            i = (i + 1) & mask;
        slots_[i] = slot;
    }
}
