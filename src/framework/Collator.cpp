#include "Collator.h"

#include "Exceptions.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr std::size_t collatorLimit = std::numeric_limits<std::int32_t>::max();

std::string_view environment(const char* name) {
    const char* const value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

int signOf(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

// The keys of one collator: each text seen, end to end with its key, in one
// store, found through an open-addressing index whose slots hold what a
// look-up needs before it reads the store: part of the text's hash and the
// place and sizes of the text and its key.
class Collator::SortKeys::Table {
public:
    // Where a text's key lies in the store.
    struct Place {
        std::uint32_t at = 0;
        std::uint32_t size = 0;
    };

    explicit Table(const Collator& collator) : collator_(collator), slots_(1 << 12) {}

    const Collator& collator() const { return collator_; }

    // The key of `text`, computed on first sight; none for a text that has
    // no key (ill-formed UTF-8) or that is not worth keeping one for.
    std::optional<Place> keyOf(std::string_view text) {
        if (text.size() > keyedTextLimit)
            return std::nullopt;
        const std::uint64_t hash = hashOf(text);
        const std::uint32_t check = static_cast<std::uint32_t>(hash >> 32) | 1;
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t index = hash & mask;; index = (index + 1) & mask) {
            Slot& slot = slots_[index];
            if (slot.check == 0)
                return add(text, slot, check);
            if (slot.check == check && slot.textSize == text.size() &&
                std::memcmp(store_.data() + slot.at, text.data(), text.size()) == 0)
                return placeOf(slot);
        }
    }

    std::string_view key(Place place) const {
        return std::string_view(store_).substr(place.at, place.size);
    }

private:
    // A text at `at` in the store, followed by its key of `keySize` bytes;
    // a text without a key has key size 0, a free slot check 0.
    struct Slot {
        std::uint32_t check = 0;
        std::uint32_t at = 0;
        std::uint32_t textSize = 0;
        std::uint32_t keySize = 0;
    };

    // Longer texts are compared directly: a key would cost more than it saves.
    static constexpr std::size_t keyedTextLimit = 1 << 20;
    static constexpr std::size_t storeLimit = std::numeric_limits<std::uint32_t>::max() / 2;

    // Eight bytes at a time, then a full mix of the bits, so that texts alike
    // but for their last characters land far apart.
    static std::uint64_t hashOf(std::string_view text) {
        std::uint64_t hash = text.size();
        const auto mix = [&hash](std::uint64_t word) {
            hash = (hash ^ word) * 0x9E3779B97F4A7C15u;
            hash ^= hash >> 32;
        };
        std::size_t at = 0;
        for (; at + 8 <= text.size(); at += 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + at, 8);
            mix(word);
        }
        std::uint64_t rest = 0;
        if (at < text.size())
            std::memcpy(&rest, text.data() + at, text.size() - at);
        mix(rest);
        hash ^= hash >> 33;
        hash *= 0xFF51AFD7ED558CCDu;
        hash ^= hash >> 33;
        hash *= 0xC4CEB9FE1A85EC53u;
        return hash ^ (hash >> 33);
    }

    static std::optional<Place> placeOf(const Slot& slot) {
        if (slot.keySize == 0)
            return std::nullopt;
        return Place{slot.at + slot.textSize, slot.keySize};
    }

    std::optional<Place> add(std::string_view text, Slot& slot, std::uint32_t check) {
        if (store_.size() > storeLimit)
            return std::nullopt;
        slot = {check, static_cast<std::uint32_t>(store_.size()),
                static_cast<std::uint32_t>(text.size()), 0};
        store_.append(text);
        slot.keySize = appendKey(text);
        const std::optional<Place> place = placeOf(slot);
        if (++used_ * 2 > slots_.size())
            grow();
        return place;
    }

    // The key goes after the text in the store; its size, 0 when the text
    // has none. Only well-formed texts get one: the collation library reads
    // ill-formed bytes in its own way when it compares two texts directly.
    std::uint32_t appendKey(std::string_view text) {
        UErrorCode status = U_ZERO_ERROR;
        std::int32_t length = 0;
        utf16_.resize(std::max<std::size_t>(text.size(), 1));
        u_strFromUTF8(utf16_.data(), static_cast<std::int32_t>(utf16_.size()), &length, text.data(),
                      static_cast<std::int32_t>(text.size()), &status);
        if (U_FAILURE(status))
            return 0;
        const std::size_t start = store_.size();
        std::int32_t room = 4 * length + 16;
        for (;;) {
            store_.resize(start + static_cast<std::size_t>(room));
            const std::int32_t size =
                ucol_getSortKey(collator_.collator_.get(), utf16_.data(), length,
                                reinterpret_cast<std::uint8_t*>(store_.data() + start), room);
            if (size <= room) {
                store_.resize(start + static_cast<std::size_t>(size));
                return static_cast<std::uint32_t>(size);
            }
            room = size;
        }
    }

    void grow() {
        std::vector<Slot> old(slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const Slot& slot : old) {
            if (slot.check == 0)
                continue;
            std::size_t index =
                hashOf(std::string_view(store_).substr(slot.at, slot.textSize)) & mask;
            while (slots_[index].check != 0)
                index = (index + 1) & mask;
            slots_[index] = slot;
        }
    }

    const Collator& collator_;
    std::vector<Slot> slots_;
    std::size_t used_ = 0;
    String store_;
    std::vector<UChar> utf16_;
};

