#pragma once

#include <memory>
#include <string>
#include <string_view>

struct UCollator;

// The order in which the Finder lists file names: by the rules of a locale,
// runs of digits by their numeric value ("uni2" before "uni10"), letter case
// and width only when everything else is equal, and 0 only for identical
// texts, so that a sort is stable against any real difference.
class FinderCollator {
public:
    // The rules of `locale` ("en_US", "ja_JP"; "" for the root rules).
    explicit FinderCollator(const std::string& locale);

    // The user's collator, by LC_ALL, LC_COLLATE and LANG, made once.
    static const FinderCollator& Current();
    // The locale of the first of the three settings that is set: its codeset
    // and modifier removed ("ja_JP.UTF-8" gives "ja_JP"); "C" and "POSIX" give "".
    static std::string LocaleName(std::string_view lcAll, std::string_view lcCollate,
                                  std::string_view lang);

    // -1, 0 or 1 for two UTF-8 texts.
    int Compare(std::string_view a, std::string_view b) const;

private:
    struct Close {
        void operator()(UCollator* collator) const;
    };

    std::unique_ptr<UCollator, Close> collator_;
};
