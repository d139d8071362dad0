#include "app/drop_intake.h"

#include <algorithm>

#include "split/five_book_table.h"
#include "util/paths.h"
#include "util/text.h"

namespace hexia {

namespace {

// Whether the first page of a PDF starts one of the five books: one of its
// first three lines, once the ASCII spaces are gone, is a book name.
std::string FirstPageCategory(PdfLibrary& instance, const std::string& path) {
    std::string text = instance.ExtractFilePageText(path, 1, 0);
    std::erase(text, ' ');
    for (int n = 1; n <= 3; ++n)
        if (FindBookByHeading(LineOfText(text, n)))
            return std::string(FiveBookSeries);
    return std::string(NoticeSeries);
}

} // namespace

std::string ClassifyBatch(const AppContext& context, const std::vector<std::string>& paths) {
    std::vector<std::string> categories;
    PdfLibrary instance;
    LoadPdfComponent(instance, context.componentRegistry ? *context.componentRegistry
                                                         : PdfComponentRegistry::BuiltIn());
    for (const std::string& path : paths) {
        const std::string extension = PathExtension(path);
        if (extension == ".zip" || extension == ".ZIP")
            categories.emplace_back(NoticeSeries);
        else if (extension == ".pdf" || extension == ".PDF")
            categories.push_back(FirstPageCategory(instance, path));
        else if (extension == ".doc" || extension == ".docx" || extension == ".DOC" || extension == ".DOCX")
            categories.emplace_back(FiveBookSeries);
        else
            return std::string(MixedSeries);
    }
    if (RemoveDuplicateTexts(categories) == 1)
        return categories.front();
    return std::string(MixedSeries);
}

DropOutcome ProcessDroppedFilesWithOutcome(AppContext& context, std::string_view droppedText) {
    DropOutcome outcome;
    const std::int64_t startTicks = context.clock ? context.clock->TickCount() : 0;
    const std::vector<std::string> paths = SplitText(droppedText, "\r\n");
    if (droppedText.empty()) {
        outcome.empty = true;
        return outcome;
    }
    if (ClassifyBatch(context, paths) != FiveBookSeries) {
        outcome.refused = true;
        if (context.messageBox)
            context.messageBox->Show(RefusalTitle, RefusalText);
        return outcome;
    }
    outcome.batch = RunFiveBookBranch(context, paths, startTicks);
    return outcome;
}

void ProcessDroppedFiles(AppContext& context, std::string_view droppedText) {
    ProcessDroppedFilesWithOutcome(context, droppedText);
}

} // namespace hexia
