#include "components/pdf_component_loading.h"

#include <filesystem>
#include <stdexcept>

#include <gtest/gtest.h>

namespace hexia {
namespace {

namespace fs = std::filesystem;

std::string Fixture(const std::string& name) {
    return std::string(HEXIA_FIXTURE_DIR) + "/pdf/" + name;
}

// Counts the set-up calls; every other call answers 0 or "".
class SetUpCounter : public PdfComponent {
public:
    std::vector<std::string> calls;
    int AddUnicodeFont(const std::string& name, int, int) override {
        return calls.push_back("font " + name), 1;
    }
    int SetGlobalMeasurementUnits(int units) override {
        return calls.push_back("units " + std::to_string(units)), 1;
    }
    int SetGlobalOrigin(int origin) override {
        return calls.push_back("origin " + std::to_string(origin)), 1;
    }
    std::string ExtractFilePageText(const std::string&, const std::string&, int, int) override { return ""; }
    int DAOpenFileReadOnly(const std::string&, const std::string&) override { return 0; }
    int DAGetPageCount(int) override { return 0; }
    int DAFindPage(int, int) override { return 0; }
    std::string DAExtractPageText(int, int, int) override { return ""; }
    int DACloseFile(int) override { return 0; }
    int ExtractFilePages(const std::string&, const std::string&, const std::string&,
                         const std::string&) override {
        return 0;
    }
    int ExtractFilePagesEx(const std::string&, const std::string&, const std::string&, const std::string&,
                           int) override {
        return 0;
    }
};

TEST(LoadPdfComponent, BuiltInEngineIsRegisteredUnderTheProgId) {
    PdfLibrary pdf;
    LoadPdfComponent(pdf);
    ASSERT_TRUE(pdf.component);
    EXPECT_TRUE(PdfComponentRegistry::BuiltIn().Create(PdfComponentProgId));
    EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), 2, 0), "摘要附图\r\n图1\r\n1");
}

TEST(LoadPdfComponent, CreatesByProgIdAndAppliesTheDefaults) {
    auto component = std::make_shared<SetUpCounter>();
    PdfComponentRegistry registry;
    registry.Register("Other.Component", [] { return std::make_shared<SetUpCounter>(); });
    registry.Register(PdfComponentProgId, [&] { return component; });
    PdfLibrary pdf;
    LoadPdfComponent(pdf, registry);
    EXPECT_EQ(pdf.component, component);
    EXPECT_EQ(component->calls, (std::vector<std::string>{"font SimSun", "units 1", "origin 5"}));
}

TEST(LoadPdfComponent, FailedCreationLeavesAnEmptyInstanceThatDoesNothing) {
    PdfComponentRegistry unregistered;
    PdfComponentRegistry failing;
    failing.Register(PdfComponentProgId, [] { return std::shared_ptr<PdfComponent>(); });
    PdfComponentRegistry throwing;
    throwing.Register(PdfComponentProgId,
                      []() -> std::shared_ptr<PdfComponent> { throw std::runtime_error("cannot create"); });
    fs::path output = fs::temp_directory_path() / "hexia-empty-instance-book.pdf";
    fs::remove(output);

    for (const PdfComponentRegistry* registry : {&unregistered, &failing, &throwing}) {
        PdfLibrary pdf;
        LoadPdfComponent(pdf, *registry);
        EXPECT_FALSE(pdf.component);
        EXPECT_EQ(pdf.ExtractFilePageText(Fixture("application.pdf"), 1, 0), "");
        int handle = pdf.DAOpenFileReadOnly(Fixture("application.pdf"));
        EXPECT_EQ(handle, 0);
        EXPECT_EQ(pdf.DAGetPageCount(handle), 0);
        EXPECT_EQ(pdf.ExtractFilePages(Fixture("application.pdf"), "", output.string(), "1-1"), 0);
        EXPECT_FALSE(fs::exists(output));
    }
}

} // namespace
} // namespace hexia
