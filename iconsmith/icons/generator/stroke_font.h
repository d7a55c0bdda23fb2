// A tiny stroke font (capital letters, digits, blank) for monograms and the text on our pictures.
#pragma once

#include <string_view>

#include "iconsmith/icons/generator/raster.h"

namespace IconDrawing {

// Width of the text's ink in design units; `spacing` is the gap between letters.
double TextWidth(std::string_view text, double capHeight, double weight, double spacing);

// Adds the strokes of `text` (A-Z, 0-9, blank, '-', '.') with its top-left ink corner at (x, y).
// Unknown characters are left out.
void AddText(ShapeBuilder& builder, std::string_view text, double x, double y, double capHeight,
             double weight, double spacing);

}  // namespace IconDrawing
