#pragma once

#include "framework/RegEx.h"
#include "framework/String.h"

#include <cstdint>
#include <memory>

// Search and replace for the rest of the program. Neither routine fails: a
// bad pattern or an engine error is told to the user in the framework's
// simple message box (MsgBox), and a text still comes back. They need no
// widgets: in a program without them the message goes to stderr.
namespace RegExVelk {

// The engine object of the latest search or replacement; none before the first.
extern std::shared_ptr<RegEx> reg;

// Puts a new engine object, all options at their defaults, into `reg`.
void MakeRegEx();

// The whole first match at or after character `start`; the empty text when
// there is none, the text or pattern is empty, or the engine fails.
String MachStr(const String& text, const String& pattern, std::int64_t start, bool caseSensitive);

// The text with every match replaced; unchanged when nothing matches, the
// text or pattern is empty, or the pattern is a lone "^", "$" or "\b"; the
// empty text when the engine fails.
String ReplaceAll(const String& text, const String& pattern, const String& replacement,
                  bool caseSensitive);

String kAlert_Metacharacters(const String& lang);

} // namespace RegExVelk
