#pragma once

#include "String.h"

#include <cstdint>
#include <memory>
#include <vector>

// How a RegEx searches. The object reads its options at every search, so a
// change takes effect with the next Search or Replace.
struct RegExOptions {
    bool CaseSensitive = false;
    // Off: every quantifier is lazy unless marked greedy with "?".
    bool Greedy = true;
    bool ReplaceAllMatches = false;
    // Off: "^" and "$" match at the start and end of every line, not only of the text.
    bool TreatTargetAsOneLine = false;
};

// One match: sub-expression 0 is the whole match, 1 and up the groups.
class RegExMatch {
public:
    // The pattern's groups plus the whole match, whether or not each group took part.
    int SubExpressionCount() const { return static_cast<int>(groups_.size()); }
    // The empty text for a group that took no part. OutOfBoundsException past the last.
    String SubExpressionString(int number) const;

private:
    friend class RegEx;
    explicit RegExMatch(std::vector<String> groups) : groups_(std::move(groups)) {}

    std::vector<String> groups_;
};

// A Perl-compatible regular expression over UTF-8 text. Positions are byte offsets.
// Failures raise RegExException (RegExSearchPatternException for a rejected pattern).
class RegEx {
public:
    RegEx();
    ~RegEx();
    RegEx(const RegEx&) = delete;
    RegEx& operator=(const RegEx&) = delete;

    // The object's own options, changed in place.
    RegExOptions& Options() { return options_; }
    const RegExOptions& Options() const { return options_; }

    const String& SearchPattern() const { return searchPattern_; }
    // Compiles at once, so that a bad pattern is reported where it is set.
    void SearchPattern(const String& pattern);

    // "\0".."\9" and "$0".."$9" stand for the match and its groups; all else is literal.
    const String& ReplacementPattern() const { return replacementPattern_; }
    void ReplacementPattern(const String& pattern) { replacementPattern_ = pattern; }

    std::int64_t SearchStartPosition() const { return searchStartPosition_; }
    // OutOfBoundsException for a negative offset.
    void SearchStartPosition(std::int64_t byteOffset);

    // The first match at or after SearchStartPosition, or none.
    std::shared_ptr<RegExMatch> Search(const String& target);
    // The target with its first match at or after SearchStartPosition replaced,
    // or every match with ReplaceAllMatches; unchanged when nothing matches.
    String Replace(const String& target);

private:
    class Compiled;
    Compiled& compiled();

    RegExOptions options_;
    String searchPattern_;
    String replacementPattern_;
    std::int64_t searchStartPosition_ = 0;
    std::unique_ptr<Compiled> compiled_;
};
