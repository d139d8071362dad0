#include "batch/run_five_book_batch.h"

#include "batch/batch_text.h"
#include "batch/temp_folder.h"
#include "split/split_document.h"
#include "util/paths.h"

namespace hexia {

BatchOutcome RunFiveBookBatch(AppContext& context, const std::vector<std::string>& paths,
                              const std::string& tempFolderPath, const std::string& outputRoot) {
    BatchOutcome outcome;
    if (context.progressLog)
        context.progressLog->Empty();
    AppendToLog(context, OfficeStartText);
    context.WordApplication = context.wordFactory ? context.wordFactory() : nullptr;
    if (!context.WordApplication) {
        AppendToLog(context, OfficeFailedText);
        return outcome;
    }
    outcome.officeStarted = true;
    AppendToLog(context, OfficeStartedText);
    context.WordApplication->put_Visible(false);
    context.WordDocuments = context.WordApplication->get_Documents();

    const int count = static_cast<int>(paths.size());
    for (int i = 1; i <= count; ++i) {
        const std::string& path = paths[i - 1];
        AppendToLog(context, "\r\n" + FileHeaderLine(i, count, FileNameOf(path, true)) + "\r\n");
        std::string pdfPath = tempFolderPath + std::to_string(i) + ".pdf";
        const DocumentOutcome document = SplitApplicationDocument(context, path, pdfPath, outputRoot);
        if (document.conversion != office::OfficeStatus::Ok)
            ++outcome.conversionsFailed;
        outcome.booksWritten += document.booksWritten;
        outcome.booksFailed += document.booksFailed;
    }

    if (context.WordDocuments)
        context.WordDocuments->Close();
    context.WordApplication->Quit();
    context.CurrentWordDocument.reset();
    context.WordDocuments.reset();
    context.WordApplication.reset();
    return outcome;
}

BatchOutcome RunFiveBookBranch(AppContext& context, const std::vector<std::string>& paths,
                               std::int64_t startTicks) {
    const std::string tempFolder = context.ProgramDirectory + PathSeparator() + "temp";
    const std::string outputRoot = paths.empty() ? std::string() : ParentFolderOf(paths.front());
    BatchTempFolder batchFolder(tempFolder);
    const BatchOutcome outcome = RunFiveBookBatch(context, paths, batchFolder.Path(), outputRoot);
    const std::int64_t endTicks = context.clock ? context.clock->TickCount() : startTicks;
    AppendToLog(context, "\r\n\r\n处理结束，共用时" + FormatElapsedSeconds(startTicks, endTicks) + "秒！");
    // Our own folder goes first: while we hold its lock the reset below
    // would leave everything alone.
    batchFolder.Remove();
    ResetTempFolder(tempFolder);
    return outcome;
}

} // namespace hexia
