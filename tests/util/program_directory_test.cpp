#include "util/program_directory.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

namespace hexia {
namespace {

// Sets HEXIA_HOME for one test and restores what was there before.
class HomeVariable {
public:
    HomeVariable() {
        if (const char* value = std::getenv("HEXIA_HOME"))
            saved = value;
    }
    ~HomeVariable() {
        if (saved)
            setenv("HEXIA_HOME", saved->c_str(), 1);
        else
            unsetenv("HEXIA_HOME");
    }
    HomeVariable(const HomeVariable&) = delete;
    HomeVariable& operator=(const HomeVariable&) = delete;

private:
    std::optional<std::string> saved;
};

TEST(ProgramDirectory, HexiaHomeWinsWithoutTrailingSlashes) {
    HomeVariable guard;
    setenv("HEXIA_HOME", "/srv/禾匣//", 1);
    EXPECT_EQ(ProgramDirectory(), "/srv/禾匣");
    setenv("HEXIA_HOME", "/srv/hexia", 1);
    EXPECT_EQ(ProgramDirectory(), "/srv/hexia");
}

TEST(ProgramDirectory, RelativeHexiaHomeIsMadeAbsolute) {
    HomeVariable guard;
    setenv("HEXIA_HOME", "home", 1);
    EXPECT_EQ(ProgramDirectory(), (std::filesystem::current_path() / "home").string());
}

TEST(ProgramDirectory, FolderOfTheExecutableOtherwise) {
    HomeVariable guard;
    const std::string expected = std::filesystem::canonical("/proc/self/exe").parent_path().string();
    unsetenv("HEXIA_HOME");
    EXPECT_EQ(ProgramDirectory(), expected);
    setenv("HEXIA_HOME", "", 1);
    EXPECT_EQ(ProgramDirectory(), expected);
}

} // namespace
} // namespace hexia
