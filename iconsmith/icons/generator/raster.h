// A small anti-aliased rasteriser for the generated icons and pictures: shapes are built from
// primitives combined in order (add, cut, intersect) and painted with supersampling.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace IconDrawing {

struct Point {
    double x;
    double y;
};

struct Color {
    double r;
    double g;
    double b;
    double a = 1.0;
};

Color Rgb(std::uint32_t rgb);                             // 0xRRGGBB, opaque
Color Mix(const Color& from, const Color& to, double t);  // t = 0 gives `from`

// One primitive in pixel coordinates.
struct Primitive {
    enum Kind { Circle, Ellipse, Capsule, EllipseArc, Polygon, RoundRect };
    Kind kind = Circle;
    double p[12] = {};          // numbers whose meaning depends on the kind; see ShapeBuilder
    std::vector<Point> points;  // polygon corners
    double minX = 0, minY = 0, maxX = 0, maxY = 0;

    bool contains(double x, double y) const;
};

// A region: primitives applied in order to an initially empty set.
class Shape {
  public:
    enum Mode { Add, Cut, Intersect };

    void apply(Mode mode, Primitive primitive);
    void append(const Shape& other);  // adds the other shape's operations after these
    bool contains(double x, double y) const;
    bool empty() const { return ops_.empty(); }
    void bounds(double& minX, double& minY, double& maxX, double& maxY) const;

  private:
    struct Op {
        Mode mode;
        Primitive primitive;
    };
    std::vector<Op> ops_;
};

// Builds shapes in design units: a design point (x, y) lands on origin + (x, y) * scale pixels.
class ShapeBuilder {
  public:
    ShapeBuilder(double originX, double originY, double scale)
        : ox_(originX), oy_(originY), scale_(scale) {}

    ShapeBuilder& mode(Shape::Mode mode) {
        mode_ = mode;
        return *this;
    }
    ShapeBuilder& circle(double cx, double cy, double r);
    ShapeBuilder& ellipse(double cx, double cy, double rx, double ry);
    ShapeBuilder& segment(double x1, double y1, double x2, double y2, double width);
    ShapeBuilder& polyline(std::initializer_list<Point> points, double width);
    // Stroke along an ellipse from angle a0 to a1 (degrees, counter-clockwise, 0 = right,
    // 90 = up) with round ends.
    ShapeBuilder& arc(double cx, double cy, double rx, double ry, double a0, double a1,
                      double width);
    ShapeBuilder& ring(double cx, double cy, double r, double width) {
        return arc(cx, cy, r, r, 0, 360, width);
    }
    ShapeBuilder& polygon(std::initializer_list<Point> points);
    ShapeBuilder& polygon(const std::vector<Point>& points);
    ShapeBuilder& rect(double x0, double y0, double x1, double y1, double radius = 0);

    Point toPixels(double x, double y) const { return {ox_ + x * scale_, oy_ + y * scale_}; }
    Shape& shape() { return shape_; }
    Shape take() { return std::move(shape_); }

  private:
    double ox_, oy_, scale_;
    Shape::Mode mode_ = Shape::Add;
    Shape shape_;
};

// Straight-alpha RGBA canvas.
class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }

    // Paints the shape with a vertical gradient from `top` (at pixel row topY) to `bottom`
    // (at bottomY); pass the same colour twice for a flat fill.
    void fill(const Shape& shape, const Color& top, const Color& bottom, double topY,
              double bottomY);
    void fill(const Shape& shape, const Color& color) { fill(shape, color, color, 0, 1); }
    void draw(const Canvas& layer, int x, int y);  // composites another canvas over this one

    Color pixel(int x, int y) const;
    // RGBA, 8 bits per channel, rows top-down; fully transparent pixels become 0,0,0,0.
    std::vector<std::uint8_t> rgba8() const;

  private:
    int width_, height_;
    std::vector<Color> pixels_;
    void blend(int x, int y, const Color& c, double coverage);
};

}  // namespace IconDrawing
