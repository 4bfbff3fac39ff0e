#include "icons.h"

#include <array>
#include <string_view>

namespace art {

namespace {

namespace vga {
constexpr Color kBlack = Rgb(0, 0, 0);
constexpr Color kMaroon = Rgb(128, 0, 0);
constexpr Color kOlive = Rgb(128, 128, 0);
constexpr Color kNavy = Rgb(0, 0, 128);
constexpr Color kGrey = Rgb(128, 128, 128);
constexpr Color kRed = Rgb(255, 0, 0);
constexpr Color kYellow = Rgb(255, 255, 0);
constexpr Color kWhite = Rgb(255, 255, 255);
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

// A red "no" sign, a ring with an X through it, over the board. It stays
// inside the board's outline so the clipboard still reads as a clipboard.
void DrawNoSign(Canvas& canvas, const ClipboardInks& inks) {
  constexpr Point kCentre{16, 17};  // the middle of the board, below the clip
  constexpr double kOuter = 13.6;
  constexpr double kInner = 11.3;
  constexpr double kEdge = 0.7;
  constexpr double kArm = 7.8;
  constexpr double kBarWidth = 2.4;
  const std::vector<std::vector<Point>> cross{
      {{kCentre.x - kArm, kCentre.y - kArm}, {kCentre.x + kArm, kCentre.y + kArm}},
      {{kCentre.x + kArm, kCentre.y - kArm}, {kCentre.x - kArm, kCentre.y + kArm}}};
  const Paint red = LinearGradient({0, 1}, {0, 31}, inks.signRedLight, inks.signRed);

  canvas.Fill(Ring(kCentre, kOuter + kEdge, kInner - kEdge), inks.signEdge);
  canvas.Fill(Strokes(cross, kBarWidth + 2 * kEdge), inks.signEdge);
  canvas.Fill(Ring(kCentre, kOuter, kInner), red);
  canvas.Fill(Strokes(cross, kBarWidth), red);
}

// clang-format off
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
// clang-format on

// clang-format off
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
// clang-format on

// clang-format off
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
// clang-format on

constexpr std::array kSmallIconInks{
    InkKey{'k', Rgb(40, 30, 24)},    InkKey{'h', Rgb(222, 162, 96)},  InkKey{'n', Rgb(180, 116, 58)},
    InkKey{'N', Rgb(128, 76, 32)},   InkKey{'w', Rgb(255, 255, 255)}, InkKey{'q', Rgb(204, 210, 222)},
    InkKey{'x', Rgb(84, 104, 160)},  InkKey{'l', Rgb(214, 216, 222)}, InkKey{'g', Rgb(140, 144, 154)},
    InkKey{'p', Rgb(246, 146, 164)}, InkKey{'P', Rgb(200, 90, 110)},  InkKey{'s', Rgb(196, 200, 210)},
    InkKey{'S', Rgb(124, 128, 138)}, InkKey{'y', Rgb(255, 210, 60)},  InkKey{'Y', Rgb(226, 148, 20)},
    InkKey{'f', Rgb(246, 214, 164)}, InkKey{'d', Rgb(70, 70, 80)},    InkKey{'r', Rgb(232, 28, 28)},
    InkKey{'R', Rgb(140, 0, 0)},
};

// A canvas of `size` pixels viewing the 32-unit design square.
Canvas PageCanvas(int size) {
  Canvas canvas(size, size, kSmoothSamples);
  canvas.SetView(size / kIconDesignSize);
  return canvas;
}

constexpr Color kPageInk = Rgb(36, 40, 52);
constexpr Color kPagePaper = Rgb(255, 255, 255);
constexpr Color kPageRule = Rgb(168, 176, 190);
constexpr Color kPageTick = Rgb(30, 150, 60);
constexpr Color kPageBlue = Rgb(40, 104, 200);
constexpr Color kPageBlueLight = Rgb(110, 170, 240);
constexpr Color kPageSun = Rgb(255, 206, 64);
constexpr Color kPageHill = Rgb(52, 150, 70);
constexpr Color kPageHillFar = Rgb(110, 186, 110);
constexpr Color kPageCase = Rgb(196, 200, 210);
constexpr Color kPageCaseDark = Rgb(120, 126, 138);

// A tick drawn with a pen, inside a box whose top-left corner is `at`.
Shape PageTick(Point at, double side) {
  return Strokes({{at + Point{side * 0.2, side * 0.5}, at + Point{side * 0.45, side * 0.75},
                   at + Point{side * 0.85, side * 0.15}}},
                 side * 0.22);
}

}  // namespace

void DrawClipboard(Canvas& canvas, const ClipboardInks& inks) {
  canvas.Fill(RoundRect(3.5, 3, 28.5, 31.5, 3), inks.boardOutline);
  canvas.Fill(RoundRect(4.5, 4, 27.5, 30.5, 2.2), LinearGradient({4, 4}, {28, 31}, inks.boardLight, inks.boardDark));

  canvas.Fill(Rect(7.5, 8, 25.5, 29), inks.paperShadow);
  canvas.Fill(Rect(6.5, 7, 24.5, 28), LinearGradient({6.5, 7}, {24.5, 28}, inks.paperTop, inks.paperBottom));

  // A few lines of handwriting, broken into words so they read as text.
  struct Word {
    double y, x0, x1;
  };
  constexpr std::array kWords{Word{13, 9, 13}, Word{13, 15, 22}, Word{16, 9, 11}, Word{16, 13, 18}, Word{16, 20, 22},
                              Word{19, 9, 15}, Word{19, 17, 21}, Word{22, 9, 12}, Word{22, 14, 22}, Word{25, 9, 16}};
  constexpr double kPenWidth = 1.4;
  std::vector<std::vector<Point>> pen;
  for (const Word& w : kWords) pen.push_back({{w.x0, w.y}, {w.x1, w.y}});
  canvas.Fill(Strokes(std::move(pen), kPenWidth), inks.lettering);

  // The clip: a ring to hang it by over a spring-loaded plate.
  canvas.Fill(RoundRect(12.5, 0.5, 19.5, 7, 2.6), inks.clipOutline);
  canvas.Fill(RoundRect(13.5, 1.5, 18.5, 6, 1.8), LinearGradient({0, 1.5}, {0, 6}, inks.clipLight, inks.clipDark));
  canvas.Fill(RoundRect(14.6, 2.5, 17.4, 4.3, 0.9), inks.clipOutline);
  canvas.Fill(RoundRect(9.5, 4.5, 22.5, 11, 2), inks.clipOutline);
  canvas.Fill(RoundRect(10.5, 5.5, 21.5, 10, 1.3), LinearGradient({0, 5.5}, {0, 10}, inks.clipLight, inks.clipDark));
}

void DrawPencil(Canvas& canvas, const ClipboardInks& inks) {
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
  const double length = std::sqrt(Dot(along, along));
  const Point axis = along * (1 / length);
  const Point side{-axis.y, axis.x};  // towards the upper left, the lit side
  const auto at = [&](double u, double v) { return kEnd + axis * u + side * v; };
  const auto band = [&](double u0, double u1, double v0, double v1) {
    return Polygon({{at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)}});
  };
  const auto across = [&](double u, Color lit, Color shaded) {
    return LinearGradient(at(u, kHalfWidth), at(u, -kHalfWidth), lit, shaded);
  };

