#include "iconsmith/icons/generator/designs.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <string_view>

#include "iconsmith/icons/generator/raster.h"
#include "iconsmith/icons/generator/stroke_font.h"
#include "iconsmith/icons/generator/symbols.h"

namespace IconDrawing {

namespace {

using M = Shape::Mode;

struct Scheme {
    std::uint32_t top;
    std::uint32_t bottom;
    std::uint32_t foreground;
    std::uint32_t alone;  // colour of the picture when it stands without background
    bool light;           // light background: gets a thin outline so it shows on white
};

// Foreground/background pairs chosen for contrast at 16 pixels.
constexpr Scheme kSchemes[] = {
    {0x3b7de0, 0x1d4fa8, 0xffffff, 0x1f5fc4, false},  // blue
    {0xe8544a, 0xb52a22, 0xffffff, 0xc8322a, false},  // red
    {0x45b465, 0x23803f, 0xffffff, 0x23883f, false},  // green
    {0xf79a38, 0xd96b0c, 0xffffff, 0xe0730f, false},  // orange
    {0x8a5ad6, 0x5b2fa0, 0xffffff, 0x6a3bb5, false},  // purple
    {0x2bb5b0, 0x137f7b, 0xffffff, 0x148a85, false},  // teal
    {0x4a4f58, 0x23262b, 0xf5c518, 0x2f3238, false},  // charcoal and gold
    {0xffdb58, 0xf2b705, 0x2b2b2b, 0xd99a00, true},   // gold
    {0xffffff, 0xe4e9f0, 0x1d5fc4, 0x1d5fc4, true},   // white and blue
    {0xf0649a, 0xc2306a, 0xffffff, 0xd0387a, false},  // pink
    {0x24375e, 0x0e1830, 0x7fd8ff, 0x1b2a4a, false},  // navy and sky
    {0x2a2a2a, 0x000000, 0xffffff, 0x111111, false},  // black
    {0x6ccaf9, 0x2d9de0, 0xffffff, 0x1f8fd6, false},  // sky
    {0xb0dc50, 0x78a824, 0x1f3a0c, 0x5d8c16, true},   // lime
    {0x9c6a48, 0x6b3f25, 0xffe7c2, 0x7a4a2b, false},  // brown
};
constexpr int kSchemeCount = int(std::size(kSchemes));

enum class Backdrop { RoundedSquare, Circle, Square, None };

constexpr int kVariantsPerDesign = 7;
constexpr std::string_view kMonogramCharacters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

Color C(std::uint32_t rgb) {
    return Rgb(rgb);
}

RgbaImage ToImage(const Canvas& canvas) {
    return {canvas.width(), canvas.height(), canvas.rgba8()};
}

void BackdropShape(ShapeBuilder& b, Backdrop backdrop, double inset) {
    const double lo = inset, hi = 1 - inset;
    switch (backdrop) {
        case Backdrop::RoundedSquare:
            b.rect(lo, lo, hi, hi, 0.22 * (hi - lo));
            break;
        case Backdrop::Circle:
            b.circle(0.5, 0.5, 0.5 - inset);
            break;
        case Backdrop::Square:
            b.rect(lo, lo, hi, hi, 0.07 * (hi - lo));
            break;
        case Backdrop::None:
            break;
    }
}

// Room left around the picture inside each backdrop, and the stroke weight, per icon size.
double PictureInset(Backdrop backdrop, int size) {
    const double small = size <= 16 ? 1.0 : size <= 32 ? 1.25 : 1.35;
    switch (backdrop) {
        case Backdrop::RoundedSquare:
        case Backdrop::Square:
            return 0.12 * small;
        case Backdrop::Circle:
            return 0.165 * small;
        case Backdrop::None:
            return size <= 16 ? 0.0 : 0.04;
    }
    return 0;
}

double StrokeWeight(int size) {
    return size <= 16 ? 0.2 : size <= 32 ? 0.155 : 0.135;
}

void AddMonogram(ShapeBuilder& b, char c, double weight) {
    const std::string text(1, c);
    double cap = 0.92;
    const double width = TextWidth(text, cap, weight, 0);
    if (width > 0.95) cap = weight + (cap - weight) * (0.95 - weight) / (width - weight);
    const double w = TextWidth(text, cap, weight, 0);
    AddText(b, text, (1 - w) / 2, (1 - cap) / 2, cap, weight, 0);
}

RgbaImage RenderCollectionIcon(int number, int size) {
    const int index = number - 1;
    const int design = index / kVariantsPerDesign;
    const int variant = index % kVariantsPerDesign;
    // Distinct schemes within a design (2 * variant mod 15 never repeats for 7 variants).
    const Scheme& scheme = kSchemes[(design * 4 + variant * 2) % kSchemeCount];
    Backdrop backdrop = Backdrop((design + variant) % 4);

    Canvas canvas(size, size);
    if (backdrop != Backdrop::None) {
        if (scheme.light) {
            ShapeBuilder outline(0, 0, size);
            BackdropShape(outline, backdrop, 0);
            canvas.fill(outline.shape(), C(0x8d99a6));
        }
        ShapeBuilder back(0, 0, size);
        BackdropShape(back, backdrop, scheme.light ? 1.0 / size : 0);
        canvas.fill(back.shape(), C(scheme.top), C(scheme.bottom), 0, size);
    }
    const double inset = PictureInset(backdrop, size) * size;
    ShapeBuilder picture(inset, inset, size - 2 * inset);
    const double weight = StrokeWeight(size);
    if (design < kSymbolCount) {
        AddSymbol(picture, design, weight);
    } else {
        AddMonogram(picture, kMonogramCharacters[std::size_t(design - kSymbolCount)], weight);
    }
    canvas.fill(picture.shape(), C(backdrop == Backdrop::None ? scheme.alone : scheme.foreground));
    return ToImage(canvas);
}

// 32x32 first: readers that simply take the first image (a picture list of 32x32 icons, a
// small preview) get the size that suits them best; browsers choose by size anyway.
std::string MultiSizeIcon(const std::function<RgbaImage(int)>& render) {
    return PackIco(
        {TrueColorEntry(render(32)), TrueColorEntry(render(16)), TrueColorEntry(render(48))});
}

// A white sheet with a folded corner and a few text lines, with a blue globe: "a web page".
RgbaImage RenderSheet(int size, bool withGlobe) {
    Canvas canvas(size, size);
    const double s = size;
    ShapeBuilder edge(0, 0, s);
    edge.polygon({{0.12, 0.02}, {0.62, 0.02}, {0.86, 0.26}, {0.86, 0.98}, {0.12, 0.98}});
    canvas.fill(edge.shape(), C(0x7b8794));
    const double px = 1.0 / s;
    ShapeBuilder sheet(0, 0, s);
    sheet.polygon({{0.12 + px, 0.02 + px},
                   {0.62 - px * 0.4, 0.02 + px},
                   {0.86 - px, 0.26 + px * 0.4},
                   {0.86 - px, 0.98 - px},
                   {0.12 + px, 0.98 - px}});
    canvas.fill(sheet.shape(), C(0xffffff));
    ShapeBuilder fold(0, 0, s);
    fold.polygon({{0.62, 0.02}, {0.62, 0.26}, {0.86, 0.26}});
    canvas.fill(fold.shape(), C(0xc9d1da));
    ShapeBuilder lines(0, 0, s);
    const double line = std::max(0.06, 1.2 / s);
    for (double y : {0.36, 0.5}) lines.rect(0.22, y, 0.72, y + line);
    lines.rect(0.22, 0.22, 0.5, 0.22 + line);
    canvas.fill(lines.shape(), C(0x9aa6b2));
    if (!withGlobe) return ToImage(canvas);
    ShapeBuilder globe(0, 0, s);
    globe.circle(0.64, 0.7, 0.31);
    canvas.fill(globe.shape(), C(0x1f6fd6));
    const double w = std::max(0.055, 1.1 / s);
    ShapeBuilder grid(0, 0, s);
    grid.arc(0.64, 0.7, 0.12, 0.24, 0, 360, w);
    grid.segment(0.38, 0.7, 0.9, 0.7, w).segment(0.64, 0.44, 0.64, 0.96, w);
    grid.mode(M::Intersect).circle(0.64, 0.7, 0.25);
    canvas.fill(grid.shape(), C(0xffffff));
    return ToImage(canvas);
}

RgbaImage RenderDefaultIcon(int size) {
    return RenderSheet(size, true);
}

// The Corvale mark: an open ring with a dot, like a bird's eye looking right.
void AddCorvaleMark(ShapeBuilder& b, double cx, double cy, double r) {
    b.arc(cx, cy, r * 0.78, r * 0.78, 40, 320, r * 0.36);
    b.circle(cx + r * 0.18, cy - r * 0.02, r * 0.2);
}

// Largest cap height up to `maxCap` for which the text fits `width`.
double FitCap(std::string_view text, double width, double maxCap, double weightRatio,
              double spacingRatio) {
    double cap = maxCap;
    while (cap > 2 && TextWidth(text, cap, cap * weightRatio, cap * spacingRatio) > width) {
        cap -= 0.25;
    }
    return cap;
}

void AddCenteredText(ShapeBuilder& b, std::string_view text, double cx, double top, double cap,
                     double weightRatio, double spacingRatio) {
    const double weight = cap * weightRatio, spacing = cap * spacingRatio;
    const double width = TextWidth(text, cap, weight, spacing);
    AddText(b, text, cx - width / 2, top, cap, weight, spacing);
}

RgbaImage RenderBadge(std::uint32_t top, std::uint32_t bottom, std::uint32_t edge,
                      const std::function<void(Canvas&)>& drawEmblem, std::string_view title,
                      std::string_view subtitle, std::uint32_t subtitleColor) {
    constexpr int kWidth = 88, kHeight = 31;
    Canvas canvas(kWidth, kHeight);
    ShapeBuilder border(0, 0, 1);
    border.rect(0, 0, kWidth, kHeight, 4);
    canvas.fill(border.shape(), C(edge));
    ShapeBuilder face(0, 0, 1);
    face.rect(1, 1, kWidth - 1, kHeight - 1, 3);
    canvas.fill(face.shape(), C(top), C(bottom), 0, kHeight);
    drawEmblem(canvas);
    const double textLeft = 31, textWidth = kWidth - textLeft - 4;
    const double cx = textLeft + textWidth / 2;
    const double titleCap = FitCap(title, textWidth, 10, 0.17, 0.14);
    ShapeBuilder titleText(0, 0, 1);
    AddCenteredText(titleText, title, cx, 5, titleCap, 0.17, 0.14);
    canvas.fill(titleText.shape(), C(0xffffff));
    const double subCap = FitCap(subtitle, textWidth, 6.5, 0.2, 0.25);
    ShapeBuilder subText(0, 0, 1);
    AddCenteredText(subText, subtitle, cx, 5 + titleCap + 4.5, subCap, 0.2, 0.25);
    canvas.fill(subText.shape(), C(subtitleColor));
    return ToImage(canvas);
}

}  // namespace

std::string CollectionIconFile(int number) {
    return MultiSizeIcon([number](int size) { return RenderCollectionIcon(number, size); });
}

std::string DefaultIconFile() {
    // The 256-colour image comes first: readers that take the first image show it.
    return PackIco({PalettizedEntry(RenderDefaultIcon(32), 0xffffff),
                    TrueColorEntry(RenderDefaultIcon(16)), TrueColorEntry(RenderDefaultIcon(48))});
}

RgbaImage RenderCorvaleLogo() {
    constexpr int kWidth = 120, kHeight = 60;
    Canvas canvas(kWidth, kHeight);
    ShapeBuilder disc(0, 0, 1);
    disc.circle(26, 30, 24);
    canvas.fill(disc.shape(), C(0x3b7de0), C(0x163f8f), 6, 54);
    ShapeBuilder mark(0, 0, 1);
    AddCorvaleMark(mark, 26, 30, 15);
    canvas.fill(mark.shape(), C(0xffffff));
    const double textLeft = 55, textWidth = kWidth - textLeft - 2;
    const double cap = FitCap("CORVALE", textWidth, 14, 0.16, 0.12);
    ShapeBuilder name(0, 0, 1);
    AddCenteredText(name, "CORVALE", textLeft + textWidth / 2, 17, cap, 0.16, 0.12);
    canvas.fill(name.shape(), C(0x1b3f7a));
    const double subCap = FitCap("SOFTWARE", textWidth, 7, 0.2, 0.45);
    ShapeBuilder sub(0, 0, 1);
    AddCenteredText(sub, "SOFTWARE", textLeft + textWidth / 2, 17 + cap + 5, subCap, 0.2, 0.45);
    canvas.fill(sub.shape(), C(0x6b7785));
    return ToImage(canvas);
}

RgbaImage RenderMagazineBadge() {
    return RenderBadge(
        0xff9a33, 0xe0600b, 0xa84406,
        [](Canvas& canvas) {
            ShapeBuilder disc(0, 0, 1);
            disc.circle(15.5, 15.5, 11.5);
            canvas.fill(disc.shape(), C(0xffffff));
            ShapeBuilder letter(0, 0, 1);
            AddCenteredText(letter, "W", 15.5, 10, 11, 0.2, 0);
            canvas.fill(letter.shape(), C(0xe0600b));
        },
        "WEBMAGAZIN", "AKTUELL", 0xfff1d6);
}

RgbaImage RenderCorvaleBadge() {
    return RenderBadge(
        0x2f5ea8, 0x14305e, 0x0b1d3b,
        [](Canvas& canvas) {
            ShapeBuilder mark(0, 0, 1);
            AddCorvaleMark(mark, 15.5, 15.5, 10.5);
            canvas.fill(mark.shape(), C(0xffffff));
        },
        "CORVALE", "PROGRAMME", 0xc8dcff);
}

RgbaImage RenderStartSymbol() {
    Canvas canvas(16, 16);
    ShapeBuilder edge(0, 0, 1);
    edge.polygon({{2.5, 1}, {15, 8}, {2.5, 15}});
    canvas.fill(edge.shape(), C(0x1d7a33));
    ShapeBuilder body(0, 0, 1);
    body.polygon({{3.6, 2.9}, {12.8, 8}, {3.6, 13.1}});
    canvas.fill(body.shape(), C(0x5fd47a), C(0x2e9e44), 2, 14);
    return ToImage(canvas);
}

RgbaImage RenderReloadSymbol() {
    Canvas canvas(16, 16);
    constexpr double kPi = 3.14159265358979323846;
    const double cx = 8, cy = 8.5, r = 5.2, end = 70;
    ShapeBuilder b(0, 0, 1);
    b.arc(cx, cy, r, r, end + 8, 340, 2.1);
    // Arrowhead at the arc's upper end, pointing clockwise.
    const double a = end * kPi / 180;
    const Point tip{cx + r * std::cos(a), cy - r * std::sin(a)};
    const Point dir{std::sin(a), std::cos(a)};
    const Point normal{-dir.y, dir.x};
    b.polygon({{tip.x + dir.x * 3.6, tip.y + dir.y * 3.6},
               {tip.x - dir.x * 0.6 + normal.x * 3.4, tip.y - dir.y * 0.6 + normal.y * 3.4},
               {tip.x - dir.x * 0.6 - normal.x * 3.4, tip.y - dir.y * 0.6 - normal.y * 3.4}});
    canvas.fill(b.shape(), C(0x2f7be0), C(0x1a4f9e), 2, 14);
    return ToImage(canvas);
}

RgbaImage RenderInfoBanner() {
    constexpr int kWidth = 100, kHeight = 240;
    Canvas canvas(kWidth, kHeight);
    ShapeBuilder face(0, 0, 1);
    face.rect(0, 0, kWidth, kHeight);
    canvas.fill(face.shape(), C(0x2f5ea8), C(0x0d2247), 0, kHeight);
    ShapeBuilder mark(0, 0, 1);
    AddCorvaleMark(mark, 50, 44, 28);
    canvas.fill(mark.shape(), C(0xffffff));
    ShapeBuilder rule(0, 0, 1);
    rule.rect(22, 84, 78, 86);
    canvas.fill(rule.shape(), C(0xf5c518));
    ShapeBuilder letters(0, 0, 1);
    constexpr std::string_view kName = "CORVALE";
    for (std::size_t i = 0; i < kName.size(); ++i) {
        AddCenteredText(letters, kName.substr(i, 1), 50, 97 + 19.5 * double(i), 15, 0.17, 0);
    }
    canvas.fill(letters.shape(), C(0xffffff));
    return ToImage(canvas);
}

// A white favicon tile with an orange star on a blue ground, with a spark of the smith's hammer.
RgbaImage RenderAppIcon(int size) {
    Canvas canvas(size, size);
    const double s = size;
    ShapeBuilder back(0, 0, s);
    back.rect(0, 0, 1, 1, 0.2);
    canvas.fill(back.shape(), C(0x3b7de0), C(0x163f8f), 0, s);
    const double inset = size <= 16 ? 0.14 : 0.19;
    ShapeBuilder tile(0, 0, s);
    tile.rect(inset, inset + 0.04, 1 - inset, 1 - inset + 0.04, 0.12);
    canvas.fill(tile.shape(), C(0xffffff), C(0xe4e9f0), inset * s, (1 - inset) * s);
    ShapeBuilder scaled((inset + 0.1 * (1 - 2 * inset)) * s,
                        (inset + 0.04 + 0.1 * (1 - 2 * inset)) * s, 0.8 * (1 - 2 * inset) * s);
    AddSymbol(scaled, 1, 0.2);
    canvas.fill(scaled.shape(), C(0xf7a21b), C(0xe0600b), inset * s, (1 - inset) * s);
    if (size > 16) {
        ShapeBuilder spark(0, 0, s);
        const double c = 0.86, r = 0.1;
        spark.polygon({{c, 0.14 - r},
                       {c + r * 0.25, 0.14 - r * 0.25},
                       {c + r, 0.14},
                       {c + r * 0.25, 0.14 + r * 0.25},
                       {c, 0.14 + r},
                       {c - r * 0.25, 0.14 + r * 0.25},
                       {c - r, 0.14},
                       {c - r * 0.25, 0.14 - r * 0.25}});
        canvas.fill(spark.shape(), C(0xffe36b));
    }
    return ToImage(canvas);
}

std::string AppIconFile() {
    return MultiSizeIcon(RenderAppIcon);
}

std::string FolderIconFile() {
    return MultiSizeIcon([](int size) {
        Canvas canvas(size, size);
        ShapeBuilder back(0, 0, size);
        back.rect(0.04, 0.16, 0.48, 0.4, 0.06).rect(0.04, 0.26, 0.96, 0.86, 0.07);
        canvas.fill(back.shape(), C(0xd99a1e));
        ShapeBuilder front(0, 0, size);
        front.polygon({{0.1, 0.4}, {0.98, 0.4}, {0.92, 0.86}, {0.04, 0.86}});
        canvas.fill(front.shape(), C(0xffd45e), C(0xf2b32e), 0.4 * size, 0.86 * size);
        return ToImage(canvas);
    });
}

std::string PageIconFile() {
    return MultiSizeIcon([](int size) { return RenderSheet(size, false); });
}

std::string DoneIconFile() {
    return MultiSizeIcon([](int size) {
        Canvas canvas(size, size);
        ShapeBuilder disc(0, 0, size);
        disc.circle(0.5, 0.5, 0.48);
        canvas.fill(disc.shape(), C(0x45b465), C(0x23803f), 0, size);
        ShapeBuilder check(0.2 * size, 0.2 * size, 0.6 * size);
        AddSymbol(check, 7, StrokeWeight(size));
        canvas.fill(check.shape(), C(0xffffff));
        return ToImage(canvas);
    });
}

}  // namespace IconDrawing
