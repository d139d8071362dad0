// Converts each document with a process of its own:
//   soffice --headless --convert-to pdf --outdir DIR FILE
// with a private user profile, so that a LibreOffice the user has open does
// not take the request over and drop it.
#pragma once

#include "components/office/conversion_engine.h"

namespace hexia::office {

class SofficeProcessEngine : public ConversionEngine {
public:
    // `workFolder` must exist; each conversion writes into a new folder in it.
    SofficeProcessEngine(std::string sofficePath, std::string profileFolder, std::string workFolder,
                         std::chrono::milliseconds timeLimit);

    OfficeStatus ToPdf(const std::string& source, const std::string& target) override;
    OfficeStatus ToDocx(const std::string& source, const std::string& target) override;
    void Shutdown() override { shutDown_ = true; }

private:
    OfficeStatus Convert(const std::string& source, const std::string& format, const std::string& extension,
                         const std::string& target);

    std::string sofficePath_;
    std::string profileFolder_;
    std::string workFolder_;
    std::chrono::milliseconds timeLimit_;
    int conversions_ = 0;
    bool shutDown_ = false;
};

} // namespace hexia::office
