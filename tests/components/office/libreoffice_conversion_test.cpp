// Real conversions through the installed LibreOffice. Each costs a second or
// two, so there are few of them.
#include "components/office/libreoffice_word.h"

#include "docx_fixture.h"
#include "office_test_support.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace hexia::office {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

std::string BreaksBody() {
    return "<w:p><w:r><w:t>权利要求书</w:t></w:r></w:p>"
           "<w:p><w:r><w:t>1. 一种装置。</w:t></w:r></w:p>"
           "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>"
           "<w:p><w:r><w:t>说明书</w:t></w:r></w:p>"
           "<w:p><w:r><w:t>正文</w:t><w:tab/><w:t>x</w:t></w:r></w:p>"
           "<w:p><w:pPr><w:sectPr/></w:pPr><w:r><w:t>节末</w:t></w:r></w:p>"
           "<w:p><w:r><w:t>说明书摘要</w:t></w:r></w:p><w:sectPr/>";
}

const std::string BreaksText = "权利要求书\r1. 一种装置。\r\f\r说明书\r正文\tx\r节末\f说明书摘要\r";

std::string Output(const std::string& command) {
    std::string out;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        std::size_t got;
        while ((got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
            out.append(buffer, got);
        }
        ::pclose(pipe);
    }
    return out;
}

int PageCount(const std::string& pdf) {
    std::string info = Output("pdfinfo '" + pdf + "' 2>/dev/null");
    auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string FirstPageText(const std::string& pdf) {
    return Output("pdftotext -f 1 -l 1 '" + pdf + "' - 2>/dev/null");
}

// Office processes started with this profile.
std::vector<pid_t> OfficePids(const std::string& profile) {
    std::vector<pid_t> pids;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/proc", error)) {
        std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") == std::string::npos) {
            std::ifstream in(entry.path() / "cmdline", std::ios::binary);
            std::string cmdline((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
            if (cmdline.find(profile) != std::string::npos && testing::ProcessAlive(std::stoi(name))) {
                pids.push_back(std::stoi(name));
            }
        }
    }
    return pids;
}

class LibreOfficeConversion : public ::testing::TestWithParam<LibreOfficeOptions::Mode> {};

// The calls a batch makes, on a DOCX and a .doc with page and section breaks.
TEST_P(LibreOfficeConversion, ConvertsDocxAndDocToPdfAndGivesTheirText) {
    if (GetParam() == LibreOfficeOptions::Mode::SharedInstance && !SharedInstanceAvailable()) {
        GTEST_SKIP() << "built without UNO";
    }
    if (FindSoffice().empty()) {
        GTEST_FAIL() << "LibreOffice is not installed (scripts/setup installs it)";
    }
    TempDir dir;
    ASSERT_TRUE(testing::WriteDocx(dir / "申请.docx", BreaksBody()));
    fs::copy_file(fs::path(HEXIA_FIXTURE_DIR) / "office/breaks.doc", dir / "旧 格式.doc");

    LibreOfficeOptions options;
    options.profileFolder = dir / "profile";
    options.mode = GetParam();
    auto word = CreateWordApplication(options);
    ASSERT_NE(word, nullptr);
    word->put_Visible(false);
    auto documents = word->get_Documents();
    int position = 0;
    for (const auto& name : {"申请.docx", "旧 格式.doc"}) {
        SCOPED_TRACE(name);
        std::string pdf = dir / (std::to_string(++position) + ".pdf");
        auto document = documents->Open(dir / name, false);
        ASSERT_EQ(document->ExportAsFixedFormat(pdf, wdExportFormatPDF), OfficeStatus::Ok);
        EXPECT_EQ(PageCount(pdf), 3);
        std::string firstPage = FirstPageText(pdf);
        EXPECT_NE(firstPage.find("权利要求书"), std::string::npos) << firstPage;
        EXPECT_EQ(firstPage.find("说明书"), std::string::npos) << firstPage;
        EXPECT_EQ(document->Range()->Text(), BreaksText);
    }
    // A broken file fails its export and gives no text; the batch goes on.
    std::ofstream(dir / "broken.docx") << "PK\x03\x04 cut short";
    auto broken = documents->Open(dir / "broken.docx");
    EXPECT_NE(broken->ExportAsFixedFormat(dir / "3.pdf", wdExportFormatPDF), OfficeStatus::Ok);
    EXPECT_FALSE(fs::exists(dir / "3.pdf"));
    EXPECT_EQ(broken->Range()->Text(), "");

    documents->Close();
    word->Quit();
    EXPECT_TRUE(OfficePids(dir / "profile").empty());
}

// The shared instance is killed past the time limit, and one that went down
// between documents is replaced for the next.
TEST(LibreOfficeSharedInstance, SurvivesTimeOutAndCrash) {
    if (!SharedInstanceAvailable()) {
        GTEST_SKIP() << "built without UNO";
    }
    TempDir dir;
    ASSERT_TRUE(testing::WriteDocx(dir / "a.docx", BreaksBody()));
    LibreOfficeOptions options;
    options.profileFolder = dir / "profile";
    options.mode = LibreOfficeOptions::Mode::SharedInstance;
    {
        options.timeLimit = std::chrono::milliseconds(1);
        auto word = CreateWordApplication(options);
        ASSERT_NE(word, nullptr);
        auto pids = OfficePids(options.profileFolder);
        ASSERT_EQ(pids.size(), 1u);
        auto document = word->get_Documents()->Open(dir / "a.docx");
        EXPECT_EQ(document->ExportAsFixedFormat(dir / "1.pdf", wdExportFormatPDF), OfficeStatus::TimedOut);
        EXPECT_FALSE(fs::exists(dir / "1.pdf"));
        EXPECT_TRUE(testing::ProcessGone(pids[0]));
        word->Quit();
    }
    options.timeLimit = std::chrono::seconds(120);
    auto word = CreateWordApplication(options);
    ASSERT_NE(word, nullptr);
    auto pids = OfficePids(options.profileFolder);
    ASSERT_EQ(pids.size(), 1u);
    ::kill(pids[0], SIGKILL);
    // The office is this process's child: wait until it can be reaped (its
    // threads all gone), without reaping it.
    siginfo_t info{};
    ASSERT_EQ(::waitid(P_PID, static_cast<id_t>(pids[0]), &info, WEXITED | WNOWAIT), 0);
    auto document = word->get_Documents()->Open(dir / "a.docx");
    EXPECT_EQ(document->ExportAsFixedFormat(dir / "2.pdf", wdExportFormatPDF), OfficeStatus::Ok);
    EXPECT_EQ(PageCount(dir / "2.pdf"), 3);
    word->Quit();
    EXPECT_TRUE(OfficePids(options.profileFolder).empty());
}

INSTANTIATE_TEST_SUITE_P(Modes, LibreOfficeConversion,
                         ::testing::Values(LibreOfficeOptions::Mode::ProcessPerConversion,
                                           LibreOfficeOptions::Mode::SharedInstance),
                         [](const ::testing::TestParamInfo<LibreOfficeOptions::Mode>& mode) {
                             return mode.param == LibreOfficeOptions::Mode::SharedInstance
                                        ? "SharedInstance"
                                        : "ProcessPerConversion";
                         });

} // namespace
} // namespace hexia::office
