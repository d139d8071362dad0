// Converts ten application-like DOCX files (nine pages each) to PDF:
//   1. with one `soffice --headless --convert-to pdf` call on all ten,
//   2. through the Word object model as a batch does it (Open, export, text),
//      once with one office instance for the batch and once with a process
//      per conversion.
// Prints the median wall time of each over the runs (default 3):
//   office_convert_bench [runs]
#include "components/office/child_process.h"
#include "components/office/conversion_engine.h"
#include "components/office/libreoffice_word.h"
#include "docx_fixture.h"

#include <stdlib.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace hexia::office;
using Clock = std::chrono::steady_clock;

namespace {

std::string Paragraph(const std::string& text) {
    return "<w:p><w:r><w:t>" + text + "</w:t></w:r></w:p>";
}
std::string PageBreak() {
    return "<w:p><w:r><w:br w:type=\"page\"/></w:r></w:p>";
}

// Claims, five description pages, drawings, abstract and abstract drawing.
std::string ApplicationBody(int n) {
    std::string sentence = "本发明涉及一种用于处理专利申请文件的装置，其包括读取单元、分析单元和输出单元。";
    std::string filler;
    for (int i = 0; i < 6; ++i) {
        filler += sentence;
    }
    std::string body = Paragraph("权利要求书");
    for (int i = 1; i <= 8; ++i) {
        body += Paragraph(std::to_string(i) + ". 一种装置，其特征在于，" + sentence);
    }
    body +=
        PageBreak() + Paragraph("说明书") + Paragraph("处理装置" + std::to_string(n)) + Paragraph("技术领域");
    for (int page = 0; page < 5; ++page) {
        if (page > 0) {
            body += PageBreak();
        }
        for (int i = 0; i < 6; ++i) {
            body += Paragraph("[" + std::to_string(page * 6 + i + 1) + "] " + filler);
        }
    }
    body += PageBreak() + Paragraph("说明书附图") + Paragraph("图1");
    body += PageBreak() + Paragraph("说明书摘要") + Paragraph(filler);
    body += PageBreak() + Paragraph("摘要附图") + Paragraph("图1");
    return body;
}

double Seconds(const std::function<bool()>& run) {
    auto start = Clock::now();
    if (!run()) {
        std::fprintf(stderr, "run failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

bool ThroughTheObjectModel(const std::vector<std::string>& files, const fs::path& out,
                           const std::string& profile, LibreOfficeOptions::Mode mode) {
    LibreOfficeOptions options;
    options.profileFolder = profile;
    options.mode = mode;
    auto word = CreateWordApplication(options);
    if (!word) {
        return false;
    }
    word->put_Visible(false);
    auto documents = word->get_Documents();
    bool ok = true;
    int position = 0;
    for (const auto& file : files) {
        auto document = documents->Open(file, false);
        ok = document->ExportAsFixedFormat((out / (std::to_string(++position) + ".pdf")).string(),
                                           wdExportFormatPDF) == OfficeStatus::Ok &&
             !document->Range()->Text().empty() && ok;
    }
    documents->Close();
    word->Quit();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::string soffice = FindSoffice();
    if (soffice.empty()) {
        std::fprintf(stderr, "soffice not found\n");
        return 1;
    }
    std::string pattern = (fs::temp_directory_path() / "hexia-office-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        return 1;
    }
    fs::path dir = pattern;
    std::vector<std::string> files;
    for (int i = 1; i <= 10; ++i) {
        files.push_back((dir / ("application-" + std::to_string(i) + ".docx")).string());
        hexia::office::testing::WriteDocx(files.back(), ApplicationBody(i));
    }
    std::string profile = (dir / "profile").string();
    fs::path out = dir / "out";

    auto oneCall = [&] {
        fs::remove_all(out);
        std::vector<std::string> command = {soffice,        "-env:UserInstallation=" + FileUrl(profile),
                                            "--headless",   "--invisible",
                                            "--nologo",     "--norestore",
                                            "--nodefault",  "--nolockcheck",
                                            "--convert-to", "pdf",
                                            "--outdir",     out.string()};
        command.insert(command.end(), files.begin(), files.end());
        return RunProcess(command, std::chrono::minutes(5)).status == OfficeStatus::Ok &&
               fs::exists(out / "application-10.pdf");
    };
    auto model = [&](LibreOfficeOptions::Mode mode) {
        return [&, mode] {
            fs::remove_all(out);
            fs::create_directories(out);
            return ThroughTheObjectModel(files, out, profile, mode);
        };
    };
    // The first start creates the profile; that is not what is measured.
    Seconds(oneCall);

    struct Measure {
        const char* name;
        std::function<bool()> run;
        std::vector<double> times;
    };
    std::vector<Measure> measures = {
        {"one soffice --convert-to call on all 10", oneCall, {}},
        {"object model, one office instance", model(LibreOfficeOptions::Mode::SharedInstance), {}},
        {"object model, a process per conversion", model(LibreOfficeOptions::Mode::ProcessPerConversion), {}},
    };
    if (!SharedInstanceAvailable()) {
        measures.erase(measures.begin() + 1);
    }
    for (int run = 0; run < runs; ++run) {
        for (auto& measure : measures) {
            measure.times.push_back(Seconds(measure.run));
        }
    }
    double baseline = Median(measures[0].times);
    std::printf("10 DOCX files of 9 pages, median of %d runs\n", runs);
    for (const auto& measure : measures) {
        double median = Median(measure.times);
        std::printf("%-42s %6.2f s  %4.2fx\n", measure.name, median, median / baseline);
    }
    fs::remove_all(dir);
    return 0;
}
