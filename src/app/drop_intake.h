// What happens when files are dropped: classification of the batch, and
// either the refusal box or the five-book batch.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/app_context.h"
#include "batch/run_five_book_batch.h"

namespace hexia {

inline constexpr std::string_view FiveBookSeries = "五书系列";
inline constexpr std::string_view NoticeSeries = "通知书系列";
inline constexpr std::string_view MixedSeries = "混合文件系列";

inline constexpr std::string_view RefusalTitle = "文件类型错误！";
inline constexpr std::string_view RefusalText =
    "禾匣五书拆分工具只能处理一堆DOC、DOCX、PDF文件，如果混杂有其他类型文件，您将看到该提示！";

// One of FiveBookSeries, NoticeSeries, MixedSeries.
std::string ClassifyBatch(const AppContext& context, const std::vector<std::string>& paths);

// Handles the dropped text: a single path alone, or several paths each
// followed by "\r\n".
void ProcessDroppedFiles(AppContext& context, std::string_view droppedText);

// What a drop came to, for front ends that report it.
struct DropOutcome {
    bool empty = false;   // nothing was dropped: nothing happened
    bool refused = false; // the refusal box was shown
    BatchOutcome batch;   // the five-book batch, when it ran
};

// ProcessDroppedFiles with its outcome.
DropOutcome ProcessDroppedFilesWithOutcome(AppContext& context, std::string_view droppedText);

} // namespace hexia
