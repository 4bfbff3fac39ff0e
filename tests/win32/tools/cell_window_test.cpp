// The save and edit window driven as the program drives it: opened on
// pictures and texts, its toolbar commands sent as WM_COMMAND, the file
// dialogs answered by the test, and what it writes read back by the system.
#include "tools/cell_window.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/program_title.h"
#include "picture/bmp_file.h"
#include "ui/application.h"
#include "desktop/clipboard.h"
#include "picture/picture_formats.h"
#include "tools/picture_export.h"
#include "tools/user_file.h"
#include "win32/clipboard_support.h"
#include "win32/keyboard_support.h"
#include "win32/test_support.h"

namespace {

namespace fs = std::filesystem;
using Page = tools::CellWindow::Page;

class CellWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    window->SetFileDialogForTesting([this](HWND, const ui::FileDialogRequest& request) {
      requests.push_back(request);
      return answer;
    });
  }
  // Presses a button of the page's toolbar: the toolbar tells its dock,
  // which passes the click on to the window.
  void Command(int command) {
    const bool save = command <= tools::kNoWallpaperCommand;
    const ui::ToolbarDock& dock = save ? window->SaveToolbar() : window->EditToolbar();
    ASSERT_TRUE(dock.IsButtonEnabled(command));
    SendMessageW(GetParent(dock.Toolbar()), WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dock.Toolbar()));
  }
  // Runs a command whose file dialog picks `path` (or is cancelled).
  void CommandWithFile(int command, const std::optional<fs::path>& path) {
    answer = path ? std::optional<std::wstring>(path->wstring()) : std::nullopt;
    Command(command);
  }
  RECT Frame() const {
    RECT frame{};
    GetWindowRect(window->Handle(), &frame);
    return frame;
  }
  // Files in the folder: a failed write must leave no temporary behind.
  std::vector<fs::path> FolderContents() const {
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
  }

  settings::Settings settings;
  ui::Application application{app::ProgramTitle()};
  ui::WindowPtr<tools::CellWindow> window = ui::MakeWindow<tools::CellWindow>(application, settings);
  test::TemporaryFolder temporary{L"k99 cell "};
  fs::path folder = temporary.Path();
  std::optional<std::wstring> answer;
  std::vector<ui::FileDialogRequest> requests;
};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const fs::path& path, const std::string& bytes) { std::ofstream(path, std::ios::binary) << bytes; }

// A picture through the clipboard, as the cells get theirs.
picture::Picture PictureFromClipboard(const std::function<void(test::ClipboardWrite&)>& put) {
  const auto writer = ui::MakeWindow<test::ClipboardWriter>();
  {
    test::ClipboardWrite write(writer->Handle());
    EXPECT_TRUE(write.IsOpen());
    put(write);
  }
  desktop::ClipboardSession session(writer->Handle());
  return picture::Picture::FromOpenClipboard();
}

// 32-bit pixels of any bitmap, read the same way for source and result.
std::vector<uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
  std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB};
  ui::unique_hdc dc(CreateCompatibleDC(nullptr));
  EXPECT_EQ(GetDIBits(dc.get(), bitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS), height);
  for (uint32_t& pixel : pixels) pixel &= 0x00FFFFFF;
  return pixels;
}

// A DIB section of the given depth in which neighbouring pixels differ.
ui::unique_hbitmap PatternBitmap(int bits, int width, int height) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info{};
  info.header = {sizeof(BITMAPINFOHEADER), width, height, 1, static_cast<WORD>(bits), BI_RGB};
  for (int i = 0; i < 256; ++i) info.colours[i] = {BYTE(i * 7), BYTE(255 - i), BYTE(i * 13 + 5), 0};
  void* bits_ = nullptr;
  ui::unique_hbitmap bitmap(
      CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits_, nullptr, 0));
  const int stride = (width * bits / 8 + 3) / 4 * 4;
  auto* bytes = static_cast<uint8_t*>(bits_);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width * bits / 8; ++x) bytes[y * stride + x] = static_cast<uint8_t>(x * 31 + y * 17);
  }
  return bitmap;
}

