#include "iconsmith/icons/generator/symbols.h"

#include <cmath>
#include <vector>

namespace IconDrawing {

namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<Point> StarPoints(double cx, double cy, double outer, double inner, int tips) {
    std::vector<Point> points;
    for (int i = 0; i < tips * 2; ++i) {
        const double a = -kPi / 2 + i * kPi / tips;
        const double r = i % 2 ? inner : outer;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return points;
}

// A rectangle of the given length and thickness along the direction `angle` from (cx, cy).
std::vector<Point> Spoke(double cx, double cy, double angle, double from, double to, double half) {
    const double dx = std::cos(angle), dy = std::sin(angle);
    const double nx = -dy * half, ny = dx * half;
    return {{cx + dx * from + nx, cy + dy * from + ny},
            {cx + dx * to + nx, cy + dy * to + ny},
            {cx + dx * to - nx, cy + dy * to - ny},
            {cx + dx * from - nx, cy + dy * from - ny}};
}

}  // namespace

void AddSymbol(ShapeBuilder& b, int symbol, double w) {
    using M = Shape::Mode;
    b.mode(M::Add);
    switch (symbol) {
        case 0:  // house
            b.polygon({{0.5, 0.06}, {0.97, 0.5}, {0.03, 0.5}});
            b.rect(0.16, 0.42, 0.84, 0.93);
            b.mode(M::Cut).rect(0.41, 0.62, 0.59, 0.93);
            break;
        case 1:  // star
            b.polygon(StarPoints(0.5, 0.54, 0.5, 0.21, 5));
            break;
        case 2:  // heart
            b.circle(0.285, 0.34, 0.235).circle(0.715, 0.34, 0.235);
            b.polygon({{0.066, 0.43}, {0.934, 0.43}, {0.5, 0.93}});
            break;
        case 3:  // globe: a disc with meridian and equator cut out, which stays clear at 16 px
            b.circle(0.5, 0.5, 0.47);
            b.mode(M::Cut).arc(0.5, 0.5, 0.2, 0.47, 0, 360, w * 0.55);
            b.segment(0.0, 0.5, 1.0, 0.5, w * 0.55);
            b.segment(0.5, 0.0, 0.5, 1.0, w * 0.55);
            break;
        case 4:  // gear
            b.circle(0.5, 0.5, 0.33);
            for (int i = 0; i < 8; ++i) b.polygon(Spoke(0.5, 0.5, i * kPi / 4, 0.2, 0.48, 0.09));
            b.mode(M::Cut).circle(0.5, 0.5, 0.13);
            break;
        case 5:  // envelope
            b.rect(0.04, 0.2, 0.96, 0.8, 0.06);
            b.mode(M::Cut).polyline({{0.04, 0.22}, {0.5, 0.56}, {0.96, 0.22}}, w * 0.7);
            break;
        case 6:  // arrow
            b.polygon({{0.06, 0.37},
                       {0.5, 0.37},
                       {0.5, 0.13},
                       {0.94, 0.5},
                       {0.5, 0.87},
                       {0.5, 0.63},
                       {0.06, 0.63}});
            break;
        case 7:  // check mark
            b.polyline({{0.12, 0.52}, {0.4, 0.8}, {0.88, 0.22}}, w * 1.5);
            break;
        case 8:  // music notes
            b.ellipse(0.24, 0.8, 0.16, 0.12).ellipse(0.72, 0.72, 0.16, 0.12);
            b.segment(0.36, 0.8, 0.36, 0.22, w * 0.8).segment(0.84, 0.72, 0.84, 0.14, w * 0.8);
            b.polygon({{0.36 - w * 0.4, 0.14},
                       {0.84 + w * 0.4, 0.04},
                       {0.84 + w * 0.4, 0.22},
                       {0.36 - w * 0.4, 0.32}});
            break;
        case 9:  // leaf
            b.circle(0.31, 0.31, 0.6);
            b.mode(M::Intersect).circle(0.69, 0.69, 0.6);
            b.mode(M::Cut).segment(0.22, 0.78, 0.68, 0.32, w * 0.45);
            b.mode(M::Add).segment(0.04, 0.96, 0.26, 0.74, w);
            break;
        case 10:  // camera
            b.rect(0.04, 0.3, 0.96, 0.86, 0.1);
            b.rect(0.32, 0.16, 0.64, 0.34, 0.04);
            b.mode(M::Cut).circle(0.5, 0.58, 0.21);
            b.mode(M::Add).circle(0.5, 0.58, 0.11);
            break;
        case 11:  // open book
            b.polygon({{0.03, 0.18}, {0.46, 0.27}, {0.46, 0.9}, {0.03, 0.8}});
            b.polygon({{0.97, 0.18}, {0.54, 0.27}, {0.54, 0.9}, {0.97, 0.8}});
            break;
        case 12:  // sun
            b.circle(0.5, 0.5, 0.21);
            for (int i = 0; i < 8; ++i) {
                const double a = i * kPi / 4;
                b.segment(0.5 + 0.32 * std::cos(a), 0.5 + 0.32 * std::sin(a),
                          0.5 + 0.44 * std::cos(a), 0.5 + 0.44 * std::sin(a), w * 0.9);
            }
            break;
        case 13:  // crescent moon
            b.circle(0.46, 0.52, 0.42);
            b.mode(M::Cut).circle(0.66, 0.38, 0.34);
            break;
        case 14:  // cloud
            b.circle(0.32, 0.56, 0.2).circle(0.56, 0.44, 0.26).circle(0.77, 0.6, 0.18);
            b.rect(0.12, 0.56, 0.95, 0.78, 0.11);
            break;
        case 15:  // lightning bolt
            b.polygon({{0.6, 0.03},
                       {0.18, 0.56},
                       {0.46, 0.56},
                       {0.36, 0.97},
                       {0.82, 0.42},
                       {0.54, 0.42},
                       {0.68, 0.03}});
            break;
        case 16:  // drop
            b.circle(0.5, 0.64, 0.29);
            b.polygon({{0.5, 0.04}, {0.235, 0.53}, {0.765, 0.53}});
            break;
        case 17:  // flower
            for (int i = 0; i < 5; ++i) {
                const double a = -kPi / 2 + i * 2 * kPi / 5;
                b.circle(0.5 + 0.26 * std::cos(a), 0.52 + 0.26 * std::sin(a), 0.18);
            }
            b.mode(M::Cut).circle(0.5, 0.52, 0.11);
            b.mode(M::Add).circle(0.5, 0.52, 0.06);
            break;
        case 18:  // fir tree
            b.polygon({{0.5, 0.03},
                       {0.8, 0.42},
                       {0.66, 0.42},
                       {0.9, 0.75},
                       {0.1, 0.75},
                       {0.34, 0.42},
                       {0.2, 0.42}});
            b.rect(0.41, 0.7, 0.59, 0.97);
            break;
        case 19:  // key
            b.ring(0.27, 0.5, 0.2 - w / 2, w * 1.1);
            b.rect(0.42, 0.44, 0.96, 0.56);
            b.rect(0.7, 0.5, 0.8, 0.74).rect(0.86, 0.5, 0.96, 0.7);
            break;
        case 20:  // padlock
            b.arc(0.5, 0.4, 0.2, 0.22, 0, 180, w);
            b.segment(0.3, 0.4, 0.3, 0.5, w).segment(0.7, 0.4, 0.7, 0.5, w);
            b.rect(0.16, 0.46, 0.84, 0.95, 0.07);
            b.mode(M::Cut).circle(0.5, 0.64, 0.075).rect(0.465, 0.64, 0.535, 0.8);
            break;
        case 21:  // magnifier
            b.ring(0.4, 0.4, 0.3 - w / 2, w * 1.1);
            b.segment(0.63, 0.63, 0.9, 0.9, w * 1.6);
            break;
        case 22:  // person
            b.circle(0.5, 0.26, 0.2);
            b.ellipse(0.5, 0.96, 0.4, 0.42);
            b.mode(M::Cut).rect(0.0, 0.94, 1.0, 1.0);
            break;
        case 23:  // speech bubble
            b.rect(0.05, 0.12, 0.95, 0.7, 0.16);
            b.polygon({{0.22, 0.62}, {0.46, 0.62}, {0.16, 0.92}});
            break;
        case 24:  // mobile phone
            b.rect(0.2, 0.02, 0.8, 0.98, 0.11);
            b.mode(M::Cut).rect(0.32, 0.14, 0.68, 0.74).circle(0.5, 0.86, 0.055);
            break;
        case 25:  // shopping cart
            b.polyline({{0.03, 0.18}, {0.18, 0.18}, {0.3, 0.66}, {0.84, 0.66}}, w * 0.8);
            b.polygon({{0.2, 0.28}, {0.96, 0.28}, {0.86, 0.58}, {0.28, 0.58}});
            b.circle(0.35, 0.83, 0.09).circle(0.77, 0.83, 0.09);
            break;
        case 26:  // bell
            b.ellipse(0.5, 0.42, 0.28, 0.3);
            b.polygon({{0.22, 0.42}, {0.78, 0.42}, {0.9, 0.76}, {0.1, 0.76}});
            b.circle(0.5, 0.84, 0.1).circle(0.5, 0.1, 0.07);
            break;
        case 27:  // flag
            b.segment(0.16, 0.06, 0.16, 0.96, w);
            b.polygon({{0.16, 0.08}, {0.9, 0.08}, {0.74, 0.31}, {0.9, 0.54}, {0.16, 0.54}});
            break;
        case 28: {  // pencil
            const double a = 3 * kPi / 4;
            b.polygon(Spoke(0.84, 0.16, a, 0.0, 0.72, 0.13));
            const double dx = std::cos(a), dy = std::sin(a), nx = -dy * 0.13, ny = dx * 0.13;
            const Point base{0.84 + dx * 0.76, 0.16 + dy * 0.76};
            b.polygon({{base.x + nx, base.y + ny},
                       {0.84 + dx * 0.98, 0.16 + dy * 0.98},
                       {base.x - nx, base.y - ny}});
            break;
        }
        case 29:  // coffee cup
            b.polygon({{0.12, 0.3}, {0.72, 0.3}, {0.66, 0.84}, {0.18, 0.84}});
            b.ring(0.73, 0.5, 0.12, w * 0.8);
            b.rect(0.04, 0.88, 0.82, 0.96, 0.04);
            b.segment(0.3, 0.04, 0.3, 0.18, w * 0.6).segment(0.5, 0.04, 0.5, 0.18, w * 0.6);
            break;
        case 30:  // paw
            b.ellipse(0.5, 0.7, 0.22, 0.19);
            b.ellipse(0.18, 0.45, 0.1, 0.12).ellipse(0.38, 0.24, 0.1, 0.13);
            b.ellipse(0.62, 0.24, 0.1, 0.13).ellipse(0.82, 0.45, 0.1, 0.12);
            break;
        case 31:  // gem
            b.polygon({{0.2, 0.14}, {0.8, 0.14}, {0.97, 0.38}, {0.5, 0.92}, {0.03, 0.38}});
            b.mode(M::Cut).segment(0.0, 0.38, 1.0, 0.38, w * 0.45);
            break;
        case 32:  // crown
            b.polygon({{0.06, 0.76},
                       {0.06, 0.24},
                       {0.3, 0.5},
                       {0.5, 0.14},
                       {0.7, 0.5},
                       {0.94, 0.24},
                       {0.94, 0.76}});
            b.rect(0.06, 0.82, 0.94, 0.94);
            break;
        case 33:  // medical cross
            b.rect(0.36, 0.08, 0.64, 0.92, 0.04).rect(0.08, 0.36, 0.92, 0.64, 0.04);
            break;
        case 34:  // information
            b.circle(0.5, 0.17, 0.1);
            b.rect(0.38, 0.36, 0.62, 0.9, 0.03);
            b.rect(0.3, 0.36, 0.62, 0.46).rect(0.3, 0.82, 0.7, 0.92);
            break;
        case 35:  // play
            b.polygon({{0.22, 0.08}, {0.9, 0.5}, {0.22, 0.92}});
            break;
        case 36:  // calendar
            b.rect(0.06, 0.14, 0.94, 0.94, 0.08);
            b.segment(0.3, 0.06, 0.3, 0.2, w).segment(0.7, 0.06, 0.7, 0.2, w);
            b.mode(M::Cut).rect(0.15, 0.38, 0.85, 0.85);
            b.mode(M::Add).rect(0.22, 0.46, 0.45, 0.62).rect(0.55, 0.46, 0.78, 0.62);
            b.rect(0.22, 0.68, 0.45, 0.78);
            break;
        default:
            break;
    }
}

}  // namespace IconDrawing
