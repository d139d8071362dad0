#include "components/regex_object.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <algorithm>
#include <vector>

#include "util/text.h"

namespace hexia {

namespace {

constexpr std::string_view QuotePlaceholder = "#引号";
constexpr std::size_t Unset = PCRE2_UNSET;

struct CodeDeleter {
    void operator()(pcre2_code* code) const { pcre2_code_free(code); }
};
struct MatchDataDeleter {
    void operator()(pcre2_match_data* data) const { pcre2_match_data_free(data); }
};
struct CompileContextDeleter {
    void operator()(pcre2_compile_context* context) const { pcre2_compile_context_free(context); }
};

// One match: byte offsets of the whole match and of each group, start and end
// in turn; an unset group holds Unset twice.
using Match = std::vector<std::size_t>;

std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with) {
    std::string out;
    std::size_t start = 0;
    for (std::size_t found = text.find(what); found != std::string_view::npos;
         found = text.find(what, start)) {
        out.append(text.substr(start, found - start)).append(with);
        start = found + what.size();
    }
    out.append(text.substr(start));
    return out;
}

enum class SearchResult { Done, Failed, InvalidSubject };

bool IsUtf8Error(int rc) {
    return rc <= PCRE2_ERROR_UTF8_ERR1 && rc >= PCRE2_ERROR_UTF8_ERR21;
}

} // namespace

struct RegexObject::State {
    bool hasExpression = false;
    std::string pattern;
    std::unique_ptr<pcre2_code, CodeDeleter> code;
    std::vector<Match> matches;
    std::string subject;

    std::string_view Group(const Match& match, std::size_t group) const {
        if (2 * group + 1 >= match.size() || match[2 * group] == Unset)
            return {};
        return std::string_view(subject).substr(match[2 * group], match[2 * group + 1] - match[2 * group]);
    }

    // Compiles the pattern and collects its matches in the subject. On failure
    // nothing is kept, so Replace gives "".
    SearchResult Search(uint32_t options, bool global) {
        code.reset();
        matches.clear();
        std::unique_ptr<pcre2_compile_context, CompileContextDeleter> context(
            pcre2_compile_context_create(nullptr));
        if (!context)
            return SearchResult::Failed;
        // CR, LF and CR LF all end a line, for "^", "$" and ".", as in Windows text.
        pcre2_set_newline(context.get(), PCRE2_NEWLINE_ANYCRLF);
        int errorCode = 0;
        PCRE2_SIZE errorOffset = 0;
        std::unique_ptr<pcre2_code, CodeDeleter> compiled(
            pcre2_compile(reinterpret_cast<PCRE2_SPTR>(pattern.data()), pattern.size(), options, &errorCode,
                          &errorOffset, context.get()));
        if (!compiled)
            return SearchResult::Failed;
        std::unique_ptr<pcre2_match_data, MatchDataDeleter> data(
            pcre2_match_data_create_from_pattern(compiled.get(), nullptr));
        if (!data)
            return SearchResult::Failed;

        const auto* text = reinterpret_cast<PCRE2_SPTR>(subject.data());
        const bool checkedOnce = (options & PCRE2_MATCH_INVALID_UTF) == 0;
        std::size_t start = 0;
        while (start <= subject.size()) {
            // The first search checks the whole subject; checking it again on
            // every later search would make a global search quadratic.
            const uint32_t matchOptions = (checkedOnce && start > 0) ? PCRE2_NO_UTF_CHECK : 0;
            const int rc =
                pcre2_match(compiled.get(), text, subject.size(), start, matchOptions, data.get(), nullptr);
            if (rc == PCRE2_ERROR_NOMATCH)
                break;
            if (rc < 0) {
                // An invalid subject, or a search that could not be finished
                // (a resource limit): no matches are kept.
                matches.clear();
                return IsUtf8Error(rc) ? SearchResult::InvalidSubject : SearchResult::Failed;
            }
            const PCRE2_SIZE* offsets = pcre2_get_ovector_pointer(data.get());
            // Groups after the last one that took part (rc counts the pairs set) are unset.
            const std::size_t pairs = pcre2_get_ovector_count(data.get());
            const std::size_t pairsSet = rc == 0 ? pairs : static_cast<std::size_t>(rc);
            Match match(2 * pairs, Unset);
            std::copy(offsets, offsets + 2 * pairsSet, match.begin());
            matches.push_back(std::move(match));
            if (!global)
                break;
            // After an empty match the next search starts one character later,
            // as the scripting object does; otherwise where the match ended.
            // Either way the offset stays on a character boundary.
            const std::size_t end = offsets[1];
            start = end > offsets[0] ? end : end + Utf8CharLength(subject, end);
        }
        code = std::move(compiled);
        return SearchResult::Done;
    }

