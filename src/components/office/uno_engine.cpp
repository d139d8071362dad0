#include "components/office/uno_engine.h"

#ifndef HEXIA_HAVE_UNO

namespace hexia::office {

std::unique_ptr<ConversionEngine> StartUnoEngine(const std::string&, const std::string&, const std::string&,
                                                 std::chrono::milliseconds) {
    return nullptr;
}

} // namespace hexia::office

#else

#include "components/office/child_process.h"

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/ustring.hxx>

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

namespace hexia::office {

namespace {

namespace fs = std::filesystem;
namespace uno = com::sun::star::uno;
namespace css = com::sun::star;

// Exit code with which a fresh profile's first start asks to be started again.
constexpr int RestartExitCode = 81;

// Longest wait for a starting office to accept connections, at the least.
constexpr std::chrono::milliseconds MinStartTime = std::chrono::seconds(60);

rtl::OUString Ou(const std::string& text) {
    return rtl::OUString(text.data(), static_cast<sal_Int32>(text.size()), RTL_TEXTENCODING_UTF8);
}

css::beans::PropertyValue Property(const char* name, const uno::Any& value) {
    css::beans::PropertyValue property;
    property.Name = rtl::OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

// The process's own UNO runtime, bootstrapped once from the office's URE. It
// is never destroyed: tearing a UNO context down at exit can crash.
uno::Reference<uno::XComponentContext> LocalContext() {
    static auto* context = [] {
        ::setenv("URE_BOOTSTRAP", "vnd.sun.star.pathname:" HEXIA_UNO_PROGRAM_DIR "/fundamentalrc", 0);
        auto* made = new uno::Reference<uno::XComponentContext>();
        try {
            *made = cppu::defaultBootstrap_InitialComponentContext();
        } catch (...) {
            made->clear();
        }
        return made;
    }();
    return *context;
}

// Kills the office's process group when a call runs past its time limit; the
// pending UNO call then fails at once because its bridge goes down.
class Watchdog {
public:
    Watchdog(pid_t group, std::chrono::milliseconds limit)
        : thread_([this, group, limit] {
              std::unique_lock lock(mutex_);
              if (!stopped_.wait_for(lock, limit, [this] { return done_; })) {
                  fired_ = true;
                  ::kill(-group, SIGKILL);
              }
          }) {}
    ~Watchdog() { Stop(); }

    // True when the limit had passed and the office was killed.
    bool Stop() {
        if (thread_.joinable()) {
            {
                std::lock_guard lock(mutex_);
                done_ = true;
            }
            stopped_.notify_all();
            thread_.join();
        }
        return fired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable stopped_;
    bool done_ = false;
    std::atomic<bool> fired_ = false;
    std::thread thread_;
};

// The import filter to insist on, so that a broken Word file fails to load
// instead of being opened as plain text. "" lets the office detect the type.
std::string LoadFilter(const std::string& source) {
    char head[8] = {};
    std::ifstream in(source, std::ios::binary);
    in.read(head, sizeof head);
    if (std::memcmp(head, "PK\x03\x04", 4) == 0) {
        return "MS Word 2007 XML";
    }
    if (std::memcmp(head, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) == 0) {
        return "MS Word 97";
    }
    if (std::memcmp(head, "{\\rtf", 5) == 0) {
        return "Rich Text Format";
    }
    std::string extension = fs::path(source).extension().string();
    for (auto& c : extension) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    // A .docx is always a zip package; anything else under that name is damaged.
    return extension == ".docx" ? "MS Word 2007 XML" : "";
}

class UnoEngine : public ConversionEngine {
public:
    UnoEngine(std::string programFolder, std::string profileFolder, std::chrono::milliseconds timeLimit)
        : programFolder_(std::move(programFolder)), profileFolder_(std::move(profileFolder)),
          timeLimit_(timeLimit) {}
    ~UnoEngine() override { Shutdown(); }

    bool Start();

    OfficeStatus ToPdf(const std::string& source, const std::string& target) override {
        return Convert(source, target, "writer_pdf_Export");
    }
    OfficeStatus ToDocx(const std::string& source, const std::string& target) override {
        return Convert(source, target, "MS Word 2007 XML");
    }
    void Shutdown() override;

private:
    bool Connect(const std::string& pipe);
    OfficeStatus Convert(const std::string& source, const std::string& target, const char* exportFilter);
    void Drop();

    std::string programFolder_;
    std::string profileFolder_;
    std::chrono::milliseconds timeLimit_;
    ChildProcess office_;
    uno::Reference<css::frame::XDesktop2> desktop_;
    int starts_ = 0;
    bool shutDown_ = false;
};

bool UnoEngine::Start() {
    uno::Reference<uno::XComponentContext> local = LocalContext();
    if (!local.is()) {
        return false;
    }
    for (int attempt = 0; attempt < 2; ++attempt) {
        // A fresh pipe name for each start: a killed office leaves its socket.
        std::string pipe = "hexia_" + std::to_string(::getpid()) + "_" + std::to_string(++starts_) + "_" +
                           std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
        // soffice.bin itself, not the soffice script, so that the process we
        // hold is the office.
        if (office_.Start({programFolder_ + "/soffice.bin",
                           "-env:UserInstallation=" + FileUrl(profileFolder_), "--headless", "--invisible",
                           "--nologo", "--norestore", "--nodefault", "--nolockcheck",
                           "--accept=pipe,name=" + pipe + ";urp;"}) != OfficeStatus::Ok) {
            return false;
        }
        if (Connect(pipe)) {
            return true;
        }
        bool restart = !office_.Started() && office_.ExitCode() == RestartExitCode;
        office_.Kill();
        if (!restart) {
            return false;
        }
    }
    return false;
}

bool UnoEngine::Connect(const std::string& pipe) {
    // The first start on a fresh profile takes several seconds; a short time
    // limit for documents must not keep the office from coming up.
    auto deadline =
        std::chrono::steady_clock::now() + std::max<std::chrono::milliseconds>(timeLimit_, MinStartTime);
    uno::Reference<uno::XComponentContext> local = LocalContext();
    while (office_.Running() && std::chrono::steady_clock::now() < deadline) {
        try {
            auto resolver = css::bridge::UnoUrlResolver::create(local);
            uno::Reference<uno::XComponentContext> remote(
                resolver->resolve(Ou("uno:pipe,name=" + pipe + ";urp;StarOffice.ComponentContext")),
                uno::UNO_QUERY_THROW);
            desktop_ = css::frame::Desktop::create(remote);
            return true;
        } catch (const css::connection::NoConnectException&) {
            // Not listening yet.
        } catch (...) {
            // The bridge broke while the office was coming up; try again.
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return false;
}

void UnoEngine::Drop() {
    try {
        desktop_.clear();
    } catch (...) {
    }
    office_.Kill();
}

OfficeStatus UnoEngine::Convert(const std::string& source, const std::string& target,
                                const char* exportFilter) {
    if (shutDown_) {
        return OfficeStatus::StartFailed;
    }
    if (desktop_.is() && !office_.Running()) {
        // It went down since the last document (crashed or was killed):
        // that is no fault of this document, so start a new one for it.
        Drop();
    }
    if (!desktop_.is() && !Start()) {
        Drop();
        return OfficeStatus::StartFailed;
    }
    OfficeStatus status = OfficeStatus::NoOutput;
    bool officeGone = false;
    Watchdog watchdog(office_.Pid(), timeLimit_);
    try {
        std::vector<css::beans::PropertyValue> load = {
            Property("Hidden", uno::Any(true)), Property("ReadOnly", uno::Any(true)),
            Property("MacroExecutionMode", uno::Any(sal_Int16(0))), // never run macros
            Property("UpdateDocMode", uno::Any(sal_Int16(0))),      // never update links
        };
        std::string filter = LoadFilter(source);
        if (!filter.empty()) {
            load.push_back(Property("FilterName", uno::Any(Ou(filter))));
        }
        uno::Reference<css::frame::XComponentLoader> loader(desktop_, uno::UNO_QUERY_THROW);
        uno::Reference<css::lang::XComponent> document = loader->loadComponentFromURL(
            Ou(FileUrl(source)), "_blank", 0,
            uno::Sequence<css::beans::PropertyValue>(load.data(), static_cast<sal_Int32>(load.size())));
        if (!document.is()) {
            status = OfficeStatus::BadArgument;
        } else {
            try {
                uno::Reference<css::frame::XStorable> storable(document, uno::UNO_QUERY_THROW);
                css::beans::PropertyValue properties[] = {
                    Property("FilterName", uno::Any(rtl::OUString::createFromAscii(exportFilter))),
                    Property("Overwrite", uno::Any(true))};
                uno::Sequence<css::beans::PropertyValue> store(properties, 2);
                storable->storeToURL(Ou(FileUrl(target)), store);
                status = OfficeStatus::Ok;
            } catch (const css::lang::DisposedException&) {
                officeGone = true;
            } catch (const uno::Exception&) {
                status = OfficeStatus::NoOutput;
            }
            if (!officeGone) {
                try {
                    uno::Reference<css::util::XCloseable> closeable(document, uno::UNO_QUERY);
                    if (closeable.is()) {
                        closeable->close(true);
                    } else {
                        document->dispose();
                    }
                } catch (...) {
                }
            }
        }
    } catch (const css::lang::IllegalArgumentException&) {
        status = OfficeStatus::BadArgument; // the office could not find or read the file
    } catch (const css::lang::DisposedException&) {
        officeGone = true;
    } catch (const uno::RuntimeException&) {
        officeGone = !office_.Running();
        status = officeGone ? OfficeStatus::ExitFailed : OfficeStatus::BadArgument;
    } catch (const uno::Exception&) {
        status = OfficeStatus::BadArgument; // an I/O error while loading
    } catch (...) {
        status = OfficeStatus::BadArgument;
    }
    bool timedOut = watchdog.Stop();
    if (timedOut || officeGone || !office_.Running()) {
        // The next document starts a new office.
        if (status == OfficeStatus::Ok && !timedOut && fs::exists(target)) {
            // It finished its work before it went.
        } else {
            status = timedOut ? OfficeStatus::TimedOut : OfficeStatus::ExitFailed;
        }
        Drop();
    }
    std::error_code ignored;
    if (status == OfficeStatus::Ok && !fs::is_regular_file(target, ignored)) {
        status = OfficeStatus::NoOutput;
    }
    if (status != OfficeStatus::Ok) {
        fs::remove(target, ignored);
    }
    return status;
}

void UnoEngine::Shutdown() {
    if (shutDown_) {
        return;
    }
    shutDown_ = true;
    if (desktop_.is() && office_.Started()) {
        Watchdog watchdog(office_.Pid(), std::chrono::seconds(10));
        try {
            // It throws DisposedException as the office goes; that is expected.
            desktop_->terminate();
        } catch (...) {
        }
        try {
            desktop_.clear();
        } catch (...) {
        }
        watchdog.Stop();
    }
    if (office_.Started()) {
        office_.Wait(std::chrono::seconds(10));
    }
    office_.Kill();
}

} // namespace

std::unique_ptr<ConversionEngine> StartUnoEngine(const std::string& programFolder,
                                                 const std::string& profileFolder,
                                                 const std::string& /*workFolder*/,
                                                 std::chrono::milliseconds timeLimit) {
    // The bridge writes to the office's pipe; when the office dies mid-call
    // (crash, or our own watchdog), that write must fail with EPIPE and become
    // a DisposedException, not kill this whole process with SIGPIPE.
    ::signal(SIGPIPE, SIG_IGN);
    auto engine = std::make_unique<UnoEngine>(programFolder, profileFolder, timeLimit);
    if (!engine->Start()) {
        return nullptr;
    }
    return engine;
}

} // namespace hexia::office

#endif
