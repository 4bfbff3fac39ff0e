// Pictures drawn into cells: shrinking goes through a cached scaled copy,
// which must show the same picture as drawing the original, at every size.
// Packed pictures give back exactly the pixels they were taken with, and
// packing survives pictures going meanwhile, failing, and being stopped.
#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <chrono>
#include <climits>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <new>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "desktop/clipboard.h"
#include "picture/picture.h"
#include "picture/picture_compressor.h"
#include "tools/picture_export.h"
#include "ui/handles.h"
#include "win32/clipboard_support.h"
#include "win32/test_support.h"

namespace {

// Set on a thread, it fails that thread's next allocation: it runs a worker
// out of memory at the one step a test chooses.
thread_local bool failNextAllocation = false;

}  // namespace

void* operator new(std::size_t size) {
  if (failNextAllocation) {
    failNextAllocation = false;
    throw std::bad_alloc();
  }
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}

namespace {

constexpr COLORREF kRed = RGB(220, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 220);

// A picture whose left half is red and right half blue.
picture::Picture TwoColourPicture(int width, int height) {
  ui::WindowDC screen(nullptr);
  ui::unique_hbitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  ui::unique_hdc dc(CreateCompatibleDC(screen.get()));
  {
    ui::SelectGuard select(dc.get(), bitmap.get());
    ui::unique_hbrush red(CreateSolidBrush(kRed));
    ui::unique_hbrush blue(CreateSolidBrush(kBlue));
    RECT left{0, 0, width / 2, height};
    RECT right{width / 2, 0, width, height};
    FillRect(dc.get(), &left, red.get());
    FillRect(dc.get(), &right, blue.get());
  }
  return picture::Picture::FromBitmap(bitmap.get(), nullptr);
}

// Draws the picture into a white canvas and reads back one pixel.
class Canvas {
 public:
  Canvas() {
    RECT all{0, 0, kSize, kSize};
    FillRect(dc_.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  }
  HDC dc() const { return dc_.get(); }
  COLORREF At(int x, int y) const { return GetPixel(dc_.get(), x, y); }
  static constexpr int kSize = 200;

 private:
  ui::WindowDC screen_{nullptr};
  ui::unique_hbitmap bitmap_{CreateCompatibleBitmap(screen_.get(), kSize, kSize)};
  ui::unique_hdc dc_{CreateCompatibleDC(screen_.get())};
  ui::SelectGuard selected_{dc_.get(), bitmap_.get()};
};

bool Near(COLORREF actual, COLORREF expected) {
  const int tolerance = 40;
  return std::abs(GetRValue(actual) - GetRValue(expected)) < tolerance &&
         std::abs(GetGValue(actual) - GetGValue(expected)) < tolerance &&
         std::abs(GetBValue(actual) - GetBValue(expected)) < tolerance;
}

TEST(PictureTest, ShrunkPictureKeepsItsLayoutAtEverySizeItIsDrawnAt) {
  const picture::Picture picture = TwoColourPicture(800, 600);
  ASSERT_EQ(picture.GetKind(), picture::Picture::Kind::Bitmap);
  for (const RECT target : {RECT{8, 8, 97, 81}, RECT{0, 0, 40, 30}, RECT{8, 8, 97, 81}}) {
    Canvas canvas;
    picture.Draw(canvas.dc(), target);
    const int middle = (target.top + target.bottom) / 2;
    EXPECT_TRUE(Near(canvas.At(target.left + 2, middle), kRed));
    EXPECT_TRUE(Near(canvas.At(target.right - 3, middle), kBlue));
    // Nothing is drawn outside the target.
    EXPECT_EQ(canvas.At(target.right + 1, middle), RGB(255, 255, 255));
  }
}

TEST(PictureTest, SmallPictureIsStretchedUpFromItself) {
  const picture::Picture picture = TwoColourPicture(20, 10);
  Canvas canvas;
  picture.Draw(canvas.dc(), RECT{0, 0, 180, 90});
  EXPECT_TRUE(Near(canvas.At(5, 45), kRed));
  EXPECT_TRUE(Near(canvas.At(175, 45), kBlue));
}

TEST(PictureTest, EmptyPictureDrawsNothing) {
  const picture::Picture picture;
  Canvas canvas;
  picture.Draw(canvas.dc(), RECT{0, 0, 89, 73});
  EXPECT_EQ(canvas.At(40, 40), RGB(255, 255, 255));
}

// A bitmap of `bits` per pixel (8 with a grey palette), flat bands, a
// gradient and noise; 32-bit pixels get alpha from `alpha`.
ui::unique_hbitmap SectionBitmap(int width, int height, int bits, bool alpha) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = width;
  info.header.biHeight = height;
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  for (int i = 0; i < 256; ++i) {
    info.colours[i] = RGBQUAD{static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2), 0};
  }
  void* data = nullptr;
  ui::unique_hbitmap bitmap(
      CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &data, nullptr, 0));
  if (!bitmap) return bitmap;
  const int stride = (width * bits + 31) / 32 * 4;
  std::mt19937 random(static_cast<unsigned>(width * 31 + height + bits));
  auto* bytes = static_cast<uint8_t*>(data);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * bits / 8; ++x) {
      const int band = (y / 4) % 3;
      uint8_t value = band == 0 ? 90 : band == 1 ? static_cast<uint8_t>(x + y) : static_cast<uint8_t>(random());
      if (bits == 32 && x % 4 == 3) value = alpha ? static_cast<uint8_t>(x * 7 + y) : 0;
      bytes[y * stride + x] = value;
    }
  }
  GdiFlush();
  return bitmap;
}

