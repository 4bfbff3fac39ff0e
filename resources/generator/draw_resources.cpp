// draw_resources.cpp - draws every picture Kestrel 99 ships: the tray and
// program icons, the splash picture and the button glyphs.
//
// The pictures in resources/ are committed, so a normal build never runs
// this. After changing the art, redraw them with
//     scripts/make-resources.sh
// which builds this file with the host compiler and writes into resources/.
// By hand:
//     g++ -std=c++20 -O2 draw_resources.cpp -o draw_resources
//     ./draw_resources OUTPUT_DIR
//
// Deliberately self-contained: standard C++ only, no Windows headers and no
// image libraries, so the art can be redrawn on any machine with a compiler.
// Vector art is rendered with supersampling for smooth edges; the 16x16
// pictures are hand-placed pixel maps, because at that size every pixel
// has to be chosen by eye to stay readable.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <limits>
#include <numbers>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

// ===========================================================================
// Colours and geometry
// ===========================================================================

// Straight (not premultiplied) colour: channels 0..255, alpha 0..1.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

constexpr Color rgb(int r, int g, int b, double a = 1.0) {
    return Color{double(r), double(g), double(b), a};
}

Color mix(Color from, Color to, double t) {
    return Color{from.r + (to.r - from.r) * t, from.g + (to.g - from.g) * t,
                 from.b + (to.b - from.b) * t, from.a + (to.a - from.a) * t};
}

constexpr Color kTransparent{};

struct Point {
    double x = 0;
    double y = 0;
};

Point operator+(Point p, Point q) { return {p.x + q.x, p.y + q.y}; }
Point operator-(Point p, Point q) { return {p.x - q.x, p.y - q.y}; }
Point operator*(Point p, double s) { return {p.x * s, p.y * s}; }
double dot(Point p, Point q) { return p.x * q.x + p.y * q.y; }

Point rotated(Point p, Point centre, double degrees) {
    const double rad = degrees * std::numbers::pi / 180.0;
    const Point d = p - centre;
    return {centre.x + d.x * std::cos(rad) - d.y * std::sin(rad),
            centre.y + d.x * std::sin(rad) + d.y * std::cos(rad)};
}

struct Box {
    double x0 = 0;
    double y0 = 0;
    double x1 = 0;
    double y1 = 0;
};

// Starts a bounds search: anything united with it replaces it.
constexpr Box kEmptyBox{1e30, 1e30, -1e30, -1e30};

Box unite(Box a, Box b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

Box boundsOf(std::span<const Point> points, double margin) {
    Box box = kEmptyBox;
    for (const Point& p : points) {
        box = unite(box, Box{p.x, p.y, p.x, p.y});
    }
    return {box.x0 - margin, box.y0 - margin, box.x1 + margin, box.y1 + margin};
}

// ===========================================================================
// Shapes: a bounding box plus an inside test, in design coordinates.
// Testing points keeps every primitive tiny; supersampling in the canvas
// turns the hard inside/outside answer into anti-aliased edges.
// ===========================================================================

struct Shape {
    Box bounds;
    std::function<bool(Point)> contains;
};

Shape rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0, x1, y1}, [=](Point p) { return p.x >= x0 && p.x < x1 && p.y >= y0 && p.y < y1; }};
}

