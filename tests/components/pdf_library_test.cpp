#include "components/pdf_library.h"

#include <stdexcept>

#include <gtest/gtest.h>

namespace hexia {
namespace {

// Records each call by name and its text arguments; answers with fixed values.
class RecordingComponent : public PdfComponent {
public:
    std::vector<std::string> calls;
    bool throwing = false;

    int Record(std::string call, int result = 3) {
        if (throwing) {
            throw std::runtime_error("component failed");
        }
        calls.push_back(std::move(call));
        return result;
    }

    int AddUnicodeFont(const std::string& fontName, int fontType, int options) override {
        return Record("AddUnicodeFont " + fontName + " " + std::to_string(fontType) + " " +
                      std::to_string(options));
    }
    int SetGlobalMeasurementUnits(int units) override {
        return Record("SetGlobalMeasurementUnits " + std::to_string(units));
    }
    int SetGlobalOrigin(int origin) override { return Record("SetGlobalOrigin " + std::to_string(origin)); }
    std::string ExtractFilePageText(const std::string& file, const std::string& password, int page,
                                    int options) override {
        Record("ExtractFilePageText " + file + " [" + password + "] " + std::to_string(page) + " " +
               std::to_string(options));
        return "page text";
    }
    int DAOpenFileReadOnly(const std::string& file, const std::string& password) override {
        return Record("DAOpenFileReadOnly " + file + " [" + password + "]", 1);
    }
    int DAGetPageCount(int handle) override { return Record("DAGetPageCount " + std::to_string(handle), 7); }
    int DAFindPage(int handle, int page) override {
        return Record("DAFindPage " + std::to_string(handle) + " " + std::to_string(page), page);
    }
    std::string DAExtractPageText(int handle, int pageRef, int options) override {
        Record("DAExtractPageText " + std::to_string(handle) + " " + std::to_string(pageRef) + " " +
               std::to_string(options));
        return "da text";
    }
    int DACloseFile(int handle) override { return Record("DACloseFile " + std::to_string(handle), 1); }
    int ExtractFilePages(const std::string& in, const std::string& password, const std::string& out,
                         const std::string& ranges) override {
        return Record("ExtractFilePages " + in + " [" + password + "] " + out + " " + ranges, 1);
    }
    int ExtractFilePagesEx(const std::string& in, const std::string& password, const std::string& out,
                           const std::string& ranges, int options) override {
        return Record("ExtractFilePagesEx " + in + " [" + password + "] " + out + " " + ranges + " " +
                          std::to_string(options),
                      1);
    }
};

// Calls every operation once and collects the results as text.
std::vector<std::string> CallEverything(PdfLibrary& pdf) {
    return {std::to_string(pdf.AddUnicodeFont("SimSun", 1, 0)),
            std::to_string(pdf.SetGlobalMeasurementUnits(1)),
            std::to_string(pdf.SetGlobalOrigin(5)),
            pdf.ExtractFilePageText("a.pdf", "pw", 1, 0),
            pdf.ExtractFilePageText("a.pdf", 1, 0),
            std::to_string(pdf.DAOpenFileReadOnly("a.pdf")),
            std::to_string(pdf.DAGetPageCount(1)),
            std::to_string(pdf.DAFindPage(1, 2)),
            pdf.DAExtractPageText(1, 2, 7),
            std::to_string(pdf.DACloseFile(1)),
            std::to_string(pdf.ExtractFilePages("a.pdf", "", "b.pdf", "1-2")),
            std::to_string(pdf.ExtractFilePages("a.pdf", "", "b.pdf", "1-2", 1))};
}

const std::vector<std::string> EmptyResults = {"0", "0", "0", "", "", "0", "0", "0", "", "0", "0", "0"};

TEST(PdfLibrary, EmptyInstanceGivesEmptyResults) {
    PdfLibrary pdf;
    EXPECT_EQ(CallEverything(pdf), EmptyResults);
    EXPECT_TRUE(pdf.ApplyComponentDefaults());
}

TEST(PdfLibrary, ForwardsEveryCallUnderItsName) {
    auto component = std::make_shared<RecordingComponent>();
    PdfLibrary pdf;
    pdf.component = component;
    EXPECT_EQ(CallEverything(pdf), (std::vector<std::string>{"3", "3", "3", "page text", "page text", "1",
                                                             "7", "2", "da text", "1", "1", "1"}));
    EXPECT_EQ(component->calls,
              (std::vector<std::string>{"AddUnicodeFont SimSun 1 0", "SetGlobalMeasurementUnits 1",
                                        "SetGlobalOrigin 5", "ExtractFilePageText a.pdf [pw] 1 0",
                                        "ExtractFilePageText a.pdf [] 1 0", "DAOpenFileReadOnly a.pdf []",
                                        "DAGetPageCount 1", "DAFindPage 1 2", "DAExtractPageText 1 2 7",
                                        "DACloseFile 1", "ExtractFilePages a.pdf [] b.pdf 1-2",
                                        "ExtractFilePagesEx a.pdf [] b.pdf 1-2 1"}));
}

TEST(PdfLibrary, ApplyComponentDefaultsSetsFontUnitsAndOrigin) {
    auto component = std::make_shared<RecordingComponent>();
    PdfLibrary pdf;
    pdf.component = component;
    EXPECT_TRUE(pdf.ApplyComponentDefaults());
    EXPECT_EQ(component->calls,
              (std::vector<std::string>{"AddUnicodeFont SimSun 1 0", "SetGlobalMeasurementUnits 1",
                                        "SetGlobalOrigin 5"}));
}

TEST(PdfLibrary, NothingThrownByTheComponentEscapes) {
    auto component = std::make_shared<RecordingComponent>();
    component->throwing = true;
    PdfLibrary pdf;
    pdf.component = component;
    EXPECT_EQ(CallEverything(pdf), EmptyResults);
    EXPECT_TRUE(pdf.ApplyComponentDefaults());
}

TEST(PdfLibrary, CopiesShareTheComponent) {
    auto component = std::make_shared<RecordingComponent>();
    auto original = std::make_unique<PdfLibrary>();
    original->component = component;
    PdfLibrary copy = *original;
    EXPECT_EQ(copy.component, original->component);
    EXPECT_TRUE(component->calls.empty()); // a copy is not set up again
    EXPECT_EQ(component.use_count(), 3);

    original.reset();
    EXPECT_EQ(component.use_count(), 2);
    EXPECT_EQ(copy.DAGetPageCount(1), 7);

    {
        PdfLibrary assigned;
        assigned = copy;
        EXPECT_EQ(component.use_count(), 3);
    }
    EXPECT_EQ(component.use_count(), 2); // destroying an instance releases its reference
}

} // namespace
} // namespace hexia
