#pragma once

#include "framework/Collator.h"

#include <string>
#include <string_view>

// The order in which the Finder lists file names: by the rules of a locale,
// runs of digits by their numeric value ("uni2" before "uni10"), letter case
// and width only when everything else is equal, and 0 only for identical
// texts, so that a sort is stable against any real difference.
class FinderCollator {
public:
    // The rules of `locale` ("en_US", "ja_JP"; "" for the root rules).
    explicit FinderCollator(const std::string& locale);

    // The user's collator, made once.
    static const FinderCollator& Current();

    // -1, 0 or 1 for two UTF-8 texts.
    int Compare(std::string_view a, std::string_view b) const;

private:
    Collator collator_;
};