struct Snapshot {
  std::vector<uint8_t> pixels;
  std::vector<uint8_t> drawn;
  std::string file;
};
Snapshot Take(const picture::Picture& picture) {
  return {picture.Pixels(), test::DrawnPixels(picture), tools::PictureFileBytes(picture)};
}

// A metafile whose header announces other bounds than its records, as a
// hostile writer may put it on the clipboard, read back as a picture.
picture::Picture MetafileAnnouncing(const RECTL& bounds) {
  const ui::unique_henhmetafile solid = test::SolidMetafile(kRed);
  std::vector<BYTE> bits(GetEnhMetaFileBits(solid.get(), 0, nullptr));
  GetEnhMetaFileBits(solid.get(), static_cast<UINT>(bits.size()), bits.data());
  std::memcpy(bits.data() + offsetof(ENHMETAHEADER, rclBounds), &bounds, sizeof(bounds));
  const auto writer = ui::MakeWindow<test::ClipboardWriter>();
  test::ClipboardWrite(writer->Handle())
      .Metafile(ui::unique_henhmetafile(SetEnhMetaFileBits(static_cast<UINT>(bits.size()), bits.data())));
  const desktop::ClipboardSession session(writer->Handle());
  return picture::Picture::FromOpenClipboard();
}

TEST(PictureTest, AMetafileHeaderOfAnySizeGivesAPictureWithinTheLimits) {
  const RECTL upsideDown{0, 0, 15, -20}, reversed{30, 30, 0, 0}, overflowing{LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX},
      overTheBytes{0, 0, 29999, 29999};
  for (const RECTL& bounds : {upsideDown, reversed, overflowing, overTheBytes}) {
    SCOPED_TRACE(testing::Message() << bounds.right << " x " << bounds.bottom);
    const picture::Picture picture = MetafileAnnouncing(bounds);
    EXPECT_TRUE(picture.Width() >= 0 && picture.Width() <= picture::Picture::kMaxSide);
    EXPECT_TRUE(picture.Height() >= 0 && picture.Height() <= picture::Picture::kMaxSide);
    EXPECT_LE(uint64_t(picture.Width()) * uint64_t(picture.Height()) * 4, picture::Picture::kMaxBytes);
  }
  // Drawn for the wallpaper, a picture of no size is refused in words.
  EXPECT_THROW(tools::WallpaperFileBytes(MetafileAnnouncing(upsideDown)), ui::UserError);
}