TEST_F(CellWindowTest, OpeningSizesThePageAndCentresOnlyAHiddenWindow) {
  const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
  struct Case {
    const char* name;
    int pictureWidth;  // 0: an empty picture; -1: a text
    int pictureHeight;
    SIZE outer;
    POINT place;
  };
  // A picture narrower than the save toolbar gets the toolbar's width.
  RECT narrowest{0, 0, window->SaveToolbar().DockedWidth(), 0};
  AdjustWindowRectEx(&narrowest, static_cast<DWORD>(GetWindowLongW(window->Handle(), GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window->Handle(), GWL_EXSTYLE)));
  const int toolbarWidth = std::max<int>(narrowest.right - narrowest.left, 105);
  const Case cases[] = {
      {"empty first picture keeps the control's own size",
       0,
       0,
       {toolbarWidth, 175},
       {(screenWidth - toolbarWidth) / 2, (screenHeight - 175) / 2}},
      {"a picture sizes the window", 300, 200, {300, 270}, {(screenWidth - 300) / 2, (screenHeight - 270) / 2}},
      {"a later empty picture keeps the last size",
       0,
       0,
       {300, 270},
       {(screenWidth - 300) / 2, (screenHeight - 270) / 2}},
      {"a text", -1, 0, {435, 300}, {(screenWidth - 435) / 2, (screenHeight - 300) / 2}},
      {"larger than the screen starts at its corner",
       screenWidth + 50,
       screenHeight + 40,
       {screenWidth + 50, screenHeight + 110},
       {0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window->Hide();
    if (c.pictureWidth < 0) {
      window->OpenText(L"one\ntwo");
      EXPECT_EQ(window->CurrentPage(), Page::Edit);
      EXPECT_EQ(window->Caption(), L"Edit");
      EXPECT_EQ(window->Editor().Text(), L"one\r\ntwo");
    } else {
      picture::Picture picture;
      if (c.pictureWidth > 0) {
        const ui::unique_hbitmap bitmap = test::SolidBitmap(c.pictureWidth, c.pictureHeight, RGB(1, 2, 3));
        picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);
      }
      window->OpenPicture(picture);
      EXPECT_EQ(window->CurrentPage(), Page::Save);
      EXPECT_EQ(window->Caption(), L"Save");
    }
    EXPECT_TRUE(window->IsVisible());
    const RECT frame = Frame();
    EXPECT_EQ(frame.right - frame.left, c.outer.cx);
    EXPECT_EQ(frame.bottom - frame.top, c.outer.cy);
    EXPECT_EQ(frame.left, c.place.x);
    EXPECT_EQ(frame.top, c.place.y);
  }

  // Opened again while showing: new page, caption and size, same place.
  SetWindowPos(window->Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  window->OpenText(L"x");
  EXPECT_EQ(Frame().left, 40);
  EXPECT_EQ(Frame().top, 30);
  EXPECT_EQ(Frame().right - Frame().left, 435);

  // A double click on the picture or on the scroll box's free area closes it.
  for (HWND target : {window->PictureControl().Handle(), GetParent(window->PictureControl().Handle())}) {
    window->OpenPicture(picture::Picture{});
    ASSERT_TRUE(window->IsVisible());
    SendMessageW(target, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(window->IsVisible());
  }
}

TEST_F(CellWindowTest, SavedBitmapsReadBackPixelForPixel) {
  constexpr int kWidth = 37;  // odd, so rows need padding
  constexpr int kHeight = 23;
  for (const int bits : {8, 24, 32}) {
    SCOPED_TRACE(testing::Message() << bits << "-bit source");
    const ui::unique_hbitmap source = PatternBitmap(bits, kWidth, kHeight);
    window->OpenPicture(picture::Picture::FromBitmap(source.get(), nullptr));
    const fs::path file = folder / (L"picture " + std::to_wstring(bits) + L".bmp");
    CommandWithFile(tools::kSaveImageCommand, file);

    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].kind, ui::FileDialogRequest::Kind::Save);
    EXPECT_EQ(requests[0].filterName, L"Bitmap");
    EXPECT_EQ(requests[0].pattern, L"*.bmp");
    EXPECT_EQ(requests[0].defaultExtension, L"bmp");
    EXPECT_EQ(requests[0].initialName, L"*.bmp");
    requests.clear();

    ui::unique_hbitmap loaded(static_cast<HBITMAP>(
        LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION)));
    ASSERT_TRUE(loaded) << "the system cannot read the file";
    BITMAP info{};
    GetObjectW(loaded.get(), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, kWidth);
    EXPECT_EQ(info.bmHeight, kHeight);
    EXPECT_EQ(PixelsOf(loaded.get(), kWidth, kHeight), PixelsOf(source.get(), kWidth, kHeight));
  }
}

