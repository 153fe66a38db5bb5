#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The framework's text: UTF-8 bytes. Byte offsets where the framework counts
// bytes, character counts where it counts characters.
using String = std::string;

enum class ComparisonOptions { CaseInsensitive = 0, CaseSensitive = 1 };

namespace Str {

// The platform's line end.
inline constexpr std::string_view EndOfLine = "\n";

std::int64_t Bytes(std::string_view text);
// The first `count` characters (not bytes) of `text`.
String Left(std::string_view text, std::int64_t count);
// Removes ASCII whitespace (space, tab, LF, VT, FF, CR) at both ends only.
String Trim(String text);
// Removes every one of `characters` at the end only.
String TrimRight(String text, std::string_view characters);
// Every CR LF, lone CR and lone LF becomes `lineEnd`.
// A text that needs no change comes back as it was, without a copy.
String ReplaceLineEndings(String text, std::string_view lineEnd);
// `text` with the first occurrence of `oldText` replaced by `newText`; an
// empty `oldText` occurs nowhere.
String Replace(String text, std::string_view oldText, std::string_view newText);
// Splits at every occurrence of `separator`; an empty text gives one empty field.
std::vector<String> Split(std::string_view text, std::string_view separator);

// Locale-aware order of two texts (-1, 0, 1). Case-sensitive, it gives 0 only
// for canonically equivalent texts: case, width, punctuation and ignorable
// characters always count, so no real difference is ever hidden.
int Compare(std::string_view a, std::string_view b,
            ComparisonOptions options = ComparisonOptions::CaseInsensitive);

} // namespace Str
