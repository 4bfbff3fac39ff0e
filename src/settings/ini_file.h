// IniFile: the settings file on disk, read and written through the system's
// private-profile functions. Each load or store makes its own IniFile on
// the file name of the moment; the file is never held open.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "settings/profile_store.h"

namespace settings {

// The settings file as it is to be used right now (see
// SettingsFileLocation); the folder under the application data is created
// when it is chosen.
std::wstring SettingsFilePath();

// The wallpaper folder a run starts with (see DefaultWallpaperDirectoryFor),
// decided on the same grounds as the settings file's place; its folder under
// the application data is created too, as the wallpaper is written there.
std::wstring DefaultWallpaperDirectory();

// Gives the file name for one load or store: in the program the settings
// file wherever it is to be used at that moment, SettingsFilePath.
using FileNameSource = std::function<std::wstring()>;

// Whether the settings file keeps the text as it is. The system writes the
// file in the ANSI code page, and a character outside it would come back
// as another one: a folder stored so would name a different folder.
bool SettingsFileCanHold(std::wstring_view text);

class IniFile : public ProfileStore {
 public:
  // `fileName` is passed to the system as it is: a bare name means the
  // Windows directory.
  explicit IniFile(std::wstring fileName) : fileName_(std::move(fileName)) {}

  const std::wstring& FileName() const { return fileName_; }

  std::wstring ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view fallback) override;
  // Raises ui::UserError "Unable to write to <file name>" when the system
  // cannot write the file.
  bool WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value) override;

 private:
  std::wstring fileName_;
};

}  // namespace settings
