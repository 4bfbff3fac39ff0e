#include "drawing.h"

#include <numbers>
#include <stdexcept>
#include <string>

namespace art {

namespace {

// Starts a bounds search: anything united with it replaces it.
constexpr Box kEmptyBox{1e30, 1e30, -1e30, -1e30};

Box Unite(Box a, Box b) {
  return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box BoundsOf(std::span<const Point> points, double margin) {
  Box box = kEmptyBox;
  for (const Point& p : points) {
    box = Unite(box, Box{p.x, p.y, p.x, p.y});
  }
  return {box.x0 - margin, box.y0 - margin, box.x1 + margin, box.y1 + margin};
}

double SegmentDistanceSquared(Point p, Point a, Point b) {
  const Point ab = b - a;
  const double len2 = Dot(ab, ab);
  const double t = len2 > 0 ? std::clamp(Dot(p - a, ab) / len2, 0.0, 1.0) : 0.0;
  const Point d = p - (a + ab * t);
  return Dot(d, d);
}

constexpr double kArcStepDegrees = 6.0;

}  // namespace

Color Mix(Color from, Color to, double t) {
  return Color{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t, from.b + (to.b - from.b) * t,
               from.a + (to.a - from.a) * t};
}

Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
Point operator*(Point p, double s) { return {p.x * s, p.y * s}; }
double Dot(Point p, Point q) { return p.x * q.x + p.y * q.y; }

Point Rotated(Point p, Point centre, double degrees) {
  const double rad = degrees * std::numbers::pi / 180.0;
  const Point d = p - centre;
  return {centre.x + d.x * std::cos(rad) - d.y * std::sin(rad), centre.y + d.x * std::sin(rad) + d.y * std::cos(rad)};
}

Shape Rect(double x0, double y0, double x1, double y1) {
  return {{x0, y0, x1, y1}, [=](Point p) { return p.x >= x0 && p.x < x1 && p.y >= y0 && p.y < y1; }};
}

Shape RoundRect(double x0, double y0, double x1, double y1, double radius) {
  return {{x0, y0, x1, y1}, [=](Point p) {
            if (p.x < x0 || p.x >= x1 || p.y < y0 || p.y >= y1) return false;
            const double cx = std::clamp(p.x, x0 + radius, x1 - radius);
            const double cy = std::clamp(p.y, y0 + radius, y1 - radius);
            const double dx = p.x - cx;
            const double dy = p.y - cy;
            return dx * dx + dy * dy <= radius * radius;
          }};
}

Shape Ellipse(Point c, double rx, double ry) {
  return {{c.x - rx, c.y - ry, c.x + rx, c.y + ry}, [=](Point p) {
            const double dx = (p.x - c.x) / rx;
            const double dy = (p.y - c.y) / ry;
            return dx * dx + dy * dy <= 1.0;
          }};
}

Shape Circle(Point c, double r) { return Ellipse(c, r, r); }

Shape Minus(Shape a, Shape b) {
  return {a.bounds, [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && !b(p); }};
}

Shape Intersect(Shape a, Shape b) {
  const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
  return {box, [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && b(p); }};
}

Shape Ring(Point c, double outer, double inner) { return Minus(Circle(c, outer), Circle(c, inner)); }

Shape Polygon(std::vector<std::vector<Point>> contours) {
  Box box = kEmptyBox;
  for (const auto& contour : contours) box = Unite(box, BoundsOf(contour, 0));
  return {box, [contours = std::move(contours)](Point p) {
            bool inside = false;
            for (const auto& c : contours) {
              for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
                if ((c[i].y > p.y) != (c[j].y > p.y) &&
                    p.x < (c[j].x - c[i].x) * (p.y - c[i].y) / (c[j].y - c[i].y) + c[i].x) {
                  inside = !inside;
                }
              }
            }
            return inside;
          }};
}

Shape Strokes(std::vector<std::vector<Point>> lines, double width) {
  Box box = kEmptyBox;
  for (const auto& line : lines) box = Unite(box, BoundsOf(line, width / 2));
  const double r2 = width * width / 4;
  return {box, [lines = std::move(lines), r2](Point p) {
            for (const auto& line : lines) {
              if (line.size() == 1 && SegmentDistanceSquared(p, line[0], line[0]) <= r2) return true;
              for (size_t i = 1; i < line.size(); ++i) {
                if (SegmentDistanceSquared(p, line[i - 1], line[i]) <= r2) return true;
              }
            }
            return false;
          }};
}

void AppendArc(std::vector<Point>& out, Point c, double rx, double ry, double fromDeg, double toDeg) {
  const int steps = std::max(1, int(std::ceil(std::abs(toDeg - fromDeg) / kArcStepDegrees)));
  for (int i = 0; i <= steps; ++i) {
    const double rad = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180.0;
    out.push_back({c.x + rx * std::cos(rad), c.y - ry * std::sin(rad)});
  }
}

std::vector<Point> Arc(Point c, double rx, double ry, double fromDeg, double toDeg) {
  std::vector<Point> out;
  AppendArc(out, c, rx, ry, fromDeg, toDeg);
  return out;
}

Paint Solid(Color c) {
  return [c](Point) { return c; };
}

Paint LinearGradient(Point from, Point to, std::vector<GradientStop> stops) {
  const Point axis = to - from;
  const double len2 = Dot(axis, axis);
  return [=](Point p) {
    const double t = std::clamp(Dot(p - from, axis) / len2, 0.0, 1.0);
    if (t <= stops.front().at) return stops.front().color;
    for (size_t i = 1; i < stops.size(); ++i) {
      if (t <= stops[i].at) {
        const double span = stops[i].at - stops[i - 1].at;
        return Mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1.0);
      }
    }
    return stops.back().color;
  };
}

