// Texts of the batch log: the numbered header line of each file and the
// elapsed time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace hexia {

// Width of the header lines, in GBK bytes.
inline constexpr std::size_t HeaderLineWidth = 90;

// The run of "-" that brings `line` to HeaderLineWidth GBK bytes; "" when it
// is that wide already.
std::string DashPadding(std::string_view line);

// "--------当前处理第i/n项：name" followed by its DashPadding.
std::string FileHeaderLine(int position, int count, std::string_view fileName);

// Seconds between two millisecond ticks as "%.13g" writes them: 3000 ms give
// "3", 3250 ms "3.25".
std::string FormatElapsedSeconds(std::int64_t startMilliseconds, std::int64_t endMilliseconds);

} // namespace hexia
