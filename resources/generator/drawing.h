// The drawing kit every picture of the generator is made with: colours,
// shapes given as an inside test, paints, and a supersampling canvas.
// Testing points keeps every primitive tiny; supersampling in the canvas
// turns the hard inside/outside answer into anti-aliased edges.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace art {

// Straight (not premultiplied) colour: channels 0..255, alpha 0..1.
struct Color {
  double r = 0;
  double g = 0;
  double b = 0;
  double a = 0;
};

constexpr Color Rgb(int r, int g, int b, double a = 1.0) { return Color{double(r), double(g), double(b), a}; }

Color Mix(Color from, Color to, double t);

constexpr Color kTransparent{};

struct Point {
  double x = 0;
  double y = 0;
};

Point operator+(Point p, Point q);
Point operator-(Point p, Point q);
Point operator*(Point p, double s);
double Dot(Point p, Point q);
Point Rotated(Point p, Point centre, double degrees);

struct Box {
  double x0 = 0;
  double y0 = 0;
  double x1 = 0;
  double y1 = 0;
};

struct Shape {
  Box bounds;
  std::function<bool(Point)> contains;
};

Shape Rect(double x0, double y0, double x1, double y1);
Shape RoundRect(double x0, double y0, double x1, double y1, double radius);
Shape Ellipse(Point c, double rx, double ry);
Shape Circle(Point c, double r);
Shape Minus(Shape a, Shape b);
Shape Intersect(Shape a, Shape b);
Shape Ring(Point c, double outer, double inner);

// A filled outline of closed contours (even-odd rule, so a contour inside
// another cuts a hole).
Shape Polygon(std::vector<std::vector<Point>> contours);

// Round-capped, round-jointed pen strokes along polylines; a one-point
// polyline makes a dot. Used for lettering and anything drawn "with a pen".
Shape Strokes(std::vector<std::vector<Point>> lines, double width);

// Points along an elliptical arc. Angles in degrees, counter-clockwise as
// seen on screen (y grows downwards), 0 = pointing right.
void AppendArc(std::vector<Point>& out, Point c, double rx, double ry, double fromDeg, double toDeg);
std::vector<Point> Arc(Point c, double rx, double ry, double fromDeg, double toDeg);

// Builds contours from straight and cubic Bezier pieces.
class PathBuilder {
 public:
  PathBuilder& MoveTo(Point p) {
    contours_.push_back({p});
    return *this;
  }
  PathBuilder& LineTo(Point p) {
    contours_.back().push_back(p);
    return *this;
  }
  PathBuilder& CubicTo(Point c1, Point c2, Point end) {
    const Point start = contours_.back().back();
    for (int i = 1; i <= kCurveSteps; ++i) {
      const double t = double(i) / kCurveSteps;
      const double u = 1 - t;
      contours_.back().push_back(start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) + end * (t * t * t));
    }
    return *this;
  }
  std::vector<std::vector<Point>> Contours() const { return contours_; }

 private:
  static constexpr int kCurveSteps = 20;
  std::vector<std::vector<Point>> contours_;
};

using Paint = std::function<Color(Point)>;

Paint Solid(Color c);

struct GradientStop {
  double at;
  Color color;
};

// Linear gradient from `from` (position 0) to `to` (position 1).
Paint LinearGradient(Point from, Point to, std::vector<GradientStop> stops);
Paint LinearGradient(Point from, Point to, Color c0, Color c1);
Paint RadialGradient(Point centre, double radius, Color inner, Color outer);

struct Pixel {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 0;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // top-down rows

  Pixel At(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// An RGBA canvas. Art is drawn in design coordinates; the view maps them to
// pixels, so one drawing routine serves every icon size.
class Canvas {
 public:
  // samplesPerAxis 1 gives hard pixel edges (for 16-colour icons, where
  // blended edge colours would only turn into stray palette colours).
  Canvas(int width, int height, int samplesPerAxis)
      : width_(width), height_(height), samples_(samplesPerAxis), pixels_(size_t(width) * height) {}

  void SetView(double scale, Point offset = {}) {
    scale_ = scale;
    offset_ = offset;
  }

  void Fill(const Shape& shape, const Paint& paint);

  void Fill(const Shape& shape, Color c) { Fill(shape, Solid(c)); }

  void SetPixel(int x, int y, Color c) {
    if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[size_t(y) * width_ + x] = c;
  }

  Image ToImage() const;

 private:
  static void Blend(Color& dst, Color src);

  int width_;
  int height_;
  int samples_;
  double scale_ = 1.0;
  Point offset_{};
  std::vector<Color> pixels_;
};

constexpr int kSmoothSamples = 4;  // 4x4 samples per pixel: smooth edges
constexpr int kHardSamples = 1;    // one sample: crisp edges for 16 colours

// The side of the hand-placed pictures: small icons and button glyphs.
constexpr int kSmallIcon = 16;

// Hand-placed art, one character per pixel.
struct InkKey {
  char symbol;
  Color color;
};

// Paints a pixel map onto the canvas; '.' leaves the pixel alone so maps
// can be layered.
void DrawPixelMap(Canvas& canvas, std::span<const std::string_view> rows, std::span<const InkKey> keys);

}  // namespace art
