// The LibreOffice object model with fake soffice programs: finding soffice,
// the failure paths of the export, and the main text.
#include "components/office/libreoffice_word.h"

#include "docx_fixture.h"
#include "office_test_support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace hexia::office {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using testing::TempDir;

// A fake soffice: finds --outdir and the source among its arguments, logs the
// call, then does what `behaviour` says.
std::string FakeSoffice(const TempDir& dir, const std::string& behaviour) {
    return testing::WriteScript(dir / "soffice", "out=''; prev=''\n"
                                                 "for a in \"$@\"; do\n"
                                                 "  if [ \"$prev\" = --outdir ]; then out=$a; fi\n"
                                                 "  prev=$a; src=$a\n"
                                                 "done\n"
                                                 "echo \"$@\" >> '" +
                                                     dir / "calls.log" + "'\nname=$(basename \"$src\")\n" +
                                                     behaviour);
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

LibreOfficeOptions FakeOptions(const TempDir& dir, const std::string& soffice) {
    LibreOfficeOptions options;
    options.sofficePath = soffice;
    options.profileFolder = dir / "profile";
    options.timeLimit = 10s;
    options.mode = LibreOfficeOptions::Mode::ProcessPerConversion;
    return options;
}

TEST(FindSoffice, SearchesThePathThenTheInstallFolders) {
    TempDir dir;
    fs::create_directories(dir.Path() / "bin");
    fs::create_directories(dir.Path() / "program");
    testing::WriteScript(dir / "program/soffice", "exit 0");
    EXPECT_EQ(FindSoffice("/nonexistent:" + dir / "bin", {dir / "program"}), dir / "program/soffice");
    auto onPath = testing::WriteScript(dir / "bin/libreoffice", "exit 0");
    EXPECT_EQ(FindSoffice("/nonexistent:" + dir / "bin", {dir / "program"}), onPath);
    EXPECT_EQ(FindSoffice("", {dir / "bin"}), "");
}

TEST(CreateWordApplication, GivesNothingWithoutSoffice) {
    TempDir dir;
    std::ofstream(dir / "not-executable") << "#!/bin/sh\n";
    for (const auto& path : {dir / "missing", dir / "not-executable", dir.Path().string()}) {
        EXPECT_EQ(CreateWordApplication(FakeOptions(dir, path)), nullptr) << path;
    }
}

TEST(LibreOfficeWord, ExportFailuresAreToldApartAndLeaveNoFile) {
    struct Case {
        const char* behaviour;
        OfficeStatus expected;
    };
    const Case cases[] = {
        {"exit 5", OfficeStatus::ExitFailed},
        {"exit 0", OfficeStatus::NoOutput},
        {"kill -KILL $$", OfficeStatus::ExitFailed},
        {"sleep 30 & echo $! > helper.pid; wait", OfficeStatus::TimedOut},
    };
    for (const auto& c : cases) {
        TempDir dir;
        auto options = FakeOptions(
            dir, FakeSoffice(dir, std::string("cd '") + dir.Path().string() + "'\n" + c.behaviour));
        options.timeLimit = 300ms;
        auto word = CreateWordApplication(options);
        ASSERT_NE(word, nullptr);
        ASSERT_TRUE(testing::WriteDocx(dir / "a.docx", "<w:p><w:r><w:t>x</w:t></w:r></w:p>"));
        // A stale file at the output path must not pass for the result.
        std::ofstream(dir / "1.pdf") << "stale";
        auto document = word->get_Documents()->Open(dir / "a.docx");
        EXPECT_EQ(document->ExportAsFixedFormat(dir / "1.pdf", wdExportFormatPDF), c.expected) << c.behaviour;
        EXPECT_FALSE(fs::exists(dir / "1.pdf")) << c.behaviour;
        word->Quit();
        if (c.expected == OfficeStatus::TimedOut) {
            EXPECT_TRUE(testing::ProcessGone(testing::ReadPid(dir / "helper.pid")));
        }
    }
}

TEST(LibreOfficeWord, StartsNoOfficeUntilADocumentNeedsIt) {
    // A batch of PDF files creates the application too; it must not pay for
    // starting the office suite.
    TempDir dir;
    const std::string marker = dir / "started";
    auto soffice = FakeSoffice(dir, "touch '" + marker + "'");
    testing::WriteScript(dir / "soffice.bin", "touch '" + marker + "'");
    auto options = FakeOptions(dir, soffice);
    options.mode = LibreOfficeOptions::Mode::Automatic;
    auto word = CreateWordApplication(options);
    ASSERT_NE(word, nullptr);
    word->put_Visible(false);
    word->get_Documents()->Close();
    word->Quit();
    EXPECT_FALSE(fs::exists(marker));
}

TEST(LibreOfficeWord, StartFailureOfTheOffice) {
    TempDir dir;
    // Executable when the application is made, gone when the export runs.
    auto soffice = FakeSoffice(dir, "exit 0");
    auto word = CreateWordApplication(FakeOptions(dir, soffice));
    ASSERT_NE(word, nullptr);
    fs::remove(soffice);
    ASSERT_TRUE(testing::WriteDocx(dir / "a.docx", "<w:p/>"));
    EXPECT_EQ(word->get_Documents()->Open(dir / "a.docx")->ExportAsFixedFormat(dir / "a.pdf", 17),
              OfficeStatus::StartFailed);
}

TEST(LibreOfficeWord, ExportsThroughSofficeWithAPrivateProfile) {
    TempDir dir;
    auto soffice = FakeSoffice(dir, "printf '%%PDF-1.4 fake' > \"$out/${name%.*}.pdf\"");
    auto word = CreateWordApplication(FakeOptions(dir, soffice));
    ASSERT_NE(word, nullptr);
    word->put_Visible(false);
    auto documents = word->get_Documents();
    ASSERT_TRUE(testing::WriteDocx(dir / "申请 1.docx", "<w:p><w:r><w:t>x</w:t></w:r></w:p>"));

    auto document = documents->Open(dir / "申请 1.docx", false);
    ASSERT_EQ(document->ExportAsFixedFormat(dir / "1.pdf", wdExportFormatPDF), OfficeStatus::Ok);
    EXPECT_EQ(ReadAll(dir / "1.pdf"), "%PDF-1.4 fake");
    std::string calls = ReadAll(dir / "calls.log");
    EXPECT_NE(calls.find("-env:UserInstallation=file://" + dir.Path().string() + "/profile "),
              std::string::npos)
        << calls;
    EXPECT_NE(calls.find("--headless"), std::string::npos);
    EXPECT_NE(calls.find("--convert-to pdf --outdir "), std::string::npos);

    EXPECT_EQ(document->ExportAsFixedFormat(dir / "1.xps", 18), OfficeStatus::BadArgument);
    EXPECT_EQ(documents->Open(dir / "missing.docx")->ExportAsFixedFormat(dir / "2.pdf", 17),
              OfficeStatus::BadArgument);
    EXPECT_EQ(documents->Open(dir / "missing.docx")->Range()->Text(), "");

    documents->Close();
    word->Quit();
    EXPECT_EQ(document->ExportAsFixedFormat(dir / "3.pdf", 17), OfficeStatus::StartFailed);
    EXPECT_FALSE(fs::exists(dir / "3.pdf"));
}

TEST(LibreOfficeWord, TextOfDocxIsReadDirectlyAndOtherFormatsThroughDocx) {
    TempDir dir;
    ASSERT_TRUE(testing::WriteDocx(
        dir / "converted.docx", "<w:p><w:r><w:t>甲</w:t><w:br w:type=\"page\"/><w:t>乙</w:t></w:r></w:p>"));
    // The fake writes the prepared DOCX as its conversion of any source.
    auto soffice = FakeSoffice(dir, "case \"$*\" in *docx*) cp '" + dir / "converted.docx" +
                                        "' \"$out/${name%.*}.docx\";; esac");
    auto word = CreateWordApplication(FakeOptions(dir, soffice));
    ASSERT_NE(word, nullptr);
    auto documents = word->get_Documents();

    ASSERT_TRUE(testing::WriteDocx(dir / "direct.docx", "<w:p><w:r><w:t>direct</w:t></w:r></w:p>"));
    EXPECT_EQ(documents->Open(dir / "direct.docx")->Range()->Text(), "direct\r");
    EXPECT_FALSE(fs::exists(dir / "calls.log")) << "a DOCX needs no office";

    std::ofstream(dir / "old.doc") << "\xd0\xcf\x11\xe0 an old Word file";
    auto old = documents->Open(dir / "old.doc");
    EXPECT_EQ(old->Range()->Text(), "甲\f乙\r");
    EXPECT_EQ(old->Range()->Text(), "甲\f乙\r");
    std::string calls = ReadAll(dir / "calls.log");
    EXPECT_NE(calls.find("--convert-to docx:MS Word 2007 XML"), std::string::npos) << calls;
    EXPECT_EQ(std::count(calls.begin(), calls.end(), '\n'), 1) << "the text is converted once";
    word->Quit();
}

} // namespace
} // namespace hexia::office
