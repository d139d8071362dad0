#include "components/office/libreoffice_word.h"

#include "components/office/docx_text_reader.h"
#include "components/office/soffice_process_engine.h"
#include "components/office/uno_engine.h"
#include "util/file_lock.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>

namespace hexia::office {

namespace fs = std::filesystem;

namespace {

bool IsExecutableFile(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && ::access(path.c_str(), X_OK) == 0;
}

std::string Environment(const char* name) {
    const char* value = std::getenv(name);
    return value == nullptr ? std::string() : std::string(value);
}

// What one application holds: the engine, a private work folder for
// intermediate files, and the lock on the profile it uses.
class Session {
public:
    Session(std::string workFolder, int profileLock)
        : workFolder_(std::move(workFolder)), profileLock_(profileLock) {}
    ~Session() { Shutdown(); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    void SetEngine(std::unique_ptr<ConversionEngine> engine) { engine_ = std::move(engine); }
    // The engine is made at the first document that needs it, so a batch of
    // PDF files never pays for starting the office suite.
    void SetEngineFactory(std::function<std::unique_ptr<ConversionEngine>()> factory) {
        engineFactory_ = std::move(factory);
    }
    ConversionEngine* Engine() {
        if (!engine_ && engineFactory_) {
            engine_ = engineFactory_();
            engineFactory_ = nullptr;
        }
        return engine_.get();
    }

    std::string NewWorkFile(const std::string& extension) {
        return workFolder_ + "/document-" + std::to_string(++files_) + extension;
    }

    void Shutdown() {
        engineFactory_ = nullptr;
        if (engine_) {
            engine_->Shutdown();
            engine_.reset();
        }
        if (!workFolder_.empty()) {
            std::error_code ignored;
            fs::remove_all(workFolder_, ignored);
            workFolder_.clear();
        }
        ReleaseFileLock(profileLock_);
        profileLock_ = -1;
    }

private:
    std::unique_ptr<ConversionEngine> engine_;
    std::function<std::unique_ptr<ConversionEngine>()> engineFactory_;
    std::string workFolder_;
    int profileLock_;
    int files_ = 0;
};

class FixedTextRange : public TextRange {
public:
    explicit FixedTextRange(std::string text) : text_(std::move(text)) {}
    std::string Text() override { return text_; }

private:
    std::string text_;
};

class LibreOfficeDocument : public Document {
public:
    LibreOfficeDocument(std::shared_ptr<Session> session, std::string source)
        : session_(std::move(session)), source_(std::move(source)) {}

    OfficeStatus ExportAsFixedFormat(const std::string& outputFileName, int exportFormat) override {
        // Whatever stood at the output path before must not pass for this
        // document's PDF when the export fails.
        std::error_code ignored;
        fs::remove(outputFileName, ignored);
        if (exportFormat != wdExportFormatPDF || outputFileName.empty()) {
            return OfficeStatus::BadArgument;
        }
        ConversionEngine* engine = session_->Engine();
        if (engine == nullptr) {
            return OfficeStatus::StartFailed;
        }
        if (!fs::is_regular_file(source_, ignored)) {
            return OfficeStatus::BadArgument;
        }
        std::string pdf = session_->NewWorkFile(".pdf");
        OfficeStatus status = engine->ToPdf(source_, pdf);
        if (status == OfficeStatus::Ok && !MoveFile(pdf, outputFileName)) {
            status = OfficeStatus::NoOutput;
        }
        fs::remove(pdf, ignored);
        return status;
    }

    std::unique_ptr<TextRange> Range() override { return std::make_unique<FixedTextRange>(MainText()); }

private:
    std::string MainText() {
        if (text_) {
            return *text_;
        }
        std::string text;
        std::error_code ignored;
        if (!fs::is_regular_file(source_, ignored)) {
            return "";
        }
        if (LooksLikeZipPackage(source_) && ReadDocxMainText(source_, text) == OfficeStatus::Ok) {
            text_ = text;
            return text;
        }
        // .doc, RTF and the like: LibreOffice writes a DOCX that keeps the
        // page and section breaks, and the DOCX reader takes it from there.
        ConversionEngine* engine = session_->Engine();
        if (engine == nullptr) {
            return "";
        }
        std::string docx = session_->NewWorkFile(".docx");
        if (engine->ToDocx(source_, docx) == OfficeStatus::Ok &&
            ReadDocxMainText(docx, text) == OfficeStatus::Ok) {
            text_ = text;
        }
        fs::remove(docx, ignored);
        return text_.value_or("");
    }

    std::shared_ptr<Session> session_;
    std::string source_;
    std::optional<std::string> text_;
};

class LibreOfficeDocuments : public Documents {
public:
    explicit LibreOfficeDocuments(std::shared_ptr<Session> session) : session_(std::move(session)) {}

    std::shared_ptr<Document> Open(const std::string& fileName, bool /*visible*/) override {
        std::error_code error;
        fs::path absolute = fs::absolute(fileName, error);
        auto document = std::make_shared<LibreOfficeDocument>(
            session_, error ? fileName : absolute.lexically_normal().string());
        open_.push_back(document);
        return document;
    }

