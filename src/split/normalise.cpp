#include "split/normalise.h"

#include "components/regex_object.h"
#include "util/text.h"

namespace hexia {

// A line feed, any white space, then a carriage return: with CR LF line ends
// a break followed by blank or white-space-only lines. The run reaches the
// last CR of the white space, so deleting the match leaves a single break.
// Written plainly that is "\n\s*\r"; that form retries at every LF of a run
// of bare LFs and rescans the run each time, which takes minutes on a page
// with a long such run. This form finds the same matches in linear time: the
// possessive loop takes the white space up to its last CR, and (*SKIP) lets a
// failed attempt resume after the run, where every later LF of that run
// would fail the same way. ("\s" here is space, tab, LF, VT, FF and CR.)
namespace {
constexpr std::string_view BlankLinesPattern = "\\n[ \\t\\n\\x0B\\f]*+(*SKIP)\\r(?:[ \\t\\n\\x0B\\f]*+\\r)*+";
} // namespace

std::string NormaliseDocumentText(std::string_view text) {
    RegexObject expression;
    std::string result;
    if (expression.Create(BlankLinesPattern, text, false, true, true, false))
        result = expression.Replace("");
    else
        result = std::string(text); // the engine gave up: keep the page text rather than lose it
    if (result.starts_with("\r\n"))
        result.erase(0, 2);
    if (result.ends_with("\r\n"))
        result.erase(result.size() - 2);
    return result;
}

int CountOccurrences(std::string_view text, std::string_view needle, bool caseSensitive) {
    if (text.empty() || needle.empty())
        return 0;
    int count = 0;
    for (std::size_t found = FindText(text, needle, 0, caseSensitive); found != std::string_view::npos;
         found = FindText(text, needle, found + needle.size(), caseSensitive))
        ++count;
    return count;
}

} // namespace hexia
