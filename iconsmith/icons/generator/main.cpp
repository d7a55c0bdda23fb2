// Build-time generator of Iconsmith's icon collection and of the programs' pictures.
//   iconsmith_icon_generator collection OUTDIR       writes 001.ico .. 511.ico and default.ico
//   iconsmith_icon_generator assets APPDIR SHAREDDIR  writes the window pictures (PNG, ICO)
// The output depends on nothing but this program, so the same build gives the same bytes.
#include <QImage>

#include <cstdio>
#include <fstream>
#include <string>

#include "iconsmith/icons/generator/designs.h"

namespace {

using namespace IconDrawing;

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), std::streamsize(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", path.c_str());
        return false;
    }
    return true;
}

bool WritePng(const std::string& path, const RgbaImage& image) {
    const QImage picture(image.rgba.data(), image.width, image.height, image.width * 4,
                         QImage::Format_RGBA8888);
    if (!picture.save(QString::fromStdString(path), "PNG")) {
        std::fprintf(stderr, "Kann %s nicht schreiben\n", path.c_str());
        return false;
    }
    return true;
}

std::string Numbered(int number) {
    char name[16];
    std::snprintf(name, sizeof name, "%03d.ico", number);
    return name;
}

int WriteCollection(const std::string& dir) {
    for (int number = 1; number <= kCollectionSize; ++number) {
        if (!WriteFile(dir + "/" + Numbered(number), CollectionIconFile(number))) return 1;
    }
    return WriteFile(dir + "/default.ico", DefaultIconFile()) ? 0 : 1;
}

int WriteAssets(const std::string& app, const std::string& shared) {
    const bool ok = WritePng(app + "/corvale_logo.png", RenderCorvaleLogo()) &&
                    WritePng(app + "/webmagazin_badge.png", RenderMagazineBadge()) &&
                    WritePng(app + "/corvale_badge.png", RenderCorvaleBadge()) &&
                    WritePng(app + "/start.png", RenderStartSymbol()) &&
                    WritePng(app + "/reload.png", RenderReloadSymbol()) &&
                    WriteFile(app + "/iconsmith.ico", AppIconFile()) &&
                    WritePng(app + "/iconsmith.png", RenderAppIcon(256)) &&
                    WriteFile(app + "/main_icon_1.ico", AppIconFile()) &&
                    WriteFile(app + "/main_icon_2.ico", DefaultIconFile()) &&
                    WriteFile(app + "/main_icon_3.ico", FolderIconFile()) &&
                    WriteFile(app + "/main_icon_4.ico", PageIconFile()) &&
                    WriteFile(app + "/main_icon_5.ico", DoneIconFile()) &&
                    WritePng(shared + "/corvale_banner.png", RenderInfoBanner());
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "collection" && argc == 3) return WriteCollection(argv[2]);
    if (mode == "assets" && argc == 4) return WriteAssets(argv[2], argv[3]);
    std::fprintf(stderr,
                 "Aufruf: %s collection ZIELORDNER\n"
                 "       %s assets PROGRAMMORDNER GEMEINSAMER_ORDNER\n",
                 argv[0], argv[0]);
    return 2;
}
