#include "app/program_title.h"

#include <windows.h>

#include <vector>

#include "app/title_rules.h"

namespace app {

std::wstring ProgramTitle() {
  // Long paths may exceed MAX_PATH; the title only needs the file name, but
  // a cut path would lose it.
  std::vector<wchar_t> path(MAX_PATH * 4);
  GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  return TitleFromProgramPath(path.data());
}

}  // namespace app