    // Text of group `group` (0 for the whole match) of match `matchNumber`
    // (1-based); the position is npos when there is no such text.
    std::string Text(int matchNumber, int group, std::size_t* position) const {
        if (position != nullptr)
            *position = std::string::npos;
        if (matchNumber < 1 || static_cast<std::size_t>(matchNumber) > matches.size() || group < 0)
            return {};
        const Match& match = matches[static_cast<std::size_t>(matchNumber) - 1];
        const auto index = 2 * static_cast<std::size_t>(group);
        if (index + 1 >= match.size() || match[index] == Unset)
            return {};
        if (position != nullptr)
            *position = match[index];
        return std::string(Group(match, static_cast<std::size_t>(group)));
    }

    // The replacement for one match, read the way the scripting RegExp object
    // reads it: "$$" is "$", "$&" the match, "$`" the text before it, "$'" the
    // text after it, "$1" to "$99" a group ("$12" is group 12 when there are that
    // many, else group 1 and a "2"); an unset group gives "", and a "$" that
    // starts none of these is kept as it stands. PCRE2's own substitution
    // differs: it refuses "$&", "$`", "$'", a lone "$" and unknown or unset
    // groups unless told otherwise, and reads every digit after "$" as one
    // group number, so the expansion is done here on the stored matches.
    void AppendReplacement(std::string& out, std::string_view replacement, const Match& match) const {
        const std::size_t groups = match.size() / 2 - 1;
        for (std::size_t i = 0; i < replacement.size(); ++i) {
            const char c = replacement[i];
            const char next = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
            if (c != '$' || next == '\0') {
                out.push_back(c);
                continue;
            }
            if (next == '$') {
                out.push_back('$');
            } else if (next == '&') {
                out.append(Group(match, 0));
            } else if (next == '`') {
                out.append(std::string_view(subject).substr(0, match[0]));
            } else if (next == '\'') {
                out.append(std::string_view(subject).substr(match[1]));
            } else if (next >= '0' && next <= '9') {
                const std::size_t one = static_cast<std::size_t>(next - '0');
                const char third = i + 2 < replacement.size() ? replacement[i + 2] : '\0';
                const std::size_t two =
                    (third >= '0' && third <= '9') ? one * 10 + static_cast<std::size_t>(third - '0') : 0;
                if (two >= 1 && two <= groups) {
                    out.append(Group(match, two));
                    i += 2;
                    continue;
                }
                if (one >= 1 && one <= groups) {
                    out.append(Group(match, one));
                } else {
                    out.push_back(c);
                    continue;
                }
            } else {
                out.push_back(c);
                continue;
            }
            ++i;
        }
    }
};

RegexObject::RegexObject() : state(std::make_unique<State>()) {}

RegexObject::~RegexObject() = default;

bool RegexObject::Create(std::string_view pattern, std::string_view subject, bool caseSensitive,
                         bool multiline, bool global, bool quotePlaceholder) {
    State& s = *state;
    s.code.reset();
    s.matches.clear();
    s.hasExpression = true;
    s.pattern = quotePlaceholder ? ReplaceAll(pattern, QuotePlaceholder, "\"") : std::string(pattern);
    s.subject = std::string(subject);

    // UTF-8 without Unicode properties, so "\s", "\w" and "\d" stay ASCII:
    // "\s" is then exactly space, tab, LF, VT, FF and CR.
    uint32_t options = PCRE2_UTF;
    if (!caseSensitive)
        options |= PCRE2_CASELESS;
    if (multiline)
        options |= PCRE2_MULTILINE;
    const SearchResult result = s.Search(options, global);
    if (result == SearchResult::Done)
        return true;
    if (result == SearchResult::InvalidSubject) {
        // Invalid UTF-8 in the subject then never matches but does not stop the
        // search either. This mode is several times slower, so it is only
        // used for subjects that need it.
        return s.Search(options | PCRE2_MATCH_INVALID_UTF, global) == SearchResult::Done;
    }
    return false;
}

std::string RegexObject::Replace(std::string_view replacement) {
    const State& s = *state;
    if (!s.code)
        return {};
    std::string out;
    out.reserve(s.subject.size());
    std::size_t copied = 0;
    for (const Match& match : s.matches) {
        out.append(s.subject, copied, match[0] - copied);
        s.AppendReplacement(out, replacement, match);
        copied = match[1];
    }
    out.append(s.subject, copied, std::string::npos);
    return out;
}

std::string RegexObject::GetPattern() const {
    return state->hasExpression ? state->pattern : std::string();
}

int RegexObject::MatchCount() const {
    return static_cast<int>(state->matches.size());
}

std::string RegexObject::MatchText(int matchNumber, std::size_t* position) const {
    return state->Text(matchNumber, 0, position);
}

std::string RegexObject::SubMatchText(int matchNumber, int subMatchNumber, std::size_t* position) const {
    if (subMatchNumber < 1) {
        if (position != nullptr)
            *position = std::string::npos;
        return {};
    }
    return state->Text(matchNumber, subMatchNumber, position);
}

int RegexObject::SubMatchCount() const {
    const State& s = *state;
    if (s.matches.empty())
        return 0;
    return static_cast<int>(s.matches.front().size() / 2 - 1);
}

} // namespace hexia