Shape roundRect(double x0, double y0, double x1, double y1, double radius) {
    return {{x0, y0, x1, y1}, [=](Point p) {
                if (p.x < x0 || p.x >= x1 || p.y < y0 || p.y >= y1) return false;
                const double cx = std::clamp(p.x, x0 + radius, x1 - radius);
                const double cy = std::clamp(p.y, y0 + radius, y1 - radius);
                const double dx = p.x - cx;
                const double dy = p.y - cy;
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape ellipse(Point c, double rx, double ry) {
    return {{c.x - rx, c.y - ry, c.x + rx, c.y + ry}, [=](Point p) {
                const double dx = (p.x - c.x) / rx;
                const double dy = (p.y - c.y) / ry;
                return dx * dx + dy * dy <= 1.0;
            }};
}

Shape circle(Point c, double r) { return ellipse(c, r, r); }

Shape minus(Shape a, Shape b) {
    return {a.bounds, [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && !b(p); }};
}

Shape intersect(Shape a, Shape b) {
    const Box box{std::max(a.bounds.x0, b.bounds.x0), std::max(a.bounds.y0, b.bounds.y0),
                  std::min(a.bounds.x1, b.bounds.x1), std::min(a.bounds.y1, b.bounds.y1)};
    return {box, [a = std::move(a.contains), b = std::move(b.contains)](Point p) { return a(p) && b(p); }};
}

Shape ring(Point c, double outer, double inner) { return minus(circle(c, outer), circle(c, inner)); }

// A filled outline of closed contours (even-odd rule, so a contour inside
// another cuts a hole).
Shape polygon(std::vector<std::vector<Point>> contours) {
    Box box = kEmptyBox;
    for (const auto& contour : contours) box = unite(box, boundsOf(contour, 0));
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

double segmentDistanceSquared(Point p, Point a, Point b) {
    const Point ab = b - a;
    const double len2 = dot(ab, ab);
    const double t = len2 > 0 ? std::clamp(dot(p - a, ab) / len2, 0.0, 1.0) : 0.0;
    const Point d = p - (a + ab * t);
    return dot(d, d);
}

// Round-capped, round-jointed pen strokes along polylines; a one-point
// polyline makes a dot. Used for lettering and anything drawn "with a pen".
Shape strokes(std::vector<std::vector<Point>> lines, double width) {
    Box box = kEmptyBox;
    for (const auto& line : lines) box = unite(box, boundsOf(line, width / 2));
    const double r2 = width * width / 4;
    return {box, [lines = std::move(lines), r2](Point p) {
                for (const auto& line : lines) {
                    if (line.size() == 1 && segmentDistanceSquared(p, line[0], line[0]) <= r2) return true;
                    for (size_t i = 1; i < line.size(); ++i) {
                        if (segmentDistanceSquared(p, line[i - 1], line[i]) <= r2) return true;
                    }
                }
                return false;
            }};
}

// Points along an elliptical arc. Angles in degrees, counter-clockwise as
// seen on screen (y grows downwards), 0 = pointing right.
constexpr double kArcStepDegrees = 6.0;

void appendArc(std::vector<Point>& out, Point c, double rx, double ry, double fromDeg, double toDeg) {
    const int steps = std::max(1, int(std::ceil(std::abs(toDeg - fromDeg) / kArcStepDegrees)));
    for (int i = 0; i <= steps; ++i) {
        const double rad = (fromDeg + (toDeg - fromDeg) * i / steps) * std::numbers::pi / 180.0;
        out.push_back({c.x + rx * std::cos(rad), c.y - ry * std::sin(rad)});
    }
}

std::vector<Point> arc(Point c, double rx, double ry, double fromDeg, double toDeg) {
    std::vector<Point> out;
    appendArc(out, c, rx, ry, fromDeg, toDeg);
    return out;
}

// Builds contours from straight and cubic Bezier pieces.
class PathBuilder {
public:
    PathBuilder& moveTo(Point p) {
        contours_.push_back({p});
        return *this;
    }
    PathBuilder& lineTo(Point p) {
        contours_.back().push_back(p);
        return *this;
    }
    PathBuilder& cubicTo(Point c1, Point c2, Point end) {
        const Point start = contours_.back().back();
        for (int i = 1; i <= kCurveSteps; ++i) {
            const double t = double(i) / kCurveSteps;
            const double u = 1 - t;
            contours_.back().push_back(start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                                       end * (t * t * t));
        }
        return *this;
    }
    std::vector<std::vector<Point>> contours() const { return contours_; }

private:
    static constexpr int kCurveSteps = 20;
    std::vector<std::vector<Point>> contours_;
};

// ===========================================================================
// Paints
// ===========================================================================

using Paint = std::function<Color(Point)>;

Paint solid(Color c) {
    return [c](Point) { return c; };
}

struct GradientStop {
    double at;
    Color color;
};

// Linear gradient from `from` (position 0) to `to` (position 1).
Paint linearGradient(Point from, Point to, std::vector<GradientStop> stops) {
    const Point axis = to - from;
    const double len2 = dot(axis, axis);
    return [=](Point p) {
        const double t = std::clamp(dot(p - from, axis) / len2, 0.0, 1.0);
        if (t <= stops.front().at) return stops.front().color;
        for (size_t i = 1; i < stops.size(); ++i) {
            if (t <= stops[i].at) {
                const double span = stops[i].at - stops[i - 1].at;
                return mix(stops[i - 1].color, stops[i].color, span > 0 ? (t - stops[i - 1].at) / span : 1.0);
            }
        }
        return stops.back().color;
    };
}

Paint linearGradient(Point from, Point to, Color c0, Color c1) {
    return linearGradient(from, to, {{0.0, c0}, {1.0, c1}});
}

// ===========================================================================
// Canvas
// ===========================================================================

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

    Pixel at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// An RGBA canvas. Art is drawn in design coordinates; the view maps them to
// pixels, so one drawing routine serves every icon size.
class Canvas {
public:
    // samplesPerAxis 1 gives hard pixel edges (for 16-colour icons, where
    // blended edge colours would only turn into stray palette colours).
    Canvas(int width, int height, int samplesPerAxis)
        : width_(width), height_(height), samples_(samplesPerAxis), pixels_(size_t(width) * height) {}

    void setView(double scale, Point offset = {}) {
        scale_ = scale;
        offset_ = offset;
    }

    void fill(const Shape& shape, const Paint& paint) {
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
                blend(pixels_[size_t(py) * width_ + px], src);
            }
        }
    }

    void fill(const Shape& shape, Color c) { fill(shape, solid(c)); }

    void setPixel(int x, int y, Color c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[size_t(y) * width_ + x] = c;
    }

    Image image() const {
        Image out{width_, height_, {}};
        out.pixels.reserve(pixels_.size());
        for (const Color& c : pixels_) {
            const auto channel = [](double v) { return uint8_t(std::clamp(std::lround(v), 0L, 255L)); };
            out.pixels.push_back({channel(c.r), channel(c.g), channel(c.b), channel(c.a * 255)});
        }
        return out;
    }

private:
    static void blend(Color& dst, Color src) {
        const double outA = src.a + dst.a * (1 - src.a);
        if (outA <= 0) {
            dst = kTransparent;
            return;
        }
        const double keep = dst.a * (1 - src.a);
        dst = Color{(src.r * src.a + dst.r * keep) / outA, (src.g * src.a + dst.g * keep) / outA,
                    (src.b * src.a + dst.b * keep) / outA, outA};
    }

    int width_;
    int height_;
    int samples_;
    double scale_ = 1.0;
    Point offset_{};
    std::vector<Color> pixels_;
};

// ===========================================================================
// Pixel maps: hand-placed art, one character per pixel.
// ===========================================================================

struct InkKey {
    char symbol;
    Color color;
};

// Paints a pixel map onto the canvas; '.' leaves the pixel alone so maps
// can be layered.
void drawPixelMap(Canvas& canvas, std::span<const std::string_view> rows, std::span<const InkKey> keys) {
    for (size_t y = 0; y < rows.size(); ++y) {
        // A short or long row is a typing slip that would shift the art.
        if (rows[y].size() != rows.front().size()) throw std::runtime_error("pixel map rows differ in length");
        for (size_t x = 0; x < rows[y].size(); ++x) {
            const char symbol = rows[y][x];
            if (symbol == '.') continue;
            const auto key = std::find_if(keys.begin(), keys.end(), [symbol](const InkKey& k) { return k.symbol == symbol; });
            if (key == keys.end()) throw std::runtime_error(std::string("pixel map uses an unknown symbol: ") + symbol);
            canvas.setPixel(int(x), int(y), key->color);
        }
    }
}

// ===========================================================================
// Palettes and quantisation for the 16- and 256-colour icon images
// ===========================================================================

using Palette = std::vector<Pixel>;

constexpr int kAlphaOpaqueThreshold = 128;  // below this a pixel is see-through in a mask

// The sixteen colours every display adapter since VGA can show; the shell
// uses this palette for 16-colour icons.
Palette vgaPalette() {
    return {{0, 0, 0, 255},       {128, 0, 0, 255},   {0, 128, 0, 255},   {128, 128, 0, 255},
            {0, 0, 128, 255},     {128, 0, 128, 255}, {0, 128, 128, 255}, {192, 192, 192, 255},
            {128, 128, 128, 255}, {255, 0, 0, 255},   {0, 255, 0, 255},   {255, 255, 0, 255},
            {0, 0, 255, 255},     {255, 0, 255, 255}, {0, 255, 255, 255}, {255, 255, 255, 255}};
}

// Perceptual-ish distance ("red mean"): weights the channels the way the
// eye does, so browns do not collapse into greys.
double colorDistance(Pixel p, Pixel q) {
    const double rMean = (p.r + q.r) / 2.0;
    const double dr = p.r - q.r;
    const double dg = p.g - q.g;
    const double db = p.b - q.b;
    return (2 + rMean / 256) * dr * dr + 4 * dg * dg + (2 + (255 - rMean) / 256) * db * db;
}

uint8_t nearestIndex(const Palette& palette, Pixel p) {
    size_t best = 0;
    double bestDistance = std::numeric_limits<double>::max();
    for (size_t i = 0; i < palette.size(); ++i) {
        const double d = colorDistance(palette[i], p);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return uint8_t(best);
}

// 256-colour images get a palette made for them by median cut: a small
// icon has far fewer than 256 colours, so it comes out almost exact, where
// a fixed colour cube would band the wood and tint the greys. Entry 0 stays
// black for the pixels under the transparency mask.
Palette medianCutPalette(const Image& image, size_t colours) {
    std::vector<std::vector<Pixel>> boxes(1);
    for (const Pixel& p : image.pixels) {
        if (p.a >= kAlphaOpaqueThreshold) boxes.front().push_back(p);
    }
    const auto channel = [](const Pixel& p, int c) { return c == 0 ? p.r : c == 1 ? p.g : p.b; };
    const auto widest = [&](const std::vector<Pixel>& box) {
        int bestChannel = 0;
        int bestRange = -1;
        for (int c = 0; c < 3; ++c) {
            const auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [&](const Pixel& a, const Pixel& b) {
                return channel(a, c) < channel(b, c);
            });
            const int range = box.empty() ? 0 : channel(*hi, c) - channel(*lo, c);
            if (range > bestRange) {
                bestRange = range;
                bestChannel = c;
            }
        }
        return std::pair{bestChannel, bestRange};
    };
    while (boxes.size() < colours - 1) {
        size_t split = 0;
        int splitRange = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            const int range = widest(boxes[i]).second;
            if (range > splitRange) {
                splitRange = range;
                split = i;
            }
        }
        if (splitRange == 0) break;  // every box holds a single colour
        std::vector<Pixel>& box = boxes[split];
        const int c = widest(box).first;
        std::sort(box.begin(), box.end(), [&](const Pixel& a, const Pixel& b) { return channel(a, c) < channel(b, c); });
        std::vector<Pixel> upper(box.begin() + std::ptrdiff_t(box.size() / 2), box.end());
        box.resize(box.size() / 2);
        boxes.push_back(std::move(upper));
    }
    Palette palette{{0, 0, 0, 255}};
    for (const auto& box : boxes) {
        if (box.empty()) continue;
        double r = 0, g = 0, b = 0;
        for (const Pixel& p : box) {
            r += p.r;
            g += p.g;
            b += p.b;
        }
        const double n = double(box.size());
        palette.push_back({uint8_t(std::lround(r / n)), uint8_t(std::lround(g / n)), uint8_t(std::lround(b / n)), 255});
    }
    palette.resize(colours, Pixel{0, 0, 0, 255});
    return palette;
}

// ===========================================================================
// File writers (little-endian, as the formats require)
// ===========================================================================

class ByteWriter {
public:
    void u8(uint8_t v) { bytes_.push_back(v); }
    void u16(uint16_t v) {
        u8(uint8_t(v));
        u8(uint8_t(v >> 8));
    }
    void u32(uint32_t v) {
        u16(uint16_t(v));
        u16(uint16_t(v >> 16));
    }
    void i32(int32_t v) { u32(uint32_t(v)); }
    void append(const std::vector<uint8_t>& more) { bytes_.insert(bytes_.end(), more.begin(), more.end()); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};

constexpr uint32_t kBitmapInfoHeaderSize = 40;
constexpr uint32_t kBitmapFileHeaderSize = 14;
constexpr uint16_t kBitmapSignature = 0x4D42;  // "BM"
constexpr uint32_t kCompressionNone = 0;       // BI_RGB

uint32_t rowStride(int width, int bitsPerPixel) { return uint32_t((width * bitsPerPixel + 31) / 32 * 4); }

void writeInfoHeader(ByteWriter& out, int width, int height, int bitsPerPixel, uint32_t imageBytes,
                     uint32_t colorsUsed) {
    out.u32(kBitmapInfoHeaderSize);
    out.i32(width);
    out.i32(height);
    out.u16(1);  // planes
    out.u16(uint16_t(bitsPerPixel));
    out.u32(kCompressionNone);
    out.u32(imageBytes);
    out.i32(0);  // pixels per metre: unknown
    out.i32(0);
    out.u32(colorsUsed);
    out.u32(0);  // all colours important
}

void saveFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path.string());
    std::cout << "wrote " << path.string() << " (" << bytes.size() << " bytes)\n";
}

// A 24-bit bottom-up BI_RGB bitmap. Pixels that are not opaque are painted
// in `key`, the colour the program treats as transparent.
void saveBitmap24(const std::filesystem::path& path, const Image& image, Pixel key) {
    const uint32_t stride = rowStride(image.width, 24);
    const uint32_t imageBytes = stride * uint32_t(image.height);
    ByteWriter out;
    out.u16(kBitmapSignature);
    out.u32(kBitmapFileHeaderSize + kBitmapInfoHeaderSize + imageBytes);
    out.u32(0);  // reserved
    out.u32(kBitmapFileHeaderSize + kBitmapInfoHeaderSize);
    writeInfoHeader(out, image.width, image.height, 24, imageBytes, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(stride, 0);
        for (int x = 0; x < image.width; ++x) {
            const Pixel p = image.at(x, y);
            const Pixel c = p.a >= kAlphaOpaqueThreshold ? p : key;
            row[x * 3 + 0] = c.b;
            row[x * 3 + 1] = c.g;
            row[x * 3 + 2] = c.r;
        }
        out.append(row);
    }
    saveFile(path, out.bytes());
}

