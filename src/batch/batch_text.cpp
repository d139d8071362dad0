#include "batch/batch_text.h"

#include <cstdio>

#include "util/text.h"

namespace hexia {

std::string DashPadding(std::string_view line) {
    const std::size_t width = GbkWidth(line);
    return width < HeaderLineWidth ? std::string(HeaderLineWidth - width, '-') : std::string();
}

std::string FileHeaderLine(int position, int count, std::string_view fileName) {
    std::string line = "--------当前处理第" + std::to_string(position) + "/" + std::to_string(count) +
                       "项：" + std::string(fileName);
    return line + DashPadding(line);
}

std::string FormatElapsedSeconds(std::int64_t startMilliseconds, std::int64_t endMilliseconds) {
    const double seconds =
        (static_cast<double>(endMilliseconds) - static_cast<double>(startMilliseconds)) / 1000.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.13g", seconds);
    return text;
}

} // namespace hexia
