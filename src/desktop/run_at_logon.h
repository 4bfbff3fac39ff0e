// RunAtLogon: the "Start with Windows" option's trace in the registry, a
// string value under the user's Run key that the shell starts at every
// logon, holding this program's quoted full path. The option is the truth;
// this puts the registry in step with it, whenever the option is applied
// (at start-up, at "&OK" and after a tray toggle).
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace desktop {

// Under HKEY_CURRENT_USER.
inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr wchar_t kRunValueName[] = L"Kestrel 99";

class RunAtLogon {
 public:
  // The Run key of the user; tests give a scratch key of their own.
  explicit RunAtLogon(std::wstring keyPath = kRunKeyPath);

  // On: writes the value unless it already holds exactly this program's
  // command, so a value left by a copy elsewhere is taken over. Off:
  // removes the value when it starts this program, and leaves a value that
  // starts another copy of Kestrel 99 to that copy. Raises ui::UserError
  // with the system's reason when the registry refuses.
  void KeepInStep(bool on) const;

  // The value as stored; none when there is no such value.
  std::optional<std::wstring> StoredCommand() const;
  // This program's command: the full path of the running program file in
  // double quotes, so the shell takes a path with blanks as one.
  static std::wstring ThisProgramCommand();

 private:
  void Write(const std::wstring& command) const;
  void Remove() const;

  std::wstring keyPath_;
};

}  // namespace desktop