struct IconImage {
    Image image;
    int bitsPerPixel;  // 4, 8 or 32
};

// One icon image as stored in an .ico: header with doubled height, palette,
// colour (XOR) rows, then the 1-bit transparency (AND) mask.
std::vector<uint8_t> encodeIconImage(const IconImage& icon) {
    const Image& img = icon.image;
    const int bits = icon.bitsPerPixel;
    const Palette palette = bits == 4 ? vgaPalette() : bits == 8 ? medianCutPalette(img, 256) : Palette{};
    const uint32_t xorStride = rowStride(img.width, bits);
    const uint32_t andStride = rowStride(img.width, 1);
    const uint32_t imageBytes = (xorStride + andStride) * uint32_t(img.height);

    ByteWriter out;
    writeInfoHeader(out, img.width, img.height * 2, bits, imageBytes, uint32_t(palette.size()));
    for (const Pixel& p : palette) {
        out.u8(p.b);
        out.u8(p.g);
        out.u8(p.r);
        out.u8(0);
    }
    for (int y = img.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(xorStride, 0);
        for (int x = 0; x < img.width; ++x) {
            const Pixel p = img.at(x, y);
            const bool opaque = p.a >= kAlphaOpaqueThreshold;
            if (bits == 32) {
                // Fully transparent pixels stay black so shells that ignore
                // alpha still see the usual black-under-mask convention.
                const bool clear = p.a == 0;
                row[x * 4 + 0] = clear ? 0 : p.b;
                row[x * 4 + 1] = clear ? 0 : p.g;
                row[x * 4 + 2] = clear ? 0 : p.r;
                row[x * 4 + 3] = p.a;
            } else {
                // Under the mask the colour must be black, or it would be
                // XORed onto the desktop.
                const uint8_t index = opaque ? nearestIndex(palette, p) : 0;
                if (bits == 8) {
                    row[x] = index;
                } else {
                    row[x / 2] |= uint8_t(x % 2 == 0 ? index << 4 : index);
                }
            }
        }
        out.append(row);
    }
    for (int y = img.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(andStride, 0);
        for (int x = 0; x < img.width; ++x) {
            if (img.at(x, y).a < kAlphaOpaqueThreshold) row[x / 8] |= uint8_t(0x80 >> (x % 8));
        }
        out.append(row);
    }
    return out.bytes();
}

void saveIcon(const std::filesystem::path& path, const std::vector<IconImage>& images) {
    constexpr uint16_t kIconResourceType = 1;
    constexpr uint32_t kIconDirSize = 6;
    constexpr uint32_t kIconDirEntrySize = 16;
    constexpr int kSizeStoredAsZero = 256;

    std::vector<std::vector<uint8_t>> encoded;
    for (const IconImage& icon : images) encoded.push_back(encodeIconImage(icon));

    ByteWriter out;
    out.u16(0);  // reserved
    out.u16(kIconResourceType);
    out.u16(uint16_t(images.size()));
    uint32_t offset = kIconDirSize + kIconDirEntrySize * uint32_t(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const Image& img = images[i].image;
        const int bits = images[i].bitsPerPixel;
        out.u8(uint8_t(img.width == kSizeStoredAsZero ? 0 : img.width));
        out.u8(uint8_t(img.height == kSizeStoredAsZero ? 0 : img.height));
        out.u8(uint8_t(bits == 4 ? 16 : 0));  // colour count: 0 means 256 or more
        out.u8(0);                            // reserved
        out.u16(1);                           // planes
        out.u16(uint16_t(bits));
        out.u32(uint32_t(encoded[i].size()));
        out.u32(offset);
        offset += uint32_t(encoded[i].size());
    }
    for (const auto& bytes : encoded) out.append(bytes);
    saveFile(path, out.bytes());
}

Paint radialGradient(Point centre, double radius, Color inner, Color outer) {
    return [=](Point p) {
        const Point d = p - centre;
        return mix(inner, outer, std::clamp(std::sqrt(dot(d, d)) / radius, 0.0, 1.0));
    };
}

// ===========================================================================
// Clipboard art for the tray and program icons
// ===========================================================================

// The vector art is designed on a 32-unit square and scaled for other sizes.
constexpr double kIconDesignSize = 32.0;
constexpr int kSmoothSamples = 4;  // 4x4 samples per pixel: smooth edges
constexpr int kHardSamples = 1;    // one sample: crisp edges for 16 colours

// The icon art's colours. The 16-colour images are drawn with their own set
// taken straight from the VGA palette (and no translucency), so nothing has
// to be guessed when they are reduced to it.
struct ClipboardInks {
    Color boardOutline, boardLight, boardDark;
    Color paperTop, paperBottom, paperShadow, lettering;
    Color clipOutline, clipLight, clipDark;
    Color pencilOutline, pencilLight, pencilMid, pencilDark;
    Color eraserLight, eraserDark, ferruleLight, ferruleDark, wood, graphite, dropShadow;
    Color signRed, signRedLight, signEdge;
};

constexpr ClipboardInks kTrueColourInks{
    .boardOutline = rgb(88, 50, 20),
    .boardLight = rgb(222, 160, 92),
    .boardDark = rgb(156, 92, 40),
    .paperTop = rgb(255, 255, 255),
    .paperBottom = rgb(232, 237, 245),
    .paperShadow = rgb(40, 20, 0, 0.35),
    .lettering = rgb(66, 88, 140),
    .clipOutline = rgb(62, 66, 76),
    .clipLight = rgb(246, 247, 250),
    .clipDark = rgb(150, 156, 168),
    .pencilOutline = rgb(72, 44, 12),
    .pencilLight = rgb(255, 222, 92),
    .pencilMid = rgb(250, 190, 30),
    .pencilDark = rgb(222, 140, 20),
    .eraserLight = rgb(250, 160, 176),
    .eraserDark = rgb(208, 92, 116),
    .ferruleLight = rgb(236, 238, 242),
    .ferruleDark = rgb(140, 146, 158),
    .wood = rgb(246, 214, 164),
    .graphite = rgb(52, 52, 60),
    .dropShadow = rgb(0, 0, 0, 0.3),
    .signRed = rgb(230, 30, 30),
    .signRedLight = rgb(255, 84, 70),
    .signEdge = rgb(120, 0, 0),
};

namespace vga {
constexpr Color kBlack = rgb(0, 0, 0);
constexpr Color kMaroon = rgb(128, 0, 0);
constexpr Color kOlive = rgb(128, 128, 0);
constexpr Color kNavy = rgb(0, 0, 128);
constexpr Color kGrey = rgb(128, 128, 128);
constexpr Color kRed = rgb(255, 0, 0);
constexpr Color kYellow = rgb(255, 255, 0);
constexpr Color kWhite = rgb(255, 255, 255);
}  // namespace vga

constexpr ClipboardInks kSixteenColourInks{
    .boardOutline = vga::kBlack,
    .boardLight = vga::kOlive,
    .boardDark = vga::kOlive,
    .paperTop = vga::kWhite,
    .paperBottom = vga::kWhite,
    .paperShadow = vga::kGrey,
    .lettering = vga::kNavy,
    .clipOutline = vga::kBlack,
    .clipLight = vga::kWhite,
    .clipDark = vga::kGrey,
    .pencilOutline = vga::kBlack,
    .pencilLight = vga::kYellow,
    .pencilMid = vga::kYellow,
    .pencilDark = vga::kOlive,
    .eraserLight = vga::kRed,
    .eraserDark = vga::kMaroon,
    .ferruleLight = vga::kWhite,
    .ferruleDark = vga::kGrey,
    .wood = vga::kWhite,
    .graphite = vga::kBlack,
    .dropShadow = kTransparent,
    .signRed = vga::kRed,
    .signRedLight = vga::kRed,
    .signEdge = vga::kMaroon,
};

void drawClipboard(Canvas& canvas, const ClipboardInks& inks) {
    canvas.fill(roundRect(3.5, 3, 28.5, 31.5, 3), inks.boardOutline);
    canvas.fill(roundRect(4.5, 4, 27.5, 30.5, 2.2), linearGradient({4, 4}, {28, 31}, inks.boardLight, inks.boardDark));

    canvas.fill(rect(7.5, 8, 25.5, 29), inks.paperShadow);
    canvas.fill(rect(6.5, 7, 24.5, 28), linearGradient({6.5, 7}, {24.5, 28}, inks.paperTop, inks.paperBottom));

    // A few lines of handwriting, broken into words so they read as text.
    struct Word {
        double y, x0, x1;
    };
    constexpr std::array kWords{Word{13, 9, 13}, Word{13, 15, 22},  Word{16, 9, 11}, Word{16, 13, 18},
                                Word{16, 20, 22}, Word{19, 9, 15},  Word{19, 17, 21}, Word{22, 9, 12},
                                Word{22, 14, 22}, Word{25, 9, 16}};
    constexpr double kPenWidth = 1.4;
    std::vector<std::vector<Point>> pen;
    for (const Word& w : kWords) pen.push_back({{w.x0, w.y}, {w.x1, w.y}});
    canvas.fill(strokes(std::move(pen), kPenWidth), inks.lettering);

    // The clip: a ring to hang it by over a spring-loaded plate.
    canvas.fill(roundRect(12.5, 0.5, 19.5, 7, 2.6), inks.clipOutline);
    canvas.fill(roundRect(13.5, 1.5, 18.5, 6, 1.8), linearGradient({0, 1.5}, {0, 6}, inks.clipLight, inks.clipDark));
    canvas.fill(roundRect(14.6, 2.5, 17.4, 4.3, 0.9), inks.clipOutline);
    canvas.fill(roundRect(9.5, 4.5, 22.5, 11, 2), inks.clipOutline);
    canvas.fill(roundRect(10.5, 5.5, 21.5, 10, 1.3), linearGradient({0, 5.5}, {0, 10}, inks.clipLight, inks.clipDark));
}

