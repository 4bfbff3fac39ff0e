#include "splash.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "icons.h"

namespace art {

namespace {

// Lettering: a bold, round-ended pen font with just the characters we use

// Glyphs are drawn as pen centre lines on a grid where capitals are 10 units
// tall: cap line y = 0, x-height y = 3, baseline y = 10.
constexpr double kFontCapUnits = 10.0;
constexpr double kFontSpaceUnits = 2.4;

struct PenGlyph {
  double width;  // of the centre lines; the pen adds its own width
  std::vector<std::vector<Point>> lines;
};

PenGlyph PenGlyphFor(char c) {
  switch (c) {
    case 'K': return {6.2, {{{0, 0}, {0, 10}}, {{6.0, 0}, {0.4, 5.8}}, {{2.3, 3.9}, {6.2, 10}}}};
    case 'V': return {6.8, {{{0, 0}, {3.4, 10}, {6.8, 0}}}};
    case 'e': {
      std::vector<Point> bowl{{0.1, 6.5}, {6.6, 6.5}};
      AppendArc(bowl, {3.3, 6.5}, 3.3, 3.5, 0, 318);
      return {6.6, {bowl}};
    }
    case 'o': return {6.6, {Arc({3.3, 6.5}, 3.3, 3.5, 0, 360)}};
    case 's': {
      std::vector<Point> s = Arc({2.6, 4.75}, 2.5, 1.75, 25, 270);
      AppendArc(s, {2.6, 8.25}, 2.6, 1.75, 90, -155);
      return {5.2, {s}};
    }
    case 't': {
      std::vector<Point> stem{{1.5, 0.6}};
      AppendArc(stem, {3.2, 8.3}, 1.7, 1.7, 180, 270);
      stem.push_back({4.2, 10});
      return {4.2, {stem, {{0, 3}, {3.9, 3}}}};
    }
    case 'r': return {4.6, {{{0, 3}, {0, 10}}, Arc({3.4, 6.4}, 3.4, 3.4, 180, 72)}};
    case 'l': return {0, {{{0, 0}, {0, 10}}}};
    case 'i': return {0, {{{0, 3}, {0, 10}}, {{0, 0.3}}}};
    case 'n': {
      std::vector<Point> arch = Arc({3, 6.2}, 3, 3.2, 180, 0);
      arch.push_back({6, 10});
      return {6, {{{0, 3}, {0, 10}}, arch}};
    }
    case '9': {
      std::vector<Point> tail{{6.4, 3.3}};
      AppendArc(tail, {3.2, 6.5}, 3.2, 3.5, 0, -125);
      return {6.4, {Arc({3.2, 3.3}, 3.2, 3.3, 0, 360), tail}};
    }
    case '1': return {2.4, {{{0.2, 2.2}, {2.4, 0}, {2.4, 10}}}};
    case '2': {
      std::vector<Point> two = Arc({3, 3.1}, 3, 3.1, 165, -25);
      two.push_back({0, 10});
      two.push_back({6.2, 10});
      return {6.2, {two}};
    }
    case '.': return {0, {{{0, 10}}}};
    case ' ': return {kFontSpaceUnits, {}};
    default: throw std::runtime_error(std::string("the pen font has no glyph for '") + c + "'");
  }
}

struct TextStyle {
  double capHeight;  // pixels
  double weight;     // pen width, in font units
  double tracking;   // extra space between letters, in font units
};

double GlyphAdvance(const PenGlyph& g, const TextStyle& style) {
  const bool blank = g.lines.empty();
  return (g.width + (blank ? 0 : style.weight) + style.tracking) * style.capHeight / kFontCapUnits;
}

double TextWidth(std::string_view text, const TextStyle& style) {
  double width = 0;
  for (char c : text) width += GlyphAdvance(PenGlyphFor(c), style);
  return width - style.tracking * style.capHeight / kFontCapUnits;
}

// One shape per letter keeps each inside test short.
std::vector<Shape> TextShapes(std::string_view text, Point baselineLeft, const TextStyle& style) {
  const double unit = style.capHeight / kFontCapUnits;
  std::vector<Shape> shapes;
  double x = baselineLeft.x;
  for (char c : text) {
    const PenGlyph g = PenGlyphFor(c);
    if (!g.lines.empty()) {
      std::vector<std::vector<Point>> lines;
      for (const auto& line : g.lines) {
        std::vector<Point> placed;
        for (const Point& p : line) {
          placed.push_back({x + (p.x + style.weight / 2) * unit, baselineLeft.y + (p.y - kFontCapUnits) * unit});
        }
        lines.push_back(std::move(placed));
      }
      shapes.push_back(Strokes(std::move(lines), style.weight * unit));
    }
    x += GlyphAdvance(g, style);
  }
  return shapes;
}

void FillText(Canvas& canvas, std::string_view text, Point baselineLeft, const TextStyle& style, const Paint& paint) {
  for (const Shape& s : TextShapes(text, baselineLeft, style)) canvas.Fill(s, paint);
}

// The windows draw their own text over this picture, so two areas stay
// plain and light: the strip along the top (a caption goes at 189,6) and
// the lower band (the "Loading..." text and a progress bar at 69,174).
constexpr int kSplashWidth = 400;
constexpr int kSplashHeight = 200;
constexpr double kTopStripBottom = 25;
constexpr double kAccentHeight = 2;
constexpr double kLowerBandTop = 140;

constexpr Color kStripTop = Rgb(252, 253, 255);
constexpr Color kStripBottom = Rgb(224, 232, 242);
constexpr Color kLowerTop = Rgb(253, 254, 255);
constexpr Color kLowerBottom = Rgb(220, 229, 239);
constexpr Color kNight = Rgb(10, 30, 78);
constexpr Color kDeepSea = Rgb(12, 78, 128);
constexpr Color kTeal = Rgb(18, 146, 150);
constexpr Color kAmberLight = Rgb(255, 214, 120);
constexpr Color kAmber = Rgb(242, 156, 52);
constexpr Color kAmberDeep = Rgb(206, 104, 30);
constexpr Color kTitleInk = Rgb(255, 255, 255);
constexpr Color kTitleInkBottom = Rgb(214, 238, 246);
constexpr Color kTitleShade = Rgb(4, 16, 40, 0.45);
constexpr Color kVersionInk = Rgb(186, 232, 236);
constexpr Color kFrame = Rgb(28, 48, 84);

// A stylised kestrel in side view, gliding to the right with its wings
// swept up and back. Designed around (0, 0); one contour per part, drawn
// back to front.
struct KestrelParts {
  std::vector<Point> farWing;
  std::vector<Point> body;
  std::vector<Point> nearWing;
};

KestrelParts KestrelOutline() {
  PathBuilder farWing;
  farWing.MoveTo({32, -7}).CubicTo({26, -24}, {12, -38}, {-6, -46}).CubicTo({4, -32}, {8, -18}, {10, -5});
  PathBuilder body;
  body.MoveTo({51, -1})
      .CubicTo({48, -7}, {44, -12}, {37, -12})
      .CubicTo({28, -12}, {18, -8}, {6, -4})
      .CubicTo({-6, 0}, {-18, 2}, {-32, 4})
      .LineTo({-41, 2.5})
      .LineTo({-38, 13})
      .CubicTo({-24, 12}, {-10, 13}, {6, 10})
      .CubicTo({20, 8}, {32, 6}, {40, 3})
      .CubicTo({44, 2}, {46, 2}, {49, 3});
  PathBuilder nearWing;
  nearWing.MoveTo({26, -8}).CubicTo({16, -28}, {-6, -44}, {-38, -50}).CubicTo({-18, -34}, {-6, -20}, {-4, 0});
  return {farWing.Contours().front(), body.Contours().front(), nearWing.Contours().front()};
}

void DrawKestrel(Canvas& canvas, Point centre, double scale, double tiltDegrees) {
  constexpr Point kShadowOffset{3, 4};
  const auto place = [&](const std::vector<Point>& part, Point offset) {
    std::vector<Point> placed;
    for (const Point& p : part) placed.push_back(Rotated(centre + p * scale, centre, tiltDegrees) + offset);
    return Polygon({placed});
  };
  const KestrelParts parts = KestrelOutline();
  const Paint lit = LinearGradient(centre + Point{0, -48 * scale}, centre + Point{0, 14 * scale},
                                   {{0.0, kAmberLight}, {0.6, kAmber}, {1.0, kAmberDeep}});
  for (const auto* part : {&parts.farWing, &parts.body, &parts.nearWing}) {
    canvas.Fill(place(*part, kShadowOffset), kTitleShade);
  }
  canvas.Fill(place(parts.farWing, {}), Solid(kAmberDeep));
  canvas.Fill(place(parts.body, {}), lit);
  canvas.Fill(place(parts.nearWing, {}), lit);
  constexpr Point kEye{41, -6.5};
  constexpr double kEyeRadius = 1.6;
  canvas.Fill(Circle(Rotated(centre + kEye * scale, centre, tiltDegrees), kEyeRadius * scale), kNight);
}

}  // namespace

Image DrawSplash(double scale) {
  Canvas canvas(int(std::lround(kSplashWidth * scale)), int(std::lround(kSplashHeight * scale)), kSmoothSamples);
  canvas.SetView(scale);
  const double w = kSplashWidth;
  const double h = kSplashHeight;

  // Light top strip, dark middle stage, light lower band.
  canvas.Fill(Rect(0, 0, w, kTopStripBottom), LinearGradient({0, 0}, {0, kTopStripBottom}, kStripTop, kStripBottom));
  canvas.Fill(Rect(0, kTopStripBottom, w, kLowerBandTop),
              LinearGradient({0, kTopStripBottom}, {w, kLowerBandTop}, {{0, kNight}, {0.55, kDeepSea}, {1, kTeal}}));
  canvas.Fill(Rect(0, kLowerBandTop, w, h), LinearGradient({0, kLowerBandTop}, {0, h}, kLowerTop, kLowerBottom));

  // Soft light on the stage: a glow behind the bird and two wide arcs.
  const Shape stage = Rect(0, kTopStripBottom, w, kLowerBandTop);
  canvas.Fill(Intersect(stage, Circle({70, 82}, 70)),
              RadialGradient({70, 82}, 70, Rgb(120, 190, 255, 0.22), Rgb(120, 190, 255, 0)));
  canvas.Fill(Intersect(stage, Ring({420, 170}, 200, 197)), Rgb(255, 255, 255, 0.07));
  canvas.Fill(Intersect(stage, Ring({420, 170}, 170, 168)), Rgb(255, 255, 255, 0.06));

  // Amber rules where the stage meets the light bands.
  canvas.Fill(Rect(0, kTopStripBottom, w, kTopStripBottom + kAccentHeight),
              LinearGradient({0, 0}, {w, 0}, kAmber, kAmberLight));
  canvas.Fill(Rect(0, kLowerBandTop - kAccentHeight, w, kLowerBandTop),
              LinearGradient({0, 0}, {w, 0}, kAmber, kAmberLight));

  // The title sits at the right of the stage; the bird fills the room left of it.
  constexpr double kStageMargin = 18;
  const TextStyle title{34, 2.3, 0.7};
  const std::string_view titleText = "Kestrel 99";
  const double titleRight = w - kStageMargin;
  const double titleLeft = titleRight - TextWidth(titleText, title);
  const Point titleAt{titleLeft, 100};
  DrawKestrel(canvas, {titleLeft / 2 - 3, 90}, 1.02, -8);

  FillText(canvas, titleText, titleAt + Point{2, 2.5}, title, Solid(kTitleShade));
  FillText(canvas, titleText, titleAt, title,
           LinearGradient(titleAt + Point{0, -title.capHeight}, titleAt, kTitleInk, kTitleInkBottom));

  const TextStyle version{9, 1.7, 1.2};
  const std::string_view versionText = "Version 1.2";
  FillText(canvas, versionText, {titleRight - TextWidth(versionText, version), 122}, version, Solid(kVersionInk));

  // The product's own clipboard in the corner of the lower band, clear of
  // the text and progress bar drawn there.
  constexpr double kBadgeScale = 1.5;
  constexpr Point kBadgeAt{344, 146};
  canvas.SetView(kBadgeScale * scale, kBadgeAt * scale);
  DrawClipboard(canvas, kTrueColourInks);
  DrawPencil(canvas, kTrueColourInks);
  canvas.SetView(scale);

  const Shape frame = Minus(Rect(0, 0, w, h), Rect(1, 1, w - 1, h - 1));
  canvas.Fill(frame, kFrame);
  return canvas.ToImage();
}

}  // namespace art
