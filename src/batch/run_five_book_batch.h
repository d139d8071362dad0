// The batch driver: one office instance for the whole batch, a numbered
// header line per file, and the split of each file.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/app_context.h"

namespace hexia {

inline constexpr std::string_view OfficeStartText = "禾匣尝试调用本地office环境！\r\n";
inline constexpr std::string_view OfficeStartedText = "√√√√调用本地office环境成功！\r\n";
inline constexpr std::string_view OfficeFailedText =
    "××××调用本地office环境失败！\r\n可能是office未正确安装。\r\n";

// What a batch came to, for front ends that report it (the command line's exit
// code). The log says it all for the user.
struct BatchOutcome {
    bool officeStarted = false;
    // Word documents whose conversion the office suite did not complete.
    int conversionsFailed = 0;
    int booksWritten = 0;
    int booksFailed = 0;

    bool Succeeded() const { return officeStarted && conversionsFailed == 0 && booksFailed == 0; }
};

// `tempFolderPath` ends with a separator and receives 1.pdf, 2.pdf and so on,
// named by the file's position in `paths`; `outputRoot` ends with a separator.
BatchOutcome RunFiveBookBatch(AppContext& context, const std::vector<std::string>& paths,
                              const std::string& tempFolderPath, const std::string& outputRoot);

// The five-book branch of a drop: the batch in a temp folder of its own, the
// elapsed time since `startTicks`, and the emptying of the temp folder.
BatchOutcome RunFiveBookBranch(AppContext& context, const std::vector<std::string>& paths,
                               std::int64_t startTicks);

} // namespace hexia