// The pencil lies across the sheet, point down to the left as if just used.
void drawPencil(Canvas& canvas, const ClipboardInks& inks) {
    constexpr Point kEnd{29.8, 6.8};
    constexpr Point kTip{8.6, 28.0};
    constexpr double kHalfWidth = 2.7;
    constexpr double kEraserLength = 3.4;
    constexpr double kFerruleLength = 2.6;
    constexpr double kConeLength = 6.4;
    constexpr double kLeadLength = 2.2;
    constexpr double kOutlineWidth = 0.9;
    constexpr Point kShadowOffset{1.2, 1.4};

    const Point along = kTip - kEnd;
    const double length = std::sqrt(dot(along, along));
    const Point axis = along * (1 / length);
    const Point side{-axis.y, axis.x};  // towards the upper left, the lit side
    const auto at = [&](double u, double v) { return kEnd + axis * u + side * v; };
    const auto band = [&](double u0, double u1, double v0, double v1) {
        return polygon({{at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)}});
    };
    const auto across = [&](double u, Color lit, Color shaded) {
        return linearGradient(at(u, kHalfWidth), at(u, -kHalfWidth), lit, shaded);
    };

    const double ferruleEnd = kEraserLength + kFerruleLength;
    const double coneStart = length - kConeLength;
    const double leadStart = length - kLeadLength;
    const double leadHalf = kHalfWidth * kLeadLength / kConeLength;
    const std::vector<Point> outline{at(0, kHalfWidth), at(coneStart, kHalfWidth), at(length, 0),
                                     at(coneStart, -kHalfWidth), at(0, -kHalfWidth)};

    std::vector<Point> shadow;
    for (const Point& p : outline) shadow.push_back(p + kShadowOffset);
    canvas.fill(polygon({shadow}), inks.dropShadow);

    canvas.fill(band(0, kEraserLength, -kHalfWidth, kHalfWidth), across(0, inks.eraserLight, inks.eraserDark));
    canvas.fill(band(kEraserLength, ferruleEnd, -kHalfWidth, kHalfWidth),
                across(kEraserLength, inks.ferruleLight, inks.ferruleDark));
    const double third = kHalfWidth / 3;
    canvas.fill(band(ferruleEnd, coneStart, third, kHalfWidth), inks.pencilLight);
    canvas.fill(band(ferruleEnd, coneStart, -third, third), inks.pencilMid);
    canvas.fill(band(ferruleEnd, coneStart, -kHalfWidth, -third), inks.pencilDark);
    canvas.fill(polygon({{at(coneStart, kHalfWidth), at(length, 0), at(coneStart, -kHalfWidth)}}), inks.wood);
    canvas.fill(polygon({{at(leadStart, leadHalf), at(length, 0), at(leadStart, -leadHalf)}}), inks.graphite);

    std::vector<Point> closed = outline;
    closed.push_back(outline.front());
    canvas.fill(strokes({closed,
                         {at(kEraserLength, kHalfWidth), at(kEraserLength, -kHalfWidth)},
                         {at(ferruleEnd, kHalfWidth), at(ferruleEnd, -kHalfWidth)},
                         {at(coneStart, kHalfWidth), at(coneStart, -kHalfWidth)}},
                        kOutlineWidth),
                inks.pencilOutline);
}

// A red "no" sign, a ring with an X through it, over the board. It stays
// inside the board's outline so the clipboard still reads as a clipboard.
void drawNoSign(Canvas& canvas, const ClipboardInks& inks) {
    constexpr Point kCentre{16, 17};  // the middle of the board, below the clip
    constexpr double kOuter = 13.6;
    constexpr double kInner = 11.3;
    constexpr double kEdge = 0.7;
    constexpr double kArm = 7.8;
    constexpr double kBarWidth = 2.4;
    const std::vector<std::vector<Point>> cross{
        {{kCentre.x - kArm, kCentre.y - kArm}, {kCentre.x + kArm, kCentre.y + kArm}},
        {{kCentre.x + kArm, kCentre.y - kArm}, {kCentre.x - kArm, kCentre.y + kArm}}};
    const Paint red = linearGradient({0, 1}, {0, 31}, inks.signRedLight, inks.signRed);

    canvas.fill(ring(kCentre, kOuter + kEdge, kInner - kEdge), inks.signEdge);
    canvas.fill(strokes(cross, kBarWidth + 2 * kEdge), inks.signEdge);
    canvas.fill(ring(kCentre, kOuter, kInner), red);
    canvas.fill(strokes(cross, kBarWidth), red);
}

enum class ClipboardState { Active, Disabled };

// 16-colour images get hard edges and VGA inks: blended edge pixels would
// only snap to odd palette colours.
Image drawClipboardIcon(int size, ClipboardState state, int bitsPerPixel) {
    const bool sixteenColours = bitsPerPixel == 4;
    const ClipboardInks& inks = sixteenColours ? kSixteenColourInks : kTrueColourInks;
    Canvas canvas(size, size, sixteenColours ? kHardSamples : kSmoothSamples);
    canvas.setView(size / kIconDesignSize);
    drawClipboard(canvas, inks);
    if (state == ClipboardState::Active) {
        drawPencil(canvas, inks);
    } else {
        drawNoSign(canvas, inks);
    }
    return canvas.image();
}

// --- 16x16: hand-placed so the clip, the sheet and the pencil stay legible
// in the notification area. The disabled picture leaves the pencil off: the
// sign already crowds the sheet, and a missing pencil says "not recording".

constexpr int kSmallIcon = 16;

constexpr std::array<std::string_view, kSmallIcon> kSmallClipboard{
    "......kkkk......",
    "..kkkkwllgkkkk..",
    ".khnklllllgknNk.",
    ".khnkggggggknNk.",
    ".khwkkkkkkkkqNk.",
    ".khwwwwwwwwwqNk.",
    ".khwxxxxwxxwqNk.",
    ".khwwwwwwwwwqNk.",
    ".khwxxxwxxxwqNk.",
    ".khwwwwwwwwwqNk.",
    ".khwxxwxxxxwqNk.",
    ".khwwwwwwwwwqNk.",
    ".khwxxxxxwwwqNk.",
    ".khqqqqqqqqqqNk.",
    ".kNNNNNNNNNNNNk.",
    "..kkkkkkkkkkkk..",
};

constexpr std::array<std::string_view, kSmallIcon> kSmallPencil{
    "................",
    "................",
    ".............kk.",
    "............kppk",
    "...........kpppk",
    "..........kspPk.",
    ".........kysssk.",
    "........kyyYSk..",
    ".......kyyYYk...",
    "......kyyYYk....",
    ".....kyyYYk.....",
    "....kyyYYk......",
    "...kffffk.......",
    "...kfffk........",
    "..kddk..........",
    "..kk............",
};

constexpr std::array<std::string_view, kSmallIcon> kSmallNoSign{
    "................",
    "................",
    ".....RRRRRR.....",
    "...RRrrrrrrRR...",
    "..Rrrr....rrrR..",
    "..Rrrr....rrrR..",
    ".Rr..rr..rr..rR.",
    ".Rr...rrrr...rR.",
    ".Rr....rr....rR.",
    ".Rr....rr....rR.",
    ".Rr...rrrr...rR.",
    ".Rr..rr..rr..rR.",
    "..Rrrr....rrrR..",
    "..Rrrr....rrrR..",
    "...RRrrrrrrRR...",
    ".....RRRRRR.....",
};

constexpr std::array kSmallIconInks{
    InkKey{'k', rgb(40, 30, 24)},    InkKey{'h', rgb(222, 162, 96)},  InkKey{'n', rgb(180, 116, 58)},
    InkKey{'N', rgb(128, 76, 32)},   InkKey{'w', rgb(255, 255, 255)}, InkKey{'q', rgb(204, 210, 222)},
    InkKey{'x', rgb(84, 104, 160)},  InkKey{'l', rgb(214, 216, 222)}, InkKey{'g', rgb(140, 144, 154)},
    InkKey{'p', rgb(246, 146, 164)}, InkKey{'P', rgb(200, 90, 110)},  InkKey{'s', rgb(196, 200, 210)},
    InkKey{'S', rgb(124, 128, 138)}, InkKey{'y', rgb(255, 210, 60)},  InkKey{'Y', rgb(226, 148, 20)},
    InkKey{'f', rgb(246, 214, 164)}, InkKey{'d', rgb(70, 70, 80)},    InkKey{'r', rgb(232, 28, 28)},
    InkKey{'R', rgb(140, 0, 0)},
};

