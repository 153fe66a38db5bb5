#include "FinderCollator.h"

#include "framework/Exceptions.h"

FinderCollator::FinderCollator(const std::string& locale)
    : collator_(locale, Collator::Strength::OfLocale, true) {}

const FinderCollator& FinderCollator::Current() {
    static const FinderCollator collator(Collator::UserLocale());
    return collator;
}

int FinderCollator::Compare(std::string_view a, std::string_view b) const {
    const std::optional<int> order = collator_.Order(a, b);
    if (!order)
        throw RuntimeException("These texts cannot be compared.");
    if (*order != 0)
        return *order;
    // Texts the rules cannot tell apart still differ: the code points decide,
    // which for UTF-8 is the order of the bytes.
    const int bytes = a.compare(b);
    return (bytes > 0) - (bytes < 0);
}
