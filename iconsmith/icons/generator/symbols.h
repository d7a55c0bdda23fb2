// Simple pictograms for the icon collection, drawn into a unit box.
#pragma once

#include "iconsmith/icons/generator/raster.h"

namespace IconDrawing {

constexpr int kSymbolCount = 37;

// Adds pictogram `symbol` (0 .. kSymbolCount-1) in the builder's unit box [0,1]x[0,1];
// `weight` is the stroke width for line-drawn parts, larger for small icons.
void AddSymbol(ShapeBuilder& builder, int symbol, double weight);

}  // namespace IconDrawing
