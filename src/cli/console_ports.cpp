#include "cli/console_ports.h"

namespace hexia {

void ConsoleProgressLog::Append(std::string_view text) {
    std::string converted;
    converted.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        converted += text[i];
    }
    out << converted << std::flush;
}

void ConsoleMessageBox::Show(std::string_view title, std::string_view text) {
    err << title << '\n' << text << '\n' << std::flush;
}

} // namespace hexia
