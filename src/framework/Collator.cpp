#include "Collator.h"

#include "Exceptions.h"
#include "TextHash_p.h"

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

// The keys of one collator: each text seen, with its key, in one store of
// records (text size, key size, text, key), found through an open-addressing
// index of the records' places. The index is small enough to stay in the
// processor's cache, so a look-up reads little more than the one record.
class Collator::SortKeys::Table {
public:
    explicit Table(const Collator& collator) : collator_(collator), slots_(1 << 12) {
        store_.reserve(1 << 16);
    }

    const Collator& collator() const { return collator_; }

    // The key of `text`, computed on first sight; empty for a text that has
    // no key (ill-formed UTF-8) or that is not worth keeping one for.
    std::string_view keyOf(std::string_view text) {
        if (text.size() > keyedTextLimit)
            return {};
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t slot = TextHash(text) & mask;; slot = (slot + 1) & mask) {
            if (slots_[slot] == 0)
                return add(text, slot);
            const std::size_t at = slots_[slot] - 1;
            if (textAt(at) == text)
                return keyAt(at);
        }
    }

private:
    // Longer texts are compared directly: a key would cost more than it saves.
    static constexpr std::size_t keyedTextLimit = 1 << 20;
    static constexpr std::size_t storeLimit = std::numeric_limits<std::uint32_t>::max() / 2;
    static constexpr std::size_t headerSize = 2 * sizeof(std::uint32_t);

    std::uint32_t sizeAt(std::size_t at) const {
        std::uint32_t size = 0;
        std::memcpy(&size, store_.data() + at, sizeof size);
        return size;
    }

    std::string_view textAt(std::size_t at) const {
        return std::string_view(store_).substr(at + headerSize, sizeAt(at));
    }

    std::string_view keyAt(std::size_t at) const {
        return std::string_view(store_).substr(at + headerSize + sizeAt(at),
                                               sizeAt(at + sizeof(std::uint32_t)));
    }

    std::string_view add(std::string_view text, std::size_t slot) {
        if (store_.size() > storeLimit)
            return {};
        const std::size_t at = store_.size();
        const std::uint32_t sizes[2] = {static_cast<std::uint32_t>(text.size()), 0};
        store_.append(reinterpret_cast<const char*>(sizes), sizeof sizes);
        store_.append(text);
        const std::uint32_t keySize = appendKey(text);
        std::memcpy(store_.data() + at + sizeof(std::uint32_t), &keySize, sizeof keySize);
        slots_[slot] = static_cast<std::uint32_t>(at + 1);
        if (++used_ * 2 > slots_.size())
            grow();
        return keyAt(at);
    }

    // The key goes after the text in the store; its size, 0 when the text
    // has none. Only well-formed texts get one: the collation library reads
    // ill-formed bytes in its own way when it compares two texts directly.
    std::uint32_t appendKey(std::string_view text) {
        UErrorCode status = U_ZERO_ERROR;
        std::int32_t length = 0;
        if (utf16_.size() < text.size() + 1)
            utf16_.resize(text.size() + 1);
        u_strFromUTF8(utf16_.data(), static_cast<std::int32_t>(utf16_.size()), &length, text.data(),
                      static_cast<std::int32_t>(text.size()), &status);
        if (U_FAILURE(status))
            return 0;
        for (;;) {
            const std::int32_t size =
                ucol_getSortKey(collator_.collator_.get(), utf16_.data(), length, key_.data(),
                                static_cast<std::int32_t>(key_.size()));
            if (size <= static_cast<std::int32_t>(key_.size())) {
                store_.append(reinterpret_cast<const char*>(key_.data()),
                              static_cast<std::size_t>(size));
                return static_cast<std::uint32_t>(size);
            }
            key_.resize(static_cast<std::size_t>(size));
        }
    }

    void grow() {
        std::vector<std::uint32_t> old(slots_.size() * 2);
        old.swap(slots_);
        const std::size_t mask = slots_.size() - 1;
        for (const std::uint32_t held : old) {
            if (held == 0)
                continue;
            std::size_t slot = TextHash(textAt(held - 1)) & mask;
            while (slots_[slot] != 0)
                slot = (slot + 1) & mask;
            slots_[slot] = held;
        }
    }

    const Collator& collator_;
    std::vector<std::uint32_t> slots_;
    std::size_t used_ = 0;
    String store_;
    std::vector<UChar> utf16_;
    std::vector<std::uint8_t> key_ = std::vector<std::uint8_t>(256);
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
        const std::string_view keyA = keys.keyOf(a);
        const std::string_view keyB = keys.keyOf(b);
        if (!keyA.empty() && !keyB.empty())
            return signOf(keyA.compare(keyB));
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