Image drawSmallClipboardIcon(ClipboardState state) {
    Canvas canvas(kSmallIcon, kSmallIcon, kHardSamples);
    drawPixelMap(canvas, kSmallClipboard, kSmallIconInks);
    drawPixelMap(canvas, state == ClipboardState::Active ? kSmallPencil : kSmallNoSign, kSmallIconInks);
    return canvas.image();
}

// ===========================================================================
// Button glyphs: 16x16 pixel art on a magenta key colour
// ===========================================================================

constexpr Pixel kGlyphKey{255, 0, 255, 255};

constexpr std::array kGlyphInks{
    InkKey{'k', rgb(36, 36, 44)},    InkKey{'w', rgb(255, 255, 255)}, InkKey{'l', rgb(208, 210, 216)},
    InkKey{'g', rgb(140, 144, 152)}, InkKey{'d', rgb(88, 92, 100)},   InkKey{'r', rgb(226, 38, 38)},
    InkKey{'R', rgb(150, 16, 16)},   InkKey{'o', rgb(255, 128, 118)}, InkKey{'b', rgb(40, 110, 210)},
    InkKey{'B', rgb(20, 56, 130)},   InkKey{'c', rgb(140, 190, 245)}, InkKey{'G', rgb(40, 170, 60)},
    InkKey{'e', rgb(20, 104, 32)},   InkKey{'m', rgb(134, 222, 120)}, InkKey{'n', rgb(172, 110, 54)},
    InkKey{'N', rgb(112, 66, 28)},   InkKey{'h', rgb(218, 162, 96)},  InkKey{'y', rgb(250, 210, 60)},
    InkKey{'x', rgb(100, 120, 170)},
};

using GlyphArt = std::array<std::string_view, kSmallIcon>;

struct GlyphFile {
    std::string_view name;
    GlyphArt art;
};

// A door with an arrow leaving through it.
constexpr GlyphArt kExitGlyph{
    "................",
    ".kkkkkkkkk......",
    ".kdddddddk......",
    ".kdhnnnNdk.k....",
    ".kdhnnnNdk.kk...",
    ".kdhnnnNdk.kmk..",
    ".kdhnkkkkkkkmmk.",
    ".kdhkmmmmmmmmGmk",
    ".kdhkGGGGGGGGGGk",
    ".kdhkeeeeeeeGek.",
    ".kdhnkkkkkkkeek.",
    ".kdhnnnNdk.kek..",
    ".kdhnnyNdk.kk...",
    ".kdhnnnNdk.k....",
    ".kdhnnnNdk......",
    "kkkkkkkkkkk.....",
};

// A gear, lit from the top left.
constexpr GlyphArt kOptionsGlyph{
    "................",
    "......kkkk......",
    "..kk..kwlk..kk..",
    "..kwkkwlllkklk..",
    "...kwwllllllk...",
    "...kwllkklllk...",
    ".kkwllk..klllkk.",
    ".kwllk....kllgk.",
    ".klllk....klggk.",
    ".kklllk..klggkk.",
    "...klllkklggk...",
    "...klllllgggk...",
    "..klkkllggkkgk..",
    "..kk..kggk..kk..",
    "......kkkk......",
    "................",
};

// A monitor whose screen shows the four corners pushed outwards.
constexpr GlyphArt kFullScreenGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkcccccccccckdk",
    "klkcwwwccwwwckdk",
    "klkbwbbbbbbwbkdk",
    "klkbbbbbbbbbbkdk",
    "klkbbbbbbbbbbkdk",
    "klkbwbbbbbbwbkdk",
    "klkbwwwbbwwwbkdk",
    "klkbbbbbbbbbbkdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};

// A floppy disk: shutter at the top, label at the bottom.
constexpr GlyphArt kSaveGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kbbkwwwwwdkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkwwwddwkbBk.",
    ".kbbkllllllkbBk.",
    ".kbbbkkkkkkbbBk.",
    ".kbbbbbbbbbbbBk.",
    ".kbkkkkkkkkkkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kbkwxxxxxxwkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kbkwxxxxxwwkBk.",
    ".kbkwwwwwwwwkBk.",
    ".kkkkkkkkkkkkkk.",
};

// A red X.
constexpr GlyphArt kDeleteGlyph{
    "................",
    "................",
    "...kk......kk...",
    "..kork....kork..",
    "..korrk..korrk..",
    "...korrkkorrk...",
    "....korrrrrk....",
    ".....korrrk.....",
    ".....krrrRk.....",
    "....krrrrrRk....",
    "...krrRkkrrRk...",
    "..krrRk..krrRk..",
    "..krRk....krRk..",
    "...kk......kk...",
    "................",
    "................",
};

// Two red Xs, one behind the other: everything goes.
constexpr GlyphArt kDeleteAllGlyph{
    ".kk....kk.......",
    "kRRk..kRRk......",
    "kRRRkkRRRk......",
    ".kRRRRRRk.......",
    "..kRRkkk.....kk.",
    "..kRkork....kork",
    ".kRRkorrk..korrk",
    "kRRRkkorrkkorrk.",
    "kRRk..korrrrrk..",
    ".kk....korrrk...",
    ".......krrrRk...",
    "......krrrrrRk..",
    ".....krrRkkrrRk.",
    "....krrRk..krrRk",
    "....krRk....krRk",
    ".....kk......kk.",
};

// An "i" in a blue disc.
constexpr GlyphArt kAboutGlyph{
    ".....kkkkkk.....",
    "...kkccccbbkk...",
    "..kccbbwwbbbBk..",
    ".kcbbbwwwwbbbBk.",
    ".kcbbbwwwwbbbBk.",
    "kcbbbbbwwbbbbbBk",
    "kcbbbbbbbbbbbbBk",
    "kbbbbwwwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    "kbbbbbbwwwbbbbBk",
    ".kbbbbbwwwbbbBk.",
    ".kbbbbwwwwwbbBk.",
    "..kBbbbbbbbbBk..",
    "...kkBBBBBBkk...",
    ".....kkkkkk.....",
};

// An arrow going down into a tray.
constexpr GlyphArt kHideGlyph{
    "................",
    ".....kkkkkk.....",
    ".....kcbbBk.....",
    ".....kcbbBk.....",
    ".....kcbbBk.....",
    "..kkkkcbbBkkkk..",
    "...kcbbbbbbBk...",
    "....kcbbbbBk....",
    ".k...kcbbBk...k.",
    "kdk...kbBk...kdk",
    "kdk....kk....kdk",
    "kdkkkkkkkkkkkkdk",
    "kdllllllllllllgk",
    "kdllllllllllllgk",
    "kggggggggggggggk",
    "kkkkkkkkkkkkkkkk",
};

// Toolbar glyphs of the save-and-edit window.

// A disk whose label holds a landscape: the picture goes to a file.
constexpr GlyphArt kToolSaveImageGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kxxkllllllkxdk.",
    ".kxxkllddllkxdk.",
    ".kxxkllddllkxdk.",
    ".kxxkllllllkxdk.",
    ".kxxxkkkkkkxxdk.",
    ".kxxxxxxxxxxxdk.",
    ".kxkkkkkkkkkkdk.",
    ".kxkccccccyykdk.",
    ".kxkcccccccykdk.",
    ".kxkccGccccckdk.",
    ".kxkcGGGccGGkdk.",
    ".kxkGGGGGGGGkdk.",
    ".kxkeeeeeeeekdk.",
    ".kkkkkkkkkkkkkk.",
};

// An arrow going back onto a clipboard.
constexpr GlyphArt kToolCopyBackGlyph{
    "....kkkkk.......",
    ".kkkkllldkkk....",
    ".knnkdddddknk...",
    ".knnnkkkkknnk...",
    ".knwwwwwwwwnk...",
    ".knwggggggwnk...",
    ".knwwwwwwwwnk...",
    ".knwgggkggwnk...",
    ".knwwwkGkkkkkkkk",
    ".knwgkmGGGGGGGGk",
    ".knwkmGGGGGGGGGk",
    ".knwwkGeeeeeeeek",
    ".knwwwkekkkkkkkk",
    ".knwwwwkwwwnk...",
    ".knnnnnnnnnnk...",
    ".kkkkkkkkkkkk...",
};

// A monitor showing a landscape on its desktop.
constexpr GlyphArt kToolSetWallpaperGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkcccccccyyckdk",
    "klkcccccccyyckdk",
    "klkcccGcccccckdk",
    "klkccGGGccccGkdk",
    "klkcGGGGGccGGkdk",
    "klkGGGGGGGGGGkdk",
    "klkGGGGeeGGGGkdk",
    "klkeeeeeeeeeekdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};

// The wallpaper monitor with a gear in front of it.
constexpr GlyphArt kToolWallpaperOptionsGlyph{
    ".kkkkkkkkkkkk...",
    "kllllllllllldk..",
    "klkkkkkkkkkkdk..",
    "klkccccccyykdk..",
    "klkcccccccckdk..",
    "klkccGGccGckdk..",
    "klkcGGGGGGGkdk..",
    "klkGGGGeGGGkdk..",
    "klkeeeeeeekkdk..",
    "klkkkkkkkkwkklk.",
    "kdddddddkwllllgk",
    ".kkkkkkkkklddgk.",
    "......kddklddgk.",
    "....kkkkkllggggk",
    ".........kgkkgk.",
    "..........k..k..",
};