TEST_F(CellWindowTest, MetafilesAndIconsAreSavedAndCopiedBackInAFormOthersRead) {
  constexpr int kIconSide = 32;
  std::vector<uint8_t> iconPixels(kIconSide * kIconSide * 4);
  for (size_t i = 0; i < iconPixels.size(); i += 4) {
    iconPixels[i + 2] = 200;  // red
    iconPixels[i + 3] = 255;  // opaque
  }
  const std::vector<uint8_t> mask(picture::MaskRowBytes(kIconSide) * kIconSide, 0);
  const std::vector<uint8_t> iconFile =
      picture::EncodeIconFile(kIconSide, kIconSide, iconPixels.data(), iconPixels.size(), mask.data(), mask.size());

  struct Case {
    const char* name;
    std::function<void(test::ClipboardWrite&)> put;
    picture::Picture::Kind kind;
    const wchar_t* extension;
    UINT clipboardFormat;  // what the copy back offers
    UINT absentFormat;     // what it must not
  };
  const Case cases[] = {
      {"metafile", [](test::ClipboardWrite& w) { w.Metafile(test::SolidMetafile(RGB(0, 0, 200))); },
       picture::Picture::Kind::Metafile, L"emf", CF_ENHMETAFILE, CF_BITMAP},
      {"icon", [&](test::ClipboardWrite& w) { w.Memory(picture::IconFormat(), iconFile.data(), iconFile.size()); },
       picture::Picture::Kind::Icon, L"ico", CF_BITMAP, picture::IconFormat()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const picture::Picture picture = PictureFromClipboard(c.put);
    ASSERT_EQ(picture.GetKind(), c.kind);
    window->OpenPicture(picture);

    const fs::path file = folder / (std::wstring(L"picture.") + c.extension);
    CommandWithFile(tools::kSaveImageCommand, file);
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests.back().defaultExtension, c.extension);
    if (c.kind == picture::Picture::Kind::Metafile) {
      ui::unique_henhmetafile loaded(GetEnhMetaFileW(file.c_str()));
      EXPECT_TRUE(loaded) << "the system cannot read the metafile";
    } else {
      ui::unique_hicon loaded(
          static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
      ASSERT_TRUE(loaded) << "the system cannot read the icon";
      const ui::IconInfo info(loaded.get());
      BITMAP colour{};
      GetObjectW(info.Colour(), sizeof(colour), &colour);
      EXPECT_EQ(colour.bmWidth, kIconSide);
    }
    requests.clear();

    Command(tools::kCopyBackCommand);
    {
      desktop::ClipboardSession session(window->Handle());
      ASSERT_TRUE(session.IsOpen());
      EXPECT_TRUE(IsClipboardFormatAvailable(c.clipboardFormat));
      EXPECT_FALSE(IsClipboardFormatAvailable(c.absentFormat));
      const picture::Picture back = picture::Picture::FromOpenClipboard();
      if (c.kind == picture::Picture::Kind::Icon) {
        EXPECT_EQ(back.Width(), kIconSide);
        EXPECT_EQ(test::CentreColour(back), RGB(200, 0, 0));
      }
    }
    // The window's own picture is left as it was.
    EXPECT_EQ(window->PictureControl().GetPicture().GetKind(), c.kind);
    EXPECT_EQ(window->PictureControl().GetPicture().Width(), picture.Width());
  }
}

TEST_F(CellWindowTest, ACopyBackTheClipboardRefusesIsReportedWithTheSystemsReason) {
  const ui::unique_hbitmap bitmap = test::SolidBitmap(20, 10, RGB(1, 2, 3));
  const picture::Picture picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);
  try {
    tools::CopyPictureToClipboard(window->Handle(), picture, [](UINT, HANDLE) -> HANDLE {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    });
    ADD_FAILURE() << "the emptied clipboard passed as a copy";
  } catch (const ui::UserError& error) {
    EXPECT_NE(error.Text().find(ui::SystemErrorText(ERROR_NOT_ENOUGH_MEMORY)), std::wstring::npos) << error.Text();
  }
}