    void Close() override { open_.clear(); }

private:
    std::shared_ptr<Session> session_;
    std::vector<std::shared_ptr<Document>> open_;
};

class LibreOfficeApplication : public Application {
public:
    explicit LibreOfficeApplication(std::shared_ptr<Session> session)
        : session_(std::move(session)), documents_(std::make_shared<LibreOfficeDocuments>(session_)) {}
    ~LibreOfficeApplication() override { Quit(); }

    // LibreOffice always runs headless here; there is nothing to show.
    void put_Visible(bool visible) override { visible_ = visible; }
    std::shared_ptr<Documents> get_Documents() override { return documents_; }

    void Quit() override {
        documents_->Close();
        session_->Shutdown();
    }

private:
    std::shared_ptr<Session> session_;
    std::shared_ptr<Documents> documents_;
    bool visible_ = false;
};

// Locks `profile`'s lock file for this application. -1 when another batch
// holds it (or it cannot be locked).
int LockProfile(const std::string& profile) {
    std::error_code ignored;
    fs::create_directories(fs::path(profile).parent_path(), ignored);
    return AcquireFileLock(profile + ".lock", LockMode::Exclusive, false);
}

} // namespace

std::string FindSoffice(const std::string& pathVariable, const std::vector<std::string>& installFolders) {
    std::size_t start = 0;
    while (start <= pathVariable.size()) {
        std::size_t end = pathVariable.find(':', start);
        if (end == std::string::npos) {
            end = pathVariable.size();
        }
        std::string folder = pathVariable.substr(start, end - start);
        if (!folder.empty()) {
            for (const char* name : {"soffice", "libreoffice"}) {
                if (IsExecutableFile(fs::path(folder) / name)) {
                    return (fs::path(folder) / name).string();
                }
            }
        }
        start = end + 1;
    }
    for (const auto& folder : installFolders) {
        if (IsExecutableFile(fs::path(folder) / "soffice")) {
            return (fs::path(folder) / "soffice").string();
        }
    }
    return "";
}

std::string FindSoffice() {
    std::vector<std::string> folders = {"/usr/lib/libreoffice/program", "/usr/local/lib/libreoffice/program",
                                        "/usr/lib64/libreoffice/program", "/opt/libreoffice/program",
                                        "/snap/libreoffice/current/lib/libreoffice/program"};
    // Installs from The Document Foundation's packages carry their version.
    std::error_code error;
    for (const auto& entry : fs::directory_iterator("/opt", error)) {
        if (entry.path().filename().string().rfind("libreoffice", 0) == 0) {
            folders.push_back((entry.path() / "program").string());
        }
    }
    return FindSoffice(Environment("PATH"), folders);
}

std::string DefaultProfileFolder() {
    std::string cache = Environment("XDG_CACHE_HOME");
    if (cache.empty() || cache.front() != '/') {
        std::string home = Environment("HOME");
        cache = home.empty() || home.front() != '/' ? std::string() : home + "/.cache";
    }
    if (cache.empty()) {
        cache = (fs::temp_directory_path() / ("hexia-" + std::to_string(::getuid()))).string();
    }
    return cache + "/hexia/libreoffice-profile";
}

bool SharedInstanceAvailable() {
#ifdef HEXIA_HAVE_UNO
    return true;
#else
    return false;
#endif
}

std::shared_ptr<Application> CreateWordApplication(const LibreOfficeOptions& options) {
    std::string soffice = options.sofficePath.empty() ? FindSoffice() : options.sofficePath;
    if (soffice.empty() || !IsExecutableFile(soffice)) {
        return nullptr;
    }
    std::string pattern = (fs::temp_directory_path() / "hexia-office-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return nullptr;
    }
    std::string workFolder = pattern;
    std::string profile = options.profileFolder.empty() ? DefaultProfileFolder() : options.profileFolder;
    int lock = LockProfile(profile);
    if (lock < 0) {
        // Two instances on one profile hand their work to each other; a batch
        // that runs beside another uses a profile of its own.
        profile = workFolder + "/profile";
    }
    auto session = std::make_shared<Session>(workFolder, lock);

    std::error_code error;
    const fs::path program = fs::canonical(soffice, error).parent_path();
    const bool unoPossible = !error && IsExecutableFile(program / "soffice.bin");
    auto processEngine = [=] {
        return std::make_unique<SofficeProcessEngine>(soffice, profile, workFolder, options.timeLimit);
    };
    switch (options.mode) {
    case LibreOfficeOptions::Mode::SharedInstance:
        // Asked for explicitly: start it now, so that a failure shows at creation.
        if (unoPossible)
            session->SetEngine(StartUnoEngine(program.string(), profile, workFolder, options.timeLimit));
        if (session->Engine() == nullptr)
            return nullptr;
        break;
    case LibreOfficeOptions::Mode::ProcessPerConversion:
        session->SetEngineFactory(processEngine);
        break;
    case LibreOfficeOptions::Mode::Automatic:
        session->SetEngineFactory([=]() -> std::unique_ptr<ConversionEngine> {
            if (unoPossible) {
                if (auto engine = StartUnoEngine(program.string(), profile, workFolder, options.timeLimit))
                    return engine;
            }
            return processEngine();
        });
        break;
    }
    return std::make_shared<LibreOfficeApplication>(session);
}

std::shared_ptr<Application> CreateWordApplication() {
    return CreateWordApplication(LibreOfficeOptions{});
}

} // namespace hexia::office
