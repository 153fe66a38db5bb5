#pragma once

#include "String.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

struct UCollator;

// The order of texts by the rules of a locale. Opening the rules is costly,
// so each kind of order is opened once and kept.
class Collator {
public:
    // How fine the differences are that count: the locale's own choice,
    // base letters and accents only, or everything down to the code points.
    enum class Strength { OfLocale, Secondary, Identical };

    // The rules of `locale` ("en_US", "ja_JP"; "" for the root rules, which
    // also serve a locale without rules of its own). With `numeric`, runs of
    // digits order by their value ("2" before "10").
    Collator(const String& locale, Strength strength, bool numeric = false);
    ~Collator();
    Collator(const Collator&) = delete;
    Collator& operator=(const Collator&) = delete;

    // The user's collation locale, as the C library chooses it.
    static String UserLocale();
    // The locale of the first of the three settings that is set: its codeset
    // and modifier removed ("ja_JP.UTF-8" gives "ja_JP"); "C" and "POSIX" give "".
    static String LocaleName(std::string_view lcAll, std::string_view lcCollate,
                             std::string_view lang);

    // -1, 0 or 1 for two UTF-8 texts; none when the rules cannot order them
    // (a text beyond 2 GiB, a failure inside the collation library).
    std::optional<int> Order(std::string_view a, std::string_view b) const;

    // A sort compares each text with many others. While a scope lives on
    // this thread, collators compute each text's sort key once, keep it, and
    // compare two texts by their keys' bytes, which gives the same order.
    // The keys go when the outermost scope ends.
    class SortKeys {
    public:
        SortKeys();
        ~SortKeys();
        SortKeys(const SortKeys&) = delete;
        SortKeys& operator=(const SortKeys&) = delete;

    private:
        friend class Collator;
        class Table;

        Table& tableFor(const Collator& collator);

        std::vector<std::unique_ptr<Table>> tables_;
    };

private:
    struct Close {
        void operator()(UCollator* collator) const;
    };

    std::optional<int> collate(std::string_view a, std::string_view b) const;

    std::unique_ptr<UCollator, Close> collator_;
};