TEST(PicturePackingTest, EveryKindOfBitmapComesBackExactlyOncePacked) {
  struct Case {
    const char* name;
    int width;
    int height;
    int bits;
    bool alpha;
  };
  const Case cases[] = {{"24-bit", 64, 48, 24, false},  {"32-bit with alpha", 64, 48, 32, true},
                        {"paletted", 64, 48, 8, false}, {"odd width", 37, 23, 24, false},
                        {"one pixel", 1, 1, 24, false}, {"32-bit, alpha unused", 33, 5, 32, false}};
  picture::PictureCompressor compressor;
  for (const Case& c : cases) {
    ui::unique_hbitmap bitmap = SectionBitmap(c.width, c.height, c.bits, c.alpha);
    ASSERT_TRUE(bitmap) << c.name;
    const picture::Picture picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);
    const Snapshot raw = Take(picture);
    compressor.Add(picture);
    compressor.Finish();
    ASSERT_TRUE(picture.IsPacked()) << c.name;
    const Snapshot packed = Take(picture);
    EXPECT_TRUE(packed.pixels == raw.pixels) << c.name;
    EXPECT_TRUE(packed.drawn == raw.drawn) << c.name;
    EXPECT_TRUE(packed.file == raw.file) << c.name;
    EXPECT_EQ(packed.pixels.size(), static_cast<size_t>(c.width) * c.height * 4) << c.name;
    // A window that holds the pixels unpacked while it is shown draws the same.
    picture.HoldUnpacked();
    EXPECT_TRUE(test::DrawnPixels(picture) == raw.drawn) << c.name;
    picture.ReleaseUnpacked();
  }
}

