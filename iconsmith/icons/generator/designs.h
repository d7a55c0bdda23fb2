// The designs of the icon collection, the default icon and the programs' pictures.
#pragma once

#include <string>

#include "iconsmith/icons/generator/ico_writer.h"

namespace IconDrawing {

constexpr int kCollectionSize = 511;

// The .ico file of collection icon `number` (1 .. kCollectionSize): 16, 32 and 48 pixels.
std::string CollectionIconFile(int number);

// The default favicon: a 32x32 image in 256 colours, plus 16x16 and 48x48 in true colour.
std::string DefaultIconFile();

// Pictures for the programs' windows.
RgbaImage RenderCorvaleLogo();      // about 120x60
RgbaImage RenderMagazineBadge();    // 88x31
RgbaImage RenderCorvaleBadge();     // 88x31
RgbaImage RenderStartSymbol();      // 16x16
RgbaImage RenderReloadSymbol();     // 16x16
RgbaImage RenderInfoBanner();       // 100x240
RgbaImage RenderAppIcon(int size);  // Iconsmith's own icon
std::string AppIconFile();          // 16, 32, 48 pixels
std::string FolderIconFile();       // a web root folder
std::string PageIconFile();         // a web page
std::string DoneIconFile();         // a finished run

}  // namespace IconDrawing
