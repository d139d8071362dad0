#include <iostream>

#include "cli/split_command.h"
#include "util/program_directory.h"

int main(int argc, char** argv) {
    hexia::SplitCommandEnvironment environment;
    environment.programDirectory = hexia::ProgramDirectory();
    return hexia::RunSplitCommand(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr,
                                  environment);
}
