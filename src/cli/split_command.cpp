#include "cli/split_command.h"

#include <filesystem>

#include "app/drop_intake.h"
#include "app/shared_objects.h"
#include "app/steady_clock.h"
#include "cli/console_ports.h"

#ifndef HEXIA_VERSION
#define HEXIA_VERSION "unknown"
#endif

namespace hexia {

namespace {

constexpr std::string_view Usage = "Usage: hexia-split FILE...\n";

constexpr std::string_view Help =
    "Usage: hexia-split FILE...\n"
    "Splits Chinese patent application documents (.doc, .docx, .pdf) into their five books\n"
    "(权利要求书, 说明书, 说明书附图, 说明书摘要, 摘要附图), each written as a PDF into a folder\n"
    "named after its document, beside the first FILE. Word documents are converted with LibreOffice.\n"
    "\n"
    "Options:\n"
    "  --help     show this help and exit\n"
    "  --version  show the version and exit\n"
    "  --         treat every later argument as a FILE\n"
    "\n"
    "Exit status: 0 when every book found was written; 1 when the office suite could not be started,\n"
    "a Word document could not be converted or a book could not be written; 2 when the files are not\n"
    "all application documents; 64 when no FILE is given or an option is unknown.\n";

// A drop delivers full paths: one alone, several each followed by "\r\n".
std::string DroppedText(const std::vector<std::string>& files) {
    if (files.size() == 1)
        return files.front();
    std::string text;
    for (const std::string& file : files)
        text += file + "\r\n";
    return text;
}

std::string FullPath(const std::string& file) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(file, error);
    return error ? file : absolute.lexically_normal().string();
}

} // namespace

int RunSplitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    const SplitCommandEnvironment& environment) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string& arg : args) {
        if (optionsEnded || arg.empty() || arg.front() != '-') {
            files.push_back(FullPath(arg));
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            out << Help;
            return ExitSuccess;
        } else if (arg == "--version") {
            out << "hexia-split " HEXIA_VERSION "\n";
            return ExitSuccess;
        } else {
            err << "hexia-split: unknown option " << arg << "\n" << Usage;
            return ExitUsage;
        }
    }
    if (files.empty()) {
        err << "hexia-split: no file given\n" << Usage;
        return ExitUsage;
    }

    ConsoleProgressLog log(out);
    ConsoleMessageBox messageBox(err);
    SteadyClock steadyClock;
    AppContext context;
    context.ProgramDirectory = environment.programDirectory;
    context.componentRegistry = environment.componentRegistry;
    context.wordFactory = environment.wordFactory;
    context.progressLog = &log;
    context.messageBox = &messageBox;
    context.clock = environment.clock ? environment.clock : &steadyClock;
    CreateSharedObjects(context);
    const DropOutcome outcome = ProcessDroppedFilesWithOutcome(context, DroppedText(files));
    ReleaseSharedObjects(context);

    if (outcome.refused)
        return ExitRefused;
    // The log ends with the elapsed time and no line break.
    out << '\n' << std::flush;
    return outcome.batch.Succeeded() ? ExitSuccess : ExitFailure;
}

} // namespace hexia
