#pragma once

#include <cstddef>
#include <string>

// Breaks the text into lines of at most `width` characters for a box a person can read:
// lines break at spaces; a word longer than a line (a path, say) breaks after a '/' where
// it can, else where it must. Existing line breaks stay; runs of spaces fold into one and
// nothing else is lost.
std::string wrapText(const std::string& text, std::size_t width);