// A monitor with a bare desktop, crossed out.
constexpr GlyphArt kToolNoWallpaperGlyph{
    ".kkkkkkkkkkkkkk.",
    "kllllllllllllldk",
    "klkkkkkkkkkkkkdk",
    "klkbbbrrrrbbbkdk",
    "klkbbrrbbrrbbkdk",
    "klkbrbrrbbbrbkdk",
    "klkbrbbrrbbrbkdk",
    "klkbrbbbrrbrbkdk",
    "klkbrbbbbrrrbkdk",
    "klkbbrrbbrrbbkdk",
    "klkbbbrrrrbbbkdk",
    "klkkkkkkkkkkkkdk",
    "kddddddddddddddk",
    ".kkkkkkkkkkkkkk.",
    "......kddk......",
    "....kkkkkkkk....",
};

// A blank sheet with a folded corner.
constexpr GlyphArt kToolNewGlyph{
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwklk....",
    "..kwwwwwwkllk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kwwwwwwwwwlk..",
    "..kllllllllllk..",
    "..kkkkkkkkkkkk..",
};

// An open folder.
constexpr GlyphArt kToolOpenGlyph{
    "................",
    "................",
    "................",
    ".kkkk...........",
    "khhhhkkkkkkk....",
    "khyyyyyyyyyhk...",
    "khykkkkkkkkkkkkk",
    "khkyyyyyyyyyyyk.",
    "khkyyyyyyyyyyyk.",
    "kkyyyyyyyyyyyk..",
    "kkyyyyyyyyyyyk..",
    "kyyyyyyyyyyyk...",
    "kkkkkkkkkkkkk...",
    "................",
    "................",
    "................",
};

// A plain disk.
constexpr GlyphArt kToolSaveGlyph{
    "................",
    ".kkkkkkkkkkkkk..",
    ".kddkllllllkdgk.",
    ".kddkllddllkdgk.",
    ".kddkllddllkdgk.",
    ".kddkllllllkdgk.",
    ".kdddkkkkkkddgk.",
    ".kddddddddddddk.",
    ".kdkkkkkkkkkkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwggggggwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwgggggwwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kdkwwwwwwwwkdk.",
    ".kkkkkkkkkkkkkk.",
};

// Scissors.
constexpr GlyphArt kToolCutGlyph{
    "................",
    "...kk......kk...",
    "...klk....klk...",
    "....klk..klk....",
    "....kllkklgk....",
    ".....klkkgk.....",
    "......kddk......",
    "......kddk......",
    ".....kRkkRk.....",
    "..rrrRk..kRrrr..",
    ".rr..rr..rr..rr.",
    ".r....r..r....r.",
    ".r....r..r....r.",
    ".rr..rr..rr..rr.",
    "..rrrr....rrrr..",
    "................",
};

// Two sheets, one over the other.
constexpr GlyphArt kToolCopyGlyph{
    "kkkkkkkkk.......",
    "kwwwwwwwk.......",
    "kwgggggwk.......",
    "kwwwwwwwk.......",
    "kwggggwwk.......",
    "kwwwwwkkkkkkkkkk",
    "kwggggkwwwwwwwwk",
    "kwwwwwkwggggggwk",
    "kwggggkwwwwwwwwk",
    "kwwwwwkwgggggwwk",
    "kkkkkkkwwwwwwwwk",
    "......kwggggggwk",
    "......kwwwwwwwwk",
    "......kwgggggwwk",
    "......kwwwwwwwwk",
    "......kkkkkkkkkk",
};

// A sheet laid on a clipboard.
constexpr GlyphArt kToolPasteGlyph{
    ".....kkkkk......",
    ".kkkkklllkkkkk..",
    ".knnkdddddknnk..",
    ".knnnkkkkknnnk..",
    ".knnnnnnnnnnnk..",
    ".knnnnkkkkkkkkkk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwggggggwk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwgggggwwk",
    ".knnnnkwwwwwwwwk",
    ".knnnnkwggggggwk",
    ".knnnnkwwwwwwwwk",
    ".kNNNNkwwwwwwwwk",
    ".kkkkkkkkkkkkkkk",
    "................",
};


// ===========================================================================
// Options dialog: a 32x32 picture for each page and the button glyphs
// ===========================================================================

constexpr int kPagePictureSize = 32;

constexpr Color kPageInk = rgb(36, 40, 52);
constexpr Color kPagePaper = rgb(255, 255, 255);
constexpr Color kPageRule = rgb(168, 176, 190);
constexpr Color kPageTick = rgb(30, 150, 60);
constexpr Color kPageBlue = rgb(40, 104, 200);
constexpr Color kPageBlueLight = rgb(110, 170, 240);
constexpr Color kPageSun = rgb(255, 206, 64);
constexpr Color kPageHill = rgb(52, 150, 70);
constexpr Color kPageHillFar = rgb(110, 186, 110);
constexpr Color kPageCase = rgb(196, 200, 210);
constexpr Color kPageCaseDark = rgb(120, 126, 138);

// A tick drawn with a pen, inside a box whose top-left corner is `at`.
Shape pageTick(Point at, double side) {
    return strokes({{at + Point{side * 0.2, side * 0.5}, at + Point{side * 0.45, side * 0.75},
                     at + Point{side * 0.85, side * 0.15}}},
                   side * 0.22);
}

// Preferences: a sheet listing options, two of them ticked.
Image drawPreferencesPicture() {
    Canvas canvas(kPagePictureSize, kPagePictureSize, kSmoothSamples);
    canvas.fill(roundRect(4, 2, 28, 30, 2.5), kPageInk);
    canvas.fill(roundRect(5, 3, 27, 29, 1.8), kPagePaper);
    constexpr double kBox = 5.5;
    const std::array<double, 3> rows{6.5, 14, 21.5};
    for (size_t i = 0; i < rows.size(); ++i) {
        const Point box{8, rows[i]};
        canvas.fill(minus(rect(box.x, box.y, box.x + kBox, box.y + kBox),
                          rect(box.x + 1, box.y + 1, box.x + kBox - 1, box.y + kBox - 1)),
                    kPageInk);
        if (i != 1) canvas.fill(pageTick(box + Point{0.5, -0.5}, kBox), kPageTick);
        canvas.fill(roundRect(16, rows[i] + 1.5, 24, rows[i] + 3.5, 1), kPageRule);
    }
    return canvas.image();
}

// Confirmation: a question in a round blue badge.
Image drawConfirmationPicture() {
    Canvas canvas(kPagePictureSize, kPagePictureSize, kSmoothSamples);
    const Point centre{16, 16};
    canvas.fill(circle(centre, 14.5), kPageInk);
    canvas.fill(circle(centre, 13.5), radialGradient({12, 11}, 16, kPageBlueLight, kPageBlue));
    std::vector<Point> hook = arc({16, 11.5}, 4.5, 4.2, 160, -60);
    hook.push_back({16, 17.5});
    hook.push_back({16, 19.5});
    canvas.fill(strokes({hook}, 3.2), kPagePaper);
    canvas.fill(circle({16, 24.5}, 2), kPagePaper);
    return canvas.image();
}

// Wallpaper: a screen showing a landscape under a sun.
Image drawWallpaperPicture() {
    Canvas canvas(kPagePictureSize, kPagePictureSize, kSmoothSamples);
    canvas.fill(rect(12, 24, 20, 28), kPageCaseDark);
    canvas.fill(roundRect(8, 27, 24, 30, 1), kPageCase);
    canvas.fill(roundRect(1, 3, 31, 25, 2), kPageInk);
    canvas.fill(roundRect(2, 4, 30, 24, 1.5), kPageCase);
    const Shape screen = rect(4, 6, 28, 22);
    canvas.fill(screen, linearGradient({0, 6}, {0, 22}, kPageBlue, kPageBlueLight));
    canvas.fill(intersect(screen, circle({22, 11}, 3)), kPageSun);
    canvas.fill(intersect(screen, ellipse({10, 24}, 12, 9)), kPageHillFar);
    canvas.fill(intersect(screen, ellipse({22, 26}, 12, 8)), kPageHill);
    return canvas.image();
}

// A tick, for "&OK".
constexpr GlyphArt kOkGlyph{
    "................",
    "................",
    "............kk..",
    "...........kmGk.",
    "..........kmGek.",
    ".........kmGek..",
    "..kk....kmGek...",
    ".kmGk..kmGek....",
    ".kGGGkkmGek.....",
    "..kGGGmGek......",
    "...kGGGek.......",
    "....kGek........",
    ".....kk.........",
    "................",
    "................",
    "................",
};

// A folder with a magnifying glass, for the wallpaper folder's browse button.
constexpr GlyphArt kBrowseGlyph{
    "................",
    ".kkkk...........",
    "khhhhk..........",
    "khyyyykkkkkk....",
    "khykkkkkkkkkk...",
    "khkyyyyyyyyyk...",
    "khkyyyyykkkyk...",
    "kkyyyyykcccwk...",
    "kkyyyykcccccwk..",
    "kyyyyykcccccck..",
    "kkkkkkkcccccck..",
    ".......kccccck..",
    "........kkkkkNk.",
    "............kNNk",
    ".............kNk",
    "..............k.",
};

