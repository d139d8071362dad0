#include "components/office/soffice_process_engine.h"

#include "components/office/child_process.h"

#include <filesystem>

namespace hexia::office {

namespace fs = std::filesystem;

SofficeProcessEngine::SofficeProcessEngine(std::string sofficePath, std::string profileFolder,
                                           std::string workFolder, std::chrono::milliseconds timeLimit)
    : sofficePath_(std::move(sofficePath)), profileFolder_(std::move(profileFolder)),
      workFolder_(std::move(workFolder)), timeLimit_(timeLimit) {}

OfficeStatus SofficeProcessEngine::ToPdf(const std::string& source, const std::string& target) {
    return Convert(source, "pdf", ".pdf", target);
}

OfficeStatus SofficeProcessEngine::ToDocx(const std::string& source, const std::string& target) {
    return Convert(source, "docx:MS Word 2007 XML", ".docx", target);
}

OfficeStatus SofficeProcessEngine::Convert(const std::string& source, const std::string& format,
                                           const std::string& extension, const std::string& target) {
    if (shutDown_) {
        return OfficeStatus::StartFailed;
    }
    // Each conversion gets a folder of its own, so that a file left by an
    // earlier or killed conversion is never taken for this one's result.
    fs::path outDir = fs::path(workFolder_) / ("convert-" + std::to_string(++conversions_));
    std::error_code error;
    fs::remove_all(outDir, error);
    if (!fs::create_directories(outDir, error)) {
        return OfficeStatus::StartFailed;
    }
    ProcessOutcome outcome =
        RunProcess({sofficePath_, "-env:UserInstallation=" + FileUrl(profileFolder_), "--headless",
                    "--invisible", "--nologo", "--norestore", "--nodefault", "--nolockcheck", "--convert-to",
                    format, "--outdir", outDir.string(), source},
                   timeLimit_);
    OfficeStatus status = outcome.status;
    if (status == OfficeStatus::Ok) {
        // soffice names the output after the source and exits with 0 also
        // when it could not load the source; the file tells.
        status = OfficeStatus::NoOutput;
        for (const auto& entry : fs::directory_iterator(outDir, error)) {
            if (entry.is_regular_file() && entry.path().extension() == extension) {
                status = MoveFile(entry.path().string(), target) ? OfficeStatus::Ok : OfficeStatus::NoOutput;
                break;
            }
        }
    }
    fs::remove_all(outDir, error);
    return status;
}

} // namespace hexia::office
