// The registered window class names of every window the program makes. Other
// programs (and our end-to-end tests) find our windows by these names, so they
// stay as they are even where they no longer say what the window is.
#pragma once

namespace core {

// Top-level windows.
inline constexpr wchar_t kApplicationClass[] = L"KestrelApplication";
inline constexpr wchar_t kSplashWindowClass[] = L"TSplashForm";
inline constexpr wchar_t kStartupWindowClass[] = L"TForm1";
inline constexpr wchar_t kMainWindowClass[] = L"TForm2";
inline constexpr wchar_t kCellWindowClass[] = L"TForm3";
inline constexpr wchar_t kFullScreenViewClass[] = L"TForm5";
inline constexpr wchar_t kOptionsDialogClass[] = L"TForm6";
inline constexpr wchar_t kAboutWindowClass[] = L"TForm7";
inline constexpr wchar_t kWallpaperProgressWindowClass[] = L"TForm9";
inline constexpr wchar_t kDirectoryPickerClass[] = L"TForm10";
inline constexpr wchar_t kTrayIconClass[] = L"KestrelTrayIcon";
inline constexpr wchar_t kWallpaperChangerClass[] = L"KestrelWallpaperChanger";
// The hidden window the packing worker tells of packed pictures.
inline constexpr wchar_t kPictureCompressorClass[] = L"KestrelPictureCompressor";
inline constexpr wchar_t kHelpWindowClass[] = L"KestrelHelp";

// Controls.
inline constexpr wchar_t kClipboardViewerClass[] = L"ClipboardViewer";
inline constexpr wchar_t kPictureViewClass[] = L"KestrelPictureView";
inline constexpr wchar_t kPictureBoxClass[] = L"KestrelPictureBox";
inline constexpr wchar_t kNotebookClass[] = L"KestrelNotebook";
inline constexpr wchar_t kPanelClass[] = L"KestrelPanel";
inline constexpr wchar_t kScrollBoxClass[] = L"KestrelScrollBox";
inline constexpr wchar_t kCellGridClass[] = L"KestrelCellGrid";
inline constexpr wchar_t kToolbarDockClass[] = L"KestrelToolbarDock";
// The frame around the directory picker's tree view.
inline constexpr wchar_t kDirectoryTreeClass[] = L"KestrelDirectoryTree";
// A toolbar dragged out of its dock floats in one of these.
inline constexpr wchar_t kToolbarFrameClass[] = L"KestrelToolbarFrame";
inline constexpr wchar_t kScrollingTextClass[] = L"KestrelScrollingText";
inline constexpr wchar_t kAboutPictureClass[] = L"KestrelAboutPicture";

}  // namespace core