// A packer that holds the worker until the test lets it go.
struct GatedPacker {
  std::atomic<bool> entered{false};
  std::atomic<bool> open{false};
  std::atomic<bool> sawStop{false};
  picture::PictureCompressor::Packer Get() {
    return [this](int w, int h, const uint8_t* pixels, size_t bytes, const std::atomic<bool>* stop) {
      entered = true;
      const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
      while (!open && std::chrono::steady_clock::now() < giveUp) {
        if (stop && *stop) {
          sawStop = true;
          return std::optional<picture::PackedPixels>();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
      return picture::PictureCompressor::DefaultPacker(w, h, pixels, bytes, stop);
    };
  }
  void AwaitEntered() {
    while (!entered) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
};

TEST(PicturePackingTest, ThePackedFormArrivesThroughTheMessageLoopAlone) {
  // As in the running program, nobody waits for the worker: its word to the
  // compressor's window is all that swaps the packed form in.
  picture::PictureCompressor compressor;
  ui::unique_hbitmap bitmap = SectionBitmap(64, 48, 24, false);
  const picture::Picture picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const std::vector<uint8_t> pixels = picture.Pixels();
  compressor.Add(picture);
  EXPECT_TRUE(test::PumpUntil([&] { return picture.IsPacked(); }));
  EXPECT_EQ(picture.Pixels(), pixels);
}

TEST(PicturePackingTest, APictureGoneOrReplacedWhilePackedIsLeftAloneAndTheOthersArePacked) {
  GatedPacker gate;
  picture::PictureCompressor compressor(gate.Get());
  ui::unique_hbitmap first = SectionBitmap(300, 200, 24, false);
  ui::unique_hbitmap second = SectionBitmap(41, 17, 32, true);
  auto gone = std::make_unique<picture::Picture>(picture::Picture::FromBitmap(first.get(), nullptr));
  picture::Picture replaced = picture::Picture::FromBitmap(first.get(), nullptr);
  picture::Picture kept = picture::Picture::FromBitmap(second.get(), nullptr);
  const std::vector<uint8_t> keptPixels = kept.Pixels();
  compressor.Add(*gone);
  compressor.Add(replaced);
  compressor.Add(kept);
  gate.AwaitEntered();
  gone.reset();
  replaced = picture::Picture::FromBitmap(second.get(), nullptr);
  gate.open = true;
  compressor.Finish();
  EXPECT_FALSE(replaced.IsPacked()) << "the old picture's packing went into its successor";
  EXPECT_EQ(replaced.Pixels(), keptPixels);
  EXPECT_TRUE(kept.IsPacked());
  EXPECT_EQ(kept.Pixels(), keptPixels);
}

TEST(PicturePackingTest, PackingThatRunsOutOfMemoryKeepsThePictureRaw) {
  int calls = 0;
  picture::PictureCompressor compressor(
      [&calls](int w, int h, const uint8_t* pixels, size_t bytes, const std::atomic<bool>* stop) {
        if (++calls == 1) throw std::bad_alloc();
        return picture::PictureCompressor::DefaultPacker(w, h, pixels, bytes, stop);
      });
  ui::unique_hbitmap bitmap = SectionBitmap(50, 30, 32, true);
  const picture::Picture failed = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const picture::Picture later = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const Snapshot before = Take(failed);
  compressor.Add(failed);
  compressor.Add(later);
  compressor.Finish();
  EXPECT_FALSE(failed.IsPacked());
  const Snapshot after = Take(failed);
  EXPECT_TRUE(after.pixels == before.pixels && after.file == before.file);
  EXPECT_TRUE(later.IsPacked()) << "the worker must survive a failed packing";
  EXPECT_EQ(later.Pixels(), before.pixels);
}

TEST(PicturePackingTest, NoRoomToHandThePackedFormOverKeepsThePictureRawAndTheWorkerAlive) {
  int calls = 0;
  picture::PictureCompressor compressor(
      [&calls](int w, int h, const uint8_t* pixels, size_t bytes, const std::atomic<bool>* stop) {
        auto packed = picture::PictureCompressor::DefaultPacker(w, h, pixels, bytes, stop);
        // The worker's next allocation is the one that hands the packed form over.
        if (++calls == 1) failNextAllocation = true;
        return packed;
      });
  ui::unique_hbitmap bitmap = SectionBitmap(40, 20, 24, false);
  const picture::Picture failed = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const picture::Picture later = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const std::vector<uint8_t> pixels = failed.Pixels();
  compressor.Add(failed);
  compressor.Add(later);
  compressor.Finish();
  EXPECT_FALSE(failed.IsPacked());
  EXPECT_EQ(failed.Pixels(), pixels);
  EXPECT_TRUE(later.IsPacked()) << "the worker must survive the failed hand-over";
}

TEST(PicturePackingTest, ClosingWhilePackingStopsTheWorkInsteadOfWaitingForIt) {
  GatedPacker gate;
  ui::unique_hbitmap bitmap = SectionBitmap(64, 64, 24, false);
  const picture::Picture picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const std::vector<uint8_t> pixels = picture.Pixels();
  {
    picture::PictureCompressor compressor(gate.Get());
    compressor.Add(picture);
    gate.AwaitEntered();
  }
  EXPECT_TRUE(gate.sawStop) << "the worker was waited for, not stopped";
  EXPECT_FALSE(picture.IsPacked());
  EXPECT_EQ(picture.Pixels(), pixels);
}

TEST(PicturePackingTest, AWindowOpenedBeforePackingKeepsThePixelsItShows) {
  ui::unique_hbitmap bitmap = SectionBitmap(64, 48, 24, false);
  const picture::Picture cell = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  const std::vector<uint8_t> pixels = cell.Pixels();
  // The full-screen view or the save window, opened while the cell's
  // pixels were still raw.
  const picture::Picture shown = cell.Copy();
  shown.HoldUnpacked();
  picture::PictureCompressor compressor;
  compressor.Add(cell);
  compressor.Finish();
  ASSERT_TRUE(cell.IsPacked());
  EXPECT_TRUE(shown.HoldsUnpacked()) << "every paint would unpack the whole picture again";
  EXPECT_EQ(shown.Pixels(), pixels);
  shown.ReleaseUnpacked();
  EXPECT_FALSE(shown.HoldsUnpacked());
  EXPECT_EQ(shown.Pixels(), pixels);
}

}  // namespace
