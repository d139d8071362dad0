// An office suite that "exports" a Word document by giving the fake PDF
// component the page texts registered for it, and answers with the document
// text registered for it. Every call is recorded.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "components/office/word.h"
#include "fakes/fake_pdf_component.h"

namespace hexia::fakes {

struct FakeWordDocumentData {
    std::vector<std::string> pdfPages; // what the export writes
    std::string text;                  // Range().Text()
    office::OfficeStatus exportStatus = office::OfficeStatus::Ok;
};

class FakeOffice {
public:
    std::shared_ptr<FakePdfComponent> pdf;
    std::map<std::string, FakeWordDocumentData> documents;
    std::vector<std::string> calls;
    int starts = 0;

    explicit FakeOffice(std::shared_ptr<FakePdfComponent> component) : pdf(std::move(component)) {}

    office::ApplicationFactory Factory();
};

namespace detail {

class FakeDocument : public office::Document {
public:
    FakeDocument(FakeOffice& office, std::string name) : office(office), name(std::move(name)) {}
    office::OfficeStatus ExportAsFixedFormat(const std::string& outputFileName, int exportFormat) override {
        office.calls.push_back("Export " + name + " -> " + outputFileName + " " +
                               std::to_string(exportFormat));
        auto it = office.documents.find(name);
        if (it == office.documents.end())
            return office::OfficeStatus::BadArgument;
        if (it->second.exportStatus == office::OfficeStatus::Ok)
            office.pdf->files[outputFileName] = it->second.pdfPages;
        return it->second.exportStatus;
    }
    std::unique_ptr<office::TextRange> Range() override {
        office.calls.push_back("Range " + name);
        auto it = office.documents.find(name);
        return std::make_unique<FixedText>(it == office.documents.end() ? "" : it->second.text);
    }

private:
    struct FixedText : office::TextRange {
        explicit FixedText(std::string fixed) : fixed(std::move(fixed)) {}
        std::string Text() override { return fixed; }
        std::string fixed;
    };
    FakeOffice& office;
    std::string name;
};

class FakeDocuments : public office::Documents {
public:
    explicit FakeDocuments(FakeOffice& office) : office(office) {}
    std::shared_ptr<office::Document> Open(const std::string& fileName, bool visible) override {
        office.calls.push_back("Open " + fileName + (visible ? " visible" : " hidden"));
        return std::make_shared<FakeDocument>(office, fileName);
    }
    void Close() override { office.calls.push_back("Close"); }

private:
    FakeOffice& office;
};

class FakeApplication : public office::Application {
public:
    explicit FakeApplication(FakeOffice& office) : office(office) {}
    void put_Visible(bool visible) override {
        office.calls.push_back(visible ? "Visible true" : "Visible false");
    }
    std::shared_ptr<office::Documents> get_Documents() override {
        office.calls.push_back("Documents");
        return std::make_shared<FakeDocuments>(office);
    }
    void Quit() override { office.calls.push_back("Quit"); }

private:
    FakeOffice& office;
};

} // namespace detail

inline office::ApplicationFactory FakeOffice::Factory() {
    return [this]() -> std::shared_ptr<office::Application> {
        ++starts;
        return std::make_shared<detail::FakeApplication>(*this);
    };
}

// A factory for a machine without an office suite.
inline office::ApplicationFactory NoOffice() {
    return []() -> std::shared_ptr<office::Application> { return nullptr; };
}

} // namespace hexia::fakes