namespace {

// The outermost scope of this thread; scopes inside it share its keys.
thread_local Collator::SortKeys* activeScope = nullptr;

} // namespace

Collator::SortKeys::SortKeys() {
    if (!activeScope)
        activeScope = this;
}

Collator::SortKeys::~SortKeys() {
    if (activeScope == this)
        activeScope = nullptr;
}

Collator::SortKeys::Table& Collator::SortKeys::tableFor(const Collator& collator) {
    for (const std::unique_ptr<Table>& table : tables_) {
        if (&table->collator() == &collator)
            return *table;
    }
    return *tables_.emplace_back(std::make_unique<Table>(collator));
}

void Collator::Close::operator()(UCollator* collator) const {
    ucol_close(collator);
}

Collator::Collator(const String& locale, Strength strength, bool numeric) {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(ucol_open(locale.c_str(), &status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator_.reset(ucol_open("", &status));
    }
    if (strength != Strength::OfLocale)
        ucol_setAttribute(collator_.get(), UCOL_STRENGTH,
                          strength == Strength::Secondary ? UCOL_SECONDARY : UCOL_IDENTICAL,
                          &status);
    if (numeric)
        ucol_setAttribute(collator_.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    if (U_FAILURE(status))
        throw RuntimeException(std::string("Texts cannot be sorted: ") + u_errorName(status));
}

Collator::~Collator() = default;

String Collator::UserLocale() {
    return LocaleName(environment("LC_ALL"), environment("LC_COLLATE"), environment("LANG"));
}

String Collator::LocaleName(std::string_view lcAll, std::string_view lcCollate,
                            std::string_view lang) {
    const std::string_view setting = !lcAll.empty() ? lcAll : !lcCollate.empty() ? lcCollate : lang;
    const std::string_view locale = setting.substr(0, setting.find_first_of(".@"));
    if (locale == "C" || locale == "POSIX")
        return {};
    return String(locale);
}

std::optional<int> Collator::Order(std::string_view a, std::string_view b) const {
    if (activeScope) {
        SortKeys::Table& keys = activeScope->tableFor(*this);
        const auto keyA = keys.keyOf(a);
        const auto keyB = keys.keyOf(b);
        if (keyA && keyB)
            return signOf(keys.key(*keyA).compare(keys.key(*keyB)));
    }
    return collate(a, b);
}

std::optional<int> Collator::collate(std::string_view a, std::string_view b) const {
    if (a.size() > collatorLimit || b.size() > collatorLimit)
        return std::nullopt;
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(collator_.get(), a.data(), static_cast<std::int32_t>(a.size()), b.data(),
                         static_cast<std::int32_t>(b.size()), &status);
    if (U_FAILURE(status))
        return std::nullopt;
    return order == UCOL_LESS ? -1 : order == UCOL_GREATER ? 1 : 0;
}