Paint LinearGradient(Point from, Point to, Color c0, Color c1) {
  return LinearGradient(from, to, {{0.0, c0}, {1.0, c1}});
}

Paint RadialGradient(Point centre, double radius, Color inner, Color outer) {
  return [=](Point p) {
    const Point d = p - centre;
    return Mix(inner, outer, std::clamp(std::sqrt(Dot(d, d)) / radius, 0.0, 1.0));
  };
}

void DrawPixelMap(Canvas& canvas, std::span<const std::string_view> rows, std::span<const InkKey> keys) {
  for (size_t y = 0; y < rows.size(); ++y) {
    // A short or long row is a typing slip that would shift the art.
    if (rows[y].size() != rows.front().size()) throw std::runtime_error("pixel map rows differ in length");
    for (size_t x = 0; x < rows[y].size(); ++x) {
      const char symbol = rows[y][x];
      if (symbol == '.') continue;
      const auto key = std::find_if(keys.begin(), keys.end(), [symbol](const InkKey& k) { return k.symbol == symbol; });
      if (key == keys.end()) throw std::runtime_error(std::string("pixel map uses an unknown symbol: ") + symbol);
      canvas.SetPixel(int(x), int(y), key->color);
    }
  }
}

void Canvas::Fill(const Shape& shape, const Paint& paint) {
  const int px0 = std::max(0, int(std::floor(shape.bounds.x0 * scale_ + offset_.x)));
  const int py0 = std::max(0, int(std::floor(shape.bounds.y0 * scale_ + offset_.y)));
  const int px1 = std::min(width_, int(std::ceil(shape.bounds.x1 * scale_ + offset_.x)) + 1);
  const int py1 = std::min(height_, int(std::ceil(shape.bounds.y1 * scale_ + offset_.y)) + 1);
  const double total = double(samples_) * samples_;
  for (int py = py0; py < py1; ++py) {
    for (int px = px0; px < px1; ++px) {
      Color sum{};
      int hits = 0;
      for (int sy = 0; sy < samples_; ++sy) {
        for (int sx = 0; sx < samples_; ++sx) {
          const Point device{px + (sx + 0.5) / samples_, py + (sy + 0.5) / samples_};
          const Point design{(device.x - offset_.x) / scale_, (device.y - offset_.y) / scale_};
          if (!shape.contains(design)) continue;
          const Color c = paint(design);
          // Average premultiplied so a translucent paint does not darken edges.
          sum.r += c.r * c.a;
          sum.g += c.g * c.a;
          sum.b += c.b * c.a;
          sum.a += c.a;
          ++hits;
        }
      }
      if (hits == 0 || sum.a <= 0) continue;
      const Color src{sum.r / sum.a, sum.g / sum.a, sum.b / sum.a, sum.a / total};
      Blend(pixels_[size_t(py) * width_ + px], src);
    }
  }
}

Image Canvas::ToImage() const {
  Image out{width_, height_, {}};
  out.pixels.reserve(pixels_.size());
  for (const Color& c : pixels_) {
    const auto channel = [](double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
    out.pixels.push_back({channel(c.r), channel(c.g), channel(c.b), channel(c.a * 255)});
  }
  return out;
}

void Canvas::Blend(Color& dst, Color src) {
  const double outA = src.a + dst.a * (1 - src.a);
  if (outA <= 0) {
    dst = kTransparent;
    return;
  }
  const double keep = dst.a * (1 - src.a);
  dst = Color{(src.r * src.a + dst.r * keep) / outA, (src.g * src.a + dst.g * keep) / outA,
              (src.b * src.a + dst.b * keep) / outA, outA};
}

}  // namespace art
