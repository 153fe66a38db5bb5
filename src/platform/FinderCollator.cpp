#include "FinderCollator.h"

#include "framework/Exceptions.h"

#include <unicode/ucol.h>

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

std::string_view environment(const char* name) {
    const char* const value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

std::int32_t lengthOf(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw OutOfBoundsException("The text is too long to be compared.");
    return static_cast<std::int32_t>(text.size());
}

} // namespace

void FinderCollator::Close::operator()(UCollator* collator) const {
    ucol_close(collator);
}

FinderCollator::FinderCollator(const std::string& locale) {
    UErrorCode status = U_ZERO_ERROR;
    collator_.reset(ucol_open(locale.c_str(), &status));
    if (U_FAILURE(status)) {
        status = U_ZERO_ERROR;
        collator_.reset(ucol_open("", &status));
    }
    ucol_setAttribute(collator_.get(), UCOL_NUMERIC_COLLATION, UCOL_ON, &status);
    if (U_FAILURE(status))
        throw RuntimeException(std::string("Texts cannot be sorted: ") + u_errorName(status));
}

const FinderCollator& FinderCollator::Current() {
    static const FinderCollator collator(
        LocaleName(environment("LC_ALL"), environment("LC_COLLATE"), environment("LANG")));
    return collator;
}

std::string FinderCollator::LocaleName(std::string_view lcAll, std::string_view lcCollate,
                                       std::string_view lang) {
    const std::string_view setting = !lcAll.empty() ? lcAll : !lcCollate.empty() ? lcCollate : lang;
    const std::string_view locale = setting.substr(0, setting.find_first_of(".@"));
    if (locale == "C" || locale == "POSIX")
        return {};
    return std::string(locale);
}

int FinderCollator::Compare(std::string_view a, std::string_view b) const {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult order =
        ucol_strcollUTF8(collator_.get(), a.data(), lengthOf(a), b.data(), lengthOf(b), &status);
    if (U_FAILURE(status))
        throw RuntimeException(std::string("Texts cannot be compared: ") + u_errorName(status));
    if (order != UCOL_EQUAL)
        return order == UCOL_LESS ? -1 : 1;
    // Texts the rules cannot tell apart still differ: the code points decide,
    // which for UTF-8 is the order of the bytes.
    const int bytes = a.compare(b);
    return (bytes > 0) - (bytes < 0);
}
