// The text of a PDF page as lines: word boxes grouped by baseline, lines top
// to bottom, boxes left to right, one ASCII space where there is a visible gap.
// Block reading order would break a letter-spaced heading ("权  利  要  求  书")
// into one character per line; grouping by baseline keeps it one line.
#pragma once

#include <string>
#include <vector>

namespace poppler {
class page;
}

namespace hexia {

// A word box in the page's reading frame: x grows along the line, y grows from
// one line to the next.
struct TextBox {
    std::string text; // UTF-8, look-alikes folded
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    // Width of one ideograph in this box (the font's em), 0 when the box has none.
    double ideographWidth = 0;
};

// The lines of text that the boxes form, top to bottom.
std::vector<std::string> GroupTextLines(std::vector<TextBox> boxes);

// The page's text: its lines joined by "\r\n", "" for a page without text.
std::string PageText(const poppler::page& page);

} // namespace hexia
