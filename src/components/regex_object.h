// Regular expressions with the options of the Windows scripting RegExp object:
// ignore case unless asked, multiline and global by default. PCRE2 in UTF-8
// mode does the work; "\s" means space, tab, LF, CR, VT and FF. Nothing throws
// or prints; positions are byte offsets.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace hexia {

class RegexObject {
public:
    RegexObject();
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

    // Compiles `pattern` and runs it on `subject`, keeping the subject and its
    // matches. With quotePlaceholder, "#引号" in the pattern stands for '"'.
    // False when the pattern does not compile or the match fails.
    bool Create(std::string_view pattern, std::string_view subject, bool caseSensitive = false,
                bool multiline = true, bool global = true, bool quotePlaceholder = false);

    // The stored subject with the matches replaced (all of them when global);
    // "$1".."$99", "$&", "$`", "$'" and "$$" work as in the scripting RegExp
    // object. "" when the last Create failed.
    std::string Replace(std::string_view replacement = "");

    std::string GetPattern() const;
    int MatchCount() const;
    // Text of match `matchNumber` (1-based); `position` receives its 0-based byte offset.
    // A number out of range, or a group that took no part, gives "" and npos.
    std::string MatchText(int matchNumber, std::size_t* position = nullptr) const;
    std::string SubMatchText(int matchNumber, int subMatchNumber, std::size_t* position = nullptr) const;
    // Number of sub-matches (capture groups) of the first match.
    int SubMatchCount() const;

private:
    struct State;
    std::unique_ptr<State> state;
};

} // namespace hexia