  const double ferruleEnd = kEraserLength + kFerruleLength;
  const double coneStart = length - kConeLength;
  const double leadStart = length - kLeadLength;
  const double leadHalf = kHalfWidth * kLeadLength / kConeLength;
  const std::vector<Point> outline{at(0, kHalfWidth), at(coneStart, kHalfWidth), at(length, 0),
                                   at(coneStart, -kHalfWidth), at(0, -kHalfWidth)};

  std::vector<Point> shadow;
  for (const Point& p : outline) shadow.push_back(p + kShadowOffset);
  canvas.Fill(Polygon({shadow}), inks.dropShadow);

  canvas.Fill(band(0, kEraserLength, -kHalfWidth, kHalfWidth), across(0, inks.eraserLight, inks.eraserDark));
  canvas.Fill(band(kEraserLength, ferruleEnd, -kHalfWidth, kHalfWidth),
              across(kEraserLength, inks.ferruleLight, inks.ferruleDark));
  const double third = kHalfWidth / 3;
  canvas.Fill(band(ferruleEnd, coneStart, third, kHalfWidth), inks.pencilLight);
  canvas.Fill(band(ferruleEnd, coneStart, -third, third), inks.pencilMid);
  canvas.Fill(band(ferruleEnd, coneStart, -kHalfWidth, -third), inks.pencilDark);
  canvas.Fill(Polygon({{at(coneStart, kHalfWidth), at(length, 0), at(coneStart, -kHalfWidth)}}), inks.wood);
  canvas.Fill(Polygon({{at(leadStart, leadHalf), at(length, 0), at(leadStart, -leadHalf)}}), inks.graphite);

