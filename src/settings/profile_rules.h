// The rules by which a window's placement and the options travel between a
// window and its section of the settings file: number and word forms, the
// fallbacks for missing or malformed values, and when a store is due.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "settings/profile_store.h"
#include "settings/settings.h"

namespace settings {

// The settings file's name. Stored files and the user find it by this name.
inline constexpr std::wstring_view kSettingsFileName = L"kestrel99.ini";
// The folder under the user's application data that holds the file when
// the Windows directory is closed to the program.
inline constexpr std::wstring_view kSettingsFolderName = L"Kestrel 99";

// Where the settings file is: the bare name, which the system resolves to
// the Windows directory, while the program may write there (as under Wine,
// or for an administrator); otherwise the program's folder under the
// user's application data, so an ordinary user's options persist at all.
// Without an application-data folder the bare name is all there is.
std::wstring SettingsFileLocation(bool windowsDirectoryWritable, std::wstring_view appDataDirectory);

// The wallpaper folder a run starts with before the settings file has its
// say: the settings file's own folder under the application data when the
// file had to move there, since an ordinary user cannot write the Windows
// directory either; otherwise the table's default. Ends in a backslash like
// that default.
std::wstring DefaultWallpaperDirectoryFor(bool windowsDirectoryWritable, std::wstring_view appDataDirectory);

inline constexpr std::wstring_view kOptionsSection = L"options";
inline constexpr std::wstring_view kMainSection = L"main";

inline constexpr std::wstring_view kFlagsKey = L"Flags";
inline constexpr std::wstring_view kShowCmdKey = L"ShowCmd";
inline constexpr std::wstring_view kMinMaxPosKey = L"MinMaxPos";
inline constexpr std::wstring_view kNormPosKey = L"NormPos";

// Removes every blank and control character from both ends.
std::wstring_view TrimBlanks(std::wstring_view text);

// A whole text as a 32-bit integer: "0x" or "0X" and hexadecimal digits
// when the text is longer than two characters (up to eight digits, taken
// as the bit pattern), otherwise an optionally signed decimal that fits.
// Anything else, an empty text included, gives `fallback`.
int ParseInteger(std::wstring_view text, int fallback);
int ReadInteger(ProfileStore& store, std::wstring_view section, std::wstring_view key, int fallback);
bool WriteInteger(ProfileStore& store, std::wstring_view section, std::wstring_view key, int value);

// The words of a text separated by runs of blanks and commas.
std::vector<std::wstring_view> SplitWords(std::wstring_view text);

struct PlacementPoint {
  int x = 0;
  int y = 0;
};

struct PlacementRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// A window's placement, member for member as the system reports it.
struct Placement {
  int flags = 0;
  int showCmd = 0;
  PlacementPoint minPosition;
  PlacementPoint maxPosition;
  PlacementRect normal;
};

// The normal rectangle as the file keeps it, so that a file written at one
// display scale puts the window back where it was at another: the left and
// top stay in screen pixels, as the system reports them, and a sizeable
// window's width and height are kept in 96 DPI units, the same layout at
// any scale. At 96 DPI the stored rectangle is the system's. A window that
// is not sizeable keeps its own size on loading, so its stored size is
// never read back.
PlacementRect StoredNormal(const PlacementRect& normal, int dpi);
PlacementRect NormalFromStored(const PlacementRect& stored, int dpi);

// Where the window is now and how big, the fallbacks for a short position.
struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

enum class WindowState { Normal, Minimized, Maximized };

// The values of the MinMaxPos and NormPos keys: four integers joined by
// commas, the minimized then the maximized position, and the normal
// rectangle from its left to its bottom.
std::wstring FormatMinMaxPos(const PlacementPoint& minPosition, const PlacementPoint& maxPosition);
std::wstring FormatNormPos(const PlacementRect& normal);

// What a load makes of the stored position.
struct PlacementLoad {
  Placement placement;
  // Whether the placement is to be applied: something was stored, and the
  // normal rectangle is not empty.
  bool apply = false;
};

// Reads the stored position over `current`, whose show command the caller
// has set to hide already. A window without a sizeable border takes only
// the position from the file and keeps its size.
PlacementLoad ReadPlacement(ProfileStore& store, std::wstring_view section, const Placement& current,
                            const WindowBounds& bounds, bool sizeable);

// The window state the stored show command asks for.
WindowState StateFromShowCmd(int showCmd);
WindowState ReadWindowState(ProfileStore& store, std::wstring_view section);

// Loads every stored option, the wallpaper folder and the hot keys, each on
// its own, in the order of their keys; a missing key leaves its value as it
// is, and a hot key that does not read gives its default.
void ReadOptions(ProfileStore& store, std::wstring_view section, Settings& settings);

// Writes the placement, then the options. Each stops at the first write
// that fails and returns false.
bool WritePlacement(ProfileStore& store, std::wstring_view section, const Placement& placement);
bool WriteOptions(ProfileStore& store, std::wstring_view section, const Settings& settings);

// When a window's section is written: never before the window has loaded
// it once in this run (a window never shown must not overwrite what an
// earlier run stored), on every allowed close, and on destruction only when
// nothing was stored since the last load.
class StoreSchedule {
 public:
  // From a load on, closes may store, and so may the destruction until one
  // has.
  void AllowStores() {
    loadedOnce_ = true;
    storedSinceLoad_ = false;
  }
  void Stored() { storedSinceLoad_ = true; }
  bool StoreOnClose() const { return loadedOnce_; }
  bool StoreOnDestroy() const { return loadedOnce_ && !storedSinceLoad_; }

 private:
  bool loadedOnce_ = false;
  bool storedSinceLoad_ = false;
};

}  // namespace settings
