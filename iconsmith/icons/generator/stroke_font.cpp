#include "iconsmith/icons/generator/stroke_font.h"

#include <vector>

namespace IconDrawing {

namespace {

// Glyphs are centre lines in a box of height 1 (cap height) and the glyph's own width; the
// renderer shrinks that box by the stroke width so that the ink fills the cap height exactly.
struct Stroke {
    bool isArc;
    std::vector<Point> points;      // polyline
    double cx, cy, rx, ry, a0, a1;  // arc
};

struct Glyph {
    double width;
    std::vector<Stroke> strokes;
};

Stroke L(std::initializer_list<Point> points) {
    return {false, points, 0, 0, 0, 0, 0, 0};
}
Stroke A(double cx, double cy, double rx, double ry, double a0, double a1) {
    return {true, {}, cx, cy, rx, ry, a0, a1};
}

Glyph GlyphFor(char c) {
    switch (c) {
        case 'A':
            return {0.8, {L({{0, 1}, {0.4, 0}, {0.8, 1}}), L({{0.16, 0.64}, {0.64, 0.64}})}};
        case 'B':
            return {0.64,
                    {L({{0.3, 0.48}, {0, 0.48}, {0, 0}, {0.35, 0}}),
                     A(0.35, 0.24, 0.24, 0.24, -90, 90), L({{0, 0.48}, {0.38, 0.48}}),
                     A(0.38, 0.74, 0.26, 0.26, -90, 90), L({{0.38, 1}, {0, 1}, {0, 0.48}})}};
        case 'C':
            return {0.8, {A(0.45, 0.5, 0.45, 0.5, 42, 318)}};
        case 'D':
            return {0.72,
                    {L({{0.3, 0}, {0, 0}, {0, 1}, {0.3, 1}}), A(0.3, 0.5, 0.42, 0.5, -90, 90)}};
        case 'E':
            return {0.6, {L({{0.6, 0}, {0, 0}, {0, 1}, {0.6, 1}}), L({{0, 0.5}, {0.5, 0.5}})}};
        case 'F':
            return {0.6, {L({{0.6, 0}, {0, 0}, {0, 1}}), L({{0, 0.5}, {0.5, 0.5}})}};
        case 'G':
            return {0.9, {A(0.45, 0.5, 0.45, 0.5, 42, 360), L({{0.52, 0.52}, {0.9, 0.52}})}};
        case 'H':
            return {0.7, {L({{0, 0}, {0, 1}}), L({{0.7, 0}, {0.7, 1}}), L({{0, 0.5}, {0.7, 0.5}})}};
        case 'I':
            return {0.4, {L({{0, 0}, {0.4, 0}}), L({{0.2, 0}, {0.2, 1}}), L({{0, 1}, {0.4, 1}})}};
        case 'J':
            return {0.55, {L({{0.55, 0}, {0.55, 0.68}}), A(0.275, 0.68, 0.275, 0.32, 180, 360)}};
        case 'K':
            return {0.68,
                    {L({{0, 0}, {0, 1}}), L({{0.66, 0}, {0, 0.62}}), L({{0.22, 0.44}, {0.68, 1}})}};
        case 'L':
            return {0.58, {L({{0, 0}, {0, 1}, {0.58, 1}})}};
        case 'M':
            return {0.84, {L({{0, 1}, {0, 0}, {0.42, 0.7}, {0.84, 0}, {0.84, 1}})}};
        case 'N':
            return {0.7, {L({{0, 1}, {0, 0}, {0.7, 1}, {0.7, 0}})}};
        case 'O':
            return {0.9, {A(0.45, 0.5, 0.45, 0.5, 0, 360)}};
        case 'P':
            return {0.62,
                    {L({{0, 1}, {0, 0}, {0.35, 0}}), A(0.35, 0.27, 0.27, 0.27, -90, 90),
                     L({{0.35, 0.54}, {0, 0.54}})}};
        case 'Q':
            return {0.9, {A(0.45, 0.5, 0.45, 0.5, 0, 360), L({{0.56, 0.68}, {0.9, 1}})}};
        case 'R':
            return {0.66,
                    {L({{0, 1}, {0, 0}, {0.35, 0}}), A(0.35, 0.27, 0.27, 0.27, -90, 90),
                     L({{0.35, 0.54}, {0, 0.54}}), L({{0.3, 0.54}, {0.66, 1}})}};
        case 'S':
            return {0.66,
                    {A(0.33, 0.25, 0.31, 0.25, 90, 270), A(0.33, 0.25, 0.31, 0.25, 20, 90),
                     A(0.33, 0.75, 0.33, 0.25, -90, 90), A(0.33, 0.75, 0.33, 0.25, 200, 270)}};
        case 'T':
            return {0.7, {L({{0, 0}, {0.7, 0}}), L({{0.35, 0}, {0.35, 1}})}};
        case 'U':
            return {0.66,
                    {L({{0, 0}, {0, 0.66}}), A(0.33, 0.66, 0.33, 0.34, 180, 360),
                     L({{0.66, 0.66}, {0.66, 0}})}};
        case 'V':
            return {0.76, {L({{0, 0}, {0.38, 1}, {0.76, 0}})}};
        case 'W':
            return {1.0, {L({{0, 0}, {0.22, 1}, {0.5, 0.3}, {0.78, 1}, {1.0, 0}})}};
        case 'X':
            return {0.7, {L({{0, 0}, {0.7, 1}}), L({{0.7, 0}, {0, 1}})}};
        case 'Y':
            return {0.74, {L({{0, 0}, {0.37, 0.5}, {0.74, 0}}), L({{0.37, 0.5}, {0.37, 1}})}};
        case 'Z':
            return {0.66, {L({{0, 0}, {0.66, 0}, {0, 1}, {0.66, 1}})}};
        case '0':
            return {0.66, {A(0.33, 0.5, 0.33, 0.5, 0, 360)}};
        case '1':
            return {0.6, {L({{0.06, 0.22}, {0.32, 0}, {0.32, 1}}), L({{0.02, 1}, {0.6, 1}})}};
        case '2':
            return {0.66,
                    {A(0.32, 0.3, 0.32, 0.3, -40, 165), L({{0.565, 0.493}, {0, 1}, {0.66, 1}})}};
        case '3':
            return {0.63,
                    {A(0.3, 0.26, 0.29, 0.26, -90, 155), A(0.3, 0.74, 0.33, 0.26, -155, 90),
                     L({{0.22, 0.5}, {0.3, 0.5}})}};
        case '4':
            return {0.7, {L({{0.5, 1}, {0.5, 0}, {0, 0.68}, {0.7, 0.68}})}};
        case '5':
            return {0.64,
                    {L({{0.6, 0}, {0.08, 0}, {0.04, 0.47}}), A(0.31, 0.67, 0.33, 0.33, -150, 135)}};
        case '6':
            return {0.64, {A(0.32, 0.68, 0.32, 0.32, 0, 360), A(0.44, 0.62, 0.44, 0.62, 70, 182)}};
        case '7':
            return {0.66, {L({{0, 0}, {0.66, 0}, {0.2, 1}})}};
        case '8':
            return {0.64, {A(0.32, 0.25, 0.27, 0.25, 0, 360), A(0.32, 0.73, 0.32, 0.27, 0, 360)}};
        case '9':
            return {0.64, {A(0.32, 0.32, 0.32, 0.32, 0, 360), A(0.2, 0.38, 0.44, 0.62, -110, 2)}};
        case '-':
            return {0.4, {L({{0, 0.55}, {0.4, 0.55}})}};
        case '.':
            return {0.0, {L({{0, 1}, {0, 1}})}};
        case ' ':
            return {0.4, {}};
        default:
            return {-1, {}};
    }
}

}  // namespace

double TextWidth(std::string_view text, double capHeight, double weight, double spacing) {
    const double k = capHeight - weight;
    double width = 0;
    bool first = true;
    for (char c : text) {
        const Glyph glyph = GlyphFor(c);
        if (glyph.width < 0) continue;
        if (!first) width += spacing;
        width += glyph.width * k + weight;
        first = false;
    }
    return width;
}

void AddText(ShapeBuilder& builder, std::string_view text, double x, double y, double capHeight,
             double weight, double spacing) {
    const double k = capHeight - weight;
    double penX = x;
    bool first = true;
    for (char c : text) {
        const Glyph glyph = GlyphFor(c);
        if (glyph.width < 0) continue;
        if (!first) penX += spacing;
        first = false;
        const double ox = penX + weight / 2, oy = y + weight / 2;
        for (const Stroke& stroke : glyph.strokes) {
            if (stroke.isArc) {
                builder.arc(ox + stroke.cx * k, oy + stroke.cy * k, stroke.rx * k, stroke.ry * k,
                            stroke.a0, stroke.a1, weight);
                continue;
            }
            for (std::size_t i = 0; i + 1 < stroke.points.size(); ++i) {
                const Point a = stroke.points[i], b = stroke.points[i + 1];
                builder.segment(ox + a.x * k, oy + a.y * k, ox + b.x * k, oy + b.y * k, weight);
            }
        }
        penX += glyph.width * k + weight;
    }
}

}  // namespace IconDrawing