  std::vector<Point> closed = outline;
  closed.push_back(outline.front());
  canvas.Fill(Strokes({closed,
                       {at(kEraserLength, kHalfWidth), at(kEraserLength, -kHalfWidth)},
                       {at(ferruleEnd, kHalfWidth), at(ferruleEnd, -kHalfWidth)},
                       {at(coneStart, kHalfWidth), at(coneStart, -kHalfWidth)}},
                      kOutlineWidth),
              inks.pencilOutline);
}

Image DrawClipboardIcon(int size, ClipboardState state, int bitsPerPixel) {
  const bool sixteenColours = bitsPerPixel == 4;
  const ClipboardInks& inks = sixteenColours ? kSixteenColourInks : kTrueColourInks;
  Canvas canvas(size, size, sixteenColours ? kHardSamples : kSmoothSamples);
  canvas.SetView(size / kIconDesignSize);
  DrawClipboard(canvas, inks);
  if (state == ClipboardState::Active) {
    DrawPencil(canvas, inks);
  } else {
    DrawNoSign(canvas, inks);
  }
  return canvas.ToImage();
}

Image DrawSmallClipboardIcon(ClipboardState state) {
  Canvas canvas(kSmallIcon, kSmallIcon, kHardSamples);
  DrawPixelMap(canvas, kSmallClipboard, kSmallIconInks);
  DrawPixelMap(canvas, state == ClipboardState::Active ? kSmallPencil : kSmallNoSign, kSmallIconInks);
  return canvas.ToImage();
}

// Preferences: a sheet listing options, two of them ticked.
Image DrawPreferencesPicture(int size) {
  Canvas canvas = PageCanvas(size);
  canvas.Fill(RoundRect(4, 2, 28, 30, 2.5), kPageInk);
  canvas.Fill(RoundRect(5, 3, 27, 29, 1.8), kPagePaper);
  constexpr double kBox = 5.5;
  const std::array<double, 3> rows{6.5, 14, 21.5};
  for (size_t i = 0; i < rows.size(); ++i) {
    const Point box{8, rows[i]};
    canvas.Fill(Minus(Rect(box.x, box.y, box.x + kBox, box.y + kBox),
                      Rect(box.x + 1, box.y + 1, box.x + kBox - 1, box.y + kBox - 1)),
                kPageInk);
    if (i != 1) canvas.Fill(PageTick(box + Point{0.5, -0.5}, kBox), kPageTick);
    canvas.Fill(RoundRect(16, rows[i] + 1.5, 24, rows[i] + 3.5, 1), kPageRule);
  }
  return canvas.ToImage();
}

// Confirmation: a question in a round blue badge.
Image DrawConfirmationPicture(int size) {
  Canvas canvas = PageCanvas(size);
  const Point centre{16, 16};
  canvas.Fill(Circle(centre, 14.5), kPageInk);
  canvas.Fill(Circle(centre, 13.5), RadialGradient({12, 11}, 16, kPageBlueLight, kPageBlue));
  std::vector<Point> hook = Arc({16, 11.5}, 4.5, 4.2, 160, -60);
  hook.push_back({16, 17.5});
  hook.push_back({16, 19.5});
  canvas.Fill(Strokes({hook}, 3.2), kPagePaper);
  canvas.Fill(Circle({16, 24.5}, 2), kPagePaper);
  return canvas.ToImage();
}

// Wallpaper: a screen showing a landscape under a sun.
Image DrawWallpaperPicture(int size) {
  Canvas canvas = PageCanvas(size);
  canvas.Fill(Rect(12, 24, 20, 28), kPageCaseDark);
  canvas.Fill(RoundRect(8, 27, 24, 30, 1), kPageCase);
  canvas.Fill(RoundRect(1, 3, 31, 25, 2), kPageInk);
  canvas.Fill(RoundRect(2, 4, 30, 24, 1.5), kPageCase);
  const Shape screen = Rect(4, 6, 28, 22);
  canvas.Fill(screen, LinearGradient({0, 6}, {0, 22}, kPageBlue, kPageBlueLight));
  canvas.Fill(Intersect(screen, Circle({22, 11}, 3)), kPageSun);
  canvas.Fill(Intersect(screen, Ellipse({10, 24}, 12, 9)), kPageHillFar);
  canvas.Fill(Intersect(screen, Ellipse({22, 26}, 12, 8)), kPageHill);
  return canvas.ToImage();
}

// Quick paste: a key pressed, and the history list it pops up with the
// chosen line lit.
Image DrawQuickPastePicture(int size) {
  Canvas canvas = PageCanvas(size);
  canvas.Fill(RoundRect(11, 1, 31, 21, 2), kPageInk);
  canvas.Fill(RoundRect(12, 2, 30, 20, 1.5), kPagePaper);
  const std::array<double, 4> rows{4.5, 8.5, 12.5, 16.5};
  for (size_t i = 0; i < rows.size(); ++i) {
    const bool lit = i == 1;
    if (lit) canvas.Fill(Rect(12.5, rows[i] - 1, 29.5, rows[i] + 3), kPageBlue);
    canvas.Fill(RoundRect(14.5, rows[i] + 0.2, 27.5, rows[i] + 1.8, 0.8), lit ? kPagePaper : kPageRule);
  }
  canvas.Fill(RoundRect(1, 13, 19, 31, 3), kPageInk);
  canvas.Fill(RoundRect(2, 14, 18, 30, 2.4), kPageCaseDark);
  canvas.Fill(RoundRect(3.5, 14.8, 16.5, 26.5, 2), LinearGradient({0, 15}, {0, 26}, kPagePaper, kPageCase));
  canvas.Fill(Strokes({{{7.5, 17.5}, {10.5, 21}}}, 2.2), kPageInk);
  return canvas.ToImage();
}

}  // namespace art