TEST_F(CellWindowTest, EveryToolbarCommandStaysInReachAndAResizeKeepsTheScrolledPlace) {
  const HWND toolbar = window->SaveToolbar().Toolbar();
  const auto lastButtonShown = [&] {
    const auto count = static_cast<int>(SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0));
    RECT button{};
    SendMessageW(toolbar, TB_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&button));
    MapWindowPoints(toolbar, window->Handle(), reinterpret_cast<POINT*>(&button), 2);
    RECT client{};
    GetClientRect(window->Handle(), &client);
    return button.right <= client.right;
  };
  const auto open = [&](int width, int height) {
    const ui::unique_hbitmap bitmap = test::SolidBitmap(width, height, RGB(1, 2, 3));
    window->OpenPicture(picture::Picture::FromBitmap(bitmap.get(), nullptr));
  };
  open(16, 16);
  EXPECT_TRUE(lastButtonShown()) << "a narrow picture cuts off the toolbar";
  SetWindowPos(window->Handle(), nullptr, 0, 0, 40, 200, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(lastButtonShown()) << "narrowing the window cuts off the toolbar";
  open(700, 500);
  EXPECT_EQ(Frame().right - Frame().left, 700) << "a wide picture still gives its width";

  // Scrolled into a large picture, the user resizes the window.
  SetWindowPos(window->Handle(), nullptr, 0, 0, 400, 300, SWP_NOMOVE | SWP_NOZORDER);
  const HWND scrollBox = GetParent(window->PictureControl().Handle());
  for (int step = 0; step < 3; ++step) {
    SendMessageW(scrollBox, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(scrollBox, WM_HSCROLL, SB_LINEDOWN, 0);
  }
  const auto place = [&] {
    RECT shown{};
    GetWindowRect(window->PictureControl().Handle(), &shown);
    MapWindowPoints(nullptr, scrollBox, reinterpret_cast<POINT*>(&shown), 2);
    return std::pair{shown.left, shown.top};
  };
  const auto scrolled = place();
  ASSERT_LT(scrolled.first, 0);
  ASSERT_LT(scrolled.second, 0);
  SetWindowPos(window->Handle(), nullptr, 0, 0, 420, 320, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(place(), scrolled) << "the resize sent the picture back to its top left";
}

TEST_F(CellWindowTest, TextFilesRoundTripInEveryEncodingUnderAnyName) {
  ASSERT_EQ(GetACP(), 1252u) << "the cases below assume a Western code page";
  struct Case {
    const wchar_t* fileName;
    std::string bytes;
    std::wstring memo;
    std::string saved;
  };
  const Case cases[] = {
      {L"ansi.txt", "caf\xE9\r\nna\xEFve", L"caf\u00E9\r\nna\u00EFve", "caf\xE9\r\nna\xEFve\r\n"},
      {L"utf8.txt", "\xCE\xA9 ohm\n", L"\u03A9 ohm\r\n", "\xCE\xA9 ohm\r\n"},
      {L"utf8 mark.txt",
       "\xEF\xBB\xBF"
       "caf\xC3\xA9",
       L"caf\u00E9", "caf\xE9\r\n"},
      {L"utf16.txt", std::string("\xFF\xFE\xA9\x03\r\0\n\0x\0", 10), L"\u03A9\r\nx", "\xCE\xA9\r\nx\r\n"},
      {L"lone ends.txt", "a\nb\rc", L"a\r\nb\r\nc", "a\r\nb\r\nc\r\n"},
      {L"\u03A9mega \u0444\u0430\u0439\u043B.txt", "name", L"name", "name\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
    window->OpenText(L"old text");
    const fs::path source = folder / c.fileName;
    WriteBytes(source, c.bytes);
    CommandWithFile(tools::kOpenCommand, source);
    EXPECT_EQ(window->Editor().Text(), c.memo);

    const fs::path target = folder / (std::wstring(L"saved ") + c.fileName);
    CommandWithFile(tools::kSaveTextCommand, target);
    EXPECT_EQ(ReadBytes(target), c.saved);
  }
  ASSERT_EQ(requests.size(), 2 * std::size(cases));
  EXPECT_EQ(requests[0].filterName, L"TXT");
  EXPECT_EQ(requests[0].defaultExtension, L"txt");
  EXPECT_EQ(requests[0].initialName, L"");
  EXPECT_EQ(requests[1].kind, ui::FileDialogRequest::Kind::Save);
  EXPECT_EQ(requests[1].initialName, L"*.txt");

  // Cancelled dialogs change nothing.
  const auto before = FolderContents();
  CommandWithFile(tools::kOpenCommand, std::nullopt);
  CommandWithFile(tools::kSaveTextCommand, std::nullopt);
  EXPECT_EQ(window->Editor().Text(), cases[std::size(cases) - 1].memo);
  EXPECT_EQ(FolderContents(), before);
}

TEST_F(CellWindowTest, AFileHoldingNulCharactersIsShownAndSavedWholeAndTheUserIsToldOnce) {
  test::MessageBoxRecorder boxes;
  const fs::path source = folder / L"zeros.txt";
  WriteBytes(source, std::string("before\0after\r\nlast\0", 19));
  window->OpenText(L"old text");
  CommandWithFile(tools::kOpenCommand, source);
  EXPECT_EQ(window->Editor().Text(), L"before\uFFFDafter\r\nlast\uFFFD");
  ASSERT_EQ(boxes.boxes.size(), 1u);
  EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONINFORMATION));

  const fs::path target = folder / L"saved.txt";
  CommandWithFile(tools::kSaveTextCommand, target);
  EXPECT_EQ(ReadBytes(target), "before\xEF\xBF\xBD" "after\r\nlast\xEF\xBF\xBD\r\n");
}

TEST_F(CellWindowTest, FilesThatCannotBeReadOrWrittenLoseNothing) {
  test::MessageBoxRecorder boxes;
  const fs::path readOnly = folder / "read only.txt";
  WriteBytes(readOnly, "keep me");
  SetFileAttributesW(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
  const fs::path directory = folder / "a folder.txt";
  fs::create_directory(directory);
  const ui::unique_hbitmap bitmap = test::SolidBitmap(8, 8, RGB(9, 9, 9));
  const picture::Picture picture = picture::Picture::FromBitmap(bitmap.get(), nullptr);

  struct Case {
    const char* name;
    int command;
    fs::path path;
  };
  const Case cases[] = {
      {"save text over a read-only file", tools::kSaveTextCommand, readOnly},
      {"save picture over a read-only file", tools::kSaveImageCommand, readOnly},
      {"save text as a folder", tools::kSaveTextCommand, directory},
      {"save into a missing folder", tools::kSaveTextCommand, folder / "missing" / "x.txt"},
      {"open a missing file", tools::kOpenCommand, folder / "missing.txt"},
      {"open a folder", tools::kOpenCommand, directory},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    window->OpenPicture(picture);
    window->OpenText(L"the memo\r\n");
    const auto before = FolderContents();
    boxes.boxes.clear();
    CommandWithFile(c.command, c.path);

    ASSERT_EQ(boxes.boxes.size(), 1u) << "one error box";
    EXPECT_EQ(boxes.boxes[0].caption, app::ProgramTitle());
    EXPECT_EQ(boxes.boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONSTOP));
    EXPECT_NE(boxes.boxes[0].text.find(c.path.filename().wstring()), std::wstring::npos) << "names the file";
    EXPECT_EQ(window->Editor().Text(), L"the memo\r\n");
    EXPECT_EQ(ReadBytes(readOnly), "keep me");
    EXPECT_TRUE(fs::is_directory(directory));
    EXPECT_EQ(FolderContents(), before) << "no temporary file is left";
    EXPECT_TRUE(window->IsVisible());
  }
}

TEST_F(CellWindowTest, AnEmptyPictureIsNeitherSavedNorCopied) {
  test::MessageBoxRecorder boxes;
  const auto writer = ui::MakeWindow<test::ClipboardWriter>();
  {
    test::ClipboardWrite write(writer->Handle());
    write.Text(L"still here");
  }
  window->OpenPicture(picture::Picture{});
  const fs::path file = folder / "empty.bmp";
  CommandWithFile(tools::kSaveImageCommand, file);
  Command(tools::kCopyBackCommand);

  ASSERT_EQ(boxes.boxes.size(), 2u);
  for (const auto& box : boxes.boxes) EXPECT_EQ(box.caption, L"Information");
  EXPECT_FALSE(fs::exists(file));
  desktop::ClipboardSession session(writer->Handle());
  EXPECT_EQ(desktop::ReadClipboardText(), L"still here");
}

TEST_F(CellWindowTest, TheToolbarIsATabStopWorkedByArrowsAndEnter) {
  window->OpenText(L"some text");
  SetFocus(GetNextDlgTabItem(window->Handle(), nullptr, FALSE));
  ASSERT_EQ(GetFocus(), window->EditToolbar().Toolbar()) << "the toolbar comes first";
  test::PressKey(VK_TAB);
  const HWND memo = GetFocus();
  ASSERT_EQ(GetDlgCtrlID(memo), tools::CellWindow::kMemoId) << "then the text";
  SetFocus(window->EditToolbar().Toolbar());
  test::PressKey(VK_RIGHT);
  test::PressKey(VK_LEFT);
  test::PressKey(VK_RETURN);
  EXPECT_EQ(GetWindowTextLengthW(memo), 0) << "Enter pressed New, the first button";
}

}  // namespace
