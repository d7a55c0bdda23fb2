#include "iconsmith/icons/generator/raster.h"

#include <algorithm>
#include <cmath>

namespace IconDrawing {

namespace {

constexpr double kPi = 3.14159265358979323846;
// Samples per pixel along each axis.
constexpr int kSupersampling = 5;

double Sq(double v) {
    return v * v;
}

bool InPolygon(const std::vector<Point>& pts, double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
        const Point& a = pts[i];
        const Point& b = pts[j];
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

bool InCapsule(double x, double y, double x1, double y1, double x2, double y2, double r) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double len2 = dx * dx + dy * dy;
    double t = len2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return Sq(x - (x1 + t * dx)) + Sq(y - (y1 + t * dy)) <= r * r;
}

bool InEllipse(double x, double y, double cx, double cy, double rx, double ry) {
    if (rx <= 0 || ry <= 0) return false;
    return Sq((x - cx) / rx) + Sq((y - cy) / ry) <= 1.0;
}

bool AngleInSweep(double angle, double a0, double a1) {
    if (a1 - a0 >= 360) return true;
    double from = std::fmod(a0, 360.0);
    if (from < 0) from += 360;
    double rel = angle - from;
    while (rel < 0) rel += 360;
    while (rel >= 360) rel -= 360;
    return rel <= a1 - a0;
}

}  // namespace

Color Rgb(std::uint32_t rgb) {
    return {((rgb >> 16) & 0xff) / 255.0, ((rgb >> 8) & 0xff) / 255.0, (rgb & 0xff) / 255.0, 1.0};
}

Color Mix(const Color& from, const Color& to, double t) {
    return {from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
            from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

bool Primitive::contains(double x, double y) const {
    if (x < minX || x > maxX || y < minY || y > maxY) return false;
    switch (kind) {
        case Circle:
            return Sq(x - p[0]) + Sq(y - p[1]) <= p[2] * p[2];
        case Ellipse:
            return InEllipse(x, y, p[0], p[1], p[2], p[3]);
        case Capsule:
            return InCapsule(x, y, p[0], p[1], p[2], p[3], p[4]);
        case EllipseArc: {
            // p: cx, cy, rx, ry, a0, a1, half width
            const double cx = p[0], cy = p[1], rx = p[2], ry = p[3], h = p[6];
            if (p[5] - p[4] < 360 &&
                (Sq(x - p[7]) + Sq(y - p[8]) <= h * h || Sq(x - p[9]) + Sq(y - p[10]) <= h * h)) {
                return true;
            }
            if (!InEllipse(x, y, cx, cy, rx + h, ry + h)) return false;
            if (InEllipse(x, y, cx, cy, rx - h, ry - h)) return false;
            double angle = std::atan2(-(y - cy) / ry, (x - cx) / rx) * 180 / kPi;
            if (angle < 0) angle += 360;
            return AngleInSweep(angle, p[4], p[5]);
        }
        case Polygon:
            return InPolygon(points, x, y);
        case RoundRect: {
            // p: x0, y0, x1, y1, radius
            const double r = std::min({p[4], (p[2] - p[0]) / 2, (p[3] - p[1]) / 2});
            const double qx = std::max({p[0] + r - x, x - (p[2] - r), 0.0});
            const double qy = std::max({p[1] + r - y, y - (p[3] - r), 0.0});
            return qx * qx + qy * qy <= r * r + 1e-12;
        }
    }
    return false;
}

void Shape::apply(Mode mode, Primitive primitive) {
    ops_.push_back({mode, std::move(primitive)});
}

void Shape::append(const Shape& other) {
    ops_.insert(ops_.end(), other.ops_.begin(), other.ops_.end());
}

bool Shape::contains(double x, double y) const {
    bool inside = false;
    for (const Op& op : ops_) {
        switch (op.mode) {
            case Add:
                if (!inside) inside = op.primitive.contains(x, y);
                break;
            case Cut:
                if (inside) inside = !op.primitive.contains(x, y);
                break;
            case Intersect:
                if (inside) inside = op.primitive.contains(x, y);
                break;
        }
    }
    return inside;
}

void Shape::bounds(double& minX, double& minY, double& maxX, double& maxY) const {
    minX = minY = 1e300;
    maxX = maxY = -1e300;
    for (const Op& op : ops_) {
        if (op.mode != Add) continue;
        minX = std::min(minX, op.primitive.minX);
        minY = std::min(minY, op.primitive.minY);
        maxX = std::max(maxX, op.primitive.maxX);
        maxY = std::max(maxY, op.primitive.maxY);
    }
}

namespace {

Primitive Make(Primitive::Kind kind, std::initializer_list<double> values, double minX, double minY,
               double maxX, double maxY) {
    Primitive prim;
    prim.kind = kind;
    std::copy(values.begin(), values.end(), prim.p);
    prim.minX = minX;
    prim.minY = minY;
    prim.maxX = maxX;
    prim.maxY = maxY;
    return prim;
}

}  // namespace

ShapeBuilder& ShapeBuilder::circle(double cx, double cy, double r) {
    const Point c = toPixels(cx, cy);
    const double pr = r * scale_;
    shape_.apply(mode_,
                 Make(Primitive::Circle, {c.x, c.y, pr}, c.x - pr, c.y - pr, c.x + pr, c.y + pr));
    return *this;
}

ShapeBuilder& ShapeBuilder::ellipse(double cx, double cy, double rx, double ry) {
    const Point c = toPixels(cx, cy);
    const double prx = rx * scale_, pry = ry * scale_;
    shape_.apply(mode_, Make(Primitive::Ellipse, {c.x, c.y, prx, pry}, c.x - prx, c.y - pry,
                             c.x + prx, c.y + pry));
    return *this;
}

ShapeBuilder& ShapeBuilder::segment(double x1, double y1, double x2, double y2, double width) {
    const Point a = toPixels(x1, y1), b = toPixels(x2, y2);
    const double h = width * scale_ / 2;
    shape_.apply(mode_,
                 Make(Primitive::Capsule, {a.x, a.y, b.x, b.y, h}, std::min(a.x, b.x) - h,
                      std::min(a.y, b.y) - h, std::max(a.x, b.x) + h, std::max(a.y, b.y) + h));
    return *this;
}

ShapeBuilder& ShapeBuilder::polyline(std::initializer_list<Point> points, double width) {
    const Point* prev = nullptr;
    for (const Point& p : points) {
        if (prev) segment(prev->x, prev->y, p.x, p.y, width);
        prev = &p;
    }
    return *this;
}

ShapeBuilder& ShapeBuilder::arc(double cx, double cy, double rx, double ry, double a0, double a1,
                                double width) {
    const Point c = toPixels(cx, cy);
    const double prx = rx * scale_, pry = ry * scale_, h = width * scale_ / 2;
    const double r0 = a0 * kPi / 180, r1 = a1 * kPi / 180;
    shape_.apply(
        mode_, Make(Primitive::EllipseArc,
                    {c.x, c.y, prx, pry, a0, a1, h, c.x + prx * std::cos(r0),
                     c.y - pry * std::sin(r0), c.x + prx * std::cos(r1), c.y - pry * std::sin(r1)},
                    c.x - prx - h, c.y - pry - h, c.x + prx + h, c.y + pry + h));
    return *this;
}

ShapeBuilder& ShapeBuilder::polygon(std::initializer_list<Point> points) {
    return polygon(std::vector<Point>(points));
}

ShapeBuilder& ShapeBuilder::polygon(const std::vector<Point>& points) {
    Primitive prim;
    prim.kind = Primitive::Polygon;
    prim.minX = prim.minY = 1e300;
    prim.maxX = prim.maxY = -1e300;
    for (const Point& p : points) {
        const Point q = toPixels(p.x, p.y);
        prim.points.push_back(q);
        prim.minX = std::min(prim.minX, q.x);
        prim.minY = std::min(prim.minY, q.y);
        prim.maxX = std::max(prim.maxX, q.x);
        prim.maxY = std::max(prim.maxY, q.y);
    }
    shape_.apply(mode_, std::move(prim));
    return *this;
}

ShapeBuilder& ShapeBuilder::rect(double x0, double y0, double x1, double y1, double radius) {
    const Point a = toPixels(x0, y0), b = toPixels(x1, y1);
    shape_.apply(mode_, Make(Primitive::RoundRect, {a.x, a.y, b.x, b.y, radius * scale_}, a.x, a.y,
                             b.x, b.y));
    return *this;
}

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(std::size_t(width) * height, Color{0, 0, 0, 0}) {}

void Canvas::blend(int x, int y, const Color& c, double coverage) {
    Color& d = pixels_[std::size_t(y) * width_ + x];
    const double sa = c.a * coverage;
    if (sa <= 0) return;
    const double outA = sa + d.a * (1 - sa);
    d.r = (c.r * sa + d.r * d.a * (1 - sa)) / outA;
    d.g = (c.g * sa + d.g * d.a * (1 - sa)) / outA;
    d.b = (c.b * sa + d.b * d.a * (1 - sa)) / outA;
    d.a = outA;
}

void Canvas::fill(const Shape& shape, const Color& top, const Color& bottom, double topY,
                  double bottomY) {
    if (shape.empty()) return;
    double minX, minY, maxX, maxY;
    shape.bounds(minX, minY, maxX, maxY);
    const int x0 = std::max(0, int(std::floor(minX))), y0 = std::max(0, int(std::floor(minY)));
    const int x1 = std::min(width_ - 1, int(std::ceil(maxX)));
    const int y1 = std::min(height_ - 1, int(std::ceil(maxY)));
    constexpr int n = kSupersampling;
    for (int y = y0; y <= y1; ++y) {
        const double t =
            bottomY > topY ? std::clamp((y + 0.5 - topY) / (bottomY - topY), 0.0, 1.0) : 0.0;
        const Color color = Mix(top, bottom, t);
        for (int x = x0; x <= x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < n; ++sy) {
                for (int sx = 0; sx < n; ++sx) {
                    if (shape.contains(x + (sx + 0.5) / n, y + (sy + 0.5) / n)) ++hits;
                }
            }
            if (hits) blend(x, y, color, double(hits) / (n * n));
        }
    }
}

void Canvas::draw(const Canvas& layer, int x, int y) {
    for (int ly = 0; ly < layer.height_; ++ly) {
        for (int lx = 0; lx < layer.width_; ++lx) {
            const int tx = x + lx, ty = y + ly;
            if (tx < 0 || ty < 0 || tx >= width_ || ty >= height_) continue;
            blend(tx, ty, layer.pixel(lx, ly), 1.0);
        }
    }
}

Color Canvas::pixel(int x, int y) const {
    return pixels_[std::size_t(y) * width_ + x];
}

std::vector<std::uint8_t> Canvas::rgba8() const {
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 4);
    auto byte = [](double v) { return std::uint8_t(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
    for (const Color& c : pixels_) {
        const std::uint8_t a = byte(c.a);
        if (a == 0) {
            out.insert(out.end(), {0, 0, 0, 0});
        } else {
            out.insert(out.end(), {byte(c.r), byte(c.g), byte(c.b), a});
        }
    }
    return out;
}

}  // namespace IconDrawing
