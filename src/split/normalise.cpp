#include "split/normalise.h"

#include "components/regex_object.h"
#include "util/text.h"

namespace hexia {

std::string NormaliseDocumentText(std::string_view text) {
    // A line feed, any white space, then a carriage return: with CR LF line
    // ends this is a break followed by blank or white-space-only lines, and the
    // greedy run stops just before the CR of the last of them, so deleting the
    // match leaves a single break.
    RegexObject expression;
    std::string result;
    if (expression.Create("\\n\\s*\\r", text, false, true, true, false))
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
