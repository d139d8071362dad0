#include "components/pdf_engine/page_text.h"

#include <algorithm>
#include <array>
#include <cmath>

#include <poppler/cpp/poppler-page.h>

#include "components/pdf_engine/look_alikes.h"

namespace hexia {
namespace {

// Two boxes share a line when their vertical extents overlap by at least this
// share of the smaller one.
constexpr double SameLineOverlap = 0.5;
// A gap wider than this share of the text height is a visible gap (poppler
// itself splits words at a tenth of the font size).
constexpr double SpaceGap = 0.1;
// Some producers (cairo among them) declare font ascents and descents far
// beyond the glyphs, so boxes of neighbouring lines overlap. Where a box holds
// ideographs their width gives the real size, and the box is cut down to this
// many ideograph widths around its centre.
constexpr double MaxHeightInIdeographs = 1.5;

bool IsIdeographic(char32_t c) {
    return (c >= 0x2E80 && c <= 0x9FFF) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0x20000 && c <= 0x3FFFF);
}

struct Extent {
    double top;
    double bottom;
    double Height() const { return bottom - top; }
    double Centre() const { return (top + bottom) / 2; }
};

Extent EffectiveExtent(const TextBox& box) {
    Extent extent{box.top, box.bottom};
    if (box.ideographWidth > 0 && extent.Height() > MaxHeightInIdeographs * box.ideographWidth) {
        double half = MaxHeightInIdeographs * box.ideographWidth / 2;
        double centre = extent.Centre();
        extent = {centre - half, centre + half};
    }
    return extent;
}

struct Line {
    std::vector<const TextBox*> boxes;
    Extent reference; // extent of the tallest box so far
};

double Overlap(const Extent& a, const Extent& b) {
    return std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
}

std::string JoinLine(Line& line) {
    std::stable_sort(line.boxes.begin(), line.boxes.end(),
                     [](const TextBox* a, const TextBox* b) { return a->left < b->left; });
    std::string text;
    const TextBox* previous = nullptr;
    for (const TextBox* box : line.boxes) {
        if (previous != nullptr) {
            double height = std::min(EffectiveExtent(*previous).Height(), EffectiveExtent(*box).Height());
            if (box->left - previous->right > SpaceGap * height) {
                text += ' ';
            }
        }
        text += box->text;
        previous = box;
    }
    return text;
}

// Maps a box from page space into the reading frame of text with poppler's
// rotation `rotation` (0: left to right, 1: top to bottom, 2: upside down,
// 3: bottom to top).
void ToReadingFrame(TextBox& box, const poppler::rectf& r, int rotation) {
    double x0 = r.left(), y0 = r.top(), x1 = r.right(), y1 = r.bottom();
    switch (rotation) {
    case 1:
        box.left = y0, box.right = y1, box.top = -x1, box.bottom = -x0;
        break;
    case 2:
        box.left = -x1, box.right = -x0, box.top = -y1, box.bottom = -y0;
        break;
    case 3:
        box.left = -y1, box.right = -y0, box.top = x0, box.bottom = x1;
        break;
    default:
        box.left = x0, box.right = x1, box.top = y0, box.bottom = y1;
        break;
    }
}

} // namespace

std::vector<std::string> GroupTextLines(std::vector<TextBox> boxes) {
    std::vector<std::pair<Extent, const TextBox*>> ordered;
    ordered.reserve(boxes.size());
    for (const TextBox& box : boxes) {
        if (!box.text.empty()) {
            ordered.emplace_back(EffectiveExtent(box), &box);
        }
    }
    std::stable_sort(ordered.begin(), ordered.end(),
                     [](const auto& a, const auto& b) { return a.first.Centre() < b.first.Centre(); });

    std::vector<Line> lines;
    for (const auto& [extent, box] : ordered) {
        if (!lines.empty()) {
            Line& last = lines.back();
            double smaller = std::min(extent.Height(), last.reference.Height());
            if (Overlap(extent, last.reference) >= SameLineOverlap * smaller) {
                last.boxes.push_back(box);
                if (extent.Height() > last.reference.Height()) {
                    last.reference = extent;
                }
                continue;
            }
        }
        lines.push_back(Line{{box}, extent});
    }

    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (Line& line : lines) {
        texts.push_back(JoinLine(line));
    }
    return texts;
}

std::string PageText(const poppler::page& page) {
    std::vector<poppler::text_box> words = page.text_list();

    // The page is read in the direction that most of its text runs.
    std::array<std::size_t, 4> charsByRotation{};
    for (const poppler::text_box& word : words) {
        charsByRotation[static_cast<std::size_t>(word.rotation()) & 3] += word.text().size();
    }
    int rotation = static_cast<int>(std::max_element(charsByRotation.begin(), charsByRotation.end()) -
                                    charsByRotation.begin());

    std::vector<TextBox> boxes;
    boxes.reserve(words.size());
    for (const poppler::text_box& word : words) {
        TextBox box;
        poppler::ustring utf16 = word.text();
        std::size_t ideographs = 0;
        std::size_t others = 0;
        for (std::size_t i = 0; i < utf16.size(); ++i) {
            char32_t c = utf16[i];
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 &&
                utf16[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (utf16[i + 1] - 0xDC00);
                ++i;
            }
            if (c < 0x20 || c == 0x7F) {
                continue; // no control characters inside a line
            }
            c = FoldLookAlike(c);
            IsIdeographic(c) ? ++ideographs : ++others;
            AppendUtf8(box.text, c);
        }
        ToReadingFrame(box, word.bbox(), rotation);
        if (ideographs > 0) {
            // Latin letters and digits are about half as wide as an ideograph.
            box.ideographWidth = (box.right - box.left) / (static_cast<double>(ideographs) + 0.5 * others);
        }
        boxes.push_back(std::move(box));
    }

    std::vector<std::string> lines = GroupTextLines(std::move(boxes));
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    return text;
}

} // namespace hexia
