// A PDF component whose files are tables of page texts. It records the books
// it is asked to write, and can be told to refuse some of them.
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "components/pdf_component.h"
#include "components/pdf_component_loading.h"

namespace hexia::fakes {

struct ExtractCall {
    std::string inputFileName;
    std::string outputFileName;
    std::string rangeList;
};

class FakePdfComponent : public PdfComponent {
public:
    // Page texts by file name, page 1 first.
    std::map<std::string, std::vector<std::string>> files;
    // Output file names whose extraction fails.
    std::set<std::string> failingOutputs;

    std::vector<ExtractCall> extractCalls;
    std::vector<std::string> firstPageReads;
    int openHandles = 0;

    int AddUnicodeFont(const std::string&, int, int) override { return 1; }
    int SetGlobalMeasurementUnits(int) override { return 1; }
    int SetGlobalOrigin(int) override { return 1; }

    std::string ExtractFilePageText(const std::string& inputFileName, const std::string&, int page,
                                    int) override {
        firstPageReads.push_back(inputFileName);
        const auto* pages = Find(inputFileName);
        if (!pages || page < 1 || page > static_cast<int>(pages->size()))
            return "";
        return (*pages)[page - 1];
    }

    int DAOpenFileReadOnly(const std::string& inputFileName, const std::string&) override {
        if (!Find(inputFileName))
            return 0;
        handles.push_back(inputFileName);
        ++openHandles;
        return static_cast<int>(handles.size());
    }
    int DAGetPageCount(int fileHandle) override {
        const auto* pages = ByHandle(fileHandle);
        return pages ? static_cast<int>(pages->size()) : 0;
    }
    int DAFindPage(int fileHandle, int page) override {
        return ByHandle(fileHandle) && page >= 1 && page <= DAGetPageCount(fileHandle) ? 1000 + page : 0;
    }
    std::string DAExtractPageText(int fileHandle, int pageRef, int) override {
        const auto* pages = ByHandle(fileHandle);
        const int page = pageRef - 1000;
        if (!pages || page < 1 || page > static_cast<int>(pages->size()))
            return "";
        return (*pages)[page - 1];
    }
    int DACloseFile(int fileHandle) override {
        if (!ByHandle(fileHandle))
            return 0;
        --openHandles;
        return 1;
    }

    int ExtractFilePages(const std::string& inputFileName, const std::string&,
                         const std::string& outputFileName, const std::string& rangeList) override {
        extractCalls.push_back({inputFileName, outputFileName, rangeList});
        return Find(inputFileName) && !failingOutputs.contains(outputFileName) ? 1 : 0;
    }
    int ExtractFilePagesEx(const std::string& inputFileName, const std::string& password,
                           const std::string& outputFileName, const std::string& rangeList, int) override {
        return ExtractFilePages(inputFileName, password, outputFileName, rangeList);
    }

private:
    std::vector<std::string> handles;

    const std::vector<std::string>* Find(const std::string& name) const {
        auto it = files.find(name);
        return it == files.end() ? nullptr : &it->second;
    }
    const std::vector<std::string>* ByHandle(int handle) const {
        if (handle < 1 || handle > static_cast<int>(handles.size()))
            return nullptr;
        return Find(handles[handle - 1]);
    }
};

// A registry that hands out `component` under the component's ProgID.
inline PdfComponentRegistry RegistryWith(std::shared_ptr<FakePdfComponent> component) {
    PdfComponentRegistry registry;
    registry.Register(PdfComponentProgId, [component] { return component; });
    return registry;
}

} // namespace hexia::fakes