// About window: a help book with a question mark, for "&Help".
constexpr GlyphArt kHelpGlyph{
    "................",
    "..kkkkkkkkkkkk..",
    ".kBbbbbbbbbbbbk.",
    ".kBbbbwwwwbbbbk.",
    ".kBbbwwbbwwbbbk.",
    ".kBbbbbbbwwbbbk.",
    ".kBbbbbbwwbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbbbbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbwwbbbbbk.",
    ".kBbbbbbbbbbbbk.",
    ".kBkkkkkkkkkkkk.",
    ".kBwlwlwlwlwlwk.",
    "..kkkkkkkkkkkkk.",
};

constexpr std::array kGlyphFiles{
    GlyphFile{"exit", kExitGlyph},         GlyphFile{"options", kOptionsGlyph},
    GlyphFile{"fullscreen", kFullScreenGlyph}, GlyphFile{"save", kSaveGlyph},
    GlyphFile{"delete", kDeleteGlyph},     GlyphFile{"deleteall", kDeleteAllGlyph},
    GlyphFile{"about", kAboutGlyph},       GlyphFile{"hide", kHideGlyph},
    GlyphFile{"tool_save_image", kToolSaveImageGlyph},
    GlyphFile{"tool_copy_back", kToolCopyBackGlyph},
    GlyphFile{"tool_set_wallpaper", kToolSetWallpaperGlyph},
    GlyphFile{"tool_wallpaper_options", kToolWallpaperOptionsGlyph},
    GlyphFile{"tool_no_wallpaper", kToolNoWallpaperGlyph},
    GlyphFile{"tool_new", kToolNewGlyph},
    GlyphFile{"tool_open", kToolOpenGlyph},
    GlyphFile{"tool_save", kToolSaveGlyph},
    GlyphFile{"tool_cut", kToolCutGlyph},
    GlyphFile{"tool_copy", kToolCopyGlyph},
    GlyphFile{"tool_paste", kToolPasteGlyph},
    GlyphFile{"ok", kOkGlyph},
    GlyphFile{"browse", kBrowseGlyph},
    GlyphFile{"help", kHelpGlyph},
};

// The directory picker's buttons: a tick to accept, a cross to back out.
constexpr GlyphArt kPickerOkGlyph{
    "................",
    "................",
    "............kk..",
    "...........kmGk.",
    "..........kmGek.",
    ".........kmGek..",
    "..kk....kmGek...",
    ".kmGk..kmGek....",
    ".kGGek.kGek.....",
    "..kGGekGek......",
    "...kGGGek.......",
    "....kGek........",
    ".....kk.........",
    "................",
    "................",
    "................",
};

constexpr GlyphArt kPickerCancelGlyph{
    "................",
    "................",
    "..kk.......kk...",
    ".korkk...kkork..",
    ".krrRRk.kRrrRk..",
    "..kRrrRkRrrRk...",
    "...kRrrrrrRk....",
    "....kRrrrRk.....",
    "....korrrRk.....",
    "...korrRrrRk....",
    "..korRkkRrrRk...",
    ".korRk..kRrrRk..",
    ".kRRk....kRRRk..",
    "..kk......kkk...",
    "................",
    "................",
};

constexpr std::array kPickerGlyphFiles{
    GlyphFile{"picker_ok", kPickerOkGlyph},
    GlyphFile{"picker_cancel", kPickerCancelGlyph},
};

Image drawGlyph(const GlyphArt& art) {
    Canvas canvas(kSmallIcon, kSmallIcon, kHardSamples);
    drawPixelMap(canvas, art, kGlyphInks);
    return canvas.image();
}

// ===========================================================================
// Lettering: a bold, round-ended pen font with just the characters we use
// ===========================================================================

// Glyphs are drawn as pen centre lines on a grid where capitals are 10 units
// tall: cap line y = 0, x-height y = 3, baseline y = 10.
constexpr double kFontCapUnits = 10.0;
constexpr double kFontSpaceUnits = 2.4;

struct PenGlyph {
    double width;  // of the centre lines; the pen adds its own width
    std::vector<std::vector<Point>> lines;
};

PenGlyph penGlyph(char c) {
    switch (c) {
        case 'K':
            return {6.2, {{{0, 0}, {0, 10}}, {{6.0, 0}, {0.4, 5.8}}, {{2.3, 3.9}, {6.2, 10}}}};
        case 'V':
            return {6.8, {{{0, 0}, {3.4, 10}, {6.8, 0}}}};
        case 'e': {
            std::vector<Point> bowl{{0.1, 6.5}, {6.6, 6.5}};
            appendArc(bowl, {3.3, 6.5}, 3.3, 3.5, 0, 318);
            return {6.6, {bowl}};
        }
        case 'o':
            return {6.6, {arc({3.3, 6.5}, 3.3, 3.5, 0, 360)}};
        case 's': {
            std::vector<Point> s = arc({2.6, 4.75}, 2.5, 1.75, 25, 270);
            appendArc(s, {2.6, 8.25}, 2.6, 1.75, 90, -155);
            return {5.2, {s}};
        }
        case 't': {
            std::vector<Point> stem{{1.5, 0.6}};
            appendArc(stem, {3.2, 8.3}, 1.7, 1.7, 180, 270);
            stem.push_back({4.2, 10});
            return {4.2, {stem, {{0, 3}, {3.9, 3}}}};
        }
        case 'r':
            return {4.6, {{{0, 3}, {0, 10}}, arc({3.4, 6.4}, 3.4, 3.4, 180, 72)}};
        case 'l':
            return {0, {{{0, 0}, {0, 10}}}};
        case 'i':
            return {0, {{{0, 3}, {0, 10}}, {{0, 0.3}}}};
        case 'n': {
            std::vector<Point> arch = arc({3, 6.2}, 3, 3.2, 180, 0);
            arch.push_back({6, 10});
            return {6, {{{0, 3}, {0, 10}}, arch}};
        }
        case '9': {
            std::vector<Point> tail{{6.4, 3.3}};
            appendArc(tail, {3.2, 6.5}, 3.2, 3.5, 0, -125);
            return {6.4, {arc({3.2, 3.3}, 3.2, 3.3, 0, 360), tail}};
        }
        case '1':
            return {2.4, {{{0.2, 2.2}, {2.4, 0}, {2.4, 10}}}};
        case '2': {
            std::vector<Point> two = arc({3, 3.1}, 3, 3.1, 165, -25);
            two.push_back({0, 10});
            two.push_back({6.2, 10});
            return {6.2, {two}};
        }
        case '.':
            return {0, {{{0, 10}}}};
        case ' ':
            return {kFontSpaceUnits, {}};
        default:
            throw std::runtime_error(std::string("the pen font has no glyph for '") + c + "'");
    }
}

struct TextStyle {
    double capHeight;  // pixels
    double weight;     // pen width, in font units
    double tracking;   // extra space between letters, in font units
};

double glyphAdvance(const PenGlyph& g, const TextStyle& style) {
    const bool blank = g.lines.empty();
    return (g.width + (blank ? 0 : style.weight) + style.tracking) * style.capHeight / kFontCapUnits;
}

double textWidth(std::string_view text, const TextStyle& style) {
    double width = 0;
    for (char c : text) width += glyphAdvance(penGlyph(c), style);
    return width - style.tracking * style.capHeight / kFontCapUnits;
}

// One shape per letter keeps each inside test short.
std::vector<Shape> textShapes(std::string_view text, Point baselineLeft, const TextStyle& style) {
    const double unit = style.capHeight / kFontCapUnits;
    std::vector<Shape> shapes;
    double x = baselineLeft.x;
    for (char c : text) {
        const PenGlyph g = penGlyph(c);
        if (!g.lines.empty()) {
            std::vector<std::vector<Point>> lines;
            for (const auto& line : g.lines) {
                std::vector<Point> placed;
                for (const Point& p : line) {
                    placed.push_back({x + (p.x + style.weight / 2) * unit, baselineLeft.y + (p.y - kFontCapUnits) * unit});
                }
                lines.push_back(std::move(placed));
            }
            shapes.push_back(strokes(std::move(lines), style.weight * unit));
        }
        x += glyphAdvance(g, style);
    }
    return shapes;
}

void fillText(Canvas& canvas, std::string_view text, Point baselineLeft, const TextStyle& style, const Paint& paint) {
    for (const Shape& s : textShapes(text, baselineLeft, style)) canvas.fill(s, paint);
}

// ===========================================================================
// Splash picture
// ===========================================================================

// The windows draw their own text over this picture, so two areas stay
// plain and light: the strip along the top (a caption goes at 189,6) and
// the lower band (the "Loading..." text and a progress bar at 69,174).
constexpr int kSplashWidth = 400;
constexpr int kSplashHeight = 200;
constexpr double kTopStripBottom = 25;
constexpr double kAccentHeight = 2;
constexpr double kLowerBandTop = 140;

