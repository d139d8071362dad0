// The log and the refusal box of the command line: the log goes to standard
// output as it grows, the box to standard error.
#pragma once

#include <ostream>

#include "app/app_context.h"

namespace hexia {

class ConsoleProgressLog : public ProgressLog {
public:
    explicit ConsoleProgressLog(std::ostream& out) : out(out) {}
    // A terminal cannot take back what it has shown: emptying does nothing.
    void Empty() override {}
    // Written at once, with each "\r\n" as "\n".
    void Append(std::string_view text) override;

private:
    std::ostream& out;
};

class ConsoleMessageBox : public MessageBoxDisplay {
public:
    explicit ConsoleMessageBox(std::ostream& err) : err(err) {}
    // The title on one line, the text on the next.
    void Show(std::string_view title, std::string_view text) override;

private:
    std::ostream& err;
};

} // namespace hexia