constexpr Color kStripTop = rgb(252, 253, 255);
constexpr Color kStripBottom = rgb(224, 232, 242);
constexpr Color kLowerTop = rgb(253, 254, 255);
constexpr Color kLowerBottom = rgb(220, 229, 239);
constexpr Color kNight = rgb(10, 30, 78);
constexpr Color kDeepSea = rgb(12, 78, 128);
constexpr Color kTeal = rgb(18, 146, 150);
constexpr Color kAmberLight = rgb(255, 214, 120);
constexpr Color kAmber = rgb(242, 156, 52);
constexpr Color kAmberDeep = rgb(206, 104, 30);
constexpr Color kTitleInk = rgb(255, 255, 255);
constexpr Color kTitleInkBottom = rgb(214, 238, 246);
constexpr Color kTitleShade = rgb(4, 16, 40, 0.45);
constexpr Color kVersionInk = rgb(186, 232, 236);
constexpr Color kFrame = rgb(28, 48, 84);

// A stylised kestrel in side view, gliding to the right with its wings
// swept up and back. Designed around (0, 0); one contour per part, drawn
// back to front.
struct KestrelParts {
    std::vector<Point> farWing;
    std::vector<Point> body;
    std::vector<Point> nearWing;
};

KestrelParts kestrelOutline() {
    PathBuilder farWing;
    farWing.moveTo({32, -7})
        .cubicTo({26, -24}, {12, -38}, {-6, -46})
        .cubicTo({4, -32}, {8, -18}, {10, -5});
    PathBuilder body;
    body.moveTo({51, -1})
        .cubicTo({48, -7}, {44, -12}, {37, -12})
        .cubicTo({28, -12}, {18, -8}, {6, -4})
        .cubicTo({-6, 0}, {-18, 2}, {-32, 4})
        .lineTo({-41, 2.5})
        .lineTo({-38, 13})
        .cubicTo({-24, 12}, {-10, 13}, {6, 10})
        .cubicTo({20, 8}, {32, 6}, {40, 3})
        .cubicTo({44, 2}, {46, 2}, {49, 3});
    PathBuilder nearWing;
    nearWing.moveTo({26, -8})
        .cubicTo({16, -28}, {-6, -44}, {-38, -50})
        .cubicTo({-18, -34}, {-6, -20}, {-4, 0});
    return {farWing.contours().front(), body.contours().front(), nearWing.contours().front()};
}

void drawKestrel(Canvas& canvas, Point centre, double scale, double tiltDegrees) {
    constexpr Point kShadowOffset{3, 4};
    const auto place = [&](const std::vector<Point>& part, Point offset) {
        std::vector<Point> placed;
        for (const Point& p : part) placed.push_back(rotated(centre + p * scale, centre, tiltDegrees) + offset);
        return polygon({placed});
    };
    const KestrelParts parts = kestrelOutline();
    const Paint lit = linearGradient(centre + Point{0, -48 * scale}, centre + Point{0, 14 * scale},
                                     {{0.0, kAmberLight}, {0.6, kAmber}, {1.0, kAmberDeep}});
    for (const auto* part : {&parts.farWing, &parts.body, &parts.nearWing}) {
        canvas.fill(place(*part, kShadowOffset), kTitleShade);
    }
    canvas.fill(place(parts.farWing, {}), solid(kAmberDeep));
    canvas.fill(place(parts.body, {}), lit);
    canvas.fill(place(parts.nearWing, {}), lit);
    constexpr Point kEye{41, -6.5};
    constexpr double kEyeRadius = 1.6;
    canvas.fill(circle(rotated(centre + kEye * scale, centre, tiltDegrees), kEyeRadius * scale), kNight);
}

Image drawSplash() {
    Canvas canvas(kSplashWidth, kSplashHeight, kSmoothSamples);
    const double w = kSplashWidth;
    const double h = kSplashHeight;

    // Light top strip, dark middle stage, light lower band.
    canvas.fill(rect(0, 0, w, kTopStripBottom), linearGradient({0, 0}, {0, kTopStripBottom}, kStripTop, kStripBottom));
    canvas.fill(rect(0, kTopStripBottom, w, kLowerBandTop),
                linearGradient({0, kTopStripBottom}, {w, kLowerBandTop}, {{0, kNight}, {0.55, kDeepSea}, {1, kTeal}}));
    canvas.fill(rect(0, kLowerBandTop, w, h), linearGradient({0, kLowerBandTop}, {0, h}, kLowerTop, kLowerBottom));

    // Soft light on the stage: a glow behind the bird and two wide arcs.
    const Shape stage = rect(0, kTopStripBottom, w, kLowerBandTop);
    canvas.fill(intersect(stage, circle({70, 82}, 70)), radialGradient({70, 82}, 70, rgb(120, 190, 255, 0.22), rgb(120, 190, 255, 0)));
    canvas.fill(intersect(stage, ring({420, 170}, 200, 197)), rgb(255, 255, 255, 0.07));
    canvas.fill(intersect(stage, ring({420, 170}, 170, 168)), rgb(255, 255, 255, 0.06));

    // Amber rules where the stage meets the light bands.
    canvas.fill(rect(0, kTopStripBottom, w, kTopStripBottom + kAccentHeight), linearGradient({0, 0}, {w, 0}, kAmber, kAmberLight));
    canvas.fill(rect(0, kLowerBandTop - kAccentHeight, w, kLowerBandTop), linearGradient({0, 0}, {w, 0}, kAmber, kAmberLight));

    // The title sits at the right of the stage; the bird fills the room left of it.
    constexpr double kStageMargin = 18;
    const TextStyle title{34, 2.3, 0.7};
    const std::string_view titleText = "Kestrel 99";
    const double titleRight = w - kStageMargin;
    const double titleLeft = titleRight - textWidth(titleText, title);
    const Point titleAt{titleLeft, 100};
    drawKestrel(canvas, {titleLeft / 2 - 3, 90}, 1.02, -8);

    fillText(canvas, titleText, titleAt + Point{2, 2.5}, title, solid(kTitleShade));
    fillText(canvas, titleText, titleAt, title,
             linearGradient(titleAt + Point{0, -title.capHeight}, titleAt, kTitleInk, kTitleInkBottom));

    const TextStyle version{9, 1.7, 1.2};
    const std::string_view versionText = "Version 1.2";
    fillText(canvas, versionText, {titleRight - textWidth(versionText, version), 122}, version, solid(kVersionInk));

    // The product's own clipboard in the corner of the lower band, clear of
    // the text and progress bar drawn there.
    constexpr double kBadgeScale = 1.5;
    canvas.setView(kBadgeScale, {344, 146});
    drawClipboard(canvas, kTrueColourInks);
    drawPencil(canvas, kTrueColourInks);
    canvas.setView(1);

    const Shape frame = minus(rect(0, 0, w, h), rect(1, 1, w - 1, h - 1));
    canvas.fill(frame, kFrame);
    return canvas.image();
}

// ===========================================================================
// Output
// ===========================================================================

std::vector<IconImage> iconImages(ClipboardState state, std::span<const int> sizes, std::span<const int> depths) {
    std::vector<IconImage> images;
    for (int size : sizes) {
        for (int bits : depths) {
            Image image = size == kSmallIcon ? drawSmallClipboardIcon(state) : drawClipboardIcon(size, state, bits);
            images.push_back({std::move(image), bits});
        }
    }
    return images;
}

// The options dialog's page pictures, as icons so they keep their edges
// on any background.
void drawOptionsPictures(const std::filesystem::path& out) {
    constexpr std::array kPageDepths{8, 32};
    const auto save = [&](const char* name, Image (*draw)()) {
        std::vector<IconImage> images;
        for (int bits : kPageDepths) images.push_back({draw(), bits});
        saveIcon(out / name, images);
    };
    save("options_preferences.ico", drawPreferencesPicture);
    save("options_confirmation.ico", drawConfirmationPicture);
    save("options_wallpaper.ico", drawWallpaperPicture);
}

void drawEverything(const std::filesystem::path& out) {
    constexpr std::array kTraySizes{16, 32};
    constexpr std::array kDisabledSizes{16, 32, 48};
    constexpr std::array kProgramSizes{16, 32, 48};
    constexpr std::array kAllDepths{4, 8, 32};
    constexpr std::array kModernDepths{8, 32};

    std::filesystem::create_directories(out / "glyphs");
    saveIcon(out / "tray_active.ico", iconImages(ClipboardState::Active, kTraySizes, kAllDepths));
    std::vector<IconImage> disabled = iconImages(ClipboardState::Disabled, std::span(kDisabledSizes).first(2), kAllDepths);
    for (IconImage& extra : iconImages(ClipboardState::Disabled, std::span(kDisabledSizes).last(1), kModernDepths)) {
        disabled.push_back(std::move(extra));
    }
    saveIcon(out / "tray_disabled.ico", disabled);
    saveIcon(out / "kestrel99.ico", iconImages(ClipboardState::Active, kProgramSizes, kModernDepths));
    saveBitmap24(out / "splash.bmp", drawSplash(), Pixel{255, 255, 255, 255});
    for (const GlyphFile& glyph : kGlyphFiles) {
        saveBitmap24(out / "glyphs" / (std::string(glyph.name) + ".bmp"), drawGlyph(glyph.art), kGlyphKey);
    }
    drawOptionsPictures(out);
    for (const GlyphFile& glyph : kPickerGlyphFiles) {
        saveBitmap24(out / "glyphs" / (std::string(glyph.name) + ".bmp"), drawGlyph(glyph.art), kGlyphKey);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: " << argv[0] << " OUTPUT_DIR\n";
        return 2;
    }
    try {
        drawEverything(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "draw_resources: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
